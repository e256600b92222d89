#pragma once
// Everything the run engine needs from outside the model: the message pump,
// sleeping, the clock, message boxes, the count dialog, and the control
// panel's labels and enabled states. The Qt windows implement it (QtHost);
// tests implement it with a scripted fake and a fake clock.

#include "figures/Zeichenflaeche.h"
#include "shell/Laufkonfiguration.h"

#include <string>

namespace shell {

enum class Meldungsart { Information, Warnung, Fehler, Frage };
enum class Antwort { Ok, Ja, Nein, Abbrechen };

struct Bildschirm {
    int breite = 0;
    int hoehe = 0;
    int farbtiefe = 32;
};

class LaufHost {
public:
    virtual ~LaufHost() = default;

    // Process pending window messages once (sliders, keys, mouse, Beenden).
    virtual void pumpEvents() = 0;
    // Wait while keeping the window responsive.
    virtual void sleepMs(int ms) = 0;
    // Wall-clock seconds (monotonic), for time-outs.
    virtual double jetzt() = 0;

    virtual figures::Zeichenflaeche& flaeche() = 0;
    virtual Bildschirm bildschirm() = 0;

    virtual Antwort meldung(Meldungsart art, const std::string& titel, const std::string& text) = 0;
    // The count dialog: returns false on "abbrechen".
    virtual bool zahlAbfragen(const std::string& label, int vorschlag, int minimum, int maximum, int& wert) = 0;

    // Control panel.
    virtual int tempoFeld() = 0;
    virtual void labelStart(const std::string& text) = 0;
    virtual void labelZeit(const std::string& text) = 0;
    virtual void zaehlerAnzeigen(bool sichtbar, const std::string& text) = 0;
    virtual void pauseAktiviert(bool aktiviert) = 0;
    virtual void pauseHervorheben(bool hervorgehoben, const std::string& hinweis) = 0;
    virtual void beendenKnopf(bool hervorgehoben, const std::string& hinweis) = 0;
    virtual void startKnopf(bool aktiviert, bool neueEingabeAktiviert) = 0;
    virtual void zoomRegler(bool aktiviert, int position) = 0;
    virtual void drehRegler(bool aktiviert) = 0;
    virtual void drehReglerSetzen(int x, int y, int z) = 0;
    virtual void startUndZeitLabelsSichtbar(bool sichtbar) = 0;
    // The hint of the start and current-time labels.
    virtual void zeitHinweis(const std::string& text) { (void)text; }
    virtual void sternGruppeSichtbar(bool sichtbar) = 0;
    // A run sets the panel's fill switch itself (the Metamorphose): checks
    // "nur Linien zeichnen" (true) or "Flächen ausfüllen", and the run
    // configuration follows, so the next solid is drawn as the panel shows.
    virtual void fuellSchalterSetzen(bool nurLinien) { (void)nurLinien; }
    // A run begins: the focus goes to the panel's buttons (Pause, else Beenden),
    // never a text field, so that keys reach the run and the menu.
    virtual void laufFokussieren() = 0;
    virtual void startFokussieren() = 0;

    // A run is about to read its input (before anything else of the run):
    // the windows bring what feeds it up to date ("Startzeit jetzt").
    virtual void laufBeginnt() {}
    // The figure has just become complete.
    virtual void figurFertig() {}

    // Main window: lock the commands that would start or reconfigure a run
    // while it is under way (and unlock them again in Beenden).
    virtual void oberflaecheSperren(bool gesperrt) = 0;
    virtual void menueSichtbar(bool sichtbar) = 0;
    // A run switches a menu option off (its check mark and the run
    // configuration follow).
    virtual void optionAbschalten(Laufoption o) = 0;
    virtual void bedienfeldZeigen() = 0;
    // The drawing surface's colour depth changed: the program must end.
    virtual void programmBeenden() = 0;
};

} // namespace shell
