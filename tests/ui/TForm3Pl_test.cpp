// The three-planet dialog through real clicks: the three bodies and the
// captions that name them, a planet at the centre and back to the Sun, the
// minor planets from the menu, the start range of the bodies, the every-k-th
// field, conjunctions or oppositions, the menu items it follows, and the
// run's correction of the bodies.
#include "ui/TForm3Pl.h"

#include "shell/TForm1.h"
#include "shell/Zahlenfeld.h"
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
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

using shell::Menuepunkt;

class Drei : public ::testing::Test {
protected:
    void SetUp() override
    {
        vorher = sprache::aktuelleSprache();
        ui::Sprachwechsel::instanz().durchlauf(sprache::Sprache::Deutsch);
        alteStartmeldung = shell::Startfeld::meldung;
        shell::Startfeld::meldung = [this](QWidget*, const QString&, const QString& text) { meldungen << text; };
        d = std::make_unique<ui::TForm3Pl>(nullptr);
        d->show();
    }
    void TearDown() override
    {
        d.reset();
        shell::Startfeld::meldung = alteStartmeldung;
        ui::Sprachwechsel::instanz().durchlauf(vorher);
    }
    static void klick(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(4, b->height() / 2)); }
    static void box(ui::TForm3Pl& f, int koerper) { klick(f.koerperBox(koerper)); }
    template <class... W> static QStringList texte(W*... w) { return {w->text()...}; }
    static QStringList paare(const ui::TForm3Pl& f)
    {
        return texte(f.RadioButton3P12, f.RadioButton3P13, f.RadioButton3P23);
    }
    static std::array<bool, 22> nur(std::initializer_list<int> koerper)
    {
        std::array<bool, 22> a{};
        for (int b : koerper)
            a[static_cast<size_t>(b)] = true;
        return a;
    }

    sprache::Sprache vorher{};
    std::function<void(QWidget*, const QString&, const QString&)> alteStartmeldung;
    std::unique_ptr<ui::TForm3Pl> d;
    QStringList meldungen;
};

// The main window with the menu commands built after the dialog, as the
// program builds them.
struct MitHauptfenster {
    shell::TForm1 form1;
    ui::TForm3Pl* dlg = new ui::TForm3Pl(&form1, &form1);
    ui::Menuebefehle* menue = new ui::Menuebefehle(form1);
    QAction* a(Menuepunkt p) { return form1.aktionen()[p]; }
    void schalten(Menuepunkt p)
    {
        a(p)->setEnabled(true);
        a(p)->trigger();
    }
};

} // namespace

