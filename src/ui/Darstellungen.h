#pragma once
// The table of representations: one row each, read by the main window's
// "Darstellung" menu, the representation commands, the program entry and the
// engine's run registry. A row names the menu item (text, component name,
// shortcut), the legend code, the menu states its command sets, and the
// factory of its run and its dialog. (The solid mode and the start phase are
// the main window's own runs: it registers them itself.)
//
// Adding a representation is one row here plus its model (src/figures), its
// run (src/shell) and its dialog (src/ui); see docs/darstellungen.md.

#include "shell/Darstellungsablauf.h"
#include "shell/Laufkonfiguration.h"

#include <QObject>

#include <array>
#include <memory>
#include <optional>
#include <span>

namespace shell {
class TForm1;
}

namespace ui {

class Darstellungsdialog;

// A menu item's state that a representation command sets; unset parts stay.
struct Menuezustand {
    std::optional<bool> an{}, aktiv{};
};

// What the command of a representation does to the menus and the panel.
struct Menuezustaende {
    std::optional<bool> sonneZentrumAktiv{};
    Menuezustand drehung{}, sofort{}, nurZuBeginn{}, vorschlag{}, kleinplaneten{};
    // Applied on every selection, not only a new one.
    Menuezustand vorschlagImmer{}, kleinplanetenImmer{};
    // The count dialog asks for steps (true) or for conjunctions and
    // constellations (false).
    std::optional<bool> schrittModus{};
    // The rotation sliders the command sets (degrees).
    std::array<int, 3> drehungen{0, 0, 0};
    bool mitMittelpunkten = false;     // the three mid-point items are offered
    bool langzeit = false;             // no zodiac, data output, date or calculation menus
    bool hoheGenauigkeitFest = false;  // always computed at high accuracy ("hohe Genauigkeit" disabled)
    bool drehungNachDialog = false;    // "Drehung der Figuren" only when the dialog has a figure to keep
    bool datenausgabeNachDialog = false; // "Datenausgabe" only when the dialog has rows to list
    bool ohneEntfernungsformat = false;  // "Entfernung (km*10^6/AE)" disabled
};

// The run and the dialog of a representation, made together so that the
// run reads its dialog's input record through a typed reference.
struct Darstellungsteile {
    std::unique_ptr<shell::Darstellungsablauf> ablauf;
    Darstellungsdialog* dialog = nullptr; // owned by the main window (Qt parent)
};

struct Darstellungszeile {
    shell::Darstellung d;
    const char* textSchluessel; // the menu item's text
    const char* komponente;     // component name of the menu item and the dialog
    int taste;                  // Qt::Key of the shortcut
    int legendencode;           // figures::Legendenart (0: no legend of its own)
    Menuezustaende zustaende;
    Darstellungsteile (*anlegen)(shell::TForm1& form1);
};

// The rows, in menu order.
std::span<const Darstellungszeile> Darstellungstabelle();
const Darstellungszeile* DarstellungszeileFuer(shell::Darstellung d);

// What the table made at program start: the menu items in the main window,
// the runs registered with its engine, the dialogs.
class Darstellungsregister : public QObject {
public:
    // Owned by the main window, like the commands that read it.
    explicit Darstellungsregister(shell::TForm1& form1);
    Darstellungsdialog* dialog(shell::Darstellung d) const;
    // Puts another dialog in place of a representation's for the menus and
    // commands (tests use their own dialogs here); the run keeps reading the
    // dialog its factory connected it to.
    void dialogSetzen(shell::TForm1& form1, shell::Darstellung d, Darstellungsdialog* dialog);

private:
    std::array<Darstellungsdialog*, 9> dialoge_{};
};

} // namespace ui
