// The osculating-element reader: table parameters, file reading and damaged
// files, the record search, interpolation and wrap of PositionOskulierend,
// and the committed tables in Data/.
#include "astro/Oskulierend.h"
#include "astro/Praezession.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>
#include <string>

namespace {

using astro::OskuParameter;
using astro::OskuSatz;
using astro::OskuTabelle;

const std::string DataOrdner = std::string(VELMORA_QUELLORDNER) + "/Data";
constexpr double kGrad = 3.14159265358979323846 / 180.0;

// Independent two-body position (10^6 km, J2000 ecliptic) by Newton's method
// on Kepler's equation and the perifocal frame rotated by ω, i, Ω.
astro::PositionXYZ zweiKoerper(const OskuSatz& s, double jd)
{
    const double e = s[1], a = s[5];
    const double n = 0.01720209895 / std::sqrt(a * a * a); // rad/day
    const double m = s[6] * kGrad + n * (jd - s[0]);
    double ea = m;
    for (int k = 0; k < 50; ++k)
        ea -= (ea - e * std::sin(ea) - m) / (1 - e * std::cos(ea));
    const double xp = a * (std::cos(ea) - e), yp = a * std::sqrt(1 - e * e) * std::sin(ea);
    const double w = s[3] * kGrad, om = s[4] * kGrad, i = s[2] * kGrad;
    const double x1 = xp * std::cos(w) - yp * std::sin(w), y1 = xp * std::sin(w) + yp * std::cos(w);
    const double au = 149.597870691;
    return {au * (x1 * std::cos(om) - y1 * std::cos(i) * std::sin(om)),
            au * (x1 * std::sin(om) + y1 * std::cos(i) * std::cos(om)), au * y1 * std::sin(i)};
}

// A table of N records on the grid with the same orbit in every record
// (each record's M0 advanced by the mean motion), i.e. pure two-body motion.
std::string tabellenText(const OskuParameter& p, OskuSatz bahn, int anzahl)
{
    std::ostringstream t;
    t << "header 1\nheader 2\nheader 3\n";
    t.precision(17);
    const double n = 0.01720209895 / std::sqrt(bahn[5] * bahn[5] * bahn[5]) / kGrad;
    for (int k = 0; k < anzahl; ++k) {
        const double epoche = p.jd0 + k * p.schritt;
        t << epoche << ' ' << bahn[1] << ' ' << bahn[2] << ' ' << bahn[3] << ' ' << bahn[4] << ' ' << bahn[5] << ' '
          << std::fmod(bahn[6] + n * (epoche - bahn[0]), 360.0) << '\n';
    }
    return t.str();
}

const OskuParameter kProbe{"PROBE.OUT", 2451544.5, 100.0, 40};
const OskuSatz kBahn{2451544.5, 0.2, 10.0, 60.0, 120.0, 2.5, 30.0};

OskuTabelle lesen(const std::string& text, const OskuParameter& p = kProbe)
{
    std::istringstream ein(text);
    auto t = astro::OskuLesen(ein, p);
    EXPECT_TRUE(t.ok()) << t.status().detail;
    return t.ok() ? t.wert() : OskuTabelle{};
}

double abstand(astro::PositionXYZ a, astro::PositionXYZ b)
{
    return std::hypot(a.X - b.X, a.Y - b.Y, a.Z - b.Z);
}

TEST(OskuParameter, FirstEpochsAndSpansOfTheTables)
{
    struct Fall {
        int koerper;
        bool hoch;
        double ersterTag; // Tageszahl of the first epoch
        double spanneJahre;
    };
    const Fall faelle[] = {
        {5, false, -18262487, 100061}, {9, false, -18262487, 100108}, {9, true, -2600327, 14270},
        {10, false, -10007837, 56180}, {14, false, -950400, 5245},    {14, true, -378000, 2070},
        {21, false, -10007837, 56205}, {21, true, -378000, 2070},
    };
    for (const Fall& f : faelle) {
        auto p = astro::OskuTabellenParameter(f.koerper, f.hoch);
        ASSERT_TRUE(p) << f.koerper;
        EXPECT_EQ(p->jd0 - 2451544.5, f.ersterTag) << p->datei;
        EXPECT_NEAR(p->schritt * p->anzahl / 365.25, f.spanneJahre, 1.0) << p->datei;
    }
    for (int k : {0, 4, 5, 8, 22})
        EXPECT_FALSE(astro::OskuTabellenParameter(k, true)) << k;
    EXPECT_FALSE(astro::OskuTabellenParameter(4, false));
}

// Constant elements are two-body motion: every time, on or between epochs,
// must give the exact Kepler position.
TEST(PositionOskulierend, ReproducesTwoBodyMotionOfConstantElements)
{
    const OskuTabelle t = lesen(tabellenText(kProbe, kBahn, 40));
    for (double dt : {0.0, 0.5, 37.25, 100.0, 1234.5, 3899.0}) {
        const double jd = kProbe.jd0 + dt;
        auto p = astro::PositionOskulierend(t, jd - 2451544.5, false);
        ASSERT_TRUE(p.ok()) << dt;
        EXPECT_LT(abstand(*p, zweiKoerper(kBahn, jd)), 1e-6) << "dt " << dt;
    }
}

// At an epoch the record is the earlier one of the pair: q = 0, its own
// elements alone, even when the next record is quite different.
TEST(PositionOskulierend, TimeAtAnEpochUsesThatRecordAlone)
{
    OskuTabelle t = lesen(tabellenText(kProbe, kBahn, 40));
    t.saetze[11][astro::MittlereAnomalie] += 20.0;
    const double jd10 = t.saetze[10][0];
    auto p = astro::PositionOskulierend(t, jd10 - 2451544.5, false);
    ASSERT_TRUE(p.ok());
    EXPECT_LT(abstand(*p, zweiKoerper(t.saetze[10], jd10)), 1e-6);
    // Half-way, the position is the mean of the two propagated positions in L, B, R.
    auto halb = astro::PositionOskulierend(t, jd10 + 50.0 - 2451544.5, false);
    const auto k1 = astro::OskuPropagieren(t.saetze[10], jd10 + 50.0);
    const auto k2 = astro::OskuPropagieren(t.saetze[11], jd10 + 50.0);
    const auto erwartet = astro::KugelZuXYZ({(k1.L + k2.L) / 2, (k1.B + k2.B) / 2, (k1.R + k2.R) / 2});
    ASSERT_TRUE(halb.ok());
    EXPECT_LT(abstand(*halb, erwartet), 1e-9);
}

// Two records whose propagated longitudes are 359° and 1°: the mid-point
// lies at 0°, not at 180°.
TEST(PositionOskulierend, LongitudeWrapsThroughZero)
{
    OskuTabelle t = lesen(tabellenText(kProbe, {2451544.5, 0.0, 0.0, 0.0, 0.0, 2.5, 0.0}, 40));
    const double jd = t.saetze[5][0] + 50.0;
    for (auto [frueh, spaet] : {std::pair{359.0, 1.0}, std::pair{1.0, 359.0}}) {
        // Circular, in the ecliptic: L = M0 + n·(jd − epoch).
        const double n = 0.01720209895 / std::sqrt(2.5 * 2.5 * 2.5) / kGrad;
        t.saetze[5][astro::MittlereAnomalie] = frueh - n * 50.0;
        t.saetze[6][astro::MittlereAnomalie] = spaet + n * 50.0;
        auto p = astro::PositionOskulierend(t, jd - 2451544.5, false);
        ASSERT_TRUE(p.ok());
        const auto k = astro::XYZZuKugel(*p);
        EXPECT_NEAR(std::remainder(k.L, 360.0), 0.0, 1e-6) << frueh << " -> " << spaet;
        EXPECT_GT(p->X, 0.0);
    }
}

TEST(PositionOskulierend, RefusesTimesAtOrAfterTheLastEpochAndAfterTheRunEnd)
{
    const OskuTabelle t = lesen(tabellenText(kProbe, kBahn, 40));
    const double letzter = t.saetze[40][0] - 2451544.5;
    EXPECT_TRUE(astro::PositionOskulierend(t, letzter - 0.001, false).ok());
    for (double tag : {letzter, letzter + 0.5, letzter + 1e7}) {
        auto p = astro::PositionOskulierend(t, tag, false);
        ASSERT_FALSE(p.ok()) << tag;
        EXPECT_EQ(p.status().fehler, astro::Fehler::AusserhalbGueltigkeit);
        EXPECT_EQ(p.status().meldungsSchluessel, "astro.ausserhalbTabelle");
    }
    EXPECT_FALSE(astro::PositionOskulierend(t, 500.0, false, 499.0).ok());
    EXPECT_TRUE(astro::PositionOskulierend(t, 500.0, false, 500.0).ok());
    // Before the first epoch the first two records are extrapolated.
    auto vorher = astro::PositionOskulierend(t, -300.0, false);
    ASSERT_TRUE(vorher.ok());
    EXPECT_LT(abstand(*vorher, zweiKoerper(kBahn, 2451544.5 - 300.0)), 1e-6);
    EXPECT_EQ(astro::PositionOskulierend(t, std::nan(""), false).status().fehler, astro::Fehler::UngueltigeEingabe);
}

TEST(PositionOskulierend, PrecessionSwitchTurnsTheJ2000PositionToTheDate)
{
    const OskuTabelle t = lesen(tabellenText(kProbe, kBahn, 40));
    for (double tag : {0.5, 2000.0}) {
        auto j2000 = astro::PositionOskulierend(t, tag, false);
        auto datum = astro::PositionOskulierend(t, tag, true);
        ASSERT_TRUE(j2000.ok() && datum.ok());
        const auto k = astro::XYZZuKugel(*j2000);
        const auto lb = astro::PraezessionEkliptikal({k.L, k.B}, astro::Praezessionsrichtung::ZumDatum, tag);
        const auto kd = astro::XYZZuKugel(*datum);
        EXPECT_NEAR(std::remainder(kd.L - lb.L, 360.0), 0.0, 1e-9) << tag;
        EXPECT_NEAR(kd.B, lb.B, 1e-9);
        EXPECT_NEAR(kd.R, k.R, 1e-9);
        if (tag == 0.5) {
            EXPECT_LT(abstand(*j2000, *datum), 1e-9);
        }
    }
}

struct Schaden {
    const char* name;
    std::string (*machen)(std::string);
};

TEST(OskuLesen, DamagedFilesAreRefused)
{
    const std::string gut = tabellenText(kProbe, kBahn, 40);
    auto zeileErsetzen = [](std::string s, int zeile, const std::string& neu) {
        std::size_t a = 0;
        for (int z = 0; z < zeile; ++z)
            a = s.find('\n', a) + 1;
        return s.replace(a, s.find('\n', a) - a, neu);
    };
    const std::pair<const char*, std::string> faelle[] = {
        {"39 records", gut.substr(0, gut.rfind('\n', gut.size() - 2) + 1)},
        {"empty", ""},
        {"header only", "a\nb\nc\n"},
        {"word instead of number", zeileErsetzen(gut, 10, "2452244.5 0.2 zehn 60 120 2.5 30")},
        {"decimal comma", zeileErsetzen(gut, 10, "2452244.5 0,2 10 60 120 2.5 30")},
        {"nan", zeileErsetzen(gut, 10, "2452244.5 nan 10 60 120 2.5 30")},
        {"hyperbola", zeileErsetzen(gut, 10, "2452244.5 1.2 10 60 120 2.5 30")},
        {"negative a", zeileErsetzen(gut, 10, "2452244.5 0.2 10 60 120 -2.5 30")},
        {"epochs backwards", zeileErsetzen(gut, 10, "2452144.0 0.2 10 60 120 2.5 30")},
        {"epoch off the grid", zeileErsetzen(gut, 10, "2462444.5 0.2 10 60 120 2.5 30")},
        {"huge angle", zeileErsetzen(gut, 10, "2452244.5 0.2 1e300 60 120 2.5 30")},
    };
    for (const auto& [name, text] : faelle) {
        std::istringstream ein(text);
        auto t = astro::OskuLesen(ein, kProbe);
        ASSERT_FALSE(t.ok()) << name;
        EXPECT_EQ(t.status().fehler, astro::Fehler::DateiBeschaedigt) << name;
        EXPECT_EQ(t.status().meldungsSchluessel, "lauf.datenfehler") << name;
    }
    // Line breaks do not matter, and text after the last record is ignored.
    std::string umbrochen = gut;
    for (std::size_t i = umbrochen.find("header 3\n") + 9; i < umbrochen.size(); ++i)
        if (umbrochen[i] == ' ')
            umbrochen[i] = (i % 3 == 0) ? '\n' : '\t';
    std::istringstream ein(umbrochen + "trailing words\n");
    EXPECT_TRUE(astro::OskuLesen(ein, kProbe).ok());
}

// Random damage to a valid file: reading must end, either refusing the file
// or giving a table whose positions come back in bounded time as numbers.
TEST(OskuLesen, SurvivesRandomlyDamagedFiles)
{
    const std::string gut = tabellenText(kProbe, kBahn, 40);
    std::mt19937 zufall(20261209);
    const char zeichen[] = "0123456789.-+eE \n\tx,";
    int abgelehnt = 0;
    for (int runde = 0; runde < 400; ++runde) {
        std::string s = gut;
        const int aenderungen = 1 + runde % 6;
        for (int a = 0; a < aenderungen; ++a) {
            const std::size_t pos = zufall() % s.size();
            switch (zufall() % 3) {
            case 0: s[pos] = zeichen[zufall() % (sizeof zeichen - 1)]; break;
            case 1: s.erase(pos, 1 + zufall() % 20); break;
            default: s.insert(pos, 1, zeichen[zufall() % (sizeof zeichen - 1)]); break;
            }
            if (s.empty())
                break;
        }
        std::istringstream ein(s);
        auto t = astro::OskuLesen(ein, kProbe);
        if (!t.ok()) {
            ++abgelehnt;
            continue;
        }
        for (double tag : {-500.0, 0.0, 1234.5, 3800.0}) {
            auto p = astro::PositionOskulierend(t.wert(), tag, runde % 2 == 0);
            if (p.ok()) {
                EXPECT_TRUE(std::isfinite(p->X) && std::isfinite(p->Y) && std::isfinite(p->Z)) << runde;
            }
        }
    }
    EXPECT_GT(abgelehnt, 100);
}

TEST(OskuEinlesen, MissingFileIsTheFatalDataFileError)
{
    auto t = astro::OskuEinlesen(5, false, "/nonexistent-folder");
    ASSERT_FALSE(t.ok());
    EXPECT_EQ(t.status().fehler, astro::Fehler::DateiFehlt);
    EXPECT_EQ(t.status().meldungsSchluessel, "lauf.datenfehler");
    EXPECT_NE(t.status().detail.find("JUPITER.OUT"), std::string::npos);
}

// Every committed table reads completely, and the validity limit comes only
// with the minor planets' dense tables.
TEST(OskuEinlesen, AllCommittedTablesRead)
{
    for (int hoch = 0; hoch <= 1; ++hoch)
        for (int k = 5; k <= 21; ++k) {
            auto p = astro::OskuTabellenParameter(k, hoch != 0);
            if (!p)
                continue;
            auto t = astro::OskuEinlesen(k, hoch != 0, DataOrdner);
            ASSERT_TRUE(t.ok()) << p->datei << ": " << t.status().detail;
            EXPECT_EQ(t->saetze[1][0], p->jd0) << p->datei;
            EXPECT_EQ(t->saetze[static_cast<std::size_t>(p->anzahl)][0], p->jd0 + (p->anzahl - 1) * p->schritt);
            EXPECT_EQ(t->gueltigkeitsgrenze.has_value(), hoch && k > 9) << p->datei;
        }
}

// Switching accuracy swaps Pluto's table; the source answers per accuracy
// and refuses bodies it has no table for.
TEST(OskuQuelle, ServesEachAccuracyFromItsOwnTable)
{
    auto normal = astro::OskuQuelleLaden(DataOrdner, false, {5, 9, 10});
    auto hoch = astro::OskuQuelleLaden(DataOrdner, true, {5, 9, 10});
    ASSERT_TRUE(normal.ok() && hoch.ok());
    EXPECT_FALSE(normal->gueltigkeitsgrenze);
    ASSERT_TRUE(hoch->gueltigkeitsgrenze);
    EXPECT_EQ(*hoch->gueltigkeitsgrenze, 374381.0);
    EXPECT_EQ(normal->quelle->tabelle(9, false)->parameter.schritt, 17280.0);
    EXPECT_EQ(hoch->quelle->tabelle(9, true)->parameter.schritt, 2160.0);
    EXPECT_EQ(hoch->quelle->tabelle(5, true), nullptr);

    astro::Rechenoptionen o;
    EXPECT_TRUE(normal->quelle->position(5, 8000.0, o).ok());
    EXPECT_EQ(normal->quelle->position(11, 8000.0, o).status().fehler, astro::Fehler::NichtVerfuegbar);
    o.HoheGenauigkeit = true;
    EXPECT_EQ(normal->quelle->position(9, 8000.0, o).status().fehler, astro::Fehler::NichtVerfuegbar);
    auto pn = normal->quelle->position(9, 8000.0, {});
    auto ph = hoch->quelle->position(9, 8000.0, o);
    ASSERT_TRUE(pn.ok() && ph.ok());
    // Both tables describe the same Pluto: within an arc minute seen from the Sun.
    const auto kn = astro::XYZZuKugel(*pn), kh = astro::XYZZuKugel(*ph);
    EXPECT_LT(std::fabs(std::remainder(kn.L - kh.L, 360.0)), 1.0 / 60.0);
    // The dense minor-planet tables end about 1000 years after 2000.
    o.Laufende = std::numeric_limits<double>::infinity();
    EXPECT_EQ(hoch->quelle->position(10, 380000.0, o).status().fehler, astro::Fehler::AusserhalbGueltigkeit);
}

} // namespace
