// programmsymbol: writes the program icon.
//
//   programmsymbol OUTDIR NAME SIZE...   writes OUTDIR/NAME.svg and
//                                        OUTDIR/SIZE/NAME.png for every SIZE
//
// The build runs it (cmake/Installation.cmake); nothing it writes is
// committed.
#include "Symbolform.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using programmsymbol::Form;
using programmsymbol::kKeine;

std::string farbe(std::uint32_t rgb)
{
    if (rgb == kKeine)
        return "none";
    char t[16];
    std::snprintf(t, sizeof t, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFFu));
    return t;
}

std::string zahl(double v)
{
    char t[32];
    std::snprintf(t, sizeof t, "%.2f", v);
    return t;
}

bool svgSchreiben(const std::string& datei, const std::vector<Form>& formen)
{
    constexpr double g = 256;
    std::ofstream aus(datei);
    aus << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
           "  <title>Velmora</title>\n";
    for (const Form& f : formen) {
        aus << "  <" << (f.geschlossen ? "polygon" : "polyline") << " points=\"";
        for (size_t i = 0; i < f.punkte.size(); ++i)
            aus << (i ? " " : "") << zahl(f.punkte[i].x * g) << "," << zahl(f.punkte[i].y * g);
        aus << "\" fill=\"" << farbe(f.fuellung) << "\" stroke=\"" << farbe(f.linie) << "\" stroke-width=\""
            << zahl(f.breite * g) << "\" stroke-linejoin=\"round\"/>\n";
    }
    aus << "</svg>\n";
    return static_cast<bool>(aus);
}

QImage zeichnen(int groesse, const std::vector<Form>& formen)
{
    QImage bild(groesse, groesse, QImage::Format_ARGB32);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    for (const Form& f : formen) {
        QPainterPath pfad;
        for (size_t i = 0; i < f.punkte.size(); ++i) {
            const QPointF q(f.punkte[i].x * groesse, f.punkte[i].y * groesse);
            if (i == 0)
                pfad.moveTo(q);
            else
                pfad.lineTo(q);
        }
        if (f.geschlossen)
            pfad.closeSubpath();
        p.setBrush(f.fuellung == kKeine ? QBrush(Qt::NoBrush) : QBrush(QColor(QRgb(f.fuellung))));
        if (f.linie == kKeine)
            p.setPen(Qt::NoPen);
        else {
            QPen stift(QColor(QRgb(f.linie)), std::max(1.0, f.breite * groesse));
            stift.setJoinStyle(Qt::RoundJoin);
            p.setPen(stift);
        }
        p.drawPath(pfad);
    }
    return bild;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: programmsymbol OUTDIR NAME SIZE...\n");
        return 2;
    }
    const QString ordner = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const auto formen = programmsymbol::Symbolformen();
    if (!QDir().mkpath(ordner) || !svgSchreiben((ordner + "/" + name + ".svg").toStdString(), formen)) {
        std::fprintf(stderr, "programmsymbol: cannot write to %s\n", argv[1]);
        return 1;
    }
    for (int i = 3; i < argc; ++i) {
        char* ende = nullptr;
        const long g = std::strtol(argv[i], &ende, 10);
        if (*ende != '\0' || g < 8 || g > 4096) {
            std::fprintf(stderr, "programmsymbol: bad size '%s'\n", argv[i]);
            return 2;
        }
        const QString unter = ordner + "/" + QString::number(g);
        if (!QDir().mkpath(unter) || !zeichnen(static_cast<int>(g), formen).save(unter + "/" + name + ".png")) {
            std::fprintf(stderr, "programmsymbol: cannot write the %ld pixel icon\n", g);
            return 1;
        }
    }
    return 0;
}
