// The program's first minute on the real main window, built as the program
// entry builds it, with the start animation: a click or any key skips the
// animation and does nothing else, and once the start phase is over the
// first Escape of a run ends that run.
#include "shell/TForm1.h"
#include "shell/TFormBedienfeld.h"
#include "ui/Darstellungen.h"
#include "ui/Darstellungsbefehle.h"
#include "ui/DatenausgabeMenues.h"
#include "ui/DatumMenues.h"
#include "ui/Menuebefehle.h"
#include "ui/Mysteriumbefehle.h"
#include "ui/TForm2Pl.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace shell;

namespace {

struct Programmbeginn {
    std::unique_ptr<TForm1> f;
    ui::Menuebefehle* m = nullptr;
    std::unique_ptr<ui::DatumMenues> datum;
    std::unique_ptr<ui::DatenausgabeMenues> da;

    // `zeitfaktor` scales every wait of the start phase (1: real time).
    explicit Programmbeginn(double zeitfaktor)
    {
        f = std::make_unique<TForm1>();
        f->zeitfaktor = zeitfaktor;
        f->meldungsAntwort = [](Meldungsart, const std::string&, const std::string&) { return Antwort::Ok; };
        f->engine().rechner = std::make_shared<astro::Positionsrechner>();
        auto* r = new ui::Darstellungsregister(*f);
        m = new ui::Menuebefehle(*f);
        datum = std::make_unique<ui::DatumMenues>(*f);
        da = std::make_unique<ui::DatenausgabeMenues>(*f);
        new ui::Darstellungsbefehle(*f, *m, *r, da.get());
        new ui::Mysteriumbefehle(*f, *m, 11);
        f->resize(640, 480);
    }
    ~Programmbeginn()
    {
        f->zustand().EinstellungenGeaendert = false;
        f->close();
        da.reset();
        datum.reset();
        f.reset();
    }
    // Shows the window; its first paint runs the start phase, which returns
    // when the idle program is there.
    bool startphaseDurchlaufen(int ms = 60000)
    {
        f->show();
        return QTest::qWaitFor([&] { return !f->zustand().Startphase; }, ms);
    }
};

} // namespace

// What the new user did: wait for the start animation to end by itself,
// F2, "Eingabe okay", Start, Escape. The one Escape ends the run.
TEST(Startphase, ErstesEscapeNachDerAnimationBeendetDenLauf)
{
    Programmbeginn p(0.001);
    TForm1& f = *p.f;
    ASSERT_TRUE(p.startphaseDurchlaufen());
    ASSERT_FALSE(f.zustand().AnimationUeberspringen) << "the animation ended by itself";
    ASSERT_TRUE(f.menue(Hauptmenue::Darstellung)->menuAction()->isVisible());

    QTest::keyClick(&f, Qt::Key_F2);
    auto* dialog = f.findChild<ui::TForm2Pl*>(QStringLiteral("TForm2Pl"));
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(dialog->isVisible());
    QTest::mouseClick(dialog->Button4, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());

    bool liefVorEscape = false, liefNachEscape = true;
    QTimer::singleShot(200, &f, [&] {
        liefVorEscape = f.zustand().LaufAktiv;
        QTest::keyClick(f.zeichenflaecheWidget(), Qt::Key_Escape);
        liefNachEscape = f.zustand().LaufAktiv;
    });
    // A run the Escape did not stop ends here, so the test does not hang.
    QTimer::singleShot(3000, &f, [&] { f.engine().beenden(); });
    QTest::mouseClick(f.bedienfeld()->startKnopf(), Qt::LeftButton); // returns when the run has ended
    EXPECT_TRUE(liefVorEscape);
    EXPECT_FALSE(liefNachEscape) << "the first Escape of the first run ends it";
    EXPECT_TRUE(f.bedienfeld()->startKnopf()->isEnabled());
}

// A click, any key, Space or Escape skips the running animation; a second
// Escape during the start phase does not end the start phase half-way (the
// menus and the panel still come).
enum class Eingriff { Mausklick, Buchstabe, Leertaste, Umschalttaste, Escape, ZweimalEscape };

class StartphaseUeberspringen : public ::testing::TestWithParam<Eingriff> {};

TEST_P(StartphaseUeberspringen, DieAnimationEndet)
{
    Programmbeginn p(1.0);
    TForm1& f = *p.f;
    bool warAnimation = false, uebersprungen = false;
    QTimer::singleShot(400, &f, [&] {
        warAnimation = f.zustand().Startphase && f.zustand().LaufAktiv;
        QWidget* w = f.zeichenflaecheWidget();
        switch (GetParam()) {
        case Eingriff::Mausklick: QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(100, 100)); break;
        case Eingriff::Buchstabe: QTest::keyClick(w, Qt::Key_A); break;
        case Eingriff::Leertaste: QTest::keyClick(w, Qt::Key_Space); break;
        case Eingriff::Umschalttaste: QTest::keyClick(w, Qt::Key_Shift); break;
        case Eingriff::Escape: QTest::keyClick(w, Qt::Key_Escape); break;
        case Eingriff::ZweimalEscape:
            QTest::keyClick(w, Qt::Key_Escape);
            QTest::keyClick(w, Qt::Key_Escape);
            break;
        }
        uebersprungen = f.zustand().AnimationUeberspringen;
        // The rest of the start phase (the start text) in no time.
        f.zeitfaktor = 0.001;
    });
    ASSERT_TRUE(p.startphaseDurchlaufen());
    EXPECT_TRUE(warAnimation);
    EXPECT_TRUE(uebersprungen);
    EXPECT_FALSE(f.zustand().LaufAktiv);
    EXPECT_TRUE(f.menue(Hauptmenue::Darstellung)->menuAction()->isVisible());
    EXPECT_TRUE(f.bedienfeld()->isVisible());
    EXPECT_TRUE(f.bedienfeld()->startKnopf()->isEnabled());
}

std::string EingriffName(const ::testing::TestParamInfo<Eingriff>& i)
{
    static const char* const namen[] = {"Mausklick", "Buchstabe", "Leertaste", "Umschalttaste", "Escape",
                                        "ZweimalEscape"};
    return namen[static_cast<int>(i.param)];
}

INSTANTIATE_TEST_SUITE_P(Eingriffe, StartphaseUeberspringen,
                         ::testing::Values(Eingriff::Mausklick, Eingriff::Buchstabe, Eingriff::Leertaste,
                                           Eingriff::Umschalttaste, Eingriff::Escape, Eingriff::ZweimalEscape),
                         EingriffName);
