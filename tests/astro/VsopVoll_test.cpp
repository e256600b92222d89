// The reader of the complete VSOP87D files (fixed columns) on small
// hand-made files: what it accepts, and the malformed files it refuses.

#include "astro/VsopVoll.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

using namespace astro;

std::string kopf(int variable, int potenz, int anzahl)
{
    char z[200];
    std::snprintf(z, sizeof z,
                  " VSOP87 VERSION D4    MERCURY   VARIABLE %d (LBR)       *T**%d %6d %-5s    HELIOCENTRIC DYNAMICAL "
                  "ECLIPTIC AND EQUINOX OF THE DATE\n",
                  variable, potenz, anzahl, anzahl == 1 ? "TERM" : "TERMS");
    return z;
}

// One record in the published layout (1x,4i1,i5,12i3,f15.11,2f18.11,f14.11,f20.11).
std::string satz(int variable, int potenz, int rang, double A, double B, double C)
{
    char z[200];
    std::snprintf(z, sizeof z, " 41%d%d%5d  0  0  0  0  0  0  0  0  0  0  0  0%15.11f%18.11f%18.11f%14.11f%20.11f \n",
                  variable, potenz, rang, 0.0, 0.0, A, B, C);
    return z;
}

TEST(VsopVoll, LiestReihenUndWertetAus)
{
    const std::string text = kopf(1, 0, 2) + satz(1, 0, 1, 4.40250710144, 0, 0)
                             + satz(1, 0, 2, 0.40989414976, 1.48302034194, 26087.90314157420) + kopf(3, 2, 1)
                             + satz(3, 2, 1, 0.00000003, 2.5, 100.0);
    const auto e = VsopVollLesen(text);
    ASSERT_TRUE(e.ok()) << e.status().detail;
    ASSERT_EQ(e->reihen[VsopL][0].size(), 2u);
    EXPECT_EQ(e->reihen[VsopL][0][1].A, 0.40989414976);
    EXPECT_EQ(e->reihen[VsopL][0][1].C, 26087.9031415742);
    EXPECT_EQ(e->reihen[VsopR][2].size(), 1u);
    EXPECT_TRUE(e->reihen[VsopB][0].empty());

    const double tau = 0.3;
    const auto w = VsopVollAuswerten(*e, tau);
    EXPECT_NEAR(w[0], 4.40250710144 + 0.40989414976 * std::cos(1.48302034194 + 26087.9031415742 * tau), 1e-13);
    EXPECT_EQ(w[1], 0.0);
    EXPECT_NEAR(w[2], 0.00000003 * std::cos(2.5 + 100.0 * tau) * tau * tau, 1e-20);
}

struct KaputtFall {
    const char* name;
    std::string text;
};

class VsopVollKaputt : public ::testing::TestWithParam<KaputtFall> {};

TEST_P(VsopVollKaputt, WirdAbgelehnt)
{
    const auto e = VsopVollLesen(GetParam().text);
    ASSERT_FALSE(e.ok());
    EXPECT_EQ(e.status().fehler, Fehler::DateiBeschaedigt);
    EXPECT_NE(e.status().detail.find("line"), std::string::npos) << e.status().detail;
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, VsopVollKaputt,
    ::testing::Values(KaputtFall{"ZuWenigeSaetze", kopf(1, 0, 3) + satz(1, 0, 1, 1, 0, 0) + satz(1, 0, 2, 1, 0, 0)},
                      KaputtFall{"KeinKopf", satz(1, 0, 1, 1, 0, 0)},
                      KaputtFall{"SatzZuKurz", kopf(1, 0, 1) + satz(1, 0, 1, 1, 0, 0).substr(0, 100) + "\n"},
                      KaputtFall{"SatzFremderReihe", kopf(1, 0, 1) + satz(2, 0, 1, 1, 0, 0)},
                      KaputtFall{"VariableVier", kopf(4, 0, 1) + satz(4, 0, 1, 1, 0, 0)},
                      KaputtFall{"PotenzSechs", kopf(1, 6, 1) + satz(1, 6, 1, 1, 0, 0)},
                      KaputtFall{"ReiheDoppelt", kopf(1, 0, 1) + satz(1, 0, 1, 1, 0, 0) + kopf(1, 0, 1)
                                                     + satz(1, 0, 1, 1, 0, 0)},
                      KaputtFall{"AmplitudeKeineZahl", [] {
                                     std::string s = satz(1, 0, 1, 1, 0, 0);
                                     s[90] = 'x';
                                     return kopf(1, 0, 1) + s;
                                 }()}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
