#pragma once
// Kepler's Mysterium: the five Platonic solids nested between the orbits of
// Mercury to Saturn, each with its corners on the sphere of the mean
// distance of the planet outside it (most corners lie off the ecliptic, so
// they do not meet the orbit itself), drawn with the orbits' halves and the
// planets from outside in and back to front, in place of the Overview's
// planet discs.

#include "figures/Ueberblick.h"
#include "mysterium/Koerperzeichnen.h"

namespace mysterium {

class Keplerschalen : public figures::Scheibenersatz {
public:
    // The tables scaled to the orbits and the dodecahedron turned by 108
    // degrees.
    Keplerschalen();

    // "nur Bahnen drehen": the solids keep the view's FigurWinkel while the
    // orbits and planets follow the sliders.
    bool nurBahnenDrehen = false;

    void zeichnen(figures::Zeichenflaeche& z, figures::Ansicht& a, const figures::Einstellungssatz& s,
                  const figures::Bahnpunkte& bahnen, const std::array<bool, 22>& auswahl,
                  const figures::Punktliste& scheiben) override;

    Polyeder& polyeder() { return p_; }

private:
    void bahnhaelfte(figures::Zeichenflaeche& z, const figures::Einstellungssatz& s, const figures::Bahnpunkte& bahnen,
                     const std::array<bool, 22>& auswahl, int planet, bool vorne);
    void planet(figures::Zeichenflaeche& z, const figures::Einstellungssatz& s, const figures::Punktliste& scheiben,
                int planet, bool vorne);
    void koerper(figures::Zeichenflaeche& z, const figures::Ansicht& a, const figures::Einstellungssatz& s, Koerper k,
                 int von, int bis, Durchgang d = Durchgang::Alle);

    Polyeder p_;
    std::array<std::span<const Flaeche>, 5> sortiert_{};
};

} // namespace mysterium
