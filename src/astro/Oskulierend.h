#pragma once
// Positions of Jupiter to Pluto and the twelve minor planets from tables of
// osculating orbital elements at regular epochs (Data/*.OUT).
//
// A table holds, per record, the epoch (JD, TD) and the elements e, i, ω, Ω
// (degrees), a (AU) and the mean anomaly M0 (degrees) at that epoch,
// heliocentric, ecliptic and equinox J2000. A position is found by
// propagating the two records that bracket the time with two-body motion
// about the Sun alone (Gaussian constant), converting both results to
// spherical coordinates and interpolating L, B, R linearly in time.
//
// The tables are produced by tools/oskugenerator from our own numerical
// integration; see Data/README-osku.md for their contents and accuracy.

#include "astro/Ergebnis.h"
#include "astro/Gueltigkeit.h"
#include "astro/Koerper.h"
#include "astro/Koordinaten.h"
#include "astro/Positionsquellen.h"
#include "astro/Zeit.h"

#include <array>
#include <istream>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace astro {

// File name (relative to the Data folder), first epoch (JD), nominal step
// (days) and record count of one table.
struct OskuParameter {
    const char* datei;
    double jd0;
    double schritt;
    int anzahl;
};

// The table of body 5..21 for the accuracy; nullopt for bodies without a
// table at that accuracy (5..8 at high accuracy, anything outside 5..21).
std::optional<OskuParameter> OskuTabellenParameter(int koerper, bool hoheGenauigkeit);

// Validity limit (days either side of 2000) that loading a minor planet's
// high-accuracy table imposes on a run.
inline constexpr double OskuGueltigkeitsgrenzeKleinplanetenHoch = GrenzeKleinplanetHoch;

// Record columns.
enum OskuSpalte { Epoche = 0, Exzentrizitaet, Neigung, Perihelargument, Knoten, HalbeAchse, MittlereAnomalie };
using OskuSatz = std::array<double, 7>;

struct OskuTabelle {
    int koerper = 0;
    bool hoheGenauigkeit = false;
    OskuParameter parameter{};
    // saetze[1..N]; saetze[0] is unused so that indices follow the records.
    std::vector<OskuSatz> saetze;
    // Set for minor planets at high accuracy: the run's validity limit in days.
    std::optional<double> gueltigkeitsgrenze;
};

// Reads the records of one table from a stream: three header lines, then
// 7·N numbers separated by white space ("." decimals whatever the locale).
// Fewer than N records, a token that is not a number, or records that
// cannot be a table (epochs not increasing or far from the nominal grid,
// e outside [0, 0.99), a ≤ 0, non-finite values) make the table damaged.
Ergebnis<OskuTabelle> OskuLesen(std::istream& ein, const OskuParameter& parameter);

// OskuEinlesen: chooses the file by body and accuracy, reads it from the
// folder `datenordner` (the Data folder). Missing file: Fehler::DateiFehlt;
// damaged: Fehler::DateiBeschaedigt; both carry the catalogue key
// "lauf.datenfehler" (the fatal data-file message) and the file name.
Ergebnis<OskuTabelle> OskuEinlesen(int koerper, bool hoheGenauigkeit, const std::string& datenordner);

// Two-body propagation of one record to JD (TD): elements referred to the
// ecliptic and equinox J2000, mean motion of the Sun alone. Result J2000:
// L, B in degrees, R in 10^6 km.
Kugelkoordinaten OskuPropagieren(const OskuSatz& satz, double jd);

// Linear interpolation of the two propagated positions of neighbouring
// records (q = 0 at the earlier, 1 at the later), through 0°/360° when the
// longitudes lie on either side of it.
Kugelkoordinaten OskuInterpolieren(Kugelkoordinaten frueher, Kugelkoordinaten spaeter, double q);

// PositionOskulierend: position of the table's body at `tag` (TD), 10^6 km,
// equinox of date with `mitPraezession`, else J2000. A time at or after the
// last epoch, or after `laufEnde` (the last time of a running two-planet
// representation), is refused with Fehler::AusserhalbGueltigkeit, key
// "astro.ausserhalbTabelle" (the AusserhalbTabelle case). Before the first
// epoch the first two records are extrapolated.
// Cost: two Kepler solutions and two conversions; see bench/osku.cpp.
Ergebnis<PositionXYZ> PositionOskulierend(const OskuTabelle& tabelle, Tageszahl tag, bool mitPraezession,
                                          Tageszahl laufEnde = std::numeric_limits<double>::infinity());

// The osculating-element source of the position routes: bodies 5..21 at
// normal accuracy, 9..21 at high accuracy, from the tables it was given.
// Read-only once built, so it may be shared between threads.
class OskuQuelle : public Positionsquelle {
public:
    void setzeTabelle(std::shared_ptr<const OskuTabelle> tabelle);
    const OskuTabelle* tabelle(KoerperNr koerper, bool hoheGenauigkeit) const;
    // Body without a loaded table for optionen.HoheGenauigkeit: NichtVerfuegbar.
    Ergebnis<PositionXYZ> position(KoerperNr koerper, Tageszahl tag, const Rechenoptionen& optionen) const override;

private:
    std::array<std::array<std::shared_ptr<const OskuTabelle>, AnzahlKoerper>, 2> tabellen_{};
};

// Run start in one call: reads the tables of those of `koerper` that the
// accuracy routes to the element tables (5..21 normal, 9..21 high) and
// returns the source for Positionsrechner::setzeOskulierendeQuelle, plus the
// run's validity limit when a minor planet's dense table was read. A missing
// or damaged file fails with the key "lauf.datenfehler" (fatal data-file box).
// `auchNormal`: bodies whose normal-accuracy tables are read besides (the
// orbits of a high-accuracy run that reach beyond the dense tables); they
// do not narrow the limit.
struct OskuLadung {
    std::shared_ptr<const OskuQuelle> quelle;
    std::optional<double> gueltigkeitsgrenze;
};
Ergebnis<OskuLadung> OskuQuelleLaden(const std::string& datenordner, bool hoheGenauigkeit,
                                     const std::vector<KoerperNr>& koerper,
                                     const std::vector<KoerperNr>& auchNormal = {});

// Catalogue key of the data-output sentence that names the basis of the
// normal accuracy (mean elements for Mercury to Mars, integration otherwise).
inline constexpr const char* OskuDatenbasisSchluessel = "osku.datenbasis";

} // namespace astro
