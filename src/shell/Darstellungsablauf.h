#pragma once
// The contract between the run engine and one representation (overview, two
// planets, ..., the solid mode, the start phase). The engine never asks which
// representation runs: it reads the rules record the run hands it at set-up,
// calls the preparation and one frame per step, and asks the run for its end
// counters and its pause step-back. A run sees the engine only through the
// narrow services of Laufdienste.
//
// How a new representation plugs in is described in docs/darstellungen.md.

#include "astro/Datenausgabe.h"
#include "astro/Positionsquellen.h"
#include "figures/Ansicht.h"
#include "figures/Einstellungssatz.h"
#include "figures/Zeichenflaeche.h"
#include "shell/LaufHost.h"
#include "shell/Laufkonfiguration.h"
#include "shell/Laufzustand.h"

#include <array>
#include <memory>
#include <optional>
#include <string>

namespace shell {

// What a preparation ended with.
enum class Vorbereitungsergebnis {
    Weiter,      // the run goes on to its first step
    Abgebrochen, // the user cancelled (count dialog, Beenden during a pre-calculation); the run is ended
    Fatal,       // the program cannot go on (damaged data files); it is ending
};

// The labels of the control panel.
enum class Zeitbeschriftung {
    Datum, // start day and current day as date text (or Julian date)
    Jahr,  // the long-term simulation: "(Jahr) -5000000" and the simulated year
    Keine, // the solids and the start phase
};

// What the engine reads of a run instead of asking which one it is. Filled by
// the run at set-up from its input record and the run configuration.
struct Laufregeln {
    // The representation can run (false: not built yet; Start only says so).
    bool verfuegbar = true;

    // --- Set-up ---
    bool drehreglerGesperrt = false;  // the rotation sliders are disabled for the run
    bool drehungenNullen = false;     // ... and set to 0 first
    const char* sperrHinweis = nullptr; // catalogue key of the panel hint that says why
    std::optional<std::array<int, 3>> drehungen; // slider preset of the run (degrees)
    bool zoomGesperrt = false;        // the zoom slider stays disabled
    bool zoomBehalten = false;        // the zoom of the previous frame stays (no reset)
    int zoomStart = 100;              // zoom slider position at run start
    bool zeitLabels = true;           // the panel's start and current-time labels are shown
    const char* zeitHinweis = nullptr; // catalogue key of those labels' hint (nullptr: as it is)
    std::optional<bool> sternGruppe;  // "Flächen ausfüllen" / "nur Linien zeichnen" shown or hidden
    bool mondGrenze = false;          // the narrow validity limit applies whatever the accuracy

    // --- Data output ---
    bool datenOnly = false;           // only data rows: Pause at once, no wait, counter label,
                                      // the run ends by itself at the validity limit
    bool datenSpeicherbar = true;     // "Daten speichern" may be enabled for the run
    bool mondFormat = false;          // the table's Moon format

    // --- Loop ---
    bool pauseMoeglich = true;        // Pause is enabled while stepping
    bool leeren = true;               // the surface is cleared before every frame
    bool nachzeichenbar = true;       // a frame draws the whole picture, so that it can be drawn again
                                      // onto another surface (false: it draws over the previous frames)
    bool ohneBild = false;            // the run draws nothing: no clearing, no flip (data-only runs)
    int nachrichtenJeSchritte = 1;    // messages are processed every n-th step (always while paused or complete)
    bool selbstFlippen = false;       // the frame flips itself right after drawing
    bool ohneFortschritt = false;     // the start phase: no wait, no labels, no advance
    int wartezeitTeiler = 1;          // the tempo wait is divided by this
    bool langsamNachNurBis = false;   // "Planeten nur zu Beginn" past its count slows the run down
    bool zentrumZiehbar = true;       // the centre may be dragged with the mouse
    Zeitbeschriftung beschriftung = Zeitbeschriftung::Datum;
    bool nurBisKonstellationen = false; // the question of "Planeten nur zu Beginn" counts constellations
    bool nurBisEinmal = false;        // "Planeten nur zu Beginn" switched on during the run stays on

