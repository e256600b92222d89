// The two-planet model: corrections of the pair, proposals, the loops
// transform, the events and their stars, kept figures, the frame's order.
#include "astro/Koordinaten.h"
#include "figures/Aufzeichnungsflaeche.h"
#include "figures/ZweiPlaneten.h"
#include "sprache/Sprache.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace figures;
using Art = Aufzeichnung::Art;

namespace {

Positionsfunktion Planeten()
{
    static astro::Positionsrechner rechner;
    return PositionsfunktionAus(rechner, astro::Rechenoptionen{});
}

double Laenge(const Raumpunkt& p) { return std::atan2(p.Y, p.X) * 180.0 / 3.14159265358979323846; }

ZweiPlanetenEingabe VenusErde()
{
    ZweiPlanetenEingabe e;
    e.planet1 = 2;
    e.planet2 = 3;
    e.schrittweite = 4;
    return e;
}

} // namespace

TEST(ZweiPlaneten, PaarWirdKorrigiert)
{
    ZweiPlanetenEingabe e;
    e.planet1 = 5; // Jupiter given as planet 1, Mars as planet 2: swapped
    e.planet2 = 4;
    ZweiPlanetenKorrigieren(e);
    EXPECT_EQ(e.planet1, 4);
    EXPECT_EQ(e.planet2, 5);
    e.planet1 = e.planet2 = 3; // the same planet twice: the next one
    ZweiPlanetenKorrigieren(e);
    EXPECT_EQ(e.planet1, 3);
    EXPECT_EQ(e.planet2, 4);
    e.planet1 = e.planet2 = 2; // both Venus with the loops: Mars
    e.schleifen = true;
    ZweiPlanetenKorrigieren(e);
    EXPECT_EQ(e.planet2, 4);
}

TEST(ZweiPlaneten, Schrittweitenvorschlag)
{
    EXPECT_EQ(Schrittweitenvorschlag(2, 3, 0), 4);  // 224.7 / 60
    EXPECT_EQ(Schrittweitenvorschlag(5, 6, 0), 72); // 4332.6 / 60
    EXPECT_EQ(Schrittweitenvorschlag(5, 7, 3), 6);  // the Earth at the centre counts
}

TEST(ZweiPlaneten, SchleifenTeilerUndPunkt)
{
    EXPECT_DOUBLE_EQ(BreitenTeiler(3, 4), 50);
    EXPECT_DOUBLE_EQ(BreitenTeiler(3, 5), 33);
    EXPECT_DOUBLE_EQ(BreitenTeiler(3, 8), 13.5);
    EXPECT_DOUBLE_EQ(BreitenTeiler(5, 6), 33);
    EXPECT_DOUBLE_EQ(BreitenTeiler(3, 9), 80);   // Pluto
    EXPECT_DOUBLE_EQ(BreitenTeiler(3, 10), 100); // Ceres
    EXPECT_DOUBLE_EQ(BreitenTeiler(3, 11), 200); // Pallas
    // 5 degrees north with f = 50 widens the radius by a tenth; z keeps the
    // distance; the Sun has no latitude term.
    const Raumpunkt p = astro::KugelZuXYZ({90.0, 5.0, 200.0});
    const Raumpunkt q = SchleifenPunkt(p, 50, 100, true);
    EXPECT_NEAR(q.X, 0.0, 1e-9);
    EXPECT_NEAR(q.Y, 0.9 * 100 * 1.1, 1e-9);
    EXPECT_NEAR(q.Z, 200.0, 1e-9);
    EXPECT_NEAR(SchleifenPunkt(p, 50, 100, false).Y, 90.0, 1e-9);
}

