#pragma once
// The two integrated models and the table jobs of the generator, shared by
// the generator and its test.
//
//  - aussen: the Sun with the masses of Mercury to Mars added (placed at the
//    barycentre of the inner system), Jupiter to Neptune and Pluto; used for
//    the long tables of Jupiter to Pluto and Pluto's dense table.
//  - voll: the Sun, Mercury, Venus, the Earth–Moon barycentre, Mars, Jupiter
//    to Pluto, Ceres, Pallas and Vesta as massive bodies, the other minor
//    planets as test particles; used for every minor-planet table.

#include "Bahnelemente.h"
#include "GlobaleAnpassung.h"
#include "NKoerper.h"
#include "astro/Oskulierend.h"

#include <algorithm>
#include <exception>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace osku {

inline constexpr double kStartJd = 2460000.5;

struct Anfangsdaten {
    std::map<int, Vek> r, v;    // heliocentric by body number (0 = Moon, geocentric)
    std::map<std::string, double> gm; // by name
};

// Reads the state and GM files of the source data folder; empty string on
// success, else a message.
inline std::string anfangsdatenLesen(const std::string& ordner, Anfangsdaten& d)
{
    auto zeilen = [](const std::string& pfad, std::vector<std::vector<std::string>>& aus) {
        std::ifstream ein(pfad);
        if (!ein)
            return false;
        std::string z;
        std::getline(ein, z);
        while (std::getline(ein, z)) {
            std::vector<std::string> felder;
            std::stringstream s(z);
            std::string f;
            while (std::getline(s, f, ','))
                felder.push_back(f);
            if (!felder.empty())
                aus.push_back(felder);
        }
        return true;
    };
    std::vector<std::vector<std::string>> zust, gm;
    if (!zeilen(ordner + "/initial-state-2460000.5.csv", zust))
        return "cannot read initial-state-2460000.5.csv";
    if (!zeilen(ordner + "/gm.csv", gm))
        return "cannot read gm.csv";
    for (const auto& f : zust) {
        if (f.size() < 8)
            return "short line in the state file";
        const int n = std::stoi(f[1]);
        d.r[n] = {std::stod(f[2]), std::stod(f[3]), std::stod(f[4])};
        d.v[n] = {std::stod(f[5]), std::stod(f[6]), std::stod(f[7])};
    }
    for (const auto& f : gm)
        if (f.size() >= 3)
            d.gm[f[0]] = std::stod(f[2]);
    for (int n = 0; n <= 21; ++n)
        if (!d.r.count(n))
            return "state of body " + std::to_string(n) + " missing";
    for (const char* name : {"Sun", "Mercury", "Venus", "Earth", "Earth+Moon", "Moon", "Mars", "Jupiter", "Saturn",
                             "Uranus", "Neptune", "Pluto", "Ceres", "Pallas", "Vesta"})
        if (!d.gm.count(name))
            return std::string("GM of ") + name + " missing";
    return {};
}

// A system with a map from body number to index; index 0 is the central body
// against which heliocentric positions are taken.
struct Modell {
    System system;
    std::map<int, int> index;
};

inline Modell modellVoll(const Anfangsdaten& d)
{
    Modell m;
    System& s = m.system;
    auto dazu = [&](int nr, double gm, Vek r, Vek v) {
        if (nr >= 0)
            m.index[nr] = s.anzahl();
        s.gm.push_back(gm);
        s.r.push_back(r);
        s.v.push_back(v);
    };
    dazu(-1, d.gm.at("Sun"), {}, {});
    dazu(1, d.gm.at("Mercury"), d.r.at(1), d.v.at(1));
    dazu(2, d.gm.at("Venus"), d.r.at(2), d.v.at(2));
    const double fm = d.gm.at("Moon") / d.gm.at("Earth+Moon");
    dazu(3, d.gm.at("Earth+Moon"), d.r.at(3) + fm * d.r.at(0), d.v.at(3) + fm * d.v.at(0));
    const char* namen[] = {"Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto", "Ceres", "Pallas", "Vesta"};
    for (int nr = 4; nr <= 12; ++nr)
        dazu(nr, d.gm.at(namen[nr - 4]), d.r.at(nr), d.v.at(nr));
    s.anzahlMassiv = s.anzahl();
    for (int nr = 13; nr <= 21; ++nr)
        dazu(nr, 0.0, d.r.at(nr), d.v.at(nr));
    s.t = kStartJd;
    s.zumBaryzentrum();
    return m;
}

