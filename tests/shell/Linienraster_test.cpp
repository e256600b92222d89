// The batch lines of the Qt canvas: width-1 solid lines written straight into
// the back buffer. They are Bresenham's lines (each pixel the nearest to the
// ideal line on the minor axis, ties to the smaller coordinate as QPainter
// takes them); QPainter rounds differently in places, so they follow
// QPainter's line to within one pixel, with as many pixels.
#include "shell/QtZeichenflaeche.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

using namespace shell;
using figures::Punkt;

namespace {

bool an(const QImage& b, int x, int y)
{
    return x >= 0 && y >= 0 && x < b.width() && y < b.height() && (b.pixel(x, y) & 0xFFFFFF) != 0;
}

// Pixels of `a` with no pixel of `b` within one pixel, and the difference
// of the pixel counts.
int Abweichungen(const QImage& a, const QImage& b, int& zaehlerDifferenz)
{
    int n = 0, na = 0, nb = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            nb += an(b, x, y);
            if (!an(a, x, y))
                continue;
            ++na;
            bool nah = false;
            for (int dy = -1; dy <= 1 && !nah; ++dy)
                for (int dx = -1; dx <= 1 && !nah; ++dx)
                    nah = an(b, x + dx, y + dy);
            n += !nah;
        }
    zaehlerDifferenz = std::abs(na - nb);
    return n;
}

TEST(Linienraster, FolgtQPainterAufEinenPixel)
{
    std::mt19937 zufall(12345);
    std::uniform_int_distribution<int> x(0, 199), y(0, 149);
    QtZeichenflaeche schnell(200, 150), maler(200, 150);
    int gesamt = 0;
    for (int k = 0; k < 400; ++k) {
        const Punkt a{x(zufall), y(zufall)}, b{x(zufall), y(zufall)};
        for (QtZeichenflaeche* f : {&schnell, &maler}) {
            f->fuellen(0);
            f->stift(0x00FFFF, 1, figures::Stiftstil::Durchgezogen);
        }
        schnell.linien({a, b});
        maler.bewegeZu(a.x, a.y);
        maler.linieZu(b.x, b.y);
        maler.flip();
        schnell.flip();
        int zaehler = 0;
        EXPECT_EQ(Abweichungen(schnell.bild(), maler.bild(), zaehler), 0)
            << "line " << a.x << "," << a.y << " - " << b.x << "," << b.y;
        EXPECT_LE(zaehler, 2) << "line " << a.x << "," << a.y << " - " << b.x << "," << b.y;
        gesamt += zaehler;
    }
    EXPECT_GT(gesamt, -1);
}

// A line reaching beyond the picture is exactly the part of the whole line
// inside it (the same line drawn into a larger picture, cut out).
TEST(Linienraster, AbgeschnittenIstDerTeilDerGanzenLinie)
{
    std::mt19937 zufall(777);
    std::uniform_int_distribution<int> x(-300, 500), y(-300, 450);
    const int rand = 1000;
    QtZeichenflaeche klein(200, 150), gross(200 + 2 * rand, 150 + 2 * rand);
    for (int k = 0; k < 300; ++k) {
        const Punkt a{x(zufall), y(zufall)}, b{x(zufall), y(zufall)};
        for (QtZeichenflaeche* f : {&klein, &gross}) {
            f->fuellen(0);
            f->stift(0xFFFFFF, 1, figures::Stiftstil::Durchgezogen);
        }
        klein.linien({a, b});
        gross.linien({{a.x + rand, a.y + rand}, {b.x + rand, b.y + rand}});
        const QImage ausschnitt = gross.bild().copy(rand, rand, 200, 150);
        int n = 0;
        for (int yy = 0; yy < 150; ++yy)
            for (int xx = 0; xx < 200; ++xx)
                n += an(klein.bild(), xx, yy) != an(ausschnitt, xx, yy);
        EXPECT_EQ(n, 0) << "line " << a.x << "," << a.y << " - " << b.x << "," << b.y;
    }
}

