#pragma once
// The representation "2 Planeten": two planets followed from a centre (the
// Sun or a planet). At each step the link line between them is drawn, so the
// lines accumulate into a rosette; besides, the traces of both planets (or the
// Sun's apparent path from a planet of the pair), the mid-points or centres of
// gravity of the link lines, the guide line of the current step and the
// stars joining the places of successive heliocentric conjunctions or
// oppositions. With "von der Erde aus sichtbare Schleifen" the loops of a
// planet seen from the Earth are drawn without distances, the latitude
// turned into a radial offset.
//
// The preparation computes every step's positions and the events once; a
// frame computes nothing astronomical. What only grows (link lines, traces,
// mid-points, star lines) is drawn into the surface's cache layer by layer
// and only the newest step is added while the view stays.
//
// Plain model and drawing code: the run engine's representation
// (shell/ZweiPlanetenAblauf) and velmora-cli share it.

#include "astro/Datenausgabe.h"
#include "astro/Ergebnis.h"
#include "astro/Gueltigkeit.h"
#include "astro/Konjunktion.h"
#include "figures/Ansicht.h"
#include "figures/Bahnen.h"
#include "figures/Einstellungssatz.h"
#include "figures/Ereignisfigur.h"
#include "figures/Legende.h"
#include "figures/Punktliste.h"
#include "figures/Rahmen.h"
#include "figures/Zeichenflaeche.h"
#include "figures/ZweiPlanetenEingabe.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace figures {

// The corrections the dialog's hints promise: planet 1 is the one of the
// smaller greatest distance from the Sun; both Venus with the loops makes
// planet 2 Mars; the same body twice makes planet 2 the next body.
void ZweiPlanetenKorrigieren(ZweiPlanetenEingabe& e);

// The loops seen from the Earth: latitude divisor (degrees) and base radius
// (10^6 km) of a pair.
double BreitenTeiler(int planet1, int planet2);
double SchleifenRadius(const ZweiPlanetenEingabe& e);
// A point relative to the centre flattened for the loops: its latitude
// divided by f widens or narrows the radius 0.9 R0; z keeps the distance
// (the sort key). `mitBreite` false: radius 0.9 R0 (the Sun).
Raumpunkt SchleifenPunkt(const Raumpunkt& p, double f, double r0, bool mitBreite);

// What the run hands the preparation.
struct ZweiPlanetenlauf : Ereignislauf {
    int schrittgrenze = 12000;        // "Anzahl Berechnungen": steps at most
    int sofortSchritte = 5000;        // the count of the "Ergebnis sofort" dialog
};

using ZweiPlanetenRahmen = Figurrahmen;
using ZweiPlanetenZaehler = Ereigniszaehler;

class ZweiPlaneten {
public:
    // Bodies (corrected), step count, scale, the positions of every step,
    // the events. A failed position is passed on; an abort ends with
    // Fehler::Abgebrochen.
    astro::Status vorbereiten(const ZweiPlanetenEingabe& e, const ZweiPlanetenlauf& lauf, Ansicht& ansicht,
                              Positionsfunktion position);

    // The header block of the data output.
    astro::Kopfangaben kopfangaben(sprache::Sprache s) const;
    // The title line: "+++++  Venus und Erde bei Konjunktionen ,  Zentrum Sonne  +++++".
    std::string titel(sprache::Sprache s) const;

    // One frame: events passed, rows, kept figures, and (with a canvas) the
    // drawing. `c.schritt` may be moved on (the clock synchronisation while
    // the planets are not drawn). `daten` may be null.
    astro::Status schritt(ZweiPlanetenZaehler& c, Zeichenflaeche* z, Ansicht& ansicht, const Einstellungssatz& s,
                          const ZweiPlanetenRahmen& r, astro::Datenausgabe* daten);

    // The rows of every step written at once ("Ergebnis sofort" and the
    // first frame of a link-line run without stars).
    bool alleSchrittzeilen(astro::Datenausgabe& daten, const ZweiPlanetenRahmen& r) const;

    // The planets are not drawn in this frame.
    bool ohnePlaneten(const ZweiPlanetenZaehler& c, const ZweiPlanetenRahmen& r) const;