TEST_F(Drei, DefaultsCaptionsAndTheInputRecord)
{
    EXPECT_EQ(ui::HilfeKontext(d->objectName()), 230);
    EXPECT_EQ(d->windowTitle(), QStringLiteral(" Eingabe:  Darstellung 3 Planeten"));
    // Before the first choice the centre buttons and the name boxes carry
    // neutral captions, also through a language pass.
    auto vorDerWahl = [this] {
        EXPECT_EQ(texte(d->RadioButton2, d->RadioButton3, d->RadioButton4, d->CheckBox12, d->CheckBox13),
                  (QStringList{"Planet 1", "Planet 2", "Planet 3", "Name", "Name"}));
    };
    EXPECT_EQ(d->GroupBoxKP->toolTip(), QStringLiteral(" Kleinplaneten können im Menü 'Extras' aktiviert werden "));
    vorDerWahl();
    ui::Sprachwechsel::instanz().durchlauf(sprache::Sprache::Englisch);
    vorDerWahl();
    ui::Sprachwechsel::instanz().durchlauf(sprache::Sprache::Deutsch);
    EXPECT_EQ(d->RadioButton1->text(), QStringLiteral("Sonne"));
    EXPECT_EQ(paare(*d), (QStringList{"Ve / Er", "Ve / Ma", "Er / Ma"}));
    EXPECT_EQ(texte(d->RadioButton3RG12, d->RadioButton3RG13, d->RadioButton3RG23),
              (QStringList{"Ve - Er", "Ve - Ma", "Er - Ma"}));
    // The first choice, of any kind, names them.
    klick(d->CheckBoxDreieck);
    klick(d->CheckBoxDreieck);
    EXPECT_EQ(texte(d->RadioButton1, d->RadioButton2, d->RadioButton3, d->RadioButton4),
              (QStringList{"Sonne", "Venus", "Erde", "Mars"}));
    EXPECT_EQ(texte(d->CheckBox3PV2, d->CheckBox12, d->CheckBox3PV3, d->CheckBox13),
              (QStringList{"äuss. Konj.-Planet", "Erde", "Nicht-Konj.-Planet", "Mars"}));
    EXPECT_FALSE(d->Edit1->isEnabled() || d->CheckBox14->isEnabled() || d->koerperBox(10)->isEnabled());
    EXPECT_EQ(d->eingabe().koerper, figures::DreiPlanetenEingabe().koerper);

    // The name boxes name the outer planet of the driving pair and the third.
    klick(d->RadioButton3P13);
    EXPECT_EQ(texte(d->CheckBox12, d->CheckBox13), (QStringList{"Mars", "Erde"}));
    klick(d->RadioButton3P23);
    EXPECT_EQ(texte(d->CheckBox12, d->CheckBox13), (QStringList{"Mars", "Venus"}));

    klick(d->RadioButton3RG13);
    klick(d->CheckBoxkeineRG);
    klick(d->punkte[1]);
    klick(d->CheckBox3PV2);
    klick(d->CheckBox12);
    klick(d->CheckBox10);
    klick(d->CheckBoxDreieck);
    d->Edit11->setText(QStringLiteral("-"));
    const auto e = d->eingabe();
    EXPECT_EQ(d->Edit11->text(), QStringLiteral("0"));
    EXPECT_EQ(e.konjunktionspaar, 2);
    EXPECT_EQ(e.raumgeradenpaar, 1);
    EXPECT_EQ(e.mittelpunkte, 1);
    EXPECT_TRUE(e.keineRaumgeraden && e.positionenAussen && e.linienAussen && e.dreieck);
    EXPECT_FALSE(e.positionenNicht || e.linienNicht || e.bahnen);
}

TEST_F(Drei, TheFirstThreeCheckedBodiesAreThePlanets)
{
    box(*d, 1); // Mercury as a fourth body
    EXPECT_EQ(d->planeten(), (std::array<int, 3>{1, 2, 3}));
    EXPECT_EQ(paare(*d), (QStringList{"Me / Ve", "Me / Er", "Ve / Er"}));
    EXPECT_EQ(d->RadioButton2->text(), QStringLiteral("Merkur"));

    // Fewer than three: the previous three stay, the boxes are what the run
    // reads (it corrects them).
    box(*d, 2);
    EXPECT_EQ(d->planeten(), (std::array<int, 3>{1, 3, 4}));
    box(*d, 3);
    EXPECT_EQ(d->planeten(), (std::array<int, 3>{1, 3, 4}));
    EXPECT_EQ(d->RadioButton3P23->text(), QStringLiteral("Er / Ma"));
    EXPECT_EQ(d->eingabe().koerper, nur({1, 4}));

    d->koerperSetzen(nur({2, 3, 4}));
    EXPECT_EQ(d->eingabe().koerper, nur({2, 3, 4}));
    EXPECT_EQ(d->planeten(), (std::array<int, 3>{2, 3, 4}));
    EXPECT_EQ(paare(*d), (QStringList{"Ve / Er", "Ve / Ma", "Er / Ma"}));
}

