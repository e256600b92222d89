#include "shell/Framerregeln.h"

#include "figures/Bahnen.h"
#include "figures/Hintergrund.h"
#include "figures/Punktliste.h"

#include <algorithm>

namespace shell {

void RahmenHintergrund(Laufkontext& l)
{
    if (l.k.intBilditem >= 0)
        figures::DXHintergrund(l.host.flaeche(), l.k.intBilditem);
}

bool Bahnerneuerung::faellig(int schritt, double schrittweite, bool mitChiron, bool fertig)
{
    if (fertig)
        return false;
    if (schritt * schrittweite <= figures::BahnErneuerung(mitChiron) * (erneuert_ + 1))
        return false;
    ++erneuert_;
    return true;
}

bool OhnePlaneten(const Laufzustand& z, const Laufkonfiguration& k)
{
    return (k.planetenNurZuBeginn && z.KonjIndex > z.NurBisIndex) || k.ergebnisSofort ||
           (k.drehungDerFiguren && z.KonjIndex > z.FigurenAnzahl);
}

void RahmenSchluss(Laufkontext& l, figures::Ansicht& a, const figures::Einstellungssatz& s, int zentrum,
                   figures::Legendendaten legende, const figures::Massstabsart& massstab)
{
    figures::Zeichenflaeche& f = l.host.flaeche();
    if (l.k.ergebnisSofort && l.k.sonneZentrum && zentrum == 0)
        figures::PlanetZeichnen(f, a.MitteX, a.MitteY, std::max(s.IntASonne, 1), s.IntFarbeLiniePlaneten,
                                figures::KoerperFarbe(s, 0), s.IntRanddicke);
    if (l.k.zentrumMarkieren)
        figures::ZentrumMarkieren(f, s, a.MitteX, a.MitteY);
    if (l.k.massstab)
        figures::MassstabZeichnen(f, a, s, a.Massstabswert, massstab);
    if (l.k.tierkreis != TierkreisArt::Keiner)
        figures::Tierkreis(f, a, s, l.k.tierkreis == TierkreisArt::Zeichen,
                           {l.z.AktuellerTag, l.k.mitPraezession, false});
    if (l.k.legende) {
        legende.ohnePlaneten = OhnePlaneten(l.z, l.k);
        legende.mitPraezession = l.k.mitPraezession;
        figures::LegendeZeichnen(f, a, s, legende);
    }
}

} // namespace shell
