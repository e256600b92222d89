#pragma once
// Spurcache: one trace (a polyline through the positions of all steps so
// far) with its projected screen points. The points are stored as the steps
// come; each frame projects only the points added since the last frame. All
// points are projected again when the caller says the view changed
// (NeuZeichnen, a centre drag, "Ergebnis sofort"), when the view itself
// flags it (Ansicht::NeuZeichnen), or when a view parameter differs from the
// one the pixels were projected with; the frame clears its NeuZeichnen
// after drawing, as usual. Both arrays are sized once, so a frame allocates
// nothing.

#include "figures/Ansicht.h"
#include "figures/Bahnen.h"
#include "figures/Zeichenflaeche.h"

#include <vector>

namespace figures {

class Spurcache {
public:
    // Room for `kapazitaet` points; the trace starts empty.
    void anlegen(int kapazitaet);
    void freigeben();
    // The trace starts again (the room is kept).
    void leeren();

    // The position of the next step. False (and nothing stored) when full.
    bool anhaengen(const Raumpunkt& p);
    // The position of step `index`: the trace keeps its points before it
    // and ends with it (a step drawn again, a trace started again at 0; a
    // gap is filled with p). False (and nothing stored) beyond the room.
    bool setzen(int index, const Raumpunkt& p);
    int anzahl() const { return static_cast<int>(punkte_.size()); }
    int kapazitaet() const { return static_cast<int>(punkte_.capacity()); }
    const std::vector<Raumpunkt>& punkte() const { return punkte_; }

    // The pixels of all points, brought up to date for this view. Throws
    // Bereichsfehler like the projection; the next call then projects all.
    const std::vector<Punkt>& projizieren(Ansicht& a, bool alleNeu);

    // Points projected since anlegen (tests and benchmarks count them).
    long long projektionen() const { return projektionen_; }

private:
    struct Blick {
        double zoom = 0, massstab = 0, hoehenfaktor = 0, wx = 0, wy = 0, wz = 0;
        int mx = 0, my = 0;
        bool operator==(const Blick&) const = default;
    };
    static Blick blickVon(const Ansicht& a);

    std::vector<Raumpunkt> punkte_;
    std::vector<Punkt> pixel_;
    int projiziert_ = 0;  // points whose pixels are valid for blick_
    Blick blick_;
    long long projektionen_ = 0;
};

} // namespace figures
