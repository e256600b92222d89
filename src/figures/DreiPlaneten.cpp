#include "figures/DreiPlaneten.h"

#include "astro/Koerper.h"
#include "astro/Konjunktion.h"
#include "sprache/Koerpernamen.h"
#include "sprache/Sprache.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace figures {

using sprache::T;

namespace {

// Layers of the cache, lowest first.
enum Ebene : int {
    EbeneRaumgeraden = 1,
    EbeneLinienzug,     // mid-points: polyline, then discs
    EbeneAussenLinien = EbeneLinienzug + 2,
    EbeneNichtLinien = EbeneAussenLinien + 2,
    EbeneBahnen = EbeneNichtLinien + 2,
};

Raumpunkt Minus(const Raumpunkt& a, const Raumpunkt& b) { return {a.X - b.X, a.Y - b.Y, a.Z - b.Z}; }

std::string Kurz(int b) { return std::string(astro::KoerperKurzname(b)); }

} // namespace

bool DreiPlanetenKoerper(const DreiPlanetenEingabe& e, std::array<int, 3>& planeten)
{
    int n = 0;
    const int bis = e.kleinplaneten ? 21 : 9;
    for (int b = 1; b <= bis && n < 3; ++b)
        if (e.koerper[static_cast<size_t>(b)])
            planeten[static_cast<size_t>(n++)] = b;
    return n == 3;
}

int DreiPlaneten::koerperDerZeile(int zeile) const { return p_[I(zeilenPlanet_[I(zeile - 1)])]; }

