#include "shell/TForm1.h"

#include "figures/Hintergrund.h"
#include "shell/MysteriumAblauf.h"
#include "shell/TEingabeSofort.h"
#include "shell/TFormBedienfeld.h"
#include "sprache/Sprache.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDateTime>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

#include <cmath>

namespace shell {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
QString TQ(const char* k) { return Q(sprache::T(k)); }

QElapsedTimer& uhr()
{
    static QElapsedTimer t = [] {
        QElapsedTimer e;
        e.start();
        return e;
    }();
    return t;
}

struct MenueEintrag {
    Hauptmenue m;
    const char* schluessel;
};
const MenueEintrag kMenues[] = {
    {Hauptmenue::Datei, "menu.datei"},         {Hauptmenue::Darstellung, "menu.darstellung"},
    {Hauptmenue::Ansicht, "menu.ansicht"},     {Hauptmenue::Sprache, "menu.sprache"},
    {Hauptmenue::Einstellungen, "menu.einstellungen"}, {Hauptmenue::Extras, "menu.extras"},
    {Hauptmenue::Beispiele, "menu.beispiele"}, {Hauptmenue::Platon, "menu.platon"},
    {Hauptmenue::Hilfe, "menu.hilfe"},
};
} // namespace

// ---------------------------------------------------------------------------
// TForm1

TForm1::TForm1(QWidget* eltern) : QMainWindow(eltern)
{
    setObjectName(QStringLiteral("TForm1"));
    engine_ = std::make_unique<Hauptprozedur>(z_, k_, *this);
    engine_->ansicht = &ansicht_;
    // The window's own runs: the start phase and the solids of "Platon/Kepler".
    engine_->registrieren(Darstellung::Startphase, std::make_unique<Startablauf>(*this));
    engine_->registrieren(Darstellung::Mysterium, std::make_unique<MysteriumAblauf>(this));

    dxDraw1_ = new ZeichenWidget(this);
    setCentralWidget(dxDraw1_);

    memoAusgabe_ = new QPlainTextEdit(dxDraw1_);
    memoAusgabe_->setObjectName(QStringLiteral("MemoAusgabe"));
    memoAusgabe_->setReadOnly(true);
    memoAusgabe_->hide();

    bedienfeld_ = new TFormBedienfeld(this);
    bedienfeld_->hide();
    eingabeSofort_ = new TEingabeSofort(this);

    flaeche_.beimFlip([this](const QImage& b) {
        dxDraw1_->zeigen(b);
        bildSteht_ = engineTiefe_ > 0 && !z_.Startphase;
        if (engineTiefe_ == 0)
            engine_->figurVerwerfen();
    });

    menuesAnlegen();

    connect(dxDraw1_, &ZeichenWidget::erstesZeichnen, this, [this] {
        // Start the start-phase run from the event loop, not inside paint.
        QTimer::singleShot(0, this, &TForm1::FormPaint);
    });
    connect(dxDraw1_, &ZeichenWidget::groesseGeaendert, this, &TForm1::FormResize);
    connect(dxDraw1_, &ZeichenWidget::mausGedrueckt, this, &TForm1::mausDruck);
    connect(dxDraw1_, &ZeichenWidget::mausBewegt, this, &TForm1::mausBewegung);
    connect(dxDraw1_, &ZeichenWidget::mausLosgelassen, this, &TForm1::mausLos);

    connect(bedienfeld_, &TFormBedienfeld::startGedrueckt, this, &TForm1::startDruecken);
    connect(bedienfeld_, &TFormBedienfeld::pauseGedrueckt, this, [this] { engine_->pauseUmschalten(); });
    connect(bedienfeld_, &TFormBedienfeld::beendenGedrueckt, this, [this] { engine_->beenden(); });
    connect(bedienfeld_, &TFormBedienfeld::neueEingabeGedrueckt, this, &TForm1::neueEingabe);
    connect(bedienfeld_, &TFormBedienfeld::escapeGedrueckt, this, [this] {
        if (z_.LaufAktiv)
            engine_->beenden();
    });
    connect(bedienfeld_, &TFormBedienfeld::leertasteGedrueckt, this, [this] {
        if (bedienfeld_->pauseKnopf()->isEnabled())
            engine_->pauseUmschalten();
    });
    connect(bedienfeld_, &TFormBedienfeld::ansichtGeaendert, this, &TForm1::ansichtAusBedienfeld);
    // "nur Bahnen drehen": the solids keep the angles of this moment.
    connect(bedienfeld_, &TFormBedienfeld::nurBahnenGeklickt, this, [this](bool an) {
        k_.nurBahnenDrehen = an;
        engine_->ansichtAbgleichen();
        ansicht_.FigurWinkelMerken();
    });
    connect(bedienfeld_, &TFormBedienfeld::nurLinienGewaehlt, this, [this](bool linien) { k_.nurLinien = linien; });
    connect(bedienfeld_, &TFormBedienfeld::geschlossen, this, [this] { ausgabe1_->setChecked(false); });
    connect(bedienfeld_, &TFormBedienfeld::tierkreisTaste, this, &TForm1::tierkreisTasteGedrueckt);

    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive)
            StartFocusSetzen();
    });

    FormCreate();
    retranslate();
}

