// Body numbering and names, validity limits.
#include "astro/Gueltigkeit.h"
#include "astro/Koerper.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using sprache::Sprache;

TEST(Koerper, NamenInBeidenSprachen)
{
    EXPECT_EQ(astro::KoerperName(0, Sprache::Deutsch), "Sonne");
    EXPECT_EQ(astro::KoerperName(0, Sprache::Englisch), "Sun");
    EXPECT_EQ(astro::KoerperName(1, Sprache::Englisch), "Mercury");
    EXPECT_EQ(astro::KoerperName(3, Sprache::Deutsch), "Erde");
    EXPECT_EQ(astro::KoerperName(8, Sprache::Englisch), "Neptune");
    EXPECT_EQ(astro::KoerperName(18, Sprache::Deutsch), "2003 EL61");
    EXPECT_EQ(astro::KoerperName(21, Sprache::Englisch), "Sedna");
    EXPECT_EQ(astro::MondName(Sprache::Deutsch), "Mond");
    EXPECT_EQ(astro::KoerperName(22, Sprache::Deutsch), "?");
    for (int n = 0; n < astro::AnzahlKoerper; ++n) {
        EXPECT_TRUE(sprache::vorhanden(astro::KoerperNameSchluessel(n))) << n;
        EXPECT_EQ(astro::KoerperKurzname(n).size(), 2u) << n;
    }
}

struct SuchFall {
    const char* name;
    const char* text;
    int nr;
};

class KoerperSuchen : public ::testing::TestWithParam<SuchFall> {};

TEST_P(KoerperSuchen, Findet) { EXPECT_EQ(astro::KoerperSuchen(GetParam().text), GetParam().nr); }

