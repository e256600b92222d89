// Three planets with "Ergebnis sofort" and 5000 conjunctions asked for at high
// accuracy: the pre-calculation of Jupiter-Saturn(-Uranus) (the count is cut
// to what fits the validity range) and of Venus-Earth(-Mars) (goal: under
// 0.5 s each), and a frame of the Venus-Earth-Mars figure after a view change
// at 1920 x 1080 (link lines, mid-points, positions and lines of two planets;
// goal: 40 ms).
#include "astro/Datenordner.h"
#include "astro/VsopQuelle.h"
#include "figures/DreiPlaneten.h"
#include "shell/QtZeichenflaeche.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

QGuiApplication& anwendung()
{
    static int argc = 1;
    static char name[] = "bench_dreiplaneten";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

const astro::Positionsrechner& Rechner()
{
    static astro::Positionsrechner r = [] {
        astro::Positionsrechner p;
        if (auto reihen = astro::VsopQuelleLaden(astro::DatenOrdnerFinden(astro::ProgrammOrdner())))
            p.setzeReihenquelle(*reihen);
        return p;
    }();
    return r;
}

figures::Positionsfunktion Hoch()
{
    astro::Rechenoptionen o;
    o.HoheGenauigkeit = true;
    return figures::PositionsfunktionAus(Rechner(), o);
}

figures::DreiPlanetenEingabe Figur(int a, int b, int c)
{
    figures::DreiPlanetenEingabe e;
    e.koerper.fill(false);
    e.koerper[static_cast<size_t>(a)] = e.koerper[static_cast<size_t>(b)] = e.koerper[static_cast<size_t>(c)] = true;
    e.raumgeradenpaar = 2;
    e.mittelpunkte = 0;
    e.positionenAussen = e.linienAussen = e.positionenNicht = e.linienNicht = true;
    e.bahnen = false;
    return e;
}

figures::DreiPlanetenlauf Sofort()
{
    figures::DreiPlanetenlauf l;
    l.gueltigkeitsgrenze = astro::GrenzeHoheGenauigkeit;
    l.hoheGenauigkeit = true;
    l.sofort = true;
    l.sofortAnzahl = 5000;
    l.konstellationsgrenze = 5000;
    return l;
}

void Voraus(benchmark::State& state, int a, int b, int c)
{
    const auto position = Hoch();
    figures::Ansicht ansicht;
    int anzahl = 0;
    for (auto _ : state) {
        figures::DreiPlaneten f;
        if (!f.vorbereiten(Figur(a, b, c), Sofort(), ansicht, position)) {
            state.SkipWithError("no positions");
            return;
        }
        anzahl = f.konstellationszahl();
    }
    state.counters["ereignisse"] = anzahl;
}

void BM_DreiPlanetenSofortJupiterSaturnUranus(benchmark::State& s) { Voraus(s, 5, 6, 7); }
void BM_DreiPlanetenSofortVenusErdeMars(benchmark::State& s) { Voraus(s, 2, 3, 4); }

void BM_DreiPlanetenNachAnsichtsaenderung(benchmark::State& state)
{
    anwendung();
    shell::QtZeichenflaeche flaeche(1920, 1080);
    figures::Ansicht ansicht;
    ansicht.GroesseSetzen(1920, 1080);
    figures::DreiPlaneten f;
    if (!f.vorbereiten(Figur(2, 3, 4), Sofort(), ansicht, Hoch())) {
        state.SkipWithError("no positions");
        return;
    }
    const figures::Einstellungssatz s;
    figures::DreiPlanetenRahmen r;
    r.mittelpunktmodus = figures::Mittelpunktmodus::LinieUndPunkte;
    figures::DreiPlanetenZaehler c;
    int grad = 0;
    for (auto _ : state) {
        grad = (grad + 1) % 360;
        ansicht.WinkelSetzenGrad(30, 0, grad);
        (void)f.schritt(c, &flaeche, ansicht, s, r, nullptr);
        benchmark::DoNotOptimize(flaeche.bild().constBits());
    }
    state.counters["ereignisse"] = f.konstellationszahl();
}

BENCHMARK(BM_DreiPlanetenSofortJupiterSaturnUranus)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DreiPlanetenSofortVenusErdeMars)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DreiPlanetenNachAnsichtsaenderung)->Unit(benchmark::kMillisecond);

} // namespace
