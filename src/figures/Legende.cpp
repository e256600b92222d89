#include "figures/Legende.h"

#include "figures/Punktliste.h"
#include "sprache/Sprache.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace figures {

namespace {

constexpr double KmProAE = 149.597870691;  // 10^6 km per astronomical unit
constexpr double TageProTropischesJahr = 365.24219;
constexpr double TageProJahr = 365.25;
constexpr int MusterBreite = 12;    // room for a line's sample left of its text
constexpr int GrosseSchrift = 10;   // point size of "Beschriftung größer"

const std::string& T(const char* schluessel) { return sprache::T(schluessel); }

std::string Koerpername(int koerper)
{
    return sprache::T("koerper.name." + std::to_string(koerper));
}

void Schriftsetzen(Zeichenflaeche& z, const Einstellungssatz& s, int groesse)
{
    z.schrift({"MS Sans Serif", groesse, s.IntFarbeBahnen, false});
}

// Text centred horizontally on x with its top at y.
void TextZentriert(Zeichenflaeche& z, int x, int y, const std::string& text)
{
    z.textAus(x - z.textBreite(text) / 2, y, text);
}

std::string Ohneleerzeichen(const std::string& t)
{
    const auto a = t.find_first_not_of(' ');
    return a == std::string::npos ? std::string() : t.substr(a);
}

} // namespace

int Beschriftungsgroesse(const Einstellungssatz& s) { return s.BoolBeschriftung ? 8 : GrosseSchrift; }

std::string ZahlFest(double wert, int breite, int dezimalen)
{
    char puffer[64];
    if (!std::isfinite(wert))
        wert = 0;
    auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, dezimalen);
    std::string t = ec == std::errc() ? std::string(puffer, ende) : std::string("?");
    if (t.front() == '-' && t.find_first_not_of("-0.") == std::string::npos)
        t.erase(0, 1);  // a value that rounds to zero has no sign
    if (static_cast<int>(t.size()) < breite)
        t.insert(0, static_cast<size_t>(breite - static_cast<int>(t.size())), ' ');
    return t;
}

std::string Massstabsbeschriftung(double v)
{
    const double b = std::fabs(v);
    if (b > 20) return ZahlFest(v, 6, 0);
    if (b > 2) return ZahlFest(v, 6, 1);
    if (b > 0.1) return ZahlFest(v, 6, 2);
    if (b > 0.01) return ZahlFest(v, 6, 3);
    if (b > 0.001) return ZahlFest(v, 6, 4);
    if (b > 0.0001) return ZahlFest(v, 7, 5);
    if (b > 0.00001) return ZahlFest(v, 8, 6);
    return ZahlFest(v, 9, 7);
}

Rechteck Rechteck::vereint(const Rechteck& r) const
{
    if (leer())
        return r;
    if (r.leer())
        return *this;
    return {std::min(links, r.links), std::min(oben, r.oben), std::max(rechts, r.rechts), std::max(unten, r.unten)};
}

