// The three-planet model: its bodies, the event count that fits the
// validity range, the events of the driving pair, the rows seen from a
// planet, and what a frame draws in which order.
#include "astro/Konjunktion.h"
#include "figures/Aufzeichnungsflaeche.h"
#include "figures/DreiPlaneten.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace figures;
using Art = Aufzeichnung::Art;

namespace {

Positionsfunktion Planeten()
{
    static astro::Positionsrechner rechner;
    return PositionsfunktionAus(rechner, astro::Rechenoptionen{});
}

DreiPlanetenEingabe Mit(std::initializer_list<int> koerper)
{
    DreiPlanetenEingabe e;
    e.koerper.fill(false);
    for (int b : koerper)
        e.koerper[static_cast<size_t>(b)] = true;
    e.bahnen = false;
    return e;
}

} // namespace

TEST(DreiPlaneten, DieErstenDreiOderVenusErdeMars)
{
    std::array<int, 3> p{};
    EXPECT_TRUE(DreiPlanetenKoerper(Mit({4, 1, 2, 3}), p));
    EXPECT_EQ(p, (std::array<int, 3>{1, 2, 3})); // Mercury as a fourth comes first
    DreiPlanetenEingabe e = Mit({3, 12});
    EXPECT_FALSE(DreiPlanetenKoerper(e, p));      // a minor planet counts only with "Kleinplaneten"
    e.koerper[5] = true;
    EXPECT_FALSE(DreiPlanetenKoerper(e, p));
    e.kleinplaneten = true;
    EXPECT_TRUE(DreiPlanetenKoerper(e, p));
    EXPECT_EQ(p, (std::array<int, 3>{3, 5, 12}));

    DreiPlaneten f;
    Ansicht a;
    e = Mit({6});
    e.starttag = 5000;
    DreiPlanetenlauf l;
    l.konstellationsgrenze = 3;
    ASSERT_TRUE(f.vorbereiten(e, l, a, Planeten()));
    EXPECT_TRUE(f.korrigiert());
    EXPECT_EQ(f.planeten(), (std::array<int, 3>{2, 3, 4}));
    EXPECT_EQ(f.starttag(), 0.0);
}

TEST(DreiPlaneten, EreignisseDesPaaresWieDieSuche)
{
    DreiPlaneten f;
    Ansicht a;
    DreiPlanetenEingabe e = Mit({2, 3, 4});
    DreiPlanetenlauf l;
    l.konstellationsgrenze = 12;
    ASSERT_TRUE(f.vorbereiten(e, l, a, Planeten()));
    ASSERT_EQ(f.konstellationszahl(), 12);
    const auto pos = Planeten();
    const astro::Heliozentrisch h = [&](astro::KoerperNr k, astro::Tageszahl t) { return pos(k, t); };
    double t = 0;
    for (int i = 0; i < 12; ++i) {
        const auto ev = astro::KonjunktionSuchen(2, 3, t, astro::Konjunktionssuche{}, h);
        ASSERT_TRUE(ev);
        EXPECT_NEAR(f.ereignistag(i), ev->tag, 1e-6) << i;
        t = ev->tag + f.synodischePeriode();
    }
    // Pair 1-2 drives, link lines 1-2: the outer conjunction planet is the
    // Earth (row 2), the planet outside the pair Mars (row 3).
    EXPECT_EQ(f.zeileAussen(), 2);
    EXPECT_EQ(f.zeileNicht(), 3);

    // Every fifth conjunction: the corners come back nearly to one place.
    e.positionenNicht = true;
    e.jedeKte = 5;
    ASSERT_TRUE(f.vorbereiten(e, l, a, Planeten()));
    const double l0 = std::atan2(f.ort(2, 0).Y, f.ort(2, 0).X), l1 = std::atan2(f.ort(2, 1).Y, f.ort(2, 1).X);
    EXPECT_NEAR(std::remainder(l1 - l0, 2 * M_PI), 0.0, 0.06);
    EXPECT_NEAR(f.ereignistag(1) - f.ereignistag(0), 5 * 583.92, 12.0);
}

