#include "shell/MysteriumAblauf.h"

#include "figures/Hintergrund.h"
#include "figures/Rahmen.h"

#include <memory>

namespace shell {

std::array<int, 3> KoerperVoreinstellung(const Laufkonfiguration& k)
{
    using K = Koerper3D;
    auto an = [&](K kk) { return k.koerper3D[static_cast<int>(kk)]; };
    if (an(K::Dodekaeder))
        return {-108, 0, 18};
    if (an(K::Ikosaeder))
        return {36, 0, 0};
    if (an(K::Hexaeder))
        return {0, -30, 15};
    if (an(K::Oktaeder))
        return {80, 0, 0};
    if (an(K::Tetraeder))
        return {72, 36, 0};
    return {0, 0, 0};
}

mysterium::Koerperwahl KoerperwahlAus(const Laufkonfiguration& k)
{
    mysterium::Koerperwahl w;
    for (size_t i = 0; i < w.figur.size(); ++i)
        w.figur[i] = k.koerper3D[i];
    return w;
}

namespace {

// What the solid mode and the start phase share: the solid's slider preset,
// the solids' 1:1 zoom, no time labels and no time limit, nothing to save.
Laufregeln KoerperRegeln(const Laufkonfiguration& k)
{
    Laufregeln r;
    r.drehungen = KoerperVoreinstellung(k);
    r.zoomStart = 1000;
    r.zeitLabels = false;
    r.sternGruppe = !k.metamorphose;
    r.datenSpeicherbar = false;
    r.beschriftung = Zeitbeschriftung::Keine;
    r.gueltigkeitPruefen = false;
    return r;
}

// Neither the solids nor the start phase have steps or events: the first
// step completes the figure.
Vorbereitungsergebnis OhneSchritte(Laufdienste& d)
{
    d.z.Schrittzahl = 0;
    d.z.Konstellationszahl = 0;
    return Vorbereitungsergebnis::Weiter;
}

} // namespace

// ---------------------------------------------------------------------------
// The solid mode

Laufregeln MysteriumAblauf::einrichten(const Laufkonfiguration& k)
{
    metamorphose_ = k.metamorphose;
    metamorphoseZaehler_ = 0;
    Laufregeln r = KoerperRegeln(k);
    r.zoomGesperrt = k.metamorphose;
    // A solid is complete at once; only the metamorphosis keeps animating
    // and can be paused.
    r.pauseMoeglich = k.metamorphose;
    r.laeuftNachFertig = k.metamorphose;
    r.fertigZurueck = false;
    r.selbstFlippen = true;
    return r;
}

Vorbereitungsergebnis MysteriumAblauf::vorbereiten(Laufdienste& d)
{
    // The tables of the checked solid, its scale; the metamorphosis starts
    // with the dodecahedron and takes the fill switch over.
    if (metamorphose_)
        verwandlung_.beginnen(d.ansicht, d.k.nurLinien);
    else
        koerper_.vorbereiten(KoerperwahlAus(d.k), d.ansicht, false);
    d.ansicht.NeuZeichnen = true;
    return OhneSchritte(d);
}

void MysteriumAblauf::schritt(Laufdienste& d)
{
    if (d.k.intBilditem >= 0)
        figures::DXHintergrund(d.flaeche, d.k.intBilditem);
    if (zeichnen)
        zeichnen(d);
    else
        bild(d);
}

void MysteriumAblauf::bild(Laufdienste& d)
{
    if (!metamorphose_) {
        mysterium::Koerperschalter sch;
        sch.nurLinien = d.k.nurLinien;
        sch.zwoelfFarben = d.k.sterneEinfarbig;
        koerper_.zeichnen(d.flaeche, d.ansicht, d.einstellungen, sch);
        return;
    }
    metamorphoseWeiter();
    // The metamorphosis waits by the panel's tempo itself: the engine does
    // not wait once the figure is complete. A paused frame is the same
    // frame again and does not wait.
    if (host_ && !d.z.PauseAktiv) {
        const int ms = mysterium::MetamorphoseWartezeit(host_->tempoFeld());
        if (ms > 0)
            host_->sleepMs(ms);
    }
    verwandlung_.bild(metamorphoseZaehler_, d.flaeche, d.ansicht, d.einstellungen, d.k.sterneEinfarbig);
    // Phases 4 and 10 switch to "Flächen ausfüllen": the panel's switch
    // follows, so what the panel shows is what the next solid draws.
    if (host_ && verwandlung_.nurLinien() != d.k.nurLinien)
        host_->fuellSchalterSetzen(verwandlung_.nurLinien());
}

Endzaehler MysteriumAblauf::endzaehler(const Laufzustand&, const Laufkonfiguration&) const
{
    return {}; // step count 0: the first step completes the figure
}

void MysteriumAblauf::zurueckschreiten(Laufzustand&, const Laufkonfiguration&)
{
    if (metamorphose_)
        metamorphoseZaehler_ -= 1;
}

// ---------------------------------------------------------------------------
// The start phase

Laufregeln Startablauf::einrichten(const Laufkonfiguration& k)
{
    Laufregeln r = KoerperRegeln(k);
    r.pauseMoeglich = false;
    r.ohneFortschritt = true;
    return r;
}

Vorbereitungsergebnis Startablauf::vorbereiten(Laufdienste& d) { return OhneSchritte(d); }

void Startablauf::schritt(Laufdienste& d)
{
    // The start animation draws itself when it is there; without it (or
    // with "Anfangsanimation" off) its end follows at once.
    bool fertig = true;
    bool ohneWartezeit = true;
    if (d.k.boolAnfangsanimation && animation && !d.z.AnimationUeberspringen) {
        fertig = animation(d);
        ohneWartezeit = false;
    } else {
        ohneWartezeit = !(d.k.boolAnfangsanimation && animation) || d.z.AnimationUeberspringen;
    }
    if (!d.z.ZitatSichtbar)
        d.flaeche.flip();
    if (fertig)
        ende(d, ohneWartezeit);
}

void Startablauf::ende(Laufdienste& d, bool ohneWartezeit)
{
    Laufzustand& z = d.z;
    if (!ohneWartezeit)
        host_.sleepMs(1000);
    figures::StarttextZeichnen(d.flaeche, z.Schriftfaktor);
    d.flaeche.flip();
    host_.sleepMs(2500);
    d.flaeche.fuellen(figures::Schwarz);
    d.flaeche.flip();
    z.MysteriumModus = false;
    z.MitteX = z.Breite / 2 + z.VerschiebungX;
    z.MitteY = z.Hoehe / 2 + z.VerschiebungY;
    host_.drehReglerSetzen(60, 30, 0);
    // The solids' 1:1 zoom (1000) does not carry over to the idle program.
    z.Zoom = 1.0;
    // Without a quotation the start phase ends here.
    z.Startphase = false;
    host_.menueSichtbar(true);
    host_.sternGruppeSichtbar(false);
    host_.startUndZeitLabelsSichtbar(true);
    host_.bedienfeldZeigen();
    d.lauf.beenden();
    host_.startFokussieren();
}

std::function<bool(Laufdienste&)> Startanimationsbild(LaufHost& host, const mysterium::Startparameter& p)
{
    auto animation = std::make_shared<mysterium::Startanimation>(p);
    return [&host, animation](Laufdienste& d) {
        if (!animation->weiter(d.ansicht, d.z.AnimationUeberspringen))
            return true;
        host.sleepMs(8);
        animation->zeichnen(d.flaeche, d.ansicht, d.einstellungen);
        return false;
    };
}

} // namespace shell
