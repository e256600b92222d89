#pragma once
// A scripted LaufHost with a fake clock for driving runs step by step.

#include "figures/Aufzeichnungsflaeche.h"
#include "shell/LaufHost.h"

#include <functional>
#include <string>
#include <vector>

namespace testhost {

class TestHost : public shell::LaufHost {
public:
    figures::Aufzeichnungsflaeche flaecheObj{800, 600};
    double uhr = 1000.0;            // seconds
    int tempo = 10;
    shell::Bildschirm schirm{1024, 768, 32};
    int pumps = 0;
    std::vector<int> schlafzeiten;  // every sleepMs call
    std::vector<std::string> meldungen;
    std::string letzterStart, letzteZeit;
    bool pauseAn = false, pauseFett = false, beendenFett = false, startAn = true;
    bool gesperrt = false, menues = false, bedienfeld = false, programmEnde = false;
    int dx = 0, dy = 0, dz = 0;
    bool zoomAn = false, drehAn = true;
    int zoomPosition = 0;
    std::string beendenHinweis;
    int startFokus = 0;
    // Called on every pumpEvents with the pump number (1, 2, ...): the
    // "user" acting between two steps.
    std::function<void(int)> beimPumpen;
    // Called in every sleepMs: the real host keeps processing messages while
    // it waits for the tempo.
    std::function<void(int)> beimSchlafen;
    bool zahlAntwortOk = true;
    int zahlAntwort = 0;

    void pumpEvents() override
    {
        ++pumps;
        uhr += 0.001;
        if (beimPumpen)
            beimPumpen(pumps);
    }
    void sleepMs(int ms) override
    {
        schlafzeiten.push_back(ms);
        uhr += ms / 1000.0;
        if (beimSchlafen)
            beimSchlafen(ms);
    }
    double jetzt() override { return uhr; }
    figures::Zeichenflaeche& flaeche() override { return flaecheObj; }
    shell::Bildschirm bildschirm() override { return schirm; }
    shell::Antwort meldung(shell::Meldungsart, const std::string& titel, const std::string& text) override
    {
        meldungen.push_back(titel + "|" + text);
        return shell::Antwort::Ok;
    }
    bool zahlAbfragen(const std::string&, int vorschlag, int, int, int& wert) override
    {
        wert = zahlAntwort ? zahlAntwort : vorschlag;
        return zahlAntwortOk;
    }
    int tempoFeld() override { return tempo; }
    void labelStart(const std::string& t) override { letzterStart = t; }
    void labelZeit(const std::string& t) override { letzteZeit = t; }
    void zaehlerAnzeigen(bool, const std::string&) override {}
    void pauseAktiviert(bool a) override { pauseAn = a; }
    void pauseHervorheben(bool f, const std::string&) override { pauseFett = f; }
    void beendenKnopf(bool f, const std::string& h) override
    {
        beendenFett = f;
        if (!h.empty())
            beendenHinweis = h;
    }
    void startKnopf(bool a, bool) override { startAn = a; }
    void zoomRegler(bool a, int p) override { zoomAn = a; zoomPosition = p; }
    void drehRegler(bool a) override { drehAn = a; }
    void drehReglerSetzen(int x, int y, int z) override { dx = x; dy = y; dz = z; }
    void startUndZeitLabelsSichtbar(bool) override {}
    void zeitHinweis(const std::string& t) override { letzterZeitHinweis = t; }
    std::string letzterZeitHinweis;
    void sternGruppeSichtbar(bool) override {}
    void laufFokussieren() override {}
    void startFokussieren() override { ++startFokus; }
    void oberflaecheSperren(bool g) override { gesperrt = g; }
    void menueSichtbar(bool s) override { menues = s; }
    // Switches the option off in `konfiguration` (when set), as the main
    // window does through its menu item.
    void optionAbschalten(shell::Laufoption o) override
    {
        abgeschaltet.push_back(o);
        if (konfiguration)
            (o == shell::Laufoption::ErgebnisSofort ? konfiguration->ergebnisSofort
                                                    : konfiguration->planetenNurZuBeginn) = false;
    }
    shell::Laufkonfiguration* konfiguration = nullptr;
    std::vector<shell::Laufoption> abgeschaltet;
    void bedienfeldZeigen() override { bedienfeld = true; }
    void programmBeenden() override { programmEnde = true; }
};

} // namespace testhost
