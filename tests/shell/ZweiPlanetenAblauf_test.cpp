// "2 Planeten" through the engine: the rules it says (the loops lock the
// sliders), the count of "Ergebnis sofort" and its cancel, the end of a run
// at its step count with the events it passed and their rows, the end
// counters when the oppositions come first.
#include "TestHost.h"

#include "shell/Hauptprozedur.h"
#include "shell/ZweiPlanetenAblauf.h"
#include "sprache/Sprache.h"

#include <gtest/gtest.h>

#include <memory>

using namespace shell;
using testhost::TestHost;

namespace {

struct ZweiPlanetenLauf : ::testing::Test {
    Laufzustand z;
    Laufkonfiguration k;
    TestHost host;
    figures::Ansicht ansicht;
    figures::Einstellungen einstellungen;
    astro::Zeilenspeicher zeilen;
    astro::Datenausgabe daten;
    std::unique_ptr<Hauptprozedur> engine;
    ZweiPlanetenAblauf* ablauf = nullptr;

    void SetUp() override
    {
        z.Startphase = false;
        z.StartBildschirmBreite = 1024;
        z.StartBildschirmHoehe = 768;
        z.StartFarbtiefe = 32;
        k.menueDarstellung = Darstellung::ZweiPlaneten;
        engine = std::make_unique<Hauptprozedur>(z, k, host);
        host.konfiguration = &k;
        host.tempo = 10;
        engine->ansicht = &ansicht;
        engine->einstellungen = &einstellungen;
        engine->rechner = std::make_shared<astro::Positionsrechner>();
        daten.zielSetzen(&zeilen);
        engine->datenausgabe = &daten;
        auto a = std::make_unique<ZweiPlanetenAblauf>();
        ablauf = a.get();
        ablauf->eingabe.planet1 = 3; // given the wrong way round: Earth and Venus
        ablauf->eingabe.planet2 = 2;
        ablauf->eingabe.schrittweite = 10;
        engine->registrieren(Darstellung::ZweiPlaneten, std::move(a));
    }
    // Steps at most (as an example run sets them).
    void schritteHoechstens(int n)
    {
        z.BeispielModus = true;
        k.beispielSchrittgrenze = n;
    }
    // Runs until the figure is complete, then Beenden; the slider state and
    // the Beenden hint of the first pump are kept.
    bool drehAnImLauf = true;
    std::string hinweisImLauf;
    void laufen()
    {
        host.beimPumpen = [&, erster = host.pumps + 1](int n) {
            if (n == erster) {
                drehAnImLauf = host.drehAn;
                hinweisImLauf = host.beendenHinweis;
            }
            if (z.FigurFertig)
                engine->beenden();
        };
        engine->ausfuehren();
    }
};

} // namespace

TEST_F(ZweiPlanetenLauf, LaeuftBisZurSchrittzahlMitEreignissenUndZeilen)
{
    schritteHoechstens(300);
    ablauf->eingabe.konjunktionsstern = true;
    laufen();
    EXPECT_EQ(ablauf->laufEingabe().planet1, 2); // corrected: Venus inside
    EXPECT_EQ(ablauf->laufEingabe().planet2, 3);
    EXPECT_EQ(z.Schrittzahl, 300);
    EXPECT_TRUE(z.FigurFertig);
    EXPECT_NEAR(z.SynodischePeriode, 583.92, 0.01);
    // 3000 days hold five conjunctions (the first in 2001), each with its
    // row once (the complete figure steps back to redraw its last step).
    EXPECT_GE(z.KonjIndex, 4);
    int ereigniszeilen = 0, mitDatum = 0;
    for (const auto& zeile : zeilen.zeilen) {
        ereigniszeilen += zeile.size() > 2 && zeile[0] >= '1' && zeile[0] <= '9' && zeile[1] == '\t';
        mitDatum += zeile.rfind("1\t2001-03-30", 0) == 0 || zeile.rfind("5\t2007-08-18", 0) == 0;
    }
    EXPECT_EQ(ereigniszeilen, 5);
    EXPECT_EQ(mitDatum, 2);
    // The figure fills the surface itself.
    EXPECT_FALSE(engine->regeln().leeren);
}