inline Modell modellAussen(const Anfangsdaten& d)
{
    Modell m;
    System& s = m.system;
    const double fm = d.gm.at("Moon") / d.gm.at("Earth+Moon");
    const Vek rEmb = d.r.at(3) + fm * d.r.at(0), vEmb = d.v.at(3) + fm * d.v.at(0);
    const double g[] = {d.gm.at("Mercury"), d.gm.at("Venus"), d.gm.at("Earth+Moon"), d.gm.at("Mars")};
    const Vek ri[] = {d.r.at(1), d.r.at(2), rEmb, d.r.at(4)};
    const Vek vi[] = {d.v.at(1), d.v.at(2), vEmb, d.v.at(4)};
    double gz = d.gm.at("Sun");
    Vek rz, vz;
    for (int i = 0; i < 4; ++i) {
        gz += g[i];
        rz = rz + g[i] * ri[i];
        vz = vz + g[i] * vi[i];
    }
    rz = (1.0 / gz) * rz;
    vz = (1.0 / gz) * vz;
    s.gm.push_back(gz);
    s.r.push_back(rz);
    s.v.push_back(vz);
    // The inner planets' orbits as rings about their common pole: without
    // this quadrupole Jupiter's mean motion comes out about 3″ per century
    // off the model with the inner planets as bodies of their own.
    Vek l;
    for (int i = 0; i < 4; ++i)
        l = l + g[i] * kreuz(ri[i], vi[i]);
    s.pol = (1.0 / betrag(l)) * l;
    for (int i = 0; i < 4; ++i) {
        const double mu = d.gm.at("Sun") + g[i];
        const Vek h = kreuz(ri[i], vi[i]);
        const double rb = betrag(ri[i]), v2 = skalar(vi[i], vi[i]);
        const double a = 1.0 / (2.0 / rb - v2 / mu);
        const double e2 = std::max(0.0, 1.0 - skalar(h, h) / (mu * a));
        const double ci = skalar(h, s.pol) / betrag(h);
        // Time average of r² over a Kepler orbit: a²(1 + 3e²/2).
        s.quadrupol += g[i] * a * a * (1.0 + 1.5 * e2) * 0.5 * (1.5 * ci * ci - 0.5);
    }
    const char* namen[] = {"Jupiter", "Saturn", "Uranus", "Neptune", "Pluto"};
    for (int nr = 5; nr <= 9; ++nr) {
        m.index[nr] = s.anzahl();
        s.gm.push_back(d.gm.at(namen[nr - 5]));
        s.r.push_back(d.r.at(nr));
        s.v.push_back(d.v.at(nr));
    }
    s.anzahlMassiv = s.anzahl();
    s.t = kStartJd;
    s.zumBaryzentrum();
    return m;
}

// One table to produce: the body, accuracy, table parameters, the model it
// is integrated in, and the trajectory collected for it.
struct Auftrag {
    int koerper = 0;
    bool hoch = false;
    astro::OskuParameter p{};
    bool vollesModell = false;
    Bahn bahn;
    int ersteEpoche = 0; // first record (0-based) to produce; the rest is skipped
};

// Samples per step stored for fitting and measuring.
inline constexpr int kProbenProSchritt = 32;

