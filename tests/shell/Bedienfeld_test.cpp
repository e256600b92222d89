// The control panel beside the real main window: where the focus goes when a
// run starts, and where the panel stands.
#include "shell/TForm1.h"
#include "shell/TFormBedienfeld.h"

#include <QApplication>
#include <QLineEdit>
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

} // namespace
