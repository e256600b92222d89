// The figure of a run ended with Beenden stays in the window: a resize, a
// maximised window, "Standard wiederherstellen" and a language switch draw
// it again from the run's state instead of wiping it; a surface cleared by
// a dialog stays clear.
#include "shell/TForm1.h"
#include "shell/TFormBedienfeld.h"
#include "shell/UeberblickAblauf.h"
#include "shell/ZweiPlanetenAblauf.h"
#include "ui/EinstellungsAnbindung.h"
#include "ui/Sprachwechsel.h"

#include <QFile>

#include <functional>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "Suche.h"

#include <gtest/gtest.h>

namespace {

QRgb Bildfarbe(figures::Farbe c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

// Pixels of one colour in a part of the picture (the whole by default).
int Bildpunkte(const QImage& b, figures::Farbe c, QRect teil = {})
{
    if (teil.isNull())
        teil = b.rect();
    teil &= b.rect();
    const QRgb f = Bildfarbe(c) & 0xFFFFFF;
    int n = 0;
    for (int y = teil.top(); y <= teil.bottom(); ++y)
        for (int x = teil.left(); x <= teil.right(); ++x)
            n += (b.pixel(x, y) & 0xFFFFFF) == f;
    return n;
}

class StehendeFigur : public ::testing::Test {
protected:
    void SetUp() override
    {
        vorher = sprache::aktuelleSprache();
        QFile f(ordner.filePath(QStringLiteral("Ini.ini")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Sprache]\nBoolSprache=true\n[Anfangsanimation]\nBoolAnfangsanimation=false\n"
                "[ZitateAnzeigen]\nBoolZitateAnzeigen=false\n");
        f.close();
        form1 = std::make_unique<shell::TForm1>();
        anbindung = std::make_unique<ui::EinstellungsAnbindung>(
            *form1, einstellungen,
            std::make_unique<QSettings>(ordner.filePath(QStringLiteral("Ini.ini")), QSettings::IniFormat));
        form1->zeitfaktor = 0.001;
        form1->einstellungen = &einstellungen;
        form1->engine().einstellungen = &einstellungen;
        form1->engine().rechner = std::make_shared<astro::Positionsrechner>();
        auto a = std::make_unique<shell::ZweiPlanetenAblauf>();
        a->eingabe.planet1 = 2;
        a->eingabe.planet2 = 3;
        a->eingabe.schrittweite = 10;
        a->eingabe.raumgeraden = true;
        a->eingabe.konjunktionsstern = true;
        form1->engine().registrieren(shell::Darstellung::ZweiPlaneten, std::move(a));
        // The overview of Earth, Jupiter and Saturn: the outer planets come
        // from the element tables the run loads.
        auto u = std::make_unique<shell::UeberblickAblauf>();
        u->datenordner = std::string(VELMORA_QUELLORDNER) + "/Data";
        u->eingabe.konfiguration = figures::UeberblickEingabe::FreieKonfiguration;
        for (int b : {3, 5, 6})
            u->eingabe.koerper[static_cast<size_t>(b)] = true;
        form1->engine().registrieren(shell::Darstellung::Ueberblick, std::move(u));
        form1->resize(800, 600);
        form1->show();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !form1->zustand().Startphase; }, 5000));
        auto& k = form1->konfiguration();
        k.menueDarstellung = shell::Darstellung::ZweiPlaneten;
        k.legende = true;
        k.massstab = true;
        k.beispielSchrittgrenze = 150;
        form1->zustand().BeispielModus = true;
    }
    void TearDown() override
    {
        form1->zustand().EinstellungenGeaendert = false;
        form1->close();
        anbindung.reset();
        form1.reset();
        sprache::setzeSprache(vorher);
    }

    // Start, wait for the complete figure (the overview, which never
    // completes, for 100 steps; or until `bis` says so), press Beenden on
    // the panel.
    void laufBisBeenden(std::function<bool(const shell::Laufzustand&)> bis = {})
    {
        QTimer uhr;
        QObject::connect(&uhr, &QTimer::timeout, [&] {
            const auto& z = form1->zustand();
            if (z.LaufAktiv && (bis ? bis(z) : (z.FigurFertig || z.Schritt >= 100))) {
                uhr.stop();
                QTest::mouseClick(form1->bedienfeld()->beendenKnopf(), Qt::LeftButton);
            }
        });
        uhr.start(20);
        form1->startDruecken();
        ASSERT_FALSE(form1->zustand().LaufAktiv);
    }
    const QImage& bild() const { return form1->zeichenflaecheWidget()->gezeigt(); }
    figures::Farbe rg() const { return einstellungen.aktuell().IntFarbeRG; }
    // The legend's corner: the lower right of the surface.
    QRect legendenEcke() const { return QRect(bild().width() - 200, bild().height() - 200, 200, 200); }

    sprache::Sprache vorher{};
    QTemporaryDir ordner;
    figures::Einstellungen einstellungen{150};
    std::unique_ptr<shell::TForm1> form1;
    std::unique_ptr<ui::EinstellungsAnbindung> anbindung;
};

} // namespace

TEST_F(StehendeFigur, GroesseAendernNachBeendenBehaeltDieFigur)
{
    laufBisBeenden();
    const int vorher = Bildpunkte(bild(), rg());
    ASSERT_GT(vorher, 500) << "the link lines of the finished figure";
    form1->resize(1000, 700);
    ASSERT_TRUE(QTest::qWaitFor([&] { return bild().width() == form1->zeichenflaecheWidget()->width(); }, 2000));
    EXPECT_GT(Bildpunkte(bild(), rg()), 500) << "the figure survives the resize";
    // Drawn in the new size: its centre follows the surface's middle.
    EXPECT_EQ(form1->zustand().MitteX, form1->zeichenflaecheWidget()->width() / 2);
    form1->showMaximized();
    QTest::qWait(50);
    EXPECT_GT(Bildpunkte(bild(), rg()), 500) << "and maximising";
    EXPECT_FALSE(form1->zustand().LaufAktiv) << "no run is started by drawing it again";
}

