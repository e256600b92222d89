// velmora-cli render start: the start figure (the start text on black), or a
// frame of the start animation.
#include "cli/Befehle.h"
#include "cli/Mysterium.h"
#include "cli/Offscreen.h"

#include "figures/Rahmen.h"
#include "shell/QtZeichenflaeche.h"
#include "sprache/Sprache.h"

#include <QImage>
#include <QString>

#include <algorithm>

namespace {

int renderStart(const cli::Argumente& args)
{
    // With --frame: a frame of the start animation instead of the start text.
    const bool hilfe = std::find(args.begin(), args.end(), "--help") != args.end();
    for (const std::string& a : args)
        if (!hilfe && (a == "--frame" || a == "--seed"))
            return cli::startanimationRendern(args);
    std::string aus;
    int breite = 1280, hoehe = 800;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help") {
            std::printf("render start [--size WxH] [--lang de|en] --out FILE\n"
                        "render start --frame N [--seed S] [--size WxH] --out FILE\n"
                        "  The start text on black, or frame N (from 1) of the start animation drawn with the\n"
                        "  random start parameters of seed S (default 1).\n"
                        "  --out FILE: %s\n",
                        cli::Formatregel);
            return 0;
        }
        if (a == "--out" && i + 1 < args.size())
            aus = args[++i];
        else if (a == "--size" && i + 1 < args.size()) {
            if (!cli::groesseLesen(args[++i], breite, hoehe))
                return cli::fehler("--size wants WxH, e.g. 1280x800");
        } else if (a == "--lang" && i + 1 < args.size()) {
            const std::string l = args[++i];
            if (l != "de" && l != "en")
                return cli::fehler("--lang wants de or en");
            sprache::setzeSprache(l == "de" ? sprache::Sprache::Deutsch : sprache::Sprache::Englisch);
        } else
            return cli::fehler("render start: unknown argument '" + a + "'");
    }
    if (aus.empty())
        return cli::fehler("render start: --out FILE is required");
    cli::OffscreenAnwendung anwendung;
    shell::QtZeichenflaeche flaeche(breite, hoehe);
    flaeche.fuellen(figures::Schwarz);
    figures::StarttextZeichnen(flaeche, 1.0);
    flaeche.flip();
    return cli::bildSchreiben(aus, flaeche.bild(), [](figures::Zeichenflaeche& z) {
        z.fuellen(figures::Schwarz);
        figures::StarttextZeichnen(z, 1.0);
        return true;
    });
}

} // namespace

namespace cli {
// Sub-commands of "render" register themselves here by figure name.
}

static cli::BefehlRegistrierung registrierung(
    "render", "render FIGURE [OPTIONS] --out FILE",
    "draws a figure headlessly into FILE, in the format of its ending: .png, .jpg or .jpeg (quality 90), .bmp "
    "(and any other name), or the vector graphics .svg and .pdf drawn by the same code (FIGURE: start; see "
    "'render --help')",
    [](const cli::Argumente& args) -> int {
        if (args.empty() || args[0] == "--help") {
            std::string liste;
            for (const auto& [name, f] : cli::renderFiguren())
                liste += " " + name;
            std::printf("figures:%s\n", liste.c_str());
            std::printf("--out FILE: %s\n", cli::Formatregel);
            return args.empty() ? 2 : 0;
        }
        auto& figuren = cli::renderFiguren();
        auto it = figuren.find(args[0]);
        if (it == figuren.end())
            return cli::fehler("render: unknown figure '" + args[0] + "'");
        return it->second(cli::Argumente(args.begin() + 1, args.end()));
    });

static cli::RenderRegistrierung start("start", renderStart);
