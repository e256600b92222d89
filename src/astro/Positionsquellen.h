#pragma once
// The single entry to "where is body n at time t": routing by body and
// accuracy, and the plug-in point for the data-driven theories.
//
// Routes (KoerperNr, see Koerper.h):
//   PositionNormal: 1..4 mean elements (built in), 5..21 osculating-element source
//   PositionGenau:  1..8 series source (reduced VSOP),  9..21 osculating-element source
//   body 0 is the Sun at the origin: (0, 0, 0) on both routes.
//
// How a provider plugs in:
//   1. Implement astro::Positionsquelle. position() receives the body, the TD
//      day and the options and returns the heliocentric ecliptic position in
//      10^6 km, already in the frame that optionen.MitPraezession asks for
//      (the source applies PraezessionEkliptikal itself: series of date ->
//      J2000 when the switch is off; J2000 elements -> date when it is on).
//      optionen.HoheGenauigkeit tells an osculating source which table set
//      (dense high-accuracy or long-span) the call is for: PositionGenau
//      passes true, PositionNormal false, whatever the caller's options say.
//      A time outside the loaded table is reported as
//      Status{Fehler::AusserhalbGueltigkeit, "astro.ausserhalbTabelle"}
//      (this replaces a global "out of table" flag: the caller stops its run
//      on it). A body the source has no table for: Fehler::NichtVerfuegbar.
//      position() must be safe to call from several threads at once once the
//      tables are loaded (no caches that mutate).
//   2. Give the loaded source to a Positionsrechner:
//        astro::Positionsrechner r;
//        r.setzeReihenquelle(std::make_shared<MeineReihen>(geladeneTabellen));
//        r.setzeOskulierendeQuelle(std::make_shared<MeineElemente>(...));
//      Until a source is set, calls routed to it return
//      Fehler::NichtVerfuegbar (key "astro.nichtVerfuegbar"), never a
//      made-up position.
//   3. Callers keep one Positionsrechner for the program (or per run) and
//      pass it by const reference to whatever computes positions; the
//      computation itself has no hidden global state.

#include "astro/Ergebnis.h"
#include "astro/Koerper.h"
#include "astro/Koordinaten.h"
#include "astro/Zeit.h"

#include <limits>
#include <memory>

namespace astro {

// The calculation switches of a run, passed explicitly to every position call.
struct Rechenoptionen {
    bool HoheGenauigkeit = false; // menu "hohe Genauigkeit": series / dense tables
    bool MitPraezession = false;  // menu "Präzession": equinox of date instead of J2000
    // Two-planet runs: the osculating route refuses times after the run's
    // last step (reported like a time outside the table). +inf otherwise.
    Tageszahl Laufende = std::numeric_limits<double>::infinity();
};

class Positionsquelle {
public:
    virtual ~Positionsquelle() = default;
    // Heliocentric ecliptic position of body `koerper` at `tag` (TD), 10^6 km,
    // equinox of date when optionen.MitPraezession, else J2000.
    virtual Ergebnis<PositionXYZ> position(KoerperNr koerper, Tageszahl tag, const Rechenoptionen& optionen) const = 0;
};

class Positionsrechner {
public:
    // Series source for bodies 1..8 at high accuracy.
    void setzeReihenquelle(std::shared_ptr<const Positionsquelle> quelle);
    // Osculating-element source for 5..21 at normal and 9..21 at high accuracy.
    void setzeOskulierendeQuelle(std::shared_ptr<const Positionsquelle> quelle);
    bool hatReihenquelle() const { return reihen_ != nullptr; }
    bool hatOskulierendeQuelle() const { return oskulierend_ != nullptr; }
    const std::shared_ptr<const Positionsquelle>& oskulierendeQuelle() const { return oskulierend_; }

    // High-accuracy route. Fehler::UngueltigeEingabe for numbers outside 0..21.
    Ergebnis<PositionXYZ> PositionGenau(KoerperNr koerper, Tageszahl tag, const Rechenoptionen& optionen) const;
    // Normal route.
    Ergebnis<PositionXYZ> PositionNormal(KoerperNr koerper, Tageszahl tag, const Rechenoptionen& optionen) const;
    // PositionGenau when optionen.HoheGenauigkeit, else PositionNormal.
    Ergebnis<PositionXYZ> Position(KoerperNr koerper, Tageszahl tag, const Rechenoptionen& optionen) const;

    // Whether a call for this body and accuracy would reach a computing route
    // (built in or a set source); lets a run refuse early.
    bool verfuegbar(KoerperNr koerper, bool hoheGenauigkeit) const;

private:
    std::shared_ptr<const Positionsquelle> reihen_;
    std::shared_ptr<const Positionsquelle> oskulierend_;
};

} // namespace astro
