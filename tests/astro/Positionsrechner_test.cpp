// Routing of position requests, and the barycentre.
#include "astro/Baryzentrum.h"
#include "astro/MittlereElemente.h"
#include "astro/Positionsquellen.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using astro::Ergebnis;
using astro::Fehler;
using astro::PositionXYZ;
using astro::Rechenoptionen;

// A source that records its calls and answers with a position that encodes
// the body (X = 100 · body, Y = 1, Z = -1).
class Protokollquelle : public astro::Positionsquelle {
public:
    struct Aufruf {
        int koerper;
        double tag;
        bool hoch;
        bool praezession;
    };
    mutable std::vector<Aufruf> aufrufe;
    Fehler antwortFehler = Fehler::Keiner;

    Ergebnis<PositionXYZ> position(int koerper, double tag, const Rechenoptionen& o) const override
    {
        aufrufe.push_back({koerper, tag, o.HoheGenauigkeit, o.MitPraezession});
        if (antwortFehler != Fehler::Keiner)
            return astro::Status::Fehlschlag(antwortFehler, "astro.ausserhalbTabelle");
        return PositionXYZ{100.0 * koerper, 1.0, -1.0};
    }
};

TEST(Positionsrechner, OhneQuellenNichtVerfuegbarStattErfundenerPosition)
{
    const astro::Positionsrechner r;
    Rechenoptionen normal;
    Rechenoptionen hoch;
    hoch.HoheGenauigkeit = true;
    for (int n = 1; n <= 21; ++n) {
        SCOPED_TRACE(n);
        const auto g = r.Position(n, 100.0, hoch);
        ASSERT_FALSE(g.ok());
        EXPECT_EQ(g.status().fehler, Fehler::NichtVerfuegbar);
        EXPECT_EQ(g.status().meldungsSchluessel, "astro.nichtVerfuegbar");
        EXPECT_FALSE(r.verfuegbar(n, true));
        const auto p = r.Position(n, 100.0, normal);
        EXPECT_EQ(p.ok(), n <= 4);
        EXPECT_EQ(r.verfuegbar(n, false), n <= 4);
        if (!p.ok()) {
            EXPECT_EQ(p.status().fehler, Fehler::NichtVerfuegbar);
        }
    }
}

TEST(Positionsrechner, SonneImUrsprungUngueltigeNummernAbgewiesen)
{
    const astro::Positionsrechner r;
    for (bool hoch : {false, true}) {
        Rechenoptionen o;
        o.HoheGenauigkeit = hoch;
        const auto sonne = r.Position(0, 1234.5, o);
        ASSERT_TRUE(sonne.ok());
        EXPECT_EQ(sonne->X, 0.0);
        EXPECT_EQ(sonne->Y, 0.0);
        EXPECT_EQ(sonne->Z, 0.0);
        for (int n : {-1, 22, 1000}) {
            const auto p = r.Position(n, 0.0, o);
            ASSERT_FALSE(p.ok());
            EXPECT_EQ(p.status().fehler, Fehler::UngueltigeEingabe);
        }
    }
}

struct RoutenFall {
    const char* name;
    int koerper;
    bool hoch;
    const char* quelle; // "reihen", "oskulierend" or "elemente"
};

class Routen : public ::testing::TestWithParam<RoutenFall> {};

