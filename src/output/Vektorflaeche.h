#pragma once
// A canvas of vector graphics: the figure's own drawing code paints through
// it onto an SVG generator or a PDF writer, with the pens, brushes, fonts and
// star pictures of the window's canvas. One unit of the device is one pixel
// of the surface it stands for; lines run through the pixel centres, as the
// window's canvas sets its pixels, and a one-pixel pen is one unit wide (a
// hairline would vanish on paper). It has no cache, so a figure that grows
// draws all of itself.

#include "figures/Zeichenflaeche.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>

class QPaintDevice;

namespace output {

// The resolution the window's canvas measures its fonts at (dots per inch):
// a vector device set to it gives text the size it has on the screen.
int Bezugsaufloesung();

class Vektorflaeche : public figures::Zeichenflaeche {
public:
    // Begins painting on `geraet`, which stands for a surface of breite x
    // hoehe pixels (its resolution is Bezugsaufloesung()).
    Vektorflaeche(QPaintDevice* geraet, int breite, int hoehe);
    ~Vektorflaeche() override;

    bool aktiv() const { return maler_.isActive(); }
    // Ends the painting; false when the device could not be written.
    bool beenden();

    int breite() const override { return breite_; }
    int hoehe() const override { return hoehe_; }
    void fuellen(figures::Farbe farbe) override;
    void flip() override {}
    void stift(figures::Farbe farbe, int breite, figures::Stiftstil stil) override;
    void pinsel(figures::Farbe farbe, figures::Pinselstil stil) override;
    void bewegeZu(int x, int y) override;
    void linieZu(int x, int y) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void polygon(const std::vector<figures::Punkt>& punkte) override;
    void polylinie(const std::vector<figures::Punkt>& punkte) override;
    // All lines of one call as one path: a rosette of 50000 link lines is
    // one element of the file, not 50000.
    void linien(const std::vector<figures::Punkt>& punkte) override;
    void schrift(const figures::Schrift& s) override;
    void textAus(int x, int y, const std::string& text) override;
    int textBreite(const std::string& text) override;
    int textHoehe(const std::string& text) override;
    void bildZeichnen(int bild, int x, int y) override;
    int bildBreite(int bild) const override;
    int bildHoehe(int bild) const override;

private:
    void werkzeuge();

    QPainter maler_;
    QImage masse_; // measures text as the window's canvas does
    QPen stift_;
    QBrush pinsel_;
    QFont schrift_;
    QColor schriftFarbe_;
    QPoint position_;
    int breite_;
    int hoehe_;
};

} // namespace output
