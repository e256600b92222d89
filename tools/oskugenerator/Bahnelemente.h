#pragma once
// Element records for the osculating-element tables: osculating elements
// from a state vector, and elements fitted so that the program's reader
// (two-body propagation of the two neighbouring records, linear
// interpolation of L, B, R) reproduces the integrated trajectory.

#include "NKoerper.h"
#include "astro/Oskulierend.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace osku {

inline constexpr double kGrad = std::numbers::pi / 180.0;
// The reader's mean motion n = 25525.0440599309 / sqrt(a³/1.9891) °/century
// is the Gaussian one to 5e-7; osculating records use the reader's own
// constant so that their propagation does not drift by that much.
inline const double kMuLeser = [] {
    const double k = 25525.0440599309 * std::sqrt(1.9891) * kGrad / 36525.0; // rad/day at a = 1 AU
    return k * k;
}();
inline constexpr double kBogensekunde = std::numbers::pi / 648000.0;
inline constexpr double kAE = 149.597870691;          // 10^6 km

inline double grad360(double x)
{
    x = std::fmod(x, 360.0);
    return x < 0 ? x + 360.0 : x;
}

// Osculating elements about the Sun alone (mu of the reader) from a heliocentric
// state (AU, AU/day) at epoch jd, as a table record.
inline astro::OskuSatz oskulierend(Vek r, Vek v, double jd)
{
    const Vek h = kreuz(r, v);
    const double hb = betrag(h), rb = betrag(r);
    const Vek ev = (1.0 / kMuLeser) * kreuz(v, h) - (1.0 / rb) * r;
    const double e = betrag(ev);
    const double a = 1.0 / (2.0 / rb - skalar(v, v) / kMuLeser);
    const double i = std::acos(h.z / hb);
    const double knoten = std::atan2(h.x, -h.y);
    const Vek kn{std::cos(knoten), std::sin(knoten), 0};
    const Vek hn = (1.0 / hb) * h;
    const double omega = std::atan2(skalar(kreuz(kn, ev), hn), skalar(kn, ev));
    const double nu = std::atan2(skalar(kreuz(ev, r), hn), skalar(ev, r));
    const double ea = 2.0 * std::atan(std::sqrt((1.0 - e) / (1.0 + e)) * std::tan(nu / 2.0));
    const double m = ea - e * std::sin(ea);
    return {jd, e, i / kGrad, grad360(omega / kGrad), grad360(knoten / kGrad), a, grad360(m / kGrad)};
}

// Non-singular parameters used while fitting: a, e·sin ϖ, e·cos ϖ,
// tan(i/2)·sin Ω, tan(i/2)·cos Ω, mean longitude λ (degrees).
using Parameter = std::array<double, 6>;

inline Parameter zuParameter(const astro::OskuSatz& s)
{
    const double peri = (s[astro::Perihelargument] + s[astro::Knoten]) * kGrad;
    const double ti = std::tan(s[astro::Neigung] * kGrad / 2.0);
    const double kn = s[astro::Knoten] * kGrad;
    return {s[astro::HalbeAchse], s[astro::Exzentrizitaet] * std::sin(peri), s[astro::Exzentrizitaet] * std::cos(peri),
            ti * std::sin(kn), ti * std::cos(kn), s[astro::MittlereAnomalie] + peri / kGrad};
}

inline astro::OskuSatz ausParameter(const Parameter& p, double jd)
{
    const double e = std::hypot(p[1], p[2]);
    const double peri = std::atan2(p[1], p[2]) / kGrad;
    const double kn = std::atan2(p[3], p[4]) / kGrad;
    const double i = 2.0 * std::atan(std::hypot(p[3], p[4])) / kGrad;
    return {jd, e, i, grad360(peri - kn), grad360(kn), p[0], grad360(p[5] - peri)};
}

// Heliocentric spherical coordinates (degrees, 10^6 km) of a position in AU.
inline astro::Kugelkoordinaten kugel(Vek r)
{
    return {grad360(std::atan2(r.y, r.x) / kGrad), std::atan2(r.z, std::hypot(r.x, r.y)) / kGrad, betrag(r) * kAE};
}

