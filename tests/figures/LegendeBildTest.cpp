// The legend against the picture it explains: it lists what the frame drew
// (the Sun wherever it is drawn, the yellow disc only where it is), and it
// never overlaps the scale bar, whatever the size of the surface.
#include "figures/Aufzeichnungsflaeche.h"
#include "figures/Rahmen.h"
#include "figures/Ueberblick.h"
#include "figures/ZweiPlaneten.h"
#include "sprache/Sprache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace figures;
using Art = Aufzeichnung::Art;

namespace {

constexpr double Pi = 3.14159265358979323846;

struct SpracheFest {
    explicit SpracheFest(sprache::Sprache s) : alt(sprache::aktuelleSprache()) { sprache::setzeSprache(s); }
    ~SpracheFest() { sprache::setzeSprache(alt); }
    sprache::Sprache alt;
};

// Bodies on circles of their largest distance in the ecliptic plane.
Positionsfunktion Kreise()
{
    return [](int k, double t) -> astro::Ergebnis<Raumpunkt> {
        const double r = Ausdehnung[static_cast<size_t>(k)];
        const double w = 2 * Pi * t / (87.97 * Umlaufzeiten[static_cast<size_t>(k)]) + k;
        return Raumpunkt{r * std::cos(w), r * std::sin(w), 0.0};
    };
}

UeberblickEingabe Eingabe(std::initializer_list<int> koerper, int zentrum = 0)
{
    UeberblickEingabe e;
    e.konfiguration = UeberblickEingabe::FreieKonfiguration;
    for (int k : koerper)
        e.koerper[static_cast<size_t>(k)] = true;
    e.zentrum = zentrum;
    e.bahnen = false;
    return e;
}

// The box of one drawing record (text by the recording canvas's metric).
Rechteck BoxVon(const Aufzeichnung& e)
{
    Rechteck b;
    switch (e.art) {
    case Art::Text: {
        const int w = static_cast<int>(std::lround(0.6 * e.schrift.groesse * static_cast<double>(e.text.size())));
        const int h = static_cast<int>(std::lround(1.5 * e.schrift.groesse));
        return {e.punkte[0].x, e.punkte[0].y, e.punkte[0].x + w - 1, e.punkte[0].y + h - 1};
    }
    case Art::Linie:
    case Art::Ellipse:
    case Art::Polygon:
    case Art::Polylinie:
        for (const auto& p : e.punkte)
            b = b.vereint({p.x, p.y, p.x, p.y});
        return b;
    default:
        return b;
    }
}

// A frame of the overview with its legend and, when asked, the disc list.
struct Ueberblickbild {
    Ansicht a;
    Ueberblick u;
    Aufzeichnungsflaeche z{800, 600};
    Einstellungssatz s;
    Ueberblicksrahmen r;

    void zeichnen(const UeberblickEingabe& e)
    {
        a.GroesseSetzen(800, 600);
        ASSERT_TRUE(u.vorbereiten(e, Ueberblickslauf{}, a, Kreise()).ok());
        r.legende = true;
        ASSERT_TRUE(u.schritt(0, &z, a, s, r, nullptr).ok());
    }
    // The legend's records: everything right of the legend's margin and
    // below its header.
    int kopfY() const
    {
        for (const auto& t : z.nurArt(Art::Text))
            if (t.text == sprache::T("legende.kopf"))
                return t.punkte[0].y;
        return 1 << 30;
    }
    bool inLegende(const Aufzeichnung& e) const
    {
        const Rechteck b = BoxVon(e);
        return !b.leer() && b.oben >= kopfY() && b.links >= a.Breite - 220;
    }
    int gelbeScheiben(bool legende) const
    {
        int n = 0;
        for (const auto& e : z.nurArt(Art::Ellipse))
            if (e.pinselFarbe == s.IntFarbePlanet[0] && inLegende(e) == legende)
                ++n;
        return n;
    }
    // The legend's line with this text, or -1.
    int zeile(const std::string& text) const
    {
        for (const auto& t : z.nurArt(Art::Text))
            if (t.text == text && inLegende(t))
                return t.punkte[0].y;
        return -1;
    }
    // The centre cross drawn in the legend (two 15-pixel lines).
    int kreuzeInLegende() const
    {
        int n = 0;
        for (const auto& l : z.nurArt(Art::Linie))
            if (inLegende(l) && l.punkte[0].x == l.punkte[1].x && std::abs(l.punkte[1].y - l.punkte[0].y) == 14)
                ++n;
        return n;
    }
};

} // namespace