TEST(ZweiPlaneten, VenusErdeKonjunktionenBildenPentagramm)
{
    ZweiPlaneten f;
    Ansicht a;
    a.GroesseSetzen(800, 600);
    ZweiPlanetenEingabe e = VenusErde();
    e.konjunktionsstern = e.oppositionsstern = true;
    ZweiPlanetenlauf l;
    l.schrittgrenze = 3000;
    ASSERT_TRUE(f.vorbereiten(e, l, a, Planeten()));
    const auto& k = f.konjunktionen();
    ASSERT_GE(k.gefunden, 7);
    for (int i = 0; i < k.gefunden; ++i) {
        EXPECT_GE(k.tage[i], 0.0);
        if (i > 0) {
            EXPECT_NEAR(k.tage[i] - k.tage[i - 1], 583.9, 8.0);
        }
        // Heliocentric conjunction: both at the same longitude.
        EXPECT_NEAR(astro::Winkel180(Laenge(k.ort1[i]) - Laenge(k.ort2[i])), 0.0, 0.002);
    }
    // Five conjunctions make the pentagram: the sixth comes back to the
    // first corner within a few degrees, each step turns by about 144 (the
    // Earth's uneven speed moves it by up to 8).
    EXPECT_NEAR(astro::Winkel180(Laenge(k.ort2[5]) - Laenge(k.ort2[0])), 0.0, 4.0);
    EXPECT_NEAR(std::fabs(astro::Winkel180(Laenge(k.ort2[1]) - Laenge(k.ort2[0]))), 144.0, 10.0);
    // Oppositions: the longitudes differ by 180.
    const auto& o = f.oppositionen();
    ASSERT_GE(o.gefunden, 1);
    EXPECT_NEAR(std::fabs(astro::Winkel180(Laenge(o.ort1[0]) - Laenge(o.ort2[0]))), 180.0, 0.002);
    // Which kind comes first decides the star mode.
    EXPECT_EQ(f.sternmodus(), k.tage[0] < o.tage[0] ? 3 : 4);
}

TEST(ZweiPlaneten, SchrittzahlUndGrenzen)
{
    ZweiPlaneten f;
    Ansicht a;
    ZweiPlanetenEingabe e = VenusErde();
    e.starttag = 1000;
    ZweiPlanetenlauf l;
    l.schrittgrenze = 12000;
    l.gueltigkeitsgrenze = 1000 + 4 * 250.4;
    ASSERT_TRUE(f.vorbereiten(e, l, a, Planeten()));
    EXPECT_EQ(f.schrittzahl(), 250); // cut at the validity limit
    l.gueltigkeitsgrenze = 1e7;
    l.sofort = true;
    l.sofortSchritte = 77;
    ASSERT_TRUE(f.vorbereiten(e, l, a, Planeten()));
    EXPECT_EQ(f.schrittzahl(), 77);
    e.schrittweite = 0;
    EXPECT_FALSE(f.vorbereiten(e, l, a, Planeten()));
}

TEST(ZweiPlaneten, ErdeImZentrumSiehtVenusUndSonne)
{
    ZweiPlaneten f;
    Ansicht a;
    ZweiPlanetenEingabe e = VenusErde();
    e.zentrum = 3;
    e.sonnenbahn = true;
    ZweiPlanetenlauf l;
    l.schrittgrenze = 10;
    ASSERT_TRUE(f.vorbereiten(e, l, a, Planeten()));
    const auto pos = Planeten();
    const Raumpunkt v = *pos(2, 8.0), erde = *pos(3, 8.0);
    // Slot 1: Venus seen from the Earth; slot 2: the Sun seen from the Earth.
    EXPECT_NEAR(f.ort1(2).X, v.X - erde.X, 1e-9);
    EXPECT_NEAR(f.ort2(2).Y, -erde.Y, 1e-9);
}