// Lines far outside the picture, points, and other pens.
TEST(Linienraster, AusserhalbPunkteUndAndereStifte)
{
    QtZeichenflaeche f(100, 80);
    f.fuellen(0);
    f.stift(0x0000FF, 1, figures::Stiftstil::Durchgezogen);
    f.linien({{-100000, -5}, {-3, 100000}, {200, 200}, {300, 300}, {10, 10}, {10, 10}});
    f.flip();
    int gesetzt = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 100; ++x)
            gesetzt += (f.bild().pixel(x, y) & 0xFFFFFF) != 0;
    EXPECT_EQ(gesetzt, 1) << "only the point at (10, 10)";
    EXPECT_EQ(f.bild().pixel(10, 10) & 0xFFFFFF, 0xFF0000u) << "red (0x00BBGGRR)";
    // A dashed or wide pen goes through QPainter and still draws.
    f.fuellen(0);
    f.stift(0x00FF00, 3, figures::Stiftstil::Durchgezogen);
    f.linien({{0, 40}, {99, 40}});
    f.flip();
    EXPECT_EQ(f.bild().pixel(50, 41) & 0xFFFFFF, 0x00FF00u);
}

// Lines whose ideal passes exactly half-way between two pixels at every
// other step (a run of 2 for a rise of 1, and their multiples): here the
// batch lines must take the very pixels of QPainter's one-pixel line, in
// every direction, so a shift of one pixel on such ties shows at once.
// Beside them the lines that need no rounding at all.
TEST(Linienraster, GleichstandWieQPainter)
{
    struct Fall {
        int dx, dy;
    };
    const Fall faelle[] = {
        {2, 1}, {4, 2}, {6, 3}, {40, 20}, {1, 2}, {2, 4}, {20, 40}, // ties
        {1, 1}, {30, 30}, {10, 0}, {0, 10}, {1, 0}, {0, 0},         // no rounding
    };
    QtZeichenflaeche schnell(120, 120), maler(120, 120);
    for (const Fall& f : faelle)
        for (int sx : {1, -1})
            for (int sy : {1, -1}) {
                const Punkt a{60, 60}, b{60 + sx * f.dx, 60 + sy * f.dy};
                for (QtZeichenflaeche* z : {&schnell, &maler}) {
                    z->fuellen(0);
                    z->stift(0xFFFFFF, 1, figures::Stiftstil::Durchgezogen);
                }
                schnell.linien({a, b});
                maler.bewegeZu(a.x, a.y);
                maler.linieZu(b.x, b.y);
                schnell.flip();
                maler.flip();
                std::string anders;
                for (int y = 0; y < 120; ++y)
                    for (int x = 0; x < 120; ++x)
                        if (an(schnell.bild(), x, y) != an(maler.bild(), x, y))
                            anders += " (" + std::to_string(x) + "," + std::to_string(y) + ")";
                EXPECT_TRUE(anders.empty()) << "line " << a.x << "," << a.y << " - " << b.x << "," << b.y
                                            << ", pixels apart:" << anders;
            }
}

} // namespace

TEST(Scheibenstempel, GleichePixelWieQPainterAnJederStelle)
{
    // Small discs come from a stamp drawn once; they must be QPainter's own
    // discs wherever they stand, across the edges too.
    std::mt19937 zufall(7);
    for (int stiftbreite : {1, 2, 3}) {
        for (int radius : {1, 3, 4, 7, 12}) {
            QtZeichenflaeche f(160, 120);
            QImage referenz(160, 120, QImage::Format_RGB32);
            referenz.fill(Qt::black);
            f.fuellen(0);
            QPainter p(&referenz);
            QPen stift(QColor(255, 0, 0), stiftbreite <= 1 ? 0 : stiftbreite, Qt::SolidLine, Qt::RoundCap,
                       Qt::RoundJoin);
            p.setPen(stift);
            p.setBrush(QColor(0, 0, 255));
            f.stift(0x0000FF, stiftbreite, figures::Stiftstil::Durchgezogen);
            f.pinsel(0xFF0000, figures::Pinselstil::Voll);
            for (int i = 0; i < 60; ++i) {
                const int x = static_cast<int>(zufall() % 180) - 10, y = static_cast<int>(zufall() % 140) - 10;
                f.ellipse(x - radius, y - radius, x + radius, y + radius);
                p.drawEllipse(QRect(QPoint(x - radius, y - radius), QPoint(x + radius - 1, y + radius - 1)));
            }
            p.end();
            f.flip();
            EXPECT_TRUE(f.bild() == referenz) << "pen " << stiftbreite << ", radius " << radius;
        }
    }
}
