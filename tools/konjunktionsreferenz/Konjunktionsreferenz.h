#pragma once
// Heliocentric conjunctions of Venus-Earth, Earth-Mars and Jupiter-Saturn
// from 1900-01-01 to 2100-01-01 (0h TD), found with the complete VSOP87D
// series: the yardstick for the program's conjunction search at high
// accuracy (tests/astro/KonjunktionGenauigkeit_test.cpp). Shared by the
// generator of the committed table (main.cpp) and by the test.
//
// A conjunction is the instant at which both heliocentric ecliptic
// longitudes are equal, in the frame the program's positions come in: the
// series give the ecliptic and equinox of date, and without "Präzession"
// the program turns them to J2000 with PraezessionEkliptikal (VsopQuelle).
// The same turn is applied here, so both frames are covered: `datum` false
// is J2000 (the program's default), true the equinox of date.
//
// The search: the difference L(faster) - L(slower), reduced to (-180, 180],
// only grows for these pairs (the faster planet is faster at every point of
// both orbits), so stepping through the span and looking for a change from
// negative to non-negative (a jump from +180 to -180 is the other side of
// the orbit) brackets every event; each bracket is closed by the Illinois
// method with bisection as a safeguard to 1e-9 days (0.1 ms).
//
// Table format (tests/daten/konjunktionen_vsop87d.txt): lines starting with
// '#' are comments; each other line is "a b frame day date time": the
// faster and the slower body number, "J2000" or "date", the TD day number
// (days from 2000-01-01 0h TD, 0.5 is JD 2451545.0) with eight decimals and
// the calendar date and time (TD) for the reader, ignored when read.

#include "astro/Koerper.h"
#include "astro/Koordinaten.h"
#include "astro/Praezession.h"
#include "astro/VsopVoll.h"
#include "astro/Zeit.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace konjunktionsreferenz {

using astro::KoerperNr;
using astro::Tageszahl;

struct Paar {
    KoerperNr schneller;
    KoerperNr langsamer;
    double schritt; // days; the difference moves well under 180° in one step
    const char* name;
};

inline constexpr std::array<Paar, 3> Paare{{
    {astro::koerper::Venus, astro::koerper::Erde, 50.0, "Venus-Earth"},
    {astro::koerper::Erde, astro::koerper::Mars, 50.0, "Earth-Mars"},
    {astro::koerper::Jupiter, astro::koerper::Saturn, 500.0, "Jupiter-Saturn"},
}};

// 1900-01-01 0h TD (JD 2415020.5) and 2100-01-01 0h TD (JD 2488069.5).
inline constexpr Tageszahl Von = -36524.0;
inline constexpr Tageszahl Bis = 36525.0;

// Width to which a bracket is closed, days.
inline constexpr double Genauigkeit = 1e-9;

// The five planets of the three pairs, by body number (the other slots stay empty).
using VolleReihen = std::array<astro::VsopVollPlanet, 9>;

// File ending of the VSOP87D file of a planet, by body number.
inline const char* Endung(KoerperNr k)
{
    static constexpr std::array<const char*, 9> e{"", "mer", "ven", "ear", "mar", "jup", "sat", "ura", "nep"};
    return k >= 1 && k <= 8 ? e[static_cast<size_t>(k)] : "";
}

struct Ereignis {
    KoerperNr schneller = 0;
    KoerperNr langsamer = 0;
    bool datum = false; // equinox of date, else J2000
    Tageszahl tag = 0;
};

// Heliocentric ecliptic longitude (degrees) from the complete series, in the
// frame `datum` names.
inline double Laenge(const astro::VsopVollPlanet& planet, Tageszahl tag, bool datum)
{
    const auto v = astro::VsopVollAuswerten(planet, astro::JahrtausendeSeitJ2000(tag));
    const double l = astro::Winkel360(v[astro::VsopL] * astro::RadZuGrad);
    if (datum)
        return l;
    const double b = v[astro::VsopB] * astro::RadZuGrad;
    return astro::PraezessionEkliptikal({l, b}, astro::Praezessionsrichtung::NachJ2000, tag).L;
}

// L(faster) - L(slower) in (-180, 180].
inline double Differenz(const VolleReihen& voll, const Paar& p, Tageszahl tag, bool datum)
{
    return astro::Winkel180(Laenge(voll[static_cast<size_t>(p.schneller)], tag, datum) -
                            Laenge(voll[static_cast<size_t>(p.langsamer)], tag, datum));
}

