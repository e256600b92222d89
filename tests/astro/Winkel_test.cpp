// Angle reduction, coordinate conversions and Kepler's equation.
#include "astro/Kepler.h"
#include "astro/Koordinaten.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct WinkelFall {
    const char* name;
    double ein;
    double w360;
    double w180;
};

class WinkelTabelle : public ::testing::TestWithParam<WinkelFall> {};

TEST_P(WinkelTabelle, Reduktion)
{
    const WinkelFall& f = GetParam();
    EXPECT_DOUBLE_EQ(astro::Winkel360(f.ein), f.w360);
    EXPECT_DOUBLE_EQ(astro::Winkel180(f.ein), f.w180);
}

INSTANTIATE_TEST_SUITE_P(Winkel, WinkelTabelle,
                         ::testing::Values(WinkelFall{"Minus30", -30, 330, -30}, WinkelFall{"Voll720", 720, 0, 0},
                                           WinkelFall{"Plus190", 190, 190, -170}, WinkelFall{"Null", 0, 0, 0},
                                           WinkelFall{"Grenze180", 180, 180, 180},
                                           WinkelFall{"Minus180", -180, 180, -180},
                                           WinkelFall{"Minus540", -540, 180, -180},
                                           WinkelFall{"Gross", 3600000.5, 0.5, 0.5},
                                           WinkelFall{"GrossNegativ", -3600090, 270, -90}),
                         [](const auto& info) { return std::string(info.param.name); });

// A tiny negative angle: x + 360 rounds to 360, which must come back as 0
// (a longitude of 360 would fall outside every 0..360 lookup).
TEST(Winkel, WinzigNegativBleibtImIntervall)
{
    const double w = astro::Winkel360(-1e-15);
    EXPECT_GE(w, 0.0);
    EXPECT_LT(w, 360.0);
}

TEST(Winkel, Winkel180HaengtBeiRiesigenWertenNicht)
{
    const double w = astro::Winkel180(1e15);
    EXPECT_GE(w, -180.0);
    EXPECT_LE(w, 180.0);
}

struct KugelFall {
    const char* name;
    double L, B, R;
};

class KugelTabelle : public ::testing::TestWithParam<KugelFall> {};

TEST_P(KugelTabelle, HinUndZurueck)
{
    const KugelFall& f = GetParam();
    const astro::PositionXYZ p = astro::KugelZuXYZ({f.L, f.B, f.R});
    EXPECT_NEAR(std::hypot(std::hypot(p.X, p.Y), p.Z), f.R, 1e-12 * f.R);
    const astro::Kugelkoordinaten k = astro::XYZZuKugel(p);
    EXPECT_NEAR(k.L, f.L, 1e-10);
    EXPECT_NEAR(k.B, f.B, 1e-10);
    EXPECT_NEAR(k.R, f.R, 1e-12 * f.R);
}

