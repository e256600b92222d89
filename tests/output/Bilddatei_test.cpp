// The picture as a file: which part of the surface, which format a name asks
// for, and writes that either succeed completely or leave nothing behind.
#include "output/Bilddatei.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "../gemeinsam/Dateigroessengrenze.h"

#include <cerrno>
#include <random>

using namespace output;

TEST(Bilddatei, FormatUndEndungDesNamens)
{
    struct Fall {
        const char* name;
        Bildformat format;
    };
    const Fall faelle[] = {
        {"a.jpg", Bildformat::Jpeg},  {"A.JPG", Bildformat::Jpeg},     {"b.Jpg", Bildformat::Jpeg},
        {"c.jpeg", Bildformat::Jpeg}, {"d.dib", Bildformat::Bmp},      {"e.bmp", Bildformat::Bmp},
        {"f.xyz", Bildformat::Bmp},   {"g.PNG", Bildformat::Png},      {"h.svg", Bildformat::Svg},
        {"i.Pdf", Bildformat::Pdf},   {"ordner.jpg/bild", Bildformat::Bmp},
        {"C.JPEG", Bildformat::Jpeg}, {"k.jpe", Bildformat::Bmp},      {"ohne", Bildformat::Bmp},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(FormatBeimSpeichern(QString::fromLatin1(f.name)), f.format) << f.name;
    EXPECT_FALSE(FormatDerEndung(QStringLiteral("f.xyz")).has_value());

    // Only a name without an extension gets ".bmp"; a dot in a folder's name
    // is no extension of the file.
    EXPECT_EQ(MitStandardendung(QStringLiteral("Testbild")), QStringLiteral("Testbild.bmp"));
    EXPECT_EQ(MitStandardendung(QStringLiteral("ordner.x/Testbild")), QStringLiteral("ordner.x/Testbild.bmp"));
    EXPECT_EQ(MitStandardendung(QStringLiteral("Bild.jpeg")), QStringLiteral("Bild.jpeg"));
    EXPECT_EQ(MitStandardendung(QStringLiteral("Bild.")), QStringLiteral("Bild.bmp"));
}

TEST(Bilddatei, AusschnittOhneDieLinkenSechzehnProzentUndInvertiert)
{
    EXPECT_EQ(Bildausschnitt(1000, 600), QRect(160, 0, 840, 600));
    EXPECT_EQ(Bildausschnitt(1366, 768), QRect(219, 0, 1147, 768)); // round(218.56)

    // Every column in its own colour: the picture starts at column 160.
    QImage flaeche(1000, 600, QImage::Format_RGB32);
    for (int x = 0; x < 1000; ++x)
        for (int y = 0; y < 600; y += 50)
            flaeche.setPixel(x, y, qRgb(x % 256, x / 256, 0));
    const QImage bild = BildAufnehmen(flaeche, false);
    EXPECT_EQ(bild.size(), QSize(840, 600));
    EXPECT_EQ(bild.pixel(0, 0), qRgb(160, 0, 0));
    EXPECT_EQ(bild.pixel(839, 50), qRgb(999 % 256, 3, 0));

    QImage schwarz(100, 10, QImage::Format_RGB32);
    schwarz.fill(Qt::black);
    const QImage invertiert = BildAufnehmen(schwarz, true);
    EXPECT_EQ(invertiert.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(invertiert.width(), 84);
}

TEST(Bilddatei, JpegBmpUndPngWerdenGeschrieben)
{
    QTemporaryDir ordner;
    QImage bild(200, 100, QImage::Format_RGB32);
    bild.fill(qRgb(10, 20, 200));
    for (int x = 0; x < 200; ++x)
        bild.setPixel(x, 50, qRgb(255, 255, 0));

    const QString jpg = ordner.filePath(QStringLiteral("bild.JPG"));
    ASSERT_TRUE(RasterSchreiben(bild, jpg, FormatBeimSpeichern(jpg)));
    EXPECT_EQ(QImageReader(jpg).format(), "jpeg");
    const QImage zurueck(jpg);
    EXPECT_NEAR(qBlue(zurueck.pixel(20, 20)), 200, 8);

    // ".jpeg" is JPEG too: the content matches what the name says.
    const QString jpeg = ordner.filePath(QStringLiteral("bild.Jpeg"));
    ASSERT_TRUE(RasterSchreiben(bild, jpeg, FormatBeimSpeichern(jpeg)));
    EXPECT_EQ(QImageReader(jpeg).format(), "jpeg");

    // Any other extension is a BMP file under that name.
    const QString dib = ordner.filePath(QStringLiteral("bild.dib"));
    ASSERT_TRUE(RasterSchreiben(bild, dib, FormatBeimSpeichern(dib)));
    QFile f(dib);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.read(2), QByteArray("BM"));
    EXPECT_EQ(QImage(dib, "BMP").pixel(3, 50), qRgb(255, 255, 0));

    const QString png = ordner.filePath(QStringLiteral("bild.png"));
    ASSERT_TRUE(RasterSchreiben(bild, png, Bildformat::Png));
    EXPECT_TRUE(QImage(png) == bild.convertToFormat(QImage(png).format()));
}

TEST(Bilddatei, FehlschlagHinterlaesstKeineHalbeDatei)
{
    QTemporaryDir ordner;
    QImage bild(40, 30, QImage::Format_RGB32);
    bild.fill(Qt::red);

    // No such folder: a reason, no file.
    const QString fehlt = ordner.filePath(QStringLiteral("fehlt/bild.bmp"));
    const Schreibergebnis e = RasterSchreiben(bild, fehlt, Bildformat::Bmp);
    EXPECT_FALSE(e);
    EXPECT_FALSE(e.grund.isEmpty());
    EXPECT_FALSE(QFile::exists(fehlt));

    // A drawing that fails half-way: the older file of that name stays as it
    // was, and no temporary file is left beside it.
    const QString alt = ordner.filePath(QStringLiteral("figur.svg"));
    {
        QFile f(alt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("alt");
    }
    const Schreibergebnis v = VektorSchreiben(alt, Bildformat::Svg, QSize(50, 40), [](figures::Zeichenflaeche& z) {
        z.fuellen(0);
        z.stift(0xFFFFFF, 1, figures::Stiftstil::Durchgezogen);
        z.bewegeZu(0, 0);
        z.linieZu(49, 39);
        return false;
    });
    EXPECT_FALSE(v);
    QFile f(alt);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("alt"));
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("figur.svg")});
}

