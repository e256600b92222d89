#include "shell/TFormBedienfeld.h"

#include "shell/Bedienlogik.h"
#include "sprache/Sprache.h"

#include <QCheckBox>

#include <algorithm>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace shell {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
QString TQ(const char* k) { return Q(sprache::T(k)); }

QSlider* drehregler(QWidget* eltern)
{
    auto* s = new QSlider(Qt::Horizontal, eltern);
    s->setRange(-180, 180);
    s->setValue(0);
    s->setPageStep(5);
    s->setSingleStep(1);
    s->setTickPosition(QSlider::TicksBelow);
    s->setTickInterval(6);
    return s;
}
} // namespace

TFormBedienfeld::TFormBedienfeld(QWidget* eltern)
    : QWidget(eltern, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TFormBedienfeld"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(6, 6, 6, 6);
    v->setSpacing(3);

    button1_ = new QPushButton(this);
    button1_->setObjectName(QStringLiteral("Button1"));
    v->addWidget(button1_);

    label13_ = new QLabel(this);
    v->addWidget(label13_);
    auto* tempoZeile = new QHBoxLayout;
    edit2_ = new QLineEdit(QStringLiteral("3"), this);
    edit2_->setObjectName(QStringLiteral("Edit2"));
    edit2_->setMaxLength(2);
    edit2_->setFixedWidth(40);
    // Digits only, whatever is typed or pasted.
    edit2_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), edit2_));
    edit2_->installEventFilter(this);
    // UpDown1: 1..10 without wrapping, attached to the field.
    hoch_ = new QToolButton(this);
    runter_ = new QToolButton(this);
    hoch_->setArrowType(Qt::UpArrow);
    runter_->setArrowType(Qt::DownArrow);
    for (QToolButton* t : {hoch_, runter_}) {
        t->setAutoRepeat(true);
        t->setFixedSize(18, 12);
        t->setFocusPolicy(Qt::NoFocus);
    }
    auto* pfeile = new QVBoxLayout;
    pfeile->setSpacing(0);
    pfeile->addWidget(hoch_);
    pfeile->addWidget(runter_);
    tempoZeile->addWidget(edit2_);
    tempoZeile->addLayout(pfeile);
    tempoZeile->addStretch();
    v->addLayout(tempoZeile);

    button2_ = new QPushButton(this);
    button2_->setObjectName(QStringLiteral("Button2"));
    button2_->setEnabled(false);
    button3_ = new QPushButton(this);
    button3_->setObjectName(QStringLiteral("Button3"));
    button6_ = new QPushButton(this);
    button6_->setObjectName(QStringLiteral("Button6"));
    v->addWidget(button2_);
    v->addWidget(button3_);
    v->addWidget(button6_);

    auto* zoomZeile = new QHBoxLayout;
    label40_ = new QLabel(this);
    label41_ = new QLabel(QStringLiteral("1"), this);
    radioButton1_ = new QRadioButton(this);
    radioButton1_->setChecked(true);
    radioButton1_->setAutoExclusive(false);
    zoomZeile->addWidget(label40_);
    zoomZeile->addWidget(label41_);
    zoomZeile->addStretch();
    zoomZeile->addWidget(radioButton1_);
    v->addLayout(zoomZeile);
    trackbar1_ = new QSlider(Qt::Horizontal, this);
    trackbar1_->setObjectName(QStringLiteral("Trackbar1"));
    trackbar1_->setRange(10, 5000);
    trackbar1_->setValue(100);
    trackbar1_->setPageStep(20);
    trackbar1_->setTickPosition(QSlider::TicksBelow);
    trackbar1_->setTickInterval(100);
    trackbar1_->setEnabled(false);
    v->addWidget(trackbar1_);

    auto regler = [&](QLabel*& titel, QSlider*& s, QLabel*& wert) {
        auto* kopf = new QHBoxLayout;
        titel = new QLabel(this);
        wert = new QLabel(QStringLiteral("0°"), this);
        kopf->addWidget(titel);
        kopf->addStretch();
        kopf->addWidget(wert);
        v->addLayout(kopf);
        s = drehregler(this);
        v->addWidget(s);
    };
    auto* grenzen = new QHBoxLayout;
    grenzen->addWidget(new QLabel(QStringLiteral("-180°"), this));
    grenzen->addStretch();
    grenzen->addWidget(new QLabel(QStringLiteral("180°"), this));
    v->addLayout(grenzen);
    regler(label3_, trackBar2_, label6_);
    regler(label7_, trackBar3_, label12_);
    regler(label5_, trackBar4_, label14_);
    trackBar2_->setObjectName(QStringLiteral("TrackBar2"));
    trackBar3_->setObjectName(QStringLiteral("TrackBar3"));
    trackBar4_->setObjectName(QStringLiteral("TrackBar4"));

    checkBoxNullsetzen_ = new QCheckBox(this);
    checkBoxNullsetzen_->setFocusPolicy(Qt::NoFocus);
    v->addWidget(checkBoxNullsetzen_);

    auto* zeiten = new QGridLayout;
    labelstart2_ = new QLabel(this);
    // Before the first run the start label names the time scale.
    labelStart_ = new QLabel(QStringLiteral("dynamische Zeit (TD) "), this);
    label1_ = new QLabel(this);
    labelZeit_ = new QLabel(this);
    label11_ = new QLabel(this);
    label21_ = new QLabel(this);
    zeiten->addWidget(labelstart2_, 0, 0);
    zeiten->addWidget(labelStart_, 1, 0);
    zeiten->addWidget(label1_, 2, 0);
    zeiten->addWidget(labelZeit_, 3, 0);
    zeiten->addWidget(label11_, 4, 0);
    zeiten->addWidget(label21_, 5, 0);
    label11_->hide();
    label21_->hide();
    v->addLayout(zeiten);

    radioGroupSterne_ = new QGroupBox(this);
    auto* sv = new QVBoxLayout(radioGroupSterne_);
    sterneFlaechen_ = new QRadioButton(radioGroupSterne_);
    sterneLinien_ = new QRadioButton(radioGroupSterne_);
    sterneFlaechen_->setChecked(true);
    sv->addWidget(sterneFlaechen_);
    sv->addWidget(sterneLinien_);
    radioGroupSterne_->hide();
    v->addWidget(radioGroupSterne_);
    checkBoxNurBahnen_ = new QCheckBox(this);
    checkBoxNurBahnen_->hide();
    v->addWidget(checkBoxNurBahnen_);
    v->addStretch();

    // Designed for 96 dots per inch: 162 pixels wide, scaled once. Its place
    // is found when it is first shown (platzieren).
    if (QScreen* s = QGuiApplication::primaryScreen())
        skala_ = qMax(1.0, s->logicalDotsPerInch() / 96.0);
    setFixedWidth(static_cast<int>(162 * skala_ * 1.25));

    for (QPushButton* b : {button1_, button2_, button3_, button6_})
        b->installEventFilter(this);

    connect(button1_, &QPushButton::clicked, this, &TFormBedienfeld::startGedrueckt);
    connect(button2_, &QPushButton::clicked, this, &TFormBedienfeld::pauseGedrueckt);
    connect(button3_, &QPushButton::clicked, this, &TFormBedienfeld::beendenGedrueckt);
    connect(button6_, &QPushButton::clicked, this, &TFormBedienfeld::neueEingabeGedrueckt);
    connect(edit2_, &QLineEdit::textChanged, this, &TFormBedienfeld::tempoGeaendert);
    auto tempoSchritt = [this](int d) {
        const int t = std::clamp(tempo() + d, 1, 10);
        edit2_->setText(QString::number(t));
        edit2_->setFocus();
    };
    connect(hoch_, &QToolButton::clicked, this, [tempoSchritt] { tempoSchritt(1); });
    connect(runter_, &QToolButton::clicked, this, [tempoSchritt] { tempoSchritt(-1); });
    connect(trackbar1_, &QSlider::valueChanged, this, &TFormBedienfeld::zoomGeaendert);
    connect(radioButton1_, &QRadioButton::clicked, this, [this] {
        trackbar1_->setValue(ZoomEins(mysteriumModus));
        radioButton1_->setChecked(trackbar1_->value() == ZoomEins(mysteriumModus));
    });
    for (QSlider* s : {trackBar2_, trackBar3_, trackBar4_})
        connect(s, &QSlider::valueChanged, this, &TFormBedienfeld::drehungGeaendert);
    connect(checkBoxNullsetzen_, &QCheckBox::clicked, this, &TFormBedienfeld::nullsetzenGeklickt);
    connect(checkBoxNurBahnen_, &QCheckBox::clicked, this, &TFormBedienfeld::nurBahnenGeklickt);
    connect(sterneLinien_, &QRadioButton::toggled, this, &TFormBedienfeld::nurLinienGewaehlt);

    retranslate();
}

