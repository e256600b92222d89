// The frame the window shows, drawn once more onto another surface through a
// real two-planet run: the same pixels as the window's (cached) back buffer,
// and no trace in the run: the rows written, the counters and the final
// picture are those of a run without redraws.
#include "TestHost.h"

#include "shell/Hauptprozedur.h"
#include "shell/QtZeichenflaeche.h"
#include "shell/ZweiPlanetenAblauf.h"

#include <gtest/gtest.h>

#include <memory>

using namespace shell;

namespace {

// The window's canvas, as the host's surface.
struct BildHost : testhost::TestHost {
    QtZeichenflaeche echt{360, 270};
    figures::Zeichenflaeche& flaeche() override { return echt; }
};

// The same canvas without its cache: what an export draws onto.
struct OhneCache : QtZeichenflaeche {
    using QtZeichenflaeche::QtZeichenflaeche;
    bool zwischenspeicherMoeglich() const override { return false; }
};

struct Nachzeichnen : ::testing::Test {
    Laufzustand z;
    Laufkonfiguration k;
    BildHost host;
    figures::Ansicht ansicht;
    figures::Einstellungen einstellungen;
    astro::Zeilenspeicher zeilen;
    astro::Datenausgabe daten;
    std::unique_ptr<Hauptprozedur> engine;

    void SetUp() override
    {
        z.Startphase = false;
        z.StartBildschirmBreite = 1024;
        z.StartBildschirmHoehe = 768;
        z.StartFarbtiefe = 32;
        z.BeispielModus = true;
        k.beispielSchrittgrenze = 150;
        k.menueDarstellung = Darstellung::ZweiPlaneten;
        engine = std::make_unique<Hauptprozedur>(z, k, host);
        host.konfiguration = &k;
        engine->ansicht = &ansicht;
        engine->einstellungen = &einstellungen;
        engine->rechner = std::make_shared<astro::Positionsrechner>();
        daten.zielSetzen(&zeilen);
        engine->datenausgabe = &daten;
        auto a = std::make_unique<ZweiPlanetenAblauf>();
        a->eingabe.planet1 = 2;
        a->eingabe.planet2 = 3;
        a->eingabe.schrittweite = 10;
        a->eingabe.raumgeraden = true;
        a->eingabe.konjunktionsstern = true;
        engine->registrieren(Darstellung::ZweiPlaneten, std::move(a));
    }
};

struct Zaehlerstand {
    int schritt, konj, oppo;
    double tag;
    bool pause, neu, fertig;
    bool operator==(const Zaehlerstand&) const = default;
};
Zaehlerstand StandVon(const Laufzustand& z)
{
    return {z.Schritt, z.KonjIndex, z.OppoIndex, z.AktuellerTag, z.PauseAktiv, z.EreignisNeu, z.FigurFertig};
}

} // namespace

TEST_F(Nachzeichnen, GleicheBildpunkteUndKeineSpurImLauf)
{
    // A run without redraws: its rows and its last picture.
    host.beimPumpen = [&](int) {
        if (z.FigurFertig)
            engine->beenden();
    };
    engine->ausfuehren();
    const std::vector<std::string> zeilenOhne = zeilen.zeilen;
    const QImage bildOhne = host.echt.bild().copy();
    ASSERT_GE(zeilenOhne.size(), 3u) << "the run passes conjunctions";

    // The same run, redrawn between every two steps, paused for a while and
    // complete at the end.
    zeilen.zeilen.clear();
    z.BeispielModus = true; // Beenden cleared it
    int verglichen = 0, fertigVerglichen = 0;
    host.beimPumpen = [&, erster = host.pumps](int n) {
        const int i = n - erster;
        if (i == 40 || i == 55)
            engine->pauseUmschalten();
        // Before the first frame (the pre-calculation pumps too) there is
        // nothing to draw again.
        if (!engine->bildNachzeichenbar())
            return;
        const Zaehlerstand vorher = StandVon(z);
        const size_t zeilenVorher = zeilen.zeilen.size();
        OhneCache kopie(host.echt.breite(), host.echt.hoehe());
        EXPECT_TRUE(engine->bildNachzeichnen(kopie)) << "pump " << i;
        EXPECT_TRUE(kopie.bild() == host.echt.bild()) << "pump " << i << ", step " << z.Schritt;
        EXPECT_EQ(StandVon(z), vorher) << "pump " << i;
        EXPECT_EQ(zeilen.zeilen.size(), zeilenVorher) << "pump " << i;
        ++verglichen;
        if (z.FigurFertig && ++fertigVerglichen > 3)
            engine->beenden();
    };
    engine->ausfuehren();
    EXPECT_GT(verglichen, 150); // every step, the paused and the complete figure
    EXPECT_EQ(zeilen.zeilen, zeilenOhne);
    EXPECT_TRUE(host.echt.bild() == bildOhne);

    // After Beenden the run's arrays are gone: nothing to draw again.
    OhneCache kopie(host.echt.breite(), host.echt.hoehe());
    EXPECT_FALSE(engine->bildNachzeichenbar());
    EXPECT_FALSE(engine->bildNachzeichnen(kopie));
}

TEST_F(Nachzeichnen, NichtAufEineFlaecheMitCacheUndNichtBeiDrehendenFiguren)
{
    bool mitCache = true, drehend = true;
    host.beimPumpen = [&](int n) {
        if (n == 20) {
            QtZeichenflaeche zweite(host.echt.breite(), host.echt.hoehe());
            mitCache = engine->bildNachzeichnen(zweite);
            // Kept figures turning: the paused loop does not draw them, and
            // neither does an export.
            k.drehungDerFiguren = true;
            const int figuren = z.FigurenAnzahl;
            z.FigurenAnzahl = -1;
            drehend = engine->bildNachzeichenbar();
            z.FigurenAnzahl = figuren;
            k.drehungDerFiguren = false;
            engine->beenden();
        }
    };
    engine->ausfuehren();
    EXPECT_FALSE(mitCache);
    EXPECT_FALSE(drehend);
}
