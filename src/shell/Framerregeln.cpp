#include "shell/Framerregeln.h"

#include "figures/Hintergrund.h"
#include "figures/Punktliste.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace shell {

figures::Figurrahmen FigurrahmenAus(Laufdienste& d)
{
    const Laufzustand& z = d.z;
    figures::Figurrahmen r;
    r.sterne = d.k.intBilditem;
    r.tierkreis = static_cast<figures::Tierkreisart>(static_cast<int>(d.k.tierkreis));
    r.sonneZentrum = d.k.sonneZentrum;
    r.zentrumMarkieren = d.k.zentrumMarkieren;
    r.massstab = d.k.massstab;
    r.astronomischeEinheiten = d.k.entfernungAE;
    r.legende = d.k.legende;
    r.mittelpunktmodus = static_cast<figures::Mittelpunktmodus>(static_cast<int>(d.k.mittelpunkte));
    r.nurZuBeginn = d.k.planetenNurZuBeginn;
    r.nurBisIndex = z.NurBisIndex;
    r.pause = z.PauseAktiv;
    r.fertig = z.FigurFertig;
    r.zeilengrenze = z.Zeilengrenze;
    r.alleNeuProjizieren = z.NeuZeichnen || z.ZentrumBewegt || d.k.ergebnisSofort;
    r.hintergrundFuellen = true;
    r.pumpen = [&d] {
        d.lauf.nachrichtenVerarbeiten();
        return !d.z.Abbruch;
    };
    return r;
}

void RahmenHintergrund(Laufdienste& l)
{
    if (l.k.intBilditem >= 0)
        figures::DXHintergrund(l.flaeche, l.k.intBilditem);
}

bool OhnePlaneten(const Laufzustand& z, const Laufkonfiguration& k)
{
    return (k.planetenNurZuBeginn && z.KonjIndex > z.NurBisIndex) || k.ergebnisSofort ||
           (k.drehungDerFiguren && z.KonjIndex > z.FigurenAnzahl);
}

figures::Rahmenschalter Rahmenschalter(const Laufzustand& z, const Laufkonfiguration& k, int zentrum)
{
    figures::Rahmenschalter r;
    r.sonneImZentrum = k.ergebnisSofort && k.sonneZentrum && zentrum == 0;
    r.zentrumMarkieren = k.zentrumMarkieren;
    r.massstab = k.massstab;
    r.tierkreis = static_cast<figures::Tierkreisart>(static_cast<int>(k.tierkreis));
    r.lage = {z.AktuellerTag, k.mitPraezession, false};
    r.legende = k.legende;
    return r;
}

void RahmenSchluss(Laufdienste& l, int zentrum, figures::Legendendaten legende, const figures::Massstabsart& massstab)
{
    legende.ohnePlaneten = OhnePlaneten(l.z, l.k);
    legende.mitPraezession = l.k.mitPraezession;
    figures::RahmenSchluss(l.flaeche, l.ansicht, l.einstellungen, Rahmenschalter(l.z, l.k, zentrum), legende, massstab);
}

// ---------------------------------------------------------------------------
// Events

int NaechsterEreignisIndex(const Laufzustand& z, const Laufkonfiguration& k, int zaehler)
{
    return figures::NaechsterEreignisIndex(k.drehungDerFiguren, z.FigurenAnzahl, zaehler);
}

int EreignissePassieren(Laufzustand& z, const Laufkonfiguration& k, const Laufspeicher& sp, Ereigniszaehlung art,
                        Ereigniszeile zeile, Figurnachruecken nachruecken)
{
    return EreignissePassieren(z, k, sp.Ereignistage, z.KonjIndex, art, zeile, nachruecken);
}

int EreignissePassieren(Laufzustand& z, const Laufkonfiguration& k, std::span<const double> tage, int& zaehler,
                        Ereigniszaehlung art, Ereigniszeile zeile, Figurnachruecken nachruecken)
{
    figures::Ereignislage lage;
    lage.aktuellerTag = z.AktuellerTag;
    lage.pause = z.PauseAktiv;
    lage.fertig = z.FigurFertig;
    lage.drehung = k.drehungDerFiguren;
    lage.figurenAnzahl = z.FigurenAnzahl;
    lage.konstellationszahl = z.Konstellationszahl;
    lage.zeilengrenze = z.Zeilengrenze;
    lage.ereignisNeu = z.EreignisNeu;
    const int n = figures::EreignissePassieren(lage, tage, zaehler, art, zeile, nachruecken);
    z.EreignisNeu = lage.ereignisNeu;
    return n;
}

bool ErgebnisSofort(Laufdienste& l, Ereigniszeile zeile)
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
        l.lauf.nachrichtenVerarbeiten();
        if (z.Abbruch) {
            // Beenden released the arrays: nothing more may be read.
            if (z.LaufAktiv)
                l.lauf.beenden();
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

void DrehungArrayVerschieben(Laufspeicher& sp, const Laufzustand& z, bool einKoerper, int mittelpunktwahl,
                             bool mitMittelpunkten)
{
    const int n = Verschiebeanzahl(z, sp.Ereignistage.size());
    if (n <= 0)
        return;
    // Moon and barycentre store one body per event and have no link lines:
    // row 1 only, never mid-points.
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

void zNachjustieren(Laufzustand& z, const Laufkonfiguration& k, const Laufspeicher& sp, Nachjustierung art)
{
    z.Rueckschritte = 0;
    const double w = z.Schrittweite;
    auto tagVon = [&](long long schritt) { return z.Starttag + static_cast<double>(schritt) * w; };

    int c = z.KonjIndex;
    if (k.drehungDerFiguren)
        c = std::min(c, z.FigurenAnzahl);
    if (art.einKoerper && k.ergebnisSofort)
        c -= 1;
    double ziel = 0;
    bool mitZiel = false;
    if (art.sofortBisGrenze && k.ergebnisSofort && z.KonjIndex == 0) {
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
