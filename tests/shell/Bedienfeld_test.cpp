// The control panel beside the real main window: where the focus goes when a
// run starts, and where the panel stands.
#include "shell/TForm1.h"
#include "shell/TFormBedienfeld.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include "../gemeinsam/Dauerlauf.h"

#include <gtest/gtest.h>

using namespace shell;

namespace {

struct Panel : ::testing::Test {
    std::unique_ptr<TForm1> f;
    void SetUp() override
    {
        f = std::make_unique<TForm1>();
        f->zeitfaktor = 0.001;
        f->engine().registrieren(Darstellung::Ueberblick, std::make_unique<testlauf::Dauerlauf>());
        f->resize(800, 600);
        f->show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !f->zustand().Startphase; }, 5000));
    }
    void TearDown() override
    {
        f->zustand().EinstellungenGeaendert = false;
        f->close();
        f.reset();
    }
};

// After Start the focus is on the panel's buttons, not in the tempo field
// (which would keep Ctrl+A and the other menu keys to itself); the space bar
// on that button pauses instead of pressing it.
TEST_F(Panel, NachStartLiegtDerFokusAufDenKnoepfen)
{
    TFormBedienfeld* feld = f->bedienfeld();
    QWidget* fokusImLauf = nullptr;
    bool pauseNachLeertaste = false, laufNachLeertaste = false;
    QTimer::singleShot(100, [&] {
        fokusImLauf = feld->focusWidget();
        ASSERT_TRUE(fokusImLauf);
        QTest::keyClick(fokusImLauf, Qt::Key_Space);
        pauseNachLeertaste = f->zustand().PauseAktiv;
        laufNachLeertaste = f->zustand().LaufAktiv;
        QTest::keyClick(fokusImLauf, Qt::Key_Space);
        f->engine().beenden();
    });
    QTest::mouseClick(feld->startKnopf(), Qt::LeftButton); // returns when the run has ended
    EXPECT_NE(fokusImLauf, feld->tempoFeld());
    EXPECT_TRUE(fokusImLauf == feld->beendenKnopf() || fokusImLauf == feld->pauseKnopf());
    EXPECT_TRUE(pauseNachLeertaste && laufNachLeertaste);
    EXPECT_FALSE(f->zustand().LaufAktiv);
    // Idle, the space bar on a focused button presses it as usual.
    int gedrueckt = 0;
    QObject::connect(feld, &TFormBedienfeld::neueEingabeGedrueckt, [&] { ++gedrueckt; });
    feld->neueEingabeKnopf()->setFocus();
    QTest::keyClick(feld->neueEingabeKnopf(), Qt::Key_Space);
    EXPECT_EQ(gedrueckt, 1);
}

// A main window with a menu bar taller than the design's, as larger fonts
// give it.
struct MitMenue {
    QMainWindow fenster;
    TFormBedienfeld* feld = new TFormBedienfeld(&fenster);
    MitMenue()
    {
        fenster.menuBar()->addMenu(QStringLiteral("Datei"));
        fenster.menuBar()->setFixedHeight(80);
        fenster.setGeometry(40, 30, 700, 500);
        fenster.show();
    }
    QRect frei() const { return fenster.screen()->availableGeometry(); }
};

// The panel opens below the menu bar, never over it, and inside the screen.
TEST(Bedienfeldort, UnterDerMenueleiste)
{
    MitMenue m;
    m.feld->show();
    const int menueUnten = m.fenster.menuBar()->mapToGlobal(QPoint(0, m.fenster.menuBar()->height())).y();
    EXPECT_GE(m.feld->frameGeometry().top(), menueUnten);
    EXPECT_GE(m.feld->x(), m.fenster.x());
    EXPECT_TRUE(m.frei().contains(m.feld->frameGeometry().topLeft()));
    EXPECT_FALSE(m.feld->verschoben());
    // The menus appear after the panel (the end of the start phase): the
    // panel keeps below the bar as it grows.
    m.fenster.menuBar()->setFixedHeight(120);
    QCoreApplication::processEvents();
    EXPECT_GE(m.feld->frameGeometry().top(), menueUnten + 40);
    EXPECT_FALSE(m.feld->verschoben());
    // Hidden and shown again (Ctrl+B) it stays where it was.
    m.feld->move(m.feld->pos() + QPoint(30, 40));
    EXPECT_TRUE(m.feld->verschoben());
    const QPoint dort = m.feld->pos();
    m.feld->hide();
    m.feld->show();
    EXPECT_EQ(m.feld->pos(), dort);
}

// The place the user left it at is taken when it lies on a screen; one
// beyond every screen (a screen no longer attached) gives the place below
// the menu bar; a place too near the edge is pulled inside.
TEST(Bedienfeldort, GemerkterOrtInnerhalbDesBildschirms)
{
    {
        MitMenue m;
        m.feld->ortVorgeben(QPoint(300, 120));
        m.feld->show();
        EXPECT_EQ(m.feld->pos(), QPoint(300, 120));
        EXPECT_FALSE(m.feld->verschoben());
    }
    {
        MitMenue m;
        m.feld->ortVorgeben(QPoint(20000, 20000));
        m.feld->show();
        EXPECT_GE(m.feld->y(), m.fenster.menuBar()->mapToGlobal(QPoint(0, 80)).y());
        EXPECT_TRUE(m.frei().contains(m.feld->frameGeometry().topLeft()));
    }
    {
        MitMenue m;
        const QRect frei = m.frei();
        m.feld->ortVorgeben(QPoint(frei.right() - 10, frei.top() + 10));
        m.feld->show();
        EXPECT_LE(m.feld->frameGeometry().right(), frei.right());
        EXPECT_EQ(m.feld->y(), frei.top() + 10);
    }
}

} // namespace