TEST(DreiPlaneten, AnzahlPasstInDieGueltigkeit)
{
    DreiPlaneten f;
    Ansicht a;
    DreiPlanetenlauf l;
    l.gueltigkeitsgrenze = 10000;
    l.konstellationsgrenze = 1200;
    DreiPlanetenEingabe e = Mit({2, 3, 4});
    e.starttag = 5000;
    ASSERT_TRUE(f.vorbereiten(e, l, a, Planeten()));
    EXPECT_LE(f.konstellationszahl(), static_cast<int>(std::ceil(5000 / 583.92)));
    // "Ergebnis sofort" asking for more than fit: from -L, shortened.
    l.sofort = true;
    l.sofortAnzahl = 100;
    ASSERT_TRUE(f.vorbereiten(e, l, a, Planeten()));
    EXPECT_TRUE(f.verkuerzt());
    EXPECT_EQ(f.starttag(), -10000.0);
    EXPECT_GE(f.konstellationszahl(), 30);
    // Between the count and twice the count: the start moves back.
    l.sofortAnzahl = 25;
    ASSERT_TRUE(f.vorbereiten(e, l, a, Planeten()));
    EXPECT_FALSE(f.verkuerzt());
    EXPECT_LT(f.starttag(), 5000.0);
    EXPECT_EQ(f.konstellationszahl(), 25);
}

TEST(DreiPlaneten, VonEinemPlanetenAus)
{
    DreiPlaneten f;
    Ansicht a;
    DreiPlanetenEingabe e = Mit({2, 3, 4});
    e.zentrum = 2; // the Earth
    DreiPlanetenlauf l;
    l.konstellationsgrenze = 2;
    ASSERT_TRUE(f.vorbereiten(e, l, a, Planeten()));
    // The link lines join the two others (Venus row 1, Mars row 2); the
    // Earth's row points to the Sun.
    const auto pos = Planeten();
    const double t = f.ereignistag(0);
    const Raumpunkt erde = *pos(3, t), mars = *pos(4, t);
    EXPECT_NEAR(f.ort(2, 0).X, mars.X - erde.X, 1e-9);
    EXPECT_NEAR(f.ort(3, 0).Y, -erde.Y, 1e-9);
}

TEST(DreiPlaneten, RahmenReihenfolgeUndEinzelnePosition)
{
    DreiPlaneten f;
    Ansicht a;
    a.GroesseSetzen(800, 600);
    DreiPlanetenEingabe e = Mit({2, 3, 4});
    e.raumgeradenpaar = 2;
    e.mittelpunkte = 0;
    e.positionenAussen = e.linienAussen = e.positionenNicht = e.linienNicht = true;
    e.dreieck = true;
    e.bahnen = true;
    DreiPlanetenlauf l;
    l.konstellationsgrenze = 8;
    ASSERT_TRUE(f.vorbereiten(e, l, a, Planeten()));
    Einstellungssatz s;
    s.IntFarbeRG = 1;
    s.IntFarbeMittelpunkteRG = 2;
    s.IntFarbeLinienP2 = 3;
    s.IntFarbeLinienP3 = 4;
    s.IntFarbeBahnen = 5;
    s.IntFarbeFuehrungslinie = 6;
    s.IntFarbeLiniePlaneten = 7;
    s.IntFarbeRandP2 = 3;
    s.IntFarbeRandP3 = 4;
    DreiPlanetenRahmen r;
    DreiPlanetenZaehler c;
    const auto zeichnen = [&](int bisEreignis) {
        Aufzeichnungsflaeche z(800, 600);
        while (c.konjIndex < bisEreignis) {
            ++c.schritt;
            EXPECT_TRUE(f.schritt(c, nullptr, a, s, r, nullptr));
        }
        EXPECT_TRUE(f.schritt(c, &z, a, s, r, nullptr));
        return z;
    };
    // One event: circles but no chronological line.
    const auto eins = zeichnen(1);
    int linienP2 = 0, kreiseP2 = 0;
    for (const auto& x : eins.eintraege()) {
        linienP2 += x.art == Art::Linie && x.stiftFarbe == 3;
        kreiseP2 += x.art == Art::Ellipse && x.stiftFarbe == 3;
    }
    EXPECT_EQ(linienP2, 0);
    EXPECT_EQ(kreiseP2, 1);
    const auto viele = zeichnen(5);
    std::vector<Farbe> folge;
    for (const auto& x : viele.eintraege())
        if ((x.art == Art::Linie || x.art == Art::Ellipse || x.art == Art::Polylinie) && x.stiftFarbe >= 1 &&
            x.stiftFarbe <= 7 && (folge.empty() || folge.back() != x.stiftFarbe))
            folge.push_back(x.stiftFarbe);
    EXPECT_EQ(folge, (std::vector<Farbe>{1, 2, 3, 4, 5, 6, 7}));
}

