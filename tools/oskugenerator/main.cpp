// oskugenerator: produces the osculating-element tables Data/*.OUT from our
// own N-body integration of the initial state vectors and GM values.
//
//   oskugenerator <source data folder> <Data folder> [--oskulierend | --einzeln | --gemeinsam]
//                 [--ohne-vsop] [--meldungen] [--nur=5,6,...] [--faeden=N]
//   oskugenerator <source data folder> --schranke [--nur=5,6,...]
//
// The source data folder is ../shared/data relative to the repository root.
// By default each table is made with standardVerfahren (Modell.h), which the
// committed files come from. --oskulierend writes the plain osculating
// elements, --einzeln the record-by-record fit for every table, --gemeinsam
// the joint fit of all records (GlobaleAnpassung.h) for every table;
// --meldungen prints the joint fit's progress. The tables are made by
// --faeden worker threads (default: one per core). --schranke writes no
// tables: it prints, per normal-accuracy table, the lower bound on the worst
// error any records can reach near the present (schrankenBerechnen).
// The program prints the energy error of both integrations, the accuracy of
// every table read back through the program's reader against the
// integration, and the integration and tables against the full VSOP87D
// series (Jupiter to Neptune).

#include "Bahnelemente.h"
#include "GlobaleAnpassung.h"
#include "Modell.h"
#include "astro/Oskulierend.h"
#include "astro/Praezession.h"
#include "astro/VsopVoll.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using namespace osku;

namespace {

const char* kNamen[22] = {"", "", "", "", "", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto", "Ceres",
                          "Pallas", "Vesta", "Juno", "Chiron", "Varuna", "Quaoar", "Orcus", "2003 EL61",
                          "2005 FY9", "Eris", "Sedna"};

std::string fest(double x, int stellen)
{
    char puffer[64];
    auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::fixed, stellen);
    return ec == std::errc() ? std::string(puffer, ende) : std::string("nan");
}

bool schreiben(const std::string& pfad, const Auftrag& a, const std::vector<astro::OskuSatz>& saetze, bool oskulierend)
{
    std::ofstream aus(pfad, std::ios::binary);
    aus << "Velmora osculating elements of " << kNamen[a.koerper] << " (body " << a.koerper << ", "
        << (a.hoch ? "high" : "normal") << " accuracy): heliocentric, ecliptic and equinox J2000, TD\n";
    aus << "Columns: epoch JD, e, i deg, omega deg, node deg, a AU, M0 deg; " << saetze.size() << " records from JD "
        << fest(a.p.jd0, 1) << " every " << fest(a.p.schritt, 0) << " days; propagate with k = 0.01720209895\n";
    aus << "oskugenerator 1.0: Bulirsch-Stoer N-body integration from the JD 2460000.5 states; "
        << (oskulierend ? "osculating elements" : "elements fitted to the trajectory as the reader interpolates")
        << "\n";
    for (const auto& s : saetze)
        aus << fest(s[0], 1) << ' ' << fest(s[1], 12) << ' ' << fest(s[2], 10) << ' ' << fest(s[3], 10) << ' '
            << fest(s[4], 10) << ' ' << fest(s[5], 12) << ' ' << fest(s[6], 10) << '\n';
    return static_cast<bool>(aus);
}

constexpr double kJdTageszahl = 2451544.5;

// Largest angle (arcsec) between the reader's position and the trajectory
// over the samples with JD in [von, bis].
double leserFehler(const astro::OskuTabelle& t, const Bahn& b, double von, double bis)
{
    double m = 0;
    for (int j = 0; j < b.proben(); ++j) {
        const double jd = b.zeit(j);
        if (jd < von || jd > bis)
            continue;
        const auto p = astro::PositionOskulierend(t, jd - kJdTageszahl, false);
        if (!p.ok())
            continue;
        m = std::max(m, winkelAbstand(kugel((1.0 / kAE) * Vek{p->X, p->Y, p->Z}), b.kugelR[static_cast<std::size_t>(j)]));
    }
    return m;
}

