#include "astro/Konjunktion.h"

#include "astro/Gueltigkeit.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace astro {

namespace {

constexpr double GradProRad = 180.0 / 3.14159265358979323846;

// Upper bounds of the eccentricities over the program's time span (the
// osculating values wander): they bound a body's fastest angular speed.
constexpr std::array<double, AnzahlKoerper> HoechsteExzentrizitaet = {
    0.07, // (the Moon's slot, unused)
    0.24, 0.04, 0.07, 0.14, 0.08, 0.09, 0.08, 0.04, 0.30, // Mercury .. Pluto
    0.14, 0.28, 0.14, 0.30, 0.43, 0.10, 0.08, 0.28, 0.24, 0.22, 0.48, 0.88,
};

// The fastest heliocentric angular speed of a body, degrees a day: at
// perihelion n (1 + e)² / (1 - e²)^(3/2).
double HoechsteWinkelgeschwindigkeit(KoerperNr k)
{
    const double e = HoechsteExzentrizitaet[static_cast<size_t>(k)];
    const double n = 360.0 / SiderischePeriodeTage[static_cast<size_t>(k)];
    return n * (1 + e) * (1 + e) / std::pow(1 - e * e, 1.5);
}

// The slowest heliocentric angular speed of a body (at aphelion).
double KleinsteWinkelgeschwindigkeit(KoerperNr k)
{
    const double e = HoechsteExzentrizitaet[static_cast<size_t>(k)];
    const double n = 360.0 / SiderischePeriodeTage[static_cast<size_t>(k)];
    return n * (1 - e) * (1 - e) / std::pow(1 - e * e, 1.5);
}

// What both searches share: the faster and the slower body, the window, the
// walk's coarse step and the tolerance.
struct Paar {
    KoerperNr f, g;
    bool getauscht;     // f is the caller's second body
    double fenster;     // W, degrees
    double grobschritt; // s, days
    double toleranz;    // degrees
    double spanne;      // days: how far from its start day a search may go
};

// The synodic period of the two bodies by their sidereal periods, days.
double SynodischePeriode(KoerperNr a, KoerperNr b)
{
    const double pa = SiderischePeriodeTage[static_cast<size_t>(a)];
    const double pb = SiderischePeriodeTage[static_cast<size_t>(b)];
    return std::fabs(pa * pb / (pb - pa));
}

Paar PaarVon(KoerperNr a, KoerperNr b, const Konjunktionssuche& s)
{
    Paar p{};
    p.getauscht = SiderischePeriodeTage[static_cast<size_t>(b)] < SiderischePeriodeTage[static_cast<size_t>(a)];
    p.f = p.getauscht ? b : a;
    p.g = p.getauscht ? a : b;
    p.toleranz = s.hoheGenauigkeit ? 0.0001 : 0.001;
    p.fenster = (a == koerper::Chiron || b == koerper::Chiron) ? 150.0 : p.f == koerper::Uranus ? 90.0 : 60.0;
    double schritt = 1;
    if (p.f >= 5)
        schritt = 60;
    if (p.f >= 7)
        schritt = 200;
    if (p.f >= 10 && p.f <= 14)
        schritt = 20;
    if (p.f == koerper::Chiron)
        schritt = 60;
    p.grobschritt = schritt;
    // Within one synodic period the difference passes every value once;
    // four allow for pairs whose difference turns back for a while
    // (Neptune-Pluto) and for mean motions that differ from the nominal
    // periods (minor planets of similar periods). A search that goes further
    // finds positions that do not behave (an element table far beyond its
    // epochs): it ends there, as at the validity limit, instead of walking on.
    p.spanne = 4 * SynodischePeriode(p.f, p.g) + 4 * schritt;
    return p;
}

struct Stand {
    Tageszahl t = 0;
    double d = 0;
    PositionXYZ pf, pg;
};

// One evaluation: both positions and the difference.
class Auswerter {
public:
    Auswerter(const Paar& p, const Konjunktionssuche& s, const Heliozentrisch& pos, long* zaehler)
        : p_(p), s_(s), pos_(pos), zaehler_(zaehler)
    {
    }
    // Outside the validity range: the message of the limit in force.
    Status ausserhalb() const
    {
        return Status::Fehlschlag(Fehler::AusserhalbGueltigkeit, std::string(GrenzmeldungFuer(s_.grenze)));
    }
    // Whether a day lies further from the search's start than the pair's span.
    bool zuWeit(Tageszahl t, Tageszahl start) const { return !(std::fabs(t - start) <= p_.spanne); }
    Status stand(Tageszahl t, Stand& st)
    {
        if (!InnerhalbGrenze(t, s_.grenze))
            return ausserhalb();
        if (s_.abbruch && s_.abbruch())
            return Status::Fehlschlag(Fehler::Abgebrochen);
        const auto pf = pos_(p_.f, t);
        if (!pf)
            return pf.status();
        const auto pg = pos_(p_.g, t);
        if (!pg)
            return pg.status();
        if (zaehler_)
            ++*zaehler_;
        st.t = t;
        st.pf = *pf;
        st.pg = *pg;
        st.d = Laengendifferenz(st.pf, st.pg, s_.opposition);
        return Status::Ok();
    }
    Konjunktionsereignis ereignis(const Stand& st) const
    {
        Konjunktionsereignis e;
        e.tag = st.t;
        e.p1 = p_.getauscht ? st.pg : st.pf;
        e.p2 = p_.getauscht ? st.pf : st.pg;
        e.differenz = st.d;
        return e;
    }

private:
    const Paar& p_;
    const Konjunktionssuche& s_;
    const Heliozentrisch& pos_;
    long* zaehler_;
};

} // namespace

