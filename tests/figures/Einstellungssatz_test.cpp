#include "figures/Einstellungssatz.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using figures::Einstellungen;
using figures::Einstellungssatz;
using figures::einstellungsTabelle;

// A valid value other than the one the set holds, for probing one field.
long long andererGueltigerWert(const figures::Einstellungswert& w, long long jetzt)
{
    if (!w.erlaubt.empty())
        return w.erlaubt.front() == jetzt ? w.erlaubt.back() : w.erlaubt.front();
    return jetzt == w.maximum ? w.minimum : w.maximum;
}

TEST(Einstellungstabelle, NamenEindeutigUndStandardwerteGueltig)
{
    std::set<std::string> namen;
    const Einstellungssatz standard;
    for (const auto& w : einstellungsTabelle()) {
        SCOPED_TRACE(w.abschnitt + "/" + w.name);
        std::string klein = w.name;
        for (char& c : klein)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(namen.insert(w.abschnitt + "/" + klein).second) << "name twice (case-insensitive)";
        EXPECT_TRUE(w.gueltig(w.wert(standard))) << "default out of its own range";
    }
    // 22 body fills, 32 other colours, 16 dialog colours, star background,
    // 7 sizes and widths, 5 flags, 2 levels, the panel's place.
    EXPECT_EQ(einstellungsTabelle().size(), 22u + 32u + 16u + 1u + 7u + 5u + 2u + 2u);
}

// Each table entry must address its own field: changing one value through the
// table leaves every other value alone, and reading it back gives the value.
TEST(Einstellungstabelle, JederEintragTrifftGenauEinFeld)
{
    const auto& tabelle = einstellungsTabelle();
    for (std::size_t i = 0; i < tabelle.size(); ++i) {
        const auto& w = tabelle[i];
        SCOPED_TRACE(w.name);
        Einstellungssatz s;
        const long long neu = andererGueltigerWert(w, w.wert(s));
        w.wertSetzen(s, neu);
        EXPECT_EQ(w.wert(s), neu);
        const Einstellungssatz standard;
        for (std::size_t j = 0; j < tabelle.size(); ++j) {
            if (j != i) {
                EXPECT_EQ(tabelle[j].wert(s), tabelle[j].wert(standard)) << "also changed " << tabelle[j].name;
            }
        }
    }
}

TEST(Einstellungstabelle, NamenOhneRuecksichtAufGrossKlein)
{
    const auto* w = figures::einstellungswertNachName("punkteundlinienstaerken", "intbahndicke");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->name, "IntBahnDicke");
    Einstellungssatz s;
    w->wertSetzen(s, 7);
    EXPECT_EQ(s.IntBahndicke, 7);
    EXPECT_EQ(figures::einstellungswertNachName("Farbzuweisungen", "INTFARBEPLANET21")->index, 21);
    EXPECT_EQ(figures::einstellungswertNachName("Farbzuweisungen", "IntA"), nullptr);  // wrong section
}

TEST(Einstellungssatz, PruefenSetztFalscheWerteAufVorgabe)
{
    Einstellungssatz s;
    s.IntA = 9999;
    s.IntRanddicke = 0;
    s.IntFarbeRG = 0x12345678;
    s.IntAnzahlBahnpunkte = 3;
    s.IntLiniendicke = 50;  // valid, stays
    const Einstellungssatz vorgaben;
    EXPECT_EQ(figures::einstellungenPruefen(s, vorgaben), 4);
    EXPECT_EQ(s.IntA, 5);
    EXPECT_EQ(s.IntRanddicke, 1);
    EXPECT_EQ(s.IntFarbeRG, 0x808000u);
    EXPECT_EQ(s.IntAnzahlBahnpunkte, 1);
    EXPECT_EQ(s.IntLiniendicke, 50);
}

