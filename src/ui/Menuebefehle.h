#pragma once
// The view and option commands of the main menu: "Kurzhinweise anzeigen",
// "Sonne ins Zentrum", "Zentrum markieren", "Legende", "Maßstab einfügen",
// the zodiac items, "Ergebnis sofort", "Planeten nur zu Beginn", "Drehung der
// Figuren", "hohe Genauigkeit", "Präzession", "Kleinplaneten", "Vorschlag
// Schrittweite" and the three mid-point items. It also puts in the commands
// whose windows or drawings are built elsewhere ("Drucken ...", "Bild
// speichern", "Zitate zeigen", the "Platon/Kepler" items), visible and
// disabled until their code enables them. Each action is entered under its
// component name in the main window's Menueaktionen. The commands keep the run
// configuration of the main window in step with their check marks.

#include "shell/Menueaktionen.h"

#include <QKeySequence>
#include <QObject>
#include <QString>

#include <functional>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;

namespace shell {
class TForm1;
}

namespace ui {

class Menuebefehle : public QObject {
public:
    explicit Menuebefehle(shell::TForm1& form1);
    ~Menuebefehle() override;

    void retranslate();
    // The "Berechnungsgrundlagen" submenu (the calculation levels are added
    // by the settings commands).
    QMenu* berechnungsgrundlagen() const { return berechnungsgr1_; }

    // The user's last choice of "Sonne ins Zentrum" (the common reset of the
    // representation commands restores it).
    bool sonneZentrumGewaehlt() const { return sonneZentrumGewaehlt_; }
    bool kurzhinweiseAn() const;
    // Reads the check marks into the run configuration (after other code set
    // them directly, e.g. the representation commands).
    void konfigurationAbgleichen();

    // Asked when "Drehung der Figuren" is switched on: the number of figures
    // to keep (false on cancel). Tests replace it.
    std::function<bool(int vorschlag, int& anzahl)> figurenAnzahlFragen;
    // Told when "Kleinplaneten" is switched: the 2- and 3-planet dialogs
    // widen or narrow their planet choice (and, with high accuracy, clamp
    // their start day to the limits of the minor-planet tables).
    std::vector<std::function<void(bool an)>> kleinplanetenGeschaltet;

    void Kurzhinweise1Click();
    void SonneZentrum1Click();
    void Zentrummarkieren1Click();
    void Legende1Click();
    void Massstab1Click();
    void Tierkreis1Click();
    void Sternzeichen1Click();
    void wedernoch1Click();
    void sofort1Click();
    void PlannurzuBeginn1Click();
    void FigurenDrehung1Click();
    void Genauigkeit1Click();
    void Praezession1Click();
    void Informationanzeigen1Click();
    void Kleinplaneten1Click();
    // PunteLinienClick, Linienzug1Click, LinieundPunkte1Click.
    void MittelpunkteClick();

    // Swallows tooltips everywhere while "Kurzhinweise anzeigen" is off.
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // Whether the chosen representation offers the item (its row of the
    // table of representations).
    bool angeboten(shell::Menuepunkt p) const;
    QAction* neu(QMenu* menue, shell::Menuepunkt komponente, const char* schluessel, bool pruefbar, bool geprueft,
                 QKeySequence taste = {});
    void inKonfiguration();

    shell::TForm1& f_;
    struct Eintrag {
        QAction* aktion;
        const char* schluessel;
    };
    std::vector<Eintrag> eintraege_;
    QActionGroup* tierkreisGruppe_ = nullptr;
    QActionGroup* punkteGruppe_ = nullptr;
    QActionGroup* koerperGruppe_ = nullptr;
    QMenu* berechnungsgr1_ = nullptr;
    bool sonneZentrumGewaehlt_ = false;
};

} // namespace ui
