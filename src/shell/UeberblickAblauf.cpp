#include "shell/UeberblickAblauf.h"

#include "shell/Vorbereitung.h"
#include "sprache/Sprache.h"

#include <algorithm>

namespace shell {

using sprache::T;

figures::Ansicht& UeberblickAblauf::ansichtVon(Laufkontext& l)
{
    return l.engine.ansicht ? *l.engine.ansicht : eigeneAnsicht_;
}

void UeberblickAblauf::fehler(Laufkontext& l, const astro::Status& s)
{
    // A position outside the loaded tables, or one that cannot be drawn (not
    // a number far from the present), is the validity limit of the run.
    const bool grenze = s.fehler == astro::Fehler::AusserhalbGueltigkeit || s.fehler == astro::Fehler::UngueltigeEingabe;
    const std::string text = grenze ? l.engine.gueltigkeitsText() : T("lauf.datenfehler");
    l.host.meldung(Meldungsart::Information, T("meldung.hinweis"), text);
    l.engine.beenden();
}

bool UeberblickAblauf::vorbereiten(Laufkontext& l)
{
    figures::UeberblickEingabe e = eingabeQuelle ? eingabeQuelle() : eingabe;
    Laufzustand& z = l.z;
    const auto auswahl = figures::UeberblickAuswahl(e);
    std::vector<int> koerper;
    for (int b = 1; b < 22; ++b)
        if (auswahl[static_cast<size_t>(b)])
            koerper.push_back(b);

    z.NurAussenNormal = NurAussenNormal(koerper, e.zentrum, l.k.hoheGenauigkeit);
    if (z.NurAussenNormal)
        z.Gueltigkeitsgrenze = GrenzeNurAussen;
    if (!ElementeLaden(l, koerper, e.zentrum, datenordner))
        return false;
    if (auswahl[0])
        z.Gueltigkeitsgrenze = std::min(z.Gueltigkeitsgrenze, 2600000.0);
    e.starttag = GueltigkeitKlemmen(e.starttag, z.Gueltigkeitsgrenze);
    z.Starttag = z.AktuellerTag = e.starttag;

    std::fill(std::begin(z.Auswahl), std::end(z.Auswahl), false);
    z.KleinsterKoerper = 22;
    z.GroessterKoerper = -1;
    for (int b = 0; b < 22; ++b) {
        if (!auswahl[static_cast<size_t>(b)])
            continue;
        z.Auswahl[b] = true;
        z.KleinsterKoerper = std::min(z.KleinsterKoerper, b);
        z.GroessterKoerper = std::max(z.GroessterKoerper, b);
    }
    z.Zentrumskoerper = e.zentrum;
    z.Schrittzahl = 99999999;
    datenOnly_ = e.nurDatenausgabe;
    if (datenOnly_) {
        z.Zeilengrenze = std::clamp(e.datenAnzahl, 1, 10000);
        if (l.engine.datenausgabe)
            l.engine.datenausgabe->zeilengrenze = z.Zeilengrenze;
    }

    figures::Ueberblickslauf lauf;
    lauf.maxSchritte = z.MaxSchritte;
    lauf.bahnpunkteFaktor = l.k.bahnpunkteFaktor;
    lauf.gueltigkeitsgrenze = z.Gueltigkeitsgrenze;
    lauf.mitPraezession = l.k.mitPraezession;
    figures::Positionsfunktion position;
    if (l.engine.rechner) {
        astro::Rechenoptionen o;
        o.HoheGenauigkeit = l.k.hoheGenauigkeit;
        o.MitPraezession = l.k.mitPraezession;
        position = figures::PositionsfunktionAus(*l.engine.rechner, o);
    }
    try {
        const astro::Status s = figur_.vorbereiten(e, lauf, ansichtVon(l), position);
        if (!s) {
            fehler(l, s);
            return false;
        }
    } catch (const figures::Bereichsfehler&) {
        fehler(l, astro::Status::Fehlschlag(astro::Fehler::UngueltigeEingabe));
        return false;
    }
    z.Schrittweite = figur_.schrittweite();
    if (datenOnly_)
        l.host.zaehlerAnzeigen(true, "0");
    if (l.engine.datenausgabe && (l.k.datenausgabe || datenOnly_))
        l.engine.datenausgabe->Beschriftung(figur_.kopfangaben(sprache::aktuelleSprache()));
    return true;
}

void UeberblickAblauf::schritt(Laufkontext& l)
{
    Laufzustand& z = l.z;
    const int n = z.Schritt;
    if (datenOnly_ && n >= z.Zeilengrenze) {
        // The rows are complete: the run ends by itself.
        l.engine.beenden();
        return;
    }
    figures::Ansicht& a = ansichtVon(l);
    figures::Ueberblicksrahmen r;
    r.sterne = l.k.intBilditem;
    r.tierkreis = static_cast<figures::Tierkreisart>(static_cast<int>(l.k.tierkreis));
    r.sonneZentrum = l.k.sonneZentrum && figur_.zentrum() == 0;
    r.zentrumMarkieren = l.k.zentrumMarkieren;
    r.massstab = l.k.massstab;
    r.legende = l.k.legende;
    r.mitPraezession = l.k.mitPraezession;
    r.zeilenSchreiben = !z.FigurFertig && !z.PauseAktiv && !l.k.drehungDerFiguren && n < z.Zeilengrenze;
    r.alleNeuProjizieren = z.NeuZeichnen || z.ZentrumBewegt || l.k.ergebnisSofort;
    r.hintergrundFuellen = false;
    astro::Datenausgabe* daten = (l.k.datenausgabe || datenOnly_) ? l.engine.datenausgabe : nullptr;
    figures::Einstellungssatz standard;
    const figures::Einstellungssatz& s = l.engine.einstellungen ? l.engine.einstellungen->aktuell() : standard;
    try {
        astro::Status st = astro::Status::Ok();
        if (!z.FigurFertig && !datenOnly_)
            st = figur_.bahnenErneuern(n, a);
        if (st)
            st = figur_.schritt(n, datenOnly_ ? nullptr : &l.host.flaeche(), a, s, r, daten);
        if (!st) {
            fehler(l, st);
            return;
        }
    } catch (const figures::Bereichsfehler&) {
        fehler(l, astro::Status::Fehlschlag(astro::Fehler::UngueltigeEingabe));
        return;
    }
    z.NeuZeichnen = false;
}

} // namespace shell
