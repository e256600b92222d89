#include "ui/DatenausgabeMenues.h"

#include "shell/Dateischreiben.h"
#include "shell/TFormBedienfeld.h"
#include "shell/TForm1.h"
#include "ui/Sprachwechsel.h"

#include <QAbstractButton>
#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QTextOption>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTimer>

#include <cmath>

namespace ui {

MemoZiel::MemoZiel(QPlainTextEdit* memo) : memo_(memo), uhr_(std::make_unique<QTimer>())
{
    uhr_->setSingleShot(true);
    uhr_->setInterval(WartezeitMs);
    QObject::connect(uhr_.get(), &QTimer::timeout, memo_, [this] { ausgeben(); });
}

MemoZiel::~MemoZiel() = default;

void MemoZiel::zeileAnfuegen(const std::string& zeile)
{
    // A new line after the last one (the memo always holds its title).
    if (!puffer_.isEmpty() || !memo_->document()->isEmpty())
        puffer_ += QLatin1Char('\n');
    puffer_ += QString::fromStdString(zeile);
    if (++zeilen_ >= ZeilenJeBlock)
        ausgeben();
    else if (!uhr_->isActive())
        uhr_->start();
}

void MemoZiel::anhaengen(const std::string& text)
{
    puffer_ += QString::fromStdString(text);
    if (!uhr_->isActive())
        uhr_->start();
}

void MemoZiel::ausgeben()
{
    uhr_->stop();
    if (puffer_.isEmpty())
        return;
    QTextCursor c(memo_->document());
    c.movePosition(QTextCursor::End);
    c.insertText(puffer_);
    puffer_.clear();
    zeilen_ = 0;
}

void MemoZiel::verwerfen()
{
    uhr_->stop();
    puffer_.clear();
    zeilen_ = 0;
}

void TabellenSpalten(QPlainTextEdit* memo)
{
    // A fixed-pitch font and tab stops at the cell widths: the number cell
    // (8 characters), then one every 19 characters (the widest header and
    // value cells have 17, and a cell as wide as its column would push the
    // next one a stop further), so that every row keeps its columns under
    // the header. The text itself stays tab-separated.
    QFont schrift = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    memo->setFont(schrift);
    const qreal zeichen = QFontMetricsF(schrift).horizontalAdvance(QLatin1Char('0'));
    QTextOption option = memo->document()->defaultTextOption();
    QList<QTextOption::Tab> stopps;
    for (int spalte = 0; spalte < 40; ++spalte)
        stopps.append(QTextOption::Tab((NummerZeichen + spalte * ZellenZeichen) * zeichen, QTextOption::LeftTab));
    option.setTabs(stopps);
    memo->document()->setDefaultTextOption(option);
}

bool TextSpeichern(const QString& pfad, const QString& text, QString* fehler)
{
    QByteArray inhalt = text.toUtf8();
    if (!inhalt.isEmpty() && !inhalt.endsWith('\n'))
        inhalt += '\n';
    return shell::DateiSchreiben(pfad, inhalt, fehler);
}

DatenausgabeMenues::DatenausgabeMenues(shell::TForm1& form1)
    : form1_(form1), memo_(form1.memoAusgabe()), ziel_(memo_)
{
    datenausgabe_.zielSetzen(&ziel_);
    form1.engine().datenausgabe = &datenausgabe_;
    form1.engine().datenausgabeBeginn = [this](const shell::Laufregeln& r, bool vorher) { laufBeginnt(r, vorher); };
    form1.engine().datenOnlyBeenden = [this] { nurDatenAusgabeBeenden(); };
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    TabellenSpalten(memo_);

    QMenu* extras = form1.menue(shell::Hauptmenue::Extras);
    QAction* vor = extras->actions().isEmpty() ? nullptr : extras->actions().first();
    ausgabeKonj_ = new QAction(this);
    form1.aktionen().eintragen(shell::Menuepunkt::AusgabeKonj, ausgabeKonj_);
    ausgabeKonj_->setCheckable(true);
    ausgabeKonj_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(ausgabeKonj_, &QAction::triggered, this, &DatenausgabeMenues::AusgabeKonjClick);
    koordinaten1_ = schalter(shell::Menuepunkt::Koordinaten1);
    winkel1_ = schalter(shell::Menuepunkt::Winkel1);
    entfernung1_ = schalter(shell::Menuepunkt::Entfernung1);
    deltaT1_ = schalter(shell::Menuepunkt::DeltaT1);
    for (QAction* a : {ausgabeKonj_, koordinaten1_, winkel1_, entfernung1_, deltaT1_})
        extras->insertAction(vor, a);
    if (vor)
        extras->insertSeparator(vor);
    connect(koordinaten1_, &QAction::triggered, this, &DatenausgabeMenues::Koordinaten1Click);
    connect(winkel1_, &QAction::triggered, this, &DatenausgabeMenues::Winkel1Click);
    connect(entfernung1_, &QAction::triggered, this, &DatenausgabeMenues::Entfernung1Click);
    connect(deltaT1_, &QAction::triggered, this, &DatenausgabeMenues::DeltaT1Click);

    QMenu* datei = form1.menue(shell::Hauptmenue::Datei);
    datenspeichern1_ = new QAction(this);
    form1.aktionen().eintragen(shell::Menuepunkt::Datenspeichern1, datenspeichern1_);
    datenspeichern1_->setEnabled(false);
    datei->insertAction(datei->actions().isEmpty() ? nullptr : datei->actions().first(), datenspeichern1_);
    connect(datenspeichern1_, &QAction::triggered, this, &DatenausgabeMenues::Datenspeichern1Click);

    Sprachwechsel::instanz().anmelden(this, [this] { retranslate(); });
    retranslate();
    MemoGroesseZurueck();
}

DatenausgabeMenues::~DatenausgabeMenues()
{
    if (form1_.engine().datenausgabe == &datenausgabe_) {
        form1_.engine().datenausgabe = nullptr;
        form1_.engine().datenausgabeBeginn = nullptr;
        form1_.engine().datenOnlyBeenden = nullptr;
    }
}

QAction* DatenausgabeMenues::schalter(shell::Menuepunkt komponente)
{
    auto* a = new QAction(this);
    form1_.aktionen().eintragen(komponente, a);
    a->setCheckable(true);
    return a;
}

void DatenausgabeMenues::schalterBeschriften()
{
    ausgabeKonj_->setText(TQ("menu.datenausgabe"));
    koordinaten1_->setText(TQ(koordinaten1_->isChecked() ? "menu.koordinaten.an" : "menu.koordinaten.aus"));
    winkel1_->setText(TQ(winkel1_->isChecked() ? "menu.winkel.an" : "menu.winkel.aus"));
    entfernung1_->setText(TQ(entfernung1_->isChecked() ? "menu.entfernung.an" : "menu.entfernung.aus"));
    deltaT1_->setText(TQ(deltaT1_->isChecked() ? "menu.deltat.an" : "menu.deltat.aus"));
}

void DatenausgabeMenues::retranslate()
{
    schalterBeschriften();
    datenspeichern1_->setText(TQ("menu.datenspeichern"));
    memo_->setToolTip(TQ("memo.hinweis"));
    // The title alone is replaced; a table keeps the language it was written in.
    ziel_.ausgeben();
    if (memo_->blockCount() <= 1)
        memo_->setPlainText(TQ("memo.titel"));
}

void DatenausgabeMenues::AusgabeKonjClick()
{
    form1_.konfiguration().datenausgabe = ausgabeKonj_->isChecked();
    if (ausgabeKonj_->isChecked() && !form1_.zustand().DatenOnlyLauf)
        memoPlatzieren();
    ziel_.ausgeben();
    memo_->setVisible(ausgabeKonj_->isChecked());
    if (memo_->isVisible())
        memo_->raise();
}

void DatenausgabeMenues::Koordinaten1Click()
{
    datenausgabe_.format.xyz = koordinaten1_->isChecked();
    winkel1_->setEnabled(!koordinaten1_->isChecked());
    schalterBeschriften();
}

void DatenausgabeMenues::Winkel1Click()
{
    datenausgabe_.format.astrologisch = winkel1_->isChecked();
    koordinaten1_->setEnabled(!winkel1_->isChecked());
    schalterBeschriften();
}

void DatenausgabeMenues::Entfernung1Click()
{
    datenausgabe_.format.ae = entfernung1_->isChecked();
    form1_.konfiguration().entfernungAE = datenausgabe_.format.ae;
    schalterBeschriften();
}

void DatenausgabeMenues::DeltaT1Click()
{
    datenausgabe_.format.ut = deltaT1_->isChecked();
    schalterBeschriften();
}

void DatenausgabeMenues::memoPlatzieren()
{
    const shell::Laufzustand& z = form1_.zustand();
    const QWidget* flaeche = form1_.zeichenflaecheWidget();
    const int breite = static_cast<int>(std::lround(flaeche->width() / 1.706667));
    int links = z.PixelProZoll > 96 ? static_cast<int>(std::lround(168 * z.PixelProZoll / 96.0)) : 168;
    // The left edge leaves room for the control panel; with larger fonts the
    // panel is wider than the 168 pixels the layout was made for.
    if (const QWidget* panel = form1_.bedienfeld(); panel && panel->isVisible()) {
        const int rechts = flaeche->mapFromGlobal(panel->frameGeometry().topRight()).x() + 4;
        if (rechts > links && rechts < flaeche->width() / 2)
            links = rechts;
    }
    memo_->setGeometry(links, 8, breite, 441);
}

void DatenausgabeMenues::MemoGroesseZurueck()
{
    memoPlatzieren();
    ziel_.verwerfen();
    memo_->setPlainText(TQ("memo.titel"));
}

void DatenausgabeMenues::nurDatenAusgabeBeenden()
{
    ziel_.ausgeben();
    form1_.unsetCursor();
    form1_.zeichenflaecheWidget()->unsetCursor();
    form1_.zaehlerAnzeigen(false, "");
}

void DatenausgabeMenues::laufBeginnt(const shell::Laufregeln& r, bool vorigerDatenOnly)
{
    const shell::Laufzustand& z = form1_.zustand();
    const shell::Laufkonfiguration& k = form1_.konfiguration();
    if (!r.datenOnly)
        MemoGroesseZurueck();
    if (vorigerDatenOnly && ausgabeKonj_->isChecked()) {
        ausgabeKonj_->setChecked(false);
        AusgabeKonjClick();
    }
    ziel_.verwerfen();
    memo_->setPlainText(TQ("memo.titel"));
    datenausgabe_.format.jd = k.julianischesDatum;
    datenausgabe_.format.mond = r.mondFormat;
    // Outside the start phase, the solids, Kepler's Mysterium and the kept
    // figures, the table of the run can be saved when its rules allow.
    if (!z.Startphase && r.datenSpeicherbar && !k.keplersMysterium && !k.drehungDerFiguren)
        datenspeichern1_->setEnabled(true);
}

QString DatenausgabeMenues::dateiVorschlag() const
{
    return shell::Dateivorschlag(ordner, shell::Ordnerart::Daten, QStandardPaths::DocumentsLocation,
                                 TQ("speichern.name") + QStringLiteral(".txt"));
}

QString DatenausgabeMenues::standardDateiWaehlen()
{
    QFileDialog dialog(&form1_, TQ("menu.datenspeichern"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setNameFilters({TQ("speichern.filter.txt"), TQ("speichern.filter.alle")});
    const QFileInfo vorschlag(dateiVorschlag());
    dialog.setDirectory(vorschlag.absolutePath());
    dialog.selectFile(vorschlag.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

bool DatenausgabeMenues::Datenspeichern1Click()
{
    const QString pfad = dateiWaehlen ? dateiWaehlen() : standardDateiWaehlen();
    if (pfad.isEmpty())
        return false;
    if (ordner)
        ordner->merken(shell::Ordnerart::Daten, pfad);
    QString grund;
    ziel_.ausgeben();
    if (TextSpeichern(pfad, memo_->toPlainText(), &grund))
        return true;
    const QString titel = TQ("meldung.fehler");
    const QString text = TQ("speichern.fehler").arg(QDir::toNativeSeparators(pfad), grund);
    if (fehlermeldung)
        fehlermeldung(titel, text);
    else
        QMessageBox::critical(&form1_, titel, text);
    return false;
}

} // namespace ui
