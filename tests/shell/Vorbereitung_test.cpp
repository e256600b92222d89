// The common preparation pieces and the overview run driven through the
// engine with the scripted host.
#include "TestHost.h"

#include "astro/Datenausgabe.h"
#include "shell/UeberblickAblauf.h"
#include "shell/Vorbereitung.h"
#include "shell/Hauptprozedur.h"

#include <gtest/gtest.h>

#include <memory>

using namespace shell;
using testhost::TestHost;

namespace {

struct Umgebung : ::testing::Test {
    Laufzustand z;
    Laufkonfiguration k;
    TestHost host;
    std::unique_ptr<Hauptprozedur> engine;
    void SetUp() override
    {
        z.Startphase = false;
        z.StartBildschirmBreite = 1024;
        z.StartBildschirmHoehe = 768;
        z.StartFarbtiefe = 32;
        engine = std::make_unique<Hauptprozedur>(z, k, host);
        engine->speicher().anlegen(z.MaxKonstellationen);
        host.konfiguration = &k;
    }
    Laufdienste kontext() { return engine->dienste(); }
};

} // namespace

TEST(Vorbereitung, StartfeldMitNurMinusWirdNull)
{
    struct Fall {
        const char* text;
        double tag;
        const char* danach;
    } faelle[] = {{"-", 0, "0"}, {"", 0, ""}, {"-147724", -147724, "-147724"}, {"12.5", 12.5, "12.5"},
                  {"+3", 3, "+3"}, {"-.", 0, "-."}};
    for (const auto& f : faelle) {
        std::string t = f.text;
        EXPECT_EQ(StartzeitLesen(t), f.tag) << f.text;
        EXPECT_EQ(t, f.danach) << f.text;
    }
}

TEST(Vorbereitung, GueltigkeitsklemmeStartet500JahreInnerhalb)
{
    EXPECT_EQ(GueltigkeitKlemmen(3000000, 2600000), 2600000 - 182625);
    EXPECT_EQ(GueltigkeitKlemmen(-3000000, 2600000), -2600000);
    EXPECT_EQ(GueltigkeitKlemmen(2600000, 2600000), 2600000);
    EXPECT_EQ(GueltigkeitKlemmen(-5, 2600000), -5);
}

TEST(Vorbereitung, NurAussenNormalUndElementtabellen)
{
    EXPECT_TRUE(NurAussenNormal({5, 6, 9}, 0, false));
    EXPECT_TRUE(NurAussenNormal({6}, 5, false));
    EXPECT_FALSE(NurAussenNormal({5, 6}, 3, false)) << "an inner centre";
    EXPECT_FALSE(NurAussenNormal({4, 5}, 0, false));
    EXPECT_FALSE(NurAussenNormal({5, 6}, 0, true));
    EXPECT_FALSE(NurAussenNormal({5, 10}, 0, false)) << "a minor planet";

    EXPECT_EQ(ElementkoerperFuer({1, 5, 8}, 0, false), (std::vector<int>{5, 8}));
    EXPECT_EQ(ElementkoerperFuer({1, 5, 8}, 0, true), std::vector<int>{});
    EXPECT_EQ(ElementkoerperFuer({3}, 9, true), (std::vector<int>{9})) << "Pluto at the centre";
    EXPECT_EQ(ElementkoerperFuer({9, 14}, 0, true), (std::vector<int>{9, 14}));
    // An unticked centre planet still needs its table.
    EXPECT_EQ(ElementkoerperFuer({3}, 6, false), (std::vector<int>{6})) << "Saturn at the centre";
    EXPECT_EQ(ElementkoerperFuer({3}, 6, true), std::vector<int>{}) << "the series at high accuracy";
}

TEST(Vorbereitung, SynodischePeriode)
{
    // Earth and Mars (sidereal 365.256 and 686.980 days): 779.94 days.
    EXPECT_NEAR(SynodischePeriodeAus(365.256, 686.980), 779.94, 0.01);
    EXPECT_EQ(SynodischePeriodeAus(686.980, 365.256), SynodischePeriodeAus(365.256, 686.980));
    EXPECT_EQ(SynodischePeriodeAus(10, 10), 0);
}

TEST_F(Umgebung, FehlendeElementdateiBeendetDasProgramm)
{
    auto l = kontext();
    engine->rechner = std::make_shared<astro::Positionsrechner>();
    EXPECT_FALSE(ElementeLaden(l, {5}, 0, "kein/ordner/da"));
    EXPECT_TRUE(host.programmEnde);
    ASSERT_EQ(host.meldungen.size(), 1u);
    EXPECT_NE(host.meldungen[0].find(sprache::T("lauf.datenfehler")), std::string::npos);
    // Inner planets need no table: nothing is read.
    host.programmEnde = false;
    EXPECT_TRUE(ElementeLaden(l, {1, 2, 3, 4}, 0, "kein/ordner/da"));
    EXPECT_FALSE(host.programmEnde);
}

