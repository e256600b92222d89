#include "figures/Aufzeichnungsflaeche.h"

#include <algorithm>
#include <cmath>

namespace figures {

Aufzeichnung Aufzeichnungsflaeche::neu(Aufzeichnung::Art art) const
{
    Aufzeichnung a;
    a.art = art;
    a.stiftFarbe = stiftFarbe_;
    a.stiftBreite = stiftBreite_;
    a.stiftStil = stiftStil_;
    a.pinselFarbe = pinselFarbe_;
    a.pinselStil = pinselStil_;
    a.schrift = schrift_;
    return a;
}

void Aufzeichnungsflaeche::pruefeVerlust()
{
    if (verlieren_) {
        verlieren_ = false;
        throw FlaecheVerloren{};
    }
}

void Aufzeichnungsflaeche::fuellen(Farbe farbe)
{
    pruefeVerlust();
    auto a = neu(Aufzeichnung::Art::Fuellen);
    a.wert = static_cast<int>(farbe);
    eintraege_.push_back(std::move(a));
}

void Aufzeichnungsflaeche::flip() { eintraege_.push_back(neu(Aufzeichnung::Art::Flip)); }

void Aufzeichnungsflaeche::stift(Farbe farbe, int breite, Stiftstil stil)
{
    stiftFarbe_ = farbe;
    stiftBreite_ = breite;
    stiftStil_ = stil;
}

void Aufzeichnungsflaeche::pinsel(Farbe farbe, Pinselstil stil)
{
    pinselFarbe_ = farbe;
    pinselStil_ = stil;
}

void Aufzeichnungsflaeche::bewegeZu(int x, int y) { position_ = {x, y}; }

void Aufzeichnungsflaeche::linieZu(int x, int y)
{
    pruefeVerlust();
    auto a = neu(Aufzeichnung::Art::Linie);
    a.punkte = {position_, {x, y}};
    eintraege_.push_back(std::move(a));
    position_ = {x, y};
}

void Aufzeichnungsflaeche::ellipse(int x1, int y1, int x2, int y2)
{
    pruefeVerlust();
    auto a = neu(Aufzeichnung::Art::Ellipse);
    a.punkte = {{x1, y1}, {x2, y2}};
    eintraege_.push_back(std::move(a));
}

void Aufzeichnungsflaeche::polygon(const std::vector<Punkt>& punkte)
{
    pruefeVerlust();
    auto a = neu(Aufzeichnung::Art::Polygon);
    a.punkte = punkte;
    eintraege_.push_back(std::move(a));
}

void Aufzeichnungsflaeche::polylinie(const std::vector<Punkt>& punkte)
{
    pruefeVerlust();
    auto a = neu(Aufzeichnung::Art::Polylinie);
    a.punkte = punkte;
    eintraege_.push_back(std::move(a));
}

void Aufzeichnungsflaeche::schrift(const Schrift& s) { schrift_ = s; }

void Aufzeichnungsflaeche::textAus(int x, int y, const std::string& text)
{
    pruefeVerlust();
    auto a = neu(Aufzeichnung::Art::Text);
    a.punkte = {{x, y}};
    a.text = text;
    eintraege_.push_back(std::move(a));
}

int Aufzeichnungsflaeche::textBreite(const std::string& text)
{
    return static_cast<int>(std::lround(0.6 * schrift_.groesse * static_cast<double>(text.size())));
}

int Aufzeichnungsflaeche::textHoehe(const std::string&)
{
    return static_cast<int>(std::lround(1.5 * schrift_.groesse));
}

void Aufzeichnungsflaeche::bildZeichnen(int bild, int x, int y)
{
    pruefeVerlust();
    auto a = neu(Aufzeichnung::Art::Bild);
    a.punkte = {{x, y}};
    a.wert = bild;
    eintraege_.push_back(std::move(a));
}

int Aufzeichnungsflaeche::bildBreite(int bild) const
{
    static const int b[] = {200, 304, 326};
    return bild >= 0 && bild < 3 ? b[bild] : 0;
}

int Aufzeichnungsflaeche::bildHoehe(int bild) const
{
    static const int h[] = {100, 234, 271};
    return bild >= 0 && bild < 3 ? h[bild] : 0;
}

std::vector<Aufzeichnung> Aufzeichnungsflaeche::nurArt(Aufzeichnung::Art art) const
{
    std::vector<Aufzeichnung> r;
    std::copy_if(eintraege_.begin(), eintraege_.end(), std::back_inserter(r),
                 [art](const Aufzeichnung& a) { return a.art == art; });
    return r;
}

int Aufzeichnungsflaeche::anzahl(Aufzeichnung::Art art) const
{
    return static_cast<int>(std::count_if(eintraege_.begin(), eintraege_.end(),
                                          [art](const Aufzeichnung& a) { return a.art == art; }));
}

} // namespace figures
