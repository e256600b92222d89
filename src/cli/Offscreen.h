#pragma once
// Shared pieces of the rendering sub-commands: a Qt application on the
// offscreen platform (no display needed), the figure registry of "render",
// and a WxH parser.

#include "cli/Befehle.h"
#include "figures/Hintergrund.h"
#include "output/Bilddatei.h"

#include <QGuiApplication>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace cli {

class OffscreenAnwendung {
public:
    OffscreenAnwendung();
    ~OffscreenAnwendung();

private:
    std::unique_ptr<QGuiApplication> app_;
};

// "render FIGURE ...": each figure registers its renderer by name.
std::map<std::string, Befehlsfunktion>& renderFiguren();
struct RenderRegistrierung {
    RenderRegistrierung(const std::string& name, Befehlsfunktion f) { renderFiguren()[name] = std::move(f); }
};

// The picture options every render command takes: --zoom, --zodiac, --stars,
// --points, --lang. Reads the option at args[i] (advancing i past its value)
// and returns 1; returns 0 when args[i] is none of them; prints the error and
// returns -1 when its value is wrong.
int bildoptionLesen(const Argumente& args, size_t& i, double& zoom, figures::Tierkreisart& tierkreis, int& sterne,
                    int& bahnpunkteFaktor);

bool groesseLesen(const std::string& text, int& breite, int& hoehe);

// The options of the figure renders beside the picture options: --out FILE,
// --frames DIR, --size WxH, --rot X,Y,Z (degrees, -180 .. 180), --legend,
// --scale, --au, --sun, --mark, --high, --precession, --rows. Reads and
// returns like bildoptionLesen.
struct Rahmenoptionen {
    std::string aus, bilderOrdner;
    int breite = 1280, hoehe = 800;
    double rot[3] = {0, 0, 0};
    bool legende = false, massstab = false, astronomischeEinheiten = false, sonne = false, markieren = false;
    bool hoch = false, praezession = false, zeilen = false;
};
int rahmenoptionLesen(const Argumente& args, size_t& i, Rahmenoptionen& o);

// The tail switches of those options into a figure's frame record.
template <class Rahmen> void tailSetzen(const Rahmenoptionen& o, Rahmen& r)
{
    r.legende = o.legende;
    r.massstab = o.massstab;
    r.astronomischeEinheiten = o.astronomischeEinheiten;
    r.sonneZentrum = o.sonne;
    r.zentrumMarkieren = o.markieren;
}

// The end of a figure render: the data rows to stdout, then the picture
// (bildSchreiben).
int zeilenUndBild(const std::vector<std::string>& zeilen, const std::string& aus, const QImage& bild,
                  const output::Vektorzeichnung& nachzeichnen);

// Writes the picture of a render command in the format the window's "Bild
// speichern" takes for the name `aus` (output::FormatBeimSpeichern):
// ".png", ".jpg" or ".jpeg" (quality 90) and ".bmp" (also ".dib" and any
// other name) from `bild`, the surface as drawn; ".svg" and ".pdf" drawn
// once more by
// `nachzeichnen` (the figure's last frame, without rows) onto a vector
// canvas of the surface's size. Returns the exit code; errors are printed.
int bildSchreiben(const std::string& aus, const QImage& bild, const output::Vektorzeichnung& nachzeichnen);
// That rule in the words of the --help texts.
inline constexpr const char* Formatregel =
    "the ending chooses the format (any case): .png; .jpg or .jpeg (JPEG, quality 90); .svg or .pdf "
    "(vector graphics drawn by the same code); .bmp, .dib and every other ending or none: BMP under that name";

} // namespace cli
