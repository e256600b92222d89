// 50000 link lines of a rosette-like figure at 1920x1080: the canvas's batch
// lines (width 1, straight into the back buffer) against the same lines
// through QPainter one by one.
#include "shell/QtZeichenflaeche.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

QGuiApplication& anwendung()
{
    static int argc = 1;
    static char name[] = "bench_linien";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication* a = new QGuiApplication(argc, argv);
    return *a;
}

// Chords between two circling points (Venus and Earth around the centre).
std::vector<figures::Punkt> Rosette()
{
    std::vector<figures::Punkt> p;
    for (int i = 0; i < 50000; ++i) {
        const double t = i * 0.75;
        const double a = t * 2 * M_PI / 224.7, b = t * 2 * M_PI / 365.25;
        p.push_back({960 + static_cast<int>(380 * std::cos(a)), 540 + static_cast<int>(380 * std::sin(a))});
        p.push_back({960 + static_cast<int>(520 * std::cos(b)), 540 + static_cast<int>(520 * std::sin(b))});
    }
    return p;
}

void BM_LinienDirekt(benchmark::State& state)
{
    anwendung();
    shell::QtZeichenflaeche f(1920, 1080);
    const auto p = Rosette();
    f.stift(0x00FFFF, 1, figures::Stiftstil::Durchgezogen);
    for (auto _ : state) {
        f.linien(p);
        benchmark::DoNotOptimize(f.bild().constBits());
    }
}

void BM_LinienQPainterReferenz(benchmark::State& state)
{
    anwendung();
    shell::QtZeichenflaeche f(1920, 1080);
    const auto p = Rosette();
    f.stift(0x00FFFF, 1, figures::Stiftstil::Durchgezogen);
    for (auto _ : state) {
        for (size_t k = 0; k + 1 < p.size(); k += 2) {
            f.bewegeZu(p[k].x, p[k].y);
            f.linieZu(p[k + 1].x, p[k + 1].y);
        }
        f.flip();
    }
}

BENCHMARK(BM_LinienDirekt)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LinienQPainterReferenz)->Unit(benchmark::kMillisecond);

} // namespace
