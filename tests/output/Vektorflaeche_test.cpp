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
#include <QRegularExpression>
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

namespace {

// The smallest rectangle holding every pixel whose red channel is over half.
QRect Ausdehnung(const QImage& bild0)
{
    const QImage bild = bild0.convertToFormat(QImage::Format_RGB32);
    QRect r;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (qRed(bild.pixel(x, y)) > 127)
                r |= QRect(x, y, 1, 1);
    return r;
}

// Centre and radii of the one circle or ellipse an SVG file holds.
bool SvgEllipse(const QString& datei, double& cx, double& cy, double& rx, double& ry)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QString text = QString::fromUtf8(f.readAll());
    static const QRegularExpression kreis(QStringLiteral(R"re(<circle cx="([-0-9.]+)" cy="([-0-9.]+)" r="([-0-9.]+)")re"));
    static const QRegularExpression ellipse(
        QStringLiteral(R"re(<ellipse cx="([-0-9.]+)" cy="([-0-9.]+)" rx="([-0-9.]+)" ry="([-0-9.]+)")re"));
    const auto zahl = [](const QRegularExpressionMatch& m, int i) { return m.captured(i).toDouble(); };
    if (const auto m = kreis.match(text); m.hasMatch()) {
        cx = zahl(m, 1), cy = zahl(m, 2), rx = ry = zahl(m, 3);
        return true;
    }
    if (const auto m = ellipse.match(text); m.hasMatch()) {
        cx = zahl(m, 1), cy = zahl(m, 2), rx = zahl(m, 3), ry = zahl(m, 4);
        return true;
    }
    return false;
}

} // namespace

// A disc of the integer rectangle (x1, y1) .. (x2, y2) covers on the window
// the pixels x1 .. x2, y1 .. y2 (its one-pixel edge included): in SVG and
// PDF it has exactly that extent, and the SVG holds the ellipse through the
// pixel centres, centre ((x1 + x2) / 2 + 0.5, ...), radii (x2 - x1) / 2. A
// disc one pixel smaller or shifted fails here, though it would pass the
// coverage comparison above.
TEST(Vektorflaeche, ScheibenGenauSoGrossWieImFenster)
{
    struct Fall {
        int x1, y1, x2, y2;
    };
    const Fall faelle[] = {{20, 20, 40, 40}, {60, 15, 69, 24}, {80, 10, 131, 51}, {20, 60, 46, 80}, {70, 60, 76, 66},
                           {100, 70, 103, 73}};
    const bool mitPdf = PdfRasterVorhanden();
    for (const Fall& f : faelle) {
        const auto scheibe = [&](figures::Zeichenflaeche& z) {
            z.fuellen(figures::Schwarz);
            z.stift(0x0000FF, 1, figures::Stiftstil::Durchgezogen);
            z.pinsel(0x0000FF, figures::Pinselstil::Voll);
            z.ellipse(f.x1, f.y1, f.x2, f.y2);
            return true;
        };
        const QString fall = QStringLiteral("%1,%2 .. %3,%4").arg(f.x1).arg(f.y1).arg(f.x2).arg(f.y2);
        shell::QtZeichenflaeche raster(160, 100);
        scheibe(raster);
        const QRect soll(QPoint(f.x1, f.y1), QPoint(f.x2, f.y2));
        ASSERT_EQ(Ausdehnung(raster.bild()), soll) << fall.toStdString();

        QTemporaryDir ordner;
        const QString svg = ordner.filePath(QStringLiteral("scheibe.svg"));
        ASSERT_TRUE(VektorSchreiben(svg, Bildformat::Svg, QSize(160, 100), scheibe));
        EXPECT_EQ(Ausdehnung(vergleich::SvgBild(svg)), soll) << "SVG " << fall.toStdString();
        double cx = 0, cy = 0, rx = 0, ry = 0;
        ASSERT_TRUE(SvgEllipse(svg, cx, cy, rx, ry)) << fall.toStdString();
        EXPECT_DOUBLE_EQ(cx, (f.x1 + f.x2) / 2.0 + 0.5) << fall.toStdString();
        EXPECT_DOUBLE_EQ(cy, (f.y1 + f.y2) / 2.0 + 0.5) << fall.toStdString();
        EXPECT_DOUBLE_EQ(rx, (f.x2 - f.x1) / 2.0) << fall.toStdString();
        EXPECT_DOUBLE_EQ(ry, (f.y2 - f.y1) / 2.0) << fall.toStdString();

        if (!mitPdf)
            continue;
        const QString pdf = ordner.filePath(QStringLiteral("scheibe.pdf"));
        ASSERT_TRUE(VektorSchreiben(pdf, Bildformat::Pdf, QSize(160, 100), scheibe));
        EXPECT_EQ(Ausdehnung(vergleich::PdfBild(pdf, Bezugsaufloesung())), soll) << "PDF " << fall.toStdString();
    }
    if (!mitPdf)
        GTEST_SKIP() << "PDF not checked: pdftoppm not installed (scripts/deps installs poppler-utils)";
}
