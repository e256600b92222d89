#include "ui/Menuebefehle.h"

#include "shell/TForm1.h"
#include "shell/TFormBedienfeld.h"
#include "shell/Zahlenfeld.h"
#include "sprache/Sprache.h"
#include "ui/Sprachwechsel.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEvent>
#include <QMenu>

namespace ui {

using shell::Hauptmenue;
using shell::TierkreisArt;

Menuebefehle::Menuebefehle(shell::TForm1& form1) : QObject(&form1), f_(form1)
{
    QMenu* ansicht = f_.menue(Hauptmenue::Ansicht);
    neu(ansicht, "Kurzhinweise1", "menu.kurzhinweise", true, true, QKeySequence(Qt::CTRL | Qt::Key_H));
    neu(ansicht, "SonneZentrum1", "menu.sonnezentrum", true, false, QKeySequence(Qt::CTRL | Qt::Key_S));
    neu(ansicht, "Zentrummarkieren1", "menu.zentrummarkieren", true, false, QKeySequence(Qt::CTRL | Qt::Key_Z));
    neu(ansicht, "Legende1", "menu.legende", true, true, QKeySequence(Qt::CTRL | Qt::Key_L));
    neu(ansicht, "Massstab1", "menu.massstab", true, true, QKeySequence(Qt::CTRL | Qt::Key_M));
    ansicht->addSeparator();
    tierkreisGruppe_ = new QActionGroup(this);
    for (auto [k, s, an] : {std::tuple{"Tierkreis1", "menu.tierkreis", false},
                            std::tuple{"Sternzeichen1", "menu.sternbilder", false},
                            std::tuple{"wedernoch1", "menu.wedernoch", true}})
        tierkreisGruppe_->addAction(neu(ansicht, k, s, true, an));

    QMenu* einst = f_.menue(Hauptmenue::Einstellungen);
    neu(einst, "sofort1", "menu.sofort", true, false)->setEnabled(false);
    QAction* nur = neu(einst, "PlannurzuBeginn1", "menu.nurzubeginn", true, false, QKeySequence(Qt::CTRL | Qt::Key_N));
    nur->setEnabled(false);
    neu(einst, "FigurenDrehung1", "menu.figurendrehung", true, false, QKeySequence(Qt::CTRL | Qt::Key_D))->setEnabled(false);
    berechnungsgr1_ = einst->addMenu(QString());
    berechnungsgr1_->setObjectName(QStringLiteral("Berechnungsgr1"));
    neu(berechnungsgr1_, "Genauigkeit1", "menu.genauigkeit", true, false);
    neu(berechnungsgr1_, "Praezession1", "menu.praezession", true, false);
    f_.beiLaufSperren(berechnungsgr1_->menuAction());

    QMenu* extras = f_.menue(Hauptmenue::Extras);
    neu(extras, "Kleinplaneten1", "menu.kleinplaneten", true, false, QKeySequence(Qt::CTRL | Qt::Key_K))->setEnabled(false);
    neu(extras, "VorschlagSchrittweite1", "menu.vorschlag", true, true, QKeySequence(Qt::CTRL | Qt::Key_V))->setEnabled(false);
    punkteGruppe_ = new QActionGroup(this);
    for (auto [k, s, t, an] : {std::tuple{"PunteLinien", "menu.mittelpunkte", QKeySequence(Qt::CTRL | Qt::Key_P), true},
                               std::tuple{"Linienzug1", "menu.linienzug", QKeySequence(Qt::CTRL | Qt::Key_I), false},
                               std::tuple{"LinieundPunkte1", "menu.linieundpunkte", QKeySequence(Qt::CTRL | Qt::Key_U), false}}) {
        QAction* a = neu(extras, k, s, true, an, t);
        a->setEnabled(false);
        punkteGruppe_->addAction(a);
    }

    // Commands whose windows or drawings come later: present, disabled.
    QMenu* datei = f_.menue(Hauptmenue::Datei);
    QAction* beenden = datei->findChild<QAction*>(QStringLiteral("Beenden1"), Qt::FindDirectChildrenOnly);
    for (auto [k, s] : {std::pair{"Drucken1", "menu.drucken"}, std::pair{"Bildspeichern1", "menu.bildspeichern"}}) {
        QAction* a = neu(datei, k, s, false, false);
        if (beenden) {
            datei->removeAction(a);
            datei->insertAction(beenden, a);
        }
        a->setEnabled(false);
    }
    neu(extras, "Zitatezeigen1", "menu.zitate", false, false)->setEnabled(false);
    f_.menue(Hauptmenue::Beispiele)->menuAction()->setEnabled(false);

    QMenu* platon = f_.menue(Hauptmenue::Platon);
    koerperGruppe_ = new QActionGroup(this);
    struct Koerper {
        const char* komponente;
        const char* schluessel;
        Qt::Key taste;
    };
    for (const Koerper& kp : {Koerper{"Tetraeder1", "menu.tetraeder", Qt::Key_T}, Koerper{"Hexaeder1", "menu.hexaeder", Qt::Key_H},
                              Koerper{"Oktaeder1", "menu.oktaeder", Qt::Key_O}, Koerper{"Dodekaeder1", "menu.dodekaeder", Qt::Key_D},
                              Koerper{"Ikosaeder1", "menu.ikosaeder", Qt::Key_I},
                              Koerper{"Dodekaederstern1", "menu.dodekaederstern", Qt::Key_E},
                              Koerper{"Ikosaederstern1", "menu.ikosaederstern", Qt::Key_K},
                              Koerper{"Metamorphose1", "menu.metamorphose", Qt::Key_M},
                              Koerper{"Mysterium1", "menu.mysterium", Qt::Key_P}}) {
        if (kp.taste == Qt::Key_M || kp.taste == Qt::Key_P)
            platon->addSeparator();
        QAction* a = neu(platon, kp.komponente, kp.schluessel, true, false, QKeySequence(Qt::CTRL | Qt::ALT | kp.taste));
        a->setEnabled(false);
        koerperGruppe_->addAction(a);
    }
    platon->addSeparator();
    neu(platon, "Sterneeinfarbig1", "menu.sterneeinfarbig", true, true)->setEnabled(false);

    auto verbinde = [this](const char* k, void (Menuebefehle::*h)()) {
        connect(aktion(QString::fromLatin1(k)), &QAction::triggered, this, [this, h] { (this->*h)(); });
    };
    verbinde("Kurzhinweise1", &Menuebefehle::Kurzhinweise1Click);
    verbinde("SonneZentrum1", &Menuebefehle::SonneZentrum1Click);
    verbinde("Zentrummarkieren1", &Menuebefehle::Zentrummarkieren1Click);
    verbinde("Legende1", &Menuebefehle::Legende1Click);
    verbinde("Massstab1", &Menuebefehle::Massstab1Click);
    verbinde("Tierkreis1", &Menuebefehle::Tierkreis1Click);
    verbinde("Sternzeichen1", &Menuebefehle::Sternzeichen1Click);
    verbinde("wedernoch1", &Menuebefehle::wedernoch1Click);
    verbinde("sofort1", &Menuebefehle::sofort1Click);
    verbinde("PlannurzuBeginn1", &Menuebefehle::PlannurzuBeginn1Click);
    verbinde("FigurenDrehung1", &Menuebefehle::FigurenDrehung1Click);
    verbinde("Genauigkeit1", &Menuebefehle::Genauigkeit1Click);
    verbinde("Praezession1", &Menuebefehle::Praezession1Click);
    verbinde("Kleinplaneten1", &Menuebefehle::Kleinplaneten1Click);

    qApp->installEventFilter(this);
    Sprachwechsel::instanz().anmelden(this, [this] { retranslate(); });
    inKonfiguration();
    retranslate();
}

Menuebefehle::~Menuebefehle() { qApp->removeEventFilter(this); }

QAction* Menuebefehle::neu(QMenu* menue, const char* komponente, const char* schluessel, bool pruefbar, bool geprueft,
                           QKeySequence taste)
{
    QAction* a = menue->addAction(QString());
    a->setObjectName(QString::fromLatin1(komponente));
    a->setCheckable(pruefbar);
    a->setChecked(geprueft);
    if (!taste.isEmpty())
        a->setShortcut(taste);
    eintraege_.push_back({a, schluessel});
    return a;
}

QAction* Menuebefehle::aktion(const QString& komponente) const
{
    for (const auto& e : eintraege_)
        if (e.aktion->objectName() == komponente)
            return e.aktion;
    return nullptr;
}

void Menuebefehle::retranslate()
{
    for (const auto& e : eintraege_)
        e.aktion->setText(TQ(e.schluessel));
    aktion(QStringLiteral("PlannurzuBeginn1"))->setToolTip(TQ("menu.nurzubeginn.hinweis"));
    berechnungsgr1_->setTitle(TQ("menu.berechnungsgrundlagen"));
}

bool Menuebefehle::kurzhinweiseAn() const { return aktion(QStringLiteral("Kurzhinweise1"))->isChecked(); }

void Menuebefehle::konfigurationAbgleichen() { inKonfiguration(); }

// The run configuration follows the check marks.
void Menuebefehle::inKonfiguration()
{
    auto& k = f_.konfiguration();
    auto an = [this](const char* n) { return aktion(QString::fromLatin1(n))->isChecked(); };
    k.sonneZentrum = an("SonneZentrum1");
    k.zentrumMarkieren = an("Zentrummarkieren1");
    k.legende = an("Legende1");
    k.massstab = an("Massstab1");
    k.tierkreis = an("Tierkreis1") ? TierkreisArt::Zeichen : an("Sternzeichen1") ? TierkreisArt::Sternbilder : TierkreisArt::Keiner;
    k.ergebnisSofort = an("sofort1");
    k.planetenNurZuBeginn = an("PlannurzuBeginn1");
    k.drehungDerFiguren = an("FigurenDrehung1");
    k.hoheGenauigkeit = an("Genauigkeit1");
    k.mitPraezession = an("Praezession1");
}

bool Menuebefehle::eventFilter(QObject* o, QEvent* e)
{
    // "Kurzhinweise anzeigen" off: no tooltip anywhere in the program.
    if (e->type() == QEvent::ToolTip && !kurzhinweiseAn())
        return true;
    return QObject::eventFilter(o, e);
}

void Menuebefehle::Kurzhinweise1Click() {}

void Menuebefehle::SonneZentrum1Click()
{
    sonneZentrumGewaehlt_ = aktion(QStringLiteral("SonneZentrum1"))->isChecked();
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
    const bool an = aktion(QStringLiteral("sofort1"))->isChecked();
    QAction* drehung = aktion(QStringLiteral("FigurenDrehung1"));
    QAction* nur = aktion(QStringLiteral("PlannurzuBeginn1"));
    if (an) {
        drehung->setChecked(false);
        drehung->setEnabled(false);
        nur->setChecked(false);
        nur->setEnabled(false);
    } else {
        drehung->setEnabled(true);
        nur->setEnabled(true);
    }
    inKonfiguration();
}

void Menuebefehle::PlannurzuBeginn1Click()
{
    QAction* nur = aktion(QStringLiteral("PlannurzuBeginn1"));
    auto& z = f_.zustand();
    const shell::Darstellung d = f_.konfiguration().menueDarstellung;
    // The action has already flipped its check mark; decide whether the
    // change is allowed and undo it otherwise.
    const bool neu = nur->isChecked();
    const bool vorher = !neu;
    bool erlaubt = true;
    if (z.PauseAktiv)
        erlaubt = false;
    else if (z.LaufAktiv && z.FigurFertig)
        erlaubt = false;
    else if ((d == shell::Darstellung::Baryzentrum || d == shell::Darstellung::Mond) && z.NurBisImLauf)
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
    QAction* drehung = aktion(QStringLiteral("FigurenDrehung1"));
    QAction* sofort = aktion(QStringLiteral("sofort1"));
    if (drehung->isChecked()) {
        sofort->setChecked(false);
        sofort->setEnabled(false);
        aktion(QStringLiteral("PlannurzuBeginn1"))->setEnabled(true);
        auto& z = f_.zustand();
        int anzahl = z.gemerkteFigurenAnzahl;
        bool ok = false;
        if (figurenAnzahlFragen)
            ok = figurenAnzahlFragen(z.gemerkteFigurenAnzahl, anzahl);
        else
            ok = f_.zahlAbfragen(sprache::T("frage.figurenanzahl"), z.gemerkteFigurenAnzahl, 1, 1000, anzahl);
        if (!ok) {
            drehung->setChecked(false);
            sofort->setEnabled(true);
        } else {
            z.FigurenAnzahl = z.gemerkteFigurenAnzahl = anzahl;
            f_.bedienfeld()->startFokussieren();
        }
    } else {
        sofort->setEnabled(true);
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
void Menuebefehle::Kleinplaneten1Click()
{
    inKonfiguration();
    const bool an = aktion(QStringLiteral("Kleinplaneten1"))->isChecked();
    for (const auto& h : kleinplanetenGeschaltet)
        if (h)
            h(an);
}

} // namespace ui
