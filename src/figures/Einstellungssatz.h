#pragma once
// The user's settings: colours, point sizes, line widths, the star background,
// and the program's flags and levels.
//
// The record exists twice at run time (see Einstellungen below): the set in
// use, which every drawing routine reads, and the user's own set, which alone
// is stored. "Standard wiederherstellen" swaps the set in use between the
// factory defaults and the user's choices without losing the latter.
//
// Field names are the value names of the settings store, so the drawing code,
// the store and the menu commands all speak of `IntFarbeBahnen`, `IntA`, ...
// Colours are 24-bit 0x00BBGGRR (red in the low byte). Sizes and widths are
// whole pixels.
//
// Every stored value is declared once in einstellungsTabelle(): its section,
// value name, type, default, range and which field it lives in. Reading,
// writing and validation all go through that table.

#include "figures/Farbe.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace figures {

constexpr int AnzahlKoerperfarben = 22;   // IntFarbePlanet 0 ... 21
constexpr int AnzahlBenutzerKoerperfarben = 11;  // entries 0 ... 10 are the user's (Sun ... Pluto, Moon)
constexpr int AnzahlDialogfarben = 16;    // custom colours of the colour dialog
constexpr int KoerpercodeMond = 22;       // code of the Moon in drawing lists

// Fill colours of the bodies, entries 0 ... 21: 0 Sun, 1 ... 9 Mercury ... Pluto,
// 10 Moon, 11 ... 21 further bodies.
constexpr std::array<Farbe, AnzahlKoerperfarben> StandardKoerperfarben = {
    0x00FFFF,                                                                         // Sun
    0x808080, 0x008000, 0xFF0000, 0x0000FF, 0xC0C0C0, 0xFF00FF, 0x008080, 0x800000, 0x800080,  // Mercury ... Pluto
    0xF0CAA6,                                                                         // Moon
    0x8080E4, 0x008064, 0xFF0064, 0x000163, 0xC0C124, 0xFF0163, 0x0080E4, 0x800064, 0x8000E4, 0xF0CB0A, 0x010063,
};

// The built-in Sun radius of the barycentre representation for a screen of
// the given size in pixels: round(height / 5.8 * width / 1024).
int StandardASonneBary(int bildschirmBreite, int bildschirmHoehe);

struct Einstellungssatz {
    // --- Colours ("Farbzuweisungen") ---------------------------------------
    Farbe IntFarbeHintergrund = 0x000000;      // background
    Farbe IntFarbeBahnen = 0xFFFFFF;           // orbits, scale bar, legend text
    Farbe IntFarbeSonnenbahn = 0x00FFFF;       // the Sun's orbit in a planetocentric 2-planet view
    Farbe IntFarbeRG = 0x808000;               // link lines
    Farbe IntFarbeFuehrungslinie = 0x00FFFF;   // guide line / line of vision
    Farbe IntFarbeMondSpur = 0xDDFFFF;         // Moon / barycentre track
    Farbe IntFarbeBahn2 = 0x0080FF;            // second orbit, planetocentric
    Farbe IntFarbeLiniePlaneten = 0xFFFFFF;    // edge of planet discs
    Farbe IntFarbeMondPktFuell = 0x800000;     // fill of Moon / barycentre points
    Farbe IntFarbeMondPktRand = 0xF0CAA6;      // edge of Moon / barycentre points
    Farbe IntFarbeMondLinien = 0x0000FF;       // Moon / barycentre lines
    Farbe IntFarbeSterneLinie = 0x00FFFF;      // lines of the star polyhedra
    Farbe IntFarbeSterneFlaeche = 0x800000;    // faces of the star polyhedra
    Farbe IntFarbeLinieMystT = 0x0000FF;       // Mysterium tetrahedron
    Farbe IntFarbeLinieMystH = 0x00FF00;       // Mysterium hexahedron
    Farbe IntFarbeLinieMystO = 0xFFFF00;       // Mysterium octahedron
    Farbe IntFarbeLinieMystD = 0x00FFFF;       // Mysterium dodecahedron
    Farbe IntFarbeLinieMystI = 0xFF0000;       // Mysterium icosahedron
    Farbe IntFarbeTierkreis = 0x0000FF;        // zodiac signs / constellations
    std::array<Farbe, AnzahlKoerperfarben> IntFarbePlanet = StandardKoerperfarben;  // body fills
    Farbe IntFarbeMittelpunkteRG = 0x800000;   // edge of link-line mid-points
    Farbe IntFarbeFuellungMittelp = 0x0000FF;  // fill of link-line mid-points
    Farbe IntFarbeLinienzug = 0xF0CAA6;        // polyline through the mid-points
    Farbe IntFarbePositionenP2 = 0xFF0000;     // fill of planet-2 positions
    Farbe IntFarbeRandP2 = 0x0000FF;           // edge of planet-2 positions
    Farbe IntFarbeLinienP2 = 0xDDFFFF;         // connecting lines of planet 2
    Farbe IntFarbePositionenP3 = 0x00FFFF;     // fill of planet-3 positions
    Farbe IntFarbeRandP3 = 0x0000FF;           // edge of planet-3 positions
    Farbe IntFarbeLinienP3 = 0xFFFF00;         // connecting lines of planet 3
    Farbe IntFarbeFuellungKonj = 0x0000FF;     // conjunction positions
    Farbe IntFarbeLinienKonj = 0xFFFF00;       // conjunction star lines
    Farbe IntFarbeFuellungOppo = 0x800080;     // opposition positions
    Farbe IntFarbeLinienOppo = 0x00FF00;       // opposition star lines