TEST_F(Umgebung, AbgebrochenerZaehldialogSchaltetErgebnisSofortAus)
{
    k.ergebnisSofort = true;
    z.LaufAktiv = true;
    host.zahlAntwortOk = false;
    auto l = kontext();
    int gemerkt = 500, anzahl = 0;
    EXPECT_FALSE(AnzahlAbfragen(l, Zaehlart::Konstellationen, gemerkt, anzahl));
    EXPECT_EQ(host.abgeschaltet, std::vector<Laufoption>{Laufoption::ErgebnisSofort}) << "through the menu item";
    EXPECT_FALSE(k.ergebnisSofort);
    EXPECT_FALSE(z.LaufAktiv);
    EXPECT_TRUE(host.startAn);
    EXPECT_EQ(gemerkt, 500);

    k.ergebnisSofort = true;
    host.zahlAntwortOk = true;
    host.zahlAntwort = 77;
    EXPECT_TRUE(AnzahlAbfragen(l, Zaehlart::Konstellationen, gemerkt, anzahl));
    EXPECT_EQ(anzahl, 77);
    EXPECT_EQ(gemerkt, 77);
    EXPECT_TRUE(k.ergebnisSofort);
}

TEST_F(Umgebung, VorausberechnungBeginntNeuWennEinEreignisVorDemStartLiegt)
{
    z.Starttag = z.AktuellerTag = 100;
    z.SynodischePeriode = 50;
    z.Konstellationszahl = 20;
    std::vector<std::pair<int, double>> aufrufe;
    bool ersterAufruf = true;
    auto assign = [&](int i, double tag) {
        aufrufe.push_back({i, tag});
        // The first search answers with an event before the start.
        z.Ereignistag = ersterAufruf ? 70 : tag + 1;
        ersterAufruf = false;
        engine->speicher().Ereignistage[static_cast<size_t>(i)] = z.Ereignistag;
    };
    auto l = kontext();
    EXPECT_TRUE(Vorausberechnung(l, assign));
    ASSERT_GE(aufrufe.size(), 2u);
    EXPECT_EQ(aufrufe[0].first, 0);
    EXPECT_EQ(aufrufe[1].first, 0) << "restarted at index 0";
    EXPECT_EQ(static_cast<int>(aufrufe.size()), 1 + z.Konstellationszahl + 2);
    EXPECT_EQ(engine->speicher().Ereignistage[1] - engine->speicher().Ereignistage[0], 51);
}

TEST_F(Umgebung, BeendenWaehrendDerVorausberechnung)
{
    z.Starttag = z.AktuellerTag = 0;
    z.SynodischePeriode = 10;
    z.Konstellationszahl = 100;
    int aufrufe = 0;
    host.beimPumpen = [&](int) {
        if (aufrufe > 25)
            engine->beenden();
    };
    auto l = kontext();
    EXPECT_FALSE(Vorausberechnung(l, [&](int, double tag) {
        ++aufrufe;
        z.Ereignistag = tag;
    }));
    EXPECT_LT(aufrufe, 40);
}

TEST_F(Umgebung, DatenOnlyUeberblickSchreibtSeineZeilenUndEndetVonSelbst)
{
    k.menueDarstellung = Darstellung::Ueberblick;
    auto a = std::make_unique<UeberblickAblauf>();
    a->eingabe.koerper[2] = a->eingabe.koerper[3] = true;
    a->eingabe.nurDatenausgabe = true;
    a->eingabe.datenSchrittweite = 10;
    a->eingabe.datenAnzahl = 7;
    engine->registrieren(Darstellung::Ueberblick, std::move(a));
    engine->rechner = std::make_shared<astro::Positionsrechner>();
    astro::Zeilenspeicher zeilen;
    astro::Datenausgabe daten;
    daten.zielSetzen(&zeilen);
    engine->datenausgabe = &daten;
    host.beimPumpen = [&](int n) {
        if (n > 100)
            engine->beenden();  // safety net: the run must end long before
    };
    engine->ausfuehren();
    EXPECT_LT(host.pumps, 50);
    EXPECT_FALSE(z.LaufAktiv);
    EXPECT_EQ(z.Schrittweite, 10);
    int datenzeilen = 0;
    for (const auto& s : zeilen.zeilen)
        if (!s.empty() && std::isdigit(static_cast<unsigned char>(s[0])))
            ++datenzeilen;
    EXPECT_EQ(datenzeilen, 7);
    EXPECT_EQ(host.flaecheObj.anzahl(figures::Aufzeichnung::Art::Ellipse), 0) << "nothing is drawn";
}

