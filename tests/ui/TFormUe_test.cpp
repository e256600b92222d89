// The overview dialog through real clicks: presets, the nine-body count and
// its messages, the first centre choice, the exclusive options, the Moon.
#include "ui/TFormUe.h"

#include "shell/TForm1.h"
#include "shell/Zahlenfeld.h"
#include "ui/Darstellungen.h"
#include "ui/Darstellungsbefehle.h"
#include "ui/DatenausgabeMenues.h"
#include "ui/Menuebefehle.h"
#include "ui/Sprachwechsel.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Ue : public ::testing::Test {
protected:
    void SetUp() override
    {
        vorher = sprache::aktuelleSprache();
        ui::Sprachwechsel::instanz().durchlauf(sprache::Sprache::Deutsch);
        alteMeldung = ui::TFormUe::meldung;
        ui::TFormUe::meldung = [this](QWidget*, const QString&, const QString& text) { meldungen << text; };
        alteStartmeldung = shell::Startfeld::meldung;
        shell::Startfeld::meldung = [](QWidget*, const QString&, const QString&) {};
        d = std::make_unique<ui::TFormUe>(nullptr);
        d->show();
    }
    void TearDown() override
    {
        d.reset();
        ui::TFormUe::meldung = alteMeldung;
        shell::Startfeld::meldung = alteStartmeldung;
        sprache::setzeSprache(vorher);
    }
    void klick(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2)); }
    void frei() { klick(d->konfigurationen[5]); }
    QCheckBox* p(int b) { return d->planeten[static_cast<size_t>(b)]; }
    QCheckBox* klein(int i) { return d->kleinplaneten[static_cast<size_t>(i)]; }
    bool nurMax9() const { return meldungen.size() == 1 && meldungen[0].contains(QStringLiteral("höchstens 9")); }

    sprache::Sprache vorher{};
    std::function<void(QWidget*, const QString&, const QString&)> alteMeldung, alteStartmeldung;
    std::unique_ptr<ui::TFormUe> d;
    QStringList meldungen;
};

} // namespace

TEST_F(Ue, PresetsCheckTheirPlanetsAndLockTheBoxes)
{
    const std::vector<std::vector<int>> erwartet = {
        {1, 2, 3, 4}, {1, 2, 3, 4, 5, 6}, {5, 6, 7, 8}, {4, 5, 6, 7, 8}, {5, 6, 7, 8, 9}};
    for (int i = 0; i < 5; ++i) {
        klick(d->konfigurationen[static_cast<size_t>(i)]);
        std::vector<int> an;
        for (int b = 1; b <= 9; ++b) {
            if (p(b)->isChecked())
                an.push_back(b);
            EXPECT_FALSE(p(b)->isEnabled());
        }
        EXPECT_EQ(an, erwartet[static_cast<size_t>(i)]) << "preset " << i;
        EXPECT_FALSE(klein(0)->isEnabled());
    }
    frei();
    EXPECT_TRUE(p(1)->isEnabled());
    EXPECT_TRUE(klein(11)->isEnabled());
}

TEST_F(Ue, NinePlanetsAroundTheSunLeaveNoRoomForCeres)
{
    frei();
    for (int b = 1; b <= 9; ++b)
        if (!p(b)->isChecked())
            klick(p(b));
    meldungen.clear();
    klick(klein(0));
    EXPECT_FALSE(klein(0)->isChecked());
    EXPECT_TRUE(nurMax9());
}

TEST_F(Ue, CentreEarthUncheckedCountsAsOneBody)
{
    frei();
    klick(d->zentren[3]);
    for (int b : {3})
        klick(p(b));  // Earth off: it counts through the centre
    for (int b : {5, 6, 7, 8})
        klick(p(b));
    ASSERT_FALSE(p(3)->isChecked());
    meldungen.clear();
    klick(klein(0));  // 7 boxes + centre + Ceres = 9
    EXPECT_TRUE(klein(0)->isChecked());
    EXPECT_TRUE(meldungen.isEmpty());
    klick(klein(1));
    EXPECT_FALSE(klein(1)->isChecked());
    EXPECT_TRUE(nurMax9());
}

TEST_F(Ue, UncheckingTheLastPlanetChecksTheEarthAgain)
{
    frei();
    for (int b : {1, 2, 3, 4})
        klick(p(b));
    EXPECT_TRUE(p(3)->isChecked());
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen[0].contains(QStringLiteral("mindestens 1 Planet")));
}

