// Cost of a high-accuracy position from the reduced VSOP series.
// Goal: one Saturn position (632 terms, the largest table) under 25 us.
// Run: build-dir/bench/bench_vsop

#include "astro/Datenordner.h"
#include "astro/Positionsquellen.h"
#include "astro/ReiheVSOP.h"
#include "astro/VsopQuelle.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>
#include <memory>

namespace {

const astro::VsopDaten& daten()
{
    static const auto d = [] {
        auto t = std::make_unique<astro::VsopDaten>();
        const astro::Status s = astro::VsopLaden(astro::DatenOrdnerFinden(astro::ProgrammOrdner()), *t);
        if (!s.ok()) {
            std::cerr << "bench_vsop: cannot load the series: " << s.detail << '\n';
            std::exit(1);
        }
        return t;
    }();
    return *d;
}

// The series alone: L, B, R of date.
void SaturnReihe(benchmark::State& state)
{
    const astro::VsopDaten& d = daten();
    double tag = 9000.25;
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::VsopKugelDatum(d, 6, tag));
        tag += 0.37;
    }
}
BENCHMARK(SaturnReihe);

// What PositionGenau costs for Saturn: series, precession to J2000, X Y Z.
void SaturnPositionGenau(benchmark::State& state)
{
    astro::Positionsrechner rechner;
    rechner.setzeReihenquelle(std::make_shared<astro::VsopQuelle>(std::make_shared<astro::VsopDaten>(daten())));
    astro::Rechenoptionen o;
    o.HoheGenauigkeit = true;
    o.MitPraezession = state.range(0) != 0;
    double tag = 9000.25;
    for (auto _ : state) {
        benchmark::DoNotOptimize(rechner.PositionGenau(6, tag, o));
        tag += 0.37;
    }
}
BENCHMARK(SaturnPositionGenau)->Arg(0)->Arg(1)->ArgName("MitPraezession");

// Mercury to Neptune at one date, equinox J2000.
void AchtPlaneten(benchmark::State& state)
{
    astro::Positionsrechner rechner;
    rechner.setzeReihenquelle(std::make_shared<astro::VsopQuelle>(std::make_shared<astro::VsopDaten>(daten())));
    astro::Rechenoptionen o;
    o.HoheGenauigkeit = true;
    double tag = 9000.25;
    for (auto _ : state) {
        for (int n = 1; n <= 8; ++n)
            benchmark::DoNotOptimize(rechner.PositionGenau(n, tag, o));
        tag += 0.37;
    }
}
BENCHMARK(AchtPlaneten);

// Loading the eight files at program start.
void Laden(benchmark::State& state)
{
    const std::string ordner = astro::DatenOrdnerFinden(astro::ProgrammOrdner());
    auto d = std::make_unique<astro::VsopDaten>();
    for (auto _ : state)
        benchmark::DoNotOptimize(astro::VsopLaden(ordner, *d));
}
BENCHMARK(Laden)->Unit(benchmark::kMillisecond);

} // namespace