TForm1::~TForm1()
{
    qApp->removeEventFilter(this);
}

void TForm1::menuesAnlegen()
{
    for (const auto& m : kMenues) {
        QMenu* menue = menuBar()->addMenu(QString());
        menue->setObjectName(QString::fromLatin1(m.schluessel));
        // The hints of menu items ("Planeten nur zu Beginn") show.
        menue->setToolTipsVisible(true);
        menues_[m.m] = menue;
    }
    beenden1_ = menues_[Hauptmenue::Datei]->addAction(QString());
    aktionen_.eintragen(Menuepunkt::Beenden1, beenden1_);
    connect(beenden1_, &QAction::triggered, this, &QWidget::close);

    darstellungsGruppe_ = new QActionGroup(this);
    darstellungsGruppe_->setExclusive(true);

    ausgabe1_ = menues_[Hauptmenue::Ansicht]->addAction(QString());
    aktionen_.eintragen(Menuepunkt::Ausgabe1, ausgabe1_);
    ausgabe1_->setCheckable(true);
    ausgabe1_->setChecked(true);
    ausgabe1_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
    connect(ausgabe1_, &QAction::triggered, this, [this](bool an) {
        if (z_.Startphase) {
            ausgabe1_->setChecked(false);
            return;
        }
        bedienfeld_->setVisible(an);
    });
}

QMenu* TForm1::menue(Hauptmenue m) const { return menues_.at(m); }

QAction* TForm1::darstellungAnlegen(Darstellung d, const char* textSchluessel, const char* komponente, QKeySequence taste)
{
    QAction* a = menues_[Hauptmenue::Darstellung]->addAction(TQ(textSchluessel));
    a->setObjectName(QString::fromLatin1(komponente));
    a->setCheckable(true);
    a->setShortcut(taste);
    darstellungsGruppe_->addAction(a);
    darstellungsAktionen_[d] = a;
    darstellungsTexte_.emplace_back(a, textSchluessel);
    gesperrt_.push_back(a);
    connect(a, &QAction::triggered, this, [this, d] { darstellungGewaehlt(d); });
    if (d == k_.menueDarstellung)
        a->setChecked(true);
    return a;
}

QAction* TForm1::darstellungsAktion(Darstellung d) const
{
    auto it = darstellungsAktionen_.find(d);
    return it == darstellungsAktionen_.end() ? nullptr : it->second;
}

void TForm1::setzeDialog(Darstellung d, QWidget* dialog) { dialoge_[d] = dialog; }

QWidget* TForm1::dialog(Darstellung d) const
{
    const auto it = dialoge_.find(d);
    return it == dialoge_.end() ? nullptr : it->second;
}

void TForm1::beiLaufSperren(QAction* a) { gesperrt_.push_back(a); }