Rechteck MassstabZeichnen(Zeichenflaeche& z, const Ansicht& a, const Einstellungssatz& s, double wert,
                          const Massstabsart& art)
{
    const double m = art.mond ? 1000.0 : 1.0;
    const double k = a.Hoehenfaktor * a.Massstab * m;
    const int y = a.Hoehe - 30;
    const double x0 = a.MitteX;
    const double E = a.FigurAusdehnung;
    auto px = [&](double einheiten) { return RundenGerade(x0 + k * einheiten); };
    Rechteck box;
    auto dazu = [&](int x1, int y1, int x2, int y2) {
        box = box.vereint({std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)});
    };

    z.pinsel(s.IntFarbeHintergrund, Pinselstil::Voll);
    z.stift(s.IntFarbeBahnen, 1, Stiftstil::StrichPunktPunkt);
    z.bewegeZu(px(-E), y);
    z.linieZu(px(E), y);
    dazu(px(-E), y, px(E), y);

    Schriftsetzen(z, s, Beschriftungsgroesse(s));
    z.stift(s.IntFarbeBahnen, 1, Stiftstil::Durchgezogen);
    auto strich = [&](int x, int h) {
        z.bewegeZu(x, y - h);
        z.linieZu(x, y + h);
        dazu(x, y - h, x, y + h);
    };
    auto beschriften = [&](int x, const std::string& text) {
        const int b = z.textBreite(text);
        TextZentriert(z, x, y + 7, text);
        dazu(x - b / 2, y + 7, x - b / 2 + b - 1, y + 7 + z.textHoehe(text) - 1);
    };
    strich(px(-wert), 5);
    strich(px(0), 5);
    strich(px(wert), 5);

    double beschriftung = a.Zoom != 0 ? wert / a.Zoom : wert;
    if (art.astronomischeEinheiten && !art.mond)
        beschriftung /= KmProAE;
    beschriften(px(-wert), Ohneleerzeichen(Massstabsbeschriftung(-beschriftung)));
    beschriften(px(wert), Ohneleerzeichen(Massstabsbeschriftung(beschriftung)));
    const char* mitte = art.mond ? "massstab.null.mond"
                        : art.ohneEntfernungen ? "massstab.null.ohneEntfernungen"
                        : art.astronomischeEinheiten ? "massstab.null.ae"
                                                     : "massstab.null.km";
    beschriften(px(0), T(mitte));

    strich(px(-wert / 2), 4);
    strich(px(wert / 2), 4);
    if (wert / 2 <= E - wert) {
        strich(px(-1.5 * wert), 4);
        strich(px(1.5 * wert), 4);
    }
    Schriftsetzen(z, s, 8);
    return box;
}

Rechteck MassstabDerBreite(Zeichenflaeche& z, const Ansicht& a, const Einstellungssatz& s, double f)
{
    const int y = a.Hoehe - 30;
    const int x0 = RundenGerade(a.Breite / 5.0);
    const int r = RundenGerade(a.Breite / 23.4);
    const int r12 = RundenGerade(1.2 * r);
    Rechteck box{x0 - r12, y - 5, x0 + r12, y + 5};

    z.pinsel(s.IntFarbeHintergrund, Pinselstil::Voll);
    z.stift(s.IntFarbeBahnen, 1, Stiftstil::StrichPunktPunkt);
    z.bewegeZu(x0 - r12, y);
    z.linieZu(x0 + r12, y);
    z.stift(s.IntFarbeBahnen, 1, Stiftstil::Durchgezogen);
    for (int x : {x0 - r, x0 + r}) {
        z.bewegeZu(x, y - 5);
        z.linieZu(x, y + 5);
    }
    z.stift(s.IntFarbeSonnenbahn, 2, Stiftstil::Durchgezogen);
    z.bewegeZu(x0, y - 5);
    z.linieZu(x0, y + 5);

    Schriftsetzen(z, s, Beschriftungsgroesse(s));
    auto beschriften = [&](int x, int oben, const std::string& text) {
        const int b = z.textBreite(text);
        TextZentriert(z, x, oben, text);
        box = box.vereint({x - b / 2, oben, x - b / 2 + b - 1, oben + z.textHoehe(text) - 1});
    };
    beschriften(x0, y + 7, T("massstab.breite"));
    const std::string v = Ohneleerzeichen(ZahlFest(f * 7.5 / 50.0 * a.Zoom, 0, 1));
    const int oben = y - 7 - z.textHoehe(v);
    beschriften(x0 - r, oben, "-" + v);
    beschriften(x0, oben, "0");
    beschriften(x0 + r, oben, v);
    Schriftsetzen(z, s, 8);
    return box;
}

int LegendenRand(const Ansicht& a, const Einstellungssatz& s) { return a.Breite - LegendenAbstand(s); }

