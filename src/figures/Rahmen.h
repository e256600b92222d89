#pragma once
// Pieces every representation's frame shares, in plain drawing code so that
// the window's runs and velmora-cli draw the same: the orbit refresh, the
// frame tail (Sun at the centre, centre mark, scale bar, zodiac, legend) and
// the start text.

#include "figures/Ansicht.h"
#include "figures/Einstellungssatz.h"
#include "figures/Hintergrund.h"
#include "figures/Legende.h"
#include "figures/Punktliste.h"
#include "figures/Zeichenflaeche.h"

namespace figures {

// Orbit refresh: due whenever Schritt x Schrittweite passes another
// BahnErneuerung (90500 days, 14610 with Chiron) since the start of the run.
// Never once the run is complete.
class Bahnerneuerung {
public:
    void zuruecksetzen() { erneuert_ = 0; }
    bool faellig(int schritt, double schrittweite, bool mitChiron, bool fertig);
    int anzahl() const { return erneuert_; }

private:
    int erneuert_ = 0;
};

// The switches of the frame tail.
struct Rahmenschalter {
    bool sonneImZentrum = false;   // "Ergebnis sofort" with "Sonne ins Zentrum" and the Sun as centre
    bool zentrumMarkieren = false; // "Zentrum markieren"
    bool massstab = false;         // "Maßstab einfügen"
    double breitenTeiler = 0;      // the loops: the latitude scale for this divisor in the bar's place (0: none)
    Tierkreisart tierkreis = Tierkreisart::Keiner; // the zodiac of the tail (Keiner: none, or drawn earlier)
    Tierkreislage lage;            // day and equinox of the zodiac
    bool legende = false;          // "Legende"
};

// The tail of a frame, in this order: the Sun at the centre, the centre
// mark, the scale bar for Massstabswert (or the latitude scale of the
// loops), the zodiac band, the legend (kept
// clear of the scale bar). With `scheiben`, the discs this frame drew, the
// legend's body lines follow the picture (LegendeNachBild).
void RahmenSchluss(Zeichenflaeche& z, Ansicht& a, const Einstellungssatz& s, const Rahmenschalter& r,
                   const Legendendaten& legende, const Massstabsart& massstab = {},
                   const Punktliste* scheiben = nullptr);

// Makes the body lines of a legend say what the frame drew: a body's disc
// only where its disc was drawn (`scheiben`, the frame's disc list), the
// Sun listed wherever it was drawn (seen from a planet at the centre), and
// "Sonne im Zentrum" with the yellow disc only when the Sun was drawn at the
// centre (`sonneImSchluss`: by the tail, or a Sun disc at MitteX, MitteY),
// with the cross only when the centre is marked.
void LegendeNachBild(Legendendaten& l, const Ansicht& a, const Punktliste& scheiben, bool sonneImSchluss,
                     bool zentrumMarkiert);

// The start text "Velmora" / "DAS PROGRAMM" in red on the surface (no flip);
// `schriftfaktor` is 96 / the screen's dots per inch.
void StarttextZeichnen(Zeichenflaeche& z, double schriftfaktor);

} // namespace figures
