// velmora-cli render overview: the overview representation run headlessly
// for a number of steps with the program's own preparation and frames; the
// last frame (and optionally every k-th) saved as PNG.
#include "astro/Gueltigkeit.h"
#include "cli/Befehle.h"
#include "cli/Offscreen.h"
#include "cli/Rechnerkontext.h"

#include "figures/Ueberblick.h"
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

bool ganzeListe(const std::string& text, std::vector<int>& werte, int von, int bis)
{
    werte.clear();
    std::stringstream ss(text);
    std::string teil;
    while (std::getline(ss, teil, ',')) {
        int w = 0;
        if (!ganzLesen(teil, w) || w < von || w > bis)
            return false;
        werte.push_back(w);
    }
    return !werte.empty() && text.back() != ',';
}

const char* const Aufruf =
    "render overview --bodies 1,2,3,4 [--centre 0|1..9] [--from DAY] [--steps N] [--orbits] [--coloured]\n"
    "        [--no-distances] [--moon] [--size WxH] [--rot X,Y,Z] [--zoom Z] [--zodiac signs|constellations]\n"
    "        [--stars 0|1|2] [--legend] [--scale] [--au] [--sun] [--mark] [--points 1|2|4|8] [--high] [--precession]\n"
    "        [--rows] [--lang de|en] [--frames DIR [--every K]] --out FILE\n"
    "  The bodies are chosen as in the free configuration: a centre planet listed among --bodies\n"
    "  also shows the Sun seen from it (disc and apparent path); --moon needs --centre 3 and --no-distances.\n"
    "  --au labels the scale bar in astronomical units; --rows prints the data rows of the steps to stdout.\n"
    "  The run keeps to the validity limit of its bodies as in the window: a start beyond it is\n"
    "  brought inside, and a run that reaches it stops there with the limit's message on stderr\n"
    "  (the figure up to the limit is still written).";

