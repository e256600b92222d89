#include "ui/EinstellungsAnbindung.h"

#include "shell/TForm1.h"
#include "shell/TFormBedienfeld.h"
#include "ui/Sprachwechsel.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QMenu>

namespace ui {

using figures::Einstellungssatz;

EinstellungsAnbindung::EinstellungsAnbindung(shell::TForm1& form1, figures::Einstellungen& einstellungen,
                                             std::unique_ptr<QSettings> speicher, EinstellungsDialoge* dialoge)
    : QObject(&form1)
    , form1_(form1)
    , einstellungen_(einstellungen)
    , speicher_(std::move(speicher))
    , ordner_(speicher_ ? std::make_unique<Ordnerspeicher>(*speicher_) : nullptr)
{
    // The main window's own texts come first in the language pass.
    Sprachwechsel::instanz().anmelden(&form1_, [this] { form1_.retranslate(); });

    menues_ = std::make_unique<EinstellungsMenues>(&form1_, einstellungen_, *this, dialoge);
    QMenu* einstellungen1 = form1_.menue(shell::Hauptmenue::Einstellungen);
    menues_->einstellungenFuellen(einstellungen1);
    // "Anzahl Berechnungen" and "Anzahl Bahnpunkte" belong under
    // "Berechnungsgrundlagen" when the main window has that menu.
    QAction* berechnungsgr1 = form1_.aktionen()[shell::Menuepunkt::Berechnungsgr1];
    menues_->berechnungsgrundlagenFuellen(berechnungsgr1 && berechnungsgr1->menu() ? berechnungsgr1->menu() : einstellungen1);
    menues_->extrasFuellen(form1_.menue(shell::Hauptmenue::Extras));
    menues_->spracheFuellen(form1_.menue(shell::Hauptmenue::Sprache));
    using shell::Menuepunkt;
    form1_.aktionen().eintragen(Menuepunkt::Beschriftung1, menues_->beschriftung1());
    form1_.aktionen().eintragen(Menuepunkt::Standardwiederherstellen1, menues_->standardwiederherstellen1());
    form1_.aktionen().eintragen(Menuepunkt::Anfangsanimation1, menues_->anfangsanimation1());
    form1_.aktionen().eintragen(Menuepunkt::Deutsch1, menues_->deutsch1());
    form1_.aktionen().eintragen(Menuepunkt::Englisch1, menues_->englisch1());

    einlesen();
    form1_.installEventFilter(this);

    form1_.sprachwechsel = [this] { Sprachwechsel::instanz().durchlauf(einstellungen_.aktuell().BoolSprache); };
    form1_.einstellungenSchreiben = [this] { return schreiben(); };
}

EinstellungsAnbindung::~EinstellungsAnbindung()
{
    form1_.sprachwechsel = nullptr;
    form1_.einstellungenSchreiben = nullptr;
}

void EinstellungsAnbindung::einlesen()
{
    if (speicher_)
        leseergebnis_ = IniEinlesen(*speicher_, einstellungen_);
    menues_->zustandUebernehmen();
    const Einstellungssatz& s = einstellungen_.aktuell();
    form1_.konfiguration().hoheGenauigkeit = s.BoolGenauigkeit;
    if (QAction* genauigkeit = form1_.aktionen()[shell::Menuepunkt::Genauigkeit1])
        genauigkeit->setChecked(s.BoolGenauigkeit);
    anzahlBerechnungenGewaehlt(s.IntAnzahlBerechn);
    konfigurationAbgleichen();
    // The panel opens where the user left it.
    if (s.IntBedienfeldLinks != Einstellungssatz::KeinOrt && s.IntBedienfeldOben != Einstellungssatz::KeinOrt)
        form1_.bedienfeld()->ortVorgeben(QPoint(s.IntBedienfeldLinks, s.IntBedienfeldOben));
}

bool EinstellungsAnbindung::eventFilter(QObject* o, QEvent* e)
{
    // Before the main window asks whether to save: a panel the user moved is
    // a changed setting.
    if (o == &form1_ && e->type() == QEvent::Close && form1_.bedienfeld()->verschoben())
        einstellungenGeaendert();
    return QObject::eventFilter(o, e);
}

void EinstellungsAnbindung::konfigurationAbgleichen()
{
    const Einstellungssatz& s = einstellungen_.aktuell();
    shell::Laufkonfiguration& k = form1_.konfiguration();
    k.intAnzahlBerechn = s.IntAnzahlBerechn;
    k.bahnpunkteFaktor = s.IntAnzahlBahnpunkte;
    k.intBilditem = s.IntBilditem;
    k.intFarbeHintergrund = s.IntFarbeHintergrund;
    k.boolAnfangsanimation = s.BoolAnfangsanimation;
    k.boolZitateAnzeigen = s.BoolZitateAnzeigen;
}

// "hohe Genauigkeit", "Zitate anzeigen" and the place of the control panel
// belong to other windows: their state is taken over just before writing.
void EinstellungsAnbindung::fremdeFlaggenUebernehmen()
{
    bool genau = form1_.konfiguration().hoheGenauigkeit;
    if (QAction* genauigkeit = form1_.aktionen()[shell::Menuepunkt::Genauigkeit1])
        genau = genauigkeit->isChecked();
    einstellungen_.setzen(&Einstellungssatz::BoolGenauigkeit, genau);
    einstellungen_.setzen(&Einstellungssatz::BoolZitateAnzeigen, form1_.konfiguration().boolZitateAnzeigen);
    if (const shell::TFormBedienfeld* panel = form1_.bedienfeld(); panel->verschoben()) {
        einstellungen_.setzen(&Einstellungssatz::IntBedienfeldLinks, panel->x());
        einstellungen_.setzen(&Einstellungssatz::IntBedienfeldOben, panel->y());
    }
}

bool EinstellungsAnbindung::schreiben()
{
    if (!speicher_)
        return false;
    fremdeFlaggenUebernehmen();
    return IniSchreibenMitMeldung(&form1_, *speicher_, einstellungen_);
}

QWidget* EinstellungsAnbindung::dialogEltern() { return &form1_; }

bool EinstellungsAnbindung::startphase() const { return form1_.zustand().Startphase; }

void EinstellungsAnbindung::einstellungenGeaendert() { form1_.zustand().EinstellungenGeaendert = true; }

void EinstellungsAnbindung::hintergrundSofort()
{
    konfigurationAbgleichen();
    form1_.HintergrundSofort();
}

void EinstellungsAnbindung::spracheGewechselt(bool) {}

void EinstellungsAnbindung::anzahlBerechnungenGewaehlt(int stufe)
{
    form1_.konfiguration().intAnzahlBerechn = stufe;
    shell::Laufzustand& z = form1_.zustand();
    if (!z.BeispielModus) {
        const Grenzen g = grenzenFuerStufe(stufe);
        z.Schrittgrenze = g.schritte;
        z.Konstellationsgrenze = g.konstellationen;
    }
}

void EinstellungsAnbindung::bahnpunkteGewaehlt(int faktor) { form1_.konfiguration().bahnpunkteFaktor = faktor; }

void EinstellungsAnbindung::optionGeaendert() { konfigurationAbgleichen(); }

} // namespace ui
