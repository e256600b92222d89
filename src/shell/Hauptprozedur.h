#pragma once
// The run engine: Hauptprozedur performs one run of the chosen
// representation (set-up, preparation, then one loop iteration per step),
// and Beenden ends it. It reaches the windows only through LaufHost and the
// representation only through its Darstellungsablauf: it keeps the order of
// the loop, the host calls, the idle time-out and the lost surface, and
// reads everything that differs between representations from the run's
// Laufregeln.

#include "astro/Datenausgabe.h"
#include "astro/Positionsquellen.h"
#include "figures/Ansicht.h"
#include "figures/Einstellungssatz.h"
#include "shell/Darstellungsablauf.h"
#include "shell/LaufHost.h"
#include "shell/Laufkonfiguration.h"
#include "shell/Laufzustand.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

namespace shell {

// Delay after each step for tempo 1..10 (800 ms ... 0 ms).
int WartezeitAusTempo(int tempo);

// The idle time-out of a paused or complete run, seconds.
constexpr double RuhezeitGrenze = 5 * 60;

class Hauptprozedur : private Laufbedienung {
public:
    Hauptprozedur(Laufzustand& z, const Laufkonfiguration& k, LaufHost& host);

    // The run of each representation (the program entry fills this from its
    // table of representations; tests register their own).
    void registrieren(Darstellung d, std::unique_ptr<Darstellungsablauf> ablauf);
    Darstellungsablauf* ablauf(Darstellung d) const;

    // The representation of the next run: the start phase, the solid mode,
    // else the checked menu item.
    Darstellung darstellung() const;

    // Performs a whole run; returns when it has ended.
    void ausfuehren();

    // Beenden: ends the run at the next test point and unlocks the interface.
    // Harmless while idle.
    void beenden() override;
    // The question of "Planeten nur zu Beginn" (up to which conjunction or
    // constellation planets are drawn); false when it was cancelled.
    bool EingabeNurzuBeginn();
    // Pause/Weiter.
    void pauseUmschalten();
    // One step back so that the paused or complete loop draws the same step.
    void Pausenfunktion();
    // Something the user steers changed (slider, zoom): restarts the idle time.
    void ruhezeitStempeln();

    // Draws the frame the window shows once more onto `ziel` (the picture
    // in another format): the pause's redraw of the same step, onto another
    // surface and without its traces: afterwards the run state is as
    // before, no data row was written, no event marked new, no message
    // processed. `ziel` draws without a cache (the figures' caches belong to
    // the window's surface). False when there is no such frame (see
    // bildNachzeichenbar) or the frame failed on `ziel`.
    bool bildNachzeichnen(figures::Zeichenflaeche& ziel);
    // A frame can be drawn again: a run is under way (Beenden released its
    // arrays) and has drawn its first frame, outside the start phase, its
    // frames draw whole pictures (Laufregeln::nachzeichenbar); not while
    // kept figures turn (their redraw would move them on, so the paused
    // loop does not draw them either).
    bool bildNachzeichenbar() const;

    // The figure of the last run stands on the surface after Beenden: it can
    // be drawn once more from the run's state, onto the window's surface, in
    // the size, language and colours now in force (after a resize, a
    // language switch, "Standard wiederherstellen"). The run keeps its
    // element tables for this until the next run starts or the figure is
    // dropped (the surface was cleared by something else). Same conditions
    // as bildNachzeichenbar at the moment of Beenden.
    bool figurSteht() const { return figurSteht_; }
    void figurVerwerfen();
    // Draws the standing figure and flips; false (and the figure dropped)
    // when there is none or the frame failed.
    bool figurNeuZeichnen();

    // The rules of the run under way (of the last run when idle).
    const Laufregeln& regeln() const { return regeln_; }
    // The centre may be dragged now.
    bool zentrumZiehbar() const { return !z_.LaufAktiv || regeln_.zentrumZiehbar; }

    Laufspeicher& speicher() { return speicher_; }
    // The services a run gets (also for tests that call the frame rules).
    Laufdienste dienste();
    Laufbedienung& bedienung() { return *this; }

    // The date text of a day number (set by the program entry).
    std::function<std::string(double)> datumFormatierer;
    // The data output table of the window: representations write their
    // header and rows through it (nullptr: no table). datenausgabeBeginn
    // prepares it at run start, once the rules of the run are known
    // (arguments: this run's rules, whether the previous run was data-only);
    // datenOnlyBeenden finishes a data-only output.
    astro::Datenausgabe* datenausgabe = nullptr;
    std::function<void(const Laufregeln&, bool vorigerDatenOnly)> datenausgabeBeginn;
    std::function<void()> datenOnlyBeenden;

    // What the representations draw and compute with (set by the main
    // window): the view state, which the engine brings in step with the run
    // state (size, centre, zoom, angles) before every preparation and frame;
    // the settings in use; the position calculator.
    figures::Ansicht* ansicht = nullptr;
    const figures::Einstellungen* einstellungen = nullptr;
    std::shared_ptr<astro::Positionsrechner> rechner;
    void ansichtAbgleichen();
    int iterationen() const { return iterationen_; }

private:
    // Draws the frame shown again onto ziel from the paused state; alsLauf
    // marks the run active while a stopped figure is drawn. The caller
    // saves and restores the run state.
    bool gezeigtenRahmenZeichnen(figures::Zeichenflaeche& ziel, bool alsLauf);
    bool einrichten();
    void hauptschleife();
    void leeren();
    // Advance and end test; returns false when the loop must end.
    bool weiterUndEndtest();
    void fertigBehandlung();
    template <class F> void zeichnenGeschuetzt(F&& f);
    void Fehlerbehandlung();
    void labelsAktualisieren();

    // Laufbedienung
    void sofortAbbrechen() override;
    void programmBeenden() override;
    void nachrichtenVerarbeiten() override;
    void zaehlerAnzeigen(bool sichtbar, const std::string& text) override;
    Antwort meldung(Meldungsart art, const std::string& titel, const std::string& text) override;
    bool zahlAbfragen(const std::string& label, int vorschlag, int minimum, int maximum, int& wert) override;
    std::string gueltigkeitsText() const override;
    std::string datumsText(double tag) const override;

    Laufzustand& z_;
    const Laufkonfiguration& k_;
    LaufHost& host_;
    Laufspeicher speicher_;
    std::map<Darstellung, std::unique_ptr<Darstellungsablauf>> ablaeufe_;
    // The run of the last run (the placeholder before the first one).
    std::unique_ptr<Darstellungsablauf> platzhalter_ = PlatzhalterAblauf();
    Darstellungsablauf* lauf_ = platzhalter_.get();
    Laufregeln regeln_;
    figures::Ansicht eigeneAnsicht_;
    figures::Einstellungssatz standardEinstellungen_;
    bool vorigerLaufDatenOnly_ = false;
    int iterationen_ = 0;
    bool bildDa_ = false; // a frame of this run has been drawn
    bool figurSteht_ = false;
    std::shared_ptr<const astro::Positionsquelle> figurQuelle_; // the element tables of the standing figure
};

} // namespace shell
