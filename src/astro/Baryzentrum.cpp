#include "astro/Baryzentrum.h"

namespace astro {

BaryAuswahl StandardBaryAuswahl()
{
    BaryAuswahl a;
    a.koerper[koerper::Jupiter] = a.koerper[koerper::Saturn] = a.koerper[koerper::Uranus] =
        a.koerper[koerper::Neptun] = true;
    return a;
}

namespace {
double gewicht(const BaryAuswahl& a, KoerperNr n) { return a.optisch ? 1.0 : Massen[n]; }
} // namespace

double BaryGesamtgewicht(const BaryAuswahl& auswahl)
{
    double w = auswahl.mitSonnenmasse ? Sonnenmasse : 0.0;
    for (KoerperNr n = koerper::Merkur; n <= koerper::Pluto; ++n)
        if (auswahl.koerper[n])
            w += gewicht(auswahl, n);
    return w;
}

Status BaryAuswahlPruefen(const BaryAuswahl& auswahl)
{
    if (!(BaryGesamtgewicht(auswahl) > 0.0))
        return Status::Fehlschlag(Fehler::UngueltigeEingabe, "astro.bary.keinGewicht");
    return Status::Ok();
}

Ergebnis<PositionXYZ> KoordBary(const Positionsrechner& rechner, const BaryAuswahl& auswahl, Tageszahl tag,
                                const Rechenoptionen& optionen)
{
    if (Status s = BaryAuswahlPruefen(auswahl); !s)
        return s;
    double w = auswahl.mitSonnenmasse ? Sonnenmasse : 0.0;
    PositionXYZ summe;
    for (KoerperNr n = koerper::Merkur; n <= koerper::Pluto; ++n) {
        if (!auswahl.koerper[n])
            continue;
        const Ergebnis<PositionXYZ> p = rechner.Position(n, tag, optionen);
        if (!p)
            return p.status();
        const double m = gewicht(auswahl, n);
        w += m;
        summe = summe + m * p.wert();
    }
    return summe / w;
}

} // namespace astro
