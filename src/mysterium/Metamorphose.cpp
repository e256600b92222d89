#include "mysterium/Metamorphose.h"

#include <algorithm>
#include <cmath>

namespace mysterium {

using figures::Farbe;
using figures::Stiftstil;

int MetamorphoseWartezeit(int tempo)
{
    static constexpr int tabelle[10] = {200, 120, 70, 40, 20, 10, 6, 4, 2, 0};
    return tabelle[std::clamp(tempo, 1, 10) - 1];
}

namespace {

// The line colour of the icosahedron and dodecahedron inside the
// metamorphosis: every channel inverted, red and blue exchanged.
Farbe Gegenfarbe(Farbe f)
{
    return figures::FarbeRGB(255 - figures::Blau(f), 255 - figures::Gruen(f), 255 - figures::Rot(f));
}

} // namespace

void Metamorphose::beginnen(figures::Ansicht& a, bool nurLinien)
{
    p_.allesNeu();
    p_.DodekaederDrehen108();
    p_.skalieren(Koerper::Ikosaeder, std::sqrt(5.0) / Rho);
    a.Massstab = 12.0;
    a.Metamorphose = true;
    phase_ = 1;
    umskalieren_ = false;
    letzterZaehler_ = 0;
    nurLinien_ = nurLinien;
    hervorgehoben_ = {-1, -1};
}

void Metamorphose::phaseRechnen(int& c, figures::Ansicht& a)
{
    // A paused run draws the same frame again (its counter is stepped back
    // and up again): the frame's own changes - the shrinking scale of
    // phases 6 and 12 above all - apply once, not once per paused frame.
    const bool neuesBild = c != letzterZaehler_;
    letzterZaehler_ = c;
    int p = MetamorphosePhase(c);
    if (!neuesBild && p < 13) {
        phase_ = p;
        return;
    }
    if (p >= 13) {
        // The cycle starts again: undo the rescaling of phase 8.
        c = 0;
        letzterZaehler_ = 0;
        p = 1;
        p_.skalieren(Koerper::Dodekaeder, Rho / 3.0);
        p_.skalieren(Koerper::Ikosaeder, std::sqrt(5.0) / Rho);
        a.Massstab = 12.0;
        umskalieren_ = false;
    }
    if (p == 4 || p == 10)
        nurLinien_ = false;
    if (p == 7 || p == 12)
        umskalieren_ = true;
    if (p == 8 && umskalieren_) {
        // The dodecahedron's vertices become the points of the
        // Ikosaederstern, the icosahedron shrinks back inside it.
        p_.skalieren(Koerper::Dodekaeder, 3.0 / Rho);
        p_.skalieren(Koerper::Ikosaeder, Rho / std::sqrt(5.0));
        a.Massstab = 8.0;
        umskalieren_ = false;
    }
    if (p == 6 && a.Massstab >= 4.5)
        a.Massstab -= 0.25;
    if (p == 12 && a.Massstab >= 5.05)
        a.Massstab -= 0.25;
    phase_ = p;
}

void Metamorphose::sternlinien(figures::Zeichenflaeche& z, bool dodeStern, int ecke, Farbe f)
{
    // The edges of the triangles that meet at star point `ecke` (five of the
    // Dodekaederstern, three of the Ikosaederstern): from the point to each
    // corner of the face under it.
    const auto& tabelle = dodeStern ? DodeSternDreiecke : IkoSternDreiecke;
    const auto spitzen = p_.bildpunkte(dodeStern ? Koerper::Ikosaeder : Koerper::Dodekaeder);
    const auto basen = p_.bildpunkte(dodeStern ? Koerper::Dodekaeder : Koerper::Ikosaeder);
    z.stift(f, 3, Stiftstil::Durchgezogen);
    const Bildpunkt& s = spitzen[static_cast<size_t>(ecke)];
    for (const Sterndreieck& d : tabelle) {
        if (d.spitze != ecke)
            continue;
        z.bewegeZu(s.px, s.py);
        z.linieZu(basen[static_cast<size_t>(d.basis1)].px, basen[static_cast<size_t>(d.basis1)].py);
    }
}

bool Metamorphose::pentagonEnthaelt(int ecke, int punkt) const
{
    // Crossing-number test on the turned x, y of the pentagon under the star
    // point `ecke`.
    const auto basen = p_.bildpunkte(Koerper::Dodekaeder);
    const Bildpunkt& q = p_.bildpunkte(Koerper::Ikosaeder)[static_cast<size_t>(punkt)];
    std::array<int, 5> ring{};
    int n = 0;
    for (const Sterndreieck& d : DodeSternDreiecke)
        if (d.spitze == ecke && n < 5)
            ring[static_cast<size_t>(n++)] = d.basis1;
    bool innen = false;
    for (int i = 0, j = n - 1; i < n; j = i++) {
        const Bildpunkt& a = basen[static_cast<size_t>(ring[static_cast<size_t>(i)])];
        const Bildpunkt& b = basen[static_cast<size_t>(ring[static_cast<size_t>(j)])];
        if ((a.drehY > q.drehY) != (b.drehY > q.drehY) &&
            q.drehX < (b.drehX - a.drehX) * (q.drehY - a.drehY) / (b.drehY - a.drehY) + a.drehX)
            innen = !innen;
    }
    return innen;
}

void Metamorphose::bild(int& c, figures::Zeichenflaeche& z, figures::Ansicht& a, const figures::Einstellungssatz& s,
                        bool zwoelfFarben)
{
    phaseRechnen(c, a);
    const int p = phase_;
    a.Metamorphose = true;
    p_.projizieren(Koerper::Ikosaeder, a);
    p_.projizieren(Koerper::Dodekaeder, a);
    const auto stern = p > 6 ? p_.IkoSternKoordinaten() : p_.DodeSternKoordinaten();

    Sternstil sstil;
    sstil.linie = s.IntFarbeSterneLinie;
    sstil.einfarbig = s.IntFarbeSterneFlaeche;
    sstil.hintergrund = s.IntFarbeHintergrund;
    sstil.zwoelfFarben = zwoelfFarben;
    sstil.nurLinien = nurLinien_;
    sstil.breite = 3;

    Flaechenstil kstil;
    kstil.linie = Gegenfarbe(s.IntFarbeSterneLinie);
    kstil.fuellung = s.IntFarbeSterneFlaeche;
    auto koerper = [&](Koerper k, int von, int bis, bool nurLinien) {
        Flaechenstil st = kstil;
        st.nurLinien = nurLinien;
        FlaechenZeichnen(z, k, p_.flaechenSortiert(k), von, bis, a.Zoom, st);
    };
    const bool umrisse = nurLinien_ && (p == 2 || p == 3 || p == 8 || p == 9);

    if (p == 5 || p == 6)
        koerper(Koerper::Ikosaeder, 1, 10, true);
    if (p == 11 || p == 12)
        koerper(Koerper::Dodekaeder, 1, 6, true);
    if (p != 1 && p != 7)
        SternFlaechen(z, stern, 1, sstil);
    if (umrisse)
        SternUmrisse(z, stern, 1, 30, s.IntFarbeSterneLinie);
    if (p == 1 || p == 2)
        koerper(Koerper::Dodekaeder, 1, 12, false);
    if (p == 5 || p == 6)
        koerper(Koerper::Ikosaeder, 11, 20, true);
    if (p == 7 || p == 8)
        koerper(Koerper::Ikosaeder, 1, 20, false);
    if (p == 11 || p == 12)
        koerper(Koerper::Dodekaeder, 7, 12, true);
    hervorgehoben_ = {-1, -1};
    if (umrisse) {
        SternUmrisse(z, stern, 31, 60, s.IntFarbeSterneLinie);
        if (p == 2) {
            const int erste = p_.naechsteIkoEcke(), zweite = p_.zweitnaechsteIkoEcke();
            const auto b = p_.bildpunkte(Koerper::Ikosaeder);
            hervorgehoben_[0] = erste;
            sternlinien(z, true, erste, s.IntFarbeSterneLinie);
            const double grenze = std::sqrt(Phi + 2.0);
            if (b[static_cast<size_t>(erste)].tiefe < 2.0 &&
                (b[static_cast<size_t>(zweite)].tiefe <= grenze || !pentagonEnthaelt(erste, zweite))) {
                hervorgehoben_[1] = zweite;
                sternlinien(z, true, zweite, s.IntFarbeSterneLinie);
            }
        } else if (p == 8) {
            // The point of the Ikosaederstern nearest the viewer.
            const auto b = p_.bildpunkte(Koerper::Dodekaeder);
            int naechste = 0;
            for (int i = 1; i < static_cast<int>(b.size()); ++i)
                if (b[static_cast<size_t>(i)].tiefe > b[static_cast<size_t>(naechste)].tiefe)
                    naechste = i;
            sternlinien(z, false, naechste, s.IntFarbeSterneLinie);
        }
    }
}

} // namespace mysterium
