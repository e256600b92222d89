#include "ui/Menuebefehle.h"

#include "shell/TForm1.h"
#include "shell/TFormBedienfeld.h"
#include "shell/Zahlenfeld.h"
#include "sprache/Sprache.h"
#include "ui/Darstellungen.h"
#include "ui/Sprachwechsel.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QMenu>

namespace ui {

using shell::Hauptmenue;
using shell::Menuepunkt;
using shell::TierkreisArt;

Menuebefehle::Menuebefehle(shell::TForm1& form1) : QObject(&form1), f_(form1)
{
    QMenu* ansicht = f_.menue(Hauptmenue::Ansicht);
    neu(ansicht, Menuepunkt::Kurzhinweise1, "menu.kurzhinweise", true, true, QKeySequence(Qt::CTRL | Qt::Key_H));
    neu(ansicht, Menuepunkt::SonneZentrum1, "menu.sonnezentrum", true, false, QKeySequence(Qt::CTRL | Qt::Key_S));
    neu(ansicht, Menuepunkt::Zentrummarkieren1, "menu.zentrummarkieren", true, false, QKeySequence(Qt::CTRL | Qt::Key_Z));
    neu(ansicht, Menuepunkt::Legende1, "menu.legende", true, true, QKeySequence(Qt::CTRL | Qt::Key_L));
    neu(ansicht, Menuepunkt::Massstab1, "menu.massstab", true, true, QKeySequence(Qt::CTRL | Qt::Key_M));
    ansicht->addSeparator();
    tierkreisGruppe_ = new QActionGroup(this);
    for (auto [k, s, an] : {std::tuple{Menuepunkt::Tierkreis1, "menu.tierkreis", false},
                            std::tuple{Menuepunkt::Sternzeichen1, "menu.sternbilder", false},
                            std::tuple{Menuepunkt::wedernoch1, "menu.wedernoch", true}})
        tierkreisGruppe_->addAction(neu(ansicht, k, s, true, an));

    QMenu* einst = f_.menue(Hauptmenue::Einstellungen);
    neu(einst, Menuepunkt::sofort1, "menu.sofort", true, false)->setEnabled(false);
    QAction* nur = neu(einst, Menuepunkt::PlannurzuBeginn1, "menu.nurzubeginn", true, false, QKeySequence(Qt::CTRL | Qt::Key_N));
    nur->setEnabled(false);
    neu(einst, Menuepunkt::FigurenDrehung1, "menu.figurendrehung", true, false, QKeySequence(Qt::CTRL | Qt::Key_D))->setEnabled(false);
    berechnungsgr1_ = einst->addMenu(QString());
    f_.aktionen().eintragen(Menuepunkt::Berechnungsgr1, berechnungsgr1_->menuAction());
    berechnungsgr1_->setObjectName(QStringLiteral("Berechnungsgr1"));
    berechnungsgr1_->setToolTipsVisible(true);
    neu(berechnungsgr1_, Menuepunkt::Genauigkeit1, "menu.genauigkeit", true, false);
    neu(berechnungsgr1_, Menuepunkt::Praezession1, "menu.praezession", true, false);
    f_.beiLaufSperren(berechnungsgr1_->menuAction());

    QMenu* extras = f_.menue(Hauptmenue::Extras);
    neu(extras, Menuepunkt::Kleinplaneten1, "menu.kleinplaneten", true, false, QKeySequence(Qt::CTRL | Qt::Key_K))->setEnabled(false);
    neu(extras, Menuepunkt::VorschlagSchrittweite1, "menu.vorschlag", true, true, QKeySequence(Qt::CTRL | Qt::Key_V))->setEnabled(false);
    punkteGruppe_ = new QActionGroup(this);
    for (auto [k, s, t, an] :
         {std::tuple{Menuepunkt::PunteLinien, "menu.mittelpunkte", QKeySequence(Qt::CTRL | Qt::Key_P), true},
          std::tuple{Menuepunkt::Linienzug1, "menu.linienzug", QKeySequence(Qt::CTRL | Qt::Key_I), false},
          std::tuple{Menuepunkt::LinieundPunkte1, "menu.linieundpunkte", QKeySequence(Qt::CTRL | Qt::Key_U), false}}) {
        QAction* a = neu(extras, k, s, true, an, t);
        a->setEnabled(false);
        punkteGruppe_->addAction(a);
    }

    // Commands whose windows or drawings come later: present, disabled.
    QMenu* datei = f_.menue(Hauptmenue::Datei);
    QAction* beenden = f_.aktionen()[Menuepunkt::Beenden1];
    for (auto [k, s] : {std::pair{Menuepunkt::Drucken1, "menu.drucken"}, std::pair{Menuepunkt::Bildspeichern1, "menu.bildspeichern"}}) {
        QAction* a = neu(datei, k, s, false, false);
        if (beenden) {
            datei->removeAction(a);
            datei->insertAction(beenden, a);
        }
        a->setEnabled(false);
    }
    neu(extras, Menuepunkt::Zitatezeigen1, "menu.zitate", false, false)->setEnabled(false);
    // The examples' own switch: whether an example shows its information
    // box and leaves its input dialog open to look at.
    neu(f_.menue(Hauptmenue::Beispiele), Menuepunkt::Informationanzeigen1, "menu.informationanzeigen", true, true);
    f_.menue(Hauptmenue::Beispiele)->menuAction()->setEnabled(false);

    QMenu* platon = f_.menue(Hauptmenue::Platon);
    koerperGruppe_ = new QActionGroup(this);
    struct Koerper {
        Menuepunkt komponente;
        const char* schluessel;
        Qt::Key taste;
    };
    for (const Koerper& kp : {Koerper{Menuepunkt::Tetraeder1, "menu.tetraeder", Qt::Key_T}, Koerper{Menuepunkt::Hexaeder1, "menu.hexaeder", Qt::Key_H},
                              Koerper{Menuepunkt::Oktaeder1, "menu.oktaeder", Qt::Key_O}, Koerper{Menuepunkt::Dodekaeder1, "menu.dodekaeder", Qt::Key_D},
                              Koerper{Menuepunkt::Ikosaeder1, "menu.ikosaeder", Qt::Key_I},
                              Koerper{Menuepunkt::Dodekaederstern1, "menu.dodekaederstern", Qt::Key_E},
                              Koerper{Menuepunkt::Ikosaederstern1, "menu.ikosaederstern", Qt::Key_K},
                              Koerper{Menuepunkt::Metamorphose1, "menu.metamorphose", Qt::Key_M},
                              Koerper{Menuepunkt::Mysterium1, "menu.mysterium", Qt::Key_P}}) {
        if (kp.taste == Qt::Key_M || kp.taste == Qt::Key_P)
            platon->addSeparator();
        QAction* a = neu(platon, kp.komponente, kp.schluessel, true, false, QKeySequence(Qt::CTRL | Qt::ALT | kp.taste));
        a->setEnabled(false);
        koerperGruppe_->addAction(a);
    }
    platon->addSeparator();
    neu(platon, Menuepunkt::Sterneeinfarbig1, "menu.sterneeinfarbig", true, true)->setEnabled(false);

    auto verbinde = [this](Menuepunkt k, void (Menuebefehle::*h)()) {
        connect(f_.aktionen()[k], &QAction::triggered, this, [this, h] { (this->*h)(); });
    };
    verbinde(Menuepunkt::Kurzhinweise1, &Menuebefehle::Kurzhinweise1Click);
    verbinde(Menuepunkt::SonneZentrum1, &Menuebefehle::SonneZentrum1Click);
    verbinde(Menuepunkt::Zentrummarkieren1, &Menuebefehle::Zentrummarkieren1Click);
    verbinde(Menuepunkt::Legende1, &Menuebefehle::Legende1Click);
    verbinde(Menuepunkt::Massstab1, &Menuebefehle::Massstab1Click);
    verbinde(Menuepunkt::Tierkreis1, &Menuebefehle::Tierkreis1Click);
    verbinde(Menuepunkt::Sternzeichen1, &Menuebefehle::Sternzeichen1Click);
    verbinde(Menuepunkt::wedernoch1, &Menuebefehle::wedernoch1Click);
    verbinde(Menuepunkt::sofort1, &Menuebefehle::sofort1Click);
    verbinde(Menuepunkt::PlannurzuBeginn1, &Menuebefehle::PlannurzuBeginn1Click);
    verbinde(Menuepunkt::FigurenDrehung1, &Menuebefehle::FigurenDrehung1Click);
    verbinde(Menuepunkt::Genauigkeit1, &Menuebefehle::Genauigkeit1Click);
    verbinde(Menuepunkt::Praezession1, &Menuebefehle::Praezession1Click);
    verbinde(Menuepunkt::Kleinplaneten1, &Menuebefehle::Kleinplaneten1Click);
    verbinde(Menuepunkt::Informationanzeigen1, &Menuebefehle::Informationanzeigen1Click);
    // The mid-point display modes: a running figure draws its next frame in
    // the new mode.
    for (Menuepunkt p : {Menuepunkt::PunteLinien, Menuepunkt::Linienzug1, Menuepunkt::LinieundPunkte1})
        verbinde(p, &Menuebefehle::MittelpunkteClick);

    qApp->installEventFilter(this);
    Sprachwechsel::instanz().anmelden(this, [this] { retranslate(); });
    inKonfiguration();
    retranslate();
}

Menuebefehle::~Menuebefehle() { qApp->removeEventFilter(this); }

QAction* Menuebefehle::neu(QMenu* menue, Menuepunkt komponente, const char* schluessel, bool pruefbar, bool geprueft,
                           QKeySequence taste)
{
    QAction* a = menue->addAction(QString());
    f_.aktionen().eintragen(komponente, a);
    a->setCheckable(pruefbar);
    a->setChecked(geprueft);
    if (!taste.isEmpty())
        a->setShortcut(taste);
    eintraege_.push_back({a, schluessel});
    return a;
}


void Menuebefehle::retranslate()
{
    for (const auto& e : eintraege_)
        e.aktion->setText(TQ(e.schluessel));
    f_.aktionen()[Menuepunkt::PlannurzuBeginn1]->setToolTip(TQ("menu.nurzubeginn.hinweis"));
    berechnungsgr1_->setTitle(TQ("menu.berechnungsgrundlagen"));
}

bool Menuebefehle::kurzhinweiseAn() const { return f_.aktionen()[Menuepunkt::Kurzhinweise1]->isChecked(); }

void Menuebefehle::konfigurationAbgleichen() { inKonfiguration(); }

// The run configuration follows the check marks.
void Menuebefehle::inKonfiguration()
{
    auto& k = f_.konfiguration();
    auto an = [this](Menuepunkt n) { return f_.aktionen()[n]->isChecked(); };
    k.sonneZentrum = an(Menuepunkt::SonneZentrum1);
    k.zentrumMarkieren = an(Menuepunkt::Zentrummarkieren1);
    k.legende = an(Menuepunkt::Legende1);
    k.massstab = an(Menuepunkt::Massstab1);
    k.tierkreis = an(Menuepunkt::Tierkreis1) ? TierkreisArt::Zeichen : an(Menuepunkt::Sternzeichen1) ? TierkreisArt::Sternbilder : TierkreisArt::Keiner;
    k.mittelpunkte = an(Menuepunkt::Linienzug1)        ? shell::Mittelpunktanzeige::Linienzug
                     : an(Menuepunkt::LinieundPunkte1) ? shell::Mittelpunktanzeige::LinieUndPunkte
                                                       : shell::Mittelpunktanzeige::Punkte;
    k.ergebnisSofort = an(Menuepunkt::sofort1);
    k.planetenNurZuBeginn = an(Menuepunkt::PlannurzuBeginn1);
    k.drehungDerFiguren = an(Menuepunkt::FigurenDrehung1);
    k.hoheGenauigkeit = an(Menuepunkt::Genauigkeit1);
    k.mitPraezession = an(Menuepunkt::Praezession1);
    k.informationAnzeigen = an(Menuepunkt::Informationanzeigen1);
}

bool Menuebefehle::eventFilter(QObject* o, QEvent* e)
{
    // "Kurzhinweise anzeigen" off: no tooltip anywhere in the program.
    if (e->type() == QEvent::ToolTip && !kurzhinweiseAn())
        return true;
    return QObject::eventFilter(o, e);
}

void Menuebefehle::Kurzhinweise1Click() {}

bool Menuebefehle::angeboten(Menuepunkt p) const
{
    const Darstellungszeile* z = DarstellungszeileFuer(f_.konfiguration().menueDarstellung);
    if (!z)
        return true;
    const Menuezustaende& zs = z->zustaende;
    auto aktiv = [](const Menuezustand& m) { return m.aktiv.value_or(false); };
    switch (p) {
    case Menuepunkt::sofort1: return aktiv(zs.sofort);
    case Menuepunkt::PlannurzuBeginn1: return aktiv(zs.nurZuBeginn);
    // With 2 planets the dialog decides when "Einstellungen" opens.
    case Menuepunkt::FigurenDrehung1: return zs.drehungNachDialog || aktiv(zs.drehung);
    case Menuepunkt::AusgabeKonj: return !zs.datenausgabeNachDialog;
    default: return true;
    }
}

void Menuebefehle::SonneZentrum1Click()
{
    sonneZentrumGewaehlt_ = f_.aktionen()[Menuepunkt::SonneZentrum1]->isChecked();
    inKonfiguration();
}

void Menuebefehle::Zentrummarkieren1Click() { inKonfiguration(); }
void Menuebefehle::Legende1Click() { inKonfiguration(); }
void Menuebefehle::Massstab1Click() { inKonfiguration(); }
void Menuebefehle::Tierkreis1Click() { inKonfiguration(); f_.HintergrundSofort(); }
void Menuebefehle::Sternzeichen1Click() { inKonfiguration(); f_.HintergrundSofort(); }
void Menuebefehle::wedernoch1Click() { inKonfiguration(); f_.HintergrundSofort(); }

void Menuebefehle::sofort1Click()
{
    const bool an = f_.aktionen()[Menuepunkt::sofort1]->isChecked();
    QAction* drehung = f_.aktionen()[Menuepunkt::FigurenDrehung1];
    QAction* nur = f_.aktionen()[Menuepunkt::PlannurzuBeginn1];
    if (an) {
        drehung->setChecked(false);
        drehung->setEnabled(false);
        nur->setChecked(false);
        nur->setEnabled(false);
    } else {
        // Offered again as far as the chosen representation offers them.
        drehung->setEnabled(angeboten(Menuepunkt::FigurenDrehung1));
        nur->setEnabled(angeboten(Menuepunkt::PlannurzuBeginn1));
    }
    inKonfiguration();
}

void Menuebefehle::PlannurzuBeginn1Click()
{
    QAction* nur = f_.aktionen()[Menuepunkt::PlannurzuBeginn1];
    auto& z = f_.zustand();
    // The action has already flipped its check mark; decide whether the
    // change is allowed and undo it otherwise.
    const bool neu = nur->isChecked();
    const bool vorher = !neu;
    bool erlaubt = true;
    if (z.PauseAktiv)
        erlaubt = false;
    else if (z.LaufAktiv && z.FigurFertig)
        erlaubt = false;
    else if (f_.engine().regeln().nurBisEinmal && z.NurBisImLauf)
        erlaubt = false;
    else if (z.LaufAktiv && !z.NurBisImLauf && vorher)
        erlaubt = false;
    if (!erlaubt) {
        nur->setChecked(vorher);
        return;
    }
    if (z.LaufAktiv && neu) {
        z.NurBisIndex = 1;
        z.NurBisImLauf = true;
    }
    inKonfiguration();
}

void Menuebefehle::FigurenDrehung1Click()
{
    QAction* drehung = f_.aktionen()[Menuepunkt::FigurenDrehung1];
    QAction* sofort = f_.aktionen()[Menuepunkt::sofort1];
    QAction* ausgabe = f_.aktionen()[Menuepunkt::AusgabeKonj];
    QAction* speichern = f_.aktionen()[Menuepunkt::Datenspeichern1];
    if (drehung->isChecked()) {
        sofort->setChecked(false);
        sofort->setEnabled(false);
        f_.aktionen()[Menuepunkt::PlannurzuBeginn1]->setEnabled(true);
        // Kept figures write no table: it is hidden and locked, and there is
        // nothing to save.
        if (speichern)
            speichern->setEnabled(false);
        if (ausgabe) {
            if (ausgabe->isChecked())
                ausgabe->trigger();
            ausgabe->setEnabled(false);
        }
        auto& z = f_.zustand();
        int anzahl = z.gemerkteFigurenAnzahl;
        bool ok = false;
        if (figurenAnzahlFragen)
            ok = figurenAnzahlFragen(z.gemerkteFigurenAnzahl, anzahl);
        else
            ok = f_.zahlAbfragen(sprache::T("frage.figurenanzahl"), z.gemerkteFigurenAnzahl, 1, 1000, anzahl);
        if (!ok) {
            drehung->setChecked(false);
            sofort->setEnabled(angeboten(Menuepunkt::sofort1));
            if (ausgabe)
                ausgabe->setEnabled(angeboten(Menuepunkt::AusgabeKonj));
        } else {
            z.FigurenAnzahl = z.gemerkteFigurenAnzahl = anzahl;
            f_.bedienfeld()->startFokussieren();
        }
    } else {
        sofort->setEnabled(angeboten(Menuepunkt::sofort1));
        f_.aktionen()[Menuepunkt::PlannurzuBeginn1]->setEnabled(angeboten(Menuepunkt::PlannurzuBeginn1) &&
                                                                 !sofort->isChecked());
        if (ausgabe)
            ausgabe->setEnabled(angeboten(Menuepunkt::AusgabeKonj));
    }
    inKonfiguration();
}

void Menuebefehle::Genauigkeit1Click()
{
    inKonfiguration();
    // The start fields narrow their range to the high-accuracy limits.
    shell::Startfelder::von(&f_).hoheGenauigkeitGeaendert(f_.konfiguration().hoheGenauigkeit);
    if (!f_.zustand().Startphase)
        f_.zustand().EinstellungenGeaendert = true; // persisted as BoolGenauigkeit
}
void Menuebefehle::Praezession1Click() { inKonfiguration(); }
void Menuebefehle::Informationanzeigen1Click() { inKonfiguration(); }
void Menuebefehle::MittelpunkteClick()
{
    inKonfiguration();
    f_.zustand().NeuZeichnen = true;
}
void Menuebefehle::Kleinplaneten1Click()
{
    inKonfiguration();
    const bool an = f_.aktionen()[Menuepunkt::Kleinplaneten1]->isChecked();
    for (const auto& h : kleinplanetenGeschaltet)
        if (h)
            h(an);
}

} // namespace ui
