#include "TestHost.h"

#include "shell/Hauptprozedur.h"
#include "shell/MysteriumAblauf.h"
#include "shell/UeberblickAblauf.h"
#include "shell/Vorbereitung.h"
#include "sprache/Sprache.h"

#include <gtest/gtest.h>

#include <memory>

using namespace shell;
using testhost::TestHost;

namespace {

// A test-only representation with a fixed step count, a start day, the rules
// a test hands it and an optional number of events; records the steps it
// drew.
class Probeablauf : public Darstellungsablauf {
public:
    int schritte = 10;
    double starttag = 0;
    double schrittweite = 1;
    Vorbereitungsergebnis ergebnis = Vorbereitungsergebnis::Weiter;
    Laufregeln regeln;
    std::vector<int> gezeichnet;
    int beendetGemeldet = 0;
    Laufregeln einrichten(const Laufkonfiguration&) override { return regeln; }
    Vorbereitungsergebnis vorbereiten(Laufdienste& d) override
    {
        d.z.Starttag = starttag;
        d.z.Schrittweite = schrittweite;
        d.z.Schrittzahl = schritte;
        d.z.Konstellationszahl = 0;
        return ergebnis;
    }
    void schritt(Laufdienste& d) override { gezeichnet.push_back(d.z.Schritt); }
    void beendet() override { ++beendetGemeldet; }
};

struct Lauf : ::testing::Test {
    Laufzustand z;
    Laufkonfiguration k;
    TestHost host;
    std::unique_ptr<Hauptprozedur> engine;
    Probeablauf* ablauf = nullptr;

