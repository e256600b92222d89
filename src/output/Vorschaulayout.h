#pragma once
// The geometry of the print preview: the sheet on the screen laid out from
// the printer's paper and margins, the picture on it, moving and resizing it
// with the mouse, and its place on the paper in printer pixels. Plain
// arithmetic, so that the window (TForm2) only paints and forwards events.
//
// Screen values are pixels of the preview's client area; paper values are
// thousandths of an inch; printer values are the printer's pixels, measured
// from the origin of its printable area.

namespace output {

// A rectangle by its four edges.
template <class T> struct Kanten {
    T links{}, oben{}, rechts{}, unten{};
    bool operator==(const Kanten&) const = default;
};
using Ganzkanten = Kanten<int>;
using Gleitkanten = Kanten<double>;

// Each edge rounded: the integer rectangle a picture is painted into (its
// left and top rounded, then its rounded width and height).
Ganzkanten Gerundet(const Gleitkanten& k);

// What a printer says of its page, in its pixels.
struct Druckerseite {
    int versatzX = 0, versatzY = 0;     // origin of the printable area on the paper
    int papierBreite = 0, papierHoehe = 0; // the paper (0: as the printable area)
    int druckBreite = 0, druckHoehe = 0;   // the printable area
    int dpi = 600;                         // horizontal resolution, dots per inch
    bool hochformat = true;
};

// A rectangle of printer pixels: left, top, width, height.
struct Druckrechteck {
    int links = 0, oben = 0, breite = 0, hoehe = 0;
    bool operator==(const Druckrechteck&) const = default;
};

enum class Zeiger { Standard, Groesse, Ziehen };

class Vorschaulayout {
public:
    // FormActivate: the client size and the picture's size.
    void aktivieren(int clientBreite, int clientHoehe, int bildBreite, int bildHoehe);
    // DruckerAbfragen: the paper and its margins, the sheet, the picture at
    // its first place.
    void DruckerAbfragen(const Druckerseite& d);

    // FormMouseDown: a press within the catch distance of a corner starts
    // resizing, one well inside the picture starts moving.
    void mausDruck(int x, int y);
    // FormMouseMove: the cursor for the pointer; resizing keeps the centre
    // and the aspect, moving follows the pointer. Returns the cursor.
    Zeiger mausBewegung(int x, int y);
    // FormMouseUp: true when a resize or a move ended (the window paints
    // the picture at its new place).
    bool mausLos();

    // The picture's integer rectangle on the screen (as painted).
    Ganzkanten bildPixel() const;
    // The printable area on the screen.
    Ganzkanten druckbereich() const;
    // The picture on the paper, in printer pixels from the printable origin.
    Druckrechteck druckrechteck() const;

    // --- State (the names of the preview) ---
    int clientBreite = 0, clientHoehe = 0;
    int Griffweite = 0;
    int RandOben = 0;
    double Bildseitenverhaeltnis = 1;
    int Papierbreite = 0, Papierhoehe = 0;
    Ganzkanten Versatz;      // non-printable margins
    double Aufloesung = 1;   // thousandths of an inch per printer pixel
    bool Hochformat = true;
    Ganzkanten Blatt;
    double Druckmassstab = 1; // thousandths of an inch per screen pixel
    Gleitkanten Raender;
    Gleitkanten Bild;
    double BildMitteX = 0, BildMitteY = 0;
    int Mausmodus = 0;       // 0 none, 1 resizing, 2 moving
    Gleitkanten Ausgangsbild;
    int letzterMausX = 0, letzterMausY = 0;
    // The last resize factor, kept for the whole program run (0 before the
    // first resize).
    static double Groessenfaktor;

private:
    bool inEcke(int x, int y) const;
    void mitteSetzen();
};

} // namespace output
