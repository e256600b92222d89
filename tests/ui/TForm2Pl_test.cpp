// The two-planet dialog through real clicks: the step-width proposal and the
// star limit, the step-width field, the coarse-orbit message, the guide line,
// a planet of the pair at the centre, the start range, the loops, and the
// menu items it follows (minor planets, proposal, immediate result).
#include "ui/TForm2Pl.h"

#include "shell/TForm1.h"
#include "shell/Zahlenfeld.h"
#include "ui/Darstellungen.h"
#include "ui/Darstellungsbefehle.h"
#include "ui/DatenausgabeMenues.h"
#include "ui/Hilfe.h"
#include "ui/Menuebefehle.h"
#include "ui/Sprachwechsel.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Zwei : public ::testing::Test {
protected:
    void SetUp() override
    {
        vorher = sprache::aktuelleSprache();
        ui::Sprachwechsel::instanz().durchlauf(sprache::Sprache::Deutsch);
        alteMeldung = ui::TForm2Pl::meldung;
        ui::TForm2Pl::meldung = [this](QWidget*, const QString& titel, const QString& text) {
            meldungen << titel + QLatin1Char('|') + text;
        };
        alteStartmeldung = shell::Startfeld::meldung;
        shell::Startfeld::meldung = [](QWidget*, const QString&, const QString&) {};
        d = std::make_unique<ui::TForm2Pl>(nullptr);
        d->show();
    }
    void TearDown() override
    {
        d.reset();
        ui::TForm2Pl::meldung = alteMeldung;
        shell::Startfeld::meldung = alteStartmeldung;
        ui::Sprachwechsel::instanz().durchlauf(vorher);
    }
    static void klick(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2)); }
    // Choose by body numbers (planet 1 from Mercury, planet 2 from Venus).
    void paar(ui::TForm2Pl& f, int p1, int p2, int z = 0)
    {
        klick(f.planeten1[static_cast<size_t>(p1 - 1)]);
        klick(f.planeten2[static_cast<size_t>(p2 - 2)]);
        klick(f.zentren[static_cast<size_t>(z)]);
    }
    static int sichtbare(const std::array<QRadioButton*, 20>& k)
    {
        return static_cast<int>(std::count_if(k.begin(), k.end(), [](QRadioButton* r) { return r->isVisible(); }));
    }

    sprache::Sprache vorher{};
    std::function<void(QWidget*, const QString&, const QString&)> alteMeldung, alteStartmeldung;
    std::unique_ptr<ui::TForm2Pl> d;
    QStringList meldungen;
};

// The main window with the menu commands built after the dialog, as the
// program builds them.
struct MitHauptfenster {
    shell::TForm1 form1;
    ui::TForm2Pl* dlg = new ui::TForm2Pl(&form1, &form1);
    ui::Menuebefehle* menue = new ui::Menuebefehle(form1);
    ui::DatenausgabeMenues daten{form1};
    QAction* a(const char* name) { return form1.findChild<QAction*>(QString::fromLatin1(name)); }
};

} // namespace

TEST_F(Zwei, DefaultsAndTheInputRecord)
{
    EXPECT_EQ(d->objectName(), QStringLiteral("TForm2Pl"));
    EXPECT_EQ(ui::HilfeKontext(d->objectName()), 220);
    EXPECT_EQ(d->windowTitle(), QStringLiteral(" Eingabe:  Darstellung 2 Planeten"));
    auto e = d->eingabe();
    EXPECT_EQ(e.planet1, 2);
    EXPECT_EQ(e.planet2, 3);
    EXPECT_EQ(e.zentrum, 0);
    EXPECT_EQ(e.schrittweite, 4);
    EXPECT_TRUE(e.planet1Zeichnen && e.planet2Zeichnen && e.fuehrungslinie);
    EXPECT_EQ(e.mittelpunkte, 2);
    EXPECT_EQ(e.sternBahn, 1);
    EXPECT_TRUE(e.planetozentrisch);
    EXPECT_FALSE(d->RadioGroupInnAuss->isEnabled());
    EXPECT_FALSE(d->CheckBoxSonne->isEnabled());

    paar(*d, 5, 7, 3);
    klick(d->punkte[1]);
    d->Edit8->setText(QStringLiteral("-"));
    d->Edit1->setText(QStringLiteral("."));
    e = d->eingabe();
    EXPECT_EQ(d->Edit8->text(), QStringLiteral("0"));
    EXPECT_EQ(e.schrittweite, 1) << "a step width that is no number is read as 1";
    EXPECT_EQ(d->Edit1->text(), QStringLiteral("1"));
    EXPECT_EQ(e.planet1, 5);
    EXPECT_EQ(e.planet2, 7);
    EXPECT_EQ(e.zentrum, 3);
    EXPECT_EQ(e.mittelpunkte, 1);
}

