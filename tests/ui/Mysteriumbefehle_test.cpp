// The "Platon/Kepler" menu on the real main window: a solid starts its run
// in the solid mode with its preset and switches off what a solid does not
// offer, a representation gives it back; "Sterne einfarbig" and the panel's
// fill switch reach the run; Kepler's Mysterium runs inside the overview.
#include "shell/MysteriumAblauf.h"
#include "shell/TForm1.h"
#include "shell/TFormBedienfeld.h"
#include "ui/Darstellungen.h"
#include "ui/Darstellungsbefehle.h"
#include "ui/DatenausgabeMenues.h"
#include "ui/DatumMenues.h"
#include "ui/Menuebefehle.h"
#include "ui/Mysteriumbefehle.h"
#include "ui/TFormUe.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace shell;

namespace {

struct Platon : ::testing::Test {
    std::unique_ptr<TForm1> f;
    ui::Menuebefehle* m = nullptr;
    std::unique_ptr<ui::DatenausgabeMenues> da;
    std::unique_ptr<ui::DatumMenues> datum;
    std::vector<std::string> meldungen;

    void SetUp() override
    {
        f = std::make_unique<TForm1>();
        f->zeitfaktor = 0.001;
        f->meldungsAntwort = [this](Meldungsart, const std::string&, const std::string& text) {
            meldungen.push_back(text);
            return Antwort::Ok;
        };
        f->engine().rechner = std::make_shared<astro::Positionsrechner>();
        auto* r = new ui::Darstellungsregister(*f);
        m = new ui::Menuebefehle(*f);
        datum = std::make_unique<ui::DatumMenues>(*f);
        da = std::make_unique<ui::DatenausgabeMenues>(*f);
        new ui::Darstellungsbefehle(*f, *m, *r, da.get());
        // Without the start animation: the test starts past the start phase.
        f->konfiguration().boolAnfangsanimation = false;
        new ui::Mysteriumbefehle(*f, *m, 5);
        f->resize(640, 480);
        f->show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !f->zustand().Startphase; }, 5000));
    }
    void TearDown() override
    {
        f->zustand().EinstellungenGeaendert = false;
        f->close();
        datum.reset();
        da.reset();
        f.reset();
    }
    QAction* a(Menuepunkt p) { return f->aktionen()[p]; }
    // Runs the command and ends its run once it has drawn a few frames.
    void ausfuehren(Menuepunkt p, int ms = 150)
    {
        QTimer::singleShot(ms, [&] { f->engine().beenden(); });
        a(p)->trigger();
    }
};

TEST_F(Platon, KoerperStartetUndSchaltetAbRepraesentationGibtZurueck)
{
    ASSERT_TRUE(a(Menuepunkt::Oktaeder1)->isEnabled());
    const bool datumVorher = a(Menuepunkt::Datum1)->isEnabled();
    bool imLauf = false;
    QTimer::singleShot(100, [&] {
        imLauf = f->zustand().LaufAktiv && f->zustand().MysteriumModus;
        EXPECT_EQ(f->bedienfeld()->drehungX(), 80);
        EXPECT_EQ(f->bedienfeld()->zoomPosition(), 1000);
        EXPECT_TRUE(f->bedienfeld()->flaechenKnopf()->isVisible());
        EXPECT_FALSE(f->bedienfeld()->neueEingabeKnopf()->isEnabled());
    });
    ausfuehren(Menuepunkt::Oktaeder1);
    EXPECT_TRUE(imLauf);
    EXPECT_TRUE(f->konfiguration().koerper3D[static_cast<int>(Koerper3D::Oktaeder)]);
    for (Menuepunkt p : {Menuepunkt::Legende1, Menuepunkt::Massstab1, Menuepunkt::Tierkreis1, Menuepunkt::Datum1,
                         Menuepunkt::AusgabeKonj})
        EXPECT_FALSE(a(p)->isEnabled()) << shell::Komponentenname(p);
    EXPECT_FALSE(a(Menuepunkt::Legende1)->isChecked());
    // The overview gives the items back, with its own check marks.
    f->darstellungsAktion(Darstellung::Ueberblick)->trigger();
    EXPECT_FALSE(f->zustand().MysteriumModus);
    EXPECT_TRUE(a(Menuepunkt::Legende1)->isEnabled());
    EXPECT_TRUE(a(Menuepunkt::Legende1)->isChecked());
    EXPECT_TRUE(a(Menuepunkt::Tierkreis1)->isEnabled());
    EXPECT_EQ(a(Menuepunkt::Datum1)->isEnabled(), datumVorher);
    EXPECT_FALSE(a(Menuepunkt::Oktaeder1)->isChecked());
}

