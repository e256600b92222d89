#pragma once
// Centre of mass (or plain geometric mean) of the Sun and selected planets.

#include "astro/Ergebnis.h"
#include "astro/Koerper.h"
#include "astro/Positionsquellen.h"

#include <array>

namespace astro {

struct BaryAuswahl {
    // Selection per body; only Mercury to Pluto (1..9) take part.
    std::array<bool, AnzahlKoerper> koerper{};
    bool optisch = false;         // "optischer Schwerpunkt": every body weight 1, no masses
    bool mitSonnenmasse = true;   // "Sonnenmasse einbeziehen" (adds weight at the origin)
};

// Jupiter, Saturn, Uranus and Neptune with the Sun's mass: the dialog's default.
BaryAuswahl StandardBaryAuswahl();

// The total weight of a selection: Sun mass (if included) plus the masses of
// the selected bodies 1..9 (1 each for the optical centre).
double BaryGesamtgewicht(const BaryAuswahl& auswahl);

// Refuses a selection whose total weight is zero (no body 1..9 selected and
// the Sun's mass excluded): Fehler::UngueltigeEingabe, key
// "astro.bary.keinGewicht". Runs check this before they start.
Status BaryAuswahlPruefen(const BaryAuswahl& auswahl);

// Heliocentric position (10^6 km, frame per optionen.MitPraezession) of the
// centre of the selection at `tag` (TD): Σ m·P / W with W the total weight.
// Positions come from rechner.Position (accuracy per optionen). Fails with the
// refusal above or with the status of a position that could not be computed.
Ergebnis<PositionXYZ> KoordBary(const Positionsrechner& rechner, const BaryAuswahl& auswahl, Tageszahl tag,
                                const Rechenoptionen& optionen);

} // namespace astro