TEST_P(Routen, KoerperErreichtSeineQuelle)
{
    const RoutenFall& f = GetParam();
    auto reihen = std::make_shared<Protokollquelle>();
    auto osku = std::make_shared<Protokollquelle>();
    astro::Positionsrechner r;
    r.setzeReihenquelle(reihen);
    r.setzeOskulierendeQuelle(osku);
    Rechenoptionen o;
    o.HoheGenauigkeit = f.hoch;
    o.MitPraezession = true;
    const auto p = r.Position(f.koerper, 4321.25, o);
    ASSERT_TRUE(p.ok());
    const std::string quelle = f.quelle;
    EXPECT_EQ(reihen->aufrufe.size(), quelle == "reihen" ? 1u : 0u);
    EXPECT_EQ(osku->aufrufe.size(), quelle == "oskulierend" ? 1u : 0u);
    const auto& aufrufe = quelle == "reihen" ? reihen->aufrufe : osku->aufrufe;
    if (quelle == "elemente") {
        const PositionXYZ e = astro::PositionMittlereElemente(f.koerper, 4321.25, true);
        EXPECT_EQ(p->X, e.X);
        EXPECT_EQ(p->Y, e.Y);
        EXPECT_EQ(p->Z, e.Z);
        return;
    }
    ASSERT_EQ(aufrufe.size(), 1u);
    EXPECT_EQ(aufrufe[0].koerper, f.koerper);
    EXPECT_EQ(aufrufe[0].tag, 4321.25);
    EXPECT_EQ(aufrufe[0].hoch, f.hoch);
    EXPECT_TRUE(aufrufe[0].praezession);
    EXPECT_EQ(p->X, 100.0 * f.koerper);
}

INSTANTIATE_TEST_SUITE_P(Positionsrechner, Routen,
                         ::testing::Values(RoutenFall{"MerkurNormal", 1, false, "elemente"},
                                           RoutenFall{"MarsNormal", 4, false, "elemente"},
                                           RoutenFall{"JupiterNormal", 5, false, "oskulierend"},
                                           RoutenFall{"PlutoNormal", 9, false, "oskulierend"},
                                           RoutenFall{"SednaNormal", 21, false, "oskulierend"},
                                           RoutenFall{"MerkurHoch", 1, true, "reihen"},
                                           RoutenFall{"NeptunHoch", 8, true, "reihen"},
                                           RoutenFall{"PlutoHoch", 9, true, "oskulierend"},
                                           RoutenFall{"CeresHoch", 10, true, "oskulierend"}),
                         [](const auto& info) { return std::string(info.param.name); });

// PositionNormal always asks the element source for its long-span tables,
// even when the caller's options say high accuracy, and vice versa.
TEST(Positionsrechner, DirekteRoutenSetzenDieGenauigkeit)
{
    auto osku = std::make_shared<Protokollquelle>();
    astro::Positionsrechner r;
    r.setzeOskulierendeQuelle(osku);
    Rechenoptionen hoch;
    hoch.HoheGenauigkeit = true;
    ASSERT_TRUE(r.PositionNormal(12, 0.0, hoch).ok());
    ASSERT_TRUE(r.PositionGenau(12, 0.0, Rechenoptionen{}).ok());
    ASSERT_EQ(osku->aufrufe.size(), 2u);
    EXPECT_FALSE(osku->aufrufe[0].hoch);
    EXPECT_TRUE(osku->aufrufe[1].hoch);
}

TEST(Positionsrechner, FehlerDerQuelleKommtDurch)
{
    auto osku = std::make_shared<Protokollquelle>();
    osku->antwortFehler = Fehler::AusserhalbGueltigkeit;
    astro::Positionsrechner r;
    r.setzeOskulierendeQuelle(osku);
    const auto p = r.Position(7, 1e7, Rechenoptionen{});
    ASSERT_FALSE(p.ok());
    EXPECT_EQ(p.status().fehler, Fehler::AusserhalbGueltigkeit);
}

// --- barycentre ------------------------------------------------------------

// Fixed positions: body n at (n · 10, n, 0) 10^6 km.
class FesteQuelle : public astro::Positionsquelle {
public:
    Ergebnis<PositionXYZ> position(int n, double, const Rechenoptionen&) const override
    {
        return PositionXYZ{10.0 * n, 1.0 * n, 0.0};
    }
};

astro::Positionsrechner festerRechner()
{
    astro::Positionsrechner r;
    r.setzeOskulierendeQuelle(std::make_shared<FesteQuelle>());
    r.setzeReihenquelle(std::make_shared<FesteQuelle>());
    return r;
}

