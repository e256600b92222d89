// The Sun-centred orbit picture: scale, drawing order and disc order.
#include "figures/Aufzeichnungsflaeche.h"
#include "figures/Bahnenbild.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace figures;

namespace {

// Bodies on circles of their largest distance, tilted so that the discs have
// different depths in a turned view.
Positionsfunktion Kreise()
{
    return [](int k, double t) -> astro::Ergebnis<Raumpunkt> {
        const double r = Ausdehnung[static_cast<size_t>(k)];
        const double w = 2 * 3.14159265358979323846 * t / (87.97 * Umlaufzeiten[static_cast<size_t>(k)]) + k;
        return Raumpunkt{r * std::cos(w), r * std::sin(w), 0.05 * r * std::sin(w)};
    };
}

using Art = Aufzeichnung::Art;

// Index of the first entry of a kind after `ab`, or -1.
int Erstes(const Aufzeichnungsflaeche& z, Art art, int ab = 0)
{
    const auto& e = z.eintraege();
    for (size_t i = static_cast<size_t>(ab); i < e.size(); ++i)
        if (e[i].art == art)
            return static_cast<int>(i);
    return -1;
}

} // namespace

TEST(Bahnenbild, TheOutermostBodyFills260PixelsOfA600PixelSurface)
{
    Ansicht a;
    a.GroesseSetzen(800, 600);
    Bahnenbild b;
    Bahnenbildoptionen o;
    o.koerper = {6, 3, 1, 5};
    ASSERT_TRUE(b.vorbereiten(o, a, Kreise()).ok());
    EXPECT_DOUBLE_EQ(a.Massstab, 260.0 / 1506);
    EXPECT_DOUBLE_EQ(a.Massstabswert, 1000);
    EXPECT_EQ(b.erster(), 1);
    EXPECT_EQ(b.letzter(), 6);
    // Saturn's points lie 260 pixels from the centre
    const auto& p = b.bahnen().zeile(4)[7];
    EXPECT_NEAR(std::hypot(p.px - a.MitteX, p.py - a.MitteY), 260.0, 1.0);
}

TEST(Bahnenbild, AtMostNineBodiesInNumberOrderAndBadNumbersRefused)
{
    Ansicht a;
    a.GroesseSetzen(800, 600);
    Bahnenbild b;
    Bahnenbildoptionen o;
    o.koerper = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    ASSERT_TRUE(b.vorbereiten(o, a, Kreise()).ok());
    EXPECT_TRUE(b.auswahl()[9]);
    EXPECT_FALSE(b.auswahl()[10]);
    EXPECT_FALSE(b.auswahl()[11]);
    o.koerper = {3, 22};
    EXPECT_EQ(b.vorbereiten(o, a, Kreise()).fehler, astro::Fehler::UngueltigeEingabe);
    o.koerper = {};
    EXPECT_EQ(b.vorbereiten(o, a, Kreise()).fehler, astro::Fehler::UngueltigeEingabe);
}

TEST(Bahnenbild, DrawsBackgroundZodiacOrbitsDiscsThenScaleAndLegend)
{
    Ansicht a;
    a.GroesseSetzen(800, 600);
    a.WinkelSetzenGrad(60, 30, 0);
    Bahnenbild b;
    Bahnenbildoptionen o;
    o.koerper = {1, 2, 3, 4, 5, 6};
    o.sterne = 2;
    o.tierkreis = Tierkreisart::Zeichen;
    o.sonne = true;
    o.massstab = true;
    o.legende = true;
    ASSERT_TRUE(b.vorbereiten(o, a, Kreise()).ok());
    Aufzeichnungsflaeche z(800, 600);
    Einstellungssatz s;
    ASSERT_TRUE(b.zeichnen(z, a, s).ok());

    const int fuellen = Erstes(z, Art::Fuellen);
    const int bild = Erstes(z, Art::Bild);
    const int tierkreisText = Erstes(z, Art::Text);
    const int scheibe = Erstes(z, Art::Ellipse);
    EXPECT_EQ(fuellen, 0);
    EXPECT_GT(bild, fuellen);
    EXPECT_GT(tierkreisText, bild);
    // the first orbit segment comes after the zodiac and before the discs
    int bahn = -1;
    for (int i = tierkreisText; i < static_cast<int>(z.eintraege().size()); ++i)
        if (z.eintraege()[static_cast<size_t>(i)].art == Art::Linie &&
            z.eintraege()[static_cast<size_t>(i)].stiftFarbe == s.IntFarbeBahnen) {
            bahn = i;
            break;
        }
    EXPECT_GT(bahn, tierkreisText);
    EXPECT_GT(scheibe, bahn);
    // six planets and the Sun, ordered far to near
    const auto scheiben = z.nurArt(Art::Ellipse);
    ASSERT_GE(scheiben.size(), 7u);
    double vorher = -1e300;
    int sonne = 0;
    for (size_t i = 0; i < 7; ++i) {
        const auto& e = scheiben[i];
        const int mx = (e.punkte[0].x + e.punkte[1].x) / 2, my = (e.punkte[0].y + e.punkte[1].y) / 2;
        if (e.pinselFarbe == s.IntFarbePlanet[0]) {
            ++sonne;
            EXPECT_EQ(e.punkte[1].x - e.punkte[0].x, 2 * s.IntASonne);
            EXPECT_GE(0.0, vorher - 1e-9);
            vorher = 0;
            continue;
        }
        int k = 1;
        while (k <= 6 && e.pinselFarbe != s.IntFarbePlanet[static_cast<size_t>(k)])
            ++k;
        ASSERT_LE(k, 6);
        const auto p = Kreise()(k, 0).wert();
        a.PerspektivKoordinaten(p.X, p.Y, p.Z);
        EXPECT_NEAR(mx, a.BildX, 1);
        EXPECT_NEAR(my, a.BildY, 1);
        EXPECT_GE(a.Tiefe, vorher);
        vorher = a.Tiefe;
    }
    EXPECT_EQ(sonne, 1);
    // the scale bar and the legend come last
    const int mass = Erstes(z, Art::Linie, scheibe + 7);
    EXPECT_GT(mass, scheibe);
    EXPECT_EQ(z.eintraege().back().art, Art::Text);
    EXPECT_FALSE(a.NeuZeichnen);
}

TEST(Bahnenbild, APositionFailureIsReported)
{
    Ansicht a;
    a.GroesseSetzen(800, 600);
    Bahnenbild b;
    Bahnenbildoptionen o;
    o.koerper = {3, 5};
    const auto st = b.vorbereiten(o, a, [](int k, double) -> astro::Ergebnis<Raumpunkt> {
        if (k == 5)
            return astro::Status::Fehlschlag(astro::Fehler::NichtVerfuegbar);
        return Raumpunkt{100, 0, 0};
    });
    EXPECT_EQ(st.fehler, astro::Fehler::NichtVerfuegbar);
}
