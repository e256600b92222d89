// The real main window and control panel on the offscreen platform, driven
// with real key and mouse events.
#include "shell/Bedienlogik.h"
#include "shell/TForm1.h"
#include "shell/TFormBedienfeld.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QRadioButton>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>

#include "../gemeinsam/Dauerlauf.h"

#include <gtest/gtest.h>

using namespace shell;

namespace {

// A main window past its start phase (the start text is shown in a
// thousandth of its time).
struct Fenster : ::testing::Test {
    std::unique_ptr<TForm1> f;
    void SetUp() override
    {
        f = std::make_unique<TForm1>();
        f->zeitfaktor = 0.001;
        // One representation item, as the program's table of representations
        // adds them, and runs that go on until they are ended.
        f->darstellungAnlegen(Darstellung::ZweiPlaneten, "menu.2planeten", "N2Planeten1", QKeySequence(Qt::Key_F2));
        f->engine().registrieren(Darstellung::Ueberblick, std::make_unique<testlauf::Dauerlauf>());
        f->engine().registrieren(Darstellung::ZweiPlaneten, std::make_unique<testlauf::Dauerlauf>());
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

TEST_F(Fenster, StartphaseEndetMitMenuesUndBedienfeld)
{
    EXPECT_FALSE(f->zustand().MysteriumModus);
    EXPECT_FALSE(f->zustand().LaufAktiv);
    EXPECT_TRUE(f->menue(Hauptmenue::Darstellung)->menuAction()->isVisible());
    EXPECT_TRUE(f->bedienfeld()->isVisible());
    EXPECT_TRUE(f->bedienfeld()->startKnopf()->isEnabled());
    EXPECT_EQ(f->bedienfeld()->drehungX(), 60);
    EXPECT_EQ(f->bedienfeld()->drehungY(), 30);
    // The surface shows black after the start text.
    const QImage& b = f->zeichenflaecheWidget()->gezeigt();
    ASSERT_FALSE(b.isNull());
    EXPECT_EQ(b.pixel(b.width() / 2, b.height() / 4) & 0xFFFFFF, 0u);
}

TEST_F(Fenster, StartPauseBeendenTreibenEinenLauf)
{
    auto* feld = f->bedienfeld();
    feld->tempoFeld()->setText(QStringLiteral("9"));
    int schritteBeiPause = -1;
    QTimer::singleShot(150, [&] {
        EXPECT_TRUE(f->zustand().LaufAktiv);
        EXPECT_FALSE(feld->startKnopf()->isEnabled());
        EXPECT_TRUE(feld->pauseKnopf()->isEnabled());
        QTest::mouseClick(feld->pauseKnopf(), Qt::LeftButton);
        schritteBeiPause = f->zustand().Schritt;
    });
    QTimer::singleShot(350, [&] {
        EXPECT_TRUE(f->zustand().PauseAktiv);
        EXPECT_LE(std::abs(f->zustand().Schritt - schritteBeiPause), 1);
        EXPECT_FALSE(feld->zeitLabel()->text().isEmpty());
        QTest::mouseClick(feld->beendenKnopf(), Qt::LeftButton);
    });
    QTest::mouseClick(feld->startKnopf(), Qt::LeftButton); // returns when the run has ended
    EXPECT_FALSE(f->zustand().LaufAktiv);
    EXPECT_GT(schritteBeiPause, 0);
    EXPECT_TRUE(feld->startKnopf()->isEnabled());
    EXPECT_FALSE(feld->pauseKnopf()->isEnabled());
    EXPECT_TRUE(f->darstellungsAktion(Darstellung::ZweiPlaneten)->isEnabled());
}

TEST_F(Fenster, TastaturEnterStartetEscapeBeendet)
{
    // The start phase is over and its animation was not skipped: the first
    // Escape of the first run ends it all the same.
    f->zustand().AnimationUeberspringen = false;
    QTimer::singleShot(100, [&] {
        // Enter during a run does nothing.
        QTest::keyClick(f->zeichenflaecheWidget(), Qt::Key_Return);
        EXPECT_TRUE(f->zustand().LaufAktiv);
        QTest::keyClick(f->zeichenflaecheWidget(), Qt::Key_Escape);
        EXPECT_FALSE(f->zustand().LaufAktiv);
    });
    f->zeichenflaecheWidget()->setFocus();
    QTest::keyClick(f->zeichenflaecheWidget(), Qt::Key_Return);
    EXPECT_FALSE(f->zustand().LaufAktiv);
}

TEST_F(Fenster, LeertasteSchaltetPause)
{
    QTimer::singleShot(100, [&] {
        QTest::keyClick(f->zeichenflaecheWidget(), Qt::Key_Space);
        EXPECT_TRUE(f->zustand().PauseAktiv);
        QTest::keyClick(f->zeichenflaecheWidget(), Qt::Key_Space);
        EXPECT_FALSE(f->zustand().PauseAktiv);
        f->engine().beenden();
    });
    f->startDruecken();
    EXPECT_FALSE(f->zustand().LaufAktiv);
}

TEST_F(Fenster, GroesseZentriertUndVergisstVerschiebung)
{
    auto& z = f->zustand();
    z.VerschiebungX = 40;
    z.VerschiebungY = -12;
    f->FormResize(1001, 701);
    EXPECT_EQ(z.Breite, 1001);
    EXPECT_EQ(z.Hoehe, 701);
    EXPECT_EQ(z.MitteX, 500);
    EXPECT_EQ(z.MitteY, 350);
    EXPECT_EQ(z.VerschiebungX, 0);
    EXPECT_EQ(z.VerschiebungY, 0);
    EXPECT_DOUBLE_EQ(z.Hoehenfaktor, 701 / 600.0);
    EXPECT_TRUE(z.NeuZeichnen);
}

TEST_F(Fenster, ZentrumZiehenMitGreifquadrat)
{
    auto& z = f->zustand();
    auto* w = f->zeichenflaecheWidget();
    f->FormResize(w->width(), w->height());
    const QPoint mitte(z.MitteX, z.MitteY);
    // Just outside the grab square: no drag.
    QTest::mousePress(w, Qt::LeftButton, {}, mitte + QPoint(z.Greifradius, 0));
    EXPECT_FALSE(z.ZentrumZiehen);
    QTest::mouseRelease(w, Qt::LeftButton, {}, mitte + QPoint(z.Greifradius, 0));
    // Inside: the centre follows; beyond the edge it is pinned while the
    // offset keeps counting.
    QTest::mousePress(w, Qt::LeftButton, {}, mitte + QPoint(z.Greifradius - 1, 0));
    EXPECT_TRUE(z.ZentrumZiehen);
    QTest::mouseMove(w, mitte + QPoint(30, 20));
    EXPECT_EQ(z.MitteX, mitte.x() + 30);
    EXPECT_EQ(z.MitteY, mitte.y() + 20);
    QTest::mouseMove(w, QPoint(z.Breite + 50, z.MitteY));
    EXPECT_EQ(z.MitteX, z.Breite);
    EXPECT_GT(z.VerschiebungX, z.Breite / 2);
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(z.Breite, z.MitteY));
    EXPECT_FALSE(z.MausGedrueckt);
}

TEST_F(Fenster, SchliessenMitFrageUndAbbrechen)
{
    auto& z = f->zustand();
    z.EinstellungenGeaendert = true;
    int geschrieben = 0;
    f->einstellungenSchreiben = [&] { ++geschrieben; return true; };
    Antwort antwort = Antwort::Abbrechen;
    std::string frage;
    f->meldungsAntwort = [&](Meldungsart, const std::string&, const std::string& text) {
        frage = text;
        return antwort;
    };
    EXPECT_FALSE(f->close());
    EXPECT_TRUE(f->isVisible());
    EXPECT_NE(frage.find("save"), std::string::npos);
    EXPECT_EQ(geschrieben, 0);

    antwort = Antwort::Ja;
    EXPECT_TRUE(f->close());
    EXPECT_EQ(geschrieben, 1);
}

TEST_F(Fenster, SchliessenWaehrendEinesLaufsBeendetIhnZuerst)
{
    QTimer::singleShot(100, [&] { f->close(); });
    f->startDruecken();
    EXPECT_FALSE(f->zustand().LaufAktiv);
    EXPECT_FALSE(f->isVisible());
}

TEST_F(Fenster, BedienfeldTempoZoomUndDrehungen)
{
    auto* feld = f->bedienfeld();
    QLineEdit* tempo = feld->tempoFeld();
    auto tippe = [&](const char* text) {
        tempo->setText(QStringLiteral("3"));
        tempo->selectAll();
        QTest::keyClicks(tempo, text);
        return tempo->text();
    };
    EXPECT_EQ(tippe("0"), "1");
    EXPECT_EQ(tippe("12"), "1");
    EXPECT_EQ(tippe("7"), "7");
    EXPECT_EQ(tippe("a"), "3");  // letters never reach the field
    tempo->clear();              // an emptied field holds "1"
    EXPECT_EQ(tempo->text(), "1");
    tempo->setText(QStringLiteral("10"));
    EXPECT_EQ(feld->tempo(), 10);

    feld->zoomAktiv(true);
    feld->zoomRegler()->setValue(250);
    EXPECT_EQ(feld->zoomLabel()->text(), "2.5");
    EXPECT_FALSE(feld->einsZuEins()->isChecked());
    EXPECT_DOUBLE_EQ(f->zustand().Zoom, 2.5);
    QTest::mouseClick(feld->einsZuEins(), Qt::LeftButton);
    EXPECT_EQ(feld->zoomRegler()->value(), 100);
    EXPECT_TRUE(feld->einsZuEins()->isChecked());

    feld->setzeDrehungen(10, 20, 30);
    feld->activateWindow();
    QTest::keyClick(feld, 'x');
    EXPECT_EQ(feld->drehungX(), 13);
    QTest::keyClick(feld, 'C');
    EXPECT_EQ(feld->drehungZ(), 27);
    // "Drehungen = 0 setzen" twice restores the rotation.
    feld->nullsetzen()->click();
    EXPECT_EQ(feld->drehungX(), 0);
    EXPECT_DOUBLE_EQ(f->zustand().WinkelY, 0.0);
    feld->nullsetzen()->click();
    EXPECT_EQ(feld->drehungX(), 13);
    EXPECT_EQ(feld->drehungY(), 20);
    EXPECT_EQ(feld->drehungZ(), 27);
}

TEST_F(Fenster, BedienfeldSchliessenEntferntHaken)
{
    EXPECT_TRUE(f->bedienfeldAktion()->isChecked());
    f->bedienfeld()->close();
    EXPECT_FALSE(f->bedienfeldAktion()->isChecked());
    f->bedienfeldAktion()->trigger();
    EXPECT_TRUE(f->bedienfeld()->isVisible());
}

TEST(Bedienlogik, TempoUndZoomTexte)
{
    struct Fall { const char* ein; const char* aus; };
    for (const Fall& c : {Fall{"", "1"}, Fall{"0", "1"}, Fall{"11", "1"}, Fall{"99", "9"}, Fall{"10", "10"}, Fall{"5", "5"}})
        EXPECT_EQ(TempoKorrigieren(c.ein), c.aus) << "'" << c.ein << "'";
    EXPECT_EQ(TempoAusText("x"), 1);
    EXPECT_EQ(ZoomText(100), "1");
    EXPECT_EQ(ZoomText(10), "0.1");
    EXPECT_EQ(ZoomText(5000), "50");
    EXPECT_EQ(ZoomText(125), "1.25");
    EXPECT_EQ(ZoomEins(true), 1000);
}

} // namespace

// A representation that is not built yet: Start says so and runs nothing.
TEST_F(Fenster, NichtVerfuegbareDarstellungStartetNicht)
{
    std::vector<std::string> meldungen;
    f->meldungsAntwort = [&](Meldungsart, const std::string&, const std::string& text) {
        meldungen.push_back(text);
        return Antwort::Ok;
    };
    f->konfiguration().menueDarstellung = Darstellung::Rotationen;
    f->startDruecken();
    ASSERT_EQ(meldungen.size(), 1u);
    EXPECT_EQ(meldungen[0], sprache::T("lauf.nicht.verfuegbar"));
    EXPECT_FALSE(f->zustand().LaufAktiv);
    EXPECT_TRUE(f->bedienfeld()->startKnopf()->isEnabled());
}
