// The event rules of the frames: events passed, "Ergebnis sofort", kept
// figures ("Drehung der Figuren") and the clock synchronisation.
#include "TestHost.h"

#include "shell/Framerregeln.h"
#include "shell/Hauptprozedur.h"
#include "shell/Vorbereitung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

using namespace shell;
using testhost::TestHost;

namespace {

// The representations' differences the event rules are told about.
bool einKoerper(Darstellung d) { return d == Darstellung::Mond || d == Darstellung::Baryzentrum; }
Nachjustierung art(Darstellung d) { return {einKoerper(d), d == Darstellung::DreiPlaneten}; }

struct Ereignisse : ::testing::Test {
    Laufzustand z;
    Laufkonfiguration k;
    TestHost host;
    std::unique_ptr<Hauptprozedur> engine;
    std::vector<std::pair<int, int>> zeilen; // (number, index) of every row written

    void SetUp() override
    {
        engine = std::make_unique<Hauptprozedur>(z, k, host);
        engine->speicher().anlegen(z.MaxKonstellationen);
        z.LaufAktiv = true;
    }
    Laufspeicher& sp() { return engine->speicher(); }
    Laufdienste kontext() { return engine->dienste(); }
    // Event e at day 10 (e + 1), for events 0 .. n - 1.
    void zehnTagesEreignisse(int n)
    {
        for (int e = 0; e < n; ++e)
            sp().Ereignistage[static_cast<size_t>(e)] = 10.0 * (e + 1);
        z.Konstellationszahl = n;
    }
    int passieren(double tag, Ereigniszaehlung art = Ereigniszaehlung::EinesJeSchritt)
    {
        z.AktuellerTag = tag;
        return EreignissePassieren(z, k, sp(), art, [&](int nummer, int index) { zeilen.emplace_back(nummer, index); });
    }
};

} // namespace

TEST_F(Ereignisse, EinesJeSchrittMitZeileUndEreignisNeu)
{
    zehnTagesEreignisse(4);
    EXPECT_EQ(passieren(10.0), 0) << "the event's own day has not passed it yet";
    EXPECT_FALSE(z.EreignisNeu);
    // A step far beyond three events still counts one of them.
    EXPECT_EQ(passieren(35.0), 1);
    EXPECT_TRUE(z.EreignisNeu);
    EXPECT_EQ(z.KonjIndex, 1);
    EXPECT_EQ(passieren(35.0), 1);
    EXPECT_EQ(passieren(35.0), 1);
    EXPECT_EQ(passieren(35.0), 0);
    EXPECT_EQ(z.KonjIndex, 3);
    EXPECT_EQ(zeilen, (std::vector<std::pair<int, int>>{{0, 0}, {1, 1}, {2, 2}}));
    // Never beyond the events of the run, whatever the later slots hold.
    EXPECT_EQ(passieren(1e9), 1);
    EXPECT_EQ(passieren(1e9), 0);
    EXPECT_EQ(z.KonjIndex, 4);
}

TEST_F(Ereignisse, ZeilenNichtBeiPauseFertigDrehungOderNachZeilengrenze)
{
    zehnTagesEreignisse(20);
    z.PauseAktiv = true;
    EXPECT_EQ(passieren(15.0), 1) << "a paused step still counts the event it redraws";
    EXPECT_FALSE(z.EreignisNeu) << "but it is not new";
    z.PauseAktiv = false;
    z.FigurFertig = true;
    EXPECT_EQ(passieren(25.0), 1);
    EXPECT_TRUE(z.EreignisNeu);
    z.FigurFertig = false;
    k.drehungDerFiguren = true;
    EXPECT_EQ(passieren(35.0), 1);
    k.drehungDerFiguren = false;
    EXPECT_TRUE(zeilen.empty());
    z.Zeilengrenze = 5;
    EXPECT_EQ(passieren(1000.0, Ereigniszaehlung::AlleImSchritt), 17);
    EXPECT_EQ(z.KonjIndex, 20);
    EXPECT_EQ(zeilen, (std::vector<std::pair<int, int>>{{3, 3}, {4, 4}}));
}

TEST_F(Ereignisse, MondUndBaryzentrumZaehlenAlleImSchritt)
{
    zehnTagesEreignisse(6);
    EXPECT_EQ(passieren(35.0, Ereigniszaehlung::AlleImSchritt), 3);
    EXPECT_EQ(z.KonjIndex, 3);
    EXPECT_EQ(zeilen.size(), 3u);
    EXPECT_EQ(passieren(35.0, Ereigniszaehlung::AlleImSchritt), 0);
    EXPECT_EQ(passieren(1e9, Ereigniszaehlung::AlleImSchritt), 3);
    EXPECT_EQ(z.KonjIndex, 6);
}

