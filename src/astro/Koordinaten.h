#pragma once
// Positions and the conversions between rectangular and spherical ecliptic
// coordinates; angle reduction.
//
// A `PositionXYZ` of a planet is heliocentric, ecliptic, in 10^6 km: X towards
// the vernal equinox (of J2000 or of the date, see Rechenoptionen::MitPraezession),
// Y 90° further in longitude, Z towards the north ecliptic pole. The Moon's
// position (Mondposition.h) is geocentric and in km. No light time, aberration
// or nutation is applied anywhere.

namespace astro {

// 1 AU in 10^6 km, the conversion factor used throughout.
inline constexpr double AE = 149.597870691;

struct PositionXYZ {
    double X = 0.0;
    double Y = 0.0;
    double Z = 0.0;
};

constexpr PositionXYZ operator+(PositionXYZ a, PositionXYZ b) { return {a.X + b.X, a.Y + b.Y, a.Z + b.Z}; }
constexpr PositionXYZ operator-(PositionXYZ a, PositionXYZ b) { return {a.X - b.X, a.Y - b.Y, a.Z - b.Z}; }
constexpr PositionXYZ operator*(double f, PositionXYZ a) { return {f * a.X, f * a.Y, f * a.Z}; }
constexpr PositionXYZ operator*(PositionXYZ a, double f) { return f * a; }
constexpr PositionXYZ operator/(PositionXYZ a, double d) { return {a.X / d, a.Y / d, a.Z / d}; }

// Spherical ecliptic coordinates: longitude L in degrees [0, 360), latitude B
// in degrees, radius R in the unit of the rectangular form.
struct Kugelkoordinaten {
    double L = 0.0;
    double B = 0.0;
    double R = 0.0;
};

// X = R cos B cos L, Y = R cos B sin L, Z = R sin B (L, B in degrees).
PositionXYZ KugelZuXYZ(const Kugelkoordinaten& k);
// L = atan2(Y, X) in degrees (+360 when negative), B = atan2(Z, sqrt(X²+Y²)),
// R = |P|. The origin gives L = B = R = 0.
Kugelkoordinaten XYZZuKugel(const PositionXYZ& p);

// Reduces an angle in degrees to [0, 360): -30 -> 330, 720 -> 0. A tiny
// negative angle whose sum with 360 rounds to 360 gives 0.
double Winkel360(double grad);
// Reduces an angle in degrees to [-180, 180]: 190 -> -170. Equivalent to
// subtracting/adding 360 until inside, in constant time for any magnitude.
double Winkel180(double grad);

inline constexpr double GradZuRad = 3.14159265358979323846 / 180.0;
inline constexpr double RadZuGrad = 180.0 / 3.14159265358979323846;

} // namespace astro
