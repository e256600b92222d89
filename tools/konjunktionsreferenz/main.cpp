// konjunktionsreferenz: writes the table of heliocentric conjunctions found
// with the complete VSOP87D series (Venus-Earth, Earth-Mars, Jupiter-Saturn,
// 1900-2100, J2000 and equinox of date) that the test of the program's
// conjunction search at high accuracy compares with.
//
//   konjunktionsreferenz [--quelle DIR] [--ziel FILE] [--pruefen]
//
// --quelle  folder with VSOP87D.ven, .ear, .mar, .jup, .sat and vsop87.chk
//           (default: ../shared/data/vsop87 beside the source tree)
// --ziel    the table (default: tests/daten/konjunktionen_vsop87d.txt of the
//           source tree)
// --pruefen write nothing; recompute and compare with the table: the same
//           events, each within 1e-6 days (exit 1 on any difference)
//
// Every run first checks the five files against their check values in
// vsop87.chk. See Konjunktionsreferenz.h for the search and the format.

#include "Konjunktionsreferenz.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#ifndef VELMORA_QUELLORDNER
#define VELMORA_QUELLORDNER "."
#endif

namespace {

using namespace konjunktionsreferenz;
namespace fs = std::filesystem;

int fehler(const std::string& m)
{
    std::cerr << "konjunktionsreferenz: " << m << '\n';
    return 2;
}

bool dateiText(const fs::path& pfad, std::string& text)
{
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein)
        return false;
    std::ostringstream s;
    s << ein.rdbuf();
    text = s.str();
    return true;
}

// The VSOP87D check values of the five planets (l, b, r at several dates):
// the number of dates compared, or -1 (printed) on a difference above 1e-9.
int pruefwerte(const VolleReihen& voll, const std::string& chk)
{
    static const std::array<std::pair<const char*, KoerperNr>, 5> namen{{{"VENUS", astro::koerper::Venus},
                                                                         {"EARTH", astro::koerper::Erde},
                                                                         {"MARS", astro::koerper::Mars},
                                                                         {"JUPITER", astro::koerper::Jupiter},
                                                                         {"SATURN", astro::koerper::Saturn}}};
    std::istringstream ein(chk);
    std::string zeile;
    int verglichen = 0;
    while (std::getline(ein, zeile)) {
        std::istringstream kopf(zeile);
        std::string theorie, name, jd;
        if (!(kopf >> theorie >> name >> jd) || theorie != "VSOP87D" || jd.rfind("JD", 0) != 0)
            continue;
        KoerperNr k = 0;
        for (const auto& [n, nr] : namen)
            if (name == n)
                k = nr;
        if (k == 0)
            continue;
        std::string werte;
        std::getline(ein, werte);
        std::istringstream w(werte);
        std::string n1, e1, n2, e2, n3, e3;
        double l = 0, b = 0, r = 0;
        double datum = 0;
        std::istringstream(jd.substr(2)) >> datum;
        if (!(w >> n1 >> l >> e1 >> n2 >> b >> e2 >> n3 >> r >> e3) || datum == 0) {
            std::cerr << "konjunktionsreferenz: unreadable check values after: " << zeile << '\n';
            return -1;
        }
        const auto ist = astro::VsopVollAuswerten(voll[static_cast<size_t>(k)], (datum - 2451545.0) / 365250.0);
        const double dl = std::remainder(ist[astro::VsopL] - l, 2 * 3.14159265358979323846);
        if (!(std::fabs(dl) < 1e-9 && std::fabs(ist[astro::VsopB] - b) < 1e-9 && std::fabs(ist[astro::VsopR] - r) < 1e-9)) {
            std::cerr << "konjunktionsreferenz: " << name << ' ' << jd << ": full series " << ist[0] << ' ' << ist[1]
                      << ' ' << ist[2] << ", check values " << l << ' ' << b << ' ' << r << '\n';
            return -1;
        }
        ++verglichen;
    }
    return verglichen;
}

} // namespace