TEST(DreiPlaneten, ZeilenUndTitel)
{
    DreiPlaneten f;
    Ansicht a;
    DreiPlanetenEingabe e = Mit({2, 3, 4});
    e.opposition = true;
    DreiPlanetenlauf l;
    l.konstellationsgrenze = 3;
    ASSERT_TRUE(f.vorbereiten(e, l, a, Planeten()));
    EXPECT_EQ(f.titel(sprache::Sprache::Deutsch), "+++++  Oppositionen Ve-Er,  Zentrum Sonne  +++++");
    astro::Zeilenspeicher sp;
    astro::Datenausgabe d;
    d.zielSetzen(&sp);
    const Einstellungssatz s;
    DreiPlanetenRahmen r;
    DreiPlanetenZaehler c;
    while (c.konjIndex < 3 && c.schritt < 20000000) {
        ++c.schritt;
        ASSERT_TRUE(f.schritt(c, nullptr, a, s, r, &d));
    }
    ASSERT_EQ(sp.zeilen.size(), 3u);
    EXPECT_EQ(sp.zeilen[0].substr(0, 2), "1\t");
}

TEST(DreiPlaneten, ErstesEreignisNieVorDemStart)
{
    // Day 504 lies 50 days after the Venus-Earth conjunction of 2001-03-30:
    // the first event is the one of 2002-10-31, in the window and with
    // "Ergebnis sofort" alike (there the start itself stays, 3 of 3 fit).
    for (bool sofort : {false, true}) {
        DreiPlaneten f;
        Ansicht a;
        DreiPlanetenEingabe e = Mit({2, 3, 4});
        e.starttag = 504;
        DreiPlanetenlauf l;
        l.konstellationsgrenze = 3;
        l.sofort = sofort;
        l.sofortAnzahl = 3;
        l.gueltigkeitsgrenze = 1e7;
        ASSERT_TRUE(f.vorbereiten(e, l, a, Planeten()));
        ASSERT_EQ(f.konstellationszahl(), 3);
        EXPECT_EQ(f.starttag(), 504.0);
        EXPECT_GE(f.ereignistag(0), 504.0) << sofort;
        EXPECT_NEAR(f.ereignistag(0), 454 + 583.92, 8.0) << sofort;
    }
}