    // --- Star background ("SternHintergrund") ------------------------------
    int IntBilditem = -1;                      // -1 none, 0 ... 2 = star pictures 1 ... 3

    // --- Sizes and widths in pixels ("PunkteUndLinienStaerken") ------------
    int IntA = 5;                              // planet radius
    int IntA2 = 4;                             // radius of other points
    int IntASonne = 8;                         // Sun radius
    int IntASonneBary = 132;                   // Sun radius in the barycentre representation (screen-derived, see StandardASonneBary)
    int IntBahndicke = 1;                      // orbit line width
    int IntLiniendicke = 1;                    // width of other lines
    int IntRanddicke = 1;                      // width of edges

    // --- Flags and levels ---------------------------------------------------
    // These exist once in the program: Einstellungen keeps them equal in
    // both sets.
    bool BoolSprache = false;                  // true German, false English ("Sprache")
    bool BoolZitateAnzeigen = true;            // quotation panel at start and end ("ZitateAnzeigen")
    bool BoolAnfangsanimation = true;          // start animation ("Anfangsanimation")
    bool BoolBeschriftung = true;              // true normal lettering, false larger ("Einstellungen")
    bool BoolGenauigkeit = false;              // high accuracy ("Einstellungen")
    int IntAnzahlBerechn = 1;                  // "Anzahl Berechnungen": 1 niedrig, 2 mittel, 3 hoch
    int IntAnzahlBahnpunkte = 1;               // orbit point factor: 1, 2, 4, 8

    // --- Place of the control panel ("Bedienfeld") -------------------------
    // The screen position of the panel's frame where the user left it, in
    // pixels; KeinOrt until the panel has been moved once (it then opens
    // below the main window's menu bar). One value for both sets.
    static constexpr int KeinOrt = -32768;
    int IntBedienfeldLinks = KeinOrt;
    int IntBedienfeldOben = KeinOrt;

    // --- Custom colours of the colour dialog ("Dialogfarben") --------------
    std::array<Farbe, AnzahlDialogfarben> IntDialogFarbe{};

    bool operator==(const Einstellungssatz&) const = default;
};

// The factory defaults, with the barycentre Sun radius of the given screen.
Einstellungssatz Werkseinstellungen(int aSonneBary);

// Fill colour of a body in a drawing list: codes 0 ... 21 are the body
// numbers (0 Sun ... 9 Pluto, 10 Ceres ... 21 Sedna) and address
// IntFarbePlanet directly; code 22, the Moon, uses entry 10, the Moon's
// entry (which Ceres shares). Other codes yield the orbit colour.
Farbe KoerperFarbe(const Einstellungssatz& s, int koerpercode);

// The colour table the drawing addresses by index: 1 ... 12 orbits ... star
// polyhedron faces, 27 ... 31 the Mysterium solids, 37 the zodiac, 39 + n the
// body fills, 0 the background. Other indices (the places of the user copies
// in the original table) yield the background.
Farbe FarbeNachTabellenindex(const Einstellungssatz& s, int index);

// Legend distance from the drawing area's right edge for the lettering.
inline int LegendenAbstand(const Einstellungssatz& s) { return s.BoolBeschriftung ? 166 : 200; }