void TForm1::retranslate()
{
    setWindowTitle(TQ("form1.titel"));
    for (const auto& m : kMenues)
        menues_[m.m]->setTitle(TQ(m.schluessel));
    for (const auto& [a, schluessel] : darstellungsTexte_)
        a->setText(TQ(schluessel));
    beenden1_->setText(TQ("menu.beenden"));
    ausgabe1_->setText(TQ("menu.bedienfeld"));
    // Only the title is translated: a table written by a run stays until the
    // next run (it may still be saved).
    if (memoAusgabe_->blockCount() <= 1)
        memoAusgabe_->setPlainText(TQ("memo.titel"));
    bedienfeld_->retranslate();
    eingabeSofort_->retranslate();
    // A standing figure's legend speaks the new language.
    stehendeFigurZeichnen();
}

void TForm1::FormCreate()
{
    // 2: "." is the decimal separator of every number the program reads or writes.
    QLocale::setDefault(QLocale::c());
    // 3, 8: screen metrics.
    QScreen* s = QGuiApplication::primaryScreen();
    if (s) {
        z_.StartFarbtiefe = s->depth();
        z_.StartBildschirmBreite = s->geometry().width();
        z_.StartBildschirmHoehe = s->geometry().height();
        z_.PixelProZoll = s->logicalDotsPerInch();
    }
    if (z_.PixelProZoll <= 0)
        z_.PixelProZoll = 96;
    z_.Schriftfaktor = 96.0 / z_.PixelProZoll;
    const double breitenSkala = z_.StartBildschirmBreite / 1024.0;
    z_.Greifradius = static_cast<int>(std::lround(breitenSkala * 10));
    // 4.
    k_.beispielSchrittgrenze = 12000;
    k_.beispielKonstellationsgrenze = 1200;
    MenueSichtbar(false);
    z_.TierkreisTaste = 0;
    bedienfeld_->setzeZoom(100);
    // 6.
    z_.Startphase = true;
    z_.ErstesZeichnen = true;
    k_.boolAnfangsanimation = true;
    k_.boolZitateAnzeigen = true;
    z_.MysteriumModus = z_.BeispielModus = z_.AnimationUeberspringen = z_.ZitatSichtbar = false;
    z_.LaufAktiv = z_.ZentrumZiehen = false;
    k_.hoheGenauigkeit = k_.mitPraezession = false;
    z_.EinstellungenGeaendert = z_.NurBisImLauf = false;
    k_.intAnzahlBerechn = 1;
    k_.bahnpunkteFaktor = 1;
    k_.intBilditem = -1;
    z_.FigurenAnzahl = z_.gemerkteFigurenAnzahl = 10;
    z_.NurBisIndex = 15;
    z_.NurBisFrageErlaubt = true;
    // 9: the persisted settings are read by the settings binding, which the
    // program entry attaches right after the window exists.
    // 10: the data-output memo.
    if (s) {
        memoAusgabe_->resize(static_cast<int>(std::lround(s->geometry().width() / 1.706667)), s->geometry().height());
        if (z_.PixelProZoll > 96)
            memoAusgabe_->move(static_cast<int>(std::lround(168 * z_.PixelProZoll / 96.0)), 0);
    }
    setWindowState(windowState() | Qt::WindowMaximized);
}

void TForm1::FormPaint()
{
    if (!z_.Startphase || !z_.ErstesZeichnen)
        return;
    if (sprachwechsel)
        sprachwechsel();
    else
        retranslate();
    z_.MysteriumModus = true;
    z_.ErstesZeichnen = false;
    flaeche_.setzeGroesse(dxDraw1_->width(), dxDraw1_->height());
    startDruecken();
}

void TForm1::startDruecken()
{
    if (z_.LaufAktiv)
        return;
    bedienfeld_->mysteriumModus = z_.MysteriumModus;
    ++engineTiefe_;
    engine_->ausfuehren();
    --engineTiefe_;
}

bool TForm1::stehendeFigurZeichnen()
{
    if (z_.LaufAktiv || z_.Startphase || !engine_->figurSteht())
        return false;
    ++engineTiefe_;
    const bool ok = engine_->figurNeuZeichnen();
    --engineTiefe_;
    return ok;
}

