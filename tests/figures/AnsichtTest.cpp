// View geometry: projection, rounding, the scale rule and the scale-bar value.
#include "figures/Ansicht.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace figures;

namespace {

Ansicht AnsichtMit(int breite, int hoehe, double massstab)
{
    Ansicht a;
    a.GroesseSetzen(breite, hoehe);
    a.Massstab = massstab;
    return a;
}

using Matrix = std::array<std::array<double, 3>, 3>;

Matrix Mal(const Matrix& p, const Matrix& q)
{
    Matrix r{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k)
                r[i][j] += p[i][k] * q[k][j];
    return r;
}

} // namespace

TEST(Ansicht, EarthAt152FillsExactly260PixelsOnA600PixelSurface)
{
    Ansicht a = AnsichtMit(800, 600, 0);
    a.Massstab = a.MassstabAusAusdehnung(3, 3, 0);
    EXPECT_DOUBLE_EQ(a.Massstab, 260.0 / 152.0);
    a.PerspektivKoordinaten(152, 0, 0);
    EXPECT_EQ(a.BildX, a.MitteX + 260);
    EXPECT_EQ(a.BildY, a.MitteY);
    a.PerspektivKoordinaten(0, 152, 0);  // ecliptic y points up on the screen
    EXPECT_EQ(a.BildX, a.MitteX);
    EXPECT_EQ(a.BildY, a.MitteY - 260);
}

TEST(Ansicht, A1200PixelSurfaceDoublesEveryDistanceAndZoomScalesToo)
{
    Ansicht a = AnsichtMit(1600, 1200, 260.0 / 152.0);
    EXPECT_DOUBLE_EQ(a.Hoehenfaktor, 2.0);
    a.PerspektivKoordinaten(152, 0, 0);
    EXPECT_EQ(a.BildX - a.MitteX, 520);
    a.Zoom = 0.5;
    a.PerspektivKoordinaten(-152, 0, 0);
    EXPECT_EQ(a.BildX - a.MitteX, -260);
}

TEST(Ansicht, CentreIsHalfTheSizePlusTheShift)
{
    Ansicht a = AnsichtMit(801, 599, 1);
    EXPECT_EQ(a.MitteX, 400);
    EXPECT_EQ(a.MitteY, 299);
    EXPECT_TRUE(a.NeuZeichnen);
    a.VerschiebungX = -30;
    a.VerschiebungY = 12;
    a.MitteBerechnen();
    EXPECT_EQ(a.MitteX, 370);
    EXPECT_EQ(a.MitteY, 311);
    a.GroesseSetzen(640, 480);  // a resize drops the shift
    EXPECT_EQ(a.VerschiebungX, 0);
    EXPECT_EQ(a.MitteX, 320);
}

struct Kantenpunkt {
    const char* name;
    double x, y, z;
};

class KanteAn : public ::testing::TestWithParam<Kantenpunkt> {};

