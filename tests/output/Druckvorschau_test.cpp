// The print preview driven by real mouse events on the offscreen platform:
// the sheet laid out for portrait and landscape paper, the catch distance,
// resizing about the centre, moving, and a real page printed through Qt's PDF
// printer, rasterised again and checked for the picture, its clipping and its
// frame at the computed place.
#include "Gedaechtnis.h"
#include "Vergleich.h"

#include "output/Druck.h"
#include "output/TForm2.h"

#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

using namespace output;

namespace {

// A4 at 100 dots per inch with margins of 10 mm: a PDF page whose pixels
// are the printer's when rasterised at 100 dpi.
std::unique_ptr<QPrinter> Pdfdrucker(QPageLayout::Orientation lage)
{
    auto p = std::make_unique<QPrinter>(QPrinter::PrinterResolution);
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setResolution(100);
    p->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), lage, QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    return p;
}

// The captured picture: red with a blue left column.
QImage Bild()
{
    QImage b(840, 600, QImage::Format_RGB32);
    b.fill(Qt::red);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 40; ++x)
            b.setPixel(x, y, qRgb(0, 0, 255));
    return b;
}

struct Vorschau : ::testing::Test {
    std::unique_ptr<QPrinter> drucker = Pdfdrucker(QPageLayout::Portrait);
    std::unique_ptr<TForm2> v;
    void SetUp() override { Vorschaulayout::Groessenfaktor = 0; }
    void oeffnen()
    {
        v = std::make_unique<TForm2>(*drucker, Bild());
        v->resize(1024, 768);
        v->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(v.get()));
    }
    Vorschaulayout& l() { return v->layout(); }
    QPoint punkt(double x, double y) const { return QPoint(int(std::lround(x)), int(std::lround(y))); }
};

void Gleich(const Gleitkanten& a, const Gleitkanten& b)
{
    EXPECT_NEAR(a.links, b.links, 1e-9);
    EXPECT_NEAR(a.oben, b.oben, 1e-9);
    EXPECT_NEAR(a.rechts, b.rechts, 1e-9);
    EXPECT_NEAR(a.unten, b.unten, 1e-9);
}

} // namespace

TEST_F(Vorschau, BlattImHochUndQuerformat)
{
    oeffnen();
    ASSERT_EQ(v->size(), QSize(1024, 768));
    EXPECT_EQ(l().Griffweite, 15);
    EXPECT_EQ(l().RandOben, 48);
    EXPECT_EQ(v->windowTitle().isEmpty(), false);

    // Portrait: the height less twice the top distance, centred.
    const Druckerseite seite = SeiteDes(*drucker);
    EXPECT_EQ(seite.dpi, 100);
    EXPECT_TRUE(l().Hochformat);
    EXPECT_EQ(l().Papierbreite, std::lround(seite.papierBreite * 10.0)); // thousandths of an inch
    const double blattBreite = 672.0 * l().Papierbreite / l().Papierhoehe;
    EXPECT_EQ(l().Blatt, (Ganzkanten{int(std::lround((1024 - blattBreite) / 2)), 48,
                                     int(std::lround(std::lround((1024 - blattBreite) / 2) + blattBreite)), 720}));
    // The picture starts inside the printable area, with its aspect.
    const Ganzkanten druck = l().druckbereich();
    EXPECT_GE(l().Bild.links, druck.links);
    EXPECT_LE(l().Bild.rechts, druck.rechts);
    EXPECT_GE(l().Bild.oben, druck.oben);
    EXPECT_NEAR((l().Bild.rechts - l().Bild.links) / (l().Bild.unten - l().Bild.oben), 840.0 / 600.0, 1e-9);

    // Landscape after "Druckereinstellungen": 64 % of the width from 18 %.
    v->druckerEinstellen = [](QPrinter& p) {
        p.setPageOrientation(QPageLayout::Landscape);
        return true;
    };
    v->button1()->click();
    EXPECT_FALSE(l().Hochformat);
    EXPECT_EQ(l().Blatt.links, 184);
    EXPECT_EQ(l().Blatt.rechts, 839);
    EXPECT_EQ(l().Blatt.oben, 48);
    EXPECT_EQ(l().Blatt.unten, 48 + std::lround(655.36 * l().Papierhoehe / l().Papierbreite));
    EXPECT_GT(l().Blatt.rechts - l().Blatt.links, l().Blatt.unten - l().Blatt.oben);
    EXPECT_NEAR(l().Bild.unten, l().Blatt.unten - l().Raender.oben - l().Raender.unten, 1e-9);
}

