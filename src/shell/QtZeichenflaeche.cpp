#include "shell/QtZeichenflaeche.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QPolygon>

#include <array>
#include <thread>

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

QPen QtZeichenflaeche::stiftAus(figures::Farbe farbe, int breite, figures::Stiftstil stil)
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
    QPen stift(zuQColor(farbe), qMax(0, breite), s, Qt::RoundCap, Qt::RoundJoin);
    // Width 1 is a cosmetic one-pixel pen, as on the original surface.
    if (breite <= 1)
        stift.setWidth(0);
    return stift;
}

void QtZeichenflaeche::stift(figures::Farbe farbe, int breite, figures::Stiftstil stil)
{
    stift_ = stiftAus(farbe, breite, stil);
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
    if (stempelZeichnen(r))
        return;
    QPainter& p = imCache_ ? skizzenMaler(r.normalized()) : maler();
    p.drawEllipse(r);
}

bool QtZeichenflaeche::stempelZeichnen(const QRect& r)
{
    // Small discs with opaque solid pens, as the figures draw by the
    // thousand: QPainter draws the disc once into a stamp, which is then set
    // at every place (its pixels do not depend on the place, only on the
    // size and the pens).
    if (kantenglaettung_ || r.width() <= 0 || r.height() <= 0 || r.width() > 64 || r.height() > 64)
        return false;
    const bool stiftEinfach = stift_.style() == Qt::SolidLine || stift_.style() == Qt::NoPen;
    const bool pinselEinfach = pinsel_.style() == Qt::SolidPattern || pinsel_.style() == Qt::NoBrush;
    if (!stiftEinfach || !pinselEinfach || (stift_.style() != Qt::NoPen && stift_.color().alpha() != 255) ||
        (pinsel_.style() != Qt::NoBrush && pinsel_.color().alpha() != 255))
        return false;
    const Stempelschluessel schluessel{r.width(),
                                       r.height(),
                                       stift_.style() == Qt::NoPen ? 0u : stift_.color().rgb(),
                                       stift_.style() == Qt::NoPen ? -1 : stift_.width(),
                                       pinsel_.style() == Qt::NoBrush ? 0u : pinsel_.color().rgb(),
                                       pinsel_.style() == Qt::NoBrush};
    Stempel* st = nullptr;
    for (Stempel& k : stempel_)
        if (k.schluessel == schluessel)
            st = &k;
    if (!st) {
        if (stempel_.size() >= 16)
            stempel_.erase(stempel_.begin());
        Stempel neu;
        neu.schluessel = schluessel;
        neu.rand = stift_.width() + 2;
        neu.bild = QImage(r.width() + 2 * neu.rand, r.height() + 2 * neu.rand, QImage::Format_ARGB32_Premultiplied);
        neu.bild.fill(0);
        QPainter p(&neu.bild);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(stift_);
        p.setBrush(pinsel_);
        p.drawEllipse(QRect(neu.rand, neu.rand, r.width(), r.height()));
        p.end();
        stempel_.push_back(std::move(neu));
        st = &stempel_.back();
    }
    if (imCache_)
        skizzeUebernehmen();
    else
        malerBeenden();
    QImage& ziel = imCache_ ? cache_ : bild_;
    const int w = ziel.width(), h = ziel.height();
    auto* bits = reinterpret_cast<uint32_t*>(ziel.bits());
    const int x0 = r.left() - st->rand, y0 = r.top() - st->rand;
    const uint8_t e = ebene_;
    for (int sy = 0; sy < st->bild.height(); ++sy) {
        const int y = y0 + sy;
        if (y < 0 || y >= h)
            continue;
        const auto* q = reinterpret_cast<const uint32_t*>(st->bild.constScanLine(sy));
        uint32_t* zeile = bits + static_cast<size_t>(y) * static_cast<size_t>(w);
        uint8_t* k = imCache_ ? karte_.data() + static_cast<size_t>(y) * static_cast<size_t>(w) : nullptr;
        for (int sx = 0; sx < st->bild.width(); ++sx) {
            const int x = x0 + sx;
            if (x < 0 || x >= w || q[sx] == 0)
                continue;
            if (k) {
                if (k[x] > e)
                    continue;
                k[x] = e;
            }
            zeile[x] = q[sx] | 0xFF000000u;
        }
    }
    if (imCache_)
        hoechsteEbene_ = std::max(hoechsteEbene_, e);
    return true;
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
    hoechsteEbene_ = std::max(hoechsteEbene_, ebene_);
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
    hoechsteEbene_ = 0;
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

// floor(a / b) for b > 0.
long long Abrunden(long long a, long long b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
// ceil(a / b) for b > 0.
long long Aufrunden(long long a, long long b) { return -Abrunden(-a, b); }

// One width-1 line from (x0, y0) to (x1, y1), both ends included, into an
// image of `breite` x `hoehe` pixels (one index per pixel, y * breite + x),
// clipped to it. The pixel of step i along the major axis lies at minor
// offset q(i) = floor((2 i |d_minor| + d_major - b) / (2 d_major)), the
// pixel nearest to the ideal line (Bresenham). Where the ideal line passes
// exactly half-way between two pixels (a run of 2 for a rise of 1), the
// pixel of the smaller coordinate is taken, as QPainter's one-pixel line
// does in every direction: b = 1 when the minor coordinate grows along the
// walk, else 0. The steps whose pixel lies inside are computed beforehand,
// so the loop only walks them; `setzen(index)` writes one pixel.
template <class Setzen>
void Strecke(int breite, int yOben, int yUnten, int x0, int y0, int x1, int y1, Setzen&& setzen)
{
    const bool steil = std::abs(y1 - y0) > std::abs(x1 - x0);
    // Work along the major axis (u) from its lower end; v is the minor axis.
    int u0 = steil ? y0 : x0, v0 = steil ? x0 : y0, u1 = steil ? y1 : x1, v1 = steil ? x1 : y1;
    if (u0 > u1) {
        std::swap(u0, u1);
        std::swap(v0, v1);
    }
    // Rows yOben .. yUnten - 1 and all columns are inside.
    const long long uLo = steil ? yOben : 0, uHi = steil ? yUnten : breite;
    const long long vLo = steil ? 0 : yOben, vHi = steil ? breite : yUnten;
    const long long du = static_cast<long long>(u1) - u0;
    const long long dv = std::llabs(static_cast<long long>(v1) - v0);
    const int sv = v1 >= v0 ? 1 : -1;
    // Ties towards the smaller coordinate (see above).
    const long long b = sv > 0 && dv > 0 ? 1 : 0;
    // Steps i = 0 .. du inside the image along u.
    long long iA = std::max(0LL, uLo - u0);
    long long iE = std::min(du, uHi - 1 - u0);
    if (iA > iE)
        return;
    // ... and along v: q(i) within [qMin, qMax].
    const long long qMin = sv > 0 ? vLo - v0 : v0 - (vHi - 1);
    const long long qMax = sv > 0 ? vHi - 1 - v0 : v0 - vLo;
    if (qMax < 0 || qMin > qMax)
        return;
    if (dv == 0) {
        if (qMin > 0)
            return;
    } else {
        const long long zweiDu = 2 * du, zweiDv = 2 * dv;
        if (qMin > 0)
            iA = std::max(iA, Aufrunden(zweiDu * qMin - du + b, zweiDv));
        iE = std::min(iE, Aufrunden(zweiDu * (qMax + 1) - du + b, zweiDv) - 1);
        if (iA > iE)
            return;
    }
    const long long zweiDu = std::max(2 * du, 1LL);
    const long long zaehler = 2 * iA * dv + du - b;
    long long e = zaehler % zweiDu;
    const long long q = zaehler / zweiDu;
    const long long u = u0 + iA, v = v0 + sv * q;
    const long long w = breite;
    long long index = steil ? u * w + v : v * w + u;
    const long long schrittU = steil ? w : 1;
    const long long schrittV = steil ? sv : sv * w;
    const long long zweiDv = 2 * dv;
    for (long long n = iE - iA + 1; n > 0; --n) {
        setzen(static_cast<size_t>(index));
        index += schrittU;
        e += zweiDv;
        // The minor step without a branch: its pattern is as irregular as the slope.
        const long long weiter = e >= zweiDu ? 1 : 0;
        e -= weiter * zweiDu;
        index += weiter * schrittV;
    }
}

// Many lines of one colour: split into bands of rows for two threads when
// there are many (each thread writes only its own rows, so the pixels are
// the same in any order: one colour, one layer).
template <class Setzen>
void Strecken(int breite, int hoehe, const std::vector<figures::Punkt>& p, const Setzen& setzen)
{
    const auto band = [&](int y0, int y1) {
        for (size_t k = 0; k + 1 < p.size(); k += 2)
            Strecke(breite, y0, y1, p[k].x, p[k].y, p[k + 1].x, p[k + 1].y, setzen);
    };
    if (p.size() < 8000 || hoehe < 64 || std::thread::hardware_concurrency() < 2) {
        band(0, hoehe);
        return;
    }
    const int mitte = hoehe / 2;
    std::thread zweiter([&] { band(mitte, hoehe); });
    band(0, mitte);
    zweiter.join();
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
        // 32-bit rows hold exactly `w` pixels: one index for the image and the map.
        auto* bits = reinterpret_cast<uint32_t*>(cache_.bits());
        uint8_t* karte = karte_.data();
        const uint8_t e = ebene_;
        if (e > hoechsteEbene_ && e == 1) {
            // Nothing above yet, and layer 1 is as low as the background for
            // every later test: no need to mark it.
            const auto setzen = [=](size_t i) { bits[i] = farbe; };
            Strecken(w, h, punkte, setzen);
        } else if (e > hoechsteEbene_) {
            const auto setzen = [=](size_t i) {
                karte[i] = e;
                bits[i] = farbe;
            };
            Strecken(w, h, punkte, setzen);
        } else {
            const auto setzen = [=](size_t i) {
                if (karte[i] <= e) {
                    karte[i] = e;
                    bits[i] = farbe;
                }
            };
            Strecken(w, h, punkte, setzen);
        }
        hoechsteEbene_ = std::max(hoechsteEbene_, e);
    } else {
        malerBeenden();
        auto* bits = reinterpret_cast<uint32_t*>(bild_.bits());
        const auto setzen = [=](size_t i) { bits[i] = farbe; };
        Strecken(w, h, punkte, setzen);
    }
    if (!punkte.empty())
        position_ = QPoint(punkte.back().x, punkte.back().y);
}

QFont QtZeichenflaeche::schriftAus(const figures::Schrift& s)
{
    QString familie = sansFamilie();
    if (s.name == "wingdings" || s.name == "Symbol" || s.name == "Tierkreis")
        familie = symbolFamilie();
    QFont f(familie);
    f.setPointSize(qMax(1, s.groesse));
    f.setBold(s.fett);
    return f;
}

void QtZeichenflaeche::schrift(const figures::Schrift& s)
{
    schrift_ = schriftAus(s);
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

const QImage* QtZeichenflaeche::sternbild(int nr)
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