TEST_F(Zwei, ProposalFollowsTheShortestPeriodAndBoundsTheStars)
{
    struct Fall {
        int p1, p2, z, vorschlag;
    };
    for (Fall f : {Fall{2, 3, 0, 4}, Fall{5, 6, 0, 72}, Fall{5, 7, 3, 6}, Fall{1, 2, 0, 1}, Fall{8, 9, 0, 1003}}) {
        EXPECT_EQ(ui::Schrittweitenvorschlag2Pl(f.p1, f.p2, f.z), f.vorschlag) << f.p1 << "/" << f.p2;
        paar(*d, f.p1, f.p2, f.z);
        EXPECT_EQ(d->Edit1->text(), QString::number(f.vorschlag)) << f.p1 << "/" << f.p2 << " around " << f.z;
    }
    paar(*d, 2, 3, 0);
    d->Edit1->setText(QStringLiteral("40"));
    klick(d->CheckBoxKonj);
    EXPECT_TRUE(d->RadioGroupInnAuss->isEnabled());
    EXPECT_TRUE(d->figurenDrehungMoeglich());
    d->Edit1->setText(QStringLiteral("40.5"));
    EXPECT_FALSE(d->CheckBoxKonj->isChecked());
    EXPECT_FALSE(d->CheckBoxKonj->isEnabled());
    EXPECT_FALSE(d->CheckBoxOppo->isEnabled());
    EXPECT_FALSE(d->RadioGroupInnAuss->isEnabled());
    EXPECT_FALSE(d->figurenDrehungMoeglich());
    // A pair with a longer proposal allows the step again.
    paar(*d, 5, 6, 0);
    d->Edit1->setText(QStringLiteral("40.5"));
    EXPECT_TRUE(d->CheckBoxKonj->isEnabled());
}

TEST_F(Zwei, StepWidthFieldCorrectsAndFiltersWhatIsTyped)
{
    for (auto [rein, raus] : {std::pair{"", "1"}, {"0", "1"}, {"0.0", "1"}, {"200000", "100000"}, {"005", "05"}, {"00200000", "100000"}}) {
        d->Edit1->setText(QString::fromLatin1(rein));
        EXPECT_EQ(d->Edit1->text(), QString::fromLatin1(raus)) << rein;
    }
    d->Edit1->selectAll();
    QTest::keyClicks(d->Edit1, QStringLiteral("-2,5.7"));
    EXPECT_EQ(d->Edit1->text(), QStringLiteral("2.57"));
    EXPECT_EQ(d->Edit1->maxLength(), 15);
    EXPECT_EQ(d->Edit8->maxLength(), 15);
}

TEST_F(Zwei, CoarseOrbitsAreReportedOnLeavingTheStepAndOnTheOrbitBoxes)
{
    paar(*d, 1, 2);
    d->Edit1->setText(QStringLiteral("10")); // Mercury: 8.8 steps per revolution
    d->Edit1->setFocus();
    d->Edit1->editingFinished();
    EXPECT_TRUE(meldungen.isEmpty()) << "no orbit to draw";
    klick(d->CheckBoxBahn);
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_EQ(meldungen[0], QStringLiteral("Hinweis|Bei der gewählten Schrittweite können die Bahnen\nnicht mehr als "
                                           "abgerundeter Linienzug dargestellt werden.   "));
    EXPECT_TRUE(d->eingabe().grobeBahn);
    d->Edit1->setText(QStringLiteral("3.5"));
    d->Edit1Exit();
    EXPECT_EQ(meldungen.size(), 1);
    EXPECT_FALSE(d->eingabe().grobeBahn);

    // The inner planet counts, in whichever group it was chosen.
    paar(*d, 8, 2);
    d->Edit1->setText(QStringLiteral("10"));
    d->Edit1Exit();
    EXPECT_EQ(meldungen.size(), 2) << "Venus with 22.5 steps per revolution";
    klick(d->CheckBoxBahn);
    EXPECT_FALSE(d->eingabe().grobeBahn) << "no orbit checked any more";
}

