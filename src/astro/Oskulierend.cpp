#include "astro/Oskulierend.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <numbers>
#include <string>

namespace astro {

namespace {

constexpr double kGrad = std::numbers::pi / 180.0;
constexpr double kAE = 149.597870691;         // 10^6 km per AU
constexpr double kJdTageszahl = 2451544.5;    // JD of Tageszahl 0

// Mean anomaly (degrees) → true anomaly (degrees, in (−180, 180)), by the
// fixed-point iteration E = M + e sin E to 1e-9 rad.
double keplerWahreAnomalie(double e, double mGrad)
{
    const double m = mGrad * kGrad;
    double alt = m;
    double neu = m + e * std::sin(alt);
    while (std::fabs(neu - alt) > 1e-9) {
        alt = neu;
        neu = m + e * std::sin(alt);
    }
    return 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(neu / 2.0)) / kGrad;
}

double winkel360(double x)
{
    if (x > 0)
        return x - 360.0 * std::trunc(x / 360.0);
    return x - 360.0 * std::floor(x / 360.0);
}

// Rigorous ecliptic precession from J2000 to the equinox of date
// (angles η, Π, p as polynomials in Julian millennia; starting epoch J2000).
void praezessionZumDatum(double& l, double& b, double tageszahl)
{
    const double t = (tageszahl + kJdTageszahl - 2451545.0) / 365250.0;
    const double bs = std::numbers::pi / 648000.0;
    const double eta = (t * 469.9729 + t * t * -3.3505 + t * t * t * -0.1237 + t * t * t * t * 0.0003) * bs;
    const double pi = (629543.433 + t * -8679.27 + t * t * 15.342 + t * t * t * 0.005 + t * t * t * t * -0.037
                       - 0.001 * t * t * t * t * t) * bs;
    const double p = (t * 50288.2 + t * t * 111.2022 + t * t * t * 0.0773 + t * t * t * t * -0.2353
                      + t * t * t * t * t * -0.0018 + 0.0002 * t * t * t * t * t * t) * bs;
    const double lam = l * kGrad, bet = b * kGrad;
    const double a = std::cos(eta) * std::cos(bet) * std::sin(pi - lam) - std::sin(eta) * std::sin(bet);
    const double bq = std::cos(bet) * std::cos(pi - lam);
    const double c = std::cos(eta) * std::sin(bet) + std::sin(eta) * std::cos(bet) * std::sin(pi - lam);
    l = (p + pi - std::atan2(a, bq)) / kGrad;
    if (l < 0)
        l += 360.0;
    b = std::asin(c) / kGrad;
}

Status beschaedigt(const OskuParameter& p, std::string grund)
{
    return Status::Fehlschlag(Fehler::DateiBeschaedigt, "lauf.datenfehler", std::string(p.datei) + ": " + grund);
}

// Reads the next white-space separated token as a number.
bool zahlLesen(std::istream& ein, double& wert)
{
    std::string wort;
    if (!(ein >> wort))
        return false;
    const char* anfang = wort.data();
    const char* ende = wort.data() + wort.size();
    if (anfang != ende && *anfang == '+')
        ++anfang;
    auto [stopp, ec] = std::from_chars(anfang, ende, wert);
    return ec == std::errc() && stopp == ende;
}

} // namespace

std::optional<OskuParameter> OskuTabellenParameter(int koerper, bool hoch)
{
    static constexpr double kJd0Lang = -15810942.5, kJd0Klein = -7556292.5, kJd0Hoch = 2073544.5;
    static constexpr OskuParameter normal[] = {
        {"JUPITER.OUT", kJd0Lang, 8640, 4230},    {"SATURN.OUT", kJd0Lang, 6480, 5640},
        {"URANUS.OUT", kJd0Lang, 10800, 3384},    {"NEPTUNE.OUT", kJd0Lang, 10800, 3384},
        {"PLUTO2.OUT", kJd0Lang, 17280, 2116},    {"CERES2.OUT", kJd0Klein, 2160, 9500},
        {"PALLAS2.OUT", kJd0Klein, 2160, 9500},   {"VESTA2.OUT", kJd0Klein, 2160, 9500},
        {"JUNO2.OUT", kJd0Klein, 2160, 9500},     {"CHIRON2.OUT", 1501144.5, 2160, 887},
        {"VARUNA2.OUT", kJd0Klein, 17280, 1188},  {"QUAOAR2.OUT", kJd0Klein, 17280, 1188},
        {"ORCUS2.OUT", kJd0Klein, 17280, 1188},   {"2003EL612.OUT", kJd0Klein, 17280, 1188},
        {"2005FY92.OUT", kJd0Klein, 17280, 1188}, {"ERIS2.OUT", kJd0Klein, 17280, 1188},
        {"SEDNA2.OUT", kJd0Klein, 17280, 1188},
    };
    static constexpr OskuParameter genau[] = {
        {"PLUTO.OUT", -148782.5, 2160, 2413},    {"CERES.OUT", kJd0Hoch, 216, 3500},
        {"PALLAS.OUT", kJd0Hoch, 216, 3500},     {"VESTA.OUT", kJd0Hoch, 216, 3500},
        {"JUNO.OUT", kJd0Hoch, 216, 3500},       {"CHIRON.OUT", kJd0Hoch, 216, 3500},
        {"VARUNA.OUT", kJd0Hoch, 2160, 350},     {"QUAOAR.OUT", kJd0Hoch, 2160, 350},
        {"ORCUS.OUT", kJd0Hoch, 2160, 350},      {"2003EL61.OUT", kJd0Hoch, 2160, 350},
        {"2005FY9.OUT", kJd0Hoch, 2160, 350},    {"ERIS.OUT", kJd0Hoch, 2160, 350},
        {"SEDNA.OUT", kJd0Hoch, 2160, 350},
    };
    if (koerper < 5 || koerper > 21)
        return std::nullopt;
    if (!hoch)
        return normal[koerper - 5];
    if (koerper < 9)
        return std::nullopt;
    return genau[koerper - 9];
}