TEST_F(StehendeFigur, StandardWiederherstellenWischtSieNichtWeg)
{
    laufBisBeenden();
    ASSERT_GT(Bildpunkte(bild(), rg()), 500);
    testhilfe::aktion(anbindung->menues(), QStringLiteral("Standardwiederherstellen1"))->trigger();
    EXPECT_GT(Bildpunkte(bild(), rg()), 500) << "drawn again in the colours now in use";
    testhilfe::aktion(anbindung->menues(), QStringLiteral("Standardwiederherstellen1"))->trigger();
    EXPECT_GT(Bildpunkte(bild(), rg()), 500);
}

TEST_F(StehendeFigur, SprachwechselZeichnetDieLegendeNeu)
{
    laufBisBeenden();
    const QImage deutsch = bild().copy();
    testhilfe::aktion(anbindung->menues(), QStringLiteral("Englisch1"))->trigger();
    ASSERT_FALSE(sprache::istDeutsch());
    const QImage englisch = bild().copy();
    ASSERT_EQ(englisch.size(), deutsch.size());
    EXPECT_NE(englisch.copy(legendenEcke()), deutsch.copy(legendenEcke())) << "the legend in English";
    EXPECT_GT(Bildpunkte(englisch, rg()), 500) << "the figure stays";
    // Back to German: the same picture as before the switch.
    testhilfe::aktion(anbindung->menues(), QStringLiteral("Deutsch1"))->trigger();
    EXPECT_EQ(bild(), deutsch);
}

TEST_F(StehendeFigur, EinGeleertesBildBleibtLeer)
{
    laufBisBeenden();
    // "Eingabe okay" of a dialog clears the surface for the next run.
    form1->flaeche().fuellen(form1->konfiguration().intFarbeHintergrund);
    form1->flaeche().flip();
    ASSERT_EQ(Bildpunkte(bild(), rg()), 0);
    form1->resize(900, 650);
    QTest::qWait(50);
    EXPECT_EQ(Bildpunkte(bild(), rg()), 0) << "the old figure does not come back";
    ui::Sprachwechsel::instanz().durchlauf(false);
    EXPECT_EQ(Bildpunkte(bild(), rg()), 0);
}

// The frame drawn again computes the outer planets from the element tables
// of the run, which Beenden released for the next run.
TEST_F(StehendeFigur, UeberblickMitAeusserenPlanetenNachBeenden)
{
    form1->konfiguration().menueDarstellung = shell::Darstellung::Ueberblick;
    laufBisBeenden();
    const figures::Farbe jupiter = einstellungen.aktuell().IntFarbePlanet[5];
    ASSERT_GT(Bildpunkte(bild(), jupiter), 10) << "Jupiter's disc in the finished figure";
    form1->resize(1000, 700);
    ASSERT_TRUE(QTest::qWaitFor([&] { return bild().width() == form1->zeichenflaecheWidget()->width(); }, 2000));
    EXPECT_GT(Bildpunkte(bild(), jupiter), 10) << "Jupiter drawn again after the resize";
    EXPECT_FALSE(form1->engine().rechner->hatOskulierendeQuelle()) << "the tables stay released for the next run";
}

// Kept figures turning: their frame is not drawn again (it would move them
// on), so the picture itself stays, centred in the larger surface.
TEST_F(StehendeFigur, GedrehteFigurenBehaltenIhrBild)
{
    form1->konfiguration().drehungDerFiguren = true;
    form1->zustand().FigurenAnzahl = form1->zustand().gemerkteFigurenAnzahl = 1;
    laufBisBeenden([](const shell::Laufzustand& z) { return z.KonjIndex > 1; });
    ASSERT_FALSE(form1->engine().figurSteht()) << form1->zustand().KonjIndex << " events, " << form1->zustand().FigurenAnzahl << " kept";
    const figures::Farbe stern = einstellungen.aktuell().IntFarbeLinienKonj;
    const int vorher = Bildpunkte(bild(), stern);
    ASSERT_GT(vorher, 20) << "the kept star";
    const QImage alt = bild().copy();
    form1->resize(1000, 700);
    ASSERT_TRUE(QTest::qWaitFor([&] { return bild().width() == form1->zeichenflaecheWidget()->width(); }, 2000));
    EXPECT_EQ(Bildpunkte(bild(), stern), vorher) << "the same picture, placed";
    const QPoint ecke((bild().width() - alt.width()) / 2, (bild().height() - alt.height()) / 2);
    // Where the old picture lies on the new surface (it may be cut off
    // where the new one is smaller), its pixels are unchanged.
    int anders = 0;
    for (int y = std::max(0, -ecke.y()); y < alt.height() && y + ecke.y() < bild().height(); ++y)
        for (int x = std::max(0, -ecke.x()); x < alt.width() && x + ecke.x() < bild().width(); ++x)
            anders += (bild().pixel(x + ecke.x(), y + ecke.y()) & 0xFFFFFF) != (alt.pixel(x, y) & 0xFFFFFF);
    EXPECT_EQ(anders, 0) << "centred: " << alt.width() << "x" << alt.height() << " in " << bild().width() << "x"
                         << bild().height();
}
