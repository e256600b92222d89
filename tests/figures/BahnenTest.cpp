// Orbit store, orbit computation and the two-pass orbit drawing.
#include "figures/Aufzeichnungsflaeche.h"
#include "figures/Bahnen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>

using namespace figures;

namespace {

// A circular orbit in the ecliptic with the body's own period, recording
// every call.
struct Kreisbahnen {
    std::map<int, std::vector<double>> aufrufe;
    Positionsfunktion funktion()
    {
        return [this](int k, double t) -> astro::Ergebnis<Raumpunkt> {
            aufrufe[k].push_back(t);
            const double r = 50.0 * k;
            const double w = 2 * 3.14159265358979323846 * t / (87.97 * Umlaufzeiten[static_cast<size_t>(k)]);
            return Raumpunkt{r * std::cos(w), r * std::sin(w), 0.1 * k};
        };
    }
};

Bahnrechnung Ueberblick(std::initializer_list<int> koerper, double tag, int faktor = 1)
{
    Bahnrechnung r;
    for (int k : koerper)
        r.auswahl[static_cast<size_t>(k)] = true;
    r.tag = tag;
    r.referenzSedna = true;
    r.schrittweite = Bahnschrittweite(KoerperSedna, faktor);
    return r;
}

Ansicht Sicht()
{
    Ansicht a;
    a.GroesseSetzen(800, 600);
    a.Massstab = 1.0;
    a.NeuZeichnen = false;
    return a;
}

} // namespace

TEST(Bahnen, LowDensityMercuryHas119PointsThreeQuartersOfADayApart)
{
    const Bahnrechnung r = Ueberblick({1}, 1000.0);
    Bahnpunkte store;
    store.dimensionieren(1);
    EXPECT_EQ(store.Bahnpunktzahl(), 118);
    EXPECT_EQ(store.zeile(1).size(), 119u);
    EXPECT_NEAR(Bahnpunktzeit(r, 1, 1, 0), 1000.75, 1e-9);
    EXPECT_NEAR(Bahnpunktzeit(r, 1, 1, 118), 1000.0 + 89.25, 1e-9);
    EXPECT_NEAR(Bahnpunktzeit(r, 1, 1, 5) - Bahnpunktzeit(r, 1, 1, 4), 0.75, 1e-9);
    // Saturn: the same 119 points span 89.25 periods of Mercury's scale
    EXPECT_NEAR(Bahnpunktzeit(r, 1, 6, 118) - 1000.0, 89.25 * Umlaufzeiten[6], 1e-6);
}

TEST(Bahnen, DensityFactorMultipliesThePoints)
{
    Bahnpunkte store;
    store.dimensionieren(8);
    EXPECT_EQ(store.Bahnpunktzahl(), 944);
    store.dimensionieren(3);  // not a menu choice: low
    EXPECT_EQ(store.Bahnpunktzahl(), 118);
}

TEST(Bahnen, WithoutTheSednaReferenceTheFirstBodyOfTheRangeSetsTheSpacing)
{
    Bahnrechnung r = Ueberblick({2, 3}, 0);
    r.referenzSedna = false;
    r.schrittweite = 0.75 * Umlaufzeiten[2];
    EXPECT_NEAR(Bahnpunktzeit(r, 2, 3, 0), 0.75 * Umlaufzeiten[3], 1e-9);
}

TEST(Bahnen, RowsAreRanksAmongTheSelectedBodiesOrBodyNumbersLongTerm)
{
    std::array<bool, 22> a{};
    a[1] = a[3] = a[5] = a[21] = true;
    EXPECT_EQ(Bahnzeile(1, 1, a, false), 1);
    EXPECT_EQ(Bahnzeile(3, 1, a, false), 2);
    EXPECT_EQ(Bahnzeile(5, 1, a, false), 3);
    EXPECT_EQ(Bahnzeile(5, 3, a, false), 2);
    EXPECT_EQ(Bahnzeile(4, 1, a, false), 0);  // not selected
    EXPECT_EQ(Bahnzeile(5, 0, a, false), 3);  // the Sun never counts
    EXPECT_EQ(Bahnzeile(5, 1, a, true), 5);
}

