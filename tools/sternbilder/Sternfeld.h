#pragma once
// The star fields of the three background pictures, computed without Qt so
// that the same code can be checked anywhere: a fixed seed, a magnitude
// distribution with many faint and few bright stars, stellar colours from
// blue-white to red, a denser band of faint stars across the larger
// pictures, and star images that wrap around the edges so the tiles join
// without a seam. Every pixel becomes an index into a fixed palette whose
// entry 0 is black (the transparent colour).

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace sternbilder {

struct Farbwert {
    std::uint8_t r = 0, g = 0, b = 0;
};

struct Bildvorgabe {
    int breite;
    int hoehe;
    int farben;            // palette size: 16 or 256
    int sterne;            // number of stars
    double bandStaerke;    // share of extra faint stars in the band (0: no band)
    std::uint32_t saat;    // seed
};

// The three pictures: 200 x 100 with 16 colours, 304 x 234 and 326 x 271 with 256.
inline const std::array<Bildvorgabe, 3> Vorgaben = {{
    {200, 100, 16, 170, 0.0, 0x5EED0001u},
    {304, 234, 256, 520, 0.7, 0x5EED0002u},
    {326, 271, 256, 640, 0.9, 0x5EED0003u},
}};

struct Sternbild {
    int breite = 0, hoehe = 0;
    std::vector<Farbwert> palette;
    std::vector<std::uint8_t> indizes;  // breite x hoehe, row by row
};

// Stellar colours, from hot to cool, as RGB factors of a white of 1.
inline const std::array<std::array<double, 3>, 6> Sternfarben = {{
    {0.62, 0.74, 1.00},  // blue
    {0.84, 0.90, 1.00},  // blue-white
    {1.00, 1.00, 1.00},  // white
    {1.00, 0.94, 0.74},  // yellow
    {1.00, 0.76, 0.48},  // orange
    {1.00, 0.56, 0.40},  // red
}};

// Share of each colour among the stars (sums to 1): mostly white and
// blue-white, a few clearly coloured ones.
inline const std::array<double, 6> Farbanteile = {0.06, 0.30, 0.40, 0.12, 0.08, 0.04};

class Zufall {
public:
    explicit Zufall(std::uint32_t saat) : g_(saat) {}
    // Uniform in [0, 1). The raw engine output is portable; the standard
    // distributions are not, so they are not used.
    double gleich() { return static_cast<double>(g_() >> 5) / 134217728.0; }

private:
    std::mt19937 g_;
};

inline std::vector<Farbwert> Palette(int farben)
{
    std::vector<Farbwert> p;
    p.push_back({0, 0, 0});
    if (farben <= 16) {
        // 5 neutral levels, then two levels of each of five tints.
        for (int v : {40, 75, 120, 170, 215})
            p.push_back({static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v)});
        for (int f : {0, 1, 3, 4, 5})
            for (double v : {0.55, 0.95}) {
                const auto& c = Sternfarben[static_cast<size_t>(f)];
                p.push_back({static_cast<std::uint8_t>(std::lround(255 * v * c[0])),
                             static_cast<std::uint8_t>(std::lround(255 * v * c[1])),
                             static_cast<std::uint8_t>(std::lround(255 * v * c[2]))});
            }
        while (static_cast<int>(p.size()) < 16)
            p.push_back({255, 255, 255});
        return p;
    }
    // 6 tints x 42 levels, then white.
    for (const auto& c : Sternfarben)
        for (int i = 1; i <= 42; ++i) {
            const double v = std::pow(i / 42.0, 1.3);
            p.push_back({static_cast<std::uint8_t>(std::lround(255 * v * c[0])),
                         static_cast<std::uint8_t>(std::lround(255 * v * c[1])),
                         static_cast<std::uint8_t>(std::lround(255 * v * c[2]))});
        }
    while (static_cast<int>(p.size()) < farben)
        p.push_back({255, 255, 255});
    return p;
}

