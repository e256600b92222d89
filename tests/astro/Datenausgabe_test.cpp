// Data output table: angle texts, cells, row layouts and the header block.
#include "astro/Datenausgabe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

using astro::Ausgabeformat;
using astro::PositionXYZ;
using sprache::Sprache;

struct TextFall {
    const char* name;
    double wert;
    const char* text;
};

std::string fallName(const ::testing::TestParamInfo<TextFall>& i) { return i.param.name; }

class WinkelTextTabelle : public ::testing::TestWithParam<TextFall> {};

TEST_P(WinkelTextTabelle, Text) { EXPECT_EQ(astro::WinkelText(GetParam().wert), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Winkel, WinkelTextTabelle,
    ::testing::Values(TextFall{"Null", 0.0, " 00°00'00''"}, TextFall{"Halb", 5.5, " 05°30'00''"},
                      TextFall{"Negativ", -5.25, "-05°15'00''"}, TextFall{"NegativeNull", -0.000001, " 00°00'00''"}, TextFall{"ZweistelligNegativ", -45.5, "-45°30'00''"},
                      TextFall{"Sekunden", 12.345678, " 12°20'44''"},
                      // 10°30'59.96'': tenths 599.6 -> 60 s -> one more minute.
                      TextFall{"SekundenUebertrag", 10.5 + 59.96 / 3600.0, " 10°31'00''"},
                      TextFall{"GradUebertrag", 123.999999, "124°00'00''"},
                      TextFall{"UebertragAufZweiStellen", 9.9999999, " 10°00'00''"},
                      TextFall{"NegativerUebertragAufZweiStellen", -9.9999999, "-10°00'00''"},
                      TextFall{"KnappUeberMinusHundert", -99.5, "-99°30'00''"},
                      TextFall{"MinusHundert", -100.0, "EingFehler"}, TextFall{"Tausend", 1000.0, "EingFehler"},
                      TextFall{"KeineZahl", std::nan(""), "EingFehler"}),
    fallName);

class TierkreisTextTabelle : public ::testing::TestWithParam<TextFall> {};

TEST_P(TierkreisTextTabelle, Text) { EXPECT_EQ(astro::TierkreisText(GetParam().wert), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Tierkreis, TierkreisTextTabelle,
    ::testing::Values(TextFall{"Stier", 45.5, "Tau 15°30'00''"}, TextFall{"Widder", 0.0, "Ari 00°00'00''"},
                      TextFall{"Waage", 200.25, "Lib 20°15'00''"},
                      TextFall{"UebertragInsNaechsteZeichen", 59.9999999, "Gem 00°00'00''"},
                      TextFall{"UebertragUeberFische", 359.9999999, "Ari 00°00'00''"},
                      TextFall{"NegativeLaenge", -15.0, "Psc 15°00'00''"},
                      TextFall{"UeberVollkreis", 405.5, "Tau 15°30'00''"}),
    fallName);

struct ZeitFall {
    const char* name;
    double tag;
    bool ut, jd;
    const char* text;
};

class ZeitZelleTabelle : public ::testing::TestWithParam<ZeitFall> {};

TEST_P(ZeitZelleTabelle, Text)
{
    Ausgabeformat f;
    f.ut = GetParam().ut;
    f.jd = GetParam().jd;
    EXPECT_EQ(astro::ZeitZelle(GetParam().tag, f), GetParam().text);
}

// ΔT at day 0 is 63.80 s (0.00073843 d).
INSTANTIATE_TEST_SUITE_P(Zeit, ZeitZelleTabelle,
                         ::testing::Values(ZeitFall{"TD", 0.0, false, false, "2000-01-01 00:00"},
                                           ZeitFall{"UTAmTagNull", 0.0, true, false, "1999-12-31 23:59"},
                                           ZeitFall{"JD", 0.0, false, true, "   2451544.50000"},
                                           ZeitFall{"JDinUT", 0.0, true, true, "   2451544.49926"},
                                           ZeitFall{"Mysterium", -147724.0, false, false, "1595-07-19 00:00"},
                                           ZeitFall{"JDNegativ", -2451545.0, false, true, "        -0.50000"}),
                         [](const auto& i) { return std::string(i.param.name); });

// A body one AU away at longitude 90°, latitude 0 (10^6 km).
constexpr PositionXYZ kEinsAE{0.0, astro::AE, 0.0};
// 30° north of the ecliptic at longitude 45.5°, radius 2.
const PositionXYZ kSchraeg = astro::KugelZuXYZ({45.5, 30.0, 2.0});

struct ZellenFall {
    const char* name;
    Ausgabeformat f;
    PositionXYZ p;
    const char* text;
};

class KoerperZellenTabelle : public ::testing::TestWithParam<ZellenFall> {};

TEST_P(KoerperZellenTabelle, Text) { EXPECT_EQ(astro::KoerperZellen(GetParam().p, GetParam().f), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Zellen, KoerperZellenTabelle,
    ::testing::Values(
        ZellenFall{"Kugel", {}, kEinsAE, "      90.00000\t       0.00000\t     149.59787"},
        ZellenFall{"AE", {.ae = true}, kEinsAE, "      90.00000\t       0.00000\t       1.00000"},
        ZellenFall{"XYZ", {.xyz = true}, kEinsAE, "       0.00000\t     149.59787\t       0.00000"},
        // With XYZ the angle and distance switches have no effect.
        ZellenFall{"XYZSchlaegtAlles", {.xyz = true, .astrologisch = true, .ae = true}, kEinsAE,
                   "       0.00000\t     149.59787\t       0.00000"},
        ZellenFall{"Astrologisch", {.astrologisch = true}, kSchraeg, "Tau 15°30'00''\t 30°00'00''\t       2.00000"},
        // The Moon's radius stays in km whatever the distance switch says.
        ZellenFall{"MondInKm", {.ae = true, .mond = true}, PositionXYZ{384400.0, 0.0, 0.0},
                   "       0.00000\t       0.00000\t  384400.00000"}),
    [](const auto& i) { return std::string(i.param.name); });

int tabs(const std::string& s) { return static_cast<int>(std::count(s.begin(), s.end(), '\t')); }

TEST(Datenzeilen, LayoutsDerDarstellungen)
{
    EXPECT_EQ(astro::ZahlZelle(-0.0000034), "       0.00000");
    EXPECT_EQ(astro::ZahlZelle(-0.000006), "      -0.00001");
    const Ausgabeformat f;
    EXPECT_EQ(astro::ZeileEinKoerper(7, kEinsAE, 0.0, f),
              "7\t2000-01-01 00:00\t      90.00000\t       0.00000\t     149.59787");
    const PositionXYZ zwei[] = {kEinsAE, kSchraeg};
    const PositionXYZ drei[] = {kEinsAE, kSchraeg, kEinsAE};
    EXPECT_EQ(tabs(astro::ZeileMehrereKoerper(1, zwei, 0.0, f)), 7);
    EXPECT_EQ(tabs(astro::ZeileMehrereKoerper(1, drei, 0.0, f)), 10);
    // The overview opens the row and appends one group per body: the same
    // text as the multi-body row.
    EXPECT_EQ(astro::ZeilenAnfang(1, 0.0, f) + astro::UeberblickZellen(kEinsAE, f) + astro::UeberblickZellen(kSchraeg, f),
              astro::ZeileMehrereKoerper(1, zwei, 0.0, f));
    EXPECT_EQ(astro::LangzeitZeilenAnfang(3, 365.24219 * 100.4) + astro::LangzeitZellen(0.0484, 1.3),
              "3\t100\t       0.04840\t       1.30000");
    EXPECT_EQ(astro::LangzeitZeilenAnfang(0, -365.24219 * 2.6), "0\t-3");
}

TEST(Datenausgabe, SchreibtInsZielUndAchtetDieZeilengrenze)
{
    astro::Zeilenspeicher speicher;
    astro::Datenausgabe d;
    d.DatenAusgabe(1, kEinsAE, 0.0); // no target yet: nothing happens
    d.zielSetzen(&speicher);
    d.zeilengrenze = 2;
    d.DatenAusgabe(1, kEinsAE, 0.0);
    d.DatenAusgabe(2, kEinsAE, 1.0);
    d.DatenAusgabe(3, kEinsAE, 2.0);
    ASSERT_EQ(speicher.zeilen.size(), 2u);
    d.UeberblickZeileBeginnen(4, 0.0);
    d.DatenAusgabeUe(kEinsAE);
    d.DatenAusgabeUe(kSchraeg);
    const PositionXYZ zwei[] = {kEinsAE, kSchraeg};
    EXPECT_EQ(speicher.zeilen.back(), astro::ZeileMehrereKoerper(4, zwei, 0.0, d.format));
    d.format.jd = true;
    d.DatenAusgabe3P(1, zwei, 0.0);
    EXPECT_EQ(speicher.zeilen.back().substr(0, 18), "1\t   2451544.50000");
}

std::vector<std::string> kopf(const astro::Kopfangaben& k, const Ausgabeformat& f, Sprache s)
{
    return astro::DatenAusgabeBeschriftung(k, f, s);
}

bool enthaelt(const std::vector<std::string>& z, const std::string& zeile)
{
    return std::find(z.begin(), z.end(), zeile) != z.end();
}

TEST(Beschriftung, ZweiPlanetenNormaleGenauigkeit)
{
    astro::Kopfangaben k;
    k.titelzeile = "+++ Titel +++";
    k.namenszeile = true;
    k.koerper = {2, 3};
    const auto z = kopf(k, {}, Sprache::Deutsch);
    const std::vector<std::string> erwartet = {
        "",
        "Die Berechnungen erfolgten mit niedriger Genauigkeit, für die Datenausgabe wird die Option 'hohe "
        "Genauigkeit' empfohlen.",
        sprache::T("da.grundlage", Sprache::Deutsch) + sprache::T("osku.datenbasis", Sprache::Deutsch),
        "Die Positionsangaben beziehen sich auf das Äquinoktium 01.01.2000 (d.h. Präzession ist nicht eingerechnet).",
        "Bitte Genauigkeit und Gültigkeitsgrenzen beachten! Näheres hierzu siehe in der Hilfe. Angaben ohne Gewähr.",
        "",
        "+++ Titel +++",
        "   \t                \t      Ve       \t      Ve       \t      Ve       \t      Er       \t      Er       \t"
        "      Er       ",
        "Nummer\tDatum, Uhrzeit  \t     Länge (°)\t     Breite (°)\t  R (Mill. km)\t     Länge (°)\t     Breite (°)\t"
        "  R (Mill. km)",
    };
    EXPECT_EQ(z, erwartet);
}

TEST(Beschriftung, HoheGenauigkeitEnglischMitUTRotationUndKonjunktionen)
{
    astro::Kopfangaben k;
    k.hoheGenauigkeit = true;
    k.praezession = true;
    k.rotationen = true;
    k.konjunktionen = true;
    k.koerper = {1};
    const auto z = kopf(k, {.ut = true, .jd = true}, Sprache::Englisch);
    EXPECT_TRUE(enthaelt(z, "Basis of calculation for Mercury to Neptune: VSOP Planetary Theory, reduced version (High "
                            "accuracy)."));
    EXPECT_TRUE(enthaelt(z, "Time data in Universal Time (UT). "));
    EXPECT_TRUE(enthaelt(z, "The position data are related to the equinox of date (i.e. precession is included)."));
    EXPECT_TRUE(enthaelt(z, sprache::T("da.rotation.1", Sprache::Englisch)));
    EXPECT_TRUE(enthaelt(z, "Conjunctions and oppositions are always determined heliocentrically, even if a planet is "
                            "in the centre."));
    EXPECT_EQ(z.back(), "Number\tJulian Date   \t     Length (°)\t     Latitude (°)\t  R (mill. of km)");

    k.rotationErdeMond = true;
    EXPECT_FALSE(enthaelt(kopf(k, {}, Sprache::Englisch), sprache::T("da.rotation.1", Sprache::Englisch)));
    k.drehungDerFiguren = true;
    EXPECT_TRUE(kopf(k, {}, Sprache::Englisch).empty());
}

TEST(Beschriftung, SpaltenNachFormatUndZentrumAlsSonne)
{
    astro::Kopfangaben k;
    k.koerper = {1};
    EXPECT_EQ(kopf(k, {.ae = true}, Sprache::Deutsch).back(),
              "Nummer\tDatum, Uhrzeit  \t     Länge (°)\t     Breite (°)\t     R (AE)  ");
    EXPECT_EQ(kopf(k, {.xyz = true, .mond = true}, Sprache::Englisch).back(),
              "Number\tDate, time  \t      X-Coord.\t      Y-Coord.\t Z-Coord. (km)");
    // The Moon representation always states the high-accuracy basis and its radius in km.
    const auto mond = kopf(k, {.ae = true, .mond = true}, Sprache::Deutsch);
    EXPECT_TRUE(enthaelt(mond, "Zeitangaben in dynamischer Zeit (TD). "));
    EXPECT_EQ(mond.back(), "Nummer\tDatum, Uhrzeit  \t     Länge (°)\t     Breite (°)\t   Radius (km)");

    k.namenszeile = true;
    k.koerper = {3, 4};
    k.zentrum = 3;
    const auto z = kopf(k, {}, Sprache::Deutsch);
    EXPECT_EQ(z[z.size() - 2].substr(0, 37), "   \t                \t      So       \t");
}

TEST(Beschriftung, LangzeitBlock)
{
    astro::Kopfangaben k;
    k.langzeit = true;
    k.drehungDerFiguren = true; // has no effect on the long-term block
    k.koerper = {5, 6};
    const auto z = kopf(k, {}, Sprache::Deutsch);
    ASSERT_EQ(z.size(), 8u);
    EXPECT_EQ(z[0], "");
    EXPECT_EQ(z[5], "");
    EXPECT_EQ(z[6], "+++++  Jupiter, Saturn,   Zentrum: Sonne  +++++");
    EXPECT_EQ(z[7], "Nummer\t   Jahr    \t      Ju - e   \t      Ju - i   \t      Sa - e   \t      Sa - i   \t");
    EXPECT_EQ(kopf(k, {}, Sprache::Englisch)[6], "+++++  Jupiter, Saturn,   Center: Sun  +++++");
}

} // namespace
