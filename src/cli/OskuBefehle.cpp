// Loader of the osculating-element tables for velmora-cli: bodies 5..21 at
// normal accuracy, 9..21 with --high.
#include "cli/Rechnerkontext.h"

#include "astro/Oskulierend.h"

static cli::QuellenladerRegistrierung oskuLader(
    "element tables", [](const cli::Ladeauftrag& a, astro::Positionsrechner& r) -> astro::Status {
        auto ladung = astro::OskuQuelleLaden(a.datenordner, a.hoheGenauigkeit, a.koerper);
        if (!ladung)
            return ladung.status();
        r.setzeOskulierendeQuelle(ladung->quelle);
        return astro::Status::Ok();
    });
