#pragma once
// What every event figure shares (two and three planets today; the
// barycentre, the Moon and the rotations build on it): the record the run
// hands the preparation, the counters a frame reads and advances, the
// switches of the frame, the store of events with its kept-figure slots, and
// the rules of the pair (periods, step proposal, inner planet).
//
// A model includes this header, never another model's.

#include "astro/Ergebnis.h"
#include "astro/Gueltigkeit.h"
#include "figures/Ansicht.h"
#include "figures/Einstellungssatz.h"
#include "figures/Ereignisse.h"
#include "figures/Hintergrund.h"
#include "figures/Punktliste.h"

#include <functional>
#include <vector>

namespace figures {

// Sidereal period (days) of body b, 1 .. 21 (clamped).
double SiderischePeriode(int koerper);
// The synodic period (days) of two bodies; 0 for the same period.
double SynodischePeriode(int koerper1, int koerper2);

// The step width proposed for a pair and centre: the shortest period of
// the two planets (and of the centre planet) / 60, rounded half to even.
int Schrittweitenvorschlag(int planet1, int planet2, int zentrum);

// The inner of two planets: the one of the smaller greatest distance from
// the Sun (Ausdehnung; the first on a tie).
int InnererPlanet(int planet1, int planet2);

// What the run hands the preparation of every event figure; a figure's own
// record derives from it and adds what only it needs.
struct Ereignislauf {
    double gueltigkeitsgrenze = astro::GrenzeNormal;
    int konstellationsgrenze = 1200;  // events at most
    bool hoheGenauigkeit = false;
    bool mitPraezession = false;
    bool sofort = false;              // "Ergebnis sofort"
    bool drehung = false;             // "Drehung der Figuren"
    int figurenAnzahl = 10;           // kept figures
    int neustarts = EreignisNeustartsHoechstens; // restarts of the event search before the start (a guard)
    // Asked between steps and events of the pre-calculation: true ends it
    // (Beenden). May be empty.
    std::function<bool()> abbruch;
    // Told every 100th step of the pre-calculation. May be empty.
    std::function<void(int)> fortschritt;

    bool abgebrochen() const { return abbruch && abbruch(); }
};

// The counters a frame reads and advances (the run keeps them in its state:
// the end test and the pause step-back read them there).
struct Ereigniszaehler {
    int schritt = 0;        // Schritt
    int konjIndex = 0;      // events (conjunctions) passed
    int oppoIndex = 0;      // oppositions passed (two planets)
    int rueckschritte = 0;  // steps skipped by the clock synchronisation of this frame
    bool ereignisNeu = false;
};

// The events of a run: the day of each event and the places of two bodies
// in the frame of the figure, slot 0 .. kapazitaet - 1.
struct Ereignisspeicher {
    std::vector<double> tage;
    std::vector<Raumpunkt> ort1, ort2;
    int gefunden = 0; // events computed by the pre-calculation
    void anlegen(int n);
};

// The view and decoration switches of the menu a frame of an event figure
// reads, and the state of the run it is drawn in.
struct Figurrahmen {
    int sterne = -1;                 // star background 0 .. 2, -1 none
    Tierkreisart tierkreis = Tierkreisart::Keiner;
    bool sonneZentrum = false;       // "Sonne ins Zentrum"
    bool zentrumMarkieren = false;
    bool massstab = false;
    bool astronomischeEinheiten = false;
    bool legende = false;
    Mittelpunktmodus mittelpunktmodus = Mittelpunktmodus::Punkte;
    bool nurZuBeginn = false;        // "Planeten nur zu Beginn"
    int nurBisIndex = 15;
    bool pause = false;
    bool fertig = false;
    int zeilengrenze = 10000;
    bool alleNeuProjizieren = false; // the view changed or the centre was dragged
    bool hintergrundFuellen = true;  // clear to the background colour first
    // Processes window messages while many rows are written at once; false
    // ends the writing (Beenden). May be empty.
    std::function<bool()> pumpen;
};

} // namespace figures