int main(int argc, char** argv)
{
    fs::path quelle = fs::path(VELMORA_QUELLORDNER) / ".." / "shared" / "data" / "vsop87";
    fs::path ziel = fs::path(VELMORA_QUELLORDNER) / "tests" / "daten" / "konjunktionen_vsop87d.txt";
    bool pruefen = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--quelle" && i + 1 < argc)
            quelle = argv[++i];
        else if (a == "--ziel" && i + 1 < argc)
            ziel = argv[++i];
        else if (a == "--pruefen")
            pruefen = true;
        else {
            std::cerr << "usage: konjunktionsreferenz [--quelle DIR] [--ziel FILE] [--pruefen]\n";
            return 2;
        }
    }

    VolleReihen voll;
    for (const Paar& p : Paare)
        for (KoerperNr k : {p.schneller, p.langsamer}) {
            if (!voll[static_cast<size_t>(k)].reihen[astro::VsopL][0].empty())
                continue;
            auto e = astro::VsopVollDateiLesen((quelle / (std::string("VSOP87D.") + Endung(k))).string());
            if (!e.ok())
                return fehler("cannot read the full series: " + e.status().detail);
            voll[static_cast<size_t>(k)] = std::move(e.wert());
        }
    std::string chk;
    if (!dateiText(quelle / "vsop87.chk", chk))
        return fehler("cannot read " + (quelle / "vsop87.chk").string());
    const int verglichen = pruefwerte(voll, chk);
    if (verglichen <= 0)
        return fehler("the full series do not reproduce vsop87.chk");
    std::cout << "check values: " << verglichen << " dates agree to 1e-9 rad or AU\n";

    const auto anfang = std::chrono::steady_clock::now();
    const std::vector<Ereignis> ereignisse = AlleSuchen(voll);
    const double sekunden = std::chrono::duration<double>(std::chrono::steady_clock::now() - anfang).count();
    for (bool datum : {false, true})
        for (const Paar& p : Paare) {
            int n = 0;
            for (const Ereignis& e : ereignisse)
                n += e.schneller == p.schneller && e.langsamer == p.langsamer && e.datum == datum;
            std::cout << p.name << (datum ? " (date): " : " (J2000): ") << n << " conjunctions\n";
        }
    char zeit[32];
    std::snprintf(zeit, sizeof zeit, "%.1f", sekunden);
    std::cout << "search: " << zeit << " s\n";

    if (!pruefen) {
        std::ofstream aus(ziel, std::ios::binary | std::ios::trunc);
        if (!(aus << TabelleText(ereignisse)) || !aus.flush())
            return fehler("cannot write " + ziel.string());
        std::cout << "written: " << ziel.string() << '\n';
        return 0;
    }
    std::string text, meldung;
    if (!dateiText(ziel, text))
        return fehler("cannot read " + ziel.string());
    const auto tabelle = TabelleLesen(text, meldung);
    if (!tabelle)
        return fehler(ziel.string() + ": " + meldung);
    if (tabelle->size() != ereignisse.size()) {
        std::cerr << "konjunktionsreferenz: the table has " << tabelle->size() << " events, the series give "
                  << ereignisse.size() << '\n';
        return 1;
    }
    for (size_t i = 0; i < ereignisse.size(); ++i) {
        const Ereignis& a = (*tabelle)[i];
        const Ereignis& b = ereignisse[i];
        if (a.schneller != b.schneller || a.langsamer != b.langsamer || a.datum != b.datum ||
            !(std::fabs(a.tag - b.tag) < 1e-6)) {
            std::cerr << "konjunktionsreferenz: event " << i + 1 << " differs: table " << a.tag << ", series " << b.tag
                      << '\n';
            return 1;
        }
    }
    std::cout << "the table matches the full series\n";
    return 0;
}