namespace {

// A representation with kept figures, reduced to its event store: event e
// lies at day 10 (e + 1) and stores e as its X in rows 1 .. 3 and as the
// mid-point; a frame passes events, shifts and computes the next figure,
// then "draws" slots 0 .. shown - 1.
struct Figurenlauf {
    Laufzustand& z;
    const Laufkonfiguration& k;
    Laufspeicher& sp;
    Darstellung d;
    int zuweisungen = 0;

    void zuweisen(int i, double tag)
    {
        const double ereignis = std::ceil(tag / 10.0 - 1e-9) - 1;
        const auto s = static_cast<size_t>(i);
        sp.Ereignistage[s] = 10.0 * (ereignis + 1);
        for (int j = 0; j < 3; ++j)
            sp.EreignisX[j][s] = ereignis;
        sp.EreignisMittelpunkte.punkte[s].X = ereignis;
        z.Ereignistag = sp.Ereignistage[s];
        ++zuweisungen;
    }
    std::vector<int> frame(Ereigniszaehlung art)
    {
        EreignissePassieren(z, k, sp, art, {}, [&] {
            DrehungArrayVerschieben(sp, z, einKoerper(d), 0, true);
            NaechsteFigurZuweisen(z, sp.Ereignistage, [&](int i, double tag) { zuweisen(i, tag); });
        });
        std::vector<int> ecken;
        const int gezeigt = std::min(z.KonjIndex, z.FigurenAnzahl);
        for (int i = 0; i < gezeigt; ++i)
            ecken.push_back(static_cast<int>(sp.EreignisX[0][static_cast<size_t>(i)]));
        return ecken;
    }
};

std::vector<int> folge(int von, int bis)
{
    std::vector<int> v;
    for (int e = von; e <= bis; ++e)
        v.push_back(e);
    return v;
}

} // namespace

TEST_F(Ereignisse, ZehnBehalteneFigurenHabenImmerZehnEcken)
{
    k.drehungDerFiguren = true;
    z.FigurenAnzahl = 10;
    z.Konstellationszahl = 1200;
    z.SynodischePeriode = 10;
    z.Starttag = z.AktuellerTag = 1;
    Figurenlauf lauf{z, k, sp(), Darstellung::DreiPlaneten};
    auto l = kontext();
    ASSERT_TRUE(Vorausberechnung(l, [&](int i, double tag) { lauf.zuweisen(i, tag); }));
    ASSERT_EQ(lauf.zuweisungen, 12) << "FigurenAnzahl + 2 events before the first frame";

    for (int tag = 1; tag <= 300; ++tag) {
        z.AktuellerTag = tag;
        const std::vector<int> ecken = lauf.frame(Ereigniszaehlung::EinesJeSchritt);
        const int vergangen = (tag - 1) / 10; // events at 10, 20, ... lie behind day `tag`
        ASSERT_EQ(z.KonjIndex, vergangen) << "day " << tag;
        // Beyond ten the oldest figure gives way in the frame that draws the newest.
        ASSERT_EQ(ecken, folge(std::max(0, vergangen - 10), vergangen - 1)) << "day " << tag;
        if (tag == 111) {
            EXPECT_EQ(ecken, folge(1, 10)) << "the eleventh event";
        }
    }
    // Mid-points follow the rows.
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(sp().EreignisMittelpunkte.punkte[static_cast<size_t>(i)].X, sp().EreignisX[0][static_cast<size_t>(i)]);
}

TEST_F(Ereignisse, BehalteneFigurenImMondlaufMitMehrerenEreignissenJeSchritt)
{
    k.drehungDerFiguren = true;
    z.FigurenAnzahl = 10;
    z.Konstellationszahl = 1200;
    z.SynodischePeriode = 10;
    Figurenlauf lauf{z, k, sp(), Darstellung::Mond};
    for (int i = 0; i <= 11; ++i)
        lauf.zuweisen(i, 10.0 * (i + 1));
    // Steps of 35 days pass three or four events each: every one shifts
    // the figures and computes the next, so the newest ten remain.
    for (int schritt = 1; schritt <= 20; ++schritt) {
        z.AktuellerTag = 35.0 * schritt;
        const std::vector<int> ecken = lauf.frame(Ereigniszaehlung::AlleImSchritt);
        const int vergangen = static_cast<int>((35.0 * schritt - 1) / 10);
        ASSERT_EQ(z.KonjIndex, vergangen) << "step " << schritt;
        ASSERT_EQ(ecken, folge(std::max(0, vergangen - 10), vergangen - 1)) << "step " << schritt;
    }
}

