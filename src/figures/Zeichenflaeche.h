#pragma once
// Zeichenflaeche: the canvas every drawing routine of the program uses.
//
// Coordinates are pixels of the drawing surface, y downwards. Colours are
// 0x00BBGGRR. The surface has a back buffer: everything is drawn into it and
// becomes visible with flip(). Two implementations exist: a QPainter on a
// QImage (src/shell/QtZeichenflaeche) and a recording one for tests
// (Aufzeichnungsflaeche).

#include "figures/Farbe.h"

#include <string>
#include <vector>

namespace figures {

struct Punkt {
    int x = 0;
    int y = 0;
    bool operator==(const Punkt&) const = default;
};

enum class Stiftstil { Durchgezogen, Gestrichelt, Gepunktet, StrichPunkt, StrichPunktPunkt, Keiner };
enum class Pinselstil { Voll, Keiner };

struct Schrift {
    std::string name = "Sans";   // "MS Sans Serif" and "Arial" map to the system's sans font
    int groesse = 8;             // points
    Farbe farbe = 0;
    bool fett = false;
    bool operator==(const Schrift&) const = default;
};

// The drawing surface reports a lost surface by throwing this; the main loop
// catches exactly this and treats it as one lost frame.
struct FlaecheVerloren {};

class Zeichenflaeche {
public:
    virtual ~Zeichenflaeche() = default;

    virtual int breite() const = 0;
    virtual int hoehe() const = 0;

    // Fill the whole back buffer with one colour.
    virtual void fuellen(Farbe farbe) = 0;
    // Present the back buffer.
    virtual void flip() = 0;

    virtual void stift(Farbe farbe, int breite = 1, Stiftstil stil = Stiftstil::Durchgezogen) = 0;
    virtual void pinsel(Farbe farbe, Pinselstil stil = Pinselstil::Voll) = 0;

    virtual void bewegeZu(int x, int y) = 0;
    virtual void linieZu(int x, int y) = 0;
    // Ellipse inside the rectangle (x1, y1)..(x2, y2), outlined with the pen
    // and filled with the brush; the right and bottom edges are exclusive.
    virtual void ellipse(int x1, int y1, int x2, int y2) = 0;
    virtual void polygon(const std::vector<Punkt>& punkte) = 0;
    virtual void polylinie(const std::vector<Punkt>& punkte) = 0;
    // Many separate lines with the current pen: from punkte[2k] to
    // punkte[2k + 1]. Figures of tens of thousands of link lines draw
    // through this; the default draws them one by one.
    virtual void linien(const std::vector<Punkt>& punkte)
    {
        for (size_t k = 0; k + 1 < punkte.size(); k += 2) {
            bewegeZu(punkte[k].x, punkte[k].y);
            linieZu(punkte[k + 1].x, punkte[k + 1].y);
        }
    }

    // --- The cache of a figure that only grows ---
    // A surface with a cache keeps what a figure has drawn so far, so that a
    // frame with the view unchanged only adds its newest step. Drawing into
    // the cache keeps the order of layers: a pixel of layer k never covers
    // a pixel that a higher layer drew before, so adding to a lower layer
    // later gives the same pixels as drawing every layer again in order.
    // For opaque pens and brushes without antialiasing (what figures use).
    virtual bool zwischenspeicherMoeglich() const { return false; }
    // The cache starts as a copy of the back buffer (background drawn);
    // what is drawn next goes into it.
    virtual void zwischenspeicherNeu() {}
    // What is drawn next goes into the cache again, to add to it.
    virtual void zwischenspeicherFortsetzen() {}
    // The layer of what is drawn next into the cache, 1 .. 255.
    virtual void ebene(int nr) { (void)nr; }
    // Drawing goes to the back buffer again, which becomes a copy of the
    // cache.
    virtual void zwischenspeicherZeigen() {}

    virtual void schrift(const Schrift& s) = 0;
    // Text with its top-left corner at (x, y); the background is the brush
    // when it is solid, transparent otherwise.
    virtual void textAus(int x, int y, const std::string& text) = 0;
    virtual int textBreite(const std::string& text) = 0;
    virtual int textHoehe(const std::string& text) = 0;

    // Draw picture number `bild` (star backgrounds 0..2) with its top-left
    // corner at (x, y); black pixels of the picture are transparent.
    virtual void bildZeichnen(int bild, int x, int y) = 0;
    virtual int bildBreite(int bild) const = 0;
    virtual int bildHoehe(int bild) const = 0;
};

} // namespace figures
