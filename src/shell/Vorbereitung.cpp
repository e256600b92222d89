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

double GueltigkeitKlemmen(double starttag, double grenze)
{
    if (starttag < -grenze)
        return -grenze;
    if (starttag > grenze)
        return grenze - 182625.0;
    return starttag;
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
        const bool nimmtTeil = dabei(b) || (b == 9 && zentrum == 9);
        if (!nimmtTeil)
            continue;
        if (b == 9 || b >= 10 || !hoheGenauigkeit)
            k.push_back(b);
    }
    return k;
}

bool ElementeLaden(Laufkontext& l, const std::vector<int>& koerper, int zentrum, const std::string& datenordner)
{
    const bool hoch = l.k.hoheGenauigkeit;
    const std::vector<int> noetig = ElementkoerperFuer(koerper, zentrum, hoch);
    if (std::find(koerper.begin(), koerper.end(), figures::KoerperChiron) != koerper.end() && !hoch)
        l.z.Gueltigkeitsgrenze = std::min(l.z.Gueltigkeitsgrenze, 950400.0);
    if (noetig.empty())
        return true;
    const std::string ordner = datenordner.empty() ? astro::DatenOrdnerFinden(astro::ProgrammOrdner()) : datenordner;
    auto ladung = astro::OskuQuelleLaden(ordner, hoch, noetig);
    if (!ladung || !l.engine.rechner) {
        l.host.meldung(Meldungsart::Fehler, T("meldung.fehler"), T("lauf.datenfehler"));
        l.z.Abbruch = true;
        l.host.programmBeenden();
        return false;
    }
    l.engine.rechner->setzeOskulierendeQuelle(ladung->quelle);
    if (ladung->gueltigkeitsgrenze)
        l.z.Gueltigkeitsgrenze = std::min(l.z.Gueltigkeitsgrenze, *ladung->gueltigkeitsgrenze);
    return true;
}

double SynodischePeriodeAus(double pa, double pb)
{
    if (pa == pb)
        return 0;
    return std::fabs(pa * pb / (pb - pa));
}

bool AnzahlAbfragen(Laufkontext& l, Zaehlart art, int& gemerkt, int& anzahl)
{
    const char* schluessel = art == Zaehlart::Konjunktionen     ? "vorbereitung.anzahl.konjunktionen"
                             : art == Zaehlart::Konstellationen ? "vorbereitung.anzahl.konstellationen"
                                                                : "vorbereitung.anzahl.schritte";
    const int grenze = art == Zaehlart::Schritte ? l.z.Schrittgrenze : l.z.Konstellationsgrenze;
    const std::string label = T(schluessel) + std::to_string(grenze) + "):";
    int wert = std::clamp(gemerkt, 1, std::max(grenze, 1));
    if (!l.host.zahlAbfragen(label, wert, 1, grenze, wert)) {
        // The main window's run configuration: the menu item is switched off
        // and the window told so.
        const_cast<Laufkonfiguration&>(l.k).ergebnisSofort = false;
        l.host.konfigurationGeaendert();
        l.engine.beenden();
        return false;
    }
    wert = std::clamp(wert, 1, std::max(grenze, 1));
    l.host.flaeche().fuellen(l.k.intFarbeHintergrund);
    l.host.flaeche().flip();
    gemerkt = wert;
    anzahl = wert;
    return true;
}

void progressAnzeige(Laufkontext& l, int n)
{
    l.host.pumpEvents();
    if (l.z.Abbruch)
        return;
    l.host.zaehlerAnzeigen(true, std::to_string(n));
}

bool Vorausberechnung(Laufkontext& l, const Zuweisung& assign, int neustarts)
{
    Laufzustand& z = l.z;
    l.host.zaehlerAnzeigen(true, "0");
    z.FigurenAnzahl = std::min(z.FigurenAnzahl, z.Konstellationszahl);
    z.Vorausanzahl = (l.k.drehungDerFiguren ? z.FigurenAnzahl : z.Konstellationszahl) + 1;
    // The arrays hold Konstellationsgrenze + 4 events.
    const int letzter = std::min(z.Vorausanzahl, static_cast<int>(l.speicher.Ereignistage.size()) - 1);
    int uebrig = neustarts;
    for (int k = 0; k <= letzter; ++k) {
        if (z.Abbruch) {
            l.host.zaehlerAnzeigen(false, "");
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
    l.host.zaehlerAnzeigen(false, "");
    return !z.Abbruch;
}

} // namespace shell