// The Sun at the centre is drawn only with "Sonne ins Zentrum": without it
// the legend's "Sonne im Zentrum" shows the centre cross that the picture
// shows, not a yellow disc that is nowhere in the picture.
TEST(LegendeNachBild, SonneImZentrumNurMitIhrerScheibe)
{
    SpracheFest d(sprache::Sprache::Deutsch);
    for (bool sonne : {false, true}) {
        Ueberblickbild b;
        b.r.sonneZentrum = sonne;
        b.r.zentrumMarkieren = !sonne;
        b.zeichnen(Eingabe({1, 2, 3}));
        EXPECT_GE(b.zeile("Sonne im Zentrum"), 0) << "Sonne ins Zentrum " << sonne;
        EXPECT_EQ(b.gelbeScheiben(false), sonne ? 1 : 0);
        EXPECT_EQ(b.gelbeScheiben(true), sonne ? 1 : 0) << "the legend's disc as in the picture";
        EXPECT_EQ(b.kreuzeInLegende(), sonne ? 0 : 1) << "the legend's cross as in the picture";
    }
}

// Seen from a planet the Sun is drawn where the planet sees it: the legend
// lists it, with its disc, with and without distances.
TEST(LegendeNachBild, SonneVomPlanetenImZentrumGelistet)
{
    SpracheFest e(sprache::Sprache::Englisch);
    for (bool ohne : {false, true}) {
        Ueberblickbild b;
        auto ein = Eingabe({2, 3, 4}, 3);
        ein.ohneEntfernungen = ohne;
        b.zeichnen(ein);
        EXPECT_EQ(b.gelbeScheiben(false), 1) << "the Sun in the picture, without distances " << ohne;
        EXPECT_GE(b.zeile("Sun"), 0) << "without distances " << ohne;
        EXPECT_EQ(b.gelbeScheiben(true), 1) << "its disc in the legend";
        EXPECT_GE(b.zeile("Earth in the centre"), 0);
        EXPECT_LT(b.zeile("Sun in the centre"), 0);
    }
}

// Two planets with a planet of the pair at the centre: the Sun takes that
// planet's place in the picture and in the legend.
TEST(LegendeNachBild, ZweiPlanetenMitPlanetImZentrumNennenDieSonne)
{
    SpracheFest d(sprache::Sprache::Deutsch);
    static astro::Positionsrechner rechner;
    ZweiPlaneten f;
    Ansicht a;
    a.GroesseSetzen(800, 600);
    ZweiPlanetenEingabe e;
    e.planet1 = 2;
    e.planet2 = 3;
    e.zentrum = 3;
    e.schrittweite = 4;
    e.raumgeraden = true;
    ZweiPlanetenlauf l;
    l.schrittgrenze = 50;
    ASSERT_TRUE(f.vorbereiten(e, l, a, PositionsfunktionAus(rechner, astro::Rechenoptionen{})));
    Aufzeichnungsflaeche z(800, 600);
    Einstellungssatz s;
    ZweiPlanetenRahmen r;
    r.legende = true;
    ZweiPlanetenZaehler c;
    c.schritt = 10;
    ASSERT_TRUE(f.schritt(c, &z, a, s, r, nullptr).ok());
    int gelb = 0;
    bool sonne = false, erde = false;
    for (const auto& x : z.nurArt(Art::Ellipse))
        gelb += x.pinselFarbe == s.IntFarbePlanet[0];
    for (const auto& t : z.nurArt(Art::Text)) {
        sonne = sonne || t.text == "Sonne";
        erde = erde || t.text == "Erde im Zentrum";
    }
    EXPECT_TRUE(sonne) << "the Sun drawn and listed";
    EXPECT_TRUE(erde);
    EXPECT_EQ(gelb, 2) << "the Sun's disc in the picture and in the legend";
}

namespace {

struct Groesse {
    int breite, hoehe;
    bool ohneEntfernungen;
};

class LegendeUndMassstab : public ::testing::TestWithParam<Groesse> {};

} // namespace