TEST(ZweiPlaneten, EinSternpunktIstEinKreisOhneLinie)
{
    ZweiPlaneten f;
    Ansicht a;
    a.GroesseSetzen(800, 600);
    ZweiPlanetenEingabe e = VenusErde();
    e.konjunktionsstern = true;
    e.planet1Zeichnen = e.planet2Zeichnen = e.fuehrungslinie = false;
    ZweiPlanetenlauf l;
    l.schrittgrenze = 1200;
    ASSERT_TRUE(f.vorbereiten(e, l, a, Planeten()));
    const Einstellungssatz s;
    ZweiPlanetenRahmen r;
    const double t1 = f.konjunktionen().tage[0], t2 = f.konjunktionen().tage[1];
    const auto zeichnen = [&](double tag) {
        Aufzeichnungsflaeche z(800, 600);
        ZweiPlanetenZaehler c;
        for (int n = 0; n <= static_cast<int>(tag / 4) + 1; ++n) {
            c.schritt = n;
            EXPECT_TRUE(f.schritt(c, n == static_cast<int>(tag / 4) + 1 ? &z : nullptr, a, s, r, nullptr));
        }
        return z;
    };
    const auto eins = zeichnen(t1);
    int kreise = 0, linien = 0;
    for (const auto& x : eins.eintraege()) {
        kreise += x.art == Art::Ellipse && x.stiftFarbe == s.IntFarbeLinienKonj;
        linien += x.art == Art::Linie && x.stiftFarbe == s.IntFarbeLinienKonj;
    }
    EXPECT_EQ(kreise, 1);
    EXPECT_EQ(linien, 0);
    const auto zwei = zeichnen(t2);
    kreise = linien = 0;
    for (const auto& x : zwei.eintraege()) {
        kreise += x.art == Art::Ellipse && x.stiftFarbe == s.IntFarbeLinienKonj;
        linien += x.art == Art::Linie && x.stiftFarbe == s.IntFarbeLinienKonj;
    }
    EXPECT_EQ(kreise, 2);
    EXPECT_EQ(linien, 1);
}

TEST(ZweiPlaneten, RahmenZeichnetInSeinerReihenfolge)
{
    // Link lines, traces, mid-points, stars, guide line, planets.
    ZweiPlaneten f;
    Ansicht a;
    a.GroesseSetzen(800, 600);
    ZweiPlanetenEingabe e = VenusErde();
    e.raumgeraden = e.bahn1 = e.bahn2 = e.konjunktionsstern = true;
    e.mittelpunkte = 1;
    ZweiPlanetenlauf l;
    l.schrittgrenze = 400;
    ASSERT_TRUE(f.vorbereiten(e, l, a, Planeten()));
    Einstellungssatz s;
    s.IntFarbeRG = 0x000001;
    s.IntFarbeBahnen = 0x000002;
    s.IntFarbeMittelpunkteRG = 0x000003;
    s.IntFarbeLinienKonj = 0x000004;
    s.IntFarbeFuehrungslinie = 0x000005;
    s.IntFarbeLiniePlaneten = 0x000006;
    ZweiPlanetenRahmen r;
    ZweiPlanetenZaehler c;
    for (int n = 0; n < 300; ++n) {
        c.schritt = n;
        ASSERT_TRUE(f.schritt(c, nullptr, a, s, r, nullptr));
    }
    Aufzeichnungsflaeche z(800, 600);
    c.schritt = 300;
    ASSERT_TRUE(f.schritt(c, &z, a, s, r, nullptr));
    std::vector<Farbe> folge;
    for (const auto& x : z.eintraege())
        if ((x.art == Art::Linie || x.art == Art::Ellipse) && x.stiftFarbe >= 1 && x.stiftFarbe <= 6 &&
            (folge.empty() || folge.back() != x.stiftFarbe))
            folge.push_back(x.stiftFarbe);
    EXPECT_EQ(folge, (std::vector<Farbe>{1, 2, 3, 4, 5, 6}));
    int raumgeraden = 0;
    for (const auto& x : z.eintraege())
        raumgeraden += x.art == Art::Linie && x.stiftFarbe == 1;
    EXPECT_EQ(raumgeraden, 301); // steps 0 .. 300
}

