// velmora-cli: time axis, positions, Moon and barycentre.
//   day Y M D          date deltat DAY
//   position BODY DAY|--from D0 --step S --count N [--high] [--precession]
//   moon DAY|--from ... [--precession]
//   bary DAY|--from ... [--bodies LIST] [--optical] [--no-sun-mass] [--high] [--precession]
#include "cli/Befehle.h"
#include "cli/Rechnerkontext.h"

#include "astro/Baryzentrum.h"
#include "astro/Koerper.h"
#include "astro/Mondposition.h"
#include "astro/Zeit.h"

#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

using cli::Argumente;

// Common arguments of the position commands: positional words, one day or a
// series of days, and the switches.
struct Aufruf {
    std::vector<std::string> worte;
    std::vector<double> tage;
    bool reihe = false; // --from/--step/--count: each line starts with the day
    bool hoch = false;
    bool praezession = false;
    bool optisch = false;
    bool ohneSonnenmasse = false;
    std::optional<std::string> koerperliste;
};

constexpr long long MaxAnzahl = 10000000;

// Parses ARGS of a position command; `positionaleVorTag` words precede the
// day. Returns an error text or "" on success.
std::string aufrufLesen(const Argumente& args, size_t positionaleVorTag, const std::vector<std::string>& erlaubt,
                        Aufruf& a)
{
    std::optional<double> von, schritt;
    std::optional<long long> anzahl;
    std::vector<std::string> frei;
    const auto erlaubtIst = [&](const std::string& o) {
        for (const auto& e : erlaubt)
            if (e == o)
                return true;
        return false;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& w = args[i];
        const bool istOption = w.size() > 2 && w[0] == '-' && w[1] == '-';
        if (!istOption) {
            frei.push_back(w);
            continue;
        }
        if (!erlaubtIst(w))
            return "unknown option '" + w + "'";
        const bool mitWert = w == "--from" || w == "--step" || w == "--count" || w == "--bodies";
        if (mitWert && i + 1 >= args.size())
            return w + " needs a value";
        if (w == "--from" || w == "--step") {
            double z;
            if (!cli::zahlLesen(args[++i], z) || !std::isfinite(z))
                return w + " wants a number, got '" + args[i] + "'";
            (w == "--from" ? von : schritt) = z;
        } else if (w == "--count") {
            long long n;
            if (!cli::ganzzahlLesen(args[++i], n) || n < 1 || n > MaxAnzahl)
                return "--count wants a whole number 1.." + std::to_string(MaxAnzahl) + ", got '" + args[i] + "'";
            anzahl = n;
        } else if (w == "--bodies") {
            a.koerperliste = args[++i];
        } else if (w == "--high") {
            a.hoch = true;
        } else if (w == "--precession") {
            a.praezession = true;
        } else if (w == "--optical") {
            a.optisch = true;
        } else if (w == "--no-sun-mass") {
            a.ohneSonnenmasse = true;
        }
    }
    const bool reihe = von || schritt || anzahl;
    if (reihe && !(von && schritt && anzahl))
        return "--from, --step and --count go together";
    const size_t erwartet = positionaleVorTag + (reihe ? 0 : 1);
    if (frei.size() != erwartet)
        return "expected " + std::to_string(erwartet) + " argument(s) besides the options, got " +
               std::to_string(frei.size());
    a.worte.assign(frei.begin(), frei.begin() + static_cast<long>(positionaleVorTag));
    if (reihe) {
        a.reihe = true;
        for (long long k = 0; k < *anzahl; ++k)
            a.tage.push_back(*von + static_cast<double>(k) * *schritt);
    } else {
        double tag;
        if (!cli::zahlLesen(frei.back(), tag) || !std::isfinite(tag))
            return "DAY wants a number, got '" + frei.back() + "'";
        a.tage.push_back(tag);
    }
    return {};
}

std::string felder(std::initializer_list<double> werte)
{
    std::string zeile;
    for (double w : werte) {
        if (!zeile.empty())
            zeile += ' ';
        zeile += cli::zahlText(w == 0.0 ? 0.0 : w); // no "-0"
    }
    return zeile;
}

