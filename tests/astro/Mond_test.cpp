// The Moon's position from the truncated lunar theory.
#include "astro/Mondposition.h"
#include "astro/Praezession.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

namespace {

struct MondFall {
    const char* name;
    double tag;
    double lambda, beta, delta; // degrees, degrees, km; equinox of date
    double tolWinkel, tolDelta;
};

class MondBekannteWerte : public ::testing::TestWithParam<MondFall> {};

TEST_P(MondBekannteWerte, VorPraezession)
{
    const MondFall& f = GetParam();
    const astro::Kugelkoordinaten k = astro::MondKugelDesDatums(f.tag);
    EXPECT_NEAR(k.L, f.lambda, f.tolWinkel);
    EXPECT_NEAR(k.B, f.beta, f.tolWinkel);
    EXPECT_NEAR(k.R, f.delta, f.tolDelta);
}

// 1992-04-12 0h TD: Meeus, Astronomical Algorithms, example 47.a (λ before
// nutation 133.162655, β -3.229126, Δ 368409.7); day 0: the second worked
// value of the lunar design. Both to the published digits; together they
// exercise every term of both tables at two sets of arguments.
INSTANTIATE_TEST_SUITE_P(Mond, MondBekannteWerte,
                         ::testing::Values(MondFall{"Meeus47a", -2820.0, 133.16266, -3.22913, 368409.68, 6e-6, 0.006},
                                           MondFall{"Tag0", 0.0, 217.28833, 5.23178, 400927.16, 6e-6, 0.006}),
                         [](const auto& info) { return std::string(info.param.name); });

// Against a modern ephemeris: geocentric Moon at JD 2460000.5 from the JPL
// DE431 ephemeris (Moon relative to the Earth's centre, geometric, ecliptic
// and equinox J2000): λ 38.316617°, β 0.245603°, Δ 381932.76 km. The
// truncated theory is good to about 10" and 10 km.
TEST(Mond, GegenEphemeride2023)
{
    const astro::Kugelkoordinaten k = astro::XYZZuKugel(astro::MondKoordinaten(2460000.5 - 2451544.5, false));
    EXPECT_NEAR(k.L, 38.316617, 0.005);
    EXPECT_NEAR(k.B, 0.245603, 0.003);
    EXPECT_NEAR(k.R, 381932.76, 25.0);
}

TEST(Mond, BeideBezugssystemeGleichBeiJ2000)
{
    const astro::PositionXYZ ohne = astro::MondKoordinaten(0.5, false);
    const astro::PositionXYZ mit = astro::MondKoordinaten(0.5, true);
    EXPECT_NEAR(mit.X, ohne.X, 1e-6);
    EXPECT_NEAR(mit.Y, ohne.Y, 1e-6);
    EXPECT_NEAR(mit.Z, ohne.Z, 1e-6);
}

// With the switch off the position is precessed back to J2000: a century
// after J2000 its longitude is about 1.4° smaller than the longitude of date.
TEST(Mond, OhnePraezessionIstJ2000)
{
    const double tag = 36525.5;
    const astro::Kugelkoordinaten datum = astro::MondKugelDesDatums(tag);
    const astro::Kugelkoordinaten j2000 = astro::XYZZuKugel(astro::MondKoordinaten(tag, false));
    const astro::Kugelkoordinaten mit = astro::XYZZuKugel(astro::MondKoordinaten(tag, true));
    EXPECT_NEAR(std::remainder(datum.L - j2000.L, 360.0), 1.397, 0.01);
    EXPECT_NEAR(std::remainder(mit.L - datum.L, 360.0), 0.0, 1e-9);
    EXPECT_NEAR(mit.R, datum.R, 1e-6);
    EXPECT_NEAR(j2000.R, datum.R, 1e-6);
}

// The orbit over two centuries stays physical: distance between perigee and
// apogee extremes, latitude within the inclination (a wrong sign of a large
// term shows up in these ranges).
TEST(Mond, BahnBleibtPhysikalisch)
{
    double minDelta = 1e9, maxDelta = 0, maxBeta = 0;
    for (double tag = -36525.0; tag <= 36525.0; tag += 0.37) {
        const astro::Kugelkoordinaten k = astro::MondKugelDesDatums(tag);
        minDelta = std::min(minDelta, k.R);
        maxDelta = std::max(maxDelta, k.R);
        maxBeta = std::max(maxBeta, std::fabs(k.B));
        ASSERT_GE(k.L, 0.0);
        ASSERT_LT(k.L, 360.0);
    }
    EXPECT_NEAR(minDelta, 356400.0, 300.0);
    EXPECT_NEAR(maxDelta, 406700.0, 300.0);
    EXPECT_NEAR(maxBeta, 5.30, 0.05);

}

TEST(Mond, TafelnInVeroeffentlichterForm)
{
    const auto& lr = astro::MondTabelleLR();
    const auto& b = astro::MondTabelleB();
    // First and last rows as published.
    EXPECT_EQ(lr.front().sigmaL, 6288774);
    EXPECT_EQ(lr.front().sigmaR, -20905355);
    EXPECT_EQ(lr.back().sigmaL, 0);
    EXPECT_EQ(lr.back().sigmaR, 8752);
    EXPECT_EQ(b.front().sigmaB, 5128122);
    EXPECT_EQ(b.back().sigmaB, 107);
    // The Sun's mean anomaly appears at most twice (E and E² factors), and no
    // two rows share the same argument.
    for (size_t i = 0; i < lr.size(); ++i) {
        EXPECT_LE(std::abs(lr[i].M), 2);
        for (size_t j = 0; j < i; ++j)
            EXPECT_FALSE(lr[i].D == lr[j].D && lr[i].M == lr[j].M && lr[i].Ms == lr[j].Ms && lr[i].F == lr[j].F)
                << "rows " << j << " and " << i;
    }
    for (size_t i = 0; i < b.size(); ++i) {
        EXPECT_LE(std::abs(b[i].M), 2);
        EXPECT_NE(b[i].F % 2, 0) << "latitude terms have odd multiples of F, row " << i;
        for (size_t j = 0; j < i; ++j)
            EXPECT_FALSE(b[i].D == b[j].D && b[i].M == b[j].M && b[i].Ms == b[j].Ms && b[i].F == b[j].F)
                << "rows " << j << " and " << i;
    }
    for (size_t i = 0; i < lr.size(); ++i)
        EXPECT_EQ(lr[i].F % 2, 0) << "longitude terms have even multiples of F, row " << i;
}

} // namespace
