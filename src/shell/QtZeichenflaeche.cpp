#include "shell/QtZeichenflaeche.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPolygon>

#include <array>

namespace shell {

QColor zuQColor(figures::Farbe f)
{
    return QColor(figures::Rot(f), figures::Gruen(f), figures::Blau(f));
}

QtZeichenflaeche::QtZeichenflaeche(int breite, int hoehe)
    : bild_(qMax(1, breite), qMax(1, hoehe), QImage::Format_RGB32)
{
    bild_.fill(Qt::black);
    stift_ = QPen(Qt::black, 1);
    pinsel_ = QBrush(Qt::white);
    schrift_ = QFont(sansFamilie(), 8);
}

QtZeichenflaeche::~QtZeichenflaeche()
{
    skizzenMaler_.reset();
    malerBeenden();
}

void QtZeichenflaeche::setzeGroesse(int breite, int hoehe)
{
    breite = qMax(1, breite);
    hoehe = qMax(1, hoehe);
    if (breite == bild_.width() && hoehe == bild_.height())
        return;
    malerBeenden();
    skizzenMaler_.reset();
    imCache_ = false;
    cache_ = QImage();
    skizze_ = QImage();
    karte_.clear();
    bild_ = QImage(breite, hoehe, QImage::Format_RGB32);
    bild_.fill(Qt::black);
}

QString QtZeichenflaeche::sansFamilie()
{
    static const QString familie = [] {
        const QStringList familien = QFontDatabase::families();
        for (const char* k : {"DejaVu Sans", "Noto Sans", "Liberation Sans", "Arial"})
            if (familien.contains(QString::fromLatin1(k)))
                return QString::fromLatin1(k);
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return familie;
}

QString QtZeichenflaeche::symbolFamilie()
{
    static const QString familie = [] {
        const QStringList familien = QFontDatabase::families();
        for (const char* k : {"Symbola", "DejaVu Sans", "Noto Sans Symbols", "Noto Sans Symbols2"})
            if (familien.contains(QString::fromLatin1(k)))
                return QString::fromLatin1(k);
        return sansFamilie();
    }();
    return familie;
}

QPainter& QtZeichenflaeche::maler()
{
    if (!maler_) {
        maler_ = std::make_unique<QPainter>(&bild_);
        maler_->setRenderHint(QPainter::Antialiasing, kantenglaettung_);
        maler_->setRenderHint(QPainter::TextAntialiasing, true);
    }
    maler_->setPen(stift_);
    maler_->setBrush(pinsel_);
    return *maler_;
}

void QtZeichenflaeche::malerBeenden()
{
    if (maler_) {
        maler_->end();
        maler_.reset();
    }
}

void QtZeichenflaeche::fuellen(figures::Farbe farbe)
{
    if (imCache_)
        zwischenspeicherZeigen();
    malerBeenden();
    bild_.fill(zuQColor(farbe));
}

void QtZeichenflaeche::flip()
{
    if (imCache_)
        zwischenspeicherZeigen();
    malerBeenden();
    if (beimFlip_)
        beimFlip_(bild_);
}

void QtZeichenflaeche::stift(figures::Farbe farbe, int breite, figures::Stiftstil stil)
{
    Qt::PenStyle s = Qt::SolidLine;
    switch (stil) {
    case figures::Stiftstil::Durchgezogen: s = Qt::SolidLine; break;
    case figures::Stiftstil::Gestrichelt: s = Qt::DashLine; break;
    case figures::Stiftstil::Gepunktet: s = Qt::DotLine; break;
    case figures::Stiftstil::StrichPunkt: s = Qt::DashDotLine; break;
    case figures::Stiftstil::StrichPunktPunkt: s = Qt::DashDotDotLine; break;
    case figures::Stiftstil::Keiner: s = Qt::NoPen; break;
    }
    stift_ = QPen(zuQColor(farbe), qMax(0, breite), s, Qt::RoundCap, Qt::RoundJoin);
    // Width 1 is a cosmetic one-pixel pen, as on the original surface.
    if (breite <= 1)
        stift_.setWidth(0);
}

void QtZeichenflaeche::pinsel(figures::Farbe farbe, figures::Pinselstil stil)
{
    pinsel_ = stil == figures::Pinselstil::Voll ? QBrush(zuQColor(farbe)) : QBrush(Qt::NoBrush);
}

void QtZeichenflaeche::bewegeZu(int x, int y) { position_ = QPoint(x, y); }

void QtZeichenflaeche::linieZu(int x, int y)
{
    const QPoint ziel(x, y);
    QPainter& p = imCache_ ? skizzenMaler(QRect(position_, ziel).normalized()) : maler();
    p.drawLine(position_, ziel);
    position_ = ziel;
}

void QtZeichenflaeche::ellipse(int x1, int y1, int x2, int y2)
{
    // Right and bottom edges are exclusive, as on the original canvas.
    const QRect r(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
    QPainter& p = imCache_ ? skizzenMaler(r.normalized()) : maler();
    p.drawEllipse(r);
}

void QtZeichenflaeche::polygon(const std::vector<figures::Punkt>& punkte)
{
    QPolygon p;
    p.reserve(static_cast<int>(punkte.size()));
    for (const auto& q : punkte)
        p << QPoint(q.x, q.y);
    QPainter& m = imCache_ ? skizzenMaler(p.boundingRect()) : maler();
    m.drawPolygon(p);
}

void QtZeichenflaeche::polylinie(const std::vector<figures::Punkt>& punkte)
{
    QPolygon p;
    p.reserve(static_cast<int>(punkte.size()));
    for (const auto& q : punkte)
        p << QPoint(q.x, q.y);
    QPainter& m = imCache_ ? skizzenMaler(p.boundingRect()) : maler();
    m.drawPolyline(p);
}

QRect QtZeichenflaeche::stiftRahmen(const QRect& r) const
{
    const int rand = stift_.width() + 2;
    return r.adjusted(-rand, -rand, rand, rand);
}

QPainter& QtZeichenflaeche::skizzenMaler(const QRect& bereich)
{
    if (!skizzenMaler_) {
        skizzenMaler_ = std::make_unique<QPainter>(&skizze_);
        skizzenMaler_->setRenderHint(QPainter::Antialiasing, kantenglaettung_);
        skizzenMaler_->setRenderHint(QPainter::TextAntialiasing, true);
    }
    skizzenMaler_->setPen(stift_);
    skizzenMaler_->setBrush(pinsel_);
    skizzeRect_ |= stiftRahmen(bereich) & skizze_.rect();
    return *skizzenMaler_;
}

void QtZeichenflaeche::skizzeUebernehmen()
{
    if (skizzenMaler_) {
        skizzenMaler_->end();
        skizzenMaler_.reset();
    }
    if (skizzeRect_.isEmpty())
        return;
    // Every pixel the primitives touched goes into the cache unless a
    // higher layer lies there already; the scratch is cleared behind.
    const int w = cache_.width();
    auto* ziel = reinterpret_cast<uint32_t*>(cache_.bits());
    const qsizetype zielZeile = cache_.bytesPerLine() / 4;
    for (int y = skizzeRect_.top(); y <= skizzeRect_.bottom(); ++y) {
        auto* quelle = reinterpret_cast<uint32_t*>(skizze_.scanLine(y));
        uint32_t* z = ziel + y * zielZeile;
        uint8_t* k = karte_.data() + static_cast<size_t>(y) * static_cast<size_t>(w);
        for (int x = skizzeRect_.left(); x <= skizzeRect_.right(); ++x) {
            const uint32_t q = quelle[x];
            if (q == 0)
                continue;
            quelle[x] = 0;
            if (k[x] > ebene_)
                continue;
            const uint32_t a = q >> 24;
            if (a == 255) {
                z[x] = q;
            } else {
                // Partly covered (text): blended over what is there.
                const uint32_t d = z[x], na = 255 - a;
                const auto kanal = [&](int shift) {
                    return ((((d >> shift) & 0xFF) * na + 127) / 255 + ((q >> shift) & 0xFF)) & 0xFF;
                };
                z[x] = 0xFF000000u | (kanal(16) << 16) | (kanal(8) << 8) | kanal(0);
            }
            k[x] = ebene_;
        }
    }
    skizzeRect_ = QRect();
}

void QtZeichenflaeche::zwischenspeicherNeu()
{
    malerBeenden();
    skizzenMaler_.reset();
    if (cache_.size() != bild_.size()) {
        cache_ = QImage(bild_.size(), QImage::Format_RGB32);
        skizze_ = QImage(bild_.size(), QImage::Format_ARGB32_Premultiplied);
        skizze_.fill(0);
        karte_.assign(static_cast<size_t>(bild_.width()) * static_cast<size_t>(bild_.height()), 0);
    }
    skizzeRect_ = QRect();
    const uchar* quelle = std::as_const(bild_).bits();
    std::copy(quelle, quelle + bild_.sizeInBytes(), cache_.bits());
    std::fill(karte_.begin(), karte_.end(), uint8_t{0});
    imCache_ = true;
    ebene_ = 1;
}

void QtZeichenflaeche::zwischenspeicherFortsetzen()
{
    if (cache_.size() != bild_.size()) {
        zwischenspeicherNeu();
        return;
    }
    malerBeenden();
    imCache_ = true;
}

void QtZeichenflaeche::ebene(int nr)
{
    if (imCache_)
        skizzeUebernehmen();
    ebene_ = static_cast<uint8_t>(std::clamp(nr, 1, 255));
}

void QtZeichenflaeche::zwischenspeicherZeigen()
{
    if (!imCache_)
        return;
    skizzeUebernehmen();
    imCache_ = false;
    malerBeenden();
    const uchar* quelle = std::as_const(cache_).bits();
    std::copy(quelle, quelle + cache_.sizeInBytes(), bild_.bits());
}

namespace {

// One width-1 line from (x0, y0) to (x1, y1), both ends included, into a
// 32-bit image, clipped to it. The pixel of step i along the major axis lies
// at minor offset floor((2 i |d_minor| + d_major) / (2 d_major)) (Bresenham's
// rounding); the clipped start is computed, not walked to.
template <class Setzen> void Strecke(int breite, int hoehe, int x0, int y0, int x1, int y1, Setzen&& setzen)
{
    const bool steil = std::abs(y1 - y0) > std::abs(x1 - x0);
    // Work along the major axis (u) from its lower end; v is the minor axis.
    int u0 = steil ? y0 : x0, v0 = steil ? x0 : y0, u1 = steil ? y1 : x1, v1 = steil ? x1 : y1;
    if (u0 > u1) {
        std::swap(u0, u1);
        std::swap(v0, v1);
    }
    const int uGrenze = steil ? hoehe : breite;
    const int vGrenze = steil ? breite : hoehe;
    const long long du = static_cast<long long>(u1) - u0;
    const long long dv = std::llabs(static_cast<long long>(v1) - v0);
    const int sv = v1 >= v0 ? 1 : -1;
    const int uAnfang = std::max(u0, 0), uEnde = std::min(u1, uGrenze - 1);
    if (uAnfang > uEnde)
        return;
    if (du == 0) {
        // A single point.
        if (v0 >= 0 && v0 < vGrenze) {
            setzen(steil ? v0 : u0, steil ? u0 : v0);
        }
        return;
    }
    const long long zweiDu = 2 * du;
    long long i = uAnfang - u0;
    long long zaehler = 2 * i * dv + du;
    long long q = zaehler / zweiDu;
    long long e = zaehler % zweiDu;
    for (int u = uAnfang; u <= uEnde; ++u) {
        const long long v = v0 + sv * q;
        if (v >= 0 && v < vGrenze) {
            setzen(steil ? static_cast<int>(v) : u, steil ? u : static_cast<int>(v));
        } else if ((sv > 0 && v >= vGrenze) || (sv < 0 && v < 0)) {
            break; // left the image for good
        }
        e += 2 * dv;
        if (e >= zweiDu) {
            e -= zweiDu;
            ++q;
        }
    }
}

} // namespace

void QtZeichenflaeche::linien(const std::vector<figures::Punkt>& punkte)
{
    const bool einfach = stift_.style() == Qt::SolidLine && stift_.width() <= 1 && !kantenglaettung_ &&
                         stift_.color().alpha() == 255;
    if (!einfach) {
        Zeichenflaeche::linien(punkte);
        return;
    }
    const uint32_t farbe = stift_.color().rgb();
    const int w = bild_.width(), h = bild_.height();
    if (imCache_) {
        // Into the cache by the layer rule.
        skizzeUebernehmen();
        auto* bits = reinterpret_cast<uint32_t*>(cache_.bits());
        const qsizetype zeile = cache_.bytesPerLine() / 4;
        uint8_t* karte = karte_.data();
        const uint8_t e = ebene_;
        const auto setzen = [=](int x, int y) {
            const size_t i = static_cast<size_t>(y) * static_cast<size_t>(w) + static_cast<size_t>(x);
            if (karte[i] <= e) {
                karte[i] = e;
                bits[y * zeile + x] = farbe;
            }
        };
        for (size_t k = 0; k + 1 < punkte.size(); k += 2)
            Strecke(w, h, punkte[k].x, punkte[k].y, punkte[k + 1].x, punkte[k + 1].y, setzen);
    } else {
        malerBeenden();
        auto* bits = reinterpret_cast<uint32_t*>(bild_.bits());
        const qsizetype zeile = bild_.bytesPerLine() / 4;
        const auto setzen = [=](int x, int y) { bits[y * zeile + x] = farbe; };
        for (size_t k = 0; k + 1 < punkte.size(); k += 2)
            Strecke(w, h, punkte[k].x, punkte[k].y, punkte[k + 1].x, punkte[k + 1].y, setzen);
    }
    if (!punkte.empty())
        position_ = QPoint(punkte.back().x, punkte.back().y);
}

void QtZeichenflaeche::schrift(const figures::Schrift& s)
{
    QString familie = sansFamilie();
    if (s.name == "wingdings" || s.name == "Symbol" || s.name == "Tierkreis")
        familie = symbolFamilie();
    schrift_ = QFont(familie);
    schrift_.setPointSize(qMax(1, s.groesse));
    schrift_.setBold(s.fett);
    schriftFarbe_ = zuQColor(s.farbe);
}

void QtZeichenflaeche::textAus(int x, int y, const std::string& text)
{
    const QString t = QString::fromStdString(text);
    QFontMetrics fm(schrift_, &bild_);
    QRect r(x, y, fm.horizontalAdvance(t), fm.height());
    QPainter& p = imCache_ ? skizzenMaler(r) : maler();
    p.setFont(schrift_);
    if (pinsel_.style() != Qt::NoBrush)
        p.fillRect(r, pinsel_);
    p.setPen(schriftFarbe_);
    p.drawText(QPoint(x, y + fm.ascent()), t);
    p.setPen(stift_);
}

int QtZeichenflaeche::textBreite(const std::string& text)
{
    QFontMetrics fm(schrift_, &bild_);
    return fm.horizontalAdvance(QString::fromStdString(text));
}

int QtZeichenflaeche::textHoehe(const std::string&)
{
    QFontMetrics fm(schrift_, &bild_);
    return fm.height();
}

const QImage* QtZeichenflaeche::sternbild(int nr) const
{
    static std::array<QImage, 3> bilder;
    static std::array<bool, 3> geladen{};
    if (nr < 0 || nr > 2)
        return nullptr;
    if (!geladen[static_cast<size_t>(nr)]) {
        geladen[static_cast<size_t>(nr)] = true;
        QImage b(QStringLiteral(":/sterne/sterne%1.png").arg(nr));
        if (!b.isNull()) {
            // Black is transparent.
            QImage maske = b.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < maske.height(); ++y) {
                auto* zeile = reinterpret_cast<QRgb*>(maske.scanLine(y));
                for (int x = 0; x < maske.width(); ++x)
                    if ((zeile[x] & 0x00FFFFFF) == 0)
                        zeile[x] = 0;
            }
            bilder[static_cast<size_t>(nr)] = maske;
        }
    }
    const QImage& b = bilder[static_cast<size_t>(nr)];
    return b.isNull() ? nullptr : &b;
}

void QtZeichenflaeche::bildZeichnen(int bild, int x, int y)
{
    if (const QImage* b = sternbild(bild)) {
        QPainter& p = imCache_ ? skizzenMaler(QRect(QPoint(x, y), b->size())) : maler();
        p.drawImage(QPoint(x, y), *b);
    }
}

int QtZeichenflaeche::bildBreite(int bild) const
{
    const QImage* b = sternbild(bild);
    return b ? b->width() : 0;
}

int QtZeichenflaeche::bildHoehe(int bild) const
{
    const QImage* b = sternbild(bild);
    return b ? b->height() : 0;
}

} // namespace shell
