// A data-only overview of 10000 rows through the real main window and its
// data table (offscreen): the time of the whole run, with the window and the
// table shown (1) and hidden (0). Before the table took its rows in batches
// such a run took 3.4 s here.
#include "shell/TForm1.h"
#include "shell/UeberblickAblauf.h"
#include "ui/DatenausgabeMenues.h"

#include <QAction>
#include <QApplication>
#include <QPlainTextEdit>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

QApplication& anwendung()
{
    static int argc = 1;
    static char name[] = "bench_datenausgabe";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Kept to the end of the process: Qt's devices must not outlive it.
    static QApplication* a = new QApplication(argc, argv);
    return *a;
}

void DatenOnlyLauf(benchmark::State& state)
{
    anwendung();
    const bool gezeigt = state.range(0) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        shell::TForm1 form1;
        form1.zeitfaktor = 0;
        form1.zustand().Startphase = false;
        form1.zustand().ErstesZeichnen = false;
        form1.engine().rechner = std::make_shared<astro::Positionsrechner>();
        ui::DatenausgabeMenues daten(form1);
        if (!gezeigt && daten.ausgabeKonj()->isChecked())
            daten.ausgabeKonj()->trigger();
        auto ablauf = std::make_unique<shell::UeberblickAblauf>();
        for (int b = 1; b <= 4; ++b)
            ablauf->eingabe.koerper[static_cast<size_t>(b)] = true;
        ablauf->eingabe.nurDatenausgabe = true;
        ablauf->eingabe.datenSchrittweite = 1;
        ablauf->eingabe.datenAnzahl = 10000;
        form1.engine().registrieren(shell::Darstellung::Ueberblick, std::move(ablauf));
        form1.resize(1280, 800);
        if (gezeigt) {
            form1.show();
            form1.memoAusgabe()->show();
        }
        state.ResumeTiming();
        form1.engine().ausfuehren();
        state.PauseTiming();
        state.counters["zeilen"] = form1.memoAusgabe()->document()->blockCount();
        state.ResumeTiming();
    }
}
BENCHMARK(DatenOnlyLauf)->Arg(1)->Arg(0)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
