// velmora-cli render three-planets: the three-planet representation run
// headlessly with the program's own preparation and frames; the last frame
// (and optionally every k-th) saved in the format of its extension.
#include "astro/Gueltigkeit.h"
#include "cli/Befehle.h"
#include "cli/Offscreen.h"
#include "cli/Rechnerkontext.h"

#include "figures/DreiPlaneten.h"
#include "shell/QtZeichenflaeche.h"
#include "sprache/Sprache.h"

#include <QDir>
#include <QImage>
#include <QString>

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
    "render three-planets --planets P1,P2,P3 [--centre sun|1|2|3] [--pair 12|13|23] [--opposition]\n"
    "        [--link-lines 12|13|23|none] [--planetocentric-lines] [--midpoints|--centres-of-gravity]\n"
    "        [--points-mode points|polyline|both] [--outer-positions] [--outer-lines] [--other-positions]\n"
    "        [--other-lines] [--every K] [--triangle] [--orbits] [--from DAY] [--events N] [--immediate]\n"
    "        [--kept N] [--high] [--precession] [--size WxH] [--rot X,Y,Z] [--zoom Z]\n"
    "        [--zodiac signs|constellations] [--stars 0|1|2] [--legend] [--scale] [--au] [--sun] [--mark]\n"
    "        [--rows] [--lang de|en] [--frames DIR [--every-frame K]] --out FILE\n"
    "  Planets are body numbers (1 Mercury .. 9 Pluto, 10 .. 21 minor planets); the first three in\n"
    "  number order are planets 1, 2, 3. The figure runs until N events of the driving pair (--pair,\n"
    "  conjunctions or with --opposition oppositions) have passed; --immediate draws them in one frame.\n"
    "  --every K takes every K-th event (with the positions or lines of the planet outside the pair).\n"
    "  --kept N keeps the last N figures turning ('Drehung der Figuren'). --rows prints the data rows.\n"
    "  The run keeps to the validity limit of its bodies as in the window: a start beyond it is\n"
    "  brought inside, and a run that reaches it (or has fewer than N events within it) stops\n"
    "  there with the limit's message on stderr (the figure up to the limit is still written).";

bool PaarLesen(const std::string& w, int& paar)
{
    if (w == "12")
        paar = 0;
    else if (w == "13")
        paar = 1;
    else if (w == "23")
        paar = 2;
    else
        return false;
    return true;
}

