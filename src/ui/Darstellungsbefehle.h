#pragma once
// The representation commands of the main menu ("Ueberblick" F8, "2 Planeten"
// F2, "3 Planeten" F3, "Baryzentrum" F4, "Mond" F5, "Rotationen" F6,
// "Langzeitsimulation" F7): the menu states a newly selected representation
// sets, the common reset of menus and control panel, and the rule that
// "Einstellungen" applies to "Drehung der Figuren" when it opens.
//
// The main window checks the item and shows the dialog; it calls this class
// through its darstellungsBefehl hook in between. What a command sets comes
// from its row of the table of representations (ui/Darstellungen). The
// program entry creates it after the data output:
//
//     ui::Darstellungsbefehle darstellungsbefehle(form1, menuebefehle, register, &datenausgabeMenues);

#include "shell/Laufkonfiguration.h"
#include "shell/Menueaktionen.h"

#include <QObject>
#include <QString>

#include <utility>
#include <vector>

class QAction;

namespace shell {
class TForm1;
}

namespace ui {

class DatenausgabeMenues;
class Darstellungsregister;
class Menuebefehle;

class Darstellungsbefehle : public QObject {
public:
    Darstellungsbefehle(shell::TForm1& form1, Menuebefehle& menue, const Darstellungsregister& darstellungen,
                        DatenausgabeMenues* datenausgabe = nullptr);
    ~Darstellungsbefehle() override;

    // The command of a representation, after the main window has checked
    // its item: the full reset and the table's states only when it was not
    // selected before; the panel reset always.
    void befehl(shell::Darstellung d, bool neuGewaehlt);

    // Control panel: solids mode off, zoom 1:1, rotations to their start.
    void GemeinsameZuweisungenStets(shell::Darstellung d);
    // Menus and panel back to the state every representation starts from.
    void GemeinsameZuweisungen(shell::Darstellung d);
    // The states of the table of newly selected representations; `immer`
    // holds the part that applies on every selection.
    void MenueZustaende(shell::Darstellung d, bool neuGewaehlt);
    // Opening "Einstellungen": with 2 planets and no run, "Drehung der
    // Figuren" only with the conjunction or opposition star.
    void Einstellungen1Click();
    // Run start (true): the commands that would reconfigure the run are
    // locked. Beenden (false): they are enabled again by the rules of the
    // chosen representation; items that were disabled before the run (not
    // offered yet) stay so.
    void laufSperre(bool gesperrt);

private:
    QAction* a(shell::Menuepunkt p) const;

    shell::TForm1& f_;
    Menuebefehle& m_;
    const Darstellungsregister& darstellungen_;
    DatenausgabeMenues* da_;
    std::vector<std::pair<QAction*, bool>> vorDemLauf_; // locked items and whether they were enabled
    bool sofortGesperrt_ = false; // "Datenausgabe" locked for "Ergebnis sofort"
};

} // namespace ui
