// velmora-cli render two-planets: the two-planet representation run
// headlessly with the program's own preparation and frames; the last frame
// (and optionally every k-th) saved as PNG.
#include "astro/Gueltigkeit.h"
#include "cli/Befehle.h"
#include "cli/Offscreen.h"
#include "cli/Rechnerkontext.h"

#include "figures/ZweiPlaneten.h"
#include "shell/QtZeichenflaeche.h"
#include "sprache/Sprache.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace {

bool ganzLesen(const std::string& text, int& wert)
{
    long long w = 0;
    if (!cli::ganzzahlLesen(text, w) || w < -2147483647LL || w > 2147483647LL)
        return false;
    wert = static_cast<int>(w);
    return true;
}

const char* const Aufruf =
    "render two-planets --planets P1,P2 [--centre 0|1..9] [--from DAY] [--step DAYS] [--steps N]\n"
    "        [--link-lines] [--conj-star] [--opp-star] [--star-orbit 1|2] [--guide] [--orbit1] [--orbit2]\n"
    "        [--sun-orbit] [--midpoints|--centres-of-gravity] [--points-mode points|polyline|both] [--loops]\n"
    "        [--no-planet1] [--no-planet2] [--immediate] [--kept N] [--high] [--precession]\n"
    "        [--size WxH] [--rot X,Y,Z] [--zoom Z] [--zodiac signs|constellations] [--stars 0|1|2]\n"
    "        [--legend] [--scale] [--au] [--sun] [--mark] [--rows] [--lang de|en]\n"
    "        [--frames DIR [--every K]] --out FILE\n"
    "  Planets are body numbers (1 Mercury .. 9 Pluto, 10 .. 21 minor planets); the inner one becomes\n"
    "  planet 1. --step defaults to the program's proposal. --steps is the number of steps drawn (with\n"
    "  --immediate the count of 'Ergebnis sofort', the whole figure in one frame). --kept N keeps the\n"
    "  last N stars turning ('Drehung der Figuren'). --rows prints the data rows to stdout.\n"
    "  The run keeps to the validity limit of its bodies as in the window: a start beyond it is\n"
    "  brought inside, and a run that reaches it stops there with the limit's message on stderr\n"
    "  (the figure up to the limit is still written).";

