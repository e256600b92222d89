#pragma once
// Geometry of the five Platonic solids and the two star polyhedra: the vertex
// tables in each solid's own frame, the faces, the star triangles with their
// colour numbers, the projection of the faces with a depth per face and the
// depth sort `ArraySortierenDK`.
//
// Coordinates are plain numbers in the solid's frame (in Kepler's Mysterium
// 10^6 km after scaling); they are projected with the one projection of
// figures::Ansicht, so the view angles, the zoom and Massstab apply. Plain
// C++, no allocation after construction.

#include "figures/Ansicht.h"
#include "figures/Zeichenflaeche.h"

#include <array>
#include <cstddef>
#include <span>

namespace mysterium {

// The golden ratio and the common circumradius of the icosahedron and
// dodecahedron tables: rho = sqrt(3) / 2 x 2 sqrt(5 - 2 sqrt(5)).
inline constexpr double Phi = 1.6180339887498948482;
inline constexpr double Rho = 1.2584085723648186;

enum class Koerper { Tetraeder, Hexaeder, Oktaeder, Ikosaeder, Dodekaeder };

struct Vektor {
    double x = 0, y = 0, z = 0;
};

// One vertex after projection: its pixel, its depth (positive towards the
// viewer) and its turned x, y (in the solid's units).
struct Bildpunkt {
    int px = 0, py = 0;
    double tiefe = 0;
    double drehX = 0, drehY = 0;
};

// A projected face: up to five pixel points, the mean depth of its vertices,
// and for star triangles the colour number 1 .. 12 (0 for solid faces).
struct Flaeche {
    std::array<figures::Punkt, 5> punkte{};
    int anzahl = 0;
    double tiefe = 0;
    int farbe = 0;
    int nummer = 0; // index of the face (or triangle) in its table, from 0
};

// A star triangle: apex vertex and base edge (indices from 0) with its
// colour number. The Dodekaederstern's apex is an icosahedron vertex and its
// base a dodecahedron edge; the Ikosaederstern's the other way round.
struct Sterndreieck {
    int spitze;
    int basis1, basis2;
    int farbe;
};

inline constexpr int Dreiecksanzahl = 60;

// The face tables: vertex indices from 0, each face a cyclic list.
extern const std::array<std::array<int, 3>, 4> TetraederFlaechen;
extern const std::array<std::array<int, 4>, 6> HexaederFlaechen;
extern const std::array<std::array<int, 3>, 8> OktaederFlaechen;
extern const std::array<std::array<int, 3>, 20> IkosaederFlaechen;
extern const std::array<std::array<int, 5>, 12> DodekaederFlaechen;
extern const std::array<Sterndreieck, Dreiecksanzahl> DodeSternDreiecke;
extern const std::array<Sterndreieck, Dreiecksanzahl> IkoSternDreiecke;

// Number of faces of a solid (4, 6, 8, 20, 12).
int Flaechenanzahl(Koerper k);

// The colour numbers of a pair of parallel pentagram faces share one colour:
// 1 and 12, 2 and 10, 3 and 11, 4 and 7, 5 and 8, 6 and 9. Returns the
// partner of n (1 .. 12).
int ParallelFarbe(int n);

// The exchange sort of the face records: farthest (smallest depth) first;
// swaps only when the earlier face lies strictly nearer, so equal depths keep
// their order.
void ArraySortierenDK(std::span<Flaeche> f);

class Polyeder {
public:
    Polyeder();

    // The tables in their built form (circumradius 3 for the tetrahedron,
    // sqrt(3) for cube and octahedron, rho for icosahedron and dodecahedron).
    void EckpunkteTHO();
    void EckpunkteIko();
    void EckpunkteDode();
    void allesNeu() { EckpunkteTHO(); EckpunkteIko(); EckpunkteDode(); }
    // Turns the dodecahedron by 108 degrees about z, so that its faces sit
    // under the icosahedron's vertices (the star tables need that).
    void DodekaederDrehen108();
    // Scales the table of a solid in place.
    void skalieren(Koerper k, double faktor);
    // Kepler's Mysterium: each circumsphere gets the mean distance from the
    // Sun (10^6 km) of the planet outside it.
    void aufBahnenSkalieren();

    std::span<const Vektor> ecken(Koerper k) const;
    std::span<Vektor> ecken(Koerper k);

    // Projects every vertex of a solid.
    void projizieren(Koerper k, figures::Ansicht& a);
    std::span<const Bildpunkt> bildpunkte(Koerper k) const;

    // Builds the face records of a projected solid (table order) and sorts
    // them, farthest first. Returns the sorted faces.
    std::span<const Flaeche> flaechenSortiert(Koerper k);
    // The 60 triangles of a star from the projected icosahedron and
    // dodecahedron, sorted farthest first.
    std::span<const Flaeche> DodeSternKoordinaten();
    std::span<const Flaeche> IkoSternKoordinaten();

    // The icosahedron vertices nearest the viewer (largest and second
    // largest depth) of its last projection, indices from 0.
    int naechsteIkoEcke() const { return naechste_[0]; }
    int zweitnaechsteIkoEcke() const { return naechste_[1]; }

private:
    std::span<Bildpunkt> bild(Koerper k);
    std::span<Flaeche> flaechen(Koerper k);
    std::span<const Flaeche> sternBilden(const std::array<Sterndreieck, Dreiecksanzahl>& tab, Koerper spitzen,
                                         Koerper basen);

    std::array<Vektor, 4> t_{};
    std::array<Vektor, 8> h_{};
    std::array<Vektor, 6> o_{};
    std::array<Vektor, 12> i_{};
    std::array<Vektor, 20> d_{};
    std::array<Bildpunkt, 4> tb_{};
    std::array<Bildpunkt, 8> hb_{};
    std::array<Bildpunkt, 6> ob_{};
    std::array<Bildpunkt, 12> ib_{};
    std::array<Bildpunkt, 20> db_{};
    std::array<Flaeche, 4> tf_{};
    std::array<Flaeche, 6> hf_{};
    std::array<Flaeche, 8> of_{};
    std::array<Flaeche, 20> if_{};
    std::array<Flaeche, 12> df_{};
    std::array<Flaeche, Dreiecksanzahl> stern_{};
    std::array<int, 2> naechste_{0, 0};
};

} // namespace mysterium