TEST(Bahnen, ComputesEverySelectedBodyAndProjectsItsPoints)
{
    Kreisbahnen k;
    Bahnrechnung r = Ueberblick({1, 3}, 500);
    r.position = k.funktion();
    Bahnpunkte store;
    store.dimensionieren(1);
    Ansicht a = Sicht();
    ASSERT_TRUE(BahnBerechnen(store, a, 1, 3, r).ok());
    EXPECT_EQ(k.aufrufe[1].size(), 119u);
    EXPECT_EQ(k.aufrufe[3].size(), 119u);
    EXPECT_EQ(k.aufrufe.count(2), 0u);
    const Bahnpunkt& p = store.zeile(2)[10];  // the Earth is row 2
    EXPECT_NEAR(std::hypot(p.X, p.Y), 150.0, 1e-9);
    a.PerspektivKoordinaten(p.X, p.Y, p.Z);
    EXPECT_EQ(p.px, a.BildX);
    EXPECT_EQ(p.py, a.BildY);
    EXPECT_DOUBLE_EQ(p.tiefe, a.Tiefe);
}

TEST(Bahnen, SednaStartsAtDayZeroAndIsComputedOncePerRunWithoutPrecession)
{
    Kreisbahnen k;
    Bahnrechnung r = Ueberblick({6, 21}, 40000);
    r.position = k.funktion();
    Bahnpunkte store;
    store.dimensionieren(1);
    Ansicht a = Sicht();
    ASSERT_TRUE(BahnBerechnen(store, a, 6, 21, r).ok());
    ASSERT_EQ(k.aufrufe[21].size(), 119u);
    ASSERT_FALSE(k.aufrufe[6].empty());
    EXPECT_NEAR(k.aufrufe[21][0], 0.75 * Umlaufzeiten[21], 1e-6);
    EXPECT_NEAR(k.aufrufe[6][0], 40000 + 0.75 * Umlaufzeiten[6], 1e-6);
    EXPECT_TRUE(store.SednaFertig);
    r.tag = 130000;  // the refresh later in the run
    ASSERT_TRUE(BahnBerechnen(store, a, 6, 21, r).ok());
    EXPECT_EQ(k.aufrufe[21].size(), 119u);
    EXPECT_EQ(k.aufrufe[6].size(), 238u);
    store.dimensionieren(1);  // a new run
    EXPECT_FALSE(store.SednaFertig);

    Kreisbahnen mit;
    r.position = mit.funktion();
    r.mitPraezession = true;
    ASSERT_TRUE(BahnBerechnen(store, a, 6, 21, r).ok());
    ASSERT_TRUE(BahnBerechnen(store, a, 6, 21, r).ok());
    EXPECT_EQ(mit.aufrufe[21].size(), 238u);
    EXPECT_FALSE(store.SednaFertig);
}

struct Grenzfall {
    const char* name;
    int letzter;
    double tag, grenze;
    bool rechnet;
};

class Gueltigkeitsrand : public ::testing::TestWithParam<Grenzfall> {};