TEST(ZweiPlaneten, BehalteneSterneHabenImmerGleichVieleEcken)
{
    ZweiPlaneten f;
    Ansicht a;
    a.GroesseSetzen(800, 600);
    ZweiPlanetenEingabe e = VenusErde();
    e.konjunktionsstern = true;
    e.schrittweite = 20;
    ZweiPlanetenlauf l;
    l.schrittgrenze = 12000;
    l.drehung = true;
    l.figurenAnzahl = 4;
    ASSERT_TRUE(f.vorbereiten(e, l, a, Planeten()));
    const Einstellungssatz s;
    ZweiPlanetenRahmen r;
    ZweiPlanetenZaehler c;
    double letzter = -1;
    int vorher = 0;
    for (int n = 0; n < 600 && c.konjIndex < 9; ++n) {
        c.schritt = std::max(c.schritt, n);
        Aufzeichnungsflaeche z(800, 600);
        ASSERT_TRUE(f.schritt(c, &z, a, s, r, nullptr));
        int kreise = 0;
        for (const auto& x : z.eintraege())
            kreise += x.art == Art::Ellipse && x.stiftFarbe == s.IntFarbeLinienKonj;
        EXPECT_EQ(kreise, std::min(c.konjIndex, 4));
        if (c.konjIndex > 4 && c.konjIndex > vorher) {
            // The kept corners move on: the oldest is a later one each time.
            EXPECT_GT(f.konjunktionen().tage[0], letzter);
            letzter = f.konjunktionen().tage[0];
        }
        vorher = c.konjIndex;
        n = c.schritt;
    }
    EXPECT_GE(c.konjIndex, 9);
}

TEST(ZweiPlaneten, ZeilenJeSchrittOderJeEreignis)
{
    ZweiPlaneten f;
    Ansicht a;
    ZweiPlanetenEingabe e = VenusErde();
    e.raumgeraden = true;
    ZweiPlanetenlauf l;
    l.schrittgrenze = 50;
    ASSERT_TRUE(f.vorbereiten(e, l, a, Planeten()));
    astro::Zeilenspeicher sp;
    astro::Datenausgabe d;
    d.zielSetzen(&sp);
    const Einstellungssatz s;
    ZweiPlanetenRahmen r;
    ZweiPlanetenZaehler c;
    for (int n = 0; n <= 10; ++n) {
        c.schritt = n;
        ASSERT_TRUE(f.schritt(c, nullptr, a, s, r, &d));
    }
    r.pause = true; // a paused redraw writes nothing
    ASSERT_TRUE(f.schritt(c, nullptr, a, s, r, &d));
    EXPECT_EQ(sp.zeilen.size(), 11u);
    // With a star the rows are the events.
    e.konjunktionsstern = true;
    l.schrittgrenze = 400;
    ASSERT_TRUE(f.vorbereiten(e, l, a, Planeten()));
    sp.zeilen.clear();
    r.pause = false;
    c = {};
    for (int n = 0; n <= 400; ++n) {
        c.schritt = n;
        ASSERT_TRUE(f.schritt(c, nullptr, a, s, r, &d));
    }
    EXPECT_EQ(static_cast<int>(sp.zeilen.size()), c.konjIndex);
    EXPECT_GE(c.konjIndex, 2);
    EXPECT_NE(f.titel(sprache::Sprache::Deutsch).find("Venus und Erde bei Konjunktionen"), std::string::npos);
    EXPECT_NE(f.titel(sprache::Sprache::Englisch).find("centre Sun"), std::string::npos);
}