// Difference a − b as (ΔL·cos B, ΔB, ΔR/R) in radians.
inline std::array<double, 3> abweichung(const astro::Kugelkoordinaten& a, const astro::Kugelkoordinaten& b)
{
    const double dl = std::remainder(a.L - b.L, 360.0);
    return {dl * kGrad * std::cos(b.B * kGrad), (a.B - b.B) * kGrad, (a.R - b.R) / b.R};
}

// Angle between the directions of a and b, in arcseconds.
inline double winkelAbstand(const astro::Kugelkoordinaten& a, const astro::Kugelkoordinaten& b)
{
    const auto d = abweichung(a, b);
    return std::hypot(d[0], d[1]) / kBogensekunde;
}

// The integrated trajectory of one body on the table's grid, sampled
// `proEpoche` times per step: positions (heliocentric AU) at every sample,
// velocities at the epochs. Sample j lies at jd0 + j·step/proEpoche.
struct Bahn {
    double jd0 = 0, schritt = 0;
    int proEpoche = 1, epochen = 0;
    std::vector<Vek> r;            // (epochen − 1)·proEpoche + 1 samples
    std::vector<Vek> vEpoche;      // epochen entries
    std::vector<astro::Kugelkoordinaten> kugelR; // spherical form of r, filled by vorbereiten()

    double zeit(int j) const { return jd0 + j * schritt / proEpoche; }
    int proben() const { return (epochen - 1) * proEpoche + 1; }
    void vorbereiten()
    {
        kugelR.resize(r.size());
        for (std::size_t j = 0; j < r.size(); ++j)
            kugelR[j] = kugel(r[j]);
    }
};

// The reader's position at sample j from the records (saetze[0..epochen-1]).
inline astro::Kugelkoordinaten leserPosition(const Bahn& b, const std::vector<astro::OskuSatz>& saetze, int j)
{
    int k = j / b.proEpoche;
    if (k >= b.epochen - 1)
        k = b.epochen - 2;
    const double t = b.zeit(j);
    const double q = (t - saetze[k][0]) / (saetze[k + 1][0] - saetze[k][0]);
    return astro::OskuInterpolieren(astro::OskuPropagieren(saetze[k], t), astro::OskuPropagieren(saetze[k + 1], t), q);
}

// One pass of Lawson's reweighting, which drives a weighted least-squares
// fit towards the smallest worst error: the weight of every `abstand`-th
// sample is multiplied by its current angular error, floored at a fifth of
// the mean weight within one step either side (so that no sample drops out)
// and divided by the mean weight of all of them (so that the weights stay of
// order one however many passes are made).
inline void lawsonUmgewichten(const Bahn& b, const std::vector<astro::OskuSatz>& saetze, int abstand,
                              std::vector<double>& gewicht)
{
    std::vector<double> summe(1, 0.0);
    for (int j = 0; j < b.proben(); j += abstand) {
        double& g = gewicht[static_cast<std::size_t>(j)];
        g *= winkelAbstand(leserPosition(b, saetze, j), b.kugelR[static_cast<std::size_t>(j)]) + 1e-6;
        summe.push_back(summe.back() + g);
    }
    const int zahl = static_cast<int>(summe.size()) - 1, breite = b.proEpoche / abstand;
    const double gesamt = summe.back() / zahl;
    for (int i = 0; i < zahl; ++i) {
        const int von = std::max(0, i - breite), bis = std::min(zahl - 1, i + breite);
        const double mittel = (summe[static_cast<std::size_t>(bis) + 1] - summe[static_cast<std::size_t>(von)]) / (bis - von + 1);
        double& g = gewicht[static_cast<std::size_t>(i * abstand)];
        g = std::max(g, 0.2 * mittel) / gesamt;
    }
}

