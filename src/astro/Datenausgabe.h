#pragma once
// The data output table: the rows and the header block that the main
// window's output area lists while a representation runs, and that
// velmora-cli prints. Everything here produces text lines; where they go is
// decided by an Ausgabeziel (the window's memo, a list of lines, stdout).
//
// Cells of a row are joined with one tab. Numbers are fixed-point, width 14
// with 5 decimals, "." whatever the locale. Times are TD unless the format
// asks for UT (t - ΔT(t)); the time cell is "Y-MM-DD hh:mm" or, with the
// Julian-Date switch, the JD with 5 decimals in a field of 16.

#include "astro/Koerper.h"
#include "astro/Koordinaten.h"
#include "astro/Zeit.h"
#include "sprache/Sprache.h"

#include <span>
#include <string>
#include <vector>

namespace astro {

// Sexagesimal degrees of an angle in degrees: "ddd°mm'ss''" with the degrees
// in three characters (" 05", " 45", "123", "-05", "-45"). Seconds are
// rounded to tenths and then to whole seconds; 60 seconds carry into the
// minutes and 60 minutes into the degrees. 5.5 -> " 05°30'00''",
// -5.25 -> "-05°15'00''", 123.999999 -> "124°00'00''"; a negative angle that
// rounds to 0 is " 00°00'00''". Angles of -100 or less
// and above 999.9999 give "EingFehler".
std::string WinkelText(double grad);

// Ecliptic longitude (degrees) as zodiac sign and degrees within the sign:
// "Tau 15°30'00''" for 45.5. The longitude is first reduced to [0, 360); a
// value that rounds up to the end of a sign is shown as 0° of the next one
// (29.9999999° is "Tau 00°00'00''", 359.9999999° is "Ari 00°00'00''").
std::string TierkreisText(double laenge);

// The four format switches of the "Extras" menu, the Julian-Date switch, and
// whether the Moon representation runs (its radius stays in km).
struct Ausgabeformat {
    bool xyz = false;          // "Koordinaten (XYZ/LBR)": X, Y, Z instead of L, B, R
    bool astrologisch = false; // "Winkel (astrologisch/dezimal)": sign and sexagesimal (not with xyz)
    bool ae = false;           // "Entfernung (AE/km*10^6)": R in AU (not with xyz, not for the Moon)
    bool ut = false;           // "Zeit (UT/TD)": times in UT
    bool jd = false;           // "Julianisches Datum": time cell as JD
    bool mond = false;         // Moon representation: radius in km
};

// A number cell: width 14, 5 decimals, right-aligned.
std::string ZahlZelle(double wert);
// The time cell of a TD day number under the format.
std::string ZeitZelle(Tageszahl tag, const Ausgabeformat& f);
// The three cells of one body, "L\tB\tR" or "X\tY\tZ". The position is in
// 10^6 km (km for the Moon representation).
std::string KoerperZellen(const PositionXYZ& p, const Ausgabeformat& f);

// One row for one body (barycentre, Moon): Nummer, time, L, B, R.
std::string ZeileEinKoerper(int nummer, const PositionXYZ& p, Tageszahl tag, const Ausgabeformat& f);
// One row for two or three bodies: Nummer, time, then L, B, R of each body.
std::string ZeileMehrereKoerper(int nummer, std::span<const PositionXYZ> p, Tageszahl tag, const Ausgabeformat& f);
// The overview: the row is opened with Nummer and time, then every body
// appends "\tL\tB\tR".
std::string ZeilenAnfang(int nummer, Tageszahl tag, const Ausgabeformat& f);
std::string UeberblickZellen(const PositionXYZ& p, const Ausgabeformat& f);
// The long-term simulation: step counter and year (days since 1900 / 365.24219,
// rounded), then per planet "\te\ti" (i in degrees).
std::string LangzeitZeilenAnfang(int k, double tageSeit1900);
std::string LangzeitZellen(double exzentrizitaet, double inklinationGrad);

// A run's title line over its bodies: "+++++  Venus, Erde,   Zentrum: Sonne  +++++".
std::string Titelzeile(std::span<const KoerperNr> koerper, KoerperNr zentrum, sprache::Sprache s);

// What the header block needs to know about the run.
struct Kopfangaben {
    bool langzeit = false;           // long-term simulation block
    bool hoheGenauigkeit = false;
    bool praezession = false;
    bool rotationen = false;         // the rotations representation
    bool rotationErdeMond = false;   // ... with "Erde/Mond" as the rotating body
    bool konjunktionen = false;      // conjunctions are being sought
    bool drehungDerFiguren = false;  // "Drehung der Figuren": no header at all
    bool namenszeile = false;        // two or three bodies (and rotations): the names line
    std::string titelzeile;          // the run's title line (built by the run)
    std::string ueberblickNamen;     // the overview's names line, prepared by its run (may be empty)
    // Bodies of the column groups (one group each) and of the names line; the
    // planets of the long-term simulation.
    std::vector<KoerperNr> koerper;
    KoerperNr zentrum = koerper::Sonne; // a body that is the centre is named "So"
};

// DatenAusgabeBeschriftung: the header block, one string per line (empty
// strings are blank lines), in the given language.
std::vector<std::string> DatenAusgabeBeschriftung(const Kopfangaben& k, const Ausgabeformat& f, sprache::Sprache s);
std::vector<std::string> DatenAusgabeBeschriftung(const Kopfangaben& k, const Ausgabeformat& f);

// Where the lines of the table go.
class Ausgabeziel {
public:
    virtual ~Ausgabeziel() = default;
    // A new line at the end.
    virtual void zeileAnfuegen(const std::string& zeile) = 0;
    // Text appended to the last line (overview and long-term cells).
    virtual void anhaengen(const std::string& text) = 0;
};

// Lines kept in memory (velmora-cli, tests).
class Zeilenspeicher : public Ausgabeziel {
public:
    void zeileAnfuegen(const std::string& zeile) override { zeilen.push_back(zeile); }
    void anhaengen(const std::string& text) override;
    std::vector<std::string> zeilen;
};

// The table of a run: the format in force and the row writers, all
// going to one Ausgabeziel. Rows whose number exceeds `zeilengrenze` are not
// written by the single-body writer.
class Datenausgabe {
public:
    Ausgabeformat format;
    int zeilengrenze = 10000;

    void zielSetzen(Ausgabeziel* ziel) { ziel_ = ziel; }
    Ausgabeziel* ziel() const { return ziel_; }

    void Beschriftung(const Kopfangaben& k);
    void DatenAusgabe(int nummer, const PositionXYZ& p, Tageszahl tag);
    void DatenAusgabe3P(int nummer, std::span<const PositionXYZ> p, Tageszahl tag);
    void UeberblickZeileBeginnen(int nummer, Tageszahl tag);
    void DatenAusgabeUe(const PositionXYZ& p);
    void LangzeitZeileBeginnen(int k, double tageSeit1900);
    void DatenAusgabeLZ(double exzentrizitaet, double inklinationGrad);

private:
    void zeile(const std::string& z);
    void anhaengen(const std::string& t);
    Ausgabeziel* ziel_ = nullptr;
};

} // namespace astro
