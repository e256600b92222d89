// Time axis, calendar and ΔT.
#include "astro/Zeit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using astro::DatumZuTag;
using astro::TagZuDatum;

struct DatumFall {
    const char* name;
    int jahr, monat, tag;
    long long tageszahl;
};

class DatumZuTagTabelle : public ::testing::TestWithParam<DatumFall> {};

TEST_P(DatumZuTagTabelle, GibtTageszahlUndZurueck)
{
    const DatumFall& f = GetParam();
    EXPECT_EQ(DatumZuTag(f.jahr, f.monat, f.tag), f.tageszahl);
    const astro::Kalenderdatum k = TagZuDatum(static_cast<double>(f.tageszahl));
    EXPECT_EQ(k.jahr, f.jahr);
    EXPECT_EQ(k.monat, f.monat);
    EXPECT_EQ(k.tag, f.tag);
}

// Day numbers: the worked examples of the calendar design and JD tables
// (JD - 2451544.5).
INSTANTIATE_TEST_SUITE_P(Kalender, DatumZuTagTabelle,
                         ::testing::Values(DatumFall{"Epoche", 2000, 1, 1, 0},
                                           DatumFall{"ErsterGregorianischerTag", 1582, 10, 15, -152384},
                                           DatumFall{"LetzterJulianischerTag", 1582, 10, 4, -152385},
                                           DatumFall{"Mysterium", 1595, 7, 19, -147724},
                                           DatumFall{"Minus5000", -5000, 1, 1, -2556737},
                                           DatumFall{"JahrNull", 0, 1, 1, -730487},   // JD 1721057.5
                                           DatumFall{"JDNull", -4712, 1, 1, -2451545}, // JD -0.5
                                           DatumFall{"Schalttag2000", 2000, 2, 29, 59}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Kalender, TageUeberMonatsendeZaehlenWeiter)
{
    EXPECT_EQ(DatumZuTag(2001, 2, 30), DatumZuTag(2001, 3, 2));
    EXPECT_EQ(DatumZuTag(1999, 12, 32), DatumZuTag(2000, 1, 1));
}

TEST(Kalender, GebrochenerTagUndFerneVergangenheit)
{
    const astro::Kalenderdatum mittag = TagZuDatum(0.5);
    EXPECT_EQ(mittag.jahr, 2000);
    EXPECT_EQ(mittag.monat, 1);
    EXPECT_DOUBLE_EQ(mittag.tag, 1.5);

    const astro::Kalenderdatum fern = TagZuDatum(-18262487);
    EXPECT_EQ(fern.jahr, -48000);
    EXPECT_EQ(fern.monat, 1);
    EXPECT_DOUBLE_EQ(fern.tag, 1.0);
}

// Independent month lengths: Julian leap years before the reform, Gregorian after.
int monatslaenge(int jahr, int monat)
{
    static const int laenge[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (monat != 2)
        return laenge[monat - 1];
    const auto mod = [](int a, int b) { return ((a % b) + b) % b; };
    const bool schalt = jahr < 1582 ? mod(jahr, 4) == 0
                                    : (mod(jahr, 4) == 0 && mod(jahr, 100) != 0) || mod(jahr, 400) == 0;
    return schalt ? 29 : 28;
}

// Walks every day from -5000-01-01 to 7000-12-31 and checks both directions
// against the next date by the calendar rules above (Julian and Gregorian,
// 1582-10-04 followed by 1582-10-15).
TEST(Kalender, JederTagVonMinus5000Bis7000HinUndZurueck)
{
    int jahr = -5000, monat = 1, tag = 1;
    const long long erster = DatumZuTag(jahr, monat, tag);
    const long long letzter = DatumZuTag(7000, 12, 31);
    int fehler = 0;
    for (long long x = erster; x <= letzter && fehler < 10; ++x) {
        const astro::Kalenderdatum k = TagZuDatum(static_cast<double>(x));
        if (k.jahr != jahr || k.monat != monat || k.tag != tag || DatumZuTag(jahr, monat, tag) != x) {
            ADD_FAILURE() << "day " << x << ": want " << jahr << "-" << monat << "-" << tag << " got " << k.jahr
                          << "-" << k.monat << "-" << k.tag << " back " << DatumZuTag(jahr, monat, tag);
            ++fehler;
        }
        if (jahr == 1582 && monat == 10 && tag == 4) {
            tag = 15;
        } else if (++tag > monatslaenge(jahr, monat)) {
            tag = 1;
            if (++monat > 12) {
                monat = 1;
                ++jahr;
            }
        }
    }
    EXPECT_EQ(jahr, 7001);
}

struct TextFall {
    const char* name;
    double tageszahl;
    const char* text;
};

class DatumTextTabelle : public ::testing::TestWithParam<TextFall> {};

TEST_P(DatumTextTabelle, Text) { EXPECT_EQ(astro::DatumText(GetParam().tageszahl), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Texte, DatumTextTabelle,
                         ::testing::Values(TextFall{"Epoche", 0, "2000-01-01 00:00"},
                                           TextFall{"Abend", 0.75, "2000-01-01 18:00"},
                                           TextFall{"Mysterium", -147724, "1595-07-19 00:00"},
                                           TextFall{"FastMitternacht", 0.99999, "2000-01-01 24:00"},
                                           TextFall{"NegativesJahr", -2556737 + 0.25, "-5000-01-01 06:00"},
                                           // Meeus, Astronomical Algorithms, examples 7.a to 7.c
                                           TextFall{"Sputnik", 2436116.31 - 2451544.5, "1957-10-04 19:26"},
                                           TextFall{"Jahr333", 1842713.0 - 2451544.5, "333-01-27 12:00"},
                                           TextFall{"Minus1000", 1356001.0 - 2451544.5, "-1000-07-12 12:00"},
                                           TextFall{"JD0", -2451544.5, "-4712-01-01 12:00"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Uhrzeit, RundenAufVolleMinuteUndStunde)
{
    EXPECT_EQ(astro::UhrzeitText(0.0), "00:00");
    EXPECT_EQ(astro::UhrzeitText(0.5), "12:00");
    EXPECT_EQ(astro::UhrzeitText(10.0 / 1440.0), "00:10");
    EXPECT_EQ(astro::UhrzeitText(59.6 / 1440.0), "01:00");
    EXPECT_EQ(astro::UhrzeitText(0.99999), "24:00");
    EXPECT_EQ(astro::UhrzeitText(-0.25), "-06:00");
}

TEST(Zeitachse, StartzeitJetzt)
{
    EXPECT_EQ(astro::StartzeitText(astro::TagAusOrtszeit(2000, 1, 2, 12, 0, 0.0)), "1.500");
    EXPECT_EQ(astro::StartzeitText(astro::TagAusOrtszeit(1999, 12, 31, 6, 0, 0.0)), "-0.750");
    EXPECT_EQ(astro::StartzeitText(astro::TagAusOrtszeit(2026, 12, 9, 6, 0, 0.0)), "9839.250");
    EXPECT_EQ(astro::StartzeitText(astro::TagAusOrtszeit(2026, 12, 9, 23, 59, 59.0)), "9840.000"); // rounded
}

TEST(Zeitachse, JulianischesDatumUndZeitargumente)
{
    EXPECT_DOUBLE_EQ(astro::JulianischesDatum(0.5), 2451545.0);
    EXPECT_DOUBLE_EQ(astro::TagAusJulianischemDatum(2451545.0), 0.5);
    EXPECT_DOUBLE_EQ(astro::JahrhunderteSeitJ2000(36525.5), 1.0);
    EXPECT_DOUBLE_EQ(astro::JahrtausendeSeitJ2000(-365249.5), -1.0);
}

TEST(DeltaT, J2000UndEinheit)
{
    EXPECT_DOUBLE_EQ(astro::DeltaTTage(0.5), 63.0 / 86400.0);
    EXPECT_DOUBLE_EQ(astro::DeltaTTage(-100000.0) * 86400.0, astro::DeltaTSekunden(-100000.0));
}

struct DeltaTFall {
    const char* name;
    int jahr;
    double sekunden; // observed ΔT at the start of the year (Meeus, Astronomical Algorithms, table 10.A)
};

class DeltaTBeobachtet : public ::testing::TestWithParam<DeltaTFall> {};

TEST_P(DeltaTBeobachtet, InnerhalbEinerSekunde)
{
    const DeltaTFall& f = GetParam();
    const double x = static_cast<double>(DatumZuTag(f.jahr, 1, 1));
    EXPECT_NEAR(astro::DeltaTSekunden(x), f.sekunden, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Jahre, DeltaTBeobachtet,
                         ::testing::Values(DeltaTFall{"J1800", 1800, 13.7}, DeltaTFall{"J1850", 1850, 7.1},
                                           DeltaTFall{"J1900", 1900, -2.7}, DeltaTFall{"J1950", 1950, 29.1},
                                           DeltaTFall{"J1990", 1990, 56.9}, DeltaTFall{"J2000", 2000, 63.8}),
                         [](const auto& info) { return std::string(info.param.name); });

// Neighbouring intervals meet: the largest step of the piecewise polynomials
// is about 3 s (at 1620); a wrong coefficient or interval bound shows up as a
// jump of tens or hundreds of seconds.
TEST(DeltaT, IntervalleSchliessenAneinander)
{
    for (double T : {-10.52, -3.8, -3.1, -2.3, -1.8, -1.3, -1.0, -0.6, -0.1, 0.0}) {
        const double x = T * 36525.0 + 0.5;
        const double vorher = astro::DeltaTSekunden(x - 1e-6);
        const double an = astro::DeltaTSekunden(x);
        EXPECT_NEAR(an, vorher, 3.5) << "boundary T = " << T;
    }
    // Before 948 the parabola grows: 2000 years earlier ΔT is many hours.
    EXPECT_GT(astro::DeltaTSekunden(astro::DatumZuTag(-1000, 1, 1)), 20000.0);
}

} // namespace
