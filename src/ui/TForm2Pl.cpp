#include "ui/TForm2Pl.h"

#include "astro/Gueltigkeit.h"
#include "astro/Koerper.h"
#include "figures/Ansicht.h"
#include "shell/TForm1.h"
#include "shell/Vorbereitung.h"
#include "shell/Zahlenfeld.h"
#include "sprache/Koerpernamen.h"
#include "ui/Sprachwechsel.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>

namespace ui {

using shell::Menuepunkt;

namespace {

QString Q(const char* schluessel) { return TQ(schluessel); }

template <size_t N> int Index(const std::array<QRadioButton*, N>& knoepfe)
{
    for (size_t i = 0; i < N; ++i)
        if (knoepfe[i]->isChecked())
            return static_cast<int>(i);
    return 0;
}

QGroupBox* Gruppe(QWidget* eltern, const char* name)
{
    auto* g = new QGroupBox(eltern);
    g->setObjectName(QString::fromLatin1(name));
    return g;
}

QCheckBox* Box(QWidget* eltern, const char* name, bool an)
{
    auto* c = new QCheckBox(eltern);
    c->setObjectName(QString::fromLatin1(name));
    c->setChecked(an);
    return c;
}

} // namespace

std::function<void(QWidget*, const QString&, const QString&)> TForm2Pl::meldung =
    [](QWidget* eltern, const QString& titel, const QString& text) { QMessageBox::information(eltern, titel, text); };

TForm2Pl::TForm2Pl(shell::TForm1* form1, QWidget* eltern) : Eingabedialog(form1, "TForm2Pl", eltern)
{
    auto* v = new QVBoxLayout(this);

    // Start day and step width.
    auto* kopf = new QGridLayout;
    Label19 = new QLabel(this);
    Edit8 = new QLineEdit(QStringLiteral("0"), this);
    Edit8->setObjectName(QStringLiteral("Edit8"));
    Labelstart2Pl = new QLabel(this);
    Labelstart2Pl->setObjectName(QStringLiteral("Labelstart2Pl"));
    Label3 = new QLabel(this);
    Edit1 = new QLineEdit(QStringLiteral("4"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    for (QLineEdit* e : {Edit8, Edit1})
        e->setFixedWidth(px(110));
    kopf->addWidget(Label19, 0, 0);
    kopf->addWidget(Edit8, 1, 0);
    kopf->addWidget(Labelstart2Pl, 2, 0);
    kopf->addWidget(Label3, 0, 2);
    kopf->addWidget(Edit1, 1, 2);
    kopf->setColumnStretch(1, 1);
    v->addLayout(kopf);

    // Centre and the two planets.
    auto* koerperZeile = new QHBoxLayout;
    RadioGroup2 = Gruppe(this, "RadioGroup2");
    auto* zv = new QVBoxLayout(RadioGroup2);
    for (size_t i = 0; i < zentren.size(); ++i) {
        zentren[i] = new QRadioButton(RadioGroup2);
        zv->addWidget(zentren[i]);
    }
    zentren[0]->setChecked(true);
    koerperZeile->addWidget(RadioGroup2);
    RadioGroup3 = Gruppe(this, "RadioGroup3");
    RadioGroup4 = Gruppe(this, "RadioGroup4");
    for (size_t i = 0; i < planeten1.size(); ++i) {
        planeten1[i] = new QRadioButton(RadioGroup3);
        planeten2[i] = new QRadioButton(RadioGroup4);
    }
    planeten1[1]->setChecked(true); // Venus
    planeten2[1]->setChecked(true); // Earth
    koerperZeile->addWidget(RadioGroup3, 0, Qt::AlignTop);
    koerperZeile->addWidget(RadioGroup4, 0, Qt::AlignTop);
    koerperZeile->addStretch(1);
    v->addLayout(koerperZeile);

    // What is drawn of the planets.
    auto* zeichnen = new QGridLayout;
    CheckBox1 = Box(this, "CheckBox1", true);
    CheckBox4 = Box(this, "CheckBox4", true);
    CheckBox3 = Box(this, "CheckBox3", true);
    CheckBoxBahn = Box(this, "CheckBoxBahn", false);
    CheckBoxBahn2 = Box(this, "CheckBoxBahn2", false);
    CheckBoxSonne = Box(this, "CheckBoxSonne", false);
    CheckBoxSonne->setEnabled(false);
    LabelSonne = new QLabel(this);
    LabelSonne->setObjectName(QStringLiteral("LabelSonne"));
    LabelSonne->setEnabled(false);
    auto* sonneZeile = new QHBoxLayout;
    sonneZeile->addWidget(CheckBoxSonne);
    sonneZeile->addWidget(LabelSonne, 1);
    zeichnen->addWidget(CheckBox1, 0, 0);
    zeichnen->addWidget(CheckBox4, 1, 0);
    zeichnen->addWidget(CheckBox3, 2, 0);
    zeichnen->addWidget(CheckBoxBahn, 0, 1);
    zeichnen->addWidget(CheckBoxBahn2, 1, 1);
    zeichnen->addLayout(sonneZeile, 2, 1);
    zeichnen->setColumnStretch(1, 1);
    v->addLayout(zeichnen);

    // Link lines and their points.
    auto* rgZeile = new QHBoxLayout;
    CheckBox2 = Box(this, "CheckBox2", false);
    rgZeile->addWidget(CheckBox2, 0, Qt::AlignTop);
    RadioGroup1 = Gruppe(this, "RadioGroup1");
    auto* pv = new QVBoxLayout(RadioGroup1);
    for (size_t i = 0; i < punkte.size(); ++i) {
        punkte[i] = new QRadioButton(RadioGroup1);
        pv->addWidget(punkte[i]);
        connect(punkte[i], &QRadioButton::toggled, this, &TForm2Pl::RadioGroup1Click);
    }
    punkte[2]->setChecked(true);
    rgZeile->addWidget(RadioGroup1, 1);
    v->addLayout(rgZeile);

    // Conjunction and opposition stars and the orbit they are drawn in.
    auto* sternZeile = new QHBoxLayout;
    auto* sternBoxen = new QVBoxLayout;
    CheckBoxKonj = Box(this, "CheckBoxKonj", false);
    CheckBoxOppo = Box(this, "CheckBoxOppo", false);
    sternBoxen->addWidget(CheckBoxKonj);
    sternBoxen->addWidget(CheckBoxOppo);
    sternZeile->addLayout(sternBoxen);
    RadioGroupInnAuss = Gruppe(this, "RadioGroupInnAuss");
    auto* sh = new QHBoxLayout(RadioGroupInnAuss);
    for (size_t i = 0; i < sternBahnen.size(); ++i) {
        sternBahnen[i] = new QRadioButton(RadioGroupInnAuss);
        sh->addWidget(sternBahnen[i]);
    }
    sternBahnen[1]->setChecked(true);
    RadioGroupInnAuss->setEnabled(false);
    sternZeile->addWidget(RadioGroupInnAuss, 1);
    v->addLayout(sternZeile);

    // The loops seen from the Earth.
    auto* schleifenZeile = new QHBoxLayout;
    CheckBoxSchleifen = Box(this, "CheckBoxSchleifen", false);
    LabelSchleifen = new QLabel(this);
    LabelSchleifen->setObjectName(QStringLiteral("LabelSchleifen"));
    schleifenZeile->addWidget(CheckBoxSchleifen);
    schleifenZeile->addWidget(LabelSchleifen, 1);
    v->addLayout(schleifenZeile);

    Button4 = new QPushButton(this);
    Button4->setObjectName(QStringLiteral("Button4"));
    v->addWidget(Button4);

    // The labels beside their boxes click them, as a box's own caption does.
    LabelSonne->installEventFilter(this);
    LabelSchleifen->installEventFilter(this);

    shell::Zahlenfilter::anbringen(Edit8, shell::Filterart::Vorzeichen, 15);
    shell::Zahlenfilter::anbringen(Edit1, shell::Filterart::Positiv, 15);
    startfeld = new shell::Startfeld(Edit8, Labelstart2Pl, [this] { return startklasse(); });
    if (form1_)
        shell::Startfelder::von(form1_).anmelden(shell::Darstellung::ZweiPlaneten, startfeld);

    // A click on the group's chosen item changes nothing.
    auto koerperGeklickt = [this] {
        if (zentrum() != wahl_.zentrum || planet1() != wahl_.planet1 || planet2() != wahl_.planet2)
            RadioGroup2Click();
    };
    for (QRadioButton* r : zentren)
        connect(r, &QRadioButton::clicked, this, koerperGeklickt);
    for (size_t i = 0; i < planeten1.size(); ++i) {
        connect(planeten1[i], &QRadioButton::clicked, this, koerperGeklickt);
        connect(planeten2[i], &QRadioButton::clicked, this, koerperGeklickt);
    }
    connect(Edit1, &QLineEdit::textChanged, this, &TForm2Pl::Edit1Change);
    connect(Edit1, &QLineEdit::editingFinished, this, &TForm2Pl::Edit1Exit);
    connect(CheckBoxBahn, &QCheckBox::clicked, this, &TForm2Pl::Edit1Exit);
    connect(CheckBoxBahn2, &QCheckBox::clicked, this, &TForm2Pl::Edit1Exit);
    // The guide line follows whatever changes one of its two sides.
    for (QCheckBox* c : {CheckBox1, CheckBox4, CheckBoxSonne, CheckBoxBahn, CheckBoxBahn2})
        connect(c, &QCheckBox::toggled, this, &TForm2Pl::CheckBox1Click);
    connect(CheckBoxKonj, &QCheckBox::toggled, this, &TForm2Pl::CheckBoxKonjClick);
    connect(CheckBoxOppo, &QCheckBox::toggled, this, &TForm2Pl::CheckBoxKonjClick);
    connect(CheckBoxSchleifen, &QCheckBox::clicked, this, &TForm2Pl::CheckBoxSchleifenClick);
    connect(Button4, &QPushButton::clicked, this, &TForm2Pl::Button4Click);

    planetenlistenSetzen();
    retranslate();
    RadioGroup2Click();
    menueAnbinden();
}

// ---------------------------------------------------------------------------
// Menu items

QAction* TForm2Pl::aktion(Menuepunkt p) const { return form1_ ? form1_->aktionen()[p] : nullptr; }

bool TForm2Pl::an(Menuepunkt p) const
{
    const QAction* a = aktion(p);
    return a && a->isChecked();
}

void TForm2Pl::menueAnbinden()
{
    if (!form1_)
        return;
    // The items are built by the menu commands, which may come after the
    // dialog: each is followed from the first time it is there.
    if (QAction* a = aktion(Menuepunkt::Kleinplaneten1); a && a != kleinplanetenAktion_) {
        kleinplanetenAktion_ = a;
        connect(a, &QAction::toggled, this, &TForm2Pl::kleinplanetenGeschaltet);
        if (a->isChecked() != kleinplaneten_)
            kleinplanetenGeschaltet(a->isChecked());
    }
    if (QAction* a = aktion(Menuepunkt::VorschlagSchrittweite1); a && a != vorschlagAktion_) {
        vorschlagAktion_ = a;
        connect(a, &QAction::toggled, this, &TForm2Pl::vorschlagGeschaltet);
    }
    if (QAction* a = aktion(Menuepunkt::sofort1); a && a != sofortAktion_) {
        sofortAktion_ = a;
        connect(a, &QAction::toggled, this, &TForm2Pl::sofortGeschaltet);
        sofortGeschaltet(a->isChecked());
    }
    if (QAction* a = aktion(Menuepunkt::Genauigkeit1); a && a != genauigkeitAktion_) {
        genauigkeitAktion_ = a;
        // The start hint names the range of the accuracy.
        connect(a, &QAction::toggled, this, [this] { startfeld->retranslate(); });
        startfeld->retranslate();
    }
}

void TForm2Pl::showEvent(QShowEvent* e)
{
    menueAnbinden();
    Eingabedialog::showEvent(e);
}

void TForm2Pl::gewaehlt(bool neu)
{
    menueAnbinden();
    if (kleinplanetenAktion_ && kleinplanetenAktion_->isChecked() != kleinplaneten_)
        kleinplanetenGeschaltet(kleinplanetenAktion_->isChecked());
    // The command checks "Vorschlag Schrittweite": the proposal follows it.
    if (const bool vorschlag = vorschlagAktion_ ? vorschlagAktion_->isChecked() : true; vorschlag != vorschlagAn_)
        vorschlagGeschaltet(vorschlag);
    if (!neu)
        return;
    sofortGeschaltet(an(Menuepunkt::sofort1));
    RadioGroup1Click();
    if (CheckBoxSchleifen->isChecked())
        CheckBoxSchleifenClick();
}

bool TForm2Pl::figurenDrehungMoeglich() const { return CheckBoxKonj->isChecked() || CheckBoxOppo->isChecked(); }

bool TForm2Pl::datenausgabeMoeglich() const { return !CheckBoxSchleifen->isChecked(); }

void TForm2Pl::kleinplanetenGeschaltet(bool ein)
{
    kleinplaneten_ = ein;
    if (ein) {
        zentrumshinweis_ = Zentrumshinweis::Leer;
        // At high accuracy the start stays within the run's limit.
        if (form1_ && an(Menuepunkt::Genauigkeit1)) {
            const double grenze = form1_->zustand().Gueltigkeitsgrenze;
            const double start = startfeld->wert();
            const double begrenzt = astro::StartzeitBegrenzen(start, grenze);
            if (begrenzt != start)
                Edit8->setText(QLocale::c().toString(begrenzt, 'g', 15));
        }
    } else {
        zentrumshinweis_ = Zentrumshinweis::OhneKleinplaneten;
        planeten1[1]->setChecked(true);
        planeten2[1]->setChecked(true);
    }
    planetenlistenSetzen();
    retranslate();
    RadioGroup2Click();
}

void TForm2Pl::vorschlagGeschaltet(bool ein)
{
    vorschlagAn_ = ein;
    if (ein)
        Edit1->setText(QString::number(vorschlag_));
}

void TForm2Pl::sofortGeschaltet(bool ein)
{
    // An immediate result shows no planets and no guide line.
    CheckBox1->setEnabled(!ein);
    CheckBox4->setEnabled(!ein);
    CheckBox1Click();
}

// ---------------------------------------------------------------------------
// Controls

int TForm2Pl::zentrum() const { return Index(zentren); }
int TForm2Pl::planet1() const { return Index(planeten1) + 1; }
int TForm2Pl::planet2() const { return Index(planeten2) + 2; }
int TForm2Pl::mittelpunktwahl() const { return Index(punkte); }

bool TForm2Pl::zentrumImPaar() const
{
    const int z = zentrum();
    return z == planet1() || z == planet2();
}

int TForm2Pl::startklasse() const
{
    if (an(Menuepunkt::Genauigkeit1))
        return 3;
    return NurAeussere2Pl(planet1(), planet2(), zentrum()) ? 1 : 2;
}

double TForm2Pl::schrittweite(bool* ok) const
{
    const auto w = shell::ZahlLesen(Edit1->text().toStdString());
    const bool gut = w && std::isfinite(*w) && *w > 0;
    if (ok)
        *ok = gut;
    return gut ? *w : 1.0;
}

QString TForm2Pl::planetenname(int koerper) const
{
    if (!kleinplaneten_)
        return QString::fromStdString(sprache::koerperName(koerper));
    const std::string_view kurz = astro::KoerperKurzname(koerper);
    return QString::fromLatin1(kurz.data(), static_cast<qsizetype>(kurz.size()));
}

void TForm2Pl::planetenlistenSetzen()
{
    // Without minor planets one column of long names (Mercury .. Neptune,
    // Venus .. Pluto); with them two columns of ten short names.
    const int anzahl = kleinplaneten_ ? 20 : 8;
    for (auto [gruppe, knoepfe] : {std::pair{RadioGroup3, &planeten1}, std::pair{RadioGroup4, &planeten2}}) {
        // A new grid for the new shape: the group takes the size of its items.
        delete gruppe->layout();
        auto* raster = new QGridLayout(gruppe);
        for (int i = 0; i < 20; ++i) {
            QRadioButton* r = (*knoepfe)[static_cast<size_t>(i)];
            r->setVisible(i < anzahl);
            if (i < anzahl)
                raster->addWidget(r, kleinplaneten_ ? i % 10 : i, kleinplaneten_ ? i / 10 : 0);
        }
        gruppe->updateGeometry();
    }
    if (layout())
        layout()->invalidate();
}

void TForm2Pl::retranslate()
{
    setWindowTitle(Q("2pl.titel"));
    Label19->setText(Q("2pl.start"));
    Label19->setToolTip(Q("2pl.start.hinweis"));
    Label3->setText(Q("2pl.schrittweite"));
    Edit1->setToolTip(Q("2pl.schrittweite.hinweis"));
    Label3->setToolTip(Q("2pl.schrittweite.hinweis"));
    RadioGroup2->setTitle(Q("2pl.zentrum"));
    RadioGroup2->setToolTip(zentrumshinweis_ == Zentrumshinweis::Leer ? QString()
                            : zentrumshinweis_ == Zentrumshinweis::Anfang ? Q("2pl.zentrum.hinweis")
                                                                         : Q("2pl.zentrum.hinweis.aus"));
    for (size_t i = 0; i < zentren.size(); ++i)
        zentren[i]->setText(QString::fromStdString(sprache::koerperName(static_cast<int>(i))));
    RadioGroup3->setTitle(Q("2pl.planet1"));
    RadioGroup3->setToolTip(Q("2pl.planet1.hinweis"));
    RadioGroup4->setTitle(Q("2pl.planet2"));
    RadioGroup4->setToolTip(Q("2pl.planet2.hinweis"));
    for (size_t i = 0; i < planeten1.size(); ++i) {
        planeten1[i]->setText(planetenname(static_cast<int>(i) + 1));
        planeten2[i]->setText(planetenname(static_cast<int>(i) + 2));
    }
    CheckBox1->setText(Q("2pl.planet1zeichnen"));
    CheckBox4->setText(Q(zentrumImPaar() ? "2pl.sonnezeichnen" : "2pl.planet2zeichnen"));
    CheckBox3->setText(Q("2pl.fuehrungslinie"));
    CheckBoxBahn->setText(Q("2pl.bahn1"));
    CheckBoxBahn2->setText(Q("2pl.bahn2"));
    LabelSonne->setText(Q("2pl.sonnenbahn"));
    CheckBoxSonne->setToolTip(Q("2pl.sonnenbahn.hinweis"));
    LabelSonne->setToolTip(Q("2pl.sonnenbahn.hinweis"));
    CheckBox2->setText(Q("2pl.raumgeraden"));
    for (size_t i = 0; i < punkte.size(); ++i)
        punkte[i]->setText(Q(("2pl.punkte." + std::to_string(i)).c_str()));
    RadioGroup1->setToolTip(Q("2pl.punkte.hinweis"));
    CheckBoxKonj->setText(Q("2pl.konj"));
    CheckBoxOppo->setText(Q("2pl.oppo"));
    CheckBoxKonj->setToolTip(Q("2pl.sterne.hinweis"));
    CheckBoxOppo->setToolTip(Q("2pl.sterne.hinweis"));
    for (size_t i = 0; i < sternBahnen.size(); ++i)
        sternBahnen[i]->setText(Q(("2pl.sternbahn." + std::to_string(i)).c_str()));
    RadioGroupInnAuss->setToolTip(Q("2pl.sternbahn.hinweis"));
    LabelSchleifen->setText(Q("2pl.schleifen"));
    CheckBoxSchleifen->setToolTip(Q("2pl.schleifen.hinweis"));
    LabelSchleifen->setToolTip(Q("2pl.schleifen.hinweis"));
    Button4->setText(Q("2pl.okay"));
    startfeld->retranslate();
}

bool TForm2Pl::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
        QCheckBox* box = o == LabelSonne ? CheckBoxSonne : o == LabelSchleifen ? CheckBoxSchleifen : nullptr;
        if (box && box->isEnabled()) {
            box->click();
            return true;
        }
    }
    return Eingabedialog::eventFilter(o, e);
}

figures::ZweiPlanetenEingabe TForm2Pl::eingabe()
{
    figures::ZweiPlanetenEingabe e;
    std::string start = Edit8->text().toStdString();
    e.starttag = shell::StartzeitLesen(start);
    if (QString::fromStdString(start) != Edit8->text())
        Edit8->setText(QString::fromStdString(start));
    bool ok = false;
    e.schrittweite = schrittweite(&ok);
    if (!ok)
        Edit1->setText(QStringLiteral("1"));
    e.zentrum = zentrum();
    e.planet1 = planet1();
    e.planet2 = planet2();
    e.planet1Zeichnen = CheckBox1->isChecked();
    e.planet2Zeichnen = CheckBox4->isChecked();
    e.fuehrungslinie = CheckBox3->isChecked();
    e.bahn1 = CheckBoxBahn->isChecked();
    e.bahn2 = CheckBoxBahn2->isChecked();
    e.sonnenbahn = CheckBoxSonne->isChecked();
    e.raumgeraden = CheckBox2->isChecked();
    e.mittelpunkte = mittelpunktwahl();
    e.konjunktionsstern = CheckBoxKonj->isChecked();
    e.oppositionsstern = CheckBoxOppo->isChecked();
    e.sternBahn = Index(sternBahnen);
    e.schleifen = CheckBoxSchleifen->isChecked();
    bahnPruefen(false);
    planetozentrisch_ = !zentrumImPaar();
    e.planetozentrisch = planetozentrisch_;
    e.grobeBahn = grobeBahn_;
    return e;
}

} // namespace ui
