// The block-tridiagonal solver of the joint element fit against a dense
// elimination of the same system, and the joint fit itself on a perturbed
// Kepler orbit.
#include "../../tools/oskugenerator/GlobaleAnpassung.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace osku;

TEST(OskuGemeinsameAnpassung, BlockTridiagonalSolveMatchesDenseElimination)
{
    std::mt19937 zufall(7);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    const int n = 5, m = 6 * n;
    std::vector<std::vector<double>> j(static_cast<std::size_t>(2 * m), std::vector<double>(m, 0.0));
    // A random banded Jacobian (rows touch two neighbouring blocks) gives a
    // symmetric positive definite block-tridiagonal JᵀJ.
    for (int r = 0; r < 2 * m; ++r) {
        const int k = std::min(n - 2, r / 12);
        for (int c = 6 * k; c < 6 * k + 12; ++c)
            j[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] = u(zufall);
    }
    std::vector<std::vector<double>> dicht(m, std::vector<double>(m, 0.0));
    for (int a = 0; a < m; ++a)
        for (int b = 0; b < m; ++b)
            for (int r = 0; r < 2 * m; ++r)
                dicht[a][b] += j[r][a] * j[r][b];
    std::vector<double> rechts(m);
    for (auto& x : rechts)
        x = u(zufall);
    std::vector<Block> diag(n), neben(n);
    std::vector<Spalte> g(n);
    for (int k = 0; k < n; ++k)
        for (int a = 0; a < 6; ++a) {
            g[k][a] = rechts[6 * k + a];
            for (int b = 0; b < 6; ++b) {
                diag[k][a][b] = dicht[6 * k + a][6 * k + b];
                if (k + 1 < n)
                    neben[k][a][b] = dicht[6 * k + a][6 * k + 6 + b];
            }
        }
    std::vector<Spalte> x;
    ASSERT_TRUE(blockTridiagonalLoesen(diag, neben, g, x));
    for (int a = 0; a < m; ++a) {
        double s = 0;
        for (int b = 0; b < m; ++b)
            s += dicht[a][b] * x[b / 6][b % 6];
        EXPECT_NEAR(s, rechts[a], 1e-9) << a;
    }
    diag[2][3][3] = -1.0; // not positive definite
    EXPECT_FALSE(blockTridiagonalLoesen(diag, neben, g, x));
}

// A body on a Kepler orbit whose longitude carries an extra wobble with
// about Jupiter's synodic period against a Jupiter-like table step, and
// records that all start from the unperturbed orbit.
struct GestoerteBahn {
    Bahn b;
    std::vector<astro::OskuSatz> saetze;
    GestoerteBahn()
    {
        const astro::OskuSatz grund{2451545.0, 0.05, 1.3, 275.0, 100.0, 5.2, 20.0};
        b.jd0 = 2451545.0;
        b.schritt = 8640;
        b.proEpoche = 16;
        b.epochen = 12;
        for (int j = 0; j < b.proben(); ++j) {
            auto k = astro::OskuPropagieren(grund, b.zeit(j));
            k.L = grad360(k.L + 0.05 * std::sin((b.zeit(j) - b.jd0) / 7253.0 * 2 * std::numbers::pi));
            b.r.push_back(Vek{k.R / kAE * std::cos(k.B * kGrad) * std::cos(k.L * kGrad),
                              k.R / kAE * std::cos(k.B * kGrad) * std::sin(k.L * kGrad), k.R / kAE * std::sin(k.B * kGrad)});
        }
        b.vorbereiten();
        saetze.assign(static_cast<std::size_t>(b.epochen), grund);
        for (int k = 0; k < b.epochen; ++k)
            saetze[static_cast<std::size_t>(k)][0] = b.jd0 + k * b.schritt;
    }
};

// The joint fit must bring the reader's worst error well below that of the
// records it starts from.
TEST(OskuGemeinsameAnpassung, ReducesTheReadersWorstErrorOnAPerturbedOrbit)
{
    GestoerteBahn t;
    GlobaleAnpassung g;
    g.minimaxDurchgaenge = 5;
    const double vorher = g.groessterFehler(t.b, t.saetze);
    g.anpassen(t.b, t.saetze);
    const double nachher = g.groessterFehler(t.b, t.saetze);
    EXPECT_GT(vorher, 150.0);
    EXPECT_LT(nachher, 0.5 * vorher);
}

// The lower bound never exceeds what a fit reaches, and after enough Lawson
// passes it closes in on it; a plain least-squares fit gives a weaker bound.
TEST(OskuGemeinsameAnpassung, LowerBoundLiesBelowTheReachedWorstErrorAndClosesIn)
{
    GestoerteBahn lsq, lawson;
    GlobaleAnpassung g0, g;
    g0.minimaxDurchgaenge = 0;
    g.minimaxDurchgaenge = 60;
    g0.anpassen(lsq.b, lsq.saetze);
    g.anpassen(lawson.b, lawson.saetze);
    const double schrankeLsq = g0.untereSchranke(lsq.b, lsq.saetze);
    const double schranke = g.untereSchranke(lawson.b, lawson.saetze);
    const double erreicht = g.groessterFehler(lawson.b, lawson.saetze);
    RecordProperty("reached", std::to_string(erreicht));
    RecordProperty("bound", std::to_string(schranke));
    RecordProperty("boundLsq", std::to_string(schrankeLsq));
    EXPECT_LE(schranke, erreicht);
    EXPECT_LE(schrankeLsq, erreicht);
    EXPECT_GT(schranke, 0.85 * erreicht);
    EXPECT_GT(schranke, schrankeLsq);
}

} // namespace
