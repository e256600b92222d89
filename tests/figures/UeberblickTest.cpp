// The overview frame read from the recording canvas: discs, trails, the Sun
// seen from a planet, the sphere without distances, the body limit.
#include "figures/Aufzeichnungsflaeche.h"
#include "figures/Ueberblick.h"

#include "sprache/Sprache.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace figures;
using Art = Aufzeichnung::Art;

namespace {

constexpr double Pi = 3.14159265358979323846;

// Bodies on circles of their largest distance in the ecliptic plane.
Positionsfunktion Kreise()
{
    return [](int k, double t) -> astro::Ergebnis<Raumpunkt> {
        const double r = Ausdehnung[static_cast<size_t>(k)];
        const double w = 2 * Pi * t / (87.97 * Umlaufzeiten[static_cast<size_t>(k)]) + k;
        return Raumpunkt{r * std::cos(w), r * std::sin(w), 0.0};
    };
}

struct Scheibe {
    int x, y, r;
    Farbe fuellung;
};

std::vector<Scheibe> Scheiben(const Aufzeichnungsflaeche& z)
{
    std::vector<Scheibe> s;
    for (const auto& e : z.nurArt(Art::Ellipse))
        s.push_back({(e.punkte[0].x + e.punkte[1].x) / 2, (e.punkte[0].y + e.punkte[1].y) / 2,
                     (e.punkte[1].x - e.punkte[0].x) / 2, e.pinselFarbe});
    return s;
}

UeberblickEingabe Eingabe(std::initializer_list<int> koerper, int zentrum = 0)
{
    UeberblickEingabe e;
    e.konfiguration = UeberblickEingabe::FreieKonfiguration;
    for (int k : koerper)
        e.koerper[static_cast<size_t>(k)] = true;
    e.zentrum = zentrum;
    e.bahnen = false;
    return e;
}

// Restores the catalogue's language after a test that switches it.
struct SpracheFest {
    explicit SpracheFest(sprache::Sprache s) : alt(sprache::aktuelleSprache()) { sprache::setzeSprache(s); }
    ~SpracheFest() { sprache::setzeSprache(alt); }
    sprache::Sprache alt;
};

struct Lauf {
    Ansicht a;
    Ueberblick u;
    Aufzeichnungsflaeche z{800, 600};
    Einstellungssatz s;
    Ueberblicksrahmen r;
    astro::Status vorbereiten(const UeberblickEingabe& e, int maxSchritte = 12000)
    {
        a.GroesseSetzen(800, 600);
        Ueberblickslauf l;
        l.maxSchritte = maxSchritte;
        return u.vorbereiten(e, l, a, Kreise());
    }
    void schritt(int n)
    {
        z.leeren();
        ASSERT_TRUE(u.schritt(n, &z, a, s, r, nullptr).ok());
    }
};

} // namespace

TEST(Ueberblick, SunDiscOnlyWithSunToCentre)
{
    for (bool sonne : {false, true}) {
        Lauf l;
        ASSERT_TRUE(l.vorbereiten(Eingabe({1, 2, 3, 4})).ok());
        l.r.sonneZentrum = sonne;
        l.schritt(0);
        int sonnen = 0;
        for (const auto& d : Scheiben(l.z))
            if (d.fuellung == l.s.IntFarbePlanet[0]) {
                ++sonnen;
                EXPECT_EQ(d.x, l.a.MitteX);
                EXPECT_EQ(d.y, l.a.MitteY);
                EXPECT_EQ(d.r, l.s.IntASonne);
            }
        EXPECT_EQ(sonnen, sonne ? 1 : 0) << "sonneZentrum " << sonne;
        EXPECT_EQ(static_cast<int>(Scheiben(l.z).size()), 4 + (sonne ? 1 : 0));
    }
}