// The root of f in [a, b] with f(a) < 0 <= f(b): Illinois steps, a
// bisection whenever a step lands too close to an end or the bracket fails
// to halve within two steps.
template <class F>
double Schliessen(const F& f, double a, double b, double fa, double fb)
{
    int ohneHalbierung = 0;
    double breiteVorher = b - a;
    int seite = 0; // which end was kept last (-1 a, +1 b)
    while (b - a > Genauigkeit) {
        double x = b - fb * (b - a) / (fb - fa);
        const double rand = 0.01 * (b - a);
        if (!(x > a + rand && x < b - rand) || ohneHalbierung >= 2)
            x = 0.5 * (a + b);
        const double fx = f(x);
        if (fx < 0) {
            a = x;
            fa = fx;
            if (seite == -1)
                fb *= 0.5;
            seite = -1;
        } else {
            b = x;
            fb = fx;
            if (seite == +1)
                fa *= 0.5;
            seite = +1;
        }
        if (b - a < 0.5 * breiteVorher) {
            breiteVorher = b - a;
            ohneHalbierung = 0;
        } else {
            ++ohneHalbierung;
        }
    }
    return 0.5 * (a + b);
}

// Every conjunction of the pair in [Von, Bis), in time order.
inline std::vector<Ereignis> Suchen(const VolleReihen& voll, const Paar& p, bool datum)
{
    std::vector<Ereignis> aus;
    const auto f = [&](double t) { return Differenz(voll, p, t, datum); };
    double t0 = Von - p.schritt;
    double f0 = f(t0);
    while (t0 < Bis) {
        const double t1 = t0 + p.schritt;
        const double f1 = f(t1);
        if (f0 < 0 && f1 >= 0 && f1 - f0 < 180) {
            const double tag = Schliessen(f, t0, t1, f0, f1);
            if (tag >= Von && tag < Bis)
                aus.push_back({p.schneller, p.langsamer, datum, tag});
        }
        t0 = t1;
        f0 = f1;
    }
    return aus;
}

// All three pairs in both frames, in table order.
inline std::vector<Ereignis> AlleSuchen(const VolleReihen& voll)
{
    std::vector<Ereignis> alle;
    for (bool datum : {false, true})
        for (const Paar& p : Paare) {
            const auto e = Suchen(voll, p, datum);
            alle.insert(alle.end(), e.begin(), e.end());
        }
    return alle;
}

inline std::string TabelleText(const std::vector<Ereignis>& ereignisse)
{
    std::string text =
        "# Heliocentric conjunctions 1900-01-01 .. 2100-01-01 (0h TD) from the complete VSOP87D series,\n"
        "# written by tools/konjunktionsreferenz; do not edit by hand.\n"
        "# faster body, slower body, frame (J2000 or date), TD day number (0 = 2000-01-01 0h TD), date and time TD\n";
    for (const Ereignis& e : ereignisse) {
        char tag[64];
        const auto [ende, ec] = std::to_chars(tag, tag + sizeof tag, e.tag, std::chars_format::fixed, 8);
        (void)ec;
        text += std::to_string(e.schneller) + ' ' + std::to_string(e.langsamer) + ' ' + (e.datum ? "date" : "J2000") +
                ' ' + std::string(tag, ende) + ' ' + astro::DatumText(e.tag) + '\n';
    }
    return text;
}

// Reads a table; nullopt (and the line in `fehler`) on a malformed line.
inline std::optional<std::vector<Ereignis>> TabelleLesen(const std::string& text, std::string& fehler)
{
    std::vector<Ereignis> aus;
    std::istringstream ein(text);
    std::string zeile;
    int nr = 0;
    while (std::getline(ein, zeile)) {
        ++nr;
        if (zeile.empty() || zeile[0] == '#')
            continue;
        std::istringstream z(zeile);
        int a = 0, b = 0;
        std::string rahmen, tagText;
        Ereignis e;
        if (!(z >> a >> b >> rahmen >> tagText) || (rahmen != "J2000" && rahmen != "date")) {
            fehler = "line " + std::to_string(nr) + ": " + zeile;
            return std::nullopt;
        }
        const auto [ende, ec] = std::from_chars(tagText.data(), tagText.data() + tagText.size(), e.tag);
        if (ec != std::errc() || ende != tagText.data() + tagText.size() || !std::isfinite(e.tag)) {
            fehler = "line " + std::to_string(nr) + ": " + zeile;
            return std::nullopt;
        }
        e.schneller = a;
        e.langsamer = b;
        e.datum = rahmen == "date";
        aus.push_back(e);
    }
    return aus;
}

} // namespace konjunktionsreferenz
