// The rules of the two-planet dialog: what a change of one control does to
// the others (the step-width proposal, the star limit, the start range, the
// guide line, the Sun in place of a centre planet, the coarse orbits, the
// loops seen from the Earth).
#include "ui/TForm2Pl.h"

#include "astro/Gueltigkeit.h"
#include "astro/Koerper.h"
#include "figures/Ansicht.h"
#include "shell/Eingabebehandlung.h"
#include "shell/TForm1.h"
#include "shell/Zahlenfeld.h"
#include "ui/Sprachwechsel.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace ui {

using shell::Menuepunkt;

namespace {

QString Q(const char* schluessel) { return TQ(schluessel); }

bool Aeusserer(int b) { return b >= astro::koerper::Jupiter && b <= astro::koerper::Pluto; }

// Steps per revolution of the inner planet below which an orbit is no
// longer a rounded polyline.
constexpr double MindestSchritteProUmlauf = 25.0;
// The stars stay recognisable up to ten times the proposed step width.
constexpr double SternFaktor = 10.0;
constexpr double GroessteSchrittweite = 100000.0;

} // namespace

int Schrittweitenvorschlag2Pl(int planet1, int planet2, int zentrum)
{
    auto periode = [](int b) { return astro::SiderischePeriodeTage[static_cast<size_t>(std::clamp(b, 1, 21))]; };
    double t = std::min(periode(planet1), periode(planet2));
    if (zentrum != astro::koerper::Sonne)
        t = std::min(t, periode(zentrum));
    return figures::RundenGerade(t / 60.0);
}

bool NurAeussere2Pl(int planet1, int planet2, int zentrum)
{
    return (zentrum == astro::koerper::Sonne || Aeusserer(zentrum)) && Aeusserer(planet1) && Aeusserer(planet2);
}

int InnererPlanet2Pl(int planet1, int planet2)
{
    const auto& a = figures::Ausdehnung;
    return a[static_cast<size_t>(std::clamp(planet2, 1, 21))] < a[static_cast<size_t>(std::clamp(planet1, 1, 21))]
               ? planet2
               : planet1;
}

void TForm2Pl::RadioGroup2Click()
{
    const int z = zentrum(), p1 = planet1(), p2 = planet2();
    wahl_.zentrum = z;
    wahl_.planet1 = p1;
    wahl_.planet2 = p2;

    vorschlag_ = Schrittweitenvorschlag2Pl(p1, p2, z);
    if (vorschlagAn_)
        Edit1->setText(QString::number(vorschlag_));
    sterneNachSchrittweite();

    // The start day within the range of the bodies chosen.
    kleinplanetStartBegrenzen();
    if (!NurAeussere2Pl(p1, p2, z)) {
        const shell::Startbereich b = shell::BereichDerKlasse(2);
        const double start = startfeld->wert();
        if (start < b.kleinster || start > b.groesster)
            Edit8->setText(QStringLiteral("0"));
    }
    startfeld->retranslate();

    if (zentrumImPaar()) {
        // Seen from one planet of the pair, the Sun takes the other place.
        planetozentrisch_ = false;
        CheckBoxSonne->setEnabled(true);
        LabelSonne->setEnabled(true);
        if (CheckBoxSchleifen->isChecked())
            CheckBoxSonne->setChecked(true);
        CheckBoxBahn2->setChecked(false);
        CheckBoxBahn2->setEnabled(false);
        CheckBox4->setText(Q("2pl.sonnezeichnen"));
        sternBahnen[0]->setChecked(true);
    } else {
        planetozentrisch_ = true;
        CheckBoxSonne->setChecked(false);
        CheckBoxSonne->setEnabled(false);
        LabelSonne->setEnabled(false);
        CheckBoxBahn2->setEnabled(true);
        if (z != astro::koerper::Sonne)
            CheckBox4->setChecked(true);
        CheckBox4->setText(Q("2pl.planet2zeichnen"));
        sternBahnen[1]->setChecked(true);
    }
    if (CheckBoxSchleifen->isChecked())
        sterneSperren();
    CheckBox1Click();
}

void TForm2Pl::kleinplanetStartBegrenzen()
{
    // At high accuracy the tables of the minor planets span about +-1000
    // years: the start moves into them as the run would move it.
    if (!an(Menuepunkt::Genauigkeit1) || (!astro::IstKleinplanet(planet1()) && !astro::IstKleinplanet(planet2())))
        return;
    const double start = startfeld->wert();
    const double begrenzt = astro::StartzeitBegrenzen(start, astro::GrenzeKleinplanetHoch);
    if (begrenzt != start)
        Edit8->setText(QLocale::c().toString(begrenzt, 'g', 15));
}

void TForm2Pl::Edit1Change()
{
    const QString t = Edit1->text();
    QString neu = t;
    const auto w = shell::ZahlLesen(t.toStdString());
    if (t.isEmpty() || (w && *w == 0)) {
        neu = QStringLiteral("1");
    } else {
        if (t.startsWith(QLatin1String("00")))
            neu = t.mid(1);
        if (w && *w > GroessteSchrittweite)
            neu = QStringLiteral("100000");
    }
    if (neu != t) {
        QSignalBlocker b(Edit1);
        Edit1->setText(neu);
    }
    sterneNachSchrittweite();
}

