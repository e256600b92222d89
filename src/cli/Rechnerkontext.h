#pragma once
// The position calculator of velmora-cli, with the data-driven sources that a
// command needs loaded from the Data folder.
//
// A source plugs in with a static QuellenladerRegistrierung in its own file
// (as the series source does in Rechnerkontext.cpp). Its loader is called
// with what the command needs (accuracy and bodies); it loads only when one
// of those bodies is routed to it, sets its source on the calculator and
// returns a failure status when its files are missing or damaged.

#include "astro/Ergebnis.h"
#include "astro/Gueltigkeit.h"
#include "astro/Positionsquellen.h"

#include <functional>
#include <string>
#include <vector>

namespace cli {

struct Ladeauftrag {
    std::string datenordner;
    bool hoheGenauigkeit = false;
    std::vector<astro::KoerperNr> koerper;
};

using Quellenlader = std::function<astro::Status(const Ladeauftrag&, astro::Positionsrechner&)>;

struct QuellenladerRegistrierung {
    QuellenladerRegistrierung(std::string name, Quellenlader lader);
};

// A calculator for the bodies at the accuracy, every registered loader asked.
astro::Ergebnis<astro::Positionsrechner> rechnerFuer(bool hoheGenauigkeit, const std::vector<astro::KoerperNr>& koerper);

// "body 5 at day 1234: <reason>" style text of a failed status for stderr.
std::string statusText(const astro::Status& status);

// The validity limit a run of these bodies has in the window (a planet at
// the centre counted among them; `aeussere`: the representation allows the
// wider limit of Jupiter to Pluto, as two and three planets do).
const astro::Gueltigkeitsgrenze& laufgrenze(const std::vector<int>& koerper, bool hoheGenauigkeit, bool mond,
                                            bool aeussere);

// The message of the limit L, as the window shows it (English, without the
// trailing blank).
std::string grenzText(double grenzeTage);

// A figure run that reached its limit stops there, as in the window: the
// limit's message goes to stderr as a note ("velmora-cli: <befehl>: ...");
// the figure up to the limit is still written.
void grenzeMelden(const std::string& befehl, double grenzeTage);

// A computation at a day outside the limit L: prints the limit's message
// for `befehl` and returns 2, else returns 0.
int ausserhalbGrenze(const std::string& befehl, double tag, double grenzeTage);

} // namespace cli
