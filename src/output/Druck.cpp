#include "output/Druck.h"

#include "sprache/Sprache.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace output {

bool DruckerVorhanden()
{
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        return true;
    QPrinter pdf;
    pdf.setOutputFormat(QPrinter::PdfFormat);
    return pdf.isValid();
}

std::unique_ptr<QPrinter> NeuerDrucker()
{
    auto drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (QPrinterInfo::availablePrinterNames().isEmpty() || !drucker->isValid())
        drucker->setOutputFormat(QPrinter::PdfFormat);
    drucker->setDocName(QStringLiteral("Velmora"));
    return drucker;
}

Druckerseite SeiteDes(const QPrinter& drucker)
{
    const QRectF papier = drucker.paperRect(QPrinter::DevicePixel);
    const QRectF seite = drucker.pageRect(QPrinter::DevicePixel);
    const auto R = [](double x) { return static_cast<int>(std::lround(x)); };
    Druckerseite d;
    d.versatzX = R(seite.left() - papier.left());
    d.versatzY = R(seite.top() - papier.top());
    d.papierBreite = R(papier.width());
    d.papierHoehe = R(papier.height());
    d.druckBreite = R(seite.width());
    d.druckHoehe = R(seite.height());
    d.dpi = drucker.resolution();
    d.hochformat = drucker.pageLayout().orientation() == QPageLayout::Portrait;
    return d;
}

bool SeiteDrucken(QPrinter& drucker, const QImage& bild, const Druckrechteck& ziel, QString& grund)
{
    drucker.setDocName(QStringLiteral("Velmora"));
    drucker.setCreator(QStringLiteral("Velmora"));
    QPainter maler;
    if (!maler.begin(&drucker)) {
        grund = QString::fromStdString(sprache::T("ausgabe.grund.malen"));
        return false;
    }
    // The painter's origin is the printable area's; nothing lands beyond it.
    const QRectF seite = drucker.pageRect(QPrinter::DevicePixel);
    maler.setClipRect(QRect(0, 0, static_cast<int>(std::lround(seite.width())),
                            static_cast<int>(std::lround(seite.height()))));
    maler.setRenderHint(QPainter::SmoothPixmapTransform, false);
    maler.setRenderHint(QPainter::Antialiasing, false);
    const QRect rechteck(ziel.links, ziel.oben, ziel.breite, ziel.hoehe);
    if (!bild.isNull() && ziel.breite > 0 && ziel.hoehe > 0)
        maler.drawImage(rechteck, bild);
    // The frame: one printer pixel wide, over the picture's outermost
    // pixels (left .. left + width - 1).
    maler.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    maler.setBrush(Qt::NoBrush);
    if (ziel.breite > 0 && ziel.hoehe > 0)
        maler.drawRect(QRectF(ziel.links + 0.5, ziel.oben + 0.5, ziel.breite - 1, ziel.hoehe - 1));
    if (!maler.end()) {
        grund = QString::fromStdString(sprache::T("ausgabe.grund.schreiben"));
        return false;
    }
    return true;
}

} // namespace output
