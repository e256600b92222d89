#pragma once
// The commands of the "Platon/Kepler" menu: the five solids and the two
// star polyhedra (Ctrl+Alt+T, H, O, D, I, E, K), "Metamorphose" (M) and
// "Keplers Mysterium" (P), each starting its run at once, and "Sterne
// einfarbig". The solid mode switches off and disables what has no meaning
// for a solid; choosing a representation afterwards gives those items back.
// It also gives the start phase its animation (parameters drawn from the
// clock). The program entry creates it after the representation commands:
//
//     new ui::Mysteriumbefehle(form1, *menuebefehle);

#include "shell/Laufkonfiguration.h"
#include "shell/Menueaktionen.h"

#include <QObject>

#include <cstdint>
#include <utility>
#include <vector>

class QAction;

namespace shell {
class TForm1;
}

namespace ui {

class Menuebefehle;

class Mysteriumbefehle : public QObject {
public:
    // `saat` seeds the start animation's random parameters (0: the clock).
    Mysteriumbefehle(shell::TForm1& form1, Menuebefehle& menue, std::uint64_t saat = 0);

    // Tetraeder1Click .. Ikosaederstern1Click.
    void KoerperClick(shell::Koerper3D k);
    void Metamorphose1Click();
    void Mysterium1Click();
    void Sterneeinfarbig1Click();
    void retranslate();

private:
    // The common part of the solid commands: menus and panel of the solid
    // mode, then the run.
    void GemeinsameZuweisungenSterne();
    // Disables (and remembers) the items the solid mode or Kepler's
    // Mysterium does not offer; zurueckgeben enables them again.
    void abschalten(std::initializer_list<shell::Menuepunkt> punkte);
    void zurueckgeben();
    QAction* a(shell::Menuepunkt p) const;

    shell::TForm1& f_;
    Menuebefehle& m_;
    std::vector<std::pair<QAction*, bool>> abgeschaltet_;
    bool keplerSchonGewaehlt_ = false;
};

} // namespace ui