TEST_F(Zwei, GuideLineNeedsBothSidesAndGetsItsMarkBack)
{
    klick(d->CheckBox4);
    EXPECT_FALSE(d->CheckBox3->isEnabled());
    EXPECT_FALSE(d->CheckBox3->isChecked());
    klick(d->CheckBoxBahn2);
    EXPECT_TRUE(d->CheckBox3->isEnabled());
    EXPECT_TRUE(d->CheckBox3->isChecked()) << "its mark from before";
    klick(d->CheckBox3);
    klick(d->CheckBoxBahn2);
    klick(d->CheckBox1); // neither side: possible again, still unchecked
    EXPECT_TRUE(d->CheckBox3->isEnabled());
    EXPECT_FALSE(d->CheckBox3->isChecked());

    // With Venus at the centre, side 2 is the Sun or its apparent path.
    klick(d->CheckBox1);
    klick(d->zentren[2]);
    ASSERT_TRUE(d->CheckBoxSonne->isEnabled());
    EXPECT_FALSE(d->CheckBox3->isEnabled());
    klick(d->CheckBoxSonne);
    EXPECT_TRUE(d->CheckBox3->isEnabled());
}

TEST_F(Zwei, APlanetOfThePairAtTheCentreDrawsTheSun)
{
    klick(d->CheckBoxBahn2);
    klick(d->CheckBox4);
    klick(d->zentren[3]);
    EXPECT_EQ(d->CheckBox4->text(), QStringLiteral("Sonne zeichnen"));
    EXPECT_TRUE(d->CheckBoxSonne->isEnabled());
    EXPECT_TRUE(d->LabelSonne->isEnabled());
    EXPECT_FALSE(d->CheckBoxBahn2->isChecked());
    EXPECT_FALSE(d->CheckBoxBahn2->isEnabled());
    EXPECT_TRUE(d->sternBahnen[0]->isChecked());
    EXPECT_FALSE(d->eingabe().planetozentrisch);
    QTest::mouseClick(d->LabelSonne, Qt::LeftButton);
    EXPECT_TRUE(d->CheckBoxSonne->isChecked()) << "the label clicks its box";

    ui::Sprachwechsel::instanz().durchlauf(sprache::Sprache::Englisch);
    EXPECT_EQ(d->CheckBox4->text(), QStringLiteral("draw Sun"));
    EXPECT_EQ(d->windowTitle(), QStringLiteral(" Input: Representation 2 Planets"));
    ui::Sprachwechsel::instanz().durchlauf(sprache::Sprache::Deutsch);

    klick(d->zentren[4]);
    EXPECT_EQ(d->CheckBox4->text(), QStringLiteral("Planet 2 zeichnen"));
    EXPECT_TRUE(d->CheckBox4->isChecked()) << "a third planet at the centre";
    EXPECT_FALSE(d->CheckBoxSonne->isChecked());
    EXPECT_FALSE(d->CheckBoxSonne->isEnabled());
    EXPECT_TRUE(d->CheckBoxBahn2->isEnabled());
    EXPECT_TRUE(d->sternBahnen[1]->isChecked());
    EXPECT_TRUE(d->eingabe().planetozentrisch);
}

TEST_F(Zwei, OuterPlanetsOnlyWidenTheStartRange)
{
    paar(*d, 5, 6);
    EXPECT_EQ(d->startfeld->klasse(), 1);
    EXPECT_EQ(d->Edit8->toolTip(), QStringLiteral(" muß zwischen -18262487 und +15000000 liegen "));
    d->Edit8->setText(QStringLiteral("12000000"));
    EXPECT_EQ(d->Edit8->text(), QStringLiteral("12000000"));
    klick(d->zentren[3]); // the Earth at the centre
    EXPECT_EQ(d->Edit8->text(), QStringLiteral("0"));
    EXPECT_EQ(d->startfeld->klasse(), 2);
    EXPECT_EQ(d->Edit8->toolTip(), QStringLiteral(" muß zwischen -9999999 und +7000000 liegen "));
}

