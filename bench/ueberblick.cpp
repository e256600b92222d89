// The overview's frame at the end of a long geocentric run (Mercury to
// Saturn, trails over 12000 steps, 1920 x 1080, Qt canvas): with the view
// unchanged only the newest trail point is projected, so a frame should cost
// little more than an empty one; after a view change every trail point is
// projected again.
#include "astro/Datenordner.h"
#include "astro/Oskulierend.h"
#include "figures/Aufzeichnungsflaeche.h"
#include "figures/Ueberblick.h"
#include "shell/QtZeichenflaeche.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Schritte = 12000;

QGuiApplication& anwendung()
{
    static int argc = 1;
    static char name[] = "bench_ueberblick";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

struct Lauf {
    astro::Positionsrechner rechner;
    figures::Ansicht ansicht;
    figures::Ueberblick figur;
    figures::Einstellungssatz s;
    figures::Ueberblicksrahmen r;
    std::unique_ptr<shell::QtZeichenflaeche> flaeche;
    bool ok = false;

    Lauf()
    {
        anwendung();
        flaeche = std::make_unique<shell::QtZeichenflaeche>(1920, 1080);
        auto ladung = astro::OskuQuelleLaden(astro::DatenOrdnerFinden(astro::ProgrammOrdner()), false, {5, 6});
        if (!ladung)
            return;
        rechner.setzeOskulierendeQuelle(ladung->quelle);
        figures::UeberblickEingabe e;
        for (int b = 1; b <= 6; ++b)
            e.koerper[static_cast<size_t>(b)] = true;
        e.zentrum = 3;
        e.bahnen = true;
        ansicht.GroesseSetzen(1920, 1080);
        ansicht.WinkelSetzenGrad(60, 30, 0);
        figures::Ueberblickslauf l;
        l.maxSchritte = Schritte;
        if (!figur.vorbereiten(e, l, ansicht, figures::PositionsfunktionAus(rechner, astro::Rechenoptionen{})))
            return;
        r.hintergrundFuellen = true;
        for (int n = 0; n < Schritte - 1; ++n)
            if (!figur.schritt(n, nullptr, ansicht, s, r, nullptr))
                return;
        ok = static_cast<bool>(figur.schritt(Schritte - 1, flaeche.get(), ansicht, s, r, nullptr));
    }
};

Lauf& lauf()
{
    static Lauf l;
    return l;
}

void BM_LeererRahmen(benchmark::State& state)
{
    Lauf& l = lauf();
    for (auto _ : state)
        l.flaeche->fuellen(l.s.IntFarbeHintergrund);
}
BENCHMARK(BM_LeererRahmen)->Unit(benchmark::kMicrosecond);

void BM_UeberblickAmEndeAnsichtUnveraendert(benchmark::State& state)
{
    Lauf& l = lauf();
    if (!l.ok) {
        state.SkipWithError("run could not be prepared (Data folder?)");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(l.figur.schritt(Schritte - 1, l.flaeche.get(), l.ansicht, l.s, l.r, nullptr));
}
BENCHMARK(BM_UeberblickAmEndeAnsichtUnveraendert)->Unit(benchmark::kMicrosecond);

void BM_UeberblickAmEndeNachAnsichtsaenderung(benchmark::State& state)
{
    Lauf& l = lauf();
    if (!l.ok) {
        state.SkipWithError("run could not be prepared (Data folder?)");
        return;
    }
    int i = 0;
    for (auto _ : state) {
        l.ansicht.WinkelSetzenGrad(60, 30, (++i % 2) ? 1 : 0);
        benchmark::DoNotOptimize(l.figur.schritt(Schritte - 1, l.flaeche.get(), l.ansicht, l.s, l.r, nullptr));
    }
}
BENCHMARK(BM_UeberblickAmEndeNachAnsichtsaenderung)->Unit(benchmark::kMicrosecond);

// A canvas that draws nothing: the figure's own share of a frame
// (positions, projection, trail bookkeeping).
class Leerflaeche : public figures::Aufzeichnungsflaeche {
public:
    Leerflaeche() : Aufzeichnungsflaeche(1920, 1080) {}
    void fuellen(figures::Farbe) override {}
    void stift(figures::Farbe, int, figures::Stiftstil) override {}
    void pinsel(figures::Farbe, figures::Pinselstil) override {}
    void ellipse(int, int, int, int) override {}
    void polylinie(const std::vector<figures::Punkt>& p) override { punkte += static_cast<long>(p.size()); }
    long punkte = 0;
};

void BM_UeberblickOhneZeichnen(benchmark::State& state)
{
    Lauf& l = lauf();
    if (!l.ok) {
        state.SkipWithError("run could not be prepared (Data folder?)");
        return;
    }
    Leerflaeche f;
    const bool aendern = state.range(0) != 0;
    int i = 0;
    for (auto _ : state) {
        if (aendern)
            l.ansicht.WinkelSetzenGrad(60, 30, (++i % 2) ? 1 : 0);
        benchmark::DoNotOptimize(l.figur.schritt(Schritte - 1, &f, l.ansicht, l.s, l.r, nullptr));
    }
    state.counters["trail_points"] = static_cast<double>(f.punkte) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_UeberblickOhneZeichnen)->Arg(0)->Arg(1)->ArgName("view_changed")->Unit(benchmark::kMicrosecond);

} // namespace