TEST_F(Vorschau, EckeZiehenBehaeltMitteUndSeitenverhaeltnis)
{
    oeffnen();
    const Gleitkanten vorher = l().Bild;
    const double mx = l().BildMitteX, my = l().BildMitteY;
    const QPoint ecke = punkt(vorher.rechts, vorher.unten);

    // Within the catch distance of a corner: the size cursor, then resizing.
    QTest::mouseMove(v.get(), ecke + QPoint(-10, 10));
    EXPECT_EQ(v->cursor().shape(), Qt::SizeAllCursor);
    QTest::mouseMove(v.get(), punkt(mx, my));
    EXPECT_EQ(v->cursor().shape(), Qt::DragMoveCursor);
    QTest::mouseMove(v.get(), ecke + QPoint(40, 40));
    EXPECT_EQ(v->cursor().shape(), Qt::ArrowCursor);

    // The first resize of the program run inside the 15 pixels about the
    // centre's column keeps the size (there is no factor yet).
    QTest::mousePress(v.get(), Qt::LeftButton, {}, ecke + QPoint(-10, 10));
    EXPECT_EQ(l().Mausmodus, 1);
    QTest::mouseMove(v.get(), punkt(mx + 10, my + 100));
    Gleich(l().Bild, vorher);

    // Towards the centre: smaller about the same centre, same aspect.
    const QPoint ziel = punkt(mx + 0.5 * (vorher.rechts - mx), my + 0.5 * (vorher.unten - my));
    QTest::mouseMove(v.get(), ziel);
    const Gleitkanten kleiner = l().Bild;
    EXPECT_NEAR((kleiner.links + kleiner.rechts) / 2, mx, 1e-9);
    EXPECT_NEAR((kleiner.oben + kleiner.unten) / 2, my, 1e-9);
    EXPECT_NEAR((kleiner.rechts - kleiner.links) / (kleiner.unten - kleiner.oben), 840.0 / 600.0, 1e-9);
    const double d0 = std::hypot(mx - vorher.links, my - vorher.oben);
    EXPECT_NEAR(Vorschaulayout::Groessenfaktor, std::hypot(ziel.x() - mx, ziel.y() - my) / d0, 1e-9);
    EXPECT_LT(kleiner.rechts - kleiner.links, 0.6 * (vorher.rechts - vorher.links));
    // Back within 15 pixels of the centre's column: nothing changes.
    QTest::mouseMove(v.get(), punkt(mx - 14, my - 200));
    Gleich(l().Bild, kleiner);
    QTest::mouseRelease(v.get(), Qt::LeftButton, {}, punkt(mx - 14, my - 200));
    EXPECT_EQ(l().Mausmodus, 0);
    EXPECT_EQ(l().bildPixel(), Gerundet(kleiner));

    // The factor is kept for the program run: a new preview starts from it.
    const double faktor = Vorschaulayout::Groessenfaktor;
    oeffnen();
    EXPECT_EQ(Vorschaulayout::Groessenfaktor, faktor);
}

TEST_F(Vorschau, VerschiebenMaltDasBildErstBeimLoslassen)
{
    oeffnen();
    const Ganzkanten alt = l().bildPixel();
    const QPoint innen(alt.links + 100, alt.oben + 100);
    QTest::mousePress(v.get(), Qt::LeftButton, {}, innen);
    EXPECT_EQ(l().Mausmodus, 2);
    QTest::mouseMove(v.get(), innen + QPoint(300, 150));
    EXPECT_EQ(v->cursor().shape(), Qt::DragMoveCursor);
    EXPECT_NEAR(l().Bild.links - alt.links, 300, 0.5);
    // While moving, the picture stays and an outline shows the new place.
    QImage bild = v->grab().toImage();
    const QPoint altInnen(alt.links + 5, alt.oben + 120), neuInnen(alt.rechts + 250, alt.unten + 100);
    EXPECT_EQ(bild.pixel(altInnen), qRgb(0, 0, 255));
    EXPECT_NE(bild.pixel(neuInnen), qRgb(255, 0, 0));
    QTest::mouseRelease(v.get(), Qt::LeftButton, {}, innen + QPoint(300, 150));
    bild = v->grab().toImage();
    EXPECT_EQ(bild.pixel(neuInnen), qRgb(255, 0, 0));
    EXPECT_NE(bild.pixel(altInnen), qRgb(0, 0, 255));
    // Beyond the sheet is allowed.
    EXPECT_GT(l().Bild.rechts, l().Blatt.rechts);
}

