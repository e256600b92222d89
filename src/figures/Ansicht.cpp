#include "figures/Ansicht.h"

#include <cfenv>
#include <cmath>
#include <limits>

namespace figures {

int RundenGerade(double wert)
{
    // The default floating-point environment rounds to nearest, ties to even;
    // set it explicitly so a caller that changed it cannot change pixels.
    const int alt = std::fegetround();
    if (alt != FE_TONEAREST)
        std::fesetround(FE_TONEAREST);
    const double r = std::nearbyint(wert);
    if (alt != FE_TONEAREST)
        std::fesetround(alt);
    if (!(r >= static_cast<double>(std::numeric_limits<int>::min()) &&
          r <= static_cast<double>(std::numeric_limits<int>::max())))
        throw Bereichsfehler{};
    return static_cast<int>(r);
}

void Ansicht::Perspektive(double& x, double& y, double z)
{
    // The sines and cosines follow the live angles; they are taken again
    // only when an angle has changed since the last call.
    if (WinkelX != trig_.winkel[0] || WinkelY != trig_.winkel[1] || WinkelZ != trig_.winkel[2]) {
        trig_.winkel = {WinkelX, WinkelY, WinkelZ};
        trig_.ca = std::cos(WinkelX);
        trig_.sa = std::sin(WinkelX);
        trig_.cb = std::cos(WinkelY);
        trig_.sb = std::sin(WinkelY);
        trig_.cc = std::cos(WinkelZ);
        trig_.sc = std::sin(WinkelZ);
    }
    const double ca = trig_.ca, sa = trig_.sa, cb = trig_.cb, sb = trig_.sb, cc = trig_.cc, sc = trig_.sc;
    // Transpose of Rx(a) Ry(b) Rz(c): all angles 0 look from the ecliptic
    // north pole with the equinox to the right.
    const double xs = cb * cc * x + (ca * sc + sa * sb * cc) * y + (sa * sc - ca * sb * cc) * z;
    const double ys = -cb * sc * x + (ca * cc - sa * sb * sc) * y + (sa * cc + ca * sb * sc) * z;
    Tiefe = sb * x - sa * cb * y + ca * cb * z;
    x = xs;
    y = ys;
}

void Ansicht::PerspektivKoordinaten(double x, double y, double z)
{
    Perspektive(x, y, z);
    const double k = Pixelfaktor();
    BildX = RundenGerade(k * x + MitteX);
    BildY = RundenGerade(MitteY - k * y);
    if (Metamorphose) {
        DrehX = x;
        DrehY = y;
    }
}

void Ansicht::MitteBerechnen()
{
    MitteX = Breite / 2 + VerschiebungX;
    MitteY = Hoehe / 2 + VerschiebungY;
}

void Ansicht::GroesseSetzen(int breite, int hoehe)
{
    Breite = breite;
    Hoehe = hoehe;
    Hoehenfaktor = hoehe / 600.0;
    VerschiebungX = 0;
    VerschiebungY = 0;
    MitteBerechnen();
    NeuZeichnen = true;
}

void Ansicht::WinkelSetzenGrad(double x, double y, double z)
{
    WinkelX = x * GradZuRad;
    WinkelY = y * GradZuRad;
    WinkelZ = z * GradZuRad;
}

void Ansicht::NurBahnenDrehen()
{
    GesicherteWinkel = {WinkelX, WinkelY, WinkelZ};
    WinkelX = FigurWinkel[0];
    WinkelY = FigurWinkel[1];
    WinkelZ = FigurWinkel[2];
}

void Ansicht::NurBahnenDrehenZurueck()
{
    WinkelX = GesicherteWinkel[0];
    WinkelY = GesicherteWinkel[1];
    WinkelZ = GesicherteWinkel[2];
}

void Ansicht::FigurWinkelMerken() { FigurWinkel = {WinkelX, WinkelY, WinkelZ}; }

double FigurAusdehnungNachRegel(int a, int b, int zentrum, double bary)
{
    if (zentrum == ZentrumErdeMond)
        return Ausdehnung[0];
    if (zentrum == ZentrumBaryzentrum)
        return bary;
    if (a == 0)
        a = 1;
    if (zentrum == a || zentrum == b)
        return Ausdehnung[static_cast<size_t>(a)] + Ausdehnung[static_cast<size_t>(b)];
    if (zentrum == 0)
        return Ausdehnung[static_cast<size_t>(b)];
    return Ausdehnung[static_cast<size_t>(b)] + Ausdehnung[static_cast<size_t>(zentrum)];
}

double Ansicht::MassstabAusAusdehnung(int a, int b, int zentrum) const
{
    const double e = FigurAusdehnungNachRegel(a, b, zentrum, BaryAusdehnung);
    // The Moon representation works in kilometres: 420 (10^3 km) is 420000 km.
    const double nenner = zentrum == ZentrumErdeMond ? e * 1000.0 : e;
    return nenner > 0 ? Figurradius / nenner : 1.0;
}

double MassstabswertAusExtent(double extent)
{
    if (!(extent > 0) || !std::isfinite(extent))
        return 0.0;
    // Leading digit d in [1, 10). An extent of exactly 10, 100, ... gives
    // d = 1 and the value itself, never ten times the extent.
    double d = extent;
    int p = 0;
    while (d >= 10.0) {
        d /= 10.0;
        ++p;
    }
    while (d < 1.0) {
        d *= 10.0;
        --p;
    }
    return std::trunc(d) * std::pow(10.0, p);
}

double Ansicht::MassstabswertAusAusdehnung(int a, int b, int zentrum)
{
    FigurAusdehnung = FigurAusdehnungNachRegel(a, b, zentrum, BaryAusdehnung);
    Massstabswert = MassstabswertAusExtent(FigurAusdehnung);
    return Massstabswert;
}

} // namespace figures
