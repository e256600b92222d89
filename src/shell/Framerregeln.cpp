#include "shell/Framerregeln.h"

#include "figures/Bahnen.h"
#include "figures/Hintergrund.h"
#include "figures/Punktliste.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace shell {

void RahmenHintergrund(Laufkontext& l)
{
    if (l.k.intBilditem >= 0)
        figures::DXHintergrund(l.host.flaeche(), l.k.intBilditem);
}

bool Bahnerneuerung::faellig(int schritt, double schrittweite, bool mitChiron, bool fertig)
{
    if (fertig)
        return false;
    if (schritt * schrittweite <= figures::BahnErneuerung(mitChiron) * (erneuert_ + 1))
        return false;
    ++erneuert_;
    return true;
}

bool OhnePlaneten(const Laufzustand& z, const Laufkonfiguration& k)
{
    return (k.planetenNurZuBeginn && z.KonjIndex > z.NurBisIndex) || k.ergebnisSofort ||
           (k.drehungDerFiguren && z.KonjIndex > z.FigurenAnzahl);
}

void RahmenSchluss(Laufkontext& l, figures::Ansicht& a, const figures::Einstellungssatz& s, int zentrum,
                   figures::Legendendaten legende, const figures::Massstabsart& massstab)
{
    figures::Zeichenflaeche& f = l.host.flaeche();
    if (l.k.ergebnisSofort && l.k.sonneZentrum && zentrum == 0)
        figures::PlanetZeichnen(f, a.MitteX, a.MitteY, std::max(s.IntASonne, 1), s.IntFarbeLiniePlaneten,
                                figures::KoerperFarbe(s, 0), s.IntRanddicke);
    if (l.k.zentrumMarkieren)
        figures::ZentrumMarkieren(f, s, a.MitteX, a.MitteY);
    if (l.k.massstab)
        figures::MassstabZeichnen(f, a, s, a.Massstabswert, massstab);
    if (l.k.tierkreis != TierkreisArt::Keiner)
        figures::Tierkreis(f, a, s, l.k.tierkreis == TierkreisArt::Zeichen,
                           {l.z.AktuellerTag, l.k.mitPraezession, false});
    if (l.k.legende) {
        legende.ohnePlaneten = OhnePlaneten(l.z, l.k);
        legende.mitPraezession = l.k.mitPraezession;
        figures::LegendeZeichnen(f, a, s, legende);
    }
}

// ---------------------------------------------------------------------------
// Events

int NaechsterEreignisIndex(const Laufzustand& z, const Laufkonfiguration& k, int zaehler)
{
    return (k.drehungDerFiguren && zaehler > z.FigurenAnzahl) ? z.FigurenAnzahl : zaehler;
}

int EreignissePassieren(Laufzustand& z, const Laufkonfiguration& k, const Laufspeicher& sp, Ereigniszaehlung art,
                        Ereigniszeile zeile, Figurnachruecken nachruecken)
{
    return EreignissePassieren(z, k, sp.Ereignistage, z.KonjIndex, art, zeile, nachruecken);
}

int EreignissePassieren(Laufzustand& z, const Laufkonfiguration& k, std::span<const double> tage, int& zaehler,
                        Ereigniszaehlung art, Ereigniszeile zeile, Figurnachruecken nachruecken)
{
    const int letzterSlot = static_cast<int>(tage.size()) - 1;
    int passiert = 0;
    while (true) {
        const int i = NaechsterEreignisIndex(z, k, zaehler);
        if (i < 0 || i > letzterSlot)
            break;
        if (!k.drehungDerFiguren && zaehler >= z.Konstellationszahl)
            break; // beyond the events the pre-calculation computed
        const double tag = tage[static_cast<size_t>(i)];
        if (!(z.AktuellerTag > tag))
            break;
        if (!z.PauseAktiv)
            z.EreignisNeu = true;
        if (zeile && !z.FigurFertig && !z.PauseAktiv && !k.drehungDerFiguren && zaehler < z.Zeilengrenze)
            zeile(zaehler, i);
        ++zaehler;
        ++passiert;
        if (k.drehungDerFiguren && zaehler > z.FigurenAnzahl) {
            // The coming event is always in slot FigurenAnzahl; only a new
            // figure computed into it can be passed next.
            if (!nachruecken)
                break;
            nachruecken();
            const size_t f = static_cast<size_t>(z.FigurenAnzahl);
            if (f >= tage.size() || !(tage[f] > tag))
                break; // the slot did not move on: do not count it again
        }
        if (art == Ereigniszaehlung::EinesJeSchritt)
            break;
    }
    return passiert;
}

