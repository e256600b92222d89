#pragma once
// A test run that draws nothing and goes on for Schrittgrenze steps of one
// day: for tests of the windows that need a run under way.
#include "shell/Darstellungsablauf.h"

namespace testlauf {

class Dauerlauf : public shell::Darstellungsablauf {
public:
    shell::Laufregeln einrichten(const shell::Laufkonfiguration&) override { return {}; }
    shell::Vorbereitungsergebnis vorbereiten(shell::Laufdienste& d) override
    {
        d.z.Starttag = 0;
        d.z.Schrittweite = 1;
        d.z.Schrittzahl = d.z.Schrittgrenze;
        return shell::Vorbereitungsergebnis::Weiter;
    }
    void schritt(shell::Laufdienste&) override {}
};

} // namespace testlauf
