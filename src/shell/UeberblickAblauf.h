#pragma once
// The overview as a representation of the run engine: its preparation with
// the common rules, and one frame per step drawn by figures::Ueberblick.

#include "figures/Ueberblick.h"
#include "shell/Hauptprozedur.h"

#include <functional>

namespace shell {

class UeberblickAblauf : public Darstellungsablauf {
public:
    // Where the run reads its input at the start: the overview dialog's
    // controls (set by the dialog when it is built); without it `eingabe`.
    std::function<figures::UeberblickEingabe()> eingabeQuelle;
    figures::UeberblickEingabe eingabe;
    // Data folder for the element tables (empty: the program's own).
    std::string datenordner;

    bool vorbereiten(Laufkontext& l) override;
    void schritt(Laufkontext& l) override;

    const figures::Ueberblick& figur() const { return figur_; }

private:
    figures::Ansicht& ansichtVon(Laufkontext& l);
    void fehler(Laufkontext& l, const astro::Status& s);
    figures::Ueberblick figur_;
    figures::Ansicht eigeneAnsicht_;
    bool datenOnly_ = false;
};

} // namespace shell
