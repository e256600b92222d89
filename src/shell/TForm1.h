#pragma once
// The main window: the drawing surface over the whole client area, the menu
// bar, the data-output memo, the run configuration and run state, and the
// run engine. It implements the engine's host interface by wiring it to the
// control panel, the surface and message boxes.

#include "astro/Positionsquellen.h"
#include "figures/Ansicht.h"
#include "figures/Einstellungssatz.h"
#include "shell/Hauptprozedur.h"
#include "shell/LaufHost.h"
#include "shell/Laufkonfiguration.h"
#include "shell/Laufzustand.h"
#include "shell/Menueaktionen.h"
#include "shell/QtZeichenflaeche.h"
#include "shell/ZeichenWidget.h"

#include <QImage>
#include <QKeySequence>
#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;
class QPlainTextEdit;

namespace shell {

class TFormBedienfeld;
class TEingabeSofort;

enum class Hauptmenue { Datei, Darstellung, Ansicht, Sprache, Einstellungen, Extras, Beispiele, Platon, Hilfe };

class TForm1 : public QMainWindow, public LaufHost {
    Q_OBJECT
public:
    explicit TForm1(QWidget* eltern = nullptr);
    ~TForm1() override;

    Laufzustand& zustand() { return z_; }
    Laufkonfiguration& konfiguration() { return k_; }
    Hauptprozedur& engine() { return *engine_; }
    TFormBedienfeld* bedienfeld() const { return bedienfeld_; }
    ZeichenWidget* zeichenflaecheWidget() const { return dxDraw1_; }
    QtZeichenflaeche& qtFlaeche() { return flaeche_; }
    QPlainTextEdit* memoAusgabe() const { return memoAusgabe_; }
    TEingabeSofort* eingabeSofort() const { return eingabeSofort_; }
    QMenu* menue(Hauptmenue m) const;
    QAction* darstellungsAktion(Darstellung d) const;
    QAction* bedienfeldAktion() const { return ausgabe1_; }
    // The menu items other code steers, by their typed names.
    Menueaktionen& aktionen() { return aktionen_; }
    const Menueaktionen& aktionen() const { return aktionen_; }

    // The radio item of a representation in the "Darstellung" menu, in
    // table order (the program entry adds one per row of its table).
    QAction* darstellungAnlegen(Darstellung d, const char* textSchluessel, const char* komponente, QKeySequence taste);

    // The input dialog of each representation (created by the program entry).
    void setzeDialog(Darstellung d, QWidget* dialog);
    QWidget* dialog(Darstellung d) const;
    // Actions that must be disabled while a run is under way.
    void beiLaufSperren(QAction* a);
    // Widgets whose texts the language pass refreshes.
    void retranslate();

    // Positions of the bodies (series loaded at program start).
    std::shared_ptr<astro::Positionsrechner> rechner;

    // The settings record (the set in use is what drawing reads); set by the
    // program entry.
    const figures::Einstellungen* einstellungen = nullptr;
    // The view state of the drawing, kept in step with the run state.
    figures::Ansicht& ansicht();

    // The menu side of a representation command (menu states, panel reset,
    // the dialog told); `neuGewaehlt` is false when the representation was
    // already selected.
    std::function<void(Darstellung d, bool neuGewaehlt)> darstellungsBefehl;
    // Told at the start of every run, before the run reads its input.
    std::vector<std::function<void()>> beimLaufbeginn;
    // Told when the interface is locked for a run (true) and unlocked by
    // Beenden (false), after the window's own items: the menu layers lock
    // and re-enable theirs.
    std::vector<std::function<void(bool gesperrt)>> beimSperren;
    // Hooks of later layers: writing the settings, the language pass.
    std::function<bool()> einstellungenSchreiben;
    std::function<void()> sprachwechsel;
    // Scales every wait of the host (tests run the start text quickly).
    double zeitfaktor = 1.0;
    // Replaces the message boxes (tests answer them).
    std::function<Antwort(Meldungsart, const std::string&, const std::string&)> meldungsAntwort;

