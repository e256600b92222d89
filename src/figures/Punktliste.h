#pragma once
// Discs, the centre cross, the depth-sorted list of discs of one frame and
// the mid-points / centres of gravity of link lines.

#include "figures/Ansicht.h"
#include "figures/Bahnen.h"
#include "figures/Einstellungssatz.h"
#include "figures/Zeichenflaeche.h"

#include <algorithm>
#include <array>
#include <vector>

namespace figures {

// A disc of radius r around (x, y): the ellipse (x - r, y - r, x + r, y + r)
// with outline colour `rand` (width `randdicke`) and fill `fuellung`.
void PlanetZeichnen(Zeichenflaeche& z, int x, int y, int radius, Farbe rand, Farbe fuellung, int randdicke);
inline void PlanetZeichnen(Zeichenflaeche& z, const Einstellungssatz& s, int x, int y, int radius, Farbe rand,
                           Farbe fuellung)
{
    PlanetZeichnen(z, x, y, radius, rand, fuellung, s.IntRanddicke);
}

// The centre cross, 15 x 15 pixels, always 1 pixel thick: zodiac colour in
// the barycentre representation with "Sonnengroesse anzeigen", else the
// orbit colour.
void ZentrumMarkieren(Zeichenflaeche& z, const Einstellungssatz& s, int x, int y, bool baryMitSonne = false);

// The discs of one frame (at most ten), drawn in list order after sorting so
// that the nearest comes last.
struct Punktliste {
    static constexpr int Kapazitaet = 10;
    struct Eintrag {
        int koerper = 0;   // body number, 22 the Moon
        int x = 0, y = 0;  // pixel
        double schluessel = 0;  // sort key: depth, or distance from the centre
    };
    std::array<Eintrag, Kapazitaet> eintraege{};
    int anzahl = 0;

    void leeren() { anzahl = 0; }
    // False (and nothing added) when the list is full.
    bool hinzufuegen(int koerper, int x, int y, double schluessel);
    const Eintrag& operator[](int i) const { return eintraege[static_cast<size_t>(i)]; }
};

// Sorts the first `anzahl` entries: ascending by key (depth: farthest first)
// or, with `absteigend`, largest key first (distance from the centre in
// "Darstellung ohne Entfernungen" and the loops seen from the Earth).
// Entries with equal keys keep their order.
void ArraySortieren(Punktliste& liste, int anzahl, bool absteigend = false);

// Mid-points of link lines.
enum class Mittelpunktmodus { Punkte, Linienzug, LinieUndPunkte };

// M = (w1 A + w2 B) / (w1 + w2): w1 = w2 = 1 for the mid-point, the masses for
// the centre of gravity.
Raumpunkt Mittelpunkt(const Raumpunkt& a, const Raumpunkt& b, double w1 = 1.0, double w2 = 1.0);

// The stored mid-points of a run (per step or per event) and the pixel array
// they are projected into, both sized once at run start.
struct Mittelpunkte {
    std::vector<Raumpunkt> punkte;
    std::vector<Punkt> pixel;
    std::vector<Punkt> linie;  // the polyline of the shown points (reuses its capacity)
    void anlegen(int anzahl)
    {
        punkte.assign(static_cast<size_t>(std::max(anzahl, 1)), Raumpunkt{});
        pixel.assign(punkte.size(), Punkt{});
        linie.reserve(punkte.size());
    }
};

// A chain of places in time order (the stars of conjunctions, the
// positions of a planet at its events): the lines from place i - 1 to i,
// then a disc at every place, for the places von .. bis - 1 of `pixel` (the
// line into place von starts at von - 1), so that a growing chain can add its
// new places alone. With `ebene` > 0 the lines go into that layer of the
// surface's cache and the discs into the next. `puffer` is reused.
struct Kettenstil {
    Farbe linie = 0, rand = 0, fuellung = 0;
    int liniendicke = 1, randdicke = 1, radius = 3;
    bool linien = true, scheiben = true;
};
void KetteZeichnen(Zeichenflaeche& z, const std::vector<Punkt>& pixel, int von, int bis, const Kettenstil& k,
                   int ebene, std::vector<Punkt>& puffer);

// Draws the mid-points of the first `anzahl` events (at least 1).
void MittelpunkteZeichnen(Zeichenflaeche& z, Ansicht& ansicht, const Einstellungssatz& s, Mittelpunkte& m,
                          int anzahl, Mittelpunktmodus modus);
// Draws the mid-points of steps 0 .. n of the two-planet figure.
void MittelSchwerpunkteZeichnen(Zeichenflaeche& z, Ansicht& ansicht, const Einstellungssatz& s, Mittelpunkte& m,
                                int n, Mittelpunktmodus modus);

} // namespace figures
