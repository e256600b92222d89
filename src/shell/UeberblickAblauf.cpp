#include "shell/UeberblickAblauf.h"

#include "shell/Vorbereitung.h"
#include "sprache/Sprache.h"

#include <algorithm>

namespace shell {

using sprache::T;

namespace {
// 1595-07-19, the day Kepler had the idea of the nested solids.
constexpr double KeplersTag = -147724;
} // namespace

void UeberblickAblauf::fehler(Laufdienste& d, const astro::Status& s)
{
    // A position outside the loaded tables, or one that cannot be drawn (not
    // a number far from the present), is the validity limit of the run.
    const bool grenze = s.fehler == astro::Fehler::AusserhalbGueltigkeit || s.fehler == astro::Fehler::UngueltigeEingabe;
    const std::string text = grenze ? d.lauf.gueltigkeitsText() : T("lauf.datenfehler");
    d.lauf.meldung(Meldungsart::Information, T("meldung.hinweis"), text);
    d.lauf.beenden();
}

Laufregeln UeberblickAblauf::einrichten(const Laufkonfiguration& k)
{
    e_ = eingabeQuelle ? eingabeQuelle() : eingabe;
    schalen_.reset();
    if (k.keplersMysterium) {
        // The solids sit between the orbits of Mercury to Saturn around the
        // Sun: "Sichtbare Planeten" with orbits, whatever the dialog holds
        // for other runs.
        e_.konfiguration = 1;
        e_.zentrum = 0;
        e_.bahnen = true;
        e_.farbig = false;
        e_.ohneEntfernungen = false;
        e_.nurDatenausgabe = false;
        e_.mond = false;
        e_.koerper = {};
        for (int b = 1; b <= 6; ++b)
            e_.koerper[static_cast<size_t>(b)] = true;
        schalen_ = std::make_unique<mysterium::Keplerschalen>();
    }
    Laufregeln r;
    // The overview runs three times faster than the tempo table says.
    r.wartezeitTeiler = 3;
    r.datenOnly = e_.nurDatenausgabe;
    r.ohneBild = e_.nurDatenausgabe;
    // Rows without pictures: the window stays responsive with messages
    // every 30 rows.
    if (e_.nurDatenausgabe)
        r.nachrichtenJeSchritte = 30;
    // A view without distances has no table worth saving.
    r.datenSpeicherbar = !e_.ohneEntfernungen;
    if (k.keplersMysterium) {
        r.drehungen = std::array<int, 3>{75, 40, 0};
        r.sternGruppe = false;
    }
    // The day of Kepler's inspiration has a hint of its own.
    r.zeitHinweis = e_.starttag == KeplersTag ? "panel.zeit.kepler"
                    : k.julianischesDatum    ? "panel.zeit.jd"
                                             : "bedienfeld.start.hinweis";
    return r;
}

Vorbereitungsergebnis UeberblickAblauf::vorbereiten(Laufdienste& d)
{
    figures::UeberblickEingabe e = e_;
    Laufzustand& z = d.z;
    const auto auswahl = figures::UeberblickAuswahl(e);
    std::vector<int> koerper;
    for (int b = 1; b < 22; ++b)
        if (auswahl[static_cast<size_t>(b)])
            koerper.push_back(b);

    // The overview keeps the standard limit even with only the outer planets
    // (the wider one belongs to two planets).
    z.NurAussenNormal = false;
    if (!ElementeLaden(d, koerper, e.zentrum, datenordner))
        return Vorbereitungsergebnis::Fatal;
    // The Moon is computed by the full lunar theory, valid for 7000 years.
    if (auswahl[0])
        GrenzeEinschraenken(z, astro::Grenzfall::HoheGenauigkeit);
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
    if (e.nurDatenausgabe) {
        z.Zeilengrenze = std::clamp(e.datenAnzahl, 1, 10000);
        if (d.datenausgabe)
            d.datenausgabe->zeilengrenze = z.Zeilengrenze;
    }

    figures::Ueberblickslauf lauf;
    lauf.maxSchritte = z.MaxSchritte;
    lauf.bahnpunkteFaktor = d.k.bahnpunkteFaktor;
    lauf.gueltigkeitsgrenze = z.Gueltigkeitsgrenze;
    lauf.mitPraezession = d.k.mitPraezession;
    figures::Positionsfunktion position, bahnErsatz;
    if (d.rechner) {
        astro::Rechenoptionen o;
        o.HoheGenauigkeit = d.k.hoheGenauigkeit;
        o.MitPraezession = d.k.mitPraezession;
        position = figures::PositionsfunktionAus(*d.rechner, o);
        // Orbit points beyond the high-accuracy tables: the normal tables.
        if (o.HoheGenauigkeit) {
            o.HoheGenauigkeit = false;
            bahnErsatz = figures::PositionsfunktionAus(*d.rechner, o);
        }
    }
    try {
        const astro::Status s = figur_.vorbereiten(e, lauf, d.ansicht, position, bahnErsatz);
        if (!s) {
            fehler(d, s);
            return Vorbereitungsergebnis::Abgebrochen;
        }
    } catch (const figures::Bereichsfehler&) {
        fehler(d, astro::Status::Fehlschlag(astro::Fehler::UngueltigeEingabe));
        return Vorbereitungsergebnis::Abgebrochen;
    }
    z.Schrittweite = figur_.schrittweite();
    if (e.nurDatenausgabe)
        d.lauf.zaehlerAnzeigen(true, "0");
    // The table is written whether it is shown or not: showing it later
    // ("Datenausgabe") or saving it finds every row.
    if (d.datenausgabe)
        d.datenausgabe->Beschriftung(figur_.kopfangaben(sprache::aktuelleSprache()));
    return Vorbereitungsergebnis::Weiter;
}

void UeberblickAblauf::schritt(Laufdienste& d)
{
    Laufzustand& z = d.z;
    const bool datenOnly = e_.nurDatenausgabe;
    const int n = z.Schritt;
    if (datenOnly && n >= z.Zeilengrenze) {
        // The rows are complete: the run ends by itself.
        d.lauf.beenden();
        return;
    }
    figures::Ueberblicksrahmen r;
    r.sterne = d.k.intBilditem;
    r.tierkreis = static_cast<figures::Tierkreisart>(static_cast<int>(d.k.tierkreis));
    r.sonneZentrum = d.k.sonneZentrum && figur_.zentrum() == 0;
    r.zentrumMarkieren = d.k.zentrumMarkieren;
    r.massstab = d.k.massstab;
    r.astronomischeEinheiten = d.k.entfernungAE;
    r.legende = d.k.legende;
    r.mitPraezession = d.k.mitPraezession;
    r.zeilenSchreiben = !z.FigurFertig && !z.PauseAktiv && !d.k.drehungDerFiguren && n < z.Zeilengrenze;
    r.alleNeuProjizieren = z.NeuZeichnen || z.ZentrumBewegt || d.k.ergebnisSofort;
    r.hintergrundFuellen = false;
    if (schalen_) {
        schalen_->nurBahnenDrehen = d.k.nurBahnenDrehen;
        r.stattScheiben = schalen_.get();
    }
    // A view without distances has no table (its item is disabled).
    astro::Datenausgabe* daten = e_.ohneEntfernungen ? nullptr : d.datenausgabe;
    try {
        astro::Status st = astro::Status::Ok();
        if (!z.FigurFertig && !datenOnly)
            st = figur_.bahnenErneuern(n, d.ansicht);
        if (st)
            st = figur_.schritt(n, datenOnly ? nullptr : &d.flaeche, d.ansicht, d.einstellungen, r, daten);
        if (!st) {
            fehler(d, st);
            return;
        }
    } catch (const figures::Bereichsfehler&) {
        fehler(d, astro::Status::Fehlschlag(astro::Fehler::UngueltigeEingabe));
        return;
    }
    z.NeuZeichnen = false;
}

void UeberblickAblauf::beendet()
{
    if (e_.nurDatenausgabe && datenOnlyEnde)
        datenOnlyEnde();
}

} // namespace shell
