#pragma once
// The complete VSOP87 series of one planet, as published in the VSOP87D
// files (heliocentric spherical variables, mean ecliptic and equinox of
// date; Bretagnon & Francou 1988, A&A 202, 309).
//
// Used by the generator of the reduced series (tools/vsopreduktion) and by
// checks that compare other theories with the full solution. The program
// itself evaluates only the reduced series (ReiheVSOP.h).
//
// File format: one header line per series ("... VARIABLE v (LBR) *T**k
// n TERMS ..."), followed by n fixed-column records
// (1x,4i1,i5,12i3,f15.11,2f18.11,f14.11,f20.11): version/planet/variable/
// power, rank, twelve multipliers, S, K, A, B, C. Only A, B and C are used:
// a term contributes A cos(B + C tau), tau in Julian millennia (TDB) from
// J2000.0. Variable 1 is L, 2 is B, 3 is R (rad, rad, AU).

#include "astro/Ergebnis.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace astro {

// One term A cos(B + C tau). Units depend on the table that holds it.
struct VsopTerm {
    double A = 0; // amplitude
    double B = 0; // phase, rad
    double C = 0; // frequency, rad per Julian millennium
};

// Index of the three variables as the full files number them (1, 2, 3 minus one).
enum VsopVariable { VsopL = 0, VsopB = 1, VsopR = 2 };

struct VsopVollPlanet {
    // reihen[variable][power]: A in rad (L, B) or AU (R), in file order.
    // A power the theory does not have stays empty.
    std::array<std::array<std::vector<VsopTerm>, 6>, 3> reihen;
};

// Parses the text of a VSOP87D file. Fails with DateiBeschaedigt (detail:
// line number and reason) on a malformed header or record, a record count
// that does not match its header, a variable outside 1..3 or a power
// outside 0..5.
Ergebnis<VsopVollPlanet> VsopVollLesen(std::string_view text);
Ergebnis<VsopVollPlanet> VsopVollDateiLesen(const std::string& pfad);

// L, B (rad, L not reduced) and R (AU) of date at tau (Julian millennia from
// J2000.0, TDB), summing every term.
std::array<double, 3> VsopVollAuswerten(const VsopVollPlanet& planet, double tau);

} // namespace astro
