#include "figures/Ueberblick.h"

#include "astro/Koordinaten.h"
#include "astro/Mondposition.h"
#include "figures/Legende.h"

#include <algorithm>

namespace figures {

namespace {

constexpr size_t I(int b) { return static_cast<size_t>(b); }

} // namespace

std::array<bool, 22> UeberblickAuswahl(const UeberblickEingabe& e)
{
    std::array<bool, 22> a{};
    const bool frei = e.konfiguration == UeberblickEingabe::FreieKonfiguration;
    const int bis = frei ? 21 : 9;
    // The centre planet always takes part and holds one of the nine places.
    int gezaehlt = (e.zentrum >= 1 && e.zentrum <= 9 && !e.koerper[I(e.zentrum)]) ? 1 : 0;
    if (e.mond && e.zentrum == 3 && e.ohneEntfernungen && !e.nurDatenausgabe) {
        a[0] = true;
        ++gezaehlt;
    }
    for (int b = 1; b <= bis; ++b) {
        if (!e.koerper[I(b)])
            continue;
        if (gezaehlt >= 9)
            break;
        a[I(b)] = true;
        ++gezaehlt;
    }
    return a;
}

double UeberblickSchrittweite(const std::array<bool, 22>& auswahl, int erster, int bahnpunkteFaktor)
{
    int schnellster = -1;
    for (int b = 0; b < 22; ++b)
        if (auswahl[I(b)] && (schnellster < 0 || Umlaufzeiten[I(b)] < Umlaufzeiten[I(schnellster)]))
            schnellster = b;
    double schritt = Umlaufzeiten[I(std::clamp(erster, 0, 21))];
    if (schnellster >= 0)
        schritt = std::min(schritt, Umlaufzeiten[I(schnellster)]);
    return 0.75 / std::max(bahnpunkteFaktor, 1) * schritt;
}

astro::Ergebnis<Raumpunkt> Ueberblick::ort(int b, double t) const
{
    if (b == 0 && auswahl_[0])
        return astro::MondKoordinaten(t, lauf_.mitPraezession);
    if (b == 0)
        return Raumpunkt{};
    if (!position_)
        return astro::Status::Fehlschlag(astro::Fehler::NichtVerfuegbar);
    return position_(b, t);
}

astro::Status Ueberblick::vorbereiten(const UeberblickEingabe& e, const Ueberblickslauf& lauf, Ansicht& ansicht,
                                      Positionsfunktion position, Positionsfunktion bahnErsatz)
{
    bahnErsatz_ = std::move(bahnErsatz);
    e_ = e;
    e_.zentrum = std::clamp(e.zentrum, 0, 9);
    lauf_ = lauf;
    position_ = std::move(position);
    auswahl_ = UeberblickAuswahl(e_);
    t0_ = e_.starttag;

    // Range of the bodies: the innermost and outermost taking part, the
    // centre planet included.
    erster_ = 22;
    letzter_ = -1;
    for (int b = 0; b < 22; ++b) {
        if (!nimmtTeil(b))
            continue;
        erster_ = std::min(erster_, b);
        letzter_ = std::max(letzter_, b);
    }
    if (letzter_ < 0)
        return astro::Status::Fehlschlag(astro::Fehler::UngueltigeEingabe, {}, "no body");

    schrittweite_ = e_.nurDatenausgabe ? std::max(e_.datenSchrittweite, 1e-9)
                                       : UeberblickSchrittweite(auswahl_, erster_, lauf.bahnpunkteFaktor);

    // Scale from the two bodies of largest orbit extent.
    if (e_.ohneEntfernungen) {
        ansicht.Massstab = 1.0;
        ansicht.Massstabswert = 1000.0;
        // The extent of the scale bar is that of its value.
        ansicht.FigurAusdehnung = 1000.0;
    } else {
        int a = 0, g = 0;
        for (int b = 1; b < 22; ++b) {
            if (!nimmtTeil(b))
                continue;
            if (g == 0 || Ausdehnung[I(b)] > Ausdehnung[I(g)]) {
                a = g;
                g = b;
            } else if (a == 0 || Ausdehnung[I(b)] > Ausdehnung[I(a)]) {
                a = b;
            }
        }
        ansicht.Massstab = ansicht.MassstabAusAusdehnung(a, g, e_.zentrum);
        ansicht.MassstabswertAusAusdehnung(a, g, e_.zentrum);
    }

    // Trails: sized once for the whole run.
    spurLaenge_ = std::max(lauf.maxSchritte, 0) + 1;
    for (int b = 0; b < 22; ++b) {
        if (mitSpuren() && nimmtTeil(b))
            spuren_[I(b)].anlegen(spurLaenge_);
        else
            spuren_[I(b)].freigeben();
    }
    erneuerung_.zuruecksetzen();

    bahnen_.dimensionieren(lauf.bahnpunkteFaktor);
    if (!mitBahnen())
        return astro::Status::Ok();
    return bahnenBerechnen(t0_, ansicht);
}

astro::Status Ueberblick::bahnenBerechnen(double tag, Ansicht& ansicht)
{
    Bahnrechnung r;
    r.auswahl = auswahl_;
    r.auswahl[0] = false;
    r.tag = tag;
    r.referenzSedna = true;
    r.schrittweite = Bahnschrittweite(KoerperSedna, bahnen_.faktor());
    r.gueltigkeitsgrenze = lauf_.gueltigkeitsgrenze;
    r.mitPraezession = lauf_.mitPraezession;
    r.position = position_;
    r.ersatz = bahnErsatz_;
    return BahnBerechnen(bahnen_, ansicht, std::max(erster_, 1), letzter_, r);
}

astro::Kopfangaben Ueberblick::kopfangaben(sprache::Sprache s) const
{
    astro::Kopfangaben k;
    k.praezession = lauf_.mitPraezession;
    k.namenszeile = true;
    k.zentrum = e_.zentrum;
    for (int b = 0; b < 22; ++b)
        if (nimmtTeil(b))
            k.koerper.push_back(b == 0 && auswahl_[0] ? astro::MondCode : b);
    // The title names the bodies, not the centre's column ("So").
    std::vector<astro::KoerperNr> namen;
    for (astro::KoerperNr b : k.koerper)
        if (b != e_.zentrum)
            namen.push_back(b);
    k.titelzeile = astro::Titelzeile(namen, e_.zentrum, s);
    return k;
}

astro::Status Ueberblick::bahnenErneuern(int n, Ansicht& ansicht)
{
    if (!mitBahnen() || !erneuerung_.faellig(n, schrittweite_, auswahl_[I(KoerperChiron)], false))
        return astro::Status::Ok();
    return bahnenBerechnen(t0_ + n * schrittweite_, ansicht);
}

astro::Status Ueberblick::schritt(int n, Zeichenflaeche* z, Ansicht& ansicht, const Einstellungssatz& s,
                                  const Ueberblicksrahmen& r, astro::Datenausgabe* daten)
{
    const double t = t0_ + n * schrittweite_;
    const bool zeichnen = z && !e_.nurDatenausgabe;
    const int zentrum = e_.zentrum;
    const bool frei = e_.konfiguration == UeberblickEingabe::FreieKonfiguration;
    const bool zentrumGewaehlt = zentrum != 0 && e_.koerper[I(zentrum)];

    if (zeichnen) {
        if (r.hintergrundFuellen)
            z->fuellen(s.IntFarbeHintergrund);
        if (r.sterne >= 0)
            DXHintergrund(*z, r.sterne);
        if (r.tierkreis != Tierkreisart::Keiner)
            Tierkreis(*z, ansicht, s, r.tierkreis == Tierkreisart::Zeichen, {t, r.mitPraezession, false});
        if (mitBahnen()) {
            Bahnzeichnung d;
            d.auswahl = auswahl_;
            d.auswahl[0] = false;
            d.farbig = e_.farbig;
            d.zentrumBewegt = r.alleNeuProjizieren;
            BahnZeichnen(*z, bahnen_, ansicht, s, std::max(erster_, 1), letzter_, false, d);
            BahnZeichnen(*z, bahnen_, ansicht, s, std::max(erster_, 1), letzter_, true, d);
        }
    }

    if (daten && r.zeilenSchreiben)
        daten->UeberblickZeileBeginnen(n, t);

    Raumpunkt mitte{};
    if (zentrum != 0) {
        const auto p = ort(zentrum, t);
        if (!p)
            return p.status();
        mitte = *p;
    }

    // Trails keep their projected points: the trace cache projects again
    // as a whole only after a view change, otherwise only the newest point.
    const int j = spurIndex(n);

    liste_.leeren();
    for (int b = erster_; b <= letzter_; ++b) {
        if (!nimmtTeil(b))
            continue;
        const auto p = ort(b, t);
        if (!p)
            return p.status();
        astro::PositionXYZ v = b == zentrum ? astro::PositionXYZ{-p->X, -p->Y, -p->Z}
                               : b == 0     ? *p
                                            : astro::PositionXYZ{p->X - mitte.X, p->Y - mitte.Y, p->Z - mitte.Z};
        if (daten && r.zeilenSchreiben)
            daten->DatenAusgabeUe(v);

        double schluessel = 0;
        if (e_.ohneEntfernungen) {
            astro::Kugelkoordinaten k = astro::XYZZuKugel(v);
            if (b == 0)
                k.R /= 1e6;
            schluessel = k.R;
            k.R = KugelradiusOhneEntfernungen;
            v = astro::KugelZuXYZ(k);
        }
        if (mitSpuren())
            spuren_[I(b)].setzen(j, v);
        if (!zeichnen)
            continue;
        ansicht.PerspektivKoordinaten(v.X, v.Y, v.Z);
        const int px = ansicht.BildX, py = ansicht.BildY;
        if (!e_.ohneEntfernungen)
            schluessel = ansicht.Tiefe;
        // The Sun seen from the centre planet is listed under the Sun's code.
        const bool sonneVomZentrum = b == zentrum;
        const bool versteckt = sonneVomZentrum && frei && !zentrumGewaehlt;
        if (!versteckt)
            liste_.hinzufuegen(sonneVomZentrum ? 0 : (b == 0 ? KoerpercodeMond : b), px, py, schluessel);

        if (mitSpuren()) {
            const std::vector<Punkt>& linie = spuren_[I(b)].projizieren(ansicht, r.alleNeuProjizieren);
            if (versteckt)
                continue;
            Farbe farbe = s.IntFarbeBahnen;
            if (sonneVomZentrum)
                farbe = s.IntFarbeSonnenbahn;
            else if (e_.farbig)
                farbe = KoerperFarbe(s, b == 0 ? KoerpercodeMond : b);
            z->stift(farbe, s.IntBahndicke);
            z->polylinie(linie);
        }
    }

    if (!zeichnen)
        return astro::Status::Ok();

    if (zentrum != 0 || r.sonneZentrum)
        liste_.hinzufuegen(zentrum, ansicht.MitteX, ansicht.MitteY, e_.ohneEntfernungen ? 1e9 : 0.0);
    if (r.stattScheiben) {
        Bahnpunkte leer;
        r.stattScheiben->zeichnen(*z, ansicht, s, mitBahnen() ? bahnen_ : leer, auswahl_, liste_);
    } else {
        ArraySortieren(liste_, liste_.anzahl, e_.ohneEntfernungen);
    }
    for (int i = 0; !r.stattScheiben && i < liste_.anzahl; ++i) {
        const auto& eintrag = liste_[i];
        const int code = eintrag.koerper;
        const int radius = code == 0 || code == KoerpercodeMond ? s.IntASonne : code > 9 ? s.IntA - 1 : s.IntA;
        PlanetZeichnen(*z, eintrag.x, eintrag.y, std::max(radius, 1), s.IntFarbeLiniePlaneten, KoerperFarbe(s, code),
                       s.IntRanddicke);
    }

    // The common tail; the zodiac was drawn first, under the orbits.
    Rahmenschalter schluss;
    schluss.zentrumMarkieren = r.zentrumMarkieren;
    schluss.massstab = r.massstab;
    schluss.legende = r.legende;
    Massstabsart art;
    art.ohneEntfernungen = e_.ohneEntfernungen;
    art.astronomischeEinheiten = r.astronomischeEinheiten;
    RahmenSchluss(*z, ansicht, s, schluss, r.legende ? legende(r, n) : Legendendaten{}, art, &liste_);
    ansicht.NeuZeichnen = false;
    return astro::Status::Ok();
}

Legendendaten Ueberblick::legende(const Ueberblicksrahmen& r, int n) const
{
    Legendendaten l;
    l.darstellung = LegendeUeberblick;
    l.mitPraezession = r.mitPraezession;
    l.schrittweite = schrittweite_;
    l.schritt = n;
    // The Moon beside the Earth has a line of its own, before the bodies.
    if (auswahl_[0])
        l.koerper.push_back({KoerpercodeMond, false});
    for (int b = 1; b < 22; ++b)
        if (nimmtTeil(b))
            l.koerper.push_back({b, b == e_.zentrum});
    l.sonneImZentrum = e_.zentrum == 0;
    l.mondImUeberblick = auswahl_[0];
    return l;
}

} // namespace figures
