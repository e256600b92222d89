#pragma once
// The run engine: Hauptprozedur performs one run of the chosen
// representation (set-up, preparation, then one loop iteration per step),
// and Beenden ends it. It reaches the windows only through LaufHost.

#include "astro/Datenausgabe.h"
#include "astro/Positionsquellen.h"
#include "figures/Ansicht.h"
#include "figures/Einstellungssatz.h"
#include "shell/LaufHost.h"
#include "shell/Laufkonfiguration.h"
#include "shell/Laufzustand.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace shell {

class Hauptprozedur;

// What a representation sees of the run.
struct Laufkontext {
    Laufzustand& z;
    const Laufkonfiguration& k;
    Laufspeicher& speicher;
    LaufHost& host;
    Hauptprozedur& engine;
};

// One representation (overview, two planets, ...): its preparation and its
// frame. Registered with the engine, so new representations need no change
// of the engine.
class Darstellungsablauf {
public:
    virtual ~Darstellungsablauf() = default;
    // Preparation after the common set-up: bodies, start, step width,
    // counts, scale, pre-calculation. Returns false when the run must end
    // (cancelled count dialog, Beenden during a pre-calculation).
    virtual bool vorbereiten(Laufkontext& l) = 0;
    // Draws the frame of the current step (the surface is already cleared).
    virtual void schritt(Laufkontext& l) = 0;
};

// Delay after each step for tempo 1..10 (800 ms ... 0 ms).
int WartezeitAusTempo(int tempo);

// The start text "Velmora" / "DAS PROGRAMM" in red on the surface (no flip).
void StarttextZeichnen(figures::Zeichenflaeche& f, double schriftfaktor);

// The idle time-out of a paused or complete run, seconds.
constexpr double RuhezeitGrenze = 5 * 60;

class Hauptprozedur {
public:
    Hauptprozedur(Laufzustand& z, Laufkonfiguration& k, LaufHost& host);

    void registrieren(Darstellung d, std::unique_ptr<Darstellungsablauf> ablauf);
    Darstellungsablauf* ablauf(Darstellung d) const;

    // The representation of the next run (dMysterium in MysteriumModus).
    Darstellung darstellung() const;

    // Performs a whole run; returns when it has ended.
    void ausfuehren();

    // Beenden: ends the run at the next test point and unlocks the interface.
    // Harmless while idle.
    void beenden();
    // The question of "Planeten nur zu Beginn" (up to which conjunction or
    // constellation planets are drawn); false when it was cancelled.
    bool EingabeNurzuBeginn();
    // Cancel in the count dialog of an immediate-result run: "Ergebnis
    // sofort" off, then Beenden.
    void AbbrechenSofort();
    // The pre-calculation counter on the panel, after processing messages.
    void progressAnzeige(int n);
    // Pause/Weiter.
    void pauseUmschalten();
    // One step back so that the paused or complete loop draws the same step.
    void Pausenfunktion();
    // Something the user steers changed (slider, zoom): restarts the idle time.
    void ruhezeitStempeln();

    // The validity message key for the current run's limit.
    std::string gueltigkeitsText() const;

    Laufspeicher& speicher() { return speicher_; }

    // Hooks filled by later layers: the date text of a day number, the start
    // animation frame (returns true when the animation has ended), the
    // solids of a Mysterium frame, the end of a data-only output.
    std::function<std::string(double)> datumFormatierer;
    std::function<bool(Laufkontext&)> startanimation;
    std::function<void(Laufkontext&)> solidsZeichnen;
    std::function<void()> datenOnlyBeenden;
    // The data output table of the window: representations write their
    // header and rows through it (nullptr: no table). datenausgabeBeginn
    // prepares it at run start, once the run is known to be data-only or not
    // (arguments: this run, the previous run).
    astro::Datenausgabe* datenausgabe = nullptr;

    // What the representations draw and compute with (set by the main
    // window): the view state, which the engine brings in step with the run
    // state (size, centre, zoom, angles) before every preparation and frame;
    // the settings in use; the position calculator.
    figures::Ansicht* ansicht = nullptr;
    const figures::Einstellungen* einstellungen = nullptr;
    std::shared_ptr<astro::Positionsrechner> rechner;
    void ansichtAbgleichen();
    std::function<void(bool datenOnly, bool vorigerDatenOnly)> datenausgabeBeginn;
    int iterationen() const { return iterationen_; }

private:
    bool einrichten();
    bool vorbereiten();
    void hauptschleife();
    void mysteriumFrame();
    void leeren();
    void startanimationEnde();
    void Starttext();
    // Advance and end test; returns false when the loop must end.
    bool weiterUndEndtest();
    bool langzeitEndtest();
    void fertigBehandlung();
    void zeichnenGeschuetzt(void (Hauptprozedur::*f)());
    void representationsFrame();
    void Fehlerbehandlung();
    void labelsAktualisieren();
    std::string datumsText(double tag) const;

    Laufzustand& z_;
    Laufkonfiguration& k_;
    LaufHost& host_;
    Laufspeicher speicher_;
    std::map<Darstellung, std::unique_ptr<Darstellungsablauf>> ablaeufe_;
    Darstellung laufDarstellung_ = Darstellung::Ueberblick;
    bool laufIstDatenOnly_ = false;
    bool vorigerLaufDatenOnly_ = false;
    bool startanimationFertig_ = false;
    bool ueberspringeWartezeit_ = false;
    int iterationen_ = 0;
};

} // namespace shell
