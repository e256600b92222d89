#pragma once
// Rules every representation's frame shares: the star background, when the
// orbits are due again, whether the planets are still drawn, and the common
// tail (Sun in the centre, centre mark, scale bar, zodiac, legend).

#include "figures/Ansicht.h"
#include "figures/Einstellungssatz.h"
#include "figures/Legende.h"
#include "shell/Hauptprozedur.h"

namespace shell {

// The chosen star background, unless none (-1).
void RahmenHintergrund(Laufkontext& l);

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

// The planets are no longer drawn in this step: "Planeten nur zu Beginn"
// past NurBisIndex, "Ergebnis sofort", or kept figures past FigurenAnzahl.
bool OhnePlaneten(const Laufzustand& z, const Laufkonfiguration& k);

// The tail of a frame, in this order: the Sun at the centre ("Ergebnis
// sofort" with "Sonne ins Zentrum" and the Sun as centre), the centre mark,
// the scale bar for Massstabswert, the zodiac band, the legend (its code in
// `legende.darstellung`, `ohnePlaneten` taken from the run).
void RahmenSchluss(Laufkontext& l, figures::Ansicht& a, const figures::Einstellungssatz& s, int zentrum,
                   figures::Legendendaten legende, const figures::Massstabsart& massstab = {});

} // namespace shell