TEST_F(Platon, SterneEinfarbigUndFuellschalter)
{
    QAction* stern = a(Menuepunkt::Sterneeinfarbig1);
    EXPECT_TRUE(stern->isChecked());
    EXPECT_TRUE(f->konfiguration().sterneEinfarbig);
    stern->trigger();
    EXPECT_FALSE(f->konfiguration().sterneEinfarbig);
    EXPECT_EQ(stern->text(), QString::fromUtf8("Stars multicoloured"));
    stern->trigger();
    EXPECT_TRUE(f->konfiguration().sterneEinfarbig);
    f->bedienfeld()->linienKnopf()->click();
    EXPECT_TRUE(f->konfiguration().nurLinien);
    f->bedienfeld()->flaechenKnopf()->click();
    EXPECT_FALSE(f->konfiguration().nurLinien);
}

TEST_F(Platon, MetamorphoseMitTempoUndGesperrtemZoom)
{
    f->bedienfeld()->tempoFeld()->setText(QStringLiteral("9"));
    bool geprueft = false;
    QTimer::singleShot(100, [&] {
        geprueft = true;
        EXPECT_EQ(f->bedienfeld()->tempoFeld()->text(), QStringLiteral("3"));
        EXPECT_FALSE(f->bedienfeld()->zoomRegler()->isEnabled());
        EXPECT_FALSE(f->bedienfeld()->flaechenKnopf()->isVisible());
        EXPECT_TRUE(f->bedienfeld()->pauseKnopf()->isEnabled());
    });
    ausfuehren(Menuepunkt::Metamorphose1, 300);
    EXPECT_TRUE(geprueft);
    EXPECT_TRUE(f->konfiguration().metamorphose);
}

TEST_F(Platon, KeplersMysteriumImUeberblick)
{
    bool geprueft = false;
    QTimer::singleShot(150, [&] {
        geprueft = true;
        EXPECT_TRUE(f->zustand().LaufAktiv);
        EXPECT_FALSE(f->zustand().MysteriumModus);
        EXPECT_EQ(f->bedienfeld()->drehungX(), 75);
        EXPECT_EQ(f->bedienfeld()->drehungY(), 40);
        EXPECT_TRUE(f->bedienfeld()->nurBahnenBox()->isVisible());
        EXPECT_EQ(f->zustand().Starttag, -147724);
    });
    ausfuehren(Menuepunkt::Mysterium1, 400);
    EXPECT_TRUE(geprueft);
    EXPECT_TRUE(meldungen.empty()) << meldungen.front();
    EXPECT_TRUE(f->konfiguration().keplersMysterium);
    EXPECT_EQ(f->konfiguration().menueDarstellung, Darstellung::Ueberblick);
    EXPECT_TRUE(a(Menuepunkt::SonneZentrum1)->isChecked());
    EXPECT_FALSE(a(Menuepunkt::Legende1)->isChecked());
    EXPECT_FALSE(a(Menuepunkt::Tierkreis1)->isEnabled());
    EXPECT_TRUE(f->konfiguration().nurLinien);
    // "nur Bahnen drehen" reaches the run configuration.
    f->bedienfeld()->nurBahnenBox()->click();
    EXPECT_TRUE(f->konfiguration().nurBahnenDrehen);
}

