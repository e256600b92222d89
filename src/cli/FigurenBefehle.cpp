// velmora-cli render orbits: the Sun-centred orbits of chosen bodies with
// their discs at one day, drawn by the program's own drawing code into a PNG.
#include "cli/Befehle.h"
#include "cli/Offscreen.h"
#include "cli/Rechnerkontext.h"

#include "figures/Bahnenbild.h"
#include "shell/QtZeichenflaeche.h"
#include "sprache/Sprache.h"

#include <QImage>
#include <QString>

#include <sstream>

namespace {

bool listeLesen(const std::string& text, std::vector<double>& werte)
{
    werte.clear();
    std::stringstream ss(text);
    std::string teil;
    while (std::getline(ss, teil, ',')) {
        double w = 0;
        if (!cli::zahlLesen(teil, w))
            return false;
        werte.push_back(w);
    }
    return !werte.empty() && text.back() != ',';
}

const char* const Aufruf =
    "render orbits --bodies 1,2,3,4,5,6 [--day D] [--size WxH] [--rot X,Y,Z] [--zoom Z]\n"
    "        [--zodiac signs|constellations] [--stars 0|1|2] [--legend] [--scale] [--sun] [--centre]\n"
    "        [--coloured] [--points 1|2|4|8] [--high] [--precession] [--lang de|en] --out FILE";

int renderBahnen(const cli::Argumente& args)
{
    figures::Bahnenbildoptionen o;
    std::string aus;
    int breite = 1280, hoehe = 800;
    double rot[3] = {0, 0, 0};
    double zoom = 1.0;
    bool hoch = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hatWert = i + 1 < args.size();
        if (const int b = cli::bildoptionLesen(args, i, zoom, o.tierkreis, o.sterne, o.bahnpunkteFaktor); b != 0) {
            if (b < 0)
                return 2;
            continue;
        }
        std::vector<double> liste;
        if (a == "--help") {
            std::printf("%s\n", Aufruf);
            return 0;
        } else if (a == "--out" && hatWert) {
            aus = args[++i];
        } else if (a == "--bodies" && hatWert) {
            if (!listeLesen(args[++i], liste))
                return cli::fehler("--bodies wants body numbers 1..21 separated by commas");
            for (double k : liste) {
                if (k != static_cast<int>(k) || k < 1 || k > 21)
                    return cli::fehler("--bodies: " + cli::zahlText(k) + " is no body number 1..21");
                o.koerper.push_back(static_cast<int>(k));
            }
        } else if (a == "--day" && hatWert) {
            if (!cli::zahlLesen(args[++i], o.tag))
                return cli::fehler("--day wants a day number, e.g. 0 or -1234.5");
        } else if (a == "--size" && hatWert) {
            if (!cli::groesseLesen(args[++i], breite, hoehe))
                return cli::fehler("--size wants WxH, e.g. 1280x800");
        } else if (a == "--rot" && hatWert) {
            if (!listeLesen(args[++i], liste) || liste.size() != 3)
                return cli::fehler("--rot wants three angles in degrees, e.g. 60,30,0");
            for (int k = 0; k < 3; ++k) {
                if (liste[static_cast<size_t>(k)] < -180 || liste[static_cast<size_t>(k)] > 180)
                    return cli::fehler("--rot: angles lie between -180 and 180 degrees");
                rot[k] = liste[static_cast<size_t>(k)];
            }
        } else if (a == "--legend") {
            o.legende = true;
        } else if (a == "--scale") {
            o.massstab = true;
        } else if (a == "--sun") {
            o.sonne = true;
        } else if (a == "--centre") {
            o.zentrumMarkieren = true;
        } else if (a == "--coloured") {
            o.farbig = true;
        } else if (a == "--high") {
            hoch = true;
        } else if (a == "--precession") {
            o.mitPraezession = true;
        } else {
            return cli::fehler("render orbits: unknown or incomplete argument '" + a + "'");
        }
    }
    if (aus.empty())
        return cli::fehler("render orbits: --out FILE.png is required");
    if (o.koerper.empty())
        return cli::fehler("render orbits: --bodies is required");

    auto rechner = cli::rechnerFuer(hoch, o.koerper);
    if (!rechner)
        return cli::fehler("render orbits: " + cli::statusText(rechner.status()));
    for (int k : o.koerper)
        if (!rechner->verfuegbar(k, hoch))
            return cli::fehler("render orbits: no position route for body " + std::to_string(k) +
                               (hoch ? " at high accuracy" : " at normal accuracy (try --high)"));
    astro::Rechenoptionen optionen;
    optionen.HoheGenauigkeit = hoch;
    optionen.MitPraezession = o.mitPraezession;

    cli::OffscreenAnwendung anwendung;
    shell::QtZeichenflaeche flaeche(breite, hoehe);
    figures::Ansicht ansicht;
    ansicht.GroesseSetzen(breite, hoehe);
    ansicht.WinkelSetzenGrad(rot[0], rot[1], rot[2]);
    ansicht.Zoom = zoom;
    const figures::Einstellungssatz einstellungen;

    figures::Bahnenbild bild;
    try {
        astro::Status s = bild.vorbereiten(o, ansicht, figures::PositionsfunktionAus(*rechner, optionen));
        if (s)
            s = bild.zeichnen(flaeche, ansicht, einstellungen);
        if (!s)
            return cli::fehler("render orbits: " + cli::statusText(s));
    } catch (const figures::Bereichsfehler&) {
        return cli::fehler("render orbits: the figure does not fit the pixel range (zoom too large?)");
    }
    flaeche.flip();
    return cli::bildSchreiben(aus, flaeche.bild(), [&](figures::Zeichenflaeche& z) {
        return static_cast<bool>(bild.zeichnen(z, ansicht, einstellungen));
    });
}

} // namespace

static cli::RenderRegistrierung bahnen("orbits", renderBahnen);
