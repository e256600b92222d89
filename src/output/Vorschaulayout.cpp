#include "output/Vorschaulayout.h"

#include <cmath>

namespace output {

double Vorschaulayout::Groessenfaktor = 0;

namespace {

int R(double x) { return static_cast<int>(std::lround(x)); }

// A resize only follows the pointer once it is this far from the centre's
// column (pixels).
constexpr int MindestAbstandMitte = 15;

} // namespace

void Vorschaulayout::aktivieren(int breite, int hoehe, int bildBreite, int bildHoehe)
{
    clientBreite = breite;
    clientHoehe = hoehe;
    Griffweite = R(breite * 15.0 / 1024.0);
    RandOben = R(hoehe / 16.0);
    Bildseitenverhaeltnis = bildHoehe > 0 ? double(bildBreite) / bildHoehe : 1.0;
    Mausmodus = 0;
}

void Vorschaulayout::DruckerAbfragen(const Druckerseite& d)
{
    const int papierBreite = d.papierBreite > 0 ? d.papierBreite : d.druckBreite;
    const int papierHoehe = d.papierHoehe > 0 ? d.papierHoehe : d.druckHoehe;
    const int randRechts = papierBreite - d.druckBreite - d.versatzX;
    const int randUnten = papierHoehe - d.druckHoehe - d.versatzY;

    Aufloesung = 1000.0 / (d.dpi > 0 ? d.dpi : 600);
    Versatz = {R(d.versatzX * Aufloesung), R(d.versatzY * Aufloesung), R(randRechts * Aufloesung),
               R(randUnten * Aufloesung)};
    Papierbreite = R(papierBreite * Aufloesung);
    Papierhoehe = R(papierHoehe * Aufloesung);
    Hochformat = d.hochformat;

    if (Hochformat) {
        const double hoehe = clientHoehe - 2.0 * RandOben;
        const double breite = Papierhoehe > 0 ? hoehe * Papierbreite / Papierhoehe : hoehe;
        Blatt.links = R((clientBreite - breite) / 2);
        Blatt.oben = RandOben;
        Blatt.unten = R(RandOben + hoehe);
        Blatt.rechts = R(Blatt.links + breite);
    } else {
        const double breite = 0.64 * clientBreite;
        Blatt.links = R(0.18 * clientBreite);
        Blatt.rechts = R(Blatt.links + breite);
        Blatt.oben = RandOben;
        Blatt.unten = Blatt.oben + R(Papierbreite > 0 ? breite * Papierhoehe / Papierbreite : breite);
    }

    const int blattBreite = Blatt.rechts - Blatt.links;
    Druckmassstab = blattBreite > 0 ? double(Papierbreite) / blattBreite : 1.0;
    Raender = {Versatz.links / Druckmassstab, Versatz.oben / Druckmassstab, Versatz.rechts / Druckmassstab,
               Versatz.unten / Druckmassstab};

    // The first place of the picture, inside the printable area.
    if (Hochformat) {
        Bild.links = Blatt.links + Raender.links + Raender.rechts;
        Bild.rechts = Blatt.rechts - Raender.rechts - Raender.links;
        Bild.oben = Blatt.oben + 2 * Raender.oben;
        Bild.unten = Bild.oben + (Bild.rechts - Bild.links) / Bildseitenverhaeltnis;
    } else {
        Bild.links = Blatt.links + 2 * Raender.links;
        Bild.oben = Blatt.oben + Raender.oben + Raender.unten;
        Bild.unten = Blatt.unten - Raender.oben - Raender.unten;
        Bild.rechts = Bild.links + (Bild.unten - Bild.oben) * Bildseitenverhaeltnis;
    }
    mitteSetzen();
    Mausmodus = 0;
}

void Vorschaulayout::mitteSetzen()
{
    BildMitteX = (Bild.links + Bild.rechts) / 2;
    BildMitteY = (Bild.oben + Bild.unten) / 2;
}

bool Vorschaulayout::inEcke(int x, int y) const
{
    const double g = Griffweite;
    const auto nahe = [&](double cx, double cy) { return cx - g < x && x < cx + g && cy - g < y && y < cy + g; };
    return nahe(Bild.links, Bild.oben) || nahe(Bild.rechts, Bild.oben) || nahe(Bild.links, Bild.unten) ||
           nahe(Bild.rechts, Bild.unten);
}

void Vorschaulayout::mausDruck(int x, int y)
{
    letzterMausX = x;
    letzterMausY = y;
    const double g = Griffweite;
    if (inEcke(x, y)) {
        Mausmodus = 1;
        Ausgangsbild = Bild;
    } else if (x > Bild.links + g && x < Bild.rechts - g && y > Bild.oben + g && y < Bild.unten - g) {
        Mausmodus = 2;
    }
}

Zeiger Vorschaulayout::mausBewegung(int x, int y)
{
    const double g = Griffweite;
    Zeiger zeiger = Zeiger::Standard;
    if (x >= Bild.links - g && x <= Bild.rechts + g && y >= Bild.oben - g && y <= Bild.unten + g)
        zeiger = inEcke(x, y) ? Zeiger::Groesse : Zeiger::Ziehen;
    if (Mausmodus == 1) {
        const double dx0 = BildMitteX - Ausgangsbild.links, dy0 = BildMitteY - Ausgangsbild.oben;
        const double d0Quadrat = dx0 * dx0 + dy0 * dy0;
        if (d0Quadrat >= 1 && std::abs(BildMitteX - x) >= MindestAbstandMitte)
            Groessenfaktor = std::hypot(BildMitteX - x, BildMitteY - y) / std::sqrt(d0Quadrat);
        // Before the first resize of the program run there is no factor
        // yet: the picture keeps its size instead of shrinking to a point.
        const double faktor = Groessenfaktor > 0 ? Groessenfaktor : 1.0;
        const double halbeBreite = (Ausgangsbild.rechts - Ausgangsbild.links) * faktor / 2;
        const double halbeHoehe = (Ausgangsbild.unten - Ausgangsbild.oben) * faktor / 2;
        Bild = {BildMitteX - halbeBreite, BildMitteY - halbeHoehe, BildMitteX + halbeBreite, BildMitteY + halbeHoehe};
        return Zeiger::Groesse;
    }
    if (Mausmodus == 2) {
        const double dx = x - letzterMausX, dy = y - letzterMausY;
        Bild = {Bild.links + dx, Bild.oben + dy, Bild.rechts + dx, Bild.unten + dy};
        mitteSetzen();
        letzterMausX = x;
        letzterMausY = y;
        return Zeiger::Ziehen;
    }
    return zeiger;
}

bool Vorschaulayout::mausLos()
{
    const bool beendet = Mausmodus > 0;
    Mausmodus = 0;
    return beendet;
}

Ganzkanten Gerundet(const Gleitkanten& k)
{
    const int l = R(k.links), o = R(k.oben);
    return {l, o, l + R(k.rechts - k.links), o + R(k.unten - k.oben)};
}

Ganzkanten Vorschaulayout::bildPixel() const { return Gerundet(Bild); }

Ganzkanten Vorschaulayout::druckbereich() const
{
    return {R(Blatt.links + Raender.links), R(Blatt.oben + Raender.oben), R(Blatt.rechts - Raender.rechts),
            R(Blatt.unten - Raender.unten)};
}

Druckrechteck Vorschaulayout::druckrechteck() const
{
    const double x = (Bild.links - Blatt.links) * Druckmassstab;
    const double y = (Bild.oben - RandOben) * Druckmassstab;
    const double w = (Bild.rechts - Bild.links) * Druckmassstab;
    const double h = (Bild.unten - Bild.oben) * Druckmassstab;
    return {R((x - Versatz.links) / Aufloesung), R((y - Versatz.oben) / Aufloesung), R(w / Aufloesung),
            R(h / Aufloesung)};
}

} // namespace output
