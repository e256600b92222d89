#include "figures/ZweiPlaneten.h"

#include "astro/Koerper.h"
#include "astro/Koordinaten.h"
#include "sprache/Koerpernamen.h"
#include "sprache/Sprache.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace figures {

using sprache::T;

namespace {

constexpr size_t I(int b) { return static_cast<size_t>(b); }

// Layers of the cache, lowest first: the order every frame draws them in.
enum Ebene : int {
    EbeneRaumgeraden = 1,
    EbeneSpur1,
    EbeneSpur2,
    EbeneLinienzug,
    EbeneMittelpunkte,
    EbeneKonjLinien,
    EbeneKonjKreise,
    EbeneOppoLinien,
    EbeneOppoKreise,
};

Raumpunkt Minus(const Raumpunkt& a, const Raumpunkt& b) { return {a.X - b.X, a.Y - b.Y, a.Z - b.Z}; }
Raumpunkt Negativ(const Raumpunkt& a) { return {-a.X, -a.Y, -a.Z}; }


} // namespace

void ZweiPlanetenKorrigieren(ZweiPlanetenEingabe& e)
{
    e.planet1 = std::clamp(e.planet1, 1, 21);
    e.planet2 = std::clamp(e.planet2, 1, 21);
    if (Ausdehnung[I(e.planet2)] < Ausdehnung[I(e.planet1)])
        std::swap(e.planet1, e.planet2);
    else if (e.planet1 == 2 && e.planet2 == 2 && e.schleifen)
        e.planet2 = 4;
    if (e.planet1 == e.planet2)
        e.planet2 = e.planet1 < 21 ? e.planet1 + 1 : e.planet1 - 1;
    if (Ausdehnung[I(e.planet2)] < Ausdehnung[I(e.planet1)])
        std::swap(e.planet1, e.planet2);
}

double BreitenTeiler(int p1, int p2)
{
    const bool erde = p1 == 3 || p2 == 3;
    double f = 0;
    if (erde)
        f = (p1 > 6 || p2 > 6) ? 13.5 : (p1 > 4 || p2 > 4) ? 33 : 50;
    else
        f = (p1 < 5 || p2 < 5) ? 50 : (p1 < 7 || p2 < 7) ? 33 : 13.5;
    if (p2 == 9 || p2 > 13)
        f = 80;
    if (p2 == 10 || p2 == 12 || p2 == 13)
        f = 100;
    if (p1 == 18 || p1 == 19 || p2 == 18 || p2 == 19)
        f = 133.333;
    if (p1 == 11 || p1 == 20 || p2 == 11 || p2 == 20)
        f = 200;
    return f;
}

double SchleifenRadius(const ZweiPlanetenEingabe& e)
{
    const bool erde = e.planet1 == 3 || e.planet2 == 3;
    const bool zweiterGezeichnet = e.planet2Zeichnen || e.bahn2;
    if (erde || !zweiterGezeichnet)
        return Ausdehnung[I(e.planet2)] + Ausdehnung[I(e.planet1)];
    return Ausdehnung[I(e.planet2)] + Ausdehnung[3];
}

Raumpunkt SchleifenPunkt(const Raumpunkt& p, double f, double r0, bool mitBreite)
{
    const astro::Kugelkoordinaten k = astro::XYZZuKugel(p);
    const double r = 0.9 * r0 * (mitBreite ? 1.0 + k.B / f : 1.0);
    const double l = k.L * GradZuRad;
    return {r * std::cos(l), r * std::sin(l), k.R};
}

size_t ZweiPlaneten::idx(int k) const { return I(std::clamp(k, 0, schrittzahl_)); }

