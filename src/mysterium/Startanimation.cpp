#include "mysterium/Startanimation.h"

#include "figures/Hintergrund.h"

#include <cmath>

namespace mysterium {

namespace {
constexpr double Pi = 3.14159265358979323846;
constexpr double Grad = Pi / 180.0;
} // namespace

Startparameter StartparameterZiehen(const Zufall& zufall)
{
    static constexpr double vorgaben[6] = {0, 18, 54, 81, 90, -90};
    Startparameter p;
    p.vorgabeGrad = vorgaben[zufall(6)];
    auto vorzeichen = [&] { return zufall(2) == 0 ? 1 : -1; };
    p.ankunftX = vorzeichen();
    p.ankunftY = vorzeichen();
    p.abflugX = vorzeichen();
    p.abflugY = vorzeichen();
    p.theta0 = (zufall(81) * 0.01 + 2.4) * Pi;
    return p;
}

Zufall ZufallAusSaat(std::uint64_t saat)
{
    return [zustand = saat](int n) mutable {
        zustand = zustand * 6364136223846793005ULL + 1442695040888963407ULL;
        return n > 0 ? static_cast<int>((zustand >> 33) % static_cast<std::uint64_t>(n)) : 0;
    };
}

void Startanimation::zuruecksetzen()
{
    Koerperwahl w;
    w.figur[static_cast<size_t>(Figur::Dodekaederstern)] = true;
    figures::Ansicht a;
    bild_.vorbereiten(w, a, true);
    massstab_ = 0.01;
    theta_ = par_.theta0;
    alpha_ = 180;
    halten_ = 0;
    wachsen_ = true;
    schrumpfen_ = false;
}

bool Startanimation::weiter(figures::Ansicht& a, bool ueberspringen)
{
    constexpr double schritt = Endmassstab / Bilder;
    // Scale: growing, then held, then shrinking.
    if (wachsen_)
        massstab_ += schritt;
    else if (schrumpfen_)
        massstab_ -= schritt;
    if (massstab_ >= Endmassstab)
        wachsen_ = false;
    if (!wachsen_) {
        schrumpfen_ = halten_ >= Haltebilder;
        ++halten_;
    }
    if (massstab_ <= 0 || ueberspringen)
        return false;

    // The spiral: in towards the middle while growing, out while shrinking.
    const double thetaSchritt = par_.theta0 / Bilder;
    if (wachsen_)
        theta_ -= thetaSchritt;
    else if (schrumpfen_)
        theta_ += thetaSchritt;
    const int dx = static_cast<int>(std::lround(std::cos(theta_) * theta_ * a.Breite / 30.0));
    const int dy = static_cast<int>(std::lround(std::sin(theta_) * theta_ * a.Hoehe / 20.0));
    const int sx = wachsen_ ? par_.ankunftX : par_.abflugX;
    const int sy = wachsen_ ? par_.ankunftY : par_.abflugY;
    a.MitteX = a.Breite / 2 + sx * dx;
    a.MitteY = a.Hoehe / 2 + sy * dy;

    // The spin: steady while moving, speeding up to 15 degrees a frame and
    // slowing down again while holding.
    if (!haelt()) {
        alpha_ -= 1;
    } else {
        const double c = halten_;
        alpha_ -= c < Haltebilder / 2 ? 1 + c / 12.857142857 : 1 + (28 - c / 12.857142857);
    }
    a.WinkelSetzenGrad(haelt() ? par_.vorgabeGrad : par_.vorgabeGrad + alpha_, alpha_, 0);
    a.Massstab = massstab_;
    a.Metamorphose = false;
    return true;
}

void Startanimation::zeichnen(figures::Zeichenflaeche& z, figures::Ansicht& a, const figures::Einstellungssatz& s)
{
    z.fuellen(figures::Schwarz);
    figures::DXHintergrund(z, 2);
    Koerperschalter sch;
    sch.startanimation = true;
    bild_.sternZeichnen(z, a, s, true, sch);
}

} // namespace mysterium
