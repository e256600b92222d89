#include "ui/TFormUe.h"

#include "astro/Gueltigkeit.h"
#include "shell/TForm1.h"
#include "shell/TFormBedienfeld.h"
#include "shell/Vorbereitung.h"
#include "shell/Zahlenfeld.h"
#include "sprache/Koerpernamen.h"
#include "ui/Sprachwechsel.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <cmath>

namespace ui {

namespace {

// Planets each preset checks (bit b = body b).
constexpr std::array<unsigned, 5> Vorgaben = {
    0b11110u,      // Mercury .. Mars
    0b1111110u,    // Mercury .. Saturn
    0b111100000u,  // Jupiter .. Neptune
    0b111110000u,  // Mars .. Neptune
    0b1111100000u, // Jupiter .. Pluto
};

const char* const KleinplanetNamen[12] = {"CheckBoxCe", "CheckBoxPa", "CheckBoxVs", "CheckBoxJn",
                                          "CheckBoxCh", "CheckBoxVa", "CheckBoxQu", "CheckBoxOr",
                                          "CheckBoxEL", "CheckBoxFY", "CheckBoxEs", "CheckBoxSe"};
const char* const PlanetNamen[10] = {"",           "CheckBoxMe", "CheckBoxVe", "CheckBoxEr", "CheckBoxMa",
                                     "CheckBoxJu", "CheckBoxSa", "CheckBoxUr", "CheckBoxNe", "CheckBoxPl"};

QString Q(const char* schluessel) { return TQ(schluessel); }

// A count field: empty or "0" becomes "1", a leading "00" loses a digit,
// values above the limit become the limit.
void ZahlfeldRegel(QLineEdit* feld, double hoechster)
{
    QString t = feld->text();
    QString neu = t;
    if (neu.isEmpty() || neu == QLatin1String("0"))
        neu = QStringLiteral("1");
    else if (neu.startsWith(QLatin1String("00")))
        neu = neu.mid(1);
    bool ok = false;
    const double w = QLocale::c().toDouble(neu, &ok);
    if (ok && w > hoechster)
        neu = QString::number(static_cast<int>(hoechster));
    if (neu != t) {
        QSignalBlocker b(feld);
        feld->setText(neu);
    }
}

} // namespace

std::function<void(QWidget*, const QString&, const QString&)> TFormUe::meldung =
    [](QWidget* eltern, const QString& titel, const QString& text) { QMessageBox::critical(eltern, titel, text); };

TFormUe::TFormUe(shell::TForm1* form1, QWidget* eltern) : Eingabedialog(form1, "TFormUe", eltern)
{
    auto* v = new QVBoxLayout(this);

    auto* startZeile = new QHBoxLayout;
    Label22 = new QLabel(this);
    Edit9 = new QLineEdit(QStringLiteral("0"), this);
    Edit9->setObjectName(QStringLiteral("Edit9"));
    LabelstartUe = new QLabel(this);
    LabelstartUe->setObjectName(QStringLiteral("LabelstartUe"));
    startZeile->addWidget(Label22);
    startZeile->addWidget(Edit9);
    startZeile->addWidget(LabelstartUe, 1);
    v->addLayout(startZeile);

    auto* bahnZeile = new QHBoxLayout;
    CheckBoxBahnUe = new QCheckBox(this);
    CheckBoxBahnUe->setObjectName(QStringLiteral("CheckBoxBahnUe"));
    CheckBoxBahnUe->setChecked(true);
    CheckBoxFarbe = new QCheckBox(this);
    CheckBoxFarbe->setObjectName(QStringLiteral("CheckBoxFarbe"));
    bahnZeile->addWidget(CheckBoxBahnUe);
    bahnZeile->addWidget(CheckBoxFarbe);
    v->addLayout(bahnZeile);

    RadioGroupInnAuss = new QGroupBox(this);
    RadioGroupInnAuss->setObjectName(QStringLiteral("RadioGroupInnAuss"));
    auto* g = new QGridLayout(RadioGroupInnAuss);
    for (int i = 0; i < 6; ++i) {
        konfigurationen[static_cast<size_t>(i)] = new QRadioButton(RadioGroupInnAuss);
        g->addWidget(konfigurationen[static_cast<size_t>(i)], i % 3, i / 3);
        connect(konfigurationen[static_cast<size_t>(i)], &QRadioButton::clicked, this,
                &TFormUe::RadioGroupInnAussClick);
    }
    konfigurationen[0]->setChecked(true);
    v->addWidget(RadioGroupInnAuss);

    auto* koerperZeile = new QHBoxLayout;
    RadioGroupZentrum = new QGroupBox(this);
    RadioGroupZentrum->setObjectName(QStringLiteral("RadioGroupZentrum"));
    auto* zv = new QVBoxLayout(RadioGroupZentrum);
    for (int i = 0; i < 10; ++i) {
        zentren[static_cast<size_t>(i)] = new QRadioButton(RadioGroupZentrum);
        zv->addWidget(zentren[static_cast<size_t>(i)]);
        connect(zentren[static_cast<size_t>(i)], &QRadioButton::clicked, this, &TFormUe::RadioGroupZentrumClick);
    }
    zentren[0]->setChecked(true);
    koerperZeile->addWidget(RadioGroupZentrum);

    GroupBox1 = new QGroupBox(this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto* pv = new QVBoxLayout(GroupBox1);
    for (int b = 1; b <= 9; ++b) {
        auto* c = new QCheckBox(GroupBox1);
        c->setObjectName(QString::fromLatin1(PlanetNamen[b]));
        c->setChecked(b <= 4);
        c->setEnabled(false);
        pv->addWidget(c);
        connect(c, &QCheckBox::clicked, this, &TFormUe::CheckBoxCeClick);
        planeten[static_cast<size_t>(b)] = c;
    }
    pv->addStretch(1);
    koerperZeile->addWidget(GroupBox1);

    GroupBox2 = new QGroupBox(this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto* kg = new QGridLayout(GroupBox2);
    for (int i = 0; i < 12; ++i) {
        auto* c = new QCheckBox(GroupBox2);
        c->setObjectName(QString::fromLatin1(KleinplanetNamen[i]));
        c->setEnabled(false);
        kg->addWidget(c, i % 6, i / 6);
        connect(c, &QCheckBox::clicked, this, &TFormUe::CheckBoxCeClick);
        kleinplaneten[static_cast<size_t>(i)] = c;
    }
    koerperZeile->addWidget(GroupBox2);
    v->addLayout(koerperZeile);

    auto* keZeile = new QHBoxLayout;
    CheckBoxKE = new QCheckBox(this);
    CheckBoxKE->setObjectName(QStringLiteral("CheckBoxKE"));
    CheckBoxMo = new QCheckBox(this);
    CheckBoxMo->setObjectName(QStringLiteral("CheckBoxMo"));
    CheckBoxMo->setEnabled(false);
    keZeile->addWidget(CheckBoxKE);
    keZeile->addWidget(CheckBoxMo);
    v->addLayout(keZeile);

    CheckBoxDA = new QCheckBox(this);
    CheckBoxDA->setObjectName(QStringLiteral("CheckBoxDA"));
    v->addWidget(CheckBoxDA);
    auto* daZeile = new QHBoxLayout;
    Label1 = new QLabel(this);
    EditSchr = new QLineEdit(QStringLiteral("1"), this);
    EditSchr->setObjectName(QStringLiteral("EditSchr"));
    Label2 = new QLabel(this);
    EditAnz = new QLineEdit(QStringLiteral("50"), this);
    EditAnz->setObjectName(QStringLiteral("EditAnz"));
    daZeile->addWidget(Label1);
    daZeile->addWidget(EditSchr);
    daZeile->addWidget(Label2);
    daZeile->addWidget(EditAnz);
    v->addLayout(daZeile);
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(EditSchr), static_cast<QWidget*>(Label2),
                       static_cast<QWidget*>(EditAnz)}) {
        // Their place is kept while they are hidden: the dialog keeps one
        // height and its groups do not stretch.
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
        w->setVisible(false);
    }

    Button1 = new QPushButton(this);
    Button1->setObjectName(QStringLiteral("Button1"));
    v->addWidget(Button1);

    shell::Zahlenfilter::anbringen(Edit9, shell::Filterart::Vorzeichen, 15);
    shell::Zahlenfilter::anbringen(EditSchr, shell::Filterart::Positiv);
    shell::Zahlenfilter::anbringen(EditAnz, shell::Filterart::Ziffern);
    startfeld = new shell::Startfeld(Edit9, LabelstartUe, [this] { return CheckBoxMo->isChecked() ? 3 : 2; });
    if (form1_)
        shell::Startfelder::von(form1_).anmelden(shell::Darstellung::Ueberblick, startfeld);

    connect(CheckBoxBahnUe, &QCheckBox::toggled, this, &TFormUe::CheckBoxBahnUeClick);
    connect(CheckBoxKE, &QCheckBox::clicked, this, &TFormUe::CheckBoxKEClick);
    connect(CheckBoxMo, &QCheckBox::clicked, this, &TFormUe::CheckBoxMoClick);
    // Also when the end of a data-only run unchecks the box.
    connect(CheckBoxDA, &QCheckBox::toggled, this, &TFormUe::CheckBoxDAClick);
    connect(EditSchr, &QLineEdit::textChanged, this, &TFormUe::EditSchrChange);
    connect(EditAnz, &QLineEdit::textChanged, this, &TFormUe::EditAnzChange);
    connect(Button1, &QPushButton::clicked, this, &TFormUe::Button1Click);
    CheckBoxBahnUeClick();

    retranslate();
}

void TFormUe::retranslate()
{
    setWindowTitle(Q("dialog.ue.titel"));
    Label22->setText(Q("ue.start"));
    Label22->setToolTip(Q("ue.start.hinweis"));
    LabelstartUe->setToolTip(Q("ue.datum.hinweis"));
    CheckBoxBahnUe->setText(Q("ue.bahnen"));
    CheckBoxBahnUe->setToolTip(Q("ue.bahnen.hinweis"));
    CheckBoxFarbe->setText(Q("ue.farbig"));
    CheckBoxFarbe->setToolTip(Q("ue.farbig.hinweis"));
    RadioGroupInnAuss->setTitle(Q("ue.konfiguration"));
    RadioGroupInnAuss->setToolTip(Q("ue.konfiguration.hinweis"));
    for (int i = 0; i < 6; ++i) {
        const std::string k = "ue.konf." + std::to_string(i);
        konfigurationen[static_cast<size_t>(i)]->setText(Q(k.c_str()));
    }
    RadioGroupZentrum->setTitle(Q("ue.zentrum"));
    RadioGroupZentrum->setToolTip(Q("ue.zentrum.hinweis"));
    for (int i = 0; i < 10; ++i)
        zentren[static_cast<size_t>(i)]->setText(QString::fromStdString(sprache::koerperName(i)));
    GroupBox1->setTitle(Q("ue.planeten"));
    GroupBox1->setToolTip(Q("ue.planeten.hinweis"));
    for (int b = 1; b <= 9; ++b)
        planeten[static_cast<size_t>(b)]->setText(QString::fromStdString(sprache::koerperName(b)));
    GroupBox2->setTitle(Q("ue.kleinplaneten"));
    GroupBox2->setToolTip(Q(konfiguration() == 5 ? "ue.kleinplaneten.frei" : "ue.konfiguration.hinweis"));
    for (int i = 0; i < 12; ++i)
        kleinplaneten[static_cast<size_t>(i)]->setText(QString::fromStdString(sprache::koerperName(10 + i)));
    CheckBoxKE->setText(Q("ue.ohneEntfernungen"));
    CheckBoxKE->setToolTip(Q("ue.ohneEntfernungen.hinweis"));
    CheckBoxMo->setText(Q("ue.mond"));
    CheckBoxMo->setToolTip(Q("ue.mond.hinweis"));
    CheckBoxDA->setText(Q("ue.daten"));
    CheckBoxDA->setToolTip(Q("ue.daten.hinweis"));
    Label1->setText(Q("ue.schrittweite"));
    EditSchr->setToolTip(Q("ue.schrittweite.hinweis"));
    Label2->setText(Q("ue.anzahl"));
    EditAnz->setToolTip(Q("ue.anzahl.hinweis"));
    Button1->setText(Q("ue.okay"));
    startfeld->retranslate();
}

int TFormUe::konfiguration() const
{
    for (int i = 0; i < 6; ++i)
        if (konfigurationen[static_cast<size_t>(i)]->isChecked())
            return i;
    return 0;
}

int TFormUe::zentrum() const
{
    for (int i = 0; i < 10; ++i)
        if (zentren[static_cast<size_t>(i)]->isChecked())
            return i;
    return 0;
}

QCheckBox* TFormUe::koerperBox(int b) const
{
    if (b >= 1 && b <= 9)
        return planeten[static_cast<size_t>(b)];
    if (b >= 10 && b <= 21)
        return kleinplaneten[static_cast<size_t>(b - 10)];
    return nullptr;
}

figures::UeberblickEingabe TFormUe::eingabe()
{
    figures::UeberblickEingabe e;
    std::string start = Edit9->text().toStdString();
    e.starttag = shell::StartzeitLesen(start);
    if (QString::fromStdString(start) != Edit9->text())
        Edit9->setText(QString::fromStdString(start));
    e.konfiguration = konfiguration();
    e.zentrum = zentrum();
    for (int b = 1; b <= 21; ++b)
        e.koerper[static_cast<size_t>(b)] = koerperBox(b)->isChecked();
    e.mond = CheckBoxMo->isChecked();
    e.bahnen = CheckBoxBahnUe->isChecked();
    e.farbig = CheckBoxFarbe->isChecked();
    e.ohneEntfernungen = CheckBoxKE->isChecked();
    e.nurDatenausgabe = CheckBoxDA->isChecked();
    e.datenSchrittweite = std::max(QLocale::c().toDouble(EditSchr->text()), 1e-6);
    e.datenAnzahl = std::max(EditAnz->text().toInt(), 1);
    return e;
}

void TFormUe::RadioGroupInnAussClick()
{
    const int i = konfiguration();
    if (i < 5) {
        for (int b = 1; b <= 9; ++b) {
            planeten[static_cast<size_t>(b)]->setChecked((Vorgaben[static_cast<size_t>(i)] >> b) & 1u);
            planeten[static_cast<size_t>(b)]->setEnabled(false);
        }
        for (QCheckBox* c : kleinplaneten)
            c->setEnabled(false);
        GroupBox2->setToolTip(Q("ue.konfiguration.hinweis"));
        return;
    }
    for (int b = 1; b <= 9; ++b)
        planeten[static_cast<size_t>(b)]->setEnabled(true);
    for (QCheckBox* c : kleinplaneten)
        c->setEnabled(true);
    GroupBox2->setToolTip(Q("ue.kleinplaneten.frei"));
    CheckBoxCeClick();
}

void TFormUe::max9()
{
    if (max9Gezeigt_)
        return;
    max9Gezeigt_ = true;
    meldung(this, Q("ue.korrigieren"), Q("ue.max9"));
}

void TFormUe::CheckBoxCeClick()
{
    max9Gezeigt_ = false;
    const int z = zentrum();
    // A centre planet whose own box is unchecked holds a place of its own.
    const int zentrumExtra = (z >= 1 && z <= 9 && !planeten[static_cast<size_t>(z)]->isChecked()) ? 1 : 0;
    int anzahl = zentrumExtra;
    for (int b = 1; b <= 9; ++b)
        if (planeten[static_cast<size_t>(b)]->isChecked())
            ++anzahl;
    if (konfiguration() == 5) {
        for (QCheckBox* c : kleinplaneten) {
            if (!c->isChecked())
                continue;
            if (++anzahl > 9) {
                c->setChecked(false);
                max9();
                break;
            }
        }
    }
    anzahl -= zentrumExtra;
    if (anzahl <= 0) {
        meldung(this, Q("ue.korrigieren"), Q("ue.min1"));
        planeten[3]->setChecked(true);
    }
}

void TFormUe::RadioGroupZentrumClick()
{
    const int z = zentrum();
    if (CheckBoxKE->isChecked()) {
        CheckBoxMo->setEnabled(z == 3);
        if (z != 3)
            CheckBoxMo->setChecked(false);
    }
    if (z != 0 && ersteZentrumswahl_) {
        ersteZentrumswahl_ = false;
        CheckBoxBahnUe->setChecked(false);
    }
    CheckBoxCeClick();
}

void TFormUe::CheckBoxBahnUeClick() { CheckBoxFarbe->setEnabled(CheckBoxBahnUe->isChecked()); }

void TFormUe::CheckBoxKEClick()
{
    if (!CheckBoxKE->isChecked()) {
        CheckBoxMo->setChecked(false);
        CheckBoxMo->setEnabled(false);
        ohneEntfernungen_ = false;
        if (form1_)
            if (QAction* a = form1_->aktionen()[shell::Menuepunkt::AusgabeKonj])
                a->setEnabled(true);
        return;
    }
    if (ersteOhneEntfernungen_) {
        ersteOhneEntfernungen_ = false;
        CheckBoxBahnUe->setChecked(false);
        if (form1_) {
            // The zodiac constellations through their menu command, so that
            // its check mark, the run configuration and the background follow.
            if (QAction* a = form1_->aktionen()[shell::Menuepunkt::Sternzeichen1])
                if (!a->isChecked())
                    a->trigger();
            form1_->drehReglerSetzen(60, 30, 0);
        }
    }
    CheckBoxMo->setEnabled(zentrum() == 3);
    CheckBoxDA->setChecked(false);
    ohneEntfernungen_ = true;
    if (!form1_)
        return;
    // No data table for a view without distances.
    if (QAction* a = form1_->aktionen()[shell::Menuepunkt::AusgabeKonj]) {
        if (a->isChecked())
            a->trigger();
        a->setEnabled(false);
    }
    if (QAction* a = form1_->aktionen()[shell::Menuepunkt::Datenspeichern1])
        a->setEnabled(false);
    if (QWidget* memo = form1_->memoAusgabe())
        memo->setVisible(false);
}


void TFormUe::CheckBoxMoClick()
{
    if (!CheckBoxMo->isChecked())
        return;
    // The Moon narrows the start to the limit of the lunar theory (the run
    // narrows its own limit when it starts).
    if (std::fabs(startfeld->wert()) > astro::GrenzeHoheGenauigkeit)
        Edit9->setText(QStringLiteral("0"));
}

void TFormUe::CheckBoxDAClick()
{
    const bool an = CheckBoxDA->isChecked();
    if (an && CheckBoxKE->isChecked()) {
        CheckBoxKE->setChecked(false);
        CheckBoxKEClick();
    }
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(EditSchr), static_cast<QWidget*>(Label2),
                       static_cast<QWidget*>(EditAnz)})
        w->setVisible(an);
    if (an)
        EditSchr->setFocus();
    // The rows of a data-only run have their own place: "Datenausgabe"
    // (the table beside the figure) goes off.
    if (an && form1_)
        if (QAction* a = form1_->aktionen()[shell::Menuepunkt::AusgabeKonj]; a && a->isChecked())
            a->trigger();
    if (form1_ && an)
        memoAndocken();
}

