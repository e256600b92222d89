#pragma once
// The real canvas: a QPainter on a QImage back buffer. The main window shows
// the buffer on flip(); velmora-cli saves it as PNG.

#include "figures/Zeichenflaeche.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>

#include <functional>
#include <memory>
#include <vector>

namespace shell {

QColor zuQColor(figures::Farbe f);

class QtZeichenflaeche : public figures::Zeichenflaeche {
public:
    explicit QtZeichenflaeche(int breite = 1, int hoehe = 1);
    ~QtZeichenflaeche() override;

    // Resizes the back buffer (content is lost; the next frame redraws it).
    void setzeGroesse(int breite, int hoehe);
    const QImage& bild() const { return bild_; }
    // Called by flip() with the finished back buffer (the window repaints).
    void beimFlip(std::function<void(const QImage&)> f) { beimFlip_ = std::move(f); }
    void setzeKantenglaettung(bool an) { kantenglaettung_ = an; }

    int breite() const override { return bild_.width(); }
    int hoehe() const override { return bild_.height(); }
    void fuellen(figures::Farbe farbe) override;
    void flip() override;
    void stift(figures::Farbe farbe, int breite, figures::Stiftstil stil) override;
    void pinsel(figures::Farbe farbe, figures::Pinselstil stil) override;
    void bewegeZu(int x, int y) override;
    void linieZu(int x, int y) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void polygon(const std::vector<figures::Punkt>& punkte) override;
    void polylinie(const std::vector<figures::Punkt>& punkte) override;
    // Width-1 solid opaque pens (without antialiasing) are rasterised straight
    // into the back buffer, clipped to it; other pens go through QPainter.
    void linien(const std::vector<figures::Punkt>& punkte) override;
    // The cache of a growing figure: a copy of the back buffer and, per
    // pixel, the layer on top; QPainter's primitives reach it through a
    // transparent scratch image merged by the layer rule.
    bool zwischenspeicherMoeglich() const override { return true; }
    void zwischenspeicherNeu() override;
    void zwischenspeicherFortsetzen() override;
    void ebene(int nr) override;
    void zwischenspeicherZeigen() override;

    void schrift(const figures::Schrift& s) override;
    void textAus(int x, int y, const std::string& text) override;
    int textBreite(const std::string& text) override;
    int textHoehe(const std::string& text) override;
    void bildZeichnen(int bild, int x, int y) override;
    int bildBreite(int bild) const override;
    int bildHoehe(int bild) const override;

    // The font family used for "MS Sans Serif"/"Arial" requests and for the
    // zodiac glyphs.
    static QString sansFamilie();
    static QString symbolFamilie();
    // The canvas's pen, font and star pictures as Qt objects, for other
    // canvases that must look the same (a width of 1 is the cosmetic
    // one-pixel pen; black pixels of a star picture are transparent).
    static QPen stiftAus(figures::Farbe farbe, int breite, figures::Stiftstil stil);
    static QFont schriftAus(const figures::Schrift& s);
    static const QImage* sternbild(int nr);

private:
    QPainter& maler();
    void malerBeenden();
    // Into the scratch image of the cache: the painter, with the region the
    // next primitive may touch.
    QPainter& skizzenMaler(const QRect& bereich);
    void skizzeUebernehmen();
    QRect stiftRahmen(const QRect& r) const;
    // A small disc through a stamp drawn once by QPainter; false: not one.
    bool stempelZeichnen(const QRect& r);

    QImage bild_;
    std::unique_ptr<QPainter> maler_;
    QPen stift_;
    QBrush pinsel_;
    QFont schrift_;
    QColor schriftFarbe_;
    QPoint position_;
    bool kantenglaettung_ = false;
    QImage cache_;                  // RGB32, the size of the back buffer (null: none)
    std::vector<uint8_t> karte_;    // per pixel of the cache: the layer on top, 0 the background
    QImage skizze_;                 // ARGB32 premultiplied, transparent outside skizzeRect_
    std::unique_ptr<QPainter> skizzenMaler_;
    QRect skizzeRect_;
    bool imCache_ = false;
    uint8_t ebene_ = 1;
    uint8_t hoechsteEbene_ = 0;     // the highest layer drawn since the cache started
    struct Stempelschluessel {
        int breite = 0, hoehe = 0;
        uint32_t stift = 0;
        int stiftbreite = 0;        // -1: no pen
        uint32_t pinsel = 0;
        bool ohnePinsel = false;
        bool operator==(const Stempelschluessel&) const = default;
    };
    struct Stempel {
        Stempelschluessel schluessel;
        int rand = 0;               // margin around the disc's rectangle
        QImage bild;                // ARGB32 premultiplied, transparent outside the disc
    };
    std::vector<Stempel> stempel_;  // the last few stamps
    std::function<void(const QImage&)> beimFlip_;
};

} // namespace shell
