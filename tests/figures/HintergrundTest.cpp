// Zodiac band and star-background tiling through the recording canvas.
#include "figures/Aufzeichnungsflaeche.h"
#include "figures/Hintergrund.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace figures;

namespace {

Ansicht Sicht(int breite, int hoehe)
{
    Ansicht a;
    a.GroesseSetzen(breite, hoehe);
    return a;
}

// The angle (degrees, 0 .. 360) of the outer end of tick q, measured on the
// screen with y up, for an unrotated view.
double Strichwinkel(const Aufzeichnungsflaeche& z, const Ansicht& a, int q)
{
    const auto linien = z.nurArt(Aufzeichnung::Art::Linie);
    const auto& l = linien[static_cast<size_t>(180 + q)];
    const double w = std::atan2(a.MitteY - l.punkte[1].y, l.punkte[1].x - a.MitteX) / GradZuRad;
    return w < 0 ? w + 360 : w;
}

} // namespace

TEST(Tierkreis, UnrotatedTheBandIsACircleOfHalfTheHeightMinus15)
{
    Ansicht a = Sicht(800, 600);
    a.Zoom = 3;        // the band follows neither zoom ...
    a.Massstab = 0.01; // ... nor scale
    Aufzeichnungsflaeche z;
    Tierkreis(z, a, Einstellungssatz{}, true);
    const auto linien = z.nurArt(Aufzeichnung::Art::Linie);
    ASSERT_EQ(linien.size(), 180u + 12u);
    for (size_t i = 0; i < 180; ++i)
        for (const auto& p : linien[i].punkte)
            ASSERT_NEAR(std::hypot(p.x - a.MitteX, p.y - a.MitteY), 285.0, 0.75);
    for (size_t i = 180; i < linien.size(); ++i) {
        EXPECT_NEAR(std::hypot(linien[i].punkte[0].x - a.MitteX, linien[i].punkte[0].y - a.MitteY), 280.0, 0.75);
        EXPECT_NEAR(std::hypot(linien[i].punkte[1].x - a.MitteX, linien[i].punkte[1].y - a.MitteY), 290.0, 0.75);
    }
    ASSERT_FALSE(linien.empty());
    EXPECT_EQ(linien.front().stiftFarbe, Einstellungssatz{}.IntFarbeTierkreis);
    EXPECT_EQ(linien.front().stiftBreite, 1);
}

TEST(Tierkreis, XRotation90CollapsesTheBandIntoAHorizontalLine)
{
    Ansicht a = Sicht(800, 600);
    a.WinkelSetzenGrad(90, 0, 0);
    Aufzeichnungsflaeche z;
    Tierkreis(z, a, Einstellungssatz{}, true);
    int breiteste = 0;
    for (const auto& l : z.nurArt(Aufzeichnung::Art::Linie))
        for (const auto& p : l.punkte) {
            ASSERT_EQ(p.y, a.MitteY);
            breiteste = std::max(breiteste, std::abs(p.x - a.MitteX));
        }
    EXPECT_EQ(breiteste, 290);  // the Aries tick's outer end
}

TEST(Tierkreis, SignsAreTheGlyphsAriesToPiscesInTheZodiacFontAndTheFontIsResetAfter)
{
    Ansicht a = Sicht(800, 600);
    Aufzeichnungsflaeche z;
    Tierkreis(z, a, Einstellungssatz{}, true);
    const auto texte = z.nurArt(Aufzeichnung::Art::Text);
    ASSERT_EQ(texte.size(), 12u);
    EXPECT_EQ(texte[0].text, "\u2648");
    EXPECT_EQ(texte[11].text, "\u2653");
    EXPECT_EQ(texte[0].schrift.name, TierkreisSchrift);
    EXPECT_EQ(texte[0].schrift.groesse, 10);
    EXPECT_EQ(texte[0].schrift.farbe, Einstellungssatz{}.IntFarbeTierkreis);
    // Aries at 15 degrees: the glyph's top-left is 7 pixels left and up of the
    // point at radius R - 12.
    const double w = 15 * GradZuRad;
    EXPECT_NEAR(texte[0].punkte[0].x, a.MitteX + 273 * std::cos(w) - 7, 0.75);
    EXPECT_NEAR(texte[0].punkte[0].y, a.MitteY - 273 * std::sin(w) - 7, 0.75);
    z.textAus(0, 0, "x");
    EXPECT_EQ(z.eintraege().back().schrift.name, "MS Sans Serif");
    EXPECT_EQ(z.eintraege().back().schrift.groesse, 8);
}

struct Teilungsfall {
    const char* name;
    bool zeichen;
    bool praezession;
    bool umgekehrt;
    double tag;
    double erwartet0;  // angle of the Aries tick, degrees
};

