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

#include <array>
#include <istream>
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
inline constexpr double OskuGueltigkeitsgrenzeKleinplanetenHoch = 374381.0;

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

// Heliocentric spherical position: longitude and latitude in degrees,
// radius in 10^6 km.
struct OskuKugel {
    double l = 0, b = 0, r = 0;
};

// Two-body propagation of one record to JD (TD): elements referred to the
// ecliptic and equinox J2000, mean motion of the Sun alone. Result J2000.
OskuKugel OskuPropagieren(const OskuSatz& satz, double jd);

// Linear interpolation of the two propagated positions of neighbouring
// records (q = 0 at the first, 1 at the second), with the 0°/360° wrap.
OskuKugel OskuInterpolieren(OskuKugel frueher, OskuKugel spaeter, double q);

struct OskuXYZ {
    double x = 0, y = 0, z = 0; // 10^6 km, heliocentric ecliptic
};

// PositionOskulierend: position of the table's body at `tageszahl` (TD days
// from 2000-01-01 0h). With `mitPraezession` the result refers to the
// equinox of date, else to J2000. Returns nullopt (the AusserhalbTabelle
// case) when the time lies at or after the last epoch, or after `laufEnde`
// (the last time of a running two-planet representation) when given.
// Before the first epoch the first two records are extrapolated.
std::optional<OskuXYZ> PositionOskulierend(const OskuTabelle& tabelle, double tageszahl, bool mitPraezession,
                                           std::optional<double> laufEnde = std::nullopt);

// The tables of bodies 5..21 for one run, each read for the accuracy of the
// run. `ausserhalbTabelle` is set by a position request beyond a table and
// stays set until cleared (the run engine reads it and ends the run).
class OskuTabellen {
public:
    explicit OskuTabellen(std::string datenordner = {}) : ordner_(std::move(datenordner)) {}
    void setzeOrdner(std::string datenordner) { ordner_ = std::move(datenordner); }

    // Reads the table of one body for the accuracy (OskuEinlesen). On
    // failure the body's slot is emptied and the failure returned.
    Status laden(int koerper, bool hoheGenauigkeit);
    bool geladen(int koerper, bool hoheGenauigkeit) const;
    const OskuTabelle* tabelle(int koerper) const;

    std::optional<OskuXYZ> position(int koerper, double tageszahl, bool mitPraezession,
                                    std::optional<double> laufEnde = std::nullopt);

    bool ausserhalbTabelle = false;

private:
    std::string ordner_;
    std::array<std::optional<OskuTabelle>, 22> tabellen_{};
};

// The sentence of the data output that names the basis of the normal accuracy.
inline constexpr const char* OskuDatenbasisSchluessel = "osku.datenbasis";

} // namespace astro