astro::Status ZweiPlaneten::vorbereiten(const ZweiPlanetenEingabe& e, const ZweiPlanetenlauf& lauf, Ansicht& ansicht,
                                        Positionsfunktion position)
{
    e_ = e;
    ZweiPlanetenKorrigieren(e_);
    e_.zentrum = std::clamp(e_.zentrum, 0, 9);
    if (!(e_.schrittweite > 0) || !std::isfinite(e_.schrittweite) || !std::isfinite(e_.starttag))
        return astro::Status::Fehlschlag(astro::Fehler::UngueltigeEingabe, {}, "step width");
    lauf_ = lauf;
    position_ = std::move(position);
    t0_ = e_.starttag;
    const double dt = e_.schrittweite;
    // The caller's abort and progress belong to the preparation only (they
    // may refer to its locals); kept figures searched later run without them.
    struct Aufraeumen {
        ZweiPlanetenlauf& l;
        ~Aufraeumen()
        {
            l.abbruch = nullptr;
            l.fortschritt = nullptr;
        }
    } aufraeumen{lauf_};

    // Steps: the count of "Ergebnis sofort" or the step limit, never beyond
    // the validity limit.
    const double bisGrenze = std::max(0.0, std::round((lauf.gueltigkeitsgrenze - t0_) / dt));
    double n = lauf.sofort ? std::max(lauf.sofortSchritte, 1) : lauf.schrittgrenze;
    n = std::min({n, bisGrenze, static_cast<double>(std::max(lauf.schrittgrenze, 0))});
    schrittzahl_ = static_cast<int>(n);

    const double pa = SiderischePeriode(e_.planet1), pb = SiderischePeriode(e_.planet2);
    synodisch_ = pa == pb ? 0.0 : std::fabs(pa * pb / (pb - pa));

    konstellationszahl_ = 0;
    if (mitSternen() && synodisch_ > 0) {
        const double k = lauf.sofort ? std::round(schrittzahl_ * dt / synodisch_)
                                     : std::ceil((lauf.gueltigkeitsgrenze - t0_) / synodisch_);
        konstellationszahl_ = static_cast<int>(std::clamp(k, 0.0, static_cast<double>(lauf.konstellationsgrenze)));
    }
    // Kept figures: at most as many as the run has events; the slot after
    // them holds the coming event.
    lauf_.figurenAnzahl = std::max(1, std::min(lauf.figurenAnzahl, std::max(konstellationszahl_, 1)));
    const int plaetze = std::max(konstellationszahl_, lauf_.figurenAnzahl + 1);

    // Weights of the centres of gravity.
    const bool paarZentrum = e_.zentrum == e_.planet1 || e_.zentrum == e_.planet2;
    w1_ = astro::Massen[I(e_.planet1)];
    w2_ = astro::Massen[I(e_.planet2)];
    if (e_.sonnenbahn || (e_.planet2Zeichnen && paarZentrum))
        w2_ = astro::Sonnenmasse;
    else if (e_.zentrum == e_.planet1)
        std::swap(w1_, w2_);
    if (e_.mittelpunkte == 0)
        w1_ = w2_ = 1.0;

    ansicht.Massstab = ansicht.MassstabAusAusdehnung(e_.planet1, e_.planet2, e_.zentrum);
    ansicht.MassstabswertAusAusdehnung(e_.planet1, e_.planet2, e_.zentrum);
    breitenTeiler_ = BreitenTeiler(e_.planet1, e_.planet2);
    schleifenR0_ = SchleifenRadius(e_);

    // Arrays: sized once for the run.
    const size_t m = I(schrittzahl_ + 1);
    p1_.assign(m, Raumpunkt{});
    p2_.assign(m, Raumpunkt{});
    const bool mitMitte = e_.mittelpunkte == 0 || e_.mittelpunkte == 1;
    mitte_.assign(mitMitte ? m : 0, Raumpunkt{});
    px1_.assign(m, Punkt{});
    px2_.assign(m, Punkt{});
    pxm_.assign(mitMitte ? m : 0, Punkt{});
    linien_.clear();
    linien_.reserve(2 * m);
    ecken_.clear();
    ecken_.reserve(I(plaetze + 1));
    projiziert_ = -1;
    cacheGueltig_ = false;
    cacheBis_ = -1;
    neuaufbauten_ = 0;
    konj_.anlegen(e_.konjunktionsstern ? plaetze : 0);
    oppo_.anlegen(e_.oppositionsstern ? plaetze : 0);

    if (const astro::Status s = stellen(); !s)
        return s;
    if (e_.konjunktionsstern)
        if (const astro::Status s = ereignisseBerechnen(true); !s)
            return s;
    if (e_.oppositionsstern)
        if (const astro::Status s = ereignisseBerechnen(false); !s)
            return s;

    sternmodus_ = 0;
    if (e_.konjunktionsstern && e_.oppositionsstern) {
        const bool oppoZuerst = konj_.gefunden < oppo_.gefunden ||
                                (konj_.gefunden > 0 && oppo_.gefunden > 0 && !(konj_.tage[0] < oppo_.tage[0]));
        sternmodus_ = oppoZuerst ? 4 : 3;
    } else if (e_.konjunktionsstern) {
        sternmodus_ = 1;
    } else if (e_.oppositionsstern) {
        sternmodus_ = 2;
    }
    if (lauf_.sofort && mitSternen()) {
        const int k = static_cast<int>(std::round(schrittzahl_ * dt / std::max(synodisch_, 1e-9)));
        konj_.gefunden = std::min(konj_.gefunden, k);
        oppo_.gefunden = std::min(oppo_.gefunden, k);
    }
    if (mitSternen())
        konstellationszahl_ = std::max(konj_.gefunden, oppo_.gefunden);
    return astro::Status::Ok();
}