TEST_F(ZweiPlanetenLauf, SchleifenSperrenDieRegler)
{
    schritteHoechstens(20);
    ablauf->eingabe.planet1 = 3;
    ablauf->eingabe.planet2 = 4;
    ablauf->eingabe.zentrum = 3;
    ablauf->eingabe.schleifen = true;
    laufen();
    EXPECT_FALSE(drehAnImLauf);
    EXPECT_EQ(hinweisImLauf, sprache::T("bedienfeld.hinweis.schleifen"));
    EXPECT_TRUE(host.drehAn); // Beenden gives them back
}

TEST_F(ZweiPlanetenLauf, ErgebnisSofortZeigtAllesImErstenSchritt)
{
    k.ergebnisSofort = true;
    host.zahlAntwort = 250;
    ablauf->eingabe.raumgeraden = true;
    laufen();
    EXPECT_EQ(z.Schrittzahl, 250);
    EXPECT_TRUE(z.FigurFertig);
    // All rows of the link lines at once, once.
    int zeilenNull = 0;
    for (const auto& zeile : zeilen.zeilen)
        zeilenNull += zeile.rfind("0\t", 0) == 0;
    EXPECT_EQ(zeilenNull, 1);
    // The cancel of the count dialog switches "Ergebnis sofort" off.
    host.zahlAntwortOk = false;
    host.abgeschaltet.clear();
    laufen();
    ASSERT_EQ(host.abgeschaltet.size(), 1u);
    EXPECT_EQ(host.abgeschaltet[0], Laufoption::ErgebnisSofort);
}

TEST_F(ZweiPlanetenLauf, OppositionenZuerstZaehlenImEndtest)
{
    ablauf->eingabe.planet1 = 2;
    ablauf->eingabe.planet2 = 3;
    ablauf->eingabe.konjunktionsstern = true;
    ablauf->eingabe.oppositionsstern = true;
    ablauf->eingabe.starttag = 1200; // the first opposition (2003) comes before the next conjunction (2004)
    schritteHoechstens(200);
    laufen();
    ASSERT_EQ(ablauf->figur().sternmodus(), 4);
    z.OppoIndex = 7;
    z.KonjIndex = 2;
    const Endzaehler e = ablauf->endzaehler(z, k);
    EXPECT_EQ(e.erledigt, 7);
    EXPECT_FALSE(e.ereignisseBegrenzen);
    EXPECT_EQ(e.schrittgrenze, z.Schrittzahl);
    // The step-back takes the oppositions back too.
    z.Schritt = 50;
    ablauf->zurueckschreiten(z, k);
    EXPECT_EQ(z.OppoIndex, 6);
    EXPECT_EQ(z.KonjIndex, 1);
    EXPECT_EQ(z.Schritt, 49);
}

TEST_F(ZweiPlanetenLauf, BehalteneSterneEinEreignisJeBild)
{
    // Two kept conjunction stars: once they turn, every frame of the run
    // brings the next conjunction (the clock jumps over the steps between).
    ablauf->eingabe.konjunktionsstern = true;
    k.drehungDerFiguren = true;
    z.FigurenAnzahl = z.gemerkteFigurenAnzahl = 2;
    int bilderDanach = 0;
    host.beimPumpen = [&](int) {
        if (z.LaufAktiv && z.KonjIndex > z.FigurenAnzahl)
            ++bilderDanach;
        if (z.KonjIndex >= 10)
            engine->beenden();
    };
    engine->ausfuehren();
    EXPECT_GE(z.KonjIndex, 10);
    EXPECT_LE(bilderDanach, 10);
}