bool ErgebnisSofort(Laufkontext& l, Ereigniszeile zeile)
{
    Laufzustand& z = l.z;
    if (!l.k.ergebnisSofort)
        return true;
    z.KonjIndex = z.Konstellationszahl;
    if (z.PauseAktiv || z.FigurFertig || l.k.drehungDerFiguren)
        return true;
    const int n = std::min({z.Konstellationszahl, z.Zeilengrenze, static_cast<int>(l.speicher.Ereignistage.size())});
    for (int i = 0; i < n; ++i) {
        if (zeile)
            zeile(i, i);
        if ((i + 1) % ZeilenJePumpen != 0)
            continue;
        l.host.pumpEvents();
        if (z.Abbruch) {
            // Beenden released the arrays: nothing more may be read.
            if (z.LaufAktiv)
                l.engine.beenden();
            return false;
        }
    }
    return true;
}

namespace {

void links(std::vector<double>& v, int n)
{
    std::copy(v.begin() + 1, v.begin() + 1 + n, v.begin());
}

// Slots 0 .. n - 1 take slot 1 .. n: n = FigurenAnzahl, within the arrays.
int Verschiebeanzahl(const Laufzustand& z, size_t groesse)
{
    return std::clamp(z.FigurenAnzahl, 0, static_cast<int>(groesse) - 1);
}

} // namespace

void DrehungArrayVerschieben(Laufspeicher& sp, const Laufzustand& z, Darstellung d, int mittelpunktwahl,
                             bool mitMittelpunkten)
{
    const int n = Verschiebeanzahl(z, sp.Ereignistage.size());
    if (n <= 0)
        return;
    // Moon and barycentre store one body per event and have no link lines:
    // row 1 only, never mid-points.
    const bool einKoerper = d == Darstellung::Mond || d == Darstellung::Baryzentrum;
    const int zeilen = einKoerper ? 1 : 3;
    links(sp.Ereignistage, n);
    for (int j = 0; j < zeilen; ++j) {
        links(sp.EreignisX[j], n);
        links(sp.EreignisY[j], n);
        links(sp.EreignisZ[j], n);
    }
    auto& m = sp.EreignisMittelpunkte.punkte;
    if (!einKoerper && mitMittelpunkten && (mittelpunktwahl == 0 || mittelpunktwahl == 1) &&
        static_cast<int>(m.size()) > n)
        std::copy(m.begin() + 1, m.begin() + 1 + n, m.begin());
}

void DrehungArrayVerschieben2PL(Laufspeicher& sp, const Laufzustand& z, bool konjunktionen)
{
    Sternspeicher& s = konjunktionen ? sp.Konjunktionen : sp.Oppositionen;
    const int n = Verschiebeanzahl(z, s.tage.size());
    if (n <= 0)
        return;
    links(s.tage, n);
    links(s.X[1], n);
    links(s.Y[1], n);
    links(s.Z[1], n);
}

void NaechsteFigurZuweisen(const Laufzustand& z, std::span<const double> tage, Figurzuweisung zuweisen)
{
    const int f = z.FigurenAnzahl;
    if (f < 1 || f >= static_cast<int>(tage.size()) || !zuweisen)
        return;
    // After the shift slot f - 1 holds the last kept event.
    zuweisen(f, tage[static_cast<size_t>(f - 1)] + z.SynodischePeriode);
}

void zNachjustieren(Laufzustand& z, const Laufkonfiguration& k, const Laufspeicher& sp, Darstellung d)
{
    z.Rueckschritte = 0;
    const double w = z.Schrittweite;
    auto tagVon = [&](long long schritt) { return z.Starttag + static_cast<double>(schritt) * w; };

    int c = z.KonjIndex;
    if (k.drehungDerFiguren)
        c = std::min(c, z.FigurenAnzahl);
    if ((d == Darstellung::Mond || d == Darstellung::Baryzentrum) && k.ergebnisSofort)
        c -= 1;
    double ziel = 0;
    bool mitZiel = false;
    if (d == Darstellung::DreiPlaneten && k.ergebnisSofort && z.KonjIndex == 0) {
        ziel = z.Gueltigkeitsgrenze;
        mitZiel = true;
    } else if (c >= 0 && c < static_cast<int>(sp.Ereignistage.size())) {
        ziel = sp.Ereignistage[static_cast<size_t>(c)];
        mitZiel = true;
    }
    if (mitZiel && w > 0 && std::isfinite(ziel) && tagVon(z.Schritt) < ziel) {
        // Straight to just below the target, then step by step so that the
        // comparison is exactly the one of a stepped clock.
        const double bis = std::floor((ziel - z.Starttag) / w) - 1;
        long long s = z.Schritt;
        if (bis > static_cast<double>(s))
            s = static_cast<long long>(std::min(bis, static_cast<double>(INT_MAX - 1)));
        while (s < INT_MAX && tagVon(s) < ziel)
            ++s;
        z.Rueckschritte = static_cast<int>(s - z.Schritt);
        z.Schritt = static_cast<int>(s);
    }
    z.AktuellerTag = tagVon(z.Schritt);
}

} // namespace shell
