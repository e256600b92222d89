// The projection cache of a trace: only new points are projected until the
// view changes.
#include "figures/Spurcache.h"

#include <gtest/gtest.h>

using namespace figures;

namespace {

Ansicht ansicht()
{
    Ansicht a;
    a.GroesseSetzen(800, 600);
    a.NeuZeichnen = false;
    a.Massstab = 2;
    a.WinkelSetzenGrad(60, 30, 0);
    return a;
}

std::vector<Punkt> direkt(Ansicht& a, const std::vector<Raumpunkt>& punkte)
{
    std::vector<Punkt> v;
    for (const auto& p : punkte) {
        a.PerspektivKoordinaten(p.X, p.Y, p.Z);
        v.push_back({a.BildX, a.BildY});
    }
    return v;
}

} // namespace

TEST(Spurcache, ProjiziertNurNeuePunkteBisSichDieAnsichtAendert)
{
    Ansicht a = ansicht();
    Spurcache s;
    s.anlegen(100);
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(s.anhaengen({10.0 * i, 5.0 * i, -3.0 * i}));
    EXPECT_EQ(s.projizieren(a, false).size(), 5u);
    EXPECT_EQ(s.projektionen(), 5);
    s.anhaengen({60, 10, 1});
    EXPECT_EQ(s.projizieren(a, false).size(), 6u);
    EXPECT_EQ(s.projektionen(), 6) << "one new point, one projection";
    s.projizieren(a, false);
    EXPECT_EQ(s.projektionen(), 6) << "nothing new, nothing projected";

    // NeuZeichnen, a centre drag or "Ergebnis sofort": all again.
    s.projizieren(a, true);
    EXPECT_EQ(s.projektionen(), 12);
    // The view's own flag, a turned or zoomed view, a moved centre: all again,
    // and the pixels are those of the new view.
    a.NeuZeichnen = true;
    s.projizieren(a, false);
    EXPECT_EQ(s.projektionen(), 18);
    a.NeuZeichnen = false;
    a.WinkelSetzenGrad(10, 30, 0);
    EXPECT_EQ(s.projizieren(a, false), direkt(a, s.punkte()));
    EXPECT_EQ(s.projektionen(), 24);
    a.Zoom = 3;
    a.MitteX += 7;
    EXPECT_EQ(s.projizieren(a, false), direkt(a, s.punkte()));
    EXPECT_EQ(s.projektionen(), 30);
    s.projizieren(a, false);
    EXPECT_EQ(s.projektionen(), 30);
}

TEST(Spurcache, FesterSpeicherUndNeubeginn)
{
    Ansicht a = ansicht();
    Spurcache s;
    s.anlegen(3);
    const Raumpunkt* vorher = s.punkte().data();
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(s.anhaengen({1.0 * i, 0, 0}));
    EXPECT_FALSE(s.anhaengen({9, 9, 9})) << "full: nothing stored";
    EXPECT_EQ(s.anzahl(), 3);
    EXPECT_EQ(s.punkte().data(), vorher) << "the room was never reallocated";
    s.projizieren(a, false);
    s.leeren();
    EXPECT_EQ(s.anzahl(), 0);
    EXPECT_EQ(s.kapazitaet(), 3);
    s.anhaengen({5, 5, 5});
    EXPECT_EQ(s.projizieren(a, false), direkt(a, s.punkte())) << "a restarted trace projects its new points";

    // A point that cannot be projected leaves the cache to project all again.
    s.anhaengen({1e300, 1e300, 0});
    EXPECT_THROW(s.projizieren(a, false), Bereichsfehler);
    s.leeren();
    s.anhaengen({5, 5, 5});
    const long long n = s.projektionen();
    s.projizieren(a, false);
    EXPECT_EQ(s.projektionen(), n + 1);
}

// A step drawn again with another point, a trace started again at 0, a gap
// of steps without a frame: the pixels follow the points, never stale ones,
// and nothing lands beyond the room.
TEST(Spurcache, SetzenNachRueckschrittNeustartUndLuecke)
{
    Ansicht a = ansicht();
    Spurcache s;
    s.anlegen(10);
    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(s.setzen(i, {10.0 * i, 1, 0}));
    s.projizieren(a, false);
    // Step 2 again, at another place: the trace ends with it.
    ASSERT_TRUE(s.setzen(2, {-50, 20, 5}));
    EXPECT_EQ(s.anzahl(), 3);
    EXPECT_EQ(s.projizieren(a, false), direkt(a, s.punkte()));
    // A gap: steps 3..5 never had a frame; they take the point of step 6.
    ASSERT_TRUE(s.setzen(6, {7, 7, 7}));
    EXPECT_EQ(s.anzahl(), 7);
    EXPECT_EQ(s.punkte()[4].X, 7);
    EXPECT_EQ(s.projizieren(a, false), direkt(a, s.punkte()));
    // Started again at 0.
    ASSERT_TRUE(s.setzen(0, {1, 2, 3}));
    EXPECT_EQ(s.anzahl(), 1);
    EXPECT_EQ(s.projizieren(a, false), direkt(a, s.punkte()));
    // Beyond the room: refused, nothing changes.
    EXPECT_FALSE(s.setzen(10, {0, 0, 0}));
    EXPECT_FALSE(s.setzen(-1, {0, 0, 0}));
    EXPECT_EQ(s.anzahl(), 1);
}

// The view turns part-way through a trace: every pixel is that of the new
// view, those projected before the turn included.
TEST(Spurcache, AnsichtGedrehtMittenImLauf)
{
    Ansicht a = ansicht();
    Spurcache s;
    s.anlegen(50);
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(s.setzen(i, {5.0 * i, 3.0 * i * i / 10.0, -1.0 * i}));
        if (i == 12)
            a.WinkelSetzenGrad(10, -40, 25);
        ASSERT_EQ(s.projizieren(a, false), direkt(a, s.punkte())) << "step " << i;
    }
}