TEST_F(Zwei, LoopsPutTheEarthInAndLockWhatTheyCannotDraw)
{
    MitHauptfenster h;
    ui::TForm2Pl& f = *h.dlg;
    f.show();
    h.daten.ausgabeKonj()->trigger();
    paar(f, 4, 5, 0);
    klick(f.CheckBox2);
    klick(f.punkte[0]);
    EXPECT_TRUE(h.a("PunteLinien")->isEnabled());
    klick(f.CheckBoxSchleifen);
    EXPECT_EQ(f.planet1(), 3);
    EXPECT_EQ(f.planet2(), 5);
    EXPECT_EQ(f.zentrum(), 3);
    EXPECT_FALSE(f.RadioGroup2->isEnabled());
    EXPECT_TRUE(f.punkte[2]->isChecked());
    EXPECT_FALSE(h.a("PunteLinien")->isEnabled());
    EXPECT_TRUE(f.CheckBoxBahn->isChecked());
    EXPECT_FALSE(f.CheckBox3->isChecked());
    EXPECT_TRUE(f.CheckBox4->isChecked() && f.CheckBoxSonne->isChecked());
    EXPECT_FALSE(f.CheckBox2->isChecked());
    EXPECT_FALSE(f.CheckBoxKonj->isEnabled() || f.CheckBoxOppo->isEnabled());
    EXPECT_TRUE(h.a("Sternzeichen1")->isChecked());
    EXPECT_FALSE(h.daten.ausgabeKonj()->isChecked());
    EXPECT_FALSE(h.daten.ausgabeKonj()->isEnabled());
    EXPECT_FALSE(f.datenausgabeMoeglich());
    // Changing the pair keeps the stars locked.
    klick(f.planeten2[4]);
    EXPECT_FALSE(f.CheckBoxKonj->isEnabled());
    // Chosen anew after the common reset of the menus, the loops rule stands.
    h.a("wedernoch1")->trigger();
    h.daten.ausgabeKonj()->setEnabled(true);
    f.gewaehlt(true);
    EXPECT_TRUE(h.a("Sternzeichen1")->isChecked());
    EXPECT_FALSE(h.daten.ausgabeKonj()->isEnabled());

    klick(f.CheckBoxSchleifen);
    EXPECT_TRUE(f.RadioGroup2->isEnabled());
    EXPECT_TRUE(f.CheckBoxKonj->isEnabled());
    EXPECT_TRUE(h.a("wedernoch1")->isChecked());
    EXPECT_TRUE(h.daten.ausgabeKonj()->isEnabled());

    // Mercury or Venus as planet 1: the Earth becomes planet 2.
    paar(f, 1, 5, 0);
    QTest::mouseClick(f.LabelSchleifen, Qt::LeftButton);
    EXPECT_TRUE(f.CheckBoxSchleifen->isChecked());
    EXPECT_EQ(f.planet1(), 1);
    EXPECT_EQ(f.planet2(), 3);
    // Venus is the last planet 1 that keeps its place: Venus-Jupiter gives
    // Venus-Earth, not Earth-Jupiter.
    klick(f.CheckBoxSchleifen);
    paar(f, 2, 5, 0);
    klick(f.CheckBoxSchleifen);
    EXPECT_EQ(f.planet1(), 2);
    EXPECT_EQ(f.planet2(), 3);
    EXPECT_EQ(f.zentrum(), 3);
}

TEST_F(Zwei, MinorPlanetsFromTheMenuWidenBothGroups)
{
    MitHauptfenster h;
    ui::TForm2Pl& f = *h.dlg;
    f.show();
    QAction* klein = h.a("Kleinplaneten1");
    ASSERT_TRUE(klein);
    EXPECT_EQ(sichtbare(f.planeten1), 8);
    EXPECT_EQ(f.planeten2[7]->text(), QStringLiteral("Pluto"));
    klein->setEnabled(true);
    klein->trigger();
    EXPECT_TRUE(f.kleinplanetenAn());
    EXPECT_EQ(sichtbare(f.planeten1), 20);
    EXPECT_EQ(sichtbare(f.planeten2), 20);
    EXPECT_EQ(f.planeten1[0]->text(), QStringLiteral("Me"));
    EXPECT_EQ(f.planeten1[19]->text(), QStringLiteral("Es"));
    EXPECT_EQ(f.planeten2[19]->text(), QStringLiteral("Se"));
    EXPECT_TRUE(f.RadioGroup2->toolTip().isEmpty());
    klick(f.planeten1[9]);
    EXPECT_EQ(f.planet1(), 10) << "Ceres";
    ui::Sprachwechsel::instanz().durchlauf(sprache::Sprache::Englisch);
    EXPECT_EQ(f.planeten1[2]->text(), QStringLiteral("Er")) << "short names in both languages";
    ui::Sprachwechsel::instanz().durchlauf(sprache::Sprache::Deutsch);

    klein->trigger();
    EXPECT_EQ(sichtbare(f.planeten1), 8);
    EXPECT_EQ(f.planeten1[2]->text(), QStringLiteral("Erde"));
    EXPECT_EQ(f.planet1(), 2);
    EXPECT_EQ(f.planet2(), 3);
    EXPECT_EQ(f.Edit1->text(), QStringLiteral("4"));
    EXPECT_TRUE(f.RadioGroup2->toolTip().contains(QStringLiteral("(nicht bei hoher Genauigkeit)")));
}

