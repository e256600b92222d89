#pragma once
// The two-planet dialog (" Eingabe:  Darstellung 2 Planeten"): two planets, a
// centre, a start day and a step width, and what is drawn of them (planets,
// orbits, guide line, link lines with their mid-points or centres of gravity,
// conjunction and opposition stars, or the loops seen from the Earth). Its
// controls are the input record: the run reads them through eingabe() when
// it starts. The dialog keeps the controls consistent, proposes a step width
// and warns when the orbits can no longer be drawn smoothly.
//
// Menu items reach it as typed references of the main window: "Kleinplaneten"
// widens the planet choice, "Vorschlag Schrittweite" switches the proposal,
// "Ergebnis sofort" locks the planet and guide-line boxes, "hohe Genauigkeit"
// narrows the start range. The dialog follows their check marks by itself
// once the items exist (they may be built after the dialog); the handlers
// below are public so that other code and tests can call them directly.
//
// TForm2Pl.cpp builds the controls and follows the menu items;
// TForm2PlRegeln.cpp holds the rules between the controls.

#include "figures/ZweiPlanetenEingabe.h"
#include "shell/Menueaktionen.h"
#include "ui/Darstellungsdialog.h"

#include <QPointer>

#include <array>
#include <functional>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace shell {
class Startfeld;
class TForm1;
}

namespace ui {

// The step width proposed for a pair and a centre (days): the shortest
// sidereal period of planet 1, planet 2 and, unless it is the Sun, the
// centre, divided by 60 and rounded half to even. Body numbers 1 .. 21,
// centre 0 .. 9.
int Schrittweitenvorschlag2Pl(int planet1, int planet2, int zentrum);
// Only bodies from Jupiter outwards (and the Sun or such a planet at the
// centre): the start day may use the wide range of the outer planets.
bool NurAeussere2Pl(int planet1, int planet2, int zentrum);
// The body the run draws as planet 1 (the one of the smaller greatest
// distance from the Sun); its orbit is the one that needs the most points.
int InnererPlanet2Pl(int planet1, int planet2);

class TForm2Pl : public Eingabedialog<figures::ZweiPlanetenEingabe> {
public:
    // form1 may be null (tests): then nothing outside the dialog is touched.
    explicit TForm2Pl(shell::TForm1* form1, QWidget* eltern = nullptr);
    void retranslate() override;

    // The input of a run, read from the controls. A start field holding only
    // "-" is set to "0", a step width that is not a positive number to "1";
    // the planetocentric and coarse-orbit flags are derived afresh.
    figures::ZweiPlanetenEingabe eingabe() override;

    // The "2 Planeten" command ran: the proposal is switched on again; newly
    // selected, the planet and guide-line boxes are free again, the Extras
    // items of the mid-points follow the dialog and the loops rule runs again
    // when the loops are checked.
    void gewaehlt(bool neu) override;
    // "Drehung der Figuren" keeps stars: only with a conjunction or
    // opposition star.
    bool figurenDrehungMoeglich() const override;
    // The loops are drawn without distances and list no data.
    bool datenausgabeMoeglich() const override;

    // Menu items switched (called by the item's toggled signal).
    void kleinplanetenGeschaltet(bool ein);
    void vorschlagGeschaltet(bool ein);
    void sofortGeschaltet(bool ein);

    // Event handlers.
    void RadioGroup2Click(); // centre, planet 1 or planet 2 changed
    void Edit1Change();
    void Edit1Exit();        // also the click of both orbit boxes
    void CheckBox1Click();   // CheckBox1, CheckBox4, CheckBoxSonne: the guide-line rule
    void CheckBoxKonjClick();
    void RadioGroup1Click();
    void CheckBoxSchleifenClick();
    void Button4Click();

    int zentrum() const;
    int planet1() const; // body number
    int planet2() const; // body number
    // "Mittelpunkte der RG" 0, "Schwerpunkte der RG" 1, "weder ... noch" 2.
    int mittelpunktwahl() const;
    // The step width the dialog proposes (days).
    int vorschlag() const { return vorschlag_; }
    bool vorschlagAn() const { return vorschlagAn_; }
    bool kleinplanetenAn() const { return kleinplaneten_; }
    // The centre is one of the two planets (the Sun then takes the place of
    // the centre planet).
    bool zentrumImPaar() const;
    bool planetozentrisch() const { return planetozentrisch_; }
    bool grobeBahn() const { return grobeBahn_; }

    // Controls, for the menu commands, the examples and tests.
    QLabel* Label19 = nullptr;
    QLineEdit* Edit8 = nullptr;
    QLabel* Labelstart2Pl = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QGroupBox* RadioGroup2 = nullptr;
    std::array<QRadioButton*, 10> zentren{};
    QGroupBox* RadioGroup3 = nullptr;
    std::array<QRadioButton*, 20> planeten1{}; // body number = index + 1
    QGroupBox* RadioGroup4 = nullptr;
    std::array<QRadioButton*, 20> planeten2{}; // body number = index + 2
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox4 = nullptr;
    QCheckBox* CheckBox3 = nullptr;
    QCheckBox* CheckBoxBahn = nullptr;
    QCheckBox* CheckBoxBahn2 = nullptr;
    QCheckBox* CheckBoxSonne = nullptr;
    QLabel* LabelSonne = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    std::array<QRadioButton*, 3> punkte{};
    QCheckBox* CheckBoxKonj = nullptr;
    QCheckBox* CheckBoxOppo = nullptr;
    QGroupBox* RadioGroupInnAuss = nullptr;
    std::array<QRadioButton*, 2> sternBahnen{};
    QCheckBox* CheckBoxSchleifen = nullptr;
    QLabel* LabelSchleifen = nullptr;
    QPushButton* Button4 = nullptr;
    shell::Startfeld* startfeld = nullptr;

    // The information box of the coarse orbits; tests replace it.
    static std::function<void(QWidget* eltern, const QString& titel, const QString& text)> meldung;

protected:
    void schliessenRegeln() override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    enum class Zentrumshinweis { Anfang, Leer, OhneKleinplaneten };
    void menueAnbinden();
    QAction* aktion(shell::Menuepunkt p) const;
    bool an(shell::Menuepunkt p) const;
    void planetenlistenSetzen();
    QString planetenname(int koerper) const;
    void sterneNachSchrittweite();
    void sterneSperren();
    void bahnPruefen(bool mitMeldung);
    bool bahnZuGrob() const;
    double schrittweite(bool* ok = nullptr) const;
    int startklasse() const;
    void kleinplanetStartBegrenzen();

    int vorschlag_ = 4;
    bool vorschlagAn_ = true;
    bool kleinplaneten_ = false;
    bool planetozentrisch_ = true;
    bool grobeBahn_ = false;
    // The guide line locked because only one side is drawn, and its check
    // mark from before.
    bool fuehrungGesperrt_ = false;
    bool fuehrungGemerkt_ = true;
    Zentrumshinweis zentrumshinweis_ = Zentrumshinweis::Anfang;
    // The centre and planets the rules last ran for.
    struct {
        int zentrum = -1, planet1 = -1, planet2 = -1;
    } wahl_;
    // The menu items already followed (they may be built after the dialog).
    QPointer<QAction> kleinplanetenAktion_, vorschlagAktion_, sofortAktion_, genauigkeitAktion_;
};

} // namespace ui