TEST_F(Ue, FirstPlanetCentreUnchecksOrbitsOnlyOnce)
{
    EXPECT_TRUE(d->CheckBoxBahnUe->isChecked());
    klick(d->zentren[5]);
    EXPECT_FALSE(d->CheckBoxBahnUe->isChecked());
    EXPECT_FALSE(d->CheckBoxFarbe->isEnabled());
    klick(d->CheckBoxBahnUe);
    klick(d->zentren[0]);
    klick(d->zentren[5]);
    EXPECT_TRUE(d->CheckBoxBahnUe->isChecked());
    EXPECT_TRUE(d->CheckBoxFarbe->isEnabled());
}

TEST_F(Ue, DataOnlyAndWithoutDistancesExcludeEachOther)
{
    klick(d->CheckBoxDA);
    EXPECT_TRUE(d->EditSchr->isVisible());
    klick(d->CheckBoxKE);
    EXPECT_TRUE(d->CheckBoxKE->isChecked());
    EXPECT_FALSE(d->CheckBoxDA->isChecked());
    EXPECT_FALSE(d->EditSchr->isVisible());
    klick(d->CheckBoxDA);
    EXPECT_FALSE(d->CheckBoxKE->isChecked());
}

TEST_F(Ue, MoonOnlyWithEarthWithoutDistancesAndItNarrowsTheStart)
{
    klick(d->CheckBoxKE);
    EXPECT_FALSE(d->CheckBoxMo->isEnabled()) << "centre Sun";
    klick(d->zentren[3]);
    ASSERT_TRUE(d->CheckBoxMo->isEnabled());
    d->Edit9->setText(QStringLiteral("3000000"));
    klick(d->CheckBoxMo);
    EXPECT_EQ(d->Edit9->text(), QStringLiteral("0"));
    klick(d->zentren[4]);
    EXPECT_FALSE(d->CheckBoxMo->isChecked());
    EXPECT_FALSE(d->CheckBoxMo->isEnabled());
}

TEST_F(Ue, InputRecordFromTheControls)
{
    d->Edit9->setText(QStringLiteral("-"));
    klick(d->konfigurationen[1]);
    klick(d->zentren[3]);
    auto e = d->eingabe();
    EXPECT_EQ(d->Edit9->text(), QStringLiteral("0"));
    EXPECT_EQ(e.starttag, 0);
    EXPECT_EQ(e.zentrum, 3);
    EXPECT_EQ(e.konfiguration, 1);
    EXPECT_TRUE(e.koerper[6]);
    EXPECT_FALSE(e.koerper[7]);
    EXPECT_FALSE(e.bahnen);

    d->EditAnz->setText(QStringLiteral("20000"));
    EXPECT_EQ(d->EditAnz->text(), QStringLiteral("10000"));
    d->EditSchr->setText(QStringLiteral("0"));
    EXPECT_EQ(d->EditSchr->text(), QStringLiteral("1"));
}

TEST_F(Ue, WithoutDistancesInTheMainWindowSwitchesConstellationsOnOnceAndLocksTheTable)
{
    shell::TForm1 form1;
    auto* menue = new ui::Menuebefehle(form1);
    ui::DatenausgabeMenues daten(form1);
    ui::TFormUe dlg(&form1, &form1);
    auto* sternbilder = form1.findChild<QAction*>(QStringLiteral("Sternzeichen1"));
    QAction* tabelle = nullptr;
    for (QAction* a : form1.menue(shell::Hauptmenue::Extras)->actions())
        if (a->objectName() == QStringLiteral("AusgabeKonj"))
            tabelle = a;
    ASSERT_TRUE(sternbilder && tabelle);
    ASSERT_FALSE(sternbilder->isChecked());

    klick(dlg.CheckBoxKE);
    EXPECT_TRUE(sternbilder->isChecked());
    EXPECT_EQ(form1.konfiguration().tierkreis, shell::TierkreisArt::Sternbilder);
    EXPECT_TRUE(dlg.eingabe().ohneEntfernungen);
    EXPECT_FALSE(tabelle->isEnabled());
    EXPECT_FALSE(dlg.CheckBoxBahnUe->isChecked());

    // Switched off and on again: the constellations are left as the user set them.
    klick(dlg.CheckBoxKE);
    EXPECT_TRUE(tabelle->isEnabled());
    EXPECT_FALSE(dlg.eingabe().ohneEntfernungen);
    form1.findChild<QAction*>(QStringLiteral("Tierkreis1"))->trigger();
    klick(dlg.CheckBoxBahnUe);
    klick(dlg.CheckBoxKE);
    EXPECT_FALSE(sternbilder->isChecked());
    EXPECT_TRUE(dlg.CheckBoxBahnUe->isChecked());

    klick(dlg.CheckBoxDA);
    EXPECT_TRUE(dlg.eingabe().nurDatenausgabe);
    EXPECT_FALSE(dlg.eingabe().ohneEntfernungen);
    (void)menue;
}

