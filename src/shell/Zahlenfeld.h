#pragma once
// The Qt side of the numeric fields: every numeric QLineEdit of the program
// gets its behaviour from here, the rules themselves are the plain functions
// of Eingabebehandlung.h.
//
//   Zahlenfilter::anbringen(edit, Filterart::Positiv);        // a step width
//   auto* s = new Startfeld(edit8, labelstart2Pl, [this] { return klasse(); });
//   Startfelder::von(form1).anmelden(Darstellung::ZweiPlaneten, s);
//
// Zahlenfilter checks each keystroke against the current text (the selected
// part counts as already replaced) and puts "." where "," was typed; text that
// arrives otherwise (paste, drag and drop, setText) goes through the same
// filter character by character via the field's validator.

#include "shell/Eingabebehandlung.h"
#include "shell/Laufkonfiguration.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <functional>
#include <vector>

class QLabel;
class QLineEdit;
class QWidget;

namespace shell {

class Zahlenfilter : public QObject {
    Q_OBJECT
public:
    // Installs the filter (and its validator) on the field; the filter is a
    // child of the field. A second call changes the kind. maxLaenge > 0 sets
    // the field's maximum length.
    static Zahlenfilter* anbringen(QLineEdit* feld, Filterart art, int maxLaenge = 0);
    static Zahlenfilter* von(const QLineEdit* feld);

    Filterart art() const { return art_; }
    void setzeArt(Filterart art);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    Zahlenfilter(QLineEdit* feld, Filterart art);
    QLineEdit* feld_;
    Filterart art_;
};

// A start-day field with its date label: StartzeitPruefen on every change
// (with the range message), then the label refresh.
class Startfeld : public QObject {
public:
    // `klasse` gives the range class 1..3 that the dialog's choices call for;
    // the narrow-range flag forces class 3.
    Startfeld(QLineEdit* feld, QLabel* label, std::function<int()> klasse = {});

    QLineEdit* feld() const { return feld_; }
    QLabel* label() const { return label_; }

    // The narrow-range flag (set while "hohe Genauigkeit" is on). The field's
    // hint names the range of its class.
    void setzeSchmal(bool schmal);
    bool schmal() const { return schmal_; }
    int klasse() const;

    // The label's show-as-Julian-Date flag; labelAktualisieren redraws the
    // label in the refresh form of the "Julianisches Datum" command.
    void setzeJD(bool jd) { jd_ = jd; }
    bool jd() const { return jd_; }
    void labelAktualisieren();

    // The day of the field (0 for "", "-", and unfinished numbers).
    double wert() const;
    // Hints and the label's first caption; the owning dialog calls it from
    // its own retranslate().
    void retranslate();

    // Shows the range message (caption and text). Tests replace it; the
    // default is an information box over the field's window.
    static std::function<void(QWidget* eltern, const QString& titel, const QString& text)> meldung;

private:
    void geaendert();
    QLineEdit* feld_;
    QLabel* label_;
    std::function<int()> klasse_;
    bool schmal_ = false;
    bool jd_ = false;
    bool inPruefung_ = false;
    bool labelGeaendert_ = false;
};

// The six start fields of the representation dialogs, found through the main
// window. A dialog registers its field when it is built; commands that fill
// the start fields reach the ones that exist.
class Startfelder : public QObject {
    Q_OBJECT
public:
    static Startfelder& von(QWidget* hauptfenster);

    void anmelden(Darstellung d, Startfeld* feld);
    Startfeld* feld(Darstellung d) const;
    // The registered fields, in the order overview, Moon, 2 planets,
    // 3 planets, barycentre, rotations.
    std::vector<Startfeld*> alle() const;
    // "hohe Genauigkeit" switched: the start fields of the overview, 2-planet,
    // 3-planet, barycentre and rotations dialogs get the narrow-range flag
    // (on) or lose it (off) and are reset to "0".
    void hoheGenauigkeitGeaendert(bool an);

private:
    explicit Startfelder(QWidget* hauptfenster);
    static constexpr std::array<Darstellung, 6> kReihenfolge = {
        Darstellung::Ueberblick,   Darstellung::Mond,        Darstellung::ZweiPlaneten,
        Darstellung::DreiPlaneten, Darstellung::Baryzentrum, Darstellung::Rotationen,
    };
    std::array<QPointer<Startfeld>, 6> felder_{};
};

} // namespace shell
