// The conjunction search: the fast search finds the events the walk of steps
// finds, over many pairs and start days, with far fewer positions.
#include "astro/Datenordner.h"
#include "astro/Gueltigkeit.h"
#include "astro/Konjunktion.h"
#include "astro/Oskulierend.h"
#include "astro/Positionsquellen.h"
#include "astro/VsopQuelle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

using namespace astro;

// Positions of all bodies at one accuracy, from the program's own data.
struct Rechner {
    Positionsrechner r;
    Rechenoptionen o;
    explicit Rechner(bool hoch)
    {
        o.HoheGenauigkeit = hoch;
        const std::string ordner = DatenOrdnerFinden(ProgrammOrdner());
        std::vector<KoerperNr> alle;
        for (KoerperNr k = 1; k <= 21; ++k)
            alle.push_back(k);
        auto osku = OskuQuelleLaden(ordner, hoch, alle);
        if (osku)
            r.setzeOskulierendeQuelle(osku->quelle);
        if (hoch)
            if (auto reihen = VsopQuelleLaden(ordner))
                r.setzeReihenquelle(*reihen);
    }
    Heliozentrisch funktion() const
    {
        return [this](KoerperNr k, Tageszahl t) { return r.Position(k, t, o); };
    }
};

// The rate of the difference at a day (degrees a day), for the time tolerance.
double Rate(const Heliozentrisch& pos, KoerperNr f, KoerperNr g, Tageszahl t, bool opposition)
{
    auto d = [&](double tt) { return Laengendifferenz(*pos(f, tt), *pos(g, tt), opposition); };
    return (Winkel180(d(t + 0.5) - d(t - 0.5)));
}

struct Fall {
    KoerperNr a, b;
};

void Vergleichen(const Rechner& rechner, const std::vector<Fall>& paare, const std::vector<double>& starts, bool hoch,
                 long& schnellGesamt, long& schrittGesamt)
{
    const Heliozentrisch pos = rechner.funktion();
    for (const Fall& p : paare)
        for (double t0 : starts)
            for (bool opposition : {false, true}) {
                SCOPED_TRACE(::testing::Message() << p.a << "-" << p.b << " from " << t0 << (opposition ? " opp" : ""));
                Konjunktionssuche s;
                s.opposition = opposition;
                s.hoheGenauigkeit = hoch;
                long n1 = 0, n2 = 0;
                const auto schnell = KonjunktionSuchen(p.a, p.b, t0, s, pos, &n1);
                const auto schritt = KonjunktionSchrittweise(p.a, p.b, t0, s, pos, &n2);
                // (Some slow pairs have no event within the limit: both say so.)
                ASSERT_EQ(schnell.ok(), schritt.ok()) << schnell.status().detail << schritt.status().detail;
                if (!schnell.ok())
                    continue;
                const double tol = hoch ? 0.0001 : 0.001;
                EXPECT_LT(std::fabs(schnell->differenz), tol);
                EXPECT_LT(std::fabs(schritt->differenz), tol);
                // The same event: apart by no more than both tolerances at the rate.
                const KoerperNr f = SiderischePeriodeTage[static_cast<size_t>(p.a)] <
                                            SiderischePeriodeTage[static_cast<size_t>(p.b)]
                                        ? p.a
                                        : p.b;
                const KoerperNr g = f == p.a ? p.b : p.a;
                const double rate = std::fabs(Rate(pos, f, g, schnell->tag, opposition));
                const double erlaubt = 2.5 * tol / std::max(rate, 1e-9) + 1e-6;
                EXPECT_NEAR(schnell->tag, schritt->tag, erlaubt) << "rate " << rate;
                // The caller's order of the bodies.
                EXPECT_EQ(schnell->p1.X, pos(p.a, schnell->tag)->X);
                schnellGesamt += n1;
                schrittGesamt += n2;
            }
}

