#pragma once
// The overview as a run of the engine: its input record from the dialog, its
// rules (the third of the tempo wait, the data-only run, Kepler's Mysterium
// inside it), its preparation with the common rules, and one frame per step
// drawn by figures::Ueberblick.

#include "figures/Ueberblick.h"
#include "mysterium/Keplerschalen.h"
#include "shell/Darstellungsablauf.h"

#include <functional>
#include <memory>

namespace shell {

class UeberblickAblauf : public Darstellungsablauf {
public:
    // Where the run reads its input at the start: the overview dialog's
    // controls (set when the dialog is built); without it `eingabe`.
    std::function<figures::UeberblickEingabe()> eingabeQuelle;
    figures::UeberblickEingabe eingabe;
    // Data folder for the element tables (empty: the program's own).
    std::string datenordner;
    // Told when a data-only run has ended (the dialog unticks its box).
    std::function<void()> datenOnlyEnde;

    Laufregeln einrichten(const Laufkonfiguration& k) override;
    Vorbereitungsergebnis vorbereiten(Laufdienste& d) override;
    void schritt(Laufdienste& d) override;
    void beendet() override;

    const figures::Ueberblick& figur() const { return figur_; }
    // The input record of the run under way (or the last one).
    const figures::UeberblickEingabe& laufEingabe() const { return e_; }

private:
    void fehler(Laufdienste& d, const astro::Status& s);
    figures::UeberblickEingabe e_;
    figures::Ueberblick figur_;
    // Kepler's Mysterium: the solids between the orbits (null otherwise).
    std::unique_ptr<mysterium::Keplerschalen> schalen_;
};

} // namespace shell