void zeileAusgeben(const Aufruf& a, double tag, const std::string& werte)
{
    if (a.reihe)
        std::printf("%s %s\n", cli::zahlText(tag).c_str(), werte.c_str());
    else
        std::printf("%s\n", werte.c_str());
}

std::string xyzKugel(const astro::PositionXYZ& p)
{
    const astro::Kugelkoordinaten k = astro::XYZZuKugel(p);
    return felder({p.X, p.Y, p.Z, k.L, k.B, k.R});
}

std::string tagText(double tag) { return "day " + cli::zahlText(tag); }

// Every day of the call within the limit L, checked before anything is
// printed: a day beyond it gets the limit's message (as a run of the window
// shows it) and exit 2, never a position the data cannot give.
int tageInGrenze(const std::string& befehl, const Aufruf& a, double grenzeTage)
{
    for (double tag : a.tage)
        if (const int rc = cli::ausserhalbGrenze(befehl + ": " + tagText(tag), tag, grenzeTage); rc != 0)
            return rc;
    return 0;
}

int tagBefehl(const Argumente& args)
{
    if (args.size() != 3)
        return cli::fehler("day wants Y M D");
    long long j, m, d;
    if (!cli::ganzzahlLesen(args[0], j) || !cli::ganzzahlLesen(args[1], m) || !cli::ganzzahlLesen(args[2], d))
        return cli::fehler("day wants three whole numbers Y M D");
    if (j < -1000000 || j > 1000000)
        return cli::fehler("year out of range -1000000..1000000");
    if (m < 1 || m > 12)
        return cli::fehler("month must be 1..12");
    if (d < 1 || d > 31)
        return cli::fehler("day must be 1..31");
    std::printf("%lld\n", astro::DatumZuTag(static_cast<int>(j), static_cast<int>(m), static_cast<int>(d)));
    return 0;
}

// One day argument, finite and within the range the calendar handles exactly.
bool einTagLesen(const Argumente& args, const char* befehl, double& tag, int& rc)
{
    if (args.size() != 1 || !cli::zahlLesen(args[0], tag) || !std::isfinite(tag)) {
        rc = cli::fehler(std::string(befehl) + " wants one number DAY");
        return false;
    }
    if (std::fabs(tag) > 1e9) {
        rc = cli::fehler(std::string(befehl) + ": DAY out of range -1e9..1e9");
        return false;
    }
    return true;
}

int datumBefehl(const Argumente& args)
{
    double tag;
    int rc;
    if (!einTagLesen(args, "date", tag, rc))
        return rc;
    std::printf("%s\n", astro::DatumText(tag).c_str());
    return 0;
}

int deltaTBefehl(const Argumente& args)
{
    double tag;
    int rc;
    if (!einTagLesen(args, "deltat", tag, rc))
        return rc;
    std::printf("%s\n", cli::zahlText(astro::DeltaTSekunden(tag)).c_str());
    return 0;
}

astro::Rechenoptionen optionenAus(const Aufruf& a)
{
    astro::Rechenoptionen o;
    o.HoheGenauigkeit = a.hoch;
    o.MitPraezession = a.praezession;
    return o;
}

int positionBefehl(const Argumente& args)
{
    Aufruf a;
    const std::string f =
        aufrufLesen(args, 1, {"--from", "--step", "--count", "--high", "--precession"}, a);
    if (!f.empty())
        return cli::fehler("position: " + f);
    const astro::KoerperNr n = astro::KoerperSuchen(a.worte[0]);
    if (n < 0)
        return cli::fehler("position: unknown body '" + a.worte[0] + "' (0..21 or a name)");
    // The body's range: the widest limit a run of the window gives it.
    if (const int rc = tageInGrenze("position", a, cli::laufgrenze({n}, a.hoch, false, true).tage); rc != 0)
        return rc;
    auto rechner = cli::rechnerFuer(a.hoch, {n});
    if (!rechner)
        return cli::fehler("position: " + cli::statusText(rechner.status()));
    const astro::Rechenoptionen o = optionenAus(a);
    for (double tag : a.tage) {
        const auto p = rechner->Position(n, tag, o);
        if (!p)
            return cli::fehler("position: " + std::string(astro::KoerperName(n, sprache::Sprache::Englisch)) + " " +
                               tagText(tag) + ": " + cli::statusText(p.status()));
        zeileAusgeben(a, tag, xyzKugel(*p));
    }
    return 0;
}

