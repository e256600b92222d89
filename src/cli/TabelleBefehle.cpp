// velmora-cli: the data output table.
//   table --bodies LIST --from DAY --step S --count N [--xyz] [--au] [--astro]
//         [--ut] [--jd] [--precession] [--high] [--lang de|en]
// Prints the header block and the rows exactly as the window's data output
// writes them (tab-separated cells): one body, two bodies or three bodies.
#include "cli/Befehle.h"
#include "cli/Rechnerkontext.h"

#include "astro/Datenausgabe.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

using cli::Argumente;

constexpr long long MaxZeilen = 1000000;

struct Tabellenaufruf {
    std::vector<astro::KoerperNr> koerper;
    double von = 0, schritt = 0;
    long long anzahl = 0;
    astro::Ausgabeformat format;
    bool hoch = false, praezession = false;
    sprache::Sprache sprache = sprache::Sprache::Englisch;
};

std::string koerperLesen(const std::string& liste, std::vector<astro::KoerperNr>& koerper)
{
    for (const std::string& wort : cli::listeTeilen(liste)) {
        const astro::KoerperNr n = astro::KoerperSuchen(wort);
        if (n < 0)
            return "unknown body '" + wort + "' (0..21 or a name)";
        koerper.push_back(n);
    }
    if (koerper.empty() || koerper.size() > 3)
        return "--bodies wants one, two or three bodies";
    return {};
}

std::string aufrufLesen(const Argumente& args, Tabellenaufruf& a)
{
    std::optional<double> von, schritt;
    bool mitAnzahl = false, mitKoerpern = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& w = args[i];
        const bool mitWert = w == "--bodies" || w == "--from" || w == "--step" || w == "--count" || w == "--lang";
        if (mitWert && i + 1 >= args.size())
            return w + " needs a value";
        if (w == "--bodies") {
            const std::string f = koerperLesen(args[++i], a.koerper);
            if (!f.empty())
                return f;
            mitKoerpern = true;
        } else if (w == "--from" || w == "--step") {
            double z;
            if (!cli::zahlLesen(args[++i], z) || !std::isfinite(z) || std::fabs(z) > 1e9)
                return w + " wants a number within -1e9..1e9, got '" + args[i] + "'";
            (w == "--from" ? von : schritt) = z;
        } else if (w == "--count") {
            long long n;
            if (!cli::ganzzahlLesen(args[++i], n) || n < 1 || n > MaxZeilen)
                return "--count wants a whole number 1.." + std::to_string(MaxZeilen) + ", got '" + args[i] + "'";
            a.anzahl = n;
            mitAnzahl = true;
        } else if (w == "--lang") {
            const std::string& l = args[++i];
            if (l != "de" && l != "en")
                return "--lang wants de or en, got '" + l + "'";
            a.sprache = l == "de" ? sprache::Sprache::Deutsch : sprache::Sprache::Englisch;
        } else if (w == "--xyz") {
            a.format.xyz = true;
        } else if (w == "--au") {
            a.format.ae = true;
        } else if (w == "--astro") {
            a.format.astrologisch = true;
        } else if (w == "--ut") {
            a.format.ut = true;
        } else if (w == "--jd") {
            a.format.jd = true;
        } else if (w == "--precession") {
            a.praezession = true;
        } else if (w == "--high") {
            a.hoch = true;
        } else {
            return "unknown argument '" + w + "'";
        }
    }
    if (!mitKoerpern || !von || !schritt || !mitAnzahl)
        return "--bodies, --from, --step and --count are needed";
    a.von = *von;
    a.schritt = *schritt;
    return {};
}

int tabelleBefehl(const Argumente& args)
{
    Tabellenaufruf a;
    const std::string f = aufrufLesen(args, a);
    if (!f.empty())
        return cli::fehler("table: " + f);
    // Every row within the bodies' range (the widest limit a run of the
    // window gives them), checked before anything is printed.
    const double grenze = cli::laufgrenze(a.koerper, a.hoch, false, true).tage;
    for (long long k = 0; k < a.anzahl; ++k) {
        const double tag = a.von + static_cast<double>(k) * a.schritt;
        if (const int rc = cli::ausserhalbGrenze("table: day " + cli::zahlText(tag), tag, grenze); rc != 0)
            return rc;
    }
    auto rechner = cli::rechnerFuer(a.hoch, a.koerper);
    if (!rechner)
        return cli::fehler("table: " + cli::statusText(rechner.status()));
    // With the format switched to XYZ the angle switch has no effect, as in
    // the window, where it is disabled.
    if (a.format.xyz)
        a.format.astrologisch = false;
    sprache::setzeSprache(a.sprache);

    astro::Kopfangaben kopf;
    kopf.hoheGenauigkeit = a.hoch;
    kopf.praezession = a.praezession;
    kopf.koerper = a.koerper;
    kopf.namenszeile = a.koerper.size() > 1;
    kopf.titelzeile = astro::Titelzeile(a.koerper, astro::koerper::Sonne, a.sprache);

    astro::Rechenoptionen o;
    o.HoheGenauigkeit = a.hoch;
    o.MitPraezession = a.praezession;

    // Rows are computed before anything is printed, so a failure leaves no
    // half table on stdout.
    std::vector<std::string> zeilen = astro::DatenAusgabeBeschriftung(kopf, a.format, a.sprache);
    std::vector<astro::PositionXYZ> p(a.koerper.size());
    for (long long k = 0; k < a.anzahl; ++k) {
        const double tag = a.von + static_cast<double>(k) * a.schritt;
        for (size_t b = 0; b < a.koerper.size(); ++b) {
            const auto q = rechner->Position(a.koerper[b], tag, o);
            if (!q)
                return cli::fehler("table: " + astro::KoerperName(a.koerper[b], sprache::Sprache::Englisch) + " day " +
                                   cli::zahlText(tag) + ": " + cli::statusText(q.status()));
            p[b] = *q;
        }
        const int nummer = static_cast<int>(k);
        zeilen.push_back(p.size() == 1 ? astro::ZeileEinKoerper(nummer, p[0], tag, a.format)
                                       : astro::ZeileMehrereKoerper(nummer, p, tag, a.format));
    }
    for (const std::string& z : zeilen)
        std::printf("%s\n", z.c_str());
    return 0;
}

const cli::BefehlRegistrierung kTabelle(
    "table",
    "table --bodies LIST --from DAY --step S --count N [--xyz] [--au] [--astro] [--ut] [--jd] [--precession] "
    "[--high] [--lang de|en]",
    "the data output table (header and tab-separated rows) of one, two or three bodies", tabelleBefehl);

} // namespace
