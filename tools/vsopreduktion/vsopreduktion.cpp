// vsopreduktion: writes the reduced VSOP87 series Data/Me.txt ... Data/Ne.txt
// from the full VSOP87D files.
//
//   vsopreduktion [--quelle DIR] [--ziel DIR] [--pruefen] [--genauigkeit] [--proben N]
//
// --quelle  folder with VSOP87D.mer ... VSOP87D.nep and vsop87.chk
//           (default: ../shared/data/vsop87 beside the source tree)
// --ziel    the Data folder (default: Data/ of the source tree)
// --pruefen write nothing; regenerate in memory and compare byte for byte
//           with the files in the Data folder (exit 1 on any difference)
// --genauigkeit  also print, per planet, the largest difference between the
//           reduced and the full series over 1800-2200 and over the years
//           -4000..+4000 (Markdown table, as in Data/README.md)
//
// Every run first checks the full series against the check values of
// vsop87.chk. For each of the 18 series of a planet the terms of largest
// amplitude A are taken, in decreasing order of A (ties keep file order),
// with the row counts of VsopReihengrenzen; a series the theory does not
// have becomes one row "0 0 0". Numbers are written with std::to_chars
// (fixed, "." decimal point, trailing zeros removed), so the output is the
// same on every machine and in every locale.

#include "astro/ReiheVSOP.h"
#include "astro/VsopVoll.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#ifndef VELMORA_QUELLORDNER
#define VELMORA_QUELLORDNER "."
#endif

namespace {

using namespace astro;
namespace fs = std::filesystem;

constexpr std::array<const char*, VsopPlanetAnzahl> Endungen{"mer", "ven", "ear", "mar", "jup", "sat", "ura", "nep"};
constexpr std::array<const char*, VsopPlanetAnzahl> ChkNamen{"MERCURY", "VENUS", "EARTH", "MARS",
                                                              "JUPITER", "SATURN", "URANUS", "NEPTUNE"};
constexpr std::array<const char*, VsopPlanetAnzahl> Namen{"Mercury", "Venus", "Earth", "Mars",
                                                           "Jupiter", "Saturn", "Uranus", "Neptune"};
constexpr double ZweiPi = 2 * std::numbers::pi;
constexpr double BogensekundenProRad = 648000.0 / std::numbers::pi;

// Fixed notation with `stellen` decimals, trailing zeros (and a bare ".") removed.
std::string zahl(double wert, int stellen)
{
    char puffer[64];
    auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, stellen);
    if (ec != std::errc())
        return "0";
    std::string s(puffer, ende);
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0')
            s.pop_back();
        if (s.back() == '.')
            s.pop_back();
    }
    if (s == "-0")
        s = "0";
    return s;
}

// The text of one reduced file.
std::string reduzieren(const VsopVollPlanet& voll, int p, int& aufgefuellt)
{
    static constexpr std::array<VsopVariable, 3> Blockfolge{VsopL, VsopR, VsopB};
    std::string text;
    for (VsopVariable v : Blockfolge) {
        for (int k = 0; k < 6; ++k) {
            const VsopZeilen z = VsopReihenZeilen(p, v, k);
            std::vector<VsopTerm> terme = voll.reihen[v][k];
            std::stable_sort(terme.begin(), terme.end(),
                             [](const VsopTerm& a, const VsopTerm& b) { return a.A > b.A; });
            const std::size_t anzahl = static_cast<std::size_t>(z.bis - z.von);
            if (terme.size() < anzahl)
                aufgefuellt += static_cast<int>(anzahl - terme.size());
            terme.resize(anzahl); // pads a missing series with A = 0 rows
            for (const VsopTerm& t : terme)
                text += zahl(t.A * 1e8, 3) + ' ' + zahl(t.B, 11) + ' ' + zahl(t.C, 11) + '\n';
        }
    }
    return text;
}

