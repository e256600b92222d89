// The common frame rules: orbit refresh, the planets-off flag, the tail.
#include "TestHost.h"

#include "figures/Hintergrund.h"
#include "shell/Framerregeln.h"
#include "shell/Hauptprozedur.h"

#include <gtest/gtest.h>

using namespace shell;
using testhost::TestHost;
using Art = figures::Aufzeichnung::Art;

TEST(Framerregeln, BahnenAlle90500TageUndMitChironAlle14610)
{
    struct Fall {
        bool chiron;
        double schrittweite;
        std::vector<int> faelligBei;
    } faelle[] = {
        {false, 1000, {91, 182, 272}},
        {true, 1000, {15, 30, 44, 59, 74, 88}},
        {false, 90500, {2, 3, 4, 5, 6}},
    };
    for (const auto& f : faelle) {
        Bahnerneuerung b;
        std::vector<int> faellig;
        for (int n = 0; n <= f.faelligBei.back(); ++n)
            if (b.faellig(n, f.schrittweite, f.chiron, false))
                faellig.push_back(n);
        EXPECT_EQ(faellig, f.faelligBei) << "chiron " << f.chiron << " step " << f.schrittweite;
    }
    Bahnerneuerung fertig;
    EXPECT_FALSE(fertig.faellig(1000, 1000, false, true)) << "not once the run is complete";
}

TEST(Framerregeln, OhnePlaneten)
{
    Laufzustand z;
    Laufkonfiguration k;
    z.NurBisIndex = 15;
    z.FigurenAnzahl = 10;
    z.KonjIndex = 15;
    k.planetenNurZuBeginn = true;
    EXPECT_FALSE(OhnePlaneten(z, k));
    z.KonjIndex = 16;
    EXPECT_TRUE(OhnePlaneten(z, k));
    k.planetenNurZuBeginn = false;
    EXPECT_FALSE(OhnePlaneten(z, k));
    k.drehungDerFiguren = true;
    EXPECT_TRUE(OhnePlaneten(z, k));
    k.drehungDerFiguren = false;
    k.ergebnisSofort = true;
    z.KonjIndex = 0;
    EXPECT_TRUE(OhnePlaneten(z, k));
}

TEST(Framerregeln, SchlussInDerFestenReihenfolge)
{
    Laufzustand z;
    Laufkonfiguration k;
    TestHost host;
    Hauptprozedur engine(z, k, host);
    figures::Ansicht a;
    a.GroesseSetzen(800, 600);
    a.Massstabswert = 100;
    a.Massstab = 1;
    engine.ansicht = &a;
    Laufdienste l = engine.dienste();
    const figures::Einstellungssatz& s = l.einstellungen;

    // Without "Ergebnis sofort" no Sun disc, with it one at the centre.
    k.sonneZentrum = true;
    RahmenSchluss(l, 0, {});
    EXPECT_EQ(host.flaecheObj.anzahl(Art::Ellipse), 0);
    k.ergebnisSofort = true;
    k.zentrumMarkieren = k.massstab = k.legende = true;
    k.tierkreis = TierkreisArt::Zeichen;
    host.flaecheObj.leeren();
    RahmenSchluss(l, 0, {});
    const auto& e = host.flaecheObj.eintraege();
    ASSERT_FALSE(e.empty());
    EXPECT_EQ(e.front().art, Art::Ellipse);
    EXPECT_EQ(e.front().pinselFarbe, s.IntFarbePlanet[0]);
    // The zodiac's glyphs come after the scale bar's labels and before the legend.
    int zeichen = -1, massstab = -1, legende = -1;
    for (size_t i = 0; i < e.size(); ++i) {
        if (e[i].art != Art::Text)
            continue;
        if (zeichen < 0 && e[i].text == figures::Tierkreiszeichen(0))
            zeichen = static_cast<int>(i);
        if (massstab < 0 && e[i].text.find("100") != std::string::npos)
            massstab = static_cast<int>(i);
        if (legende < 0 && e[i].text.find(':') != std::string::npos && e[i].schrift.farbe == s.IntFarbeBahnen &&
            zeichen >= 0)
            legende = static_cast<int>(i);
    }
    EXPECT_GE(massstab, 0);
    EXPECT_GT(zeichen, massstab);
    EXPECT_GT(legende, zeichen);
    // No Sun disc with another centre.
    host.flaecheObj.leeren();
    RahmenSchluss(l, 3, {});
    ASSERT_FALSE(host.flaecheObj.eintraege().empty());
    EXPECT_NE(host.flaecheObj.eintraege().front().art, Art::Ellipse);
}
