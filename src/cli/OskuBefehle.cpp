// Loader of the osculating-element tables for velmora-cli: bodies 5..21 at
// normal accuracy, 9..21 with --high.
#include "cli/Rechnerkontext.h"

#include "astro/Oskulierend.h"

static cli::QuellenladerRegistrierung oskuLader(
    "element tables", [](const cli::Ladeauftrag& a, astro::Positionsrechner& r) -> astro::Status {
        // At high accuracy also the normal tables of Pluto and the minor
        // planets: orbit points beyond the dense tables come from them.
        std::vector<astro::KoerperNr> auchNormal;
        if (a.hoheGenauigkeit)
            for (astro::KoerperNr k : a.koerper)
                if (k >= 9)
                    auchNormal.push_back(k);
        auto ladung = astro::OskuQuelleLaden(a.datenordner, a.hoheGenauigkeit, a.koerper, auchNormal);
        if (!ladung)
            return ladung.status();
        r.setzeOskulierendeQuelle(ladung->quelle);
        return astro::Status::Ok();
    });