inline std::uint8_t NaechsteFarbe(const std::vector<Farbwert>& palette, double r, double g, double b)
{
    size_t best = 0;
    double bestD = 1e300;
    for (size_t i = 0; i < palette.size(); ++i) {
        const double dr = r - palette[i].r, dg = g - palette[i].g, db = b - palette[i].b;
        // Weighted like the eye: green counts most.
        const double d = 0.3 * dr * dr + 0.59 * dg * dg + 0.11 * db * db;
        if (d < bestD) {
            bestD = d;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

inline Sternbild Sternfeld(const Bildvorgabe& v)
{
    Zufall z(v.saat);
    const int w = v.breite, h = v.hoehe;
    std::vector<double> R(static_cast<size_t>(w * h)), G(R.size()), B(R.size());

    auto addieren = [&](int x, int y, double i, const std::array<double, 3>& c) {
        x = ((x % w) + w) % w;  // star images wrap around: tiles join seamlessly
        y = ((y % h) + h) % h;
        const size_t k = static_cast<size_t>(y * w + x);
        R[k] += i * c[0];
        G[k] += i * c[1];
        B[k] += i * c[2];
    };

    // The band: a line across the picture, faint stars crowd near it.
    const double bandWinkel = 0.35 + 0.5 * z.gleich();
    const double bx = std::cos(bandWinkel), by = std::sin(bandWinkel);
    const double bandBreite = 0.14 * std::min(w, h);

    const int extra = static_cast<int>(v.sterne * v.bandStaerke);
    for (int n = 0; n < v.sterne + extra; ++n) {
        double x = z.gleich() * w, y = z.gleich() * h;
        // Magnitude: counts grow by about 10^(0.35 m), so most stars are faint.
        double m = std::log10(1.0 + z.gleich() * (std::pow(10.0, 0.35 * 6.0) - 1.0)) / 0.35;  // 0 .. 6
        if (n < std::max(2, v.sterne / 90)) {
            // A few bright stars in every picture, however the draw falls.
            m = 0.3 + 1.7 * z.gleich();
        } else if (n >= v.sterne) {
            // Band stars: faint, placed near the band's centre line.
            const double d = (z.gleich() + z.gleich() + z.gleich() - 1.5) * bandBreite;
            const double t = z.gleich() * (w + h);
            x = w / 2.0 + (t - (w + h) / 2.0) * bx - d * by;
            y = h / 2.0 + (t - (w + h) / 2.0) * by + d * bx;
            m = 5.0 + z.gleich();
        }
        double u = z.gleich(), summe = 0;
        size_t f = 0;
        for (; f + 1 < Farbanteile.size(); ++f) {
            summe += Farbanteile[f];
            if (u < summe)
                break;
        }
        const auto& farbe = Sternfarben[f];
        // Brightness 1 at magnitude 0.8; faint stars are dim single pixels.
        const double helligkeit = std::pow(10.0, -0.4 * (m - 0.8));
        const int cx = static_cast<int>(x), cy = static_cast<int>(y);
        if (helligkeit < 0.12) {
            addieren(cx, cy, 0.16 + 2.2 * helligkeit, farbe);
            continue;
        }
        // A small Gaussian image whose width grows with brightness.
        const double sigma = 0.45 + 0.55 * std::min(1.0, helligkeit);
        const int r = static_cast<int>(std::ceil(3 * sigma));
        for (int dy = -r; dy <= r; ++dy)
            for (int dx = -r; dx <= r; ++dx) {
                const double ex = cx + 0.5 - x + dx, ey = cy + 0.5 - y + dy;
                const double i = 1.4 * helligkeit * std::exp(-(ex * ex + ey * ey) / (2 * sigma * sigma));
                if (i > 0.02)
                    addieren(cx + dx, cy + dy, i, farbe);
            }
        // The brightest few get short diffraction spikes.
        if (helligkeit > 0.9) {
            const int lang = 2 + static_cast<int>(2.5 * std::min(2.0, helligkeit));
            for (int k = r; k <= lang; ++k) {
                const double i = 0.55 * (1.0 - static_cast<double>(k) / (lang + 1));
                addieren(cx + k, cy, i, farbe);
                addieren(cx - k, cy, i, farbe);
                addieren(cx, cy + k, i, farbe);
                addieren(cx, cy - k, i, farbe);
            }
        }
    }

    Sternbild bild;
    bild.breite = w;
    bild.hoehe = h;
    bild.palette = Palette(v.farben);
    bild.indizes.resize(R.size());
    for (size_t k = 0; k < R.size(); ++k) {
        // Soft saturation keeps the colour of bright star cores.
        auto ton = [](double c) { return 255.0 * (1.0 - std::exp(-1.6 * c)); };
        const double r = ton(R[k]), g = ton(G[k]), b = ton(B[k]);
        bild.indizes[k] = (r + g + b < 12) ? 0 : NaechsteFarbe(bild.palette, r, g, b);
    }
    return bild;
}

} // namespace sternbilder