TEST_F(Vorschau, GedruckteSeiteZeigtNurDenSichtbarenTeilMitRahmen)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty())
        GTEST_SKIP() << "pdftoppm not installed (scripts/deps installs poppler-utils)";
    oeffnen();
    // Move the picture half off the sheet to the left.
    const Ganzkanten alt = l().bildPixel();
    const QPoint innen(alt.links + 100, alt.oben + 100);
    const int verschiebung = -(alt.links - l().Blatt.links) - (alt.rechts - alt.links) / 3;
    QTest::mousePress(v.get(), Qt::LeftButton, {}, innen);
    QTest::mouseMove(v.get(), innen + QPoint(verschiebung, 40));
    QTest::mouseRelease(v.get(), Qt::LeftButton, {}, innen + QPoint(verschiebung, 40));
    const Druckrechteck r = l().druckrechteck();
    ASSERT_LT(r.links, 0) << "the picture begins left of the printable area";

    QTemporaryDir ordner;
    const QString pdf = ordner.filePath(QStringLiteral("seite.pdf"));
    v->pdfDateiWaehlen = [&] { return pdf; };
    QString fehler;
    v->fehlermeldung = [&](const QString&, const QString& t) { fehler = t; };
    ASSERT_TRUE(v->BitBtn1Click()) << fehler.toStdString();
    const QImage seite = vergleich::PdfBild(pdf, 100);
    ASSERT_FALSE(seite.isNull());
    const Druckerseite d = SeiteDes(*drucker);
    EXPECT_NEAR(seite.width(), d.papierBreite, 1);
    // Page pixels = printer pixels from the printable origin + the margin.
    const auto auf = [&](int x, int y) { return seite.pixel(x + d.versatzX, y + d.versatzY); };
    const auto rot = [](QRgb p) { return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60; };
    const auto schwarz = [](QRgb p) { return qRed(p) < 80 && qGreen(p) < 80 && qBlue(p) < 80; };
    const auto weiss = [](QRgb p) { return qRed(p) > 230 && qGreen(p) > 230 && qBlue(p) > 230; };
    const int mitteY = r.oben + r.hoehe / 2;
    // The visible part: red inside, the frame at its right and bottom edges.
    EXPECT_TRUE(rot(auf(r.links + r.breite / 2 + r.breite / 4, mitteY)));
    EXPECT_TRUE(schwarz(auf(r.links + r.breite - 1, mitteY)));
    EXPECT_TRUE(schwarz(auf(r.links + r.breite / 2 + r.breite / 4, r.oben + r.hoehe - 1)));
    EXPECT_TRUE(rot(auf(r.links + r.breite - 3, mitteY)));
    // Clipped: the blue left column lay left of the printable area; in the
    // margin there is nothing, not even the frame's left edge.
    EXPECT_TRUE(rot(auf(0, mitteY)) || schwarz(auf(0, mitteY)));
    for (int x = 0; x < d.versatzX - 1; ++x)
        EXPECT_TRUE(weiss(seite.pixel(x, mitteY + d.versatzY))) << "margin column " << x;
    // Below the picture the paper is white.
    EXPECT_TRUE(weiss(auf(r.links + r.breite / 2 + r.breite / 4, r.oben + r.hoehe + 3)));
}

// The PDF printer writes a file and lives as long as the program: every
// print asks for the file, proposing the last one (or "Velmora.pdf" in the
// folder chosen last), so that a second page never silently replaces the
// first.
TEST_F(Vorschau, PdfDruckFragtJedesMalNachDerDatei)
{
    oeffnen();
    QTemporaryDir ordner, anderer;
    Ordnergedaechtnis gedaechtnis;
    gedaechtnis.ordnerJeArt[shell::Ordnerart::Druck] = ordner.path();
    v->ordner = &gedaechtnis;
    QStringList vorschlaege;
    QString antwort = ordner.filePath(QStringLiteral("erste"));
    v->pdfDateiWaehlen = [&] {
        vorschlaege << v->pdfVorschlag();
        return antwort;
    };
    QString fehler;
    v->fehlermeldung = [&](const QString&, const QString& t) { fehler = t; };

    ASSERT_TRUE(v->BitBtn1Click()) << fehler.toStdString();
    const QString erste = ordner.filePath(QStringLiteral("erste.pdf"));
    ASSERT_EQ(vorschlaege, QStringList{ordner.filePath(QStringLiteral("Velmora.pdf"))});
    QFile f(erste);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray ersteSeite = f.readAll();
    f.close();
    EXPECT_TRUE(ersteSeite.startsWith("%PDF"));

    antwort = anderer.filePath(QStringLiteral("zweite.pdf"));
    ASSERT_TRUE(v->BitBtn1Click()) << fehler.toStdString();
    ASSERT_EQ(vorschlaege.size(), 2);
    EXPECT_EQ(vorschlaege[1], erste);
    EXPECT_TRUE(QFile::exists(antwort));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.readAll() == ersteSeite) << "the first page was overwritten";
    EXPECT_EQ(gedaechtnis.ordnerJeArt[shell::Ordnerart::Druck], anderer.path());

    // Cancelled: nothing is printed, and it is asked again next time.
    antwort.clear();
    EXPECT_FALSE(v->BitBtn1Click());
    EXPECT_EQ(vorschlaege.size(), 3);
    EXPECT_EQ(vorschlaege[2], anderer.filePath(QStringLiteral("zweite.pdf")));
}

// Qt's PDF printer counts as a printer: a machine without any still makes
// the page, as a PDF file, so "Kein Drucker im System vorhanden!" does not
// come.
TEST(Drucker, OhneSystemdruckerDerPdfDrucker)
{
    EXPECT_TRUE(DruckerVorhanden());
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this machine has a printer";
    EXPECT_EQ(NeuerDrucker()->outputFormat(), QPrinter::PdfFormat);
}