TEST(DreiPlaneten, OhnePlanetenSpringtDieUhrZumNaechstenEreignis)
{
    // Frames until eight Venus-Earth conjunctions have passed: once the
    // planets are hidden (two kept figures, or "Planeten nur zu Beginn"
    // after the second), each frame brings the next one.
    const Einstellungssatz s;
    const auto bilder = [&](bool drehung, bool nurZuBeginn, int& ohneBilder) {
        DreiPlaneten f;
        Ansicht a;
        a.GroesseSetzen(800, 600);
        DreiPlanetenEingabe e = Mit({2, 3, 4});
        DreiPlanetenlauf l;
        l.konstellationsgrenze = 8;
        l.drehung = drehung;
        l.figurenAnzahl = 2;
        EXPECT_TRUE(f.vorbereiten(e, l, a, Planeten()));
        DreiPlanetenRahmen r;
        r.nurZuBeginn = nurZuBeginn;
        r.nurBisIndex = 1;
        DreiPlanetenZaehler c;
        int n = 0;
        ohneBilder = 0;
        for (; c.konjIndex < 8 && n < 100000; ++n, ++c.schritt) {
            EXPECT_TRUE(f.schritt(c, nullptr, a, s, r, nullptr));
            ohneBilder += f.ohnePlaneten(c, r);
        }
        EXPECT_EQ(c.konjIndex, 8);
        return n;
    };
    int ohne = 0;
    const int alle = bilder(false, false, ohne);
    EXPECT_EQ(ohne, 0);
    for (const bool drehung : {true, false}) {
        const int n = bilder(drehung, !drehung, ohne);
        EXPECT_LT(n, alle / 2) << drehung;
        EXPECT_LE(ohne, 6 + 1) << drehung;
    }
}

TEST(DreiPlaneten, ErgebnisSofortZeigtDieBahnenDesLetztenEreignisses)
{
    // 400 of every 25th Venus-Earth conjunction span some 16000 years: the
    // immediate figure draws the orbits of its last event, exactly those a
    // run starting on that day draws, and not those of its start.
    Einstellungssatz s;
    s.IntFarbeBahnen = 0x000005;
    const auto bahnen = [&](DreiPlaneten& f, Ansicht& a, bool sofort) {
        DreiPlanetenRahmen r;
        DreiPlanetenZaehler c;
        Aufzeichnungsflaeche z(800, 600);
        EXPECT_TRUE(f.bahnenErneuern(c.schritt, false, a));
        EXPECT_TRUE(f.schritt(c, &z, a, s, r, nullptr));
        std::vector<Punkt> punkte;
        for (const auto& x : z.eintraege())
            if (x.stiftFarbe == s.IntFarbeBahnen && (x.art == Art::Linie || x.art == Art::Polylinie))
                punkte.insert(punkte.end(), x.punkte.begin(), x.punkte.end());
        EXPECT_GT(punkte.size(), 100u) << sofort;
        return punkte;
    };
    DreiPlanetenEingabe e = Mit({2, 3, 4});
    e.bahnen = true;
    e.positionenNicht = true;
    e.jedeKte = 25;
    DreiPlanetenlauf l;
    l.sofort = true;
    l.sofortAnzahl = 400;
    DreiPlaneten sofort;
    Ansicht a;
    a.GroesseSetzen(800, 600);
    ASSERT_TRUE(sofort.vorbereiten(e, l, a, Planeten()));
    ASSERT_EQ(sofort.konstellationszahl(), 400);
    const double letzter = sofort.ereignistag(399);
    EXPECT_GT(letzter - sofort.starttag(), 5e6);
    const auto gezeigt = bahnen(sofort, a, true);

    l.sofort = false;
    l.konstellationsgrenze = 1;
    DreiPlanetenEingabe amEnde = e, amStart = e;
    amEnde.starttag = letzter;
    amStart.starttag = sofort.starttag();
    DreiPlaneten ende, start;
    Ansicht b, c;
    b.GroesseSetzen(800, 600);
    c.GroesseSetzen(800, 600);
    ASSERT_TRUE(ende.vorbereiten(amEnde, l, b, Planeten()));
    ASSERT_TRUE(start.vorbereiten(amStart, l, c, Planeten()));
    EXPECT_EQ(gezeigt, bahnen(ende, b, false));
    EXPECT_NE(gezeigt, bahnen(start, c, false));
}