// Integrates one model backwards and forwards from the initial epoch and
// fills the trajectories of the jobs that use it (positions relative to the
// central body). Returns the largest relative energy error seen.
inline double integrieren(const Modell& m, std::vector<Auftrag*>& auftraege, double toleranz,
                          void (*fortschritt)(double jd) = nullptr)
{
    struct Ereignis {
        double t;
        Auftrag* a;
        int j;
    };
    std::vector<Ereignis> vor, zurueck;
    for (Auftrag* a : auftraege) {
        Bahn& b = a->bahn;
        b.jd0 = a->p.jd0 + a->ersteEpoche * a->p.schritt;
        b.schritt = a->p.schritt;
        b.proEpoche = kProbenProSchritt;
        b.r.assign(static_cast<std::size_t>(b.proben()), Vek{});
        b.vEpoche.assign(static_cast<std::size_t>(b.epochen), Vek{});
        for (int j = 0; j < b.proben(); ++j) {
            const double t = b.zeit(j);
            (t >= kStartJd ? vor : zurueck).push_back({t, a, j});
        }
    }
    std::sort(vor.begin(), vor.end(), [](const Ereignis& x, const Ereignis& y) { return x.t < y.t; });
    std::sort(zurueck.begin(), zurueck.end(), [](const Ereignis& x, const Ereignis& y) { return x.t > y.t; });
    // The forward and the backward run fill disjoint samples, so they run
    // side by side.
    auto lauf = [&](const std::vector<Ereignis>* liste, double* maxFehler) {
        System s = m.system;
        const double e0 = s.energie();
        BulirschStoer bs;
        bs.toleranz = toleranz;
        bs.hNominal = 1.0;
        double letzteMeldung = s.t;
        for (const Ereignis& ev : *liste) {
            bs.integriereBis(s, ev.t);
            const int i = m.index.at(ev.a->koerper);
            ev.a->bahn.r[static_cast<std::size_t>(ev.j)] = s.r[i] - s.r[0];
            if (ev.j % ev.a->bahn.proEpoche == 0)
                ev.a->bahn.vEpoche[static_cast<std::size_t>(ev.j / ev.a->bahn.proEpoche)] = s.v[i] - s.v[0];
            if (fortschritt && std::fabs(s.t - letzteMeldung) > 365250.0) {
                letzteMeldung = s.t;
                *maxFehler = std::max(*maxFehler, std::fabs((s.energie() - e0) / e0));
                fortschritt(s.t);
            }
        }
        *maxFehler = std::max(*maxFehler, std::fabs((s.energie() - e0) / e0));
    };
    double fehlerVor = 0, fehlerZurueck = 0;
    std::exception_ptr ausnahmeVor, ausnahmeZurueck;
    std::thread rueckwaerts([&] {
        try {
            lauf(&zurueck, &fehlerZurueck);
        } catch (...) {
            ausnahmeZurueck = std::current_exception();
        }
    });
    try {
        lauf(&vor, &fehlerVor);
    } catch (...) {
        ausnahmeVor = std::current_exception();
    }
    rueckwaerts.join();
    for (const auto& a : {ausnahmeVor, ausnahmeZurueck})
        if (a)
            std::rethrow_exception(a);
    return std::max(fehlerVor, fehlerZurueck);
}

// How a job's records are made: the plain osculating elements, the fit
// record by record (with its sweeps and minimax passes), or that fit as the
// start of the joint fit of all records.
enum class Verfahren { Oskulierend, Einzeln, Gemeinsam };

// The method the committed tables are made with: the joint fit for every
// table. It lowers the worst error of most tables against the
// record-by-record fit (Saturn by a third, the long Ceres and Pallas tables
// by up to a half, the dense Ceres and Sedna tables by three quarters); the
// few that lose on one measure lose little (Data/README-osku.md has the
// figures). The other methods stay for trials and comparison.
inline Verfahren standardVerfahren(const Auftrag&) { return Verfahren::Gemeinsam; }

// Element records of a job: osculating at each epoch, then fitted as
// `verfahren` says.
inline std::vector<astro::OskuSatz> saetzeBerechnen(Auftrag& a, Verfahren verfahren, bool meldungen = false)
{
    Bahn& b = a.bahn;
    b.vorbereiten();
    std::vector<astro::OskuSatz> saetze(static_cast<std::size_t>(b.epochen));
    for (int k = 0; k < b.epochen; ++k)
        saetze[static_cast<std::size_t>(k)] =
            oskulierend(b.r[static_cast<std::size_t>(k * b.proEpoche)], b.vEpoche[static_cast<std::size_t>(k)], b.jd0 + k * b.schritt);
    if (verfahren == Verfahren::Oskulierend)
        return saetze;
    Anpassung einzeln;
    if (verfahren == Verfahren::Gemeinsam) {
        // Only the record-by-record start; the joint fit does the rest.
        einzeln.durchgaenge = 0;
        einzeln.minimaxDurchgaenge = 0;
    }
    einzeln.anpassen(b, saetze);
    if (verfahren == Verfahren::Gemeinsam) {
        GlobaleAnpassung global;
        global.meldungen = meldungen;
        global.anpassen(b, saetze);
    }
    return saetze;
}

} // namespace osku
