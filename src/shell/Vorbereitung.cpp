#include "shell/Vorbereitung.h"

#include "astro/Datenordner.h"
#include "astro/Oskulierend.h"
#include "figures/Bahnen.h"
#include "sprache/Sprache.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace shell {

using sprache::T;

double StartzeitLesen(std::string& feldText)
{
    if (feldText == "-")
        feldText = "0";
    double wert = 0;
    const char* anfang = feldText.data();
    const char* ende = anfang + feldText.size();
    if (anfang != ende && *anfang == '+')
        ++anfang;
    const auto r = std::from_chars(anfang, ende, wert);
    if (r.ec != std::errc{} || !std::isfinite(wert))
        return 0;
    return wert;
}

double GueltigkeitKlemmen(double starttag, double grenze) { return astro::StartzeitBegrenzen(starttag, grenze); }

void GrenzeSetzen(Laufzustand& z, astro::Grenzfall fall)
{
    z.Grenzfall = fall;
    z.Gueltigkeitsgrenze = astro::GueltigkeitsgrenzeFuer(fall).tage;
}

void GrenzeEinschraenken(Laufzustand& z, astro::Grenzfall fall)
{
    if (astro::GueltigkeitsgrenzeFuer(fall).tage < z.Gueltigkeitsgrenze)
        GrenzeSetzen(z, fall);
}

bool NurAussenNormal(const std::vector<int>& koerper, int zentrum, bool hoheGenauigkeit)
{
    if (hoheGenauigkeit || koerper.empty())
        return false;
    auto aussen = [](int b) { return b >= 5 && b <= 9; };
    if (zentrum != 0 && !aussen(zentrum))
        return false;
    return std::all_of(koerper.begin(), koerper.end(), aussen);
}

std::vector<int> ElementkoerperFuer(const std::vector<int>& koerper, int zentrum, bool hoheGenauigkeit)
{
    std::vector<int> k;
    auto dabei = [&](int b) { return std::find(koerper.begin(), koerper.end(), b) != koerper.end(); };
    for (int b = 5; b <= 21; ++b) {
        // The centre planet is a body of the run even when it is not ticked.
        const bool nimmtTeil = dabei(b) || b == zentrum;
        if (!nimmtTeil)
            continue;
        if (b == 9 || b >= 10 || !hoheGenauigkeit)
            k.push_back(b);
    }
    return k;
}

bool ElementeLaden(Laufdienste& l, const std::vector<int>& koerper, int zentrum, const std::string& datenordner)
{
    const bool hoch = l.k.hoheGenauigkeit;
    const std::vector<int> noetig = ElementkoerperFuer(koerper, zentrum, hoch);
    if (std::find(koerper.begin(), koerper.end(), figures::KoerperChiron) != koerper.end() && !hoch)
        GrenzeEinschraenken(l.z, astro::Grenzfall::ChironNormal);
    if (noetig.empty())
        return true;
    const std::string ordner = datenordner.empty() ? astro::DatenOrdnerFinden(astro::ProgrammOrdner()) : datenordner;
    // At high accuracy the normal tables of Pluto and the minor planets come
    // too: their orbits may reach beyond the dense tables and are drawn from
    // them.
    std::vector<int> auchNormal;
    if (hoch)
        for (int b : noetig)
            if (b >= 9)
                auchNormal.push_back(b);
    auto ladung = astro::OskuQuelleLaden(ordner, hoch, noetig, auchNormal);
    if (!ladung || !l.rechner) {
        l.lauf.meldung(Meldungsart::Fehler, T("meldung.fehler"), T("lauf.datenfehler"));
        l.lauf.programmBeenden();
        return false;
    }
    l.rechner->setzeOskulierendeQuelle(ladung->quelle);
    // The dense tables of the minor planets are the only ones with a limit
    // of their own.
    if (ladung->gueltigkeitsgrenze)
        GrenzeEinschraenken(l.z, astro::Grenzfall::KleinplanetHoch);
    return true;
}

double SynodischePeriodeAus(double pa, double pb)
{
    if (pa == pb)
        return 0;
    return std::fabs(pa * pb / (pb - pa));
}

bool AnzahlAbfragen(Laufdienste& l, Zaehlart art, int& gemerkt, int& anzahl)
{
    const char* schluessel = art == Zaehlart::Konjunktionen     ? "vorbereitung.anzahl.konjunktionen"
                             : art == Zaehlart::Konstellationen ? "vorbereitung.anzahl.konstellationen"
                                                                : "vorbereitung.anzahl.schritte";
    const int grenze = art == Zaehlart::Schritte ? l.z.Schrittgrenze : l.z.Konstellationsgrenze;
    const std::string label = T(schluessel) + std::to_string(grenze) + "):";
    int wert = std::clamp(gemerkt, 1, std::max(grenze, 1));
    if (!l.lauf.zahlAbfragen(label, wert, 1, grenze, wert)) {
        // "Ergebnis sofort" is switched off through its menu item.
        l.lauf.sofortAbbrechen();
        return false;
    }
    wert = std::clamp(wert, 1, std::max(grenze, 1));
    l.flaeche.fuellen(l.k.intFarbeHintergrund);
    l.flaeche.flip();
    gemerkt = wert;
    anzahl = wert;
    return true;
}

void progressAnzeige(Laufdienste& l, int n)
{
    l.lauf.nachrichtenVerarbeiten();
    if (l.z.Abbruch)
        return;
    l.lauf.zaehlerAnzeigen(true, std::to_string(n));
}

bool Vorausberechnung(Laufdienste& l, const Zuweisung& assign, int neustarts)
{
    Laufzustand& z = l.z;
    l.lauf.zaehlerAnzeigen(true, "0");
    z.FigurenAnzahl = std::min(z.FigurenAnzahl, z.Konstellationszahl);
    z.Vorausanzahl = (l.k.drehungDerFiguren ? z.FigurenAnzahl : z.Konstellationszahl) + 1;
    // The arrays hold Konstellationsgrenze + 4 events.
    const int letzter = std::min(z.Vorausanzahl, static_cast<int>(l.speicher.Ereignistage.size()) - 1);
    int uebrig = neustarts;
    for (int k = 0; k <= letzter; ++k) {
        if (z.Abbruch) {
            l.lauf.zaehlerAnzeigen(false, "");
            return false;
        }
        assign(k, z.AktuellerTag);
        z.AktuellerTag = z.Ereignistag + z.SynodischePeriode;
        if (z.Ereignistag < z.Starttag && uebrig > 0) {
            --uebrig;
            k = -1;
            continue;
        }
        if (k % 10 == 0)
            progressAnzeige(l, k);
    }
    l.lauf.zaehlerAnzeigen(false, "");
    return !z.Abbruch;
}

} // namespace shell
