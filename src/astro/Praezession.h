#pragma once
// Precession of ecliptic coordinates between the equinox J2000 and the equinox
// of the date.
//
// Rigorous transformation between two ecliptics/equinoxes with the angles
// η (inclination of the moving ecliptic), Π (longitude of its node) and
// p (general precession in longitude) as polynomials in Julian millennia of the
// starting epoch and of the interval (the precession of the VSOP87 theory,
// Bretagnon & Francou 1988; the formulae of Meeus, Astronomical Algorithms,
// ch. 21, with millennia). The series are truncated: going to the date and
// back returns the start to 1e-8° within ±400 years, 1e-5° at ±2000 years and
// about 0.003° (10") at ±5000..7000 years; beyond ±10000 years the angles
// lose meaning quickly (tens of degrees at ±25000 years), although the
// long-span element tables still apply the J2000-to-date direction there.

#include "astro/Zeit.h"

namespace astro {

enum class Praezessionsrichtung {
    ZumDatum, // from the equinox J2000 to the equinox of the date (mean and osculating elements)
    NachJ2000 // from the equinox of the date back to J2000 (series, Moon)
};

struct LaengeBreite {
    double L = 0.0; // degrees; the result lies in [0, 360) except for the +p wrap, see below
    double B = 0.0; // degrees
};

// Longitude and latitude (degrees) precessed between J2000 and the date
// `tag` (TD). The result longitude is p + Π - atan2(A, B) in degrees, plus 360
// when negative (no further reduction; it may exceed 360 slightly), latitude
// arcsin C. NachJ2000 inverts ZumDatum to the accuracy stated above.
LaengeBreite PraezessionEkliptikal(LaengeBreite ein, Praezessionsrichtung richtung, Tageszahl tag);

} // namespace astro
