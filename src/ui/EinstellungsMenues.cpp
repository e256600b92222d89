#include "ui/EinstellungsMenues.h"

#include "sprache/Koerpernamen.h"
#include "ui/Sprachwechsel.h"

#include <QAction>
#include <QActionGroup>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <string_view>

namespace ui {

using figures::Einstellungssatz;
using figures::Farbe;

namespace {

QColor zuQColor(Farbe f) { return QColor(figures::Rot(f), figures::Gruen(f), figures::Blau(f)); }
Farbe ausQColor(const QColor& c) { return figures::FarbeRGB(c.red(), c.green(), c.blue()); }

// The colour items of "Farben": component name, catalogue key of the caption
// (or the body number for the body fills), the stored value it changes, and
// the sub-menu it sits in (nullptr: directly in "Farben").
struct Farbitem {
    const char* komponente;
    const char* schluessel;
    const char* wertname;
    const char* gruppe;
    int koerper = -1;
};

const Farbitem kFarbitems[] = {
    {"Bahnen1", "menue.farbe.bahnen", "IntFarbeBahnen", nullptr},
    {"Sonnenbahn1", "menue.farbe.sonnenbahn", "IntFarbeSonnenbahn", nullptr},
    {"Raumgeraden1", "menue.farbe.rg", "IntFarbeRG", nullptr},
    {"Fhrungslinie1", "menue.farbe.fuehrungslinie", "IntFarbeFuehrungslinie", nullptr},
    {"N2Bahn1", "menue.farbe.bahn2", "IntFarbeBahn2", nullptr},
    {"PlanetenRand1", "menue.farbe.planetenrand", "IntFarbeLiniePlaneten", nullptr},
    {"Sonne1", nullptr, "IntFarbePlanet0", "Fuellung1", 0},
    {"Merkur1", nullptr, "IntFarbePlanet1", "Fuellung1", 1},
    {"Venus1", nullptr, "IntFarbePlanet2", "Fuellung1", 2},
    {"Erde1", nullptr, "IntFarbePlanet3", "Fuellung1", 3},
    {"Mars1", nullptr, "IntFarbePlanet4", "Fuellung1", 4},
    {"Jupiter1", nullptr, "IntFarbePlanet5", "Fuellung1", 5},
    {"Saturn1", nullptr, "IntFarbePlanet6", "Fuellung1", 6},
    {"Uranus1", nullptr, "IntFarbePlanet7", "Fuellung1", 7},
    {"Neptun1", nullptr, "IntFarbePlanet8", "Fuellung1", 8},
    {"Pluto1", nullptr, "IntFarbePlanet9", "Fuellung1", 9},
    {"Mond3", nullptr, "IntFarbePlanet10", "Fuellung1", figures::KoerpercodeMond},
    {"Spur1", "menue.farbe.spur", "IntFarbeMondSpur", "MondBary1"},
    {"PunkteFllung1", "menue.farbe.punktefuellung", "IntFarbeMondPktFuell", "MondBary1"},
    {"PunkteRand1", "menue.farbe.punkterand", "IntFarbeMondPktRand", "MondBary1"},
    {"Linien1", "menue.farbe.linien", "IntFarbeMondLinien", "MondBary1"},
    {"MittelpunkteRG1", "menue.farbe.mittelpunkterand", "IntFarbeMittelpunkteRG", "Mittelpunkte1"},
    {"FuellungMittelp1", "menue.farbe.mittelpunktefuellung", "IntFarbeFuellungMittelp", "Mittelpunkte1"},
    {"Linienzug2", "menue.farbe.linienzug", "IntFarbeLinienzug", "Mittelpunkte1"},
    {"PositionenP2", "menue.farbe.positionenp2", "IntFarbePositionenP2", "Positionen1"},
    {"RandPositionenP2", "menue.farbe.randp2", "IntFarbeRandP2", "Positionen1"},
    {"VerbindungslinienP2", "menue.farbe.linienp2", "IntFarbeLinienP2", "Positionen1"},
    {"PositionenP3", "menue.farbe.positionenp3", "IntFarbePositionenP3", "Positionen1"},
    {"RandPositionenP3", "menue.farbe.randp3", "IntFarbeRandP3", "Positionen1"},
    {"VerbindungslinienP3", "menue.farbe.linienp3", "IntFarbeLinienP3", "Positionen1"},
    {"FuellungKonjunktionen1", "menue.farbe.konjpositionen", "IntFarbeFuellungKonj", "KonjOppo1"},
    {"LinienKonjunktionen1", "menue.farbe.konjlinien", "IntFarbeLinienKonj", "KonjOppo1"},
    {"PositionenOppositionen1", "menue.farbe.oppopositionen", "IntFarbeFuellungOppo", "KonjOppo1"},
    {"LinienOppositionen1", "menue.farbe.oppolinien", "IntFarbeLinienOppo", "KonjOppo1"},
    {"LinienSterne1", "menue.farbe.sternlinien", "IntFarbeSterneLinie", "Sternkoerper1"},
    {"FlaechenSterne1", "menue.farbe.sternflaechen", "IntFarbeSterneFlaeche", "Sternkoerper1"},
    {"FarbeMystT1", "menue.farbe.tetraeder", "IntFarbeLinieMystT", "MystFarben1"},
    {"FarbeMystH1", "menue.farbe.hexaeder", "IntFarbeLinieMystH", "MystFarben1"},
    {"FarbeMystO1", "menue.farbe.oktaeder", "IntFarbeLinieMystO", "MystFarben1"},
    {"FarbeMystD1", "menue.farbe.dodekaeder", "IntFarbeLinieMystD", "MystFarben1"},
    {"FarbeMystI1", "menue.farbe.ikosaeder", "IntFarbeLinieMystI", "MystFarben1"},
    {"TierkreisSternzeichen1", "menue.farbe.tierkreis", "IntFarbeTierkreis", nullptr},
};

// Catalogue keys of the sub-menus of "Farben".
struct Farbgruppe {
    const char* komponente;
    const char* schluessel;
};
const Farbgruppe kFarbgruppen[] = {
    {"Fuellung1", "menue.farben.fuellung"},       {"MondBary1", "menue.farben.mondbary"},
    {"Mittelpunkte1", "menue.farben.mittelpunkte"}, {"Positionen1", "menue.farben.positionen"},
    {"KonjOppo1", "menue.farben.konjoppo"},       {"Sternkoerper1", "menue.farben.sternkoerper"},
    {"MystFarben1", "menue.farben.mysterium"},
};

const figures::Einstellungswert* farbwert(const QString& komponente)
{
    for (const Farbitem& f : kFarbitems)
        if (komponente == QLatin1String(f.komponente))
            return figures::einstellungswertNachName("Farbzuweisungen", f.wertname);
    return nullptr;
}

} // namespace

// ---------------------------------------------------------------------------

std::optional<Farbe> EinstellungsDialoge::farbeWaehlen(QWidget* eltern, Farbe anfang,
                                                       std::array<Farbe, figures::AnzahlDialogfarben>& eigene)
{
    for (int i = 0; i < figures::AnzahlDialogfarben; ++i)
        QColorDialog::setCustomColor(i, zuQColor(eigene[static_cast<std::size_t>(i)]));
    QColorDialog dlg(zuQColor(anfang), eltern);
    dlg.setWindowTitle(TQ("einst.farbdialog.titel"));
    // The dialog's own buttons speak the program's language through Qt's
    // translations (the language pass installs them).
    const bool ok = dlg.exec() == QDialog::Accepted;
    for (int i = 0; i < figures::AnzahlDialogfarben; ++i)
        eigene[static_cast<std::size_t>(i)] = ausQColor(QColorDialog::customColor(i));
    if (!ok)
        return std::nullopt;
    return ausQColor(dlg.selectedColor());
}

std::optional<QString> EinstellungsDialoge::eingabe(QWidget* eltern, const QString& titel, const QString& frage,
                                                    const QString& anfang)
{
    QInputDialog dlg(eltern);
    dlg.setWindowTitle(titel);
    dlg.setLabelText(frage);
    dlg.setTextValue(anfang);
    dlg.setOkButtonText(TQ("einst.knopf.ok"));
    dlg.setCancelButtonText(TQ("einst.knopf.abbrechen"));
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return dlg.textValue();
}

void EinstellungsDialoge::warnung(QWidget* eltern, const QString& titel, const QString& text)
{
    QMessageBox::warning(eltern, titel, text);
}

Grenzen grenzenFuerStufe(int stufe)
{
    switch (stufe) {
    case 2: return {25000, 2500};
    case 3: return {50000, 5000};
    default: return {12000, 1200};
    }
}

int groesseAusEingabe(const QString& text, int maximum, int standard)
{
    bool ok = false;
    const int wert = text.trimmed().toInt(&ok, 10);
    if (!ok || wert < 1 || wert > maximum)
        return standard;
    return wert;
}

// ---------------------------------------------------------------------------

EinstellungsMenues::EinstellungsMenues(QWidget* eltern, figures::Einstellungen& einstellungen, EinstellungsHost& host,
                                       EinstellungsDialoge* dialoge)
    : QObject(eltern)
    , eltern_(eltern)
    , einstellungen_(einstellungen)
    , host_(host)
    , dialoge_(dialoge ? dialoge : &eigeneDialoge_)
{
    // "Hintergrund": colour and the four star pictures (a radio group).
    hintergrund1_ = neuesMenue("Hintergrund1", "menue.hintergrund");
    connect(neueAktion(hintergrund1_, "HintergrFarbe", "menue.hintergrund.farbe"), &QAction::triggered, this,
            &EinstellungsMenues::Hintergrund1Click);
    hintergrund1_->addSeparator();
    auto* sterne = new QActionGroup(this);
    const char* sternKomponenten[] = {"keineSterne1", "SterneHintergr1", "SterneHintergr2", "SterneHintergr3"};
    const char* sternSchluessel[] = {"menue.hintergrund.keine", "menue.hintergrund.sterne1", "menue.hintergrund.sterne2",
                                     "menue.hintergrund.sterne3"};
    for (int i = 0; i < 4; ++i) {
        QAction* a = radioAktion(hintergrund1_, sterne, sternKomponenten[i], sternSchluessel[i]);
        sternItems_[static_cast<std::size_t>(i)] = a;
        connect(a, &QAction::triggered, this, [this, i] { SternHintergrundClick(i - 1); });
    }

    farben1_ = neuesMenue("Farben1", "menue.farben");
    farbmenueAufbauen();

    // The size and width commands: component, caption, handler.
    struct Befehl {
        const char* komponente;
        const char* schluessel;
        void (EinstellungsMenues::*handler)();
    };
    auto befehleAnlegen = [this](QMenu* in, std::initializer_list<Befehl> befehle) {
        for (const Befehl& b : befehle)
            connect(neueAktion(in, b.komponente, b.schluessel), &QAction::triggered, this, b.handler);
    };
    linienstrke1_ = neuesMenue("Linienstrke1", "menue.linienstaerke");
    befehleAnlegen(linienstrke1_, {{"Bahnenstaerke", "menue.linienstaerke.bahnen", &EinstellungsMenues::BahnenstaerkeClick},
                                   {"RaenderStaerke", "menue.linienstaerke.raender", &EinstellungsMenues::RaenderStaerkeClick},
                                   {"Linienstaerke", "menue.linienstaerke.andere", &EinstellungsMenues::LinienstaerkeClick}});
    punktgre1_ = neuesMenue("Punktgre1", "menue.punktgroesse");
    befehleAnlegen(punktgre1_, {{"PlanetenGroesse", "menue.punktgroesse.planeten", &EinstellungsMenues::PlanetenGroesseClick},
                                {"Sonnengroesse", "menue.punktgroesse.sonne", &EinstellungsMenues::SonnengroesseClick},
                                {"Punktgroesse", "menue.punktgroesse.andere", &EinstellungsMenues::PunktgroesseClick}});

    // Toggles whose caption follows their state (see retranslate()).
    beschriftung1_ = new QAction(this);
    beschriftung1_->setObjectName(QStringLiteral("Beschriftung1"));
    beschriftung1_->setCheckable(true);
    connect(beschriftung1_, &QAction::triggered, this, &EinstellungsMenues::Beschriftung1Click);
    standard1_ = new QAction(this);
    standard1_->setObjectName(QStringLiteral("Standardwiederherstellen1"));
    connect(standard1_, &QAction::triggered, this, &EinstellungsMenues::Standardwiederherstellen1Click);

    anzahlBerechnungen1_ = neuesMenue("AnzahlBerechnungen1", "menue.anzahlberechnungen");
    auto* berechn = new QActionGroup(this);
    const char* berechnKomp[] = {"niedrig1", "mittel1", "hoch1"};
    const char* stufenSchl[] = {"menue.stufe.niedrig", "menue.stufe.mittel", "menue.stufe.hoch", "menue.stufe.sehrhoch"};
    for (int i = 0; i < 3; ++i) {
        QAction* a = radioAktion(anzahlBerechnungen1_, berechn, berechnKomp[i], stufenSchl[i]);
        berechnItems_[static_cast<std::size_t>(i)] = a;
        connect(a, &QAction::triggered, this, [this, i] { AnzahlBerechnungenClick(i + 1); });
    }
    anzahlBahnpunkte1_ = neuesMenue("AnzahlBahnpunkte1", "menue.anzahlbahnpunkte");
    auto* bahnpunkte = new QActionGroup(this);
    const char* bahnKomp[] = {"niedrig2", "mittel2", "hoch2", "sehrhoch2"};
    for (int i = 0; i < 4; ++i) {
        QAction* a = radioAktion(anzahlBahnpunkte1_, bahnpunkte, bahnKomp[i], stufenSchl[i]);
        bahnpunktItems_[static_cast<std::size_t>(i)] = a;
        connect(a, &QAction::triggered, this, [this, i] { AnzahlBahnpunkteClick(1 << i); });
    }

    anfangsanimation1_ = new QAction(this);
    anfangsanimation1_->setObjectName(QStringLiteral("Anfangsanimation1"));
    anfangsanimation1_->setCheckable(true);
    beschriftet_.push_back({anfangsanimation1_, nullptr, "menue.anfangsanimation"});
    connect(anfangsanimation1_, &QAction::triggered, this, &EinstellungsMenues::Anfangsanimation1Click);

    sprache1_ = neuesMenue("Sprache1", "menue.sprache");
    auto* sprachen = new QActionGroup(this);
    deutsch1_ = radioAktion(sprache1_, sprachen, "Deutsch1", "menue.sprache.deutsch");
    englisch1_ = radioAktion(sprache1_, sprachen, "Englisch1", "menue.sprache.englisch");
    connect(deutsch1_, &QAction::triggered, this, &EinstellungsMenues::Deutsch1Click);
    connect(englisch1_, &QAction::triggered, this, &EinstellungsMenues::Englisch1Click);

    zustandUebernehmen();
    Sprachwechsel::instanz().anmelden(this, [this] { retranslate(); });
}

EinstellungsMenues::~EinstellungsMenues()
{
    Sprachwechsel::instanz().abmelden(this);
    // The menus are children of the parent widget; they go with it, or here
    // when this object dies first.
    for (QMenu* m : menues_)
        delete m;
}

QMenu* EinstellungsMenues::neuesMenue(const char* komponente, const char* schluessel)
{
    auto* m = new QMenu(eltern_);
    m->setObjectName(QLatin1String(komponente));
    menues_.push_back(m);
    beschriftet_.push_back({nullptr, m, schluessel});
    return m;
}

QAction* EinstellungsMenues::neueAktion(QMenu* in, const char* komponente, const char* schluessel)
{
    QAction* a = in->addAction(QString());
    a->setObjectName(QLatin1String(komponente));
    beschriftet_.push_back({a, nullptr, schluessel});
    return a;
}

QAction* EinstellungsMenues::radioAktion(QMenu* in, QActionGroup* gruppe, const char* komponente, const char* schluessel)
{
    QAction* a = neueAktion(in, komponente, schluessel);
    a->setCheckable(true);
    gruppe->addAction(a);
    return a;
}

void EinstellungsMenues::farbmenueAufbauen()
{
    // The items are listed group by group: a sub-menu is opened when the
    // first item of its group comes up.
    QMenu* gruppe = nullptr;
    const char* gruppenName = nullptr;
    for (const Farbitem& f : kFarbitems) {
        if (f.gruppe && (!gruppenName || std::string_view(gruppenName) != f.gruppe)) {
            const char* schluessel = "";
            for (const Farbgruppe& g : kFarbgruppen)
                if (std::string_view(g.komponente) == f.gruppe)
                    schluessel = g.schluessel;
            gruppe = neuesMenue(f.gruppe, schluessel);
            farben1_->addMenu(gruppe);
            gruppenName = f.gruppe;
        }
        QMenu* ziel = f.gruppe ? gruppe : farben1_;
        QAction* a = ziel->addAction(QString());
        a->setObjectName(QLatin1String(f.komponente));
        beschriftet_.push_back({a, nullptr, f.schluessel, f.koerper});
        connect(a, &QAction::triggered, this, [this, a] { Bahnen1Click(a); });
    }
}

void EinstellungsMenues::einstellungenFuellen(QMenu* einstellungen1)
{
    einstellungen1->addMenu(hintergrund1_);
    einstellungen1->addMenu(farben1_);
    einstellungen1->addMenu(linienstrke1_);
    einstellungen1->addMenu(punktgre1_);
    einstellungen1->addAction(beschriftung1_);
    einstellungen1->addAction(standard1_);
}

void EinstellungsMenues::berechnungsgrundlagenFuellen(QMenu* berechnungsgr1)
{
    berechnungsgr1->addMenu(anzahlBerechnungen1_);
    berechnungsgr1->addMenu(anzahlBahnpunkte1_);
}

void EinstellungsMenues::extrasFuellen(QMenu* extras1) { extras1->addAction(anfangsanimation1_); }

void EinstellungsMenues::spracheFuellen(QMenu* sprache1)
{
    sprache1->addAction(deutsch1_);
    sprache1->addAction(englisch1_);
}

std::vector<QAction*> EinstellungsMenues::aktionen() const
{
    std::vector<QAction*> alle;
    for (const Beschriftet& b : beschriftet_)
        if (b.aktion)
            alle.push_back(b.aktion);
    alle.push_back(beschriftung1_);
    alle.push_back(standard1_);
    return alle;
}

void EinstellungsMenues::zustandUebernehmen()
{
    const Einstellungssatz& s = einstellungen_.aktuell();
    sternItemPruefen();
    beschriftung1_->setChecked(!s.BoolBeschriftung);
    anfangsanimation1_->setChecked(s.BoolAnfangsanimation);
    for (int i = 0; i < 3; ++i)
        berechnItems_[static_cast<std::size_t>(i)]->setChecked(s.IntAnzahlBerechn == i + 1);
    for (int i = 0; i < 4; ++i)
        bahnpunktItems_[static_cast<std::size_t>(i)]->setChecked(s.IntAnzahlBahnpunkte == (1 << i));
    retranslate();
    // Until the first language pass the catalogue may still be in its start
    // language; the item follows the stored choice.
    deutsch1_->setChecked(s.BoolSprache);
    englisch1_->setChecked(!s.BoolSprache);
}

void EinstellungsMenues::sternItemPruefen()
{
    const int b = einstellungen_.aktuell().IntBilditem;
    if (b >= -1 && b <= 2)
        sternItems_[static_cast<std::size_t>(b + 1)]->setChecked(true);
}

void EinstellungsMenues::retranslate()
{
    for (const Beschriftet& b : beschriftet_) {
        const QString text = b.koerper >= 0 ? QString::fromStdString(sprache::koerperName(b.koerper)) : TQ(b.schluessel);
        if (b.aktion)
            b.aktion->setText(text);
        if (b.menue)
            b.menue->setTitle(text);
    }
    // The toggles name the state they lead to.
    beschriftung1_->setText(TQ(einstellungen_.aktuell().BoolBeschriftung ? "menue.beschriftung.groesser"
                                                                         : "menue.beschriftung.kleiner"));
    standard1_->setText(TQ(einstellungen_.benutzerEinstellungenAktiv() ? "menue.standard.wiederherstellen"
                                                                      : "menue.standard.benutzer"));
    // The pass checks the language's own item.
    const bool deutsch = sprache::istDeutsch();
    deutsch1_->setChecked(deutsch);
    englisch1_->setChecked(!deutsch);
}

void EinstellungsMenues::geaendert() { host_.einstellungenGeaendert(); }

// --- Colours -----------------------------------------------------------------

std::optional<Farbe> EinstellungsMenues::farbDialog(Farbe anfang)
{
    auto eigene = einstellungen_.aktuell().IntDialogFarbe;
    const auto farbe = dialoge_->farbeWaehlen(host_.dialogEltern(), anfang, eigene);
    // The custom colours are kept whether or not a colour was chosen.
    einstellungen_.setzen(&Einstellungssatz::IntDialogFarbe, eigene);
    return farbe;
}

void EinstellungsMenues::Hintergrund1Click()
{
    if (const auto f = farbDialog(einstellungen_.aktuell().IntFarbeHintergrund)) {
        einstellungen_.setzen(&Einstellungssatz::IntFarbeHintergrund, *f);
        geaendert();
    }
    // Repainted even after a cancel: the surface shows the colour in use.
    host_.hintergrundSofort();
}

void EinstellungsMenues::Bahnen1Click(QAction* item)
{
    const figures::Einstellungswert* w = item ? farbwert(item->objectName()) : nullptr;
    if (!w)
        return;
    if (const auto f = farbDialog(static_cast<Farbe>(w->wert(einstellungen_.aktuell())))) {
        einstellungen_.wertSetzen(*w, *f);
        geaendert();
    }
}

void EinstellungsMenues::SternHintergrundClick(int bilditem)
{
    if (bilditem < -1 || bilditem > 2)
        return;
    sternItems_[static_cast<std::size_t>(bilditem + 1)]->setChecked(true);
    einstellungen_.setzen(&Einstellungssatz::IntBilditem, bilditem);
    geaendert();
    host_.hintergrundSofort();
}

// --- Sizes and widths ------------------------------------------------------------

void EinstellungsMenues::groesseAbfragen(const char* titelSchluessel, int maximum, int standard, int anfang,
                                         int Einstellungssatz::*feld, bool mitWarnung)
{
    QWidget* eltern = host_.dialogEltern();
    if (mitWarnung)
        dialoge_->warnung(eltern, TQ("meldung.warnung"), TQ("einst.warnung.linienstaerke"));
    const QString frage = TQ("einst.eingabe.bereich").arg(maximum).arg(standard);
    const auto antwort = dialoge_->eingabe(eltern, TQ(titelSchluessel), frage, QString::number(anfang));
    // A cancelled box changes nothing.
    if (!antwort)
        return;
    einstellungen_.setzen(feld, groesseAusEingabe(*antwort, maximum, standard));
    geaendert();
}

void EinstellungsMenues::PlanetenGroesseClick()
{
    groesseAbfragen("einst.titel.planetenradius", 500, 5, einstellungen_.aktuell().IntA, &Einstellungssatz::IntA, false);
}

void EinstellungsMenues::SonnengroesseClick()
{
    const auto massstab = host_.baryStandardMassstab();
    if (!massstab || !(*massstab > 0)) {
        const int standard = einstellungen_.werkseinstellungen().IntASonne;
        groesseAbfragen("einst.titel.sonnenradius", 800, standard, einstellungen_.aktuell().IntASonne,
                        &Einstellungssatz::IntASonne, false);
        return;
    }
    // Barycentre with its standard input: the Sun radius of this run, in
    // screen pixels at the run's scale. Not one of the user's settings.
    const double s = *massstab;
    const int maximum = 1200;
    const int d = static_cast<int>(std::lround(einstellungen_.werkseinstellungen().IntASonneBary * s));
    const QString frage = TQ("einst.eingabe.bereich").arg(maximum).arg(d);
    const auto antwort = dialoge_->eingabe(host_.dialogEltern(), TQ("einst.titel.sonnenradius"), frage, QString::number(d));
    if (!antwort)
        return;
    const int e = groesseAusEingabe(*antwort, maximum, d);
    const int radius = std::clamp(static_cast<int>(std::ceil(std::max(e, 1) / s)), 1, maximum);
    einstellungen_.aktuellVeraendern().IntASonneBary = radius;
    host_.sonneBaryVomBenutzer();
}

void EinstellungsMenues::PunktgroesseClick()
{
    groesseAbfragen("einst.titel.punktradius", 250, 4, 4, &Einstellungssatz::IntA2, false);
}

void EinstellungsMenues::BahnenstaerkeClick()
{
    groesseAbfragen("einst.titel.bahnstaerke", 100, 1, 1, &Einstellungssatz::IntBahndicke, true);
}

void EinstellungsMenues::RaenderStaerkeClick()
{
    groesseAbfragen("einst.titel.randstaerke", 10, 1, 1, &Einstellungssatz::IntRanddicke, true);
}

void EinstellungsMenues::LinienstaerkeClick()
{
    groesseAbfragen("einst.titel.linienstaerke", 100, 1, 1, &Einstellungssatz::IntLiniendicke, true);
}

// --- Toggles and levels ---------------------------------------------------------

void EinstellungsMenues::Beschriftung1Click()
{
    const bool normal = !einstellungen_.aktuell().BoolBeschriftung;
    einstellungen_.setzen(&Einstellungssatz::BoolBeschriftung, normal);
    beschriftung1_->setChecked(!normal);
    retranslate();
    geaendert();
    host_.optionGeaendert();
}

void EinstellungsMenues::Anfangsanimation1Click()
{
    const bool an = !einstellungen_.aktuell().BoolAnfangsanimation;
    einstellungen_.setzen(&Einstellungssatz::BoolAnfangsanimation, an);
    anfangsanimation1_->setChecked(an);
    geaendert();
    host_.optionGeaendert();
}

void EinstellungsMenues::AnzahlBerechnungenClick(int stufe)
{
    if (stufe < 1 || stufe > 3)
        return;
    berechnItems_[static_cast<std::size_t>(stufe - 1)]->setChecked(true);
    einstellungen_.setzen(&Einstellungssatz::IntAnzahlBerechn, stufe);
    host_.anzahlBerechnungenGewaehlt(stufe);
    geaendert();
}

void EinstellungsMenues::AnzahlBahnpunkteClick(int faktor)
{
    int index = -1;
    for (int i = 0; i < 4; ++i)
        if (faktor == (1 << i))
            index = i;
    if (index < 0)
        return;
    bahnpunktItems_[static_cast<std::size_t>(index)]->setChecked(true);
    einstellungen_.setzen(&Einstellungssatz::IntAnzahlBahnpunkte, faktor);
    geaendert();
    host_.bahnpunkteGewaehlt(faktor);
}

void EinstellungsMenues::Standardwiederherstellen1Click()
{
    einstellungen_.standardUmschalten();
    sternItemPruefen();
    retranslate();
    host_.hintergrundSofort();
}

// --- Language ----------------------------------------------------------------------

void EinstellungsMenues::sprachWaehlen(bool deutsch)
{
    host_.spracheGewechselt(deutsch);
    (deutsch ? deutsch1_ : englisch1_)->setChecked(true);
    einstellungen_.setzen(&Einstellungssatz::BoolSprache, deutsch);
    if (!host_.startphase())
        geaendert();
    Sprachwechsel::instanz().durchlauf(deutsch);
}

void EinstellungsMenues::Deutsch1Click() { sprachWaehlen(true); }
void EinstellungsMenues::Englisch1Click() { sprachWaehlen(false); }

} // namespace ui
