#pragma once
// Joint fit of all records of a table. The reader's position between two
// epochs is (1 − q)·S(record k, t) + q·S(record k+1, t) in L, B, R, so every
// sample depends on two neighbouring records and the normal equations of the
// whole table are block tridiagonal (6×6 blocks). They are solved directly
// (block Thomas elimination) in a damped Gauss–Newton iteration, which finds
// the least-squares optimum of all records together; record-by-record sweeps
// approach it only slowly because neighbours can trade error between them.
// Lawson's iterative reweighting then moves the solution towards the
// smallest worst error.

#include "Bahnelemente.h"

#include <array>
#include <cmath>
#include <vector>

namespace osku {

using Block = std::array<std::array<double, 6>, 6>;
using Spalte = std::array<double, 6>;

inline Block nullBlock() { return Block{}; }

// Cholesky solve of a symmetric positive definite 6×6 system for several
// right-hand sides held as the columns of `rechts` (and one vector `v`).
class Cholesky6 {
public:
    bool zerlegen(const Block& a)
    {
        l_ = Block{};
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j <= i; ++j) {
                double s = a[i][j];
                for (int k = 0; k < j; ++k)
                    s -= l_[i][k] * l_[j][k];
                if (i == j) {
                    if (!(s > 0))
                        return false;
                    l_[i][i] = std::sqrt(s);
                } else {
                    l_[i][j] = s / l_[j][j];
                }
            }
        return true;
    }
    Spalte loesen(Spalte b) const
    {
        for (int i = 0; i < 6; ++i) {
            for (int k = 0; k < i; ++k)
                b[i] -= l_[i][k] * b[k];
            b[i] /= l_[i][i];
        }
        for (int i = 5; i >= 0; --i) {
            for (int k = i + 1; k < 6; ++k)
                b[i] -= l_[k][i] * b[k];
            b[i] /= l_[i][i];
        }
        return b;
    }
    // Solves A X = B for the 6×6 matrix B.
    Block loesen(const Block& b) const
    {
        Block x{};
        for (int c = 0; c < 6; ++c) {
            Spalte s;
            for (int r = 0; r < 6; ++r)
                s[r] = b[r][c];
            s = loesen(s);
            for (int r = 0; r < 6; ++r)
                x[r][c] = s[r];
        }
        return x;
    }

private:
    Block l_{};
};

// Solves the symmetric block-tridiagonal system with diagonal blocks a[k],
// blocks b[k] coupling k and k+1, right-hand side g; false if a pivot block
// is not positive definite.
inline bool blockTridiagonalLoesen(std::vector<Block> a, const std::vector<Block>& b, std::vector<Spalte> g,
                                   std::vector<Spalte>& x)
{
    const std::size_t n = a.size();
    std::vector<Block> dInvB(n);     // D_k^-1 B_k
    std::vector<Spalte> dInvY(n);    // D_k^-1 y_k
    Cholesky6 ch;
    for (std::size_t k = 0; k < n; ++k) {
        if (k > 0) {
            // D_k = A_k − B_{k−1}ᵀ D_{k−1}^-1 B_{k−1};  y_k = g_k − B_{k−1}ᵀ D_{k−1}^-1 y_{k−1}
            const Block& bb = b[k - 1];
            const Block& db = dInvB[k - 1];
            for (int i = 0; i < 6; ++i) {
                for (int j = 0; j < 6; ++j) {
                    double s = 0;
                    for (int m = 0; m < 6; ++m)
                        s += bb[m][i] * db[m][j];
                    a[k][i][j] -= s;
                }
                double s = 0;
                for (int m = 0; m < 6; ++m)
                    s += bb[m][i] * dInvY[k - 1][m];
                g[k][i] -= s;
            }
        }
        if (!ch.zerlegen(a[k]))
            return false;
        if (k + 1 < n)
            dInvB[k] = ch.loesen(b[k]);
        dInvY[k] = ch.loesen(g[k]);
    }
    x.assign(n, Spalte{});
    x[n - 1] = dInvY[n - 1];
    for (std::size_t k = n - 1; k-- > 0;)
        for (int i = 0; i < 6; ++i) {
            double s = dInvY[k][i];
            for (int j = 0; j < 6; ++j)
                s -= dInvB[k][i][j] * x[k + 1][j];
            x[k][i] = s;
        }
    return true;
}