// Solves the 6×6 system A x = y (symmetric positive definite after damping).
inline bool loese6(std::array<std::array<double, 6>, 6> a, std::array<double, 6>& y)
{
    for (int s = 0; s < 6; ++s) {
        int p = s;
        for (int z = s + 1; z < 6; ++z)
            if (std::fabs(a[z][s]) > std::fabs(a[p][s]))
                p = z;
        if (a[p][s] == 0)
            return false;
        std::swap(a[p], a[s]);
        std::swap(y[p], y[s]);
        for (int z = s + 1; z < 6; ++z) {
            const double f = a[z][s] / a[s][s];
            for (int c = s; c < 6; ++c)
                a[z][c] -= f * a[s][c];
            y[z] -= f * y[s];
        }
    }
    for (int s = 5; s >= 0; --s) {
        for (int c = s + 1; c < 6; ++c)
            y[s] -= a[s][c] * y[c];
        y[s] /= a[s][s];
    }
    return true;
}

// Fits the records to the trajectory.
//  Stage 1 (local): each record alone, its propagation weighted like the
//  reader weights it (1 − |q|) over the two intervals it takes part in.
//  Stage 2 (global, block Gauss–Seidel): each record in turn minimises the
//  error of the reader's interpolated position over its two intervals with
//  its neighbours held fixed; repeated sweeps converge to the joint fit.
// Samples used: every `abstand`-th of the trajectory.
class Anpassung {
public:
    int iterationenLokal = 4;
    mutable std::vector<double> gewicht_; // per sample, for stage 3
    mutable double untergrenze_ = 0;
    int durchgaenge = 3;
    int iterationenGlobal = 2;
    int abstand = 2;
    // Weight of the relative radius error against the two angles: the
    // tables are judged by direction, so the radius only keeps a determined.
    double radialGewicht = 0.05;

    // Stage 3 (towards the smallest worst error): Lawson's reweighting;
    // after each sweep every sample's weight is multiplied by its current
    // angular error (normalised), which drives the least-squares solution
    // towards the minimax one.
    int minimaxDurchgaenge = 6;

    void anpassen(const Bahn& b, std::vector<astro::OskuSatz>& saetze) const
    {
        gewicht_.assign(static_cast<std::size_t>(b.proben()), 1.0);
        for (int k = 0; k < b.epochen; ++k)
            verbessern(b, saetze, k, false, iterationenLokal);
        for (int d = 0; d < durchgaenge; ++d)
            for (int k = 0; k < b.epochen; ++k)
                verbessern(b, saetze, k, true, iterationenGlobal);
        for (int d = 0; d < minimaxDurchgaenge; ++d) {
            lawsonUmgewichten(b, saetze, abstand, gewicht_);
            for (int k = 0; k < b.epochen; ++k)
                verbessern(b, saetze, k, true, iterationenGlobal);
        }
    }

private:
    // Residuals of record k with parameters p. Global: the reader's
    // interpolated position, with the neighbours' propagated positions
    // `nachbar` (one per sample, computed once per record); local: record k
    // alone, weighted like the reader weights it.
    void residuen(const Bahn& b, const astro::OskuSatz& satz, int k, bool global,
                  const std::vector<astro::Kugelkoordinaten>& nachbar, std::vector<double>& res) const
    {
        res.clear();
        const int mitte = k * b.proEpoche;
        const int von = std::max(0, mitte - b.proEpoche), bis = std::min(b.proben() - 1, mitte + b.proEpoche);
        std::size_t z = 0;
        for (int j = von; j <= bis; j += abstand, ++z) {
            const double t = b.zeit(j);
            const astro::Kugelkoordinaten eigen = astro::OskuPropagieren(satz, t);
            astro::Kugelkoordinaten pos = eigen;
            double w = 1.0 - std::fabs(double(j - mitte)) / b.proEpoche;
            if (global) {
                if (j < mitte)
                    pos = astro::OskuInterpolieren(nachbar[z], eigen, w);
                else if (j > mitte)
                    pos = astro::OskuInterpolieren(eigen, nachbar[z], 1.0 - w);
                w = 1.0;
            } else {
                w = std::sqrt(w);
            }
            w *= std::sqrt(std::max(gewicht_[static_cast<std::size_t>(j)], untergrenze_));
            const auto d = abweichung(pos, b.kugelR[static_cast<std::size_t>(j)]);
            res.push_back(w * d[0]);
            res.push_back(w * d[1]);
            res.push_back(w * radialGewicht * d[2]);
        }
    }

