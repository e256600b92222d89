#pragma once
// "2 Planeten" as a run of the engine: its input record from the dialog, its
// rules (the loops lock the sliders; the figure fills the surface itself, so
// that an unchanged view costs one copy of its cache), the preparation with
// the common rules and the count of "Ergebnis sofort", one frame per step
// drawn by figures::ZweiPlaneten, and its own end counters and pause
// step-back (the oppositions count when they come first).

#include "figures/ZweiPlaneten.h"
#include "shell/Darstellungsablauf.h"

#include <functional>
#include <string>

namespace shell {

class ZweiPlanetenAblauf : public Darstellungsablauf {
public:
    // Where the run reads its input at the start: the dialog's controls
    // (set when the dialog is built); without it `eingabe`.
    std::function<figures::ZweiPlanetenEingabe()> eingabeQuelle;
    figures::ZweiPlanetenEingabe eingabe;
    // Data folder for the element tables (empty: the program's own).
    std::string datenordner;

    Laufregeln einrichten(const Laufkonfiguration& k) override;
    Vorbereitungsergebnis vorbereiten(Laufdienste& d) override;
    void schritt(Laufdienste& d) override;
    Endzaehler endzaehler(const Laufzustand& z, const Laufkonfiguration& k) const override;
    void zurueckschreiten(Laufzustand& z, const Laufkonfiguration& k) override;
    void anzahlZuruecksetzen() override { gemerkteAnzahl_ = VorschlagSchritte; }

    const figures::ZweiPlaneten& figur() const { return figur_; }
    figures::ZweiPlaneten& figur() { return figur_; }
    // The input record of the run under way (corrected), or of the last one.
    const figures::ZweiPlanetenEingabe& laufEingabe() const { return e_; }

    // The proposal of the count dialog of "Ergebnis sofort".
    static constexpr int VorschlagSchritte = 5000;

private:
    void fehler(Laufdienste& d, const astro::Status& s);
    bool drehung(const Laufkonfiguration& k) const;
    figures::ZweiPlanetenEingabe e_;
    figures::ZweiPlaneten figur_;
    int gemerkteAnzahl_ = VorschlagSchritte;
    bool hoheGenauigkeit_ = false;
    bool sofort_ = false;
};

} // namespace shell