Ergebnis<OskuTabelle> OskuLesen(std::istream& ein, const OskuParameter& p)
{
    std::string zeile;
    for (int i = 0; i < 3; ++i)
        if (!std::getline(ein, zeile))
            return beschaedigt(p, "header missing");
    OskuTabelle t;
    t.parameter = p;
    t.saetze.assign(static_cast<std::size_t>(p.anzahl) + 1, OskuSatz{});
    for (int k = 1; k <= p.anzahl; ++k) {
        OskuSatz& s = t.saetze[static_cast<std::size_t>(k)];
        for (int spalte = 0; spalte < 7; ++spalte) {
            if (!zahlLesen(ein, s[static_cast<std::size_t>(spalte)]))
                return beschaedigt(p, "record " + std::to_string(k) + ": missing or unreadable number");
            if (!std::isfinite(s[static_cast<std::size_t>(spalte)]))
                return beschaedigt(p, "record " + std::to_string(k) + ": not finite");
        }
        // The reader's record search relies on increasing epochs close to the
        // nominal grid; the propagation needs an ellipse of sane size.
        const double soll = p.jd0 + (k - 1) * p.schritt;
        if (std::fabs(s[Epoche] - soll) > 2.0 * p.schritt)
            return beschaedigt(p, "record " + std::to_string(k) + ": epoch off the grid");
        if (k > 1 && !(s[Epoche] > t.saetze[static_cast<std::size_t>(k) - 1][Epoche]))
            return beschaedigt(p, "record " + std::to_string(k) + ": epochs not increasing");
        if (!(s[Exzentrizitaet] >= 0.0 && s[Exzentrizitaet] < 0.99))
            return beschaedigt(p, "record " + std::to_string(k) + ": eccentricity");
        if (!(s[HalbeAchse] > 1e-3 && s[HalbeAchse] < 1e5))
            return beschaedigt(p, "record " + std::to_string(k) + ": semi-major axis");
        for (int spalte : {Neigung, Perihelargument, Knoten, MittlereAnomalie})
            if (std::fabs(s[static_cast<std::size_t>(spalte)]) > 1e6)
                return beschaedigt(p, "record " + std::to_string(k) + ": angle out of range");
    }
    return t;
}

Ergebnis<OskuTabelle> OskuEinlesen(int koerper, bool hoch, const std::string& datenordner)
{
    const auto p = OskuTabellenParameter(koerper, hoch);
    if (!p)
        return Status::Fehlschlag(Fehler::UngueltigeEingabe, {}, "no element table for body " + std::to_string(koerper));
    std::string pfad = datenordner;
    if (!pfad.empty() && pfad.back() != '/')
        pfad += '/';
    pfad += p->datei;
    std::ifstream datei(pfad, std::ios::binary);
    if (!datei)
        return Status::Fehlschlag(Fehler::DateiFehlt, "lauf.datenfehler", pfad);
    auto ergebnis = OskuLesen(datei, *p);
    if (!ergebnis)
        return ergebnis;
    ergebnis->koerper = koerper;
    ergebnis->hoheGenauigkeit = hoch;
    if (hoch && koerper > 9)
        ergebnis->gueltigkeitsgrenze = OskuGueltigkeitsgrenzeKleinplanetenHoch;
    return ergebnis;
}

