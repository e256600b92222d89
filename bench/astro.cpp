// Cost of the built-in position routines.
// Goals: one normal-accuracy position (mean elements, Kepler) and one Moon
// position (120 periodic terms) each under 2 us.
// Run: build-dir/bench/bench_astro

#include "astro/Kepler.h"
#include "astro/MittlereElemente.h"
#include "astro/Mondposition.h"
#include "astro/Positionsquellen.h"
#include "astro/Zeit.h"

#include <benchmark/benchmark.h>

namespace {

// A different day on every call, so nothing is folded into a constant.
double tag(benchmark::State& s)
{
    static double x = 0.0;
    x += 1.37;
    if (x > 36525.0)
        x = -36525.0;
    (void)s;
    return x;
}

void NormalePositionMerkur(benchmark::State& state)
{
    const astro::Positionsrechner rechner;
    const astro::Rechenoptionen o;
    for (auto _ : state) {
        auto p = rechner.PositionNormal(1, tag(state), o);
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(NormalePositionMerkur);

void NormalePositionMarsMitPraezession(benchmark::State& state)
{
    const astro::Positionsrechner rechner;
    astro::Rechenoptionen o;
    o.MitPraezession = true;
    for (auto _ : state) {
        auto p = rechner.PositionNormal(4, tag(state), o);
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(NormalePositionMarsMitPraezession);

void Mond(benchmark::State& state)
{
    for (auto _ : state) {
        auto p = astro::MondKoordinaten(tag(state), false);
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(Mond);

void MondMitPraezession(benchmark::State& state)
{
    for (auto _ : state) {
        auto p = astro::MondKoordinaten(tag(state), true);
        benchmark::DoNotOptimize(p);
    }
}
BENCHMARK(MondMitPraezession);

void KeplerHoheExzentrizitaet(benchmark::State& state)
{
    double M = 0.0;
    for (auto _ : state) {
        M += 0.7;
        benchmark::DoNotOptimize(astro::KeplerGleichung(0.97, M));
    }
}
BENCHMARK(KeplerHoheExzentrizitaet);

void DatumText(benchmark::State& state)
{
    for (auto _ : state) {
        auto t = astro::DatumText(tag(state));
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(DatumText);

} // namespace