TEST(Konjunktion, SchnelleSucheFindetDieEreignisseDerSchrittweisenSuche)
{
    const Rechner normal(false);
    ASSERT_TRUE(normal.r.hatOskulierendeQuelle()) << "the element tables in Data/";
    const std::vector<Fall> paare = {{2, 3}, {3, 2}, {1, 3}, {3, 4}, {1, 4}, {5, 6}, {4, 5}, {6, 7},
                                     {7, 8}, {3, 9}, {3, 10}, {3, 14}, {5, 14}, {1, 21}};
    const std::vector<double> starts = {-500000, -36525.5, 0, 1234.25, 73000, 400000};
    long schnell = 0, schritt = 0;
    Vergleichen(normal, paare, starts, false, schnell, schritt);
    // The fast search needs a fraction of the positions.
    EXPECT_LT(schnell * 4, schritt) << schnell << " against " << schritt;
    // Pairs whose difference can turn back take the walk: the same events.
    Vergleichen(normal, {{8, 9}, {10, 11}, {9, 15}, {7, 14}, {15, 16}, {10, 13}}, starts, false, schnell, schritt);
}

TEST(Konjunktion, HoheGenauigkeit)
{
    const Rechner hoch(true);
    ASSERT_TRUE(hoch.r.hatReihenquelle());
    long schnell = 0, schritt = 0;
    Vergleichen(hoch, {{2, 3}, {3, 4}, {5, 6}, {1, 2}}, {-100000, 0, 36525}, true, schnell, schritt);
    EXPECT_LT(schnell * 4, schritt);
}

// Venus and Earth: five successive conjunctions make the pentagram, each
// about 583.92 days after the last, 8 years for five.
TEST(Konjunktion, VenusErdePentagramm)
{
    const Rechner normal(false);
    const Heliozentrisch pos = normal.funktion();
    Konjunktionssuche s;
    double t = 0;
    std::vector<double> tage;
    for (int i = 0; i < 6; ++i) {
        const auto e = KonjunktionSuchen(2, 3, t, s, pos);
        ASSERT_TRUE(e.ok());
        tage.push_back(e->tag);
        t = e->tag + 583.92;
    }
    for (size_t i = 1; i < tage.size(); ++i)
        EXPECT_NEAR(tage[i] - tage[i - 1], 583.92, 8.0) << i;
    EXPECT_NEAR(tage[5] - tage[0], 8 * 365.25 - 2.4, 3.0) << "five events in eight years";
}

// A start just after the walk's window edge, with three crossings inside
// one guessed step once (Uranus-Chiron), and an opposition through the
// +-180 jump (Ceres-Pallas): the event found is a true one.
TEST(Konjunktion, SchwierigeFaelle)
{
    const Rechner normal(false);
    const Heliozentrisch pos = normal.funktion();
    Konjunktionssuche opp;
    opp.opposition = true;
    opp.grenze = GrenzeNormal;
    const auto e = KonjunktionSuchen(7, 14, 453537.07, opp, pos);
    ASSERT_TRUE(e.ok());
    EXPECT_NEAR(e->tag, 474946.2, 1.0);
    const auto c = KonjunktionSuchen(10, 11, 0, opp, pos);
    ASSERT_TRUE(c.ok());
    EXPECT_LT(std::fabs(c->differenz), 0.001);
    EXPECT_LT(std::fabs(Laengendifferenz(*pos(10, c->tag), *pos(11, c->tag), true)), 0.001) << "an opposition";
}

TEST(Konjunktion, GrenzeUndFalscheKoerper)
{
    const Rechner normal(false);
    const Heliozentrisch pos = normal.funktion();
    Konjunktionssuche s;
    s.grenze = 1000;
    // Jupiter-Saturn from 2005: the next conjunction (2020) lies beyond the
    // limit (and the last one, 2000, outside the window behind).
    const auto e = KonjunktionSuchen(5, 6, 2000, s, pos);
    ASSERT_FALSE(e.ok());
    EXPECT_EQ(e.status().fehler, Fehler::AusserhalbGueltigkeit);
    EXPECT_FALSE(KonjunktionSuchen(3, 3, 0, {}, pos).ok()) << "the same planet twice";
    EXPECT_FALSE(KonjunktionSuchen(0, 3, 0, {}, pos).ok());
    // Aborted by the user.
    Konjunktionssuche ab;
    ab.abbruch = [] { return true; };
    EXPECT_FALSE(KonjunktionSchrittweise(7, 8, 0, ab, pos).ok());
}