// x rotation 90 degrees: x' = x, y' = z, depth = -y.
TEST_P(KanteAn, XRotation90TurnsTheEclipticEdgeOn)
{
    const auto p = GetParam();
    Ansicht a;
    a.WinkelSetzenGrad(90, 0, 0);
    double x = p.x, y = p.y;
    a.Perspektive(x, y, p.z);
    EXPECT_NEAR(x, p.x, 1e-12);
    EXPECT_NEAR(y, p.z, 1e-12);
    EXPECT_NEAR(a.Tiefe, -p.y, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Punkte, KanteAn,
                         ::testing::Values(Kantenpunkt{"AufYAchse", 0, 100, 0}, Kantenpunkt{"AufXAchse", 100, 0, 0},
                                           Kantenpunkt{"Nordpol", 0, 0, 50}, Kantenpunkt{"Schraeg", -30, -70, 20}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(Ansicht, PointOnYAxisEdgeOnIsAtTheCentreAndBehindThePlane)
{
    Ansicht a = AnsichtMit(800, 600, 1);
    a.WinkelSetzenGrad(90, 0, 0);
    a.PerspektivKoordinaten(0, 100, 0);
    EXPECT_EQ(a.BildX, a.MitteX);
    EXPECT_EQ(a.BildY, a.MitteY);
    EXPECT_LT(a.Tiefe, 0);
}

struct Winkelsatz {
    const char* name;
    double a, b, c;  // degrees
};

class Drehung : public ::testing::TestWithParam<Winkelsatz> {};

// The rotation is the transpose of Rx(a) Ry(b) Rz(c) with the usual
// right-handed matrices; checked against that product built here.
TEST_P(Drehung, IsTheTransposeOfRxRyRz)
{
    const auto w = GetParam();
    const double a = w.a * GradZuRad, b = w.b * GradZuRad, c = w.c * GradZuRad;
    const Matrix Rx{{{1, 0, 0}, {0, std::cos(a), -std::sin(a)}, {0, std::sin(a), std::cos(a)}}};
    const Matrix Ry{{{std::cos(b), 0, std::sin(b)}, {0, 1, 0}, {-std::sin(b), 0, std::cos(b)}}};
    const Matrix Rz{{{std::cos(c), -std::sin(c), 0}, {std::sin(c), std::cos(c), 0}, {0, 0, 1}}};
    const Matrix R = Mal(Mal(Rx, Ry), Rz);
    Ansicht an;
    an.WinkelSetzenGrad(w.a, w.b, w.c);
    const double p[3] = {12.5, -40.0, 7.25};
    double x = p[0], y = p[1];
    an.Perspektive(x, y, p[2]);
    const double erwartet[3] = {R[0][0] * p[0] + R[1][0] * p[1] + R[2][0] * p[2],
                                R[0][1] * p[0] + R[1][1] * p[1] + R[2][1] * p[2],
                                R[0][2] * p[0] + R[1][2] * p[1] + R[2][2] * p[2]};
    EXPECT_NEAR(x, erwartet[0], 1e-12);
    EXPECT_NEAR(y, erwartet[1], 1e-12);
    EXPECT_NEAR(an.Tiefe, erwartet[2], 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Winkel, Drehung,
                         ::testing::Values(Winkelsatz{"Null", 0, 0, 0}, Winkelsatz{"NurX", 60, 0, 0},
                                           Winkelsatz{"NurY", 0, 30, 0}, Winkelsatz{"NurZ", 0, 0, -45},
                                           Winkelsatz{"Alle", 60, 30, 15}, Winkelsatz{"Negativ", -170, 95, 180}),
                         [](const auto& i) { return std::string(i.param.name); });

struct Rundung {
    const char* name;
    double wert;
    int erwartet;
};

class HalbZurGeraden : public ::testing::TestWithParam<Rundung> {};

TEST_P(HalbZurGeraden, ProjectionRoundsHalvesToTheEvenPixel)
{
    const auto r = GetParam();
    Ansicht a;  // Hoehenfaktor 1, Massstab 1, zoom 1, centre (0, 0)
    a.PerspektivKoordinaten(r.wert, -r.wert, 0);
    EXPECT_EQ(a.BildX, r.erwartet);
    EXPECT_EQ(a.BildY, r.erwartet);  // BildY = MitteY - y'
}

INSTANTIATE_TEST_SUITE_P(Werte, HalbZurGeraden,
                         ::testing::Values(Rundung{"ZweiEinhalb", 2.5, 2}, Rundung{"DreiEinhalb", 3.5, 4},
                                           Rundung{"NullEinhalb", 0.5, 0}, Rundung{"MinusZweiEinhalb", -2.5, -2},
                                           Rundung{"MinusDreiEinhalb", -3.5, -4}, Rundung{"KnappUnterHalb", 2.4999, 2},
                                           Rundung{"KnappUeberHalb", 2.5001, 3}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(Ansicht, APixelOutsideTheIntRangeIsARangeErrorNotAWrappedPixel)
{
    Ansicht a = AnsichtMit(800, 600, 1);
    a.Zoom = 50;
    EXPECT_THROW(a.PerspektivKoordinaten(1e9, 0, 0), Bereichsfehler);
    EXPECT_THROW(a.PerspektivKoordinaten(0, std::numeric_limits<double>::quiet_NaN(), 0), Bereichsfehler);
    EXPECT_NO_THROW(a.PerspektivKoordinaten(1e6, 0, 0));
}

TEST(Ansicht, MetamorphoseKeepsTheTurnedCoordinates)
{
    Ansicht a = AnsichtMit(800, 600, 1);
    a.WinkelSetzenGrad(0, 0, 90);
    a.PerspektivKoordinaten(10, 0, 0);
    EXPECT_EQ(a.DrehX, 0.0);  // untouched while "Metamorphose" is off
    a.Metamorphose = true;
    a.PerspektivKoordinaten(10, 0, 0);
    EXPECT_NEAR(a.DrehX, 0, 1e-12);
    EXPECT_NEAR(a.DrehY, -10, 1e-12);
}

TEST(Ansicht, NurBahnenDrehenBracketsTheFigureAngles)
{
    Ansicht a;
    a.WinkelSetzenGrad(10, 20, 30);
    a.FigurWinkelMerken();
    a.WinkelSetzenGrad(-5, 0, 45);  // the sliders go on moving
    a.NurBahnenDrehen();
    EXPECT_DOUBLE_EQ(a.WinkelX, 10 * GradZuRad);
    EXPECT_DOUBLE_EQ(a.WinkelZ, 30 * GradZuRad);
    a.NurBahnenDrehenZurueck();
    EXPECT_DOUBLE_EQ(a.WinkelX, -5 * GradZuRad);
    EXPECT_DOUBLE_EQ(a.WinkelZ, 45 * GradZuRad);
}

struct Massstabsfall {
    const char* name;
    int a, b, zentrum;
    double nenner;  // 260 / nenner is the scale
};

class Massstabsregel : public ::testing::TestWithParam<Massstabsfall> {};

TEST_P(Massstabsregel, DividesTheFigureRadiusByTheExtent)
{
    const auto f = GetParam();
    Ansicht a;
    a.BaryAusdehnung = 5.0;
    EXPECT_DOUBLE_EQ(a.MassstabAusAusdehnung(f.a, f.b, f.zentrum), 260.0 / f.nenner);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Massstabsregel,
    ::testing::Values(Massstabsfall{"SonneNullAlsEins", 0, 3, 0, 152}, Massstabsfall{"SonneEinsDrei", 1, 3, 0, 152},
                      Massstabsfall{"ZentrumIstA", 3, 5, 3, 152 + 816}, Massstabsfall{"ZentrumIstB", 3, 5, 5, 152 + 816},
                      Massstabsfall{"FremdesZentrum", 3, 5, 4, 816 + 249},
                      Massstabsfall{"NullAlsEinsGleichZentrum", 0, 4, 1, 70 + 249},
                      Massstabsfall{"Mond", 0, 0, ZentrumErdeMond, 420000},
                      Massstabsfall{"Baryzentrum", 5, 8, ZentrumBaryzentrum, 5.0},
                      Massstabsfall{"Sedna", 1, 21, 0, 134676}),
    [](const auto& i) { return std::string(i.param.name); });

struct Wertfall {
    const char* name;
    double extent, wert;
};

class Massstabswert : public ::testing::TestWithParam<Wertfall> {};

TEST_P(Massstabswert, IsTheLeadingDigitTimesItsPowerOfTen)
{
    const auto f = GetParam();
    EXPECT_NEAR(MassstabswertAusExtent(f.extent), f.wert, 1e-12 * f.wert);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Massstabswert,
                         ::testing::Values(Wertfall{"Saturn", 1506, 1000}, Wertfall{"Mars", 249, 200},
                                           Wertfall{"Pluto", 7373, 7000}, Wertfall{"Mond", 420, 400},
                                           Wertfall{"Summe", 968, 900}, Wertfall{"UnterEins", 0.42, 0.4},
                                           Wertfall{"SehrKlein", 0.042, 0.04},
                                           // exactly a power of ten: the value is the extent, not ten times it
                                           Wertfall{"Zehn", 10, 10}, Wertfall{"Tausend", 1000, 1000},
                                           Wertfall{"Eins", 1, 1}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(Ansicht, MassstabswertAusAusdehnungSetsTheExtentByTheSameRule)
{
    Ansicht a;
    EXPECT_DOUBLE_EQ(a.MassstabswertAusAusdehnung(3, 6, 3), 1000);
    EXPECT_DOUBLE_EQ(a.FigurAusdehnung, 152 + 1506);
    EXPECT_DOUBLE_EQ(a.Massstabswert, 1000);
    a.MassstabswertAusAusdehnung(0, 0, ZentrumErdeMond);
    EXPECT_DOUBLE_EQ(a.FigurAusdehnung, 420);
    EXPECT_DOUBLE_EQ(a.Massstabswert, 400);
    EXPECT_DOUBLE_EQ(MassstabswertAusExtent(0), 0);
}
