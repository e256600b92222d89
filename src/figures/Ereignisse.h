#pragma once
// Events passed: the representations driven by events (2 and 3 planets,
// Moon, barycentre, rotations) count the events their frame has passed
// against the days of an event array. Plain code over the few values of the
// run it needs, so the window's runs and velmora-cli count alike.

#include "astro/Ergebnis.h"
#include "figures/Verweis.h"

#include <span>

namespace figures {

// Writes the data row `nummer` for the event stored at `index`.
using Ereigniszeile = Verweis<void(int nummer, int index)>;
// Kept figures are turning and an event was passed: shift the kept figures
// and compute the next one into the last slot.
using Figurnachruecken = Verweis<void()>;

enum class Ereigniszaehlung {
    EinesJeSchritt, // 2 and 3 planets, rotations: at most one event per step
    AlleImSchritt,  // Moon and barycentre: every event the step passed
};

// What event passing reads of the run, and its one flag out.
struct Ereignislage {
    double aktuellerTag = 0;     // the day of the step
    bool pause = false;          // the step is redrawn while paused
    bool fertig = false;         // the figure is complete
    bool drehung = false;        // "Drehung der Figuren"
    int figurenAnzahl = 10;      // kept figures
    int konstellationszahl = 0;  // events the pre-calculation computed
    int zeilengrenze = 10000;    // data rows at most
    bool ereignisNeu = false;    // out: an event was passed (not while paused)
};

// The index of the next event: figurenAnzahl once kept figures are turning
// ("Drehung der Figuren" and more events counted than figurenAnzahl; that
// slot then always holds the coming event), else the count itself.
int NaechsterEreignisIndex(bool drehung, int figurenAnzahl, int zaehler);

// While aktuellerTag lies beyond the day of the next event, the event is
// passed: ereignisNeu is set (not while paused), its data row is written
// (not when complete or paused, not with "Drehung der Figuren", not once
// zeilengrenze rows were written), `zaehler` goes up, and with turning kept
// figures `nachruecken` is called. One event per step, or all of them with
// AlleImSchritt. Without kept figures only the konstellationszahl events of
// the run are counted (later slots were never computed). Returns the number
// of events passed.
int EreignissePassieren(Ereignislage& lage, std::span<const double> tage, int& zaehler, Ereigniszaehlung art,
                        Ereigniszeile zeile, Figurnachruecken nachruecken = {});

// The clock of a frame whose planets are not drawn: the first step at or
// after `schritt` whose day t0 + step x dt is not before `ziel` (the day of
// the next event to be shown), at most `hoechstens`. The comparison is the
// one of a clock stepped one by one, reached in one jump.
int SchrittZumTag(double t0, double dt, double ziel, int schritt, int hoechstens);

// The pre-calculation of a run's events: zuweisen(i, t) finds event i at
// or after t and stores it, tag(i) is its day. The next search starts
// `abstand` after the event found. An event before the start (the search
// began just after an event and walked back to it) starts the loop again at
// i = 0 from t0 + r x neustartSchritt, r counting the restarts, until the
// first event lies on or after t0; `neustarts` only guards against a search
// that never gets there (EreignisNeustartsHoechstens is far more than any
// pair needs), and a run that reaches it has no events rather than one
// before its start. A search that runs out of the validity range ends the
// events there, except at the very beginning, where it starts again a
// quarter of `abstand` later (a few times). Returns the number of events
// found; another failure or an abort is left in `fehler`.
using Ereigniszuweisung = Verweis<astro::Status(int index, double tag)>;
using Ereignistag = Verweis<double(int index)>;
// Restarts before the start at most: with a restart step of a hundredth of
// the synodic period, ten periods; the search window of any pair is less
// than half a period, so the first event after the start is found within
// the first fifty restarts.
inline constexpr int EreignisNeustartsHoechstens = 1000;
int EreignisseVorausberechnen(int anzahl, double t0, double abstand, double neustartSchritt, int neustarts,
                              Ereigniszuweisung zuweisen, Ereignistag tag, Verweis<bool()> abbruch,
                              astro::Status& fehler);

} // namespace figures