void TFormUe::memoAndocken()
{
    // The rows of a data-only run fill the drawing area to the right of the
    // control panel's column.
    QWidget* memo = form1_->memoAusgabe();
    const QWidget* flaeche = form1_->zeichenflaecheWidget();
    if (!memo || !flaeche)
        return;
    const double ppz = form1_->zustand().PixelProZoll;
    int links = ppz > 96 ? static_cast<int>(168 * ppz / 96.0) : 168;
    // The table starts right of the control panel, however wide its fonts
    // make it.
    if (const QWidget* panel = form1_->bedienfeld(); panel && panel->isVisible()) {
        const int rechts = flaeche->mapFromGlobal(panel->frameGeometry().topRight()).x() + 4;
        if (rechts > links && rechts < flaeche->width() / 2)
            links = rechts;
    }
    memo->setGeometry(links, 0, std::max(flaeche->width() - links, 100), flaeche->height());
    memo->setVisible(true);
    memo->raise();
}

void TFormUe::EditSchrChange() { ZahlfeldRegel(EditSchr, 100000); }
void TFormUe::EditAnzChange() { ZahlfeldRegel(EditAnz, 10000); }

void TFormUe::Button1Click() { eingabeOkay(); }

void TFormUe::gewaehlt(bool neu)
{
    ueberblickGewaehlt();
    if (!neu)
        return;
    CheckBoxFarbe->setChecked(false);
    CheckBoxKEClick();
}

void TFormUe::datenOnlyBeendet() { CheckBoxDA->setChecked(false); }

void TFormUe::schliessenRegeln()
{
    bool irgendeiner = false;
    for (int b = 1; b <= 21; ++b)
        irgendeiner = irgendeiner || koerperBox(b)->isChecked();
    if (!irgendeiner)
        planeten[3]->setChecked(true);
}

} // namespace ui