astro::Status ZweiPlaneten::stellen()
{
    const int a = e_.planet1, b = e_.planet2, c = e_.zentrum;
    const bool sonneGezeigt = e_.sonnenbahn || e_.planet2Zeichnen;
    const bool mitMitte = !mitte_.empty();
    for (int k = 0; k <= schrittzahl_; ++k) {
        if (k % 100 == 0) {
            if (lauf_.fortschritt)
                lauf_.fortschritt(k);
            if (lauf_.abgebrochen())
                return astro::Status::Fehlschlag(astro::Fehler::Abgebrochen);
        }
        const double t = t0_ + k * e_.schrittweite;
        const auto h1 = position_(a, t);
        if (!h1)
            return h1.status();
        const auto h2 = position_(b, t);
        if (!h2)
            return h2.status();
        Raumpunkt q1, q2;
        bool sonne = false;
        if (c == a) {
            q1 = Minus(*h2, *h1);
            q2 = sonneGezeigt ? Negativ(*h1) : Raumpunkt{};
            sonne = sonneGezeigt;
        } else if (c == b) {
            q1 = Minus(*h1, *h2);
            q2 = sonneGezeigt ? Negativ(*h2) : Raumpunkt{};
            sonne = sonneGezeigt;
        } else if (c == 0) {
            q1 = *h1;
            q2 = *h2;
        } else {
            const auto hc = position_(c, t);
            if (!hc)
                return hc.status();
            q1 = Minus(*h1, *hc);
            q2 = Minus(*h2, *hc);
        }
        if (e_.schleifen) {
            q1 = SchleifenPunkt(q1, breitenTeiler_, schleifenR0_, true);
            if (sonne)
                q2 = SchleifenPunkt(q2, breitenTeiler_, schleifenR0_, false);
            else if (!(c == a || c == b) && (e_.planet2Zeichnen || e_.bahn2))
                q2 = SchleifenPunkt(q2, breitenTeiler_, schleifenR0_, true);
            else if (!(c == a || c == b))
                q2 = Raumpunkt{};
        }
        p1_[I(k)] = q1;
        p2_[I(k)] = q2;
        if (mitMitte)
            mitte_[I(k)] = Mittelpunkt(q1, q2, w1_, w2_);
    }
    return astro::Status::Ok();
}

astro::Status ZweiPlaneten::zuweisen(Ereignisspeicher& sp, bool konjunktion, int i, double t)
{
    astro::Konjunktionssuche s;
    s.opposition = !konjunktion;
    s.hoheGenauigkeit = lauf_.hoheGenauigkeit;
    s.grenze = lauf_.gueltigkeitsgrenze;
    s.abbruch = lauf_.abbruch;
    const Positionsfunktion& pos = position_;
    const astro::Heliozentrisch helio = [&pos](astro::KoerperNr k, astro::Tageszahl tag) { return pos(k, tag); };
    const auto ev = astro::KonjunktionSuchen(e_.planet1, e_.planet2, t, s, helio);
    if (!ev)
        return ev.status();
    const size_t j = I(i);
    const int c = e_.zentrum;
    sp.tage[j] = ev->tag;
    if (c == e_.planet1) {
        sp.ort1[j] = Minus(ev->p2, ev->p1);
        sp.ort2[j] = Negativ(ev->p1);
    } else if (c == e_.planet2) {
        sp.ort1[j] = Minus(ev->p1, ev->p2);
        sp.ort2[j] = Negativ(ev->p2);
    } else if (c == 0) {
        sp.ort1[j] = ev->p1;
        sp.ort2[j] = ev->p2;
    } else {
        const auto hc = position_(c, ev->tag);
        if (!hc)
            return hc.status();
        sp.ort1[j] = Minus(ev->p1, *hc);
        sp.ort2[j] = Minus(ev->p2, *hc);
    }
    return astro::Status::Ok();
}

astro::Status ZweiPlaneten::ereignisseBerechnen(bool konjunktion)
{
    Ereignisspeicher& sp = konjunktion ? konj_ : oppo_;
    int anzahl = std::min(konstellationszahl_, static_cast<int>(sp.tage.size()));
    if (lauf_.drehung)
        anzahl = std::min(anzahl, lauf_.figurenAnzahl + 1);
    const auto zuweisung = [&](int i, double t) { return zuweisen(sp, konjunktion, i, t); };
    const auto tag = [&](int i) { return sp.tage[I(i)]; };
    const auto abbruch = [&] { return lauf_.abgebrochen(); };
    astro::Status fehler = astro::Status::Ok();
    sp.gefunden = EreignisseVorausberechnen(anzahl, t0_, synodisch_, synodisch_ / 100.0, lauf_.neustarts, zuweisung,
                                            tag, abbruch, fehler);
    return fehler;
}

void ZweiPlaneten::nachruecken(Ereignisspeicher& sp, bool konjunktion)
{
    const int f = lauf_.figurenAnzahl;
    if (I(f) >= sp.tage.size())
        return;
    for (int i = 0; i < f; ++i) {
        sp.tage[I(i)] = sp.tage[I(i + 1)];
        sp.ort1[I(i)] = sp.ort1[I(i + 1)];
        sp.ort2[I(i)] = sp.ort2[I(i + 1)];
    }
    // The next kept figure, one synodic period after the last kept event.
    // At the validity limit the slot keeps its event (it is not passed again).
    (void)zuweisen(sp, konjunktion, f, sp.tage[I(f - 1)] + synodisch_);
}