#if defined(VELMORA_DATEIGROESSENGRENZE)
namespace {

QByteArray Inhalt(const QString& name)
{
    QFile f(name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Far more than the limit below in every format: noise does not compress.
bool Rauschen(figures::Zeichenflaeche& z)
{
    std::mt19937 zufall(7);
    std::uniform_int_distribution<int> x(0, z.breite() - 1), y(0, z.hoehe() - 1), farbe(0, 0xFFFFFF);
    z.fuellen(0);
    for (int k = 0; k < 3000; ++k) {
        z.stift(static_cast<figures::Farbe>(farbe(zufall)), 1, figures::Stiftstil::Durchgezogen);
        z.bewegeZu(x(zufall), y(zufall));
        z.linieZu(x(zufall), y(zufall));
    }
    return true;
}

} // namespace

// A file that cannot take all of the picture (here a file-size limit; a full
// disk is the same to the writer): every format reports it with the
// system's reason, and the older file of that name stays as it was.
TEST(Bilddatei, VolleDateiMeldetJedesFormatUndLaesstDieAlteStehen)
{
    QTemporaryDir ordner;
    QImage bild(300, 200, QImage::Format_RGB32);
    std::mt19937 zufall(3);
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            bild.setPixel(x, y, zufall() & 0xFFFFFF);
    const QByteArray alt(1000, 'a');
    const struct {
        const char* name;
        Bildformat format;
    } faelle[] = {{"b.bmp", Bildformat::Bmp}, {"b.png", Bildformat::Png}, {"b.jpg", Bildformat::Jpeg},
                  {"b.svg", Bildformat::Svg}, {"b.pdf", Bildformat::Pdf}};
    for (const auto& f : faelle) {
        const QString name = ordner.filePath(QString::fromLatin1(f.name));
        {
            QFile datei(name);
            ASSERT_TRUE(datei.open(QIODevice::WriteOnly));
            datei.write(alt);
        }
        Schreibergebnis e;
        {
            Dateigroessengrenze grenze(4096);
            if (!grenze.gesetzt())
                GTEST_SKIP() << "no file-size limit on this system";
            e = IstVektorformat(f.format) ? VektorSchreiben(name, f.format, bild.size(), Rauschen)
                                          : RasterSchreiben(bild, name, f.format);
        }
        EXPECT_FALSE(e) << f.name;
        EXPECT_EQ(e.grund.toStdString(), qt_error_string(EFBIG).toStdString()) << f.name;
        EXPECT_TRUE(Inhalt(name) == alt) << f.name << ": the older file was replaced";

        // Without the limit the same write succeeds and is larger than it.
        ASSERT_TRUE(IstVektorformat(f.format) ? VektorSchreiben(name, f.format, bild.size(), Rauschen)
                                              : RasterSchreiben(bild, name, f.format))
            << f.name;
        EXPECT_GT(QFileInfo(name).size(), 4096) << f.name;
    }
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files).size(), 5);
}
#endif