TEST_F(Umgebung, GezeichneterUeberblickDerInnerenPlaneten)
{
    k.menueDarstellung = Darstellung::Ueberblick;
    k.sonneZentrum = true;
    figures::Ansicht ansicht;
    engine->ansicht = &ansicht;
    auto a = std::make_unique<UeberblickAblauf>();
    for (int b : {1, 2, 4})
        a->eingabe.koerper[static_cast<size_t>(b)] = true;
    a->eingabe.starttag = 12000000;  // beyond the limit: clamped 500 years inside
    engine->registrieren(Darstellung::Ueberblick, std::move(a));
    engine->rechner = std::make_shared<astro::Positionsrechner>();
    host.beimPumpen = [&](int n) {
        if (n == 4)
            engine->beenden();
    };
    engine->ausfuehren();
    EXPECT_TRUE(host.meldungen.empty());
    EXPECT_EQ(z.Starttag, 9999999.0 - 182625);
    EXPECT_DOUBLE_EQ(z.Schrittweite, 0.75);
    // Three frames of three planets and the Sun.
    EXPECT_EQ(host.flaecheObj.anzahl(figures::Aufzeichnung::Art::Ellipse), 3 * 4);
    EXPECT_GT(host.flaecheObj.anzahl(figures::Aufzeichnung::Art::Linie), 0) << "the orbits";
}

// Sedna at high accuracy with its orbit from day 0: the orbit (about 11900
// years) reaches far beyond the dense table; it is drawn from the normal
// table and the run starts without a validity message.
TEST_F(Umgebung, SednasBahnBeiHoherGenauigkeitAusDerNormalenTabelle)
{
    k.menueDarstellung = Darstellung::Ueberblick;
    k.hoheGenauigkeit = true;
    k.sonneZentrum = true;
    figures::Ansicht ansicht;
    engine->ansicht = &ansicht;
    auto a = std::make_unique<UeberblickAblauf>();
    a->eingabe.konfiguration = figures::UeberblickEingabe::FreieKonfiguration;
    a->eingabe.koerper[21] = true; // (the series of the planets are not loaded here)
    UeberblickAblauf* ablauf = a.get();
    engine->registrieren(Darstellung::Ueberblick, std::move(a));
    engine->rechner = std::make_shared<astro::Positionsrechner>();
    host.beimPumpen = [&](int n) {
        if (n == 3)
            engine->beenden();
    };
    engine->ausfuehren();
    EXPECT_TRUE(host.meldungen.empty()) << host.meldungen.front();
    EXPECT_FALSE(host.programmEnde);
    EXPECT_EQ(z.Gueltigkeitsgrenze, astro::GrenzeKleinplanetHoch) << "the run itself keeps the dense table's limit";
    const figures::Bahnpunkte& bahnen = ablauf->figur().bahnen();
    EXPECT_TRUE(bahnen.belegt(1)) << "Sedna's orbit";
    EXPECT_TRUE(bahnen.SednaFertig);
    EXPECT_FALSE(engine->rechner->hatOskulierendeQuelle()) << "Beenden released the tables";
}

// The overview with only the outer planets keeps the standard limit (the
// wider one is the two planets'); Kepler's day has its own label hint.
TEST_F(Umgebung, UeberblickAeusserePlanetenUndKeplersTag)
{
    k.menueDarstellung = Darstellung::Ueberblick;
    auto a = std::make_unique<UeberblickAblauf>();
    a->eingabe.koerper[5] = a->eingabe.koerper[6] = true;
    a->eingabe.starttag = -147724;
    engine->registrieren(Darstellung::Ueberblick, std::move(a));
    engine->rechner = std::make_shared<astro::Positionsrechner>();
    double grenze = 0;
    host.beimPumpen = [&](int n) {
        grenze = z.Gueltigkeitsgrenze;
        if (n == 2)
            engine->beenden();
    };
    engine->ausfuehren();
    EXPECT_TRUE(host.meldungen.empty()) << host.meldungen.front();
    EXPECT_EQ(grenze, astro::GrenzeNormal);
    EXPECT_EQ(host.letzterZeitHinweis, sprache::T("panel.zeit.kepler"));
}