TEST(ZweiPlaneten, ErstesEreignisNieVorDemStart)
{
    // A start just after the conjunction of day 454 (2001-03-30): the
    // search walks back to it from up to a sixth of a period later, so
    // every start of this span needs several restarts.
    const auto pos = Planeten();
    for (double start : {455.0, 480.0, 504.0, 534.0}) {
        ZweiPlaneten f;
        Ansicht a;
        a.GroesseSetzen(800, 600);
        ZweiPlanetenEingabe e = VenusErde();
        e.starttag = start;
        e.konjunktionsstern = e.oppositionsstern = true;
        ZweiPlanetenlauf l;
        l.schrittgrenze = 400;
        ASSERT_TRUE(f.vorbereiten(e, l, a, pos));
        ASSERT_GE(f.konjunktionen().gefunden, 1) << start;
        ASSERT_GE(f.oppositionen().gefunden, 1) << start;
        EXPECT_GE(f.konjunktionen().tage[0], start) << start;
        EXPECT_NEAR(f.konjunktionen().tage[0], 454 + 583.92, 8.0) << start; // the next one, 2002-10-31
        EXPECT_GE(f.oppositionen().tage[0], start) << start;
        // Step 0 has passed no conjunction yet.
        ZweiPlanetenZaehler c;
        const Einstellungssatz s;
        ZweiPlanetenRahmen r;
        ASSERT_TRUE(f.schritt(c, nullptr, a, s, r, nullptr));
        EXPECT_EQ(c.konjIndex, 0) << start;
    }
}

TEST(ZweiPlaneten, OhnePlanetenSpringtDieUhrZumNaechstenEreignis)
{
    // Frames (one step each, as the main loop advances) until eight
    // conjunctions have passed. Once the planets are hidden, by kept
    // figures past their count or "Planeten nur zu Beginn", every frame
    // brings the next conjunction; without either the clock walks all the
    // ~1170 steps.
    const Einstellungssatz s;
    const auto bilder = [&](bool drehung, bool nurZuBeginn, int& ohneBilder) {
        ZweiPlaneten f;
        Ansicht a;
        a.GroesseSetzen(800, 600);
        ZweiPlanetenEingabe e = VenusErde();
        e.konjunktionsstern = e.oppositionsstern = true;
        ZweiPlanetenlauf l;
        l.schrittgrenze = 12000;
        l.drehung = drehung;
        l.figurenAnzahl = 2;
        EXPECT_TRUE(f.vorbereiten(e, l, a, Planeten()));
        ZweiPlanetenRahmen r;
        r.nurZuBeginn = nurZuBeginn;
        r.nurBisIndex = 1;
        ZweiPlanetenZaehler c;
        int n = 0;
        ohneBilder = 0;
        double letzterTag = -1e9;
        for (; c.konjIndex < 8 && n < 5000; ++n, ++c.schritt) {
            EXPECT_TRUE(f.schritt(c, nullptr, a, s, r, nullptr));
            const bool ohne = f.ohnePlaneten(c, r);
            ohneBilder += ohne;
            if (ohne && c.rueckschritte > 0) {
                // The jump ends on the day of the next conjunction or
                // opposition, never beyond it.
                const double tag = f.starttag() + c.schritt * f.schrittweite();
                EXPECT_GT(tag, letzterTag);
                const auto naechster = [&](const Ereignisspeicher& sp, int zaehler) {
                    return sp.tage[static_cast<size_t>(drehung ? std::min(zaehler, 2) : zaehler)];
                };
                const double ziel =
                    std::min(naechster(f.konjunktionen(), c.konjIndex), naechster(f.oppositionen(), c.oppoIndex));
                EXPECT_GE(tag, ziel);
                EXPECT_LT(tag - f.schrittweite(), ziel);
                letzterTag = tag;
            }
        }
        EXPECT_EQ(c.konjIndex, 8);
        return n;
    };
    int ohne = 0;
    const int alle = bilder(false, false, ohne);
    EXPECT_EQ(ohne, 0);
    EXPECT_GT(alle, 1100);
    for (const bool drehung : {true, false}) {
        const int n = bilder(drehung, !drehung, ohne);
        // Two or three conjunctions stepped (the third one's opposition
        // hides the planets as early), then one event a frame: about two
        // frames per synodic period (a conjunction and an opposition).
        EXPECT_LT(n, alle / 2) << drehung;
        EXPECT_LE(ohne, 2 * 6 + 2) << drehung;
    }
}