// Positions that jump about, as an element table gives them far before its
// first epoch (Chiron's long table begins at day -950400): the search must
// end, quickly and with the message of the limit in force, instead of
// creeping on in ever smaller steps (it once ran for minutes).
TEST(Konjunktion, EndetWoDiePositionenSpringen)
{
    const Rechner normal(false);
    const Heliozentrisch tabelle = normal.funktion();
    // A longitude that changes by whole turns within a thousandth of a day.
    const Heliozentrisch springend = [](KoerperNr k, Tageszahl t) -> Ergebnis<PositionXYZ> {
        const double l = std::fmod(std::fabs(t) * 7919.123 * k, 360.0) * 3.14159265358979 / 180;
        return PositionXYZ{std::cos(l), std::sin(l), 0};
    };
    struct Fall {
        const char* name;
        KoerperNr a, b;
        Tageszahl start;
        double grenze;
        const char* meldung;
        const Heliozentrisch* pos;
    };
    const Fall faelle[] = {
        {"Chiron-Pluto, Chiron's table extrapolated", 14, 9, -9847113.0896357726, GrenzeNormal,
         "lauf.gueltigkeit.25000", &tabelle},
        {"the same, with the wide limit", 14, 9, -9990000, GrenzeAeussereNormal, "lauf.gueltigkeit.50000", &tabelle},
        {"jumping positions, Venus-Earth", 2, 3, 1000, GrenzeChironNormal, "lauf.gueltigkeit.chiron", &springend},
        {"jumping positions, Jupiter-Saturn", 5, 6, -3000, GrenzeKleinplanetHoch, "lauf.gueltigkeit.1000",
         &springend},
    };
    for (const Fall& f : faelle)
        for (bool schnell : {true, false})
            for (bool opposition : {false, true}) {
                SCOPED_TRACE(::testing::Message() << f.name << (schnell ? ", fast" : ", walk")
                                                  << (opposition ? ", opposition" : ""));
                Konjunktionssuche s;
                s.opposition = opposition;
                s.grenze = f.grenze;
                long gefragt = 0;
                s.abbruch = [&gefragt] { return ++gefragt > 200000; };
                const auto e = schnell ? KonjunktionSuchen(f.a, f.b, f.start, s, *f.pos)
                                       : KonjunktionSchrittweise(f.a, f.b, f.start, s, *f.pos);
                EXPECT_LE(gefragt, 200000) << "still searching";
                if (e.ok())
                    continue; // an event of the jumping positions, found by chance
                EXPECT_EQ(e.status().fehler, Fehler::AusserhalbGueltigkeit);
                EXPECT_EQ(e.status().meldungsSchluessel, f.meldung);
            }
}

// The search that leaves the range names the limit in force.
TEST(Konjunktion, MeldungDerGrenze)
{
    const Rechner normal(false);
    const Heliozentrisch pos = normal.funktion();
    Konjunktionssuche s;
    s.grenze = GrenzeChironNormal;
    const auto e = KonjunktionSuchen(5, 14, -GrenzeChironNormal - 10, s, pos);
    ASSERT_FALSE(e.ok());
    EXPECT_EQ(e.status().fehler, Fehler::AusserhalbGueltigkeit);
    EXPECT_EQ(e.status().meldungsSchluessel, "lauf.gueltigkeit.chiron");
    s.grenze = 1000; // no limit of the table: the default text
    EXPECT_EQ(KonjunktionSuchen(5, 6, 2000, s, pos).status().meldungsSchluessel, "lauf.gueltigkeit.25000");
}

} // namespace
