#include "mysterium/Koerperzeichnen.h"

#include <algorithm>
#include <cmath>

namespace mysterium {

using figures::Farbe;
using figures::FarbeRGB;
using figures::Pinselstil;
using figures::Stiftstil;

namespace {

// One polygon buffer for all faces: nothing is allocated per frame.
std::vector<figures::Punkt>& Puffer(const Flaeche& f)
{
    static thread_local std::vector<figures::Punkt> p(5);
    p.assign(f.punkte.begin(), f.punkte.begin() + f.anzahl);
    return p;
}

} // namespace

Farbe Flaechenfarbe(int nummer)
{
    static constexpr Farbe sechs[6] = {FarbeRGB(51, 76, 153), FarbeRGB(51, 51, 255), FarbeRGB(76, 112, 255),
                                       FarbeRGB(0, 51, 153),  FarbeRGB(0, 0, 136),   FarbeRGB(0, 51, 204)};
    // 7 .. 12 repeat the six shades in the order 4, 5, 6, 2, 3, 1.
    static constexpr int index[13] = {0, 0, 1, 2, 3, 4, 5, 3, 4, 5, 1, 2, 0};
    return nummer >= 1 && nummer <= 12 ? sechs[index[nummer]] : sechs[0];
}

int Frontbreite(Koerper k, double z, bool mysterium)
{
    auto stufen = [z](double a, double b, double c) { return z > a ? 4 : z > b ? 3 : z > c ? 2 : 1; };
    switch (k) {
    case Koerper::Tetraeder:
        if (mysterium)
            return z > 1.5 ? 4 : 3;
        return z > 5 ? 3 : z > 3 ? 2 : 1;
    case Koerper::Hexaeder:
        if (mysterium)
            return 4;
        return z > 5 ? 3 : z > 3 ? 2 : 1;
    case Koerper::Oktaeder: return stufen(9.6, 6.8, 4);
    case Koerper::Ikosaeder: return stufen(6.8, 4.9, 3);
    case Koerper::Dodekaeder: return stufen(5, 3.7, 2.5);
    }
    return 1;
}

bool IstVorne(Koerper k, int nummer, double tiefe)
{
    switch (k) {
    case Koerper::Tetraeder: return tiefe >= 0;
    case Koerper::Hexaeder: return nummer > 3;
    case Koerper::Oktaeder: return nummer > 4;
    case Koerper::Dodekaeder: return nummer > 6;
    case Koerper::Ikosaeder: return nummer > 10;
    }
    return false;
}

void FlaechenZeichnen(figures::Zeichenflaeche& z, Koerper k, std::span<const Flaeche> sortiert, int von, int bis,
                      double zoom, const Flaechenstil& stil)
{
    const int n = static_cast<int>(sortiert.size());
    von = std::max(von, 1);
    bis = std::min(bis, n);
    for (int i = von; i <= bis; ++i) {
        const Flaeche& f = sortiert[static_cast<size_t>(i - 1)];
        const bool vorne = IstVorne(k, i, f.tiefe);
        if ((stil.durchgang == Durchgang::Hinten && vorne) || (stil.durchgang == Durchgang::Vorne && !vorne))
            continue;
        if (vorne)
            z.stift(stil.linie, Frontbreite(k, zoom, stil.mysterium), Stiftstil::Durchgezogen);
        else
            z.stift(stil.linie, 1, Stiftstil::StrichPunkt);
        z.pinsel(stil.fuellung, stil.nurLinien ? Pinselstil::Keiner : Pinselstil::Voll);
        z.polygon(Puffer(f));
    }
    z.stift(stil.linie, 1, Stiftstil::Durchgezogen);
}

int Sternbreite(double zoom) { return zoom > 7.5 ? 3 : zoom > 3 ? 2 : 1; }

int Startsternbreite(double massstab) { return massstab > 4 ? 3 : massstab > 2 ? 2 : 1; }

void SternFlaechen(figures::Zeichenflaeche& z, std::span<const Flaeche> sortiert, int von, const Sternstil& stil)
{
    z.stift(stil.linie, stil.breite, Stiftstil::Durchgezogen);
    for (size_t i = static_cast<size_t>(std::max(von, 1) - 1); i < sortiert.size(); ++i) {
        const Flaeche& f = sortiert[i];
        const Farbe fuellung = stil.nurLinien      ? stil.hintergrund
                               : stil.zwoelfFarben ? Flaechenfarbe(f.farbe)
                                                   : stil.einfarbig;
        z.pinsel(fuellung, Pinselstil::Voll);
        z.polygon(Puffer(f));
    }
}

void SternUmrisse(figures::Zeichenflaeche& z, std::span<const Flaeche> sortiert, int von, int bis, Farbe linie)
{
    z.stift(linie, 1, Stiftstil::StrichPunkt);
    z.pinsel(0, Pinselstil::Keiner);
    bis = std::min(bis, static_cast<int>(sortiert.size()));
    for (int i = std::max(von, 1); i <= bis; ++i)
        z.polygon(Puffer(sortiert[static_cast<size_t>(i - 1)]));
    z.stift(linie, 1, Stiftstil::Durchgezogen);
}

void SternZeichnen(figures::Zeichenflaeche& z, std::span<const Flaeche> sortiert, const Sternstil& stil)
{
    SternFlaechen(z, sortiert, stil.ersteGefuellte, stil);
    // Painted in the background colour, the outlines show the back edges
    // only where no front triangle hides them.
    if (stil.nurLinien)
        SternUmrisse(z, sortiert, 1, static_cast<int>(sortiert.size()), stil.linie);
}

double KoerperMassstab(const Koerperwahl& w, bool startanimation)
{
    if (startanimation)
        return 0.01;
    if (w.an(Figur::Tetraeder))
        return 6.0;
    if (w.an(Figur::Ikosaederstern))
        return 8.0;
    return 12.0;
}

void Koerperbild::vorbereiten(const Koerperwahl& w, figures::Ansicht& a, bool startanimation)
{
    w_ = w;
    p_.allesNeu();
    p_.DodekaederDrehen108();
    if (startanimation || w.an(Figur::Dodekaederstern))
        p_.skalieren(Koerper::Ikosaeder, std::sqrt(5.0) / Rho);
    if (w.an(Figur::Ikosaederstern))
        p_.skalieren(Koerper::Dodekaeder, 3.0 / Rho);
    a.Massstab = KoerperMassstab(w, startanimation);
    a.Metamorphose = false;
}

void Koerperbild::zeichnen(figures::Zeichenflaeche& z, figures::Ansicht& a, const figures::Einstellungssatz& s,
                           const Koerperschalter& sch)
{
    Flaechenstil stil;
    stil.linie = s.IntFarbeSterneLinie;
    stil.fuellung = s.IntFarbeSterneFlaeche;
    stil.nurLinien = sch.nurLinien;
    const std::pair<Figur, Koerper> folge[] = {{Figur::Tetraeder, Koerper::Tetraeder},
                                               {Figur::Hexaeder, Koerper::Hexaeder},
                                               {Figur::Oktaeder, Koerper::Oktaeder},
                                               {Figur::Ikosaeder, Koerper::Ikosaeder},
                                               {Figur::Dodekaeder, Koerper::Dodekaeder}};
    for (auto [f, k] : folge) {
        if (!w_.an(f))
            continue;
        p_.projizieren(k, a);
        FlaechenZeichnen(z, k, p_.flaechenSortiert(k), 1, Flaechenanzahl(k), a.Zoom, stil);
    }
    if (w_.an(Figur::Dodekaederstern))
        sternZeichnen(z, a, s, true, sch);
    if (w_.an(Figur::Ikosaederstern))
        sternZeichnen(z, a, s, false, sch);
}

void Koerperbild::sternZeichnen(figures::Zeichenflaeche& z, figures::Ansicht& a, const figures::Einstellungssatz& s,
                                bool dodeStern, const Koerperschalter& sch)
{
    p_.projizieren(Koerper::Ikosaeder, a);
    p_.projizieren(Koerper::Dodekaeder, a);
    Sternstil stil;
    stil.linie = s.IntFarbeSterneLinie;
    stil.einfarbig = s.IntFarbeSterneFlaeche;
    stil.hintergrund = sch.startanimation ? figures::Schwarz : s.IntFarbeHintergrund;
    stil.zwoelfFarben = sch.zwoelfFarben;
    stil.nurLinien = sch.nurLinien;
    stil.breite = sch.startanimation ? Startsternbreite(a.Massstab) : Sternbreite(a.Zoom);
    stil.ersteGefuellte = dodeStern ? 11 : 1;
    SternZeichnen(z, dodeStern ? p_.DodeSternKoordinaten() : p_.IkoSternKoordinaten(), stil);
}

} // namespace mysterium