bool TForm1::bildBehalten()
{
    const QImage alt = dxDraw1_->gezeigt();
    if (!bildSteht_ || alt.isNull() || z_.Startphase)
        return false;
    const QSize groesse(flaeche_.breite(), flaeche_.hoehe());
    if (alt.size() == groesse)
        return true;
    QImage neu(groesse, alt.format());
    const figures::Farbe f = k_.intFarbeHintergrund;
    neu.fill(QColor(f & 0xFF, (f >> 8) & 0xFF, (f >> 16) & 0xFF));
    {
        QPainter p(&neu);
        p.drawImage((groesse.width() - alt.width()) / 2, (groesse.height() - alt.height()) / 2, alt);
    }
    // Shown (and so saved and printed) as it is; the next run draws afresh.
    dxDraw1_->zeigen(neu);
    return true;
}

void TForm1::FormResize(int breite, int hoehe)
{
    flaeche_.setzeGroesse(breite, hoehe);
    z_.Breite = flaeche_.breite();
    z_.Hoehe = flaeche_.hoehe();
    z_.Hoehenfaktor = z_.Hoehe / 600.0;
    z_.VerschiebungX = z_.VerschiebungY = 0;
    z_.MitteX = z_.Breite / 2;
    z_.MitteY = z_.Hoehe / 2;
    z_.NeuZeichnen = true;
    if (!z_.LaufAktiv)
        HintergrundSofort();
}

void TForm1::MenueSichtbar(bool sichtbar)
{
    for (auto& [m, menue] : menues_)
        menue->menuAction()->setVisible(sichtbar);
}

void TForm1::StartFocusSetzen()
{
    if (!z_.LaufAktiv && !z_.Startphase)
        bedienfeld_->startFokussieren();
}

figures::Ansicht& TForm1::ansicht()
{
    ansicht_.GroesseSetzen(flaeche_.breite(), flaeche_.hoehe());
    ansicht_.VerschiebungX = z_.VerschiebungX;
    ansicht_.VerschiebungY = z_.VerschiebungY;
    ansicht_.MitteX = z_.MitteX;
    ansicht_.MitteY = z_.MitteY;
    ansicht_.Zoom = z_.Zoom;
    ansicht_.WinkelSetzenGrad(bedienfeld_->drehungX(), bedienfeld_->drehungY(), bedienfeld_->drehungZ());
    return ansicht_;
}

void TForm1::HintergrundSofort()
{
    if (z_.LaufAktiv)
        return;
    // The figure of the last run is not wiped: it is drawn again on the new
    // background (a resize, "Standard wiederherstellen", the background
    // commands), or, where its frame cannot be drawn again (kept figures
    // turning), its picture stays.
    if (stehendeFigurZeichnen() || bildBehalten())
        return;
    if (z_.Startphase || !einstellungen) {
        flaeche_.fuellen(z_.Startphase ? figures::Schwarz : k_.intFarbeHintergrund);
        flaeche_.flip();
        return;
    }
    // Background colour, star picture and zodiac band of the empty surface.
    figures::Tierkreislage lage;
    lage.mitPraezession = k_.mitPraezession;
    figures::HintergrundSofort(flaeche_, ansicht(), einstellungen->aktuell(),
                               static_cast<figures::Tierkreisart>(k_.tierkreis), lage);
}

void TForm1::darstellungGewaehlt(Darstellung d)
{
    if (z_.LaufAktiv)
        return;
    // Kepler's Mysterium lives in the overview, and the solid mode has no
    // item in this menu: choosing a representation after either starts
    // afresh.
    const bool neuGewaehlt = k_.menueDarstellung != d || k_.keplersMysterium || z_.MysteriumModus;
    k_.menueDarstellung = d;
    z_.MysteriumModus = false;
    if (QAction* a = darstellungsAktion(d))
        a->setChecked(true);
    if (darstellungsBefehl)
        darstellungsBefehl(d, neuGewaehlt);
    neueEingabe();
}