std::string Legendenname(int darstellung, int koerper, bool zentrum, const Legendendaten& d)
{
    std::string name;
    if (darstellung == LegendeRotationen && d.erdeMond && koerper == 3)
        name = T("legende.erdeMond");
    else if (koerper == KoerpercodeMond)
        name = Koerpername(KoerpercodeMond);
    else
        name = Koerpername(koerper);
    if (zentrum)
        name += T("legende.imZentrum");
    return name;
}

void LegendePlanetZeichnen(Zeichenflaeche& z, const Einstellungssatz& s, int x, int y, bool mitKreuz,
                           int darstellung, int koerper, int radius, const Legendendaten& d, bool mitScheibe,
                           bool zentrum)
{
    const bool mond = koerper == KoerpercodeMond;
    if (koerper > 9 && !mond)
        radius -= 1;
    if (mond && darstellung == LegendeUeberblick && d.mondImUeberblick)
        radius += 2;
    // The name starts 12 pixels right of the disc's centre: a larger planet
    // size is capped here so that the disc never covers its name.
    radius = std::clamp(radius, 1, LegendenScheibeHoechstens);
    if (mitScheibe && !d.ohnePlaneten)
        PlanetZeichnen(z, x, y, radius, s.IntFarbeLiniePlaneten, KoerperFarbe(s, koerper), s.IntRanddicke);
    if (mitKreuz)
        ZentrumMarkieren(z, s, x, y);

    const std::string name = Legendenname(darstellung, koerper, mitKreuz || zentrum, d);
    z.pinsel(s.IntFarbeHintergrund, Pinselstil::Voll);
    z.textAus(x + 12, y - z.textHoehe(name) / 2, name);
}

namespace {

constexpr int WertAbstand = 6;   // at least this between a caption and its value
constexpr int KoerperEinzug = 17; // a body's name: 12 right of its disc, which is 5 into the line
constexpr int FreiAbstand = 3;   // between the legend and the scale bar below it

// The legend's lines, gathered from the bottom upwards, then measured and
// drawn: the captions at the legend's margin, each value right-aligned at
// the right edge less LegendenRandRechts, so that no value is cut off
// whatever its width, the language or the lettering.
class Stapel {
public:
    Stapel(Zeichenflaeche& z, const Ansicht& a, const Einstellungssatz& s) : z_(z), a_(a), s_(s)
    {
        Schriftsetzen(z_, s_, Beschriftungsgroesse(s_));
        // Two pixels more than the font: accents above the capitals (Ä) are
        // not covered by the background of the line above.
        zeilenhoehe_ = std::max(1, z_.textHoehe("Ag")) + 2;
    }

    void text(const std::string& text, const std::string& wert = {})
    {
        Zeile l;
        l.text = text;
        l.wert = Ohneleerzeichen(wert);
        zeilen_.push_back(l);
    }

    void element(const Legendenzeile& e)
    {
        Zeile l;
        l.art = Zeile::Art::Element;
        l.text = e.text;
        l.wert = Ohneleerzeichen(e.wert);
        l.element = e;
        l.einzug = e.muster == Legendenzeile::Muster::Keins ? 0 : MusterBreite + 5;
        zeilen_.push_back(l);
    }

    void koerper(const Legendendaten& d, int koerper, bool zentrum, bool scheibe, bool kreuz)
    {
        Zeile l;
        l.art = Zeile::Art::Koerper;
        l.koerper = koerper;
        l.zentrum = zentrum;
        l.scheibe = scheibe;
        l.kreuz = zentrum && kreuz;
        l.text = Legendenname(d.darstellung, koerper, zentrum, d);
        l.einzug = KoerperEinzug;
        zeilen_.push_back(l);
    }

