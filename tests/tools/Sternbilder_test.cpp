// The star fields of tools/sternbilder: sizes and palettes of the three
// pictures, a fixed result, and the look of a night sky rather than noise.
#include "../../tools/sternbilder/Sternfeld.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace sternbilder;

namespace {

struct Auswertung {
    int leuchtend = 0;   // pixels that are not black
    int hell = 0;        // near-white pixels (cores of bright stars)
    int schwach = 0;     // dim pixels (faint stars)
    int farbig = 0;      // clearly blue or clearly red/orange/yellow pixels
};

Auswertung Auswerten(const Sternbild& b)
{
    Auswertung a;
    for (auto k : b.indizes) {
        if (k == 0)
            continue;
        const Farbwert f = b.palette[k];
        ++a.leuchtend;
        const int summe = f.r + f.g + f.b;
        if (summe > 3 * 200)
            ++a.hell;
        if (summe < 3 * 110)
            ++a.schwach;
        if (std::abs(f.r - f.b) > 45 && std::max({f.r, f.g, f.b}) > 90)
            ++a.farbig;
    }
    return a;
}

} // namespace

class Sternbilder : public ::testing::TestWithParam<int> {};

TEST_P(Sternbilder, HaveTheirSizeAndPaletteWithBlackOnlyAsEntryZero)
{
    const Bildvorgabe& v = Vorgaben[static_cast<size_t>(GetParam())];
    const Sternbild b = Sternfeld(v);
    EXPECT_EQ(b.breite, v.breite);
    EXPECT_EQ(b.hoehe, v.hoehe);
    ASSERT_EQ(static_cast<int>(b.palette.size()), v.farben);
    EXPECT_EQ(b.palette[0].r + b.palette[0].g + b.palette[0].b, 0);
    for (size_t i = 1; i < b.palette.size(); ++i)
        EXPECT_GT(b.palette[i].r + b.palette[i].g + b.palette[i].b, 0) << i;  // black is the transparent colour
    ASSERT_EQ(b.indizes.size(), static_cast<size_t>(v.breite * v.hoehe));
    for (auto k : b.indizes)
        ASSERT_LT(k, b.palette.size());
}

TEST_P(Sternbilder, AreTheSameEveryTime)
{
    const Bildvorgabe& v = Vorgaben[static_cast<size_t>(GetParam())];
    EXPECT_EQ(Sternfeld(v).indizes, Sternfeld(v).indizes);
}

TEST_P(Sternbilder, LookLikeANightSkyNotNoise)
{
    const Bildvorgabe& v = Vorgaben[static_cast<size_t>(GetParam())];
    const Auswertung a = Auswerten(Sternfeld(v));
    const int flaeche = v.breite * v.hoehe;
    // mostly black: a few percent of the pixels carry light
    EXPECT_GT(a.leuchtend, flaeche / 200);
    EXPECT_LT(a.leuchtend, flaeche / 20);
    // varied brightness: many faint stars, a few bright ones
    EXPECT_GT(a.schwach, a.leuchtend / 2);
    EXPECT_GT(a.hell, 0);
    EXPECT_LT(a.hell, a.leuchtend / 10);
    // a few coloured stars among the white ones
    EXPECT_GT(a.farbig, 0);
    EXPECT_LT(a.farbig, a.leuchtend / 4);
}

INSTANTIATE_TEST_SUITE_P(Bilder, Sternbilder, ::testing::Values(0, 1, 2),
                         [](const auto& i) { return "Bild" + std::to_string(i.param); });

TEST(Sternbilder, DifferentSeedsGiveDifferentSkies)
{
    Bildvorgabe v = Vorgaben[1];
    const auto a = Sternfeld(v);
    v.saat ^= 1u;
    EXPECT_NE(a.indizes, Sternfeld(v).indizes);
}
