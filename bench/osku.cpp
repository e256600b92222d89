// Cost of one position from the osculating-element tables.
// Goal: one PositionOskulierend under 3 us (two Kepler solutions, two
// conversions, record search), and reading a table at run start.
// Run: build-dir/bench/bench_osku (from the build tree; reads Data/).

#include "astro/Oskulierend.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

const std::string DataOrdner = std::string(VELMORA_QUELLORDNER) + "/Data";

// Times spread over 1900..2100 so that every call searches its records anew.
void PositionAusTabelle(benchmark::State& state, int koerper, bool hoch, bool praezession)
{
    auto t = astro::OskuEinlesen(koerper, hoch, DataOrdner);
    if (!t) {
        state.SkipWithError(("cannot read the table: " + t.status().detail).c_str());
        return;
    }
    double tag = -36500.0;
    for (auto _ : state) {
        tag += 13.7;
        if (tag > 36500.0)
            tag = -36500.0;
        benchmark::DoNotOptimize(astro::PositionOskulierend(*t, tag, praezession));
    }
}
BENCHMARK_CAPTURE(PositionAusTabelle, JupiterNormal, 5, false, false);
BENCHMARK_CAPTURE(PositionAusTabelle, PlutoHoch, 9, true, false);
BENCHMARK_CAPTURE(PositionAusTabelle, CeresHochPraezession, 10, true, true);
BENCHMARK_CAPTURE(PositionAusTabelle, SednaNormal, 21, false, false);

void TabelleEinlesen(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(astro::OskuEinlesen(10, false, DataOrdner));
}
BENCHMARK(TabelleEinlesen)->Unit(benchmark::kMillisecond);

} // namespace
