#pragma once
// The program icon as a few stroked and filled shapes in unit coordinates
// (0..1, y down): a dark disc, the Earth's orbit, the path of Venus seen
// from the Earth over eight years (five loops, a rose of five petals) and
// the pentagram that the five conjunctions of those years mark on the
// Earth's orbit. One description, written out as SVG and drawn as PNGs.

#include <cmath>
#include <cstdint>
#include <vector>

namespace programmsymbol {

struct Punkt {
    double x, y;
};

struct Form {
    std::vector<Punkt> punkte;
    bool geschlossen = true;
    std::uint32_t fuellung = 0; // 0xRRGGBB, or kKeine
    std::uint32_t linie = 0;    // 0xRRGGBB, or kKeine
    double breite = 0;          // line width in units of the icon's size
};

constexpr std::uint32_t kKeine = 0xFFFFFFFFu;

inline std::vector<Punkt> kreis(double r, int n)
{
    std::vector<Punkt> p;
    for (int i = 0; i < n; ++i) {
        const double w = 2 * M_PI * i / n;
        p.push_back({0.5 + r * std::cos(w), 0.5 - r * std::sin(w)});
    }
    return p;
}

inline std::vector<Form> Symbolformen()
{
    std::vector<Form> f;
    f.push_back({kreis(0.48, 96), true, 0x101C3C, 0x3A5A9A, 0.02});
    // Earth at 1 AU, Venus at 0.723 AU with 13 revolutions in 8 years: the
    // geocentric path reaches 1.723 AU; that is scaled to 0.36.
    const double massstab = 0.36 / 1.723;
    f.push_back({kreis(massstab * 1.0, 96), true, kKeine, 0x5C7FC0, 0.008});
    Form rose{{}, true, kKeine, 0x9CC8FF, 0.014};
    const int n = 800;
    for (int i = 0; i < n; ++i) {
        const double t = 8.0 * i / n; // years
        const double wv = 2 * M_PI * t * 13.0 / 8.0, we = 2 * M_PI * t;
        // Turned so that one petal points up.
        const double x = 0.723 * std::cos(wv) - std::cos(we), y = 0.723 * std::sin(wv) - std::sin(we);
        rose.punkte.push_back({0.5 - massstab * x, 0.5 + massstab * y});
    }
    f.push_back(rose);
    // The pentagram: every second of five points on a circle.
    Form stern{{}, true, kKeine, 0xF2C14E, 0.03};
    const double r = 0.36;
    for (int i = 0; i < 5; ++i) {
        const double w = M_PI / 2 + 2 * M_PI * (2 * i % 5) / 5.0;
        stern.punkte.push_back({0.5 + r * std::cos(w), 0.5 - r * std::sin(w)});
    }
    f.push_back(stern);
    return f;
}

} // namespace programmsymbol