TEST_F(Drei, APlanetAtTheCentreAndBackToTheSun)
{
    klick(d->punkte[0]);
    klick(d->RadioButton3); // the Earth
    EXPECT_TRUE(d->punkte[2]->isChecked()) << "the first planetocentric view: \"weder ... noch\"";
    EXPECT_TRUE(d->CheckBox13->isChecked() && d->CheckBox3PV3->isChecked() && d->Edit1->isEnabled());
    EXPECT_TRUE(d->CheckBox14->isEnabled());
    EXPECT_EQ(d->CheckBox14->text(), QStringLiteral("Raumgeraden  Ve - Ma"));
    EXPECT_EQ(texte(d->CheckBox3PV2, d->CheckBox12, d->CheckBox3PV3, d->CheckBox13),
              (QStringList{"inn. Nicht-Zentr.-Pl.", "Venus", "äuss. Nicht-Zentr.-Pl.", "Mars"}));
    EXPECT_FALSE(d->GroupBox7->isEnabled() || d->CheckBox10->isChecked() || d->CheckBox10->isEnabled());

    // Another planet: the defaults are not set again.
    klick(d->CheckBox13);
    klick(d->RadioButton2);
    EXPECT_FALSE(d->CheckBox13->isChecked());
    EXPECT_EQ(d->CheckBox14->text(), QStringLiteral("Raumgeraden  Er - Ma"));

    klick(d->RadioButton1);
    EXPECT_FALSE(d->CheckBox3PV3->isChecked() || d->CheckBox13->isChecked() || d->Edit1->isEnabled());
    EXPECT_TRUE(d->GroupBox7->isEnabled() && d->CheckBox10->isEnabled() && !d->CheckBox14->isEnabled());
    EXPECT_EQ(d->Label1->text(), QStringLiteral("Nicht-Konj.-Planet nur bei jeder ... Konjunktion"));

    // Around the Sun every click of a body, or of the Sun again, takes the
    // marks of the positions and their names away.
    auto alleAn = [this] {
        for (QCheckBox* c : {d->CheckBox3PV2, d->CheckBox12, d->CheckBox3PV3, d->CheckBox13})
            c->setChecked(true);
    };
    auto keineAn = [this] {
        return !d->CheckBox3PV2->isChecked() && !d->CheckBox12->isChecked() && !d->CheckBox3PV3->isChecked() &&
               !d->CheckBox13->isChecked();
    };
    alleAn();
    box(*d, 5);
    EXPECT_TRUE(keineAn()) << "a fourth body ticked";
    alleAn();
    box(*d, 5);
    EXPECT_TRUE(keineAn()) << "a body unticked";
    alleAn();
    klick(d->RadioButton1);
    EXPECT_TRUE(keineAn()) << "the Sun clicked again";
    // The run's correction of the bodies is no click: the marks stay.
    alleAn();
    d->koerperSetzen(nur({2, 3, 4}));
    EXPECT_TRUE(d->CheckBox3PV2->isChecked() && d->CheckBox13->isChecked());
    for (QCheckBox* c : {d->CheckBox3PV2, d->CheckBox12, d->CheckBox3PV3, d->CheckBox13})
        c->setChecked(false);
    // After the Sun a planet sets the defaults once more.
    klick(d->RadioButton4);
    EXPECT_TRUE(d->CheckBox13->isChecked() && d->CheckBox3PV3->isChecked());
    EXPECT_EQ(texte(d->CheckBox12, d->CheckBox13), (QStringList{"Venus", "Erde"}));
}

TEST_F(Drei, OnlyOuterPlanetsWidenTheStartRange)
{
    for (int b : {2, 3, 4})
        box(*d, b);
    for (int b : {5, 6, 7})
        box(*d, b);
    EXPECT_EQ(d->startfeld->klasse(), 1);
    EXPECT_EQ(d->Edit11->toolTip(), QStringLiteral(" muß zwischen -18262487 und +15000000 liegen "));
    d->Edit11->setText(QStringLiteral("-18262487"));
    EXPECT_TRUE(meldungen.isEmpty());
    box(*d, 8); // a fourth outer one changes nothing
    EXPECT_EQ(d->Edit11->text(), QStringLiteral("-18262487"));
    box(*d, 4); // Mars comes first
    EXPECT_EQ(d->Edit11->text(), QStringLiteral("0"));
    EXPECT_EQ(d->startfeld->klasse(), 2);
    EXPECT_EQ(d->Edit11->toolTip(), QStringLiteral(" muß zwischen -9999999 und +7000000 liegen "));
    d->Edit11->setText(QStringLiteral("8000000"));
    EXPECT_EQ(d->Edit11->text(), QStringLiteral("7000000"));
    EXPECT_EQ(meldungen.size(), 1);
}

