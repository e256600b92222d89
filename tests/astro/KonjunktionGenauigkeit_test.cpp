// How exact the conjunction instants at high accuracy are: every heliocentric
// conjunction of Venus-Earth, Earth-Mars and Jupiter-Saturn from 1900 to 2100
// that KonjunktionSuchen finds with the shipped (reduced) series, against the
// instants found with the complete VSOP87D series, in both frames.
//
// The complete series are not part of the repository; the instants found
// with them are, in tests/daten/konjunktionen_vsop87d.txt, written by
// tools/konjunktionsreferenz. When the complete series lie beside the source
// tree (../shared/data/vsop87), the table is recomputed and compared too.
#include "../../tools/konjunktionsreferenz/Konjunktionsreferenz.h"

#include "astro/Datenordner.h"
#include "astro/Gueltigkeit.h"
#include "astro/Konjunktion.h"
#include "astro/Positionsquellen.h"
#include "astro/VsopQuelle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace astro;
namespace kr = konjunktionsreferenz;

const std::string TabellenPfad = std::string(VELMORA_TESTDATEN) + "/konjunktionen_vsop87d.txt";
const std::string VollOrdner = std::string(VELMORA_QUELLORDNER) + "/../shared/data/vsop87";

constexpr double MinutenProTag = 1440.0;

std::vector<kr::Ereignis> Tabelle()
{
    std::ifstream ein(TabellenPfad, std::ios::binary);
    std::ostringstream s;
    s << ein.rdbuf();
    std::string fehler;
    const auto t = kr::TabelleLesen(s.str(), fehler);
    EXPECT_TRUE(ein && t) << TabellenPfad << ": " << fehler;
    return t ? *t : std::vector<kr::Ereignis>{};
}

std::vector<double> TageVon(const std::vector<kr::Ereignis>& alle, const kr::Paar& p, bool datum)
{
    std::vector<double> tage;
    for (const kr::Ereignis& e : alle)
        if (e.schneller == p.schneller && e.langsamer == p.langsamer && e.datum == datum)
            tage.push_back(e.tag);
    return tage;
}

double Synodisch(const kr::Paar& p)
{
    return 1.0 / (1.0 / SiderischePeriodeTage[static_cast<size_t>(p.schneller)] -
                  1.0 / SiderischePeriodeTage[static_cast<size_t>(p.langsamer)]);
}

std::string Zahl(double x, int stellen)
{
    char b[64];
    const auto [ende, ec] = std::to_chars(b, b + sizeof b, x, std::chars_format::fixed, stellen);
    return ec == std::errc() ? std::string(b, ende) : "?";
}

const char* Rahmen(bool datum) { return datum ? "date" : "J2000"; }

// The table itself: every event of the span, none twice, on the right time
// scale. A table with gaps would let the comparison below pass unseen.
TEST(KonjunktionGenauigkeit, ReferenztabelleIstVollstaendig)
{
    EXPECT_EQ(kr::Von, DatumZuTag(1900, 1, 1));
    EXPECT_EQ(kr::Bis, DatumZuTag(2100, 1, 1));
    const auto alle = Tabelle();
    for (bool datum : {false, true})
        for (const kr::Paar& p : kr::Paare) {
            SCOPED_TRACE(::testing::Message() << p.name << " " << Rahmen(datum));
            const auto tage = TageVon(alle, p, datum);
            const double syn = Synodisch(p);
            ASSERT_GE(tage.size(), 2u);
            EXPECT_NEAR(static_cast<double>(tage.size()), (kr::Bis - kr::Von) / syn, 1.0);
            EXPECT_GE(tage.front(), kr::Von);
            EXPECT_LT(tage.front() - kr::Von, 1.1 * syn) << "an event missing at the start";
            EXPECT_LT(tage.back(), kr::Bis);
            EXPECT_LT(kr::Bis - tage.back(), 1.1 * syn) << "an event missing at the end";
            for (size_t i = 1; i < tage.size(); ++i)
                EXPECT_NEAR(tage[i] - tage[i - 1], syn, 0.1 * syn) << DatumText(tage[i]);
        }
    // The transits of Venus of 2004 and 2012 (greatest transit 08:20 and
    // 01:29 UT) lie within minutes of the inferior conjunction in longitude.
    const auto venus = TageVon(alle, kr::Paare[0], false);
    for (double transit : {DatumZuTag(2004, 6, 8) + 8.33 / 24, DatumZuTag(2012, 6, 6) + 1.48 / 24}) {
        const double td = transit + DeltaTTage(transit); // the table is TD
        const auto naechster = std::min_element(venus.begin(), venus.end(), [&](double a, double b) {
            return std::fabs(a - td) < std::fabs(b - td);
        });
        ASSERT_NE(naechster, venus.end());
        EXPECT_NEAR(*naechster, td, 1.0 / 24) << DatumText(transit);
    }
}