double Laengendifferenz(const PositionXYZ& schneller, const PositionXYZ& langsamer, bool opposition)
{
    const double lf = std::atan2(schneller.Y, schneller.X) * GradProRad;
    const double lg = std::atan2(langsamer.Y, langsamer.X) * GradProRad;
    return Winkel180(lf - lg + (opposition ? 180.0 : 0.0));
}

Ergebnis<Konjunktionsereignis> KonjunktionSchrittweise(KoerperNr a, KoerperNr b, Tageszahl t,
                                                       const Konjunktionssuche& s, const Heliozentrisch& position,
                                                       long* auswertungen)
{
    if (!IstKoerper(a) || !IstKoerper(b) || a == b || a == 0 || b == 0)
        return Status::Fehlschlag(Fehler::UngueltigeEingabe, {}, "two different bodies 1..21");
    const Paar p = PaarVon(a, b, s);
    Auswerter aus(p, s, position, auswertungen);
    Stand st;
    if (Status x = aus.stand(t, st); !x)
        return x;
    double schritt = p.grobschritt;
    while (std::fabs(st.d) > p.fenster) {
        if (aus.zuWeit(st.t + schritt, t))
            return aus.ausserhalb();
        if (Status x = aus.stand(st.t + schritt, st); !x)
            return x;
    }
    double L = 1;
    bool ersterGang = true;
    while (std::fabs(st.d) >= p.toleranz) {
        L *= 2;
        schritt /= L;
        if (st.t + schritt == st.t)
            break; // the steps no longer move the day
        // Backwards from a positive difference, forwards from a negative
        // one, until the sign changes. A jump from +180 to -180 (or back)
        // is no change: the event is a zero of the difference.
        const double richtung = st.d >= 0 ? -1.0 : 1.0;
        // After the first change of sign the crossing lies within the last
        // step: L steps of the new width reach back over it. A walk that
        // needs more meets no crossing where the last one was (positions
        // that jump about): it ends rather than creeping on in tiny steps.
        const long hoechstens = ersterGang ? -1 : static_cast<long>(L) + 2;
        for (long n = 0;; ++n) {
            if ((hoechstens >= 0 && n >= hoechstens) || aus.zuWeit(st.t + richtung * schritt, t))
                return aus.ausserhalb();
            const double vorher = st.d;
            if (Status x = aus.stand(st.t + richtung * schritt, st); !x)
                return x;
            const bool gewechselt = (vorher > 0 && st.d <= 0) || (vorher < 0 && st.d >= 0) || vorher == 0;
            if (gewechselt && std::fabs(st.d - vorher) < 180.0)
                break;
        }
        ersterGang = false;
    }
    return aus.ereignis(st);
}