TEST(Einstellungssatz, KoerperfarbenUndFarbtabelle)
{
    Einstellungssatz s;
    s.IntFarbePlanet[10] = 0x111111;
    s.IntFarbePlanet[21] = 0x222222;
    EXPECT_EQ(figures::KoerperFarbe(s, figures::KoerpercodeMond), 0x111111u);
    EXPECT_EQ(figures::KoerperFarbe(s, 21), 0x222222u);
    EXPECT_EQ(figures::KoerperFarbe(s, 0), 0x00FFFFu);
    EXPECT_EQ(figures::KoerperFarbe(s, 99), s.IntFarbeBahnen);
    EXPECT_EQ(figures::FarbeNachTabellenindex(s, 39 + 21), 0x222222u);
    EXPECT_EQ(figures::FarbeNachTabellenindex(s, 3), s.IntFarbeRG);
    EXPECT_EQ(figures::FarbeNachTabellenindex(s, 31), s.IntFarbeLinieMystI);
    EXPECT_EQ(figures::FarbeNachTabellenindex(s, 37), s.IntFarbeTierkreis);
}

TEST(Einstellungssatz, SonnenradiusBaryzentrumAusBildschirm)
{
    EXPECT_EQ(figures::StandardASonneBary(1024, 768), 132);   // 768 / 5.8 = 132.4
    EXPECT_EQ(figures::StandardASonneBary(1920, 1080), 349);  // 186.2 * 1.875 = 349.1
    EXPECT_EQ(figures::StandardASonneBary(0, 0), Einstellungssatz{}.IntASonneBary);
}

// "Standard wiederherstellen" twice returns exactly to the user's choices;
// a colour chosen while the defaults are in use goes into both sets.
TEST(Einstellungen, StandardZweimalStelltBenutzerwerteWiederHer)
{
    Einstellungen e(200);
    Einstellungssatz gelesen = e.aktuell();
    gelesen.IntFarbeBahnen = 0x123456;
    gelesen.IntFarbePlanet[3] = 0x010203;
    gelesen.IntFarbePlanet[15] = 0x0A0B0C;   // read, but not the user's to change
    gelesen.IntA = 17;
    gelesen.IntASonneBary = 300;
    gelesen.IntBilditem = 2;
    gelesen.IntRanddicke = 4;
    gelesen.BoolSprache = true;
    gelesen.IntAnzahlBerechn = 3;
    e.eingelesen(gelesen);
    EXPECT_EQ(e.aktuell(), gelesen);
    EXPECT_EQ(e.benutzer().IntFarbePlanet[15], figures::StandardKoerperfarben[15]);

    EXPECT_FALSE(e.standardUmschalten());
    EXPECT_EQ(e.aktuell().IntFarbeBahnen, 0xFFFFFFu);
    EXPECT_EQ(e.aktuell().IntFarbePlanet[3], figures::StandardKoerperfarben[3]);
    EXPECT_EQ(e.aktuell().IntA, 5);
    EXPECT_EQ(e.aktuell().IntASonneBary, 200);
    EXPECT_EQ(e.aktuell().IntBilditem, -1);
    EXPECT_EQ(e.aktuell().IntFarbePlanet[15], 0x0A0B0Cu);  // entries beyond the Moon are not touched
    EXPECT_TRUE(e.aktuell().BoolSprache);                   // flags and levels are not affected
    EXPECT_EQ(e.aktuell().IntAnzahlBerechn, 3);
    EXPECT_EQ(e.benutzer().IntFarbeBahnen, 0x123456u);

    EXPECT_TRUE(e.standardUmschalten());
    EXPECT_EQ(e.aktuell(), gelesen);

    // A colour chosen while the defaults are in use survives the way back.
    e.standardUmschalten();
    e.setzen(&Einstellungssatz::IntFarbeRG, figures::Farbe{0x445566});
    e.koerperfarbeSetzen(0, 0x778899);
    e.standardUmschalten();
    EXPECT_EQ(e.aktuell().IntFarbeRG, 0x445566u);
    EXPECT_EQ(e.aktuell().IntFarbePlanet[0], 0x778899u);
    EXPECT_EQ(e.aktuell().IntFarbeBahnen, 0x123456u);
}

} // namespace