astro::Status DreiPlaneten::vorbereiten(const DreiPlanetenEingabe& e, const DreiPlanetenlauf& lauf, Ansicht& ansicht,
                                        Positionsfunktion position, Positionsfunktion bahnErsatz)
{
    e_ = e;
    lauf_ = lauf;
    position_ = std::move(position);
    bahnErsatz_ = std::move(bahnErsatz);
    struct Aufraeumen {
        DreiPlanetenlauf& l;
        ~Aufraeumen()
        {
            l.abbruch = nullptr;
            l.fortschritt = nullptr;
        }
    } aufraeumen{lauf_};

    korrigiert_ = !DreiPlanetenKoerper(e_, p_);
    if (korrigiert_) {
        // Fewer than three bodies: Venus, Earth and Mars from day 0.
        p_ = {2, 3, 4};
        e_.koerper.fill(false);
        e_.koerper[2] = e_.koerper[3] = e_.koerper[4] = true;
        e_.starttag = 0;
    }
    if (!std::isfinite(e_.starttag))
        return astro::Status::Fehlschlag(astro::Fehler::UngueltigeEingabe, {}, "start");
    e_.zentrum = std::clamp(e_.zentrum, 0, 3);
    e_.konjunktionspaar = std::clamp(e_.konjunktionspaar, 0, 2);
    e_.raumgeradenpaar = std::clamp(e_.raumgeradenpaar, 0, 2);
    e_.jedeKte = std::clamp(e_.jedeKte, 1, 25);
    t0_ = e_.starttag;

    static constexpr int Paare[3][2] = {{0, 1}, {0, 2}, {1, 2}};
    konjA_ = Paare[e_.konjunktionspaar][0];
    konjB_ = Paare[e_.konjunktionspaar][1];
    const int dritter = 3 - konjA_ - konjB_;
    // The link-line pair: the two planets beside the centre planet, else the
    // choice of the dialog.
    int la = Paare[e_.raumgeradenpaar][0], lb = Paare[e_.raumgeradenpaar][1];
    if (e_.zentrum > 0) {
        const int c = e_.zentrum - 1;
        la = c == 0 ? 1 : 0;
        lb = c == 2 ? 1 : 2;
    }
    zeilenPlanet_ = {la, lb, 3 - la - lb};
    const auto zeileVon = [&](int planet) {
        for (int z = 0; z < 3; ++z)
            if (zeilenPlanet_[I(z)] == planet)
                return z + 1;
        return 3;
    };
    if (e_.zentrum == 0) {
        // The outer (slower) planet of the driving pair and the one outside it.
        const bool aSchneller = SiderischePeriode(p_[I(konjA_)]) < SiderischePeriode(p_[I(konjB_)]);
        zeileAussen_ = zeileVon(aSchneller ? konjB_ : konjA_);
        zeileNicht_ = zeileVon(dritter);
    } else {
        // Seen from a planet: the inner and the outer of the two others.
        const bool laSchneller = SiderischePeriode(p_[I(la)]) < SiderischePeriode(p_[I(lb)]);
        zeileAussen_ = zeileVon(laSchneller ? la : lb);
        zeileNicht_ = zeileVon(laSchneller ? lb : la);
    }
    k_ = (e_.positionenNicht || e_.linienNicht) ? e_.jedeKte : 1;

    const double pa = SiderischePeriode(p_[I(konjA_)]), pb = SiderischePeriode(p_[I(konjB_)]);
    synodisch_ = pa == pb ? 0.0 : std::fabs(pa * pb / (pb - pa));
    if (!(synodisch_ > 0))
        return astro::Status::Fehlschlag(astro::Fehler::UngueltigeEingabe, {}, "pair");
    if (lauf_.drehung && synodisch_ < 1e-9)
        lauf_.drehung = false;

    // How many events fit the validity range.
    const double l = lauf.gueltigkeitsgrenze, ks = k_ * synodisch_;
    double m = lauf.sofort ? std::max(lauf.sofortAnzahl, 1) : lauf.konstellationsgrenze;
    verkuerzt_ = false;
    if (lauf.sofort) {
        const double b = std::ceil(2 * l / ks);
        if (b < m) {
            m = b;
            t0_ = -l;
            verkuerzt_ = true;
        } else if (b < 2 * m) {
            t0_ = std::max(-l, std::round(ks * (b - m) / 2) - l);
        } else {
            m = std::min(m, std::ceil((l - t0_) / ks));
        }
    } else {
        m = std::min(m, std::ceil((l - t0_) / ks));
    }
    m = std::clamp(m, 0.0, static_cast<double>(lauf.konstellationsgrenze));
    const int anzahl = static_cast<int>(m);
    lauf_.figurenAnzahl = std::max(1, std::min(lauf.figurenAnzahl, std::max(anzahl, 1)));
    const int plaetze = std::max(anzahl, lauf_.figurenAnzahl + 1) + 1;

    // Weights: the masses of the link-line pair for the centres of gravity.
    w1_ = w2_ = 1.0;
    if (e_.mittelpunkte == 1) {
        w1_ = astro::Massen[I(koerperDerZeile(1))];
        w2_ = astro::Massen[I(koerperDerZeile(2))];
    }

    // Step width: 0.75 / factor of the orbit step of the fastest of the three.
    int schnellster = p_[0];
    for (int b : p_)
        if (Umlaufzeiten[I(b)] < Umlaufzeiten[I(schnellster)])
            schnellster = b;
    schrittweite_ = Bahnschrittweite(schnellster, lauf.bahnpunkteFaktor);

    // Scale from the two largest orbits.
    std::array<int, 3> nachGroesse = p_;
    std::sort(nachGroesse.begin(), nachGroesse.end(), [](int a, int b) { return Ausdehnung[I(a)] < Ausdehnung[I(b)]; });
    const int zentrumKoerper = e_.zentrum > 0 ? p_[I(e_.zentrum - 1)] : 0;
    ansicht.Massstab = ansicht.MassstabAusAusdehnung(nachGroesse[1], nachGroesse[2], zentrumKoerper);
    ansicht.MassstabswertAusAusdehnung(nachGroesse[1], nachGroesse[2], zentrumKoerper);

    tage_.assign(I(plaetze), 0.0);
    for (auto& z : zeilen_)
        z.assign(I(plaetze), Raumpunkt{});
    mitte_.anlegen(plaetze);
    for (auto& px : pixel_)
        px.assign(I(plaetze), Punkt{});
    linien_.clear();
    linien_.reserve(I(2 * plaetze + 8));
    punkte_.clear();
    punkte_.reserve(I(plaetze + 1));
    projiziert_ = -1;
    cacheGueltig_ = false;
    neuaufbauten_ = 0;

    // The events: one k-th synodic period after another.
    const int zuRechnen = lauf_.drehung ? std::min(anzahl, lauf_.figurenAnzahl + 1) : anzahl;
    const auto zuweisung = [&](int i, double t) {
        if (lauf_.fortschritt && i % 10 == 0)
            lauf_.fortschritt(i);
        return zuweisen(i, t);
    };
    const auto tag = [&](int i) { return tage_[I(i)]; };
    const auto abbruch = [&] { return lauf_.abgebrochen(); };
    astro::Status fehler = astro::Status::Ok();
    gefunden_ = EreignisseVorausberechnen(zuRechnen, t0_, ks, synodisch_ / 100.0, lauf_.neustarts, zuweisung, tag,
                                          abbruch, fehler);
    if (!fehler)
        return fehler;

    bahnen_.dimensionieren(lauf.bahnpunkteFaktor);
    erneuerung_.zuruecksetzen();
    if (!e_.bahnen || e_.zentrum != 0)
        return astro::Status::Ok();
    // "Ergebnis sofort" shows the whole figure in its one frame: the orbits
    // are those at the day of its last event (bahnenBerechnen keeps the day
    // inside the validity limit), computed once here; otherwise those of the
    // start, renewed as the run goes on.
    double bahntag = t0_;
    if (lauf_.sofort) {
        bahntag = (!lauf_.drehung && gefunden_ > 0) ? tage_[I(gefunden_ - 1)] : t0_ + anzahl * ks;
    }
    return bahnenBerechnen(bahntag, ansicht);
}