    // --- End ---
    bool gueltigkeitPruefen = true;   // a step past the validity limit completes the figure with the message
    bool fertigZurueck = true;        // the complete figure redraws its last step (Pausenfunktion)
    bool laeuftNachFertig = false;    // keeps animating when complete (Metamorphose): Pause stays
    bool amEndeBeenden = false;       // the end of the run is Beenden, not a complete figure
};

// The counters of the end test after Schritt was advanced: the run goes on
// while Schritt <= schrittgrenze and (gewuenscht <= 0 or erledigt <
// gewuenscht or !ereignisseBegrenzen), inside the validity limit.
struct Endzaehler {
    int erledigt = 0;
    int gewuenscht = 0;
    int schrittgrenze = 0;
    bool ereignisseBegrenzen = true;
};

// What a run may ask of the engine and the windows.
class Laufbedienung {
public:
    virtual ~Laufbedienung() = default;
    // Beenden: ends the run at the next test point.
    virtual void beenden() = 0;
    // Cancel of the count dialog: "Ergebnis sofort" off, then Beenden.
    virtual void sofortAbbrechen() = 0;
    // A fatal failure (damaged data files): the program ends.
    virtual void programmBeenden() = 0;
    // Processes pending window messages (inside long pre-calculations).
    virtual void nachrichtenVerarbeiten() = 0;
    // The counter of the control panel (pre-calculation progress, data rows).
    virtual void zaehlerAnzeigen(bool sichtbar, const std::string& text) = 0;
    virtual Antwort meldung(Meldungsart art, const std::string& titel, const std::string& text) = 0;
    // The count dialog: false on "abbrechen".
    virtual bool zahlAbfragen(const std::string& label, int vorschlag, int minimum, int maximum, int& wert) = 0;
    // The validity message of the run's limit (its case in Laufzustand).
    virtual std::string gueltigkeitsText() const = 0;
    virtual std::string datumsText(double tag) const = 0;
};

// The services of one preparation or frame.
struct Laufdienste {
    Laufzustand& z;
    const Laufkonfiguration& k;
    Laufspeicher& speicher;
    Laufbedienung& lauf;
    figures::Zeichenflaeche& flaeche;
    figures::Ansicht& ansicht;
    const figures::Einstellungssatz& einstellungen;
    astro::Positionsrechner* rechner = nullptr; // null: positions unavailable
    astro::Datenausgabe* datenausgabe = nullptr; // null: no data table
};

class Darstellungsablauf {
public:
    virtual ~Darstellungsablauf() = default;

    // Run start: takes the input record (the dialog's controls) and says the
    // rules of this run.
    virtual Laufregeln einrichten(const Laufkonfiguration& k) = 0;
    // Preparation after the common set-up: bodies, start, step width,
    // counts, scale, pre-calculation.
    virtual Vorbereitungsergebnis vorbereiten(Laufdienste& d) = 0;
    // The frame of the current step; the surface is already cleared when
    // the rules say so, and AktuellerTag is the day of the step.
    virtual void schritt(Laufdienste& d) = 0;

    // The end test's counters. The default is the rule of the event
    // representations: events done KonjIndex against Konstellationszahl
    // (without limit once kept figures turn), steps against Schrittzahl
    // (without limit once "Planeten nur zu Beginn" is past its count).
    virtual Endzaehler endzaehler(const Laufzustand& z, const Laufkonfiguration& k) const;
    // Pausenfunktion: steps the counters back so that the next iteration
    // draws the same step again. The default steps KonjIndex and Schritt
    // back (over the steps zNachjustieren skipped).
    virtual void zurueckschreiten(Laufzustand& z, const Laufkonfiguration& k);
    // A new "Anzahl Berechnungen": the remembered count of the count dialog
    // goes back to its default.
    virtual void anzahlZuruecksetzen() {}
    // Beenden ended the run (its arrays are released).
    virtual void beendet() {}
};

// The run of a representation that is not built yet: its rules say it is
// not available, so Start only tells the user.
std::unique_ptr<Darstellungsablauf> PlatzhalterAblauf();

} // namespace shell
