#include "shell/Eingabebehandlung.h"

#include "astro/Gueltigkeit.h"

#include "astro/Zeit.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace shell {

namespace {

bool ziffer(char c) { return c >= '0' && c <= '9'; }
bool hatPunkt(std::string_view t) { return t.find('.') != std::string_view::npos; }

// A decimal point ("," typed is taken as "."), once per text.
std::optional<char> punkt(std::string_view text)
{
    if (hatPunkt(text))
        return std::nullopt;
    return '.';
}

std::string ganzzahlText(double wert)
{
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.0f", wert);
    return puffer;
}

std::string festkomma(double wert, int stellen)
{
    char puffer[400];
    const auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, stellen);
    return ec == std::errc() ? std::string(puffer, ende) : std::string("0");
}

std::optional<long long> ganzzahlLesen(std::string_view text)
{
    long long n = 0;
    const char* anfang = text.data();
    const char* ende = text.data() + text.size();
    if (anfang != ende && *anfang == '+')
        ++anfang;
    const auto [p, ec] = std::from_chars(anfang, ende, n);
    if (ec != std::errc() || p != ende)
        return std::nullopt;
    return n;
}

} // namespace

std::optional<char> ZahlTasteFiltern(std::string_view text, char taste, bool nurZiffern)
{
    if (taste == Rueckschritt || ziffer(taste))
        return taste;
    if (nurZiffern)
        return std::nullopt;
    if (taste == '-')
        return taste;
    if (taste == '.' || taste == ',')
        return punkt(text);
    return std::nullopt;
}

std::optional<char> PositivTasteFiltern(std::string_view text, char taste)
{
    if (taste == Rueckschritt || ziffer(taste))
        return taste;
    if (taste == '.' || taste == ',')
        return punkt(text);
    return std::nullopt;
}

std::optional<char> GanzzahlTasteFiltern(std::string_view, char taste)
{
    if (taste == Rueckschritt || ziffer(taste) || taste == '-')
        return taste;
    return std::nullopt;
}

std::optional<char> TasteFiltern(Filterart art, std::string_view text, char taste)
{
    switch (art) {
    case Filterart::Vorzeichen: return ZahlTasteFiltern(text, taste, false);
    case Filterart::Ziffern: return ZahlTasteFiltern(text, taste, true);
    case Filterart::Positiv: return PositivTasteFiltern(text, taste);
    case Filterart::Ganzzahl: return GanzzahlTasteFiltern(text, taste);
    }
    return std::nullopt;
}

std::string TextFiltern(Filterart art, std::string_view text)
{
    std::string aus;
    for (char c : text) {
        if (c == Rueckschritt)
            continue;
        if (const auto z = TasteFiltern(art, aus, c))
            aus += *z;
    }
    return aus;
}

std::string MinusBereinigen(std::string text)
{
    for (size_t i = text.size(); i-- > 1;)
        if (text[i] == '-')
            text.erase(i, 1);
    return text;
}

std::optional<double> ZahlLesen(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    const char* anfang = text.data();
    const char* ende = text.data() + text.size();
    if (*anfang == '+')
        ++anfang;
    double wert = 0;
    const auto [p, ec] = std::from_chars(anfang, ende, wert, std::chars_format::fixed);
    if (ec == std::errc::result_out_of_range && p == ende) {
        // Too large for a double: +-infinity, so that a range check clamps
        // it; too small: zero.
        const std::string_view rest(anfang, static_cast<size_t>(ende - anfang));
        const std::string_view ganz = rest.substr(0, rest.find('.'));
        const bool gross = ganz.find_first_of("123456789") != std::string_view::npos;
        const double betrag = gross ? HUGE_VAL : 0.0;
        return *anfang == '-' ? -betrag : betrag;
    }
    if (ec != std::errc() || p != ende)
        return std::nullopt;
    return wert;
}

double StartWert(std::string_view text) { return ZahlLesen(text).value_or(0.0); }

astro::Startbereichsfall FallDerKlasse(int klasse)
{
    switch (klasse) {
    case 1: return astro::Startbereichsfall::Aeussere;
    case 3: return astro::Startbereichsfall::Eng;
    default: return astro::Startbereichsfall::Standard;
    }
}

Startbereich BereichDerKlasse(int klasse)
{
    const astro::Startbereich& b = astro::StartbereichFuer(FallDerKlasse(klasse));
    return {b.minimum, b.maximum, b.meldungsSchluessel.data(), b.hinweisSchluessel.data()};
}