astro::Status DreiPlaneten::bahnenBerechnen(double tag, Ansicht& ansicht)
{
    Bahnrechnung r;
    for (int b : p_)
        r.auswahl[I(b)] = true;
    r.tag = std::min(tag, lauf_.gueltigkeitsgrenze);
    r.referenzSedna = true;
    r.schrittweite = Bahnschrittweite(KoerperSedna, bahnen_.faktor());
    r.gueltigkeitsgrenze = lauf_.gueltigkeitsgrenze;
    r.mitPraezession = lauf_.mitPraezession;
    r.position = position_;
    r.ersatz = bahnErsatz_;
    return BahnBerechnen(bahnen_, ansicht, *std::min_element(p_.begin(), p_.end()),
                         *std::max_element(p_.begin(), p_.end()), r);
}

astro::Status DreiPlaneten::bahnenErneuern(int n, bool fertig, Ansicht& ansicht)
{
    // The immediate figure keeps the orbits of its last event.
    if (!e_.bahnen || e_.zentrum != 0 || lauf_.sofort)
        return astro::Status::Ok();
    const bool chiron = std::find(p_.begin(), p_.end(), KoerperChiron) != p_.end();
    if (!erneuerung_.faellig(n, schrittweite_, chiron, fertig))
        return astro::Status::Ok();
    return bahnenBerechnen(t0_ + n * schrittweite_, ansicht);
}