std::string dateiText(const fs::path& pfad, bool& ok)
{
    std::ifstream ein(pfad, std::ios::binary);
    std::ostringstream s;
    ok = static_cast<bool>(ein) && static_cast<bool>(s << ein.rdbuf());
    return s.str();
}

double winkelDifferenz(double a, double b) // rad, result in (-pi, pi]
{
    double d = std::fmod(a - b, ZweiPi);
    if (d > std::numbers::pi)
        d -= ZweiPi;
    if (d <= -std::numbers::pi)
        d += ZweiPi;
    return d;
}

// Checks the full series against the VSOP87D rows of vsop87.chk. Returns
// the number of compared dates, or -1 on a failure (printed).
int pruefwerteVergleichen(const std::array<VsopVollPlanet, VsopPlanetAnzahl>& voll, const std::string& text)
{
    std::istringstream ein(text);
    std::string zeile;
    int verglichen = 0;
    double groessteAbw = 0;
    while (std::getline(ein, zeile)) {
        std::istringstream kopf(zeile);
        std::string theorie, name, jd;
        if (!(kopf >> theorie >> name >> jd) || theorie != "VSOP87D" || jd.rfind("JD", 0) != 0)
            continue;
        const auto it = std::find(ChkNamen.begin(), ChkNamen.end(), name);
        if (it == ChkNamen.end())
            continue;
        const int p = static_cast<int>(it - ChkNamen.begin());
        double datum = 0;
        std::from_chars(jd.data() + 2, jd.data() + jd.size(), datum);
        std::string werteZeile;
        std::getline(ein, werteZeile);
        std::istringstream w(werteZeile);
        std::string lName, lEinh, bName, bEinh, rName, rEinh, lText, bText, rText;
        w >> lName >> lText >> lEinh >> bName >> bText >> bEinh >> rName >> rText >> rEinh;
        double soll[3] = {};
        const std::string* texte[3] = {&lText, &bText, &rText};
        for (int i = 0; i < 3; ++i) {
            const std::string& t = *texte[i];
            const char* a = t.data();
            if (!t.empty() && t[0] == '-' && t.size() > 1 && t[1] == '.') {
                // "-.0527..." : from_chars wants a digit before the point
                std::from_chars(a + 1, a + t.size(), soll[i]);
                soll[i] = -soll[i];
            } else {
                std::from_chars(a, a + t.size(), soll[i]);
            }
        }
        const auto ist = VsopVollAuswerten(voll[p], (datum - 2451545.0) / 365250.0);
        const double abw[3] = {std::fabs(winkelDifferenz(ist[0], soll[0])), std::fabs(ist[1] - soll[1]),
                               std::fabs(ist[2] - soll[2])};
        for (double a : abw) {
            groessteAbw = std::max(groessteAbw, a);
            if (!(a < 1e-9)) {
                std::cerr << "vsopreduktion: " << Namen[p] << " JD " << jd << ": full series " << ist[0] << ' '
                          << ist[1] << ' ' << ist[2] << ", check values " << soll[0] << ' ' << soll[1] << ' '
                          << soll[2] << '\n';
                return -1;
            }
        }
        ++verglichen;
    }
    std::cout << "check values: " << verglichen << " dates, largest difference " << groessteAbw
              << " (rad or AU)\n";
    return verglichen;
}

struct Abweichung {
    double l = 0, b = 0, r = 0; // arcsec, arcsec, km
};

// |reduced - full| at tau for L, B (arcsec) and R (km).
std::array<double, 3> abweichungBei(const VsopVollPlanet& voll, const VsopDaten& reduziert, int p, double tau)
{
    const auto v = VsopVollAuswerten(voll, tau);
    const Kugelkoordinaten k = VsopKugelDatum(reduziert, p + 1, tau * 365250.0 + 0.5);
    const double grad = std::numbers::pi / 180.0;
    return {std::fabs(winkelDifferenz(k.L * grad, v[0])) * BogensekundenProRad,
            std::fabs(k.B * grad - v[1]) * BogensekundenProRad, std::fabs(k.R - v[2] * 149.597870691) * 1e6};
}

