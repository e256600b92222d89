#include "astro/Oskulierend.h"

#include "astro/Kepler.h"
#include "astro/Praezession.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <numbers>
#include <string>

namespace astro {

namespace {

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

Kugelkoordinaten OskuPropagieren(const OskuSatz& s, double jd)
{
    const double e = s[Exzentrizitaet], a = s[HalbeAchse];
    const double n = 25525.0440599309 / std::sqrt(a * a * a / 1.9891); // degrees per Julian century
    const double peri = s[Perihelargument] + s[Knoten];
    const double l = n * (jd - s[Epoche]) / 36525.0 + s[MittlereAnomalie] + peri;
    const double v = KeplerGleichung(e, l - peri);
    const double u = Winkel360(v + peri);
    const double r = AE * a * (1.0 - e * e) / (1.0 + e * std::cos(v * GradZuRad));
    const double w = (u - s[Knoten]) * GradZuRad, om = s[Knoten] * GradZuRad, inc = s[Neigung] * GradZuRad;
    const double cw = std::cos(w), sw = std::sin(w), co = std::cos(om), so = std::sin(om), ci = std::cos(inc);
    return XYZZuKugel({r * (co * cw - so * sw * ci), r * (so * cw + co * sw * ci), r * sw * std::sin(inc)});
}

Kugelkoordinaten OskuInterpolieren(Kugelkoordinaten a, Kugelkoordinaten b, double q)
{
    if (a.L < 20 && b.L > 340)
        a.L += 360.0;
    if (b.L < 20 && a.L > 340)
        b.L += 360.0;
    Kugelkoordinaten k{a.L + (b.L - a.L) * q, a.B + (b.B - a.B) * q, a.R + (b.R - a.R) * q};
    if (k.L > 360.0)
        k.L -= 360.0;
    return k;
}

Ergebnis<PositionXYZ> PositionOskulierend(const OskuTabelle& t, Tageszahl tag, bool mitPraezession, Tageszahl laufEnde)
{
    // Built only when it is returned: a position per step must not allocate.
    auto ausserhalb = [] { return Status::Fehlschlag(Fehler::AusserhalbGueltigkeit, "astro.ausserhalbTabelle"); };
    const int n = t.parameter.anzahl;
    if (n < 5 || t.saetze.size() < static_cast<std::size_t>(n) + 1)
        return Status::Fehlschlag(Fehler::NichtVerfuegbar, "astro.nichtVerfuegbar");
    const double jd = JulianischesDatum(tag);
    if (!std::isfinite(jd))
        return Status::Fehlschlag(Fehler::UngueltigeEingabe);
    // First guess three records early, then forward to the bracketing pair.
    const double schaetzung = std::round((jd - t.parameter.jd0) / t.parameter.schritt) - 3.0;
    int k;
    if (!(schaetzung >= 2.0)) // also a NaN time
        k = 2;
    else if (schaetzung > n)
        k = n - 3;
    else
        k = static_cast<int>(schaetzung);
    for (;;) {
        if (k > n || tag > laufEnde)
            return ausserhalb();
        if (jd >= t.saetze[static_cast<std::size_t>(k)][Epoche])
            ++k;
        else
            break;
    }
    const OskuSatz& s1 = t.saetze[static_cast<std::size_t>(k) - 1];
    const OskuSatz& s2 = t.saetze[static_cast<std::size_t>(k)];
    const double q = (jd - s1[Epoche]) / (s2[Epoche] - s1[Epoche]);
    Kugelkoordinaten pos = OskuInterpolieren(OskuPropagieren(s1, jd), OskuPropagieren(s2, jd), q);
    if (mitPraezession) {
        const LaengeBreite lb = PraezessionEkliptikal({pos.L, pos.B}, Praezessionsrichtung::ZumDatum, tag);
        pos.L = lb.L;
        pos.B = lb.B;
    }
    return KugelZuXYZ(pos);
}

void OskuQuelle::setzeTabelle(std::shared_ptr<const OskuTabelle> tabelle)
{
    if (tabelle && IstKoerper(tabelle->koerper))
        tabellen_[tabelle->hoheGenauigkeit ? 1 : 0][static_cast<std::size_t>(tabelle->koerper)] = std::move(tabelle);
}

const OskuTabelle* OskuQuelle::tabelle(KoerperNr koerper, bool hoch) const
{
    if (!IstKoerper(koerper))
        return nullptr;
    return tabellen_[hoch ? 1 : 0][static_cast<std::size_t>(koerper)].get();
}

Ergebnis<PositionXYZ> OskuQuelle::position(KoerperNr koerper, Tageszahl tag, const Rechenoptionen& optionen) const
{
    const OskuTabelle* t = tabelle(koerper, optionen.HoheGenauigkeit);
    if (!t)
        return Status::Fehlschlag(Fehler::NichtVerfuegbar, "astro.nichtVerfuegbar");
    return PositionOskulierend(*t, tag, optionen.MitPraezession, optionen.Laufende);
}

Ergebnis<OskuLadung> OskuQuelleLaden(const std::string& datenordner, bool hoch, const std::vector<KoerperNr>& koerper,
                                     const std::vector<KoerperNr>& auchNormal)
{
    auto quelle = std::make_shared<OskuQuelle>();
    OskuLadung ladung;
    auto lesen = [&](KoerperNr k, bool genau, bool grenzeZaehlt) -> Status {
        if (!OskuTabellenParameter(k, genau) || quelle->tabelle(k, genau))
            return Status::Ok();
        auto t = OskuEinlesen(k, genau, datenordner);
        if (!t)
            return t.status();
        if (grenzeZaehlt && t->gueltigkeitsgrenze)
            ladung.gueltigkeitsgrenze = t->gueltigkeitsgrenze;
        quelle->setzeTabelle(std::make_shared<const OskuTabelle>(std::move(t.wert())));
        return Status::Ok();
    };
    for (KoerperNr k : koerper)
        if (Status s = lesen(k, hoch, true); !s)
            return s;
    for (KoerperNr k : auchNormal)
        if (Status s = lesen(k, false, false); !s)
            return s;
    ladung.quelle = std::move(quelle);
    return ladung;
}

} // namespace astro
