// The rules of the three-planet dialog: which three bodies the boxes give,
// the captions that name them (centre buttons, pairs, the planets whose
// positions are marked), the start range of the bodies, the defaults of a
// view from one of the planets, the every-k-th field and the switch between
// conjunctions and oppositions.
#include "ui/TForm3Pl.h"

#include "astro/Gueltigkeit.h"
#include "astro/Koerper.h"
#include "figures/DreiPlaneten.h"
#include "shell/Eingabebehandlung.h"
#include "shell/Zahlenfeld.h"
#include "sprache/Koerpernamen.h"
#include "ui/Sprachwechsel.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QSignalBlocker>

#include <utility>

namespace ui {

using shell::Menuepunkt;

namespace {

QString Q(const char* schluessel) { return TQ(schluessel); }

QString Name(int koerper) { return QString::fromStdString(sprache::koerperName(koerper)); }

// Every k-th event at most.
constexpr int GroessteJedeKte = 25;

// The pairs of the three planets by index, in the order of the buttons.
constexpr std::array<std::pair<int, int>, 3> Paare = {{{0, 1}, {0, 2}, {1, 2}}};

} // namespace

int AeussererKoerper3Pl(int a, int b)
{
    const auto& p = astro::SiderischePeriodeTage;
    return p[static_cast<size_t>(b)] > p[static_cast<size_t>(a)] ? b : a;
}

bool NurAeussere3Pl(const std::array<int, 3>& planeten)
{
    for (int b : planeten)
        if (b < astro::koerper::Jupiter || b > astro::koerper::Pluto)
            return false;
    return true;
}

void TForm3Pl::koerperErfassen()
{
    figures::DreiPlanetenEingabe e;
    for (int b = 1; b <= 21; ++b)
        e.koerper[static_cast<size_t>(b)] = koerper_[static_cast<size_t>(b)]->isChecked();
    e.kleinplaneten = kleinplaneten_;
    angehakt_ = e.koerper;
    // With fewer than three the previous three stay (the run corrects).
    std::array<int, 3> p{};
    dreiGewaehlt_ = figures::DreiPlanetenKoerper(e, p);
    if (dreiGewaehlt_)
        planeten_ = p;
}

void TForm3Pl::RadioButton3P12Click()
{
    gewaehlt_ = true;
    beschriftungsRegel();
}

void TForm3Pl::beschriftungsRegel()
{
    koerperErfassen();
    beschriftungen();
    punkteMenue();
}

void TForm3Pl::beschriftungen()
{
    const auto& p = planeten_;
    // Until the user first chooses, the centre buttons and the name boxes
    // carry their neutral captions.
    zentren_[1]->setText(gewaehlt_ ? Name(p[0]) : Q("3pl.planet1"));
    zentren_[2]->setText(gewaehlt_ ? Name(p[1]) : Q("3pl.planet2"));
    zentren_[3]->setText(gewaehlt_ ? Name(p[2]) : Q("3pl.planet3"));
    for (size_t i = 0; i < Paare.size(); ++i) {
        const QString a = kurzname(p[static_cast<size_t>(Paare[i].first)]);
        const QString b = kurzname(p[static_cast<size_t>(Paare[i].second)]);
        konjPaare_[i]->setText(a + QStringLiteral(" / ") + b);
        rgPaare_[i]->setText(a + QStringLiteral(" - ") + b);
    }

    const int z = zentrum();
    int erster = 0, zweiter = 0; // the bodies of CheckBox12 and CheckBox13
    if (z == 0) {
        // Seen from the Sun: the outer planet of the driving pair and the
        // planet outside it.
        const auto [i, j] = Paare[static_cast<size_t>(konjunktionspaar())];
        const int a = p[static_cast<size_t>(i)], b = p[static_cast<size_t>(j)];
        erster = AeussererKoerper3Pl(a, b);
        zweiter = p[static_cast<size_t>(3 - i - j)];
        CheckBox3PV2->setText(Q("3pl.aussen"));
        CheckBox3PV3->setText(Q("3pl.nicht"));
        Label1->setText(Q("3pl.jede"));
    } else {
        // Seen from a planet: the other two, the inner one first.
        const size_t c = static_cast<size_t>(z - 1);
        const int a = p[(c + 1) % 3 < (c + 2) % 3 ? (c + 1) % 3 : (c + 2) % 3];
        const int b = p[(c + 1) % 3 < (c + 2) % 3 ? (c + 2) % 3 : (c + 1) % 3];
        zweiter = AeussererKoerper3Pl(a, b);
        erster = zweiter == a ? b : a;
        CheckBox3PV2->setText(Q("3pl.innen.nz"));
        CheckBox3PV3->setText(Q("3pl.aussen.nz"));
        Label1->setText(Q("3pl.jede.nz"));
    }
    CheckBox12->setText(gewaehlt_ ? Name(erster) : Q("3pl.name"));
    CheckBox13->setText(gewaehlt_ ? Name(zweiter) : Q("3pl.name"));
    // The link lines between the two planets that are not the centre (with
    // the Sun at the centre the box is locked and names planets 2 and 3).
    const int a = z == 0 ? p[1] : erster, b = z == 0 ? p[2] : zweiter;
    CheckBox14->setText(Q("3pl.rg.planeto.paar") + kurzname(a) + QStringLiteral(" - ") + kurzname(b));

    GroupBox6->setTitle(Q(konjunktion_ ? (umgeschaltet_ ? "3pl.konjunktion.zurueck" : "3pl.konjunktion")
                                       : "3pl.opposition"));
    LabelKO->setText(Q(konjunktion_ ? "3pl.ko.opposition" : "3pl.ko.konjunktion"));
}

void TForm3Pl::punkteMenue()
{
    // The Extras items of the point display only for mid-points or centres
    // of gravity.
    const bool mitPunkten = mittelpunktwahl() != 2;
    for (Menuepunkt m : {Menuepunkt::PunteLinien, Menuepunkt::Linienzug1, Menuepunkt::LinieundPunkte1})
        if (QAction* a = aktion(m))
            a->setEnabled(mitPunkten);
}

int TForm3Pl::startklasse() const
{
    if (an(Menuepunkt::Genauigkeit1))
        return 3;
    // Fewer than three bodies: the run takes Venus, Earth and Mars.
    return dreiGewaehlt_ && NurAeussere3Pl(planeten_) ? 1 : 2;
}

void TForm3Pl::startbereichRegel()
{
    kleinplanetStartBegrenzen();
    if (startklasse() == 2) {
        const shell::Startbereich b = shell::BereichDerKlasse(2);
        const double start = startfeld->wert();
        if (start < b.kleinster || start > b.groesster)
            Edit11->setText(QStringLiteral("0"));
    }
    startfeld->retranslate();
}

void TForm3Pl::kleinplanetStartBegrenzen()
{
    // At high accuracy the tables of the minor planets span about +-1000
    // years: the start moves into them as the run would move it.
    if (!an(Menuepunkt::Genauigkeit1) || !dreiGewaehlt_)
        return;
    bool klein = false;
    for (int b : planeten_)
        klein = klein || astro::IstKleinplanet(b);
    if (!klein)
        return;
    const double start = startfeld->wert();
    const double begrenzt = astro::StartzeitBegrenzen(start, astro::GrenzeKleinplanetHoch);
    if (begrenzt != start)
        Edit11->setText(QLocale::c().toString(begrenzt, 'g', 15));
}

void TForm3Pl::RadioButton1Click()
{
    gewaehlt_ = true;
    koerperRegel(true);
}

void TForm3Pl::koerperRegel(bool geklickt)
{
    koerperErfassen();
    startbereichRegel();

    const int z = zentrum();
    if (z == 0) {
        GroupBox7->setEnabled(true);
        CheckBox10->setEnabled(true);
        GroupBox1->setEnabled(false);
        // Around the Sun every click of a body or a centre takes the marks
        // of the positions and lines away: the planets they named may no
        // longer be the ones the boxes now name. A correction by the run or
        // the minor-planet switch keeps them.
        if (geklickt)
            for (QCheckBox* c : {CheckBox12, CheckBox13, CheckBox3PV2, CheckBox3PV3})
                c->setChecked(false);
        erstePlanetozentrisch_ = true;
    } else {
        // Heliocentric link lines and orbits only around the Sun.
        GroupBox7->setEnabled(false);
        CheckBoxkeineRG->setChecked(false);
        CheckBox10->setChecked(false);
        CheckBox10->setEnabled(false);
        GroupBox1->setEnabled(true);
        if (erstePlanetozentrisch_) {
            erstePlanetozentrisch_ = false;
            punkte[2]->setChecked(true);
            CheckBox13->setChecked(true);
            CheckBox3PV3->setChecked(true);
        }
    }
    beschriftungsRegel();
    jedeKteRegel();
}

void TForm3Pl::CheckBox3PV3Click()
{
    beschriftungsRegel();
    jedeKteRegel();
}

void TForm3Pl::jedeKteRegel() { Edit1->setEnabled(CheckBox3PV3->isChecked() || CheckBox13->isChecked()); }

void TForm3Pl::Edit1Change()
{
    // A whole number 1 .. 25: empty or 0 is 1, a leading "00" loses a zero,
    // above 25 the second digit goes ("26" is 2).
    const QString t = Edit1->text();
    QString neu = t;
    for (;;) {
        const QString vorher = neu;
        if (neu.isEmpty() || neu == QLatin1String("0"))
            neu = QStringLiteral("1");
        else if (neu.startsWith(QLatin1String("00")))
            neu = neu.mid(1);
        else if (neu.toInt() > GroessteJedeKte)
            neu.remove(1, 1);
        if (neu == vorher)
            break;
    }
    if (neu != t) {
        QSignalBlocker b(Edit1);
        Edit1->setText(neu);
    }
}

void TForm3Pl::ButtonKOClick()
{
    konjunktion_ = !konjunktion_;
    umgeschaltet_ = true;
    gewaehlt_ = true;
    beschriftungen();
}

} // namespace ui