void TForm1::neueEingabe()
{
    if (z_.LaufAktiv)
        return;
    // One input dialog at a time: the chosen representation's.
    for (auto& [d, andere] : dialoge_)
        if (andere && d != k_.menueDarstellung && andere->isVisible())
            andere->close();
    if (QWidget* d = dialog(k_.menueDarstellung)) {
        d->show();
        d->raise();
        d->activateWindow();
    }
}

void TForm1::ansichtAusBedienfeld()
{
    z_.Zoom = bedienfeld_->zoomPosition() / 100.0;
    constexpr double grad = 3.14159265358979323846 / 180.0;
    z_.WinkelX = bedienfeld_->drehungX() * grad;
    z_.WinkelY = bedienfeld_->drehungY() * grad;
    z_.WinkelZ = bedienfeld_->drehungZ() * grad;
    z_.NeuZeichnen = true;
    engine_->ruhezeitStempeln();
}

void TForm1::tierkreisTasteGedrueckt()
{
    // Ctrl+T runs "Tierkreiszeichen", "Sternbilder", "weder ... noch" in turn.
    static const Menuepunkt befehle[] = {Menuepunkt::Tierkreis1, Menuepunkt::Sternzeichen1, Menuepunkt::wedernoch1};
    static const TierkreisArt folge[] = {TierkreisArt::Zeichen, TierkreisArt::Sternbilder, TierkreisArt::Keiner};
    if (QAction* a = aktionen_[befehle[z_.TierkreisTaste]]) {
        a->setChecked(true);
        a->trigger();
        a->setChecked(true);
    } else {
        k_.tierkreis = folge[z_.TierkreisTaste];
    }
    z_.TierkreisTaste = (z_.TierkreisTaste + 1) % 3;
}

// ---------------------------------------------------------------------------
// Mouse: dragging the figure's centre

bool TForm1::imGreifquadrat(QPoint p) const
{
    return std::abs(p.x() - z_.MitteX) < z_.Greifradius && std::abs(p.y() - z_.MitteY) < z_.Greifradius;
}

void TForm1::mausDruck(QPoint p)
{
    // A click skips the start animation.
    if (z_.Startphase) {
        z_.AnimationUeberspringen = true;
        return;
    }
    if (!engine_->zentrumZiehbar())
        return;
    // Paused with the kept figures turning: the figure stays as it is.
    if (z_.PauseAktiv && k_.drehungDerFiguren && std::max(z_.KonjIndex, z_.OppoIndex) > z_.FigurenAnzahl)
        return;
    z_.ZentrumZiehen = false;
    if (imGreifquadrat(p)) {
        z_.ZentrumZiehen = true;
        z_.ZentrumBewegt = true;
        z_.MausGedrueckt = true;
    }
}

void TForm1::mausBewegung(QPoint p)
{
    if (!engine_->zentrumZiehbar())
        return;
    if (imGreifquadrat(p) && !z_.Startphase) {
        dxDraw1_->setCursor(Qt::PointingHandCursor);
        dxDraw1_->setToolTip(TQ("maus.zentrum.hinweis"));
    } else {
        dxDraw1_->unsetCursor();
        dxDraw1_->setToolTip(QString());
    }
    if (z_.ZentrumZiehen) {
        z_.VerschiebungX += p.x() - z_.MitteX;
        z_.VerschiebungY += p.y() - z_.MitteY;
        z_.MitteX = std::clamp(z_.Breite / 2 + z_.VerschiebungX, 0, z_.Breite);
        z_.MitteY = std::clamp(z_.Hoehe / 2 + z_.VerschiebungY, 0, z_.Hoehe);
    }
}

void TForm1::mausLos(QPoint) { z_.MausGedrueckt = false; }

// ---------------------------------------------------------------------------
// Keyboard preview of the main window

