#pragma once
// Program load: before the main window exists, the planet theory reads its
// series files. A missing or damaged file is the one failure that ends the
// program at once, with the data-file message in the saved language.

#include "astro/Positionsquellen.h"

#include <QString>

#include <functional>
#include <memory>
#include <string>

namespace ui {

struct Ladeergebnis {
    std::shared_ptr<astro::Positionsrechner> rechner; // null when loading failed
    QString meldung;                                   // the error box text on failure
    std::string detail;                                // the file concerned (not shown)
};

// The application's name ("Velmora", which the settings and the desktop
// know it by). No display name is set: Qt would append it to every window
// title, and the main window's caption already begins with the program's
// name (" Velmora - DAS PROGRAMM" would read "... —  Velmora").
void AnwendungBenennen();

// The saved interface language (German when "Sprache/BoolSprache" says so);
// sets the catalogue's language accordingly.
void gespeicherteSpracheSetzen();

// Loads the series from `datenOrdner` into a new Positionsrechner.
Ladeergebnis PlanetendatenLaden(const std::string& datenOrdner);

// The whole program-load step: finds Data/, loads, and on failure shows the
// error box through `fehlerbox` (a QMessageBox by default). Returns the
// calculator or null when the program must end.
std::shared_ptr<astro::Positionsrechner> Programmladen(const char* argv0,
                                                       std::function<void(const QString&)> fehlerbox = {});

} // namespace ui
