#include "astro/VsopVoll.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

namespace astro {

namespace {

Status kaputt(std::size_t zeile, const std::string& grund)
{
    return Status::Fehlschlag(Fehler::DateiBeschaedigt, "lauf.datenfehler",
                              "line " + std::to_string(zeile) + ": " + grund);
}

std::string_view ohneLeerzeichen(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

bool feldLesen(std::string_view s, double& wert)
{
    s = ohneLeerzeichen(s);
    if (s.empty())
        return false;
    auto [ende, ec] = std::from_chars(s.data(), s.data() + s.size(), wert);
    return ec == std::errc() && ende == s.data() + s.size() && std::isfinite(wert);
}

// Reads the integer that follows `marke` in a header line.
bool zahlNach(std::string_view zeile, std::string_view marke, long& wert)
{
    const auto pos = zeile.find(marke);
    if (pos == std::string_view::npos)
        return false;
    std::string_view rest = ohneLeerzeichen(zeile.substr(pos + marke.size()));
    auto [ende, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), wert);
    return ec == std::errc() && ende != rest.data();
}

} // namespace

Ergebnis<VsopVollPlanet> VsopVollLesen(std::string_view text)
{
    VsopVollPlanet planet;
    std::size_t zeilenNr = 0;
    long offen = 0;             // records still expected for the current series
    long variable = 0, potenz = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t ende = text.find('\n', pos);
        if (ende == std::string_view::npos)
            ende = text.size();
        std::string_view zeile = text.substr(pos, ende - pos);
        pos = ende + 1;
        ++zeilenNr;
        if (ohneLeerzeichen(zeile).empty())
            continue;

        if (offen == 0) {
            long anzahl = 0;
            if (zeile.find("VSOP87") == std::string_view::npos || !zahlNach(zeile, "VARIABLE", variable)
                || !zahlNach(zeile, "*T**", potenz)) {
                return kaputt(zeilenNr, "series header expected");
            }
            const auto tpos = zeile.find("*T**");
            if (!zahlNach(zeile.substr(tpos + 5), "", anzahl) || zeile.find("TERM") == std::string_view::npos)
                return kaputt(zeilenNr, "term count missing");
            if (variable < 1 || variable > 3 || potenz < 0 || potenz > 5 || anzahl < 0)
                return kaputt(zeilenNr, "variable, power or count out of range");
            auto& reihe = planet.reihen[variable - 1][potenz];
            if (!reihe.empty())
                return kaputt(zeilenNr, "series given twice");
            reihe.reserve(static_cast<std::size_t>(anzahl));
            offen = anzahl;
            continue;
        }

        if (zeile.size() < 131)
            return kaputt(zeilenNr, "record too short");
        if (zeile[3] != static_cast<char>('0' + variable) || zeile[4] != static_cast<char>('0' + potenz))
            return kaputt(zeilenNr, "record does not belong to its series");
        VsopTerm t;
        if (!feldLesen(zeile.substr(79, 18), t.A) || !feldLesen(zeile.substr(97, 14), t.B)
            || !feldLesen(zeile.substr(111, 20), t.C)) {
            return kaputt(zeilenNr, "A, B or C is not a number");
        }
        planet.reihen[variable - 1][potenz].push_back(t);
        --offen;
    }
    if (offen != 0)
        return kaputt(zeilenNr, "file ends inside a series");
    return planet;
}

Ergebnis<VsopVollPlanet> VsopVollDateiLesen(const std::string& pfad)
{
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein)
        return Status::Fehlschlag(Fehler::DateiFehlt, "lauf.datenfehler", pfad);
    std::ostringstream puffer;
    puffer << ein.rdbuf();
    auto ergebnis = VsopVollLesen(puffer.str());
    if (!ergebnis.ok()) {
        Status s = ergebnis.status();
        s.detail = pfad + ", " + s.detail;
        return s;
    }
    return ergebnis;
}

std::array<double, 3> VsopVollAuswerten(const VsopVollPlanet& planet, double tau)
{
    std::array<double, 3> werte{};
    for (int v = 0; v < 3; ++v) {
        double summe = 0;
        for (int k = 5; k >= 0; --k) {
            double s = 0;
            for (const VsopTerm& t : planet.reihen[v][k])
                s += t.A * std::cos(t.B + t.C * tau);
            summe = summe * tau + s;
        }
        werte[v] = summe;
    }
    return werte;
}

} // namespace astro