int ZweiPlaneten::sternAnzahl(const Ereignisspeicher& sp, int zaehler) const
{
    int n = std::min(zaehler, sp.gefunden);
    if (lauf_.drehung)
        n = std::min(zaehler, lauf_.figurenAnzahl);
    return std::clamp(n, 0, static_cast<int>(sp.tage.size()));
}

bool ZweiPlaneten::spurenSichtbar(const ZweiPlanetenZaehler& c) const
{
    // Kept figures of either star past their count turn the picture: the
    // traces would only pile up under them.
    return !lauf_.drehung || (c.konjIndex <= lauf_.figurenAnzahl && c.oppoIndex <= lauf_.figurenAnzahl &&
                              c.schritt < lauf_.schrittgrenze);
}

bool ZweiPlaneten::ohnePlaneten(const ZweiPlanetenZaehler& c, const ZweiPlanetenRahmen& r) const
{
    if (lauf_.sofort)
        return true;
    if (r.nurZuBeginn && (c.konjIndex > r.nurBisIndex || c.oppoIndex > r.nurBisIndex))
        return true;
    return lauf_.drehung && (c.konjIndex > lauf_.figurenAnzahl || c.oppoIndex > lauf_.figurenAnzahl);
}

void ZweiPlaneten::nachjustieren(ZweiPlanetenZaehler& c) const
{
    // The clock follows the events while no planet marks the time: it moves
    // on to the day of the next event to be shown (the one at the index of
    // the count shown; with turning kept figures the slot after them), so
    // that every frame brings one event. With both stars the earlier of
    // the two next events. Without a next event the clock keeps its pace.
    c.rueckschritte = 0;
    double ziel = 0;
    bool mitZiel = false;
    const auto naechstes = [&](const Ereignisspeicher& sp, int zaehler) {
        const int i = lauf_.drehung ? std::min(zaehler, lauf_.figurenAnzahl) : zaehler;
        if (i < 0 || i >= sp.gefunden || I(i) >= sp.tage.size())
            return;
        const double d = sp.tage[I(i)];
        if (!mitZiel || d < ziel)
            ziel = d;
        mitZiel = true;
    };
    if (e_.konjunktionsstern)
        naechstes(konj_, c.konjIndex);
    if (e_.oppositionsstern)
        naechstes(oppo_, c.oppoIndex);
    if (!mitZiel)
        return;
    // Kept figures turn without an end; otherwise the run ends with its steps.
    const int hoechstens = lauf_.drehung ? std::numeric_limits<int>::max() - 1
                                         : std::max(lauf_.schrittgrenze, schrittzahl_);
    const int s = SchrittZumTag(t0_, e_.schrittweite, ziel, c.schritt, hoechstens);
    c.rueckschritte = s - c.schritt;
    c.schritt = s;
}

void ZweiPlaneten::zeileSchritt(astro::Datenausgabe& d, int k) const
{
    const std::array<astro::PositionXYZ, 2> p{p1_[idx(k)], p2_[idx(k)]};
    d.DatenAusgabe3P(k, p, t0_ + k * e_.schrittweite);
}

void ZweiPlaneten::zeileEreignis(astro::Datenausgabe& d, const Ereignisspeicher& sp, int nummer, int index) const
{
    const size_t j = I(index);
    if (j >= sp.tage.size())
        return;
    const std::array<astro::PositionXYZ, 2> p{sp.ort1[j], sp.ort2[j]};
    d.DatenAusgabe3P(nummer + 1, p, sp.tage[j]);
}

bool ZweiPlaneten::alleSchrittzeilen(astro::Datenausgabe& daten, const ZweiPlanetenRahmen& r) const
{
    const int bis = std::min(r.zeilengrenze, schrittzahl_ + 1);
    for (int k = 0; k < bis; ++k) {
        zeileSchritt(daten, k);
        if ((k + 1) % 30 == 0 && r.pumpen && !r.pumpen())
            return false;
    }
    return true;
}

std::string ZweiPlaneten::titel(sprache::Sprache s) const
{
    const int a = e_.planet1, b = e_.planet2, c = e_.zentrum;
    const bool paar = c == a || c == b;
    std::string t = "+++++  ";
    t += c == a ? sprache::koerperName(0, s) : sprache::koerperName(a, s);
    t += T("zweipl.titel.und", s);
    t += c == b ? sprache::koerperName(0, s) : sprache::koerperName(b, s);
    const bool oppo = sternmodus_ == 2 || sternmodus_ == 4;
    if (mitSternen()) {
        if (paar) {
            t += T("zweipl.titel.bei", s);
            t += std::string(astro::KoerperKurzname(a)) + "/" + std::string(astro::KoerperKurzname(b));
            t += T(oppo ? "zweipl.titel.oppo" : "zweipl.titel.konj", s);
        } else {
            t += T(oppo ? "zweipl.titel.oppositionen" : "zweipl.titel.konjunktionen", s);
        }
    }
    t += T("zweipl.titel.zentrum", s);
    t += sprache::koerperName(c, s);
    t += "  +++++";
    return t;
}