    void zeichnen(const Legendendaten& d, const Rechteck* frei)
    {
        // Width: the widest caption, and caption plus value where there is one.
        int breite = 0;
        for (auto& l : zeilen_) {
            l.textBreite = z_.textBreite(l.text);
            l.wertBreite = l.wert.empty() ? 0 : z_.textBreite(l.wert);
            const int w = l.einzug + l.textBreite + (l.wert.empty() ? 0 : WertAbstand + l.wertBreite);
            breite = std::max(breite, w);
        }
        const int rechts = a_.Breite - LegendenRandRechts;
        const int links = std::max(0, std::min(LegendenRand(a_, s_), rechts - breite));
        const int n = static_cast<int>(zeilen_.size());
        int unten = a_.Hoehe - LegendenRandUnten;
        if (frei) {
            const Rechteck box{links, unten - n * zeilenhoehe_, rechts, unten - 1};
            if (box.schneidet(*frei))
                unten = frei->oben - FreiAbstand;
        }

        for (int k = 0; k < n; ++k) {
            const Zeile& l = zeilen_[static_cast<size_t>(k)];
            const int oben = unten - (k + 1) * zeilenhoehe_;
            const int my = oben + zeilenhoehe_ / 2;
            if (l.art == Zeile::Art::Koerper) {
                LegendePlanetZeichnen(z_, s_, links + 5, my, l.kreuz, d.darstellung, l.koerper, s_.IntA, d, l.scheibe,
                                      l.zentrum);
                Schriftsetzen(z_, s_, Beschriftungsgroesse(s_));
                continue;
            }
            if (l.art == Zeile::Art::Element)
                muster(l.element, links, my);
            z_.pinsel(s_.IntFarbeHintergrund, Pinselstil::Voll);
            z_.textAus(links + l.einzug, oben, l.text);
            if (!l.wert.empty())
                z_.textAus(std::max(rechts - l.wertBreite, links + l.einzug + l.textBreite + WertAbstand), oben,
                           l.wert);
        }
    }

private:
    struct Zeile {
        enum class Art { Text, Element, Koerper } art = Art::Text;
        std::string text, wert;
        int einzug = 0;
        Legendenzeile element;
        int koerper = 0;
        bool zentrum = false, scheibe = true, kreuz = false;
        int textBreite = 0, wertBreite = 0;
    };

    // The colour sample of an element line, left of its text.
    void muster(const Legendenzeile& l, int links, int my)
    {
        const int x1 = links, x2 = links + MusterBreite - 2;
        switch (l.muster) {
        case Legendenzeile::Muster::Keins:
            break;
        case Legendenzeile::Muster::Scheibe:
            PlanetZeichnen(z_, links + MusterBreite / 2 - 1, my, std::max(1, l.radius), l.rand, l.fuellung,
                           s_.IntRanddicke);
            break;
        case Legendenzeile::Muster::Linie:
            z_.stift(l.rand, l.breite, Stiftstil::Durchgezogen);
            z_.bewegeZu(x1, my);
            z_.linieZu(x2, my);
            break;
        case Legendenzeile::Muster::Stern: {
            const int r = std::max(2, zeilenhoehe_ / 2 - 1);
            const int cx = links + MusterBreite / 2 - 1;
            std::vector<Punkt> p;
            for (int i = 0; i < 5; ++i) {
                const double w = (90.0 + 144.0 * i) * GradZuRad;
                p.push_back({cx + RundenGerade(r * std::cos(w)), my - RundenGerade(r * std::sin(w))});
            }
            z_.stift(l.rand, l.breite, Stiftstil::Durchgezogen);
            z_.pinsel(s_.IntFarbeHintergrund, Pinselstil::Keiner);
            z_.polygon(p);
            break;
        }
        case Legendenzeile::Muster::Punkte:
            z_.stift(l.rand, l.breite, Stiftstil::Durchgezogen);
            z_.bewegeZu(x1 + 1, my);
            z_.linieZu(x2 - 1, my);
            PlanetZeichnen(z_, x1 + 1, my, std::max(1, l.radius), l.rand, l.fuellung, s_.IntRanddicke);
            PlanetZeichnen(z_, x2 - 1, my, std::max(1, l.radius), l.rand, l.fuellung, s_.IntRanddicke);
            break;
        }
    }

