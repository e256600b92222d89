#include "cli/Rechnerkontext.h"

#include "cli/Befehle.h"

#include "astro/Datenordner.h"
#include "astro/VsopQuelle.h"
#include "sprache/Sprache.h"

#include <algorithm>
#include <iostream>
#include <utility>

namespace cli {

namespace {

struct Eintrag {
    std::string name;
    Quellenlader lader;
};

std::vector<Eintrag>& lader()
{
    static std::vector<Eintrag> liste;
    return liste;
}

} // namespace

QuellenladerRegistrierung::QuellenladerRegistrierung(std::string name, Quellenlader l)
{
    lader().push_back({std::move(name), std::move(l)});
}

astro::Ergebnis<astro::Positionsrechner> rechnerFuer(bool hoheGenauigkeit, const std::vector<astro::KoerperNr>& koerper)
{
    Ladeauftrag auftrag;
    auftrag.datenordner = astro::DatenOrdnerFinden(astro::ProgrammOrdner());
    auftrag.hoheGenauigkeit = hoheGenauigkeit;
    auftrag.koerper = koerper;
    astro::Positionsrechner rechner;
    for (const Eintrag& e : lader()) {
        astro::Status s = e.lader(auftrag, rechner);
        if (!s) {
            s.detail = e.name + (s.detail.empty() ? "" : ": " + s.detail);
            return s;
        }
    }
    return rechner;
}

std::string statusText(const astro::Status& status)
{
    std::string text = status.meldungsSchluessel.empty()
                           ? std::string("computation failed")
                           : sprache::T(status.meldungsSchluessel, sprache::Sprache::Englisch);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\n' || text.back() == '\r'))
        text.pop_back();
    if (!status.detail.empty())
        text += " (" + status.detail + ")";
    return text;
}

const astro::Gueltigkeitsgrenze& laufgrenze(const std::vector<int>& koerper, bool hoheGenauigkeit, bool mond,
                                            bool aeussere)
{
    return astro::GueltigkeitsgrenzeFuer(astro::GrenzfallDerKoerper(koerper, hoheGenauigkeit, mond, aeussere));
}

std::string grenzText(double grenzeTage)
{
    return statusText(astro::Status::Fehlschlag(astro::Fehler::AusserhalbGueltigkeit,
                                                std::string(astro::GrenzmeldungFuer(grenzeTage))));
}

void grenzeMelden(const std::string& befehl, double grenzeTage)
{
    std::cerr << "velmora-cli: " << befehl << ": " << grenzText(grenzeTage) << "\n";
}

int ausserhalbGrenze(const std::string& befehl, double tag, double grenzeTage)
{
    if (astro::InnerhalbGrenze(tag, grenzeTage))
        return 0;
    return fehler(befehl + ": " + grenzText(grenzeTage));
}

} // namespace cli

// The reduced series: bodies 1..8 at high accuracy.
static cli::QuellenladerRegistrierung reihenLader(
    "series", [](const cli::Ladeauftrag& a, astro::Positionsrechner& r) -> astro::Status {
        const bool gebraucht = a.hoheGenauigkeit && std::any_of(a.koerper.begin(), a.koerper.end(), [](int n) {
                                   return n >= astro::koerper::Merkur && n <= astro::koerper::Neptun;
                               });
        if (!gebraucht)
            return astro::Status::Ok();
        auto quelle = astro::VsopQuelleLaden(a.datenordner);
        if (!quelle)
            return quelle.status();
        r.setzeReihenquelle(quelle.wert());
        return astro::Status::Ok();
    });