TEST(Ueberblick, EarthAtTheCentreSeesTheSunMoveAlongItsPath)
{
    Lauf l;
    auto e = Eingabe({3, 4}, 3);
    e.bahnen = true;
    ASSERT_TRUE(l.vorbereiten(e).ok());
    Scheibe sonne0{}, sonne5{};
    for (int n = 0; n <= 5; ++n) {
        l.schritt(n);
        const auto d = Scheiben(l.z);
        bool erdeInMitte = false;
        for (const auto& s : d) {
            if (s.fuellung == l.s.IntFarbePlanet[3])
                erdeInMitte = s.x == l.a.MitteX && s.y == l.a.MitteY;
            if (s.fuellung == l.s.IntFarbePlanet[0]) {
                EXPECT_EQ(s.r, l.s.IntASonne);
                (n == 0 ? sonne0 : sonne5) = s;
            }
        }
        EXPECT_TRUE(erdeInMitte) << "step " << n;
    }
    EXPECT_NE(sonne0.x * 10000 + sonne0.y, sonne5.x * 10000 + sonne5.y) << "the Sun moves around the Earth";
    // The Sun is at minus the Earth's position.
    const auto erde = Kreise()(3, 5 * l.u.schrittweite());
    EXPECT_NEAR(sonne5.x, l.a.MitteX - erde->X * l.a.Pixelfaktor(), 1.0);
    // Its path: the trail in the Sun-path colour through all six steps.
    bool pfad = false;
    for (const auto& p : l.z.nurArt(Art::Polylinie))
        if (p.stiftFarbe == l.s.IntFarbeSonnenbahn) {
            pfad = true;
            EXPECT_EQ(p.punkte.size(), 6u);
            EXPECT_EQ(p.punkte.back().x, sonne5.x);
        }
    EXPECT_TRUE(pfad);
}

TEST(Ueberblick, WithoutDistancesAllBodiesLieOnOneCircleNearestOnTop)
{
    Lauf l;
    auto e = Eingabe({1, 2, 4, 5, 6}, 3);
    e.koerper[3] = true;
    e.ohneEntfernungen = true;
    ASSERT_TRUE(l.vorbereiten(e).ok());
    l.a.Zoom = 1.5;
    l.schritt(0);
    const auto d = Scheiben(l.z);
    ASSERT_EQ(d.size(), 7u);  // five planets, the Sun, the Earth
    const double radius = 263.0 * l.a.Hoehenfaktor * l.a.Zoom;
    for (const auto& s : d) {
        if (!(s.x == l.a.MitteX && s.y == l.a.MitteY)) {
            EXPECT_NEAR(std::hypot(s.x - l.a.MitteX, s.y - l.a.MitteY), radius, 1.0);
        }
    }
    // Drawn farthest first: the centre disc, then Saturn, ..., the nearest last.
    ASSERT_GE(d.size(), 2u);
    EXPECT_EQ(d.front().fuellung, l.s.IntFarbePlanet[3]);
    EXPECT_EQ(d[1].fuellung, l.s.IntFarbePlanet[6]);
    EXPECT_DOUBLE_EQ(l.a.Massstab, 1.0);
    EXPECT_DOUBLE_EQ(l.a.Massstabswert, 1000.0);
    EXPECT_DOUBLE_EQ(l.a.FigurAusdehnung, 1000.0) << "the scale bar's extent is its value";
}

// The Moon beside the Earth has its legend line; "Entfernung (AE)" reaches
// the scale bar.
TEST(Ueberblick, MondInDerLegendeUndMassstabInAE)
{
    SpracheFest d(sprache::Sprache::Deutsch);
    Lauf l;
    auto e = Eingabe({1, 2}, 3);
    e.ohneEntfernungen = true;
    e.mond = true;
    ASSERT_TRUE(l.vorbereiten(e).ok());
    l.r.legende = true;
    l.schritt(0);
    bool mond = false;
    for (const auto& t : l.z.nurArt(Aufzeichnung::Art::Text))
        mond = mond || t.text == "Mond";
    EXPECT_TRUE(mond) << "the legend's Moon line";

    Lauf m;
    ASSERT_TRUE(m.vorbereiten(Eingabe({1, 2, 3})).ok());
    m.r.massstab = true;
    m.r.astronomischeEinheiten = true;
    m.schritt(0);
    bool ae = false;
    for (const auto& t : m.z.nurArt(Aufzeichnung::Art::Text))
        ae = ae || t.text == sprache::T("massstab.null.ae");
    EXPECT_TRUE(ae) << "the scale bar in astronomical units";
}

TEST(Ueberblick, TrailsStartAgainAfterMaxSchrittePlusOneSteps)
{
    Lauf l;
    auto e = Eingabe({3, 4}, 3);  // the centre ticked: the Sun and its path are shown
    e.bahnen = true;
    ASSERT_TRUE(l.vorbereiten(e, 5).ok());  // R = 6
    auto laengen = [&] {
        std::vector<size_t> n;
        for (const auto& p : l.z.nurArt(Art::Polylinie))
            n.push_back(p.punkte.size());
        return n;
    };
    for (int n = 0; n <= 5; ++n)
        l.schritt(n);
    EXPECT_EQ(laengen(), (std::vector<size_t>{6, 6})) << "Mars and the Sun, steps 0..5";
    l.schritt(6);
    EXPECT_EQ(laengen(), (std::vector<size_t>{1, 1}));
    l.schritt(7);
    EXPECT_EQ(laengen(), (std::vector<size_t>{2, 2}));
}

