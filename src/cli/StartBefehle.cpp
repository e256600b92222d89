// velmora-cli render start: the start figure (the start text on black) as PNG.
#include "cli/Befehle.h"
#include "cli/Mysterium.h"
#include "cli/Offscreen.h"

#include "figures/Rahmen.h"
#include "shell/QtZeichenflaeche.h"
#include "sprache/Sprache.h"

#include <QImage>
#include <QString>

namespace {

int renderStart(const cli::Argumente& args)
{
    // With --frame: a frame of the start animation instead of the start text.
    for (const std::string& a : args)
        if (a == "--frame" || a == "--seed")
            return cli::startanimationRendern(args);
    std::string aus;
    int breite = 1280, hoehe = 800;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
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
        return cli::fehler("render start: --out FILE.png is required");
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
    "draws a figure headlessly into FILE: .png (and any other name), .bmp, .jpg (quality 90), or the vector "
    "graphics .svg and .pdf drawn by the same code (FIGURE: start; see 'render --help')",
    [](const cli::Argumente& args) -> int {
        if (args.empty() || args[0] == "--help") {
            std::string liste;
            for (const auto& [name, f] : cli::renderFiguren())
                liste += " " + name;
            std::printf("figures:%s\n", liste.c_str());
            std::printf("--out FILE: .png (and any other name), .bmp, .jpg (quality 90), .svg, .pdf\n");
            return args.empty() ? 2 : 0;
        }
        auto& figuren = cli::renderFiguren();
        auto it = figuren.find(args[0]);
        if (it == figuren.end())
            return cli::fehler("render: unknown figure '" + args[0] + "'");
        return it->second(cli::Argumente(args.begin() + 1, args.end()));
    });

static cli::RenderRegistrierung start("start", renderStart);
