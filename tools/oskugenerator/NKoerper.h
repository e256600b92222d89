#pragma once
// N-body integration for the osculating-element tables.
//
// Method: Gragg–Bulirsch–Stoer extrapolation for second-order equations
// (Störmer's form of the modified midpoint rule, sequence 2, 4, …, 2K,
// polynomial extrapolation in h²), with adaptive step size. Reasons for this
// choice over a Gauss–Radau or Störmer–Cowell scheme: it is self-starting
// (backward and forward runs from one epoch, steps shortened at will to land
// exactly on output epochs without any interpolation), its error estimate
// comes for free from the extrapolation table, and at order 16 with a local
// tolerance near 1e-14 its truncation error stays below round-off for the
// planetary problem, so energy drift over 10^5 years is of the order of
// round-off accumulation (measured by the generator and the tests).
//
// Units: AU, days, GM in AU³/day². Positions and velocities barycentric; the
// first `anzahlMassiv` bodies attract, the rest are test particles. Body 0 may
// carry a quadrupole moment (see System::quadrupol).

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace osku {

struct Vek {
    double x = 0, y = 0, z = 0;
};
inline Vek operator+(Vek a, Vek b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vek operator-(Vek a, Vek b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vek operator*(double s, Vek a) { return {s * a.x, s * a.y, s * a.z}; }
inline double betrag(Vek a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }
inline Vek kreuz(Vek a, Vek b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline double skalar(Vek a, Vek b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

struct System {
    std::vector<double> gm;     // per body; test particles' entries are ignored
    int anzahlMassiv = 0;
    std::vector<Vek> r, v;      // barycentric state
    double t = 0;               // JD (TD)

    // Quadrupole of body 0 about the axis `pol` (unit vector), as
    // GM·J2·R² in AU⁵/day². It stands in for planets merged into body 0:
    // each such planet, smeared along its orbit, is a ring whose J2·M·R² is
    // m·<r²>·P2(cos i)/2. Left at 0, body 0 is a point mass.
    double quadrupol = 0;
    Vek pol{0, 0, 1};

    int anzahl() const { return static_cast<int>(r.size()); }

    void beschleunigungen(const std::vector<Vek>& pos, std::vector<Vek>& a) const
    {
        const int n = static_cast<int>(pos.size());
        std::fill(a.begin(), a.end(), Vek{});
        for (int i = 0; i < anzahlMassiv; ++i)
            for (int j = i + 1; j < anzahlMassiv; ++j) {
                const Vek d = pos[j] - pos[i];
                const double r2 = d.x * d.x + d.y * d.y + d.z * d.z;
                const double f = 1.0 / (r2 * std::sqrt(r2));
                a[i] = a[i] + (gm[j] * f) * d;
                a[j] = a[j] - (gm[i] * f) * d;
            }
        for (int i = anzahlMassiv; i < n; ++i)
            for (int j = 0; j < anzahlMassiv; ++j) {
                const Vek d = pos[j] - pos[i];
                const double r2 = d.x * d.x + d.y * d.y + d.z * d.z;
                a[i] = a[i] + (gm[j] / (r2 * std::sqrt(r2))) * d;
            }
        if (quadrupol != 0)
            for (int i = 1; i < n; ++i) {
                // a = −3Q/(2r⁵)·[(1 − 5z²/r²)·d + 2z·pol], z = d·pol; body 0
                // takes the reaction of the massive bodies.
                const Vek d = pos[i] - pos[0];
                const double r2 = skalar(d, d);
                const double z = skalar(d, pol);
                const double f = -1.5 * quadrupol / (r2 * r2 * std::sqrt(r2));
                const Vek ai = (f * (1.0 - 5.0 * z * z / r2)) * d + (2.0 * f * z) * pol;
                a[i] = a[i] + ai;
                if (i < anzahlMassiv)
                    a[0] = a[0] - (gm[i] / gm[0]) * ai;
            }
    }

    // Total energy of the massive bodies (per unit of the gravitational
    // constant: masses are GM values).
    double energie() const
    {
        double e = 0;
        for (int i = 0; i < anzahlMassiv; ++i) {
            const Vek& w = v[i];
            e += 0.5 * gm[i] * (w.x * w.x + w.y * w.y + w.z * w.z);
            for (int j = i + 1; j < anzahlMassiv; ++j)
                e -= gm[i] * gm[j] / betrag(r[j] - r[i]);
            if (quadrupol != 0 && i > 0) {
                // Potential Q·P2(z/r)/r³ per unit of the other body's GM.
                const Vek d = r[i] - r[0];
                const double rr = betrag(d), z = skalar(d, pol) / rr;
                e += gm[i] * quadrupol * 0.5 * (3.0 * z * z - 1.0) / (rr * rr * rr);
            }
        }
        return e;
    }

    // Moves the massive bodies' barycentre to rest at the origin.
    void zumBaryzentrum()
    {
        Vek rs, vs;
        double m = 0;
        for (int i = 0; i < anzahlMassiv; ++i) {
            rs = rs + gm[i] * r[i];
            vs = vs + gm[i] * v[i];
            m += gm[i];
        }
        rs = (1.0 / m) * rs;
        vs = (1.0 / m) * vs;
        for (int i = 0; i < anzahl(); ++i) {
            r[i] = r[i] - rs;
            v[i] = v[i] - vs;
        }
    }
};

class BulirschStoer {
public:
    static constexpr int K = 8;  // extrapolation stages: order 2K = 16
    double toleranz = 1e-14;     // local relative error per step (round-off floor near 1e-15)
    double hNominal = 1.0;       // days, signed with the direction of integration
    long schritte = 0, verworfen = 0, kraefte = 0;

    // Integrates `s` to exactly `tZiel`. Steps are cut short to land on it.
    void integriereBis(System& s, double tZiel)
    {
        if ((tZiel - s.t) * hNominal < 0)
            hNominal = -hNominal;
        while (s.t != tZiel) {
            const double rest = tZiel - s.t;
            const bool gekappt = std::fabs(rest) <= std::fabs(hNominal);
            const double h = gekappt ? rest : hNominal;
            const double fehler = schritt(s, h);
            double faktor = fehler > 0 ? 0.9 * std::pow(toleranz / fehler, 1.0 / (2 * K - 1)) : 3.0;
            faktor = std::clamp(faktor, 0.2, 3.0);
            if (fehler > toleranz) {
                ++verworfen;
                if (std::fabs(h) < 1e-6) // cannot happen with sane states; never loop for ever
                    throw std::runtime_error("Bulirsch-Stoer: step size underflow");
                hNominal = h * faktor;
                continue;
            }
            s.r = rNeu_;
            s.v = vNeu_;
            s.t = gekappt ? tZiel : s.t + h;
            ++schritte;
            if (!gekappt || faktor < 1.0)
                hNominal = (gekappt ? std::min(std::fabs(hNominal), std::fabs(h * faktor)) : std::fabs(h * faktor))
                           * (h < 0 ? -1.0 : 1.0);
        }
    }

private:
    std::vector<Vek> rNeu_, vNeu_, a0_, a_, y_, d_;
    std::array<std::vector<Vek>, K> tr_, tv_, cr_, cv_;

    // One extrapolated step of length h from s's state into rNeu_/vNeu_;
    // returns the relative error estimate.
    double schritt(const System& s, double h)
    {
        const int n = s.anzahl();
        a0_.resize(n);
        a_.resize(n);
        y_.resize(n);
        d_.resize(n);
        s.beschleunigungen(s.r, a0_);
        ++kraefte;
        for (int j = 0; j < K; ++j) {
            const int teile = 2 * (j + 1);
            const double hk = h / teile;
            for (int i = 0; i < n; ++i) {
                d_[i] = hk * (s.v[i] + (0.5 * hk) * a0_[i]);
                y_[i] = s.r[i] + d_[i];
            }
            for (int k = 1; k < teile; ++k) {
                s.beschleunigungen(y_, a_);
                for (int i = 0; i < n; ++i) {
                    d_[i] = d_[i] + (hk * hk) * a_[i];
                    y_[i] = y_[i] + d_[i];
                }
            }
            s.beschleunigungen(y_, a_);
            kraefte += teile;
            // Aitken–Neville in h²: row j of the tableau from row j − 1;
            // cr_[k]/cv_[k] end up as the extrapolation of order 2(k+1).
            for (int k = 0; k <= j; ++k) {
                cr_[k].resize(n);
                cv_[k].resize(n);
            }
            for (int i = 0; i < n; ++i) {
                cr_[0][i] = y_[i];
                cv_[0][i] = (1.0 / hk) * d_[i] + (0.5 * hk) * a_[i];
            }
            for (int k = 1; k <= j; ++k) {
                const double verh = double(teile) / (2 * (j - k + 1));
                const double faktor = 1.0 / (verh * verh - 1.0);
                for (int i = 0; i < n; ++i) {
                    cr_[k][i] = cr_[k - 1][i] + faktor * (cr_[k - 1][i] - tr_[k - 1][i]);
                    cv_[k][i] = cv_[k - 1][i] + faktor * (cv_[k - 1][i] - tv_[k - 1][i]);
                }
            }
            std::swap(cr_, tr_);
            std::swap(cv_, tv_);
        }
        double fehler = 0;
        for (int i = 0; i < n; ++i) {
            const double sr = betrag(tr_[K - 1][i]) + 1e-2;
            const double sv = betrag(tv_[K - 1][i]) + 1e-5;
            fehler = std::max({fehler, betrag(tr_[K - 1][i] - tr_[K - 2][i]) / sr,
                               betrag(tv_[K - 1][i] - tv_[K - 2][i]) / sv});
        }
        rNeu_ = tr_[K - 1];
        vNeu_ = tv_[K - 1];
        return fehler;
    }
};

} // namespace osku
