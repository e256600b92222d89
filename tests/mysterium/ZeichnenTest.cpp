// The drawing of the solids and stars, the phases of the metamorphosis, the
// start animation's spiral and the layer order of Kepler's Mysterium,
// checked on the recording canvas.
#include "figures/Aufzeichnungsflaeche.h"
#include "mysterium/Keplerschalen.h"
#include "mysterium/Metamorphose.h"
#include "mysterium/Startanimation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

using namespace mysterium;
using figures::Aufzeichnung;
using figures::Aufzeichnungsflaeche;

namespace {

figures::Ansicht Blick(double zoom = 10)
{
    figures::Ansicht a;
    a.GroesseSetzen(800, 600);
    a.Zoom = zoom;
    return a;
}

} // namespace

TEST(Koerperzeichnen, VorderflaechenDickerRueckseitenStrichPunkt)
{
    figures::Ansicht a = Blick();
    a.WinkelSetzenGrad(0, -30, 15);
    Koerperwahl w;
    w.figur[static_cast<size_t>(Figur::Hexaeder)] = true;
    Koerperbild b;
    b.vorbereiten(w, a, false);
    EXPECT_DOUBLE_EQ(a.Massstab, 12.0);
    Aufzeichnungsflaeche z;
    const figures::Einstellungssatz s;
    b.zeichnen(z, a, s, {});
    const auto p = z.nurArt(Aufzeichnung::Art::Polygon);
    ASSERT_EQ(p.size(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        const bool vorne = i >= 3;
        EXPECT_EQ(p[i].stiftStil, vorne ? figures::Stiftstil::Durchgezogen : figures::Stiftstil::StrichPunkt);
        EXPECT_EQ(p[i].stiftBreite, vorne ? 3 : 1) << "zoom 10: width 3";
        EXPECT_EQ(p[i].pinselStil, figures::Pinselstil::Voll);
        EXPECT_EQ(p[i].pinselFarbe, s.IntFarbeSterneFlaeche);
    }
    z.leeren();
    Koerperschalter linien;
    linien.nurLinien = true;
    b.zeichnen(z, a, s, linien);
    for (const auto& e : z.nurArt(Aufzeichnung::Art::Polygon))
        EXPECT_EQ(e.pinselStil, figures::Pinselstil::Keiner);
}

TEST(Koerperzeichnen, Frontbreiten)
{
    EXPECT_EQ(Frontbreite(Koerper::Tetraeder, 10, false), 3);
    EXPECT_EQ(Frontbreite(Koerper::Tetraeder, 4, false), 2);
    EXPECT_EQ(Frontbreite(Koerper::Tetraeder, 1, true), 3);
    EXPECT_EQ(Frontbreite(Koerper::Tetraeder, 2, true), 4);
    EXPECT_EQ(Frontbreite(Koerper::Hexaeder, 1, true), 4);
    EXPECT_EQ(Frontbreite(Koerper::Oktaeder, 9.6, false), 3);
    EXPECT_EQ(Frontbreite(Koerper::Oktaeder, 9.7, true), 4);
    EXPECT_EQ(Frontbreite(Koerper::Ikosaeder, 3, false), 1);
    EXPECT_EQ(Frontbreite(Koerper::Dodekaeder, 2.6, true), 2);
}

TEST(Koerperzeichnen, SterneInZwoelfFarbenOderEinfarbig)
{
    figures::Ansicht a = Blick();
    a.WinkelSetzenGrad(25, -40, 10);
    const figures::Einstellungssatz s;
    for (bool dode : {true, false}) {
        Koerperwahl w;
        w.figur[static_cast<size_t>(dode ? Figur::Dodekaederstern : Figur::Ikosaederstern)] = true;
        Koerperbild b;
        b.vorbereiten(w, a, false);
        EXPECT_DOUBLE_EQ(a.Massstab, dode ? 12.0 : 8.0);
        Aufzeichnungsflaeche z;
        b.zeichnen(z, a, s, {});
        auto p = z.nurArt(Aufzeichnung::Art::Polygon);
        // The Dodekaederstern leaves its ten farthest triangles out.
        ASSERT_EQ(p.size(), dode ? 50u : 60u);
        std::set<figures::Farbe> farben;
        for (const auto& e : p) {
            farben.insert(e.pinselFarbe);
            EXPECT_EQ(e.stiftBreite, 3);
        }
        EXPECT_EQ(farben.size(), 6u) << "six shades, parallel faces alike";
        z.leeren();
        Koerperschalter ein;
        ein.zwoelfFarben = false;
        b.zeichnen(z, a, s, ein);
        for (const auto& e : z.nurArt(Aufzeichnung::Art::Polygon))
            EXPECT_EQ(e.pinselFarbe, s.IntFarbeSterneFlaeche);
        z.leeren();
        Koerperschalter linien;
        linien.nurLinien = true;
        b.zeichnen(z, a, s, linien);
        p = z.nurArt(Aufzeichnung::Art::Polygon);
        ASSERT_EQ(p.size(), (dode ? 50u : 60u) + 60u);
        EXPECT_EQ(p.front().pinselFarbe, s.IntFarbeHintergrund);
        EXPECT_EQ(p.back().pinselStil, figures::Pinselstil::Keiner);
        EXPECT_EQ(p.back().stiftStil, figures::Stiftstil::StrichPunkt);
    }
}

TEST(Metamorphose, PhasenUmskalierungUndWartezeiten)
{
    EXPECT_EQ(MetamorphoseWartezeit(1), 200);
    EXPECT_EQ(MetamorphoseWartezeit(3), 70);
    EXPECT_EQ(MetamorphoseWartezeit(10), 0);
    EXPECT_EQ(MetamorphosePhase(0), 1);
    EXPECT_EQ(MetamorphosePhase(29), 1);
    EXPECT_EQ(MetamorphosePhase(30), 2);
    EXPECT_EQ(MetamorphosePhase(359), 12);

    figures::Ansicht a = Blick();
    a.WinkelSetzenGrad(10, 20, 0);
    const figures::Einstellungssatz s;
    Metamorphose m;
    m.beginnen(a, true);
    Aufzeichnungsflaeche z;
    auto radius = [&](Koerper k) {
        const Vektor v = m.polyeder().ecken(k)[0];
        return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
    };
    int c = 0;
    std::vector<int> phasen;
    double massstabPhase7 = 0;
    for (int bild = 1; bild <= 361; ++bild) {
        ++c;
        m.bild(c, z, a, s, true);
        phasen.push_back(m.phase());
        if (m.phase() == 7)
            massstabPhase7 = a.Massstab;
        if (m.phase() == 3) {
            EXPECT_TRUE(m.nurLinien());
        }
        if (m.phase() == 5) {
            EXPECT_FALSE(m.nurLinien()) << "phase 4 fills the faces";
        }
        if (m.phase() == 9) {
            EXPECT_NEAR(radius(Koerper::Dodekaeder), 3.0, 1e-9);
            EXPECT_NEAR(radius(Koerper::Ikosaeder), Rho, 1e-9);
            EXPECT_DOUBLE_EQ(a.Massstab, 8.0);
        }
    }
    EXPECT_EQ(phasen[28], 1);
    EXPECT_EQ(phasen[29], 2) << "frame 30 is the first of phase 2";
    EXPECT_EQ(phasen[358], 12);
    EXPECT_EQ(phasen[359], 1) << "frame 360 starts the cycle again";
    EXPECT_EQ(c, 1) << "frame 361 is the first frame of the new cycle";
    // Phase 6 shrinks the scale by 0.25 in each of its 30 frames.
    EXPECT_DOUBLE_EQ(massstabPhase7, 4.5);
    // After the cycle the tables are as at the start.
    EXPECT_NEAR(radius(Koerper::Dodekaeder), Rho, 1e-9);
    EXPECT_NEAR(radius(Koerper::Ikosaeder), std::sqrt(5.0), 1e-9);
    EXPECT_DOUBLE_EQ(a.Massstab, 12.0);
}

TEST(Metamorphose, PausiertesBildSchrumpftNichtWeiter)
{
    // Paused, the engine steps the counter back and the frame counts it up
    // again: the same frame, drawn again, leaves the scale as it is.
    figures::Ansicht a = Blick();
    const figures::Einstellungssatz s;
    Metamorphose m;
    m.beginnen(a, false);
    Aufzeichnungsflaeche z;
    int c = 0;
    for (int i = 0; i < 155; ++i) {
        ++c;
        m.bild(c, z, a, s, true);
    }
    ASSERT_EQ(m.phase(), 6);
    const double massstab = a.Massstab;
    for (int i = 0; i < 20; ++i) {
        --c;
        ++c;
        m.bild(c, z, a, s, true);
    }
    EXPECT_DOUBLE_EQ(a.Massstab, massstab);
    ++c;
    m.bild(c, z, a, s, true);
    EXPECT_DOUBLE_EQ(a.Massstab, massstab - 0.25);
}

TEST(Metamorphose, PhaseZweiHebtSternkantenHervor)
{
    figures::Ansicht a = Blick();
    const figures::Einstellungssatz s;
    Metamorphose m;
    m.beginnen(a, true);
    Aufzeichnungsflaeche z;
    int c = 44; // phase 2
    m.bild(c, z, a, s, true);
    EXPECT_EQ(m.phase(), 2);
    // Seen from the pole, the nearest star point is I1 (depth sqrt 5).
    EXPECT_EQ(m.hervorgehoben()[0], 0);
    EXPECT_EQ(m.hervorgehoben()[1], -1);
    int breite = 0;
    for (const auto& e : z.nurArt(Aufzeichnung::Art::Linie))
        breite += e.stiftBreite == 3 && e.stiftFarbe == s.IntFarbeSterneLinie;
    EXPECT_EQ(breite, 5);
}

TEST(Startanimation, ParameterAusDerZufallsquelle)
{
    std::vector<int> folge = {4, 0, 1, 1, 0, 40};
    size_t i = 0;
    const Startparameter p = StartparameterZiehen([&](int n) {
        EXPECT_LT(folge[i], n);
        return folge[i++];
    });
    EXPECT_DOUBLE_EQ(p.vorgabeGrad, 90);
    EXPECT_EQ(p.ankunftX, 1);
    EXPECT_EQ(p.ankunftY, -1);
    EXPECT_EQ(p.abflugX, -1);
    EXPECT_EQ(p.abflugY, 1);
    EXPECT_NEAR(p.theta0, 2.8 * 3.14159265358979323846, 1e-12);
    // A seed gives the same parameters every time.
    const Startparameter a = StartparameterZiehen(ZufallAusSaat(7)), b = StartparameterZiehen(ZufallAusSaat(7));
    EXPECT_EQ(a.vorgabeGrad, b.vorgabeGrad);
    EXPECT_EQ(a.theta0, b.theta0);
}

TEST(Startanimation, SpiraleHaltenUndAbflug)
{
    Startparameter p;
    p.vorgabeGrad = 18;
    p.ankunftX = -1;
    p.theta0 = 2.4 * 3.14159265358979323846;
    Startanimation s(p);
    figures::Ansicht a = Blick();
    ASSERT_TRUE(s.weiter(a, false));
    EXPECT_NEAR(s.massstab(), 0.01 + 8.1 / 540, 1e-12);
    EXPECT_NEAR(s.theta(), p.theta0 * 539 / 540, 1e-12);
    EXPECT_EQ(a.MitteX, 400 - static_cast<int>(std::lround(std::cos(s.theta()) * s.theta() * 800 / 30.0)));
    EXPECT_NEAR(a.WinkelX, (18 + 179) * figures::GradZuRad, 1e-12);
    EXPECT_NEAR(a.WinkelY, 179 * figures::GradZuRad, 1e-12);
    int bilder = 1, halten = 0;
    double schnellste = 0, alpha = s.alphaGrad();
    while (s.weiter(a, false)) {
        ++bilder;
        if (s.haelt()) {
            ++halten;
            EXPECT_NEAR(a.WinkelX, 18 * figures::GradZuRad, 1e-12);
            EXPECT_EQ(a.MitteY, 300 + static_cast<int>(std::lround(std::sin(s.theta()) * s.theta() * 600 / 20.0)));
        }
        schnellste = std::max(schnellste, alpha - s.alphaGrad());
        alpha = s.alphaGrad();
        ASSERT_LT(bilder, 2000);
    }
    EXPECT_EQ(halten, 360);
    EXPECT_NEAR(schnellste, 15.0, 0.1) << "the spin peaks in the middle of the hold";
    EXPECT_EQ(bilder, 540 + 360 + 540);
    // Skipping ends it at the next frame.
    Startanimation t(p);
    EXPECT_FALSE(t.weiter(a, true));
}

TEST(Keplerschalen, ElfSchichtenVonAussenNachInnen)
{
    // The cube's corners lie on the sphere of Saturn's mean distance; being
    // above and below the ecliptic, they stay inside Saturn's orbit.
    Keplerschalen k;
    for (const Vektor& v : k.polyeder().ecken(Koerper::Hexaeder))
        EXPECT_NEAR(std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z), 1427.607, 1e-6);

    figures::Ansicht a = Blick(1);
    a.Massstab = 260.0 / 1506;
    a.WinkelSetzenGrad(75, 40, 0);
    figures::Einstellungssatz s;
    // Distinct orbit colour to tell the orbit lines apart.
    s.IntFarbeBahnen = 0x123456;
    figures::Bahnpunkte bahnen;
    bahnen.dimensionieren(1);
    std::array<bool, 22> auswahl{};
    for (int b = 1; b <= 6; ++b) {
        auswahl[static_cast<size_t>(b)] = true;
        auto& zeile = bahnen.zeile(b);
        const double r = std::array<double, 7>{0, 57.9, 108.2, 149.6, 227.9, 778.3, 1427}[static_cast<size_t>(b)];
        for (size_t j = 0; j < zeile.size(); ++j) {
            const double w = 2 * 3.14159265358979323846 * j / (zeile.size() - 1);
            zeile[j].X = r * std::cos(w);
            zeile[j].Y = r * std::sin(w);
            a.PerspektivKoordinaten(zeile[j].X, zeile[j].Y, 0);
            zeile[j].px = a.BildX;
            zeile[j].py = a.BildY;
            zeile[j].tiefe = a.Tiefe;
        }
        bahnen.belegen(b);
    }
    figures::Punktliste liste;
    for (int b = 1; b <= 6; ++b)
        liste.hinzufuegen(b, 100 * b, 50, b % 2 ? -1.0 : 1.0);
    liste.hinzufuegen(0, 400, 300, 0.0);
    Aufzeichnungsflaeche z;
    k.zeichnen(z, a, s, bahnen, auswahl, liste);

    // The sequence of layers as the colours and kinds of what was drawn.
    std::vector<std::string> folge;
    auto name = [&](const Aufzeichnung& e) -> std::string {
        if (e.art == Aufzeichnung::Art::Ellipse)
            return e.pinselFarbe == figures::KoerperFarbe(s, 0) ? "sun" : "disc";
        if (e.art == Aufzeichnung::Art::Linie && e.stiftFarbe == s.IntFarbeBahnen)
            return "orbit";
        if (e.art != Aufzeichnung::Art::Polygon)
            return "";
        if (e.stiftFarbe == s.IntFarbeLinieMystH) return "H";
        if (e.stiftFarbe == s.IntFarbeLinieMystT) return "T";
        if (e.stiftFarbe == s.IntFarbeLinieMystD) return "D";
        if (e.stiftFarbe == s.IntFarbeLinieMystI) return "I";
        if (e.stiftFarbe == s.IntFarbeLinieMystO) return "O";
        return "?";
    };
    for (const auto& e : z.eintraege()) {
        const std::string n = name(e);
        if (!n.empty() && (folge.empty() || folge.back() != n))
            folge.push_back(n);
    }
    // Back halves and behind-discs outside in, the Sun, then the front halves
    // inside out. Odd planets lie behind, even ones in front.
    const std::vector<std::string> soll = {
        "orbit", "H", "orbit", "disc", "T", "orbit", "D", "orbit", "disc", "I", "orbit", "O",
        "orbit", "disc", // Mercury's back half and disc
        "sun",
        "orbit",         // Mercury's front half
        "O", "orbit", "disc", "I", "orbit", "D", "orbit", "disc", "T", "orbit", "H", "orbit", "disc"};
    EXPECT_EQ(folge, soll);
    for (const auto& e : z.nurArt(Aufzeichnung::Art::Polygon))
        EXPECT_EQ(e.pinselStil, figures::Pinselstil::Keiner) << "the solids as lines";
}

