// The view and option commands on the real main window.
#include "shell/TForm1.h"
#include "ui/Menuebefehle.h"

#include <QAction>
#include <QMenu>
#include <QHelpEvent>
#include <QTest>

#include <gtest/gtest.h>

using namespace shell;

namespace {

struct Menue : ::testing::Test {
    std::unique_ptr<TForm1> f;
    ui::Menuebefehle* m = nullptr;
    void SetUp() override
    {
        f = std::make_unique<TForm1>();
        f->zeitfaktor = 0.001;
        m = new ui::Menuebefehle(*f);
        f->resize(640, 480);
        f->show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !f->zustand().Startphase; }, 5000));
    }
    QAction* a(const char* n) { return f->findChild<QAction*>(QString::fromLatin1(n)); }
};

TEST_F(Menue, AnfangszustandUndKonfiguration)
{
    const auto& k = f->konfiguration();
    EXPECT_TRUE(k.legende);
    EXPECT_TRUE(k.massstab);
    EXPECT_FALSE(k.zentrumMarkieren);
    EXPECT_EQ(k.tierkreis, TierkreisArt::Keiner);
    EXPECT_FALSE(a("sofort1")->isEnabled());
    EXPECT_TRUE(a("VorschlagSchrittweite1")->isChecked());
    a("Legende1")->trigger();
    EXPECT_FALSE(k.legende);
    a("Genauigkeit1")->trigger();
    EXPECT_TRUE(k.hoheGenauigkeit);
}

// The three mid-point display modes reach the run configuration and ask
// for a full redraw.
TEST_F(Menue, MittelpunktanzeigeInDerKonfiguration)
{
    const auto& k = f->konfiguration();
    EXPECT_EQ(k.mittelpunkte, Mittelpunktanzeige::Punkte);
    for (const char* n : {"PunteLinien", "Linienzug1", "LinieundPunkte1"})
        a(n)->setEnabled(true);
    f->zustand().NeuZeichnen = false;
    a("Linienzug1")->trigger();
    EXPECT_EQ(k.mittelpunkte, Mittelpunktanzeige::Linienzug);
    EXPECT_TRUE(f->zustand().NeuZeichnen);
    a("LinieundPunkte1")->trigger();
    EXPECT_EQ(k.mittelpunkte, Mittelpunktanzeige::LinieUndPunkte);
    EXPECT_FALSE(a("Linienzug1")->isChecked()) << "one of the three";
    a("PunteLinien")->trigger();
    EXPECT_EQ(k.mittelpunkte, Mittelpunktanzeige::Punkte);
}

// "Information und Eingabemaske anzeigen" sits in the examples menu, checked.
TEST_F(Menue, InformationUndEingabemaske)
{
    QAction* info = a("Informationanzeigen1");
    ASSERT_TRUE(info);
    EXPECT_TRUE(f->menue(shell::Hauptmenue::Beispiele)->actions().contains(info));
    EXPECT_TRUE(info->isChecked());
    EXPECT_TRUE(f->konfiguration().informationAnzeigen);
    info->trigger();
    EXPECT_FALSE(f->konfiguration().informationAnzeigen);
}

// Ctrl+T cycles signs, constellations, neither, and starts again.
TEST_F(Menue, StrgTWechseltTierkreis)
{
    const auto& k = f->konfiguration();
    auto strgT = [&] { QTest::keyClick(f->zeichenflaecheWidget(), Qt::Key_T, Qt::ControlModifier); };
    strgT();
    EXPECT_EQ(k.tierkreis, TierkreisArt::Zeichen);
    EXPECT_TRUE(a("Tierkreis1")->isChecked());
    strgT();
    EXPECT_EQ(k.tierkreis, TierkreisArt::Sternbilder);
    strgT();
    EXPECT_EQ(k.tierkreis, TierkreisArt::Keiner);
    EXPECT_TRUE(a("wedernoch1")->isChecked());
    strgT();
    EXPECT_EQ(k.tierkreis, TierkreisArt::Zeichen);
}

TEST_F(Menue, ErgebnisSofortSperrtDrehungUndNurZuBeginn)
{
    f->konfiguration().menueDarstellung = shell::Darstellung::DreiPlaneten; // offers both
    a("sofort1")->setEnabled(true);
    a("FigurenDrehung1")->setEnabled(true);
    a("sofort1")->trigger();
    EXPECT_TRUE(f->konfiguration().ergebnisSofort);
    EXPECT_FALSE(a("FigurenDrehung1")->isEnabled());
    EXPECT_FALSE(a("PlannurzuBeginn1")->isEnabled());
    a("sofort1")->trigger();
    EXPECT_TRUE(a("FigurenDrehung1")->isEnabled());
}

// "Drehung der Figuren" cancelled in the count dialog stays unchecked;
// okay stores the number.
TEST_F(Menue, FigurendrehungAbbrechenUndOkay)
{
    f->konfiguration().menueDarstellung = shell::Darstellung::DreiPlaneten; // offers both
    QAction* d = a("FigurenDrehung1");
    d->setEnabled(true);
    m->figurenAnzahlFragen = [](int, int&) { return false; };
    d->trigger();
    EXPECT_FALSE(d->isChecked());
    EXPECT_FALSE(f->konfiguration().drehungDerFiguren);
    EXPECT_TRUE(a("sofort1")->isEnabled());
    m->figurenAnzahlFragen = [](int vorschlag, int& n) { EXPECT_EQ(vorschlag, 10); n = 25; return true; };
    d->trigger();
    EXPECT_TRUE(d->isChecked());
    EXPECT_EQ(f->zustand().FigurenAnzahl, 25);
    EXPECT_FALSE(a("sofort1")->isEnabled());
}

// Switching "Planeten nur zu Beginn" on during a run applies from then on;
// switching it off during a run that started with it is refused.
TEST_F(Menue, NurZuBeginnWaehrendDesLaufs)
{
    QAction* nur = a("PlannurzuBeginn1");
    nur->setEnabled(true);
    auto& z = f->zustand();
    z.LaufAktiv = true;
    nur->trigger();
    EXPECT_TRUE(nur->isChecked());
    EXPECT_TRUE(z.NurBisImLauf);
    EXPECT_EQ(z.NurBisIndex, 1);
    z.NurBisImLauf = false;
    nur->trigger(); // off during a run that had it from the start
    EXPECT_TRUE(nur->isChecked());
    z.PauseAktiv = true;
    z.LaufAktiv = false;
    nur->trigger(); // refused while paused
    EXPECT_TRUE(nur->isChecked());
    z.PauseAktiv = false;
}

TEST_F(Menue, KurzhinweiseAusVerschluckenTooltips)
{
    QWidget* w = f->zeichenflaecheWidget();
    QHelpEvent e(QEvent::ToolTip, QPoint(1, 1), w->mapToGlobal(QPoint(1, 1)));
    a("Kurzhinweise1")->trigger();
    EXPECT_FALSE(m->kurzhinweiseAn());
    EXPECT_TRUE(m->eventFilter(w, &e));
    a("Kurzhinweise1")->trigger();
    EXPECT_TRUE(m->kurzhinweiseAn());
    EXPECT_FALSE(m->eventFilter(w, &e));
}

} // namespace
