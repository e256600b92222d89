// Drawing costs per frame: the projection, the two orbit passes with a full
// re-projection (nine orbits at "sehr hoch", 9 x 945 points), and the zodiac
// band. Goal: a frame's orbits well under a millisecond on the recording
// canvas, so the drawing itself (the Qt canvas) dominates.
#include "figures/Aufzeichnungsflaeche.h"
#include "figures/Bahnen.h"
#include "figures/Hintergrund.h"

#include <benchmark/benchmark.h>

#include <cmath>

using namespace figures;

namespace {

Positionsfunktion Kreise()
{
    return [](int k, double t) -> astro::Ergebnis<Raumpunkt> {
        const double r = Ausdehnung[static_cast<size_t>(k)];
        const double w = t / (14.0 * Umlaufzeiten[static_cast<size_t>(k)]);
        return Raumpunkt{r * std::cos(w), r * std::sin(w), 0.03 * r * std::sin(w + 1)};
    };
}

// A canvas that only counts, so the benchmark measures the figures code.
class Zaehlflaeche : public Aufzeichnungsflaeche {
public:
    void linieZu(int, int) override { ++linien; }
    long linien = 0;
};

void BM_PerspektivKoordinaten(benchmark::State& state)
{
    Ansicht a;
    a.GroesseSetzen(1280, 800);
    a.WinkelSetzenGrad(60, 30, 10);
    a.Massstab = 260.0 / 1506;
    double x = 100;
    for (auto _ : state) {
        a.PerspektivKoordinaten(x, 200, 3);
        benchmark::DoNotOptimize(a.BildX);
        x += 0.001;
    }
}
BENCHMARK(BM_PerspektivKoordinaten);

void BM_BahnZeichnenNeunBahnenSehrHoch(benchmark::State& state)
{
    Ansicht a;
    a.GroesseSetzen(1280, 800);
    a.Massstab = 260.0 / 7373;
    Bahnpunkte store;
    store.dimensionieren(8);
    Bahnrechnung r;
    for (int k = 1; k <= 9; ++k)
        r.auswahl[static_cast<size_t>(k)] = true;
    r.referenzSedna = true;
    r.schrittweite = Bahnschrittweite(KoerperSedna, 8);
    r.position = Kreise();
    BahnBerechnen(store, a, 1, 9, r);
    Bahnzeichnung d;
    d.auswahl = r.auswahl;
    const Einstellungssatz s;
    Zaehlflaeche z;
    double winkel = 0;
    for (auto _ : state) {
        a.WinkelSetzenGrad(winkel, 20, 0);
        a.NeuZeichnen = true;
        BahnZeichnen(z, store, a, s, 1, 9, false, d);
        BahnZeichnen(z, store, a, s, 1, 9, true, d);
        winkel += 1;
        if (winkel > 180)
            winkel = -180;
    }
    benchmark::DoNotOptimize(z.linien);
}
BENCHMARK(BM_BahnZeichnenNeunBahnenSehrHoch)->Unit(benchmark::kMicrosecond);

void BM_Tierkreis(benchmark::State& state)
{
    Ansicht a;
    a.GroesseSetzen(1280, 800);
    a.WinkelSetzenGrad(60, 30, 0);
    const Einstellungssatz s;
    Zaehlflaeche z;
    for (auto _ : state) {
        Tierkreis(z, a, s, false, {36525, true, false});
        z.leeren();
    }
}
BENCHMARK(BM_Tierkreis)->Unit(benchmark::kMicrosecond);

} // namespace
