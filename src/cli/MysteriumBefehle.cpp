// velmora-cli render solid / metamorphosis / mysterium, and the frames of the
// start animation: the drawing code of the solid mode, the metamorphosis,
// Kepler's Mysterium and the start animation, headless into a picture.
#include "cli/Mysterium.h"
#include "cli/Offscreen.h"
#include "cli/Rechnerkontext.h"

#include "figures/Hintergrund.h"
#include "figures/Ueberblick.h"
#include "mysterium/Keplerschalen.h"
#include "mysterium/Metamorphose.h"
#include "mysterium/Startanimation.h"
#include "shell/QtZeichenflaeche.h"

#include <cstdio>
#include <map>

namespace {

using mysterium::Figur;

const std::map<std::string, Figur>& Figurnamen()
{
    static const std::map<std::string, Figur> namen = {
        {"tetrahedron", Figur::Tetraeder},       {"cube", Figur::Hexaeder},
        {"octahedron", Figur::Oktaeder},         {"dodecahedron", Figur::Dodekaeder},
        {"icosahedron", Figur::Ikosaeder},       {"dodecahedron-star", Figur::Dodekaederstern},
        {"icosahedron-star", Figur::Ikosaederstern},
    };
    return namen;
}

// The slider preset of a solid (degrees), as the solid mode sets it.
std::array<double, 3> Voreinstellung(Figur f)
{
    switch (f) {
    case Figur::Dodekaeder: return {-108, 0, 18};
    case Figur::Ikosaeder: return {36, 0, 0};
    case Figur::Hexaeder: return {0, -30, 15};
    case Figur::Oktaeder: return {80, 0, 0};
    case Figur::Tetraeder: return {72, 36, 0};
    default: return {0, 0, 0};
    }
}

bool GanzLesen(const std::string& t, long long von, long long bis, long long& w)
{
    return cli::ganzzahlLesen(t, w) && w >= von && w <= bis;
}

// Options shared by the solid renders.
struct Koerperoptionen {
    cli::Rahmenoptionen rahmen;
    bool rotGesetzt = false;
    double zoom = 10.0;
    bool zoomGesetzt = false;
    int sterne = -1;
    bool nurLinien = false;
    bool einfarbig = false;
    long long bild = 1;
    long long saat = 1;
    int tempo = 3;
};

// Returns 1 when args[i] was read, 0 when unknown, -1 after an error.
int KoerperoptionLesen(const cli::Argumente& args, size_t& i, Koerperoptionen& o)
{
    const std::string& a = args[i];
    const bool hatWert = i + 1 < args.size();
    double zoom = o.zoom;
    figures::Tierkreisart tk = figures::Tierkreisart::Keiner;
    int faktor = 1;
    if (const int b = cli::bildoptionLesen(args, i, zoom, tk, o.sterne, faktor); b != 0) {
        if (zoom != o.zoom)
            o.zoomGesetzt = true;
        o.zoom = zoom;
        return b;
    }
    if (a == "--rot")
        o.rotGesetzt = true;
    if (const int b = cli::rahmenoptionLesen(args, i, o.rahmen); b != 0)
        return b;
    long long w = 0;
    if (a == "--lines") {
        o.nurLinien = true;
    } else if (a == "--single-colour") {
        o.einfarbig = true;
    } else if (a == "--frame" && hatWert) {
        if (!GanzLesen(args[++i], 1, 1000000, w)) {
            cli::fehler("--frame wants a whole number 1..1000000");
            return -1;
        }
        o.bild = w;
    } else if (a == "--seed" && hatWert) {
        if (!GanzLesen(args[++i], 0, 9223372036854775807LL, w)) {
            cli::fehler("--seed wants a whole number of at least 0");
            return -1;
        }
        o.saat = w;
    } else if (a == "--tempo" && hatWert) {
        if (!GanzLesen(args[++i], 1, 10, w)) {
            cli::fehler("--tempo wants 1..10");
            return -1;
        }
        o.tempo = static_cast<int>(w);
    } else {
        return 0;
    }
    return 1;
}

int Lesen(const cli::Argumente& args, size_t ab, Koerperoptionen& o, const char* befehl)
{
    for (size_t i = ab; i < args.size(); ++i) {
        const int b = KoerperoptionLesen(args, i, o);
        if (b < 0)
            return 2;
        if (b == 0)
            return cli::fehler(std::string(befehl) + ": unknown or incomplete argument '" + args[i] + "'");
    }
    if (o.rahmen.aus.empty())
        return cli::fehler(std::string(befehl) + ": --out FILE is required");
    return 0;
}

figures::Ansicht AnsichtFuer(const Koerperoptionen& o, std::array<double, 3> rot)
{
    figures::Ansicht a;
    a.GroesseSetzen(o.rahmen.breite, o.rahmen.hoehe);
    if (o.rotGesetzt)
        rot = {o.rahmen.rot[0], o.rahmen.rot[1], o.rahmen.rot[2]};
    a.WinkelSetzenGrad(rot[0], rot[1], rot[2]);
    a.Zoom = o.zoom;
    return a;
}

int renderKoerper(const cli::Argumente& args)
{
    if (args.empty() || args[0] == "--help" || !Figurnamen().count(args[0])) {
        std::printf("render solid tetrahedron|cube|octahedron|dodecahedron|icosahedron|dodecahedron-star|"
                    "icosahedron-star\n        [--lines] [--single-colour] [--rot X,Y,Z] [--zoom Z] [--size WxH] "
                    "[--stars 0|1|2] --out FILE\n  Without --rot the solid's own preset; --zoom 10 is the solids' 1:1.\n");
        return !args.empty() && args[0] == "--help" ? 0 : 2;
    }
    const Figur f = Figurnamen().at(args[0]);
    Koerperoptionen o;
    if (const int r = Lesen(args, 1, o, "render solid"))
        return r;
    cli::OffscreenAnwendung anwendung;
    shell::QtZeichenflaeche flaeche(o.rahmen.breite, o.rahmen.hoehe);
    figures::Ansicht ansicht = AnsichtFuer(o, Voreinstellung(f));
    const figures::Einstellungssatz s;
    mysterium::Koerperwahl w;
    w.figur[static_cast<size_t>(f)] = true;
    mysterium::Koerperbild bild;
    bild.vorbereiten(w, ansicht, false);
    mysterium::Koerperschalter sch;
    sch.nurLinien = o.nurLinien;
    sch.zwoelfFarben = !o.einfarbig;
    auto zeichnen = [&](figures::Zeichenflaeche& z) {
        z.fuellen(s.IntFarbeHintergrund);
        if (o.sterne >= 0)
            figures::DXHintergrund(z, o.sterne);
        bild.zeichnen(z, ansicht, s, sch);
        return true;
    };
    try {
        zeichnen(flaeche);
    } catch (const figures::Bereichsfehler&) {
        return cli::fehler("render solid: the figure does not fit the pixel range (zoom too large?)");
    }
    flaeche.flip();
    return cli::bildSchreiben(o.rahmen.aus, flaeche.bild(), zeichnen);
}

int renderMetamorphose(const cli::Argumente& args)
{
    Koerperoptionen o;
    if (!args.empty() && args[0] == "--help") {
        std::printf("render metamorphosis --frame N [--lines] [--single-colour] [--rot X,Y,Z] [--size WxH] "
                    "[--stars 0|1|2] --out FILE\n  Frame N (from 1) of the cycle of twelve phases of 30 frames.\n");
        return 0;
    }
    if (const int r = Lesen(args, 0, o, "render metamorphosis"))
        return r;
    if (o.zoomGesetzt)
        return cli::fehler("render metamorphosis: the zoom is fixed (10)");
    cli::OffscreenAnwendung anwendung;
    shell::QtZeichenflaeche flaeche(o.rahmen.breite, o.rahmen.hoehe);
    figures::Ansicht ansicht = AnsichtFuer(o, {0, 0, 0});
    const figures::Einstellungssatz s;
    mysterium::Metamorphose m;
    m.beginnen(ansicht, o.nurLinien);
    // The frames before N bring the phase, the scale and the tables up to N.
    int c = 0;
    auto eines = [&](figures::Zeichenflaeche& z) {
        z.fuellen(s.IntFarbeHintergrund);
        if (o.sterne >= 0)
            figures::DXHintergrund(z, o.sterne);
        ++c;
        m.bild(c, z, ansicht, s, !o.einfarbig);
    };
    try {
        for (long long n = 1; n <= o.bild; ++n)
            eines(flaeche);
    } catch (const figures::Bereichsfehler&) {
        return cli::fehler("render metamorphosis: the figure does not fit the pixel range");
    }
    flaeche.flip();
    std::printf("phase %d\n", m.phase());
    // The vector formats: the same frame again (one frame back first).
    return cli::bildSchreiben(o.rahmen.aus, flaeche.bild(), [&](figures::Zeichenflaeche& z) {
        --c;
        eines(z);
        return true;
    });
}

int renderMysterium(const cli::Argumente& args)
{
    Koerperoptionen o;
    o.zoom = 1.0;
    double tag = -147724;
    bool fest = false;
    double festWinkel[3] = {0, 0, 0};
    cli::Argumente rest;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help") {
            std::printf("render mysterium [--day D] [--rot X,Y,Z] [--fixed X,Y,Z] [--zoom Z] [--size WxH] "
                        "[--stars 0|1|2] [--high] --out FILE\n  --fixed: \"nur Bahnen drehen\", the solids keep "
                        "these angles while the orbits take --rot (default 75,40,0).\n");
            return 0;
        }
        if (args[i] == "--day" && i + 1 < args.size()) {
            if (!cli::zahlLesen(args[++i], tag))
                return cli::fehler("--day wants a day number, e.g. -147724");
        } else if (args[i] == "--fixed" && i + 1 < args.size()) {
            const auto teile = cli::listeTeilen(args[++i]);
            if (teile.size() != 3)
                return cli::fehler("--fixed wants X,Y,Z in degrees");
            for (int k = 0; k < 3; ++k)
                if (!cli::zahlLesen(teile[static_cast<size_t>(k)], festWinkel[k]) || festWinkel[k] < -180 ||
                    festWinkel[k] > 180)
                    return cli::fehler("--fixed wants X,Y,Z in degrees -180..180");
            fest = true;
        } else {
            rest.push_back(args[i]);
        }
    }
    if (const int r = Lesen(rest, 0, o, "render mysterium"))
        return r;
    figures::UeberblickEingabe e;
    e.konfiguration = 0;
    e.zentrum = 0;
    e.bahnen = true;
    e.starttag = tag;
    for (int b = 1; b <= 6; ++b)
        e.koerper[static_cast<size_t>(b)] = true;
    const std::vector<int> koerper = {1, 2, 3, 4, 5, 6};
    // The orbits of one day: the day must lie within the overview's limit.
    const double grenze = cli::laufgrenze(koerper, o.rahmen.hoch, false, false).tage;
    if (const int rc = cli::ausserhalbGrenze("render mysterium: day " + cli::zahlText(tag), tag, grenze); rc != 0)
        return rc;
    auto rechner = cli::rechnerFuer(o.rahmen.hoch, koerper);
    if (!rechner)
        return cli::fehler("render mysterium: " + cli::statusText(rechner.status()));
    astro::Rechenoptionen optionen;
    optionen.HoheGenauigkeit = o.rahmen.hoch;
    figures::Ueberblickslauf lauf;
    lauf.gueltigkeitsgrenze = grenze;
    cli::OffscreenAnwendung anwendung;
    shell::QtZeichenflaeche flaeche(o.rahmen.breite, o.rahmen.hoehe);
    figures::Ansicht ansicht = AnsichtFuer(o, {75, 40, 0});
    if (fest) {
        figures::Ansicht f;
        f.WinkelSetzenGrad(festWinkel[0], festWinkel[1], festWinkel[2]);
        ansicht.FigurWinkel = {f.WinkelX, f.WinkelY, f.WinkelZ};
    }
    const figures::Einstellungssatz s;
    mysterium::Keplerschalen schalen;
    schalen.nurBahnenDrehen = fest;
    figures::Ueberblicksrahmen r;
    r.sterne = o.sterne;
    r.sonneZentrum = true;
    r.stattScheiben = &schalen;
    figures::Ueberblick figur;
    auto zeichnen = [&](figures::Zeichenflaeche& z) {
        return static_cast<bool>(figur.schritt(0, &z, ansicht, s, r, nullptr));
    };
    try {
        const astro::Status st =
            figur.vorbereiten(e, lauf, ansicht, figures::PositionsfunktionAus(*rechner, optionen));
        if (!st)
            return cli::fehler("render mysterium: " + cli::statusText(st));
        ansicht.NeuZeichnen = true;
        if (!zeichnen(flaeche))
            return cli::fehler("render mysterium: the positions of the day cannot be computed");
    } catch (const figures::Bereichsfehler&) {
        return cli::fehler("render mysterium: the figure does not fit the pixel range (zoom too large?)");
    }
    flaeche.flip();
    return cli::bildSchreiben(o.rahmen.aus, flaeche.bild(), zeichnen);
}

} // namespace

