#pragma once
// Decorations behind every figure: the zodiac band `Tierkreis` and the
// tiled star background `DXHintergrund`.

#include "figures/Ansicht.h"
#include "figures/Einstellungssatz.h"
#include "figures/Zeichenflaeche.h"

#include <array>
#include <string>

namespace figures {

// Menu "Ansicht": equal 30-degree signs, the zodiac constellations, or none.
// Same values as the run configuration's choice.
enum class Tierkreisart { Zeichen = 0, Sternbilder = 1, Keiner = 2 };

// Boundaries of the zodiac constellations, ecliptic longitude in degrees,
// equinox J2000, Aries .. Pisces.
inline constexpr std::array<double, 12> Sternbildgrenzen = {28.7,  53.7,  90.1,  118.0, 138.1, 173.8,
                                                            217.9, 240.9, 266.2, 299.6, 327.5, 351.5};
// Longitudes (degrees) at which the constellations' symbols are written.
inline constexpr std::array<int, 12> Sternbildbeschriftung = {41, 72, 105, 128, 156, 196, 229, 254, 283, 314, 340, 10};

// Precession in longitude, degrees per day, by which the constellations move
// against the equinox of date.
constexpr double PraezessionGradProTag = 0.0000382469891246483;

// Font name the canvas maps to a font with the zodiac glyphs.
inline const std::string TierkreisSchrift = "Tierkreis";

// The zodiac sign q (0 Aries .. 11 Pisces) as UTF-8: U+2648 + q.
std::string Tierkreiszeichen(int q);

struct Tierkreislage {
    double tag = 0;              // current day number (t0 + n x step)
    bool mitPraezession = false; // positions for the equinox of date
    bool umgekehrt = false;      // barycentre: the Sun moving around the barycentre (turned 180 degrees)
};

// The zodiac band: a circle of radius Hoehe / 2 - 15 in the ecliptic plane
// (independent of zoom and scale), twelve ticks and twelve symbols; signs
// with `zeichen`, constellations otherwise.
void Tierkreis(Zeichenflaeche& z, Ansicht& ansicht, const Einstellungssatz& s, bool zeichen,
               const Tierkreislage& lage = {});

// Tiles star picture `bild` (0 .. 2) over the surface, black transparent.
// Nothing for an unknown picture.
void DXHintergrund(Zeichenflaeche& z, int bild);

// The background shown at once when a background or zodiac menu item changes
// while no run is active: clear to the background colour, the chosen star
// picture (IntBilditem, none for -1), the zodiac band when chosen, flip.
void HintergrundSofort(Zeichenflaeche& z, Ansicht& ansicht, const Einstellungssatz& s, Tierkreisart tierkreis,
                       const Tierkreislage& lage = {});

} // namespace figures
