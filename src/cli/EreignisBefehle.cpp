// velmora-cli: successive heliocentric conjunctions or oppositions.
//   events P1 P2 --from DAY --count N [--opposition] [--high] [--precession] [--walk]
// One line per event: day x1 y1 z1 x2 y2 z2 (TD day number, heliocentric
// 10^6 km), found by the program's own conjunction search (--walk: the walk
// of steps it is checked against).
#include "cli/Befehle.h"
#include "cli/Rechnerkontext.h"

#include "astro/Konjunktion.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

int ereignisBefehl(const cli::Argumente& args)
{
    if (args.size() < 2)
        return cli::fehler("events wants two bodies, e.g. events Venus Earth --from 0 --count 5");
    const astro::KoerperNr a = astro::KoerperSuchen(args[0]);
    const astro::KoerperNr b = astro::KoerperSuchen(args[1]);
    if (a < 1 || b < 1)
        return cli::fehler("events: unknown body (1..21 or a name)");
    if (a == b)
        return cli::fehler("events: two different bodies, please");
    double von = 0;
    long long anzahl = 1;
    bool hoch = false, praezession = false, schrittweise = false;
    astro::Konjunktionssuche s;
    for (size_t i = 2; i < args.size(); ++i) {
        const std::string& w = args[i];
        const bool hatWert = i + 1 < args.size();
        if (w == "--from" && hatWert) {
            if (!cli::zahlLesen(args[++i], von) || !std::isfinite(von))
                return cli::fehler("--from wants a day number");
        } else if (w == "--count" && hatWert) {
            if (!cli::ganzzahlLesen(args[++i], anzahl) || anzahl < 1 || anzahl > 100000)
                return cli::fehler("--count wants a whole number 1..100000");
        } else if (w == "--opposition") {
            s.opposition = true;
        } else if (w == "--high") {
            hoch = true;
        } else if (w == "--precession") {
            praezession = true;
        } else if (w == "--walk") {
            schrittweise = true;
        } else {
            return cli::fehler("events: unknown or incomplete argument '" + w + "'");
        }
    }
    s.hoheGenauigkeit = hoch;
    // The limit of the pair as a two-planet run has it; a search that
    // leaves it fails with its message.
    s.grenze = cli::laufgrenze({a, b}, hoch, false, true).tage;
    if (const int rc = cli::ausserhalbGrenze("events", von, s.grenze); rc != 0)
        return rc;
    auto rechner = cli::rechnerFuer(hoch, {a, b});
    if (!rechner)
        return cli::fehler("events: " + cli::statusText(rechner.status()));
    astro::Rechenoptionen o;
    o.HoheGenauigkeit = hoch;
    o.MitPraezession = praezession;
    const astro::Positionsrechner& r = *rechner;
    const astro::Heliozentrisch pos = [&](astro::KoerperNr k, astro::Tageszahl t) { return r.Position(k, t, o); };
    // As the program's pre-calculation: the next search starts one synodic
    // period after the event found; an event before the start day (or one
    // already printed) is passed over by starting again after it.
    const double synodisch = std::fabs(1.0 / (1.0 / astro::SiderischePeriodeTage[static_cast<size_t>(a)] -
                                              1.0 / astro::SiderischePeriodeTage[static_cast<size_t>(b)]));
    double t = von;
    double letzter = -1e300;
    int uebersprungen = 0;
    for (long long n = 0; n < anzahl;) {
        const auto e = schrittweise ? astro::KonjunktionSchrittweise(a, b, t, s, pos) : astro::KonjunktionSuchen(a, b, t, s, pos);
        if (!e)
            return cli::fehler("events: " + cli::statusText(e.status()));
        if (e->tag < von || e->tag <= letzter + 1e-6) {
            if (++uebersprungen > 100)
                return cli::fehler("events: no further event found");
            t = std::max(e->tag, t) + 0.5 * synodisch;
            continue;
        }
        uebersprungen = 0;
        std::printf("%.6f %.10g %.10g %.10g %.10g %.10g %.10g\n", e->tag, e->p1.X, e->p1.Y, e->p1.Z, e->p2.X, e->p2.Y,
                    e->p2.Z);
        letzter = e->tag;
        t = e->tag + synodisch;
        ++n;
    }
    return 0;
}

} // namespace

static cli::BefehlRegistrierung regEreignisse(
    "events", "events P1 P2 --from DAY --count N [--opposition] [--high] [--precession] [--walk]",
    "successive heliocentric conjunctions (or oppositions): day x1 y1 z1 x2 y2 z2 (10^6 km)", ereignisBefehl);