// Choosing the overview from the menu again arms the first switch once more.
TEST_F(Ue, ChoosingTheOverviewFromTheMenuArmsTheFirstSwitchAgain)
{
    shell::TForm1 form1;
    auto* menue = new ui::Menuebefehle(form1);
    ui::Darstellungsregister darstellungen(form1);
    ui::DatenausgabeMenues daten(form1);
    new ui::Darstellungsbefehle(form1, *menue, darstellungen, &daten);
    auto* dlg = static_cast<ui::TFormUe*>(darstellungen.dialog(shell::Darstellung::Ueberblick));
    ASSERT_TRUE(dlg);
    auto* sternbilder = form1.findChild<QAction*>(QStringLiteral("Sternzeichen1"));
    ASSERT_TRUE(sternbilder);

    klick(dlg->CheckBoxKE);
    klick(dlg->CheckBoxKE);
    form1.findChild<QAction*>(QStringLiteral("Tierkreis1"))->trigger(); // the user switches the constellations off
    klick(dlg->CheckBoxBahnUe);
    ASSERT_FALSE(sternbilder->isChecked());
    klick(dlg->CheckBoxKE);
    EXPECT_FALSE(sternbilder->isChecked()) << "not armed without the menu command";
    klick(dlg->CheckBoxKE);

    form1.findChild<QAction*>(QStringLiteral("ueberblick1"))->trigger();
    dlg->hide();
    ASSERT_TRUE(dlg->CheckBoxBahnUe->isChecked());
    klick(dlg->CheckBoxKE);
    EXPECT_TRUE(sternbilder->isChecked());
    EXPECT_FALSE(dlg->CheckBoxBahnUe->isChecked());
}

// Newly chosen with "ohne Entfernungen" ticked, the overview's rule stands
// after the common reset: the constellations on, the data table locked.
TEST_F(Ue, NeuGewaehltOhneEntfernungenNachDemGemeinsamenZuruecksetzen)
{
    shell::TForm1 form1;
    auto* menue = new ui::Menuebefehle(form1);
    ui::Darstellungsregister darstellungen(form1);
    ui::DatenausgabeMenues daten(form1);
    new ui::Darstellungsbefehle(form1, *menue, darstellungen, &daten);
    auto* dlg = static_cast<ui::TFormUe*>(darstellungen.dialog(shell::Darstellung::Ueberblick));
    klick(dlg->CheckBoxKE);
    klick(dlg->CheckBoxKE);
    klick(dlg->CheckBoxKE); // ticked, the first switch used up
    ASSERT_TRUE(dlg->CheckBoxKE->isChecked());
    form1.findChild<QAction*>(QStringLiteral("N2Planeten1"))->trigger();
    form1.findChild<QAction*>(QStringLiteral("ueberblick1"))->trigger();
    dlg->hide();
    EXPECT_TRUE(form1.findChild<QAction*>(QStringLiteral("Sternzeichen1"))->isChecked());
    EXPECT_EQ(form1.konfiguration().tierkreis, shell::TierkreisArt::Sternbilder);
    EXPECT_FALSE(daten.ausgabeKonj()->isEnabled());
}

// Newly chosen, the overview unticks "Bahnen farbig"; "nur Datenausgabe"
// switches a shown data table off; the English caption.
TEST_F(Ue, NeuGewaehltUndNurDatenausgabe)
{
    shell::TForm1 form1;
    auto* menue = new ui::Menuebefehle(form1);
    ui::Darstellungsregister darstellungen(form1);
    ui::DatenausgabeMenues daten(form1);
    new ui::Darstellungsbefehle(form1, *menue, darstellungen, &daten);
    auto* dlg = static_cast<ui::TFormUe*>(darstellungen.dialog(shell::Darstellung::Ueberblick));
    dlg->CheckBoxFarbe->setChecked(true);
    form1.findChild<QAction*>(QStringLiteral("N2Planeten1"))->trigger();
    form1.findChild<QAction*>(QStringLiteral("ueberblick1"))->trigger();
    EXPECT_FALSE(dlg->CheckBoxFarbe->isChecked());

    daten.ausgabeKonj()->trigger();
    ASSERT_TRUE(daten.ausgabeKonj()->isChecked());
    klick(dlg->CheckBoxDA);
    EXPECT_FALSE(daten.ausgabeKonj()->isChecked());

    ui::Sprachwechsel::instanz().durchlauf(false);
    EXPECT_EQ(dlg->windowTitle(), QStringLiteral(" Input:  Overview planetary system"));
    ui::Sprachwechsel::instanz().durchlauf(true);
}