class GlobaleAnpassung {
public:
    int abstand = 1;             // every abstand-th sample of the trajectory is fitted
    double radialGewicht = 0.05; // weight of the relative radius error against the angles
    int gaussNewton = 4;         // iterations of the plain least-squares fit
    int minimaxDurchgaenge = 30; // Lawson passes, one Gauss–Newton step each
    bool meldungen = false;

    void anpassen(const Bahn& b, std::vector<astro::OskuSatz>& saetze) const
    {
        gewicht_.assign(static_cast<std::size_t>(b.proben()), 1.0);
        double lambda = 1e-6;
        for (int it = 0; it < gaussNewton; ++it)
            schritt(b, saetze, lambda);
        for (int d = 0; d < minimaxDurchgaenge; ++d) {
            lawsonUmgewichten(b, saetze, abstand, gewicht_);
            schritt(b, saetze, lambda);
        }
    }

    // Largest angular error (arcsec) of the reader's position over the fitted samples.
    double groessterFehler(const Bahn& b, const std::vector<astro::OskuSatz>& saetze) const
    {
        double m = 0;
        for (int j = 0; j < b.proben(); j += abstand)
            m = std::max(m, winkelAbstand(leserPosition(b, saetze, j), b.kugelR[static_cast<std::size_t>(j)]));
        return m;
    }

    // A lower bound (arcsec) on the smallest worst error any records can
    // reach on these samples, to be called after anpassen with its result:
    // for any weights, the weighted rms error of the weighted least-squares
    // optimum cannot exceed the minimax error. The last Lawson weights are
    // the sharpest such weights at hand; a few more steps from `saetze`
    // (on a copy) settle the optimum for them. Two caveats keep it an
    // estimate rather than a proof: the steps may stop short of the optimum
    // (which errs high), and the bound is for the fitted error, which counts
    // the radius term (weight radialGewicht) besides the angle.
    double untereSchranke(const Bahn& b, std::vector<astro::OskuSatz> saetze) const
    {
        double lambda = 1e-6;
        for (int it = 0; it < 5; ++it)
            schritt(b, saetze, lambda);
        double summeW = 0, summeF = 0;
        for (int j = 0; j < b.proben(); j += abstand) {
            const auto r = residuum(leserPosition(b, saetze, j), b, j);
            summeF += r[0] * r[0] + r[1] * r[1] + r[2] * r[2];
            summeW += gewicht_[static_cast<std::size_t>(j)];
        }
        return std::sqrt(summeF / summeW) / kBogensekunde;
    }

private:
    mutable std::vector<double> gewicht_;

    // Weighted residual (ΔL·cos B, ΔB, w·ΔR/R) of the reader's position at sample j.
    std::array<double, 3> residuum(const astro::Kugelkoordinaten& pos, const Bahn& b, int j) const
    {
        const auto d = abweichung(pos, b.kugelR[static_cast<std::size_t>(j)]);
        const double w = std::sqrt(gewicht_[static_cast<std::size_t>(j)]);
        return {w * d[0], w * d[1], w * radialGewicht * d[2]};
    }

    double kosten(const Bahn& b, const std::vector<astro::OskuSatz>& saetze) const
    {
        double s = 0;
        for (int j = 0; j < b.proben(); j += abstand) {
            const auto r = residuum(leserPosition(b, saetze, j), b, j);
            s += r[0] * r[0] + r[1] * r[1] + r[2] * r[2];
        }
        return s;
    }

