#pragma once
// Mean orbital elements of Mercury to Pluto and the normal-accuracy position
// of Mercury to Mars computed from them.
//
// Source: the mean elements of the VSOP87 theory referred to the ecliptic and
// equinox J2000.0 (Meeus, Astronomical Algorithms, table 31.B), each a cubic
// polynomial in T = Julian centuries from J2000.0. Angles in degrees, a in AU.

#include "astro/Koerper.h"
#include "astro/Koordinaten.h"
#include "astro/Zeit.h"

#include <array>

namespace astro {

struct ElementPolynom {
    std::array<double, 4> c{}; // c0 + c1 T + c2 T² + c3 T³
    constexpr double operator()(double T) const { return c[0] + T * (c[1] + T * (c[2] + T * c[3])); }
};

struct ElementPolynome {
    ElementPolynom a;     // semi-major axis, AU
    ElementPolynom e;     // eccentricity
    ElementPolynom L;     // mean longitude, degrees
    ElementPolynom Omega; // longitude of the ascending node, degrees
    ElementPolynom Pi;    // longitude of perihelion (ϖ), degrees
    ElementPolynom i;     // inclination, degrees
};

// The element polynomials of bodies 1..9 (index = KoerperNr, slot 0 unused).
// Bodies 1..4 are complete. Of 5..8 the long-term theory uses a and the
// constant and linear terms of L; their e, Ω, ϖ, i carry constant and linear
// terms only (no position route evaluates them). Body 9 holds fixed values
// a 39.543, e 0.249, Ω 110.307, ϖ 224.075, i 17.0, L 237.71464 + 144.96 T.
const std::array<ElementPolynome, 10>& MittlereElementeTabelle();

struct Bahnelemente {
    double a = 0;     // AU
    double e = 0;
    double L = 0;     // mean longitude, degrees, not reduced
    double Omega = 0; // degrees
    double Pi = 0;    // longitude of perihelion, degrees
    double i = 0;     // degrees
};

// The elements of body 1..9 at T Julian centuries from J2000.0 (ecliptic and
// equinox J2000). Other numbers give all zeros. Where the eccentricity
// polynomial goes below zero the elements are those of the same orbit with
// e >= 0 (perihelion turned by 180°).
Bahnelemente MittlereElemente(KoerperNr n, double T);

// Heliocentric ecliptic position of a body from elliptic elements (10^6 km,
// frame of the elements): M = L - ϖ, v by KeplerGleichung,
// r = a·AE·(1-e²)/(1+e cos v), argument of latitude w = v + ϖ - Ω.
PositionXYZ PositionAusElementen(const Bahnelemente& el);

// Normal-accuracy position of Mercury to Mars (n = 1..4) from the mean
// elements, equinox J2000, or of the date when mitPraezession is set
// (10^6 km, TD). Accuracy about 1' in longitude over the historical era
// (no periodic perturbations); meaningful roughly ±25000 years.
// Body numbers other than 1..4 are not handled here (see Positionsrechner).
PositionXYZ PositionMittlereElemente(KoerperNr n, Tageszahl tag, bool mitPraezession);

} // namespace astro
