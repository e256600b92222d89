#include "astro/Koordinaten.h"

#include <cmath>

namespace astro {

PositionXYZ KugelZuXYZ(const Kugelkoordinaten& k)
{
    const double l = k.L * GradZuRad;
    const double b = k.B * GradZuRad;
    const double rcosb = k.R * std::cos(b);
    return {rcosb * std::cos(l), rcosb * std::sin(l), k.R * std::sin(b)};
}

Kugelkoordinaten XYZZuKugel(const PositionXYZ& p)
{
    Kugelkoordinaten k;
    k.L = std::atan2(p.Y, p.X) * RadZuGrad;
    if (k.L < 0.0)
        k.L += 360.0;
    const double rho = std::sqrt(p.X * p.X + p.Y * p.Y);
    k.B = std::atan2(p.Z, rho) * RadZuGrad;
    k.R = std::sqrt(rho * rho + p.Z * p.Z);
    return k;
}

double Winkel360(double x)
{
    double r = x > 0.0 ? x - 360.0 * std::trunc(x / 360.0) : x - 360.0 * std::floor(x / 360.0);
    // x/360 rounded up to a whole number leaves a tiny negative rest, and a tiny
    // negative x gives exactly 360 after the sum: both belong to 0.
    if (r < 0.0)
        r += 360.0;
    if (r >= 360.0)
        r = 0.0;
    return r;
}

double Winkel180(double x)
{
    if (x > 180.0)
        x -= 360.0 * std::ceil((x - 180.0) / 360.0);
    else if (x < -180.0)
        x += 360.0 * std::ceil((-180.0 - x) / 360.0);
    return x;
}

} // namespace astro
