// No allocation per step: the frame pieces of the event representations and
// overview frames driven through the engine allocate nothing once the run is
// set up. The test program's operator new counts the allocations of the
// current thread while a Zaehlung is alive (C++ allocations only: memory
// that Qt takes with malloc is not counted, and none of these paths uses Qt).
// The legend is left out: its texts are still put together per frame.
#include "TestHost.h"

#include "figures/Spurcache.h"
#include "shell/Framerregeln.h"
#include "shell/Hauptprozedur.h"
#include "shell/UeberblickAblauf.h"
#include "figures/DreiPlaneten.h"
#include "figures/ZweiPlaneten.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <new>

namespace {
thread_local bool zaehlen = false;
thread_local long allokationen = 0;

void* holen(std::size_t n)
{
    if (zaehlen)
        ++allokationen;
    if (n == 0)
        n = 1;
    while (true) {
        if (void* p = std::malloc(n))
            return p;
        std::new_handler h = std::get_new_handler();
        if (!h)
            throw std::bad_alloc();
        h();
    }
}

struct Zaehlung {
    Zaehlung()
    {
        allokationen = 0;
        zaehlen = true;
    }
    ~Zaehlung() { zaehlen = false; }
    long stand() const { return allokationen; }
};
} // namespace

// The replaceable forms without alignment; the aligned ones keep the
// library's own pair.
void* operator new(std::size_t n) { return holen(n); }
void* operator new[](std::size_t n) { return holen(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept
{
    try {
        return holen(n);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t n, const std::nothrow_t& t) noexcept { return operator new(n, t); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

using namespace shell;
using testhost::TestHost;

namespace {

// A canvas that draws nothing (the recording one keeps every primitive).
class Nullflaeche : public figures::Zeichenflaeche {
public:
    int breite() const override { return 800; }
    int hoehe() const override { return 600; }
    void fuellen(figures::Farbe) override {}
    void flip() override {}
    void stift(figures::Farbe, int, figures::Stiftstil) override {}
    void pinsel(figures::Farbe, figures::Pinselstil) override {}
    void bewegeZu(int, int) override {}
    void linieZu(int, int) override { ++punkte; }
    void ellipse(int, int, int, int) override {}
    void polygon(const std::vector<figures::Punkt>& p) override { punkte += static_cast<long>(p.size()); }
    void polylinie(const std::vector<figures::Punkt>& p) override { punkte += static_cast<long>(p.size()); }
    void schrift(const figures::Schrift&) override {}
    void textAus(int, int, const std::string&) override { ++texte; }
    int textBreite(const std::string& t) override { return 6 * static_cast<int>(t.size()); }
    int textHoehe(const std::string&) override { return 12; }
    void bildZeichnen(int, int, int) override {}
    int bildBreite(int) const override { return 100; }
    int bildHoehe(int) const override { return 100; }
    long punkte = 0;
    int texte = 0;
};

class NullHost : public TestHost {
public:
    Nullflaeche leer;
    figures::Zeichenflaeche& flaeche() override { return leer; }
};

} // namespace

TEST(Allokationen, FramestueckeDerEreignisdarstellungen)
{
    Laufzustand z;
    Laufkonfiguration k;
    TestHost host;
    Hauptprozedur engine(z, k, host);
    Laufspeicher& sp = engine.speicher();
    sp.anlegen(z.MaxKonstellationen);
    z.LaufAktiv = true;
    Laufdienste l = engine.dienste();
    k.drehungDerFiguren = true;
    z.FigurenAnzahl = 10;
    z.Konstellationszahl = 500;
    z.SynodischePeriode = 10;
    z.Schrittweite = 0.5;
    for (int i = 0; i <= 11; ++i)
        sp.Ereignistage[static_cast<size_t>(i)] = 10.0 * (i + 1);
    figures::Spurcache spur;
    spur.anlegen(5000);
    figures::Ansicht a;
    a.GroesseSetzen(800, 600);
    std::vector<double> geschrieben(600, 0.0);
    int zeilen = 0;

    Zaehlung zaehlung;
    for (int schritt = 0; schritt < 2000; ++schritt) {
        z.Schritt = schritt;
        z.AktuellerTag = z.Starttag + schritt * z.Schrittweite;
        const double tagDanach = z.AktuellerTag + 1; // a capture larger than a std::function keeps inline
        EreignissePassieren(
            z, k, sp, Ereigniszaehlung::AlleImSchritt,
            [&](int nummer, int index) {
                geschrieben[static_cast<size_t>(nummer)] = sp.Ereignistage[static_cast<size_t>(index)];
                ++zeilen;
            },
            [&] {
                DrehungArrayVerschieben(sp, z, false, 0, true);
                NaechsteFigurZuweisen(z, sp.Ereignistage, [&](int i, double tag) {
                    sp.Ereignistage[static_cast<size_t>(i)] = tag + 0 * tagDanach;
                    sp.EreignisX[0][static_cast<size_t>(i)] = tag;
                });
            });
        DrehungArrayVerschieben2PL(sp, z, schritt % 2 == 0);
        zNachjustieren(z, k, sp, Nachjustierung{.sofortBisGrenze = true});
        spur.anhaengen({z.AktuellerTag, 1, 2});
        a.NeuZeichnen = schritt % 500 == 0;
        spur.projizieren(a, false);
    }
    k.drehungDerFiguren = false;
    k.ergebnisSofort = true;
    z.Konstellationszahl = 500;
    EXPECT_TRUE(ErgebnisSofort(l, [&](int nummer, int) {
        geschrieben[static_cast<size_t>(nummer)] = 1;
        ++zeilen;
    }));
    EXPECT_EQ(zaehlung.stand(), 0);
    EXPECT_GT(z.KonjIndex, 10);
    EXPECT_EQ(zeilen, 500);
    EXPECT_GT(host.pumps, 0);
}

namespace {

// An overview run through the engine; counts the allocations between the
// 20th and the 220th message pump, then ends the run.
struct Ueberblicksumgebung {
    Laufzustand z;
    Laufkonfiguration k;
    NullHost host;
    figures::Ansicht ansicht;
    figures::Einstellungen einstellungen;
    std::unique_ptr<Hauptprozedur> engine;
    long gezaehlt = -1;
    int bilder = 0;

    Ueberblicksumgebung()
    {
        z.Startphase = false;
        z.StartBildschirmBreite = 1024;
        z.StartBildschirmHoehe = 768;
        z.StartFarbtiefe = 32;
        engine = std::make_unique<Hauptprozedur>(z, k, host);
        engine->ansicht = &ansicht;
        engine->einstellungen = &einstellungen;
        engine->rechner = std::make_shared<astro::Positionsrechner>();
        k.menueDarstellung = Darstellung::Ueberblick;
    }

    void laufen(figures::UeberblickEingabe e)
    {
        auto a = std::make_unique<UeberblickAblauf>();
        a->eingabe = e;
        engine->registrieren(Darstellung::Ueberblick, std::move(a));
        std::unique_ptr<Zaehlung> zaehlung;
        host.beimPumpen = [&](int n) {
            if (n == 20)
                zaehlung = std::make_unique<Zaehlung>();
            // The view changes now and then: trails and orbits are projected again.
            if (n == 60)
                z.NeuZeichnen = true;
            if (n == 90)
                z.WinkelX += 0.2;
            if (n == 120) {
                z.MausGedrueckt = true;
                z.ZentrumBewegt = true;
                z.MitteX += 5;
            }
            if (n == 121)
                z.MausGedrueckt = false;
            if (n == 220) {
                gezaehlt = zaehlung->stand();
                zaehlen = false;
                bilder = z.Schritt;
                engine->beenden();
            }
        };
        engine->ausfuehren();
    }
};

} // namespace

TEST(Allokationen, UeberblickHeliozentrischMitBahnenUndSchmuck)
{
    Ueberblicksumgebung u;
    u.k.massstab = u.k.zentrumMarkieren = u.k.sonneZentrum = true;
    u.k.tierkreis = TierkreisArt::Zeichen;
    u.k.intBilditem = 1;
    figures::UeberblickEingabe e;
    for (int b = 1; b <= 6; ++b)
        e.koerper[static_cast<size_t>(b)] = true;
    u.laufen(e);
    EXPECT_TRUE(u.host.meldungen.empty());
    EXPECT_GE(u.bilder, 200);
    EXPECT_GT(u.host.leer.punkte, 200 * 6 * 100) << "the orbits were drawn";
    EXPECT_EQ(u.gezaehlt, 0);
}

TEST(Allokationen, UeberblickGeozentrischMitSpuren)
{
    Ueberblicksumgebung u;
    u.k.massstab = true;
    figures::UeberblickEingabe e;
    e.zentrum = 3;
    for (int b = 1; b <= 9; ++b)
        e.koerper[static_cast<size_t>(b)] = true;
    u.laufen(e);
    EXPECT_TRUE(u.host.meldungen.empty());
    EXPECT_GE(u.bilder, 200);
    EXPECT_GT(u.host.leer.punkte, 200 * 8) << "the trails were drawn";
    EXPECT_EQ(u.gezaehlt, 0);
}

TEST(Allokationen, ZweiPlanetenRahmenMitRaumgeradenUndSternen)
{
    // Link lines, traces, mid-points and both stars, then kept stars that
    // search their next corner while the figure runs.
    astro::Positionsrechner rechner;
    const auto position = figures::PositionsfunktionAus(rechner, astro::Rechenoptionen{});
    figures::Ansicht a;
    a.GroesseSetzen(800, 600);
    const figures::Einstellungssatz s;
    figures::ZweiPlanetenRahmen r;
    r.mittelpunktmodus = figures::Mittelpunktmodus::LinieUndPunkte;
    Nullflaeche flaeche;
    for (bool drehung : {false, true}) {
        figures::ZweiPlanetenEingabe e;
        e.planet1 = 2;
        e.planet2 = 3;
        e.schrittweite = 8;
        e.raumgeraden = e.bahn1 = e.bahn2 = true;
        e.konjunktionsstern = e.oppositionsstern = true;
        e.mittelpunkte = 0;
        figures::ZweiPlanetenlauf l;
        l.schrittgrenze = 3000;
        l.drehung = drehung;
        l.figurenAnzahl = 3;
        figures::ZweiPlaneten f;
        ASSERT_TRUE(f.vorbereiten(e, l, a, position));
        figures::ZweiPlanetenZaehler c;
        Zaehlung zaehlung;
        for (int n = 0; n < 2000; ++n) {
            c.schritt = std::max(c.schritt, n);
            a.NeuZeichnen = n % 400 == 0;
            ASSERT_TRUE(f.schritt(c, &flaeche, a, s, r, nullptr));
            n = c.schritt;
        }
        EXPECT_EQ(zaehlung.stand(), 0) << (drehung ? "kept stars" : "growing figure");
        EXPECT_GT(c.konjIndex, 3);
    }
}

TEST(Allokationen, DreiPlanetenRahmenMitEreignissenUndBehaltenenFiguren)
{
    astro::Positionsrechner rechner;
    const auto position = figures::PositionsfunktionAus(rechner, astro::Rechenoptionen{});
    figures::Ansicht a;
    a.GroesseSetzen(800, 600);
    const figures::Einstellungssatz s;
    figures::DreiPlanetenRahmen r;
    r.mittelpunktmodus = figures::Mittelpunktmodus::LinieUndPunkte;
    Nullflaeche flaeche;
    for (bool drehung : {false, true}) {
        figures::DreiPlanetenEingabe e;
        e.mittelpunkte = 0;
        e.positionenAussen = e.linienAussen = e.positionenNicht = e.linienNicht = e.dreieck = true;
        figures::DreiPlanetenlauf l;
        l.konstellationsgrenze = 30;
        l.drehung = drehung;
        l.figurenAnzahl = 4;
        figures::DreiPlaneten f;
        ASSERT_TRUE(f.vorbereiten(e, l, a, position));
        figures::DreiPlanetenZaehler c;
        Zaehlung zaehlung;
        for (int n = 0; n < 6000; n += 3) {
            c.schritt = std::max(c.schritt, n);
            a.NeuZeichnen = n % 900 == 0;
            ASSERT_TRUE(f.schritt(c, &flaeche, a, s, r, nullptr));
        }
        EXPECT_EQ(zaehlung.stand(), 0) << (drehung ? "kept figures" : "growing figure");
        EXPECT_GT(c.konjIndex, 4);
    }
}