astro::Status DreiPlaneten::zuweisen(int i, double t)
{
    astro::Konjunktionssuche s;
    s.opposition = e_.opposition;
    s.hoheGenauigkeit = lauf_.hoheGenauigkeit;
    s.grenze = lauf_.gueltigkeitsgrenze;
    s.abbruch = lauf_.abbruch;
    const Positionsfunktion& pos = position_;
    const astro::Heliozentrisch helio = [&pos](astro::KoerperNr k, astro::Tageszahl tag) { return pos(k, tag); };
    const auto ev = astro::KonjunktionSuchen(p_[I(konjA_)], p_[I(konjB_)], t, s, helio);
    if (!ev)
        return ev.status();
    std::array<Raumpunkt, 3> h;
    h[I(konjA_)] = ev->p1;
    h[I(konjB_)] = ev->p2;
    const int dritter = 3 - konjA_ - konjB_;
    const auto c = position_(p_[I(dritter)], ev->tag);
    if (!c)
        return c.status();
    h[I(dritter)] = *c;
    if (e_.zentrum > 0) {
        // Seen from the centre planet: its own row points to the Sun.
        const Raumpunkt m = h[I(e_.zentrum - 1)];
        for (int j = 0; j < 3; ++j)
            h[I(j)] = j == e_.zentrum - 1 ? Raumpunkt{-m.X, -m.Y, -m.Z} : Minus(h[I(j)], m);
    }
    for (int z = 0; z < 3; ++z)
        zeilen_[I(z)][I(i)] = h[I(zeilenPlanet_[I(z)])];
    mitte_.punkte[I(i)] = Mittelpunkt(zeilen_[0][I(i)], zeilen_[1][I(i)], w1_, w2_);
    tage_[I(i)] = ev->tag;
    return astro::Status::Ok();
}

void DreiPlaneten::nachruecken()
{
    const int f = lauf_.figurenAnzahl;
    if (I(f) >= tage_.size())
        return;
    for (int i = 0; i < f; ++i) {
        tage_[I(i)] = tage_[I(i + 1)];
        for (auto& z : zeilen_)
            z[I(i)] = z[I(i + 1)];
        mitte_.punkte[I(i)] = mitte_.punkte[I(i + 1)];
    }
    (void)zuweisen(f, tage_[I(f - 1)] + k_ * synodisch_);
}

int DreiPlaneten::gezeigt(const DreiPlanetenZaehler& c) const
{
    const int n = lauf_.drehung ? std::min(c.konjIndex, lauf_.figurenAnzahl) : std::min(c.konjIndex, gefunden_);
    return std::clamp(n, 0, static_cast<int>(tage_.size()));
}

bool DreiPlaneten::ohnePlaneten(const DreiPlanetenZaehler& c, const DreiPlanetenRahmen& r) const
{
    return lauf_.sofort || (r.nurZuBeginn && c.konjIndex > r.nurBisIndex) ||
           (lauf_.drehung && c.konjIndex > lauf_.figurenAnzahl);
}

void DreiPlaneten::zeile(astro::Datenausgabe& d, int nummer, int index) const
{
    const size_t j = I(index);
    if (j >= tage_.size())
        return;
    const std::array<astro::PositionXYZ, 3> p{zeilen_[0][j], zeilen_[1][j], zeilen_[2][j]};
    d.DatenAusgabe3P(nummer + 1, p, tage_[j]);
}

std::string DreiPlaneten::titel(sprache::Sprache s) const
{
    std::string t = T(e_.opposition ? "dreipl.titel.oppositionen" : "dreipl.titel.konjunktionen", s);
    t += Kurz(p_[I(konjA_)]) + "-" + Kurz(p_[I(konjB_)]);
    t += T("zweipl.titel.zentrum", s);
    t += sprache::koerperName(e_.zentrum > 0 ? p_[I(e_.zentrum - 1)] : 0, s);
    t += "  +++++";
    return t;
}

astro::Kopfangaben DreiPlaneten::kopfangaben(sprache::Sprache s) const
{
    astro::Kopfangaben k;
    k.hoheGenauigkeit = lauf_.hoheGenauigkeit;
    k.praezession = lauf_.mitPraezession;
    k.konjunktionen = true;
    k.drehungDerFiguren = lauf_.drehung;
    k.namenszeile = true;
    for (int z = 1; z <= 3; ++z)
        k.koerper.push_back(koerperDerZeile(z));
    k.zentrum = e_.zentrum > 0 ? p_[I(e_.zentrum - 1)] : 0;
    k.titelzeile = titel(s);
    return k;
}

