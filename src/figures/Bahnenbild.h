#pragma once
// The Sun-centred orbits of chosen bodies with their discs at one day: the
// heliocentric overview frame with "Bahnen einfügen", put together from the
// shared drawing routines (background, zodiac, two orbit passes, discs by
// depth, centre mark, scale bar, legend). velmora-cli renders it as an
// orrery picture; tests read its drawing order from the recording canvas.

#include "figures/Ansicht.h"
#include "figures/Bahnen.h"
#include "figures/Einstellungssatz.h"
#include "figures/Hintergrund.h"
#include "figures/Punktliste.h"
#include "figures/Zeichenflaeche.h"

#include <array>
#include <vector>

namespace figures {

struct Bahnenbildoptionen {
    std::vector<int> koerper;          // body numbers 1 .. 21; at most nine are used, in number order
    double tag = 0;                    // day number (TD) of the discs and the start of the orbits
    int bahnpunkteFaktor = 1;          // "Anzahl Bahnpunkte": 1, 2, 4, 8
    bool mitPraezession = false;       // equinox of date (the zodiac's constellations move)
    Tierkreisart tierkreis = Tierkreisart::Keiner;
    int sterne = -1;                   // star picture 0 .. 2, -1 none
    bool farbig = false;               // "Bahnen farbig"
    bool sonne = false;                // "Sonne ins Zentrum": the Sun's disc
    bool zentrumMarkieren = false;
    bool massstab = false;             // "Maßstab einfügen"
    bool legende = false;
};

class Bahnenbild {
public:
    // Checks the bodies, sets the view's scale (the outermost body's largest
    // distance fills 260 pixels of a 600-pixel-high surface), sizes the
    // orbit store and computes the orbits. UngueltigeEingabe for no body or
    // a number outside 1 .. 21; a position failure is passed on.
    astro::Status vorbereiten(const Bahnenbildoptionen& o, Ansicht& ansicht, Positionsfunktion position);

    // Draws the frame for the prepared day.
    astro::Status zeichnen(Zeichenflaeche& z, Ansicht& ansicht, const Einstellungssatz& s);

    const std::array<bool, 22>& auswahl() const { return auswahl_; }
    int erster() const { return erster_; }
    int letzter() const { return letzter_; }
    const Bahnpunkte& bahnen() const { return bahnen_; }

private:
    Bahnenbildoptionen o_;
    Positionsfunktion position_;
    std::array<bool, 22> auswahl_{};
    int erster_ = 1, letzter_ = 1;
    Bahnpunkte bahnen_;
    Punktliste liste_;
};

} // namespace figures
