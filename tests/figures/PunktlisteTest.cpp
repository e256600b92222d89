// Discs, centre cross, depth order and mid-points through the recording canvas.
#include "figures/Aufzeichnungsflaeche.h"
#include "figures/Punktliste.h"

#include <gtest/gtest.h>

using namespace figures;

namespace {

std::vector<int> Reihenfolge(const Punktliste& l)
{
    std::vector<int> r;
    for (int i = 0; i < l.anzahl; ++i)
        r.push_back(l[i].koerper);
    return r;
}

} // namespace

struct Sortierfall {
    const char* name;
    std::vector<double> schluessel;  // body i + 1 gets key i
    bool absteigend;
    std::vector<int> erwartet;
};

class Sortierung : public ::testing::TestWithParam<Sortierfall> {};

TEST_P(Sortierung, OrdersByKeyAndKeepsEqualKeysInListOrder)
{
    const auto f = GetParam();
    Punktliste l;
    for (size_t i = 0; i < f.schluessel.size(); ++i)
        l.hinzufuegen(static_cast<int>(i) + 1, 0, 0, f.schluessel[i]);
    ArraySortieren(l, l.anzahl, f.absteigend);
    EXPECT_EQ(Reihenfolge(l), f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Sortierung,
    ::testing::Values(
        Sortierfall{"TiefeAufsteigend", {3.0, -1.0, 2.0}, false, {2, 3, 1}},
        Sortierfall{"AbstandAbsteigend", {3.0, -1.0, 2.0}, true, {1, 3, 2}},
        Sortierfall{"GleicheTiefeBleibt", {0.5, 0.5}, false, {1, 2}},
        // a smaller key moving past two equal ones must not swap them
        Sortierfall{"GleicheHinterKleinerem", {2.0, 2.0, 1.0}, false, {3, 1, 2}},
        Sortierfall{"GleicheAbsteigend", {1.0, 1.0, 2.0}, true, {3, 1, 2}},
        Sortierfall{"Zehn", {9, 8, 7, 6, 5, 4, 3, 2, 1, 0}, false, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1}}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(Punktliste, SortsOnlyTheFirstCountEntriesAndHoldsAtMostTen)
{
    Punktliste l;
    for (int i = 0; i < 10; ++i)
        EXPECT_TRUE(l.hinzufuegen(i, 0, 0, -i));
    EXPECT_FALSE(l.hinzufuegen(99, 0, 0, 0));
    EXPECT_EQ(l.anzahl, 10);
    ArraySortieren(l, 3);
    EXPECT_EQ(Reihenfolge(l), (std::vector<int>{2, 1, 0, 3, 4, 5, 6, 7, 8, 9}));
    l.leeren();
    EXPECT_EQ(l.anzahl, 0);
}

TEST(Punktliste, DiscsDrawnInSortedOrderPutTheNearestLast)
{
    Ansicht a;
    a.GroesseSetzen(800, 600);
    a.WinkelSetzenGrad(90, 0, 0);  // edge-on: depth = -y
    Punktliste l;
    const double pos[3][3] = {{100, -50, 0}, {-80, 40, 0}, {0, 0, 0}};  // Earth in front, Mars behind, Sun
    const int koerper[3] = {3, 4, 0};
    for (int i = 0; i < 3; ++i) {
        a.PerspektivKoordinaten(pos[i][0], pos[i][1], pos[i][2]);
        l.hinzufuegen(koerper[i], a.BildX, a.BildY, a.Tiefe);
    }
    ArraySortieren(l, l.anzahl);
    Aufzeichnungsflaeche z;
    Einstellungssatz s;
    for (int i = 0; i < l.anzahl; ++i)
        PlanetZeichnen(z, s, l[i].x, l[i].y, s.IntA, s.IntFarbeLiniePlaneten, KoerperFarbe(s, l[i].koerper));
    const auto e = z.nurArt(Aufzeichnung::Art::Ellipse);
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].pinselFarbe, s.IntFarbePlanet[4]);
    EXPECT_EQ(e[1].pinselFarbe, s.IntFarbePlanet[0]);
    EXPECT_EQ(e[2].pinselFarbe, s.IntFarbePlanet[3]);
}

TEST(Punktliste, PlanetZeichnenIsAnEllipseOfTheRadiusWithBothColours)
{
    Aufzeichnungsflaeche z;
    PlanetZeichnen(z, 100, 50, 5, 0x112233, 0x445566, 2);
    const auto e = z.nurArt(Aufzeichnung::Art::Ellipse);
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].punkte, (std::vector<Punkt>{{95, 45}, {105, 55}}));
    EXPECT_EQ(e[0].stiftFarbe, 0x112233u);
    EXPECT_EQ(e[0].stiftBreite, 2);
    EXPECT_EQ(e[0].pinselFarbe, 0x445566u);
    EXPECT_EQ(e[0].pinselStil, Pinselstil::Voll);
}