// The space bar pauses the Metamorphose as the panel's Pause button does, on
// the drawing surface and in the panel's tempo field alike; a solid, which
// offers no Pause, is not paused by it.
TEST_F(Platon, LeertastePausiertDieMetamorphoseWieDerKnopf)
{
    std::vector<bool> pausen;
    QTimer::singleShot(150, [&] {
        EXPECT_TRUE(f->zustand().FigurFertig) << "the Metamorphose is complete at its first frame";
        EXPECT_TRUE(f->bedienfeld()->pauseKnopf()->isEnabled());
        QTest::keyClick(f->zeichenflaecheWidget(), Qt::Key_Space);
        pausen.push_back(f->zustand().PauseAktiv);
        QTest::keyClick(f->zeichenflaecheWidget(), Qt::Key_Space);
        pausen.push_back(f->zustand().PauseAktiv);
        QTest::keyClick(f->bedienfeld()->tempoFeld(), Qt::Key_Space);
        pausen.push_back(f->zustand().PauseAktiv);
        f->bedienfeld()->pauseKnopf()->click();
        pausen.push_back(f->zustand().PauseAktiv);
    });
    ausfuehren(Menuepunkt::Metamorphose1, 300);
    EXPECT_EQ(pausen, (std::vector<bool>{true, false, true, false}));

    bool pausiert = true;
    QTimer::singleShot(100, [&] {
        EXPECT_FALSE(f->bedienfeld()->pauseKnopf()->isEnabled());
        QTest::keyClick(f->zeichenflaecheWidget(), Qt::Key_Space);
        pausiert = f->zustand().PauseAktiv;
    });
    ausfuehren(Menuepunkt::Hexaeder1, 200);
    EXPECT_FALSE(pausiert);
}

// Started in lines mode, the Metamorphose fills the faces from phase 4 on:
// it sets the panel's switch, so the next solid is drawn filled, as the
// panel then shows.
TEST_F(Platon, MetamorphoseStelltDenFuellschalterDesBedienfelds)
{
    f->bedienfeld()->linienKnopf()->click();
    ASSERT_TRUE(f->konfiguration().nurLinien);
    auto* ablauf = dynamic_cast<MysteriumAblauf*>(f->engine().ablauf(Darstellung::Mysterium));
    ASSERT_NE(ablauf, nullptr);
    bool linienInPhase3 = false;
    QTimer warten;
    QObject::connect(&warten, &QTimer::timeout, [&] {
        const int phase = ablauf->metamorphose().phase();
        if (phase == 3)
            linienInPhase3 = f->bedienfeld()->linienKnopf()->isChecked() && f->konfiguration().nurLinien;
        if (phase >= 5 || !f->zustand().LaufAktiv)
            f->engine().beenden();
    });
    warten.start(1);
    QTimer::singleShot(20000, [&] { f->engine().beenden(); });
    // Tempo 10 (the command sets 3): no wait between the frames.
    QTimer::singleShot(0, [&] { f->bedienfeld()->tempoFeld()->setText(QStringLiteral("10")); });
    a(Menuepunkt::Metamorphose1)->trigger();
    warten.stop();
    EXPECT_GE(ablauf->metamorphose().phase(), 4);
    EXPECT_TRUE(linienInPhase3) << "phases 1 to 3 keep the lines";
    EXPECT_TRUE(f->bedienfeld()->flaechenKnopf()->isChecked());
    EXPECT_FALSE(f->konfiguration().nurLinien);

    // The next solid shows the switch as it is and is drawn from it.
    bool gefuellt = false;
    QTimer::singleShot(100, [&] {
        gefuellt = f->bedienfeld()->flaechenKnopf()->isVisible() && f->bedienfeld()->flaechenKnopf()->isChecked() &&
                   !f->konfiguration().nurLinien;
        f->engine().beenden();
    });
    a(Menuepunkt::Hexaeder1)->trigger();
    EXPECT_TRUE(gefuellt);
}

} // namespace
