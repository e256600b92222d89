#include "output/TForm2.h"

#include "output/Druck.h"
#include "sprache/Sprache.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>

namespace output {

namespace {

QString TQ(const char* schluessel) { return QString::fromStdString(sprache::T(schluessel)); }

// The window's colour: silver.
const QColor Fensterfarbe(0xC0, 0xC0, 0xC0);
// The outline of a picture being moved: the window's colour with its red
// byte inverted, drawn by XOR (on silver it shows red).
const QColor Umrissfarbe(0xC0 ^ 0xFF, 0xC0, 0xC0);

// The rectangle of the four edges, right and bottom exclusive.
QRect Flaeche(const Ganzkanten& k) { return QRect(QPoint(k.links, k.oben), QPoint(k.rechts - 1, k.unten - 1)); }

} // namespace

TForm2::TForm2(QPrinter& drucker, QImage bild, QWidget* eltern)
    : QDialog(eltern), drucker_(drucker), bild_(std::move(bild))
{
    setObjectName(QStringLiteral("TForm2"));
    setModal(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Fensterfarbe);
    setPalette(p);
    setAutoFillBackground(true);
    setMouseTracking(true);
    button1_ = new QPushButton(this);
    button1_->setObjectName(QStringLiteral("Button1"));
    bitBtn1_ = new QPushButton(this);
    bitBtn1_->setObjectName(QStringLiteral("BitBtn1"));
    button2_ = new QPushButton(this);
    button2_->setObjectName(QStringLiteral("Button2"));
    for (QPushButton* b : {button1_, bitBtn1_, button2_})
        b->setAutoDefault(false);
    connect(button1_, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(bitBtn1_, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(button2_, &QPushButton::clicked, this, &TForm2::Button2Click);
    retranslate();
}

void TForm2::retranslate()
{
    setWindowTitle(TQ("vorschau.titel"));
    setToolTip(TQ("vorschau.hinweis"));
    button1_->setText(TQ("vorschau.einstellungen"));
    bitBtn1_->setText(TQ("vorschau.drucken"));
    button2_->setText(TQ("vorschau.zurueck"));
}

void TForm2::FormActivate()
{
    l_.aktivieren(width(), height(), bild_.width(), bild_.height());
    retranslate();
    DruckerAbfragen();
}

void TForm2::DruckerAbfragen()
{
    l_.DruckerAbfragen(SeiteDes(drucker_));
    gemalt_ = l_.Bild;
    randNachgezogen_ = false;
    knoepfeSetzen();
    update();
}

void TForm2::knoepfeSetzen()
{
    // In a column left of the sheet.
    const int rand = 8;
    const int breite = std::clamp(l_.Blatt.links - 2 * rand, 60, 180);
    const int hoehe = std::max(button1_->sizeHint().height(), 26);
    int y = l_.RandOben;
    for (QPushButton* b : {button1_, bitBtn1_, button2_}) {
        b->setGeometry(rand, y, breite, hoehe);
        y += hoehe + rand;
    }
}

void TForm2::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    FormActivate();
}

void TForm2::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    if (isVisible())
        FormActivate();
}

void TForm2::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // blattzeichnen: the sheet, and inside it the printable area.
    p.fillRect(Flaeche(l_.Blatt), Qt::white);
    const QRect druckbereich = Flaeche(l_.druckbereich());
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 0, Qt::DotLine));
    p.setBrush(Qt::white);
    p.drawRect(druckbereich.adjusted(0, 0, -1, -1));
    // FormPaint: the picture stretched into its rectangle, framed red.
    const Ganzkanten bild = Gerundet(gemalt_);
    p.drawImage(QRect(bild.links, bild.oben, bild.rechts - bild.links, bild.unten - bild.oben), bild_);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::red, 0, Qt::DotLine));
    p.drawRect(Flaeche(bild).adjusted(0, 0, -1, -1));
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    if (randNachgezogen_) {
        p.setPen(QPen(Fensterfarbe, 0, Qt::DotLine));
        p.drawRect(druckbereich.adjusted(0, 0, -1, -1));
    }
    // rechteckZeichnen: the outline of the picture's new place.
    if (l_.Mausmodus > 0) {
        p.setPen(QPen(Umrissfarbe, 0, Qt::DotLine));
        p.drawRect(Flaeche(l_.bildPixel()).adjusted(0, 0, -1, -1));
    }
}

void TForm2::mousePressEvent(QMouseEvent* e)
{
    const QPoint q = e->position().toPoint();
    l_.mausDruck(q.x(), q.y());
}

void TForm2::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint q = e->position().toPoint();
    switch (l_.mausBewegung(q.x(), q.y())) {
    case Zeiger::Standard: unsetCursor(); break;
    case Zeiger::Groesse: setCursor(Qt::SizeAllCursor); break;
    case Zeiger::Ziehen: setCursor(Qt::DragMoveCursor); break;
    }
    if (l_.Mausmodus > 0)
        update();
}

void TForm2::mouseReleaseEvent(QMouseEvent*)
{
    if (l_.mausLos()) {
        gemalt_ = l_.Bild;
        randNachgezogen_ = true;
        update();
    }
}

void TForm2::Button1Click()
{
    bool bestaetigt = false;
    if (druckerEinstellen) {
        bestaetigt = druckerEinstellen(drucker_);
    } else {
        QPrintDialog dialog(&drucker_, this);
        dialog.setWindowTitle(TQ("vorschau.einstellungen"));
        dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
        bestaetigt = dialog.exec() == QDialog::Accepted;
    }
    if (bestaetigt)
        DruckerAbfragen();
}

QString TForm2::pdfVorschlag() const
{
    if (!drucker_.outputFileName().isEmpty())
        return drucker_.outputFileName();
    return shell::Dateivorschlag(ordner, shell::Ordnerart::Druck, QStandardPaths::DocumentsLocation,
                                 QStringLiteral("Velmora.pdf"));
}

bool TForm2::BitBtn1Click()
{
    // The PDF printer writes a file, and the printer lives as long as the
    // program: the file is asked for on every print, so that a second page
    // never silently replaces the first.
    if (drucker_.outputFormat() == QPrinter::PdfFormat) {
        QString datei = pdfDateiWaehlen ? pdfDateiWaehlen()
                                        : QFileDialog::getSaveFileName(this, TQ("vorschau.pdfdatei"), pdfVorschlag(),
                                                                       QStringLiteral("PDF (*.pdf)"));
        if (datei.isEmpty())
            return false;
        if (QFileInfo(datei).suffix().isEmpty())
            datei += QStringLiteral(".pdf");
        drucker_.setOutputFileName(datei);
        if (ordner)
            ordner->merken(shell::Ordnerart::Druck, datei);
    }
    QString grund;
    if (SeiteDrucken(drucker_, bild_, l_.druckrechteck(), grund))
        return true;
    const QString text = TQ("vorschau.druckfehler") + QLatin1Char('\n') + grund;
    if (fehlermeldung)
        fehlermeldung(TQ("meldung.fehler"), text);
    else
        QMessageBox::critical(this, TQ("meldung.fehler"), text);
    return false;
}

} // namespace output