// The scale bar and the legend share the bottom of the surface: at no size
// does any record of the one cover a record of the other, with and without
// distances ("0 (ohne Entfernungen)").
TEST_P(LegendeUndMassstab, UeberlappenBeiKeinerGroesse)
{
    SpracheFest d(sprache::Sprache::Deutsch);
    const auto g = GetParam();
    Ansicht a;
    a.GroesseSetzen(g.breite, g.hoehe);
    Ueberblick u;
    auto e = Eingabe({1, 2, 3, 4, 5, 6});
    e.ohneEntfernungen = g.ohneEntfernungen;
    ASSERT_TRUE(u.vorbereiten(e, Ueberblickslauf{}, a, Kreise()).ok());
    Einstellungssatz s;
    Massstabsart art;
    art.ohneEntfernungen = g.ohneEntfernungen;
    Legendendaten l;
    l.schrittweite = 0.25;
    l.schritt = 12000;
    for (int k = 1; k <= 6; ++k)
        l.koerper.push_back({k, false});
    l.sonneImZentrum = true;

    Aufzeichnungsflaeche nurMassstab(g.breite, g.hoehe);
    MassstabZeichnen(nurMassstab, a, s, a.Massstabswert, art);
    const size_t n = nurMassstab.eintraege().size();

    Rahmenschalter r;
    r.massstab = r.legende = true;
    Aufzeichnungsflaeche z(g.breite, g.hoehe);
    RahmenSchluss(z, a, s, r, l, art);
    const auto& alle = z.eintraege();
    ASSERT_GT(alle.size(), n);
    Rechteck massstab;
    for (size_t i = 0; i < n; ++i)
        massstab = massstab.vereint(BoxVon(alle[i]));
    ASSERT_FALSE(massstab.leer());
    for (size_t i = n; i < alle.size(); ++i) {
        const Rechteck b = BoxVon(alle[i]);
        EXPECT_FALSE(b.schneidet(massstab))
            << "legend record " << i - n << " \"" << alle[i].text << "\" at " << b.links << "," << b.oben
            << " overlaps the scale bar " << massstab.links << ".." << massstab.rechts << " x " << massstab.oben
            << ".." << massstab.unten;
        EXPECT_GE(b.oben, 0) << "the legend stays on the surface";
    }
}

INSTANTIATE_TEST_SUITE_P(Groessen, LegendeUndMassstab,
                         ::testing::Values(Groesse{640, 480, false}, Groesse{800, 600, false},
                                           Groesse{1280, 720, false}, Groesse{1600, 1200, false},
                                           Groesse{2000, 600, false}, Groesse{500, 900, false},
                                           Groesse{640, 480, true}, Groesse{800, 600, true},
                                           Groesse{1280, 720, true}, Groesse{1600, 1200, true},
                                           Groesse{2000, 600, true}, Groesse{500, 900, true}));

// The latitude scale of the loops takes the scale bar's place: on a narrow
// surface its caption reaches under the legend, which is lifted above it.
TEST(LegendeUndMassstab, BreitenmassstabDerSchleifen)
{
    SpracheFest d(sprache::Sprache::Deutsch);
    for (int breite : {250, 300, 640}) {
        Ansicht a;
        a.GroesseSetzen(breite, 400);
        Einstellungssatz s;
        Legendendaten l;
        l.darstellung = LegendeZweiPlaneten;
        l.schrittweite = 6;
        l.koerper = {{4, false}, {5, false}};
        Aufzeichnungsflaeche nurMassstab(breite, 400);
        const Rechteck gemeldet = MassstabDerBreite(nurMassstab, a, s, 33);
        const size_t n = nurMassstab.eintraege().size();
        Rahmenschalter r;
        r.breitenTeiler = 33;
        r.legende = true;
        Aufzeichnungsflaeche z(breite, 400);
        RahmenSchluss(z, a, s, r, l);
        const auto& alle = z.eintraege();
        Rechteck massstab;
        for (size_t i = 0; i < n; ++i)
            massstab = massstab.vereint(BoxVon(alle[i]));
        EXPECT_EQ(gemeldet.links, massstab.links);
        EXPECT_EQ(gemeldet.rechts, massstab.rechts);
        for (size_t i = n; i < alle.size(); ++i)
            EXPECT_FALSE(BoxVon(alle[i]).schneidet(massstab))
                << "width " << breite << ": \"" << alle[i].text << "\" over the latitude scale";
    }
}