// Largest |reduced - full| over [tau0, tau1]: a grid of at least `proben`
// dates and at most 1/50 of the sidereal period apart (up to 200000 dates),
// then, for each coordinate, the best grid point refined on finer grids.
Abweichung groessteAbweichung(const VsopVollPlanet& voll, const VsopDaten& reduziert, int p, double tau0,
                              double tau1, int proben)
{
    static constexpr std::array<double, VsopPlanetAnzahl> PeriodeTage{87.9692561, 224.7008,   365.256363,
                                                                      686.979852, 4332.58926, 10759.2268,
                                                                      30688.4775, 60182.291};
    const double spanneTage = (tau1 - tau0) * 365250.0;
    const double dichte = std::min(spanneTage / (PeriodeTage[p] / 50.0), 200000.0);
    const int n = std::max(proben, static_cast<int>(dichte));
    const double schritt = (tau1 - tau0) / (n - 1);
    std::array<double, 3> best{}, bestTau{};
    for (int i = 0; i < n; ++i) {
        const double tau = tau0 + schritt * i;
        const auto d = abweichungBei(voll, reduziert, p, tau);
        for (int c = 0; c < 3; ++c)
            if (d[c] > best[c])
                best[c] = d[c], bestTau[c] = tau;
    }
    for (int c = 0; c < 3; ++c) {
        double mitte = bestTau[c], halb = schritt;
        for (int stufe = 0; stufe < 4; ++stufe) {
            for (int j = -20; j <= 20; ++j) {
                const double tau = std::clamp(mitte + halb * j / 20.0, tau0, tau1);
                const double d = abweichungBei(voll, reduziert, p, tau)[c];
                if (d > best[c])
                    best[c] = d, bestTau[c] = tau;
            }
            mitte = bestTau[c];
            halb /= 10.0;
        }
    }
    return {best[0], best[1], best[2]};
}

std::string feld(double x, int stellen)
{
    char puffer[64];
    auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::fixed, stellen);
    return ec == std::errc() ? std::string(puffer, ende) : std::string("?");
}