namespace {

// A triangle as its three pixel corners in a fixed order, so that drawn and
// expected triangles compare whatever their corner order.
using Dreieck = std::array<std::pair<int, int>, 3>;

Dreieck AlsDreieck(const std::vector<figures::Punkt>& p)
{
    Dreieck d{};
    for (size_t i = 0; i < 3; ++i)
        d[i] = {p[i].x, p[i].y};
    std::sort(d.begin(), d.end());
    return d;
}

std::vector<Dreieck> Dreiecke(std::span<const Flaeche> f)
{
    std::vector<Dreieck> v;
    for (const Flaeche& x : f)
        v.push_back(AlsDreieck({x.punkte[0], x.punkte[1], x.punkte[2]}));
    std::sort(v.begin(), v.end());
    return v;
}

} // namespace

// Which star each phase draws: none in phases 1 and 7, the Dodekaederstern
// in phases 2 to 6, the Ikosaederstern in phases 8 to 12. The star
// triangles are the three-cornered polygons drawn with pen width 3 (the
// solids' front faces are 4 wide at zoom 10, their back faces 1).
TEST(Metamorphose, JedePhaseZeichnetIhrenStern)
{
    figures::Ansicht a = Blick();
    a.WinkelSetzenGrad(25, -40, 10);
    const figures::Einstellungssatz s;
    Metamorphose m;
    m.beginnen(a, false);
    Aufzeichnungsflaeche z;
    int c = 0;
    for (int bild = 1; bild <= 360; ++bild) {
        ++c;
        z.leeren();
        m.bild(c, z, a, s, true);
        const int p = m.phase();
        if (bild % 30 != 15 && bild % 30 != 29)
            continue; // two frames of each phase, not its first
        std::vector<Dreieck> gezeichnet;
        for (const auto& e : z.nurArt(Aufzeichnung::Art::Polygon))
            if (e.punkte.size() == 3 && e.stiftBreite == 3)
                gezeichnet.push_back(AlsDreieck(e.punkte));
        std::sort(gezeichnet.begin(), gezeichnet.end());
        const std::string phase = "phase " + std::to_string(p);
        if (p == 1 || p == 7) {
            EXPECT_TRUE(gezeichnet.empty()) << phase;
            continue;
        }
        // Both stars of the frame's projection (the frame projected both
        // solids already).
        const auto dode = Dreiecke(m.polyeder().DodeSternKoordinaten());
        const auto iko = Dreiecke(m.polyeder().IkoSternKoordinaten());
        ASSERT_NE(dode, iko);
        EXPECT_EQ(gezeichnet, p < 7 ? dode : iko) << phase << ": " << (p < 7 ? "Dodekaederstern" : "Ikosaederstern");
    }
}

