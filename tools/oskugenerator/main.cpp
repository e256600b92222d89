// oskugenerator: produces the osculating-element tables Data/*.OUT from our
// own N-body integration of the initial state vectors and GM values.
//
//   oskugenerator <source data folder> <Data folder> [--oskulierend] [--ohne-vsop]
//                 [--gemeinsam] [--meldungen] [--nur=5,6,...]
//
// The source data folder is ../shared/data relative to the repository root.
// --oskulierend writes the plain osculating elements instead of fitted ones.
// --gemeinsam replaces the record-by-record sweeps by the joint fit of all
// records (GlobaleAnpassung.h); --meldungen prints its progress.
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
#include <chrono>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <string>
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

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: oskugenerator <source data folder> <Data folder> [--oskulierend] [--ohne-vsop]\n");
        return 2;
    }
    const std::string quelle = argv[1], ziel = argv[2];
    bool nurOskulierend = false, mitVsop = true, sweeps = true, meldungen = false;
    std::vector<int> nur; // restrict to these bodies (for trials)
    for (int i = 3; i < argc; ++i) {
        const std::string o = argv[i];
        if (o == "--oskulierend")
            nurOskulierend = true;
        else if (o == "--ohne-vsop")
            mitVsop = false;
        else if (o == "--gemeinsam")
            sweeps = false;
        else if (o == "--meldungen")
            meldungen = true;
        else if (o.rfind("--nur=", 0) == 0)
            for (std::size_t p = 6; p < o.size();) {
                std::size_t q = o.find(',', p);
                if (q == std::string::npos)
                    q = o.size();
                nur.push_back(std::stoi(o.substr(p, q - p)));
                p = q + 1;
            }
    }
    Anfangsdaten daten;
    if (auto f = anfangsdatenLesen(quelle, daten); !f.empty()) {
        std::fprintf(stderr, "oskugenerator: %s\n", f.c_str());
        return 1;
    }
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

    Anpassung anpassung;
    GlobaleAnpassung global;
    global.meldungen = meldungen;
    if (!sweeps) {
        // Only the record-by-record start; the joint fit does the rest.
        anpassung.durchgaenge = 0;
        anpassung.minimaxDurchgaenge = 0;
    }
    std::printf("\n%-10s %-14s %6s %14s %14s %14s\n", "body", "file", "N", "worst all [\"]", "1900-2100 [\"]",
                "-2100..-1900 [\"]");
    for (auto& a : auftraege) {
        auto saetze = saetzeBerechnen(a, nurOskulierend, anpassung);
        if (!nurOskulierend && !sweeps)
            global.anpassen(a.bahn, saetze);
        const std::string pfad = ziel + "/" + a.p.datei;
        if (!schreiben(pfad, a, saetze, nurOskulierend)) {
            std::fprintf(stderr, "oskugenerator: cannot write %s\n", pfad.c_str());
            return 1;
        }
        auto t = astro::OskuEinlesen(a.koerper, a.hoch, ziel);
        if (!t) {
            std::fprintf(stderr, "oskugenerator: %s does not read back: %s\n", pfad.c_str(), t.status().detail.c_str());
            return 1;
        }
        const double alles = leserFehler(*t, a.bahn, -1e99, 1e99);
        const double mitte = leserFehler(*t, a.bahn, 2415020.5, 2488069.5);
        const double alt = leserFehler(*t, a.bahn, 954000.0, 1027050.0);
        std::printf("%-10s %-14s %6d %14.3f %14.3f %14.3f\n", kNamen[a.koerper], a.p.datei, a.p.anzahl, alles, mitte,
                    alt);
        std::fflush(stdout);
    }

    if (mitVsop) {
        const char* dateien[] = {"VSOP87D.jup", "VSOP87D.sat", "VSOP87D.ura", "VSOP87D.nep"};
        std::printf("\nAgainst the full VSOP87D series (J2000 ecliptic; worst longitude / angle in arcsec)\n");
        std::printf("%-10s %22s %22s %22s\n", "body", "integration 1000-3000", "tables 1900-2100", "tables -2100..-1900");
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
            double intL = 0, intW = 0;
            for (int j = 0; j < a->bahn.proben(); ++j) {
                const double jd = a->bahn.zeit(j);
                if (jd < 2086302.5 || jd > 2816787.5)
                    continue;
                const auto vs = vsopJ2000(v, jd);
                const auto& ig = a->bahn.kugelR[static_cast<std::size_t>(j)];
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
            std::printf("%-10s %10.3f / %9.3f %22.3f %22.3f\n", kNamen[k], intL, intW,
                        tabellenFehler(2415020.5, 2488069.5), tabellenFehler(954000.0, 1027050.0));
            std::fflush(stdout);
        }
    }
    std::printf("\ndone in %.0f s\n", sekunden());
    return 0;
}
