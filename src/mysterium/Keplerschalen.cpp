#include "mysterium/Keplerschalen.h"

#include "figures/Punktliste.h"

namespace mysterium {

using figures::Stiftstil;

namespace {
constexpr int Merkur = 1, Venus = 2, Erde = 3, Mars = 4, Jupiter = 5, Saturn = 6;
} // namespace

Keplerschalen::Keplerschalen()
{
    p_.allesNeu();
    p_.DodekaederDrehen108();
    p_.aufBahnenSkalieren();
}

void Keplerschalen::bahnhaelfte(figures::Zeichenflaeche& z, const figures::Einstellungssatz& s,
                                const figures::Bahnpunkte& bahnen, const std::array<bool, 22>& auswahl, int planet,
                                bool vorne)
{
    // The pixels and depths the frame's full orbits projected; a segment
    // belongs to the half of its end point.
    const int k = figures::Bahnzeile(planet, 1, auswahl, false);
    if (k <= 0 || k >= figures::Bahnpunkte::Zeilen || !bahnen.belegt(k))
        return;
    const auto& zeile = bahnen.zeile(k);
    z.stift(s.IntFarbeBahnen, s.IntBahndicke, Stiftstil::Durchgezogen);
    for (size_t j = 1; j < zeile.size(); ++j) {
        if ((zeile[j].tiefe >= 0) != vorne)
            continue;
        z.bewegeZu(zeile[j - 1].px, zeile[j - 1].py);
        z.linieZu(zeile[j].px, zeile[j].py);
    }
}

void Keplerschalen::planet(figures::Zeichenflaeche& z, const figures::Einstellungssatz& s,
                           const figures::Punktliste& scheiben, int planet, bool vorne)
{
    for (int i = 0; i < scheiben.anzahl; ++i) {
        const auto& e = scheiben[i];
        if (e.koerper != planet || (e.schluessel >= 0) != vorne)
            continue;
        const int radius = planet == 0 ? s.IntASonne : s.IntA;
        figures::PlanetZeichnen(z, e.x, e.y, std::max(radius, 1), s.IntFarbeLiniePlaneten,
                                figures::KoerperFarbe(s, planet), s.IntRanddicke);
    }
}

void Keplerschalen::koerper(figures::Zeichenflaeche& z, const figures::Ansicht& a, const figures::Einstellungssatz& s,
                            Koerper k, int von, int bis, Durchgang d)
{
    Flaechenstil stil;
    switch (k) {
    case Koerper::Tetraeder: stil.linie = s.IntFarbeLinieMystT; break;
    case Koerper::Hexaeder: stil.linie = s.IntFarbeLinieMystH; break;
    case Koerper::Oktaeder: stil.linie = s.IntFarbeLinieMystO; break;
    case Koerper::Dodekaeder: stil.linie = s.IntFarbeLinieMystD; break;
    case Koerper::Ikosaeder: stil.linie = s.IntFarbeLinieMystI; break;
    }
    stil.nurLinien = true;
    stil.mysterium = true;
    stil.durchgang = d;
    FlaechenZeichnen(z, k, sortiert_[static_cast<size_t>(k)], von, bis, a.Zoom, stil);
}

void Keplerschalen::zeichnen(figures::Zeichenflaeche& z, figures::Ansicht& a, const figures::Einstellungssatz& s,
                             const figures::Bahnpunkte& bahnen, const std::array<bool, 22>& auswahl,
                             const figures::Punktliste& scheiben)
{
    // All five solids are projected and sorted first, with the frozen
    // angles while "nur Bahnen drehen" is ticked.
    if (nurBahnenDrehen)
        a.NurBahnenDrehen();
    for (Koerper k : {Koerper::Tetraeder, Koerper::Hexaeder, Koerper::Oktaeder, Koerper::Ikosaeder, Koerper::Dodekaeder}) {
        p_.projizieren(k, a);
        sortiert_[static_cast<size_t>(k)] = p_.flaechenSortiert(k);
    }
    if (nurBahnenDrehen)
        a.NurBahnenDrehenZurueck();

    auto aussen = [&](int b) {
        bahnhaelfte(z, s, bahnen, auswahl, b, false);
        planet(z, s, scheiben, b, false);
    };
    auto innen = [&](int b) {
        bahnhaelfte(z, s, bahnen, auswahl, b, true);
        planet(z, s, scheiben, b, true);
    };
    // From outside in, the back halves.
    aussen(Saturn);
    koerper(z, a, s, Koerper::Hexaeder, 1, 3);
    aussen(Jupiter);
    koerper(z, a, s, Koerper::Tetraeder, 1, 3, Durchgang::Hinten);
    aussen(Mars);
    koerper(z, a, s, Koerper::Dodekaeder, 1, 6);
    aussen(Erde);
    koerper(z, a, s, Koerper::Ikosaeder, 1, 10);
    aussen(Venus);
    koerper(z, a, s, Koerper::Oktaeder, 1, 4);
    aussen(Merkur);
    // The Sun (its disc stands at the centre with depth 0: "front").
    planet(z, s, scheiben, 0, true);
    innen(Merkur);
    // From inside out, the front halves.
    koerper(z, a, s, Koerper::Oktaeder, 5, 8);
    innen(Venus);
    koerper(z, a, s, Koerper::Ikosaeder, 11, 20);
    innen(Erde);
    koerper(z, a, s, Koerper::Dodekaeder, 7, 12);
    innen(Mars);
    koerper(z, a, s, Koerper::Tetraeder, 2, 4, Durchgang::Vorne);
    innen(Jupiter);
    koerper(z, a, s, Koerper::Hexaeder, 4, 6);
    innen(Saturn);
}

} // namespace mysterium
