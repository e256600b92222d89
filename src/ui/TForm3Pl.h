#pragma once
// The three-planet dialog (" Eingabe:  Darstellung 3 Planeten"): three
// bodies, the centre (the Sun or one of the three), the pair whose
// conjunctions or oppositions drive the figure, the pair whose link lines are
// drawn with their mid-points or centres of gravity, and which positions and
// chronological connecting lines are marked. Its controls are the input
// record: the run reads them through eingabe() when it starts. The dialog
// keeps the captions of its choices in step with the chosen bodies.
//
// Planets 1, 2 and 3 are the first three checked bodies in body order; the
// minor planets count only while "Kleinplaneten" (Extras) is checked. With
// fewer than three checked the previous three stay; the run then takes Venus,
// Earth and Mars and puts them back into the boxes with koerperSetzen().
//
// Menu items reach it as typed references of the main window: "Kleinplaneten"
// enables the twelve minor-planet boxes, "Ergebnis sofort" locks the guide
// triangle, "hohe Genauigkeit" narrows the start range, and the three Extras
// items of the mid-point display follow the mid-point choice. The dialog
// follows the items by itself once they exist (they may be built after it).
//
// TForm3Pl.cpp builds the controls and follows the menu items;
// TForm3PlRegeln.cpp holds the rules between the controls.

#include "figures/DreiPlanetenEingabe.h"
#include "shell/Menueaktionen.h"
#include "ui/Darstellungsdialog.h"

#include <QPointer>

#include <array>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace shell {
class Startfeld;
class TForm1;
}

namespace ui {

// Of two bodies the one that circles the Sun more slowly (the longer
// sidereal period): the outer one. Body order alone is not enough once minor
// planets take part (Ceres, number 10, runs inside Jupiter, number 5).
int AeussererKoerper3Pl(int a, int b);
// Only bodies from Jupiter to Pluto: the start day may use the wide range of
// the outer planets.
bool NurAeussere3Pl(const std::array<int, 3>& planeten);

class TForm3Pl : public Eingabedialog<figures::DreiPlanetenEingabe> {
public:
    // form1 may be null (tests): then nothing outside the dialog is touched.
    explicit TForm3Pl(shell::TForm1* form1, QWidget* eltern = nullptr);
    void retranslate() override;

    // The input of a run, read from the controls. A start field holding only
    // "-" is set to "0".
    figures::DreiPlanetenEingabe eingabe() override;

    // The run found fewer than three bodies and took others: the boxes 1 .. 21
    // are set to exactly `koerper` (entry 0 is not used) and the captions
    // follow.
    void koerperSetzen(const std::array<bool, 22>& koerper);

    // The "3 Planeten" command ran: the dialog follows the menu items again
    // (minor planets, immediate result, the mid-point items).
    void gewaehlt(bool neu) override;

    // Menu items switched (called by the item's toggled signal).
    void kleinplanetenGeschaltet(bool ein);
    void sofortGeschaltet(bool ein);

    // Event handlers.
    void RadioButton3P12Click(); // the captions of the chosen bodies; the pair and mid-point choices
    void RadioButton1Click();    // a centre button or a body box clicked
    void CheckBox3PV3Click();    // CheckBox3PV3 and CheckBox13: the every-k-th field
    void Edit1Change();
    void ButtonKOClick();        // conjunctions or oppositions
    void Button9Click();

    // Body numbers of planets 1, 2 and 3.
    const std::array<int, 3>& planeten() const { return planeten_; }
    // 0 the Sun, 1 .. 3 planet 1 .. 3.
    int zentrum() const;
    // 0 "1 - 2", 1 "1 - 3", 2 "2 - 3".
    int konjunktionspaar() const;
    int raumgeradenpaar() const;
    // "Mittelpunkte der RG" 0, "Schwerpunkte der RG" 1, "weder ... noch" 2.
    int mittelpunktwahl() const;
    bool konjunktion() const { return konjunktion_; }
    bool kleinplanetenAn() const { return kleinplaneten_; }
    // The box of body 1 .. 21.
    QCheckBox* koerperBox(int koerper) const;

