// Vector pictures drawn by the same code as the window's canvas, opened and
// rasterised again: the primitives one by one, and a whole Venus-Earth
// rosette with its conjunction star, legend and scale, as SVG and as PDF,
// against the PNG of the same frame.
#include "Vergleich.h"

#include "figures/ZweiPlaneten.h"
#include "output/Bilddatei.h"
#include "output/Vektorflaeche.h"
#include "shell/QtZeichenflaeche.h"

#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace output;
using figures::Punkt;

namespace {

bool PdfRasterVorhanden() { return !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty(); }

// One of everything a figure draws, on black.
bool Szene(figures::Zeichenflaeche& z)
{
    z.fuellen(figures::Schwarz);
    z.stift(0x00FFFF, 1, figures::Stiftstil::Durchgezogen);
    std::vector<Punkt> linien;
    for (int k = 0; k < 40; ++k) {
        linien.push_back({10 + 7 * k, 20});
        linien.push_back({300 - 7 * k, 180});
    }
    z.linien(linien);
    z.stift(0x0000FF, 3, figures::Stiftstil::Durchgezogen);
    z.bewegeZu(20, 200);
    z.linieZu(300, 230);
    z.stift(0xFFFFFF, 1, figures::Stiftstil::Gepunktet);
    z.polylinie({{320, 20}, {380, 60}, {340, 120}});
    z.stift(0xFFFFFF, 2, figures::Stiftstil::Durchgezogen);
    z.pinsel(0xFF0000, figures::Pinselstil::Voll);
    z.ellipse(330, 150, 350, 170);
    z.ellipse(360, 150, 368, 158);
    z.pinsel(0x00FF00, figures::Pinselstil::Voll);
    z.stift(0x00FF00, 1, figures::Stiftstil::Durchgezogen);
    z.polygon({{250, 240}, {290, 240}, {270, 270}});
    z.schrift({"Arial", 10, 0xFFFFFF, false});
    z.pinsel(0, figures::Pinselstil::Keiner);
    z.textAus(20, 250, "Legende: Venus 583.92 d");
    z.bildZeichnen(1, 200, 100);
    return true;
}

} // namespace

TEST(Vektorflaeche, GrundformenWieAufDemFensterbild)
{
    shell::QtZeichenflaeche raster(400, 300);
    Szene(raster);
    QTemporaryDir ordner;
    const QString svg = ordner.filePath(QStringLiteral("szene.svg"));
    const QString pdf = ordner.filePath(QStringLiteral("szene.pdf"));
    ASSERT_TRUE(VektorSchreiben(svg, Bildformat::Svg, QSize(400, 300), Szene));
    ASSERT_TRUE(VektorSchreiben(pdf, Bildformat::Pdf, QSize(400, 300), Szene));

    // The one-pixel pen stays one pixel wide: a stroke, not a hairline.
    QFile f(svg);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    EXPECT_TRUE(text.contains("viewBox=\"0 0 400 300\""));
    EXPECT_FALSE(text.contains("non-scaling-stroke"));

    const QImage ausSvg = vergleich::SvgBild(svg);
    ASSERT_EQ(ausSvg.size(), QSize(400, 300));
    EXPECT_GT(vergleich::Deckung(raster.bild(), ausSvg, qRgb(0, 0, 0)), 0.97);
    EXPECT_GT(vergleich::Deckung(ausSvg, raster.bild(), qRgb(0, 0, 0)), 0.97);
    // The filled disc and the text are where the window has them.
    EXPECT_EQ(raster.bild().pixel(340, 160), ausSvg.pixel(340, 160));

    if (!PdfRasterVorhanden())
        GTEST_SKIP() << "pdftoppm not installed (scripts/deps installs poppler-utils)";
    const QImage ausPdf = vergleich::PdfBild(pdf, Bezugsaufloesung());
    ASSERT_EQ(ausPdf.size(), QSize(400, 300));
    EXPECT_GT(vergleich::Deckung(raster.bild(), ausPdf, qRgb(0, 0, 0)), 0.97);
    EXPECT_GT(vergleich::Deckung(ausPdf, raster.bild(), qRgb(0, 0, 0)), 0.97);
}

TEST(Vektorflaeche, RosetteAlsSvgUndPdfWieIhrPng)
{
    static astro::Positionsrechner rechner;
    figures::ZweiPlanetenEingabe e;
    e.planet1 = 2;
    e.planet2 = 3;
    e.schrittweite = 4;
    e.raumgeraden = true;
    e.konjunktionsstern = true;
    figures::ZweiPlanetenlauf lauf;
    lauf.sofort = true;
    lauf.sofortSchritte = 3000;
    figures::Ansicht ansicht;
    ansicht.GroesseSetzen(640, 480);
    const figures::Einstellungssatz einstellungen;
    figures::ZweiPlanetenRahmen r;
    r.legende = true;
    r.massstab = true;
    r.hintergrundFuellen = true;
    figures::ZweiPlaneten figur;
    ASSERT_TRUE(figur.vorbereiten(e, lauf, ansicht, figures::PositionsfunktionAus(rechner, astro::Rechenoptionen{})));

    figures::ZweiPlanetenZaehler c;
    c.schritt = figur.schrittzahl();
    shell::QtZeichenflaeche raster(640, 480);
    ASSERT_TRUE(figur.schritt(c, &raster, ansicht, einstellungen, r, nullptr));
    const auto nochmals = [&](figures::Zeichenflaeche& z) {
        figures::ZweiPlanetenZaehler kopie = c;
        return static_cast<bool>(figur.schritt(kopie, &z, ansicht, einstellungen, r, nullptr));
    };

    QTemporaryDir ordner;
    const QString svg = ordner.filePath(QStringLiteral("rosette.svg"));
    ASSERT_TRUE(VektorSchreiben(svg, Bildformat::Svg, QSize(640, 480), nochmals));
    const QImage ausSvg = vergleich::SvgBild(svg);
    const QRgb grund = raster.bild().pixel(2, 2);
    EXPECT_GT(vergleich::Deckung(raster.bild(), ausSvg, grund), 0.95);
    EXPECT_GT(vergleich::Deckung(ausSvg, raster.bild(), grund), 0.95);
    // 3000 link lines are one path, not 3000 elements.
    QFile f(svg);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_LT(f.readAll().count("<path"), 100);

    if (!PdfRasterVorhanden())
        GTEST_SKIP() << "pdftoppm not installed (scripts/deps installs poppler-utils)";
    const QString pdf = ordner.filePath(QStringLiteral("rosette.pdf"));
    ASSERT_TRUE(VektorSchreiben(pdf, Bildformat::Pdf, QSize(640, 480), nochmals));
    const QImage ausPdf = vergleich::PdfBild(pdf, Bezugsaufloesung());
    ASSERT_EQ(ausPdf.size(), QSize(640, 480));
    EXPECT_GT(vergleich::Deckung(raster.bild(), ausPdf, grund), 0.95);
    EXPECT_GT(vergleich::Deckung(ausPdf, raster.bild(), grund), 0.95);
}