// ---------------------------------------------------------------------------
// The declarative table of stored values.

enum class Werttyp {
    Farbe,       // integer 0 ... 0xFFFFFF
    Ganzzahl,    // integer within [minimum, maximum] or one of `erlaubt`
    Wahrheit,    // boolean
    Farbtext,    // colour written as text, six hex digits BBGGRR (dialog colours)
};

enum class Zugehoerigkeit {
    BeideSaetze,   // exists in the set in use and in the user's set
    Einmal,        // flags, levels, dialog colours: one value serves both sets
};

struct Einstellungswert {
    std::string abschnitt;           // INI group, e.g. "Farbzuweisungen"
    std::string name;                // value name as written, e.g. "IntBahnDicke"; read without regard to case
    Werttyp typ;
    Zugehoerigkeit zugehoerigkeit;
    long long minimum = 0;
    long long maximum = 0;
    std::vector<long long> erlaubt;  // if not empty: the only valid values
    bool schreiben = true;           // false: read at start, never written back (body fills 11 ... 21)

    // Access to the field in a set.
    long long (*lesen)(const Einstellungssatz&, int index) = nullptr;
    void (*setzen)(Einstellungssatz&, int index, long long wert) = nullptr;
    int index = 0;                   // array index for IntFarbePlanet / IntDialogFarbe

    long long wert(const Einstellungssatz& s) const { return lesen(s, index); }
    void wertSetzen(Einstellungssatz& s, long long w) const { setzen(s, index, w); }
    // Within range / allowed set.
    bool gueltig(long long w) const;
};

// Every stored value, in the order they are read and written: the body
// fills first, then the other colours, the dialog colours, the star
// background, sizes and widths, the flags, the levels and the place of the
// control panel.
const std::vector<Einstellungswert>& einstellungsTabelle();

// The entry with the given value name (case-insensitive), or nullptr.
const Einstellungswert* einstellungswertNachName(const std::string& abschnitt, const std::string& name);

// Sets every field whose value is out of range back to its default in
// `vorgaben`. Returns the number of fields corrected.
int einstellungenPruefen(Einstellungssatz& s, const Einstellungssatz& vorgaben);

// Dialog colour text form: six hex digits BBGGRR, upper case.
std::string farbText(Farbe f);
// Parses six (or fewer) hex digits; false on anything else.
bool farbTextLesen(const std::string& text, Farbe& f);

// ---------------------------------------------------------------------------
// The two sets and the state around them.

class Einstellungen {
public:
    explicit Einstellungen(int aSonneBaryStandard = Einstellungssatz{}.IntASonneBary);

    // The set every drawing reads.
    const Einstellungssatz& aktuell() const { return aktuelleEinstellungen; }
    // The user's own choices, which alone are stored.
    const Einstellungssatz& benutzer() const { return benutzerEinstellungen; }
    const Einstellungssatz& werkseinstellungen() const { return werk_; }

    // True while the user's set is in use, false while the factory defaults are.
    bool benutzerEinstellungenAktiv() const { return benutzerAktiv_; }

    // After reading the store: the set read becomes the set in use and the
    // user's set (body fills 0 ... 10 only; 11 ... 21 of the user's set stay
    // at their defaults and are never written).
    void eingelesen(const Einstellungssatz& gelesen);

    // A changed setting goes into both sets (a colour chosen while the
    // factory defaults are in use is thus kept by the second toggle).
    template <typename T>
    void setzen(T Einstellungssatz::*feld, const T& wert)
    {
        aktuelleEinstellungen.*feld = wert;
        benutzerEinstellungen.*feld = wert;
    }
    void koerperfarbeSetzen(int eintrag, Farbe f);
    void wertSetzen(const Einstellungswert& w, long long wert);

    // Only the set in use (the barycentre Sun radius the user edits for one
    // run).
    Einstellungssatz& aktuellVeraendern() { return aktuelleEinstellungen; }

    // "Standard wiederherstellen": toggles the set in use between the factory
    // defaults and the user's set. Flags, levels and dialog colours are not
    // affected. Returns the new state of benutzerEinstellungenAktiv().
    bool standardUmschalten();

private:
    Einstellungssatz aktuelleEinstellungen;
    Einstellungssatz benutzerEinstellungen;
    Einstellungssatz werk_;
    bool benutzerAktiv_ = true;
};

} // namespace figures