astro::Kopfangaben ZweiPlaneten::kopfangaben(sprache::Sprache s) const
{
    astro::Kopfangaben k;
    k.hoheGenauigkeit = lauf_.hoheGenauigkeit;
    k.praezession = lauf_.mitPraezession;
    k.konjunktionen = mitSternen();
    k.drehungDerFiguren = lauf_.drehung;
    k.namenszeile = true;
    const bool paar = e_.zentrum == e_.planet1 || e_.zentrum == e_.planet2;
    k.koerper = {e_.zentrum == e_.planet1 ? e_.planet2 : e_.planet1, paar ? 0 : e_.planet2};
    k.zentrum = paar ? 0 : e_.zentrum;
    k.titelzeile = titel(s);
    return k;
}

// --- The frame ---------------------------------------------------------------

astro::Status ZweiPlaneten::schritt(ZweiPlanetenZaehler& c, Zeichenflaeche* z, Ansicht& ansicht,
                                    const Einstellungssatz& s, const ZweiPlanetenRahmen& r, astro::Datenausgabe* daten)
{
    c.schritt = std::max(c.schritt, 0);
    c.rueckschritte = 0;
    c.ereignisNeu = false;
    const bool zeilen = daten && !r.pause && !r.fertig && !lauf_.drehung;

    // Events passed, with their rows: conjunctions first, then oppositions.
    const auto passieren = [&](Ereignisspeicher& sp, bool konjunktion, int& zaehler, bool mitZeilen) {
        Ereignislage lage;
        lage.aktuellerTag = t0_ + c.schritt * e_.schrittweite;
        lage.pause = r.pause;
        lage.fertig = r.fertig;
        lage.drehung = lauf_.drehung;
        lage.figurenAnzahl = lauf_.figurenAnzahl;
        lage.konstellationszahl = sp.gefunden;
        lage.zeilengrenze = r.zeilengrenze;
        const auto zeile = [&](int nummer, int index) { zeileEreignis(*daten, sp, nummer, index); };
        const auto weiter = [&] { nachruecken(sp, konjunktion); };
        EreignissePassieren(lage, sp.tage, zaehler, Ereigniszaehlung::EinesJeSchritt,
                            mitZeilen && daten ? Ereigniszeile(zeile) : Ereigniszeile{}, Figurnachruecken(weiter));
        c.ereignisNeu = c.ereignisNeu || lage.ereignisNeu;
    };
    const bool oppoZeilen = sternmodus_ == 2 || sternmodus_ == 4;
    if (lauf_.sofort) {
        c.konjIndex = konj_.gefunden;
        c.oppoIndex = oppo_.gefunden;
        if (zeilen && mitSternen()) {
            const Ereignisspeicher& sp = oppoZeilen ? oppo_ : konj_;
            const int bis = std::min(sp.gefunden, r.zeilengrenze);
            for (int i = 0; i < bis; ++i) {
                zeileEreignis(*daten, sp, i, i);
                if ((i + 1) % 30 == 0 && r.pumpen && !r.pumpen())
                    return astro::Status::Fehlschlag(astro::Fehler::Abgebrochen);
            }
        }
    } else {
        if (e_.konjunktionsstern)
            passieren(konj_, true, c.konjIndex, !oppoZeilen);
        if (e_.oppositionsstern)
            passieren(oppo_, false, c.oppoIndex, oppoZeilen);
    }

    // Rows of the steps: link lines without stars.
    if (zeilen && e_.raumgeraden && !mitSternen()) {
        if (lauf_.sofort) {
            if (!alleSchrittzeilen(*daten, r))
                return astro::Status::Fehlschlag(astro::Fehler::Abgebrochen);
        } else if (c.schritt <= schrittzahl_ && c.schritt < r.zeilengrenze) {
            zeileSchritt(*daten, c.schritt);
        }
    }

    const bool ohne = ohnePlaneten(c, r);
    if (ohne && !lauf_.sofort)
        nachjustieren(c);
    if (!z)
        return astro::Status::Ok();

    const int n = std::min(c.schritt, schrittzahl_);
    const bool spuren = spurenSichtbar(c);
    const bool sternFest = !lauf_.drehung;
    const int nK = e_.konjunktionsstern ? sternAnzahl(konj_, c.konjIndex) : 0;
    const int nO = e_.oppositionsstern ? sternAnzahl(oppo_, c.oppoIndex) : 0;

    // Projection of the steps: all again after a view change, else only
    // the new ones.
    const Blick b = blickVon(ansicht);
    const bool neu = r.alleNeuProjizieren || ansicht.NeuZeichnen || !(b == blick_) || projiziert_ < 0;
    if (neu)
        projiziert_ = -1;
    projizierenBis(ansicht, n);

    const auto hintergrund = [&] {
        if (r.hintergrundFuellen)
            z->fuellen(s.IntFarbeHintergrund);
        if (r.sterne >= 0)
            DXHintergrund(*z, r.sterne);
    };
    const bool cache = cacheErlaubt_ && z->zwischenspeicherMoeglich();
    if (cache) {
        const bool aufbauen = neu || !cacheGueltig_ || n < cacheBis_ || spuren != cacheSpuren_ ||
                              sternFest != cacheSternFest_ ||
                              (sternFest && (nK < cacheSterneK_ || nO < cacheSterneO_));
        if (aufbauen) {
            hintergrund();
            z->zwischenspeicherNeu();
            wachsendeEbenen(*z, ansicht, s, r, 0, n, 0, sternFest ? nK : 0, 0, sternFest ? nO : 0, spuren);
            ++neuaufbauten_;
        } else {
            z->zwischenspeicherFortsetzen();
            wachsendeEbenen(*z, ansicht, s, r, cacheBis_ + 1, n, cacheSterneK_, sternFest ? nK : 0, cacheSterneO_,
                            sternFest ? nO : 0, spuren);
        }
        z->zwischenspeicherZeigen();
        cacheGueltig_ = true;
        cacheBis_ = n;
        cacheSpuren_ = spuren;
        cacheSternFest_ = sternFest;
        cacheSterneK_ = sternFest ? nK : 0;
        cacheSterneO_ = sternFest ? nO : 0;
    } else {
        hintergrund();
        wachsendeEbenen(*z, ansicht, s, r, 0, n, 0, sternFest ? nK : 0, 0, sternFest ? nO : 0, spuren);
    }
    // Kept stars change as the pattern drifts: drawn in every frame.
    if (!sternFest) {
        if (nK > 0)
            sternZeichnen(*z, ansicht, s, konj_, true, 0, nK, 0);
        if (nO > 0)
            sternZeichnen(*z, ansicht, s, oppo_, false, 0, nO, 0);
    }

    // Guide line and planets at the current step.
    bool planeten = !ohne && !lauf_.sofort && n < lauf_.schrittgrenze && c.schritt <= schrittzahl_;
    if (r.nurZuBeginn && synodisch_ > 0)
        planeten = planeten && c.schritt <= std::round((r.nurBisIndex + 1) * synodisch_ / e_.schrittweite);
    if (planeten && e_.fuehrungslinie) {
        z->stift(s.IntFarbeFuehrungslinie, s.IntLiniendicke);
        z->bewegeZu(px1_[I(n)].x, px1_[I(n)].y);
        z->linieZu(px2_[I(n)].x, px2_[I(n)].y);
    }
    liste_.leeren();
    if (planeten) {
        const bool paar = e_.zentrum == e_.planet1 || e_.zentrum == e_.planet2;
        const int code1 = e_.zentrum == e_.planet1 ? e_.planet2 : e_.planet1;
        const int code2 = paar ? 0 : e_.planet2;
        const auto schluessel = [&](const Raumpunkt& p) {
            if (e_.schleifen)
                return p.Z;
            ansicht.PerspektivKoordinaten(p.X, p.Y, p.Z);
            return ansicht.Tiefe;
        };
        if (e_.planet1Zeichnen)
            liste_.hinzufuegen(code1, px1_[I(n)].x, px1_[I(n)].y, schluessel(p1_[I(n)]));
        if (e_.planet2Zeichnen)
            liste_.hinzufuegen(code2, px2_[I(n)].x, px2_[I(n)].y, schluessel(p2_[I(n)]));
        if (r.sonneZentrum && e_.zentrum == 0)
            liste_.hinzufuegen(0, ansicht.MitteX, ansicht.MitteY, e_.schleifen ? 1e9 : 0.0);
        ArraySortieren(liste_, liste_.anzahl, e_.schleifen);
        for (int i = 0; i < liste_.anzahl; ++i) {
            const auto& eintrag = liste_[i];
            const int code = eintrag.koerper;
            const int radius = code == 0 ? s.IntASonne : code > 9 ? s.IntA - 1 : s.IntA;
            PlanetZeichnen(*z, eintrag.x, eintrag.y, std::max(radius, 1), s.IntFarbeLiniePlaneten,
                           KoerperFarbe(s, code), s.IntRanddicke);
        }
    }

    // The tail: centre mark, scale, zodiac, legend. The loops have no
    // distances: their scale is the one of the latitude.
    Rahmenschalter schluss;
    schluss.sonneImZentrum = lauf_.sofort && r.sonneZentrum && e_.zentrum == 0;
    schluss.zentrumMarkieren = r.zentrumMarkieren;
    schluss.massstab = r.massstab && !e_.schleifen;
    schluss.breitenTeiler = r.massstab && e_.schleifen ? breitenTeiler_ : 0.0;
    schluss.tierkreis = r.tierkreis;
    schluss.lage = {t0_ + c.schritt * e_.schrittweite, lauf_.mitPraezession, false};
    schluss.legende = r.legende;
    Massstabsart art;
    art.astronomischeEinheiten = r.astronomischeEinheiten;
    RahmenSchluss(*z, ansicht, s, schluss, r.legende ? legende(c, s, ohne) : Legendendaten{}, art, &liste_);
    ansicht.NeuZeichnen = false;
    return astro::Status::Ok();
}

