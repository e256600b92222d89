#include "cli/Renderlauf.h"

#include "astro/Gueltigkeit.h"
#include "cli/Rechnerkontext.h"
#include "shell/QtZeichenflaeche.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace cli {

bool ganzLesen(const std::string& text, int& wert)
{
    long long w = 0;
    if (!ganzzahlLesen(text, w) || w < -2147483647LL || w > 2147483647LL)
        return false;
    wert = static_cast<int>(w);
    return true;
}

int Optionstafel::lesen(const Argumente& args, size_t& i) const
{
    for (const Eintrag& e : eintraege_) {
        if (args[i] != e.name)
            continue;
        if (!e.mitWert)
            return e.lesen({}), 1;
        if (i + 1 >= args.size())
            return 0;
        return e.lesen(args[++i]) ? 1 : cli::fehler(e.meldung);
    }
    return 0;
}

Laufplan Schrittplan(int schritte, double bisGrenze, int schrittzahl, bool sofort)
{
    Laufplan p;
    const int grenzschritt = static_cast<int>(std::clamp(std::floor(bisGrenze), 0.0, 1e9));
    p.sofort = sofort;
    p.grenzeErreicht = sofort ? schritte > std::round(bisGrenze) : schritte - 1 > std::min(grenzschritt, schrittzahl);
    p.letzter = sofort ? 0 : std::min({schritte - 1, schrittzahl, grenzschritt});
    if (sofort)
        p.start.schritt = schrittzahl;
    return p;
}

Renderlauf::Renderlauf(std::string figur, const char* aufruf, std::string jedesOption)
    : figur_(std::move(figur)), befehl_("render " + figur_), jedesOption_(std::move(jedesOption)), aufruf_(aufruf)
{
}

int Renderlauf::fehler(const std::string& text) const { return cli::fehler(befehl_ + ": " + text); }

int Renderlauf::lesen(const Argumente& args, figures::Tierkreisart& tierkreis, int& sterne, int& bahnpunkte)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (const int b = bildoptionLesen(args, i, zoom, tierkreis, sterne, bahnpunkte); b != 0) {
            if (b < 0)
                return 2;
            continue;
        }
        if (const int b = rahmenoptionLesen(args, i, o); b != 0) {
            if (b < 0)
                return 2;
            continue;
        }
        if (a == "--help") {
            std::printf("%s\n", aufruf_);
            return 0;
        }
        if (a == jedesOption_ && i + 1 < args.size()) {
            if (!ganzLesen(args[++i], jedes_) || jedes_ < 1)
                return cli::fehler(jedesOption_ + " wants a whole number of at least 1");
            continue;
        }
        const int b = eigene.lesen(args, i);
        if (b == 0)
            return fehler("unknown or incomplete argument '" + a + "'");
        if (b != 1)
            return b;
    }
    if (o.aus.empty())
        return fehler("--out FILE.png is required");
    return Weiter;
}

void Renderlauf::ereignisoptionen(double& starttag, figures::Ereignislauf& lauf, figures::Figurrahmen& r,
                                  int& mittelpunkte)
{
    using M = figures::Mittelpunktmodus;
    eigene.zahl("--from", starttag, "--from wants a day number, e.g. 0 or -1234.5");
    eigene.wert(
        "--kept",
        [&lauf](const std::string& w) {
            lauf.drehung = true;
            return ganzLesen(w, lauf.figurenAnzahl) && lauf.figurenAnzahl >= 1 && lauf.figurenAnzahl <= 1000;
        },
        "--kept wants a whole number 1..1000");
    eigene.schalter("--immediate", lauf.sofort);
    eigene.wahl("--points-mode", r.mittelpunktmodus,
                {{"points", M::Punkte}, {"polyline", M::Linienzug}, {"both", M::LinieUndPunkte}},
                "--points-mode wants points, polyline or both");
    eigene.schalter("--midpoints", mittelpunkte, 0);
    eigene.schalter("--centres-of-gravity", mittelpunkte, 1);
}

