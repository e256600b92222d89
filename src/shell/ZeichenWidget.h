#pragma once
// The drawing surface's window (DXDraw1): shows the back buffer of the last
// flip and reports the first paint, resizes and the mouse.

#include <QImage>
#include <QPoint>
#include <QWidget>

namespace shell {

// DXDraw1: shows the back buffer of the last flip.
class ZeichenWidget : public QWidget {
    Q_OBJECT
public:
    explicit ZeichenWidget(QWidget* eltern = nullptr);
    void zeigen(const QImage& bild);
    const QImage& gezeigt() const { return bild_; }

signals:
    void erstesZeichnen();
    // After the first paint that showed a flipped frame.
    void erstesBild();
    void groesseGeaendert(int breite, int hoehe);
    void mausGedrueckt(QPoint p);
    void mausBewegt(QPoint p);
    void mausLosgelassen(QPoint p);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;

private:
    QImage bild_;
    bool gezeichnet_ = false;
    bool bildGezeigt_ = false;
};

} // namespace shell
