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

void LegendeNachBild(Legendendaten& l, const Ansicht& a, const Punktliste& scheiben, bool sonneImSchluss,
                     bool zentrumMarkiert)
{
    const auto inMitte = [&](const Punktliste::Eintrag& e) { return e.x == a.MitteX && e.y == a.MitteY; };
    const auto gezeichnet = [&](int koerper, bool mitte) {
        for (int i = 0; i < scheiben.anzahl; ++i)
            if (scheiben[i].koerper == koerper && inMitte(scheiben[i]) == mitte)
                return true;
        return false;
    };
    const auto irgendwo = [&](int koerper) { return gezeichnet(koerper, true) || gezeichnet(koerper, false); };

    bool sonneGelistet = false;
    for (auto& k : l.koerper) {
        k.scheibe = k.zentrum ? gezeichnet(k.koerper, true) : irgendwo(k.koerper);
        k.kreuz = zentrumMarkiert;
        sonneGelistet = sonneGelistet || k.koerper == 0;
    }
    // The Sun seen from the planet at the centre.
    if (!sonneGelistet && gezeichnet(0, false))
        l.koerper.insert(l.koerper.begin(), Legendenkoerper{0, false, true, false});
    if (l.sonneImZentrum) {
        l.sonneScheibe = sonneImSchluss || gezeichnet(0, true);
        l.sonneKreuz = zentrumMarkiert;
    }
    // The discs now say it themselves.
    l.ohnePlaneten = false;
}

void RahmenSchluss(Zeichenflaeche& z, Ansicht& a, const Einstellungssatz& s, const Rahmenschalter& r,
                   const Legendendaten& legende, const Massstabsart& massstab, const Punktliste* scheiben)
{
    if (r.sonneImZentrum)
        PlanetZeichnen(z, a.MitteX, a.MitteY, std::max(s.IntASonne, 1), s.IntFarbeLiniePlaneten, KoerperFarbe(s, 0),
                       s.IntRanddicke);
    if (r.zentrumMarkieren)
        ZentrumMarkieren(z, s, a.MitteX, a.MitteY);
    Rechteck massstabFlaeche;
    if (r.breitenTeiler > 0)
        massstabFlaeche = MassstabDerBreite(z, a, s, r.breitenTeiler);
    else if (r.massstab)
        massstabFlaeche = MassstabZeichnen(z, a, s, a.Massstabswert, massstab);
    if (r.tierkreis != Tierkreisart::Keiner)
        Tierkreis(z, a, s, r.tierkreis == Tierkreisart::Zeichen, r.lage);
    if (!r.legende)
        return;
    if (scheiben) {
        Legendendaten l = legende;
        LegendeNachBild(l, a, *scheiben, r.sonneImZentrum, r.zentrumMarkieren);
        LegendeZeichnen(z, a, s, l, &massstabFlaeche);
    } else {
        LegendeZeichnen(z, a, s, legende, &massstabFlaeche);
    }
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