ZweiPlaneten::Blick ZweiPlaneten::blickVon(const Ansicht& a)
{
    return {a.Zoom, a.Massstab, a.Hoehenfaktor, a.WinkelX, a.WinkelY, a.WinkelZ, a.MitteX, a.MitteY, a.Breite, a.Hoehe};
}

void ZweiPlaneten::projizierenBis(Ansicht& a, int n)
{
    if (projiziert_ < 0)
        blick_ = blickVon(a);
    const bool mitMitte = !pxm_.empty();
    for (int k = projiziert_ + 1; k <= n; ++k) {
        const size_t j = I(k);
        a.PerspektivKoordinaten(p1_[j].X, p1_[j].Y, p1_[j].Z);
        px1_[j] = {a.BildX, a.BildY};
        a.PerspektivKoordinaten(p2_[j].X, p2_[j].Y, p2_[j].Z);
        px2_[j] = {a.BildX, a.BildY};
        if (mitMitte) {
            a.PerspektivKoordinaten(mitte_[j].X, mitte_[j].Y, mitte_[j].Z);
            pxm_[j] = {a.BildX, a.BildY};
        }
        projiziert_ = k;
    }
}

void ZweiPlaneten::wachsendeEbenen(Zeichenflaeche& z, Ansicht& ansicht, const Einstellungssatz& s,
                                   const ZweiPlanetenRahmen& r, int von, int bis, int sterneKVon, int sterneK,
                                   int sterneOVon, int sterneO, bool spuren)
{
    // Link lines.
    if (e_.raumgeraden && !lauf_.drehung && von <= bis) {
        z.ebene(EbeneRaumgeraden);
        z.stift(s.IntFarbeRG, s.IntLiniendicke);
        linien_.clear();
        for (int k = von; k <= bis; ++k) {
            linien_.push_back(px1_[I(k)]);
            linien_.push_back(px2_[I(k)]);
        }
        z.linien(linien_);
    }
    // Traces from step 1 on, segment by segment.
    const bool paar = e_.zentrum == e_.planet1 || e_.zentrum == e_.planet2;
    const auto spur = [&](const std::vector<Punkt>& px, Farbe farbe, int ebene) {
        const int a = std::max(von, 1);
        if (a > bis)
            return;
        z.ebene(ebene);
        z.stift(farbe, s.IntBahndicke);
        linien_.clear();
        for (int k = a; k <= bis; ++k) {
            linien_.push_back(px[I(k - 1)]);
            linien_.push_back(px[I(k)]);
        }
        z.linien(linien_);
    };
    if (spuren) {
        if (e_.bahn1)
            spur(px1_, s.IntFarbeBahnen, EbeneSpur1);
        const bool zweite = paar ? e_.sonnenbahn : e_.bahn2;
        if (zweite) {
            const Farbe f = paar                                ? s.IntFarbeSonnenbahn
                            : (e_.zentrum != 0 || e_.grobeBahn) ? s.IntFarbeBahn2
                                                                : s.IntFarbeBahnen;
            spur(px2_, f, EbeneSpur2);
        }
    }
    // Mid-points or centres of gravity of the link lines.
    if (!pxm_.empty() && !lauf_.drehung && von <= bis) {
        Kettenstil k;
        k.linie = s.IntFarbeLinienzug;
        k.rand = s.IntFarbeMittelpunkteRG;
        k.fuellung = s.IntFarbeFuellungMittelp;
        k.liniendicke = s.IntLiniendicke;
        k.randdicke = s.IntRanddicke;
        k.radius = s.IntA2;
        k.linien = r.mittelpunktmodus != Mittelpunktmodus::Punkte;
        k.scheiben = r.mittelpunktmodus != Mittelpunktmodus::Linienzug;
        KetteZeichnen(z, pxm_, von, bis + 1, k, EbeneLinienzug, linien_);
    }
    // The stars that only grow.
    if (sterneK > sterneKVon)
        sternZeichnen(z, ansicht, s, konj_, true, sterneKVon, sterneK, EbeneKonjLinien);
    if (sterneO > sterneOVon)
        sternZeichnen(z, ansicht, s, oppo_, false, sterneOVon, sterneO, EbeneOppoLinien);
}

