#include "ui/Darstellungsbefehle.h"

#include "shell/TEingabeSofort.h"
#include "shell/TForm1.h"
#include "shell/TFormBedienfeld.h"
#include "sprache/Sprache.h"
#include "ui/DatenausgabeMenues.h"
#include "ui/Menuebefehle.h"
#include "ui/TFormUe.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include <optional>
#include <utility>

namespace ui {

using shell::Darstellung;

namespace {

QString TQ(const char* k) { return QString::fromStdString(sprache::T(k)); }

// Finds a menu item by its component name anywhere below `menue`; a submenu
// is found by the name of the menu itself.
QAction* suchen(const QList<QAction*>& aktionen, const QString& name)
{
    for (QAction* a : aktionen) {
        if (a->objectName() == name || (a->menu() && a->menu()->objectName() == name))
            return a;
        if (a->menu())
            if (QAction* t = suchen(a->menu()->actions(), name))
                return t;
    }
    return nullptr;
}

// One row of the table of states a newly selected representation sets.
// Unset entries leave the item as it is.
struct Zustand {
    std::optional<bool> an, aktiv;
};
struct Tabellenzeile {
    Darstellung d;
    std::optional<bool> sonneZentrumAktiv;
    Zustand drehung, sofort, nurZuBeginn, vorschlag, kleinplaneten;
    // Applied on every selection, not only a new one.
    Zustand vorschlagImmer, kleinplanetenImmer;
    // The count dialog asks for steps (true) or for conjunctions and
    // constellations (false).
    std::optional<bool> schrittModus;
};

constexpr bool J = true, N = false;
const Tabellenzeile kTabelle[] = {
    // representation           Sun   Drehung   sofort    nur Beginn  Vorschlag  Kleinpl.  | always: Vorschlag, Kleinpl. | steps
    {Darstellung::Ueberblick,   J,    {N, N},   {N, N},   {N, N},     {{}, N},   {{}, N},  {}, {}, {}},
    {Darstellung::ZweiPlaneten, J,    {N, {}},  {N, J},   {N, J},     {},        {},       {J, J}, {{}, J}, J},
    {Darstellung::DreiPlaneten, J,    {N, J},   {N, J},   {N, J},     {{}, N},   {},       {}, {{}, J}, N},
    {Darstellung::Baryzentrum,  N,    {N, N},   {N, J},   {N, N},     {J, J},    {{}, N},  {}, {}, J},
    {Darstellung::Mond,         N,    {N, J},   {N, N},   {N, N},     {{}, N},   {{}, N},  {}, {}, N},
    {Darstellung::Rotationen,   J,    {N, J},   {N, J},   {N, J},     {{}, N},   {{}, N},  {}, {}, N},
    // A checked rotation of figures or immediate result would still reach
    // a long-term run while its item is disabled: both are unchecked too.
    {Darstellung::Langzeit,     J,    {N, N},   {N, N},   {N, N},     {{}, N},   {{}, N},  {}, {}, {}},
};

void setzen(QAction* a, const Zustand& z)
{
    if (!a)
        return;
    if (z.an)
        a->setChecked(*z.an);
    if (z.aktiv)
        a->setEnabled(*z.aktiv);
}

bool mitMittelpunkten(Darstellung d)
{
    return d == Darstellung::ZweiPlaneten || d == Darstellung::DreiPlaneten || d == Darstellung::Rotationen;
}

} // namespace

Darstellungsbefehle::Darstellungsbefehle(shell::TForm1& form1, Menuebefehle& menue, DatenausgabeMenues* datenausgabe)
    : QObject(&form1), f_(form1), m_(menue), da_(datenausgabe)
{
    // The representation items carry their component names (help topics,
    // tests).
    for (auto [d, n] : {std::pair{Darstellung::Ueberblick, "ueberblick1"}, std::pair{Darstellung::ZweiPlaneten, "N2Planeten1"},
                        std::pair{Darstellung::DreiPlaneten, "N3Planeten1"}, std::pair{Darstellung::Baryzentrum, "Baryzentrum1"},
                        std::pair{Darstellung::Mond, "Mond1"}, std::pair{Darstellung::Rotationen, "Rotationen1"},
                        std::pair{Darstellung::Langzeit, "Langzeitsimulation1"}})
        if (QAction* x = f_.darstellungsAktion(d); x && x->objectName().isEmpty())
            x->setObjectName(QString::fromLatin1(n));
    // "Datei" in its order: print, save data, save image, exit (the data
    // output puts its item at the top).
    if (da_) {
        QMenu* datei = f_.menue(shell::Hauptmenue::Datei);
        if (QAction* bild = a("Bildspeichern1"); bild && datei->actions().contains(da_->datenspeichern1())) {
            datei->removeAction(da_->datenspeichern1());
            datei->insertAction(bild, da_->datenspeichern1());
        }
    }
    // "Extras": the start animation and the quotations follow the data
    // output formats, before "Kleinplaneten".
    QMenu* extras = f_.menue(shell::Hauptmenue::Extras);
    if (QAction* klein = a("Kleinplaneten1"))
        for (const char* n : {"Anfangsanimation1", "Zitatezeigen1"})
            if (QAction* x = a(n); x && extras->actions().contains(x)) {
                extras->removeAction(x);
                extras->insertAction(klein, x);
            }
    f_.darstellungsBefehl = [this](Darstellung d, bool neu) { befehl(d, neu); };
    connect(f_.menue(shell::Hauptmenue::Einstellungen), &QMenu::aboutToShow, this,
            &Darstellungsbefehle::Einstellungen1Click);
}

Darstellungsbefehle::~Darstellungsbefehle() = default;

QAction* Darstellungsbefehle::a(const char* komponente) const
{
    const QString name = QString::fromLatin1(komponente);
    if (da_) {
        for (QAction* x : {da_->ausgabeKonj(), da_->koordinaten1(), da_->winkel1(), da_->entfernung1(), da_->deltaT1(),
                           da_->datenspeichern1()})
            if (x && x->objectName() == name)
                return x;
    }
    if (QAction* x = m_.aktion(name))
        return x;
    return suchen(f_.menuBar()->actions(), name);
}

void Darstellungsbefehle::befehl(Darstellung d, bool neuGewaehlt)
{
    // Choosing the overview arms its first switch to "without distances"
    // (orbits off, constellations on, the usual rotation) once more.
    if (d == Darstellung::Ueberblick)
        if (auto* ue = dynamic_cast<TFormUe*>(f_.dialog(d)))
            ue->ueberblickGewaehlt();
    if (neuGewaehlt)
        GemeinsameZuweisungen(d);
    MenueZustaende(d, neuGewaehlt);
    GemeinsameZuweisungenStets(d);
    m_.konfigurationAbgleichen();
    // The Moon is always computed with the full lunar theory.
    if (d == Darstellung::Mond)
        f_.konfiguration().hoheGenauigkeit = true;
}

void Darstellungsbefehle::GemeinsameZuweisungenStets(Darstellung d)
{
    auto* panel = f_.bedienfeld();
    f_.zustand().MysteriumModus = false;
    panel->mysteriumModus = false;
    panel->setzeZoom(100);
    if (d == Darstellung::Ueberblick)
        panel->setzeDrehungen(60, 30, 0);
    else
        panel->setzeDrehungen(0, 0, 0);
}

void Darstellungsbefehle::GemeinsameZuweisungen(Darstellung d)
{
    auto& k = f_.konfiguration();
    auto* panel = f_.bedienfeld();
    const bool langzeit = d == Darstellung::Langzeit;

    panel->tempoFeld()->setText(QStringLiteral("3"));
    panel->nurBahnenSichtbar(false);
    panel->sternGruppeSichtbar(false);
    panel->startUndZeitSichtbar(true);
    panel->labelZeit(QString());

    const bool jd = a("JulDay1") && a("JulDay1")->isChecked();
    const QString zeitHinweis = langzeit ? TQ("panel.zeit.langzeit") : jd ? TQ("panel.zeit.jd") : TQ("bedienfeld.start.hinweis");
    panel->startLabel()->setToolTip(zeitHinweis);
    panel->zeitLabel()->setToolTip(zeitHinweis);
    for (const char* n : {"Tierkreis1", "Sternzeichen1", "wedernoch1", "Koordinaten1", "Winkel1", "Entfernung1", "DeltaT1"})
        if (QAction* x = a(n))
            x->setEnabled(!langzeit);

    // "weder ... noch", and the empty surface loses its zodiac at once.
    a("wedernoch1")->setChecked(true);
    m_.wedernoch1Click();
    for (const char* n : {"Mysterium1", "Metamorphose1", "Tetraeder1", "Hexaeder1", "Oktaeder1", "Dodekaeder1", "Ikosaeder1",
                          "Dodekaederstern1", "Ikosaederstern1"})
        if (QAction* x = a(n))
            x->setChecked(false);
    k.keplersMysterium = false;
    k.metamorphose = false;
    for (bool& b : k.koerper3D)
        b = false;

    QAction* sonne = a("SonneZentrum1");
    sonne->setChecked(m_.sonneZentrumGewaehlt());
    for (const char* n : {"Massstab1", "Legende1"}) {
        a(n)->setChecked(true);
        a(n)->setEnabled(true);
    }
    a("Zentrummarkieren1")->setChecked(!sonne->isChecked());

    panel->startAktiv(true, true);
    panel->pauseAktiviert(false);

    if (da_) {
        da_->datenspeichern1()->setEnabled(false);
        QAction* ausgabe = da_->ausgabeKonj();
        ausgabe->setEnabled(true);
        if (ausgabe->isChecked())
            ausgabe->trigger(); // unchecks it and hides the memo
        da_->MemoGroesseZurueck();
    }
    // German-only texts of the start label.
    panel->labelStart(jd ? QStringLiteral("Julian. Datum") : QStringLiteral("dynamische Zeit (TD)"));

    for (const char* n : {"PunteLinien", "Linienzug1", "LinieundPunkte1"})
        a(n)->setEnabled(mitMittelpunkten(d));
    for (const char* n : {"Datum1", "Berechnungsgr1"})
        if (QAction* x = a(n))
            x->setEnabled(!langzeit);
    a("Genauigkeit1")->setEnabled(d != Darstellung::Mond);
    m_.konfigurationAbgleichen();
}

void Darstellungsbefehle::MenueZustaende(Darstellung d, bool neuGewaehlt)
{
    const auto& k = f_.konfiguration();
    for (const Tabellenzeile& z : kTabelle) {
        if (z.d != d)
            continue;
        if (neuGewaehlt) {
            if (z.sonneZentrumAktiv)
                a("SonneZentrum1")->setEnabled(*z.sonneZentrumAktiv);
            Zustand drehung = z.drehung;
            // 2 planets: the rotation of figures needs the star figures of
            // the conjunctions or oppositions.
            if (d == Darstellung::ZweiPlaneten)
                drehung.aktiv = k.konjunktionsstern || k.oppositionsstern;
            setzen(a("FigurenDrehung1"), drehung);
            setzen(a("sofort1"), z.sofort);
            setzen(a("PlannurzuBeginn1"), z.nurZuBeginn);
            setzen(a("VorschlagSchrittweite1"), z.vorschlag);
            setzen(a("Kleinplaneten1"), z.kleinplaneten);
            if (z.schrittModus)
                f_.eingabeSofort()->setzeSchrittModus(*z.schrittModus);
            if (d == Darstellung::Mond) {
                if (da_) {
                    da_->ausgabeKonj()->setEnabled(k.mondSpurZeichnen);
                    da_->entfernung1()->setEnabled(false);
                }
            }
        }
        setzen(a("VorschlagSchrittweite1"), z.vorschlagImmer);
        setzen(a("Kleinplaneten1"), z.kleinplanetenImmer);
    }
}

void Darstellungsbefehle::Einstellungen1Click()
{
    if (f_.konfiguration().menueDarstellung != Darstellung::ZweiPlaneten || f_.zustand().LaufAktiv)
        return;
    const auto& k = f_.konfiguration();
    QAction* drehung = a("FigurenDrehung1");
    if (k.konjunktionsstern || k.oppositionsstern) {
        drehung->setEnabled(true);
    } else {
        drehung->setChecked(false);
        drehung->setEnabled(false);
        m_.konfigurationAbgleichen();
    }
}

} // namespace ui
