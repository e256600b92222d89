#pragma once
// The one time axis of every computation, the calendar and ΔT.
//
// `Tageszahl` counts days of Dynamical Time (TD) from 2000-01-01 0h TD:
// 0 = JD 2451544.5, whole numbers are midnights, 0.5 is J2000.0 (JD 2451545.0).
// Every position routine takes a Tageszahl in TD; UT (through ΔT) is a display
// matter of the data output only.
//
// Calendar: astronomical year numbering (year 0 exists, -1 is 2 BC), Julian
// calendar before 1582-10-15, Gregorian from then on (1582-10-04 is followed by
// 1582-10-15). Conversions after J. Meeus, Astronomical Algorithms, ch. 7.

#include <string>

namespace astro {

using Tageszahl = double; // days TD from 2000-01-01 0h TD

inline constexpr double JDNullpunkt = 2451544.5; // JD of Tageszahl 0

// Julian Date (TD) of a Tageszahl and back.
constexpr double JulianischesDatum(Tageszahl x) { return x + JDNullpunkt; }
constexpr Tageszahl TagAusJulianischemDatum(double jd) { return jd - JDNullpunkt; }

// T: Julian centuries of 36525 days from J2000.0; τ: Julian millennia.
constexpr double JahrhunderteSeitJ2000(Tageszahl x) { return (x - 0.5) / 36525.0; }
constexpr double JahrtausendeSeitJ2000(Tageszahl x) { return (x - 0.5) / 365250.0; }

struct Kalenderdatum {
    int jahr = 2000;  // astronomical numbering
    int monat = 1;    // 1..12
    double tag = 1.0; // 1..31 with the fraction of the day
};

// Calendar date of a Tageszahl (Julian calendar before the reform). Works for
// any day number the program uses (tested -48000 .. +43000 years); all floors
// go towards -infinity so negative years are exact.
Kalenderdatum TagZuDatum(Tageszahl x);

// Integer Tageszahl of 0h TD of a calendar date. Gregorian from 1582-10-15 on,
// Julian before. A day beyond the month's end counts on into the next month
// (2001-02-30 is 2001-03-02); nothing is rejected. Exact for years -5000..7000
// and far beyond (the arithmetic is double, the result an integer).
long long DatumZuTag(int jahr, int monat, int tag);

// ΔT = TD - UT for a TD Tageszahl, in days / in seconds (piecewise polynomials
// by Julian century; from 2000 on 63 + 100 T seconds). UT = TD - DeltaTTage(TD).
double DeltaTTage(Tageszahl x);
double DeltaTSekunden(Tageszahl x);

// "hh:mm" of a fraction of a day (sign kept). Minutes are rounded; 59.5 or more
// minutes of the last hour give the next full hour, so 0.99999 yields "24:00"
// (there is no carry into the date).
std::string UhrzeitText(double tagesbruchteil);

// "Y-MM-DD hh:mm", year without leading zeros (leading "-" for negative years):
// 0 gives "2000-01-01 00:00", -147724 gives "1595-07-19 00:00".
std::string DatumText(Tageszahl x);

// "Startzeit jetzt": the local civil date and time taken as TD as it stands
// (no ΔT, no time-zone correction), as a Tageszahl, and its start-field text
// with three decimals and "." whatever the locale (2000-01-02 12:00 -> "1.500").
Tageszahl TagAusOrtszeit(int jahr, int monat, int tag, int stunde, int minute, double sekunde);
std::string StartzeitText(Tageszahl x);

} // namespace astro