void ZweiPlaneten::sternZeichnen(Zeichenflaeche& z, Ansicht& a, const Einstellungssatz& s, const Ereignisspeicher& sp,
                                 bool konjunktion, int von, int bis, int ebeneLinien)
{
    // The corner of the star: in the orbit of planet 1 when a planet of the
    // pair is the centre or "in Bahn 1" is chosen, else in that of planet 2.
    const bool paar = e_.zentrum == e_.planet1 || e_.zentrum == e_.planet2;
    const std::vector<Raumpunkt>& orte = (paar || e_.sternBahn == 0) ? sp.ort1 : sp.ort2;
    bis = std::min(bis, static_cast<int>(orte.size()));
    ecken_.clear();
    for (int i = 0; i < bis; ++i) {
        a.PerspektivKoordinaten(orte[I(i)].X, orte[I(i)].Y, orte[I(i)].Z);
        ecken_.push_back({a.BildX, a.BildY});
    }
    Kettenstil k;
    k.linie = k.rand = konjunktion ? s.IntFarbeLinienKonj : s.IntFarbeLinienOppo;
    k.fuellung = konjunktion ? s.IntFarbeFuellungKonj : s.IntFarbeFuellungOppo;
    k.liniendicke = s.IntLiniendicke;
    k.randdicke = s.IntRanddicke;
    k.radius = s.IntA2;
    KetteZeichnen(z, ecken_, von, bis, k, ebeneLinien, linien_);
}