TEST_P(Gueltigkeitsrand, NearTheValidityLimitTheStoreIsLeftAlone)
{
    const auto f = GetParam();
    Kreisbahnen k;
    Bahnrechnung r = Ueberblick({1, f.letzter}, f.tag);
    r.gueltigkeitsgrenze = f.grenze;
    r.position = k.funktion();
    Bahnpunkte store;
    store.dimensionieren(1);
    Ansicht a = Sicht();
    EXPECT_TRUE(BahnBerechnen(store, a, 1, f.letzter, r).ok());
    EXPECT_EQ(!k.aufrufe.empty(), f.rechnet);
    EXPECT_EQ(store.belegt(1), f.rechnet);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Gueltigkeitsrand,
                         ::testing::Values(Grenzfall{"WeitWeg", 9, 0, 2000000, true},
                                           Grenzfall{"GenauAmRand", 9, 885000, 1000000, true},
                                           Grenzfall{"ZuNah", 9, 885001, 1000000, false},
                                           Grenzfall{"ErisBrauchtMehr", 20, 885000, 1000000, false},
                                           Grenzfall{"ErisWeitGenug", 20, 790000, 1000000, true}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(Bahnen, APositionThatFailsIsReportedNotDrawnAsZero)
{
    Bahnrechnung r = Ueberblick({1, 5}, 0);
    r.position = [](int k, double) -> astro::Ergebnis<Raumpunkt> {
        if (k == 5)
            return astro::Status::Fehlschlag(astro::Fehler::NichtVerfuegbar, "astro.nichtVerfuegbar");
        return Raumpunkt{60, 0, 0};
    };
    Bahnpunkte store;
    store.dimensionieren(1);
    Ansicht a = Sicht();
    const auto st = BahnBerechnen(store, a, 1, 5, r);
    EXPECT_EQ(st.fehler, astro::Fehler::NichtVerfuegbar);
    EXPECT_FALSE(store.belegt(2));
    Aufzeichnungsflaeche z;
    Bahnzeichnung d;
    d.auswahl = r.auswahl;
    BahnZeichnen(z, store, a, Einstellungssatz{}, 1, 5, false, d);
    BahnZeichnen(z, store, a, Einstellungssatz{}, 1, 5, true, d);
    EXPECT_EQ(z.anzahl(Aufzeichnung::Art::Linie), 0);
}

TEST(Bahnen, WithoutDistancesEveryPointLiesOnTheSphereOf263)
{
    Kreisbahnen k;
    Bahnrechnung r = Ueberblick({2, 7}, 0);
    r.ohneEntfernungen = true;
    r.position = k.funktion();
    Bahnpunkte store;
    store.dimensionieren(1);
    Ansicht a = Sicht();
    ASSERT_TRUE(BahnBerechnen(store, a, 2, 7, r).ok());
    for (int zeile : {1, 2})
        for (const auto& p : store.zeile(zeile))
            ASSERT_NEAR(std::sqrt(p.X * p.X + p.Y * p.Y + p.Z * p.Z), 263.0, 1e-9);
}

TEST(Bahnen, EdgeOnTheOrbitSplitsIntoABackAndAFrontHalf)
{
    Kreisbahnen k;
    Bahnrechnung r = Ueberblick({1}, 0);
    r.position = k.funktion();
    Bahnpunkte store;
    store.dimensionieren(1);
    Ansicht a = Sicht();
    ASSERT_TRUE(BahnBerechnen(store, a, 1, 1, r).ok());
    a.WinkelSetzenGrad(90, 0, 0);
    a.NeuZeichnen = true;  // the view changed: the back pass re-projects

    Aufzeichnungsflaeche z;
    Bahnzeichnung d;
    d.auswahl = r.auswahl;
    Einstellungssatz s;
    s.IntBahndicke = 3;
    BahnZeichnen(z, store, a, s, 1, 1, false, d);
    const int hinten = z.anzahl(Aufzeichnung::Art::Linie);
    for (const auto& l : z.nurArt(Aufzeichnung::Art::Linie)) {
        EXPECT_EQ(l.stiftFarbe, s.IntFarbeBahnen);
        EXPECT_EQ(l.stiftBreite, 3);
    }
    z.leeren();
    BahnZeichnen(z, store, a, s, 1, 1, true, d);
    const int vorne = z.anzahl(Aufzeichnung::Art::Linie);
    EXPECT_EQ(hinten + vorne, 118);
    EXPECT_NEAR(hinten, 59, 3);
    // every segment went to the pass its end point's depth says
    for (int j = 1; j <= 118; ++j) {
        const auto& p = store.zeile(1)[static_cast<size_t>(j)];
        EXPECT_EQ(p.tiefe < 0, p.Y > 0) << j;
    }
}

TEST(Bahnen, ASegmentEndingAtDepthExactlyZeroIsDrawnInTheFrontPass)
{
    // Points alternate behind and exactly on the plane in an edge-on view.
    Bahnrechnung r = Ueberblick({3}, 0);
    int n = 0;
    r.position = [&n](int, double) -> astro::Ergebnis<Raumpunkt> {
        const int h = n++;
        return Raumpunkt{static_cast<double>(h), h % 2 ? 0.0 : 10.0, 0.0};
    };
    Bahnpunkte store;
    store.dimensionieren(1);
    Ansicht a = Sicht();
    a.WinkelSetzenGrad(90, 0, 0);
    ASSERT_TRUE(BahnBerechnen(store, a, 3, 3, r).ok());
    Bahnzeichnung d;
    d.auswahl = r.auswahl;
    Aufzeichnungsflaeche hinten, vorne;
    BahnZeichnen(hinten, store, a, Einstellungssatz{}, 3, 3, false, d);
    BahnZeichnen(vorne, store, a, Einstellungssatz{}, 3, 3, true, d);
    // segments j = 1, 3, ... end on the plane (depth 0): front
    EXPECT_EQ(vorne.anzahl(Aufzeichnung::Art::Linie), 59);
    EXPECT_EQ(hinten.anzahl(Aufzeichnung::Art::Linie), 59);
    const auto vorneLinien = vorne.nurArt(Aufzeichnung::Art::Linie);
    ASSERT_FALSE(vorneLinien.empty());
    const auto erste = vorneLinien.front();
    ASSERT_GE(erste.punkte.size(), 2u);
    EXPECT_EQ(erste.punkte[0], (Punkt{store.zeile(1)[0].px, store.zeile(1)[0].py}));
    EXPECT_EQ(erste.punkte[1], (Punkt{store.zeile(1)[1].px, store.zeile(1)[1].py}));
    EXPECT_EQ(store.zeile(1)[1].tiefe, 0.0);
}

TEST(Bahnen, OnlyTheBackPassReprojectsAndOnlyWhenTheViewChanged)
{
    Kreisbahnen k;
    Bahnrechnung r = Ueberblick({2}, 0);
    r.position = k.funktion();
    Bahnpunkte store;
    store.dimensionieren(1);
    Ansicht a = Sicht();
    ASSERT_TRUE(BahnBerechnen(store, a, 2, 2, r).ok());
    const int vorher = store.zeile(1)[0].px;
    Bahnzeichnung d;
    d.auswahl = r.auswahl;
    Aufzeichnungsflaeche z;
    a.Zoom = 2;  // without NeuZeichnen the cached pixels stay
    BahnZeichnen(z, store, a, Einstellungssatz{}, 2, 2, false, d);
    BahnZeichnen(z, store, a, Einstellungssatz{}, 2, 2, true, d);
    EXPECT_EQ(store.zeile(1)[0].px, vorher);
    a.NeuZeichnen = true;
    BahnZeichnen(z, store, a, Einstellungssatz{}, 2, 2, true, d);
    EXPECT_EQ(store.zeile(1)[0].px, vorher);
    BahnZeichnen(z, store, a, Einstellungssatz{}, 2, 2, false, d);
    EXPECT_EQ(store.zeile(1)[0].px - a.MitteX, 2 * (vorher - a.MitteX));
    a.NeuZeichnen = false;
    a.Zoom = 1;
    d.zentrumBewegt = true;  // a drag of the centre also re-projects
    BahnZeichnen(z, store, a, Einstellungssatz{}, 2, 2, false, d);
    EXPECT_EQ(store.zeile(1)[0].px, vorher);
}

TEST(Bahnen, ColouredOrbitsUseEachBodysFillColour)
{
    Kreisbahnen k;
    Bahnrechnung r = Ueberblick({4, 5}, 0);
    r.position = k.funktion();
    Bahnpunkte store;
    store.dimensionieren(1);
    Ansicht a = Sicht();
    ASSERT_TRUE(BahnBerechnen(store, a, 4, 5, r).ok());
    Bahnzeichnung d;
    d.auswahl = r.auswahl;
    d.farbig = true;
    Einstellungssatz s;
    Aufzeichnungsflaeche z;
    BahnZeichnen(z, store, a, s, 4, 5, true, d);
    std::map<Farbe, int> farben;
    for (const auto& l : z.nurArt(Aufzeichnung::Art::Linie))
        ++farben[l.stiftFarbe];
    EXPECT_EQ(farben.size(), 2u);
    EXPECT_EQ(farben[s.IntFarbePlanet[4]], 118);
    EXPECT_EQ(farben[s.IntFarbePlanet[5]], 118);
}
