#include "astro/MittlereElemente.h"

#include "astro/Kepler.h"
#include "astro/Praezession.h"

#include <cmath>

namespace astro {

namespace {

using P = ElementPolynom;

// Index = KoerperNr; rows a, e, L, Ω, ϖ, i.
const std::array<ElementPolynome, 10> kElemente = {{
    {},
    // 1 Mercury
    {P{{0.38709831, 0, 0, 0}}, P{{0.20563175, 0.000020406, -0.0000000284, -0.00000000017}},
     P{{252.250906, 149472.6746358, -0.00000535, 0.000000002}}, P{{48.330893, -0.1254229, -0.00008833, -0.000000196}},
     P{{77.456119, 0.1588643, -0.00001343, 0.000000039}}, P{{7.004986, -0.0059516, 0.00000081, 0.000000041}}},
    // 2 Venus
    {P{{0.72332982, 0, 0, 0}}, P{{0.00677188, -0.000047766, 0.0000000975, 0.00000000044}},
     P{{181.979801, 58517.815676, 0.00000165, -0.000000002}}, P{{76.67992, -0.278008, -0.00014256, -0.000000198}},
     P{{131.563707, 0.0048646, -0.00138232, -0.000005332}}, P{{3.394662, -0.0008568, -0.00003244, 0.00000001}}},
    // 3 Earth
    {P{{1.000001018, 0, 0, 0}}, P{{0.01670862, -0.000042037, -0.0000001236, 0.00000000004}},
     P{{100.466449, 35999.3728519, -0.00000568, 0}}, P{{174.873174, -0.2410908, 0.00004067, -0.000001327}},
     P{{102.937348, 0.3225557, 0.00015026, 0.000000478}}, P{{0, 0.0130546, -0.00000931, -0.000000034}}},
    // 4 Mars
    {P{{1.523679342, 0, 0, 0}}, P{{0.09340062, 0.000090483, -0.0000000806, -0.00000000035}},
     P{{355.433275, 19140.2993313, 0.00000261, -0.000000003}}, P{{49.558093, -0.2949846, -0.00063993, -0.000002143}},
     P{{336.060234, 0.4438898, -0.00017321, 0.0000003}}, P{{1.849726, -0.0081479, -0.00002255, -0.000000027}}},
    // 5 Jupiter
    {P{{5.202603191, 0.0000001913, 0, 0}}, P{{0.04849485, 0.000163244, 0, 0}}, P{{34.351484, 3034.9056746, 0, 0}},
     P{{100.464441, 0.1766828, 0, 0}}, P{{14.331309, 0.2155525, 0, 0}}, P{{1.30327, -0.0019872, 0, 0}}},
    // 6 Saturn
    {P{{9.554909596, -0.0000021389, 0, 0}}, P{{0.05550862, -0.000346818, 0, 0}}, P{{50.077471, 1222.1137943, 0, 0}},
     P{{113.665524, -0.2566649, 0, 0}}, P{{93.056787, 0.5665496, 0, 0}}, P{{2.488878, 0.0025515, 0, 0}}},
    // 7 Uranus
    {P{{19.218446062, -0.0000000372, 0.00000000098, 0}}, P{{0.0462959, -0.000027337, 0, 0}},
     P{{314.055005, 428.4669983, 0, 0}}, P{{74.005947, 0.0741461, 0, 0}}, P{{173.005159, 0.0893206, 0, 0}},
     P{{0.773196, -0.0016869, 0, 0}}},
    // 8 Neptune
    {P{{30.110386869, -0.0000001663, 0.00000000069, 0}}, P{{0.00898809, 0.000006408, 0, 0}},
     P{{304.348665, 218.4862002, 0, 0}}, P{{131.784057, -0.0061651, 0, 0}}, P{{48.123691, 0.0291587, 0, 0}},
     P{{1.769952, 0.0002257, 0, 0}}},
    // 9 Pluto (fixed values)
    {P{{39.543, 0, 0, 0}}, P{{0.249, 0, 0, 0}}, P{{237.71464, 144.96, 0, 0}}, P{{110.307, 0, 0, 0}},
     P{{224.075, 0, 0, 0}}, P{{17.0, 0, 0, 0}}},
}};

} // namespace

const std::array<ElementPolynome, 10>& MittlereElementeTabelle() { return kElemente; }

Bahnelemente MittlereElemente(KoerperNr n, double T)
{
    if (n < 1 || n > 9)
        return {};
    const ElementPolynome& p = kElemente[n];
    Bahnelemente el{p.a(T), p.e(T), p.L(T), p.Omega(T), p.Pi(T), p.i(T)};
    // Far from the present a cubic can take the eccentricity through zero
    // (the Earth's beyond about +23600 years). The eccentricity vector
    // (e cos ϖ, e sin ϖ) passes through zero smoothly: the same orbit has
    // |e| and its perihelion on the other side.
    if (el.e < 0) {
        el.e = -el.e;
        el.Pi += 180.0;
    }
    return el;
}

PositionXYZ PositionAusElementen(const Bahnelemente& el)
{
    const double v = KeplerGleichung(el.e, el.L - el.Pi);
    const double r = el.a * AE * (1.0 - el.e * el.e) / (1.0 + el.e * std::cos(v * GradZuRad));
    const double w = (v + el.Pi - el.Omega) * GradZuRad;
    const double om = el.Omega * GradZuRad;
    const double inc = el.i * GradZuRad;
    const double cosOm = std::cos(om), sinOm = std::sin(om);
    const double cosW = std::cos(w), sinW = std::sin(w);
    const double cosI = std::cos(inc);
    return {r * (cosOm * cosW - sinOm * sinW * cosI), r * (sinOm * cosW + cosOm * sinW * cosI),
            r * sinW * std::sin(inc)};
}

PositionXYZ PositionMittlereElemente(KoerperNr n, Tageszahl tag, bool mitPraezession)
{
    const PositionXYZ p = PositionAusElementen(MittlereElemente(n, JahrhunderteSeitJ2000(tag)));
    if (!mitPraezession)
        return p;
    const Kugelkoordinaten k = XYZZuKugel(p);
    const LaengeBreite lb = PraezessionEkliptikal({k.L, k.B}, Praezessionsrichtung::ZumDatum, tag);
    return KugelZuXYZ({lb.L, lb.B, k.R});
}

} // namespace astro