    const ZweiPlanetenEingabe& eingabe() const { return e_; }
    int planet1() const { return e_.planet1; }
    int planet2() const { return e_.planet2; }
    int zentrum() const { return e_.zentrum; }
    double starttag() const { return t0_; }
    double schrittweite() const { return e_.schrittweite; }
    int schrittzahl() const { return schrittzahl_; }
    double synodischePeriode() const { return synodisch_; }
    // 0 no stars, 1 conjunctions, 2 oppositions, 3 both (conjunctions
    // first), 4 both (oppositions first).
    int sternmodus() const { return sternmodus_; }
    bool mitSternen() const { return e_.konjunktionsstern || e_.oppositionsstern; }
    // Events of the run (after "Ergebnis sofort": those shown).
    int konstellationszahl() const { return konstellationszahl_; }
    const Ereignisspeicher& konjunktionen() const { return konj_; }
    const Ereignisspeicher& oppositionen() const { return oppo_; }
    double breitenTeiler() const { return breitenTeiler_; }
    // The positions of step k in the frame of the figure.
    const Raumpunkt& ort1(int k) const { return p1_[idx(k)]; }
    const Raumpunkt& ort2(int k) const { return p2_[idx(k)]; }
    // Layer rebuilds since the preparation (tests and benchmarks).
    long long neuaufbauten() const { return neuaufbauten_; }
    // Without the cache every frame draws everything (the reference).
    void zwischenspeicherVerwenden(bool an) { cacheErlaubt_ = an; }

private:
    size_t idx(int k) const;
    astro::Status stellen();
    astro::Status ereignisseBerechnen(bool konjunktion);
    astro::Status zuweisen(Ereignisspeicher& sp, bool konjunktion, int i, double t);
    void nachruecken(Ereignisspeicher& sp, bool konjunktion);
    int sternAnzahl(const Ereignisspeicher& sp, int zaehler) const;
    void zeileSchritt(astro::Datenausgabe& d, int k) const;
    void zeileEreignis(astro::Datenausgabe& d, const Ereignisspeicher& sp, int nummer, int index) const;
    void nachjustieren(ZweiPlanetenZaehler& c) const;
    bool spurenSichtbar(const ZweiPlanetenZaehler& c) const;
    Legendendaten legende(const ZweiPlanetenZaehler& c, const Einstellungssatz& s, bool ohne) const;

    // Drawing.
    struct Blick {
        double zoom = 0, massstab = 0, hoehenfaktor = 0, wx = 0, wy = 0, wz = 0;
        int mx = 0, my = 0, breite = 0, hoehe = 0;
        bool operator==(const Blick&) const = default;
    };
    static Blick blickVon(const Ansicht& a);
    void projizierenBis(Ansicht& a, int n);
    void wachsendeEbenen(Zeichenflaeche& z, Ansicht& ansicht, const Einstellungssatz& s, const ZweiPlanetenRahmen& r,
                         int von, int bis, int sterneKVon, int sterneK, int sterneOVon, int sterneO, bool spuren);
    void sternZeichnen(Zeichenflaeche& z, Ansicht& a, const Einstellungssatz& s, const Ereignisspeicher& sp,
                       bool konjunktion, int von, int bis, int ebeneLinien);

    ZweiPlanetenEingabe e_;
    ZweiPlanetenlauf lauf_;
    Positionsfunktion position_;
    double t0_ = 0;
    int schrittzahl_ = 0;
    double synodisch_ = 0;
    int sternmodus_ = 0;
    int konstellationszahl_ = 0;
    double w1_ = 1, w2_ = 1;
    double breitenTeiler_ = 50, schleifenR0_ = 0;
    std::vector<Raumpunkt> p1_, p2_, mitte_;
    Ereignisspeicher konj_, oppo_;

    // Projected pixels of the steps (valid up to projiziert_ for blick_).
    std::vector<Punkt> px1_, px2_, pxm_;
    int projiziert_ = -1;
    Blick blick_;
    std::vector<Punkt> linien_;        // batch of segments, reused
    std::vector<Punkt> ecken_;         // projected star corners, reused
    // What the cache holds.
    bool cacheErlaubt_ = true;
    bool cacheGueltig_ = false;
    int cacheBis_ = -1;                // steps 0 .. cacheBis_ are in it
    int cacheSterneK_ = 0, cacheSterneO_ = 0;
    bool cacheSpuren_ = false, cacheSternFest_ = false;
    long long neuaufbauten_ = 0;
    Punktliste liste_;
};

} // namespace figures
