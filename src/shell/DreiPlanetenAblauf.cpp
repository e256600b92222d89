#include "shell/DreiPlanetenAblauf.h"

#include "shell/Framerregeln.h"
#include "shell/Vorbereitung.h"
#include "sprache/Sprache.h"

#include <algorithm>

namespace shell {

using sprache::T;

namespace {
constexpr int OhneGrenze = 99999999;
} // namespace

void DreiPlanetenAblauf::fehler(Laufdienste& d, const astro::Status& s)
{
    if (s.fehler != astro::Fehler::Abgebrochen) {
        const bool grenze =
            s.fehler == astro::Fehler::AusserhalbGueltigkeit || s.fehler == astro::Fehler::UngueltigeEingabe;
        d.lauf.meldung(Meldungsart::Information, T("meldung.hinweis"),
                       grenze ? d.lauf.gueltigkeitsText() : T("lauf.datenfehler"));
    }
    d.lauf.beenden();
}

Laufregeln DreiPlanetenAblauf::einrichten(const Laufkonfiguration& k)
{
    e_ = eingabeQuelle ? eingabeQuelle() : eingabe;
    hoheGenauigkeit_ = k.hoheGenauigkeit;
    sofort_ = k.ergebnisSofort;
    Laufregeln r;
    r.leeren = false;
    r.langsamNachNurBis = true;
    r.zeitHinweis = k.julianischesDatum ? "panel.zeit.jd" : "bedienfeld.start.hinweis";
    return r;
}

Vorbereitungsergebnis DreiPlanetenAblauf::vorbereiten(Laufdienste& d)
{
    Laufzustand& z = d.z;
    figures::DreiPlanetenEingabe e = e_;
    std::array<int, 3> p{2, 3, 4};
    if (!figures::DreiPlanetenKoerper(e, p)) {
        e.koerper.fill(false);
        e.koerper[2] = e.koerper[3] = e.koerper[4] = true;
        e.starttag = 0;
        if (koerperKorrigiert)
            koerperKorrigiert(e.koerper);
    }
    const std::vector<int> koerper(p.begin(), p.end());
    const int zentrumKoerper = e.zentrum > 0 ? p[static_cast<size_t>(std::clamp(e.zentrum, 1, 3) - 1)] : 0;
    z.Zentrumskoerper = zentrumKoerper;
    z.NurAussenNormal = NurAussenNormal(koerper, zentrumKoerper, d.k.hoheGenauigkeit);
    if (z.NurAussenNormal)
        GrenzeSetzen(z, astro::Grenzfall::AeussereNormal);
    if (!ElementeLaden(d, koerper, zentrumKoerper, datenordner))
        return Vorbereitungsergebnis::Fatal;
    e.starttag = GueltigkeitKlemmen(e.starttag, z.Gueltigkeitsgrenze);
    z.KonjIndex = z.OppoIndex = 0;
    z.Rueckschritte = 0;

    figures::DreiPlanetenlauf lauf;
    lauf.gueltigkeitsgrenze = z.Gueltigkeitsgrenze;
    lauf.konstellationsgrenze = z.Konstellationsgrenze;
    lauf.bahnpunkteFaktor = d.k.bahnpunkteFaktor;
    lauf.hoheGenauigkeit = d.k.hoheGenauigkeit;
    lauf.mitPraezession = d.k.mitPraezession;
    lauf.sofort = d.k.ergebnisSofort;
    lauf.drehung = d.k.drehungDerFiguren;
    lauf.figurenAnzahl = z.FigurenAnzahl;
    if (lauf.sofort) {
        int anzahl = VorschlagKonjunktionen;
        if (!AnzahlAbfragen(d, Zaehlart::Konjunktionen, gemerkteAnzahl_, anzahl))
            return Vorbereitungsergebnis::Abgebrochen;
        lauf.sofortAnzahl = anzahl;
    }
    int gefragt = 0;
    lauf.abbruch = [&d, &gefragt] {
        if (++gefragt % 64 == 0)
            d.lauf.nachrichtenVerarbeiten();
        return d.z.Abbruch;
    };
    lauf.fortschritt = [&d](int k) { progressAnzeige(d, k); };
    d.lauf.zaehlerAnzeigen(true, "0");

    figures::Positionsfunktion position, bahnErsatz;
    if (d.rechner) {
        astro::Rechenoptionen o;
        o.HoheGenauigkeit = d.k.hoheGenauigkeit;
        o.MitPraezession = d.k.mitPraezession;
        position = figures::PositionsfunktionAus(*d.rechner, o);
        if (o.HoheGenauigkeit) {
            o.HoheGenauigkeit = false;
            bahnErsatz = figures::PositionsfunktionAus(*d.rechner, o);
        }
    }
    astro::Status s = astro::Status::Ok();
    try {
        s = position ? figur_.vorbereiten(e, lauf, d.ansicht, position, bahnErsatz)
                     : astro::Status::Fehlschlag(astro::Fehler::NichtVerfuegbar);
    } catch (const figures::Bereichsfehler&) {
        s = astro::Status::Fehlschlag(astro::Fehler::UngueltigeEingabe);
    }
    d.lauf.zaehlerAnzeigen(false, "");
    if (!s || z.Abbruch) {
        fehler(d, s ? astro::Status::Fehlschlag(astro::Fehler::Abgebrochen) : s);
        return Vorbereitungsergebnis::Abgebrochen;
    }
    e_ = figur_.eingabe();
    z.Koerper1 = p[0];
    z.Koerper2 = p[1];
    z.Starttag = z.AktuellerTag = figur_.starttag();
    z.Schrittweite = figur_.schrittweite();
    z.Schrittzahl = OhneGrenze;
    z.SynodischePeriode = figur_.synodischePeriode();
    z.Konstellationszahl = figur_.konstellationszahl();
    z.SofortReduziert = figur_.verkuerzt();
    z.FigurenAnzahl = std::max(1, std::min(z.FigurenAnzahl, std::max(z.Konstellationszahl, 1)));
    if (d.datenausgabe)
        d.datenausgabe->Beschriftung(figur_.kopfangaben(sprache::aktuelleSprache()));
    return Vorbereitungsergebnis::Weiter;
}

void DreiPlanetenAblauf::schritt(Laufdienste& d)
{
    Laufzustand& z = d.z;
    figures::Figurrahmen r = FigurrahmenAus(d);
    figures::DreiPlanetenZaehler c;
    c.schritt = z.Schritt;
    c.konjIndex = z.KonjIndex;
    astro::Status st = astro::Status::Ok();
    try {
        st = figur_.bahnenErneuern(z.Schritt, z.FigurFertig, d.ansicht);
        if (st)
            st = figur_.schritt(c, &d.flaeche, d.ansicht, d.einstellungen, r, d.datenausgabe);
    } catch (const figures::Bereichsfehler&) {
        st = astro::Status::Fehlschlag(astro::Fehler::UngueltigeEingabe);
    }
    z.Schritt = c.schritt;
    z.KonjIndex = c.konjIndex;
    z.Rueckschritte = c.rueckschritte;
    if (c.ereignisNeu)
        z.EreignisNeu = true;
    z.AktuellerTag = z.Starttag + z.Schritt * z.Schrittweite;
    z.NeuZeichnen = false;
    if (!st)
        fehler(d, st);
}

Endzaehler DreiPlanetenAblauf::endzaehler(const Laufzustand& z, const Laufkonfiguration& k) const
{
    Endzaehler e = Darstellungsablauf::endzaehler(z, k);
    if (hoheGenauigkeit_ && !sofort_)
        e.gewuenscht = OhneGrenze;
    // "Ergebnis sofort" without a single event: the one frame is the figure.
    if (sofort_ && z.Konstellationszahl == 0)
        e.erledigt = e.gewuenscht = 1;
    return e;
}

} // namespace shell