void TFormBedienfeld::retranslate()
{
    setWindowTitle(TQ("bedienfeld.titel"));
    button1_->setText(TQ("bedienfeld.start"));
    label13_->setText(TQ("bedienfeld.tempo"));
    label13_->setToolTip(TQ("bedienfeld.tempo.hinweis"));
    edit2_->setToolTip(TQ("bedienfeld.tempofeld.hinweis"));
    button2_->setText(TQ("bedienfeld.pause"));
    if (button2_->toolTip().isEmpty() || !button2_->font().bold())
        button2_->setToolTip(TQ("bedienfeld.hinweis.einzelschritte"));
    button3_->setText(TQ("bedienfeld.beenden"));
    button6_->setText(TQ("bedienfeld.neueeingabe"));
    trackbar1_->setToolTip(TQ("bedienfeld.zoom.hinweis"));
    label40_->setText(TQ("bedienfeld.zoom"));
    radioButton1_->setToolTip(TQ("bedienfeld.eins.hinweis"));
    label3_->setText(TQ("bedienfeld.drehx"));
    label7_->setText(TQ("bedienfeld.drehy"));
    label5_->setText(TQ("bedienfeld.drehz"));
    trackBar2_->setToolTip(TQ("bedienfeld.drehx.hinweis"));
    trackBar3_->setToolTip(TQ("bedienfeld.drehy.hinweis"));
    trackBar4_->setToolTip(TQ("bedienfeld.drehz.hinweis"));
    checkBoxNullsetzen_->setText(TQ("bedienfeld.nullsetzen"));
    checkBoxNullsetzen_->setToolTip(TQ("bedienfeld.nullsetzen.hinweis"));
    labelstart2_->setText(TQ("bedienfeld.start.label"));
    labelStart_->setToolTip(TQ("bedienfeld.start.hinweis"));
    label1_->setText(TQ("bedienfeld.aktuell"));
    label11_->setText(TQ("bedienfeld.voraus"));
    sterneFlaechen_->setText(TQ("bedienfeld.flaechen"));
    sterneLinien_->setText(TQ("bedienfeld.linien"));
    checkBoxNurBahnen_->setText(TQ("bedienfeld.nurbahnen"));
}

