#pragma once
// The representation "Ueberblick": the chosen bodies moving in their orbits
// around the Sun, or seen from a planet at the centre, each leaving a trail
// (the loops of the planets and the Sun's apparent path). Optionally every
// body is put on a sphere of fixed radius around the centre ("Darstellung
// ohne Entfernungen"), and the Moon can be shown beside the Earth.
//
// Plain model and drawing code: the run engine's representation
// (shell/UeberblickAblauf) and velmora-cli both prepare a run with
// vorbereiten() and draw each step with schritt().

#include "astro/Datenausgabe.h"
#include "astro/Ergebnis.h"
#include "astro/Gueltigkeit.h"
#include "figures/Ansicht.h"
#include "figures/Bahnen.h"
#include "figures/Einstellungssatz.h"
#include "figures/Hintergrund.h"
#include "figures/Punktliste.h"
#include "figures/Rahmen.h"
#include "figures/Spurcache.h"
#include "figures/Zeichenflaeche.h"

#include <array>
#include <vector>

namespace figures {

// What the overview dialog holds: the input record of a run.
struct UeberblickEingabe {
    static constexpr int FreieKonfiguration = 5;
    double starttag = 0;            // day number (TD)
    int konfiguration = 0;          // "AUSWAHL DER KONFIGURATION" 0 .. 5
    int zentrum = 0;                // 0 Sun, 1 .. 9 a planet
    std::array<bool, 22> koerper{}; // 1 .. 9 planets, 10 .. 21 minor planets (entry 0 unused)
    bool mond = false;              // "Mond" (Earth at the centre, without distances)
    bool bahnen = true;             // "Bahnen einfügen"
    bool farbig = false;            // "Bahnen farbig"
    bool ohneEntfernungen = false;  // "Darstellung ohne Entfernungen"
    bool nurDatenausgabe = false;   // "nur Datenausgabe"
    double datenSchrittweite = 1;   // days, data-only runs
    int datenAnzahl = 50;           // rows, data-only runs
};

// The bodies of a run: flags 0 (the Moon) .. 21 in number order, at most
// nine bodies counting the centre planet when it is not selected itself.
// Minor planets take part only in the free configuration; the Moon only with
// the Earth at the centre and without distances.
std::array<bool, 22> UeberblickAuswahl(const UeberblickEingabe& e);

// Step width (days) of a drawn run: 0.75 / faktor x the smaller orbit step of
// the fastest body and of the lower end of the orbit range.
double UeberblickSchrittweite(const std::array<bool, 22>& auswahl, int erster, int bahnpunkteFaktor);

// What a frame draws instead of the planet discs (Kepler's Mysterium: the
// solids nested between the orbits). It gets the orbit store of the frame,
// whose pixels were projected by this frame's full orbits, and the unsorted
// disc list with the depth of each body as its key.
class Scheibenersatz {
public:
    virtual ~Scheibenersatz() = default;
    virtual void zeichnen(Zeichenflaeche& z, Ansicht& a, const Einstellungssatz& s, const Bahnpunkte& bahnen,
                          const std::array<bool, 22>& auswahl, const Punktliste& scheiben) = 0;
};

// The view and decoration switches of the menu that a frame reads.
struct Ueberblicksrahmen {
    int sterne = -1;                 // star background 0 .. 2, -1 none
    Tierkreisart tierkreis = Tierkreisart::Keiner;
    bool sonneZentrum = false;       // "Sonne ins Zentrum"
    bool zentrumMarkieren = false;
    bool massstab = false;           // "Maßstab einfügen"
    bool astronomischeEinheiten = false; // "Entfernung (km*10^6/AE)": the scale bar in AU
    bool legende = false;
    bool mitPraezession = false;
    bool zeilenSchreiben = true;     // write this step's data row (not paused, not complete)
    bool alleNeuProjizieren = false; // the view changed or the centre was dragged
    bool hintergrundFuellen = true;  // clear to the background colour first (the engine clears itself)
    Scheibenersatz* stattScheiben = nullptr; // draws instead of the discs (null: the discs)
};

struct Ueberblickslauf {
    int maxSchritte = 12000;         // trails start again after MaxSchritte + 1 steps
    int bahnpunkteFaktor = 1;
    double gueltigkeitsgrenze = astro::GrenzeNormal;
    bool mitPraezession = false;
};

class Ueberblick {
public:
    // Bodies, range, step width, scale, the trail store and (Sun at the
    // centre with orbits) the orbits at the start day. A failed position is
    // passed on.
    // `bahnErsatz`: the positions of orbit points beyond the tables of
    // `position` (see Bahnrechnung::ersatz).
    astro::Status vorbereiten(const UeberblickEingabe& e, const Ueberblickslauf& lauf, Ansicht& ansicht,
                              Positionsfunktion position, Positionsfunktion bahnErsatz = {});

    // The header block of the data output: title line and column groups.
    astro::Kopfangaben kopfangaben(sprache::Sprache s) const;

    // Orbit refresh: called before each drawn step n; recomputes the orbits
    // once the simulated time has advanced by another BahnErneuerung.
    astro::Status bahnenErneuern(int n, Ansicht& ansicht);

    // Step n: positions at t = t0 + n x Schrittweite, data row, and (with a
    // canvas) the whole frame. Without a canvas only the trails are brought
    // up to the step (velmora-cli skipping frames). `daten` may be null.
    astro::Status schritt(int n, Zeichenflaeche* z, Ansicht& ansicht, const Einstellungssatz& s,
                          const Ueberblicksrahmen& r, astro::Datenausgabe* daten);

    const UeberblickEingabe& eingabe() const { return e_; }
    const std::array<bool, 22>& auswahl() const { return auswahl_; }
    int erster() const { return erster_; }
    int letzter() const { return letzter_; }
    int zentrum() const { return e_.zentrum; }
    double schrittweite() const { return schrittweite_; }
    bool mitBahnen() const { return e_.bahnen && e_.zentrum == 0 && !e_.nurDatenausgabe; }
    bool mitSpuren() const { return e_.bahnen && e_.zentrum != 0; }
    // Trail index of step n (entries 0 .. index are drawn).
    int spurIndex(int n) const { return n % spurLaenge_; }
    const Punktliste& punktliste() const { return liste_; }
    const Bahnpunkte& bahnen() const { return bahnen_; }

    // The trail of body b (empty without trails).
    const Spurcache& spur(int b) const { return spuren_[static_cast<size_t>(b)]; }

private:
    bool nimmtTeil(int b) const { return auswahl_[static_cast<size_t>(b)] || (b == e_.zentrum && b != 0); }
    astro::Ergebnis<Raumpunkt> ort(int b, double t) const;
    astro::Status bahnenBerechnen(double tag, Ansicht& ansicht);
    Legendendaten legende(const Ueberblicksrahmen& r, int n) const;

    UeberblickEingabe e_;
    Ueberblickslauf lauf_;
    Positionsfunktion position_;
    Positionsfunktion bahnErsatz_;
    std::array<bool, 22> auswahl_{};
    int erster_ = 1, letzter_ = 1;
    double schrittweite_ = 1;
    double t0_ = 0;
    int spurLaenge_ = 12001;
    Bahnerneuerung erneuerung_;
    std::array<Spurcache, 22> spuren_;
    Bahnpunkte bahnen_;
    Punktliste liste_;
};

} // namespace figures
