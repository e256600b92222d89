#pragma once
// The body numbering shared by the whole program, the names, the sidereal
// periods and the masses.
//
// KoerperNr 0..21: 0 Sun (the origin of every heliocentric position), 1..9
// Mercury to Pluto, 10..21 the minor planets. The Moon has no body number:
// per-body tables that need a Moon entry hold it in slot 0 (see
// SiderischePeriodeTage), and drawing lists use the code MondCode.

#include "sprache/Sprache.h"

#include <array>
#include <string>
#include <string_view>

namespace astro {

using KoerperNr = int;

namespace koerper {
inline constexpr KoerperNr Sonne = 0;
inline constexpr KoerperNr Merkur = 1;
inline constexpr KoerperNr Venus = 2;
inline constexpr KoerperNr Erde = 3;
inline constexpr KoerperNr Mars = 4;
inline constexpr KoerperNr Jupiter = 5;
inline constexpr KoerperNr Saturn = 6;
inline constexpr KoerperNr Uranus = 7;
inline constexpr KoerperNr Neptun = 8;
inline constexpr KoerperNr Pluto = 9;
inline constexpr KoerperNr Ceres = 10;
inline constexpr KoerperNr Pallas = 11;
inline constexpr KoerperNr Vesta = 12;
inline constexpr KoerperNr Juno = 13;
inline constexpr KoerperNr Chiron = 14;
inline constexpr KoerperNr Varuna = 15;
inline constexpr KoerperNr Quaoar = 16;
inline constexpr KoerperNr Orcus = 17;
inline constexpr KoerperNr EL61 = 18; // 2003 EL61
inline constexpr KoerperNr FY9 = 19;  // 2005 FY9
inline constexpr KoerperNr Eris = 20;
inline constexpr KoerperNr Sedna = 21;
} // namespace koerper

inline constexpr int AnzahlKoerper = 22;     // numbers 0..21
inline constexpr int MondCode = 22;          // the Moon in drawing lists
inline constexpr KoerperNr ErsterKleinplanet = 10;

constexpr bool IstKoerper(KoerperNr n) { return n >= 0 && n < AnzahlKoerper; }
constexpr bool IstKleinplanet(KoerperNr n) { return n >= ErsterKleinplanet && n < AnzahlKoerper; }

// Name in the given language / in the current language of the catalogue
// ("Sonne"/"Sun", "Merkur"/"Mercury", ..., "2003 EL61"). Keys "koerper.<n>",
// the Moon "koerper.mond". An invalid number yields "?".
const std::string& KoerperName(KoerperNr n, sprache::Sprache s);
const std::string& KoerperName(KoerperNr n);
const std::string& MondName(sprache::Sprache s);
const std::string& MondName();
// The two-letter short name, the same in both languages ("So", "Me", ... "Se").
std::string_view KoerperKurzname(KoerperNr n);
// Catalogue key of a body's name.
std::string KoerperNameSchluessel(KoerperNr n);

// Sidereal periods in days, slot 0 is the Moon (27.32166).
inline constexpr std::array<double, AnzahlKoerper> SiderischePeriodeTage = {
    27.32166,    87.9692561,  224.7008,    365.256363,  686.979852,  4332.58926,
    10759.2268,  30688.4775,  60182.291,   90544.186,   1681.234473, 1684.993648,
    1325.510229, 1592.945409, 18364.24998, 103037.843,  104399.1467, 90163.91554,
    103647.2979, 112312.7241, 204439.4275, 4150668.552,
};

// Masses in 10^24 kg, slot 0 is the Sun.
inline constexpr double Sonnenmasse = 1989000.0;
inline constexpr std::array<double, AnzahlKoerper> Massen = {
    Sonnenmasse, 0.33022,   4.869,     5.9742,   0.64191, 1898.8,  568.5,  86.625,
    102.78,      0.015,     0.000935,  0.000241, 0.000271, 0.0000282, 0.0000027,
    0.00059,     0.0018,    0.003,     0.0039,   0.006,   0.0166,  0.003,
};

// Finds a body by number ("5"), short name ("Ju") or name in either language
// ("Jupiter", "Neptune", "neptun"), ignoring case. -1 when nothing matches.
KoerperNr KoerperSuchen(std::string_view text);

} // namespace astro