int TFormBedienfeld::tempo() const { return TempoAusText(edit2_->text().toStdString()); }
int TFormBedienfeld::zoomPosition() const { return trackbar1_->value(); }
int TFormBedienfeld::drehungX() const { return trackBar2_->value(); }
int TFormBedienfeld::drehungY() const { return trackBar3_->value(); }
int TFormBedienfeld::drehungZ() const { return trackBar4_->value(); }

void TFormBedienfeld::tempoGeaendert(const QString& t)
{
    const QString korrigiert = QString::fromStdString(TempoKorrigieren(t.toStdString()));
    if (korrigiert != t) {
        QSignalBlocker b(edit2_);
        edit2_->setText(korrigiert);
    }
}

void TFormBedienfeld::zoomGeaendert(int pos)
{
    label41_->setText(QString::fromStdString(ZoomText(pos)));
    radioButton1_->setChecked(pos == ZoomEins(mysteriumModus));
    emit ansichtGeaendert();
}

void TFormBedienfeld::drehungGeaendert()
{
    label6_->setText(QStringLiteral("%1°").arg(trackBar2_->value()));
    label12_->setText(QStringLiteral("%1°").arg(trackBar3_->value()));
    label14_->setText(QStringLiteral("%1°").arg(trackBar4_->value()));
    emit ansichtGeaendert();
}

void TFormBedienfeld::nullsetzenGeklickt()
{
    if (drehungX() != 0 || drehungY() != 0 || drehungZ() != 0) {
        gemerktX_ = drehungX();
        gemerktY_ = drehungY();
        gemerktZ_ = drehungZ();
        setzeDrehungen(0, 0, 0);
    } else {
        setzeDrehungen(gemerktX_, gemerktY_, gemerktZ_);
    }
}