TEST(Punktliste, TheCentreCrossIs15PixelsAndAlwaysOnePixelThick)
{
    Einstellungssatz s;
    s.IntLiniendicke = 4;
    s.IntBahndicke = 3;
    Aufzeichnungsflaeche z;
    ZentrumMarkieren(z, s, 300, 200);
    ZentrumMarkieren(z, s, 10, 10, true);
    const auto l = z.nurArt(Aufzeichnung::Art::Linie);
    ASSERT_EQ(l.size(), 4u);
    EXPECT_EQ(l[0].punkte, (std::vector<Punkt>{{293, 200}, {307, 200}}));
    EXPECT_EQ(l[1].punkte, (std::vector<Punkt>{{300, 207}, {300, 193}}));
    for (const auto& x : l)
        EXPECT_EQ(x.stiftBreite, 1);
    EXPECT_EQ(l[0].stiftFarbe, s.IntFarbeBahnen);
    EXPECT_EQ(l[2].stiftFarbe, s.IntFarbeTierkreis);
}

TEST(Mittelpunkte, CentreOfGravityOfJupiterAndSaturnLiesAQuarterFromJupiter)
{
    const Raumpunkt ju{100, 0, 0}, sa{200, 100, -50};
    const Raumpunkt m = Mittelpunkt(ju, sa);
    EXPECT_DOUBLE_EQ(m.X, 150);
    EXPECT_DOUBLE_EQ(m.Y, 50);
    const Raumpunkt g = Mittelpunkt(ju, sa, 1898.8, 568.5);
    EXPECT_NEAR((g.X - ju.X) / (sa.X - ju.X), 0.2304, 1e-4);
    EXPECT_NEAR((g.Z - ju.Z) / (sa.Z - ju.Z), 0.2304, 1e-4);
}

struct Modusfall {
    const char* name;
    Mittelpunktmodus modus;
    int linien, kreise;
};

class Mittelpunktanzeige : public ::testing::TestWithParam<Modusfall> {};

TEST_P(Mittelpunktanzeige, DrawsPolylineAndOrCirclesByMode)
{
    const auto f = GetParam();
    Ansicht a;
    a.GroesseSetzen(800, 600);
    Einstellungssatz s;
    Mittelpunkte m;
    m.anlegen(20);
    for (int i = 0; i < 20; ++i)
        m.punkte[static_cast<size_t>(i)] = {10.0 * i, 0, 0};
    Aufzeichnungsflaeche z;
    MittelSchwerpunkteZeichnen(z, a, s, m, 4, f.modus);  // steps 0 .. 4
    EXPECT_EQ(z.anzahl(Aufzeichnung::Art::Polylinie), f.linien);
    EXPECT_EQ(z.anzahl(Aufzeichnung::Art::Ellipse), f.kreise);
    if (f.linien) {
        const auto p = z.nurArt(Aufzeichnung::Art::Polylinie)[0];
        EXPECT_EQ(p.punkte.size(), 5u);
        EXPECT_EQ(p.stiftFarbe, s.IntFarbeLinienzug);
    }
    if (f.kreise) {
        const auto e = z.nurArt(Aufzeichnung::Art::Ellipse).back();
        EXPECT_EQ(e.punkte[1].x - e.punkte[0].x, 2 * s.IntA2);
        EXPECT_EQ(e.stiftFarbe, s.IntFarbeMittelpunkteRG);
        EXPECT_EQ(e.pinselFarbe, s.IntFarbeFuellungMittelp);
    }
}

INSTANTIATE_TEST_SUITE_P(Modi, Mittelpunktanzeige,
                         ::testing::Values(Modusfall{"Punkte", Mittelpunktmodus::Punkte, 0, 5},
                                           Modusfall{"Linienzug", Mittelpunktmodus::Linienzug, 1, 0},
                                           Modusfall{"Beides", Mittelpunktmodus::LinieUndPunkte, 1, 5}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(Mittelpunkte, WithNoStepYetOnePointAndOneCircle)
{
    Ansicht a;
    a.GroesseSetzen(800, 600);
    Mittelpunkte m;
    m.anlegen(10);
    Aufzeichnungsflaeche z;
    MittelSchwerpunkteZeichnen(z, a, Einstellungssatz{}, m, 0, Mittelpunktmodus::LinieUndPunkte);
    ASSERT_EQ(z.anzahl(Aufzeichnung::Art::Polylinie), 1);
    EXPECT_EQ(z.nurArt(Aufzeichnung::Art::Polylinie)[0].punkte.size(), 1u);
    EXPECT_EQ(z.anzahl(Aufzeichnung::Art::Ellipse), 1);
    z.leeren();
    // event figures draw at least one, and never past the store
    MittelpunkteZeichnen(z, a, Einstellungssatz{}, m, 0, Mittelpunktmodus::Punkte);
    EXPECT_EQ(z.anzahl(Aufzeichnung::Art::Ellipse), 1);
    z.leeren();
    MittelpunkteZeichnen(z, a, Einstellungssatz{}, m, 50, Mittelpunktmodus::Punkte);
    EXPECT_EQ(z.anzahl(Aufzeichnung::Art::Ellipse), 10);
}
