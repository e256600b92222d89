// The cache of the two-planet figure on the Qt canvas: frames that only add
// their newest step to the cache give exactly the pixels of frames that draw
// everything again, through growth, pauses, view changes, the star and
// mid-point layers, wide pens and kept stars; the same for three planets.
#include "figures/DreiPlaneten.h"
#include "figures/ZweiPlaneten.h"
#include "shell/QtZeichenflaeche.h"

#include <gtest/gtest.h>

using namespace figures;

namespace {

Positionsfunktion Planeten()
{
    static astro::Positionsrechner rechner;
    return PositionsfunktionAus(rechner, astro::Rechenoptionen{});
}

struct Paar {
    ZweiPlaneten mitCache, ohneCache;
    Ansicht a1, a2;
    shell::QtZeichenflaeche f1{480, 360}, f2{480, 360};
    Einstellungssatz s;
    ZweiPlanetenRahmen r;
    ZweiPlanetenZaehler c1, c2;

    Paar(const ZweiPlanetenEingabe& e, const ZweiPlanetenlauf& l)
    {
        for (Ansicht* a : {&a1, &a2})
            a->GroesseSetzen(480, 360);
        ohneCache.zwischenspeicherVerwenden(false);
        EXPECT_TRUE(mitCache.vorbereiten(e, l, a1, Planeten()));
        EXPECT_TRUE(ohneCache.vorbereiten(e, l, a2, Planeten()));
        r.sterne = 1;
    }
    void drehen(double x, double y, double z)
    {
        a1.WinkelSetzenGrad(x, y, z);
        a2.WinkelSetzenGrad(x, y, z);
    }
    // One frame of each at step n; true when the pixels are the same.
    ::testing::AssertionResult schritt(int n)
    {
        c1.schritt = std::max(c1.schritt, n);
        c2.schritt = std::max(c2.schritt, n);
        if (!mitCache.schritt(c1, &f1, a1, s, r, nullptr) || !ohneCache.schritt(c2, &f2, a2, s, r, nullptr))
            return ::testing::AssertionFailure() << "frame failed at " << n;
        if (f1.bild() != f2.bild()) {
            int anders = 0;
            for (int y = 0; y < f1.bild().height(); ++y)
                for (int x = 0; x < f1.bild().width(); ++x)
                    anders += f1.bild().pixel(x, y) != f2.bild().pixel(x, y);
            return ::testing::AssertionFailure() << anders << " pixels differ at step " << n;
        }
        return ::testing::AssertionSuccess();
    }
};

ZweiPlanetenEingabe Alles()
{
    ZweiPlanetenEingabe e;
    e.planet1 = 2;
    e.planet2 = 3;
    e.schrittweite = 6;
    e.raumgeraden = e.bahn1 = e.bahn2 = true;
    e.konjunktionsstern = e.oppositionsstern = true;
    e.mittelpunkte = 1;
    return e;
}

} // namespace

TEST(ZweiPlanetenCache, GleichePixelWieAllesNeuZeichnen)
{
    ZweiPlanetenlauf l;
    l.schrittgrenze = 700;
    Paar p(Alles(), l);
    p.r.mittelpunktmodus = Mittelpunktmodus::LinieUndPunkte;
    p.drehen(40, 10, 0);
    for (int n = 0; n <= 240; ++n)
        ASSERT_TRUE(p.schritt(n));
    // A paused frame draws the same step again.
    p.r.pause = true;
    ASSERT_TRUE(p.schritt(240));
    p.r.pause = false;
    // The sliders turn the figure while it grows.
    for (int n = 241; n <= 420; n += 3) {
        p.drehen(40 + n % 30, 10, n % 50);
        ASSERT_TRUE(p.schritt(n));
    }
    // Zoom, a centre drag, a resize.
    p.a1.Zoom = p.a2.Zoom = 1.7;
    ASSERT_TRUE(p.schritt(430));
    p.a1.VerschiebungX = p.a2.VerschiebungX = 35;
    p.a1.MitteBerechnen();
    p.a2.MitteBerechnen();
    ASSERT_TRUE(p.schritt(431));
    p.f1.setzeGroesse(400, 300);
    p.f2.setzeGroesse(400, 300);
    p.a1.GroesseSetzen(400, 300);
    p.a2.GroesseSetzen(400, 300);
    for (int n = 432; n <= 700; ++n)
        ASSERT_TRUE(p.schritt(n));
    // After the first frame every frame of growth used the cache.
    EXPECT_LE(p.mitCache.neuaufbauten(), 70);
}

TEST(ZweiPlanetenCache, BreiteStifteUndNurPunkte)
{
    ZweiPlanetenlauf l;
    l.schrittgrenze = 300;
    ZweiPlanetenEingabe e = Alles();
    e.mittelpunkte = 0;
    Paar p(e, l);
    p.s.IntLiniendicke = 2;
    p.s.IntBahndicke = 3;
    p.s.IntA2 = 4;
    for (int n = 0; n <= 300; n += 2)
        ASSERT_TRUE(p.schritt(n));
}

TEST(ZweiPlanetenCache, BehalteneSterneUndVerschwindendeSpuren)
{
    ZweiPlanetenlauf l;
    l.schrittgrenze = 3000;
    l.drehung = true;
    l.figurenAnzahl = 3;
    ZweiPlanetenEingabe e = Alles();
    e.schrittweite = 12;
    Paar p(e, l);
    for (int n = 0; n <= 800; ++n) {
        ASSERT_TRUE(p.schritt(n));
        n = std::max(n, p.c1.schritt);
        if (p.c1.konjIndex > 6)
            break;
    }
    EXPECT_GT(p.c1.konjIndex, 3);
}

TEST(DreiPlanetenCache, GleichePixelWieAllesNeuZeichnen)
{
    figures::DreiPlanetenEingabe e;
    e.raumgeradenpaar = 2;
    e.mittelpunkte = 1;
    e.positionenAussen = e.linienAussen = e.positionenNicht = e.linienNicht = true;
    e.dreieck = true;
    DreiPlanetenlauf l;
    l.konstellationsgrenze = 40;
    DreiPlaneten mit, ohne;
    ohne.zwischenspeicherVerwenden(false);
    Ansicht a1, a2;
    shell::QtZeichenflaeche f1(480, 360), f2(480, 360);
    for (Ansicht* a : {&a1, &a2})
        a->GroesseSetzen(480, 360);
    ASSERT_TRUE(mit.vorbereiten(e, l, a1, Planeten()));
    ASSERT_TRUE(ohne.vorbereiten(e, l, a2, Planeten()));
    const Einstellungssatz s;
    DreiPlanetenRahmen r;
    r.mittelpunktmodus = Mittelpunktmodus::LinieUndPunkte;
    DreiPlanetenZaehler c1, c2;
    for (int n = 0; c1.konjIndex < 40 && n < 20000; ++n) {
        c1.schritt = c2.schritt = n;
        if (n == 3000) {
            a1.WinkelSetzenGrad(50, 20, 0);
            a2.WinkelSetzenGrad(50, 20, 0);
        }
        const bool bild = n % 97 == 0;
        ASSERT_TRUE(mit.schritt(c1, bild ? &f1 : nullptr, a1, s, r, nullptr));
        ASSERT_TRUE(ohne.schritt(c2, bild ? &f2 : nullptr, a2, s, r, nullptr));
        if (bild) {
            ASSERT_TRUE(f1.bild() == f2.bild()) << "step " << n;
        }
    }
    EXPECT_LE(mit.neuaufbauten(), 3);
}