// The program at high accuracy, as its pre-calculation runs it: the series
// from Data/, the pair's validity limit, the next search one synodic period
// after the last event.
TEST(KonjunktionGenauigkeit, HoheGenauigkeitTrifftDieVolleReihe)
{
    auto quelle = VsopQuelleLaden(DatenOrdnerFinden(ProgrammOrdner()));
    ASSERT_TRUE(quelle.ok()) << quelle.status().detail;
    Positionsrechner r;
    r.setzeReihenquelle(*quelle);
    const auto alle = Tabelle();

    for (bool datum : {false, true}) {
        Rechenoptionen o;
        o.HoheGenauigkeit = true;
        o.MitPraezession = datum;
        const Heliozentrisch pos = [&](KoerperNr k, Tageszahl t) { return r.Position(k, t, o); };
        for (const kr::Paar& p : kr::Paare) {
            SCOPED_TRACE(::testing::Message() << p.name << " " << Rahmen(datum));
            // Venus-Earth and Earth-Mars within 5 minutes, Jupiter-Saturn
            // (a slower difference: 0.0001° is three minutes) within 30.
            const double erlaubt = (p.schneller == koerper::Jupiter ? 30.0 : 5.0) / MinutenProTag;
            Konjunktionssuche s;
            s.hoheGenauigkeit = true;
            const bool aussen = p.schneller >= koerper::Jupiter;
            s.grenze = GueltigkeitsgrenzeFuer(GrenzfallFuer(true, false, false, false, aussen)).tage;
            const double syn = Synodisch(p);

            std::vector<double> programm;
            double t = kr::Von;
            for (int versuche = 0; versuche < 1000; ++versuche) {
                const auto e = KonjunktionSuchen(p.schneller, p.langsamer, t, s, pos);
                ASSERT_TRUE(e.ok()) << e.status().detail << " from " << t;
                EXPECT_LT(std::fabs(e->differenz), 0.0001);
                if (e->tag < kr::Von) { // the event just behind the start
                    t = std::max(e->tag, t) + 0.5 * syn;
                    continue;
                }
                if (e->tag >= kr::Bis)
                    break;
                programm.push_back(e->tag);
                t = e->tag + syn;
            }

            const auto referenz = TageVon(alle, p, datum);
            EXPECT_EQ(programm.size(), referenz.size());
            double schlimmste = 0, schlimmsterTag = 0;
            for (double ref : referenz) {
                const auto naechster = std::min_element(programm.begin(), programm.end(), [&](double a, double b) {
                    return std::fabs(a - ref) < std::fabs(b - ref);
                });
                ASSERT_NE(naechster, programm.end());
                const double d = *naechster - ref;
                EXPECT_LT(std::fabs(d), erlaubt) << DatumText(ref) << ": " << Zahl(d * MinutenProTag, 2) << " min";
                if (std::fabs(d) >= std::fabs(schlimmste)) {
                    schlimmste = d;
                    schlimmsterTag = ref;
                }
            }
            std::cout << p.name << " (" << Rahmen(datum) << "): " << referenz.size()
                      << " conjunctions, largest difference " << Zahl(schlimmste * MinutenProTag, 2) << " min ("
                      << DatumText(schlimmsterTag) << " TD; limit " << Zahl(erlaubt * MinutenProTag, 0) << " min)\n";
        }
    }
}

// With the complete series at hand: the committed table is what they give.
TEST(KonjunktionGenauigkeit, TabelleEntsprichtDerVollenReihe)
{
    if (!std::filesystem::exists(VollOrdner + "/VSOP87D.ear"))
        GTEST_SKIP() << "the complete VSOP87D series are not beside the source tree";
    kr::VolleReihen voll;
    for (const kr::Paar& p : kr::Paare)
        for (KoerperNr k : {p.schneller, p.langsamer}) {
            auto e = VsopVollDateiLesen(VollOrdner + "/VSOP87D." + kr::Endung(k));
            ASSERT_TRUE(e.ok()) << e.status().detail;
            voll[static_cast<size_t>(k)] = std::move(e.wert());
        }
    const auto neu = kr::AlleSuchen(voll);
    const auto alt = Tabelle();
    ASSERT_EQ(neu.size(), alt.size()) << "regenerate with tools/konjunktionsreferenz";
    for (size_t i = 0; i < neu.size(); ++i) {
        EXPECT_EQ(neu[i].schneller, alt[i].schneller) << i;
        EXPECT_EQ(neu[i].langsamer, alt[i].langsamer) << i;
        EXPECT_EQ(neu[i].datum, alt[i].datum) << i;
        EXPECT_NEAR(neu[i].tag, alt[i].tag, 1e-6) << i;
    }
}

} // namespace