int renderUeberblick(const cli::Argumente& args)
{
    figures::UeberblickEingabe e;
    e.konfiguration = figures::UeberblickEingabe::FreieKonfiguration;
    e.bahnen = false;
    figures::Ueberblicksrahmen r;
    figures::Ueberblickslauf lauf;
    cli::Rahmenoptionen o;
    int schritte = 1, jedes = 1;
    double zoom = 1.0;
    bool koerperDa = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hatWert = i + 1 < args.size();
        if (const int b = cli::bildoptionLesen(args, i, zoom, r.tierkreis, r.sterne, lauf.bahnpunkteFaktor); b != 0) {
            if (b < 0)
                return 2;
            continue;
        }
        std::vector<int> liste;
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
        } else if (a == "--bodies" && hatWert) {
            if (!ganzeListe(args[++i], liste, 1, 21))
                return cli::fehler("--bodies wants body numbers 1..21 separated by commas");
            for (int k : liste)
                e.koerper[static_cast<size_t>(k)] = true;
            koerperDa = true;
        } else if (a == "--centre" && hatWert) {
            if (!ganzLesen(args[++i], e.zentrum) || e.zentrum < 0 || e.zentrum > 9)
                return cli::fehler("--centre wants 0 (the Sun) or a planet 1..9");
        } else if (a == "--from" && hatWert) {
            if (!cli::zahlLesen(args[++i], e.starttag))
                return cli::fehler("--from wants a day number, e.g. 0 or -1234.5");
        } else if (a == "--steps" && hatWert) {
            if (!ganzLesen(args[++i], schritte) || schritte < 1 || schritte > 50000)
                return cli::fehler("--steps wants a whole number 1..50000");
        } else if (a == "--orbits") {
            e.bahnen = true;
        } else if (a == "--coloured") {
            e.farbig = true;
        } else if (a == "--no-distances") {
            e.ohneEntfernungen = true;
        } else if (a == "--moon") {
            e.mond = true;
        } else {
            return cli::fehler("render overview: unknown or incomplete argument '" + a + "'");
        }
    }
    cli::tailSetzen(o, r);
    lauf.mitPraezession = o.praezession;
    r.mitPraezession = o.praezession;
    if (o.aus.empty())
        return cli::fehler("render overview: --out FILE.png is required");
    if (!koerperDa)
        return cli::fehler("render overview: --bodies is required");
    if (e.mond && (e.zentrum != 3 || !e.ohneEntfernungen))
        return cli::fehler("render overview: --moon needs --centre 3 and --no-distances");
    r.sonneZentrum = r.sonneZentrum && e.zentrum == 0;

    const auto auswahl = figures::UeberblickAuswahl(e);
    std::vector<int> koerper;
    for (int b = 1; b < 22; ++b)
        if (auswahl[static_cast<size_t>(b)] || b == e.zentrum)
            koerper.push_back(b);
    auto rechner = cli::rechnerFuer(o.hoch, koerper);
    if (!rechner)
        return cli::fehler("render overview: " + cli::statusText(rechner.status()));
    for (int k : koerper)
        if (!rechner->verfuegbar(k, o.hoch))
            return cli::fehler("render overview: no position route for body " + std::to_string(k) +
                               (o.hoch ? " at high accuracy" : " at normal accuracy (try --high)"));
    astro::Rechenoptionen optionen;
    optionen.HoheGenauigkeit = o.hoch;
    optionen.MitPraezession = lauf.mitPraezession;
    // The limit of the bodies (and the Moon) as the window's overview has
    // it, the start brought inside it.
    lauf.gueltigkeitsgrenze = cli::laufgrenze(koerper, o.hoch, e.mond, false).tage;
    e.starttag = astro::StartzeitBegrenzen(e.starttag, lauf.gueltigkeitsgrenze);
    lauf.maxSchritte = std::max(12000, schritte);

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

    figures::Ueberblick figur;
    try {
        astro::Rechenoptionen normal = optionen;
        normal.HoheGenauigkeit = false;
        astro::Status s = figur.vorbereiten(e, lauf, ansicht, figures::PositionsfunktionAus(*rechner, optionen),
                                            o.hoch ? figures::PositionsfunktionAus(*rechner, normal)
                                                 : figures::Positionsfunktion{});
        if (!s)
            return cli::fehler("render overview: " + cli::statusText(s));
        if (o.zeilen)
            daten.Beschriftung(figur.kopfangaben(sprache::aktuelleSprache()));
        // No step beyond the limit: the run stops there with its message.
        const double bisGrenze = (lauf.gueltigkeitsgrenze - e.starttag) / figur.schrittweite();
        const bool grenzeErreicht = schritte - 1 > bisGrenze;
        if (grenzeErreicht)
            schritte = static_cast<int>(std::floor(std::max(bisGrenze, 0.0))) + 1;
        for (int n = 0; n < schritte && s; ++n) {
            const bool bild = n == schritte - 1 || (!o.bilderOrdner.empty() && n % jedes == 0);
            s = figur.bahnenErneuern(n, ansicht);
            if (s)
                s = figur.schritt(n, bild ? &flaeche : nullptr, ansicht, einstellungen, r, o.zeilen ? &daten : nullptr);
            if (s && bild && !o.bilderOrdner.empty()) {
                char name[32];
                std::snprintf(name, sizeof name, "/overview_%05d.png", n);
                if (!flaeche.bild().save(QString::fromStdString(o.bilderOrdner + name), "PNG"))
                    return cli::fehler("cannot write '" + o.bilderOrdner + name + "'");
            }
        }
        if (!s)
            return cli::fehler("render overview: " + cli::statusText(s));
        if (grenzeErreicht)
            cli::grenzeMelden("render overview", lauf.gueltigkeitsgrenze);
    } catch (const figures::Bereichsfehler&) {
        return cli::fehler("render overview: the figure does not fit the pixel range (zoom too large?)");
    }
    flaeche.flip();
    // The vector formats draw the last frame once more, without rows.
    return cli::zeilenUndBild(speicher.zeilen, o.aus, flaeche.bild(), [&](figures::Zeichenflaeche& z) {
        try {
            return static_cast<bool>(figur.schritt(schritte - 1, &z, ansicht, einstellungen, r, nullptr));
        } catch (const figures::Bereichsfehler&) {
            return false;
        }
    });
}

} // namespace

static cli::RenderRegistrierung ueberblick("overview", renderUeberblick);