INSTANTIATE_TEST_SUITE_P(Koerper, KoerperSuchen,
                         ::testing::Values(SuchFall{"Nummer", "5", 5}, SuchFall{"Null", "0", 0},
                                           SuchFall{"Kurzname", "Vs", 12}, SuchFall{"Deutsch", "neptun", 8},
                                           SuchFall{"Englisch", "NEPTUNE", 8}, SuchFall{"MitLeerzeichen", "2005 FY9", 19},
                                           SuchFall{"ZuGross", "22", -1}, SuchFall{"Unbekannt", "Vulkan", -1},
                                           SuchFall{"Leer", "", -1}, SuchFall{"Negativ", "-1", -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Gueltigkeit, StartzeitWirdInDieGrenzeGeholt)
{
    EXPECT_EQ(astro::StartzeitBegrenzen(-3000000.0, 2600000.0), -2600000.0);
    EXPECT_EQ(astro::StartzeitBegrenzen(2700000.0, 2600000.0), 2600000.0 - 182625.0);
    EXPECT_EQ(astro::StartzeitBegrenzen(2600000.0, 2600000.0), 2600000.0);
    EXPECT_EQ(astro::StartzeitBegrenzen(-5.5, 374381.0), -5.5);
}

TEST(Gueltigkeit, FallUndGrenze)
{
    using astro::Grenzfall;
    EXPECT_EQ(astro::GrenzfallFuer(true, false, true, false, false), Grenzfall::KleinplanetHoch);
    EXPECT_EQ(astro::GrenzfallFuer(false, true, false, false, false), Grenzfall::HoheGenauigkeit);
    EXPECT_EQ(astro::GrenzfallFuer(false, false, true, true, false), Grenzfall::ChironNormal);
    EXPECT_EQ(astro::GrenzfallFuer(false, false, false, false, true), Grenzfall::AeussereNormal);
    EXPECT_EQ(astro::GrenzfallFuer(false, false, false, false, false), Grenzfall::Normal);
    EXPECT_EQ(astro::GueltigkeitsgrenzeFuer(Grenzfall::KleinplanetHoch).tage, 374381.0);
    EXPECT_EQ(astro::GueltigkeitsgrenzeFuer(Grenzfall::ChironNormal).tage, 950400.0);
    EXPECT_EQ(astro::StartbereichFuer(astro::StartbereichsfallFuer(false, false, true)).minimum, -18262487.0);
    EXPECT_EQ(astro::StartbereichFuer(astro::StartbereichsfallFuer(false, true, true)).maximum, 2000000.0);
    // Every limit has its message in the catalogue.
    for (auto f : {Grenzfall::HoheGenauigkeit, Grenzfall::KleinplanetHoch, Grenzfall::Normal, Grenzfall::AeussereNormal,
                   Grenzfall::ChironNormal})
        EXPECT_TRUE(sprache::vorhanden(astro::GueltigkeitsgrenzeFuer(f).meldungsSchluessel));
    for (auto f : {astro::Startbereichsfall::Eng, astro::Startbereichsfall::Aeussere, astro::Startbereichsfall::Standard}) {
        EXPECT_TRUE(sprache::vorhanden(astro::StartbereichFuer(f).meldungsSchluessel));
        EXPECT_TRUE(sprache::vorhanden(astro::StartbereichFuer(f).hinweisSchluessel));
    }
}

// The limit of a run from its bodies, as the cases of the limit table name
// them; the centre planet counts as a body, the Sun does not.
TEST(Gueltigkeit, FallDerKoerper)
{
    using astro::Grenzfall;
    struct Fall {
        const char* name;
        std::vector<int> koerper;
        bool hoch, mond, aeussere;
        Grenzfall erwartet;
    };
    const Fall faelle[] = {
        {"Venus-Earth", {2, 3}, false, false, true, Grenzfall::Normal},
        {"Jupiter-Saturn", {5, 6}, false, false, true, Grenzfall::AeussereNormal},
        {"Jupiter-Saturn, centre the Sun", {5, 6, 0}, false, false, true, Grenzfall::AeussereNormal},
        {"Jupiter-Saturn seen from Mars", {5, 6, 4}, false, false, true, Grenzfall::Normal},
        {"Jupiter-Saturn in the overview", {5, 6}, false, false, false, Grenzfall::Normal},
        {"Jupiter-Saturn, high accuracy", {5, 6}, true, false, true, Grenzfall::HoheGenauigkeit},
        {"Saturn-Chiron", {6, 14}, false, false, true, Grenzfall::ChironNormal},
        {"Saturn-Chiron, high accuracy", {6, 14}, true, false, true, Grenzfall::KleinplanetHoch},
        {"Earth-Pluto-Chiron", {3, 9, 14}, false, false, true, Grenzfall::ChironNormal},
        {"Earth-Ceres", {3, 10}, false, false, true, Grenzfall::Normal},
        {"Earth-Ceres, high accuracy", {3, 10}, true, false, true, Grenzfall::KleinplanetHoch},
        {"Pluto-Eris", {9, 20}, false, false, true, Grenzfall::Normal},
        {"the Moon", {3}, false, true, false, Grenzfall::HoheGenauigkeit},
        {"no body", {}, false, false, true, Grenzfall::Normal},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(astro::GrenzfallDerKoerper(f.koerper, f.hoch, f.mond, f.aeussere), f.erwartet) << f.name;
    // The message of each limit, found by its days.
    for (auto f : {Grenzfall::HoheGenauigkeit, Grenzfall::KleinplanetHoch, Grenzfall::Normal, Grenzfall::AeussereNormal,
                   Grenzfall::ChironNormal})
        EXPECT_EQ(astro::GrenzmeldungFuer(astro::GueltigkeitsgrenzeFuer(f).tage),
                  astro::GueltigkeitsgrenzeFuer(f).meldungsSchluessel);
    EXPECT_EQ(astro::GrenzmeldungFuer(1e300), "lauf.gueltigkeit.25000");
    EXPECT_FALSE(astro::InnerhalbGrenze(std::nan(""), 1e300));
    EXPECT_TRUE(astro::InnerhalbGrenze(-950400, 950400));
}

} // namespace