TEST_F(Drei, EveryKthFieldTakesOneToTwentyFive)
{
    klick(d->CheckBox3PV3);
    ASSERT_TRUE(d->Edit1->isEnabled());
    auto tippen = [this](const QString& s) {
        d->Edit1->selectAll();
        QTest::keyClicks(d->Edit1, s);
        return d->Edit1->text();
    };
    for (auto [rein, raus] : {std::pair{"26", "2"}, {"30", "3"}, {"25", "25"}, {"0", "1"}, {"x-.7", "7"}})
        EXPECT_EQ(tippen(QString::fromLatin1(rein)), QString::fromLatin1(raus)) << rein;
    for (auto [rein, raus] : {std::pair{"99", "9"}, {"00", "1"}, {"12", "12"}}) {
        d->Edit1->setText(QString::fromLatin1(rein)); // pasted
        EXPECT_EQ(d->Edit1->text(), QString::fromLatin1(raus)) << rein;
    }
    EXPECT_EQ(d->eingabe().jedeKte, 12);

    klick(d->CheckBox3PV3);
    EXPECT_FALSE(d->Edit1->isEnabled());
    klick(d->CheckBox13);
    EXPECT_TRUE(d->Edit1->isEnabled());
}

TEST_F(Drei, ConjunctionsOrOppositions)
{
    klick(d->ButtonKO);
    EXPECT_EQ(d->GroupBox6->title(), QStringLiteral("OPPOSITION"));
    EXPECT_EQ(d->LabelKO->text(), QStringLiteral("Konjunktion"));
    EXPECT_TRUE(d->eingabe().opposition);
    QTest::mouseClick(d->LabelKO, Qt::LeftButton); // the label switches too
    EXPECT_EQ(d->GroupBox6->title(), QStringLiteral("KONJUNKTION"));
    EXPECT_EQ(d->LabelKO->text(), QStringLiteral("Opposition"));
    EXPECT_FALSE(d->eingabe().opposition);
    klick(d->ButtonKO);
    // The language pass keeps the choice.
    ui::Sprachwechsel::instanz().durchlauf(sprache::Sprache::Englisch);
    EXPECT_EQ(d->GroupBox6->title(), QStringLiteral("OPPOSITION"));
    klick(d->ButtonKO);
    EXPECT_EQ(d->GroupBox6->title(), QStringLiteral("CONJUNCTION"));
}

TEST_F(Drei, TheLanguagePassKeepsTheCaptionsOfTheChoice)
{
    klick(d->RadioButton3P12);
    ui::Sprachwechsel::instanz().durchlauf(sprache::Sprache::Englisch);
    EXPECT_EQ(d->windowTitle(), QStringLiteral(" Input: Representation 3 Planets"));
    EXPECT_EQ(texte(d->RadioButton3, d->CheckBox3PV2, d->CheckBox12, d->Label1),
              (QStringList{"Earth", "outer conj.-planet", "Earth", "Non-conj.-planet only at every ... conjunction"}));
    EXPECT_TRUE(d->GroupBoxKP->toolTip().endsWith(QStringLiteral("(not at High accuracy) ")));
    klick(d->RadioButton2);
    ui::Sprachwechsel::instanz().durchlauf(sprache::Sprache::Deutsch);
    EXPECT_EQ(texte(d->CheckBox3PV2, d->CheckBox12), (QStringList{"inn. Nicht-Zentr.-Pl.", "Erde"}));
}