TEST(Baryzentrum, NurJupiterMitSonne)
{
    const auto r = festerRechner();
    astro::BaryAuswahl a;
    a.koerper[5] = true;
    const auto p = astro::KoordBary(r, a, 0.0, Rechenoptionen{});
    ASSERT_TRUE(p.ok());
    const double anteil = 1898.8 / (1989000.0 + 1898.8);
    EXPECT_NEAR(p->X, 50.0 * anteil, 1e-12);
    EXPECT_NEAR(p->Y, 5.0 * anteil, 1e-12);
    // At Jupiter's real distance of 778 10^6 km that is about 0.74 10^6 km.
    EXPECT_NEAR(778.0 * anteil, 0.74, 0.01);
}

TEST(Baryzentrum, OhneSonnenmasseEinKoerperIstDessenPosition)
{
    const auto r = festerRechner();
    astro::BaryAuswahl a;
    a.mitSonnenmasse = false;
    a.koerper[6] = true;
    const auto p = astro::KoordBary(r, a, 0.0, Rechenoptionen{});
    ASSERT_TRUE(p.ok());
    EXPECT_DOUBLE_EQ(p->X, 60.0);
    EXPECT_DOUBLE_EQ(p->Y, 6.0);
}

TEST(Baryzentrum, OptischerSchwerpunktIstMittelpunkt)
{
    const auto r = festerRechner();
    astro::BaryAuswahl a;
    a.optisch = true;
    a.mitSonnenmasse = false;
    a.koerper[5] = a.koerper[6] = true;
    a.koerper[12] = true; // minor planets never take part
    const auto p = astro::KoordBary(r, a, 0.0, Rechenoptionen{});
    ASSERT_TRUE(p.ok());
    EXPECT_DOUBLE_EQ(p->X, 55.0);
    EXPECT_DOUBLE_EQ(p->Y, 5.5);
}

TEST(Baryzentrum, OhneGewichtAbgewiesenStattDivisionDurchNull)
{
    const auto r = festerRechner();
    astro::BaryAuswahl a;
    a.mitSonnenmasse = false;
    a.koerper[15] = true; // not part of the barycentre
    EXPECT_EQ(astro::BaryGesamtgewicht(a), 0.0);
    const astro::Status s = astro::BaryAuswahlPruefen(a);
    EXPECT_EQ(s.fehler, Fehler::UngueltigeEingabe);
    EXPECT_EQ(s.meldungsSchluessel, "astro.bary.keinGewicht");
    const auto p = astro::KoordBary(r, a, 0.0, Rechenoptionen{});
    ASSERT_FALSE(p.ok());
    EXPECT_EQ(p.status().fehler, Fehler::UngueltigeEingabe);
    EXPECT_TRUE(astro::BaryAuswahlPruefen(astro::StandardBaryAuswahl()).ok());
}

TEST(Baryzentrum, FehlendeQuelleWirdGemeldet)
{
    const astro::Positionsrechner ohneQuellen;
    const auto p = astro::KoordBary(ohneQuellen, astro::StandardBaryAuswahl(), 0.0, Rechenoptionen{});
    ASSERT_FALSE(p.ok());
    EXPECT_EQ(p.status().fehler, Fehler::NichtVerfuegbar);
}

// Inner planets need no source at normal accuracy: a real centre of mass.
TEST(Baryzentrum, InnerePlanetenMitMittlerenElementen)
{
    const astro::Positionsrechner r;
    astro::BaryAuswahl a;
    a.koerper[1] = a.koerper[2] = a.koerper[3] = a.koerper[4] = true;
    const auto p = astro::KoordBary(r, a, 8000.0, Rechenoptionen{});
    ASSERT_TRUE(p.ok());
    PositionXYZ summe;
    double w = 1989000.0;
    for (int n = 1; n <= 4; ++n) {
        summe = summe + astro::Massen[n] * astro::PositionMittlereElemente(n, 8000.0, false);
        w += astro::Massen[n];
    }
    EXPECT_NEAR(p->X, summe.X / w, 1e-12);
    EXPECT_NEAR(p->Y, summe.Y / w, 1e-12);
}

} // namespace
