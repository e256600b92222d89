// Scale bar, latitude scale and legend through the recording canvas.
#include "figures/Aufzeichnungsflaeche.h"
#include "figures/Legende.h"
#include "sprache/Sprache.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace figures;

namespace {

// Restores the catalogue's language after a test that switches it.
struct SpracheFest {
    explicit SpracheFest(sprache::Sprache s) : alt(sprache::aktuelleSprache()) { sprache::setzeSprache(s); }
    ~SpracheFest() { sprache::setzeSprache(alt); }
    sprache::Sprache alt;
};

Ansicht Saturnsicht()
{
    Ansicht a;
    a.GroesseSetzen(800, 600);
    a.Massstab = a.MassstabAusAusdehnung(1, 6, 0);
    a.MassstabswertAusAusdehnung(1, 6, 0);  // extent 1506, value 1000
    return a;
}

// Ticks of the scale bar: vertical lines, keyed by their half height.
std::vector<int> Striche(const Aufzeichnungsflaeche& z, int halbeHoehe)
{
    std::vector<int> x;
    for (const auto& l : z.nurArt(Aufzeichnung::Art::Linie))
        if (l.punkte[0].x == l.punkte[1].x && std::abs(l.punkte[1].y - l.punkte[0].y) == 2 * halbeHoehe)
            x.push_back(l.punkte[0].x);
    std::sort(x.begin(), x.end());
    return x;
}

std::vector<std::string> Texte(const Aufzeichnungsflaeche& z)
{
    std::vector<std::string> t;
    for (const auto& e : z.nurArt(Aufzeichnung::Art::Text))
        t.push_back(e.text);
    return t;
}

bool Enthaelt(const std::vector<std::string>& t, const std::string& s)
{
    return std::find(t.begin(), t.end(), s) != t.end();
}

} // namespace

TEST(Massstab, BarSpansTheExtentWithTicksAtZeroAndPlusMinusTheValue)
{
    SpracheFest d(sprache::Sprache::Deutsch);
    const Ansicht a = Saturnsicht();
    Aufzeichnungsflaeche z;
    MassstabZeichnen(z, a, Einstellungssatz{}, a.Massstabswert);
    const auto linien = z.nurArt(Aufzeichnung::Art::Linie);
    ASSERT_FALSE(linien.empty());
    EXPECT_EQ(linien[0].stiftStil, Stiftstil::StrichPunktPunkt);
    EXPECT_EQ(linien[0].punkte[0], (Punkt{400 - 260, 570}));
    EXPECT_EQ(linien[0].punkte[1], (Punkt{400 + 260, 570}));
    const int w = RundenGerade(260.0 / 1506 * 1000);
    EXPECT_EQ(Striche(z, 5), (std::vector<int>{400 - w, 400, 400 + w}));
    const auto t = Texte(z);
    EXPECT_TRUE(Enthaelt(t, "-1000"));
    EXPECT_TRUE(Enthaelt(t, "1000"));
    EXPECT_TRUE(Enthaelt(t, "0 (Mill. km)"));
}

TEST(Massstab, Zoom2HalvesTheLabelsAndKeepsTheLength)
{
    Ansicht a = Saturnsicht();
    Aufzeichnungsflaeche z1, z2;
    MassstabZeichnen(z1, a, Einstellungssatz{}, 1000);
    a.Zoom = 2;
    MassstabZeichnen(z2, a, Einstellungssatz{}, 1000);
    EXPECT_EQ(Striche(z1, 5), Striche(z2, 5));
    EXPECT_TRUE(Enthaelt(Texte(z2), "500"));
    EXPECT_TRUE(Enthaelt(Texte(z2), "-500"));
    EXPECT_FALSE(Enthaelt(Texte(z2), "1000"));
}

struct Nebenstrichfall {
    const char* name;
    double extent, wert;
    size_t striche;
};

class Nebenstriche : public ::testing::TestWithParam<Nebenstrichfall> {};

