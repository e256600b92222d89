#pragma once
// The data output of the main window: the read-only output area MemoAusgabe
// as the target of the run's table, "Datenausgabe" (Ctrl+A) that shows and
// hides it, the four format switches of "Extras" (Koordinaten1, Winkel1,
// Entfernung1, DeltaT1) and "Daten speichern" in "Datei".
//
// The program entry creates it once after the dialogs:
//
//     ui::DatenausgabeMenues datenausgabeMenues(form1);
//
// It hands its astro::Datenausgabe to the run engine (engine().datenausgabe),
// so a representation writes its header and rows with
// l.engine.datenausgabe->DatenAusgabe3P(...); the text lands in the memo.

#include "astro/Datenausgabe.h"
#include "shell/Darstellungsablauf.h"
#include "shell/Menueaktionen.h"
#include "shell/Ordnergedaechtnis.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QAction;
class QPlainTextEdit;
class QTimer;

namespace shell {
class TForm1;
}

namespace ui {

// Lines into a QPlainTextEdit. Every cell laid out on its own would cost the
// run far more than computing it (and every addition relays out the shown
// memo), so the text is gathered and added in batches: after 1000 rows, at
// the latest 100 ms after the first row waiting (the run processes messages
// at least every 30 steps), and whenever the table is read (ausgeben()).
class MemoZiel : public astro::Ausgabeziel {
public:
    explicit MemoZiel(QPlainTextEdit* memo);
    ~MemoZiel() override;
    void zeileAnfuegen(const std::string& zeile) override;
    void anhaengen(const std::string& text) override;
    // Adds what is waiting to the memo.
    void ausgeben();
    // The memo is set anew: what is waiting belongs to the old table.
    void verwerfen();
    static constexpr int ZeilenJeBlock = 1000;
    static constexpr int WartezeitMs = 100;

private:
    QPlainTextEdit* memo_;
    QString puffer_;
    int zeilen_ = 0;
    std::unique_ptr<QTimer> uhr_;
};

// The table's columns on screen: a fixed-pitch font, the first tab stop after
// the number cell, then one every cell width.
inline constexpr int NummerZeichen = 8;
inline constexpr int ZellenZeichen = 19;
void TabellenSpalten(QPlainTextEdit* memo);

// Writes `text` to `pfad` as UTF-8 in one step: the file is either the whole
// text or left as it was. On failure `fehler` gets the reason.
bool TextSpeichern(const QString& pfad, const QString& text, QString* fehler = nullptr);

class DatenausgabeMenues : public QObject {
public:
    // Lives shorter than the main window (the program entry keeps it on the
    // stack after the window).
    explicit DatenausgabeMenues(shell::TForm1& form1);
    ~DatenausgabeMenues() override;

    QAction* ausgabeKonj() const { return ausgabeKonj_; }
    QAction* koordinaten1() const { return koordinaten1_; }
    QAction* winkel1() const { return winkel1_; }
    QAction* entfernung1() const { return entfernung1_; }
    QAction* deltaT1() const { return deltaT1_; }
    QAction* datenspeichern1() const { return datenspeichern1_; }
    astro::Datenausgabe& datenausgabe() { return datenausgabe_; }

    void AusgabeKonjClick();
    void Koordinaten1Click();
    void Winkel1Click();
    void Entfernung1Click();
    void DeltaT1Click();
    // The save dialog, then the memo's lines into the chosen file. False when
    // cancelled or failed (a failure is reported in a message box).
    bool Datenspeichern1Click();
    // Size and place of the output area, and its text back to the title.
    void MemoGroesseZurueck();
    // The rows written so far are in the memo (they are added in batches).
    void tabelleAktualisieren() { ziel_.ausgeben(); }
    // Ends the data-only mode of the overview.
    void nurDatenAusgabeBeenden();
    // Run start: title, size, format, "Daten speichern".
    void laufBeginnt(const shell::Laufregeln& r, bool vorigerDatenOnly);
    void retranslate();

    // Where the save dialog opens: the folder chosen last time (kept in
    // `ordner`, the settings store's folders, when set) with the default name.
    QString dateiVorschlag() const;
    shell::Ordnergedaechtnis* ordner = nullptr;

    // The save dialog and the error box; tests replace them. dateiWaehlen
    // returns the chosen path or an empty text on cancel.
    std::function<QString()> dateiWaehlen;
    std::function<void(const QString& titel, const QString& text)> fehlermeldung;

private:
    void memoPlatzieren();
    QAction* schalter(shell::Menuepunkt komponente);
    void schalterBeschriften();
    QString standardDateiWaehlen();

    shell::TForm1& form1_;
    QPlainTextEdit* memo_;
    MemoZiel ziel_;
    astro::Datenausgabe datenausgabe_;
    QAction* ausgabeKonj_;
    QAction* koordinaten1_;
    QAction* winkel1_;
    QAction* entfernung1_;
    QAction* deltaT1_;
    QAction* datenspeichern1_;
};

} // namespace ui
