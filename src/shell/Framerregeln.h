#pragma once
// Rules every representation's frame shares that read the run state: the
// star background, whether the planets are still drawn, the common tail
// (drawn by figures::RahmenSchluss with the menu's switches), the events
// passed, "Ergebnis sofort", the kept figures and the clock synchronisation.

#include "figures/Ansicht.h"
#include "figures/Einstellungssatz.h"
#include "figures/Legende.h"
#include "figures/Rahmen.h"
#include "shell/Darstellungsablauf.h"
#include "figures/Ereignisse.h"
#include "figures/Verweis.h"
#include "figures/Ereignisfigur.h"

#include <span>

namespace shell {

// The switches and run state a frame of two or three planets reads: the
// menu's view and tail options, pause, complete, the row limit, whether all
// is projected anew, and message processing for rows written at once.
figures::Figurrahmen FigurrahmenAus(Laufdienste& d);

// The chosen star background, unless none (-1).
void RahmenHintergrund(Laufdienste& l);

using figures::Bahnerneuerung;

// The planets are no longer drawn in this step: "Planeten nur zu Beginn"
// past NurBisIndex, "Ergebnis sofort", or kept figures past FigurenAnzahl.
bool OhnePlaneten(const Laufzustand& z, const Laufkonfiguration& k);

// The switches of the frame tail from the menu options of the run: the Sun
// at the centre ("Ergebnis sofort" with "Sonne ins Zentrum" and the Sun as
// centre), the centre mark, the scale bar, the zodiac at AktuellerTag, the
// legend.
figures::Rahmenschalter Rahmenschalter(const Laufzustand& z, const Laufkonfiguration& k, int zentrum);
// The tail of a frame (figures::RahmenSchluss) with those switches; the
// legend's code is in `legende.darstellung`, `ohnePlaneten` is the run's.
void RahmenSchluss(Laufdienste& l, int zentrum, figures::Legendendaten legende,
                   const figures::Massstabsart& massstab = {});

// ---------------------------------------------------------------------------
// Events. The representations driven by events (2 and 3 planets, Moon,
// barycentre, rotations) call these from their frames; events are counted in
// KonjIndex (or the counter handed in) against the days in Ereignistage.

// Writes the data row `nummer` for the event stored at `index`; kept figures
// are turning and an event was passed: shift the kept figures and compute
// the next one into the last slot (DrehungArrayVerschieben and
// NaechsteFigurZuweisen, or the two-planet variant).
using figures::Ereigniszaehlung;
using figures::Ereigniszeile;
using figures::Figurnachruecken;

// The index of the next event: FigurenAnzahl once kept figures are turning
// ("Drehung der Figuren" and more events counted than FigurenAnzahl; that
// slot then always holds the coming event), else the count itself.
int NaechsterEreignisIndex(const Laufzustand& z, const Laufkonfiguration& k, int zaehler);

// Events passed (figures::EreignissePassieren over the run state): while
// AktuellerTag lies beyond the day of the next event, the event is passed:
// EreignisNeu is set (not while paused), its data row is written (not when
// the run is complete or paused, not with "Drehung der Figuren", not once
// Zeilengrenze rows were written), the counter goes up, and with turning
// kept figures `nachruecken` is called. One event per step, or all of them
// with AlleImSchritt. Returns the number of events passed.
int EreignissePassieren(Laufzustand& z, const Laufkonfiguration& k, const Laufspeicher& sp, Ereigniszaehlung art,
                        Ereigniszeile zeile, Figurnachruecken nachruecken = {});
// The same on other days and another counter (the two-planet stores with
// KonjIndex or OppoIndex).
int EreignissePassieren(Laufzustand& z, const Laufkonfiguration& k, std::span<const double> tage, int& zaehler,
                        Ereigniszaehlung art, Ereigniszeile zeile, Figurnachruecken nachruecken = {});

// "Ergebnis sofort", every iteration: KonjIndex = Konstellationszahl. An
// iteration that is neither paused nor complete, without "Drehung der
// Figuren", writes the rows of all events (at most Zeilengrenze) at once,
// processing messages after every 30 rows. When Abbruch is seen after that
// the run is ended (Beenden, unless it already was) and false is returned:
// the frame must return at once, the run's arrays are released. Without
// "Ergebnis sofort" nothing happens.
bool ErgebnisSofort(Laufdienste& l, Ereigniszeile zeile);
constexpr int ZeilenJePumpen = 30;

// Kept figures: slots 0 .. FigurenAnzahl - 1 take the contents of the next
// slot (the days and X, Y, Z of rows 1 .. r, r = 1 for Moon and barycentre
// and 3 otherwise; outside Moon and barycentre the mid-points too when
// `mitMittelpunkten` and the mid-point choice is item 0 or 1, mid-points or
// centres of gravity).
// `einKoerper`: the Moon and barycentre representations.
void DrehungArrayVerschieben(Laufspeicher& sp, const Laufzustand& z, bool einKoerper, int mittelpunktwahl,
                             bool mitMittelpunkten);
// Two planets: the same for the star corners (row 2) and days of the
// conjunction or the opposition store.
void DrehungArrayVerschieben2PL(Laufspeicher& sp, const Laufzustand& z, bool konjunktionen);
// After a shift: the representation's assignment routine computes the next
// kept figure into the last slot (FigurenAnzahl), searching from the day of
// the last kept event plus SynodischePeriode. `tage` are the days of the
// store that was shifted.
using Figurzuweisung = figures::Verweis<void(int index, double tag)>;
void NaechsteFigurZuweisen(const Laufzustand& z, std::span<const double> tage, Figurzuweisung zuweisen);

// Clock synchronisation when the planets are not drawn (OhnePlaneten): the
// step advances to the first one at or after the day of event c, c being the
// number of events shown (with "Drehung der Figuren" at most FigurenAnzahl;
// Moon and barycentre with "Ergebnis sofort": one less). 3 planets with
// "Ergebnis sofort" before any event run to the validity limit. Rueckschritte
// = the steps skipped by this call, so that Pausenfunktion can step back
// over them; AktuellerTag follows the step.
struct Nachjustierung {
    bool einKoerper = false;     // Moon and barycentre
    bool sofortBisGrenze = false; // 3 planets
};
void zNachjustieren(Laufzustand& z, const Laufkonfiguration& k, const Laufspeicher& sp, Nachjustierung art);

} // namespace shell