void TFormBedienfeld::setzeDrehungen(int x, int y, int z)
{
    {
        QSignalBlocker b2(trackBar2_), b3(trackBar3_), b4(trackBar4_);
        trackBar2_->setValue(x);
        trackBar3_->setValue(y);
        trackBar4_->setValue(z);
    }
    drehungGeaendert();
}

void TFormBedienfeld::setzeZoom(int position)
{
    if (trackbar1_->value() == position)
        zoomGeaendert(position);
    else
        trackbar1_->setValue(position);
}

void TFormBedienfeld::zoomAktiv(bool a) { trackbar1_->setEnabled(a); }

void TFormBedienfeld::drehungAktiv(bool a)
{
    trackBar2_->setEnabled(a);
    trackBar3_->setEnabled(a);
    trackBar4_->setEnabled(a);
    checkBoxNullsetzen_->setEnabled(a);
}

void TFormBedienfeld::pauseAktiviert(bool a) { button2_->setEnabled(a); }

void TFormBedienfeld::pauseHervorheben(bool fett, const QString& hinweis)
{
    QFont f = button2_->font();
    f.setBold(fett);
    button2_->setFont(f);
    button2_->setDefault(fett);
    button2_->setToolTip(hinweis);
}

void TFormBedienfeld::beendenHervorheben(bool fett, const QString& hinweis)
{
    QFont f = button3_->font();
    f.setBold(fett);
    button3_->setFont(f);
    button3_->setDefault(fett);
    button3_->setToolTip(hinweis);
}

void TFormBedienfeld::startAktiv(bool start, bool neueEingabe)
{
    button1_->setEnabled(start);
    button6_->setEnabled(neueEingabe);
}

void TFormBedienfeld::labelStart(const QString& t) { labelStart_->setText(t); }
void TFormBedienfeld::labelZeit(const QString& t) { labelZeit_->setText(t); }

void TFormBedienfeld::zaehler(bool sichtbar, const QString& t)
{
    const bool vorher = label11_->isVisible();
    label11_->setVisible(sichtbar);
    label21_->setVisible(sichtbar);
    label21_->setText(t);
    // Without the counter the panel takes its height back.
    if (vorher && !sichtbar)
        adjustSize();
}

void TFormBedienfeld::startUndZeitSichtbar(bool s)
{
    for (QLabel* l : {labelstart2_, labelStart_, label1_, labelZeit_})
        l->setVisible(s);
}

void TFormBedienfeld::sternGruppeSichtbar(bool s) { radioGroupSterne_->setVisible(s); }

void TFormBedienfeld::setzeNurLinien(bool linien) { (linien ? sterneLinien_ : sterneFlaechen_)->setChecked(true); }
void TFormBedienfeld::nurBahnenSichtbar(bool s) { checkBoxNurBahnen_->setVisible(s); }

void TFormBedienfeld::laufFokussieren()
{
    if (!isVisible())
        return;
    QPushButton* knopf = button2_->isEnabled() ? button2_ : button3_;
    if (knopf->isEnabled())
        knopf->setFocus();
}

void TFormBedienfeld::startFokussieren()
{
    if (button1_->isEnabled() && button1_->isVisible() && isEnabled())
        button1_->setFocus();
}

bool TFormBedienfeld::drehTaste(QChar c)
{
    QSlider* s = nullptr;
    int schritt = 3;
    switch (c.unicode()) {
    case 'x': s = trackBar2_; break;
    case 'X': s = trackBar2_; schritt = -3; break;
    case 'y': s = trackBar3_; break;
    case 'Y': s = trackBar3_; schritt = -3; break;
    case 'c': s = trackBar4_; break;
    case 'C': s = trackBar4_; schritt = -3; break;
    default: return false;
    }
    if (!trackBar2_->isEnabled())
        return true;
    s->setFocus();
    s->setValue(s->value() + schritt);
    return true;
}

void TFormBedienfeld::showEvent(QShowEvent* e)
{
    // Placed once; later showings keep where it stood.
    if (!platziert_)
        platzieren();
    QWidget::showEvent(e);
}

