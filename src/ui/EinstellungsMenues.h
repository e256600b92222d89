#pragma once
// The settings commands of the main menu: the "Einstellungen" items
// (background, colours, line widths, point sizes, lettering, restore
// defaults), "Anzahl Berechnungen" and "Anzahl Bahnpunkte", "Animation bei
// Programmstart" of "Extras", and the "Sprache" menu.
//
// The class creates and owns the actions and sub-menus and fills the menus the
// main window hands it. Whatever it needs from the main window goes through
// EinstellungsHost; the dialogs it shows (colour choice, input box, warning)
// go through EinstellungsDialoge so that tests can answer them.
//
// Every QAction carries the component name of its menu item as objectName
// ("Bahnen1", "SterneHintergr2", "niedrig1", "Deutsch1", ...).

#include "figures/Einstellungssatz.h"

#include <QObject>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

namespace ui {

// What the settings commands need from the main window.
class EinstellungsHost {
public:
    virtual ~EinstellungsHost() = default;

    // Parent of the dialogs and message boxes.
    virtual QWidget* dialogEltern() = 0;
    // The program is still in its start phase (language changes then do not
    // count as a change of the settings).
    virtual bool startphase() const = 0;
    // Sets EinstellungenGeaendert.
    virtual void einstellungenGeaendert() = 0;
    // HintergrundSofort: repaint the empty surface with background colour and
    // star picture when no run is active.
    virtual void hintergrundSofort() = 0;

    // The language is about to change (help file, run configuration); the
    // language pass over all windows follows right after.
    virtual void spracheGewechselt(bool deutsch) { (void)deutsch; }
    // "Anzahl Berechnungen" chose level 1, 2 or 3: mark the calculation for
    // renewal and, unless an example runs, set Schrittgrenze and
    // Konstellationsgrenze (see grenzenFuerStufe).
    virtual void anzahlBerechnungenGewaehlt(int stufe) { (void)stufe; }
    // "Anzahl Bahnpunkte" chose factor 1, 2, 4 or 8 (the period boxes of the
    // Moon and barycentre dialogs follow it).
    virtual void bahnpunkteGewaehlt(int faktor) { (void)faktor; }
    // The start animation or lettering flag changed.
    virtual void optionGeaendert() {}
    // The scale s of the run when the barycentre representation is selected
    // with its standard input: "Sonne/Baryzentrum" then edits the barycentre
    // Sun radius of the run in screen pixels. Empty otherwise.
    virtual std::optional<double> baryStandardMassstab() { return std::nullopt; }
    // The barycentre Sun radius in use was set by the user for this run.
    virtual void sonneBaryVomBenutzer() {}
};

// The dialogs of the commands. The default implementation shows Qt dialogs.
class EinstellungsDialoge {
public:
    virtual ~EinstellungsDialoge() = default;
    // Colour choice with the 16 custom colours, which the dialog may change
    // (also when cancelled). Returns the chosen colour, or nothing on cancel.
    virtual std::optional<figures::Farbe> farbeWaehlen(QWidget* eltern, figures::Farbe anfang,
                                                       std::array<figures::Farbe, figures::AnzahlDialogfarben>& eigene);
    // One-line input box; nothing on cancel.
    virtual std::optional<QString> eingabe(QWidget* eltern, const QString& titel, const QString& frage,
                                           const QString& anfang);
    virtual void warnung(QWidget* eltern, const QString& titel, const QString& text);
};

// Schrittgrenze / Konstellationsgrenze of the "Anzahl Berechnungen" levels:
// 12000 / 1200, 25000 / 2500, 50000 / 5000.
struct Grenzen {
    int schritte;
    int konstellationen;
};
Grenzen grenzenFuerStufe(int stufe);

// An answer of the size and width boxes: a whole number within 1 ... maximum,
// else the default.
int groesseAusEingabe(const QString& text, int maximum, int standard);

class EinstellungsMenues : public QObject {
public:
    EinstellungsMenues(QWidget* eltern, figures::Einstellungen& einstellungen, EinstellungsHost& host,
                       EinstellungsDialoge* dialoge = nullptr);
    ~EinstellungsMenues() override;

