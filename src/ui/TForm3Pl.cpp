#include "ui/TForm3Pl.h"

#include "astro/Gueltigkeit.h"
#include "astro/Koerper.h"
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
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <utility>

namespace ui {

using shell::Menuepunkt;

namespace {

QString Q(const char* schluessel) { return TQ(schluessel); }

// Component names of the body boxes by body number.
const char* const BoxNamen[22] = {
    "",             "CheckBox3PMe", "CheckBox3PVe", "CheckBox3PEr", "CheckBox3PMa", "CheckBox3PJu",
    "CheckBox3PSa", "CheckBox3PUr", "CheckBox3PNe", "CheckBox3PPl", "CheckBox3PCe", "CheckBox3PPa",
    "CheckBox3PVs", "CheckBox3PJn", "CheckBox3PCh", "CheckBox3PVa", "CheckBox3PQu", "CheckBox3POr",
    "CheckBox3PEL", "CheckBox3PFY", "CheckBox3PEs", "CheckBox3PSe",
};

template <class W> W* Neu(QWidget* eltern, const char* name)
{
    auto* w = new W(eltern);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

template <size_t N> int Index(const std::array<QRadioButton*, N>& knoepfe)
{
    for (size_t i = 0; i < N; ++i)
        if (knoepfe[i]->isChecked())
            return static_cast<int>(i);
    return 0;
}

} // namespace

TForm3Pl::TForm3Pl(shell::TForm1* form1, QWidget* eltern) : Eingabedialog(form1, "TForm3Pl", eltern)
{
    auto* v = new QVBoxLayout(this);

    // Start day with its date label, and the orbits.
    auto* kopf = new QGridLayout;
    Label32 = Neu<QLabel>(this, "Label32");
    Edit11 = new QLineEdit(QStringLiteral("0"), this);
    Edit11->setObjectName(QStringLiteral("Edit11"));
    Edit11->setFixedWidth(px(110));
    Labelstart3Pl = Neu<QLabel>(this, "Labelstart3Pl");
    CheckBox10 = Neu<QCheckBox>(this, "CheckBox10");
    CheckBox10->setChecked(true);
    kopf->addWidget(Label32, 0, 0);
    kopf->addWidget(Edit11, 1, 0);
    kopf->addWidget(Labelstart3Pl, 2, 0);
    kopf->addWidget(CheckBox10, 1, 2);
    kopf->setColumnStretch(1, 1);
    v->addLayout(kopf);

    // Planets, minor planets and the centre.
    auto* koerperZeile = new QHBoxLayout;
    GroupBox4 = Neu<QGroupBox>(this, "GroupBox4");
    auto* pv = new QVBoxLayout(GroupBox4);
    for (int b = 1; b <= 9; ++b) {
        koerper_[static_cast<size_t>(b)] = Neu<QCheckBox>(GroupBox4, BoxNamen[b]);
        pv->addWidget(koerper_[static_cast<size_t>(b)]);
    }
    koerperZeile->addWidget(GroupBox4);
    GroupBoxKP = Neu<QGroupBox>(this, "GroupBoxKP");
    auto* kg = new QGridLayout(GroupBoxKP);
    for (int b = 10; b <= 21; ++b) {
        QCheckBox* c = Neu<QCheckBox>(GroupBoxKP, BoxNamen[b]);
        c->setEnabled(false);
        kg->addWidget(c, (b - 10) % 6, (b - 10) / 6);
        koerper_[static_cast<size_t>(b)] = c;
    }
    kg->setRowStretch(6, 1);
    koerperZeile->addWidget(GroupBoxKP, 0, Qt::AlignTop);
    for (int b : {astro::koerper::Venus, astro::koerper::Erde, astro::koerper::Mars})
        koerper_[static_cast<size_t>(b)]->setChecked(true);

    GroupBox5 = Neu<QGroupBox>(this, "GroupBox5");
    auto* zv = new QVBoxLayout(GroupBox5);
    RadioButton1 = Neu<QRadioButton>(GroupBox5, "RadioButton1");
    RadioButton2 = Neu<QRadioButton>(GroupBox5, "RadioButton2");
    RadioButton3 = Neu<QRadioButton>(GroupBox5, "RadioButton3");
    RadioButton4 = Neu<QRadioButton>(GroupBox5, "RadioButton4");
    zentren_ = {RadioButton1, RadioButton2, RadioButton3, RadioButton4};
    for (QRadioButton* r : zentren_)
        zv->addWidget(r);
    RadioButton1->setChecked(true);
    koerperZeile->addWidget(GroupBox5, 0, Qt::AlignTop);
    koerperZeile->addStretch(1);
    v->addLayout(koerperZeile);

    // The driving pair, the heliocentric and the planetocentric link lines,
    // their points. A group of three pair buttons has the first one chosen.
    auto paarGruppe = [this](const char* name, const std::array<const char*, 3>& knopfnamen,
                             std::array<QRadioButton*, 3>& knoepfe) {
        auto* g = Neu<QGroupBox>(this, name);
        auto* l = new QVBoxLayout(g);
        for (size_t i = 0; i < knoepfe.size(); ++i) {
            knoepfe[i] = Neu<QRadioButton>(g, knopfnamen[i]);
            l->addWidget(knoepfe[i]);
        }
        knoepfe[0]->setChecked(true);
        return std::pair{g, l};
    };
    auto* paarZeile = new QHBoxLayout;
    auto [konjGruppe, kv] =
        paarGruppe("GroupBox6", {"RadioButton3P12", "RadioButton3P13", "RadioButton3P23"}, konjPaare_);
    GroupBox6 = konjGruppe;
    RadioButton3P12 = konjPaare_[0];
    RadioButton3P13 = konjPaare_[1];
    RadioButton3P23 = konjPaare_[2];
    auto* koZeile = new QHBoxLayout;
    ButtonKO = Neu<QToolButton>(GroupBox6, "ButtonKO");
    ButtonKO->setArrowType(Qt::RightArrow);
    LabelKO = Neu<QLabel>(GroupBox6, "LabelKO");
    koZeile->addWidget(ButtonKO);
    koZeile->addWidget(LabelKO, 1);
    kv->addLayout(koZeile);
    paarZeile->addWidget(GroupBox6);

    auto [rgGruppe, rv] =
        paarGruppe("GroupBox7", {"RadioButton3RG12", "RadioButton3RG13", "RadioButton3RG23"}, rgPaare_);
    GroupBox7 = rgGruppe;
    RadioButton3RG12 = rgPaare_[0];
    RadioButton3RG13 = rgPaare_[1];
    RadioButton3RG23 = rgPaare_[2];
    CheckBoxkeineRG = Neu<QCheckBox>(GroupBox7, "CheckBoxkeineRG");
    rv->addWidget(CheckBoxkeineRG);
    paarZeile->addWidget(GroupBox7);

    auto* rechts = new QVBoxLayout;
    GroupBox1 = Neu<QGroupBox>(this, "GroupBox1");
    auto* gv = new QVBoxLayout(GroupBox1);
    CheckBox14 = Neu<QCheckBox>(GroupBox1, "CheckBox14");
    gv->addWidget(CheckBox14);
    GroupBox1->setEnabled(false);
    rechts->addWidget(GroupBox1);
    RadioGroup8 = Neu<QGroupBox>(this, "RadioGroup8");
    auto* mv = new QVBoxLayout(RadioGroup8);
    for (size_t i = 0; i < punkte.size(); ++i) {
        punkte[i] = new QRadioButton(RadioGroup8);
        mv->addWidget(punkte[i]);
    }
    punkte[2]->setChecked(true);
    rechts->addWidget(RadioGroup8);
    rechts->addStretch(1);
    paarZeile->addLayout(rechts, 1);
    v->addLayout(paarZeile);

    // Positions and chronological lines of the outer conjunction planet and
    // of the non-conjunction planet, and how often the latter is drawn.
    auto* pos = new QGridLayout;
    Label38 = Neu<QLabel>(this, "Label38");
    Label36 = Neu<QLabel>(this, "Label36");
    CheckBox3PV2 = Neu<QCheckBox>(this, "CheckBox3PV2");
    CheckBox12 = Neu<QCheckBox>(this, "CheckBox12");
    CheckBox3PV3 = Neu<QCheckBox>(this, "CheckBox3PV3");
    CheckBox13 = Neu<QCheckBox>(this, "CheckBox13");
    pos->addWidget(Label38, 0, 0);
    pos->addWidget(Label36, 0, 1);
    pos->addWidget(CheckBox3PV2, 1, 0);
    pos->addWidget(CheckBox12, 1, 1);
    pos->addWidget(CheckBox3PV3, 2, 0);
    pos->addWidget(CheckBox13, 2, 1);
    pos->setColumnStretch(1, 1);
    v->addLayout(pos);

    auto* jedeZeile = new QHBoxLayout;
    Label1 = Neu<QLabel>(this, "Label1");
    Edit1 = new QLineEdit(QStringLiteral("1"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFixedWidth(px(36));
    Edit1->setEnabled(false);
    jedeZeile->addWidget(Label1);
    jedeZeile->addWidget(Edit1);
    jedeZeile->addStretch(1);
    v->addLayout(jedeZeile);

    CheckBoxDreieck = Neu<QCheckBox>(this, "CheckBoxDreieck");
    v->addWidget(CheckBoxDreieck);

    Button9 = Neu<QPushButton>(this, "Button9");
    v->addWidget(Button9);

    // The label beside the button switches as the button does.
    LabelKO->installEventFilter(this);

    shell::Zahlenfilter::anbringen(Edit11, shell::Filterart::Vorzeichen, 15);
    shell::Zahlenfilter::anbringen(Edit1, shell::Filterart::Ziffern, 2);
    startfeld = new shell::Startfeld(Edit11, Labelstart3Pl, [this] { return startklasse(); });
    if (form1_)
        shell::Startfelder::von(form1_).anmelden(shell::Darstellung::DreiPlaneten, startfeld);

    for (QRadioButton* r : zentren_)
        connect(r, &QRadioButton::clicked, this, &TForm3Pl::RadioButton1Click);
    for (int b = 1; b <= 21; ++b)
        connect(koerper_[static_cast<size_t>(b)], &QCheckBox::clicked, this, &TForm3Pl::RadioButton1Click);
    for (QRadioButton* r : konjPaare_)
        connect(r, &QRadioButton::clicked, this, &TForm3Pl::RadioButton3P12Click);
    for (QRadioButton* r : punkte)
        connect(r, &QRadioButton::toggled, this, &TForm3Pl::RadioButton3P12Click);
    // Every other control whose click runs the caption rule (a first choice
    // brings the planets' names into the captions).
    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
             CheckBox10, RadioButton3RG12, RadioButton3RG13, RadioButton3RG23, CheckBoxkeineRG, CheckBox3PV2,
             CheckBox12, CheckBox14, CheckBoxDreieck})
        connect(b, &QAbstractButton::clicked, this, &TForm3Pl::RadioButton3P12Click);
    connect(CheckBox3PV3, &QCheckBox::toggled, this, &TForm3Pl::CheckBox3PV3Click);
    connect(CheckBox13, &QCheckBox::toggled, this, &TForm3Pl::CheckBox3PV3Click);
    connect(Edit1, &QLineEdit::textChanged, this, &TForm3Pl::Edit1Change);
    connect(ButtonKO, &QToolButton::clicked, this, &TForm3Pl::ButtonKOClick);
    connect(Button9, &QPushButton::clicked, this, &TForm3Pl::Button9Click);

    retranslate();
    // Until the first language pass the minor-planet hint is the short one.
    kurzerKleinplanetenhinweis_ = true;
    kleinplanetenHinweis();
    koerperRegel(false);
    menueAnbinden();
}

// ---------------------------------------------------------------------------
// Menu items

QAction* TForm3Pl::aktion(Menuepunkt p) const { return form1_ ? form1_->aktionen()[p] : nullptr; }

bool TForm3Pl::an(Menuepunkt p) const
{
    const QAction* a = aktion(p);
    return a && a->isChecked();
}

void TForm3Pl::menueAnbinden()
{
    if (!form1_)
        return;
    // The items are built by the menu commands, which may come after the
    // dialog: each is followed from the first time it is there.
    if (QAction* a = aktion(Menuepunkt::Kleinplaneten1); a && a != kleinplanetenAktion_) {
        kleinplanetenAktion_ = a;
        connect(a, &QAction::toggled, this, &TForm3Pl::kleinplanetenGeschaltet);
        if (a->isChecked() != kleinplaneten_)
            kleinplanetenGeschaltet(a->isChecked());
    }
    if (QAction* a = aktion(Menuepunkt::sofort1); a && a != sofortAktion_) {
        sofortAktion_ = a;
        connect(a, &QAction::toggled, this, &TForm3Pl::sofortGeschaltet);
        sofortGeschaltet(a->isChecked());
    }
    if (QAction* a = aktion(Menuepunkt::Genauigkeit1); a && a != genauigkeitAktion_) {
        genauigkeitAktion_ = a;
        // The start hint names the range of the accuracy.
        connect(a, &QAction::toggled, this, [this] { startbereichRegel(); });
        startbereichRegel();
    }
}

void TForm3Pl::showEvent(QShowEvent* e)
{
    menueAnbinden();
    Eingabedialog::showEvent(e);
}

void TForm3Pl::gewaehlt(bool neu)
{
    (void)neu;
    menueAnbinden();
    if (kleinplanetenAktion_ && kleinplanetenAktion_->isChecked() != kleinplaneten_)
        kleinplanetenGeschaltet(kleinplanetenAktion_->isChecked());
    // The command has reset "Ergebnis sofort" and the mid-point items: both
    // follow the dialog again.
    sofortGeschaltet(an(Menuepunkt::sofort1));
    punkteMenue();
}

void TForm3Pl::kleinplanetenGeschaltet(bool ein)
{
    kleinplaneten_ = ein;
    // Switched off, the minor planets keep their check marks but no longer
    // count.
    for (int b = astro::ErsterKleinplanet; b <= 21; ++b)
        koerper_[static_cast<size_t>(b)]->setEnabled(ein);
    if (!ein)
        kurzerKleinplanetenhinweis_ = false;
    kleinplanetenHinweis();
    // At high accuracy the start stays within the run's limit.
    if (ein && form1_ && an(Menuepunkt::Genauigkeit1)) {
        const double grenze = form1_->zustand().Gueltigkeitsgrenze;
        const double start = startfeld->wert();
        const double begrenzt = astro::StartzeitBegrenzen(start, grenze);
        if (begrenzt != start)
            Edit11->setText(QLocale::c().toString(begrenzt, 'g', 15));
    }
    koerperRegel(false);
}

void TForm3Pl::kleinplanetenHinweis()
{
    GroupBoxKP->setToolTip(kleinplaneten_                 ? QString()
                           : kurzerKleinplanetenhinweis_ ? Q("3pl.kleinplaneten.hinweis")
                                                          : Q("3pl.kleinplaneten.hinweis.aus"));
}

void TForm3Pl::sofortGeschaltet(bool ein)
{
    // An immediate result draws no planets, so no triangle between them.
    CheckBoxDreieck->setEnabled(!ein);
}

// ---------------------------------------------------------------------------
// Controls

QCheckBox* TForm3Pl::koerperBox(int koerper) const
{
    return koerper >= 1 && koerper <= 21 ? koerper_[static_cast<size_t>(koerper)] : nullptr;
}

int TForm3Pl::zentrum() const { return Index(zentren_); }
int TForm3Pl::konjunktionspaar() const { return Index(konjPaare_); }
int TForm3Pl::raumgeradenpaar() const { return Index(rgPaare_); }
int TForm3Pl::mittelpunktwahl() const { return Index(punkte); }

QString TForm3Pl::kurzname(int koerper) const
{
    const std::string_view k = astro::KoerperKurzname(koerper);
    return QString::fromLatin1(k.data(), static_cast<qsizetype>(k.size()));
}

void TForm3Pl::retranslate()
{
    setWindowTitle(Q("3pl.titel"));
    Label32->setText(Q("3pl.start"));
    Label32->setToolTip(Q("eingabe.startfeld.hinweis"));
    CheckBox10->setText(Q("3pl.bahnen"));
    CheckBox10->setToolTip(Q("3pl.bahnen.hinweis"));
    GroupBox4->setTitle(Q("3pl.planeten"));
    GroupBox4->setToolTip(Q("3pl.planeten.hinweis"));
    GroupBoxKP->setTitle(Q("3pl.kleinplaneten"));
    for (int b = 1; b <= 21; ++b)
        koerper_[static_cast<size_t>(b)]->setText(QString::fromStdString(sprache::koerperName(b)));
    kurzerKleinplanetenhinweis_ = false;
    kleinplanetenHinweis();
    GroupBox5->setTitle(Q("3pl.zentrum"));
    RadioButton1->setText(QString::fromStdString(sprache::koerperName(astro::koerper::Sonne)));
    GroupBox7->setTitle(Q("3pl.rg.helio"));
    CheckBoxkeineRG->setText(Q("3pl.rg.keine"));
    GroupBox1->setTitle(Q("3pl.rg.planeto"));
    GroupBox1->setToolTip(Q("3pl.wenige.hinweis"));
    for (size_t i = 0; i < punkte.size(); ++i)
        punkte[i]->setText(Q(("3pl.punkte." + std::to_string(i)).c_str()));
    RadioGroup8->setToolTip(Q("3pl.punkte.hinweis"));
    Label38->setText(Q("3pl.positionen"));
    Label36->setText(Q("3pl.linien"));
    for (QLabel* l : {Label38, Label36})
        l->setToolTip(Q("3pl.wenige.hinweis"));
    for (QCheckBox* c : {CheckBox3PV2, CheckBox12})
        c->setToolTip(Q("3pl.aussen.hinweis"));
    for (QCheckBox* c : {CheckBox3PV3, CheckBox13})
        c->setToolTip(Q("3pl.nicht.hinweis"));
    Label1->setToolTip(Q("3pl.jede.hinweis"));
    Edit1->setToolTip(Q("3pl.jede.feld.hinweis"));
    CheckBoxDreieck->setText(Q("3pl.dreieck"));
    Button9->setText(Q("3pl.okay"));
    startfeld->retranslate();
    // The captions that name the chosen bodies and the centre's view.
    beschriftungen();
}

bool TForm3Pl::eventFilter(QObject* o, QEvent* e)
{
    if (o == LabelKO && e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton && ButtonKO->isEnabled()) {
        ButtonKO->click();
        return true;
    }
    return Eingabedialog::eventFilter(o, e);
}

figures::DreiPlanetenEingabe TForm3Pl::eingabe()
{
    menueAnbinden();
    figures::DreiPlanetenEingabe e;
    std::string start = Edit11->text().toStdString();
    e.starttag = shell::StartzeitLesen(start);
    if (QString::fromStdString(start) != Edit11->text())
        Edit11->setText(QString::fromStdString(start));
    e.koerper[0] = false;
    for (int b = 1; b <= 21; ++b)
        e.koerper[static_cast<size_t>(b)] = koerper_[static_cast<size_t>(b)]->isChecked();
    e.kleinplaneten = kleinplaneten_;
    e.zentrum = zentrum();
    e.konjunktionspaar = konjunktionspaar();
    e.opposition = !konjunktion_;
    e.raumgeradenpaar = raumgeradenpaar();
    e.keineRaumgeraden = CheckBoxkeineRG->isChecked();
    e.raumgeradenPlanetozentrisch = CheckBox14->isChecked();
    e.mittelpunkte = mittelpunktwahl();
    e.positionenAussen = CheckBox3PV2->isChecked();
    e.linienAussen = CheckBox12->isChecked();
    e.positionenNicht = CheckBox3PV3->isChecked();
    e.linienNicht = CheckBox13->isChecked();
    e.jedeKte = std::clamp(Edit1->text().toInt(), 1, 25);
    e.dreieck = CheckBoxDreieck->isChecked();
    e.bahnen = CheckBox10->isChecked();
    return e;
}

void TForm3Pl::koerperSetzen(const std::array<bool, 22>& koerper)
{
    for (int b = 1; b <= 21; ++b)
        koerper_[static_cast<size_t>(b)]->setChecked(koerper[static_cast<size_t>(b)]);
    gewaehlt_ = true;
    koerperRegel(false);
}

void TForm3Pl::Button9Click() { eingabeOkay(); }

} // namespace ui
