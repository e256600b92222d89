#pragma once
// Sub-commands of velmora-cli. Each source file in src/cli registers its own
// commands with a static BefehlRegistrierung, so adding a command touches no
// other file.
//
// Output rules for every command: one line per result, fields separated by
// single spaces, "." decimals, at least 10 significant digits, no decoration;
// errors go to stderr and the command returns non-zero.

#include <functional>
#include <string>
#include <vector>

namespace cli {

using Argumente = std::vector<std::string>;
using Befehlsfunktion = std::function<int(const Argumente&)>;

struct Befehl {
    std::string name;
    std::string aufruf;       // usage line, e.g. "day Y M D"
    std::string beschreibung; // one line
    Befehlsfunktion ausfuehren;
};

std::vector<Befehl>& befehle();

struct BefehlRegistrierung {
    BefehlRegistrierung(std::string name, std::string aufruf, std::string beschreibung, Befehlsfunktion f)
    {
        befehle().push_back({std::move(name), std::move(aufruf), std::move(beschreibung), std::move(f)});
    }
};

// Helpers for argument parsing; all numbers use "." whatever the locale.
bool zahlLesen(const std::string& text, double& wert);
bool ganzzahlLesen(const std::string& text, long long& wert);
// Formats with 17 significant digits in the shortest exact form ("%.17g" trimmed).
std::string zahlText(double wert);
// Splits "a,b,,c" into its non-empty parts.
std::vector<std::string> listeTeilen(const std::string& liste);
int fehler(const std::string& meldung); // prints "velmora-cli: <meldung>" to stderr, returns 2

} // namespace cli
