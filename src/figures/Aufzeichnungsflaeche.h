#pragma once
// A Zeichenflaeche that records every primitive in order instead of drawing,
// so tests can assert what was drawn where, with which pen, in which order.

#include "figures/Zeichenflaeche.h"

#include <string>
#include <vector>

namespace figures {

struct Aufzeichnung {
    enum class Art { Fuellen, Flip, Linie, Ellipse, Polygon, Polylinie, Text, Bild };
    Art art;
    Farbe stiftFarbe = 0;
    int stiftBreite = 1;
    Stiftstil stiftStil = Stiftstil::Durchgezogen;
    Farbe pinselFarbe = 0;
    Pinselstil pinselStil = Pinselstil::Voll;
    Schrift schrift;
    std::vector<Punkt> punkte;   // line: from, to; ellipse: two corners; text/picture: position
    std::string text;            // text out
    int wert = 0;                // fill: colour; picture: picture number
};

class Aufzeichnungsflaeche : public Zeichenflaeche {
public:
    Aufzeichnungsflaeche(int breite = 800, int hoehe = 600) : breite_(breite), hoehe_(hoehe) {}

    int breite() const override { return breite_; }
    int hoehe() const override { return hoehe_; }
    void setzeGroesse(int b, int h) { breite_ = b; hoehe_ = h; }

    void fuellen(Farbe farbe) override;
    void flip() override;
    void stift(Farbe farbe, int breite, Stiftstil stil) override;
    void pinsel(Farbe farbe, Pinselstil stil) override;
    void bewegeZu(int x, int y) override;
    void linieZu(int x, int y) override;
    void ellipse(int x1, int y1, int x2, int y2) override;
    void polygon(const std::vector<Punkt>& punkte) override;
    void polylinie(const std::vector<Punkt>& punkte) override;
    void schrift(const Schrift& s) override;
    void textAus(int x, int y, const std::string& text) override;
    // Text metrics of a fixed-pitch model font: width = 0.6 x size x chars,
    // height = size x 1.5 (in pixels, rounded), good enough for layout tests.
    int textBreite(const std::string& text) override;
    int textHoehe(const std::string& text) override;
    void bildZeichnen(int bild, int x, int y) override;
    int bildBreite(int bild) const override;
    int bildHoehe(int bild) const override;

    const std::vector<Aufzeichnung>& eintraege() const { return eintraege_; }
    std::vector<Aufzeichnung> nurArt(Aufzeichnung::Art art) const;
    int anzahl(Aufzeichnung::Art art) const;
    int flips() const { return anzahl(Aufzeichnung::Art::Flip); }
    void leeren() { eintraege_.clear(); }

    // When set, the next drawing call throws FlaecheVerloren once.
    void verlierBeimNaechstenZeichnen() { verlieren_ = true; }

private:
    Aufzeichnung neu(Aufzeichnung::Art art) const;
    void pruefeVerlust();

    int breite_, hoehe_;
    Farbe stiftFarbe_ = 0;
    int stiftBreite_ = 1;
    Stiftstil stiftStil_ = Stiftstil::Durchgezogen;
    Farbe pinselFarbe_ = Weiss;
    Pinselstil pinselStil_ = Pinselstil::Voll;
    Schrift schrift_;
    Punkt position_;
    bool verlieren_ = false;
    std::vector<Aufzeichnung> eintraege_;
};

} // namespace figures
