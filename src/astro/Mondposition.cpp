#include "astro/Mondposition.h"

#include "astro/Praezession.h"

#include <cmath>

namespace astro {

namespace {

// Periodic terms for longitude (Σl, 1e-6 degree) and distance (Σr, 1e-3 km),
// Meeus, Astronomical Algorithms, table 47.A, in published order.
constexpr std::array<MondTermLR, 60> kTermeLR = {{
    {0, 0, 1, 0, 6288774, -20905355},
    {2, 0, -1, 0, 1274027, -3699111},
    {2, 0, 0, 0, 658314, -2955968},
    {0, 0, 2, 0, 213618, -569925},
    {0, 1, 0, 0, -185116, 48888},
    {0, 0, 0, 2, -114332, -3149},
    {2, 0, -2, 0, 58793, 246158},
    {2, -1, -1, 0, 57066, -152138},
    {2, 0, 1, 0, 53322, -170733},
    {2, -1, 0, 0, 45758, -204586},
    {0, 1, -1, 0, -40923, -129620},
    {1, 0, 0, 0, -34720, 108743},
    {0, 1, 1, 0, -30383, 104755},
    {2, 0, 0, -2, 15327, 10321},
    {0, 0, 1, 2, -12528, 0},
    {0, 0, 1, -2, 10980, 79661},
    {4, 0, -1, 0, 10675, -34782},
    {0, 0, 3, 0, 10034, -23210},
    {4, 0, -2, 0, 8548, -21636},
    {2, 1, -1, 0, -7888, 24208},
    {2, 1, 0, 0, -6766, 30824},
    {1, 0, -1, 0, -5163, -8379},
    {1, 1, 0, 0, 4987, -16675},
    {2, -1, 1, 0, 4036, -12831},
    {2, 0, 2, 0, 3994, -10445},
    {4, 0, 0, 0, 3861, -11650},
    {2, 0, -3, 0, 3665, 14403},
    {0, 1, -2, 0, -2689, -7003},
    {2, 0, -1, 2, -2602, 0},
    {2, -1, -2, 0, 2390, 10056},
    {1, 0, 1, 0, -2348, 6322},
    {2, -2, 0, 0, 2236, -9884},
    {0, 1, 2, 0, -2120, 5751},
    {0, 2, 0, 0, -2069, 0},
    {2, -2, -1, 0, 2048, -4950},
    {2, 0, 1, -2, -1773, 4130},
    {2, 0, 0, 2, -1595, 0},
    {4, -1, -1, 0, 1215, -3958},
    {0, 0, 2, 2, -1110, 0},
    {3, 0, -1, 0, -892, 3258},
    {2, 1, 1, 0, -810, 2616},
    {4, -1, -2, 0, 759, -1897},
    {0, 2, -1, 0, -713, -2117},
    {2, 2, -1, 0, -700, 2354},
    {2, 1, -2, 0, 691, 0},
    {2, -1, 0, -2, 596, 0},
    {4, 0, 1, 0, 549, -1423},
    {0, 0, 4, 0, 537, -1117},
    {4, -1, 0, 0, 520, -1571},
    {1, 0, -2, 0, -487, -1739},
    {2, 1, 0, -2, -399, 0},
    {0, 0, 2, -2, -381, -4421},
    {1, 1, 1, 0, 351, 0},
    {3, 0, -2, 0, -340, 0},
    {4, 0, -3, 0, 330, 0},
    {2, -1, 2, 0, 327, 0},
    {0, 2, 1, 0, -323, 1165},
    {1, 1, -1, 0, 299, 0},
    {2, 0, 3, 0, 294, 0},
    {2, 0, -1, -2, 0, 8752},
}};

// Periodic terms for latitude (Σb, 1e-6 degree), table 47.B, published order.
constexpr std::array<MondTermB, 60> kTermeB = {{
    {0, 0, 0, 1, 5128122},
    {0, 0, 1, 1, 280602},
    {0, 0, 1, -1, 277693},
    {2, 0, 0, -1, 173237},
    {2, 0, -1, 1, 55413},
    {2, 0, -1, -1, 46271},
    {2, 0, 0, 1, 32573},
    {0, 0, 2, 1, 17198},
    {2, 0, 1, -1, 9266},
    {0, 0, 2, -1, 8822},
    {2, -1, 0, -1, 8216},
    {2, 0, -2, -1, 4324},
    {2, 0, 1, 1, 4200},
    {2, 1, 0, -1, -3359},
    {2, -1, -1, 1, 2463},
    {2, -1, 0, 1, 2211},
    {2, -1, -1, -1, 2065},
    {0, 1, -1, -1, -1870},
    {4, 0, -1, -1, 1828},
    {0, 1, 0, 1, -1794},
    {0, 0, 0, 3, -1749},
    {0, 1, -1, 1, -1565},
    {1, 0, 0, 1, -1491},
    {0, 1, 1, 1, -1475},
    {0, 1, 1, -1, -1410},
    {0, 1, 0, -1, -1344},
    {1, 0, 0, -1, -1335},
    {0, 0, 3, 1, 1107},
    {4, 0, 0, -1, 1021},
    {4, 0, -1, 1, 833},
    {0, 0, 1, -3, 777},
    {4, 0, -2, 1, 671},
    {2, 0, 0, -3, 607},
    {2, 0, 2, -1, 596},
    {2, -1, 1, -1, 491},
    {2, 0, -2, 1, -451},
    {0, 0, 3, -1, 439},
    {2, 0, 2, 1, 422},
    {2, 0, -3, -1, 421},
    {2, 1, -1, 1, -366},
    {2, 1, 0, 1, -351},
    {4, 0, 0, 1, 331},
    {2, -1, 1, 1, 315},
    {2, -2, 0, -1, 302},
    {0, 0, 1, 3, -283},
    {2, 1, 1, -1, -229},
    {1, 1, 0, -1, 223},
    {1, 1, 0, 1, 223},
    {0, 1, -2, -1, -220},
    {2, 1, -1, -1, -220},
    {1, 0, 1, 1, -185},
    {2, -1, -2, -1, 181},
    {0, 1, 2, 1, -177},
    {4, 0, -2, -1, 176},
    {4, -1, -1, -1, 166},
    {1, 0, 1, -1, -164},
    {4, 0, 1, -1, 132},
    {1, 0, -1, -1, -119},
    {4, -1, 0, -1, 115},
    {2, -2, 0, 1, 107},
}};

// E^|kM|: the terms with the Sun's mean anomaly shrink with the decreasing
// eccentricity of the Earth's orbit.
inline double exzentrizitaetsfaktor(int kM, double E, double E2) { return kM == 0 ? 1.0 : (kM == 1 || kM == -1 ? E : E2); }

// cos and sin of one angle, multiplied like unit complex numbers: the term
// arguments are sums of small multiples of four angles, so their cosines and
// sines come from 4 · 9 products instead of 180 separate trigonometric calls.
struct Zeiger {
    double c = 1.0, s = 0.0;
};
inline Zeiger mal(Zeiger a, Zeiger b) { return {a.c * b.c - a.s * b.s, a.s * b.c + a.c * b.s}; }

constexpr int MaxVielfaches = 4; // largest |multiplier| in both tables

template <typename Tabelle>
constexpr bool vielfacheImBereich(const Tabelle& t)
{
    for (const auto& z : t)
        for (int k : {z.D, z.M, z.Ms, z.F})
            if (k < -MaxVielfaches || k > MaxVielfaches)
                return false;
    return true;
}
static_assert(vielfacheImBereich(kTermeLR) && vielfacheImBereich(kTermeB));

// e^(i·k·winkel) for k = -4..4 at index k + 4.
std::array<Zeiger, 2 * MaxVielfaches + 1> vielfache(double winkelRad)
{
    std::array<Zeiger, 2 * MaxVielfaches + 1> z{};
    const Zeiger eins{std::cos(winkelRad), std::sin(winkelRad)};
    z[MaxVielfaches + 1] = eins;
    for (int k = 2; k <= MaxVielfaches; ++k)
        z[MaxVielfaches + k] = mal(z[MaxVielfaches + k - 1], eins);
    for (int k = 1; k <= MaxVielfaches; ++k)
        z[MaxVielfaches - k] = {z[MaxVielfaches + k].c, -z[MaxVielfaches + k].s};
    return z;
}

} // namespace

const std::array<MondTermLR, 60>& MondTabelleLR() { return kTermeLR; }
const std::array<MondTermB, 60>& MondTabelleB() { return kTermeB; }

Kugelkoordinaten MondKugelDesDatums(Tageszahl tag)
{
    const double T = JahrhunderteSeitJ2000(tag);
    const double T2 = T * T, T3 = T2 * T, T4 = T3 * T;
    // Fundamental arguments in degrees, not reduced (radians below).
    const double Ls = 218.3164591 + 481267.88134236 * T - 0.0013268 * T2 + T3 / 538841.0 - T4 / 65194000.0;
    const double D = 297.8502042 + 445267.1115168 * T - 0.00163 * T2 + T3 / 545868.0 - T4 / 113065000.0;
    const double M = 357.5291092 + 35999.0502909 * T - 0.0001536 * T2 + T3 / 24490000.0;
    const double Ms = 134.9634114 + 477198.8676313 * T + 0.008997 * T2 + T3 / 69699.0 - T4 / 14712000.0;
    const double F = 93.2720993 + 483202.0175273 * T - 0.0034029 * T2 - T3 / 3526000.0 + T4 / 863310000.0;
    const double A1 = 119.75 + 131.849 * T;
    const double A2 = 53.09 + 479264.29 * T;
    const double A3 = 313.45 + 481266.484 * T;
    const double E = 1.0 - 0.002516 * T - 0.0000074 * T2;
    const double E2 = E * E;

    const double d = D * GradZuRad, m = M * GradZuRad, ms = Ms * GradZuRad, f = F * GradZuRad;
    const double ls = Ls * GradZuRad;

    const auto zD = vielfache(d), zM = vielfache(m), zMs = vielfache(ms), zF = vielfache(f);
    const auto argument = [&](int kD, int kM, int kMs, int kF) {
        return mal(mal(zD[kD + MaxVielfaches], zM[kM + MaxVielfaches]),
                   mal(zMs[kMs + MaxVielfaches], zF[kF + MaxVielfaches]));
    };

    double sl = 0.0, sr = 0.0, sb = 0.0;
    for (const MondTermLR& t : kTermeLR) {
        const Zeiger a = argument(t.D, t.M, t.Ms, t.F); // cos a, sin a
        const double fe = exzentrizitaetsfaktor(t.M, E, E2);
        sl += fe * t.sigmaL * a.s;
        sr += fe * t.sigmaR * a.c;
    }
    for (const MondTermB& t : kTermeB) {
        const Zeiger a = argument(t.D, t.M, t.Ms, t.F);
        sb += exzentrizitaetsfaktor(t.M, E, E2) * t.sigmaB * a.s;
    }
    // Additive terms: Venus (A1), Jupiter (A2), flattening of the Earth (L' - F, A3, L').
    const double a1 = A1 * GradZuRad, a2 = A2 * GradZuRad, a3 = A3 * GradZuRad;
    sl += 3958.0 * std::sin(a1) + 1962.0 * std::sin(ls - f) + 318.0 * std::sin(a2);
    sb += -2235.0 * std::sin(ls) + 382.0 * std::sin(a3) + 175.0 * std::sin(a1 - f) + 175.0 * std::sin(a1 + f) +
          127.0 * std::sin(ls - ms) - 115.0 * std::sin(ls + ms);

    return {Winkel360(Ls + sl / 1e6), sb / 1e6, 385000.56 + sr / 1000.0};
}

PositionXYZ MondKoordinaten(Tageszahl tag, bool mitPraezession)
{
    Kugelkoordinaten k = MondKugelDesDatums(tag);
    if (!mitPraezession) {
        const LaengeBreite lb = PraezessionEkliptikal({k.L, k.B}, Praezessionsrichtung::NachJ2000, tag);
        k.L = lb.L;
        k.B = lb.B;
    }
    return KugelZuXYZ(k);
}

} // namespace astro
