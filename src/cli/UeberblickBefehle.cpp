// velmora-cli render overview: the overview representation run headlessly
// for a number of steps with the program's own preparation and frames; the
// last frame (and optionally every k-th) saved in the format of its ending.
#include "cli/Renderlauf.h"

#include "figures/Ueberblick.h"

#include <algorithm>
#include <sstream>

namespace {

const char* const Aufruf =
    "render overview --bodies 1,2,3,4 [--centre 0|1..9] [--from DAY] [--steps N] [--orbits] [--coloured]\n"
    "        [--no-distances] [--moon] [--size WxH] [--rot X,Y,Z] [--zoom Z] [--zodiac signs|constellations]\n"
    "        [--stars 0|1|2] [--legend] [--scale] [--au] [--sun] [--mark] [--points 1|2|4|8] [--high] [--precession]\n"
    "        [--rows] [--lang de|en] [--frames DIR [--every K]] --out FILE\n"
    "  The bodies are chosen as in the free configuration: a centre planet listed among --bodies\n"
    "  also shows the Sun seen from it (disc and apparent path); --moon needs --centre 3 and --no-distances.\n"
    "  --au labels the scale bar in astronomical units; --rows prints the data rows of the steps to stdout.\n"
    "  The run keeps to the validity limit of its bodies as in the window: a start beyond it is\n"
    "  brought inside, and a run that reaches it stops there with the limit's message on stderr\n"
    "  (the figure up to the limit is still written).";

// "1,2,10": body numbers 1 .. 21, checked in e.koerper.
bool KoerperLesen(const std::string& text, figures::UeberblickEingabe& e)
{
    std::stringstream ss(text);
    std::string teil;
    int k = 0, n = 0;
    for (; std::getline(ss, teil, ','); ++n) {
        if (!cli::ganzLesen(teil, k) || k < 1 || k > 21)
            return false;
        e.koerper[static_cast<size_t>(k)] = true;
    }
    return n > 0 && text.back() != ',';
}

int renderUeberblick(const cli::Argumente& args)
{
    figures::UeberblickEingabe e;
    e.konfiguration = figures::UeberblickEingabe::FreieKonfiguration;
    e.bahnen = false;
    figures::Ueberblicksrahmen r;
    figures::Ueberblickslauf lauf;
    int schritte = 1;
    bool koerperDa = false;
    cli::Renderlauf d("overview", Aufruf);
    d.eigene.wert(
        "--bodies", [&](const std::string& w) { return koerperDa = KoerperLesen(w, e); },
        "--bodies wants body numbers 1..21 separated by commas");
    d.eigene.ganz("--centre", e.zentrum, 0, 9, "--centre wants 0 (the Sun) or a planet 1..9");
    d.eigene.zahl("--from", e.starttag, "--from wants a day number, e.g. 0 or -1234.5");
    d.eigene.ganz("--steps", schritte, 1, 50000, "--steps wants a whole number 1..50000");
    d.eigene.schalter("--orbits", e.bahnen);
    d.eigene.schalter("--coloured", e.farbig);
    d.eigene.schalter("--no-distances", e.ohneEntfernungen);
    d.eigene.schalter("--moon", e.mond);
    if (const int rc = d.lesen(args, r.tierkreis, r.sterne, lauf.bahnpunkteFaktor); rc != d.Weiter)
        return rc;
    if (!koerperDa)
        return d.fehler("--bodies is required");
    if (e.mond && (e.zentrum != 3 || !e.ohneEntfernungen))
        return d.fehler("--moon needs --centre 3 and --no-distances");
    cli::tailSetzen(d.o, r);
    r.sonneZentrum = r.sonneZentrum && e.zentrum == 0;
    lauf.mitPraezession = r.mitPraezession = d.o.praezession;
    lauf.maxSchritte = std::max(12000, schritte);

    figures::Ueberblick figur;
    cli::Renderfigur f;
    f.mond = e.mond;
    f.aeussere = false;
    f.starttag = &e.starttag;
    f.grenze = &lauf.gueltigkeitsgrenze;
    const auto auswahl = figures::UeberblickAuswahl(e);
    for (int b = 1; b < 22; ++b)
        if (auswahl[static_cast<size_t>(b)] || b == e.zentrum)
            f.koerper.push_back(b);
    f.vorbereiten = [&](const auto& genau, const auto& normal) {
        return figur.vorbereiten(e, lauf, d.ansicht, genau, normal);
    };
    f.kopfangaben = [&](sprache::Sprache s) { return figur.kopfangaben(s); };
    // No step beyond the limit: the run stops there with its message.
    f.planen = [&] {
        return cli::Schrittplan(schritte, (lauf.gueltigkeitsgrenze - e.starttag) / figur.schrittweite());
    };
    f.bahnenErneuern = [&](int n) { return figur.bahnenErneuern(n, d.ansicht); };
    f.schritt = [&](figures::Ereigniszaehler& c, figures::Zeichenflaeche* z, astro::Datenausgabe* daten, bool) {
        return figur.schritt(c.schritt, z, d.ansicht, d.einstellungen, r, daten);
    };
    return d.rendern(f);
}

} // namespace

static cli::RenderRegistrierung ueberblick("overview", renderUeberblick);
