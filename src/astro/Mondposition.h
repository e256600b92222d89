#pragma once
// Geocentric position of the Moon.
//
// Truncated ELP-2000/82 lunar theory as published by J. Meeus (Astronomical
// Algorithms, ch. 47, tables 47.A and 47.B: 60 periodic terms for longitude and
// distance, 60 for latitude, with the fundamental arguments of the first
// edition). Accuracy about 10" in longitude, 4" in latitude, a few km in
// distance near the present; the same at both accuracy levels. Time TD.

#include "astro/Koordinaten.h"
#include "astro/Zeit.h"

#include <array>

namespace astro {

// One periodic term: multipliers of D, M, M', F and the coefficient(s):
// longitude in 1e-6 degree (sine), distance in 1e-3 km (cosine), or latitude
// in 1e-6 degree (sine).
struct MondTermLR {
    int D, M, Ms, F;
    int sigmaL; // 1e-6 degree
    int sigmaR; // 1e-3 km
};
struct MondTermB {
    int D, M, Ms, F;
    int sigmaB; // 1e-6 degree
};

// The term tables in their published order.
const std::array<MondTermLR, 60>& MondTabelleLR();
const std::array<MondTermB, 60>& MondTabelleB();

// Geocentric ecliptic longitude and latitude (degrees) and distance (km,
// centre to centre), referred to the mean equinox of the date, without
// nutation: λ in [0, 360).
Kugelkoordinaten MondKugelDesDatums(Tageszahl tag);

// Geocentric ecliptic X, Y, Z of the Moon in km (not 10^6 km like the
// planets). Equinox of the date when mitPraezession, else J2000.
PositionXYZ MondKoordinaten(Tageszahl tag, bool mitPraezession);

} // namespace astro
