#include "astro/Kepler.h"

#include <cmath>
#include <limits>

namespace astro {

namespace {

constexpr double Pi = 3.14159265358979323846;

// Root of E - e sin E = m for m in [-π, π] by Newton steps kept inside a
// bracket that always holds the root (f is increasing, |E - m| <= e).
double exzentrischeAnomalieNewton(double e, double m, double start)
{
    double lo = m - e;
    double hi = m + e;
    double E = (start > lo && start < hi) ? start : m;
    for (int k = 0; k < 200; ++k) {
        const double f = E - e * std::sin(E) - m;
        if (f > 0.0)
            hi = E;
        else
            lo = E;
        const double fs = 1.0 - e * std::cos(E);
        double neu = E - f / fs;
        if (!(neu > lo && neu < hi))
            neu = 0.5 * (lo + hi);
        if (std::fabs(neu - E) <= 1e-14 || hi - lo <= 1e-15) {
            E = neu;
            break;
        }
        E = neu;
    }
    return E;
}

} // namespace

double KeplerGleichung(double e, double M)
{
    if (!(e >= 0.0 && e < 1.0) || !std::isfinite(M))
        return std::numeric_limits<double>::quiet_NaN();
    const double mr = M / 180.0 * Pi;
    double E = mr;
    // The fixed-point step contracts by about e·|cos E|: sixteen steps settle
    // every orbit up to e ≈ 0.25 to 1e-9. Slower cases (Sedna, e ≈ 0.85,
    // needs well over a hundred) go on by Newton from where the steps got to.
    bool konvergiert = false;
    for (int k = 0; k < 16; ++k) {
        const double neu = mr + e * std::sin(E);
        const double schritt = std::fabs(neu - E);
        E = neu;
        if (schritt <= 1e-9) {
            konvergiert = true;
            break;
        }
    }
    if (!konvergiert) {
        // Slow contraction (high e): solve for the mean anomaly reduced to
        // [-π, π]; E changes by the same whole turns, which tan(E/2) ignores.
        const double m = std::remainder(mr, 2.0 * Pi);
        E = exzentrischeAnomalieNewton(e, m, std::remainder(E, 2.0 * Pi));
    }
    return 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(E / 2.0)) * 180.0 / Pi;
}

} // namespace astro