TEST(ZweiPlaneten, BehalteneFigurenOhneSpuren)
{
    // Kept figures: the traces go once more events than are kept have
    // passed, with the conjunction star or with the opposition star alone.
    for (const bool konjunktionen : {true, false}) {
        ZweiPlaneten f;
        Ansicht a;
        a.GroesseSetzen(800, 600);
        ZweiPlanetenEingabe e = VenusErde();
        e.bahn1 = e.bahn2 = true;
        e.konjunktionsstern = konjunktionen;
        e.oppositionsstern = !konjunktionen;
        e.schrittweite = 8;
        ZweiPlanetenlauf l;
        l.schrittgrenze = 12000;
        l.drehung = true;
        l.figurenAnzahl = 2;
        ASSERT_TRUE(f.vorbereiten(e, l, a, Planeten()));
        Einstellungssatz s;
        s.IntFarbeBahnen = 0x000007;
        ZweiPlanetenRahmen r;
        ZweiPlanetenZaehler c;
        const auto spuren = [&] {
            Aufzeichnungsflaeche z(800, 600);
            EXPECT_TRUE(f.schritt(c, &z, a, s, r, nullptr));
            int n = 0;
            for (const auto& x : z.eintraege())
                n += x.art == Art::Linie && x.stiftFarbe == s.IntFarbeBahnen;
            return n;
        };
        c.schritt = 10;
        EXPECT_GT(spuren(), 0) << konjunktionen;
        int& zaehler = konjunktionen ? c.konjIndex : c.oppoIndex;
        while (zaehler <= 2 && c.schritt < 2000) {
            ++c.schritt;
            ASSERT_TRUE(f.schritt(c, nullptr, a, s, r, nullptr));
        }
        ASSERT_EQ(zaehler, 3);
        EXPECT_EQ(spuren(), 0) << konjunktionen;
    }
}

TEST(ZweiPlaneten, SchleifenMassstabNachSonneUndZentrum)
{
    // The tail of a loops frame in its order: the Sun at the centre
    // ("Ergebnis sofort" with "Sonne ins Zentrum"), the centre mark, then
    // the latitude scale in the place of the scale bar, the legend last.
    ZweiPlaneten f;
    Ansicht a;
    a.GroesseSetzen(800, 600);
    ZweiPlanetenEingabe e = VenusErde();
    e.planet1 = 3;
    e.planet2 = 4;
    e.schleifen = true;
    e.bahn1 = true;
    ZweiPlanetenlauf l;
    l.sofort = true;
    l.sofortSchritte = 200;
    ASSERT_TRUE(f.vorbereiten(e, l, a, Planeten()));
    Einstellungssatz s;
    s.IntFarbeBahnen = 0x000003;
    ZweiPlanetenRahmen r;
    r.sonneZentrum = r.zentrumMarkieren = r.massstab = r.legende = true;
    ZweiPlanetenZaehler c;
    c.schritt = f.schrittzahl();
    Aufzeichnungsflaeche z(800, 600);
    ASSERT_TRUE(f.schritt(c, &z, a, s, r, nullptr));
    int sonne = -1, kreuz = -1, breite = -1, legende = -1;
    const auto& x = z.eintraege();
    for (int i = 0; i < static_cast<int>(x.size()); ++i) {
        const auto& p = x[static_cast<size_t>(i)];
        if (sonne < 0 && p.art == Art::Ellipse && p.pinselFarbe == s.IntFarbePlanet[0])
            sonne = i;
        if (kreuz < 0 && p.art == Art::Linie && p.stiftFarbe == s.IntFarbeBahnen &&
            p.punkte[0] == Punkt{a.MitteX - 7, a.MitteY})
            kreuz = i;
        if (breite < 0 && p.art == Art::Text && p.text == sprache::T("massstab.breite"))
            breite = i;
        if (legende < 0 && p.art == Art::Text && p.text.find(sprache::T("legende.kopf")) != std::string::npos)
            legende = i;
    }
    ASSERT_GE(sonne, 0);
    EXPECT_LT(sonne, kreuz);
    EXPECT_LT(kreuz, breite);
    EXPECT_LT(breite, legende);
}