INSTANTIATE_TEST_SUITE_P(Koordinaten, KugelTabelle,
                         ::testing::Values(KugelFall{"Fruehlingspunkt", 0, 0, 1}, KugelFall{"Quadrant2", 135, 20, 778},
                                           KugelFall{"Quadrant3", 225, -45, 0.5},
                                           KugelFall{"Quadrant4", 300, -5.2, 149.6},
                                           KugelFall{"Suedlich", 359.5, -89, 3.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Koordinaten, AchsenUndUrsprung)
{
    const astro::PositionXYZ y = astro::KugelZuXYZ({90, 0, 2});
    EXPECT_NEAR(y.X, 0, 1e-15);
    EXPECT_NEAR(y.Y, 2, 1e-15);
    const astro::PositionXYZ z = astro::KugelZuXYZ({0, 90, 2});
    EXPECT_NEAR(z.Z, 2, 1e-15);
    const astro::Kugelkoordinaten minusY = astro::XYZZuKugel({0, -1, 0});
    EXPECT_DOUBLE_EQ(minusY.L, 270.0);
    const astro::Kugelkoordinaten null = astro::XYZZuKugel({0, 0, 0});
    EXPECT_EQ(null.L, 0.0);
    EXPECT_EQ(null.B, 0.0);
    EXPECT_EQ(null.R, 0.0);
}

// E from the true anomaly, to check the solution against Kepler's equation.
double exzentrischeAnomalie(double e, double vGrad)
{
    return 2.0 * std::atan(std::sqrt((1.0 - e) / (1.0 + e)) * std::tan(vGrad * astro::GradZuRad / 2.0));
}

struct KeplerFall {
    const char* name;
    double e, M;
    double E; // degrees, from Meeus, Astronomical Algorithms, ch. 30 where given; else NaN
};

class KeplerTabelle : public ::testing::TestWithParam<KeplerFall> {};

TEST_P(KeplerTabelle, ErfuelltDieGleichung)
{
    const KeplerFall& f = GetParam();
    const double v = astro::KeplerGleichung(f.e, f.M);
    ASSERT_TRUE(std::isfinite(v));
    EXPECT_GT(v, -180.0);
    EXPECT_LE(v, 180.0);
    const double E = exzentrischeAnomalie(f.e, v);
    const double rest = std::remainder(E - f.e * std::sin(E) - f.M * astro::GradZuRad, 2.0 * M_PI);
    EXPECT_NEAR(rest, 0.0, 1e-8) << "v = " << v;
    if (!std::isnan(f.E)) {
        EXPECT_NEAR(E * astro::RadZuGrad, f.E, 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kepler, KeplerTabelle,
    ::testing::Values(KeplerFall{"Meeus30a", 0.1, 5, 5.554589}, KeplerFall{"Meeus30b", 0.99, 2, 32.361007},
                      KeplerFall{"Merkur", 0.2056, 123.4, NAN}, KeplerFall{"Sedna", 0.85, 0.3, NAN},
                      KeplerFall{"SehrExzentrisch", 0.999999, 0.001, NAN},
                      KeplerFall{"SehrExzentrischNegativ", 0.9999, -0.5, NAN},
                      KeplerFall{"Aphel", 0.97, 180.0, 180.0}, KeplerFall{"VieleUmlaeufe", 0.5, 7200000.0 + 40.0, NAN},
                      KeplerFall{"NegativeUmlaeufe", 0.3, -1e6 - 10.0, NAN}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Kepler, KreisbahnGibtMittlereAnomalieReduziert)
{
    EXPECT_NEAR(astro::KeplerGleichung(0.0, 30.0), 30.0, 1e-12);
    EXPECT_NEAR(astro::KeplerGleichung(0.0, 200.0), -160.0, 1e-12);
    EXPECT_NEAR(astro::KeplerGleichung(0.0, -190.0), 170.0, 1e-12);
    EXPECT_NEAR(astro::KeplerGleichung(0.0, 725.0), 5.0, 1e-9);
}

// Anomalies are symmetric about the apsides: M and -M give v and -v.
TEST(Kepler, SymmetrischZurApsidenlinie)
{
    for (double e : {0.05, 0.5, 0.95})
        for (double M : {1.0, 45.0, 170.0})
            EXPECT_NEAR(astro::KeplerGleichung(e, -M), -astro::KeplerGleichung(e, M), 1e-7);
}

// No elliptic solution: reported as NaN, and above all the call returns
// (a fixed-point iteration would run forever).
TEST(Kepler, KeineEllipseKeineEndlosschleife)
{
    EXPECT_TRUE(std::isnan(astro::KeplerGleichung(1.0, 10.0)));
    EXPECT_TRUE(std::isnan(astro::KeplerGleichung(1.5, 10.0)));
    EXPECT_TRUE(std::isnan(astro::KeplerGleichung(-0.1, 10.0)));
    EXPECT_TRUE(std::isnan(astro::KeplerGleichung(0.5, NAN)));
    EXPECT_TRUE(std::isnan(astro::KeplerGleichung(0.5, INFINITY)));
}

} // namespace