OskuKugel OskuPropagieren(const OskuSatz& s, double jd)
{
    const double e = s[Exzentrizitaet], a = s[HalbeAchse];
    const double n = 25525.0440599309 / std::sqrt(a * a * a / 1.9891); // degrees per Julian century
    const double peri = s[Perihelargument] + s[Knoten];
    const double l0 = s[MittlereAnomalie] + peri;
    const double l = n * (jd - s[Epoche]) / 36525.0 + l0;
    const double v = keplerWahreAnomalie(e, l - peri);
    const double u = winkel360(v + peri);
    const double r = kAE * a * (1.0 - e * e) / (1.0 + e * std::cos(v * kGrad));
    const double w = (u - s[Knoten]) * kGrad, om = s[Knoten] * kGrad, inc = s[Neigung] * kGrad;
    const double x = r * (std::cos(om) * std::cos(w) - std::sin(om) * std::sin(w) * std::cos(inc));
    const double y = r * (std::sin(om) * std::cos(w) + std::cos(om) * std::sin(w) * std::cos(inc));
    const double z = r * std::sin(w) * std::sin(inc);
    OskuKugel k;
    k.l = std::atan2(y, x) / kGrad;
    if (k.l < 0)
        k.l += 360.0;
    k.b = std::atan2(z, std::sqrt(x * x + y * y)) / kGrad;
    k.r = std::sqrt(x * x + y * y + z * z);
    return k;
}

OskuKugel OskuInterpolieren(OskuKugel a, OskuKugel b, double q)
{
    if (a.l < 20 && b.l > 340)
        a.l += 360.0;
    if (b.l < 20 && a.l > 340)
        b.l += 360.0;
    OskuKugel k;
    k.l = a.l + (b.l - a.l) * q;
    k.b = a.b + (b.b - a.b) * q;
    k.r = a.r + (b.r - a.r) * q;
    if (k.l > 360.0)
        k.l -= 360.0;
    return k;
}

std::optional<OskuXYZ> PositionOskulierend(const OskuTabelle& t, double tageszahl, bool mitPraezession,
                                           std::optional<double> laufEnde)
{
    const int n = t.parameter.anzahl;
    if (n < 2 || t.saetze.size() < static_cast<std::size_t>(n) + 1)
        return std::nullopt;
    const double jd = tageszahl + kJdTageszahl;
    const double schaetzung = std::round((jd - t.parameter.jd0) / t.parameter.schritt) - 3.0;
    int k;
    if (!(schaetzung >= 2.0)) // also catches NaN
        k = 2;
    else if (schaetzung > n)
        k = n - 3;
    else
        k = static_cast<int>(schaetzung);
    for (;;) {
        if (k > n)
            return std::nullopt;
        if (laufEnde && tageszahl > *laufEnde)
            return std::nullopt;
        if (jd >= t.saetze[static_cast<std::size_t>(k)][Epoche])
            ++k;
        else
            break;
    }
    const OskuSatz& s1 = t.saetze[static_cast<std::size_t>(k) - 1];
    const OskuSatz& s2 = t.saetze[static_cast<std::size_t>(k)];
    const double q = (jd - s1[Epoche]) / (s2[Epoche] - s1[Epoche]);
    OskuKugel pos = OskuInterpolieren(OskuPropagieren(s1, jd), OskuPropagieren(s2, jd), q);
    if (mitPraezession)
        praezessionZumDatum(pos.l, pos.b, tageszahl);
    const double lr = pos.l * kGrad, br = pos.b * kGrad;
    return OskuXYZ{pos.r * std::cos(br) * std::cos(lr), pos.r * std::cos(br) * std::sin(lr), pos.r * std::sin(br)};
}

Status OskuTabellen::laden(int koerper, bool hoch)
{
    if (koerper < 0 || koerper > 21)
        return Status::Fehlschlag(Fehler::UngueltigeEingabe);
    auto& platz = tabellen_[static_cast<std::size_t>(koerper)];
    platz.reset();
    auto ergebnis = OskuEinlesen(koerper, hoch, ordner_);
    if (!ergebnis)
        return ergebnis.status();
    platz = std::move(ergebnis.wert());
    return Status::Ok();
}

bool OskuTabellen::geladen(int koerper, bool hoch) const
{
    const OskuTabelle* t = tabelle(koerper);
    return t && t->hoheGenauigkeit == hoch;
}

const OskuTabelle* OskuTabellen::tabelle(int koerper) const
{
    if (koerper < 0 || koerper > 21 || !tabellen_[static_cast<std::size_t>(koerper)])
        return nullptr;
    return &*tabellen_[static_cast<std::size_t>(koerper)];
}

std::optional<OskuXYZ> OskuTabellen::position(int koerper, double tageszahl, bool mitPraezession,
                                              std::optional<double> laufEnde)
{
    const OskuTabelle* t = tabelle(koerper);
    if (!t)
        return std::nullopt;
    auto pos = PositionOskulierend(*t, tageszahl, mitPraezession, laufEnde);
    if (!pos)
        ausserhalbTabelle = true;
    return pos;
}

} // namespace astro
