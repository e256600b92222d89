#include "figures/Bahnenbild.h"

#include "figures/Legende.h"

#include <algorithm>

namespace figures {

astro::Status Bahnenbild::vorbereiten(const Bahnenbildoptionen& o, Ansicht& ansicht, Positionsfunktion position)
{
    o_ = o;
    position_ = std::move(position);
    auswahl_.fill(false);
    for (int k : o.koerper) {
        if (k < 1 || k > 21)
            return astro::Status::Fehlschlag(astro::Fehler::UngueltigeEingabe, {}, "body " + std::to_string(k));
        auswahl_[static_cast<size_t>(k)] = true;
    }
    // At most nine bodies take part, the first nine in number order.
    int gezaehlt = 0;
    for (int k = 1; k <= 21; ++k)
        if (auswahl_[static_cast<size_t>(k)] && ++gezaehlt > 9)
            auswahl_[static_cast<size_t>(k)] = false;
    if (gezaehlt == 0)
        return astro::Status::Fehlschlag(astro::Fehler::UngueltigeEingabe, {}, "no body");

    // The range of the orbits and the two bodies of largest extent.
    erster_ = 21;
    letzter_ = 1;
    int b = 0, a = 0;
    for (int k = 1; k <= 21; ++k) {
        if (!auswahl_[static_cast<size_t>(k)])
            continue;
        erster_ = std::min(erster_, k);
        letzter_ = std::max(letzter_, k);
        if (b == 0 || Ausdehnung[static_cast<size_t>(k)] > Ausdehnung[static_cast<size_t>(b)]) {
            a = b;
            b = k;
        } else if (a == 0 || Ausdehnung[static_cast<size_t>(k)] > Ausdehnung[static_cast<size_t>(a)]) {
            a = k;
        }
    }
    ansicht.Massstab = ansicht.MassstabAusAusdehnung(a, b, 0);
    ansicht.MassstabswertAusAusdehnung(a, b, 0);

    bahnen_.dimensionieren(o.bahnpunkteFaktor);
    Bahnrechnung r;
    r.auswahl = auswahl_;
    r.tag = o.tag;
    r.referenzSedna = true;
    r.schrittweite = Bahnschrittweite(KoerperSedna, bahnen_.faktor());
    r.mitPraezession = o.mitPraezession;
    r.position = position_;
    return BahnBerechnen(bahnen_, ansicht, erster_, letzter_, r);
}

astro::Status Bahnenbild::zeichnen(Zeichenflaeche& z, Ansicht& ansicht, const Einstellungssatz& s)
{
    z.fuellen(s.IntFarbeHintergrund);
    if (o_.sterne >= 0)
        DXHintergrund(z, o_.sterne);
    if (o_.tierkreis != Tierkreisart::Keiner)
        Tierkreis(z, ansicht, s, o_.tierkreis == Tierkreisart::Zeichen, {o_.tag, o_.mitPraezession, false});

    Bahnzeichnung d;
    d.auswahl = auswahl_;
    d.farbig = o_.farbig;
    BahnZeichnen(z, bahnen_, ansicht, s, erster_, letzter_, false, d);
    BahnZeichnen(z, bahnen_, ansicht, s, erster_, letzter_, true, d);

    liste_.leeren();
    for (int k = erster_; k <= letzter_; ++k) {
        if (!auswahl_[static_cast<size_t>(k)])
            continue;
        const auto p = position_ ? position_(k, o_.tag)
                                 : astro::Ergebnis<Raumpunkt>(astro::Status::Fehlschlag(astro::Fehler::NichtVerfuegbar));
        if (!p)
            return p.status();
        ansicht.PerspektivKoordinaten(p->X, p->Y, p->Z);
        liste_.hinzufuegen(k, ansicht.BildX, ansicht.BildY, ansicht.Tiefe);
    }
    if (o_.sonne)
        liste_.hinzufuegen(0, ansicht.MitteX, ansicht.MitteY, 0.0);
    ArraySortieren(liste_, liste_.anzahl);
    for (int i = 0; i < liste_.anzahl; ++i) {
        const auto& e = liste_[i];
        const int radius = e.koerper == 0 ? s.IntASonne : e.koerper > 9 ? s.IntA - 1 : s.IntA;
        PlanetZeichnen(z, e.x, e.y, std::max(radius, 1), s.IntFarbeLiniePlaneten, KoerperFarbe(s, e.koerper),
                       s.IntRanddicke);
    }

    if (o_.zentrumMarkieren)
        ZentrumMarkieren(z, s, ansicht.MitteX, ansicht.MitteY);
    if (o_.massstab)
        MassstabZeichnen(z, ansicht, s, ansicht.Massstabswert);
    if (o_.legende) {
        Legendendaten l;
        l.darstellung = LegendeUeberblick;
        l.mitPraezession = o_.mitPraezession;
        for (int k = erster_; k <= letzter_; ++k)
            if (auswahl_[static_cast<size_t>(k)])
                l.koerper.push_back({k, false});
        l.sonneImZentrum = true;
        LegendeZeichnen(z, ansicht, s, l);
    }
    ansicht.NeuZeichnen = false;
    return astro::Status::Ok();
}

} // namespace figures