int Renderlauf::rendern(const Renderfigur& f)
{
    auto rechner = rechnerFuer(o.hoch, f.koerper);
    if (!rechner)
        return fehler(statusText(rechner.status()));
    for (int k : f.koerper)
        if (!rechner->verfuegbar(k, o.hoch))
            return fehler("no position route for body " + std::to_string(k) +
                          (o.hoch ? " at high accuracy" : " at normal accuracy (try --high)"));
    astro::Rechenoptionen genau;
    genau.HoheGenauigkeit = o.hoch;
    genau.MitPraezession = o.praezession;
    // The limit of the bodies as the window's run has it, the start brought
    // inside it.
    const double grenze = laufgrenze(f.koerper, o.hoch, f.mond, f.aeussere).tage;
    *f.grenze = grenze;
    *f.starttag = astro::StartzeitBegrenzen(*f.starttag, grenze);

    OffscreenAnwendung anwendung;
    if (!o.bilderOrdner.empty() && !QDir().mkpath(QString::fromStdString(o.bilderOrdner)))
        return cli::fehler("cannot create '" + o.bilderOrdner + "'");
    shell::QtZeichenflaeche flaeche(o.breite, o.hoehe);
    ansicht.GroesseSetzen(o.breite, o.hoehe);
    ansicht.WinkelSetzenGrad(o.rot[0], o.rot[1], o.rot[2]);
    ansicht.Zoom = zoom;
    astro::Zeilenspeicher speicher;
    astro::Datenausgabe daten;
    daten.zielSetzen(&speicher);
    astro::Datenausgabe* const zeilen = o.zeilen ? &daten : nullptr;
    // Every jedes_-th frame into the frames folder, numbered as `nummer`.
    const auto ablegen = [&](int nummer) {
        char name[40];
        std::snprintf(name, sizeof name, "/%s_%05d.png", figur_.c_str(), nummer);
        if (flaeche.bild().save(QString::fromStdString(o.bilderOrdner + name), "PNG"))
            return true;
        cli::fehler("cannot write '" + o.bilderOrdner + name + "'");
        return false;
    };
    const bool bilder = !o.bilderOrdner.empty();

    figures::Ereigniszaehler c; // the counters after the last frame
    try {
        astro::Rechenoptionen normal = genau;
        normal.HoheGenauigkeit = false;
        astro::Status s =
            f.vorbereiten(figures::PositionsfunktionAus(*rechner, genau),
                          o.hoch ? figures::PositionsfunktionAus(*rechner, normal) : figures::Positionsfunktion{});
        if (!s)
            return fehler(statusText(s));
        if (zeilen)
            daten.Beschriftung(f.kopfangaben(sprache::aktuelleSprache()));
        Laufplan p = f.planen();
        c = p.start;
        if (p.ereignisse < 0) {
            for (int n = 0; n <= p.letzter && s; ++n) {
                if (!p.sofort)
                    c.schritt = std::max(c.schritt, n);
                const bool bild = n == p.letzter || (bilder && n % jedes_ == 0);
                const bool springt = !p.sofort && p.springt && p.springt(c);
                if (f.bahnenErneuern)
                    s = f.bahnenErneuern(n);
                if (s)
                    s = f.schritt(c, (bild || springt) ? &flaeche : nullptr, zeilen, false);
                if (s && bild && bilder && !ablegen(n))
                    return 2;
                // The frame's jump to the next event skips its steps.
                if (c.schritt > n)
                    n = c.schritt;
            }
        } else {
            long long schritte = 0;
            int nummer = 0;
            while (s && !p.sofort && c.konjIndex < p.ereignisse && schritte < 20000000) {
                // As the window's end test: no step beyond the limit.
                if (!(p.starttag + c.schritt * p.schrittweite <= grenze)) {
                    p.grenzeErreicht = true;
                    break;
                }
                const bool bild = bilder && schritte % jedes_ == 0;
                if (f.bahnenErneuern)
                    s = f.bahnenErneuern(c.schritt);
                if (s)
                    s = f.schritt(c, bild ? &flaeche : nullptr, zeilen, false);
                if (s && bild && !ablegen(nummer++))
                    return 2;
                ++c.schritt;
                ++schritte;
            }
            if (s) {
                // The last frame once more: from its step before the jump to
                // the next event, if it made one, so that no further event
                // passes.
                c.schritt = std::max(c.schritt - 1 - c.rueckschritte, 0);
                s = f.schritt(c, &flaeche, p.sofort ? zeilen : nullptr, false);
            }
        }
        if (!s)
            return fehler(statusText(s));
        if (p.grenzeErreicht)
            grenzeMelden(befehl_, grenze);
    } catch (const figures::Bereichsfehler&) {
        return fehler("the figure does not fit the pixel range (zoom too large?)");
    }
    flaeche.flip();
    // The vector formats draw the last frame once more with the counters it
    // left and without rows: from the step before the clock's jump to the
    // next event, if the frame made one, so that it makes the same jump and
    // passes nothing anew.
    return zeilenUndBild(speicher.zeilen, o.aus, flaeche.bild(), [&](figures::Zeichenflaeche& z) {
        figures::Ereigniszaehler nochmals = c;
        nochmals.schritt -= nochmals.rueckschritte;
        try {
            return static_cast<bool>(f.schritt(nochmals, &z, nullptr, true));
        } catch (const figures::Bereichsfehler&) {
            return false;
        }
    });
}

} // namespace cli