// Phase 2 highlights the edges of a second star point when the nearest lies
// low (depth below 2) and the second is low too or outside the nearest's
// pentagon; the second is the point of the second-largest depth.
TEST(Metamorphose, PhaseZweiHebtAuchDieZweitnaechsteSternspitzeHervor)
{
    figures::Ansicht a = Blick();
    a.WinkelSetzenGrad(-165, -75, 0);
    const figures::Einstellungssatz s;
    Metamorphose m;
    m.beginnen(a, true);
    Aufzeichnungsflaeche z;
    int c = 44; // phase 2
    m.bild(c, z, a, s, true);
    ASSERT_EQ(m.phase(), 2);
    const auto b = m.polyeder().bildpunkte(Koerper::Ikosaeder);
    std::vector<std::pair<double, int>> nachTiefe;
    for (size_t i = 0; i < b.size(); ++i)
        nachTiefe.emplace_back(b[i].tiefe, static_cast<int>(i));
    std::sort(nachTiefe.rbegin(), nachTiefe.rend());
    ASSERT_LT(nachTiefe[0].first, 2.0);
    EXPECT_EQ(m.hervorgehoben()[0], nachTiefe[0].second);
    EXPECT_EQ(m.hervorgehoben()[1], nachTiefe[1].second);
    // Five edges from each of the two points, in the star line colour.
    std::map<std::pair<int, int>, int> kantenJeSpitze;
    for (const auto& e : z.nurArt(Aufzeichnung::Art::Linie))
        if (e.stiftBreite == 3 && e.stiftFarbe == s.IntFarbeSterneLinie)
            ++kantenJeSpitze[{e.punkte[0].x, e.punkte[0].y}];
    const Bildpunkt& erste = b[static_cast<size_t>(nachTiefe[0].second)];
    const Bildpunkt& zweite = b[static_cast<size_t>(nachTiefe[1].second)];
    EXPECT_EQ(kantenJeSpitze.size(), 2u);
    EXPECT_EQ((kantenJeSpitze[{erste.px, erste.py}]), 5);
    EXPECT_EQ((kantenJeSpitze[{zweite.px, zweite.py}]), 5);
}
