#pragma once
// What the two-planet dialog holds: the input record of a run of "2 Planeten".
// The dialog keeps its controls consistent; the run corrects what the hints
// promise (planet order, the same planet twice) when it starts.

namespace figures {

struct ZweiPlanetenEingabe {
    double starttag = 0;        // day number (TD)
    double schrittweite = 4;    // days
    int zentrum = 0;            // 0 the Sun, 1 .. 9 a planet
    int planet1 = 2;            // body number (1 Mercury .. 20), the inner one after correction
    int planet2 = 3;            // body number (2 Venus .. 21), the outer one after correction
    bool planet1Zeichnen = true;  // "Planet 1 zeichnen"
    bool planet2Zeichnen = true;  // "Planet 2 zeichnen" ("Sonne zeichnen" with a planet of the pair at the centre)
    bool fuehrungslinie = true;   // "Führungslinie zeichnen"
    bool bahn1 = false;           // "Bahn Planet 1 zeichnen"
    bool bahn2 = false;           // "Bahn Planet 2 zeichnen"
    bool sonnenbahn = false;      // "Sonnenbahn zeichnen (planetozentrisch)"
    bool raumgeraden = false;     // "Raumgeraden (RG)"
    // "Mittelpunkte der RG" 0, "Schwerpunkte der RG" 1, "weder ... noch" 2.
    int mittelpunkte = 2;
    bool konjunktionsstern = false;
    bool oppositionsstern = false;
    int sternBahn = 1;            // "in Bahn 1" 0, "in Bahn 2" 1
    bool schleifen = false;       // "von der Erde aus sichtbare Schleifen"
    bool planetozentrisch = true; // the centre is not one of the two planets
    bool grobeBahn = false;       // the step is too wide for a rounded orbit polyline
};

} // namespace figures