TEST(Ueberblick, AViewChangeReprojectsTheWholeTrail)
{
    Lauf l;
    auto e = Eingabe({4}, 3);
    e.bahnen = true;
    ASSERT_TRUE(l.vorbereiten(e).ok());
    for (int n = 0; n < 3; ++n)
        l.schritt(n);
    const Punkt vorher = l.z.nurArt(Art::Polylinie)[0].punkte[0];
    l.a.Zoom = 2.0;  // the engine changes the zoom without telling the figure
    l.schritt(3);
    const Punkt nachher = l.z.nurArt(Art::Polylinie)[0].punkte[0];
    EXPECT_NEAR(nachher.x - l.a.MitteX, 2 * (vorher.x - l.a.MitteX), 1);
    EXPECT_NEAR(nachher.y - l.a.MitteY, 2 * (vorher.y - l.a.MitteY), 1);
}

TEST(Ueberblick, MoreThanNineBodiesDrawOnlyTheFirstNineInNumberOrder)
{
    Lauf l;
    ASSERT_TRUE(l.vorbereiten(Eingabe({1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 13})).ok());
    l.schritt(0);
    const auto d = Scheiben(l.z);
    ASSERT_EQ(d.size(), 9u);
    for (const auto& s : d) {
        EXPECT_NE(s.fuellung, l.s.IntFarbePlanet[11]);
        EXPECT_NE(s.fuellung, l.s.IntFarbePlanet[12]);
        EXPECT_NE(s.fuellung, l.s.IntFarbePlanet[13]);
    }
    EXPECT_TRUE(l.u.auswahl()[10]);
    EXPECT_FALSE(l.u.auswahl()[11]);
}

TEST(Ueberblick, FreeConfigurationHidesTheSunWhenTheCentreIsNotTicked)
{
    Lauf l;
    ASSERT_TRUE(l.vorbereiten(Eingabe({4, 5}, 3)).ok());
    l.schritt(0);
    for (const auto& s : Scheiben(l.z))
        EXPECT_NE(s.fuellung, l.s.IntFarbePlanet[0]);
    EXPECT_EQ(Scheiben(l.z).size(), 3u);
}

struct SchrittFall {
    const char* name;
    std::vector<int> koerper;
    int zentrum;
    bool mond;
    double erwartet;  // x 0.75
};

class UeberblickSchritt : public ::testing::TestWithParam<SchrittFall> {};

TEST_P(UeberblickSchritt, FromTheFastestBodyAndTheLowerEndOfTheRange)
{
    const auto& f = GetParam();
    UeberblickEingabe e;
    e.konfiguration = UeberblickEingabe::FreieKonfiguration;
    for (int k : f.koerper)
        e.koerper[static_cast<size_t>(k)] = true;
    e.zentrum = f.zentrum;
    e.mond = f.mond;
    e.ohneEntfernungen = f.mond;
    Ansicht a;
    a.GroesseSetzen(800, 600);
    Ueberblick u;
    ASSERT_TRUE(u.vorbereiten(e, {}, a, Kreise()).ok());
    EXPECT_DOUBLE_EQ(u.schrittweite(), 0.75 * f.erwartet);
}

INSTANTIATE_TEST_SUITE_P(Tabelle, UeberblickSchritt,
                         ::testing::Values(SchrittFall{"Aussen", {5, 6}, 0, false, 49.251},
                                           SchrittFall{"InnenUndAussen", {1, 8}, 0, false, 1.0},
                                           SchrittFall{"ZentrumErde", {5, 6}, 3, false, 4.1521},
                                           SchrittFall{"MitMond", {4}, 3, true, 0.3106}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(Ueberblick, DataRowsOneGroupPerBodyCentreAsSunColumn)
{
    Lauf l;
    auto e = Eingabe({2, 4}, 3);
    ASSERT_TRUE(l.vorbereiten(e).ok());
    astro::Zeilenspeicher z;
    astro::Datenausgabe d;
    d.zielSetzen(&z);
    ASSERT_TRUE(l.u.schritt(0, nullptr, l.a, l.s, l.r, &d).ok());
    ASSERT_EQ(z.zeilen.size(), 1u);
    // Nummer, time, then three cells for each of Venus, Earth (the Sun), Mars.
    EXPECT_EQ(std::count(z.zeilen[0].begin(), z.zeilen[0].end(), '\t'), 1 + 9);
    const auto k = l.u.kopfangaben(sprache::Sprache::Deutsch);
    EXPECT_EQ(k.koerper, (std::vector<int>{2, 3, 4}));
    EXPECT_EQ(k.zentrum, 3);
}
