#pragma once
// The representation "3 Planeten": driven by the heliocentric conjunctions
// (or oppositions) of two of three planets. At each event the places of all
// three are kept; the figure shows, over the events, the link lines of a
// chosen pair with their mid-points or centres of gravity, the positions of
// the outer planet of the driving pair and of the planet outside it joined
// in time order, and the orbits; seen from the Sun or from one of the three.
//
// The preparation computes every event once; a frame draws what the events
// passed so far show (in the surface's cache layer by layer, adding only the
// newest event while the view stays) and the three planets at the current
// day. Plain model and drawing code shared by the run (shell/DreiPlanetenAblauf)
// and velmora-cli.

#include "astro/Datenausgabe.h"
#include "astro/Ergebnis.h"
#include "astro/Gueltigkeit.h"
#include "figures/Ansicht.h"
#include "figures/Bahnen.h"
#include "figures/DreiPlanetenEingabe.h"
#include "figures/Einstellungssatz.h"
#include "figures/Ereignisfigur.h"
#include "figures/Legende.h"
#include "figures/Punktliste.h"
#include "figures/Rahmen.h"
#include "figures/Zeichenflaeche.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace figures {

// The three planets of the checked boxes: the first three in number order
// (bodies up to 21 with the minor planets, else up to 9). False when fewer
// than three are checked.
bool DreiPlanetenKoerper(const DreiPlanetenEingabe& e, std::array<int, 3>& planeten);

// What the run hands the preparation.
struct DreiPlanetenlauf : Ereignislauf {
    int bahnpunkteFaktor = 1;
    int sofortAnzahl = 500;           // the count of the "Ergebnis sofort" dialog
};

using DreiPlanetenRahmen = Figurrahmen;
using DreiPlanetenZaehler = Ereigniszaehler;

class DreiPlaneten {
public:
    // Bodies, events (with the count limit and, for "Ergebnis sofort", the
    // start moved so that all fit), step width, scale, orbits.
    astro::Status vorbereiten(const DreiPlanetenEingabe& e, const DreiPlanetenlauf& lauf, Ansicht& ansicht,
                              Positionsfunktion position, Positionsfunktion bahnErsatz = {});

    astro::Kopfangaben kopfangaben(sprache::Sprache s) const;
    std::string titel(sprache::Sprache s) const;

    astro::Status bahnenErneuern(int n, bool fertig, Ansicht& ansicht);
    astro::Status schritt(DreiPlanetenZaehler& c, Zeichenflaeche* z, Ansicht& ansicht, const Einstellungssatz& s,
                          const DreiPlanetenRahmen& r, astro::Datenausgabe* daten);
    bool ohnePlaneten(const DreiPlanetenZaehler& c, const DreiPlanetenRahmen& r) const;

    const DreiPlanetenEingabe& eingabe() const { return e_; }
    // The bodies were corrected to Venus, Earth and Mars (fewer than three checked).
    bool korrigiert() const { return korrigiert_; }
    const std::array<int, 3>& planeten() const { return p_; }
    double starttag() const { return t0_; }
    double schrittweite() const { return schrittweite_; }
    double synodischePeriode() const { return synodisch_; }
    int konstellationszahl() const { return gefunden_; }
    bool verkuerzt() const { return verkuerzt_; }   // "Ergebnis sofort" could not fit the count
    double ereignistag(int i) const { return tage_[I(i)]; }
    // Row 1, 2 (the link-line pair) or 3 (the third planet) of event i.
    const Raumpunkt& ort(int zeile, int i) const { return zeilen_[I(zeile - 1)][I(i)]; }
    int zeileAussen() const { return zeileAussen_; }
    int zeileNicht() const { return zeileNicht_; }
    long long neuaufbauten() const { return neuaufbauten_; }
    void zwischenspeicherVerwenden(bool an) { cacheErlaubt_ = an; }

private:
    static size_t I(int i) { return static_cast<size_t>(i); }
    int koerperDerZeile(int zeile) const;
    astro::Status zuweisen(int i, double t);
    void nachruecken();
    int gezeigt(const DreiPlanetenZaehler& c) const;
    void zeile(astro::Datenausgabe& d, int nummer, int index) const;
    astro::Status bahnenBerechnen(double tag, Ansicht& ansicht);
    void wachsendeEbenen(Zeichenflaeche& z, Ansicht& a, const Einstellungssatz& s, const DreiPlanetenRahmen& r,
                         int von, int bis, bool mitKreuzlinien);
    Legendendaten legende(const DreiPlanetenZaehler& c, const Einstellungssatz& s, bool ohne) const;

    DreiPlanetenEingabe e_;
    DreiPlanetenlauf lauf_;
    Positionsfunktion position_, bahnErsatz_;
    std::array<int, 3> p_{2, 3, 4};        // body numbers of planets 1 .. 3
    bool korrigiert_ = false;
    int konjA_ = 0, konjB_ = 1;            // the driving pair (indices 0 .. 2)
    std::array<int, 3> zeilenPlanet_{};    // planet index (0 .. 2) held by rows 1 .. 3
    int zeileAussen_ = 2, zeileNicht_ = 3; // rows of the outer conjunction and the non-conjunction planet
                                           // (seen from a planet: of the inner and the outer other one)
    int k_ = 1;                            // every k-th event
    double t0_ = 0, schrittweite_ = 1, synodisch_ = 0;
    double w1_ = 1, w2_ = 1;
    int gefunden_ = 0;
    bool verkuerzt_ = false;
    std::vector<double> tage_;
    std::array<std::vector<Raumpunkt>, 3> zeilen_;
    Mittelpunkte mitte_;
    Bahnpunkte bahnen_;
    Bahnerneuerung erneuerung_;
    Punktliste liste_;

    // Drawing state.
    std::vector<Punkt> linien_, punkte_;
    std::array<std::vector<Punkt>, 3> pixel_;
    int projiziert_ = -1;
    std::array<double, 10> blick_{};
    bool cacheErlaubt_ = true, cacheGueltig_ = false;
    int cacheBis_ = 0;
    int cacheErneuert_ = 0;          // orbit refreshes the cache was drawn with
    long long neuaufbauten_ = 0;
};

} // namespace figures