// --- The frame ---------------------------------------------------------------

astro::Status DreiPlaneten::schritt(DreiPlanetenZaehler& c, Zeichenflaeche* z, Ansicht& ansicht,
                                    const Einstellungssatz& s, const DreiPlanetenRahmen& r, astro::Datenausgabe* daten)
{
    c.schritt = std::max(c.schritt, 0);
    c.rueckschritte = 0;
    c.ereignisNeu = false;
    const bool zeilen = daten && !r.pause && !r.fertig && !lauf_.drehung;

    if (lauf_.sofort) {
        c.konjIndex = gefunden_;
        if (zeilen) {
            const int bis = std::min(gefunden_, r.zeilengrenze);
            for (int i = 0; i < bis; ++i) {
                zeile(*daten, i, i);
                if ((i + 1) % 30 == 0 && r.pumpen && !r.pumpen())
                    return astro::Status::Fehlschlag(astro::Fehler::Abgebrochen);
            }
        }
    } else {
        Ereignislage lage;
        lage.aktuellerTag = t0_ + c.schritt * schrittweite_;
        lage.pause = r.pause;
        lage.fertig = r.fertig;
        lage.drehung = lauf_.drehung;
        lage.figurenAnzahl = lauf_.figurenAnzahl;
        lage.konstellationszahl = gefunden_;
        lage.zeilengrenze = r.zeilengrenze;
        const auto schreiben = [&](int nummer, int index) { zeile(*daten, nummer, index); };
        const auto weiter = [&] { nachruecken(); };
        EreignissePassieren(lage, std::span<const double>(tage_.data(), tage_.size()), c.konjIndex,
                            Ereigniszaehlung::EinesJeSchritt, daten ? Ereigniszeile(schreiben) : Ereigniszeile{},
                            Figurnachruecken(weiter));
        c.ereignisNeu = lage.ereignisNeu;
    }

    const bool ohne = ohnePlaneten(c, r);
    const int e = gezeigt(c);
    if (ohne) {
        // The clock follows the events while no planet marks the time: on to
        // the day of the next event to be shown (the slot at the count shown;
        // with turning kept figures the one after them), one event a frame.
        // "Ergebnis sofort" shows all at once: the day of the last event, or
        // the validity limit when there is none.
        double d = t0_;
        bool mitZiel = true;
        if (lauf_.sofort)
            d = gefunden_ > 0 ? tage_[I(gefunden_ - 1)] : lauf_.gueltigkeitsgrenze;
        else if (const int i = lauf_.drehung ? std::min(c.konjIndex, lauf_.figurenAnzahl) : c.konjIndex;
                 i >= 0 && i < gefunden_ && I(i) < tage_.size())
            d = tage_[I(i)];
        else
            mitZiel = false;
        if (mitZiel) {
            const int s = SchrittZumTag(t0_, schrittweite_, d, c.schritt, std::numeric_limits<int>::max() - 1);
            c.rueckschritte = s - c.schritt;
            c.schritt = s;
        }
    }
    if (!z)
        return astro::Status::Ok();
    const double t = t0_ + c.schritt * schrittweite_;

    // Pixels of the events shown: all again after a view change.
    const std::array<double, 10> blick{ansicht.Zoom,   ansicht.Massstab, ansicht.Hoehenfaktor,
                                       ansicht.WinkelX, ansicht.WinkelY,  ansicht.WinkelZ,
                                       static_cast<double>(ansicht.MitteX), static_cast<double>(ansicht.MitteY),
                                       static_cast<double>(ansicht.Breite), static_cast<double>(ansicht.Hoehe)};
    const bool fest = !lauf_.drehung; // kept figures move: no cache
    const bool neu = r.alleNeuProjizieren || ansicht.NeuZeichnen || blick != blick_ || !fest;
    if (neu)
        projiziert_ = -1;
    blick_ = blick;
    const bool mitMitte = e_.mittelpunkte == 0 || e_.mittelpunkte == 1;
    for (int i = projiziert_ + 1; i < e; ++i) {
        for (int zl = 0; zl < 3; ++zl) {
            const Raumpunkt& p = zeilen_[I(zl)][I(i)];
            ansicht.PerspektivKoordinaten(p.X, p.Y, p.Z);
            pixel_[I(zl)][I(i)] = {ansicht.BildX, ansicht.BildY};
        }
        if (mitMitte) {
            const Raumpunkt& p = mitte_.punkte[I(i)];
            ansicht.PerspektivKoordinaten(p.X, p.Y, p.Z);
            mitte_.pixel[I(i)] = {ansicht.BildX, ansicht.BildY};
        }
        projiziert_ = i;
    }

    const auto hintergrund = [&] {
        if (r.hintergrundFuellen)
            z->fuellen(s.IntFarbeHintergrund);
        if (r.sterne >= 0)
            DXHintergrund(*z, r.sterne);
    };
    const bool bahnen = e_.bahnen && e_.zentrum == 0;
    if (cacheErlaubt_ && fest && z->zwischenspeicherMoeglich()) {
        const bool aufbauen = neu || !cacheGueltig_ || e < cacheBis_ || (bahnen && erneuerung_.anzahl() != cacheErneuert_);
        if (aufbauen) {
            hintergrund();
            z->zwischenspeicherNeu();
            wachsendeEbenen(*z, ansicht, s, r, 0, e, bahnen);
            ++neuaufbauten_;
        } else {
            z->zwischenspeicherFortsetzen();
            wachsendeEbenen(*z, ansicht, s, r, cacheBis_, e, false);
        }
        z->zwischenspeicherZeigen();
        cacheGueltig_ = true;
        cacheBis_ = e;
        cacheErneuert_ = erneuerung_.anzahl();
    } else {
        hintergrund();
        wachsendeEbenen(*z, ansicht, s, r, 0, e, bahnen);
    }

    // The three planets at the current day.
    liste_.leeren();
    if (!ohne) {
        std::array<Raumpunkt, 3> h;
        for (int j = 0; j < 3; ++j) {
            const auto p = position_(p_[I(j)], t);
            if (!p)
                return p.status();
            h[I(j)] = *p;
        }
        std::array<Punkt, 3> px{};
        const int zc = e_.zentrum - 1;
        for (int j = 0; j < 3; ++j) {
            Raumpunkt q = h[I(j)];
            int code = p_[I(j)];
            if (zc >= 0) {
                // Seen from the centre planet; in its place the Sun.
                q = j == zc ? Raumpunkt{-h[I(zc)].X, -h[I(zc)].Y, -h[I(zc)].Z} : Minus(h[I(j)], h[I(zc)]);
                if (j == zc)
                    code = 0;
            }
            ansicht.PerspektivKoordinaten(q.X, q.Y, q.Z);
            px[I(j)] = {ansicht.BildX, ansicht.BildY};
            liste_.hinzufuegen(code, ansicht.BildX, ansicht.BildY, ansicht.Tiefe);
        }
        if (zc >= 0 || (r.sonneZentrum && e_.zentrum == 0))
            liste_.hinzufuegen(zc >= 0 ? p_[I(zc)] : 0, ansicht.MitteX, ansicht.MitteY, 0.0);
        if (e_.dreieck && !lauf_.sofort) {
            // The triangle of the three planets (the centre planet at the centre).
            std::array<Punkt, 3> ecke = px;
            if (zc >= 0)
                ecke[I(zc)] = {ansicht.MitteX, ansicht.MitteY};
            z->stift(s.IntFarbeFuehrungslinie, s.IntLiniendicke);
            linien_.clear();
            for (int j = 0; j < 3; ++j) {
                linien_.push_back(ecke[I(j)]);
                linien_.push_back(ecke[I((j + 1) % 3)]);
            }
            z->linien(linien_);
        }
        ArraySortieren(liste_, liste_.anzahl, false);
        for (int i = 0; i < liste_.anzahl; ++i) {
            const auto& eintrag = liste_[i];
            const int code = eintrag.koerper;
            const int radius = code == 0 ? s.IntASonne : code > 9 ? s.IntA - 1 : s.IntA;
            PlanetZeichnen(*z, eintrag.x, eintrag.y, std::max(radius, 1), s.IntFarbeLiniePlaneten,
                           KoerperFarbe(s, code), s.IntRanddicke);
        }
    }

    Rahmenschalter schluss;
    schluss.sonneImZentrum = lauf_.sofort && r.sonneZentrum && e_.zentrum == 0;
    schluss.zentrumMarkieren = r.zentrumMarkieren;
    schluss.massstab = r.massstab;
    schluss.tierkreis = r.tierkreis;
    schluss.lage = {t, lauf_.mitPraezession, false};
    schluss.legende = r.legende;
    Massstabsart art;
    art.astronomischeEinheiten = r.astronomischeEinheiten;
    RahmenSchluss(*z, ansicht, s, schluss, r.legende ? legende(c, s, ohne) : Legendendaten{}, art, &liste_);
    ansicht.NeuZeichnen = false;
    return astro::Status::Ok();
}

