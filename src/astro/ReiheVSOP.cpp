#include "astro/ReiheVSOP.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <vector>

namespace astro {

namespace {

bool istTrenner(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool istZiffer(char c)
{
    return c >= '0' && c <= '9';
}

// A plain decimal number: [+-] digits [. digits] [(e|E) [+-] digits], at
// least one digit in the mantissa. std::from_chars alone would also take
// "inf", "nan" and a trailing garbage-free hex-like form, so the shape is
// checked first.
bool tokenLesen(std::string_view t, double& wert)
{
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    std::size_t ziffern = 0;
    while (i < t.size() && istZiffer(t[i]))
        ++i, ++ziffern;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && istZiffer(t[i]))
            ++i, ++ziffern;
    }
    if (ziffern == 0)
        return false;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            ++i;
        std::size_t exponent = 0;
        while (i < t.size() && istZiffer(t[i]))
            ++i, ++exponent;
        if (exponent == 0)
            return false;
    }
    if (i != t.size())
        return false;
    const char* anfang = t.data() + (t.front() == '+' ? 1 : 0);
    auto [ende, ec] = std::from_chars(anfang, t.data() + t.size(), wert);
    return ec == std::errc() && ende == t.data() + t.size() && std::isfinite(wert);
}

Status beschaedigt(std::string detail)
{
    return Status::Fehlschlag(Fehler::DateiBeschaedigt, "lauf.datenfehler", std::move(detail));
}

constexpr std::array<int, VsopPlanetAnzahl + 1> planetAnfaenge()
{
    std::array<int, VsopPlanetAnzahl + 1> a{};
    for (int p = 0; p < VsopPlanetAnzahl; ++p)
        a[p + 1] = a[p] + VsopReihengrenzen[p].anzahl;
    return a;
}
constexpr auto Anfaenge = planetAnfaenge();
static_assert(Anfaenge[VsopPlanetAnzahl] == VsopSummeTerme);

// The bounds table must tile 1..N without gaps, every series non-empty.
constexpr bool grenzenSchluessig()
{
    for (const auto& g : VsopReihengrenzen) {
        int naechste = 1;
        for (int b = 0; b < 3; ++b) {
            if (g.ersteZeile[b] != naechste)
                return false;
            for (int k = 0; k < 6; ++k) {
                if (g.letzte[b][k] < naechste)
                    return false;
                naechste = g.letzte[b][k] + 1;
            }
        }
        if (naechste != g.anzahl + 1)
            return false;
    }
    return true;
}
static_assert(grenzenSchluessig(), "VsopReihengrenzen must cover every row once");

// Sum of the series of one variable: sum_k S_k tau^k, S_k = sum A cos(B + C tau).
double variableSumme(const VsopTerm* planet, int p, VsopVariable v, double tau)
{
    double summe = 0;
    for (int k = 5; k >= 0; --k) {
        const VsopZeilen z = VsopReihenZeilen(p, v, k);
        double s = 0;
        for (int i = z.von; i < z.bis; ++i)
            s += planet[i].A * std::cos(planet[i].B + planet[i].C * tau);
        summe = summe * tau + s;
    }
    return summe;
}

} // namespace

int VsopPlanetAnfang(int p)
{
    return Anfaenge[p];
}

Status VsopZahlenLesen(std::string_view text, std::span<double> ziel)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::size_t i = 0;
    for (std::size_t n = 0; n < ziel.size(); ++n) {
        while (i < text.size() && istTrenner(text[i]))
            ++i;
        if (i == text.size())
            return beschaedigt(std::to_string(n) + " of " + std::to_string(ziel.size()) + " numbers");
        const std::size_t anfang = i;
        while (i < text.size() && !istTrenner(text[i]))
            ++i;
        const std::string_view token = text.substr(anfang, i - anfang);
        if (!tokenLesen(token, ziel[n])) {
            return beschaedigt("number " + std::to_string(n + 1) + " is \""
                               + std::string(token.substr(0, 40)) + "\"");
        }
    }
    return Status::Ok();
}

Status VsopLaden(const std::string& datenOrdner, VsopDaten& daten)
{
    namespace fs = std::filesystem;
    std::array<fs::path, VsopPlanetAnzahl> pfade;
    for (int p = 0; p < VsopPlanetAnzahl; ++p) {
        pfade[p] = fs::path(datenOrdner) / VsopReihengrenzen[p].datei;
        std::error_code fehler;
        if (!fs::is_regular_file(pfade[p], fehler))
            return Status::Fehlschlag(Fehler::DateiFehlt, "lauf.datenfehler", pfade[p].string());
    }

    auto neu = std::make_unique<VsopDaten>();
    std::vector<double> zahlen;
    for (int p = 0; p < VsopPlanetAnzahl; ++p) {
        std::ifstream ein(pfade[p], std::ios::binary);
        std::ostringstream inhalt;
        if (!ein || !(inhalt << ein.rdbuf()))
            return Status::Fehlschlag(Fehler::DateiFehlt, "lauf.datenfehler", pfade[p].string());
        const int n = VsopReihengrenzen[p].anzahl;
        zahlen.assign(3 * static_cast<std::size_t>(n), 0.0);
        Status s = VsopZahlenLesen(inhalt.str(), zahlen);
        if (!s.ok()) {
            s.detail = pfade[p].string() + ": " + s.detail;
            return s;
        }
        VsopTerm* ziel = neu->terme.data() + Anfaenge[p];
        for (int i = 0; i < n; ++i)
            ziel[i] = {zahlen[3 * i], zahlen[3 * i + 1], zahlen[3 * i + 2]};
    }
    neu->geladen = true;
    daten = *neu;
    return Status::Ok();
}

Kugelkoordinaten VsopKugelDatum(const VsopDaten& daten, int koerper, double tageszahl)
{
    const int p = koerper - 1;
    const VsopTerm* planet = daten.terme.data() + Anfaenge[p];
    const double tau = (tageszahl - 0.5) / 365250.0;
    Kugelkoordinaten k;
    k.L = Winkel360(variableSumme(planet, p, VsopL, tau) * 1e-8 * RadZuGrad);
    k.B = variableSumme(planet, p, VsopB, tau) * 1e-8 * RadZuGrad;
    k.R = variableSumme(planet, p, VsopR, tau) * 1e-8 * AE;
    return k;
}

} // namespace astro
