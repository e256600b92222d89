#pragma once
// "Metamorphose": a dodecahedron grows into the Dodekaederstern, the
// icosahedron and the Ikosaederstern and back, in twelve phases of 30 frames
// that repeat until the run is ended.

#include "mysterium/Koerperzeichnen.h"

namespace mysterium {

// Milliseconds one frame waits at tempo 1 .. 10: 200, 120, 70, 40, 20, 10,
// 6, 4, 2, 0.
int MetamorphoseWartezeit(int tempo);

// The phase 1 .. 12 of frame counter c (30 frames a phase; 13 is the end of
// the cycle).
inline int MetamorphosePhase(int c) { return 1 + c / 30; }

class Metamorphose {
public:
    // Run start: the tables, the icosahedron's vertices as the star points
    // of the Dodekaederstern, Massstab 12, the fill switch of the panel.
    void beginnen(figures::Ansicht& a, bool nurLinien);

    // One frame with the frame counter c, already counted up for this frame;
    // the end of a cycle sets it back to 0. Draws the frame.
    void bild(int& c, figures::Zeichenflaeche& z, figures::Ansicht& a, const figures::Einstellungssatz& s,
              bool zwoelfFarben);

    int phase() const { return phase_; }
    bool umskalieren() const { return umskalieren_; }
    bool nurLinien() const { return nurLinien_; }
    Polyeder& polyeder() { return p_; }

    // The nearest star points whose edges phase 2 highlights (icosahedron
    // vertex indices, -1 for none), decided by the last frame.
    std::array<int, 2> hervorgehoben() const { return hervorgehoben_; }

private:
    void phaseRechnen(int& c, figures::Ansicht& a);
    // DodesternlinienZeichnen and IkosternlinienZeichnen: the edges at one
    // star point, width 3.
    void sternlinien(figures::Zeichenflaeche& z, bool dodeStern, int ecke, figures::Farbe f);
    bool pentagonEnthaelt(int ecke, int punkt) const;

    Polyeder p_;
    int phase_ = 1;
    int letzterZaehler_ = 0; // the counter of the last frame drawn
    bool umskalieren_ = false;
    bool nurLinien_ = false;
    std::array<int, 2> hervorgehoben_{-1, -1};
};

} // namespace mysterium
