#pragma once
// The shared behaviour of the numeric edit fields, as plain functions over
// (text, key): which keystrokes may reach a field, how a start day is
// normalised and clamped to the validity range of its calculation, the text
// of the date label beside a start field, the limits of the count dialog and
// the field rules of the start-date dialog. No Qt here; the widgets use these
// through the adapters in Zahlenfeld.h.
//
// Every number is read and written with "." as decimal separator.

#include <optional>
#include <string>
#include <string_view>

namespace shell {

// The four key filters of the numeric fields.
enum class Filterart {
    Vorzeichen, // ZahlTasteFiltern, signed decimal: digits, "-", one "." ("," becomes ".")
    Ziffern,    // ZahlTasteFiltern, digits only: counts, tempo, month and day
    Positiv,    // PositivTasteFiltern: digits and one "." ("," becomes "."), no "-"
    Ganzzahl,   // GanzzahlTasteFiltern: digits and "-" (year of the date dialog)
};

inline constexpr char Rueckschritt = 8; // Backspace always passes

// The character a keystroke puts into a field whose text is `text`, or
// nothing when the keystroke is swallowed. "," may come back as ".".
std::optional<char> TasteFiltern(Filterart art, std::string_view text, char taste);
std::optional<char> ZahlTasteFiltern(std::string_view text, char taste, bool nurZiffern);
std::optional<char> PositivTasteFiltern(std::string_view text, char taste);
std::optional<char> GanzzahlTasteFiltern(std::string_view text, char taste);

// Text that reaches a field other than by typing (pasted, dropped, set by a
// program) goes through the same filter character by character, so a field
// never holds what could not have been typed: "1,5 km" -> "1.5" (Positiv).
std::string TextFiltern(Filterart art, std::string_view text);

// Removes every "-" after the first character: "5-3" -> "53", "-5-" -> "-5".
std::string MinusBereinigen(std::string text);

// A number in "." notation, the whole text consumed; nothing otherwise. A
// number too large for a double is +-infinity, so range checks clamp it.
std::optional<double> ZahlLesen(std::string_view text);
// The value of a start field: an empty or lone "-" text, and a text that is
// not yet a number while the user types it ("." or "-."), count as 0.
double StartWert(std::string_view text);

// The three validity ranges of a start day (class 1, 2, 3) with the keys of
// their message and of the field hint, from the one table of validity
// ranges (astro/Gueltigkeit): class 1 the outer planets' range, 2 the
// standard range, 3 the narrow range of high accuracy and the Moon.
struct Startbereich {
    double kleinster;
    double groesster;
    const char* meldung; // catalogue key, caption "eingabe.korrigieren"
    const char* hinweis; // catalogue key of the start field's hint
};
Startbereich BereichDerKlasse(int klasse);
// The common rule: class 3 with high accuracy or the Moon, class 1 when only
// bodies from Jupiter outwards are involved (no minor planet, no high
// accuracy), class 2 otherwise. The narrow-range flag of a field forces 3.
int StartKlasse(bool hoheGenauigkeitOderMond, bool nurJupiterBisPluto, bool schmal = false);

// StartzeitPruefen: the normalised text of a start field, its value, and
// whether it was out of range (then the text is the nearer bound and the
// class's message must be shown).
struct Startpruefung {
    std::string text;
    double wert = 0;
    bool ausserhalb = false;
};
Startpruefung StartzeitPruefen(std::string text, int klasse);

// The date label under a start field after an edit: "JD " and the Julian
// Date with 3 decimals in a field of 12, or the date "Y-MM-DD hh:mm".
std::string StartLabelText(double wert, bool alsJD);
// StartLabelAktualisieren (the "Julianisches Datum" refresh): "JD " and the
// shortest text of the Julian Date, or "Y-M-D hh:mm" without leading zeros.
std::string StartLabelAktualisieren(std::string_view feldtext, bool alsJD);

// The count dialog: the limit of its number, and the correction of its text
// ("" and 0 become "1", more than the limit becomes the limit).
int SofortGrenze(bool schrittModus, bool drehungDerFiguren, int schrittgrenze, int konstellationsgrenze);
std::string SofortBegrenzen(std::string_view text, int grenze);

// The fields of the start-date dialog. `korrigiert` means the text was
// replaced by a bound (the dialog then selects it and keeps the focus).
struct Feldkorrektur {
    std::string text;
    bool korrigiert = false;
};
// Year: a "-" that is not the first character is removed; below -5000 ->
// "-5000", above 7000 -> "7000". When the entry is complete (`fertig`: the
// field is left or read) "" becomes "0" and a lone "-" becomes "-0"; while
// the user types they stay, so that "-5000" can be typed into five places.
Feldkorrektur JahrPruefen(std::string_view text, bool fertig = true);
// Month (hoechster 12) and day (hoechster 31): above the highest -> the
// highest; when complete, "", "0", "00" -> "1" (while typing they stay, so
// that "07" does not turn into "17").
Feldkorrektur MonatTagPruefen(std::string_view text, int hoechster, bool fertig = true);
// The remembered text of a month or day entry: as typed when its value is
// above 9, else "0" + the text as typed ("1" -> "01", "01" -> "001").
std::string MonatTagMerken(std::string_view text);
// A remembered month or day as the dialog shows it: "001" -> "01".
std::string MonatTagAnzeigen(std::string_view gemerkt);

// A date the calendar does not have: a day past the end of its month
// (2023-02-30; February has 29 days in the leap years of the Julian calendar
// before 1582-10-15 and of the Gregorian one from then on) or one of the ten
// days the Gregorian reform dropped (1582-10-05 ... 1582-10-14). Gives the
// date the day number of the entry would fall on ("2023-03-02"), or nothing
// for a date that exists.
std::optional<std::string> DatumUnmoeglich(int jahr, int monat, int tag);
// A date as the date dialog names it in its messages: "2023-02-30".
std::string DatumNennen(int jahr, int monat, int tag);

} // namespace shell