Legendendaten ZweiPlaneten::legende(const ZweiPlanetenZaehler& c, const Einstellungssatz& s, bool ohne) const
{
    Legendendaten l;
    l.darstellung = LegendeZweiPlaneten;
    const int nK = std::max(c.konjIndex, c.oppoIndex);
    if (lauf_.drehung && nK > lauf_.figurenAnzahl)
        l.nurLetzte = lauf_.figurenAnzahl;
    const bool oppo = sternmodus_ == 2 || sternmodus_ == 4;
    if (mitSternen()) {
        l.ereignisart = oppo ? Legendendaten::Ereignis::Oppositionen : Legendendaten::Ereignis::Konjunktionen;
        l.ereignisAnzahl = oppo ? c.oppoIndex : c.konjIndex;
    }
    if (synodisch_ > 0)
        l.periode = synodisch_;
    l.schrittweite = e_.schrittweite;
    l.schritt = c.schritt;
    l.vergangeneTage = c.schritt * e_.schrittweite;
    l.mitPraezession = lauf_.mitPraezession;
    const bool paar = e_.zentrum == e_.planet1 || e_.zentrum == e_.planet2;
    l.koerper.push_back({e_.planet1, e_.zentrum == e_.planet1});
    l.koerper.push_back({e_.planet2, e_.zentrum == e_.planet2});
    if (!paar && e_.zentrum != 0)
        l.koerper.push_back({e_.zentrum, true});
    l.sonneImZentrum = e_.zentrum == 0;
    l.ohnePlaneten = ohne;
    const std::string paarText =
        std::string(astro::KoerperKurzname(e_.planet1)) + "-" + std::string(astro::KoerperKurzname(e_.planet2));
    using M = Legendenzeile::Muster;
    if (e_.schleifen)
        l.elemente.push_back({T("zweipl.legende.schleifen"), "", M::Linie, s.IntFarbeBahnen, 0, 3, s.IntBahndicke});
    if (e_.bahn1 || e_.bahn2 || e_.sonnenbahn)
        l.elemente.push_back({T("zweipl.legende.spuren"), "", M::Linie, s.IntFarbeBahnen, 0, 3, s.IntBahndicke});
    if (e_.oppositionsstern)
        l.elemente.push_back({T("zweipl.legende.oppostern") + " " + paarText, "", M::Stern, s.IntFarbeLinienOppo,
                              s.IntFarbeFuellungOppo, 3, s.IntLiniendicke});
    if (e_.konjunktionsstern)
        l.elemente.push_back({T("zweipl.legende.konjstern") + " " + paarText, "", M::Stern, s.IntFarbeLinienKonj,
                              s.IntFarbeFuellungKonj, 3, s.IntLiniendicke});
    if (e_.raumgeraden)
        l.elemente.push_back({T("zweipl.legende.raumgeraden") + paarText, "", M::Linie, s.IntFarbeRG, 0, 3,
                              s.IntLiniendicke});
    if (e_.mittelpunkte == 0 || e_.mittelpunkte == 1)
        l.elemente.push_back({T(e_.mittelpunkte == 0 ? "zweipl.legende.mittelpunkte" : "zweipl.legende.schwerpunkte") +
                                  T("zweipl.legende.raumgeraden"),
                              "", M::Scheibe, s.IntFarbeMittelpunkteRG, s.IntFarbeFuellungMittelp, s.IntA2,
                              s.IntRanddicke});
    return l;
}

} // namespace figures
