#include "figures/Bahnen.h"

#include <cmath>

namespace figures {

void Bahnpunkte::dimensionieren(int faktor)
{
    faktor_ = faktor == 2 || faktor == 4 || faktor == 8 ? faktor : 1;
    N_ = GrundPunktzahl * faktor_;
    for (auto& z : zeilen_)
        z.assign(static_cast<size_t>(N_ + 1), Bahnpunkt{});
    belegt_.fill(false);
    SednaFertig = false;
}

Positionsfunktion PositionsfunktionAus(const astro::Positionsrechner& rechner, const astro::Rechenoptionen& optionen)
{
    return [&rechner, optionen](int koerper, double tag) { return rechner.Position(koerper, tag, optionen); };
}

int Bahnzeile(int b, int erster, const std::array<bool, 22>& auswahl, bool langzeit)
{
    if (b <= 0 || b > 21 || !auswahl[static_cast<size_t>(b)])
        return 0;
    if (langzeit)
        return b;
    int rang = 0;
    for (int k = std::max(erster, 1); k <= b; ++k)
        if (auswahl[static_cast<size_t>(k)])
            ++rang;
    return rang;
}

double Bahnpunktzeit(const Bahnrechnung& r, int erster, int b, int h)
{
    const int ref = r.referenzSedna ? KoerperSedna : erster;
    const double t0 = b == KoerperSedna ? 0.0 : r.tag;
    return t0 + (h + 1) * r.schrittweite * Umlaufzeiten[static_cast<size_t>(b)] /
                    Umlaufzeiten[static_cast<size_t>(ref)];
}

namespace {

void Projizieren(Ansicht& a, Bahnpunkt& p)
{
    a.PerspektivKoordinaten(p.X, p.Y, p.Z);
    p.px = a.BildX;
    p.py = a.BildY;
    p.tiefe = a.Tiefe;
}

} // namespace

astro::Status BahnBerechnen(Bahnpunkte& store, Ansicht& ansicht, int erster, int letzter, const Bahnrechnung& r)
{
    const double rand = letzter <= 19 ? 115000.0 : 210000.0;
    if (r.gueltigkeitsgrenze - rand < r.tag)
        return astro::Status::Ok();
    if (!r.position)
        return astro::Status::Fehlschlag(astro::Fehler::NichtVerfuegbar);
    const int N = store.Bahnpunktzahl();
    erster = std::max(erster, 1);
    letzter = std::min(letzter, 21);
    for (int h = 0; h <= N; ++h) {
        for (int b = erster; b <= letzter; ++b) {
            if (!r.auswahl[static_cast<size_t>(b)] || (b == KoerperSedna && store.SednaFertig))
                continue;
            const int k = Bahnzeile(b, erster, r.auswahl, r.langzeit);
            if (k <= 0 || k >= Bahnpunkte::Zeilen)
                continue;
            const double zeit = Bahnpunktzeit(r, erster, b, h);
            auto pos = r.position(b, zeit);
            if (!pos && r.ersatz && pos.status().fehler == astro::Fehler::AusserhalbGueltigkeit)
                pos = r.ersatz(b, zeit);
            if (!pos)
                return pos.status();
            Raumpunkt p = *pos;
            if (r.ohneEntfernungen) {
                // Keep the direction seen from the Sun, put it on the sphere.
                const double d = std::sqrt(p.X * p.X + p.Y * p.Y + p.Z * p.Z);
                if (d > 0) {
                    const double f = KugelradiusOhneEntfernungen / d;
                    p = p * f;
                }
            }
            Bahnpunkt& q = store.zeile(k)[static_cast<size_t>(h)];
            q.X = p.X;
            q.Y = p.Y;
            q.Z = p.Z;
            // The depth is stored with the pixels, so the first frame after a
            // computation splits the orbit correctly even without a view change.
            Projizieren(ansicht, q);
            if (h == N)
                store.belegen(k);
        }
    }
    if (r.auswahl[KoerperSedna] && !r.mitPraezession && erster <= KoerperSedna && letzter >= KoerperSedna)
        store.SednaFertig = true;
    return astro::Status::Ok();
}

void BahnZeichnen(Zeichenflaeche& z, Bahnpunkte& store, Ansicht& ansicht, const Einstellungssatz& s, int erster,
                  int letzter, bool vorne, const Bahnzeichnung& d)
{
    const int N = store.Bahnpunktzahl();
    erster = std::max(erster, 1);
    letzter = std::min(letzter, 21);
    const bool neuProjizieren = !vorne && (ansicht.NeuZeichnen || d.zentrumBewegt);
    for (int b = erster; b <= letzter; ++b) {
        const int k = Bahnzeile(b, erster, d.auswahl, d.langzeit);
        if (k <= 0 || k >= Bahnpunkte::Zeilen || !store.belegt(k))
            continue;
        auto& zeile = store.zeile(k);
        if (neuProjizieren)
            for (auto& p : zeile)
                Projizieren(ansicht, p);
        const Farbe farbe = d.farbig ? s.IntFarbePlanet[static_cast<size_t>(b)] : s.IntFarbeBahnen;
        z.stift(farbe, s.IntBahndicke, Stiftstil::Durchgezogen);
        for (int j = 1; j <= N; ++j) {
            const Bahnpunkt& e = zeile[static_cast<size_t>(j)];
            const bool davor = e.tiefe >= 0;
            if (davor != vorne)
                continue;
            const Bahnpunkt& a = zeile[static_cast<size_t>(j - 1)];
            z.bewegeZu(a.px, a.py);
            z.linieZu(e.px, e.py);
        }
    }
}

} // namespace figures
