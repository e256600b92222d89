#include "astro/Zeit.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace astro {

Kalenderdatum TagZuDatum(Tageszahl x)
{
    const double jd = x + JDNullpunkt;
    const double z = std::floor(jd + 0.5);
    const double f = jd + 0.5 - z;
    double a;
    if (z < 2299161.0) {
        a = z + 1524.0;
    } else {
        const double alpha = std::floor((z - 1867216.25) / 36524.25);
        a = z + alpha - std::floor(alpha / 4.0) + 1525.0;
    }
    const double c = std::floor((a - 122.1) / 365.25);
    const double d = std::floor(365.25 * c);
    const double e = std::floor((a - d) / 30.6001);
    Kalenderdatum k;
    k.tag = a - d - std::floor(30.6001 * e) + f;
    const double g = std::floor(e / 14.0);
    k.monat = static_cast<int>(e - 12.0 * g - 1.0);
    k.jahr = static_cast<int>(c - std::floor((k.monat + 7) / 10.0) - 4715.0);
    return k;
}

long long DatumZuTag(int jahr, int monat, int tag)
{
    double y = jahr;
    double m = monat;
    if (monat == 1 || monat == 2) {
        y -= 1.0;
        m += 12.0;
    }
    const bool gregorianisch = jahr > 1582 || (jahr == 1582 && (monat > 10 || (monat == 10 && tag >= 15)));
    const double g = gregorianisch ? std::floor(y / 400.0) - std::floor(y / 100.0) : -2.0;
    const double jd = std::floor(365.25 * y) + std::floor(30.6001 * (m + 1.0)) + g + 1720996.5 + tag;
    return std::llround(jd - JDNullpunkt);
}

namespace {

// ΔT in seconds by Julian centuries from J2000.0; the boundary value of each
// interval belongs to the later one.
double deltaTSekundenAusT(double T)
{
    if (T < -10.52)
        return 2715.6 + T * (573.36 + T * 46.5);
    if (T < -3.8)
        return 50.6 + T * (67.5 + T * 22.5);
    double u;
    if (T < -3.1) {
        u = T + 3.45;
        return 40.3 + u * (-107.0 + u * (50.0 + u * (-454.0 + u * 1244.0)));
    }
    if (T < -2.3) {
        u = T + 2.7;
        return 10.2 + u * (11.3 + u * (-1.0 + u * (-16.0 + u * 70.0)));
    }
    if (T < -1.8) {
        u = T + 2.05;
        return 14.7 + u * (-18.8 + u * (-22.0 + u * (173.0 + u * 6.0)));
    }
    if (T < -1.3) {
        u = T + 1.55;
        return 5.7 + u * (12.7 + u * (111.0 + u * (-534.0 + u * -1654.0)));
    }
    if (T < -1.0) {
        u = T + 1.15;
        return -5.8 + u * (-14.6 + u * (27.0 + u * (101.0 + u * 8234.0)));
    }
    if (T < -0.6) {
        u = T + 0.8;
        return 21.4 + u * (67.0 + u * (-443.0 + u * (19.0 + u * 4441.0)));
    }
    if (T < -0.1) {
        u = T + 0.35;
        return 36.2 + u * (74.0 + u * (189.0 + u * (-140.0 + u * -1883.0)));
    }
    if (T < 0.0) {
        u = T + 0.05;
        return 60.8 + u * (82.0 + u * (-188.0 + u * -5034.0));
    }
    return 63.0 + 100.0 * T;
}

std::string zweistellig(double n)
{
    char puffer[32];
    if (n == 0.0)
        n = 0.0; // no "-0"
    if (n < 0)
        std::snprintf(puffer, sizeof puffer, "-%02.0f", -n);
    else
        std::snprintf(puffer, sizeof puffer, "%02.0f", n);
    return puffer;
}

} // namespace

double DeltaTSekunden(Tageszahl x) { return deltaTSekundenAusT(JahrhunderteSeitJ2000(x)); }

double DeltaTTage(Tageszahl x) { return DeltaTSekunden(x) / 86400.0; }

std::string UhrzeitText(double f)
{
    const double minuten = f * 1440.0;
    double hh = std::floor(minuten / 60.0);
    double mm = std::round(minuten - 60.0 * hh);
    if (mm == 60.0) {
        mm = 0.0;
        hh += 1.0;
    }
    return zweistellig(hh) + ":" + zweistellig(mm);
}

std::string DatumText(Tageszahl x)
{
    const Kalenderdatum k = TagZuDatum(x);
    const double ganzerTag = std::floor(k.tag);
    return std::to_string(k.jahr) + "-" + zweistellig(k.monat) + "-" + zweistellig(ganzerTag) + " " +
           UhrzeitText(k.tag - ganzerTag);
}

Tageszahl TagAusOrtszeit(int jahr, int monat, int tag, int stunde, int minute, double sekunde)
{
    return static_cast<double>(DatumZuTag(jahr, monat, tag)) + (stunde * 3600.0 + minute * 60.0 + sekunde) / 86400.0;
}

std::string StartzeitText(Tageszahl x)
{
    char puffer[64];
    const auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::fixed, 3);
    return ec == std::errc() ? std::string(puffer, ende) : std::string("0");
}

} // namespace astro