void TFormBedienfeld::platzieren()
{
    adjustSize();
    const QSize groesse = frameGeometry().size();
    std::optional<QPoint> ziel;
    amMenue_ = false;
    // The remembered place, when its corner still lies on a screen (one
    // that is no longer attached gives the place below the menu bar).
    if (vorgabe_ && QGuiApplication::screenAt(*vorgabe_ + QPoint(8, 8)))
        ziel = vorgabe_;
    if (!ziel) {
        // Below the main window's menu bar, a few pixels in from its left
        // edge, so that no menu is covered.
        const int abstand = static_cast<int>(8 * skala_);
        const QWidget* haupt = parentWidget() ? parentWidget()->window() : nullptr;
        const auto* fenster = qobject_cast<const QMainWindow*>(haupt);
        if (fenster && fenster->isVisible()) {
            QWidget* leiste = fenster->menuWidget();
            // The menus may appear only after the panel (at the end of the
            // start phase): while the panel stands where it was put, it
            // follows the menu bar's height.
            if (leiste && leiste != menueleiste_) {
                menueleiste_ = leiste;
                leiste->installEventFilter(this);
            }
            amMenue_ = true;
            const QPoint links = fenster->mapToGlobal(QPoint(0, 0));
            const int unten = leiste && leiste->isVisible() ? leiste->mapToGlobal(QPoint(0, leiste->height())).y()
                                                             : links.y();
            ziel = QPoint(links.x() + abstand, unten + abstand / 2);
        } else {
            ziel = QPoint(abstand, static_cast<int>(49 * skala_));
        }
    }
    // Inside the free area of its screen (the whole panel where it fits).
    QScreen* bildschirm = QGuiApplication::screenAt(*ziel + QPoint(1, 1));
    if (!bildschirm)
        bildschirm = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (bildschirm) {
        const QRect frei = bildschirm->availableGeometry();
        ziel->setX(std::clamp(ziel->x(), frei.left(), std::max(frei.left(), frei.right() + 1 - groesse.width())));
        ziel->setY(std::clamp(ziel->y(), frei.top(), std::max(frei.top(), frei.bottom() + 1 - groesse.height())));
    }
    move(*ziel);
    platziert_ = pos();
}

void TFormBedienfeld::closeEvent(QCloseEvent* e)
{
    emit geschlossen();
    QWidget::closeEvent(e);
}

void TFormBedienfeld::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Escape) {
        emit escapeGedrueckt();
        return;
    }
    if (e->key() == Qt::Key_T && e->modifiers() == Qt::ControlModifier) {
        emit tierkreisTaste();
        return;
    }
    if (!e->text().isEmpty() && drehTaste(e->text().at(0)))
        return;
    QWidget::keyPressEvent(e);
}

bool TFormBedienfeld::eventFilter(QObject* o, QEvent* e)
{
    if (o == menueleiste_ && e->type() == QEvent::Resize && amMenue_ && isVisible() && !verschoben())
        platzieren();
    // A button with the focus during a run (Start is locked then): the space
    // bar pauses as everywhere else instead of pressing that button, which
    // might be Beenden.
    if ((e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease) && !button1_->isEnabled() &&
        (o == button1_ || o == button2_ || o == button3_ || o == button6_)) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Space && k->modifiers() == Qt::NoModifier) {
            if (e->type() == QEvent::KeyPress && !k->isAutoRepeat())
                emit leertasteGedrueckt();
            return true;
        }
    }
    // The tempo field: Escape ends the run, space pauses; x/y/c turn.
    if (o == edit2_ && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_Escape) {
            emit escapeGedrueckt();
            return true;
        }
        if (k->key() == Qt::Key_Space) {
            emit leertasteGedrueckt();
            return true;
        }
        if (k->key() == Qt::Key_T && k->modifiers() == Qt::ControlModifier) {
            emit tierkreisTaste();
            return true;
        }
        if (k->key() == Qt::Key_Up || k->key() == Qt::Key_Down) {
            (k->key() == Qt::Key_Up ? hoch_ : runter_)->click();
            return true;
        }
        if (!k->text().isEmpty() && k->text().at(0).isLetter())
            return drehTaste(k->text().at(0)) || true;
    }
    return QWidget::eventFilter(o, e);
}

} // namespace shell
