// The vertex, face and star tables of the solids: circumspheres, planar
// faces, coplanar pentagram faces with their colours, and the depth order.
#include "mysterium/Polyeder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

using namespace mysterium;

namespace {

Vektor Minus(Vektor a, Vektor b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vektor Kreuz(Vektor a, Vektor b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double Punkt(Vektor a, Vektor b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double Laenge(Vektor a) { return std::sqrt(Punkt(a, a)); }

// Largest distance of the points from the plane through the first three.
double Abweichung(const std::vector<Vektor>& p)
{
    Vektor n = Kreuz(Minus(p[1], p[0]), Minus(p[2], p[0]));
    const double l = Laenge(n);
    n = {n.x / l, n.y / l, n.z / l};
    double m = 0;
    for (const Vektor& q : p)
        m = std::max(m, std::abs(Punkt(Minus(q, p[0]), n)));
    return m;
}

Polyeder Sterntabellen(bool mitDrehung)
{
    Polyeder p;
    if (mitDrehung)
        p.DodekaederDrehen108();
    return p;
}

// The points of the triangles of one colour number of a star.
std::vector<Vektor> Farbflaeche(const Polyeder& p, bool dodeStern, int farbe, double spitzenFaktor)
{
    const auto& tab = dodeStern ? DodeSternDreiecke : IkoSternDreiecke;
    const auto spitzen = p.ecken(dodeStern ? Koerper::Ikosaeder : Koerper::Dodekaeder);
    const auto basen = p.ecken(dodeStern ? Koerper::Dodekaeder : Koerper::Ikosaeder);
    std::vector<Vektor> punkte;
    for (const Sterndreieck& d : tab) {
        if (d.farbe != farbe)
            continue;
        const Vektor s = spitzen[static_cast<size_t>(d.spitze)];
        punkte.push_back({s.x * spitzenFaktor, s.y * spitzenFaktor, s.z * spitzenFaktor});
        punkte.push_back(basen[static_cast<size_t>(d.basis1)]);
        punkte.push_back(basen[static_cast<size_t>(d.basis2)]);
    }
    return punkte;
}

} // namespace

TEST(Polyeder, EckenAufDerUmkugel)
{
    Polyeder p;
    p.DodekaederDrehen108();
    const std::pair<Koerper, double> soll[] = {{Koerper::Tetraeder, 3.0},
                                               {Koerper::Hexaeder, std::sqrt(3.0)},
                                               {Koerper::Oktaeder, std::sqrt(3.0)},
                                               {Koerper::Ikosaeder, Rho},
                                               {Koerper::Dodekaeder, Rho}};
    for (auto [k, r] : soll)
        for (const Vektor& v : p.ecken(k))
            EXPECT_NEAR(Laenge(v), r, 1e-6) << "solid " << static_cast<int>(k);
    EXPECT_NEAR(Rho, std::sqrt(3.0) / 2 * 2 * std::sqrt(5 - 2 * std::sqrt(5.0)), 1e-15);
}

TEST(Polyeder, GedrehteTabellenWieBerechnet)
{
    Polyeder p;
    auto t = p.ecken(Koerper::Tetraeder);
    EXPECT_NEAR(t[0].x, -2.449490, 1e-6);
    EXPECT_NEAR(t[0].y, -1.414214, 1e-6);
    EXPECT_NEAR(t[0].z, -1, 1e-6);
    EXPECT_NEAR(t[2].z, 3, 1e-6);
    EXPECT_NEAR(t[3].y, 2.828427, 1e-6);
    auto h = p.ecken(Koerper::Hexaeder);
    EXPECT_NEAR(h[0].x, -0.642040, 1e-6);
    EXPECT_NEAR(h[0].y, -1.260074, 1e-6);
    EXPECT_NEAR(h[1].x, 1.260074, 1e-6);
    EXPECT_NEAR(h[1].y, -0.642040, 1e-6);
    auto o = p.ecken(Koerper::Oktaeder);
    const double ok[6][3] = {{-0.786335, -1.543269, 0}, {1.543269, -0.786335, 0}, {0.786335, 1.543269, 0},
                             {-1.543269, 0.786335, 0},  {0, 0, 1.732051},          {0, 0, -1.732051}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_NEAR(o[static_cast<size_t>(i)].x, ok[i][0], 1e-6) << "O" << i + 1;
        EXPECT_NEAR(o[static_cast<size_t>(i)].y, ok[i][1], 1e-6) << "O" << i + 1;
        EXPECT_NEAR(o[static_cast<size_t>(i)].z, ok[i][2], 1e-6) << "O" << i + 1;
    }
}

TEST(Polyeder, FlaechenSindEbenUndKantenGleichLang)
{
    Polyeder p;
    auto pruefe = [&](Koerper k, const auto& tab) {
        const auto e = p.ecken(k);
        double kante = -1;
        std::set<std::pair<int, int>> kanten;
        for (const auto& f : tab) {
            std::vector<Vektor> punkte;
            for (size_t i = 0; i < f.size(); ++i) {
                punkte.push_back(e[static_cast<size_t>(f[i])]);
                const int a = f[i], b = f[(i + 1) % f.size()];
                kanten.insert({std::min(a, b), std::max(a, b)});
                const double l = Laenge(Minus(e[static_cast<size_t>(a)], e[static_cast<size_t>(b)]));
                if (kante < 0)
                    kante = l;
                EXPECT_NEAR(l, kante, 1e-9) << "solid " << static_cast<int>(k);
            }
            if (punkte.size() > 3) {
                EXPECT_LT(Abweichung(punkte), 1e-9);
            }
        }
        // Every edge belongs to exactly two faces: V - E + F = 2.
        EXPECT_EQ(static_cast<int>(e.size()) - static_cast<int>(kanten.size()) + static_cast<int>(tab.size()), 2);
    };
    pruefe(Koerper::Tetraeder, TetraederFlaechen);
    pruefe(Koerper::Hexaeder, HexaederFlaechen);
    pruefe(Koerper::Oktaeder, OktaederFlaechen);
    pruefe(Koerper::Ikosaeder, IkosaederFlaechen);
    pruefe(Koerper::Dodekaeder, DodekaederFlaechen);
}

TEST(Polyeder, PentagrammflaechenEbenNurNachDerDrehung)
{
    // Dodekaederstern: star points at radius sqrt(5); Ikosaederstern: at 3.
    const double dodeSpitze = std::sqrt(5.0) / Rho, ikoSpitze = 3.0 / Rho;
    for (bool gedreht : {true, false}) {
        const Polyeder p = Sterntabellen(gedreht);
        double groessteD = 0, groessteI = 0;
        for (int farbe = 1; farbe <= 12; ++farbe) {
            groessteD = std::max(groessteD, Abweichung(Farbflaeche(p, true, farbe, dodeSpitze)));
            groessteI = std::max(groessteI, Abweichung(Farbflaeche(p, false, farbe, ikoSpitze)));
        }
        if (gedreht) {
            EXPECT_LT(groessteD, 1e-6);
            EXPECT_LT(groessteI, 1e-6);
        } else {
            EXPECT_GT(groessteD, 0.1);
            EXPECT_GT(groessteI, 0.1);
        }
    }
}

TEST(Polyeder, FarbnummernDerSterne)
{
    const Polyeder p = Sterntabellen(true);
    for (bool dode : {true, false}) {
        const auto& tab = dode ? DodeSternDreiecke : IkoSternDreiecke;
        std::map<int, int> anzahl;
        for (const Sterndreieck& d : tab)
            ++anzahl[d.farbe];
        ASSERT_EQ(anzahl.size(), 12u);
        for (auto [f, n] : anzahl)
            EXPECT_EQ(n, 5) << "colour " << f;
        // The faces of one colour pair lie in parallel planes on opposite
        // sides of the centre.
        const double faktor = dode ? std::sqrt(5.0) / Rho : 3.0 / Rho;
        for (int f = 1; f <= 12; ++f) {
            const int g = ParallelFarbe(f);
            ASSERT_EQ(ParallelFarbe(g), f);
            const auto a = Farbflaeche(p, dode, f, faktor), b = Farbflaeche(p, dode, g, faktor);
            Vektor na = Kreuz(Minus(a[1], a[0]), Minus(a[2], a[0]));
            Vektor nb = Kreuz(Minus(b[1], b[0]), Minus(b[2], b[0]));
            const double c = Punkt(na, nb) / (Laenge(na) * Laenge(nb));
            EXPECT_NEAR(std::abs(c), 1.0, 1e-9) << "colours " << f << " and " << g;
            EXPECT_LT(Punkt(a[0], na) * Punkt(b[0], na), 0) << "opposite sides";
        }
    }
}

TEST(Polyeder, TetraederspitzeZumBetrachter)
{
    Polyeder p;
    figures::Ansicht a;
    a.GroesseSetzen(800, 600);
    a.Massstab = 6;
    a.Zoom = 10;
    p.projizieren(Koerper::Tetraeder, a);
    const auto b = p.bildpunkte(Koerper::Tetraeder);
    EXPECT_NEAR(b[2].tiefe, 3.0, 1e-12);
    EXPECT_EQ(b[2].px, 400);
    EXPECT_EQ(b[2].py, 300);
    const auto f = p.flaechenSortiert(Koerper::Tetraeder);
    // Farthest first: T1-T2-T4, at depth -1.
    EXPECT_EQ(f[0].nummer, 3);
    EXPECT_NEAR(f[0].tiefe, -1.0, 1e-12);
    for (size_t i = 1; i < f.size(); ++i)
        EXPECT_LE(f[i - 1].tiefe, f[i].tiefe);
}

TEST(Polyeder, SortierungBehaeltGleicheTiefen)
{
    std::array<Flaeche, 5> f{};
    const double tiefen[5] = {2, 1, 1, 0, 1};
    for (int i = 0; i < 5; ++i) {
        f[static_cast<size_t>(i)].tiefe = tiefen[i];
        f[static_cast<size_t>(i)].nummer = i;
    }
    ArraySortierenDK(f);
    EXPECT_EQ(f[0].nummer, 3);
    EXPECT_DOUBLE_EQ(f[4].tiefe, 2);
    for (size_t i = 1; i < 5; ++i)
        EXPECT_LE(f[i - 1].tiefe, f[i].tiefe);
}

TEST(Polyeder, KeplerUmkugelnSindDieBahnradien)
{
    Polyeder p;
    p.DodekaederDrehen108();
    p.aufBahnenSkalieren();
    const std::pair<Koerper, double> soll[] = {{Koerper::Tetraeder, 778.322}, {Koerper::Hexaeder, 1427.607},
                                               {Koerper::Oktaeder, 108.209},  {Koerper::Ikosaeder, 149.598},
                                               {Koerper::Dodekaeder, 227.941}};
    for (auto [k, r] : soll)
        for (const Vektor& v : p.ecken(k))
            EXPECT_NEAR(Laenge(v), r, 1e-6 * r);
}

TEST(Polyeder, SternDreieckeMitFarbeUndTiefe)
{
    Polyeder p;
    p.DodekaederDrehen108();
    p.skalieren(Koerper::Ikosaeder, std::sqrt(5.0) / Rho);
    figures::Ansicht a;
    a.GroesseSetzen(1000, 600);
    a.Massstab = 12;
    a.Zoom = 10;
    a.WinkelSetzenGrad(20, -35, 10);
    p.projizieren(Koerper::Ikosaeder, a);
    p.projizieren(Koerper::Dodekaeder, a);
    const auto s = p.DodeSternKoordinaten();
    ASSERT_EQ(s.size(), 60u);
    std::set<int> nummern;
    for (size_t i = 0; i < s.size(); ++i) {
        nummern.insert(s[i].nummer);
        EXPECT_EQ(s[i].farbe, DodeSternDreiecke[static_cast<size_t>(s[i].nummer)].farbe);
        if (i > 0) {
            EXPECT_LE(s[i - 1].tiefe, s[i].tiefe);
        }
    }
    EXPECT_EQ(nummern.size(), 60u);
    // The nearest star point has the largest depth of the twelve.
    const auto b = p.bildpunkte(Koerper::Ikosaeder);
    for (const auto& q : b)
        EXPECT_LE(q.tiefe, b[static_cast<size_t>(p.naechsteIkoEcke())].tiefe);
    EXPECT_NE(p.naechsteIkoEcke(), p.zweitnaechsteIkoEcke());
}

// The two star points nearest the viewer against the depths themselves, for
// views that reach the second-nearest point by either way through the
// search (found after the nearest, or pushed down by a nearer one).
TEST(Polyeder, NaechsteIkoEckenSindDieDerGroesstenTiefen)
{
    const std::array<std::array<double, 3>, 9> blicke = {{{10, 20, 0},
                                                         {25, -40, 10},
                                                         {-165, -75, 0},
                                                         {-150, -75, 0},
                                                         {-135, -135, 0},
                                                         {70, 0, 30},
                                                         {123, 45, 67},
                                                         {-60, 160, -20},
                                                         {5, 95, 140}}};
    std::set<int> zweite;
    for (const auto& w : blicke) {
        Polyeder p;
        p.skalieren(Koerper::Ikosaeder, std::sqrt(5.0) / Rho);
        figures::Ansicht a;
        a.GroesseSetzen(800, 600);
        a.Massstab = 12;
        a.Zoom = 10;
        a.WinkelSetzenGrad(w[0], w[1], w[2]);
        p.projizieren(Koerper::Ikosaeder, a);
        const auto b = p.bildpunkte(Koerper::Ikosaeder);
        std::vector<std::pair<double, int>> nachTiefe;
        for (size_t i = 0; i < b.size(); ++i)
            nachTiefe.emplace_back(b[i].tiefe, static_cast<int>(i));
        std::sort(nachTiefe.rbegin(), nachTiefe.rend());
        const std::string blick = "view " + std::to_string(w[0]) + ", " + std::to_string(w[1]) + ", " + std::to_string(w[2]);
        ASSERT_GT(nachTiefe[0].first - nachTiefe[1].first, 1e-9) << blick << ": no tie for the nearest";
        ASSERT_GT(nachTiefe[1].first - nachTiefe[2].first, 1e-9) << blick << ": no tie for the second";
        EXPECT_EQ(p.naechsteIkoEcke(), nachTiefe[0].second) << blick;
        EXPECT_EQ(p.zweitnaechsteIkoEcke(), nachTiefe[1].second) << blick;
        zweite.insert(p.zweitnaechsteIkoEcke());
    }
    EXPECT_GE(zweite.size(), 5u) << "the views must reach different vertices";
}