int renderDreiPlaneten(const cli::Argumente& args)
{
    figures::DreiPlanetenEingabe e;
    e.koerper.fill(false);
    e.bahnen = false;
    figures::DreiPlanetenRahmen r;
    figures::DreiPlanetenlauf lauf;
    cli::Rahmenoptionen o;
    int ereignisse = 20, jedes = 1;
    double zoom = 1.0;
    bool planetenDa = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hatWert = i + 1 < args.size();
        if (const int b = cli::bildoptionLesen(args, i, zoom, r.tierkreis, r.sterne, lauf.bahnpunkteFaktor); b != 0) {
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
        } else if (a == "--every-frame" && hatWert) {
            if (!ganzLesen(args[++i], jedes) || jedes < 1)
                return cli::fehler("--every-frame wants a whole number of at least 1");
        } else if (a == "--planets" && hatWert) {
            std::stringstream ss(args[++i]);
            std::string teil;
            int n = 0;
            while (std::getline(ss, teil, ',')) {
                int b = 0;
                if (!ganzLesen(teil, b) || b < 1 || b > 21 || e.koerper[static_cast<size_t>(b)])
                    return cli::fehler("--planets wants three different body numbers 1..21, e.g. 2,3,4");
                e.koerper[static_cast<size_t>(b)] = true;
                e.kleinplaneten = e.kleinplaneten || b > 9;
                ++n;
            }
            if (n != 3)
                return cli::fehler("--planets wants three different body numbers 1..21, e.g. 2,3,4");
            planetenDa = true;
        } else if (a == "--centre" && hatWert) {
            const std::string& w = args[++i];
            if (w == "sun" || w == "0")
                e.zentrum = 0;
            else if (w == "1" || w == "2" || w == "3")
                e.zentrum = w[0] - '0';
            else
                return cli::fehler("--centre wants sun, 1, 2 or 3 (planet 1 .. 3)");
        } else if (a == "--pair" && hatWert) {
            if (!PaarLesen(args[++i], e.konjunktionspaar))
                return cli::fehler("--pair wants 12, 13 or 23");
        } else if (a == "--link-lines" && hatWert) {
            const std::string& w = args[++i];
            if (w == "none")
                e.keineRaumgeraden = true;
            else if (!PaarLesen(w, e.raumgeradenpaar))
                return cli::fehler("--link-lines wants 12, 13, 23 or none");
        } else if (a == "--every" && hatWert) {
            if (!ganzLesen(args[++i], e.jedeKte) || e.jedeKte < 1 || e.jedeKte > 25)
                return cli::fehler("--every wants a whole number 1..25");
        } else if (a == "--from" && hatWert) {
            if (!cli::zahlLesen(args[++i], e.starttag))
                return cli::fehler("--from wants a day number, e.g. 0 or -1234.5");
        } else if (a == "--events" && hatWert) {
            if (!ganzLesen(args[++i], ereignisse) || ereignisse < 1 || ereignisse > 10000)
                return cli::fehler("--events wants a whole number 1..10000");
        } else if (a == "--kept" && hatWert) {
            if (!ganzLesen(args[++i], lauf.figurenAnzahl) || lauf.figurenAnzahl < 1 || lauf.figurenAnzahl > 1000)
                return cli::fehler("--kept wants a whole number 1..1000");
            lauf.drehung = true;
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
        } else if (a == "--opposition") {
            e.opposition = true;
        } else if (a == "--planetocentric-lines") {
            e.raumgeradenPlanetozentrisch = true;
        } else if (a == "--midpoints") {
            e.mittelpunkte = 0;
        } else if (a == "--centres-of-gravity") {
            e.mittelpunkte = 1;
        } else if (a == "--outer-positions") {
            e.positionenAussen = true;
        } else if (a == "--outer-lines") {
            e.linienAussen = true;
        } else if (a == "--other-positions") {
            e.positionenNicht = true;
        } else if (a == "--other-lines") {
            e.linienNicht = true;
        } else if (a == "--triangle") {
            e.dreieck = true;
        } else if (a == "--orbits") {
            e.bahnen = true;
        } else if (a == "--immediate") {
            lauf.sofort = true;
        } else {
            return cli::fehler("render three-planets: unknown or incomplete argument '" + a + "'");
        }
    }
    cli::tailSetzen(o, r);
    lauf.mitPraezession = o.praezession;
    if (o.aus.empty())
        return cli::fehler("render three-planets: --out FILE.png is required");
    if (!planetenDa)
        return cli::fehler("render three-planets: --planets is required");
    std::array<int, 3> planeten{};
    figures::DreiPlanetenKoerper(e, planeten);
    std::vector<int> koerper(planeten.begin(), planeten.end());
    auto rechner = cli::rechnerFuer(o.hoch, koerper);
    if (!rechner)
        return cli::fehler("render three-planets: " + cli::statusText(rechner.status()));
    for (int k : koerper)
        if (!rechner->verfuegbar(k, o.hoch))
            return cli::fehler("render three-planets: no position route for body " + std::to_string(k) +
                               (o.hoch ? " at high accuracy" : " at normal accuracy (try --high)"));
    astro::Rechenoptionen optionen;
    optionen.HoheGenauigkeit = o.hoch;
    optionen.MitPraezession = lauf.mitPraezession;
    lauf.hoheGenauigkeit = o.hoch;
    // The limit of the three bodies as the window's run has it, the start
    // brought inside it.
    lauf.gueltigkeitsgrenze = cli::laufgrenze(koerper, o.hoch, false, true).tage;
    e.starttag = astro::StartzeitBegrenzen(e.starttag, lauf.gueltigkeitsgrenze);
    lauf.konstellationsgrenze = ereignisse;
    lauf.sofortAnzahl = ereignisse;

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

    figures::DreiPlaneten figur;
    figures::DreiPlanetenZaehler zuletzt; // the counters after the last frame
    try {
        astro::Rechenoptionen normal = optionen;
        normal.HoheGenauigkeit = false;
        astro::Status s = figur.vorbereiten(e, lauf, ansicht, figures::PositionsfunktionAus(*rechner, optionen),
                                            o.hoch ? figures::PositionsfunktionAus(*rechner, normal)
                                                 : figures::Positionsfunktion{});
        if (!s)
            return cli::fehler("render three-planets: " + cli::statusText(s));
        if (o.zeilen)
            daten.Beschriftung(figur.kopfangaben(sprache::aktuelleSprache()));
        // Steps until the events have passed (kept figures: as many again
        // as are kept, so that they turn), one frame at the end.
        figures::DreiPlanetenZaehler c;
        const int ziel = lauf.drehung ? ereignisse : figur.konstellationszahl();
        long long schritte = 0;
        int bilder = 0;
        // As the window's end test: no step beyond the limit. A run that
        // stops there, and one that had to leave out events asked for to
        // keep within it (the window reduces the count silently; here the
        // count was asked for), end with the limit's message.
        const auto inGrenze = [&] {
            return figur.starttag() + c.schritt * figur.schrittweite() <= lauf.gueltigkeitsgrenze;
        };
        bool grenzeErreicht = figur.verkuerzt() || (!lauf.drehung && figur.konstellationszahl() < ereignisse);
        while (s && !lauf.sofort && c.konjIndex < ziel && schritte < 20000000) {
            if (!inGrenze()) {
                grenzeErreicht = true;
                break;
            }
            const bool bild = !o.bilderOrdner.empty() && schritte % jedes == 0;
            s = figur.bahnenErneuern(c.schritt, false, ansicht);
            if (s)
                s = figur.schritt(c, bild ? &flaeche : nullptr, ansicht, einstellungen, r, o.zeilen ? &daten : nullptr);
            if (s && bild) {
                char name[40];
                std::snprintf(name, sizeof name, "/three-planets_%05d.png", bilder++);
                if (!flaeche.bild().save(QString::fromStdString(o.bilderOrdner + name), "PNG"))
                    return cli::fehler("cannot write '" + o.bilderOrdner + name + "'");
            }
            ++c.schritt;
            ++schritte;
        }
        if (s) {
            // The last frame once more: from its step before the jump to the
            // next event, if it made one, so that no further event passes.
            c.schritt = std::max(c.schritt - 1 - c.rueckschritte, 0);
            s = figur.schritt(c, &flaeche, ansicht, einstellungen, r, lauf.sofort && o.zeilen ? &daten : nullptr);
        }
        zuletzt = c;
        if (!s)
            return cli::fehler("render three-planets: " + cli::statusText(s));
        if (grenzeErreicht)
            cli::grenzeMelden("render three-planets", lauf.gueltigkeitsgrenze);
    } catch (const figures::Bereichsfehler&) {
        return cli::fehler("render three-planets: the figure does not fit the pixel range (zoom too large?)");
    }
    flaeche.flip();
    // The vector formats draw the last frame once more with the counters it
    // left (no event passed again) and without rows.
    return cli::zeilenUndBild(speicher.zeilen, o.aus, flaeche.bild(), [&](figures::Zeichenflaeche& z) {
        figures::DreiPlanetenZaehler c = zuletzt;
        // From the step before the clock's jump to the next event, if the
        // frame made one: it makes the same jump and passes nothing anew.
        c.schritt -= c.rueckschritte;
        figures::DreiPlanetenRahmen nochmals = r;
        nochmals.pause = true;
        try {
            return static_cast<bool>(figur.schritt(c, &z, ansicht, einstellungen, nochmals, nullptr));
        } catch (const figures::Bereichsfehler&) {
            return false;
        }
    });
}

} // namespace

static cli::RenderRegistrierung dreiPlaneten("three-planets", renderDreiPlaneten);
