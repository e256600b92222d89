// Frame costs of "Platon/Kepler" at 1920 x 1080 on the window's own canvas
// (QPainter on the back buffer, no antialiasing): a star polyhedron with the
// star background, a frame of the start animation (the program's first
// picture, which waits 8 ms a frame: its drawing must stay well below that),
// a Metamorphose frame, and Kepler's Mysterium's solids and orbit halves.
#include "figures/Hintergrund.h"
#include "mysterium/Keplerschalen.h"
#include "mysterium/Metamorphose.h"
#include "mysterium/Startanimation.h"
#include "shell/QtZeichenflaeche.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cmath>

using namespace mysterium;

namespace {

QGuiApplication& Anwendung()
{
    static int argc = 1;
    static char name[] = "bench_mysterium";
    static char* argv[] = {name, nullptr};
    static QGuiApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    return *app;
}

figures::Ansicht Voll(double zoom)
{
    figures::Ansicht a;
    a.GroesseSetzen(1920, 1080);
    a.Zoom = zoom;
    return a;
}

void BM_Sternbild(benchmark::State& state)
{
    Anwendung();
    shell::QtZeichenflaeche z(1920, 1080);
    figures::Ansicht a = Voll(10);
    const figures::Einstellungssatz s;
    Koerperwahl w;
    w.figur[static_cast<size_t>(state.range(0) ? Figur::Dodekaederstern : Figur::Ikosaederstern)] = true;
    Koerperbild b;
    b.vorbereiten(w, a, false);
    double winkel = 0;
    for (auto _ : state) {
        a.WinkelSetzenGrad(winkel, winkel / 2, 0);
        winkel += 1;
        z.fuellen(0);
        figures::DXHintergrund(z, 2);
        b.zeichnen(z, a, s, {});
        z.flip();
    }
}
BENCHMARK(BM_Sternbild)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

void BM_Startanimation(benchmark::State& state)
{
    Anwendung();
    shell::QtZeichenflaeche z(1920, 1080);
    figures::Ansicht a = Voll(10);
    const figures::Einstellungssatz s;
    Startanimation anim(StartparameterZiehen(ZufallAusSaat(3)));
    // Into the hold, where the star is largest.
    for (int i = 0; i < 600; ++i)
        anim.weiter(a, false);
    for (auto _ : state) {
        if (!anim.weiter(a, false))
            anim.zuruecksetzen();
        anim.zeichnen(z, a, s);
        z.flip();
    }
}
BENCHMARK(BM_Startanimation)->Unit(benchmark::kMillisecond);

void BM_Metamorphose(benchmark::State& state)
{
    Anwendung();
    shell::QtZeichenflaeche z(1920, 1080);
    figures::Ansicht a = Voll(10);
    const figures::Einstellungssatz s;
    Metamorphose m;
    m.beginnen(a, false);
    int c = 0;
    for (auto _ : state) {
        ++c;
        z.fuellen(0);
        m.bild(c, z, a, s, true);
        z.flip();
    }
}
BENCHMARK(BM_Metamorphose)->Unit(benchmark::kMillisecond);

void BM_Mysterium(benchmark::State& state)
{
    Anwendung();
    shell::QtZeichenflaeche z(1920, 1080);
    figures::Ansicht a = Voll(1);
    a.Massstab = 260.0 / 1506;
    a.WinkelSetzenGrad(75, 40, 0);
    const figures::Einstellungssatz s;
    Keplerschalen k;
    figures::Bahnpunkte bahnen;
    bahnen.dimensionieren(1);
    std::array<bool, 22> auswahl{};
    figures::Punktliste liste;
    const double radien[7] = {0, 57.9, 108.2, 149.6, 227.9, 778.3, 1427};
    for (int b = 1; b <= 6; ++b) {
        auswahl[static_cast<size_t>(b)] = true;
        auto& zeile = bahnen.zeile(b);
        for (size_t j = 0; j < zeile.size(); ++j) {
            const double w = 2 * 3.14159265358979323846 * static_cast<double>(j) / static_cast<double>(zeile.size() - 1);
            zeile[j].X = radien[b] * std::cos(w);
            zeile[j].Y = radien[b] * std::sin(w);
            a.PerspektivKoordinaten(zeile[j].X, zeile[j].Y, 0);
            zeile[j].px = a.BildX;
            zeile[j].py = a.BildY;
            zeile[j].tiefe = a.Tiefe;
        }
        bahnen.belegen(b);
        liste.hinzufuegen(b, zeile[0].px, zeile[0].py, zeile[0].tiefe);
    }
    liste.hinzufuegen(0, a.MitteX, a.MitteY, 0);
    for (auto _ : state) {
        z.fuellen(0);
        k.zeichnen(z, a, s, bahnen, auswahl, liste);
        z.flip();
    }
}
BENCHMARK(BM_Mysterium)->Unit(benchmark::kMillisecond);

} // namespace