Ergebnis<Konjunktionsereignis> KonjunktionSuchen(KoerperNr a, KoerperNr b, Tageszahl t, const Konjunktionssuche& s,
                                                 const Heliozentrisch& position, long* auswertungen)
{
    if (!IstKoerper(a) || !IstKoerper(b) || a == b || a == 0 || b == 0)
        return Status::Fehlschlag(Fehler::UngueltigeEingabe, {}, "two different bodies 1..21");
    const Paar p = PaarVon(a, b, s);
    // Only where the faster body is always faster does the difference
    // grow without ever turning back: one crossing per pass of the window.
    // Other pairs (Neptune-Pluto, minor planets of similar periods) take
    // the walk of steps.
    if (KleinsteWinkelgeschwindigkeit(p.f) <= HoechsteWinkelgeschwindigkeit(p.g))
        return KonjunktionSchrittweise(a, b, t, s, position, auswertungen);
    Auswerter aus(p, s, position, auswertungen);
    // The difference changes by at most omega degrees a day.
    const double omega = HoechsteWinkelgeschwindigkeit(p.f) + HoechsteWinkelgeschwindigkeit(p.g);
    Stand st;
    if (Status x = aus.stand(t, st); !x)
        return x;

    // Coarse: as far as the window cannot be reached, at least the walk's
    // own step, so that the same pass of the window is entered.
    while (std::fabs(st.d) > p.fenster) {
        const double weit = (std::fabs(st.d) - p.fenster) / omega;
        const double naechster = st.t + std::max(weit, p.grobschritt);
        if (aus.zuWeit(naechster, t))
            return aus.ausserhalb();
        if (Status x = aus.stand(naechster, st); !x)
            return x;
    }
    if (std::fabs(st.d) < p.toleranz)
        return aus.ereignis(st);

    // Bracket the crossing on the side the walk goes first (backwards from
    // a positive difference). No step can pass a crossing: within
    // |d| / omega days the difference cannot reach zero; a step guessed from
    // the local rate is taken when it is safe by the same bound from its end.
    const double richtung = st.d >= 0 ? -1.0 : 1.0;
    Stand vorher = st;
    Stand jetzt = st;
    double rate = 0; // degrees a day towards zero, from the last two points
    for (int k = 0; k < 400; ++k) {
        const double sicher = std::fabs(jetzt.d) / omega;
        double schritt = sicher;
        if (rate > 0) {
            // A guess past the crossing from the local rate (at most ten safe
            // steps); it must not jump a pair of crossings: checked below.
            schritt = std::clamp(1.25 * std::fabs(jetzt.d) / rate, sicher, 10 * sicher);
        }
        schritt = std::max(schritt, 1e-7);
        Stand neu;
        if (Status x = aus.stand(jetzt.t + richtung * schritt, neu); !x) {
            // A guess beyond the table: go on in safe steps.
            if (schritt > sicher && x.fehler == Fehler::AusserhalbGueltigkeit) {
                rate = 0;
                continue;
            }
            return x;
        }

        const bool gewechselt = (neu.d >= 0) != (jetzt.d >= 0) || neu.d == 0;
        // A sign change within less than half a turn of the difference is a
        // crossing (a jump from +180 to -180 is not).
        if (gewechselt && std::fabs(neu.d - jetzt.d) < 180.0) {
            vorher = jetzt;
            jetzt = neu;
            break;
        }
        if (schritt > sicher + std::fabs(neu.d) / omega) {
            // The guess went further than the bounds from both ends cover (or
            // round the half turn): a pair of crossings could lie between; go
            // on from the safe point without a guess instead.
            rate = 0;
            continue;
        }
        const double fortschritt = std::fabs(jetzt.d) - std::fabs(neu.d);
        rate = fortschritt > 0 ? fortschritt / schritt : 0;
        vorher = jetzt;
        jetzt = neu;
        if (std::fabs(jetzt.d) < p.toleranz)
            return aus.ereignis(jetzt);
    }
    if ((vorher.d >= 0) == (jetzt.d >= 0) && jetzt.d != 0)
        return KonjunktionSchrittweise(a, b, t, s, position, auswertungen); // no crossing bracketed

    // Close the bracket [vorher, jetzt] (Illinois regula falsi): u and o
    // hold opposite signs; the weight of an end kept twice is halved.
    Stand u = vorher, o = jetzt;
    double fu = u.d, fo = o.d;
    int seite = 0;
    for (int k = 0; k < 100; ++k) {
        if (std::fabs(o.d) < p.toleranz)
            return aus.ereignis(o);
        if (std::fabs(u.d) < p.toleranz)
            return aus.ereignis(u);
        double tc = (u.t * fo - o.t * fu) / (fo - fu);
        if (!std::isfinite(tc) || tc <= std::min(u.t, o.t) || tc >= std::max(u.t, o.t))
            tc = 0.5 * (u.t + o.t);
        Stand c;
        if (Status x = aus.stand(tc, c); !x)
            return x;
        if ((c.d >= 0) == (o.d >= 0)) {
            o = c;
            fo = c.d;
            if (seite == -1)
                fu *= 0.5;
            seite = -1;
        } else {
            u = c;
            fu = c.d;
            if (seite == 1)
                fo *= 0.5;
            seite = 1;
        }
        if (std::fabs(o.t - u.t) < 1e-9)
            break;
    }
    const Stand& besser = std::fabs(o.d) < std::fabs(u.d) ? o : u;
    if (std::fabs(besser.d) < p.toleranz)
        return aus.ereignis(besser);
    return KonjunktionSchrittweise(a, b, t, s, position, auswertungen);
}

} // namespace astro
