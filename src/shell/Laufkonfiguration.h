#pragma once
// What the next run is made of: the representation, the menu options and the
// persisted settings that a run reads. The main window keeps it in step with
// its menu check marks; the run engine and the runs only read it (a run that
// must switch an option off asks the host, LaufHost::optionAbschalten). What
// a representation's dialog holds is that run's own input record.

#include "figures/Farbe.h"

namespace shell {

enum class Darstellung {
    Ueberblick,
    ZweiPlaneten,
    DreiPlaneten,
    Baryzentrum,
    Mond,
    Rotationen,
    Langzeit,
    Mysterium,  // the solid mode ("Platon/Kepler")
    Startphase, // the start animation and the start text
};

// The menu options a run may have to switch off.
enum class Laufoption {
    ErgebnisSofort,       // the count dialog was cancelled
    PlanetenNurZuBeginn,  // the question was cancelled, or the run used it once
};

enum class Koerper3D { Tetraeder, Hexaeder, Oktaeder, Ikosaeder, Dodekaeder, Dodekaederstern, Ikosaederstern, Anzahl };

enum class TierkreisArt { Zeichen = 0, Sternbilder = 1, Keiner = 2 };

// How the mid-points or centres of gravity of the link lines are shown
// ("Extras": " Mittel-/Schwerpunkte", "... als Linienzug", "... Linie und Punkte").
enum class Mittelpunktanzeige { Punkte = 0, Linienzug = 1, LinieUndPunkte = 2 };

struct Laufkonfiguration {
    // The checked radio item of the "Darstellung" menu (dMysterium is derived
    // from MysteriumModus, see darstellung()).
    Darstellung menueDarstellung = Darstellung::Ueberblick;

    bool koerper3D[static_cast<int>(Koerper3D::Anzahl)] = {};
    bool metamorphose = false;
    bool keplersMysterium = false;
    bool sterneEinfarbig = true;          // "Sterne einfarbig" checked: the stars in their twelve face colours
    bool nurLinien = false;               // the panel's "nur Linien zeichnen" (else "Flächen ausfüllen")
    bool nurBahnenDrehen = false;         // the panel's "nur Bahnen drehen" (Kepler's Mysterium)

    bool ergebnisSofort = false;          // "Ergebnis sofort"
    bool planetenNurZuBeginn = false;     // "Planeten nur zu Beginn"
    bool drehungDerFiguren = false;       // "Drehung der Figuren"
    bool zentrumMarkieren = false;
    bool legende = false;
    bool massstab = false;
    bool sonneZentrum = false;
    TierkreisArt tierkreis = TierkreisArt::Keiner;
    Mittelpunktanzeige mittelpunkte = Mittelpunktanzeige::Punkte;
    bool julianischesDatum = false;
    bool startzeitJetzt = false;
    bool informationAnzeigen = true;      // "Information und Eingabemaske anzeigen" (the examples' box)

    bool hoheGenauigkeit = false;
    bool mitPraezession = false;
    int intAnzahlBerechn = 1;             // 1, 2, 3
    int bahnpunkteFaktor = 1;             // 1, 2, 4, 8
    bool datenausgabe = false;            // "Datenausgabe"
    bool entfernungAE = false;            // "Entfernung (AE/km*10^6)": distances in AU
    int intBilditem = -1;                 // star background 0..2, -1 none
    figures::Farbe intFarbeHintergrund = 0;
    bool boolAnfangsanimation = true;
    bool boolZitateAnzeigen = true;

    int beispielSchrittgrenze = 12000;
    int beispielKonstellationsgrenze = 1200;
};

} // namespace shell
