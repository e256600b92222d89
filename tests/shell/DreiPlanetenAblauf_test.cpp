// "3 Planeten" through the engine: fewer than three bodies become Venus,
// Earth and Mars and the dialog is told; a run ends when its events have
// passed, each with its row once; "Ergebnis sofort" shows them in one frame.
#include "TestHost.h"

#include "shell/DreiPlanetenAblauf.h"
#include "shell/Hauptprozedur.h"

#include <gtest/gtest.h>

#include <memory>

using namespace shell;
using testhost::TestHost;

namespace {

struct DreiPlanetenLauf : ::testing::Test {
    Laufzustand z;
    Laufkonfiguration k;
    TestHost host;
    figures::Ansicht ansicht;
    figures::Einstellungen einstellungen;
    astro::Zeilenspeicher zeilen;
    astro::Datenausgabe daten;
    std::unique_ptr<Hauptprozedur> engine;
    DreiPlanetenAblauf* ablauf = nullptr;
    std::array<bool, 22> gemeldet{};
    int meldungen = 0;

    void SetUp() override
    {
        z.Startphase = false;
        z.StartBildschirmBreite = 1024;
        z.StartBildschirmHoehe = 768;
        z.StartFarbtiefe = 32;
        z.BeispielModus = true;
        k.beispielKonstellationsgrenze = 6;
        k.menueDarstellung = Darstellung::DreiPlaneten;
        engine = std::make_unique<Hauptprozedur>(z, k, host);
        host.konfiguration = &k;
        host.tempo = 10;
        engine->ansicht = &ansicht;
        engine->einstellungen = &einstellungen;
        engine->rechner = std::make_shared<astro::Positionsrechner>();
        daten.zielSetzen(&zeilen);
        engine->datenausgabe = &daten;
        auto a = std::make_unique<DreiPlanetenAblauf>();
        ablauf = a.get();
        ablauf->koerperKorrigiert = [this](const std::array<bool, 22>& b) {
            gemeldet = b;
            ++meldungen;
        };
        engine->registrieren(Darstellung::DreiPlaneten, std::move(a));
    }
    void laufen()
    {
        host.beimPumpen = [&](int) {
            if (z.FigurFertig)
                engine->beenden();
        };
        engine->ausfuehren();
    }
    int ereigniszeilen() const
    {
        int n = 0;
        for (const auto& zeile : zeilen.zeilen)
            n += zeile.size() > 2 && zeile[0] >= '1' && zeile[0] <= '9' && zeile[1] == '\t';
        return n;
    }
};

} // namespace

TEST_F(DreiPlanetenLauf, ZuWenigeKoerperWerdenVenusErdeMars)
{
    ablauf->eingabe.koerper.fill(false);
    ablauf->eingabe.koerper[3] = true;
    ablauf->eingabe.starttag = 4000;
    laufen();
    ASSERT_EQ(meldungen, 1);
    EXPECT_TRUE(gemeldet[2] && gemeldet[3] && gemeldet[4]);
    EXPECT_EQ(ablauf->figur().planeten(), (std::array<int, 3>{2, 3, 4}));
    EXPECT_EQ(z.Starttag, 0.0);
    EXPECT_TRUE(z.FigurFertig);
    EXPECT_EQ(z.Konstellationszahl, 6);
    EXPECT_EQ(ereigniszeilen(), 6);
}

TEST_F(DreiPlanetenLauf, ErgebnisSofortInEinemSchritt)
{
    k.ergebnisSofort = true;
    host.zahlAntwort = 5;
    laufen();
    EXPECT_EQ(meldungen, 0);
    EXPECT_EQ(z.Konstellationszahl, 5);
    EXPECT_GE(z.KonjIndex, 4); // the complete figure steps back to redraw it
    EXPECT_TRUE(z.FigurFertig);
    EXPECT_EQ(ereigniszeilen(), 5);
    // The clock stands at the last event.
    EXPECT_GE(z.AktuellerTag, ablauf->figur().ereignistag(4));
}

TEST_F(DreiPlanetenLauf, OhnePlanetenEinEreignisJeBild)
{
    // "Planeten nur zu Beginn" for two conjunctions, eight in all: the
    // slowed-down frames after the second (25 ms each at the fastest tempo)
    // bring one conjunction each instead of a step of a few days.
    k.beispielKonstellationsgrenze = 8;
    k.planetenNurZuBeginn = true;
    host.zahlAntwort = 2;
    laufen();
    EXPECT_EQ(z.NurBisIndex, 1);
    EXPECT_TRUE(z.FigurFertig);
    EXPECT_EQ(ereigniszeilen(), 8);
    int langsam = 0;
    for (int ms : host.schlafzeiten)
        langsam += ms == 25;
    EXPECT_GE(langsam, 6);
    EXPECT_LE(langsam, 8);
}

TEST_F(DreiPlanetenLauf, BehalteneFigurenEinEreignisJeBild)
{
    // Two kept figures: once they turn, every frame brings the next event.
    k.drehungDerFiguren = true;
    z.FigurenAnzahl = z.gemerkteFigurenAnzahl = 2;
    int bilderDanach = 0;
    host.beimPumpen = [&](int) {
        if (z.LaufAktiv && z.KonjIndex > z.FigurenAnzahl)
            ++bilderDanach;
        if (z.KonjIndex >= 8)
            engine->beenden();
    };
    engine->ausfuehren();
    EXPECT_GE(z.KonjIndex, 8);
    EXPECT_LE(bilderDanach, 8);
}
