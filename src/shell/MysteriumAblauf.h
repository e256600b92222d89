#pragma once
// The two runs that draw no representation of the "Darstellung" menu: the
// solid mode of "Platon/Kepler" and the start phase (start animation, then
// the start text). Both go through the same contract as every
// representation; what they draw comes from the solids' code through the
// hooks `zeichnen` and `animation`.

#include "mysterium/Koerperzeichnen.h"
#include "mysterium/Metamorphose.h"
#include "mysterium/Startanimation.h"
#include "shell/Darstellungsablauf.h"

#include <functional>

namespace shell {

// The slider preset of the checked solid (degrees): "Dodekaeder" x -108 and
// z 18, "Ikosaeder" x 36, "Hexaeder" y -30 and z 15, "Oktaeder" x 80,
// "Tetraeder" x 72 and y 36, first match in this order; else 0.
std::array<int, 3> KoerperVoreinstellung(const Laufkonfiguration& k);

// The checked items of "Platon/Kepler" as the solids' drawing reads them.
mysterium::Koerperwahl KoerperwahlAus(const Laufkonfiguration& k);

class MysteriumAblauf : public Darstellungsablauf {
public:
    // `host` gives the metamorphosis its tempo field and its wait (null: no
    // wait, tempo 3).
    explicit MysteriumAblauf(LaufHost* host = nullptr) : host_(host) {}

    // Draws the checked solids of one frame (after the star background);
    // when empty, the solids' own drawing does.
    std::function<void(Laufdienste&)> zeichnen;

    Laufregeln einrichten(const Laufkonfiguration& k) override;
    Vorbereitungsergebnis vorbereiten(Laufdienste& d) override;
    void schritt(Laufdienste& d) override;
    Endzaehler endzaehler(const Laufzustand& z, const Laufkonfiguration& k) const override;
    void zurueckschreiten(Laufzustand& z, const Laufkonfiguration& k) override;

    // The phase counter of "Metamorphose": one up per frame, one back per
    // paused frame.
    int metamorphoseZaehler() const { return metamorphoseZaehler_; }
    void metamorphoseWeiter() { ++metamorphoseZaehler_; }
    const mysterium::Metamorphose& metamorphose() const { return verwandlung_; }

private:
    void bild(Laufdienste& d);

    LaufHost* host_ = nullptr;
    bool metamorphose_ = false;
    int metamorphoseZaehler_ = 0;
    mysterium::Koerperbild koerper_;
    mysterium::Metamorphose verwandlung_;
};

// The frame hook of the start animation (Startablauf::animation) with the
// parameters drawn at program start: advances the animation, waits 8 ms
// through the host and draws the Dodekaederstern over star background 2.
std::function<bool(Laufdienste&)> Startanimationsbild(LaufHost& host, const mysterium::Startparameter& p);

class Startablauf : public Darstellungsablauf {
public:
    explicit Startablauf(LaufHost& host) : host_(host) {}

    // One frame of the start animation; true when it has ended.
    std::function<bool(Laufdienste&)> animation;

    Laufregeln einrichten(const Laufkonfiguration& k) override;
    Vorbereitungsergebnis vorbereiten(Laufdienste& d) override;
    void schritt(Laufdienste& d) override;

private:
    // After the animation: the start text, then the idle program with its
    // menus and the control panel.
    void ende(Laufdienste& d, bool ohneWartezeit);
    LaufHost& host_;
};

} // namespace shell
