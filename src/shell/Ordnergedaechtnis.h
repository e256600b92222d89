#pragma once
// Where the file dialogs of "Bild speichern", "Daten speichern" and the PDF
// page of "Drucken ..." open: in the folder the user chose last time for that
// kind of file, with the default name proposed there. The settings layer
// keeps the folders in the settings store (ui::Ordnerspeicher); the commands
// only read and update them through this interface.

#include <QStandardPaths>
#include <QString>

namespace shell {

enum class Ordnerart { Bild, Daten, Druck };

class Ordnergedaechtnis {
public:
    virtual ~Ordnergedaechtnis() = default;
    // The folder last chosen for this kind; empty when none is known.
    virtual QString ordner(Ordnerart art) const = 0;
    // Remembers the folder of the file `datei`.
    virtual void merken(Ordnerart art, const QString& datei) = 0;
};

// `name` in the folder last chosen for `art` when it still exists, else in
// the user's `standard` folder (the home folder when that is missing).
// `gedaechtnis` may be null.
QString Dateivorschlag(const Ordnergedaechtnis* gedaechtnis, Ordnerart art,
                       QStandardPaths::StandardLocation standard, const QString& name);

} // namespace shell
