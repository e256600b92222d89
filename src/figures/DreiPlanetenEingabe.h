#pragma once
// What the three-planet dialog holds: the input record of a run of
// "3 Planeten". The first three checked bodies in number order are planets
// 1, 2 and 3; with fewer the run takes Venus, Earth and Mars.

#include <array>

namespace figures {

struct DreiPlanetenEingabe {
    double starttag = 0;                 // day number (TD)
    std::array<bool, 22> koerper{};      // checked bodies 1 .. 21 (entry 0 unused)
    bool kleinplaneten = false;          // "Kleinplaneten" (Extras): bodies 10 .. 21 count
    int zentrum = 0;                     // 0 the Sun, 1 .. 3 planet 1 .. 3
    int konjunktionspaar = 0;            // the driving pair: 0 "Planet 1 - 2", 1 "1 - 3", 2 "2 - 3"
    bool opposition = false;             // the pair's oppositions instead of its conjunctions
    int raumgeradenpaar = 0;             // heliocentric link lines: 0 "1 - 2", 1 "1 - 3", 2 "2 - 3"
    bool keineRaumgeraden = false;       // "nicht zeichnen"
    bool raumgeradenPlanetozentrisch = false; // "Raumgeraden  " of the two non-centre planets
    int mittelpunkte = 2;                // "Mittelpunkte der RG" 0, "Schwerpunkte der RG" 1, "weder ... noch" 2
    bool positionenAussen = false;       // positions of the outer conjunction planet
    bool linienAussen = false;           // its chronological connecting lines
    bool positionenNicht = false;        // positions of the non-conjunction planet
    bool linienNicht = false;            // its chronological connecting lines
    int jedeKte = 1;                     // the non-conjunction planet only at every k-th event, 1 .. 25
    bool dreieck = false;                // "Führungsdreieck"
    bool bahnen = true;                  // "Bahnen einfügen" (the Sun at the centre only)

    DreiPlanetenEingabe() { koerper[2] = koerper[3] = koerper[4] = true; }
};

} // namespace figures