TEST_P(Nebenstriche, OuterMinorTicksOnlyWhenTheExtentReachesOneAndAHalfValues)
{
    const auto f = GetParam();
    Ansicht a = Saturnsicht();
    a.FigurAusdehnung = f.extent;
    Aufzeichnungsflaeche z;
    MassstabZeichnen(z, a, Einstellungssatz{}, f.wert);
    EXPECT_EQ(Striche(z, 4).size(), f.striche);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Nebenstriche,
                         ::testing::Values(Nebenstrichfall{"Saturn", 1506, 1000, 4},
                                           Nebenstrichfall{"KnappDarunter", 1499, 1000, 2},
                                           Nebenstrichfall{"Mars", 249, 200, 2},
                                           Nebenstrichfall{"Pluto", 7373, 7000, 2},
                                           Nebenstrichfall{"Erde", 152, 100, 4}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(Massstab, TheMoonScaleReadsInThousandsOfKilometres)
{
    SpracheFest d(sprache::Sprache::Deutsch);
    Ansicht a;
    a.GroesseSetzen(800, 600);
    a.Massstab = a.MassstabAusAusdehnung(0, 0, ZentrumErdeMond);
    a.MassstabswertAusAusdehnung(0, 0, ZentrumErdeMond);
    Aufzeichnungsflaeche z;
    MassstabZeichnen(z, a, Einstellungssatz{}, a.Massstabswert, {true, true, false});
    const int w = RundenGerade(260.0 / 420 * 400);
    EXPECT_EQ(Striche(z, 5), (std::vector<int>{400 - w, 400, 400 + w}));
    const auto t = Texte(z);
    EXPECT_TRUE(Enthaelt(t, "400"));  // not divided into astronomical units
    EXPECT_TRUE(Enthaelt(t, "0 (* 1000 km)"));
}

TEST(Massstab, AstronomicalUnitsDivideTheLabels)
{
    SpracheFest e(sprache::Sprache::Englisch);
    const Ansicht a = Saturnsicht();
    Aufzeichnungsflaeche z;
    MassstabZeichnen(z, a, Einstellungssatz{}, 1000, {false, true, false});
    const auto t = Texte(z);
    EXPECT_TRUE(Enthaelt(t, "6.7"));  // 1000 / 149.6 = 6.68
    EXPECT_TRUE(Enthaelt(t, "-6.7"));
    EXPECT_TRUE(Enthaelt(t, "0 (AU)"));
}

struct Formatfall {
    const char* name;
    double wert;
    const char* text;
};

class Beschriftung : public ::testing::TestWithParam<Formatfall> {};

TEST_P(Beschriftung, DecimalsGrowAsTheValueShrinks)
{
    EXPECT_EQ(Massstabsbeschriftung(GetParam().wert), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Faelle, Beschriftung,
                         ::testing::Values(Formatfall{"Gross", 1000, "  1000"}, Formatfall{"Negativ", -250, "  -250"},
                                           Formatfall{"Zwanzig", 20, "  20.0"}, Formatfall{"Drei", 3, "   3.0"},
                                           Formatfall{"Zwei", 2, "  2.00"}, Formatfall{"Klein", 0.05, " 0.050"},
                                           Formatfall{"Kleiner", 0.005, "0.0050"},
                                           Formatfall{"Winzig", 0.0005, "0.00050"},
                                           Formatfall{"Fast", 0.00005, "0.000050"},
                                           Formatfall{"Nichts", 0.000005, "0.0000050"}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(Massstab, ZahlFestNeverWritesMinusZeroAndAlwaysUsesAPoint)
{
    EXPECT_EQ(ZahlFest(-0.0001, 6, 2), "  0.00");
    EXPECT_EQ(ZahlFest(-1.5, 0, 1), "-1.5");
    EXPECT_EQ(ZahlFest(12345.678, 11, 3), "  12345.678");
}

TEST(Massstab, LatitudeScaleHasItsTicksAndLabels)
{
    SpracheFest d(sprache::Sprache::Deutsch);
    Ansicht a;
    a.GroesseSetzen(1000, 600);
    a.Zoom = 2;
    Aufzeichnungsflaeche z;
    MassstabDerBreite(z, a, Einstellungssatz{}, 10);
    const int r = RundenGerade(1000 / 23.4);
    EXPECT_EQ(Striche(z, 5), (std::vector<int>{200 - r, 200, 200 + r}));
    const auto linien = z.nurArt(Aufzeichnung::Art::Linie);
    EXPECT_EQ(linien[0].punkte[0].x, 200 - RundenGerade(1.2 * r));
    EXPECT_EQ(linien.back().stiftFarbe, Einstellungssatz{}.IntFarbeSonnenbahn);
    EXPECT_EQ(linien.back().stiftBreite, 2);
    const auto t = Texte(z);
    EXPECT_TRUE(Enthaelt(t, "Maßstab der Breite (°)"));
    EXPECT_TRUE(Enthaelt(t, "3.0"));  // 10 x 7.5 / 50 x 2
    EXPECT_TRUE(Enthaelt(t, "-3.0"));
}

TEST(Legende, LinesStackUpwardsFromTheBottomWithTheHeaderOnTop)
{
    SpracheFest d(sprache::Sprache::Deutsch);
    Ansicht a;
    a.GroesseSetzen(800, 600);
    Einstellungssatz s;
    Legendendaten daten;
    daten.darstellung = LegendeZweiPlaneten;
    daten.ereignisart = Legendendaten::Ereignis::Konjunktionen;
    daten.ereignisAnzahl = 12;
    daten.periode = 583.92;
    daten.schrittweite = 2.5;
    daten.schritt = 40;
    daten.koerper = {{2, false}, {3, true}};
    daten.elemente.push_back({"Raumgeraden Ve-Er", "", Legendenzeile::Muster::Linie, s.IntFarbeRG, 0, 3, 1});
    Aufzeichnungsflaeche z;
    LegendeZeichnen(z, a, s, daten);
    const auto texte = z.nurArt(Aufzeichnung::Art::Text);
    auto finde = [&](const std::string& t) {
        for (const auto& e : texte)
            if (e.text == t)
                return e.punkte[0];
        ADD_FAILURE() << "missing " << t;
        return Punkt{};
    };
    Aufzeichnungsflaeche mass;
    mass.schrift({"MS Sans Serif", 8, 0, false});
    const int zh = mass.textHoehe("Ag") + 2;
    const int links = 800 - 166;
    EXPECT_EQ(finde("Anzahl Konjunktionen:"), (Punkt{links, 600 - zh - 5}));
    EXPECT_EQ(finde("Konj.periode (Tg.):").y, 600 - 2 * zh - 5);
    EXPECT_EQ(finde("Schritte (à 2.500 Tg.):").y, 600 - 3 * zh - 5);
    EXPECT_EQ(finde("Äquinoktium 01.01.2000").y, 600 - 4 * zh - 5);
    // body names are centred on their disc, one pixel into the line
    EXPECT_EQ(finde("Venus").y, 600 - 5 * zh - 5 + 1);
    EXPECT_EQ(finde("Erde im Zentrum").y, 600 - 6 * zh - 5 + 1);
    EXPECT_EQ(finde("Raumgeraden Ve-Er").y, 600 - 7 * zh - 5);
    EXPECT_EQ(finde("Legende:").y, 600 - 8 * zh - 5);
    // values right-aligned by their width, 5 pixels from the right edge
    EXPECT_EQ(finde("12").x, 800 - 5 - mass.textBreite("12"));
    EXPECT_EQ(finde("583.9200").y, 600 - 2 * zh - 5);
    EXPECT_EQ(finde("583.9200").x, 800 - 5 - mass.textBreite("583.9200"));
    // two discs and one cross (the centre)
    EXPECT_EQ(z.anzahl(Aufzeichnung::Art::Ellipse), 2);
    EXPECT_EQ(z.nurArt(Aufzeichnung::Art::Ellipse)[1].pinselFarbe, s.IntFarbePlanet[3]);
}

// The elapsed time: "Jahre:" then "Tage:" (lines stack upwards), both with
// their values, between the steps and the equinox.
TEST(Legende, VergangeneZeitInJahrenUndTagen)
{
    SpracheFest d(sprache::Sprache::Deutsch);
    Ansicht a;
    a.GroesseSetzen(800, 600);
    Einstellungssatz s;
    Legendendaten daten;
    daten.darstellung = LegendeBaryzentrum;
    daten.schrittweite = 10;
    daten.schritt = 5;
    daten.vergangeneTage = 7305.0; // 20 Julian years
    Aufzeichnungsflaeche z;
    LegendeZeichnen(z, a, s, daten);
    const auto texte = z.nurArt(Aufzeichnung::Art::Text);
    auto zeile = [&](const std::string& t, bool anfang = false) {
        for (const auto& e : texte)
            if (anfang ? e.text.rfind(t, 0) == 0 : e.text == t)
                return e.punkte[0].y;
        ADD_FAILURE() << "missing " << t;
        return -1;
    };
    const int jahre = zeile("Jahre:"), tage = zeile("Tage:");
    ASSERT_GT(jahre, 0);
    ASSERT_GT(tage, 0);
    EXPECT_LT(tage, jahre) << "days on the line above the years";
    EXPECT_EQ(zeile("20.00"), jahre) << "20.00 years";
    EXPECT_EQ(zeile("7305"), tage);
    EXPECT_LT(jahre, zeile("Schritte (à", true)) << "above the steps";
    EXPECT_LT(zeile("Äquinoktium 01.01.2000"), tage);
}

// A large planet size (40) does not let the legend's discs cover the names.
TEST(Legende, GrosseScheibenVerdeckenDieNamenNicht)
{
    Ansicht a;
    a.GroesseSetzen(800, 600);
    Einstellungssatz s;
    s.IntA = 40;
    Legendendaten daten;
    daten.koerper = {{3, false}, {4, false}};
    Aufzeichnungsflaeche z;
    LegendeZeichnen(z, a, s, daten);
    const auto scheiben = z.nurArt(Aufzeichnung::Art::Ellipse);
    const auto texte = z.nurArt(Aufzeichnung::Art::Text);
    ASSERT_EQ(scheiben.size(), 2u);
    int links = 1 << 30;
    for (const auto& t : texte)
        if (t.text.find("Mars") != std::string::npos || t.text.find("Earth") != std::string::npos ||
            t.text.find("Erde") != std::string::npos)
            links = std::min(links, t.punkte[0].x);
    ASSERT_LT(links, 1 << 30);
    for (const auto& e : scheiben) {
        ASSERT_GE(e.punkte.size(), 2u);
        EXPECT_LT(e.punkte[1].x, links) << "the disc ends before its name";
    }
}

TEST(Legende, LongPeriodsInYearsAndLargerLetteringMovesTheLegend)
{
    SpracheFest e(sprache::Sprache::Englisch);
    Ansicht a;
    a.GroesseSetzen(1000, 700);
    Einstellungssatz s;
    s.BoolBeschriftung = false;
    Legendendaten daten;
    daten.darstellung = LegendeDreiPlaneten;
    daten.periode = 36524.219;
    daten.mitPraezession = true;
    daten.sonneImZentrum = true;
    Aufzeichnungsflaeche z;
    LegendeZeichnen(z, a, s, daten);
    const auto t = Texte(z);
    EXPECT_TRUE(Enthaelt(t, "period of conj. (y):"));
    EXPECT_TRUE(Enthaelt(t, "100.0000"));
    EXPECT_TRUE(Enthaelt(t, "Equinox of date"));
    EXPECT_TRUE(Enthaelt(t, "Sun in the centre"));
    EXPECT_TRUE(Enthaelt(t, "Legend:"));
    for (const auto& x : z.nurArt(Aufzeichnung::Art::Text))
        EXPECT_GE(x.punkte[0].x, 1000 - 200);
    EXPECT_EQ(z.nurArt(Aufzeichnung::Art::Text)[0].schrift.groesse, 10);
}

TEST(Legende, MoonAndMinorPlanetDiscSizesAndTheEarthMoonPair)
{
    SpracheFest d(sprache::Sprache::Deutsch);
    Einstellungssatz s;
    Legendendaten daten;
    daten.mondImUeberblick = true;
    Aufzeichnungsflaeche z;
    LegendePlanetZeichnen(z, s, 50, 50, false, LegendeUeberblick, KoerpercodeMond, 5, daten);
    LegendePlanetZeichnen(z, s, 50, 50, false, LegendeUeberblick, 12, 5, daten);
    LegendePlanetZeichnen(z, s, 50, 50, false, LegendeUeberblick, 14, 1, daten);
    daten.erdeMond = true;
    LegendePlanetZeichnen(z, s, 50, 50, false, LegendeRotationen, 3, 5, daten);
    const auto e = z.nurArt(Aufzeichnung::Art::Ellipse);
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(e[0].punkte[1].x - 50, 7);   // Moon +2
    EXPECT_EQ(e[0].pinselFarbe, s.IntFarbePlanet[10]);
    EXPECT_EQ(e[1].punkte[1].x - 50, 4);   // minor planet -1
    EXPECT_EQ(e[2].punkte[1].x - 50, 1);   // at least 1
    EXPECT_EQ(Texte(z), (std::vector<std::string>{"Mond", "Vesta", "Chiron", "Erde/Mond"}));
    EXPECT_EQ(z.nurArt(Aufzeichnung::Art::Text)[0].punkte[0].x, 62);
}

TEST(Legende, LongTermShowsOnlyItsOwnLines)
{
    SpracheFest d(sprache::Sprache::Deutsch);
    Ansicht a;
    a.GroesseSetzen(800, 600);
    Legendendaten daten;
    daten.darstellung = LegendeLangzeit;
    daten.vergangeneTage = 365.25 * 50000;
    daten.koerper = {{5, false}, {6, false}};
    daten.elemente.push_back({"Bahnen ", "", Legendenzeile::Muster::Linie, 0xFFFFFF, 0, 3, 1});
    daten.mitPraezession = true;
    Aufzeichnungsflaeche z;
    LegendeZeichnen(z, a, Einstellungssatz{}, daten);
    EXPECT_EQ(Texte(z), (std::vector<std::string>{"Schrittweite:", "2500 Jahre", "Jahre:", "50000", "Jupiter",
                                                 "Saturn", "Bahnen ", "Legende:"}));
}

namespace {

// The recording canvas with a wider font than its own (three quarters of
// the point size per character, about what the system's sans font takes
// for digits and spaces), so that a column laid out for narrow texts shows
// that it runs out of the surface.
struct BreiteSchrift : Aufzeichnungsflaeche {
    using Aufzeichnungsflaeche::Aufzeichnungsflaeche;
    static int zeichen(const std::string& t)
    {
        int n = 0;
        for (unsigned char c : t)
            n += (c & 0xC0) != 0x80; // UTF-8: count characters, not bytes
        return n;
    }
    static int breiteBei(int groesse, const std::string& t) { return (3 * groesse * zeichen(t) + 2) / 4; }
    void schrift(const Schrift& s) override
    {
        groesse_ = s.groesse;
        Aufzeichnungsflaeche::schrift(s);
    }
    int textBreite(const std::string& t) override { return breiteBei(groesse_, t); }
    int groesse_ = 8;
};

struct Breitenfall {
    const char* name;
    int breite;
    sprache::Sprache sprache;
    bool gross; // "Beschriftung größer"
};

class LegendenBreite : public ::testing::TestWithParam<Breitenfall> {};

} // namespace

// Every caption and every value of a full two-planet legend lies inside the
// surface, each value right of its caption, with all its digits: at 640,
// 1280 and 1600 pixels, in both languages and with the larger lettering.
TEST_P(LegendenBreite, WerteGanzUndInnerhalbDerFlaeche)
{
    const auto f = GetParam();
    SpracheFest sp(f.sprache);
    const int hoehe = f.breite * 3 / 4;
    Ansicht a;
    a.GroesseSetzen(f.breite, hoehe);
    Einstellungssatz s;
    s.BoolBeschriftung = !f.gross;
    Legendendaten d;
    d.darstellung = LegendeZweiPlaneten;
    d.nurLetzte = 10;
    d.ereignisart = Legendendaten::Ereignis::Konjunktionen;
    d.ereignisAnzahl = 111;
    d.periode = 7253.45;
    d.schrittweite = 4;
    d.schritt = 11999;
    d.vergangeneTage = 47996;
    d.koerper = {{5, false}, {6, false}};
    d.sonneImZentrum = true;
    d.elemente.push_back({"Konjunktionsstern Ju-Sa", "", Legendenzeile::Muster::Stern, 0xFF, 0, 3, 1});
    BreiteSchrift z(f.breite, hoehe);
    LegendeZeichnen(z, a, s, d);

    const auto texte = z.nurArt(Aufzeichnung::Art::Text);
    std::vector<std::string> alle;
    for (const auto& t : texte) {
        alle.push_back(t.text);
        const int w = BreiteSchrift::breiteBei(t.schrift.groesse, t.text);
        EXPECT_GE(t.punkte[0].x, 0) << t.text;
        EXPECT_LE(t.punkte[0].x + w, f.breite) << "\"" << t.text << "\" runs out of the surface";
        EXPECT_GE(t.punkte[0].y, 0) << t.text;
    }
    for (const char* wert : {"111", "7253.450", "11999", "131.41", "47996"})
        EXPECT_TRUE(Enthaelt(alle, wert)) << "value " << wert << " written whole";
    // A value never covers its caption: on each line the value starts after
    // the caption ends.
    for (const auto& t : texte)
        for (const auto& u : texte)
            if (&t != &u && t.punkte[0].y == u.punkte[0].y && t.punkte[0].x < u.punkte[0].x) {
                EXPECT_LT(t.punkte[0].x + BreiteSchrift::breiteBei(t.schrift.groesse, t.text), u.punkte[0].x)
                    << "\"" << t.text << "\" under \"" << u.text << "\"";
            }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, LegendenBreite,
    ::testing::Values(Breitenfall{"B640De", 640, sprache::Sprache::Deutsch, false},
                      Breitenfall{"B640En", 640, sprache::Sprache::Englisch, false},
                      Breitenfall{"B640EnGross", 640, sprache::Sprache::Englisch, true},
                      Breitenfall{"B1280De", 1280, sprache::Sprache::Deutsch, false},
                      Breitenfall{"B1280En", 1280, sprache::Sprache::Englisch, false},
                      Breitenfall{"B1280DeGross", 1280, sprache::Sprache::Deutsch, true},
                      Breitenfall{"B1600En", 1600, sprache::Sprache::Englisch, false},
                      Breitenfall{"B1600EnGross", 1600, sprache::Sprache::Englisch, true}),
    [](const auto& i) { return std::string(i.param.name); });

// The values stand in one column: right-aligned, so their last digits line up.
TEST(Legende, WerteRechtsbuendigInEinerSpalte)
{
    SpracheFest e(sprache::Sprache::Englisch);
    Ansicht a;
    a.GroesseSetzen(1280, 960);
    Legendendaten d;
    d.darstellung = LegendeZweiPlaneten;
    d.ereignisart = Legendendaten::Ereignis::Konjunktionen;
    d.ereignisAnzahl = 7;
    d.periode = 583.921;
    d.schrittweite = 4;
    d.schritt = 3999;
    BreiteSchrift z(1280, 960);
    LegendeZeichnen(z, a, Einstellungssatz{}, d);
    int n = 0;
    for (const auto& t : z.nurArt(Aufzeichnung::Art::Text))
        if (t.text == "7" || t.text == "583.9210" || t.text == "3999") {
            ++n;
            EXPECT_EQ(t.punkte[0].x + BreiteSchrift::breiteBei(8, t.text), 1280 - LegendenRandRechts) << t.text;
        }
    EXPECT_EQ(n, 3);
}
