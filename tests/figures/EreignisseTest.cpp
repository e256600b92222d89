// The pre-calculation of an event figure's events: restarts until the first
// event lies on or after the start.
#include "figures/Ereignisse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace figures;

namespace {

// Events every 100 days at 0, 100, 200, ...; a search from t finds the
// event before t when it lies less than `zurueck` days back (as the
// conjunction search walks back inside its window), else the next one.
struct Raster {
    double zurueck = 40;
    std::vector<double> tage = std::vector<double>(16, 0.0);
    int suchen = 0;
    astro::Status zuweisen(int i, double t)
    {
        ++suchen;
        const double vorher = std::floor(t / 100) * 100;
        tage[static_cast<size_t>(i)] = t - vorher < zurueck ? vorher : vorher + 100;
        return astro::Status::Ok();
    }
};

int Vorausberechnen(Raster& r, int anzahl, double t0, int neustarts)
{
    astro::Status fehler = astro::Status::Ok();
    const auto zuweisen = [&](int i, double t) { return r.zuweisen(i, t); };
    const auto tag = [&](int i) { return r.tage[static_cast<size_t>(i)]; };
    const int n = EreignisseVorausberechnen(anzahl, t0, 100, 1, neustarts, zuweisen, tag, {}, fehler);
    EXPECT_TRUE(fehler);
    return n;
}

} // namespace

TEST(Ereignisvorausberechnung, NeustartBisZumErstenEreignisNachDemStart)
{
    // From 205 the search walks back to 200; it takes 35 restarts of one
    // day until the search from 240 finds 300.
    Raster r;
    EXPECT_EQ(Vorausberechnen(r, 5, 205, EreignisNeustartsHoechstens), 5);
    EXPECT_EQ(r.tage[0], 300.0);
    EXPECT_EQ(r.tage[4], 700.0);
    // A start on an event takes it.
    Raster genau;
    EXPECT_EQ(Vorausberechnen(genau, 2, 300, EreignisNeustartsHoechstens), 2);
    EXPECT_EQ(genau.tage[0], 300.0);
    EXPECT_EQ(genau.suchen, 2);
}

TEST(Ereignisvorausberechnung, AmSchutzGibtEsKeinEreignisVorDemStart)
{
    // A guard too small to get past the window: no event rather than one
    // before the start.
    Raster r;
    EXPECT_EQ(Vorausberechnen(r, 5, 205, 10), 0);
}