TEST_F(Ereignisse, DrehungOhneNachrueckenZaehltDenSlotNurEinmal)
{
    k.drehungDerFiguren = true;
    z.FigurenAnzahl = 2;
    zehnTagesEreignisse(5);
    z.KonjIndex = 3;
    EXPECT_EQ(passieren(1000.0, Ereigniszaehlung::AlleImSchritt), 1);
    EXPECT_EQ(z.KonjIndex, 4);
}

TEST_F(Ereignisse, VerschiebenNachDarstellungUndMittelpunktwahl)
{
    z.FigurenAnzahl = 3;
    auto fuellen = [&] {
        for (size_t i = 0; i < 6; ++i) {
            sp().Ereignistage[i] = static_cast<double>(i);
            for (int j = 0; j < 4; ++j) {
                sp().EreignisX[j][i] = 10.0 * j + static_cast<double>(i);
                sp().EreignisY[j][i] = sp().EreignisZ[j][i] = sp().EreignisX[j][i];
            }
            sp().EreignisMittelpunkte.punkte[i] = {static_cast<double>(i), 0, 0};
        }
    };
    auto zeile = [&](int j) {
        std::vector<double> v;
        for (size_t i = 0; i < 5; ++i)
            v.push_back(sp().EreignisX[j][i] - 10.0 * j);
        EXPECT_EQ(sp().EreignisY[j][0], sp().EreignisX[j][0]);
        EXPECT_EQ(sp().EreignisZ[j][0], sp().EreignisX[j][0]);
        return v;
    };
    auto mitte = [&] {
        std::vector<double> v;
        for (size_t i = 0; i < 5; ++i)
            v.push_back(sp().EreignisMittelpunkte.punkte[i].X);
        return v;
    };
    const std::vector<double> verschoben{1, 2, 3, 3, 4}, fest{0, 1, 2, 3, 4};

    for (Darstellung d : {Darstellung::Mond, Darstellung::Baryzentrum}) {
        fuellen();
        DrehungArrayVerschieben(sp(), z, einKoerper(d), 0, true);
        EXPECT_EQ(zeile(0), verschoben);
        EXPECT_EQ(zeile(1), fest) << "only row 1 in the Moon and barycentre representations";
        EXPECT_EQ(zeile(2), fest);
        EXPECT_EQ(mitte(), fest) << "and no mid-points";
    }
    fuellen();
    DrehungArrayVerschieben(sp(), z, einKoerper(Darstellung::DreiPlaneten), 1, true);
    for (int j = 0; j < 3; ++j)
        EXPECT_EQ(zeile(j), verschoben) << "row " << j + 1;
    EXPECT_EQ(zeile(3), fest);
    EXPECT_EQ(mitte(), verschoben) << "centres of gravity";
    for (auto [wahl, mit] : {std::pair{2, true}, std::pair{0, false}}) {
        fuellen();
        DrehungArrayVerschieben(sp(), z, einKoerper(Darstellung::Rotationen), wahl, mit);
        EXPECT_EQ(mitte(), fest) << "choice " << wahl << " with " << mit;
    }
    // More figures than slots: the shift stays inside the arrays.
    z.FigurenAnzahl = 1000000;
    DrehungArrayVerschieben(sp(), z, einKoerper(Darstellung::DreiPlaneten), 0, true);
    DrehungArrayVerschieben2PL(sp(), z, true);
}

TEST_F(Ereignisse, ZweiPlanetenVerschiebenDieSternecken)
{
    z.FigurenAnzahl = 2;
    for (Sternspeicher* s : {&sp().Konjunktionen, &sp().Oppositionen})
        for (size_t i = 0; i < 4; ++i) {
            s->tage[i] = static_cast<double>(i);
            for (int j = 0; j < 3; ++j)
                s->X[j][i] = s->Y[j][i] = s->Z[j][i] = static_cast<double>(i);
        }
    DrehungArrayVerschieben2PL(sp(), z, true);
    const auto& k2 = sp().Konjunktionen;
    EXPECT_EQ((std::vector<double>{k2.X[1][0], k2.X[1][1], k2.X[1][2]}), (std::vector<double>{1, 2, 2}));
    EXPECT_EQ(k2.Z[1][0], 1);
    EXPECT_EQ(k2.tage[1], 2);
    EXPECT_EQ(k2.X[0][0], 0) << "row 1 stays";
    EXPECT_EQ(sp().Oppositionen.X[1][0], 0) << "the other store stays";
    DrehungArrayVerschieben2PL(sp(), z, false);
    EXPECT_EQ(sp().Oppositionen.Y[1][1], 2);
    // The next figure goes into slot FigurenAnzahl, one period after the last kept one.
    z.SynodischePeriode = 583.9;
    int slot = -1;
    double ab = 0;
    NaechsteFigurZuweisen(z, sp().Oppositionen.tage, [&](int i, double tag) { slot = i; ab = tag; });
    EXPECT_EQ(slot, 2);
    EXPECT_DOUBLE_EQ(ab, 2 + 583.9);
}

