#pragma once
// Drawing of the solids and stars of "Platon/Kepler": the faces of a solid
// back to front (back faces dash-dot, front faces solid and thicker by
// zoom), the two star polyhedra with their twelve face colours or one
// colour, and the frame of the solid mode. The geometry is Polyeder's.

#include "figures/Ansicht.h"
#include "figures/Einstellungssatz.h"
#include "figures/Zeichenflaeche.h"
#include "mysterium/Polyeder.h"

#include <array>
#include <span>
#include <vector>

namespace mysterium {

// The face colour with number 1 .. 12 (0x00BBGGRR); parallel pentagram
// faces share one.
figures::Farbe Flaechenfarbe(int nummer);

// Pen width of a front face of solid k at zoom z; `mysterium` selects the
// widths of Kepler's Mysterium.
int Frontbreite(Koerper k, double zoom, bool mysterium);
// Whether the face at sorted position `nummer` (1 = farthest) with depth
// `tiefe` is a front face: the tetrahedron by its depth, the others by
// their place in the sorted order.
bool IstVorne(Koerper k, int nummer, double tiefe);

// Which faces of the tetrahedron a call draws (Kepler's Mysterium draws it
// in a back and a front pass).
enum class Durchgang { Alle, Hinten, Vorne };

struct Flaechenstil {
    figures::Farbe linie = 0;      // pen colour
    figures::Farbe fuellung = 0;   // brush colour of filled faces
    bool nurLinien = false;        // "nur Linien zeichnen": no fill
    bool mysterium = false;        // front widths of Kepler's Mysterium
    Durchgang durchgang = Durchgang::Alle;
};

// Draws the sorted faces von .. bis (1 = farthest) of solid k.
void FlaechenZeichnen(figures::Zeichenflaeche& z, Koerper k, std::span<const Flaeche> sortiert, int von, int bis,
                      double zoom, const Flaechenstil& stil);

struct Sternstil {
    figures::Farbe linie = 0;        // IntFarbeSterneLinie
    figures::Farbe einfarbig = 0;    // IntFarbeSterneFlaeche
    figures::Farbe hintergrund = 0;  // fill with "nur Linien zeichnen"
    bool zwoelfFarben = true;        // "Sterne einfarbig" checked: the twelve face colours
    bool nurLinien = false;
    int breite = 1;                  // pen width of the filled triangles
    int ersteGefuellte = 1;          // 11 for the Dodekaederstern: its ten farthest stay hidden
};

// Pen width of a star at zoom z.
int Sternbreite(double zoom);
// ... of the Dodekaederstern during the start animation, by its scale.
int Startsternbreite(double massstab);

// Draws the 60 sorted star triangles: filled from `ersteGefuellte`, then with
// "nur Linien zeichnen" all outlines again, width 1, dash-dot, no fill.
void SternZeichnen(figures::Zeichenflaeche& z, std::span<const Flaeche> sortiert, const Sternstil& stil);
// The filling triangles only (from `von`, 1-based); no outlines pass.
void SternFlaechen(figures::Zeichenflaeche& z, std::span<const Flaeche> sortiert, int von, const Sternstil& stil);
// Outlines of triangles von .. bis, width 1, dash-dot, no fill.
void SternUmrisse(figures::Zeichenflaeche& z, std::span<const Flaeche> sortiert, int von, int bis,
                  figures::Farbe linie);

// The menu items of the solid mode.
enum class Figur { Tetraeder, Hexaeder, Oktaeder, Ikosaeder, Dodekaeder, Dodekaederstern, Ikosaederstern };

struct Koerperwahl {
    std::array<bool, 7> figur{};     // checked items, indexed by Figur
    bool an(Figur f) const { return figur[static_cast<size_t>(f)]; }
};

// The switches a frame reads.
struct Koerperschalter {
    bool nurLinien = false;          // "nur Linien zeichnen"
    bool zwoelfFarben = true;        // "Sterne einfarbig" checked
    bool startanimation = false;     // the start animation's star widths
};

// The scale (Massstab) of a solid mode: 6 the tetrahedron, 8 the
// Ikosaederstern, 12 otherwise, 0.01 at the start of the start animation.
double KoerperMassstab(const Koerperwahl& w, bool startanimation);

// The solid mode: the tables of a run and the drawing of the checked solids
// and stars of one frame.
class Koerperbild {
public:
    // Builds and scales the tables for the checked items, turns the
    // dodecahedron by 108 degrees and sets the view's Massstab.
    void vorbereiten(const Koerperwahl& w, figures::Ansicht& a, bool startanimation);
    // The checked solids and stars, in the order tetrahedron, cube,
    // octahedron, icosahedron, dodecahedron, Dodekaederstern,
    // Ikosaederstern.
    void zeichnen(figures::Zeichenflaeche& z, figures::Ansicht& a, const figures::Einstellungssatz& s,
                  const Koerperschalter& sch);
    // One star alone (the start animation draws the Dodekaederstern).
    void sternZeichnen(figures::Zeichenflaeche& z, figures::Ansicht& a, const figures::Einstellungssatz& s,
                       bool dodeStern, const Koerperschalter& sch);

    Polyeder& polyeder() { return p_; }
    const Koerperwahl& wahl() const { return w_; }

private:
    Polyeder p_;
    Koerperwahl w_;
};

} // namespace mysterium
