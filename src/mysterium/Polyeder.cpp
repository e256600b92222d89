#include "mysterium/Polyeder.h"

#include <cmath>
#include <utility>

namespace mysterium {

namespace {

constexpr double Grad = 3.14159265358979323846 / 180.0;

Vektor AufRing(double winkelGrad, double radius, double z)
{
    return {radius * std::cos(winkelGrad * Grad), radius * std::sin(winkelGrad * Grad), z};
}

// Turns a table with the view rotation at the given angles (degrees): the
// turned x and y replace x and y, the depth becomes the new z. A view of
// its own, so the live angles stay as they are.
template <size_t N> void Drehen(std::array<Vektor, N>& t, double wx, double wy, double wz)
{
    figures::Ansicht a;
    a.WinkelSetzenGrad(wx, wy, wz);
    for (Vektor& v : t) {
        double x = v.x, y = v.y;
        a.Perspektive(x, y, v.z);
        v = {x, y, a.Tiefe};
    }
}

} // namespace

const std::array<std::array<int, 3>, 4> TetraederFlaechen = {{{0, 1, 2}, {1, 3, 2}, {3, 0, 2}, {0, 3, 1}}};

const std::array<std::array<int, 4>, 6> HexaederFlaechen = {
    {{0, 1, 2, 3}, {4, 7, 6, 5}, {0, 4, 5, 1}, {1, 5, 6, 2}, {2, 6, 7, 3}, {3, 7, 4, 0}}};

// O1 .. O4 the equator, O5 the north and O6 the south vertex.
const std::array<std::array<int, 3>, 8> OktaederFlaechen = {
    {{0, 1, 4}, {1, 2, 4}, {2, 3, 4}, {3, 0, 4}, {1, 0, 5}, {2, 1, 5}, {3, 2, 5}, {0, 3, 5}}};

// I1 the north vertex, I2 .. I6 the upper ring, I7 .. I11 the lower ring,
// I12 the south vertex.
const std::array<std::array<int, 3>, 20> IkosaederFlaechen = {{
    {0, 1, 2}, {0, 2, 3}, {0, 3, 4}, {0, 4, 5}, {0, 5, 1},
    {1, 2, 9}, {2, 3, 10}, {3, 4, 6}, {4, 5, 7}, {5, 1, 8},
    {9, 10, 2}, {10, 6, 3}, {6, 7, 4}, {7, 8, 5}, {8, 9, 1},
    {11, 7, 6}, {11, 8, 7}, {11, 9, 8}, {11, 10, 9}, {11, 6, 10},
}};

// The pentagon under each star point of the Dodekaederstern, in the order
// of the triangle table below (apex I1, I5, I6, I2, I3, I4, I8, I9, I10,
// I11, I7, I12).
const std::array<std::array<int, 5>, 12> DodekaederFlaechen = {{
    {0, 1, 2, 3, 4}, {1, 2, 13, 14, 6}, {2, 3, 11, 12, 13}, {3, 4, 9, 10, 11},
    {0, 4, 9, 8, 7}, {0, 1, 6, 5, 7}, {14, 13, 12, 15, 19}, {12, 11, 10, 16, 15},
    {9, 10, 16, 17, 8}, {5, 7, 8, 17, 18}, {14, 6, 5, 18, 19}, {15, 19, 18, 17, 16},
}};

// {apex, base from, base to, colour number}; apex an icosahedron vertex,
// base a dodecahedron edge; five triangles per star point.
const std::array<Sterndreieck, Dreiecksanzahl> DodeSternDreiecke = {{
    {0, 0, 1, 4}, {0, 1, 2, 1}, {0, 2, 3, 2}, {0, 3, 4, 8}, {0, 4, 0, 9},
    {4, 1, 2, 3}, {4, 2, 13, 2}, {4, 13, 14, 6}, {4, 14, 6, 5}, {4, 6, 1, 4},
    {5, 2, 3, 3}, {5, 3, 11, 8}, {5, 11, 12, 7}, {5, 12, 13, 6}, {5, 13, 2, 1},
    {1, 3, 4, 3}, {1, 4, 9, 9}, {1, 9, 10, 12}, {1, 10, 11, 7}, {1, 11, 3, 2},
    {2, 0, 4, 3}, {2, 4, 9, 8}, {2, 9, 8, 12}, {2, 8, 7, 10}, {2, 7, 0, 4},
    {3, 0, 1, 3}, {3, 1, 6, 1}, {3, 6, 5, 5}, {3, 5, 7, 10}, {3, 7, 0, 9},
    {7, 14, 13, 1}, {7, 13, 12, 2}, {7, 12, 15, 7}, {7, 15, 19, 11}, {7, 19, 14, 5},
    {8, 12, 11, 2}, {8, 11, 10, 8}, {8, 10, 16, 12}, {8, 16, 15, 11}, {8, 15, 12, 6},
    {9, 9, 10, 8}, {9, 10, 16, 7}, {9, 16, 17, 11}, {9, 17, 8, 10}, {9, 8, 9, 9},
    {10, 5, 7, 4}, {10, 7, 8, 9}, {10, 8, 17, 12}, {10, 17, 18, 11}, {10, 18, 5, 5},
    {6, 14, 6, 1}, {6, 6, 5, 4}, {6, 5, 18, 10}, {6, 18, 19, 11}, {6, 19, 14, 6},
    {11, 15, 19, 6}, {11, 19, 18, 5}, {11, 18, 17, 10}, {11, 17, 16, 12}, {11, 16, 15, 7},
}};

// {apex, base from, base to, colour number}; apex a dodecahedron vertex,
// base an icosahedron edge; three triangles per star point.
const std::array<Sterndreieck, Dreiecksanzahl> IkoSternDreiecke = {{
    {4, 0, 1, 4}, {4, 1, 2, 11}, {4, 2, 0, 1}, {8, 9, 10, 10}, {8, 10, 2, 1},
    {8, 2, 9, 6}, {0, 0, 2, 6}, {0, 2, 3, 7}, {0, 3, 0, 3}, {5, 10, 6, 10},
    {5, 6, 3, 3}, {5, 3, 10, 5}, {1, 0, 3, 5}, {1, 3, 4, 9}, {1, 4, 0, 4},
    {14, 6, 7, 10}, {14, 7, 4, 4}, {14, 4, 6, 1}, {2, 0, 4, 1}, {2, 4, 5, 8},
    {2, 5, 0, 6}, {12, 7, 8, 10}, {12, 8, 5, 6}, {12, 5, 7, 3}, {3, 0, 5, 3},
    {3, 5, 1, 12}, {3, 1, 0, 5}, {10, 8, 9, 10}, {10, 9, 1, 5}, {10, 1, 8, 4},
    {9, 1, 2, 2}, {9, 2, 9, 7}, {9, 9, 1, 12}, {17, 9, 10, 5}, {17, 10, 11, 9},
    {17, 11, 9, 12}, {7, 2, 3, 2}, {7, 3, 10, 9}, {7, 10, 2, 11}, {18, 10, 6, 1},
    {18, 6, 11, 8}, {18, 11, 10, 11}, {6, 3, 4, 2}, {6, 4, 6, 8}, {6, 6, 3, 7},
    {19, 6, 7, 3}, {19, 7, 11, 12}, {19, 11, 6, 7}, {13, 4, 5, 2}, {13, 5, 7, 12},
    {13, 7, 4, 9}, {15, 7, 8, 4}, {15, 8, 11, 11}, {15, 11, 7, 9}, {11, 5, 1, 2},
    {11, 1, 8, 11}, {11, 8, 5, 8}, {16, 8, 9, 6}, {16, 9, 11, 7}, {16, 11, 8, 8},
}};

int Flaechenanzahl(Koerper k)
{
    switch (k) {
    case Koerper::Tetraeder: return 4;
    case Koerper::Hexaeder: return 6;
    case Koerper::Oktaeder: return 8;
    case Koerper::Ikosaeder: return 20;
    case Koerper::Dodekaeder: return 12;
    }
    return 0;
}

int ParallelFarbe(int n)
{
    static constexpr int partner[13] = {0, 12, 10, 11, 7, 8, 9, 4, 5, 6, 2, 3, 1};
    return n >= 1 && n <= 12 ? partner[n] : 0;
}

void ArraySortierenDK(std::span<Flaeche> f)
{
    const size_t n = f.size();
    for (size_t i = 0; i + 1 < n; ++i)
        for (size_t j = i + 1; j < n; ++j)
            if (f[i].tiefe > f[j].tiefe)
                std::swap(f[i], f[j]);
}

Polyeder::Polyeder() { allesNeu(); }

void Polyeder::EckpunkteTHO()
{
    const double w6 = std::sqrt(6.0), w2 = std::sqrt(2.0);
    t_ = {{{-w6, -1, w2}, {w6, -1, w2}, {0, 3, 0}, {0, -1, -2 * w2}}};
    Drehen(t_, -90, 0, 0);
    h_ = {{{-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}, {-1, -1, -1}, {1, -1, -1}, {1, 1, -1}, {-1, 1, -1}}};
    Drehen(h_, 0, 0, -18);
    const double h = std::sqrt(1.5), w3 = std::sqrt(3.0);
    o_ = {{{-h, 0, h}, {h, 0, h}, {h, 0, -h}, {-h, 0, -h}, {0, w3, 0}, {0, -w3, 0}}};
    Drehen(o_, -90, 0, -18);
}

void Polyeder::EckpunkteIko()
{
    const double z = Rho / std::sqrt(5.0), r = 2 * z;
    i_[0] = {0, 0, Rho};
    i_[11] = {0, 0, -Rho};
    const double oben[5] = {36, -36, -108, 180, 108};
    const double unten[5] = {-144, 144, 72, 0, -72};
    for (int k = 0; k < 5; ++k) {
        i_[static_cast<size_t>(1 + k)] = AufRing(oben[k], r, z);
        i_[static_cast<size_t>(6 + k)] = AufRing(unten[k], r, -z);
    }
}

void Polyeder::EckpunkteDode()
{
    const double w5 = std::sqrt(5.0);
    const double rKappe = 3 - w5, zMitte = w5 - 2, rMitte = w5 - 1;
    const double oben[5] = {36, -36, -108, 180, 108};
    const double unten[5] = {-144, 144, 72, 0, -72};
    // D6 .. D15: angle and the sign of z.
    const double mitte[10][2] = {{0, -1}, {-36, 1}, {36, 1}, {72, -1}, {108, 1},
                                 {144, -1}, {180, 1}, {-144, -1}, {-108, 1}, {-72, -1}};
    for (int k = 0; k < 5; ++k) {
        d_[static_cast<size_t>(k)] = AufRing(oben[k], rKappe, 1);
        d_[static_cast<size_t>(15 + k)] = AufRing(unten[k], rKappe, -1);
    }
    for (int k = 0; k < 10; ++k)
        d_[static_cast<size_t>(5 + k)] = AufRing(mitte[k][0], rMitte, mitte[k][1] * zMitte);
}

void Polyeder::DodekaederDrehen108() { Drehen(d_, 0, 0, 108); }

std::span<Vektor> Polyeder::ecken(Koerper k)
{
    switch (k) {
    case Koerper::Tetraeder: return t_;
    case Koerper::Hexaeder: return h_;
    case Koerper::Oktaeder: return o_;
    case Koerper::Ikosaeder: return i_;
    case Koerper::Dodekaeder: return d_;
    }
    return {};
}

std::span<const Vektor> Polyeder::ecken(Koerper k) const { return const_cast<Polyeder*>(this)->ecken(k); }

std::span<Bildpunkt> Polyeder::bild(Koerper k)
{
    switch (k) {
    case Koerper::Tetraeder: return tb_;
    case Koerper::Hexaeder: return hb_;
    case Koerper::Oktaeder: return ob_;
    case Koerper::Ikosaeder: return ib_;
    case Koerper::Dodekaeder: return db_;
    }
    return {};
}

std::span<const Bildpunkt> Polyeder::bildpunkte(Koerper k) const { return const_cast<Polyeder*>(this)->bild(k); }

std::span<Flaeche> Polyeder::flaechen(Koerper k)
{
    switch (k) {
    case Koerper::Tetraeder: return tf_;
    case Koerper::Hexaeder: return hf_;
    case Koerper::Oktaeder: return of_;
    case Koerper::Ikosaeder: return if_;
    case Koerper::Dodekaeder: return df_;
    }
    return {};
}

void Polyeder::skalieren(Koerper k, double faktor)
{
    for (Vektor& v : ecken(k))
        v = {v.x * faktor, v.y * faktor, v.z * faktor};
}

void Polyeder::aufBahnenSkalieren()
{
    // Mean distances of Jupiter, Saturn, Venus, Earth and Mars, 10^6 km.
    const double w3 = std::sqrt(3.0);
    skalieren(Koerper::Tetraeder, 778.322 / 3.0);
    skalieren(Koerper::Hexaeder, 1427.607 / w3);
    skalieren(Koerper::Oktaeder, 108.209 / w3);
    skalieren(Koerper::Ikosaeder, 149.598 / Rho);
    skalieren(Koerper::Dodekaeder, 227.941 / Rho);
}

void Polyeder::projizieren(Koerper k, figures::Ansicht& a)
{
    auto e = ecken(k);
    auto b = bild(k);
    for (size_t i = 0; i < e.size(); ++i) {
        a.PerspektivKoordinaten(e[i].x, e[i].y, e[i].z);
        b[i] = {a.BildX, a.BildY, a.Tiefe, a.DrehX, a.DrehY};
    }
    if (k == Koerper::Ikosaeder) {
        int erste = 0, zweite = 1;
        if (b[1].tiefe > b[0].tiefe)
            std::swap(erste, zweite);
        for (int i = 2; i < static_cast<int>(b.size()); ++i) {
            const double t = b[static_cast<size_t>(i)].tiefe;
            if (t > b[static_cast<size_t>(erste)].tiefe) {
                zweite = erste;
                erste = i;
            } else if (t > b[static_cast<size_t>(zweite)].tiefe) {
                zweite = i;
            }
        }
        naechste_ = {erste, zweite};
    }
}

namespace {

template <class Tabelle> void Bilden(std::span<Flaeche> ziel, const Tabelle& tab, std::span<const Bildpunkt> b)
{
    for (size_t f = 0; f < tab.size(); ++f) {
        Flaeche& x = ziel[f];
        x.anzahl = static_cast<int>(tab[f].size());
        double summe = 0;
        for (size_t i = 0; i < tab[f].size(); ++i) {
            const Bildpunkt& p = b[static_cast<size_t>(tab[f][i])];
            x.punkte[i] = {p.px, p.py};
            summe += p.tiefe;
        }
        x.tiefe = summe / x.anzahl;
        x.farbe = 0;
        x.nummer = static_cast<int>(f);
    }
}

} // namespace

std::span<const Flaeche> Polyeder::flaechenSortiert(Koerper k)
{
    auto ziel = flaechen(k);
    const auto b = bildpunkte(k);
    switch (k) {
    case Koerper::Tetraeder: Bilden(ziel, TetraederFlaechen, b); break;
    case Koerper::Hexaeder: Bilden(ziel, HexaederFlaechen, b); break;
    case Koerper::Oktaeder: Bilden(ziel, OktaederFlaechen, b); break;
    case Koerper::Ikosaeder: Bilden(ziel, IkosaederFlaechen, b); break;
    case Koerper::Dodekaeder: Bilden(ziel, DodekaederFlaechen, b); break;
    }
    ArraySortierenDK(ziel);
    return ziel;
}

std::span<const Flaeche> Polyeder::sternBilden(const std::array<Sterndreieck, Dreiecksanzahl>& tab, Koerper spitzen,
                                               Koerper basen)
{
    const auto s = bildpunkte(spitzen);
    const auto b = bildpunkte(basen);
    for (size_t i = 0; i < tab.size(); ++i) {
        const Sterndreieck& d = tab[i];
        const Bildpunkt& p0 = s[static_cast<size_t>(d.spitze)];
        const Bildpunkt& p1 = b[static_cast<size_t>(d.basis1)];
        const Bildpunkt& p2 = b[static_cast<size_t>(d.basis2)];
        Flaeche& f = stern_[i];
        f.anzahl = 3;
        f.punkte[0] = {p0.px, p0.py};
        f.punkte[1] = {p1.px, p1.py};
        f.punkte[2] = {p2.px, p2.py};
        f.tiefe = (p0.tiefe + p1.tiefe + p2.tiefe) / 3.0;
        f.farbe = d.farbe;
        f.nummer = static_cast<int>(i);
    }
    ArraySortierenDK(stern_);
    return stern_;
}

std::span<const Flaeche> Polyeder::DodeSternKoordinaten()
{
    return sternBilden(DodeSternDreiecke, Koerper::Ikosaeder, Koerper::Dodekaeder);
}

std::span<const Flaeche> Polyeder::IkoSternKoordinaten()
{
    return sternBilden(IkoSternDreiecke, Koerper::Dodekaeder, Koerper::Ikosaeder);
}

} // namespace mysterium
