#pragma once
// The small count dialog (" Eingabe"): asks during a run for one whole number
// (the number of conjunctions, constellations or steps when the result is
// wanted at once, or the number of kept figures). A prompt label, a digits-only
// field (more than the limit becomes the limit as it is typed; empty or 0
// becomes a selected 1), "okay" (default) and "abbrechen"; only "abbrechen"
// cancels, closing the window otherwise takes the number.
//
// The limit is Schrittgrenze in step mode (field length 5), else
// Konstellationsgrenze (length 4); while "Drehung der Figuren" is on it is
// 1000. The run engine asks through its host (TForm1::zahlAbfragen), which
// passes the limit it wants explicitly.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

namespace shell {

class TEingabeSofort : public QDialog {
    Q_OBJECT
public:
    enum class Aufforderung { Konjunktionen, Konstellationen, Schritte };

    explicit TEingabeSofort(QWidget* eltern = nullptr);
    void retranslate();

    // The mode flag: true = a number of steps (length 5), false = of
    // conjunctions or constellations (length 4).
    void setzeSchrittModus(bool schritte);
    bool schrittModus() const { return schrittModus_; }
    // The limits as they stand (Schrittgrenze, Konstellationsgrenze, and
    // whether "Drehung der Figuren" is checked).
    void setzeGrenzen(int schrittgrenze, int konstellationsgrenze, bool drehungDerFiguren);
    // The limit the field enforces now.
    int grenze() const;
    // The three prompts with the limit they state ("Anzahl der Schritte
    // (zwischen 1 und 12000):").
    static QString aufforderung(Aufforderung a, int grenze);

    // Shows the dialog with the prompt and the initial number; false on
    // "abbrechen", else `wert` holds the number.
    bool ausfuehren(const QString& label, int vorschlag, int& wert);
    // The host's entry: the limit is `maximum` (at least `minimum`).
    bool abfragen(const QString& label, int vorschlag, int minimum, int maximum, int& wert);

    QLabel* label() const { return label_; }
    QLineEdit* feld() const { return feld_; }
    QPushButton* okKnopf() const { return ok_; }
    QPushButton* abbrechenKnopf() const { return abbrechen_; }

    // The result of "abbrechen"; every other way of closing is "okay".
    static constexpr int Abgebrochen = 2;
    // Escape and the window's X: the number as it stands.
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    void geaendert();
    QLabel* label_;
    QLineEdit* feld_;
    QPushButton* ok_;
    QPushButton* abbrechen_;
    bool schrittModus_ = false;
    bool drehung_ = false;
    int schrittgrenze_ = 12000;
    int konstellationsgrenze_ = 1200;
    int feste_ = 0; // an explicit limit of abfragen (0: none)
    bool inKorrektur_ = false;
};

} // namespace shell
