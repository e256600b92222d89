// The two-planet rosette at its largest: Venus and Earth around the Sun,
// 50000 steps of 4 days, link lines, both traces and the conjunction star,
// 1920 x 1080 on the Qt canvas. With the view unchanged a frame copies the
// cache and adds the newest step; after a view change the cache is drawn
// again from all 50000 steps. The reference draws the same 50000 link lines
// through QPainter::drawLines, as a frame drawing everything would have to.
#include "figures/ZweiPlaneten.h"
#include "shell/QtZeichenflaeche.h"

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int Schritte = 50000;

QGuiApplication& anwendung()
{
    static int argc = 1;
    static char name[] = "bench_zweiplaneten";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    return app;
}

struct Lauf {
    astro::Positionsrechner rechner;
    figures::Ansicht ansicht;
    figures::ZweiPlaneten figur;
    figures::Einstellungssatz s;
    figures::ZweiPlanetenRahmen r;
    figures::ZweiPlanetenZaehler c;
    std::unique_ptr<shell::QtZeichenflaeche> flaeche;
    bool ok = false;

    Lauf()
    {
        anwendung();
        flaeche = std::make_unique<shell::QtZeichenflaeche>(1920, 1080);
        figures::ZweiPlanetenEingabe e;
        e.planet1 = 2;
        e.planet2 = 3;
        e.raumgeraden = true;
        e.bahn1 = e.bahn2 = true;
        e.konjunktionsstern = true;
        figures::ZweiPlanetenlauf l;
        l.schrittgrenze = Schritte;
        ansicht.GroesseSetzen(1920, 1080);
        ok = static_cast<bool>(
            figur.vorbereiten(e, l, ansicht, figures::PositionsfunktionAus(rechner, astro::Rechenoptionen{})));
    }

    // Steps 0 .. n as a run would have drawn them, the last frame drawn.
    void bis(int n)
    {
        c.schritt = n;
        figures::ZweiPlanetenZaehler z;
        for (int k = 0; k <= n; k += 97) {
            z.schritt = k;
            (void)figur.schritt(z, nullptr, ansicht, s, r, nullptr);
        }
        c.konjIndex = z.konjIndex;
        (void)figur.schritt(c, flaeche.get(), ansicht, s, r, nullptr);
    }
};

void BM_ZweiPlanetenAnsichtUnveraendert(benchmark::State& state)
{
    Lauf l;
    if (!l.ok) {
        state.SkipWithError("no positions");
        return;
    }
    l.bis(Schritte - 2000);
    for (auto _ : state) {
        if (l.c.schritt < Schritte)
            ++l.c.schritt;
        (void)l.figur.schritt(l.c, l.flaeche.get(), l.ansicht, l.s, l.r, nullptr);
        benchmark::DoNotOptimize(l.flaeche->bild().constBits());
    }
    state.counters["neuaufbauten"] = static_cast<double>(l.figur.neuaufbauten());
}

void BM_ZweiPlanetenNachAnsichtsaenderung(benchmark::State& state)
{
    Lauf l;
    if (!l.ok) {
        state.SkipWithError("no positions");
        return;
    }
    l.bis(Schritte);
    int grad = 0;
    for (auto _ : state) {
        grad = (grad + 1) % 360;
        l.ansicht.WinkelSetzenGrad(30, 0, grad);
        (void)l.figur.schritt(l.c, l.flaeche.get(), l.ansicht, l.s, l.r, nullptr);
        benchmark::DoNotOptimize(l.flaeche->bild().constBits());
    }
}

void BM_ZweiPlanetenQPainterReferenz(benchmark::State& state)
{
    Lauf l;
    if (!l.ok) {
        state.SkipWithError("no positions");
        return;
    }
    std::vector<QLine> linien;
    for (int k = 0; k <= Schritte; ++k) {
        const auto& a = l.figur.ort1(k);
        const auto& b = l.figur.ort2(k);
        l.ansicht.PerspektivKoordinaten(a.X, a.Y, a.Z);
        const QPoint p(l.ansicht.BildX, l.ansicht.BildY);
        l.ansicht.PerspektivKoordinaten(b.X, b.Y, b.Z);
        linien.emplace_back(p, QPoint(l.ansicht.BildX, l.ansicht.BildY));
    }
    QImage bild(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        bild.fill(Qt::black);
        QPainter p(&bild);
        p.setPen(QPen(QColor(0, 128, 128), 0));
        p.drawLines(linien.data(), static_cast<int>(linien.size()));
        p.end();
        benchmark::DoNotOptimize(bild.constBits());
    }
}

BENCHMARK(BM_ZweiPlanetenAnsichtUnveraendert)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZweiPlanetenNachAnsichtsaenderung)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZweiPlanetenQPainterReferenz)->Unit(benchmark::kMillisecond);

} // namespace