void DreiPlaneten::wachsendeEbenen(Zeichenflaeche& z, Ansicht& a, const Einstellungssatz& s,
                                   const DreiPlanetenRahmen& r, int von, int bis, bool mitBahnen)
{
    // The layers only matter while drawing into the surface's cache.
    // Link lines from row 2 to row 1.
    const bool raumgeraden = e_.zentrum == 0 ? !e_.keineRaumgeraden : e_.raumgeradenPlanetozentrisch;
    if (raumgeraden && von < bis) {
        z.ebene(EbeneRaumgeraden);
        z.stift(s.IntFarbeRG, s.IntLiniendicke);
        linien_.clear();
        for (int i = von; i < bis; ++i) {
            linien_.push_back(pixel_[1][I(i)]);
            linien_.push_back(pixel_[0][I(i)]);
        }
        z.linien(linien_);
        if (e_.mittelpunkte == 0 || e_.mittelpunkte == 1) {
            Kettenstil k;
            k.linie = s.IntFarbeLinienzug;
            k.rand = s.IntFarbeMittelpunkteRG;
            k.fuellung = s.IntFarbeFuellungMittelp;
            k.liniendicke = s.IntLiniendicke;
            k.randdicke = s.IntRanddicke;
            k.radius = s.IntA2;
            k.linien = r.mittelpunktmodus != Mittelpunktmodus::Punkte;
            k.scheiben = r.mittelpunktmodus != Mittelpunktmodus::Linienzug;
            KetteZeichnen(z, mitte_.pixel, von, bis, k, EbeneLinienzug, linien_);
        }
    }
    // Positions and their chronological lines: the outer planet of the
    // driving pair, then the planet outside it.
    const auto kette = [&](int zeile, bool positionen, bool linien, Farbe fl, Farbe fr, Farbe fp, int nr) {
        if (!positionen && !linien)
            return;
        Kettenstil k;
        k.linie = fl;
        k.rand = fr;
        k.fuellung = fp;
        k.liniendicke = s.IntLiniendicke;
        k.randdicke = s.IntRanddicke;
        k.radius = s.IntA2;
        k.linien = linien;
        k.scheiben = positionen;
        KetteZeichnen(z, pixel_[I(zeile - 1)], von, bis, k, nr, linien_);
    };
    kette(zeileAussen_, e_.positionenAussen, e_.linienAussen, s.IntFarbeLinienP2, s.IntFarbeRandP2,
          s.IntFarbePositionenP2, EbeneAussenLinien);
    kette(zeileNicht_, e_.positionenNicht, e_.linienNicht, s.IntFarbeLinienP3, s.IntFarbeRandP3,
          s.IntFarbePositionenP3, EbeneNichtLinien);
    if (mitBahnen) {
        z.ebene(EbeneBahnen);
        Bahnzeichnung d;
        for (int b : p_)
            d.auswahl[I(b)] = true;
        d.zentrumBewegt = true;
        const int erster = *std::min_element(p_.begin(), p_.end()), letzter = *std::max_element(p_.begin(), p_.end());
        BahnZeichnen(z, bahnen_, a, s, erster, letzter, false, d);
        BahnZeichnen(z, bahnen_, a, s, erster, letzter, true, d);
    }
}