    // Controls, for the menu commands, the examples and tests.
    QLabel* Label32 = nullptr;
    QLineEdit* Edit11 = nullptr;
    QLabel* Labelstart3Pl = nullptr;
    QCheckBox* CheckBox10 = nullptr;
    QGroupBox* GroupBox4 = nullptr;   // planets CheckBox3PMe .. CheckBox3PPl
    QGroupBox* GroupBoxKP = nullptr;  // minor planets CheckBox3PCe .. CheckBox3PSe
    QGroupBox* GroupBox5 = nullptr;   // centre
    QRadioButton* RadioButton1 = nullptr;
    QRadioButton* RadioButton2 = nullptr;
    QRadioButton* RadioButton3 = nullptr;
    QRadioButton* RadioButton4 = nullptr;
    QGroupBox* GroupBox6 = nullptr;   // the driving pair
    QRadioButton* RadioButton3P12 = nullptr;
    QRadioButton* RadioButton3P13 = nullptr;
    QRadioButton* RadioButton3P23 = nullptr;
    QLabel* LabelKO = nullptr;
    QToolButton* ButtonKO = nullptr;
    QGroupBox* GroupBox7 = nullptr;   // heliocentric link lines
    QRadioButton* RadioButton3RG12 = nullptr;
    QRadioButton* RadioButton3RG13 = nullptr;
    QRadioButton* RadioButton3RG23 = nullptr;
    QCheckBox* CheckBoxkeineRG = nullptr;
    QGroupBox* GroupBox1 = nullptr;   // planetocentric link lines
    QCheckBox* CheckBox14 = nullptr;
    QGroupBox* RadioGroup8 = nullptr;
    std::array<QRadioButton*, 3> punkte{};
    QLabel* Label38 = nullptr;
    QLabel* Label36 = nullptr;
    QCheckBox* CheckBox3PV2 = nullptr;
    QCheckBox* CheckBox12 = nullptr;
    QCheckBox* CheckBox3PV3 = nullptr;
    QCheckBox* CheckBox13 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QCheckBox* CheckBoxDreieck = nullptr;
    QPushButton* Button9 = nullptr;
    shell::Startfeld* startfeld = nullptr;

protected:
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void menueAnbinden();
    // The rules of the bodies and the centre; `geklickt`: the user clicked
    // (around the Sun that takes the marks of the positions away).
    void koerperRegel(bool geklickt);
    // The caption rule and the point items.
    void beschriftungsRegel();
    QAction* aktion(shell::Menuepunkt p) const;
    bool an(shell::Menuepunkt p) const;
    void koerperErfassen();
    void beschriftungen();
    void kleinplanetenHinweis();
    void startbereichRegel();
    void kleinplanetStartBegrenzen();
    void jedeKteRegel();
    void punkteMenue();
    int startklasse() const;
    QString kurzname(int koerper) const;

    std::array<QCheckBox*, 22> koerper_{}; // by body number, 0 unused
    std::array<QRadioButton*, 4> zentren_{};
    std::array<QRadioButton*, 3> konjPaare_{};
    std::array<QRadioButton*, 3> rgPaare_{};
    // The check marks of the body boxes as the caption rule last saw them,
    // and the three planets they gave.
    std::array<bool, 22> angehakt_{};
    std::array<int, 3> planeten_{2, 3, 4};
    bool dreiGewaehlt_ = true;
    bool konjunktion_ = true;
    bool umgeschaltet_ = false; // the conjunction/opposition button was used
    // The next planet at the centre sets the planetocentric defaults (set at
    // creation and whenever the Sun is the centre).
    bool erstePlanetozentrisch_ = true;
    // The user has chosen a body, centre or pair (or the run set the
    // bodies): the captions name the planets from now on.
    bool gewaehlt_ = false;
    bool kleinplaneten_ = false;
    bool kurzerKleinplanetenhinweis_ = true; // until the first language pass or "Kleinplaneten" off
    QPointer<QAction> kleinplanetenAktion_, sofortAktion_, genauigkeitAktion_;
};

} // namespace ui