    // One damped Gauss–Newton step of all records together.
    void schritt(const Bahn& b, std::vector<astro::OskuSatz>& saetze, double& lambda) const
    {
        const int n = b.epochen;
        std::vector<Parameter> p(static_cast<std::size_t>(n));
        for (int k = 0; k < n; ++k)
            p[static_cast<std::size_t>(k)] = zuParameter(saetze[static_cast<std::size_t>(k)]);
        std::vector<Block> a(static_cast<std::size_t>(n), nullBlock()), bl(static_cast<std::size_t>(n), nullBlock());
        std::vector<Spalte> g(static_cast<std::size_t>(n), Spalte{});
        double s0 = 0;
        const std::array<double, 6> delta{1e-7, 1e-7, 1e-7, 1e-7, 1e-7, 1e-5};

        // Derivatives of the spherical position of record k at time t with
        // respect to its parameters (rows L·cosB, B, R/R as the residual).
        auto ableitungen = [&](int k, double t, const astro::Kugelkoordinaten& ziel, double faktor,
                               std::array<std::array<double, 6>, 3>& j) {
            const Parameter& pk = p[static_cast<std::size_t>(k)];
            const double epoche = saetze[static_cast<std::size_t>(k)][0];
            for (int c = 0; c < 6; ++c) {
                Parameter pp = pk, pm = pk;
                const double d = c == 0 ? delta[0] * pk[0] : delta[c];
                pp[c] += d;
                pm[c] -= d;
                const auto sp = astro::OskuPropagieren(ausParameter(pp, epoche), t);
                const auto sm = astro::OskuPropagieren(ausParameter(pm, epoche), t);
                const double f = faktor / (2 * d);
                j[0][c] = f * std::remainder(sp.L - sm.L, 360.0) * kGrad * std::cos(ziel.B * kGrad);
                j[1][c] = f * (sp.B - sm.B) * kGrad;
                j[2][c] = f * radialGewicht * (sp.R - sm.R) / ziel.R;
            }
        };

        const int letzte = b.proben() - 1;
        for (int k = 0; k + 1 < n; ++k) {
            const int von = k * b.proEpoche;
            const int bis = (k + 2 == n) ? letzte : von + b.proEpoche - 1;
            for (int j = von; j <= bis; j += abstand) {
                const double t = b.zeit(j);
                const auto& ziel = b.kugelR[static_cast<std::size_t>(j)];
                const auto& s1 = saetze[static_cast<std::size_t>(k)];
                const auto& s2 = saetze[static_cast<std::size_t>(k + 1)];
                const double q = (t - s1[0]) / (s2[0] - s1[0]);
                const auto pos = astro::OskuInterpolieren(astro::OskuPropagieren(s1, t), astro::OskuPropagieren(s2, t), q);
                const auto r = residuum(pos, b, j);
                s0 += r[0] * r[0] + r[1] * r[1] + r[2] * r[2];
                const double w = std::sqrt(gewicht_[static_cast<std::size_t>(j)]);
                std::array<std::array<double, 6>, 3> ja{}, jb{};
                ableitungen(k, t, ziel, w * (1.0 - q), ja);
                ableitungen(k + 1, t, ziel, w * q, jb);
                Block& ak = a[static_cast<std::size_t>(k)];
                Block& ak1 = a[static_cast<std::size_t>(k + 1)];
                Block& bk = bl[static_cast<std::size_t>(k)];
                for (int c = 0; c < 6; ++c) {
                    for (int d = 0; d < 6; ++d) {
                        double saa = 0, sbb = 0, sab = 0;
                        for (int z = 0; z < 3; ++z) {
                            saa += ja[z][c] * ja[z][d];
                            sbb += jb[z][c] * jb[z][d];
                            sab += ja[z][c] * jb[z][d];
                        }
                        ak[c][d] += saa;
                        ak1[c][d] += sbb;
                        bk[c][d] += sab;
                    }
                    for (int z = 0; z < 3; ++z) {
                        g[static_cast<std::size_t>(k)][c] -= ja[z][c] * r[z];
                        g[static_cast<std::size_t>(k + 1)][c] -= jb[z][c] * r[z];
                    }
                }
            }
        }

        for (int versuch = 0; versuch < 8; ++versuch) {
            std::vector<Block> ad = a;
            for (auto& blk : ad)
                for (int c = 0; c < 6; ++c)
                    blk[c][c] *= 1.0 + lambda;
            std::vector<Spalte> x;
            if (blockTridiagonalLoesen(std::move(ad), bl, g, x)) {
                std::vector<astro::OskuSatz> neu = saetze;
                bool gueltig = true;
                for (int k = 0; k < n && gueltig; ++k) {
                    Parameter q = p[static_cast<std::size_t>(k)];
                    for (int c = 0; c < 6; ++c)
                        q[c] += x[static_cast<std::size_t>(k)][c];
                    gueltig = q[0] > 0 && std::hypot(q[1], q[2]) < 0.99;
                    neu[static_cast<std::size_t>(k)] = ausParameter(q, saetze[static_cast<std::size_t>(k)][0]);
                }
                if (gueltig) {
                    const double sn = kosten(b, neu);
                    if (sn < s0) {
                        saetze = std::move(neu);
                        lambda = std::max(lambda / 10.0, 1e-12);
                        if (meldungen)
                            std::fprintf(stderr, "    GN cost %.6e -> %.6e (lambda %.1e) worst %.3f\"\n", s0, sn, lambda,
                                         groessterFehler(b, saetze));
                        return;
                    }
                }
            }
            lambda *= 10.0;
        }
    }
};

} // namespace osku