    void SetUp() override
    {
        z.Startphase = false;
        z.StartBildschirmBreite = 1024;
        z.StartBildschirmHoehe = 768;
        z.StartFarbtiefe = 32;
        k.menueDarstellung = Darstellung::ZweiPlaneten;
        engine = std::make_unique<Hauptprozedur>(z, k, host);
        host.konfiguration = &k;
        auto a = std::make_unique<Probeablauf>();
        ablauf = a.get();
        engine->registrieren(Darstellung::ZweiPlaneten, std::move(a));
    }
};

TEST(Tempo, TabelleUndUngueltigeWerte)
{
    const int erwartet[] = {800, 400, 200, 100, 60, 35, 20, 12, 7, 0};
    for (int t = 1; t <= 10; ++t)
        EXPECT_EQ(WartezeitAusTempo(t), erwartet[t - 1]) << "tempo " << t;
    EXPECT_EQ(WartezeitAusTempo(0), 0);
    EXPECT_EQ(WartezeitAusTempo(11), 0);
}

TEST_F(Lauf, WartezeitenNachTempoUndUeberblickDreimalSchneller)
{
    host.tempo = 1;
    ablauf->schritte = 3;
    // End the run once it is complete.
    host.beimPumpen = [&](int) { if (z.FigurFertig) engine->beenden(); };
    engine->ausfuehren();
    // steps 0..3 drawn, each followed by 800 ms; the complete figure waits 0.
    ASSERT_GE(host.schlafzeiten.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(host.schlafzeiten[static_cast<size_t>(i)], 800);
    ASSERT_GE(ablauf->gezeichnet.size(), 4u);
    EXPECT_EQ(ablauf->gezeichnet.front(), 0);
    EXPECT_EQ(ablauf->gezeichnet[3], 3);

    // The overview's rules: a third of the wait (integer division), 400 / 3 = 133.
    auto ue = std::make_unique<UeberblickAblauf>();
    ue->eingabe.koerper[3] = true;
    engine->registrieren(Darstellung::Ueberblick, std::move(ue));
    engine->rechner = std::make_shared<astro::Positionsrechner>();
    k.menueDarstellung = Darstellung::Ueberblick;
    host.tempo = 2;
    host.schlafzeiten.clear();
    host.beimPumpen = [&, ab = host.pumps](int n) { if (n == ab + 3) engine->beenden(); };
    engine->ausfuehren();
    ASSERT_FALSE(host.schlafzeiten.empty());
    EXPECT_EQ(host.schlafzeiten.front(), 133);
    EXPECT_EQ(engine->regeln().wartezeitTeiler, 3);
}

TEST_F(Lauf, TempoAenderungWirktAmNaechstenSchritt)
{
    host.tempo = 5;
    ablauf->schritte = 5;
    host.beimPumpen = [&](int) {
        if (z.Schritt == 2) host.tempo = 10;
        if (z.FigurFertig) engine->beenden();
    };
    engine->ausfuehren();
    ASSERT_GE(host.schlafzeiten.size(), 2u);
    EXPECT_EQ(host.schlafzeiten[0], 60);
    EXPECT_EQ(host.schlafzeiten[1], 60);
    // tempo 10: no more sleeping at all
    EXPECT_EQ(host.schlafzeiten.size(), 2u);
}

TEST_F(Lauf, FertigeFigurEndetNachFuenfMinutenOhneBedienung)
{
    ablauf->schritte = 2;
    engine->ausfuehren();
    EXPECT_FALSE(z.LaufAktiv);
    EXPECT_TRUE(z.FigurFertig);
    EXPECT_TRUE(z.Abbruch);
    // The last step keeps being redrawn: step 2 is the last one drawn.
    EXPECT_EQ(ablauf->gezeichnet.back(), 2);
    EXPECT_GT(host.uhr - 1000.0, 300.0) << "five minutes";
    EXPECT_LT(host.uhr - 1000.0, 301.0);
    EXPECT_TRUE(host.startAn);
    EXPECT_FALSE(host.gesperrt);
}

TEST_F(Lauf, PauseEndetNachFuenfMinutenUndReglerStartetNeu)
{
    ablauf->schritte = 1000000;
    double pausiertUm = 0, gestempeltUm = 0;
    host.beimPumpen = [&](int n) {
        if (n == 3) { engine->pauseUmschalten(); pausiertUm = host.uhr; }
        // after four minutes a slider moves
        if (pausiertUm > 0 && gestempeltUm == 0 && host.uhr - pausiertUm > 240) {
            engine->ruhezeitStempeln();
            gestempeltUm = host.uhr;
        }
    };
    engine->ausfuehren();
    EXPECT_FALSE(z.LaufAktiv);
    ASSERT_GT(gestempeltUm, 0);
    // ended five minutes after the slider change, not after the pause
    EXPECT_GT(host.uhr - gestempeltUm, 300.0) << "five minutes";
    EXPECT_LT(host.uhr - gestempeltUm, 301.0);
    // while paused the same step is drawn again and again
    EXPECT_EQ(ablauf->gezeichnet.back(), ablauf->gezeichnet[ablauf->gezeichnet.size() - 100]);
}

TEST_F(Lauf, BeendenImLaufUndInDerVorbereitung)
{
    ablauf->schritte = 1000;
    host.beimPumpen = [&](int n) { if (n == 5) engine->beenden(); };
    engine->ausfuehren();
    EXPECT_FALSE(z.LaufAktiv);
    EXPECT_EQ(ablauf->gezeichnet.size(), 4u); // the fifth iteration stops before drawing
    EXPECT_FALSE(engine->speicher().angelegt());

    // A preparation that was cancelled (Beenden during a pre-calculation)
    // draws nothing; the engine ends the run.
    ablauf->gezeichnet.clear();
    ablauf->ergebnis = Vorbereitungsergebnis::Abgebrochen;
    engine->ausfuehren();
    EXPECT_TRUE(ablauf->gezeichnet.empty());
    EXPECT_FALSE(z.LaufAktiv);
    EXPECT_TRUE(host.startAn);
    EXPECT_FALSE(host.gesperrt);

    // A fatal preparation (the program is ending) is not ended again: the
    // interface stays as it is while the program closes.
    ablauf->ergebnis = Vorbereitungsergebnis::Fatal;
    const int beendet = ablauf->beendetGemeldet;
    engine->ausfuehren();
    EXPECT_TRUE(ablauf->gezeichnet.empty());
    EXPECT_TRUE(host.gesperrt);
    EXPECT_EQ(ablauf->beendetGemeldet, beendet);
}

TEST_F(Lauf, BeendenWaehrendDerTempopauseLaesstPauseGesperrt)
{
    host.tempo = 1;
    ablauf->schritte = 100;
    host.beimSchlafen = [&](int ms) { if (ms == 800 && z.Schritt == 2) engine->beenden(); };
    engine->ausfuehren();
    EXPECT_FALSE(z.LaufAktiv);
    EXPECT_FALSE(host.pauseAn);
    EXPECT_TRUE(host.startAn);
}

TEST_F(Lauf, BeendenImLeerlaufIstHarmlos)
{
    engine->beenden();
    EXPECT_FALSE(z.LaufAktiv);
    EXPECT_TRUE(z.Abbruch);
    EXPECT_TRUE(host.startAn);
    EXPECT_FALSE(host.gesperrt);
    // the next run starts normally
    ablauf->schritte = 1;
    host.beimPumpen = [&](int) { if (z.FigurFertig) engine->beenden(); };
    engine->ausfuehren();
    EXPECT_EQ(ablauf->gezeichnet.size(), 2u);
}

TEST_F(Lauf, GueltigkeitsgrenzeBeendetMitMeldung)
{
    sprache::setzeSprache(sprache::Sprache::Deutsch);
    // start right at the limit: the first step's successor lies beyond it
    ablauf->starttag = 9999999.0 - 0.5;
    ablauf->schritte = 100;
    host.beimPumpen = [&](int) { if (z.FigurFertig) engine->beenden(); };
    engine->ausfuehren();
    ASSERT_EQ(host.meldungen.size(), 1u);
    EXPECT_NE(host.meldungen[0].find("25000 Jahren"), std::string::npos) << host.meldungen[0];
    EXPECT_EQ(ablauf->gezeichnet, std::vector<int>{0}); // complete after its first step
    sprache::setzeSprache(sprache::Sprache::Englisch);
}

// The rules record of a run is all the engine reads of it: waits, locks,
// labels, the end and the pause step-back.
TEST_F(Lauf, RegelnSteuernWartezeitSperrenUndBeschriftung)
{
    sprache::setzeSprache(sprache::Sprache::Deutsch);
    host.tempo = 1;
    ablauf->schritte = 2;
    ablauf->regeln.wartezeitTeiler = 4;
    ablauf->regeln.drehreglerGesperrt = true;
    ablauf->regeln.drehungenNullen = true;
    ablauf->regeln.sperrHinweis = "bedienfeld.hinweis.schleifen";
    ablauf->regeln.zentrumZiehbar = false;
    ablauf->regeln.beschriftung = Zeitbeschriftung::Jahr;
    host.dx = host.dy = 7;
    bool waehrendDesLaufs = true;
    std::string hinweis;
    host.beimPumpen = [&](int) {
        waehrendDesLaufs = waehrendDesLaufs && !engine->zentrumZiehbar() && !host.drehAn;
        if (hinweis.empty())
            hinweis = host.beendenHinweis;
        if (z.FigurFertig) engine->beenden();
    };
    engine->ausfuehren();
    ASSERT_FALSE(host.schlafzeiten.empty());
    EXPECT_EQ(host.schlafzeiten.front(), 200) << "800 / 4";
    EXPECT_TRUE(waehrendDesLaufs) << "no centre drag and no rotation sliders while it runs";
    EXPECT_EQ(host.dx, 0);
    EXPECT_EQ(host.dy, 0);
    EXPECT_EQ(hinweis, sprache::T("bedienfeld.hinweis.schleifen"));
    EXPECT_EQ(host.letzterStart, "(Jahr)         -5000000");
    EXPECT_EQ(host.letzteZeit, "-2500");
    EXPECT_TRUE(engine->zentrumZiehbar()) << "idle again";

    // A data-only run waits nothing; the start phase neither waits nor advances.
    ablauf->regeln = {};
    ablauf->regeln.datenOnly = true;
    host.schlafzeiten.clear();
    ablauf->gezeichnet.clear();
    engine->ausfuehren();
    EXPECT_TRUE(host.schlafzeiten.empty());
    EXPECT_EQ(ablauf->gezeichnet, (std::vector<int>{0, 1, 2}));
    sprache::setzeSprache(sprache::Sprache::Englisch);
}

TEST_F(Lauf, RegelnDesEndes)
{
    // The run's own end counters: events do not end it (2 planets).
    struct Offen : Probeablauf {
        Endzaehler endzaehler(const Laufzustand& z, const Laufkonfiguration& k) const override
        {
            Endzaehler e = Darstellungsablauf::endzaehler(z, k);
            e.erledigt = e.gewuenscht = 5;
            e.ereignisseBegrenzen = false;
            return e;
        }
        // Steps back two at a time, so the test can tell it is asked.
        void zurueckschreiten(Laufzustand& z, const Laufkonfiguration&) override { z.Schritt -= 2; }
    };
    auto* o = new Offen;
    o->schritte = 4;
    engine->registrieren(Darstellung::DreiPlaneten, std::unique_ptr<Darstellungsablauf>(o));
    k.menueDarstellung = Darstellung::DreiPlaneten;
    host.beimPumpen = [&](int) { if (o->gezeichnet.size() > 7) engine->beenden(); };
    engine->ausfuehren();
    ASSERT_GE(o->gezeichnet.size(), 7u);
    EXPECT_EQ(o->gezeichnet[4], 4) << "steps 0..4 although the events were done";
    EXPECT_EQ(o->gezeichnet[5], 3) << "complete: the run's own step-back (5 - 2)";
    EXPECT_EQ(o->gezeichnet[6], 4) << "and on again";

    // "amEndeBeenden": the end is Beenden, not a complete figure.
    o->regeln.amEndeBeenden = true;
    o->gezeichnet.clear();
    host.beimPumpen = nullptr;
    engine->ausfuehren();
    EXPECT_EQ(o->gezeichnet.back(), 4);
    EXPECT_FALSE(z.FigurFertig);
    EXPECT_FALSE(z.LaufAktiv);
    EXPECT_EQ(o->beendetGemeldet, 2) << "both runs told of their end";
}

TEST_F(Lauf, GueltigkeitsfallUndSeineMeldung)
{
    sprache::setzeSprache(sprache::Sprache::Deutsch);
    // A preparation narrows the limit through the one table: the message
    // names that limit.
    struct Chironlauf : Probeablauf {
        Vorbereitungsergebnis vorbereiten(Laufdienste& d) override
        {
            GrenzeEinschraenken(d.z, astro::Grenzfall::ChironNormal);
            GrenzeEinschraenken(d.z, astro::Grenzfall::Normal); // wider: no change
            Probeablauf::vorbereiten(d);
            d.z.Starttag = d.z.Gueltigkeitsgrenze - 0.5;
            return Vorbereitungsergebnis::Weiter;
        }
    };
    auto* c = new Chironlauf;
    c->schritte = 100;
    engine->registrieren(Darstellung::DreiPlaneten, std::unique_ptr<Darstellungsablauf>(c));
    k.menueDarstellung = Darstellung::DreiPlaneten;
    host.beimPumpen = [&](int) { if (z.FigurFertig) engine->beenden(); };
    engine->ausfuehren();
    EXPECT_EQ(z.Gueltigkeitsgrenze, astro::GrenzeChironNormal);
    ASSERT_EQ(host.meldungen.size(), 1u);
    EXPECT_EQ(host.meldungen[0], "Hinweis|" + sprache::T("lauf.gueltigkeit.chiron"));

    // "mondGrenze": the narrow limit whatever the accuracy.
    host.meldungen.clear();
    ablauf->regeln.mondGrenze = true;
    ablauf->starttag = astro::GrenzeHoheGenauigkeit - 0.5;
    k.menueDarstellung = Darstellung::ZweiPlaneten;
    engine->ausfuehren();
    ASSERT_EQ(host.meldungen.size(), 1u);
    EXPECT_EQ(host.meldungen[0], "Hinweis|" + sprache::T("lauf.gueltigkeit.7000"));

    // A run that does not check the limit (the solids) never shows it.
    host.meldungen.clear();
    ablauf->regeln.gueltigkeitPruefen = false;
    engine->ausfuehren();
    EXPECT_TRUE(host.meldungen.empty());
    sprache::setzeSprache(sprache::Sprache::Englisch);
}

TEST_F(Lauf, KoerperModusUndMetamorphose)
{
    // The solid mode: complete after its first step, the Beenden button in
    // bold, no Pause; the metamorphosis keeps animating with Pause.
    z.MysteriumModus = true;
    k.koerper3D[static_cast<int>(Koerper3D::Oktaeder)] = true;
    auto m = std::make_unique<MysteriumAblauf>();
    int bilder = 0;
    m->zeichnen = [&](Laufdienste&) { ++bilder; };
    MysteriumAblauf* mp = m.get();
    engine->registrieren(Darstellung::Mysterium, std::move(m));
    bool fett = false, pause = false;
    int zoom = 0;
    host.beimPumpen = [&](int) {
        fett = fett || host.beendenFett;
        pause = pause || host.pauseAn;
        zoom = std::max(zoom, host.zoomPosition);
        if (bilder >= 5) engine->beenden();
    };
    engine->ausfuehren();
    EXPECT_EQ(host.dx, 80) << "the octahedron's preset";
    EXPECT_EQ(zoom, 1000);
    EXPECT_TRUE(fett);
    EXPECT_FALSE(pause);

    k.metamorphose = true;
    bilder = 0;
    bool pauseDabei = false, pauseFett = false;
    host.beimPumpen = [&](int) {
        pauseDabei = pauseDabei || host.pauseAn;
        pauseFett = pauseFett || host.pauseFett;
        if (bilder == 2 && !z.PauseAktiv) engine->pauseUmschalten();
        if (host.pumps > 40) engine->beenden();
    };
    engine->ausfuehren();
    EXPECT_TRUE(pauseDabei);
    EXPECT_TRUE(pauseFett) << "a paused metamorphosis shows Pause in bold";
    EXPECT_LT(mp->metamorphoseZaehler(), 0) << "paused frames step its phase counter back";
    z.MysteriumModus = false;
}

TEST_F(Lauf, EndtestEreignisseUndSchritte)
{
    // Events decide the end unless the representation is 2 planets.
    struct Ereignislauf : Probeablauf {
        Vorbereitungsergebnis vorbereiten(Laufdienste& d) override
        {
            Probeablauf::vorbereiten(d);
            d.z.Konstellationszahl = 3;
            return Vorbereitungsergebnis::Weiter;
        }
        void schritt(Laufdienste& d) override
        {
            Probeablauf::schritt(d);
            if (!d.z.FigurFertig && !d.z.PauseAktiv) d.z.KonjIndex = d.z.Schritt / 2;
        }
    };
    auto* e = new Ereignislauf;
    e->schritte = 100;
    engine->registrieren(Darstellung::DreiPlaneten, std::unique_ptr<Darstellungsablauf>(e));
    k.menueDarstellung = Darstellung::DreiPlaneten;
    host.beimPumpen = [&](int) { if (z.FigurFertig) engine->beenden(); };
    engine->ausfuehren();
    // KonjIndex reaches 3 at step 6; the run is complete there
    EXPECT_EQ(e->gezeichnet[6], 6);
    EXPECT_EQ(e->gezeichnet.back(), 6);
    EXPECT_TRUE(host.meldungen.empty());
}

TEST_F(Lauf, AufloesungsaenderungBeendetSchleifeOhneZuruecksetzen)
{
    ablauf->schritte = 100;
    host.beimPumpen = [&](int n) { if (n == 3) host.schirm.breite = 1280; };
    engine->ausfuehren();
    EXPECT_EQ(host.meldungen.size(), 1u);
    EXPECT_TRUE(z.LaufAktiv);  // left locked until the user presses Beenden
    EXPECT_TRUE(host.gesperrt);
    engine->beenden();
    EXPECT_FALSE(host.gesperrt);
}

TEST_F(Lauf, VerloreneFlaecheKostetEinenFrame)
{
    ablauf->schritte = 3;
    host.beimPumpen = [&](int n) {
        if (n == 2) host.flaecheObj.verlierBeimNaechstenZeichnen();
        if (z.FigurFertig) engine->beenden();
    };
    engine->ausfuehren();
    EXPECT_FALSE(host.programmEnde);
    EXPECT_TRUE(host.meldungen.empty());

    // With another colour depth the program ends after the message.
    host.pumps = 0;
    host.beimPumpen = [&](int n) {
        if (n == 2) { host.schirm.farbtiefe = 16; host.flaecheObj.verlierBeimNaechstenZeichnen(); }
    };
    engine->ausfuehren();
    EXPECT_TRUE(host.programmEnde);
    EXPECT_EQ(host.meldungen.size(), 1u);
}

TEST_F(Lauf, EinzelschrittInDerPause)
{
    // Paused: every iteration steps back, so the same step is redrawn. At
    // tempo 1, two quick presses (unpause, then pause again during the 800 ms
    // wait) let exactly one step through.
    host.tempo = 1;
    ablauf->schritte = 1000;
    int pausiertBei = -1;
    bool zweiterDruck = false;
    host.beimPumpen = [&](int n) {
        if (n == 3) { engine->pauseUmschalten(); }
        if (n == 10) { pausiertBei = ablauf->gezeichnet.back(); engine->pauseUmschalten(); zweiterDruck = true; }
        if (n == 20) engine->beenden();
    };
    host.beimSchlafen = [&](int ms) {
        if (zweiterDruck && ms == 800) { engine->pauseUmschalten(); zweiterDruck = false; }
    };
    engine->ausfuehren();
    ASSERT_GE(pausiertBei, 0);
    EXPECT_EQ(ablauf->gezeichnet.back(), pausiertBei + 1);
}

TEST(Startphase, OhneAnimationStarttextDannLeerlauf)
{
    Laufzustand z;
    Laufkonfiguration k;
    TestHost host;
    z.StartBildschirmBreite = 1024;
    z.StartBildschirmHoehe = 768;
    z.StartFarbtiefe = 32;
    z.MysteriumModus = true;
    k.boolAnfangsanimation = false;
    Hauptprozedur engine(z, k, host);
    engine.registrieren(Darstellung::Startphase, std::make_unique<Startablauf>(host));
    engine.ausfuehren();
    EXPECT_FALSE(z.Startphase);
    EXPECT_FALSE(z.MysteriumModus);
    EXPECT_FALSE(z.LaufAktiv);
    EXPECT_TRUE(host.menues);
    EXPECT_TRUE(host.bedienfeld);
    EXPECT_EQ(host.dx, 60);
    EXPECT_EQ(host.dy, 30);
    // the start text stands for 2500 ms, without the 1000 ms wait before it
    EXPECT_EQ(host.schlafzeiten, std::vector<int>{2500});
    auto texte = host.flaecheObj.nurArt(figures::Aufzeichnung::Art::Text);
    ASSERT_EQ(texte.size(), 2u);
    EXPECT_EQ(texte[0].text, "Velmora");
    EXPECT_EQ(texte[0].schrift.farbe, figures::RotFarbe);
    EXPECT_EQ(texte[0].punkte[0].y, 137); // round(600 / 4.375)
    EXPECT_EQ(texte[1].punkte[0].y, 222); // round(600 / 2.70333)
}

} // namespace

namespace {

TEST_F(Lauf, NurZuBeginnFrageUndAbbruch)
{
    k.planetenNurZuBeginn = true;
    z.NurBisAnzahl = 15;
    host.zahlAntwort = 4;
    ablauf->schritte = 2;
    host.beimPumpen = [&](int) { if (z.FigurFertig) engine->beenden(); };
    engine->ausfuehren();
    EXPECT_EQ(z.NurBisAnzahl, 4);
    EXPECT_EQ(z.NurBisIndex, 3);
    EXPECT_FALSE(ablauf->gezeichnet.empty());

    // "abbrechen": the option is switched off and the run ends before drawing.
    ablauf->gezeichnet.clear();
    host.zahlAntwortOk = false;
    engine->ausfuehren();
    EXPECT_TRUE(ablauf->gezeichnet.empty());
    EXPECT_FALSE(k.planetenNurZuBeginn);
    EXPECT_FALSE(z.LaufAktiv);
    EXPECT_TRUE(host.startAn);

    // A run from an example asks nothing and draws planets up to the 16th event.
    k.planetenNurZuBeginn = true;
    host.zahlAntwortOk = true;
    engine->beenden();
    z.NurBisFrageErlaubt = false;
    host.zahlAntwortOk = false; // a question would cancel the run
    host.beimPumpen = [&](int) { if (z.FigurFertig) engine->beenden(); };
    engine->ausfuehren();
    EXPECT_TRUE(k.planetenNurZuBeginn);
    EXPECT_EQ(z.NurBisIndex, 15);
}

TEST_F(Lauf, AbbrechenSofortUndFortschritt)
{
    struct Sofortablauf : Probeablauf {
        Vorbereitungsergebnis vorbereiten(Laufdienste& d) override
        {
            Probeablauf::vorbereiten(d);
            int n = 0;
            if (!d.lauf.zahlAbfragen("Anzahl", 500, 1, 1200, n)) {
                d.lauf.sofortAbbrechen();
                return Vorbereitungsergebnis::Abgebrochen;
            }
            for (int i = 0; i <= 30; ++i)
                if (i % 10 == 0) progressAnzeige(d, i);
            return Vorbereitungsergebnis::Weiter;
        }
    };
    auto* s = new Sofortablauf;
    engine->registrieren(Darstellung::Rotationen, std::unique_ptr<Darstellungsablauf>(s));
    k.menueDarstellung = Darstellung::Rotationen;
    k.ergebnisSofort = true;
    host.zahlAntwortOk = false;
    engine->ausfuehren();
    EXPECT_FALSE(k.ergebnisSofort);
    EXPECT_EQ(host.abgeschaltet, std::vector<Laufoption>{Laufoption::ErgebnisSofort});
    EXPECT_TRUE(s->gezeichnet.empty());
    EXPECT_FALSE(z.LaufAktiv);
    // Beenden during a pre-calculation: the counter is no longer written.
    const int vorher = host.pumps;
    z.Abbruch = false;
    Laufdienste d = engine->dienste();
    progressAnzeige(d, 10);
    EXPECT_EQ(host.pumps, vorher + 1);
}

} // namespace
