#pragma once
// View geometry: the view state `Ansicht` and the one projection every
// drawing uses.
//
// Points are heliocentric (or planet-centred) ecliptic rectangular
// coordinates in 10^6 km (the Moon representation: geocentric km). The
// projection is orthographic: the point is turned by the three view angles,
// the turned x and y are scaled to pixels, the turned z is kept as a depth so
// callers can split a figure into the part behind and the part in front of
// the plane through the centre.

#include <array>
#include <stdexcept>

namespace figures {

// A projected point that does not fit a signed 32-bit pixel coordinate (or
// is not a number). The run engine reports it like any other failure of a
// frame; drawing code never sees a wrapped-around pixel.
struct Bereichsfehler : std::range_error {
    Bereichsfehler() : std::range_error("projected point outside the pixel range") {}
};

// Round to the nearest integer, exact halves to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2). Throws Bereichsfehler outside int32.
int RundenGerade(double wert);

// Largest distance of each body from the Sun (aphelion, rounded) in 10^6 km,
// indexed by body number 1 .. 21; entry 0 holds the Moon's largest distance
// from the Earth in 10^3 km.
inline constexpr std::array<int, 22> Ausdehnung = {
    420, 70, 109, 152, 249, 816, 1506, 3003, 4537, 7373, 445,
    511, 385, 501, 2824, 6751, 6756, 7186, 7709, 7896, 14593, 134676,
};

// Centre codes of the scale rule beyond the body numbers 0 .. 21.
constexpr int ZentrumErdeMond = 22;     // Moon representation (geocentric km)
constexpr int ZentrumBaryzentrum = 23;  // barycentre representation

// Radius in pixels, on a surface 600 pixels high, that the figure fills.
constexpr double Figurradius = 260.0;

struct Ansicht {
    double Hoehenfaktor = 1.0;   // client height / 600
    double WinkelX = 0.0;        // rotation about x, radians
    double WinkelY = 0.0;        // rotation about y, radians
    double WinkelZ = 0.0;        // rotation about z, radians
    double Zoom = 1.0;           // zoom slider / 100 (0.1 .. 50)
    double Massstab = 1.0;       // pixels per 10^6 km, 600-pixel surface, zoom 1
    int Breite = 0, Hoehe = 0;   // client size, pixels
    int VerschiebungX = 0, VerschiebungY = 0;  // shift of the centre by mouse drag
    int MitteX = 0, MitteY = 0;  // pixel of the projection centre
    int BildX = 0, BildY = 0;    // result of the last PerspektivKoordinaten
    double Tiefe = 0.0;          // turned z of the last point (positive: towards the viewer)
    double DrehX = 0.0, DrehY = 0.0;  // turned x, y of the last point (only while Metamorphose)
    bool Metamorphose = false;   // menu item "Metamorphose" checked
    bool NeuZeichnen = false;    // view changed: cached pixels are stale
    std::array<double, 3> FigurWinkel{};      // angles in force for "nur Bahnen drehen"
    std::array<double, 3> GesicherteWinkel{};  // live angles saved meanwhile

    // Extent of the figure (10^6 km; 10^3 km for the Moon) and the distance
    // the scale bar shows, both set per run by MassstabswertAusAusdehnung.
    double FigurAusdehnung = 0.0;
    double Massstabswert = 0.0;
    // Extent of the barycentre figure (10^6 km), supplied by that
    // representation for the scale rule with centre ZentrumBaryzentrum.
    double BaryAusdehnung = 0.0;

    // Turns (x, y, z) by the three view angles: x and y are replaced by the
    // turned x and y, the turned z goes to Tiefe.
    void Perspektive(double& x, double& y, double z);
    // Turns and scales to the pixel (BildX, BildY); sets Tiefe (and DrehX,
    // DrehY while Metamorphose). Throws Bereichsfehler when the pixel does
    // not fit an int.
    void PerspektivKoordinaten(double x, double y, double z);

    // Pixels per unit for this view: Hoehenfaktor x Massstab x Zoom.
    double Pixelfaktor() const { return Hoehenfaktor * Massstab * Zoom; }

    // New client size: Hoehenfaktor, centre, no shift, NeuZeichnen.
    void GroesseSetzen(int breite, int hoehe);
    // Centre from size and shift (integer halving towards zero).
    void MitteBerechnen();

    // Rotation angles from the three sliders (whole degrees).
    void WinkelSetzenGrad(double x, double y, double z);

    void NurBahnenDrehen();
    void NurBahnenDrehenZurueck();
    // The box "nur Bahnen drehen" was clicked: the live angles become the
    // figure's angles.
    void FigurWinkelMerken();

    // The scale rule: pixels per 10^6 km (per km for ZentrumErdeMond) on a
    // 600-pixel-high surface so that the figure fills a radius of 260 pixels.
    // b is the body farthest out, a the other body of a pair (0 counts as
    // 1), zentrum the centre code (0 Sun, 1 .. 21 a body, 22, 23).
    double MassstabAusAusdehnung(int a, int b, int zentrum) const;
    // Sets FigurAusdehnung by the same rule and returns the scale-bar value
    // (also stored in Massstabswert).
    double MassstabswertAusAusdehnung(int a, int b, int zentrum);

private:
    // Sines and cosines of the angles they were taken for.
    struct Winkelfunktionen {
        std::array<double, 3> winkel{0.0, 0.0, 0.0};
        double ca = 1, sa = 0, cb = 1, sb = 0, cc = 1, sc = 0;
    } trig_;
};

// The extent from which the scale rule divides 260 (same arguments as
// MassstabAusAusdehnung; bary is the barycentre figure's own extent).
double FigurAusdehnungNachRegel(int a, int b, int zentrum, double bary);

// The distance shown by the scale bar for an extent E: E's leading digit
// times its power of ten (1506 -> 1000, 249 -> 200, 0.42 -> 0.4).
double MassstabswertAusExtent(double extent);

constexpr double GradZuRad = 3.14159265358979323846 / 180.0;

} // namespace figures