int StartKlasse(bool hoheGenauigkeitOderMond, bool nurJupiterBisPluto, bool schmal)
{
    if (schmal || hoheGenauigkeitOderMond)
        return 3;
    return nurJupiterBisPluto ? 1 : 2;
}

Startpruefung StartzeitPruefen(std::string text, int klasse)
{
    text = MinusBereinigen(std::move(text));
    if (text.empty())
        text = "0";
    if (text.starts_with("00"))
        text.erase(1, 1);
    else if (text.starts_with("-00"))
        text.erase(1, 1);
    Startpruefung p;
    p.wert = text == "-" ? 0.0 : StartWert(text);
    const Startbereich b = BereichDerKlasse(klasse);
    if (p.wert >= b.kleinster && p.wert <= b.groesster) {
        p.text = std::move(text);
        return p;
    }
    p.ausserhalb = true;
    p.wert = p.wert >= 0 ? b.groesster : b.kleinster;
    p.text = ganzzahlText(p.wert);
    return p;
}

std::string StartLabelText(double wert, bool alsJD)
{
    if (alsJD) {
        char puffer[64];
        std::string jd = festkomma(astro::JulianischesDatum(wert), 3);
        std::snprintf(puffer, sizeof puffer, "JD %12s", jd.c_str());
        return puffer;
    }
    return astro::DatumText(wert);
}

std::string StartLabelAktualisieren(std::string_view feldtext, bool alsJD)
{
    const double wert = feldtext == "-" ? 0.0 : StartWert(feldtext);
    if (alsJD) {
        char puffer[64];
        const auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, astro::JulianischesDatum(wert));
        return "JD " + (ec == std::errc() ? std::string(puffer, ende) : std::string("0"));
    }
    const astro::Kalenderdatum k = astro::TagZuDatum(wert);
    const double ganzerTag = std::floor(k.tag);
    return std::to_string(k.jahr) + "-" + std::to_string(k.monat) + "-" + ganzzahlText(ganzerTag) + " " +
           astro::UhrzeitText(k.tag - ganzerTag);
}

int SofortGrenze(bool schrittModus, bool drehungDerFiguren, int schrittgrenze, int konstellationsgrenze)
{
    if (drehungDerFiguren)
        return 1000;
    return schrittModus ? schrittgrenze : konstellationsgrenze;
}

std::string SofortBegrenzen(std::string_view text, int grenze)
{
    const auto n = ganzzahlLesen(text);
    if (!n || *n <= 0)
        return "1";
    if (*n > grenze)
        return std::to_string(grenze);
    return std::string(text);
}

Feldkorrektur JahrPruefen(std::string_view text, bool fertig)
{
    std::string t = MinusBereinigen(std::string(text));
    if (t.empty())
        return {fertig ? "0" : "", false};
    if (t == "-")
        return {fertig ? "-0" : "-", false};
    const auto n = ganzzahlLesen(t);
    if (!n)
        return {t, false};
    if (*n < -5000)
        return {"-5000", true};
    if (*n > 7000)
        return {"7000", true};
    return {t, false};
}

Feldkorrektur MonatTagPruefen(std::string_view text, int hoechster, bool fertig)
{
    const auto n = ganzzahlLesen(text);
    if (!n || *n == 0)
        return {fertig ? "1" : std::string(text), false};
    if (*n > hoechster)
        return {std::to_string(hoechster), true};
    return {std::string(text), false};
}

std::string MonatTagMerken(std::string_view text)
{
    const auto n = ganzzahlLesen(text);
    if (n && *n > 9)
        return std::string(text);
    return "0" + std::string(text);
}

std::string MonatTagAnzeigen(std::string_view gemerkt)
{
    if (gemerkt.size() == 3 && gemerkt.starts_with("00"))
        return std::string(gemerkt.substr(1));
    return std::string(gemerkt);
}

std::string DatumNennen(int jahr, int monat, int tag)
{
    char puffer[40];
    std::snprintf(puffer, sizeof puffer, "%d-%02d-%02d", jahr, monat, tag);
    return puffer;
}

std::optional<std::string> DatumUnmoeglich(int jahr, int monat, int tag)
{
    // The day number counts on past a month's end and through the reform's
    // gap; a date exists exactly when its day number leads back to it.
    const long long n = astro::DatumZuTag(jahr, monat, tag);
    const astro::Kalenderdatum k = astro::TagZuDatum(static_cast<double>(n));
    const int t = static_cast<int>(std::floor(k.tag));
    if (k.jahr == jahr && k.monat == monat && t == tag)
        return std::nullopt;
    return DatumNennen(k.jahr, k.monat, t);
}

} // namespace shell
