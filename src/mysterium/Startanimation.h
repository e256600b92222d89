#pragma once
// The start animation: the Dodekaederstern spirals in over the star
// background while it grows and spins, holds in the middle with an
// accelerating and then decelerating spin, and spirals out again while it
// shrinks to nothing.

#include "mysterium/Koerperzeichnen.h"

#include <cstdint>
#include <functional>

namespace mysterium {

// The random parameters, drawn once when the main window is created.
struct Startparameter {
    double vorgabeGrad = 0;         // preset angle: 0, 18, 54, 81, 90 or -90 degrees
    int ankunftX = 1, ankunftY = 1; // signs of the spiral while arriving
    int abflugX = 1, abflugY = 1;   // ... and while leaving
    double theta0 = 2.4 * 3.14159265358979323846; // spiral angle at the start, radians
};

// Random(n): a whole number 0 .. n - 1.
using Zufall = std::function<int(int n)>;

// Draws the parameters: Random(6) for the preset, Random(2) for each sign
// (0 gives +1), theta0 = (Random(81) x 0.01 + 2.4) x pi.
Startparameter StartparameterZiehen(const Zufall& zufall);

// A reproducible random source (a 64-bit linear congruential generator).
Zufall ZufallAusSaat(std::uint64_t saat);

class Startanimation {
public:
    static constexpr int Bilder = 540;      // frames of the growing (and of the shrinking) phase
    static constexpr double Endmassstab = 8.1;
    static constexpr int Haltebilder = 360; // frames the star holds in the middle

    explicit Startanimation(Startparameter p = {}) : par_(p) { zuruecksetzen(); }
    void zuruecksetzen();
    const Startparameter& parameter() const { return par_; }

    // One frame: advances scale, spiral and spin; false when the animation
    // has ended (scale down to 0, or skipped), then nothing is drawn.
    // Otherwise sets the view's scale, centre and angles for the star.
    bool weiter(figures::Ansicht& a, bool ueberspringen);

    // The whole frame: black, star background 2, the star (after weiter()).
    void zeichnen(figures::Zeichenflaeche& z, figures::Ansicht& a, const figures::Einstellungssatz& s);

    bool waechst() const { return wachsen_; }
    bool schrumpft() const { return schrumpfen_; }
    bool haelt() const { return !wachsen_ && !schrumpfen_; }
    int haltezaehler() const { return halten_; }
    double massstab() const { return massstab_; }
    double theta() const { return theta_; }
    double alphaGrad() const { return alpha_; }
    Koerperbild& bild() { return bild_; }

private:
    Startparameter par_;
    Koerperbild bild_;
    double massstab_ = 0.01;
    double theta_ = 0;
    double alpha_ = 180;
    int halten_ = 0;
    bool wachsen_ = true;
    bool schrumpfen_ = false;
};

} // namespace mysterium
