#include "ui/Darstellungsbefehle.h"

#include "shell/TEingabeSofort.h"
#include "shell/TForm1.h"
#include "shell/TFormBedienfeld.h"
#include "sprache/Sprache.h"
#include "ui/DatenausgabeMenues.h"
#include "ui/Darstellungen.h"
#include "ui/Darstellungsdialog.h"
#include "ui/Menuebefehle.h"

#include <QAction>
#include <QCheckBox>
#include <QSignalBlocker>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

namespace ui {

using shell::Darstellung;
using shell::Menuepunkt;

namespace {

QString TQ(const char* k) { return QString::fromStdString(sprache::T(k)); }

void setzen(QAction* a, const Menuezustand& z)
{
    if (!a)
        return;
    if (z.an)
        a->setChecked(*z.an);
    if (z.aktiv)
        a->setEnabled(*z.aktiv);
}

const Menuezustaende& ZustaendeFuer(Darstellung d)
{
    static const Menuezustaende keine;
    const Darstellungszeile* z = DarstellungszeileFuer(d);
    return z ? z->zustaende : keine;
}

} // namespace

Darstellungsbefehle::Darstellungsbefehle(shell::TForm1& form1, Menuebefehle& menue,
                                         const Darstellungsregister& darstellungen, DatenausgabeMenues* datenausgabe)
    : QObject(&form1), f_(form1), m_(menue), darstellungen_(darstellungen), da_(datenausgabe)
{
    // "Datei" in its order: print, save data, save image, exit (the data
    // output puts its item at the top).
    if (da_) {
        QMenu* datei = f_.menue(shell::Hauptmenue::Datei);
        if (QAction* bild = a(Menuepunkt::Bildspeichern1); bild && datei->actions().contains(da_->datenspeichern1())) {
            datei->removeAction(da_->datenspeichern1());
            datei->insertAction(bild, da_->datenspeichern1());
        }
    }
    // "Extras": the start animation and the quotations follow the data
    // output formats, before "Kleinplaneten".
    QMenu* extras = f_.menue(shell::Hauptmenue::Extras);
    if (QAction* klein = a(Menuepunkt::Kleinplaneten1))
        for (Menuepunkt n : {Menuepunkt::Anfangsanimation1, Menuepunkt::Zitatezeigen1})
            if (QAction* x = a(n); x && extras->actions().contains(x)) {
                extras->removeAction(x);
                extras->insertAction(klein, x);
            }
    f_.darstellungsBefehl = [this](Darstellung d, bool neu) { befehl(d, neu); };
    f_.beimSperren.push_back([this](bool gesperrt) { laufSperre(gesperrt); });
    connect(f_.menue(shell::Hauptmenue::Einstellungen), &QMenu::aboutToShow, this,
            &Darstellungsbefehle::Einstellungen1Click);
}

Darstellungsbefehle::~Darstellungsbefehle() = default;

QAction* Darstellungsbefehle::a(Menuepunkt p) const { return f_.aktionen()[p]; }

void Darstellungsbefehle::befehl(Darstellung d, bool neuGewaehlt)
{
    if (neuGewaehlt)
        GemeinsameZuweisungen(d);
    MenueZustaende(d, neuGewaehlt);
    GemeinsameZuweisungenStets(d);
    // The dialog hears of its command after the common reset, so that what
    // it sets stands (the overview arms its first switch to "without
    // distances" once more and applies that rule).
    if (Darstellungsdialog* dialog = darstellungen_.dialog(d))
        dialog->gewaehlt(neuGewaehlt);
    m_.konfigurationAbgleichen();
    // A representation computed at high accuracy only (the Moon's full
    // lunar theory).
    if (ZustaendeFuer(d).hoheGenauigkeitFest)
        f_.konfiguration().hoheGenauigkeit = true;
}

void Darstellungsbefehle::GemeinsameZuweisungenStets(Darstellung d)
{
    auto* panel = f_.bedienfeld();
    f_.zustand().MysteriumModus = false;
    panel->mysteriumModus = false;
    panel->setzeZoom(100);
    const auto& w = ZustaendeFuer(d).drehungen;
    panel->setzeDrehungen(w[0], w[1], w[2]);
    // The sliders were just set: "Drehungen = 0 setzen" is not ticked.
    if (QCheckBox* null = panel->nullsetzen()) {
        QSignalBlocker b(null);
        null->setChecked(false);
    }
}

void Darstellungsbefehle::GemeinsameZuweisungen(Darstellung d)
{
    auto& k = f_.konfiguration();
    auto* panel = f_.bedienfeld();
    const Menuezustaende& zs = ZustaendeFuer(d);
    const bool langzeit = zs.langzeit;

    panel->tempoFeld()->setText(QStringLiteral("3"));
    panel->nurBahnenSichtbar(false);
    panel->sternGruppeSichtbar(false);
    panel->startUndZeitSichtbar(true);
    panel->labelZeit(QString());

    const bool jd = a(Menuepunkt::JulDay1) && a(Menuepunkt::JulDay1)->isChecked();
    const QString zeitHinweis = langzeit ? TQ("panel.zeit.langzeit") : jd ? TQ("panel.zeit.jd") : TQ("bedienfeld.start.hinweis");
    panel->startLabel()->setToolTip(zeitHinweis);
    panel->zeitLabel()->setToolTip(zeitHinweis);
    for (Menuepunkt n : {Menuepunkt::Tierkreis1, Menuepunkt::Sternzeichen1, Menuepunkt::wedernoch1, Menuepunkt::Koordinaten1,
                         Menuepunkt::Winkel1, Menuepunkt::Entfernung1, Menuepunkt::DeltaT1})
        if (QAction* x = a(n))
            x->setEnabled(!langzeit);

    // "weder ... noch", and the empty surface loses its zodiac at once.
    a(Menuepunkt::wedernoch1)->setChecked(true);
    m_.wedernoch1Click();
    for (Menuepunkt n : {Menuepunkt::Mysterium1, Menuepunkt::Metamorphose1, Menuepunkt::Tetraeder1, Menuepunkt::Hexaeder1,
                         Menuepunkt::Oktaeder1, Menuepunkt::Dodekaeder1, Menuepunkt::Ikosaeder1,
                         Menuepunkt::Dodekaederstern1, Menuepunkt::Ikosaederstern1})
        if (QAction* x = a(n))
            x->setChecked(false);
    k.keplersMysterium = false;
    k.metamorphose = false;
    for (bool& b : k.koerper3D)
        b = false;

    QAction* sonne = a(Menuepunkt::SonneZentrum1);
    sonne->setChecked(m_.sonneZentrumGewaehlt());
    for (Menuepunkt n : {Menuepunkt::Massstab1, Menuepunkt::Legende1}) {
        a(n)->setChecked(true);
        a(n)->setEnabled(true);
    }
    a(Menuepunkt::Zentrummarkieren1)->setChecked(!sonne->isChecked());

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

    for (Menuepunkt n : {Menuepunkt::PunteLinien, Menuepunkt::Linienzug1, Menuepunkt::LinieundPunkte1})
        a(n)->setEnabled(zs.mitMittelpunkten);
    for (Menuepunkt n : {Menuepunkt::Datum1, Menuepunkt::Berechnungsgr1})
        if (QAction* x = a(n))
            x->setEnabled(!langzeit);
    a(Menuepunkt::Genauigkeit1)->setEnabled(!zs.hoheGenauigkeitFest);
    m_.konfigurationAbgleichen();
}

void Darstellungsbefehle::MenueZustaende(Darstellung d, bool neuGewaehlt)
{
    const Menuezustaende& zs = ZustaendeFuer(d);
    const Darstellungsdialog* dialog = darstellungen_.dialog(d);
    if (neuGewaehlt) {
        if (zs.sonneZentrumAktiv)
            a(Menuepunkt::SonneZentrum1)->setEnabled(*zs.sonneZentrumAktiv);
        Menuezustand drehung = zs.drehung;
        // The rotation of figures needs a figure to keep (2 planets: the
        // conjunction or opposition star).
        if (zs.drehungNachDialog)
            drehung.aktiv = dialog && dialog->figurenDrehungMoeglich();
        setzen(a(Menuepunkt::FigurenDrehung1), drehung);
        setzen(a(Menuepunkt::sofort1), zs.sofort);
        setzen(a(Menuepunkt::PlannurzuBeginn1), zs.nurZuBeginn);
        setzen(a(Menuepunkt::VorschlagSchrittweite1), zs.vorschlag);
        setzen(a(Menuepunkt::Kleinplaneten1), zs.kleinplaneten);
        if (zs.schrittModus)
            f_.eingabeSofort()->setzeSchrittModus(*zs.schrittModus);
        if (zs.datenausgabeNachDialog)
            if (QAction* x = a(Menuepunkt::AusgabeKonj))
                x->setEnabled(dialog && dialog->datenausgabeMoeglich());
        if (zs.ohneEntfernungsformat)
            if (QAction* x = a(Menuepunkt::Entfernung1))
                x->setEnabled(false);
    }
    setzen(a(Menuepunkt::VorschlagSchrittweite1), zs.vorschlagImmer);
    setzen(a(Menuepunkt::Kleinplaneten1), zs.kleinplanetenImmer);
}

void Darstellungsbefehle::laufSperre(bool gesperrt)
{
    using M = Menuepunkt;
    // What a run locks besides the representation items, the calculation
    // basis and the date menu (the main window's own).
    static constexpr M kGesperrt[] = {
        M::Kleinplaneten1, M::Deutsch1, M::Englisch1, M::VorschlagSchrittweite1, M::sofort1, M::FigurenDrehung1,
        M::Zitatezeigen1, M::Mysterium1, M::Metamorphose1, M::Tetraeder1, M::Hexaeder1, M::Oktaeder1,
        M::Dodekaeder1, M::Ikosaeder1, M::Dodekaederstern1, M::Ikosaederstern1, M::Koordinaten1, M::Entfernung1,
        M::Winkel1, M::DeltaT1, M::Informationanzeigen1};
    const auto& k = f_.konfiguration();
    if (gesperrt) {
        vorDemLauf_.clear();
        for (M p : kGesperrt)
            if (QAction* x = a(p)) {
                vorDemLauf_.emplace_back(x, x->isEnabled());
                x->setEnabled(false);
            }
        QAction* beispiele = f_.menue(shell::Hauptmenue::Beispiele)->menuAction();
        vorDemLauf_.emplace_back(beispiele, beispiele->isEnabled());
        beispiele->setEnabled(false);
        // "Ergebnis sofort": the rows are written at once; the table is
        // hidden and its item locked until the figure is complete.
        sofortGesperrt_ = false;
        if (k.ergebnisSofort)
            if (QAction* ausgabe = a(M::AusgabeKonj); ausgabe && ausgabe->isEnabled()) {
                if (ausgabe->isChecked())
                    ausgabe->trigger();
                ausgabe->setEnabled(false);
                sofortGesperrt_ = true;
            }
        return;
    }
    // Beenden: what was offered before the run is offered again ...
    for (auto [x, an] : vorDemLauf_)
        x->setEnabled(an);
    vorDemLauf_.clear();
    // ... and the rules of the chosen representation decide the options.
    const Darstellung d = f_.konfiguration().menueDarstellung;
    const Menuezustaende& zs = ZustaendeFuer(d);
    const bool mysterium = f_.zustand().MysteriumModus;
    auto aktiv = [](const Menuezustand& z) { return z.aktiv.value_or(false); };
    auto setzenAuf = [this](M p, bool an) {
        if (QAction* x = a(p))
            x->setEnabled(an);
    };
    setzenAuf(M::VorschlagSchrittweite1, aktiv(zs.vorschlag) || aktiv(zs.vorschlagImmer));
    setzenAuf(M::Kleinplaneten1, aktiv(zs.kleinplaneten) || aktiv(zs.kleinplanetenImmer));
    const Darstellungsdialog* dialog = darstellungen_.dialog(d);
    const bool drehung = zs.drehungNachDialog ? dialog && dialog->figurenDrehungMoeglich() : aktiv(zs.drehung);
    setzenAuf(M::FigurenDrehung1, drehung && !k.ergebnisSofort);
    setzenAuf(M::sofort1, aktiv(zs.sofort) && !k.drehungDerFiguren);
    setzenAuf(M::PlannurzuBeginn1, aktiv(zs.nurZuBeginn) && !k.ergebnisSofort);
    QAction* koordinaten = a(M::Koordinaten1);
    QAction* winkel = a(M::Winkel1);
    if (!mysterium && !zs.langzeit && koordinaten && winkel) {
        koordinaten->setEnabled(!winkel->isChecked());
        winkel->setEnabled(!koordinaten->isChecked());
        if (QAction* x = a(M::Entfernung1))
            x->setEnabled(!zs.ohneEntfernungsformat);
        if (QAction* x = a(M::DeltaT1))
            x->setEnabled(true);
    }
    // The calculation basis and the date menu, which the main window
    // unlocked, stay locked for the long-term simulation and the solids.
    for (M p : {M::Berechnungsgr1, M::Datum1})
        if (QAction* x = a(p))
            x->setEnabled(!zs.langzeit && !mysterium);
    if (sofortGesperrt_)
        if (QAction* ausgabe = a(M::AusgabeKonj))
            ausgabe->setEnabled(true);
    sofortGesperrt_ = false;
}

void Darstellungsbefehle::Einstellungen1Click()
{
    const Darstellung d = f_.konfiguration().menueDarstellung;
    if (!ZustaendeFuer(d).drehungNachDialog || f_.zustand().LaufAktiv)
        return;
    const Darstellungsdialog* dialog = darstellungen_.dialog(d);
    QAction* drehung = a(Menuepunkt::FigurenDrehung1);
    if (dialog && dialog->figurenDrehungMoeglich()) {
        drehung->setEnabled(true);
    } else {
        drehung->setChecked(false);
        drehung->setEnabled(false);
        m_.konfigurationAbgleichen();
    }
}

} // namespace ui