int mondBefehl(const Argumente& args)
{
    Aufruf a;
    const std::string f = aufrufLesen(args, 0, {"--from", "--step", "--count", "--precession"}, a);
    if (!f.empty())
        return cli::fehler("moon: " + f);
    // The lunar theory holds as long as the Moon representation runs.
    if (const int rc = tageInGrenze("moon", a, cli::laufgrenze({}, false, true, false).tage); rc != 0)
        return rc;
    for (double tag : a.tage)
        zeileAusgeben(a, tag, xyzKugel(astro::MondKoordinaten(tag, a.praezession)));
    return 0;
}

int baryBefehl(const Argumente& args)
{
    Aufruf a;
    const std::string f = aufrufLesen(
        args, 0, {"--from", "--step", "--count", "--bodies", "--optical", "--no-sun-mass", "--high", "--precession"}, a);
    if (!f.empty())
        return cli::fehler("bary: " + f);
    astro::BaryAuswahl auswahl = astro::StandardBaryAuswahl();
    std::vector<astro::KoerperNr> koerper = {5, 6, 7, 8};
    if (a.koerperliste) {
        auswahl.koerper.fill(false);
        koerper.clear();
        for (const std::string& wort : cli::listeTeilen(*a.koerperliste)) {
            const astro::KoerperNr n = astro::KoerperSuchen(wort);
            if (n < astro::koerper::Merkur || n > astro::koerper::Pluto)
                return cli::fehler("bary: '" + wort + "' is not one of the bodies 1..9 (Mercury to Pluto)");
            auswahl.koerper[n] = true;
            koerper.push_back(n);
        }
    }
    auswahl.optisch = a.optisch;
    // The optical centre is computed without masses, the Sun's included.
    auswahl.mitSonnenmasse = !a.ohneSonnenmasse && !a.optisch;
    if (const astro::Status s = astro::BaryAuswahlPruefen(auswahl); !s)
        return cli::fehler("bary: " + cli::statusText(s));
    if (const int rc = tageInGrenze("bary", a, cli::laufgrenze(koerper, a.hoch, false, true).tage); rc != 0)
        return rc;
    auto rechner = cli::rechnerFuer(a.hoch, koerper);
    if (!rechner)
        return cli::fehler("bary: " + cli::statusText(rechner.status()));
    const astro::Rechenoptionen o = optionenAus(a);
    for (double tag : a.tage) {
        const auto p = astro::KoordBary(*rechner, auswahl, tag, o);
        if (!p)
            return cli::fehler("bary: " + tagText(tag) + ": " + cli::statusText(p.status()));
        zeileAusgeben(a, tag, felder({p->X, p->Y, p->Z}));
    }
    return 0;
}

} // namespace

static cli::BefehlRegistrierung regTag("day", "day Y M D", "the integer day number (days TD from 2000-01-01 0h) of a date",
                                       tagBefehl);
static cli::BefehlRegistrierung regDatum("date", "date DAY", "the date and time of a day number as Y-MM-DD hh:mm",
                                         datumBefehl);
static cli::BefehlRegistrierung regDeltaT("deltat", "deltat DAY", "Delta T = TD - UT in seconds at a day number",
                                          deltaTBefehl);
static cli::BefehlRegistrierung regPosition(
    "position", "position BODY DAY|--from D0 --step S --count N [--high] [--precession]",
    "heliocentric ecliptic x y z lon lat r (10^6 km, degrees); BODY 1..21 or a name", positionBefehl);
static cli::BefehlRegistrierung regMond("moon", "moon DAY|--from D0 --step S --count N [--precession]",
                                        "geocentric Moon x y z lon lat dist (km, degrees)", mondBefehl);
static cli::BefehlRegistrierung regBary(
    "bary", "bary DAY|--from D0 --step S --count N [--bodies 5,6,7,8] [--optical] [--no-sun-mass] [--high] [--precession]",
    "heliocentric x y z (10^6 km) of the centre of mass (or optical centre) of the Sun and bodies 1..9", baryBefehl);