TEST_F(Ereignisse, ErgebnisSofortSchreibtAlleZeilenEinmalUndPumptAlle30)
{
    zehnTagesEreignisse(100);
    auto l = kontext();
    k.ergebnisSofort = true;
    const int pumpsVorher = host.pumps;
    EXPECT_TRUE(ErgebnisSofort(l, [&](int nummer, int index) { zeilen.emplace_back(nummer, index); }));
    EXPECT_EQ(z.KonjIndex, 100);
    ASSERT_EQ(zeilen.size(), 100u);
    EXPECT_EQ(zeilen.back(), std::make_pair(99, 99));
    EXPECT_EQ(host.pumps - pumpsVorher, 3);
    // Passing events afterwards writes nothing more.
    z.AktuellerTag = 1e9;
    EXPECT_EQ(EreignissePassieren(z, k, sp(), Ereigniszaehlung::AlleImSchritt, {}), 0);

    // Capped by Zeilengrenze; not at all when paused, complete or with kept figures.
    zeilen.clear();
    z.Zeilengrenze = 45;
    z.KonjIndex = 0;
    EXPECT_TRUE(ErgebnisSofort(l, [&](int n, int i) { zeilen.emplace_back(n, i); }));
    EXPECT_EQ(zeilen.size(), 45u);
    zeilen.clear();
    for (int fall = 0; fall < 3; ++fall) {
        z.PauseAktiv = fall == 0;
        z.FigurFertig = fall == 1;
        k.drehungDerFiguren = fall == 2;
        z.KonjIndex = 0;
        EXPECT_TRUE(ErgebnisSofort(l, [&](int n, int i) { zeilen.emplace_back(n, i); }));
        EXPECT_EQ(z.KonjIndex, 100) << fall;
    }
    EXPECT_TRUE(zeilen.empty());
    // Without "Ergebnis sofort" nothing at all.
    k.ergebnisSofort = false;
    z.KonjIndex = 0;
    EXPECT_TRUE(ErgebnisSofort(l, {}));
    EXPECT_EQ(z.KonjIndex, 0);
}

TEST_F(Ereignisse, ErgebnisSofortEndetBeiAbbruchOhneDieFreigegebenenArraysZuLesen)
{
    zehnTagesEreignisse(100);
    k.ergebnisSofort = true;
    auto l = kontext();
    // Escape while the rows are written: Beenden releases the arrays.
    host.beimPumpen = [&](int) { engine->beenden(); };
    auto zeile = [&](int n, int i) {
        ASSERT_LT(static_cast<size_t>(i), sp().Ereignistage.size());
        zeilen.emplace_back(n, static_cast<int>(sp().Ereignistage[static_cast<size_t>(i)]));
    };
    EXPECT_FALSE(ErgebnisSofort(l, zeile));
    EXPECT_EQ(zeilen.size(), 30u);
    EXPECT_FALSE(z.LaufAktiv);
    EXPECT_FALSE(sp().angelegt());

    // Abbruch without Beenden (a closed window): the run is ended here.
    sp().anlegen(z.MaxKonstellationen);
    zehnTagesEreignisse(100);
    z.LaufAktiv = true;
    z.Abbruch = false;
    zeilen.clear();
    host.oberflaecheSperren(true);
    host.beimPumpen = [&](int) { z.Abbruch = true; };
    EXPECT_FALSE(ErgebnisSofort(l, zeile));
    EXPECT_EQ(zeilen.size(), 30u);
    EXPECT_FALSE(z.LaufAktiv);
    EXPECT_FALSE(host.gesperrt) << "Beenden unlocked the interface";
    EXPECT_FALSE(sp().angelegt());
}