int renderZweiPlaneten(const cli::Argumente& args)
{
    figures::ZweiPlanetenEingabe e;
    e.fuehrungslinie = false;
    figures::ZweiPlanetenRahmen r;
    figures::ZweiPlanetenlauf lauf;
    cli::Rahmenoptionen o;
    int schritte = 1, jedes = 1, bahnpunkte = 1;
    double zoom = 1.0;
    bool planetenDa = false, schrittDa = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hatWert = i + 1 < args.size();
        if (const int b = cli::bildoptionLesen(args, i, zoom, r.tierkreis, r.sterne, bahnpunkte); b != 0) {
            if (b < 0)
                return 2;
            continue;
        }
        if (const int b = cli::rahmenoptionLesen(args, i, o); b != 0) {
            if (b < 0)
                return 2;
            continue;
        }
        if (a == "--help") {
            std::printf("%s\n", Aufruf);
            return 0;
        } else if (a == "--every" && hatWert) {
            if (!ganzLesen(args[++i], jedes) || jedes < 1)
                return cli::fehler("--every wants a whole number of at least 1");
        } else if (a == "--planets" && hatWert) {
            std::stringstream ss(args[++i]);
            std::string p1, p2, rest;
            if (!std::getline(ss, p1, ',') || !std::getline(ss, p2, ',') || std::getline(ss, rest) ||
                !ganzLesen(p1, e.planet1) || !ganzLesen(p2, e.planet2) || e.planet1 < 1 || e.planet1 > 21 ||
                e.planet2 < 1 || e.planet2 > 21)
                return cli::fehler("--planets wants two body numbers 1..21, e.g. 2,3");
            planetenDa = true;
        } else if (a == "--centre" && hatWert) {
            if (!ganzLesen(args[++i], e.zentrum) || e.zentrum < 0 || e.zentrum > 9)
                return cli::fehler("--centre wants 0 (the Sun) or a planet 1..9");
        } else if (a == "--from" && hatWert) {
            if (!cli::zahlLesen(args[++i], e.starttag))
                return cli::fehler("--from wants a day number, e.g. 0 or -1234.5");
        } else if (a == "--step" && hatWert) {
            if (!cli::zahlLesen(args[++i], e.schrittweite) || !(e.schrittweite > 0) || e.schrittweite > 100000)
                return cli::fehler("--step wants a step width in days, more than 0 and at most 100000");
            schrittDa = true;
        } else if (a == "--steps" && hatWert) {
            if (!ganzLesen(args[++i], schritte) || schritte < 1 || schritte > 50000)
                return cli::fehler("--steps wants a whole number 1..50000");
        } else if (a == "--kept" && hatWert) {
            if (!ganzLesen(args[++i], lauf.figurenAnzahl) || lauf.figurenAnzahl < 1 || lauf.figurenAnzahl > 1000)
                return cli::fehler("--kept wants a whole number 1..1000");
            lauf.drehung = true;
        } else if (a == "--star-orbit" && hatWert) {
            const std::string& w = args[++i];
            if (w != "1" && w != "2")
                return cli::fehler("--star-orbit wants 1 or 2");
            e.sternBahn = w == "1" ? 0 : 1;
        } else if (a == "--points-mode" && hatWert) {
            const std::string& w = args[++i];
            if (w == "points")
                r.mittelpunktmodus = figures::Mittelpunktmodus::Punkte;
            else if (w == "polyline")
                r.mittelpunktmodus = figures::Mittelpunktmodus::Linienzug;
            else if (w == "both")
                r.mittelpunktmodus = figures::Mittelpunktmodus::LinieUndPunkte;
            else
                return cli::fehler("--points-mode wants points, polyline or both");
        } else if (a == "--link-lines") {
            e.raumgeraden = true;
        } else if (a == "--conj-star") {
            e.konjunktionsstern = true;
        } else if (a == "--opp-star") {
            e.oppositionsstern = true;
        } else if (a == "--guide") {
            e.fuehrungslinie = true;
        } else if (a == "--orbit1") {
            e.bahn1 = true;
        } else if (a == "--orbit2") {
            e.bahn2 = true;
        } else if (a == "--sun-orbit") {
            e.sonnenbahn = true;
        } else if (a == "--midpoints") {
            e.mittelpunkte = 0;
        } else if (a == "--centres-of-gravity") {
            e.mittelpunkte = 1;
        } else if (a == "--loops") {
            e.schleifen = true;
        } else if (a == "--no-planet1") {
            e.planet1Zeichnen = false;
        } else if (a == "--no-planet2") {
            e.planet2Zeichnen = false;
        } else if (a == "--immediate") {
            lauf.sofort = true;
        } else {
            return cli::fehler("render two-planets: unknown or incomplete argument '" + a + "'");
        }
    }
    cli::tailSetzen(o, r);
    lauf.mitPraezession = o.praezession;
    if (o.aus.empty())
        return cli::fehler("render two-planets: --out FILE.png is required");
    if (!planetenDa)
        return cli::fehler("render two-planets: --planets is required");
    figures::ZweiPlanetenKorrigieren(e);
    if (e.schleifen) {
        // What the dialog's loops box sets: the Earth at the centre.
        if (e.planet1 != 3 && e.planet2 != 3) {
            if (e.planet1 > 2)
                e.planet1 = 3;
            else
                e.planet2 = 3;
            figures::ZweiPlanetenKorrigieren(e);
        }
        e.zentrum = 3;
        e.bahn1 = true;
        e.planet2Zeichnen = e.sonnenbahn = true;
        e.fuehrungslinie = false;
        e.konjunktionsstern = e.oppositionsstern = false;
        e.raumgeraden = false;
        e.mittelpunkte = 2;
        o.rot[0] = o.rot[1] = o.rot[2] = 0;
    }
    e.planetozentrisch = e.zentrum != e.planet1 && e.zentrum != e.planet2;
    if (!schrittDa)
        e.schrittweite = std::max(1, figures::Schrittweitenvorschlag(e.planet1, e.planet2, e.zentrum));
    e.grobeBahn = figures::SiderischePeriode(e.planet1) / e.schrittweite < 25 && (e.bahn1 || e.bahn2 || e.sonnenbahn);

    std::vector<int> koerper{e.planet1, e.planet2};
    if (e.zentrum != 0)
        koerper.push_back(e.zentrum);
    auto rechner = cli::rechnerFuer(o.hoch, koerper);
    if (!rechner)
        return cli::fehler("render two-planets: " + cli::statusText(rechner.status()));
    for (int k : koerper)
        if (!rechner->verfuegbar(k, o.hoch))
            return cli::fehler("render two-planets: no position route for body " + std::to_string(k) +
                               (o.hoch ? " at high accuracy" : " at normal accuracy (try --high)"));
    astro::Rechenoptionen optionen;
    optionen.HoheGenauigkeit = o.hoch;
    optionen.MitPraezession = lauf.mitPraezession;
    lauf.hoheGenauigkeit = o.hoch;
    // The limit of the pair (and the centre) as the window's run has it, the
    // start brought inside it.
    lauf.gueltigkeitsgrenze = cli::laufgrenze(koerper, o.hoch, false, true).tage;
    e.starttag = astro::StartzeitBegrenzen(e.starttag, lauf.gueltigkeitsgrenze);
    lauf.schrittgrenze = std::max(12000, schritte);
    lauf.sofortSchritte = schritte;

    cli::OffscreenAnwendung anwendung;
    if (!o.bilderOrdner.empty() && !QDir().mkpath(QString::fromStdString(o.bilderOrdner)))
        return cli::fehler("cannot create '" + o.bilderOrdner + "'");
    shell::QtZeichenflaeche flaeche(o.breite, o.hoehe);
    figures::Ansicht ansicht;
    ansicht.GroesseSetzen(o.breite, o.hoehe);
    ansicht.WinkelSetzenGrad(o.rot[0], o.rot[1], o.rot[2]);
    ansicht.Zoom = zoom;
    const figures::Einstellungssatz einstellungen;
    astro::Zeilenspeicher speicher;
    astro::Datenausgabe daten;
    daten.zielSetzen(&speicher);
    r.sonneZentrum = r.sonneZentrum && e.zentrum == 0;

    figures::ZweiPlaneten figur;
    figures::ZweiPlanetenZaehler zuletzt; // the counters after the last frame
    try {
        astro::Status s = figur.vorbereiten(e, lauf, ansicht, figures::PositionsfunktionAus(*rechner, optionen));
        if (!s)
            return cli::fehler("render two-planets: " + cli::statusText(s));
        if (o.zeilen)
            daten.Beschriftung(figur.kopfangaben(sprache::aktuelleSprache()));
        figures::ZweiPlanetenZaehler c;
        // The run ends at the last step within the limit, with its message
        // (or, with --immediate, when the count had to be reduced to it).
        const double bisGrenze = (lauf.gueltigkeitsgrenze - figur.eingabe().starttag) / figur.eingabe().schrittweite;
        const int grenzschritt = static_cast<int>(std::clamp(std::floor(bisGrenze), 0.0, 1e9));
        const bool grenzeErreicht =
            lauf.sofort ? schritte > std::round(bisGrenze) : schritte - 1 > std::min(grenzschritt, figur.schrittzahl());
        const int letzter = lauf.sofort ? 0 : std::min({schritte - 1, figur.schrittzahl(), grenzschritt});
        if (lauf.sofort)
            c.schritt = figur.schrittzahl();
        for (int n = 0; n <= letzter && s; ++n) {
            if (!lauf.sofort)
                c.schritt = std::max(c.schritt, n);
            const bool bild = n == letzter || (!o.bilderOrdner.empty() && n % jedes == 0);
            // Once the planets are hidden (or may hide in this frame) a frame
            // moves the clock on to the next event, perhaps past the last
            // step: it is drawn, as it may be the last one.
            figures::ZweiPlanetenZaehler danach = c;
            danach.konjIndex += figur.eingabe().konjunktionsstern ? 1 : 0;
            danach.oppoIndex += figur.eingabe().oppositionsstern ? 1 : 0;
            const bool springt = !lauf.sofort && figur.ohnePlaneten(danach, r);
            s = figur.schritt(c, (bild || springt) ? &flaeche : nullptr, ansicht, einstellungen, r,
                              o.zeilen ? &daten : nullptr);
            if (s && bild && !o.bilderOrdner.empty()) {
                char name[32];
                std::snprintf(name, sizeof name, "/two-planets_%05d.png", n);
                if (!flaeche.bild().save(QString::fromStdString(o.bilderOrdner + name), "PNG"))
                    return cli::fehler("cannot write '" + o.bilderOrdner + name + "'");
            }
            if (c.schritt > n)
                n = c.schritt;
        }
        zuletzt = c;
        if (!s)
            return cli::fehler("render two-planets: " + cli::statusText(s));
        if (grenzeErreicht)
            cli::grenzeMelden("render two-planets", lauf.gueltigkeitsgrenze);
    } catch (const figures::Bereichsfehler&) {
        return cli::fehler("render two-planets: the figure does not fit the pixel range (zoom too large?)");
    }
    flaeche.flip();
    // The vector formats draw the last frame once more with the counters it
    // left (no event passed again) and without rows.
    return cli::zeilenUndBild(speicher.zeilen, o.aus, flaeche.bild(), [&](figures::Zeichenflaeche& z) {
        figures::ZweiPlanetenZaehler c = zuletzt;
        // From the step before the clock's jump to the next event, if the
        // frame made one: it makes the same jump and passes nothing anew.
        c.schritt -= c.rueckschritte;
        figures::ZweiPlanetenRahmen nochmals = r;
        nochmals.pause = true;
        try {
            return static_cast<bool>(figur.schritt(c, &z, ansicht, einstellungen, nochmals, nullptr));
        } catch (const figures::Bereichsfehler&) {
            return false;
        }
    });
}

} // namespace

static cli::RenderRegistrierung zweiPlaneten("two-planets", renderZweiPlaneten);