Legendendaten DreiPlaneten::legende(const DreiPlanetenZaehler& c, const Einstellungssatz& s, bool ohne) const
{
    Legendendaten l;
    l.darstellung = LegendeDreiPlaneten;
    if (lauf_.drehung && c.konjIndex > lauf_.figurenAnzahl)
        l.nurLetzte = lauf_.figurenAnzahl;
    l.ereignisart = e_.opposition ? Legendendaten::Ereignis::Oppositionen : Legendendaten::Ereignis::Konjunktionen;
    l.ereignisAnzahl = c.konjIndex;
    l.periode = synodisch_;
    l.vergangeneTage = c.schritt * schrittweite_;
    l.mitPraezession = lauf_.mitPraezession;
    for (int j = 0; j < 3; ++j)
        l.koerper.push_back({p_[I(j)], e_.zentrum == j + 1});
    l.sonneImZentrum = e_.zentrum == 0;
    l.ohnePlaneten = ohne;
    using M = Legendenzeile::Muster;
    const std::string paar = Kurz(p_[I(konjA_)]) + "-" + Kurz(p_[I(konjB_)]);
    l.elemente.push_back({T(e_.opposition ? "zweipl.titel.oppositionen" : "zweipl.titel.konjunktionen") + paar, "",
                          M::Keins});
    const auto positionen = [&](int zeile, bool pos, bool lin, Farbe fl, Farbe fp, bool mitK) {
        if (!pos && !lin)
            return;
        const char* k = pos && lin ? "dreipl.legende.positionenLinien" : pos ? "dreipl.legende.positionen"
                                                                             : "dreipl.legende.linien";
        std::string text = T(k) + sprache::koerperName(koerperDerZeile(zeile));
        if (mitK && k_ > 1)
            text += T("dreipl.legende.jede.vor") + std::to_string(k_) + T("dreipl.legende.jede.nach");
        l.elemente.push_back({text, "", pos ? M::Punkte : M::Linie, fl, fp, s.IntA2, s.IntLiniendicke});
    };
    positionen(zeileAussen_, e_.positionenAussen, e_.linienAussen, s.IntFarbeLinienP2, s.IntFarbePositionenP2, false);
    positionen(zeileNicht_, e_.positionenNicht, e_.linienNicht, s.IntFarbeLinienP3, s.IntFarbePositionenP3, true);
    const bool raumgeraden = e_.zentrum == 0 ? !e_.keineRaumgeraden : e_.raumgeradenPlanetozentrisch;
    if (raumgeraden) {
        const std::string rg = Kurz(koerperDerZeile(1)) + "-" + Kurz(koerperDerZeile(2));
        l.elemente.push_back({T("zweipl.legende.raumgeraden") + rg, "", M::Linie, s.IntFarbeRG, 0, 3, s.IntLiniendicke});
        if (e_.mittelpunkte == 0 || e_.mittelpunkte == 1)
            l.elemente.push_back(
                {T(e_.mittelpunkte == 0 ? "zweipl.legende.mittelpunkte" : "zweipl.legende.schwerpunkte") +
                     T("zweipl.legende.raumgeraden"),
                 "", M::Scheibe, s.IntFarbeMittelpunkteRG, s.IntFarbeFuellungMittelp, s.IntA2, s.IntRanddicke});
    }
    return l;
}

} // namespace figures