TEST_F(Ereignisse, ZNachjustierenSpringtZumNaechstenEreignis)
{
    zehnTagesEreignisse(10);
    sp().Ereignistage[2] = 120.5;
    z.Starttag = 100;
    z.Schrittweite = 3;
    z.Schritt = 2;
    z.KonjIndex = 2;
    zNachjustieren(z, k, sp(), art(Darstellung::DreiPlaneten));
    EXPECT_EQ(z.Schritt, 7) << "the first step at or after day 120.5";
    EXPECT_EQ(z.Rueckschritte, 5);
    EXPECT_EQ(z.AktuellerTag, 121);

    // Paused: Pausenfunktion steps back over the skipped steps and the
    // loop's advance brings back the very same frame.
    for (int runde = 0; runde < 3; ++runde) {
        engine->Pausenfunktion();
        z.KonjIndex = 2;
        z.Schritt += 1;
        EXPECT_EQ(z.Schritt, 2);
        zNachjustieren(z, k, sp(), art(Darstellung::DreiPlaneten));
        EXPECT_EQ(z.Schritt, 7);
        EXPECT_EQ(z.Rueckschritte, 5);
    }
    // Already there: nothing skipped.
    zNachjustieren(z, k, sp(), art(Darstellung::DreiPlaneten));
    EXPECT_EQ(z.Schritt, 7);
    EXPECT_EQ(z.Rueckschritte, 0);
}

TEST_F(Ereignisse, ZNachjustierenSonderfaelle)
{
    zehnTagesEreignisse(10);
    z.Starttag = 0;
    z.Schrittweite = 1;
    auto ziel = [&](Darstellung d) {
        z.Schritt = 0;
        zNachjustieren(z, k, sp(), art(d));
        return z.Schritt;
    };
    // Kept figures: at most FigurenAnzahl events shown.
    k.drehungDerFiguren = true;
    z.FigurenAnzahl = 4;
    z.KonjIndex = 9;
    EXPECT_EQ(ziel(Darstellung::Rotationen), 50);
    k.drehungDerFiguren = false;
    // Moon and barycentre with "Ergebnis sofort": one event less.
    k.ergebnisSofort = true;
    z.KonjIndex = 10;
    EXPECT_EQ(ziel(Darstellung::Mond), 100);
    EXPECT_EQ(ziel(Darstellung::Baryzentrum), 100);
    EXPECT_EQ(ziel(Darstellung::DreiPlaneten), 0) << "slot 10 was never computed here (day 0)";
    // 3 planets with "Ergebnis sofort" before any event: the validity limit,
    // reached without stepping through millions of steps one by one.
    z.KonjIndex = 0;
    z.Gueltigkeitsgrenze = 9999999.0;
    z.Schrittweite = 0.1;
    z.Starttag = -5000000.3;
    const int s = ziel(Darstellung::DreiPlaneten);
    EXPECT_GE(z.Starttag + s * z.Schrittweite, 9999999.0);
    EXPECT_LT(z.Starttag + (s - 1) * z.Schrittweite, 9999999.0);
    EXPECT_EQ(z.Rueckschritte, s);
    // Moon with no event at all: nothing to catch up with.
    z.KonjIndex = 0;
    EXPECT_EQ(ziel(Darstellung::Mond), 0);
    EXPECT_EQ(z.Rueckschritte, 0);
}

TEST(Laufspeicher, AlleEreignisArraysAngelegtUndFreigegeben)
{
    Laufspeicher sp;
    sp.anlegen(1200);
    std::vector<const std::vector<double>*> alle{&sp.Ereignistage, &sp.Konjunktionen.tage, &sp.Oppositionen.tage};
    for (int j = 0; j < 4; ++j)
        for (auto* v : {&sp.EreignisX[j], &sp.EreignisY[j], &sp.EreignisZ[j]})
            alle.push_back(v);
    for (Sternspeicher* s : {&sp.Konjunktionen, &sp.Oppositionen})
        for (int j = 0; j < 3; ++j)
            for (auto* v : {&s->X[j], &s->Y[j], &s->Z[j]})
                alle.push_back(v);
    for (auto* v : alle)
        EXPECT_EQ(v->size(), 1204u);
    EXPECT_EQ(sp.EreignisMittelpunkte.punkte.size(), 1204u);
    EXPECT_EQ(sp.EreignisMittelpunkte.pixel.size(), 1204u);
    sp.freigeben();
    for (auto* v : alle)
        EXPECT_EQ(v->capacity(), 0u);
    EXPECT_EQ(sp.EreignisMittelpunkte.punkte.capacity(), 0u);
    EXPECT_FALSE(sp.angelegt());
}
