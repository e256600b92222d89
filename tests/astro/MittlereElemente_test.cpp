// The mean elements far from the present: the Earth's eccentricity
// polynomial passes through zero at about +23600 years.
#include "astro/MittlereElemente.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(MittlereElemente, ExzentrizitaetDurchNullBleibtEineBahn)
{
    const auto& e = astro::MittlereElementeTabelle()[astro::koerper::Erde].e;
    // Where the polynomial changes sign (bisection between +200 and +274 centuries).
    double lo = 200, hi = 274;
    ASSERT_GT(e(lo), 0);
    ASSERT_LT(e(hi), 0);
    for (int k = 0; k < 60; ++k)
        (e(0.5 * (lo + hi)) > 0 ? lo : hi) = 0.5 * (lo + hi);
    const double nullstelle = 0.5 * (lo + hi);
    const double tagNull = nullstelle * 36525.0;

    // Day by day across the crossing: finite, at about 1 AU, and moving as
    // the Earth moves (about 2.6 million km a day), with no jump.
    astro::PositionXYZ vorher{};
    for (int d = -40; d <= 40; ++d) {
        const double T = (tagNull + d) / 36525.0;
        const astro::Bahnelemente el = astro::MittlereElemente(astro::koerper::Erde, T);
        EXPECT_GE(el.e, 0.0) << "day " << d;
        const astro::PositionXYZ p = astro::PositionAusElementen(el);
        const double r = std::sqrt(p.X * p.X + p.Y * p.Y + p.Z * p.Z);
        ASSERT_TRUE(std::isfinite(r)) << "day " << d;
        EXPECT_NEAR(r, astro::AE, 0.01 * astro::AE) << "day " << d;
        if (d > -40) {
            const double s = std::hypot(p.X - vorher.X, p.Y - vorher.Y, p.Z - vorher.Z);
            EXPECT_NEAR(s, 2.6, 0.3) << "million km between day " << d - 1 << " and " << d;
        }
        vorher = p;
    }
}

} // namespace
