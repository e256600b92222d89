#include "astro/VsopQuelle.h"

#include "astro/Praezession.h"

namespace astro {

PositionXYZ VsopPosition(const VsopDaten& daten, KoerperNr koerper, Tageszahl tag, bool mitPraezession)
{
    Kugelkoordinaten k = VsopKugelDatum(daten, koerper, tag);
    if (!mitPraezession) {
        const LaengeBreite j2000 = PraezessionEkliptikal({k.L, k.B}, Praezessionsrichtung::NachJ2000, tag);
        k.L = j2000.L;
        k.B = j2000.B;
    }
    return KugelZuXYZ(k);
}

Ergebnis<PositionXYZ> VsopQuelle::position(KoerperNr koerper, Tageszahl tag, const Rechenoptionen& optionen) const
{
    if (!daten_ || !daten_->geladen || koerper < 1 || koerper > VsopPlanetAnzahl)
        return Status::Fehlschlag(Fehler::NichtVerfuegbar, "astro.nichtVerfuegbar");
    return VsopPosition(*daten_, koerper, tag, optionen.MitPraezession);
}

Ergebnis<std::shared_ptr<const Positionsquelle>> VsopQuelleLaden(const std::string& datenOrdner)
{
    auto daten = std::make_shared<VsopDaten>();
    Status s = VsopLaden(datenOrdner, *daten);
    if (!s.ok())
        return s;
    return std::shared_ptr<const Positionsquelle>(std::make_shared<VsopQuelle>(std::move(daten)));
}

} // namespace astro
