#pragma once
// "3 Planeten" as a run of the engine: its input record from the dialog, its
// rules (slower once "Planeten nur zu Beginn" is past its count; the figure
// fills the surface itself), the preparation with the common rules and the
// count of "Ergebnis sofort", one frame per step drawn by
// figures::DreiPlaneten, and its end counters.

#include "figures/DreiPlaneten.h"
#include "shell/Darstellungsablauf.h"

#include <array>
#include <functional>
#include <string>

namespace shell {

class DreiPlanetenAblauf : public Darstellungsablauf {
public:
    std::function<figures::DreiPlanetenEingabe()> eingabeQuelle;
    figures::DreiPlanetenEingabe eingabe;
    std::string datenordner;
    // Told when fewer than three bodies were checked and the run took Venus,
    // Earth and Mars (the dialog shows them).
    std::function<void(const std::array<bool, 22>&)> koerperKorrigiert;

    Laufregeln einrichten(const Laufkonfiguration& k) override;
    Vorbereitungsergebnis vorbereiten(Laufdienste& d) override;
    void schritt(Laufdienste& d) override;
    Endzaehler endzaehler(const Laufzustand& z, const Laufkonfiguration& k) const override;
    void anzahlZuruecksetzen() override { gemerkteAnzahl_ = VorschlagKonjunktionen; }

    const figures::DreiPlaneten& figur() const { return figur_; }
    static constexpr int VorschlagKonjunktionen = 500;

private:
    void fehler(Laufdienste& d, const astro::Status& s);
    figures::DreiPlanetenEingabe e_;
    figures::DreiPlaneten figur_;
    int gemerkteAnzahl_ = VorschlagKonjunktionen;
    bool hoheGenauigkeit_ = false;
    bool sofort_ = false;
};

} // namespace shell
