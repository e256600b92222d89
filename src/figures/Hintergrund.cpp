#include "figures/Hintergrund.h"

#include <cmath>

namespace figures {

std::string Tierkreiszeichen(int q)
{
    // U+2648 .. U+2653 are E2 99 88 .. E2 99 93 in UTF-8.
    const unsigned c = 0x2648u + static_cast<unsigned>(((q % 12) + 12) % 12);
    std::string s;
    s += static_cast<char>(0xE0u | (c >> 12));
    s += static_cast<char>(0x80u | ((c >> 6) & 0x3Fu));
    s += static_cast<char>(0x80u | (c & 0x3Fu));
    return s;
}

namespace {

// The point at radius r and longitude `grad` in the ecliptic plane, turned by
// the view and placed around the centre (no zoom, no scale).
Punkt Ringpunkt(Ansicht& a, double r, double grad)
{
    double x = r * std::cos(grad * GradZuRad);
    double y = r * std::sin(grad * GradZuRad);
    a.Perspektive(x, y, 0.0);
    return {RundenGerade(a.MitteX + x), RundenGerade(a.MitteY - y)};
}

} // namespace

void Tierkreis(Zeichenflaeche& z, Ansicht& ansicht, const Einstellungssatz& s, bool zeichen, const Tierkreislage& lage)
{
    // Drawing the band must not disturb the depth a caller just projected.
    const double tiefe = ansicht.Tiefe;
    const double R = ansicht.Hoehe / 2 - 15;
    const double verschiebung = lage.mitPraezession ? lage.tag * PraezessionGradProTag : 0.0;
    const double drehung = lage.umgekehrt ? 180.0 : 0.0;

    z.stift(s.IntFarbeTierkreis, 1, Stiftstil::Durchgezogen);
    z.pinsel(s.IntFarbeHintergrund, Pinselstil::Keiner);
    Punkt p = Ringpunkt(ansicht, R, 0.0);
    for (int i = 1; i <= 180; ++i) {
        const Punkt q = Ringpunkt(ansicht, R, 2.0 * i);
        z.bewegeZu(p.x, p.y);
        z.linieZu(q.x, q.y);
        p = q;
    }

    for (int q = 0; q < 12; ++q) {
        const double a = (zeichen ? 30.0 * q : Sternbildgrenzen[static_cast<size_t>(q)] - verschiebung) + drehung;
        const Punkt innen = Ringpunkt(ansicht, R - 5, a);
        const Punkt aussen = Ringpunkt(ansicht, R + 5, a);
        z.bewegeZu(innen.x, innen.y);
        z.linieZu(aussen.x, aussen.y);
    }

    z.schrift({TierkreisSchrift, 10, s.IntFarbeTierkreis, false});
    for (int q = 0; q < 12; ++q) {
        const double a =
            (zeichen ? 30.0 * q + 15.0 : Sternbildbeschriftung[static_cast<size_t>(q)] - verschiebung) + drehung;
        const Punkt m = Ringpunkt(ansicht, R - 12, a);
        z.textAus(m.x - 7, m.y - 7, Tierkreiszeichen(q));
    }
    z.schrift({"MS Sans Serif", 8, s.IntFarbeBahnen, false});
    ansicht.Tiefe = tiefe;
}

void DXHintergrund(Zeichenflaeche& z, int bild)
{
    const int w = z.bildBreite(bild);
    const int h = z.bildHoehe(bild);
    if (w <= 0 || h <= 0)
        return;
    for (int i = 0; i <= z.breite() / w; ++i)
        for (int j = 0; j <= z.hoehe() / h; ++j)
            z.bildZeichnen(bild, w * i, h * j);
}

void HintergrundSofort(Zeichenflaeche& z, Ansicht& ansicht, const Einstellungssatz& s, Tierkreisart tierkreis,
                       const Tierkreislage& lage)
{
    z.fuellen(s.IntFarbeHintergrund);
    if (s.IntBilditem >= 0)
        DXHintergrund(z, s.IntBilditem);
    if (tierkreis != Tierkreisart::Keiner)
        Tierkreis(z, ansicht, s, tierkreis == Tierkreisart::Zeichen, lage);
    z.flip();
}

} // namespace figures
