// 100 successive Venus-Earth conjunctions, by the fast search and by the
// walk of steps, at normal and high accuracy (goals: 3 ms and 20 ms for the
// fast search). The counter "paare" is the position pairs per event.
#include "astro/Datenordner.h"
#include "astro/Konjunktion.h"
#include "astro/Oskulierend.h"
#include "astro/Positionsquellen.h"
#include "astro/VsopQuelle.h"

#include <benchmark/benchmark.h>

namespace {

using namespace astro;

const Positionsrechner& Rechner()
{
    static Positionsrechner r = [] {
        Positionsrechner p;
        const std::string ordner = DatenOrdnerFinden(ProgrammOrdner());
        if (auto reihen = VsopQuelleLaden(ordner))
            p.setzeReihenquelle(*reihen);
        return p;
    }();
    return r;
}

void Hundert(benchmark::State& state, bool hoch, bool schnell)
{
    Rechenoptionen o;
    o.HoheGenauigkeit = hoch;
    const Positionsrechner& r = Rechner();
    const Heliozentrisch pos = [&](KoerperNr k, Tageszahl t) { return r.Position(k, t, o); };
    Konjunktionssuche s;
    s.hoheGenauigkeit = hoch;
    long paare = 0;
    for (auto _ : state) {
        double t = 0;
        paare = 0;
        for (int i = 0; i < 100; ++i) {
            const auto e = schnell ? KonjunktionSuchen(2, 3, t, s, pos, &paare) : KonjunktionSchrittweise(2, 3, t, s, pos, &paare);
            if (!e) {
                state.SkipWithError("search failed");
                return;
            }
            t = e->tag + 291.96;
        }
    }
    state.counters["paare"] = static_cast<double>(paare) / 100.0;
}

void BM_VenusErdeNormalSchnell(benchmark::State& s) { Hundert(s, false, true); }
void BM_VenusErdeNormalSchrittweise(benchmark::State& s) { Hundert(s, false, false); }
void BM_VenusErdeHochSchnell(benchmark::State& s) { Hundert(s, true, true); }
void BM_VenusErdeHochSchrittweise(benchmark::State& s) { Hundert(s, true, false); }
BENCHMARK(BM_VenusErdeNormalSchnell)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VenusErdeNormalSchrittweise)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VenusErdeHochSchnell)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_VenusErdeHochSchrittweise)->Unit(benchmark::kMillisecond);

} // namespace