    Zeichenflaeche& z_;
    const Ansicht& a_;
    const Einstellungssatz& s_;
    int zeilenhoehe_ = 14;
    std::vector<Zeile> zeilen_;
};

std::string Periodenwert(double tage, bool inJahren)
{
    const double v = inJahren ? tage / TageProTropischesJahr : tage;
    const int dez = v >= 100000 ? 1 : v >= 10000 ? 2 : v >= 1000 ? 3 : 4;
    return ZahlFest(v, 11, dez);
}

std::string Schrittweitentext(double tage)
{
    const int dez = tage >= 10000 ? 0 : tage >= 1000 ? 1 : tage >= 10 ? 2 : 3;
    return Ohneleerzeichen(ZahlFest(tage, 0, dez));
}

void Koerperzeilen(Stapel& st, const Legendendaten& d)
{
    for (const auto& k : d.koerper)
        st.koerper(d, k.koerper, k.zentrum, k.scheibe, k.kreuz);
    if (d.sonneImZentrum)
        st.koerper(d, 0, true, d.sonneScheibe, d.sonneKreuz);  // "Sonne im Zentrum"
}

} // namespace

void LegendeZeichnen(Zeichenflaeche& z, const Ansicht& a, const Einstellungssatz& s, const Legendendaten& d,
                     const Rechteck* frei)
{
    Stapel st(z, a, s);

    if (d.darstellung == LegendeLangzeit) {
        st.text(T("legende.langzeit.schrittweite"),
                Ohneleerzeichen(ZahlFest(d.langzeitSchrittJahre, 0, 0)) + T("legende.langzeit.jahre"));
        st.text(T("legende.jahre"), ZahlFest(d.vergangeneTage.value_or(0) / TageProJahr, 7, 0));
        Koerperzeilen(st, d);
        for (const auto& e : d.elemente)
            st.element(e);
        st.text(T("legende.kopf"));
        st.zeichnen(d, frei);
        Schriftsetzen(z, s, 8);
        return;
    }

    if (d.nurLetzte)
        st.text(T("legende.nurLetzte.vor") + " " + std::to_string(*d.nurLetzte) + T("legende.nurLetzte.nach"));
    if (d.ereignisart) {
        const char* k = *d.ereignisart == Legendendaten::Ereignis::Konjunktionen   ? "legende.anzahl.konj"
                         : *d.ereignisart == Legendendaten::Ereignis::Oppositionen ? "legende.anzahl.oppo"
                                                                                   : "legende.anzahl.konst";
        st.text(T(k), ZahlFest(d.ereignisAnzahl, 7, 0));
    }
    if (d.periode) {
        if (d.gewaehltePeriode) {
            st.text(T("legende.periode.gewaehlt"), Periodenwert(*d.periode, false));
        } else {
            const bool jahre = *d.periode >= 10000;
            st.text(T(jahre ? "legende.periode.jahre" : "legende.periode.tage"), Periodenwert(*d.periode, jahre));
        }
    }
    if (d.schrittweite)
        st.text(T("legende.schritte.vor") + " " + Schrittweitentext(*d.schrittweite) + T("legende.schritte.nach"),
                ZahlFest(d.schritt, 7, 0));
    if (d.vergangeneTage) {
        st.text(T("legende.jahre"), ZahlFest(*d.vergangeneTage / TageProJahr, 9, 2));
        st.text(T("legende.tage"), ZahlFest(*d.vergangeneTage, 9, 0));
    }
    st.text(T(d.mitPraezession ? "legende.aequinoktium.datum" : "legende.aequinoktium.2000"));
    Koerperzeilen(st, d);
    for (const auto& e : d.elemente)
        st.element(e);
    st.text(T("legende.kopf"));
    st.zeichnen(d, frei);
    Schriftsetzen(z, s, 8);
}

} // namespace figures
