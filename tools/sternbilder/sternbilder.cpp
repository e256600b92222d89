// sternbilder: writes the three star background pictures of the program.
//
//   sternbilder OUTDIR            writes OUTDIR/sterne0.png .. sterne2.png
//   sternbilder --pruefen DIR     compares DIR/sterne*.png with what the
//                                 generator makes; exit 1 on a difference
//
// The committed pictures are resources/sterne/sterne0.png .. sterne2.png,
// made with `sternbilder resources/sterne`.
#include "Sternfeld.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>
#include <cstring>

namespace {

QImage AlsQImage(const sternbilder::Sternbild& s)
{
    QImage bild(s.breite, s.hoehe, QImage::Format_Indexed8);
    QList<QRgb> tabelle;
    for (const auto& f : s.palette)
        tabelle.push_back(qRgb(f.r, f.g, f.b));
    bild.setColorTable(tabelle);
    for (int y = 0; y < s.hoehe; ++y) {
        uchar* zeile = bild.scanLine(y);
        std::memcpy(zeile, s.indizes.data() + static_cast<size_t>(y) * static_cast<size_t>(s.breite),
                    static_cast<size_t>(s.breite));
    }
    return bild;
}

} // namespace

int main(int argc, char** argv)
{
    const bool pruefen = argc == 3 && std::strcmp(argv[1], "--pruefen") == 0;
    if (argc != 2 && !pruefen) {
        std::fprintf(stderr, "usage: sternbilder OUTDIR | sternbilder --pruefen DIR\n");
        return 2;
    }
    const QDir ordner(QString::fromLocal8Bit(argv[pruefen ? 2 : 1]));
    if (!pruefen && !ordner.mkpath(QStringLiteral(".")))
        return 2;
    int fehler = 0;
    for (size_t i = 0; i < sternbilder::Vorgaben.size(); ++i) {
        const auto feld = sternbilder::Sternfeld(sternbilder::Vorgaben[i]);
        const QImage bild = AlsQImage(feld);
        const QString pfad = ordner.filePath(QStringLiteral("sterne%1.png").arg(i));
        if (pruefen) {
            const QImage gelesen = QImage(pfad).convertToFormat(QImage::Format_RGB32);
            if (gelesen.isNull() || gelesen != bild.convertToFormat(QImage::Format_RGB32)) {
                std::fprintf(stderr, "%s differs from the generator\n", qPrintable(pfad));
                ++fehler;
            }
            continue;
        }
        if (!bild.save(pfad, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(pfad));
            return 1;
        }
        int sterne = 0;
        for (auto k : feld.indizes)
            sterne += k != 0;
        std::printf("%s %dx%d %d colours, %d lit pixels\n", qPrintable(pfad), feld.breite, feld.hoehe,
                    static_cast<int>(feld.palette.size()), sterne);
    }
    return fehler ? 1 : 0;
}
