#pragma once
// The render driver of the figure commands (render overview, two-planets,
// three-planets). A command declares its own options in the driver's table,
// reads its arguments through the driver, settles its input record and hands
// the driver its figure as a few functions. The driver does what they share:
// the position calculator and the run's limit, the surface and the view, the
// loop over steps or events with the counters carried from frame to frame,
// the frames of --frames, the data rows of --rows and the picture in the
// format of the ending of --out (the vector formats drawn once more).

#include "cli/Befehle.h"
#include "cli/Offscreen.h"

#include "astro/Datenausgabe.h"
#include "figures/Ansicht.h"
#include "figures/Bahnen.h"
#include "figures/Einstellungssatz.h"
#include "figures/Ereignisfigur.h"
#include "sprache/Sprache.h"

#include <climits>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace cli {

// A whole number within the range of int.
bool ganzLesen(const std::string& text, int& wert);

// The options a command has beside the shared ones: switches and options
// with one value, each with the message for a wrong value.
class Optionstafel {
public:
    using Leser = std::function<bool(const std::string&)>;

    // `name` (no value) sets `ziel` to `wert`.
    template <class T, class W> void schalter(const char* name, T& ziel, W wert)
    {
        eintraege_.push_back({name, false, [&ziel, wert](const std::string&) { return ziel = wert, true; }, {}});
    }
    void schalter(const char* name, bool& ziel) { schalter(name, ziel, true); }
    // `name VALUE`, read by `lesen` (false: the value is wrong).
    void wert(const char* name, Leser lesen, std::string meldung)
    {
        eintraege_.push_back({name, true, std::move(lesen), std::move(meldung)});
    }
    // `name X`, a number.
    void zahl(const char* name, double& ziel, std::string meldung)
    {
        wert(
            name, [&ziel](const std::string& w) { return zahlLesen(w, ziel); }, std::move(meldung));
    }
    // `name N`, a whole number von .. bis.
    void ganz(const char* name, int& ziel, int von, int bis, std::string meldung)
    {
        wert(
            name, [&ziel, von, bis](const std::string& w) { return ganzLesen(w, ziel) && ziel >= von && ziel <= bis; },
            std::move(meldung));
    }
    // `name WORD`, one of the words of `woerter`.
    template <class T>
    void wahl(const char* name, T& ziel, std::vector<std::pair<std::string, T>> woerter, std::string meldung)
    {
        wert(
            name,
            [&ziel, woerter = std::move(woerter)](const std::string& w) {
                for (const auto& [wort, v] : woerter)
                    if (w == wort)
                        return ziel = v, true;
                return false;
            },
            std::move(meldung));
    }

    // Reads args[i] (advancing i past its value): 1 when read, 0 when it is
    // none of the table's options (or its value is missing), 2 after the
    // message of a wrong value was printed.
    int lesen(const Argumente& args, size_t& i) const;

private:
    struct Eintrag {
        std::string name;
        bool mitWert;
        Leser lesen;
        std::string meldung;
    };
    std::vector<Eintrag> eintraege_;
};

// How the loop of a run goes, settled after the figure's preparation.
struct Laufplan {
    // The step loop (ereignisse < 0): steps 0 .. letzter, the clock's jumps
    // to the next event carried over (a frame that may jump is drawn, as it
    // may be the last one). The event loop: steps until `ereignisse` events
    // have passed, no step beyond the limit (from `starttag` in steps of
    // `schrittweite`), and then the last frame drawn again.
    int letzter = 0;
    int ereignisse = -1;
    double starttag = 0, schrittweite = 1;
    bool sofort = false;            // "Ergebnis sofort": the whole figure in one frame
    figures::Ereigniszaehler start; // the counters of the first frame
    bool grenzeErreicht = false;    // the run ends at the limit, with its message
    // Step loop: the frame after counters c may jump. May be empty.
    std::function<bool(const figures::Ereigniszaehler&)> springt;
};

// The step loop of `schritte` steps that ends at the last step within the
// limit (`bisGrenze` steps after the start) and within the figure's
// `schrittzahl`; with `sofort` one frame of all `schrittzahl` steps (the limit
// reached when the count asked for lies beyond it).
Laufplan Schrittplan(int schritte, double bisGrenze, int schrittzahl = INT_MAX, bool sofort = false);

// The figure as the driver runs it.
struct Renderfigur {
    std::vector<int> koerper;   // the bodies whose positions it needs (a centre planet among them)
    bool mond = false;          // the Moon's limit applies
    bool aeussere = true;       // the wider limit of Jupiter .. Pluto is allowed
    double* starttag = nullptr; // the start, brought inside the limit
    double* grenze = nullptr;   // receives the run's limit
    // Prepares the figure from the positions at the run's accuracy (`normal`:
    // at normal accuracy with --high, else empty).
    std::function<astro::Status(const figures::Positionsfunktion& genau, const figures::Positionsfunktion& normal)>
        vorbereiten;
    std::function<astro::Kopfangaben(sprache::Sprache)> kopfangaben;
    std::function<Laufplan()> planen;
    // Brings the trails up to step n before the frame. May be empty.
    std::function<astro::Status(int n)> bahnenErneuern;
    // One frame with counters c onto z (null: computed, not drawn), its rows
    // into d (may be null); `nochmals`: the last frame drawn again for the
    // vector formats, nothing passing anew.
    std::function<astro::Status(figures::Ereigniszaehler& c, figures::Zeichenflaeche* z, astro::Datenausgabe* d,
                                bool nochmals)>
        schritt;
};

class Renderlauf {
public:
    // `figur`: the name after "render" (also the frames' file names);
    // `aufruf`: the --help text; `jedesOption`: the option of the frame
    // interval of --frames.
    Renderlauf(std::string figur, const char* aufruf, std::string jedesOption = "--every");

    Rahmenoptionen o;
    double zoom = 1.0;
    Optionstafel eigene; // the command's own options
    figures::Ansicht ansicht;
    const figures::Einstellungssatz einstellungen;

    // Reads the arguments: the picture options (into the figure's star,
    // zodiac and orbit point switches), the frame options, --help, the frame
    // interval and the command's own options; --out is required. Returns
    // Weiter to go on, else the exit code (0 after --help).
    static constexpr int Weiter = -1;
    int lesen(const Argumente& args, figures::Tierkreisart& tierkreis, int& sterne, int& bahnpunkte);
    // The options every event figure has, into the command's table: --from
    // DAY, --kept N, --immediate, --points-mode, --midpoints and
    // --centres-of-gravity.
    void ereignisoptionen(double& starttag, figures::Ereignislauf& lauf, figures::Figurrahmen& r, int& mittelpunkte);
    // "velmora-cli: render FIGURE: <text>" to stderr; returns 2.
    int fehler(const std::string& text) const;
    // Runs the figure and writes its picture; returns the exit code.
    int rendern(const Renderfigur& f);

private:
    std::string figur_, befehl_, jedesOption_;
    const char* aufruf_;
    int jedes_ = 1;
};

} // namespace cli
