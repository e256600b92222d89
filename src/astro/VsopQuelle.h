#pragma once
// The reduced VSOP series as the series source of PositionGenau (bodies
// 1..8; see Positionsquellen.h).
//
// position(): heliocentric ecliptic X, Y, Z in 10^6 km at a TD day. The
// series give the ecliptic and equinox of date; with MitPraezession off the
// longitude and latitude are precessed to J2000 (PraezessionEkliptikal,
// NachJ2000) before the conversion to X, Y, Z, so at JD 2451545.0 both
// frames agree. Accuracy: see Data/README.md. Thread-safe once loaded (the
// tables are only read).

#include "astro/Positionsquellen.h"
#include "astro/ReiheVSOP.h"

#include <memory>
#include <string>

namespace astro {

class VsopQuelle : public Positionsquelle {
public:
    explicit VsopQuelle(std::shared_ptr<const VsopDaten> daten) : daten_(std::move(daten)) {}
    // Bodies outside 1..8, or tables that are not loaded: NichtVerfuegbar.
    Ergebnis<PositionXYZ> position(KoerperNr koerper, Tageszahl tag, const Rechenoptionen& optionen) const override;

private:
    std::shared_ptr<const VsopDaten> daten_;
};

// PositionXYZ of planet `koerper` (1..8) from loaded tables, in the frame
// `mitPraezession` asks for.
PositionXYZ VsopPosition(const VsopDaten& daten, KoerperNr koerper, Tageszahl tag, bool mitPraezession);

// Program start in one call: loads the eight files from `datenOrdner`
// (VsopLaden) and returns the source to give to
// Positionsrechner::setzeReihenquelle. On failure the status carries
// DateiFehlt or DateiBeschaedigt with the message key "lauf.datenfehler"
// (the fatal data-file box) and the file in `detail`.
Ergebnis<std::shared_ptr<const Positionsquelle>> VsopQuelleLaden(const std::string& datenOrdner);

} // namespace astro
