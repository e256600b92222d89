#pragma once
// Validity limits of the time axis per computation method.
//
// Two tables: the ranges a start time may be typed in, and the symmetric limit
// L (days) that bounds a run's time. Both follow the spans of the data: the
// long-span osculating tables cover about ±50000 years for Jupiter to Pluto,
// the high-accuracy minor-planet tables about ±1000 years, Chiron's long table
// -603 .. +4602, the series about ±7000 years.

#include "astro/Zeit.h"

#include <span>
#include <string_view>

namespace astro {

// The run limits L (days from the epoch, both ways).
inline constexpr double GrenzeHoheGenauigkeit = 2600000.0;  // high accuracy, the Moon: about +-7000 years
inline constexpr double GrenzeKleinplanetHoch = 374381.0;   // high accuracy with a minor planet: about +-1000 years
inline constexpr double GrenzeNormal = 9999999.0;           // normal accuracy: about +-25000 years
inline constexpr double GrenzeAeussereNormal = 18262487.0;  // normal accuracy, only Jupiter to Pluto: +-50000 years
inline constexpr double GrenzeChironNormal = 950400.0;      // normal accuracy with Chiron: about +-2500 years
// A start beyond +L is put this far (500 years) inside the limit.
inline constexpr double AbstandVorGrenze = 182625.0;

// Range of a start field.
struct Startbereich {
    double minimum;
    double maximum;
    std::string_view meldungsSchluessel; // message when the entry is outside
    std::string_view hinweisSchluessel;  // hint of the start field
};

enum class Startbereichsfall {
    Eng,     // -2600000 .. +2000000: high accuracy, or the Moon is involved
    Aeussere, // -18262487 .. +15000000: normal accuracy, only Jupiter to Pluto (and the Sun)
    Standard, // -9999999 .. +7000000: every other case
};
const Startbereich& StartbereichFuer(Startbereichsfall fall);
Startbereichsfall StartbereichsfallFuer(bool hoheGenauigkeit, bool mitMond, bool nurJupiterBisPluto);

// Limit of a running representation.
struct Gueltigkeitsgrenze {
    double tage;                          // L: the run stays within [-L, L]
    std::string_view meldungsSchluessel;  // information box when a step passes L
};

enum class Grenzfall {
    HoheGenauigkeit,        // 2600000: high accuracy, or the Moon representation
    KleinplanetHoch,        // 374381: high accuracy and a minor planet (10..21)
    Normal,                 // 9999999: normal accuracy (default)
    AeussereNormal,         // 18262487: normal accuracy, two planets among Jupiter..Pluto
    ChironNormal,           // 950400: normal accuracy and Chiron is used
};
const Gueltigkeitsgrenze& GueltigkeitsgrenzeFuer(Grenzfall fall);

// The case of a run from what it uses: high accuracy with a minor planet is
// the narrowest; then high accuracy or the Moon representation; at normal
// accuracy Chiron, then "only Jupiter to Pluto" (the two-planet case with the
// centre the Sun or among them), else the default.
Grenzfall GrenzfallFuer(bool hoheGenauigkeit, bool mondDarstellung, bool mitKleinplanet, bool mitChiron,
                        bool nurJupiterBisPluto);

// The case of a run from the bodies it computes (a planet at the centre
// counted among them; the Sun, 0, and the Moon's slot are ignored): a minor
// planet (10..21) at high accuracy, Chiron (14) at normal accuracy, and the
// wider limit when every body is Jupiter to Pluto at normal accuracy and the
// representation allows it (two and three planets; the overview keeps the
// default). The window's preparations arrive at the same case step by step
// (their limit, the bodies' element tables, the Moon).
Grenzfall GrenzfallDerKoerper(std::span<const int> koerper, bool hoheGenauigkeit, bool mondDarstellung,
                              bool aeussereErlaubt);

// The message key of the limit L (one of the five above); any other L,
// as a search without a run's limit has it, gets the default limit's text.
std::string_view GrenzmeldungFuer(double grenzeTage);

// Whether a day lies within [-L, L] (false for NaN).
inline bool InnerhalbGrenze(Tageszahl tag, double grenzeTage) { return tag >= -grenzeTage && tag <= grenzeTage; }

// Start time of a run bounded by L: below -L it becomes -L, above L it becomes
// L - 182625 (500 years inside the limit).
Tageszahl StartzeitBegrenzen(Tageszahl start, double grenzeTage);

} // namespace astro