int fehler(const std::string& m)
{
    std::cerr << "vsopreduktion: " << m << '\n';
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    fs::path quelle = fs::path(VELMORA_QUELLORDNER) / ".." / "shared" / "data" / "vsop87";
    fs::path ziel = fs::path(VELMORA_QUELLORDNER) / "Data";
    bool pruefen = false, genauigkeit = false;
    int proben = 20000; // grid points at least, per span and planet
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--quelle" && i + 1 < argc)
            quelle = argv[++i];
        else if (a == "--ziel" && i + 1 < argc)
            ziel = argv[++i];
        else if (a == "--pruefen")
            pruefen = true;
        else if (a == "--genauigkeit")
            genauigkeit = true;
        else if (a == "--proben" && i + 1 < argc) {
            const std::string n = argv[++i];
            auto [e, ec] = std::from_chars(n.data(), n.data() + n.size(), proben);
            if (ec != std::errc() || e != n.data() + n.size() || proben < 2)
                return fehler("--proben needs a whole number of at least 2");
        } else {
            std::cerr << "usage: vsopreduktion [--quelle DIR] [--ziel DIR] [--pruefen] [--genauigkeit] [--proben N]\n";
            return 2;
        }
    }

    std::array<VsopVollPlanet, VsopPlanetAnzahl> voll;
    for (int p = 0; p < VsopPlanetAnzahl; ++p) {
        auto e = VsopVollDateiLesen((quelle / (std::string("VSOP87D.") + Endungen[p])).string());
        if (!e.ok())
            return fehler("cannot read the full series: " + e.status().detail);
        voll[p] = std::move(e.wert());
    }
    bool ok = false;
    const std::string chk = dateiText(quelle / "vsop87.chk", ok);
    if (!ok)
        return fehler("cannot read " + (quelle / "vsop87.chk").string());
    if (pruefwerteVergleichen(voll, chk) <= 0)
        return fehler("the full series do not reproduce vsop87.chk");

    std::array<std::string, VsopPlanetAnzahl> texte;
    int abweichend = 0;
    for (int p = 0; p < VsopPlanetAnzahl; ++p) {
        int aufgefuellt = 0;
        texte[p] = reduzieren(voll[p], p, aufgefuellt);
        const fs::path pfad = ziel / VsopReihengrenzen[p].datei;
        if (pruefen) {
            bool gelesen = false;
            const std::string vorhanden = dateiText(pfad, gelesen);
            if (!gelesen || vorhanden != texte[p]) {
                std::size_t i = 0;
                while (i < vorhanden.size() && i < texte[p].size() && vorhanden[i] == texte[p][i])
                    ++i;
                const auto zeile = 1 + std::count(texte[p].begin(), texte[p].begin() + static_cast<long>(i), '\n');
                std::cerr << "vsopreduktion: " << pfad.string() << (gelesen ? " differs from the generator at line "
                                                                             + std::to_string(zeile)
                                                                       : std::string(" is missing"))
                          << '\n';
                ++abweichend;
            }
        } else {
            std::ofstream aus(pfad, std::ios::binary | std::ios::trunc);
            if (!(aus << texte[p]) || !aus.flush())
                return fehler("cannot write " + pfad.string());
        }
        std::cout << VsopReihengrenzen[p].datei << ": " << VsopReihengrenzen[p].anzahl << " terms, "
                  << aufgefuellt << " rows with A = 0\n";
    }
    if (pruefen) {
        if (abweichend > 0)
            return 1;
        std::cout << "all eight files match the generator\n";
    }

    if (genauigkeit) {
        // Load the texts through the program's own reader, so the table
        // measures exactly what the program evaluates.
        VsopDaten reduziert;
        for (int p = 0; p < VsopPlanetAnzahl; ++p) {
            std::vector<double> z(3 * static_cast<std::size_t>(VsopReihengrenzen[p].anzahl));
            if (!VsopZahlenLesen(texte[p], z).ok())
                return fehler("generated text does not read back");
            for (std::size_t i = 0; i * 3 < z.size(); ++i)
                reduziert.terme[VsopPlanetAnfang(p) + i] = {z[3 * i], z[3 * i + 1], z[3 * i + 2]};
        }
        // 1800-01-01 and 2200-01-01 (Gregorian), -4000-01-01 and 4000-01-01
        // (Julian before 1582, Gregorian after), as Julian millennia from J2000.0.
        const double tauNah0 = (2378496.5 - 2451545.0) / 365250.0;
        const double tauNah1 = (2524593.5 - 2451545.0) / 365250.0;
        const double tauFern0 = (260057.5 - 2451545.0) / 365250.0;
        const double tauFern1 = (3182029.5 - 2451545.0) / 365250.0;
        std::cout << "\n| planet | terms | 1800-2200: L (\") | B (\") | R (km) | -4000..+4000: L (\") | B (\") | R (km) |\n"
                  << "|---|---:|---:|---:|---:|---:|---:|---:|\n";
        for (int p = 0; p < VsopPlanetAnzahl; ++p) {
            const Abweichung nah = groessteAbweichung(voll[p], reduziert, p, tauNah0, tauNah1, proben);
            const Abweichung fern = groessteAbweichung(voll[p], reduziert, p, tauFern0, tauFern1, proben);
            std::cout << "| " << Namen[p] << " | " << VsopReihengrenzen[p].anzahl << " | " << feld(nah.l, 2)
                      << " | " << feld(nah.b, 2) << " | " << feld(nah.r, 0) << " | " << feld(fern.l, 1) << " | "
                      << feld(fern.b, 1) << " | " << feld(fern.r, 0) << " |\n";
        }
    }
    return 0;
}
