#pragma once
// The flags, counters, times and bodies of the run in progress; what only
// one representation counts lives in its run (Darstellungsablauf). One instance,
// owned by the main window; the run engine writes it, the window's handlers
// only set flags and view values that the loop reads at its next iteration.

#include "astro/Gueltigkeit.h"
#include "figures/Punktliste.h"
#include "shell/Laufkonfiguration.h"

#include <vector>

namespace shell {

struct Laufzustand {
    bool LaufAktiv = false;
    bool PauseAktiv = false;
    bool FigurFertig = false;
    bool Abbruch = false;
    bool NeuZeichnen = false;
    bool Startphase = true;
    bool ErstesZeichnen = true;
    bool MysteriumModus = false;
    bool BeispielModus = false;
    bool AnimationUeberspringen = false;
    bool ZitatSichtbar = false;
    bool EinstellungenGeaendert = false;
    bool NurBisImLauf = false;
    bool ZentrumZiehen = false;
    bool MausGedrueckt = false;
    bool ZentrumBewegt = false;
    bool VorausGrenzeErreicht = false;
    bool NurAussenNormal = false;
    bool SofortReduziert = false;      // the "Ergebnis sofort" count had to be cut to the validity limit
    bool NurBisFrageErlaubt = true;    // the question of "Planeten nur zu Beginn" may be asked
    bool DatenOnlyLauf = false;        // this run is a data-only overview
    bool EreignisNeu = false;          // an event was passed in this step (not while paused); its user clears it

    double Ruhezeitpunkt = 0;          // seconds on the host clock

    int Schritt = 0;
    int Schrittzahl = 0;
    int Konstellationszahl = 0;
    int KonjIndex = 0;
    int OppoIndex = 0;
    int Vorausanzahl = 0;
    int Rueckschritte = 0;

    double Starttag = 0;
    double AktuellerTag = 0;
    double Schrittweite = 1;
    double Gueltigkeitsgrenze = astro::GrenzeNormal;
    astro::Grenzfall Grenzfall = astro::Grenzfall::Normal; // whose limit Gueltigkeitsgrenze is (its message)
    double SynodischePeriode = 0;
    double Ereignistag = 0;

    int Koerper1 = 0, Koerper2 = 0, Zentrumskoerper = 0;
    int KleinsterKoerper = 0, GroessterKoerper = 0;
    bool Auswahl[22] = {};

    int Tempo = 0;
    int Wartezeit = 0;

    int Breite = 0, Hoehe = 0;
    double Hoehenfaktor = 1;
    int MitteX = 0, MitteY = 0, VerschiebungX = 0, VerschiebungY = 0;
    double WinkelX = 0, WinkelY = 0, WinkelZ = 0, Zoom = 1;

    // Run limits (set-up step 4).
    int MaxSchritte = 12000;
    int MaxKonstellationen = 1200;
    int Schrittgrenze = 12000;
    int Konstellationsgrenze = 1200;
    int FigurenAnzahl = 10;
    int gemerkteFigurenAnzahl = 10;
    int NurBisIndex = 15;
    int NurBisAnzahl = 15;
    int Zeilengrenze = 10000;
    int letzteAnzahlBerechn = 0;       // "Anzahl Berechnungen" of the previous run (0: none yet)
    int Bahnpunktzahl = 118;
    double Bahnschrittfaktor = 0.75;

    // Screen metrics at program start.
    int StartBildschirmBreite = 0, StartBildschirmHoehe = 0, StartFarbtiefe = 0;
    double PixelProZoll = 96;
    double Schriftfaktor = 1;
    int Greifradius = 10;

    int TierkreisTaste = 0;
};

// The representation of the next run: the start phase, the solid mode
// ("MysteriumModus"), else the checked item of the "Darstellung" menu.
inline Darstellung LaufDarstellung(const Laufzustand& z, const Laufkonfiguration& k)
{
    if (z.Startphase)
        return Darstellung::Startphase;
    return z.MysteriumModus ? Darstellung::Mysterium : k.menueDarstellung;
}

// The events of one kind of the two-planet representation (conjunctions or
// oppositions): the day of each event and X, Y, Z (10^6 km) of rows 1 to 3
// (row j at index j - 1): the places of planet 1 and planet 2 relative to
// the centre, and the centre's own opposite position when the centre is one
// of the two planets. Row 2 is the corner of the star.
struct Sternspeicher {
    std::vector<double> tage;
    std::vector<double> X[3], Y[3], Z[3];
    void anlegen(size_t n);
    void freigeben();
};

// The run's arrays: sized once at run start, released by Beenden. Nothing is
// allocated per step.
struct Laufspeicher {
    // Events of the run, filled by the representation's assignment routine:
    // the day of each event, and X, Y, Z of up to four bodies per event in
    // rows 1 to 4 (row j at index j - 1; 3 planets and rotations use rows 1
    // to 3, Moon and barycentre row 1).
    std::vector<double> Ereignistage;
    std::vector<double> EreignisWerte[4];
    std::vector<double> EreignisX[4], EreignisY[4], EreignisZ[4];
    // Mid-point (or centre of gravity) of the link line of each event.
    figures::Mittelpunkte EreignisMittelpunkte;
    // Two planets: the conjunction and the opposition store.
    Sternspeicher Konjunktionen, Oppositionen;
    std::vector<double> cosTabelle, sinTabelle;

    void anlegen(int maxKonstellationen);
    void freigeben();
    bool angelegt() const { return !Ereignistage.empty(); }
};

} // namespace shell
