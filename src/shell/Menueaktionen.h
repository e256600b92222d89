#pragma once
// The menu items other code steers, by a typed name: the code that builds a
// menu item enters it here once, every other piece reaches it as
// `aktionen[Menuepunkt::sofort1]` (a compile-time name, never a look-up of an
// object name). The main window owns the one instance.

#include <QPointer>

#include <array>

class QAction;

namespace shell {

// The component names of the menu items (also their objectName, for the
// help topics and the tests).
#define VELMORA_MENUEPUNKTE(X)                                                                                         \
    X(Beenden1) X(Ausgabe1) X(Kurzhinweise1) X(SonneZentrum1) X(Zentrummarkieren1) X(Legende1) X(Massstab1)           \
    X(Tierkreis1) X(Sternzeichen1) X(wedernoch1) X(sofort1) X(PlannurzuBeginn1) X(FigurenDrehung1) X(Berechnungsgr1)  \
    X(Genauigkeit1) X(Praezession1) X(Kleinplaneten1) X(VorschlagSchrittweite1) X(PunteLinien) X(Linienzug1)           \
    X(LinieundPunkte1) X(Drucken1) X(Bildspeichern1) X(Zitatezeigen1) X(Tetraeder1) X(Hexaeder1) X(Oktaeder1)          \
    X(Dodekaeder1) X(Ikosaeder1) X(Dodekaederstern1) X(Ikosaederstern1) X(Metamorphose1) X(Mysterium1)                 \
    X(Sterneeinfarbig1) X(AusgabeKonj) X(Koordinaten1) X(Winkel1) X(Entfernung1) X(DeltaT1) X(Datenspeichern1)          \
    X(Datum1) X(Startzeit1) X(Startzeiteingeben1) X(JulDay1) X(Beschriftung1) X(Standardwiederherstellen1)              \
    X(Anfangsanimation1) X(Deutsch1) X(Englisch1) X(Informationanzeigen1)

enum class Menuepunkt {
#define VELMORA_MENUEPUNKT_ENUM(n) n,
    VELMORA_MENUEPUNKTE(VELMORA_MENUEPUNKT_ENUM)
#undef VELMORA_MENUEPUNKT_ENUM
    Anzahl
};

// The component name of a menu item ("sofort1").
const char* Komponentenname(Menuepunkt p);

class Menueaktionen {
public:
    // Enters the item (built by the caller) under its name and gives it that
    // name as objectName.
    void eintragen(Menuepunkt p, QAction* a);
    // The item, or nullptr while it is not built (a layer not attached).
    QAction* operator[](Menuepunkt p) const { return aktionen_[static_cast<size_t>(p)]; }

private:
    std::array<QPointer<QAction>, static_cast<size_t>(Menuepunkt::Anzahl)> aktionen_{};
};

} // namespace shell