    // FormResize, exposed for tests.
    void FormResize(int breite, int hoehe);
    void MenueSichtbar(bool sichtbar);
    void StartFocusSetzen();
    void HintergrundSofort();
    void startDruecken();

    // --- LaufHost ---
    void pumpEvents() override;
    void sleepMs(int ms) override;
    double jetzt() override;
    figures::Zeichenflaeche& flaeche() override { return flaeche_; }
    Bildschirm bildschirm() override;
    Antwort meldung(Meldungsart art, const std::string& titel, const std::string& text) override;
    bool zahlAbfragen(const std::string& label, int vorschlag, int minimum, int maximum, int& wert) override;
    int tempoFeld() override;
    void labelStart(const std::string& text) override;
    void labelZeit(const std::string& text) override;
    void zaehlerAnzeigen(bool sichtbar, const std::string& text) override;
    void pauseAktiviert(bool aktiviert) override;
    void pauseHervorheben(bool hervorgehoben, const std::string& hinweis) override;
    void beendenKnopf(bool hervorgehoben, const std::string& hinweis) override;
    void startKnopf(bool aktiviert, bool neueEingabeAktiviert) override;
    void zoomRegler(bool aktiviert, int position) override;
    void drehRegler(bool aktiviert) override;
    void drehReglerSetzen(int x, int y, int z) override;
    void startUndZeitLabelsSichtbar(bool sichtbar) override;
    void zeitHinweis(const std::string& text) override;
    void sternGruppeSichtbar(bool sichtbar) override;
    void fuellSchalterSetzen(bool nurLinien) override;
    void laufFokussieren() override;
    void startFokussieren() override;
    void laufBeginnt() override;
    void figurFertig() override;
    void oberflaecheSperren(bool gesperrt) override;
    void menueSichtbar(bool sichtbar) override { MenueSichtbar(sichtbar); }
    void optionAbschalten(Laufoption o) override;
    void bedienfeldZeigen() override;
    void programmBeenden() override;

protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    bool event(QEvent* e) override;

private:
    void FormCreate();
    void menuesAnlegen();
    void FormPaint();
    void darstellungGewaehlt(Darstellung d);
    void neueEingabe();
    void ansichtAusBedienfeld();
    void tierkreisTasteGedrueckt();
    void mausDruck(QPoint p);
    void mausBewegung(QPoint p);
    void mausLos(QPoint p);
    bool imGreifquadrat(QPoint p) const;
    bool tasteVorschau(QKeyEvent* k);
    // The figure of the last run drawn again in the window's present size,
    // language and colours, when one stands; false when there is none.
    bool stehendeFigurZeichnen();
    // A run's last picture that cannot be drawn again keeps its pixels,
    // centred on the surface's new size; false when none is shown.
    bool bildBehalten();

    Laufzustand z_;
    Laufkonfiguration k_;
    figures::Ansicht ansicht_;
    QtZeichenflaeche flaeche_;
    std::unique_ptr<Hauptprozedur> engine_;
    ZeichenWidget* dxDraw1_ = nullptr;
    QPlainTextEdit* memoAusgabe_ = nullptr;
    TFormBedienfeld* bedienfeld_ = nullptr;
    TEingabeSofort* eingabeSofort_ = nullptr;
    std::map<Hauptmenue, QMenu*> menues_;
    std::map<Darstellung, QAction*> darstellungsAktionen_;
    std::vector<std::pair<QAction*, const char*>> darstellungsTexte_;
    Menueaktionen aktionen_;
    std::map<Darstellung, QWidget*> dialoge_;
    QActionGroup* darstellungsGruppe_ = nullptr;
    QAction* beenden1_ = nullptr;
    QAction* ausgabe1_ = nullptr;
    std::vector<QAction*> gesperrt_;
    bool schliessenLaeuft_ = false;
    // Inside a call of the engine: its flips show the run's figure. Any
    // other flip (a dialog clearing the surface) replaces that figure.
    int engineTiefe_ = 0;
    bool bildSteht_ = false; // the surface shows a picture of a run
};

} // namespace shell
