#pragma once
// The rules every representation's preparation shares: the start day, the
// validity clamp, the element tables a run needs, the synodic period, the
// count dialog of "Ergebnis sofort" and the pre-calculation of events.
// Each representation's vorbereiten() calls the pieces it needs, in its own
// order.

#include "astro/Gueltigkeit.h"
#include "shell/Darstellungsablauf.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace shell {

// A start field that holds only "-" is read as (and set to) "0". Returns the
// day number of the field; an unfinished number counts as 0.
double StartzeitLesen(std::string& feldText);

// A start before -grenze starts at -grenze; after +grenze 500 years
// (182625 days) inside the limit.
double GueltigkeitKlemmen(double starttag, double grenze);

// The run's limit becomes the one of `fall`, with its message.
void GrenzeSetzen(Laufzustand& z, astro::Grenzfall fall);
// The same, only when that limit is narrower than the present one.
void GrenzeEinschraenken(Laufzustand& z, astro::Grenzfall fall);

// Normal accuracy and every body (and a planet centre) among Jupiter to
// Pluto: the run may use the wider limit of the outer planets.
bool NurAussenNormal(const std::vector<int>& koerper, int zentrum, bool hoheGenauigkeit);

// The bodies whose element tables a run loads, the centre planet counted as
// a body: Pluto, Jupiter to Neptune at normal accuracy, every minor planet.
std::vector<int> ElementkoerperFuer(const std::vector<int>& koerper, int zentrum, bool hoheGenauigkeit);

// Loads the element tables of the run's bodies into the run's calculator
// and narrows the run's limit to what they allow (Chiron at normal
// accuracy, the dense tables of the minor planets). At high accuracy the
// minor planets' normal tables are read besides, for orbit points beyond the
// dense tables. A missing or damaged file shows the fatal data-file box and
// ends the program: returns false.
// `datenordner` empty: the program's own Data folder.
bool ElementeLaden(Laufdienste& l, const std::vector<int>& koerper, int zentrum, const std::string& datenordner = {});

// |Pa Pb / (Pb - Pa)| for sidereal periods Pa, Pb (any one unit); equal
// periods have no synodic period: 0.
double SynodischePeriodeAus(double pa, double pb);

// The count dialog of "Ergebnis sofort". `gemerkt` is the representation's
// remembered count (the proposal); on okay the surface is cleared and
// flipped, the count remembered and returned in `anzahl`. "abbrechen"
// switches "Ergebnis sofort" off and ends the run: returns false.
enum class Zaehlart { Konjunktionen, Konstellationen, Schritte };
bool AnzahlAbfragen(Laufdienste& l, Zaehlart art, int& gemerkt, int& anzahl);

// Writes n into the control panel's counter after processing pending
// messages; nothing once the run is being ended.
void progressAnzeige(Laufdienste& l, int n);

// The pre-calculation: assign(k, day) finds event k at or after day and
// leaves its day in z.Ereignistag. The next search starts one synodic period
// after the event found. An event before the start day restarts the loop at
// k = 0 (at most `neustarts` times; then the events are taken as they are).
// Returns false when the run was ended meanwhile.
using Zuweisung = std::function<void(int index, double tag)>;
bool Vorausberechnung(Laufdienste& l, const Zuweisung& assign, int neustarts = 3);

} // namespace shell
