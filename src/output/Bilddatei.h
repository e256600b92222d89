#pragma once
// The picture of the drawing surface as a file: the part of the surface the
// picture keeps, the format a file name asks for, and writing, through a
// temporary file that replaces the target only when everything was written,
// so that a failed write (no space, no permission) leaves no half-written
// file behind and an older file of that name untouched.
//
// Raster pictures come from the back buffer the window shows; vector
// pictures are drawn again by the figure's own drawing code onto a
// Vektorflaeche.

#include "figures/Zeichenflaeche.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>

namespace output {

enum class Bildformat { Bmp, Jpeg, Png, Svg, Pdf };

constexpr int JpegQualitaet = 90;

// The format an extension names (".bmp", ".dib", ".jpg", ".jpeg", ".png",
// ".svg", ".pdf", in any case); none for any other name.
std::optional<Bildformat> FormatDerEndung(const QString& name);
// The format of a picture written under `name`, in the window ("Bild
// speichern") and in velmora-cli alike: ".jpg" and ".jpeg" in any case are
// JPEG (a file whose content contradicts its name trips other programs up),
// ".png", ".svg" and ".pdf" are those formats; every other name (".dib" and
// none included) is a BMP file under that name.
Bildformat FormatBeimSpeichern(const QString& name);
// A name without an extension gets ".bmp".
QString MitStandardendung(const QString& name);
bool IstVektorformat(Bildformat f);

// The part of a surface of breite x hoehe pixels that "Bild speichern" and
// "Drucken ..." keep: the columns from round(0.16 breite) to breite (the
// control panel normally stands over the left ones), every row.
QRect Bildausschnitt(int breite, int hoehe);
// That part of the picture shown; inverted (black becomes white) on request.
QImage BildAufnehmen(const QImage& gezeigt, bool invertiert);

struct Schreibergebnis {
    bool ok = false;
    QString grund; // why it failed (the system's words)
    explicit operator bool() const { return ok; }
};

// BMP, JPEG (quality 90, optimised coding) or PNG.
Schreibergebnis RasterSchreiben(const QImage& bild, const QString& name, Bildformat format);

// Draws the picture onto the canvas it is given; false when it could not
// (the file is then not written).
using Vektorzeichnung = std::function<bool(figures::Zeichenflaeche&)>;
// SVG or PDF of a surface of `groesse` pixels.
Schreibergebnis VektorSchreiben(const QString& name, Bildformat format, QSize groesse, const Vektorzeichnung& zeichnen);

} // namespace output
