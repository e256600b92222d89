#pragma once
// Comparing a picture drawn through a vector file with the window's picture:
// the share of one picture's ink (pixels away from the background) that the
// other has within one pixel. Antialiasing and half-pixel edges pass; a
// missing, shifted or wrongly sized primitive does not.

#include <QImage>
#include <QProcess>
#include <QString>
#include <QSvgRenderer>
#include <QPainter>

#include <cstdlib>

namespace vergleich {

inline bool Tinte(QRgb p, QRgb grund)
{
    return std::abs(qRed(p) - qRed(grund)) + std::abs(qGreen(p) - qGreen(grund)) + std::abs(qBlue(p) - qBlue(grund)) > 90;
}

// The share of a's ink pixels with ink of b within one pixel.
inline double Deckung(const QImage& a0, const QImage& b0, QRgb grund)
{
    const QImage a = a0.convertToFormat(QImage::Format_RGB32), b = b0.convertToFormat(QImage::Format_RGB32);
    long tinte = 0, gedeckt = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (!Tinte(a.pixel(x, y), grund))
                continue;
            ++tinte;
            bool da = false;
            for (int dy = -1; dy <= 1 && !da; ++dy)
                for (int dx = -1; dx <= 1 && !da; ++dx) {
                    const int u = x + dx, v = y + dy;
                    da = b.valid(u, v) && Tinte(b.pixel(u, v), grund);
                }
            gedeckt += da;
        }
    return tinte ? double(gedeckt) / tinte : 1.0;
}

// An SVG file rasterised at its view box, one pixel per unit.
inline QImage SvgBild(const QString& datei)
{
    QSvgRenderer r(datei);
    QImage bild(r.viewBox().size(), QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter p(&bild);
    r.render(&p);
    return bild;
}

// The first page of a PDF file rasterised by pdftoppm at `dpi` (null when
// the rasteriser is missing).
inline QImage PdfBild(const QString& datei, int dpi)
{
    const QString ziel = datei + QStringLiteral("_seite");
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-png"), QStringLiteral("-singlefile"), datei, ziel});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QImage(ziel + QStringLiteral(".png"));
}

} // namespace vergleich
