#pragma once
// Reduced VSOP87 series of Mercury to Neptune (bodies 1..8) for the high
// accuracy ("hohe Genauigkeit").
//
// Method: VSOP87D, heliocentric spherical variables referred to the mean
// ecliptic and equinox of date (Bretagnon & Francou 1988, A&A 202, 309),
// cut to the terms of largest amplitude per series. The eight files
// Data/Me.txt ... Data/Ne.txt are generated from the full series by
// tools/vsopreduktion; Data/README.md lists the measured difference from the
// full theory (largest over 1800-2200 in longitude and latitude: Mercury
// 3.0", Mars 2.4", the others 2.1" or less; the full theory itself is good to
// about 1" there).
//
// File format: plain text, numbers separated by blanks, tabs or line ends,
// "." as decimal point whatever the locale. The first 3*N numbers are the N
// terms A, B, C in the order L0..L5, R0..R5, B0..B5 with the row counts of
// VsopReihengrenzen; anything after them is ignored. A is in 1e-8 rad (L, B)
// or 1e-8 AU (R), B in rad, C in rad per Julian millennium.

#include "astro/Ergebnis.h"
#include "astro/Koordinaten.h"
#include "astro/VsopVoll.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace astro {

inline constexpr int VsopPlanetAnzahl = 8;
inline constexpr int VsopSummeTerme = 158 + 95 + 200 + 304 + 498 + 632 + 396 + 166;

// Per planet: file name, term count N and the row bounds of its 18 series
// (rows counted from 1). Block order in the file: L, R, B.
struct VsopPlanetGrenzen {
    const char* datei;                          // inside the Data folder
    int anzahl;                                 // N
    std::array<int, 3> ersteZeile;              // first row of the L, R, B block
    std::array<std::array<int, 6>, 3> letzte;   // last row of series 0..5 of each block
};

inline constexpr std::array<VsopPlanetGrenzen, VsopPlanetAnzahl> VsopReihengrenzen{{
    {"Me.txt", 158, {1, 80, 115}, {{{38, 54, 64, 72, 78, 79}, {92, 100, 107, 112, 113, 114}, {128, 139, 148, 155, 157, 158}}}},
    {"Ve.txt", 95, {1, 52, 73}, {{{24, 36, 44, 47, 50, 51}, {63, 66, 69, 70, 71, 72}, {81, 85, 89, 93, 94, 95}}}},
    {"Er.txt", 200, {1, 130, 190}, {{{64, 98, 118, 125, 128, 129}, {169, 179, 185, 187, 188, 189}, {194, 196, 197, 198, 199, 200}}}},
    {"Ma.txt", 304, {1, 171, 265}, {{{69, 115, 148, 160, 168, 170}, {215, 242, 253, 259, 263, 264}, {280, 289, 296, 300, 303, 304}}}},
    {"Ju.txt", 498, {1, 246, 421}, {{{64, 125, 182, 221, 240, 245}, {291, 334, 370, 398, 413, 420}, {446, 468, 482, 491, 497, 498}}}},
    {"Sa.txt", 632, {1, 320, 503}, {{{90, 169, 232, 280, 307, 319}, {363, 401, 433, 461, 484, 502}, {536, 568, 597, 618, 630, 632}}}},
    {"Ur.txt", 396, {1, 207, 332}, {{{91, 148, 183, 201, 205, 206}, {265, 300, 318, 328, 330, 331}, {359, 379, 390, 394, 395, 396}}}},
    {"Ne.txt", 166, {1, 70, 125}, {{{38, 56, 63, 67, 68, 69}, {101, 116, 121, 122, 123, 124}, {141, 154, 160, 164, 165, 166}}}},
}};

// Block index in the files (L, R, B) of a VSOP variable.
inline constexpr std::array<int, 3> VsopBlockVonVariable{0, 2, 1}; // L->0, B->2, R->1

// Rows [von, bis) (counted from 0) of series `potenz` of `variable` of planet p (0..7).
struct VsopZeilen {
    int von;
    int bis;
};
constexpr VsopZeilen VsopReihenZeilen(int p, VsopVariable variable, int potenz)
{
    const auto& g = VsopReihengrenzen[p];
    const int block = VsopBlockVonVariable[variable];
    const int von = potenz == 0 ? g.ersteZeile[block] - 1 : g.letzte[block][potenz - 1];
    return {von, g.letzte[block][potenz]};
}

// The constant tables, filled once at program start. All planets or none:
// a failed load leaves a table untouched.
struct VsopDaten {
    std::array<VsopTerm, VsopSummeTerme> terme{}; // planets one after the other
    bool geladen = false;
};

// First term of planet p (0..7) inside VsopDaten::terme.
int VsopPlanetAnfang(int p);

// The series reader: takes the first ziel.size() numbers of `text` (blanks,
// tabs and line ends separate them; a leading UTF-8 byte-order mark is
// skipped). A token that is not a plain decimal number (optional sign,
// digits, ".", optional exponent; no inf/nan, no hex, nothing out of range)
// or fewer numbers than wanted gives DateiBeschaedigt; `ziel` may then hold
// a prefix of the numbers. Never reads outside `text`.
Status VsopZahlenLesen(std::string_view text, std::span<double> ziel);

// Loads the eight files from `datenOrdner` into `daten`. First checks that
// all eight exist (DateiFehlt otherwise), then reads them in order
// (DateiBeschaedigt for a bad token or too few numbers). The message key of
// a failure is "lauf.datenfehler", the detail names the file. On failure
// `daten` is unchanged.
Status VsopLaden(const std::string& datenOrdner, VsopDaten& daten);

// Planet `koerper` (1..8) at `tageszahl` (TD days from 2000-01-01 0h):
// tau = (tageszahl - 0.5) / 365250, each series S_k summed term by term,
// V = sum S_k tau^k / 1e8. Result: L in degrees reduced with Winkel360, B in
// degrees, R in 10^6 km, ecliptic and equinox of date (no precession).
Kugelkoordinaten VsopKugelDatum(const VsopDaten& daten, int koerper, double tageszahl);

} // namespace astro