class Teilung : public ::testing::TestWithParam<Teilungsfall> {};

TEST_P(Teilung, TicksSitAtSignsOrBoundariesShiftedByPrecession)
{
    const auto f = GetParam();
    Ansicht a = Sicht(2400, 2400);  // a large band measures angles finely
    Aufzeichnungsflaeche z;
    Tierkreis(z, a, Einstellungssatz{}, f.zeichen, {f.tag, f.praezession, f.umgekehrt});
    EXPECT_NEAR(Strichwinkel(z, a, 0), f.erwartet0, 0.05);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Teilung,
    ::testing::Values(Teilungsfall{"Zeichen", true, false, false, 0, 0.0},
                      Teilungsfall{"ZeichenBleibenMitPraezession", true, true, false, 36525, 0.0},
                      Teilungsfall{"Sternbilder2000", false, false, false, 36525, 28.7},
                      // about 1.4 degrees per century
                      Teilungsfall{"SternbilderEinJahrhundert", false, true, false, 36525, 28.7 - 1.397},
                      Teilungsfall{"SternbilderUmgekehrt", false, false, true, 0, 208.7},
                      Teilungsfall{"ZeichenUmgekehrt", true, false, true, 0, 180.0}),
    [](const auto& i) { return std::string(i.param.name); });

TEST(Tierkreis, DrawingTheBandLeavesTheLastDepthAlone)
{
    Ansicht a = Sicht(800, 600);
    a.WinkelSetzenGrad(30, 40, 0);
    a.PerspektivKoordinaten(10, 20, 30);
    const double tiefe = a.Tiefe;
    Aufzeichnungsflaeche z;
    Tierkreis(z, a, Einstellungssatz{}, true);
    EXPECT_EQ(a.Tiefe, tiefe);
}

struct Kachelfall {
    const char* name;
    int breite, hoehe, bild;
    int kacheln;
};

class Kacheln : public ::testing::TestWithParam<Kachelfall> {};

TEST_P(Kacheln, TileThePictureFromTheTopLeftCorner)
{
    const auto f = GetParam();
    Aufzeichnungsflaeche z(f.breite, f.hoehe);
    DXHintergrund(z, f.bild);
    const auto b = z.nurArt(Aufzeichnung::Art::Bild);
    ASSERT_EQ(static_cast<int>(b.size()), f.kacheln);
    if (b.empty())
        return;
    EXPECT_EQ(b.front().punkte[0], (Punkt{0, 0}));
    const int w = z.bildBreite(f.bild), h = z.bildHoehe(f.bild);
    for (const auto& k : b) {
        EXPECT_EQ(k.wert, f.bild);
        EXPECT_EQ(k.punkte[0].x % w, 0);
        EXPECT_EQ(k.punkte[0].y % h, 0);
        EXPECT_LE(k.punkte[0].x, f.breite);
        EXPECT_LE(k.punkte[0].y, f.hoehe);
    }
}

INSTANTIATE_TEST_SUITE_P(Faelle, Kacheln,
                         ::testing::Values(Kachelfall{"KleinerAlsKachel", 150, 80, 0, 1},
                                           Kachelfall{"Schmal", 100, 600, 2, 3},
                                           Kachelfall{"Vollbild", 800, 600, 2, 9},
                                           Kachelfall{"GenauVielfaches", 400, 200, 0, 9},
                                           Kachelfall{"Bild1", 1024, 768, 1, 16},
                                           Kachelfall{"KeinBild", 800, 600, 7, 0}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(Hintergrund, SofortClearsTilesDrawsTheZodiacAndFlipsInThatOrder)
{
    Aufzeichnungsflaeche z(800, 600);
    Ansicht a = Sicht(800, 600);
    Einstellungssatz s;
    s.IntFarbeHintergrund = 0x102030;
    s.IntBilditem = 1;
    HintergrundSofort(z, a, s, Tierkreisart::Sternbilder);
    const auto& e = z.eintraege();
    ASSERT_FALSE(e.empty());
    EXPECT_EQ(e.front().art, Aufzeichnung::Art::Fuellen);
    EXPECT_EQ(e.front().wert, 0x102030);
    EXPECT_EQ(e[1].art, Aufzeichnung::Art::Bild);
    EXPECT_EQ(e.back().art, Aufzeichnung::Art::Flip);
    EXPECT_EQ(z.anzahl(Aufzeichnung::Art::Bild), 3 * 3);
    EXPECT_EQ(z.anzahl(Aufzeichnung::Art::Text), 12);

    Aufzeichnungsflaeche leer(800, 600);
    s.IntBilditem = -1;
    HintergrundSofort(leer, a, s, Tierkreisart::Keiner);
    EXPECT_EQ(leer.eintraege().size(), 2u);  // fill and flip only
}