bool TForm1::tasteVorschau(QKeyEvent* k)
{
    // The start phase: any key skips the start animation and does nothing
    // else. Afterwards Escape ends a run at its first press.
    if (z_.Startphase) {
        z_.AnimationUeberspringen = true;
        return true;
    }
    if (k->key() == Qt::Key_Escape) {
        if (z_.LaufAktiv)
            engine_->beenden();
        return true;
    }
    if (k->key() == Qt::Key_Space && k->modifiers() == Qt::NoModifier) {
        // The space bar is the Pause button: it acts whenever the button is
        // offered (the Metamorphose keeps it after its figure is complete).
        if (bedienfeld_->pauseKnopf()->isEnabled())
            engine_->pauseUmschalten();
        return z_.LaufAktiv;
    }
    if ((k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) && k->modifiers() == Qt::NoModifier) {
        if (!z_.Startphase && !z_.LaufAktiv) {
            startDruecken();
            return true;
        }
        return z_.LaufAktiv;
    }
    if (k->key() == Qt::Key_T && k->modifiers() == Qt::ControlModifier) {
        tierkreisTasteGedrueckt();
        return true;
    }
    return false;
}

bool TForm1::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && w->window() == this && w->isWindow() == (w == this)) {
            if (tasteVorschau(static_cast<QKeyEvent*>(e)))
                return true;
        }
    }
    return QMainWindow::eventFilter(o, e);
}

bool TForm1::event(QEvent* e)
{
    // Dezimaltrenner: the regional settings changed; keep "." as separator.
    if (e->type() == QEvent::LocaleChange)
        QLocale::setDefault(QLocale::c());
    return QMainWindow::event(e);
}

// ---------------------------------------------------------------------------
// Close

void TForm1::closeEvent(QCloseEvent* e)
{
    // 1.
    if (z_.LaufAktiv)
        engine_->beenden();
    // 2.
    if (z_.Startphase) {
        z_.Abbruch = true;
        e->accept();
        return;
    }
    // 4.
    if (z_.EinstellungenGeaendert) {
        const Antwort a = meldung(Meldungsart::Frage, sprache::T("meldung.bestaetigung"), sprache::T("schliessen.frage"));
        if (a == Antwort::Abbrechen) {
            e->ignore();
            return;
        }
        if (a == Antwort::Ja) {
            if (einstellungenSchreiben && !einstellungenSchreiben()) {
                // The store could not be written: keep the program open so
                // nothing is lost silently (the writer has told the user).
                e->ignore();
                return;
            }
        }
    }
    bedienfeld_->hide();
    e->accept();
}

// ---------------------------------------------------------------------------
// LaufHost

void TForm1::pumpEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void TForm1::sleepMs(int ms)
{
    ms = static_cast<int>(ms * zeitfaktor);
    if (ms <= 0)
        return;
    // Keep the window responsive during long waits.
    QEventLoop schleife;
    QTimer::singleShot(ms, Qt::PreciseTimer, &schleife, &QEventLoop::quit);
    schleife.exec();
}

double TForm1::jetzt() { return uhr().elapsed() / 1000.0; }

Bildschirm TForm1::bildschirm()
{
    Bildschirm b;
    if (QScreen* s = QGuiApplication::primaryScreen()) {
        b.breite = s->geometry().width();
        b.hoehe = s->geometry().height();
        b.farbtiefe = s->depth();
    }
    return b;
}

