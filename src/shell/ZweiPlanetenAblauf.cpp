#include "shell/ZweiPlanetenAblauf.h"

#include "shell/Framerregeln.h"
#include "shell/Vorbereitung.h"
#include "sprache/Sprache.h"

#include <algorithm>
#include <cmath>

namespace shell {

using sprache::T;

namespace {
constexpr int OhneGrenze = 99999999;
} // namespace

void ZweiPlanetenAblauf::fehler(Laufdienste& d, const astro::Status& s)
{
    if (s.fehler == astro::Fehler::Abgebrochen) {
        d.lauf.beenden();
        return;
    }
    const bool grenze = s.fehler == astro::Fehler::AusserhalbGueltigkeit || s.fehler == astro::Fehler::UngueltigeEingabe;
    d.lauf.meldung(Meldungsart::Information, T("meldung.hinweis"),
                   grenze ? d.lauf.gueltigkeitsText() : T("lauf.datenfehler"));
    d.lauf.beenden();
}

bool ZweiPlanetenAblauf::drehung(const Laufkonfiguration& k) const
{
    // Kept figures are stars; they cannot turn when one step passes more
    // than one event.
    const double a = figures::SiderischePeriode(e_.planet1), b = figures::SiderischePeriode(e_.planet2);
    const double s = a == b ? 0.0 : std::fabs(a * b / (b - a));
    return k.drehungDerFiguren && (e_.konjunktionsstern || e_.oppositionsstern) && s >= e_.schrittweite;
}

Laufregeln ZweiPlanetenAblauf::einrichten(const Laufkonfiguration& k)
{
    e_ = eingabeQuelle ? eingabeQuelle() : eingabe;
    figures::ZweiPlanetenKorrigieren(e_);
    hoheGenauigkeit_ = k.hoheGenauigkeit;
    sofort_ = k.ergebnisSofort;
    Laufregeln r;
    // The figure clears the surface itself: an unchanged view is one copy
    // of what it has drawn so far.
    r.leeren = false;
    if (e_.schleifen) {
        r.drehungenNullen = true;
        r.drehreglerGesperrt = true;
        r.sperrHinweis = "bedienfeld.hinweis.schleifen";
    } else if (k.drehungDerFiguren && (e_.raumgeraden || e_.mittelpunkte == 0 || e_.mittelpunkte == 1)) {
        r.sperrHinweis = "bedienfeld.hinweis.figurendrehung2pl";
    }
    r.zeitHinweis = k.julianischesDatum ? "panel.zeit.jd" : "bedienfeld.start.hinweis";
    return r;
}

Vorbereitungsergebnis ZweiPlanetenAblauf::vorbereiten(Laufdienste& d)
{
    Laufzustand& z = d.z;
    figures::ZweiPlanetenEingabe e = e_;
    const std::vector<int> koerper{e.planet1, e.planet2};
    z.Koerper1 = e.planet1;
    z.Koerper2 = e.planet2;
    z.Zentrumskoerper = e.zentrum;
    z.NurAussenNormal = NurAussenNormal(koerper, e.zentrum, d.k.hoheGenauigkeit);
    if (z.NurAussenNormal)
        GrenzeSetzen(z, astro::Grenzfall::AeussereNormal);
    if (!ElementeLaden(d, koerper, e.zentrum, datenordner))
        return Vorbereitungsergebnis::Fatal;
    e.starttag = GueltigkeitKlemmen(e.starttag, z.Gueltigkeitsgrenze);
    z.Starttag = z.AktuellerTag = e.starttag;
    z.Schrittweite = e.schrittweite;
    z.KonjIndex = z.OppoIndex = 0;
    z.Rueckschritte = 0;

    figures::ZweiPlanetenlauf lauf;
    lauf.gueltigkeitsgrenze = z.Gueltigkeitsgrenze;
    lauf.schrittgrenze = z.Schrittgrenze;
    lauf.konstellationsgrenze = z.Konstellationsgrenze;
    lauf.hoheGenauigkeit = d.k.hoheGenauigkeit;
    lauf.mitPraezession = d.k.mitPraezession;
    lauf.sofort = d.k.ergebnisSofort;
    lauf.drehung = drehung(d.k);
    lauf.figurenAnzahl = z.FigurenAnzahl;
    if (lauf.sofort) {
        int anzahl = VorschlagSchritte;
        if (!AnzahlAbfragen(d, Zaehlart::Schritte, gemerkteAnzahl_, anzahl))
            return Vorbereitungsergebnis::Abgebrochen;
        const double bisGrenze = std::round((z.Gueltigkeitsgrenze - z.Starttag) / std::max(e.schrittweite, 1e-9));
        z.SofortReduziert = anzahl > bisGrenze;
        lauf.sofortSchritte = anzahl;
    }
    // Beenden during the pre-calculation: messages are processed now and then.
    int gefragt = 0;
    lauf.abbruch = [&d, &gefragt] {
        if (++gefragt % 64 == 0)
            d.lauf.nachrichtenVerarbeiten();
        return d.z.Abbruch;
    };
    lauf.fortschritt = [&d](int k) { progressAnzeige(d, k); };

    figures::Positionsfunktion position;
    if (d.rechner) {
        astro::Rechenoptionen o;
        o.HoheGenauigkeit = d.k.hoheGenauigkeit;
        o.MitPraezession = d.k.mitPraezession;
        position = figures::PositionsfunktionAus(*d.rechner, o);
    }
    astro::Status s = astro::Status::Ok();
    try {
        s = position ? figur_.vorbereiten(e, lauf, d.ansicht, position)
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
    z.Schrittzahl = figur_.schrittzahl();
    z.SynodischePeriode = figur_.synodischePeriode();
    z.Konstellationszahl = figur_.konstellationszahl();
    if (figur_.mitSternen())
        z.FigurenAnzahl = std::max(1, std::min(z.FigurenAnzahl, std::max(z.Konstellationszahl, 1)));
    // "Ergebnis sofort" shows the whole figure at the first step.
    z.Schritt = d.k.ergebnisSofort ? z.Schrittzahl : 0;
    if (d.datenausgabe && !e_.schleifen)
        d.datenausgabe->Beschriftung(figur_.kopfangaben(sprache::aktuelleSprache()));
    return Vorbereitungsergebnis::Weiter;
}

void ZweiPlanetenAblauf::schritt(Laufdienste& d)
{
    Laufzustand& z = d.z;
    figures::Figurrahmen r = FigurrahmenAus(d);
    // The loops have no table worth listing.
    astro::Datenausgabe* daten = e_.schleifen ? nullptr : d.datenausgabe;

    figures::ZweiPlanetenZaehler c;
    c.schritt = z.Schritt;
    c.konjIndex = z.KonjIndex;
    c.oppoIndex = z.OppoIndex;
    astro::Status st = astro::Status::Ok();
    try {
        st = figur_.schritt(c, &d.flaeche, d.ansicht, d.einstellungen, r, daten);
    } catch (const figures::Bereichsfehler&) {
        st = astro::Status::Fehlschlag(astro::Fehler::UngueltigeEingabe);
    }
    z.Schritt = c.schritt;
    z.KonjIndex = c.konjIndex;
    z.OppoIndex = c.oppoIndex;
    z.Rueckschritte = c.rueckschritte;
    if (c.ereignisNeu)
        z.EreignisNeu = true;
    z.AktuellerTag = z.Starttag + z.Schritt * z.Schrittweite;
    z.NeuZeichnen = false;
    if (!st)
        fehler(d, st);
}

Endzaehler ZweiPlanetenAblauf::endzaehler(const Laufzustand& z, const Laufkonfiguration& k) const
{
    Endzaehler e;
    const int modus = figur_.sternmodus();
    e.erledigt = (modus == 2 || modus == 4) ? z.OppoIndex : z.KonjIndex;
    e.gewuenscht = (hoheGenauigkeit_ && !sofort_) ? OhneGrenze : z.Konstellationszahl;
    // The steps end the figure; the events only fill it.
    e.ereignisseBegrenzen = false;
    e.schrittgrenze = drehung(k) ? OhneGrenze : z.Schrittzahl;
    return e;
}

void ZweiPlanetenAblauf::zurueckschreiten(Laufzustand& z, const Laufkonfiguration& k)
{
    const bool kept = drehung(k);
    if (figur_.sternmodus() >= 2 && !kept && !z.NurBisImLauf)
        z.OppoIndex = std::max(0, z.OppoIndex - 1);
    Darstellungsablauf::zurueckschreiten(z, k);
    z.Schritt = std::min(z.Schritt, z.Schrittgrenze);
}

} // namespace shell