void TForm2Pl::sterneNachSchrittweite()
{
    const auto w = shell::ZahlLesen(Edit1->text().toStdString());
    if (!w)
        return; // not a number yet (".")
    if (*w <= SternFaktor * vorschlag_) {
        if (!CheckBoxSchleifen->isChecked()) {
            CheckBoxKonj->setEnabled(true);
            CheckBoxOppo->setEnabled(true);
        }
    } else {
        sterneSperren();
    }
    CheckBoxKonjClick();
}

void TForm2Pl::sterneSperren()
{
    for (QCheckBox* c : {CheckBoxKonj, CheckBoxOppo}) {
        c->setChecked(false);
        c->setEnabled(false);
    }
    CheckBoxKonjClick();
}

bool TForm2Pl::bahnZuGrob() const
{
    const double periode =
        astro::SiderischePeriodeTage[static_cast<size_t>(InnererPlanet2Pl(planet1(), planet2()))];
    return periode / schrittweite() < MindestSchritteProUmlauf;
}

void TForm2Pl::bahnPruefen(bool mitMeldung)
{
    const bool bahn = CheckBoxBahn->isChecked() || CheckBoxBahn2->isChecked() || CheckBoxSonne->isChecked();
    grobeBahn_ = bahn && bahnZuGrob();
    if (grobeBahn_ && mitMeldung && meldung) {
        // The catalogue keeps the text's "\n\r" break: one line break here.
        QString text = QString::fromStdString(sprache::T("2pl.grobe.bahn"));
        text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
        meldung(this, Q("meldung.hinweis"), zeilenumbrueche(text));
    }
}

void TForm2Pl::Edit1Exit()
{
    bahnPruefen(true);
    CheckBox1Click();
}

void TForm2Pl::CheckBox1Click()
{
    // The guide line joins both sides: planet 1 (or its orbit), and planet 2
    // or its orbit, or with a planet of the pair at the centre the Sun or its
    // apparent path.
    const bool seite1 = CheckBox1->isChecked() || CheckBoxBahn->isChecked();
    const bool seite2 = CheckBox4->isChecked() ||
                        (zentrumImPaar() ? CheckBoxSonne->isChecked() : CheckBoxBahn2->isChecked());
    const bool einseitig = seite1 != seite2;
    if (einseitig && !fuehrungGesperrt_) {
        fuehrungGemerkt_ = CheckBox3->isChecked();
        CheckBox3->setChecked(false);
        fuehrungGesperrt_ = true;
    } else if (!einseitig && fuehrungGesperrt_) {
        CheckBox3->setChecked(fuehrungGemerkt_);
        fuehrungGesperrt_ = false;
    }
    CheckBox3->setEnabled(!fuehrungGesperrt_ && !an(Menuepunkt::sofort1));
}

void TForm2Pl::CheckBoxKonjClick()
{
    RadioGroupInnAuss->setEnabled(CheckBoxKonj->isChecked() || CheckBoxOppo->isChecked());
}

void TForm2Pl::RadioGroup1Click()
{
    // The Extras items of the point display only for mid-points or centres
    // of gravity.
    const bool mitPunkten = mittelpunktwahl() != 2;
    for (Menuepunkt p : {Menuepunkt::PunteLinien, Menuepunkt::Linienzug1, Menuepunkt::LinieundPunkte1})
        if (QAction* a = aktion(p))
            a->setEnabled(mitPunkten);
}

void TForm2Pl::CheckBoxSchleifenClick()
{
    auto ausloesen = [this](Menuepunkt p) {
        if (QAction* a = aktion(p); a && !a->isChecked())
            a->trigger();
    };
    QAction* tabelle = aktion(Menuepunkt::AusgabeKonj);
    if (!CheckBoxSchleifen->isChecked()) {
        if (tabelle)
            tabelle->setEnabled(true);
        RadioGroup2->setEnabled(true);
        RadioGroup3->setEnabled(true);
        RadioGroup4->setEnabled(true);
        sterneNachSchrittweite();
        // Neither zodiac nor constellations.
        ausloesen(Menuepunkt::wedernoch1);
        return;
    }
    // The loops are drawn without distances: no data table.
    if (tabelle) {
        if (tabelle->isChecked())
            tabelle->trigger();
        tabelle->setEnabled(false);
    }
    if (form1_)
        if (QWidget* memo = form1_->memoAusgabe())
            memo->setVisible(false);
    // The Earth is one of the pair, and it is the centre.
    if (planet1() != astro::koerper::Erde && planet2() != astro::koerper::Erde) {
        if (planet1() > astro::koerper::Venus)
            planeten1[astro::koerper::Erde - 1]->setChecked(true);
        else
            planeten2[astro::koerper::Erde - 2]->setChecked(true);
    }
    zentren[astro::koerper::Erde]->setChecked(true);
    RadioGroup2->setEnabled(false);
    punkte[2]->setChecked(true);
    RadioGroup2Click();
    CheckBoxBahn->setChecked(true);
    CheckBox4->setChecked(true);
    CheckBoxSonne->setChecked(true);
    CheckBox2->setChecked(false);
    CheckBox1Click();
    CheckBox3->setChecked(false);
    sterneSperren();
    // The loops against the zodiac constellations.
    ausloesen(Menuepunkt::Sternzeichen1);
}

void TForm2Pl::Button4Click() { eingabeOkay(); }

void TForm2Pl::schliessenRegeln() { bahnPruefen(false); }

} // namespace ui