Antwort TForm1::meldung(Meldungsart art, const std::string& titel, const std::string& text)
{
    if (meldungsAntwort)
        return meldungsAntwort(art, titel, text);
    QString t = Q(text);
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    switch (art) {
    case Meldungsart::Information: QMessageBox::information(this, Q(titel), t); return Antwort::Ok;
    case Meldungsart::Warnung: QMessageBox::warning(this, Q(titel), t); return Antwort::Ok;
    case Meldungsart::Fehler: QMessageBox::critical(this, Q(titel), t); return Antwort::Ok;
    case Meldungsart::Frage: {
        const auto r = QMessageBox::question(this, Q(titel), t,
                                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (r == QMessageBox::Yes) return Antwort::Ja;
        if (r == QMessageBox::No) return Antwort::Nein;
        return Antwort::Abbrechen;
    }
    }
    return Antwort::Ok;
}

bool TForm1::zahlAbfragen(const std::string& label, int vorschlag, int minimum, int maximum, int& wert)
{
    return eingabeSofort_->abfragen(Q(label), vorschlag, minimum, maximum, wert);
}

int TForm1::tempoFeld() { return bedienfeld_->tempo(); }
void TForm1::labelStart(const std::string& text) { bedienfeld_->labelStart(Q(text)); }
void TForm1::labelZeit(const std::string& text) { bedienfeld_->labelZeit(Q(text)); }
void TForm1::zaehlerAnzeigen(bool sichtbar, const std::string& text) { bedienfeld_->zaehler(sichtbar, Q(text)); }
void TForm1::pauseAktiviert(bool aktiviert) { bedienfeld_->pauseAktiviert(aktiviert); }
void TForm1::pauseHervorheben(bool h, const std::string& hinweis) { bedienfeld_->pauseHervorheben(h, Q(hinweis)); }
void TForm1::beendenKnopf(bool h, const std::string& hinweis) { bedienfeld_->beendenHervorheben(h, Q(hinweis)); }
void TForm1::startKnopf(bool a, bool n) { bedienfeld_->startAktiv(a, n); }

void TForm1::zoomRegler(bool aktiviert, int position)
{
    bedienfeld_->mysteriumModus = z_.MysteriumModus;
    bedienfeld_->zoomAktiv(aktiviert);
    bedienfeld_->setzeZoom(position);
}

void TForm1::drehRegler(bool aktiviert) { bedienfeld_->drehungAktiv(aktiviert); }
void TForm1::drehReglerSetzen(int x, int y, int z) { bedienfeld_->setzeDrehungen(x, y, z); }
void TForm1::startUndZeitLabelsSichtbar(bool s) { bedienfeld_->startUndZeitSichtbar(s); }
void TForm1::zeitHinweis(const std::string& text)
{
    bedienfeld_->startLabel()->setToolTip(Q(text));
    bedienfeld_->zeitLabel()->setToolTip(Q(text));
}
void TForm1::sternGruppeSichtbar(bool s) { bedienfeld_->sternGruppeSichtbar(s); }

void TForm1::fuellSchalterSetzen(bool nurLinien) { bedienfeld_->setzeNurLinien(nurLinien); }
void TForm1::laufFokussieren() { bedienfeld_->laufFokussieren(); }

void TForm1::startFokussieren()
{
    if (QGuiApplication::applicationState() == Qt::ApplicationActive || QGuiApplication::platformName() == QLatin1String("offscreen"))
        bedienfeld_->startFokussieren();
}

void TForm1::figurFertig()
{
    // "Ergebnis sofort" wrote every row: the table may be shown now.
    if (k_.ergebnisSofort)
        if (QAction* a = aktionen_[Menuepunkt::AusgabeKonj])
            a->setEnabled(true);
}

void TForm1::laufBeginnt()
{
    for (const auto& h : beimLaufbeginn)
        if (h)
            h();
}

void TForm1::oberflaecheSperren(bool gesperrt)
{
    for (QAction* a : gesperrt_)
        a->setEnabled(!gesperrt);
    // The input dialogs close when a run starts: their controls feed the
    // next run, not this one.
    if (gesperrt)
        for (auto& [d, dialog] : dialoge_)
            if (dialog && dialog->isVisible())
                dialog->close();
    for (const auto& h : beimSperren)
        if (h)
            h(gesperrt);
}

void TForm1::optionAbschalten(Laufoption o)
{
    // The run configuration and the check mark of the item.
    const Menuepunkt punkt = o == Laufoption::ErgebnisSofort ? Menuepunkt::sofort1 : Menuepunkt::PlannurzuBeginn1;
    (o == Laufoption::ErgebnisSofort ? k_.ergebnisSofort : k_.planetenNurZuBeginn) = false;
    if (QAction* a = aktionen_[punkt])
        a->setChecked(false);
    // Without "Ergebnis sofort" the table may be shown again.
    if (o == Laufoption::ErgebnisSofort)
        if (QAction* a = aktionen_[Menuepunkt::AusgabeKonj])
            a->setEnabled(true);
}

void TForm1::bedienfeldZeigen()
{
    if (ausgabe1_->isChecked())
        bedienfeld_->show();
}

void TForm1::programmBeenden()
{
    z_.Abbruch = true;
    QCoreApplication::exit(1);
}

} // namespace shell
