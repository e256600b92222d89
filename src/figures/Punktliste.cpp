#include "figures/Punktliste.h"

#include <algorithm>

namespace figures {

void PlanetZeichnen(Zeichenflaeche& z, int x, int y, int radius, Farbe rand, Farbe fuellung, int randdicke)
{
    z.stift(rand, randdicke, Stiftstil::Durchgezogen);
    z.pinsel(fuellung, Pinselstil::Voll);
    z.ellipse(x - radius, y - radius, x + radius, y + radius);
}

void ZentrumMarkieren(Zeichenflaeche& z, const Einstellungssatz& s, int x, int y, bool baryMitSonne)
{
    z.stift(baryMitSonne ? s.IntFarbeTierkreis : s.IntFarbeBahnen, 1, Stiftstil::Durchgezogen);
    z.bewegeZu(x - 7, y);
    z.linieZu(x + 7, y);
    z.bewegeZu(x, y + 7);
    z.linieZu(x, y - 7);
}

bool Punktliste::hinzufuegen(int koerper, int x, int y, double schluessel)
{
    if (anzahl >= Kapazitaet)
        return false;
    eintraege[static_cast<size_t>(anzahl++)] = {koerper, x, y, schluessel};
    return true;
}

void ArraySortieren(Punktliste& liste, int anzahl, bool absteigend)
{
    anzahl = std::clamp(anzahl, 0, liste.anzahl);
    auto* e = liste.eintraege.data();
    // A stable sort: two discs at the same depth keep the order in which the
    // representation listed them, whatever else moves around them. Insertion
    // sort: the list is short and, unlike std::stable_sort, it needs no
    // buffer (a frame allocates nothing).
    auto vor = [absteigend](const auto& a, const auto& b) {
        return absteigend ? a.schluessel > b.schluessel : a.schluessel < b.schluessel;
    };
    for (int i = 1; i < anzahl; ++i) {
        const auto x = e[i];
        int j = i;
        for (; j > 0 && vor(x, e[j - 1]); --j)
            e[j] = e[j - 1];
        e[j] = x;
    }
}

Raumpunkt Mittelpunkt(const Raumpunkt& a, const Raumpunkt& b, double w1, double w2)
{
    const double w = w1 + w2;
    if (w == 0)
        return (a + b) / 2.0;
    return (w1 * a + w2 * b) / w;
}

void KetteZeichnen(Zeichenflaeche& z, const std::vector<Punkt>& pixel, int von, int bis, const Kettenstil& k,
                   int ebene, std::vector<Punkt>& puffer)
{
    bis = std::min(bis, static_cast<int>(pixel.size()));
    von = std::max(von, 0);
    if (von >= bis)
        return;
    if (k.linien && std::max(von, 1) < bis) {
        if (ebene > 0)
            z.ebene(ebene);
        z.stift(k.linie, k.liniendicke);
        puffer.clear();
        for (int i = std::max(von, 1); i < bis; ++i) {
            puffer.push_back(pixel[static_cast<size_t>(i - 1)]);
            puffer.push_back(pixel[static_cast<size_t>(i)]);
        }
        z.linien(puffer);
    }
    if (!k.scheiben)
        return;
    if (ebene > 0)
        z.ebene(ebene + 1);
    z.stift(k.rand, k.randdicke);
    z.pinsel(k.fuellung);
    for (int i = von; i < bis; ++i) {
        const Punkt& q = pixel[static_cast<size_t>(i)];
        z.ellipse(q.x - k.radius, q.y - k.radius, q.x + k.radius, q.y + k.radius);
    }
}

void MittelpunkteZeichnen(Zeichenflaeche& z, Ansicht& ansicht, const Einstellungssatz& s, Mittelpunkte& m,
                          int anzahl, Mittelpunktmodus modus)
{
    if (m.punkte.empty())
        return;
    anzahl = std::clamp(anzahl, 1, static_cast<int>(m.punkte.size()));
    if (m.pixel.size() < m.punkte.size())
        m.pixel.resize(m.punkte.size());
    for (int i = 0; i < anzahl; ++i) {
        const Raumpunkt& p = m.punkte[static_cast<size_t>(i)];
        ansicht.PerspektivKoordinaten(p.X, p.Y, p.Z);
        m.pixel[static_cast<size_t>(i)] = {ansicht.BildX, ansicht.BildY};
    }
    if (modus != Mittelpunktmodus::Punkte) {
        z.stift(s.IntFarbeLinienzug, s.IntLiniendicke, Stiftstil::Durchgezogen);
        m.linie.assign(m.pixel.begin(), m.pixel.begin() + anzahl);
        z.polylinie(m.linie);
    }
    if (modus != Mittelpunktmodus::Linienzug)
        for (int i = 0; i < anzahl; ++i) {
            const Punkt& q = m.pixel[static_cast<size_t>(i)];
            PlanetZeichnen(z, q.x, q.y, s.IntA2, s.IntFarbeMittelpunkteRG, s.IntFarbeFuellungMittelp, s.IntRanddicke);
        }
}

void MittelSchwerpunkteZeichnen(Zeichenflaeche& z, Ansicht& ansicht, const Einstellungssatz& s, Mittelpunkte& m,
                                int n, Mittelpunktmodus modus)
{
    MittelpunkteZeichnen(z, ansicht, s, m, n + 1, modus);
}

} // namespace figures
