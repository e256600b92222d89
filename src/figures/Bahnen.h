#pragma once
// Orbits: the orbit store `Bahnpunkte`, its computation `BahnBerechnen` and
// the two-pass drawing `BahnZeichnen`.
//
// The orbit points of a run are computed once (and again at long intervals
// by the caller), projected only when the view changes, and drawn in two
// passes: the segments behind the plane through the centre, then those in
// front of it, so a representation can put discs and solids between them.

#include "astro/Ergebnis.h"
#include "astro/Positionsquellen.h"
#include "figures/Ansicht.h"
#include "figures/Einstellungssatz.h"
#include "figures/Zeichenflaeche.h"

#include <array>
#include <functional>
#include <vector>

namespace figures {

// Sidereal periods in units of Mercury's period, indexed by body number;
// entry 0 holds the Moon's month. Used for orbit sampling and step proposals.
inline constexpr std::array<double, 22> Umlaufzeiten = {
    0.3106,   1.0,      2.5543,   4.1521,   7.8093,   49.251,   122.307,  348.855,
    684.129,  1029.27,  19.111,   19.163,   15.063,   18.125,   225.0,    1166.563,
    1194.863, 1024.596, 1184.762, 1281.066, 2312.612, 48788.275,
};

constexpr int KoerperSedna = 21;
constexpr int KoerperChiron = 14;

// The orbit step of body b for "Anzahl Bahnpunkte" factor f, days: 119
// points this far apart span a little more than one revolution.
constexpr double Bahnschrittweite(int koerper, int faktor)
{
    return 0.75 / (faktor > 0 ? faktor : 1) * Umlaufzeiten[static_cast<size_t>(koerper)];
}

// Simulated time (days) after which a run computes its orbits again:
// Chiron's orbit changes fastest.
constexpr double BahnErneuerung(bool mitChiron) { return mitChiron ? 14610.0 : 90500.0; }
// Radius (10^6 km) of the sphere all points lie on in the Overview mode
// "Darstellung ohne Entfernungen".
constexpr double KugelradiusOhneEntfernungen = 263.0;

// Heliocentric ecliptic position, 10^6 km (the position routines' own type).
using Raumpunkt = astro::PositionXYZ;

// Position of body `koerper` (1 .. 21) at day number `tag` (TD): the caller
// binds the accuracy and precession switches of the run.
using Positionsfunktion = std::function<astro::Ergebnis<Raumpunkt>(int koerper, double tag)>;

// The positions of a calculator with the run's switches (PositionGenau or
// PositionNormal by optionen.HoheGenauigkeit). The calculator must outlive
// the function.
Positionsfunktion PositionsfunktionAus(const astro::Positionsrechner& rechner, const astro::Rechenoptionen& optionen);

struct Bahnpunkt {
    double X = 0, Y = 0, Z = 0;   // 10^6 km
    int px = 0, py = 0;           // pixel at the last projection
    double tiefe = 0;             // depth at the last projection
};

// The orbit store: rows 1 .. 9 (row 0 unused), each of N + 1 points.
class Bahnpunkte {
public:
    static constexpr int Zeilen = 10;
    static constexpr int GrundPunktzahl = 118;

    // Sizes the store for "Anzahl Bahnpunkte" factor f (1, 2, 4, 8) and
    // clears SednaFertig; done at the start of every run.
    void dimensionieren(int faktor);
    int faktor() const { return faktor_; }
    // N: the number of segments of each orbit polyline.
    int Bahnpunktzahl() const { return N_; }

    std::vector<Bahnpunkt>& zeile(int k) { return zeilen_[static_cast<size_t>(k)]; }
    const std::vector<Bahnpunkt>& zeile(int k) const { return zeilen_[static_cast<size_t>(k)]; }
    // True once the row holds computed points.
    bool belegt(int k) const { return belegt_[static_cast<size_t>(k)]; }
    void belegen(int k) { belegt_[static_cast<size_t>(k)] = true; }

    bool SednaFertig = false;

private:
    int faktor_ = 1;
    int N_ = GrundPunktzahl;
    std::array<std::vector<Bahnpunkt>, Zeilen> zeilen_;
    std::array<bool, Zeilen> belegt_{};
};

// What BahnBerechnen reads of the run.
struct Bahnrechnung {
    std::array<bool, 22> auswahl{};    // selected bodies by number
    double tag = 0;                    // current day number t (TD)
    double schrittweite = 0.75;        // Δ, days, set for the orbit computation
    double gueltigkeitsgrenze = 1e300; // validity limit (day number)
    bool mitPraezession = false;
    bool referenzSedna = false;        // Overview and 3-planet representation
    bool ohneEntfernungen = false;     // Overview "Darstellung ohne Entfernungen"
    bool langzeit = false;             // long-term simulation: row = body number
    Positionsfunktion position;
    // Where `position` has no table for an orbit point (a high-accuracy run
    // whose minor-planet orbits reach beyond the dense tables), the point is
    // taken from here (the normal-accuracy tables); empty: the failure ends
    // the computation.
    Positionsfunktion ersatz;
};

// The row of body b in the store: its body number in the long-term
// simulation, else its rank among the selected bodies erster .. b (the Sun,
// 0, never has an orbit). 0 when b is not selected.
int Bahnzeile(int b, int erster, const std::array<bool, 22>& auswahl, bool langzeit);

// The time (day number) of orbit point h of body b.
double Bahnpunktzeit(const Bahnrechnung& r, int erster, int b, int h);

// Computes and projects the orbit points of every selected body erster ..
// letzter. Leaves the store as it is when the current day is closer than the
// margin (115000 days, 210000 when letzter > 19) to the validity limit. A
// position that cannot be computed aborts with its status; the rows computed
// before stay.
astro::Status BahnBerechnen(Bahnpunkte& store, Ansicht& ansicht, int erster, int letzter, const Bahnrechnung& r);

struct Bahnzeichnung {
    std::array<bool, 22> auswahl{};
    bool farbig = false;        // Overview "Bahnen farbig" (not in the Mysterium)
    bool zentrumBewegt = false; // the centre has been dragged during this run
    bool langzeit = false;
};

// Draws the stored orbits: vorne false the segments behind the centre plane
// (re-projecting first when the view changed), true those in front. The
// depth of a segment's end point alone decides its pass; depth 0 is front.
void BahnZeichnen(Zeichenflaeche& z, Bahnpunkte& store, Ansicht& ansicht, const Einstellungssatz& s, int erster,
                  int letzter, bool vorne, const Bahnzeichnung& d);

} // namespace figures
