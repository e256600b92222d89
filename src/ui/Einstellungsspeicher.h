#pragma once
// Reading and writing the settings record in the per-user settings store.
//
// The store is an INI file through QSettings (organisation "Tarvello",
// application "Ini"): one group per section, one value per field, value names
// as declared in figures::einstellungsTabelle(). Names are matched without
// regard to case on reading and written in their declared spelling.
//
// Reading never fails: a value that is missing, empty, of the wrong type or
// out of range falls back to its default, and every other value is still
// taken. Writing reports whether the store really accepted the values.

#include "figures/Einstellungssatz.h"
#include "shell/Ordnergedaechtnis.h"

#include <QSettings>
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

namespace ui {

// The program's own store: IniFormat, UserScope, "Tarvello", "Ini".
std::unique_ptr<QSettings> standardEinstellungsspeicher();

struct Leseergebnis {
    QSettings::Status status = QSettings::NoError;  // the store's own state after opening
    int gelesen = 0;          // values found and taken
    int fehlend = 0;          // values not in the store: default used
    QStringList verworfen;    // "Section/Name" of values present but unusable: default used
};

// Reads every value of the table into `ziel`, starting from `vorgaben` (the
// built-in defaults, with the screen-derived barycentre Sun radius).
Leseergebnis IniEinlesen(QSettings& speicher, const figures::Einstellungssatz& vorgaben, figures::Einstellungssatz& ziel);

// Reads the store and makes the result the set in use and the user's set.
Leseergebnis IniEinlesen(QSettings& speicher, figures::Einstellungen& einstellungen);

struct Schreibergebnis {
    bool ok = false;
    QString fehler;           // why the store did not take the values (empty if ok)
};

// Writes the user's set (body fills 0 ... 10 only), the flags, levels and
// dialog colours, then flushes the store and checks that it succeeded.
// Values stored under another spelling of the same name are removed so the
// file holds each value once.
Schreibergebnis IniSchreiben(QSettings& speicher, const figures::Einstellungssatz& benutzer);
Schreibergebnis IniSchreiben(QSettings& speicher, const figures::Einstellungen& einstellungen);

// Writes and, when the store refuses, tells the user in an error box.
// Returns true when the settings were saved.
bool IniSchreibenMitMeldung(QWidget* eltern, QSettings& speicher, const figures::Einstellungen& einstellungen);

// The folders last chosen in the save dialogs, section "Ordner", values
// "StrOrdnerBild", "StrOrdnerDaten" and "StrOrdnerDruck" (text). They are
// not part of the settings record: each is written as soon as the user has
// chosen a file, without the question at the end, and "Standard
// wiederherstellen" leaves them alone.
class Ordnerspeicher : public shell::Ordnergedaechtnis {
public:
    explicit Ordnerspeicher(QSettings& speicher) : speicher_(speicher) {}
    QString ordner(shell::Ordnerart art) const override;
    void merken(shell::Ordnerart art, const QString& datei) override;
    static QString schluessel(shell::Ordnerart art);

private:
    QSettings& speicher_;
};

} // namespace ui
