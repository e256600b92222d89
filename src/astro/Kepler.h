#pragma once
// Kepler's equation for elliptic orbits.

namespace astro {

// True anomaly v in degrees, (-180, 180], from the eccentricity e (0 <= e < 1)
// and the mean anomaly M in degrees (any magnitude, not reduced first).
//
// Method: fixed-point iteration E = M + e sin E from E = M until two successive
// values differ by at most 1e-9 rad; v = 2 atan(sqrt((1+e)/(1-e)) tan(E/2)).
// For high eccentricities, where that iteration contracts only slowly (e near 1
// near perihelion), it hands over after 64 steps to a bracketed Newton solution
// of the same equation, so every e < 1 converges in bounded time. e = 0 gives
// M reduced to (-180, 180]. An eccentricity outside [0, 1) or a non-finite
// argument has no elliptic solution: the result is NaN (checked by the element
// readers before, so it never reaches a position).
double KeplerGleichung(double e, double mittlereAnomalieGrad);

} // namespace astro