// VSOP87D L, B (degrees, J2000) and R (10^6 km) of a body at JD.
astro::Kugelkoordinaten vsopJ2000(const astro::VsopVollPlanet& v, double jd)
{
    const auto lbr = astro::VsopVollAuswerten(v, (jd - 2451545.0) / 365250.0);
    const auto lb = astro::PraezessionEkliptikal({grad360(lbr[0] / kGrad), lbr[1] / kGrad},
                                                 astro::Praezessionsrichtung::NachJ2000, jd - kJdTageszahl);
    return {lb.L, lb.B, lbr[2] * kAE};
}

void fortschritt(double jd) { std::fprintf(stderr, "  ... JD %.0f\n", jd); }

double jahr(double jd) { return 2000.0 + (jd - 2451545.0) / 365.25; }

// --schranke: how close the reader's scheme can come to the integration at
// all. For every normal-accuracy table the records within about 95 years of
// the record nearest the initial epoch are fitted to that span alone, with
// 100 Lawson passes; printed are the worst error reached and the lower bound
// on the worst error of any records there (GlobaleAnpassung::untereSchranke).
int schrankenBerechnen(const Anfangsdaten& daten, const std::vector<int>& nur)
{
    std::vector<Auftrag> auftraege;
    for (int k = 5; k <= 21; ++k) {
        const auto p = astro::OskuTabellenParameter(k, false);
        if (!p || (!nur.empty() && std::find(nur.begin(), nur.end(), k) == nur.end()))
            continue;
        Auftrag a;
        a.koerper = k;
        a.p = *p;
        a.vollesModell = k >= 10;
        const int halb = std::max(1, static_cast<int>(std::lround(95 * 365.25 / p->schritt)));
        a.ersteEpoche = static_cast<int>(std::lround((kStartJd - p->jd0) / p->schritt)) - halb;
        a.bahn.epochen = 2 * halb + 1;
        auftraege.push_back(std::move(a));
    }
    for (int voll = 0; voll <= 1; ++voll) {
        std::vector<Auftrag*> liste;
        for (auto& a : auftraege)
            if (a.vollesModell == (voll != 0))
                liste.push_back(&a);
        if (!liste.empty())
            integrieren(voll ? modellVoll(daten) : modellAussen(daten), liste, 1e-14);
    }
    std::printf("%-10s %-14s %7s %13s %12s %16s\n", "body", "file", "step d", "span", "reached [\"]",
                "lower bound [\"]");
    for (auto& a : auftraege) {
        auto saetze = saetzeBerechnen(a, Verfahren::Oskulierend);
        Anpassung start;
        start.durchgaenge = 0;
        start.minimaxDurchgaenge = 0;
        start.anpassen(a.bahn, saetze);
        GlobaleAnpassung global;
        global.minimaxDurchgaenge = 100;
        global.anpassen(a.bahn, saetze);
        const double erreicht = global.groessterFehler(a.bahn, saetze);
        const double schranke = global.untereSchranke(a.bahn, saetze);
        std::printf("%-10s %-14s %7.0f %6.0f..%-6.0f %12.1f %16.1f\n", kNamen[a.koerper], a.p.datei, a.p.schritt,
                    jahr(a.bahn.zeit(0)), jahr(a.bahn.zeit(a.bahn.proben() - 1)), erreicht, schranke);
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: oskugenerator <source data folder> <Data folder> [--oskulierend | --einzeln | --gemeinsam]\n"
                             "                    [--ohne-vsop] [--meldungen] [--nur=5,6,...] [--faeden=N]\n"
                             "       oskugenerator <source data folder> --schranke [--nur=5,6,...]\n");
        return 2;
    }
    const std::string quelle = argv[1], ziel = argv[2];
    if (ziel.rfind("--", 0) == 0 && ziel != "--schranke") {
        std::fprintf(stderr, "oskugenerator: the Data folder comes before the options\n");
        return 2;
    }
    std::optional<Verfahren> verfahren; // empty: standardVerfahren per table
    bool mitVsop = true, meldungen = false, schranke = ziel == "--schranke";
    int faeden = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    std::vector<int> nur; // restrict to these bodies (for trials)
    for (int i = 3; i < argc; ++i) {
        const std::string o = argv[i];
        if (o == "--oskulierend")
            verfahren = Verfahren::Oskulierend;
        else if (o == "--einzeln")
            verfahren = Verfahren::Einzeln;
        else if (o == "--gemeinsam")
            verfahren = Verfahren::Gemeinsam;
        else if (o == "--ohne-vsop")
            mitVsop = false;
        else if (o == "--meldungen")
            meldungen = true;
        else if (o.rfind("--faeden=", 0) == 0 && std::atoi(o.c_str() + 9) > 0)
            faeden = std::atoi(o.c_str() + 9);
        else if (o.rfind("--nur=", 0) == 0)
            for (std::size_t p = 6; p < o.size();) {
                std::size_t q = o.find(',', p);
                if (q == std::string::npos)
                    q = o.size();
                int k = 0;
                const auto [ende, ec] = std::from_chars(o.data() + p, o.data() + q, k);
                if (ec != std::errc() || ende != o.data() + q) {
                    std::fprintf(stderr, "oskugenerator: bad body number in %s\n", o.c_str());
                    return 2;
                }
                nur.push_back(k);
                p = q + 1;
            }
        else {
            std::fprintf(stderr, "oskugenerator: unknown option %s\n", o.c_str());
            return 2;
        }
    }
    Anfangsdaten daten;
    if (auto f = anfangsdatenLesen(quelle, daten); !f.empty()) {
        std::fprintf(stderr, "oskugenerator: %s\n", f.c_str());
        return 1;
    }
    if (schranke)
        return schrankenBerechnen(daten, nur);
    const auto start = std::chrono::steady_clock::now();
    auto sekunden = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(); };

    std::vector<Auftrag> auftraege;
    for (int hoch = 0; hoch <= 1; ++hoch)
        for (int k = 5; k <= 21; ++k)
            if (auto p = astro::OskuTabellenParameter(k, hoch != 0);
                p && (nur.empty() || std::find(nur.begin(), nur.end(), k) != nur.end())) {
                Auftrag a;
                a.koerper = k;
                a.hoch = hoch != 0;
                a.p = *p;
                a.vollesModell = k >= 10;
                a.bahn.epochen = p->anzahl;
                auftraege.push_back(std::move(a));
            }

    const double toleranz = 1e-14;
    for (int voll = 0; voll <= 1; ++voll) {
        std::vector<Auftrag*> liste;
        for (auto& a : auftraege)
            if (a.vollesModell == (voll != 0))
                liste.push_back(&a);
        if (liste.empty())
            continue;
        const Modell m = voll ? modellVoll(daten) : modellAussen(daten);
        std::printf("Integrating the %s model (%d bodies, %d massive) ...\n", voll ? "full" : "outer",
                    m.system.anzahl(), m.system.anzahlMassiv);
        std::fflush(stdout);
        const double de = integrieren(m, liste, toleranz, fortschritt);
        std::printf("  largest relative energy error over the run: %.3e  (%.0f s)\n", de, sekunden());
        std::fflush(stdout);
    }

    // The tables are independent: worker threads take them, longest first,
    // and the report lists them in their usual order.
    struct Ergebnis {
        std::string zeile, fehler;
    };
    std::vector<Ergebnis> ergebnisse(auftraege.size());
    std::vector<std::size_t> reihenfolge(auftraege.size());
    for (std::size_t i = 0; i < reihenfolge.size(); ++i)
        reihenfolge[i] = i;
    auto aufwand = [&](std::size_t i) {
        const Auftrag& a = auftraege[i];
        const Verfahren v = verfahren.value_or(standardVerfahren(a));
        return a.bahn.epochen * (v == Verfahren::Gemeinsam ? 20 : 1);
    };
    std::stable_sort(reihenfolge.begin(), reihenfolge.end(), [&](auto x, auto y) { return aufwand(x) > aufwand(y); });
    std::atomic<std::size_t> naechster{0};
    std::mutex ausgabe;
    auto arbeiter = [&] {
        for (std::size_t n; (n = naechster++) < reihenfolge.size();) {
            Auftrag& a = auftraege[reihenfolge[n]];
            Ergebnis& e = ergebnisse[reihenfolge[n]];
            const Verfahren v = verfahren.value_or(standardVerfahren(a));
            const auto saetze = saetzeBerechnen(a, v, meldungen);
            const std::string pfad = ziel + "/" + a.p.datei;
            if (!schreiben(pfad, a, saetze, v == Verfahren::Oskulierend)) {
                e.fehler = "cannot write " + pfad;
                continue;
            }
            const auto t = astro::OskuEinlesen(a.koerper, a.hoch, ziel);
            if (!t) {
                e.fehler = pfad + " does not read back: " + t.status().detail;
                continue;
            }
            char zeile[200];
            std::snprintf(zeile, sizeof zeile, "%-10s %-14s %6d %-9s %14.3f %14.3f %14.3f", kNamen[a.koerper],
                          a.p.datei, a.p.anzahl, v == Verfahren::Gemeinsam ? "joint" : v == Verfahren::Einzeln ? "single" : "osc",
                          leserFehler(*t, a.bahn, -1e99, 1e99), leserFehler(*t, a.bahn, 2415020.5, 2488069.5),
                          leserFehler(*t, a.bahn, 954000.0, 1027050.0));
            e.zeile = zeile;
            const std::lock_guard<std::mutex> sperre(ausgabe);
            std::fprintf(stderr, "  %s (%.0f s)\n", zeile, sekunden());
        }
    };
    std::vector<std::thread> arbeiterFaeden;
    for (int i = 1; i < faeden; ++i)
        arbeiterFaeden.emplace_back(arbeiter);
    arbeiter();
    for (auto& f : arbeiterFaeden)
        f.join();
    std::printf("\n%-10s %-14s %6s %-9s %14s %14s %14s\n", "body", "file", "N", "fit", "worst all [\"]",
                "1900-2100 [\"]", "-2100..-1900 [\"]");
    for (const auto& e : ergebnisse) {
        if (!e.fehler.empty()) {
            std::fprintf(stderr, "oskugenerator: %s\n", e.fehler.c_str());
            return 1;
        }
        std::printf("%s\n", e.zeile.c_str());
    }
    std::fflush(stdout);

    if (mitVsop) {
        const char* dateien[] = {"VSOP87D.jup", "VSOP87D.sat", "VSOP87D.ura", "VSOP87D.nep"};
        std::printf("\nAgainst the full VSOP87D series (J2000 ecliptic; worst longitude / angle in arcsec)\n");
        std::printf("%-10s %22s %22s %22s %22s\n", "body", "integration 1000-3000", "integration -2100..-1900",
                    "tables 1900-2100", "tables -2100..-1900");
        for (int k = 5; k <= 8; ++k) {
            const auto vl = astro::VsopVollDateiLesen(quelle + "/vsop87/" + dateien[k - 5]);
            if (!vl) {
                std::fprintf(stderr, "oskugenerator: cannot read %s\n", dateien[k - 5]);
                return 1;
            }
            const astro::VsopVollPlanet& v = vl.wert();
            const Auftrag* a = nullptr;
            for (auto& x : auftraege)
                if (x.koerper == k)
                    a = &x;
            if (!a)
                continue;
            double intL = 0, intW = 0, intAlt = 0;
            for (int j = 0; j < a->bahn.proben(); ++j) {
                const double jd = a->bahn.zeit(j);
                const bool neu = jd >= 2086302.5 && jd <= 2816787.5, alt = jd >= 954000.0 && jd <= 1027050.0;
                if (!neu && !alt)
                    continue;
                const auto vs = vsopJ2000(v, jd);
                const auto& ig = a->bahn.kugelR[static_cast<std::size_t>(j)];
                if (alt) {
                    intAlt = std::max(intAlt, winkelAbstand(ig, vs));
                    continue;
                }
                intL = std::max(intL, std::fabs(std::remainder(ig.L - vs.L, 360.0)) * 3600.0);
                intW = std::max(intW, winkelAbstand(ig, vs));
            }
            auto t = astro::OskuEinlesen(k, false, ziel);
            auto tabellenFehler = [&](double von, double bis) {
                double m = 0;
                for (double jd = von; jd <= bis; jd += 5.0) {
                    const auto p = astro::PositionOskulierend(*t, jd - kJdTageszahl, false);
                    if (p.ok())
                        m = std::max(m, winkelAbstand(kugel((1.0 / kAE) * Vek{p->X, p->Y, p->Z}), vsopJ2000(v, jd)));
                }
                return m;
            };
            std::printf("%-10s %10.3f / %9.3f %22.3f %22.3f %22.3f\n", kNamen[k], intL, intW, intAlt,
                        tabellenFehler(2415020.5, 2488069.5), tabellenFehler(954000.0, 1027050.0));
            std::fflush(stdout);
        }
    }
    std::printf("\ndone in %.0f s\n", sekunden());
    return 0;
}
