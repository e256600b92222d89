#pragma once
// Heliocentric conjunctions and oppositions of two bodies: the instant at
// which the heliocentric ecliptic longitudes of both bodies are equal
// (conjunction) or differ by 180° (opposition), to 0.001° (0.0001° at high
// accuracy) in the longitude difference. The event is the one of the pass of
// the window the search starts in or first reaches from t: a start shortly
// after an event (within the window behind it) finds that event, before t;
// a caller wanting events after t starts again one synodic period later.
//
// Two searches give the same events:
// - KonjunktionSchrittweise walks as the program always did: coarse steps of
//   1 to 200 days until the difference lies within a window (60°, 90° from
//   Uranus on, 150° with Chiron), then steps halved ever faster, back and
//   forth across the event. It costs several hundred position pairs per
//   event and is kept as the reference.
// - KonjunktionSuchen takes coarse steps as long as the largest possible
//   rate of the difference allows without passing the window (never shorter
//   than the walk's own coarse step, so it enters the same pass of the
//   window), then brackets the crossing from there in steps the rate
//   cannot pass, and closes the bracket by inverse interpolation with
//   bisection safeguards (Illinois). About 27 position pairs per Venus-Earth
//   event. Pairs whose difference can turn back (the faster body not always
//   faster: Neptune-Pluto, minor planets of similar periods) take the walk.
//
// Both searches end: they stop at the validity limit, and a search that goes
// further than four synodic periods from its start, or whose halved steps
// meet no crossing where the step before found one, has met positions that
// do not behave (an element table far beyond its epochs) and fails as at
// the limit. The failure carries the message of the limit in force.
//
// Days are TD day numbers, positions heliocentric ecliptic 10^6 km in the
// frame the position function gives.

#include "astro/Ergebnis.h"
#include "astro/Koerper.h"
#include "astro/Koordinaten.h"
#include "astro/Zeit.h"

#include <functional>

namespace astro {

// Heliocentric position of a body at a day; the caller binds accuracy and
// precession.
using Heliozentrisch = std::function<Ergebnis<PositionXYZ>(KoerperNr koerper, Tageszahl tag)>;

struct Konjunktionssuche {
    bool opposition = false;
    bool hoheGenauigkeit = false;   // the tolerance: 0.0001° instead of 0.001°
    double grenze = 1e300;          // validity limit L: the walk stops below -L and beyond +L
                                    // (one of the limits of astro/Gueltigkeit.h gives its own message)
    std::function<bool()> abbruch;  // asked before every position pair: true ends the search (Beenden)
};

struct Konjunktionsereignis {
    Tageszahl tag = 0;
    PositionXYZ p1, p2;   // in the caller's order of the two bodies
    double differenz = 0; // the remaining longitude difference, degrees
};

// The longitude difference of the faster against the slower body plus the
// offset of the event (0 or 180), in (-180, 180]; negative before the event.
double Laengendifferenz(const PositionXYZ& schneller, const PositionXYZ& langsamer, bool opposition);

// The fast search. `auswertungen`, when given, counts the position pairs.
// Fails when a position fails, the search leaves [-L, L] (AusserhalbGueltigkeit)
// or is aborted (Keiner status with no value is never returned).
Ergebnis<Konjunktionsereignis> KonjunktionSuchen(KoerperNr a, KoerperNr b, Tageszahl t, const Konjunktionssuche& s,
                                                 const Heliozentrisch& position, long* auswertungen = nullptr);

// The walk of steps, the reference of the fast search.
Ergebnis<Konjunktionsereignis> KonjunktionSchrittweise(KoerperNr a, KoerperNr b, Tageszahl t,
                                                       const Konjunktionssuche& s, const Heliozentrisch& position,
                                                       long* auswertungen = nullptr);

} // namespace astro
