#pragma once
// Connects the settings to the main window: reads the store, builds the
// settings menus into the main window's menus, keeps the run configuration in
// step with the settings, runs the language pass at the first paint and
// writes the store when the user agrees on closing.
//
// The program entry creates it once, after the main window:
//
//     figures::Einstellungen einstellungen(...);
//     ui::EinstellungsAnbindung anbindung(form1, einstellungen);

#include "ui/EinstellungsMenues.h"
#include "ui/Einstellungsspeicher.h"

#include <QObject>

#include <memory>

namespace shell {
class TForm1;
}

namespace ui {

class EinstellungsAnbindung : public QObject, public EinstellungsHost {
public:
    // `speicher` is the settings store (the user's own by default; tests
    // pass a temporary file).
    EinstellungsAnbindung(shell::TForm1& form1, figures::Einstellungen& einstellungen,
                          std::unique_ptr<QSettings> speicher = standardEinstellungsspeicher(),
                          EinstellungsDialoge* dialoge = nullptr);
    ~EinstellungsAnbindung() override;

    EinstellungsMenues& menues() { return *menues_; }
    const Leseergebnis& leseergebnis() const { return leseergebnis_; }
    // The folders of the save dialogs, in the same store (null without one).
    shell::Ordnergedaechtnis* ordner() { return ordner_.get(); }

    // IniEinlesen and applying the values read (check marks, run
    // configuration, limits).
    void einlesen();
    // IniSchreiben; a failure is shown in an error box. True when written.
    bool schreiben();
    // The settings in use → the run configuration of the main window.
    void konfigurationAbgleichen();

    // --- EinstellungsHost ---
    QWidget* dialogEltern() override;
    bool startphase() const override;
    void einstellungenGeaendert() override;
    void hintergrundSofort() override;
    void spracheGewechselt(bool deutsch) override;
    void anzahlBerechnungenGewaehlt(int stufe) override;
    void bahnpunkteGewaehlt(int faktor) override;
    void optionGeaendert() override;

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void fremdeFlaggenUebernehmen();

    shell::TForm1& form1_;
    figures::Einstellungen& einstellungen_;
    std::unique_ptr<QSettings> speicher_;
    std::unique_ptr<Ordnerspeicher> ordner_;
    std::unique_ptr<EinstellungsMenues> menues_;
    Leseergebnis leseergebnis_;
};

} // namespace ui