    void verbessern(const Bahn& b, std::vector<astro::OskuSatz>& saetze, int k, bool global, int iterationen) const
    {
        Parameter p = zuParameter(saetze[k]);
        const double epoche = saetze[k][0];
        std::vector<astro::Kugelkoordinaten> nachbar;
        if (global) {
            const int mitte = k * b.proEpoche;
            const int von = std::max(0, mitte - b.proEpoche), bis = std::min(b.proben() - 1, mitte + b.proEpoche);
            for (int j = von; j <= bis; j += abstand) {
                const int n = j < mitte ? k - 1 : k + 1;
                nachbar.push_back(j == mitte ? astro::Kugelkoordinaten{}
                                             : astro::OskuPropagieren(saetze[static_cast<std::size_t>(n)], b.zeit(j)));
            }
        }
        // Only the weights' ratios within the record's own samples matter; a
        // floor at a fifth of their mean keeps every sample in the fit.
        double mittel = 0;
        int zahl = 0;
        {
            const int mitte = k * b.proEpoche;
            for (int j = std::max(0, mitte - b.proEpoche); j <= std::min(b.proben() - 1, mitte + b.proEpoche); j += abstand) {
                mittel += gewicht_[static_cast<std::size_t>(j)];
                ++zahl;
            }
        }
        untergrenze_ = 0.2 * mittel / zahl;
        auto res = [&](const Parameter& q, std::vector<double>& r) {
            residuen(b, ausParameter(q, epoche), k, global, nachbar, r);
        };
        std::vector<double> r0, rp, rm;
        std::array<std::vector<double>, 6> jac;
        const std::array<double, 6> delta{1e-7 * p[0], 1e-7, 1e-7, 1e-7, 1e-7, 1e-5};
        auto summe = [](const std::vector<double>& r) {
            double s = 0;
            for (double x : r)
                s += x * x;
            return s;
        };
        res(p, r0);
        double s0 = summe(r0);
        for (int it = 0; it < iterationen; ++it) {
            for (int c = 0; c < 6; ++c) {
                Parameter pp = p, pm = p;
                pp[c] += delta[c];
                pm[c] -= delta[c];
                res(pp, rp);
                res(pm, rm);
                jac[c].resize(r0.size());
                for (std::size_t z = 0; z < r0.size(); ++z)
                    jac[c][z] = (rp[z] - rm[z]) / (2 * delta[c]);
            }
            std::array<std::array<double, 6>, 6> a{};
            std::array<double, 6> y{};
            for (int c = 0; c < 6; ++c) {
                for (int d = 0; d <= c; ++d) {
                    double s = 0;
                    for (std::size_t z = 0; z < r0.size(); ++z)
                        s += jac[c][z] * jac[d][z];
                    a[c][d] = a[d][c] = s;
                }
                double s = 0;
                for (std::size_t z = 0; z < r0.size(); ++z)
                    s -= jac[c][z] * r0[z];
                y[c] = s;
            }
            for (int c = 0; c < 6; ++c)
                a[c][c] *= 1.0 + 1e-9;
            if (!loese6(a, y))
                return;
            Parameter neu = p;
            for (int c = 0; c < 6; ++c)
                neu[c] += y[c];
            if (!(neu[0] > 0) || std::hypot(neu[1], neu[2]) >= 0.99)
                return;
            std::vector<double> rn;
            res(neu, rn);
            const double sn = summe(rn);
            if (!(sn < s0))
                break;
            p = neu;
            r0 = rn;
            s0 = sn;
        }
        saetze[k] = ausParameter(p, epoche);
    }
};

} // namespace osku
