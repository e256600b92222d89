#include "output/Vektorflaeche.h"

#include "shell/QtZeichenflaeche.h"

#include <QFontMetrics>
#include <QPainterPath>
#include <QPolygonF>

namespace output {

namespace {

// The centre of pixel (x, y).
QPointF Mitte(int x, int y) { return {x + 0.5, y + 0.5}; }

QPolygonF Mitten(const std::vector<figures::Punkt>& punkte)
{
    QPolygonF p;
    p.reserve(static_cast<qsizetype>(punkte.size()));
    for (const auto& q : punkte)
        p << Mitte(q.x, q.y);
    return p;
}

} // namespace

int Bezugsaufloesung()
{
    static const int dpi = QImage(1, 1, QImage::Format_RGB32).logicalDpiX();
    return dpi;
}

Vektorflaeche::Vektorflaeche(QPaintDevice* geraet, int breite, int hoehe)
    : masse_(1, 1, QImage::Format_RGB32), breite_(breite), hoehe_(hoehe)
{
    stift_ = QPen(Qt::black, 1);
    pinsel_ = QBrush(Qt::white);
    schrift_ = shell::QtZeichenflaeche::schriftAus({});
    if (geraet && maler_.begin(geraet)) {
        maler_.setRenderHint(QPainter::Antialiasing, true);
        maler_.setRenderHint(QPainter::TextAntialiasing, true);
        maler_.setClipRect(QRect(0, 0, breite_, hoehe_));
    }
}

Vektorflaeche::~Vektorflaeche()
{
    if (maler_.isActive())
        maler_.end();
}

bool Vektorflaeche::beenden() { return maler_.isActive() && maler_.end(); }

void Vektorflaeche::werkzeuge()
{
    maler_.setPen(stift_);
    maler_.setBrush(pinsel_);
}

void Vektorflaeche::fuellen(figures::Farbe farbe)
{
    maler_.fillRect(QRect(0, 0, breite_, hoehe_), shell::zuQColor(farbe));
}

void Vektorflaeche::stift(figures::Farbe farbe, int breite, figures::Stiftstil stil)
{
    stift_ = shell::QtZeichenflaeche::stiftAus(farbe, breite, stil);
    // The window's one-pixel pen is one pixel wide on paper too.
    if (stift_.width() == 0)
        stift_.setWidthF(1.0);
}

void Vektorflaeche::pinsel(figures::Farbe farbe, figures::Pinselstil stil)
{
    pinsel_ = stil == figures::Pinselstil::Voll ? QBrush(shell::zuQColor(farbe)) : QBrush(Qt::NoBrush);
}

void Vektorflaeche::bewegeZu(int x, int y) { position_ = QPoint(x, y); }

void Vektorflaeche::linieZu(int x, int y)
{
    werkzeuge();
    maler_.drawLine(Mitte(position_.x(), position_.y()), Mitte(x, y));
    position_ = QPoint(x, y);
}

void Vektorflaeche::ellipse(int x1, int y1, int x2, int y2)
{
    // The window's canvas strokes the ellipse of the integer rectangle
    // (x1, y1) .. (x2 - 1, y2 - 1), whose outline Qt draws one pixel wider
    // and higher than the rectangle: the same outline through the centres.
    werkzeuge();
    const QRectF r(Mitte(std::min(x1, x2), std::min(y1, y2)), QSizeF(std::abs(x2 - x1), std::abs(y2 - y1)));
    maler_.drawEllipse(r);
}

void Vektorflaeche::polygon(const std::vector<figures::Punkt>& punkte)
{
    werkzeuge();
    maler_.drawPolygon(Mitten(punkte));
}

void Vektorflaeche::polylinie(const std::vector<figures::Punkt>& punkte)
{
    werkzeuge();
    maler_.drawPolyline(Mitten(punkte));
}

void Vektorflaeche::linien(const std::vector<figures::Punkt>& punkte)
{
    if (punkte.size() < 2)
        return;
    QPainterPath weg;
    for (size_t k = 0; k + 1 < punkte.size(); k += 2) {
        weg.moveTo(Mitte(punkte[k].x, punkte[k].y));
        weg.lineTo(Mitte(punkte[k + 1].x, punkte[k + 1].y));
    }
    maler_.setPen(stift_);
    maler_.setBrush(Qt::NoBrush);
    maler_.drawPath(weg);
    position_ = QPoint(punkte.back().x, punkte.back().y);
}

void Vektorflaeche::schrift(const figures::Schrift& s)
{
    schrift_ = shell::QtZeichenflaeche::schriftAus(s);
    schriftFarbe_ = shell::zuQColor(s.farbe);
}

void Vektorflaeche::textAus(int x, int y, const std::string& text)
{
    const QString t = QString::fromStdString(text);
    const QFontMetrics fm(schrift_, &masse_);
    if (pinsel_.style() != Qt::NoBrush)
        maler_.fillRect(QRect(x, y, fm.horizontalAdvance(t), fm.height()), pinsel_);
    maler_.setFont(schrift_);
    maler_.setPen(schriftFarbe_);
    maler_.drawText(QPoint(x, y + fm.ascent()), t);
}

int Vektorflaeche::textBreite(const std::string& text)
{
    return QFontMetrics(schrift_, &masse_).horizontalAdvance(QString::fromStdString(text));
}

int Vektorflaeche::textHoehe(const std::string&) { return QFontMetrics(schrift_, &masse_).height(); }

void Vektorflaeche::bildZeichnen(int bild, int x, int y)
{
    if (const QImage* b = shell::QtZeichenflaeche::sternbild(bild))
        maler_.drawImage(QPoint(x, y), *b);
}

int Vektorflaeche::bildBreite(int bild) const
{
    const QImage* b = shell::QtZeichenflaeche::sternbild(bild);
    return b ? b->width() : 0;
}

int Vektorflaeche::bildHoehe(int bild) const
{
    const QImage* b = shell::QtZeichenflaeche::sternbild(bild);
    return b ? b->height() : 0;
}

} // namespace output
