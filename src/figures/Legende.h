#pragma once
// Text and measuring aids drawn on top of a figure: the scale bar, the
// latitude scale of the loops figure, and the legend in the lower corner.
// All texts come from the language catalogue in the current language.

#include "figures/Ansicht.h"
#include "figures/Einstellungssatz.h"
#include "figures/Zeichenflaeche.h"

#include <optional>
#include <string>
#include <vector>

namespace figures {

// Representation codes of the legend.
enum Legendenart : int {
    LegendeUeberblick = 1,
    LegendeZweiPlaneten = 2,
    LegendeDreiPlaneten = 3,
    LegendeBaryzentrum = 4,
    LegendeMond = 5,
    LegendeRotationen = 6,
    LegendeLangzeit = 7,
};

// Point size of the labels: 8, or larger with "Beschriftung größer".
int Beschriftungsgroesse(const Einstellungssatz& s);

// Fixed-point text with `dezimalen` decimals, right-aligned in `breite`
// characters, always "." as separator.
std::string ZahlFest(double wert, int breite, int dezimalen);

// The label of a scale-bar tick: width 6 with 0 decimals above 20, 1 above 2,
// 2 above 0.1, 3 above 0.01, 4 above 0.001, 5 (width 7) above 0.0001, 6
// (width 8) above 0.00001, else 7 (width 9).
std::string Massstabsbeschriftung(double v);

struct Massstabsart {
    bool mond = false;             // Moon representation: values in 10^3 km
    bool astronomischeEinheiten = false;  // "Entfernung (km*10^6/AE)" set to AU
    bool ohneEntfernungen = false; // Overview "Darstellung ohne Entfernungen"
};

// A box of pixels, right and bottom inclusive; empty when rechts < links.
struct Rechteck {
    int links = 0, oben = 0, rechts = -1, unten = -1;
    bool leer() const { return rechts < links || unten < oben; }
    bool schneidet(const Rechteck& r) const
    {
        return !leer() && !r.leer() && links <= r.rechts && r.links <= rechts && oben <= r.unten && r.oben <= unten;
    }
    // The smallest box holding both.
    Rechteck vereint(const Rechteck& r) const;
};

// The scale bar for `wert` along the bottom, centred on MitteX: a
// dash-dot-dot line over the figure's extent, ticks at 0 and +-wert with
// labels +-wert / Zoom (so zooming changes the labels, not the length),
// minor ticks half-way and, when the extent allows, at +-1.5 wert.
// Returns the box of everything it drew (line, ticks and labels).
Rechteck MassstabZeichnen(Zeichenflaeche& z, const Ansicht& a, const Einstellungssatz& s, double wert,
                          const Massstabsart& art = {});

// The latitude scale of the loops figure; f is the latitude divisor.
// Returns the box of everything it drew.
Rechteck MassstabDerBreite(Zeichenflaeche& z, const Ansicht& a, const Einstellungssatz& s, double f);

// One line of the legend. The base lines (counts, period, steps, time,
// equinox, bodies, header) come from Legendendaten; a representation adds its
// element lines (link lines, stars, traces, ...) as Legendenzeile with a
// sample in the colours it draws them.
struct Legendenzeile {
    enum class Muster {
        Keins,
        Scheibe,      // a disc: rand / fuellung, radius
        Linie,        // a short line in `rand`, width `breite`
        Stern,        // a small closed star polygon in `rand`
        Punkte,       // two small discs joined by a line (positions/lines)
    };
    std::string text;
    std::string wert;            // value column, may be empty
    Muster muster = Muster::Keins;
    Farbe rand = 0, fuellung = 0;
    int radius = 3;
    int breite = 1;
};

struct Legendenkoerper {
    int koerper = 0;          // body number, 22 the Moon
    bool zentrum = false;     // the body at the centre: " im Zentrum"
    bool scheibe = true;      // the figure draws the body's disc: the line shows it
    bool kreuz = true;        // (the centre) the figure marks the centre with the cross
};

struct Legendendaten {
    int darstellung = LegendeUeberblick;
    std::optional<int> nurLetzte;          // figure rotation with the output limited to n
    enum class Ereignis { Konjunktionen, Oppositionen, Konstellationen };
    std::optional<Ereignis> ereignisart;   // representations with events
    int ereignisAnzahl = 0;                // KonjIndex (or OppoIndex)
    std::optional<double> periode;         // synodic period or chosen period, days
    bool gewaehltePeriode = false;         // Moon and barycentre: "gewählte Periode:"
    std::optional<double> schrittweite;    // days; shown with `schritt`
    int schritt = 0;
    std::optional<double> vergangeneTage;  // elapsed simulated time, days
    bool mitPraezession = false;
    std::vector<Legendenkoerper> koerper;  // bodies of the figure, in order
    bool sonneImZentrum = false;           // "Sonne im Zentrum"
    bool sonneScheibe = true;              // ... with the Sun's disc (the figure draws it at the centre)
    bool sonneKreuz = true;                // ... with the centre cross (the figure draws it)
    bool mondImUeberblick = false;         // Overview with the Moon option
    bool erdeMond = false;                 // rotations: the rotating body is the Earth-Moon pair
    bool ohnePlaneten = false;             // planets no longer drawn: bodies listed without discs
    std::vector<Legendenzeile> elemente;   // the representation's own lines, bottom first
    // Long-term simulation: step in years (shown as its own first line).
    double langzeitSchrittJahre = 2500;
};

// Left margin of the legend: LegendenAbstand pixels from the right edge,
// further left when its lines need more room (see LegendeZeichnen).
int LegendenRand(const Ansicht& a, const Einstellungssatz& s);

// Room kept free right of the legend's values and below its last line.
inline constexpr int LegendenRandRechts = 5;
inline constexpr int LegendenRandUnten = 5;

// The largest disc radius of a body line (its name starts 12 pixels right of
// the disc's centre).
inline constexpr int LegendenScheibeHoechstens = 9;

// The name a body line shows ("Erde/Mond", "Mond", the body's name, with
// " im Zentrum" for the centre).
std::string Legendenname(int darstellung, int koerper, bool zentrum, const Legendendaten& d);

// Draws one body line's disc at (x, y) and the body's name beside it; the
// disc is at most LegendenScheibeHoechstens. Without `mitScheibe` (or with
// d.ohnePlaneten) only the cross, when asked for, and the name.
void LegendePlanetZeichnen(Zeichenflaeche& z, const Einstellungssatz& s, int x, int y, bool mitKreuz,
                           int darstellung, int koerper, int radius, const Legendendaten& d, bool mitScheibe = true,
                           bool zentrum = false);

// Draws the legend, lines stacked from the bottom upwards in the lower right
// corner. Each value is right-aligned by its measured width at
// LegendenRandRechts from the right edge; the legend moves left of
// LegendenRand when a line needs the room. With `frei` (the scale bar's box)
// the legend is lifted above it where the two would overlap.
void LegendeZeichnen(Zeichenflaeche& z, const Ansicht& a, const Einstellungssatz& s, const Legendendaten& d,
                     const Rechteck* frei = nullptr);

} // namespace figures