    // Appends "Hintergrund", "Farben", "Linienstärke", "Punktgröße",
    // "Beschriftung größer", "Standard wiederherstellen" to "Einstellungen".
    void einstellungenFuellen(QMenu* einstellungen1);
    // Appends "Anzahl Berechnungen" and "Anzahl Bahnpunkte" (to
    // "Berechnungsgrundlagen").
    void berechnungsgrundlagenFuellen(QMenu* berechnungsgr1);
    // Appends "Animation bei Programmstart" to "Extras".
    void extrasFuellen(QMenu* extras1);
    // Appends "Deutsch" and "Englisch" to an existing "Sprache" menu.
    void spracheFuellen(QMenu* sprache1);
    // A "Sprache" menu of its own holding the two items, for a menu bar that
    // has none.
    QMenu* sprache1() const { return sprache1_; }

    // Check marks and toggle captions from the settings (after IniEinlesen).
    void zustandUebernehmen();
    // Captions in the current catalogue language.
    void retranslate();

    // Every menu item created here (for the main window's typed registry
    // and for tests).
    std::vector<QAction*> aktionen() const;
    QAction* beschriftung1() const { return beschriftung1_; }
    QAction* standardwiederherstellen1() const { return standard1_; }
    QAction* anfangsanimation1() const { return anfangsanimation1_; }
    QAction* deutsch1() const { return deutsch1_; }
    QAction* englisch1() const { return englisch1_; }
    // Every menu and sub-menu created here.
    const std::vector<QMenu*>& menues() const { return menues_; }

    // The handlers, by the names of the menu items.
    void Hintergrund1Click();
    void Bahnen1Click(QAction* item);
    void SternHintergrundClick(int bilditem);   // SterneHintergr1/2/3Click, keineSterne1Click
    void PlanetenGroesseClick();
    void SonnengroesseClick();
    void PunktgroesseClick();
    void BahnenstaerkeClick();
    void RaenderStaerkeClick();
    void LinienstaerkeClick();
    void Beschriftung1Click();
    void Anfangsanimation1Click();
    void AnzahlBerechnungenClick(int stufe);   // niedrig1, mittel1, hoch1
    void AnzahlBahnpunkteClick(int faktor);    // niedrig2, mittel2, hoch2, sehrhoch2
    void Standardwiederherstellen1Click();
    void Deutsch1Click();
    void Englisch1Click();

private:
    struct Beschriftet {
        QAction* aktion = nullptr;
        QMenu* menue = nullptr;
        const char* schluessel = nullptr;  // catalogue key
        int koerper = -1;                  // body name instead of a key
    };

    QMenu* neuesMenue(const char* komponente, const char* schluessel);
    QAction* neueAktion(QMenu* in, const char* komponente, const char* schluessel);
    // A checkable item of a radio group.
    QAction* radioAktion(QMenu* in, QActionGroup* gruppe, const char* komponente, const char* schluessel);
    void farbmenueAufbauen();
    void sternItemPruefen();
    void groesseAbfragen(const char* titelSchluessel, int maximum, int standard, int anfang,
                         int figures::Einstellungssatz::*feld, bool mitWarnung);
    std::optional<figures::Farbe> farbDialog(figures::Farbe anfang);
    void sprachWaehlen(bool deutsch);
    void geaendert();

    QWidget* eltern_;
    figures::Einstellungen& einstellungen_;
    EinstellungsHost& host_;
    EinstellungsDialoge eigeneDialoge_;
    EinstellungsDialoge* dialoge_;

    std::vector<QMenu*> menues_;
    std::vector<Beschriftet> beschriftet_;
    QMenu* hintergrund1_ = nullptr;
    QMenu* farben1_ = nullptr;
    QMenu* linienstrke1_ = nullptr;
    QMenu* punktgre1_ = nullptr;
    QMenu* anzahlBerechnungen1_ = nullptr;
    QMenu* anzahlBahnpunkte1_ = nullptr;
    QMenu* sprache1_ = nullptr;
    QAction* beschriftung1_ = nullptr;
    QAction* standard1_ = nullptr;
    QAction* anfangsanimation1_ = nullptr;
    std::array<QAction*, 4> sternItems_{};     // keineSterne1, SterneHintergr1..3 (IntBilditem -1 ... 2)
    std::array<QAction*, 3> berechnItems_{};
    std::array<QAction*, 4> bahnpunktItems_{};
    QAction* deutsch1_ = nullptr;
    QAction* englisch1_ = nullptr;
};

} // namespace ui