TEST_F(Drei, MinorPlanetsFromTheMenu)
{
    MitHauptfenster h;
    ui::TForm3Pl& f = *h.dlg;
    f.show();
    ASSERT_TRUE(h.a(Menuepunkt::Kleinplaneten1));
    h.schalten(Menuepunkt::Kleinplaneten1);
    EXPECT_TRUE(f.koerperBox(10)->isEnabled() && f.koerperBox(21)->isEnabled());
    EXPECT_TRUE(f.GroupBoxKP->toolTip().isEmpty());
    box(f, 2);
    box(f, 10); // Ceres
    EXPECT_EQ(paare(f), (QStringList{"Er / Ma", "Er / Ce", "Ma / Ce"}));
    EXPECT_TRUE(f.eingabe().kleinplaneten);

    // Jupiter, Saturn and Ceres: Ceres runs inside Jupiter, so of the pair
    // Jupiter / Ceres Jupiter is the outer one.
    for (int b : {3, 4, 5, 6})
        box(f, b);
    klick(f.RadioButton3P13);
    EXPECT_EQ(f.RadioButton3P13->text(), QStringLiteral("Ju / Ce"));
    EXPECT_EQ(texte(f.CheckBox12, f.CheckBox13), (QStringList{"Jupiter", "Saturn"}));
    klick(f.RadioButton3); // Saturn at the centre: Ceres is the inner one
    EXPECT_EQ(texte(f.CheckBox12, f.CheckBox13), (QStringList{"Ceres", "Jupiter"}));
    EXPECT_EQ(f.CheckBox14->text(), QStringLiteral("Raumgeraden  Ce - Ju"));
    EXPECT_EQ(f.startfeld->klasse(), 2) << "a minor planet takes part";

    // Off: Ceres keeps its mark but no longer counts.
    h.a(Menuepunkt::Kleinplaneten1)->trigger();
    EXPECT_TRUE(f.koerperBox(10)->isChecked() && !f.koerperBox(10)->isEnabled());
    EXPECT_EQ(f.planeten(), (std::array<int, 3>{5, 6, 10})) << "fewer than three without Ceres: kept";
    EXPECT_EQ(f.GroupBoxKP->toolTip(), QStringLiteral(" Kleinplaneten können im Menü 'Extras' aktiviert werden "
                                                      "(nicht bei hoher Genauigkeit) "));
    EXPECT_FALSE(f.eingabe().kleinplaneten);
}

TEST_F(Drei, ImmediateResultHighAccuracyAndTheMidPointItems)
{
    MitHauptfenster h;
    ui::TForm3Pl& f = *h.dlg;
    f.show(); // follows the menu items from now on
    EXPECT_EQ(shell::Startfelder::von(&h.form1).feld(shell::Darstellung::DreiPlaneten), f.startfeld);

    h.schalten(Menuepunkt::sofort1);
    EXPECT_FALSE(f.CheckBoxDreieck->isEnabled());
    h.a(Menuepunkt::sofort1)->trigger();
    EXPECT_TRUE(f.CheckBoxDreieck->isEnabled());

    QAction* punkteMenue = h.a(Menuepunkt::PunteLinien);
    ASSERT_TRUE(punkteMenue);
    klick(f.punkte[1]);
    EXPECT_TRUE(punkteMenue->isEnabled() && h.a(Menuepunkt::Linienzug1)->isEnabled());
    klick(f.punkte[2]);
    EXPECT_FALSE(punkteMenue->isEnabled() || h.a(Menuepunkt::LinieundPunkte1)->isEnabled());

    for (int b : {2, 3, 4, 5, 6, 7})
        box(f, b);
    ASSERT_EQ(f.startfeld->klasse(), 1);
    h.schalten(Menuepunkt::Genauigkeit1);
    EXPECT_EQ(f.startfeld->klasse(), 3);
    EXPECT_EQ(f.Edit11->toolTip(), QStringLiteral(" muß zwischen -2600000 und +2000000 liegen "));
    h.a(Menuepunkt::Genauigkeit1)->trigger();
    EXPECT_EQ(f.startfeld->klasse(), 1);
}

// The main menu's shortcuts reach the main window from the dialog too:
// Ctrl+K with the focus on one of the dialog's boxes switches the minor
// planets.
TEST_F(Drei, DieKurztastenDesHauptmenuesWirkenAuchImDialog)
{
    MitHauptfenster h;
    h.form1.show();
    ui::TForm3Pl& f = *h.dlg;
    QAction* klein = h.a(Menuepunkt::Kleinplaneten1);
    ASSERT_TRUE(klein);
    ASSERT_EQ(klein->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
    klein->setEnabled(true);
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    f.CheckBoxDreieck->setFocus();
    QTest::keyClick(f.CheckBoxDreieck, Qt::Key_K, Qt::ControlModifier);
    EXPECT_TRUE(klein->isChecked());
    EXPECT_TRUE(f.koerperBox(10)->isEnabled());
    QTest::keyClick(f.CheckBoxDreieck, Qt::Key_K, Qt::ControlModifier);
    EXPECT_FALSE(klein->isChecked());
}
