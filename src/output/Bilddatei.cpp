#include "output/Bilddatei.h"

#include "output/Vektorflaeche.h"
#include "sprache/Sprache.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <cmath>

namespace output {

std::optional<Bildformat> FormatDerEndung(const QString& name)
{
    const QString endung = QFileInfo(name).suffix().toUpper();
    if (endung == QLatin1String("BMP") || endung == QLatin1String("DIB"))
        return Bildformat::Bmp;
    if (endung == QLatin1String("JPG"))
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

// Writes through a temporary file beside the target; `schreiben` fills it
// and returns an empty text on success, else why it failed.
template <class F> Schreibergebnis Ueber(const QString& name, F&& schreiben)
{
    QSaveFile datei(name);
    if (!datei.open(QIODevice::WriteOnly))
        return Fehlschlag(datei.errorString());
    const QString grund = schreiben(datei);
    if (!grund.isEmpty()) {
        datei.cancelWriting();
        return Fehlschlag(grund);
    }
    if (!datei.commit())
        return Fehlschlag(datei.errorString());
    return {true, {}};
}

} // namespace

Schreibergebnis RasterSchreiben(const QImage& bild, const QString& name, Bildformat format)
{
    if (bild.isNull())
        return Fehlschlag(Grund("ausgabe.grund.leer"));
    const char* art = format == Bildformat::Jpeg ? "JPEG" : format == Bildformat::Png ? "PNG" : "BMP";
    return Ueber(name, [&](QSaveFile& datei) {
        QImageWriter schreiber(&datei, art);
        if (format == Bildformat::Jpeg) {
            schreiber.setQuality(JpegQualitaet);
            schreiber.setOptimizedWrite(true);
        }
        if (!schreiber.write(bild))
            return schreiber.errorString();
        // A full disk shows itself on flushing as well.
        if (!datei.flush())
            return datei.errorString();
        return QString();
    });
}

Schreibergebnis VektorSchreiben(const QString& name, Bildformat format, QSize groesse, const Vektorzeichnung& zeichnen)
{
    if (groesse.isEmpty())
        return Fehlschlag(Grund("ausgabe.grund.leer"));
    const int dpi = Bezugsaufloesung();
    return Ueber(name, [&](QSaveFile& datei) -> QString {
        const auto malen = [&](QPaintDevice* geraet) -> QString {
            Vektorflaeche flaeche(geraet, groesse.width(), groesse.height());
            if (!flaeche.aktiv())
                return Grund("ausgabe.grund.malen");
            const bool gezeichnet = zeichnen(flaeche);
            if (!flaeche.beenden())
                return datei.errorString().isEmpty() ? Grund("ausgabe.grund.schreiben") : datei.errorString();
            return gezeichnet ? QString() : Grund("ausgabe.grund.nachzeichnen");
        };
        QString grund;
        if (format == Bildformat::Svg) {
            QSvgGenerator svg;
            svg.setOutputDevice(&datei);
            svg.setSize(groesse);
            svg.setViewBox(QRect(QPoint(0, 0), groesse));
            svg.setResolution(dpi);
            svg.setTitle(QStringLiteral("Velmora"));
            grund = malen(&svg);
        } else {
            QPdfWriter pdf(&datei);
            pdf.setResolution(dpi);
            pdf.setCreator(QStringLiteral("Velmora"));
            pdf.setTitle(QStringLiteral("Velmora"));
            pdf.setPageLayout(QPageLayout(
                QPageSize(QSizeF(groesse.width() / double(dpi), groesse.height() / double(dpi)), QPageSize::Inch,
                          QString(), QPageSize::ExactMatch),
                QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
            grund = malen(&pdf);
        }
        if (grund.isEmpty() && !datei.flush())
            grund = datei.errorString();
        return grund;
    });
}

} // namespace output
