#include "figures/Rahmen.h"

#include "figures/Bahnen.h"
#include "figures/Punktliste.h"
#include "sprache/Sprache.h"

#include <algorithm>
#include <cmath>

namespace figures {

bool Bahnerneuerung::faellig(int schritt, double schrittweite, bool mitChiron, bool fertig)
{
    if (fertig)
        return false;
    if (schritt * schrittweite <= BahnErneuerung(mitChiron) * (erneuert_ + 1))
        return false;
    ++erneuert_;
    return true;
}

void RahmenSchluss(Zeichenflaeche& z, Ansicht& a, const Einstellungssatz& s, const Rahmenschalter& r,
                   const Legendendaten& legende, const Massstabsart& massstab)
{
    if (r.sonneImZentrum)
        PlanetZeichnen(z, a.MitteX, a.MitteY, std::max(s.IntASonne, 1), s.IntFarbeLiniePlaneten, KoerperFarbe(s, 0),
                       s.IntRanddicke);
    if (r.zentrumMarkieren)
        ZentrumMarkieren(z, s, a.MitteX, a.MitteY);
    if (r.massstab)
        MassstabZeichnen(z, a, s, a.Massstabswert, massstab);
    if (r.tierkreis != Tierkreisart::Keiner)
        Tierkreis(z, a, s, r.tierkreis == Tierkreisart::Zeichen, r.lage);
    if (r.legende)
        LegendeZeichnen(z, a, s, legende);
}

void StarttextZeichnen(Zeichenflaeche& f, double schriftfaktor)
{
    using sprache::T;
    const int hoehe = f.hoehe();
    const int breite = f.breite();
    Schrift s;
    s.name = "Arial";
    s.farbe = RotFarbe;
    s.groesse = sprache::istDeutsch() ? static_cast<int>(std::lround(schriftfaktor * hoehe / 20.0))
                                      : static_cast<int>(std::lround(hoehe / 24.0 * schriftfaktor));
    f.schrift(s);
    f.pinsel(Schwarz, Pinselstil::Keiner);
    const std::string zeile1 = T("start.titel");
    const std::string zeile2 = T("start.untertitel");
    // Centred; the division truncates toward zero.
    f.textAus((breite - f.textBreite(zeile1)) / 2, static_cast<int>(std::lround(hoehe / 4.375)), zeile1);
    f.textAus((breite - f.textBreite(zeile2)) / 2, static_cast<int>(std::lround(hoehe / 2.70333)), zeile2);
    Schrift normal;
    normal.name = "MS Sans Serif";
    f.schrift(normal);
}

} // namespace figures