namespace cli {

int startanimationRendern(const Argumente& args)
{
    Koerperoptionen o;
    if (const int r = Lesen(args, 0, o, "render start"))
        return r;
    OffscreenAnwendung anwendung;
    shell::QtZeichenflaeche flaeche(o.rahmen.breite, o.rahmen.hoehe);
    figures::Ansicht ansicht;
    ansicht.GroesseSetzen(o.rahmen.breite, o.rahmen.hoehe);
    ansicht.Zoom = 10.0;
    const figures::Einstellungssatz s;
    mysterium::Startanimation anim(mysterium::StartparameterZiehen(mysterium::ZufallAusSaat(
        static_cast<std::uint64_t>(o.saat))));
    bool laeuft = true;
    long long n = 0;
    for (; n < o.bild && laeuft; ++n)
        laeuft = anim.weiter(ansicht, false);
    if (!laeuft)
        return fehler("render start: the animation ended after " + std::to_string(n - 1) + " frames");
    auto zeichnen = [&](figures::Zeichenflaeche& z) {
        anim.zeichnen(z, ansicht, s);
        return true;
    };
    zeichnen(flaeche);
    flaeche.flip();
    std::printf("%s scale %s\n", anim.waechst() ? "arriving" : anim.haelt() ? "holding" : "leaving",
                zahlText(anim.massstab()).c_str());
    return bildSchreiben(o.rahmen.aus, flaeche.bild(), zeichnen);
}

} // namespace cli

static cli::RenderRegistrierung koerper("solid", renderKoerper);
static cli::RenderRegistrierung metamorphose("metamorphosis", renderMetamorphose);
static cli::RenderRegistrierung mysteriumBild("mysterium", renderMysterium);