TEST_F(Zwei, HighAccuracyKeepsAMinorPlanetWithinItsTables)
{
    MitHauptfenster h;
    ui::TForm2Pl& f = *h.dlg;
    f.show();
    h.a("Genauigkeit1")->trigger();
    EXPECT_EQ(f.startfeld->klasse(), 3);
    h.a("Kleinplaneten1")->setEnabled(true);
    h.a("Kleinplaneten1")->trigger();
    f.Edit8->setText(QStringLiteral("1000000"));
    klick(f.planeten2[8]); // Ceres
    EXPECT_EQ(f.Edit8->text(), QStringLiteral("191756"));
    f.Edit8->setText(QStringLiteral("-1000000"));
    klick(f.planeten2[7]); // Pluto
    EXPECT_EQ(f.Edit8->text(), QStringLiteral("-1000000")) << "no minor planet";
    h.a("Genauigkeit1")->trigger();
}

TEST_F(Zwei, ProposalAndImmediateResultFollowTheirMenuItems)
{
    MitHauptfenster h;
    ui::TForm2Pl& f = *h.dlg;
    f.show(); // follows the menu items from now on
    QAction* vorschlag = h.a("VorschlagSchrittweite1");
    vorschlag->setEnabled(true);
    ASSERT_TRUE(vorschlag->isChecked());
    vorschlag->trigger();
    f.Edit1->setText(QStringLiteral("50"));
    paar(f, 5, 6);
    EXPECT_EQ(f.Edit1->text(), QStringLiteral("50"));
    EXPECT_EQ(f.vorschlag(), 72);
    EXPECT_TRUE(f.CheckBoxKonj->isEnabled()) << "the limit follows the proposal";
    vorschlag->trigger();
    EXPECT_EQ(f.Edit1->text(), QStringLiteral("72")) << "switched on, the proposal stands at once";

    QAction* sofort = h.a("sofort1");
    sofort->setEnabled(true);
    sofort->trigger();
    EXPECT_FALSE(f.CheckBox1->isEnabled() || f.CheckBox4->isEnabled() || f.CheckBox3->isEnabled());
    sofort->trigger();
    EXPECT_TRUE(f.CheckBox1->isEnabled() && f.CheckBox4->isEnabled() && f.CheckBox3->isEnabled());
}

// Built as the program builds it (the dialog before the menu commands), the
// dialog follows the items from the "2 Planeten" command on.
TEST_F(Zwei, ThroughTheRepresentationCommand)
{
    shell::TForm1 form1;
    ui::Darstellungsregister darstellungen(form1);
    auto* menue = new ui::Menuebefehle(form1);
    ui::DatenausgabeMenues daten(form1);
    new ui::Darstellungsbefehle(form1, *menue, darstellungen, &daten);
    auto* dlg = dynamic_cast<ui::TForm2Pl*>(darstellungen.dialog(shell::Darstellung::ZweiPlaneten));
    ASSERT_TRUE(dlg);
    auto a = [&](const char* name) { return form1.findChild<QAction*>(QString::fromLatin1(name)); };
    a("N2Planeten1")->trigger();
    EXPECT_FALSE(a("PunteLinien")->isEnabled()) << "\"weder ... noch\"";
    klick(dlg->punkte[1]);
    EXPECT_TRUE(a("PunteLinien")->isEnabled());
    a("Kleinplaneten1")->trigger();
    EXPECT_TRUE(dlg->kleinplanetenAn());
    a("sofort1")->trigger();
    EXPECT_FALSE(dlg->CheckBox3->isEnabled());
    a("sofort1")->trigger();
    EXPECT_TRUE(dlg->CheckBox3->isEnabled());
    dlg->hide();
}
