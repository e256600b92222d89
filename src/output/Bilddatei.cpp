#include "output/Bilddatei.h"

#include "output/Vektorflaeche.h"
#include "shell/Dateischreiben.h"
#include "sprache/Sprache.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace output {

std::optional<Bildformat> FormatDerEndung(const QString& name)
{
    const QString endung = QFileInfo(name).suffix().toUpper();
    if (endung == QLatin1String("BMP") || endung == QLatin1String("DIB"))
        return Bildformat::Bmp;
    if (endung == QLatin1String("JPG") || endung == QLatin1String("JPEG"))
        return Bildformat::Jpeg;
    if (endung == QLatin1String("PNG"))
        return Bildformat::Png;
    if (endung == QLatin1String("SVG"))
        return Bildformat::Svg;
    if (endung == QLatin1String("PDF"))
        return Bildformat::Pdf;
    return std::nullopt;
}

Bildformat FormatBeimSpeichern(const QString& name) { return FormatDerEndung(name).value_or(Bildformat::Bmp); }

QString MitStandardendung(const QString& name)
{
    if (name.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    return name.endsWith(QLatin1Char('.')) ? name + QLatin1String("bmp") : name + QLatin1String(".bmp");
}

bool IstVektorformat(Bildformat f) { return f == Bildformat::Svg || f == Bildformat::Pdf; }

QRect Bildausschnitt(int breite, int hoehe)
{
    const int links = static_cast<int>(std::lround(0.16 * breite));
    return QRect(links, 0, std::max(0, breite - links), std::max(0, hoehe));
}

QImage BildAufnehmen(const QImage& gezeigt, bool invertiert)
{
    QImage bild = gezeigt.copy(Bildausschnitt(gezeigt.width(), gezeigt.height()));
    if (invertiert)
        bild.invertPixels();
    return bild;
}

namespace {

Schreibergebnis Fehlschlag(const QString& grund) { return {false, grund}; }
QString Grund(const char* schluessel) { return QString::fromStdString(sprache::T(schluessel)); }

// Writes the whole file or nothing (see shell::DateiSchreiben).
Schreibergebnis DateiSchreiben(const QString& name, const QByteArray& daten)
{
    QString grund;
    if (!shell::DateiSchreiben(name, daten, &grund))
        return Fehlschlag(grund);
    return {true, {}};
}

} // namespace

Schreibergebnis RasterSchreiben(const QImage& bild, const QString& name, Bildformat format)
{
    if (bild.isNull())
        return Fehlschlag(Grund("ausgabe.grund.leer"));
    const char* art = format == Bildformat::Jpeg ? "JPEG" : format == Bildformat::Png ? "PNG" : "BMP";
    // The whole file is made in memory first: the encoders do not all tell
    // a device that took only part of their data.
    QByteArray daten;
    {
        QBuffer puffer(&daten);
        puffer.open(QIODevice::WriteOnly);
        QImageWriter schreiber(&puffer, art);
        if (format == Bildformat::Jpeg) {
            schreiber.setQuality(JpegQualitaet);
            schreiber.setOptimizedWrite(true);
        }
        if (!schreiber.write(bild))
            return Fehlschlag(schreiber.errorString());
    }
    return DateiSchreiben(name, daten);
}

Schreibergebnis VektorSchreiben(const QString& name, Bildformat format, QSize groesse, const Vektorzeichnung& zeichnen)
{
    if (groesse.isEmpty())
        return Fehlschlag(Grund("ausgabe.grund.leer"));
    const int dpi = Bezugsaufloesung();
    // Drawn into memory, then written: the SVG generator writes its document
    // in one piece when the painting ends and never looks at what the device
    // made of it.
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    const auto malen = [&](QPaintDevice* geraet) -> QString {
        Vektorflaeche flaeche(geraet, groesse.width(), groesse.height());
        if (!flaeche.aktiv())
            return Grund("ausgabe.grund.malen");
        const bool gezeichnet = zeichnen(flaeche);
        if (!flaeche.beenden())
            return Grund("ausgabe.grund.schreiben");
        return gezeichnet ? QString() : Grund("ausgabe.grund.nachzeichnen");
    };
    QString grund;
    if (format == Bildformat::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&puffer);
        svg.setSize(groesse);
        svg.setViewBox(QRect(QPoint(0, 0), groesse));
        svg.setResolution(dpi);
        svg.setTitle(QStringLiteral("Velmora"));
        grund = malen(&svg);
    } else {
        QPdfWriter pdf(&puffer);
        pdf.setResolution(dpi);
        pdf.setCreator(QStringLiteral("Velmora"));
        pdf.setTitle(QStringLiteral("Velmora"));
        pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(groesse.width() / double(dpi), groesse.height() / double(dpi)),
                                                QPageSize::Inch, QString(), QPageSize::ExactMatch),
                                      QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        grund = malen(&pdf);
    }
    if (!grund.isEmpty())
        return Fehlschlag(grund);
    puffer.close();
    return DateiSchreiben(name, daten);
}

} // namespace output
