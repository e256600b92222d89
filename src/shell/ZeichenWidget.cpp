#include "shell/ZeichenWidget.h"

#include <QMouseEvent>
#include <QPainter>

namespace shell {

ZeichenWidget::ZeichenWidget(QWidget* eltern) : QWidget(eltern)
{
    setObjectName(QStringLiteral("DXDraw1"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ZeichenWidget::zeigen(const QImage& bild)
{
    bild_ = bild; // implicitly shared: the next frame drawn detaches the back buffer
    repaint();
}

void ZeichenWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (bild_.isNull())
        p.fillRect(rect(), Qt::black);
    else {
        p.drawImage(0, 0, bild_);
        if (bild_.width() < width())
            p.fillRect(bild_.width(), 0, width() - bild_.width(), height(), Qt::black);
        if (bild_.height() < height())
            p.fillRect(0, bild_.height(), width(), height() - bild_.height(), Qt::black);
    }
    if (!gezeichnet_) {
        gezeichnet_ = true;
        emit erstesZeichnen();
    }
    if (!bildGezeigt_ && !bild_.isNull()) {
        bildGezeigt_ = true;
        emit erstesBild();
    }
}

void ZeichenWidget::resizeEvent(QResizeEvent*) { emit groesseGeaendert(width(), height()); }
void ZeichenWidget::mousePressEvent(QMouseEvent* e) { emit mausGedrueckt(e->position().toPoint()); }
void ZeichenWidget::mouseMoveEvent(QMouseEvent* e) { emit mausBewegt(e->position().toPoint()); }
void ZeichenWidget::mouseReleaseEvent(QMouseEvent* e) { emit mausLosgelassen(e->position().toPoint()); }

} // namespace shell
