#include "shell/Hauptprozedur.h"

#include "sprache/Sprache.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace shell {

using sprache::T;

namespace {

constexpr double Pi = 3.14159265358979323846;

// Placeholder for representations that are not built yet: a run of
// `Schrittgrenze` steps of one day from day 0 that draws nothing but lets
// Start, Pause, tempo and Beenden be used.
class LeererAblauf : public Darstellungsablauf {
public:
    bool vorbereiten(Laufkontext& l) override
    {
        l.z.Starttag = 0;
        l.z.AktuellerTag = 0;
        l.z.Schrittweite = 1;
        l.z.Schrittzahl = l.z.Schrittgrenze;
        return true;
    }
    void schritt(Laufkontext& l) override { l.z.AktuellerTag = l.z.Starttag + l.z.Schritt * l.z.Schrittweite; }
};

} // namespace

void Laufspeicher::anlegen(int maxKonstellationen)
{
    const auto n = static_cast<size_t>(maxKonstellationen + 4);
    Ereignistage.assign(n, 0.0);
    for (int i = 0; i < 4; ++i) {
        EreignisWerte[i].assign(n, 0.0);
        EreignisX[i].assign(n, 0.0);
        EreignisY[i].assign(n, 0.0);
        EreignisZ[i].assign(n, 0.0);
    }
    EreignisMittelpunkte.anlegen(static_cast<int>(n));
    Konjunktionen.anlegen(n);
    Oppositionen.anlegen(n);
    cosTabelle.assign(181, 0.0);
    sinTabelle.assign(181, 0.0);
}

void Sternspeicher::anlegen(size_t n)
{
    tage.assign(n, 0.0);
    for (int j = 0; j < 3; ++j) {
        X[j].assign(n, 0.0);
        Y[j].assign(n, 0.0);
        Z[j].assign(n, 0.0);
    }
}

void Sternspeicher::freigeben()
{
    auto weg = [](std::vector<double>& v) { std::vector<double>().swap(v); };
    weg(tage);
    for (int j = 0; j < 3; ++j) {
        weg(X[j]);
        weg(Y[j]);
        weg(Z[j]);
    }
}

void Laufspeicher::freigeben()
{
    auto weg = [](std::vector<double>& v) { std::vector<double>().swap(v); };
    weg(Ereignistage);
    for (int i = 0; i < 4; ++i) {
        weg(EreignisWerte[i]);
        weg(EreignisX[i]);
        weg(EreignisY[i]);
        weg(EreignisZ[i]);
    }
    EreignisMittelpunkte = figures::Mittelpunkte{};
    Konjunktionen.freigeben();
    Oppositionen.freigeben();
    weg(cosTabelle);
    weg(sinTabelle);
}

int WartezeitAusTempo(int tempo)
{
    static const int tabelle[] = {800, 400, 200, 100, 60, 35, 20, 12, 7};
    if (tempo >= 1 && tempo <= 9)
        return tabelle[tempo - 1];
    return 0;
}

Hauptprozedur::Hauptprozedur(Laufzustand& z, Laufkonfiguration& k, LaufHost& host) : z_(z), k_(k), host_(host) {}

void Hauptprozedur::registrieren(Darstellung d, std::unique_ptr<Darstellungsablauf> ablauf)
{
    ablaeufe_[d] = std::move(ablauf);
}

Darstellungsablauf* Hauptprozedur::ablauf(Darstellung d) const
{
    auto it = ablaeufe_.find(d);
    return it == ablaeufe_.end() ? nullptr : it->second.get();
}

Darstellung Hauptprozedur::darstellung() const
{
    return z_.MysteriumModus ? Darstellung::Mysterium : k_.menueDarstellung;
}

void Hauptprozedur::ansichtAbgleichen()
{
    if (!ansicht)
        return;
    figures::Ansicht& a = *ansicht;
    if (a.Breite != z_.Breite || a.Hoehe != z_.Hoehe)
        a.GroesseSetzen(z_.Breite, z_.Hoehe);
    a.Hoehenfaktor = z_.Hoehenfaktor;
    a.VerschiebungX = z_.VerschiebungX;
    a.VerschiebungY = z_.VerschiebungY;
    a.MitteX = z_.MitteX;
    a.MitteY = z_.MitteY;
    a.Zoom = z_.Zoom;
    constexpr double grad = 180.0 / 3.14159265358979323846;
    a.WinkelSetzenGrad(z_.WinkelX * grad, z_.WinkelY * grad, z_.WinkelZ * grad);
}

void Hauptprozedur::ruhezeitStempeln() { z_.Ruhezeitpunkt = host_.jetzt(); }

std::string Hauptprozedur::datumsText(double tag) const
{
    if (datumFormatierer)
        return datumFormatierer(tag);
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "JD %.3f", tag + 2451544.5);
    return puffer;
}

// ---------------------------------------------------------------------------
// Run

void Hauptprozedur::ausfuehren()
{
    if (z_.LaufAktiv)
        return; // re-entry is prevented by the locked interface; be safe anyway
    iterationen_ = 0;
    laufDarstellung_ = darstellung();
    if (!einrichten())
        return;
    if (!vorbereiten()) {
        if (!z_.Abbruch)
            beenden();
        return;
    }
    hauptschleife();
}

bool Hauptprozedur::einrichten()
{
    const bool startphase = z_.Startphase;
    const bool mysterium = z_.MysteriumModus;

    // 1, 2: menu items and the data output are locked with the interface (23).
    if (!startphase)
        host_.zoomRegler(true, 100);

    // 4: limits and event arrays.
    switch (k_.intAnzahlBerechn) {
    case 2: z_.MaxSchritte = 25000; z_.MaxKonstellationen = 2500; break;
    case 3: z_.MaxSchritte = 50000; z_.MaxKonstellationen = 5000; break;
    default: z_.MaxSchritte = 12000; z_.MaxKonstellationen = 1200; break;
    }
    z_.Schrittgrenze = z_.BeispielModus ? k_.beispielSchrittgrenze : z_.MaxSchritte;
    z_.Konstellationsgrenze = z_.BeispielModus ? k_.beispielKonstellationsgrenze : z_.MaxKonstellationen;
    speicher_.anlegen(z_.MaxKonstellationen);

    // 5: a new "Anzahl Berechnungen" restores the remembered counts.
    if (z_.letzteAnzahlBerechn != k_.intAnzahlBerechn) {
        z_.letzteAnzahlBerechn = k_.intAnzahlBerechn;
        z_.gemerkteAnzahlRotationen = z_.gemerkteAnzahlMond = z_.gemerkteAnzahlBary = z_.gemerkteAnzahl3Pl = 500;
        z_.gemerkteAnzahl2Pl = 5000;
        z_.NurBisAnzahl = z_.NurBisIndex;
        z_.gemerkteFigurenAnzahl = z_.FigurenAnzahl;
    }

    // 7: slider availability.
    const bool sphaeren = laufDarstellung_ == Darstellung::Langzeit && k_.bahnsphaeren;
    const bool schleifen = laufDarstellung_ == Darstellung::ZweiPlaneten && k_.schleifen2Pl;
    if (sphaeren) {
        host_.drehRegler(false);
        host_.beendenKnopf(false, T("bedienfeld.hinweis.bahnsphaeren"));
    } else if (schleifen) {
        host_.drehReglerSetzen(0, 0, 0);
        host_.drehRegler(false);
        host_.beendenKnopf(false, T("bedienfeld.hinweis.schleifen"));
    } else {
        host_.drehRegler(true);
    }

    // 8, 9: data-only overview.
    laufIstDatenOnly_ = laufDarstellung_ == Darstellung::Ueberblick && k_.nurDatenausgabe;
    if (laufIstDatenOnly_)
        host_.pauseAktiviert(true);
    z_.Zeilengrenze = 10000;
    vorigerLaufDatenOnly_ = z_.DatenOnlyLauf;
    z_.DatenOnlyLauf = laufIstDatenOnly_;
    if (datenausgabe)
        datenausgabe->zeilengrenze = z_.Zeilengrenze;
    if (datenausgabeBeginn)
        datenausgabeBeginn(laufIstDatenOnly_, vorigerLaufDatenOnly_);

    // 10: event counters.
    z_.KonjIndex = z_.OppoIndex = 0;
    z_.Rueckschritte = 0;
    z_.EreignisNeu = false;
    z_.MondSpurZaehler = 0;
    z_.LangzeitSchritt = 0;
    z_.MetamorphoseZaehler = 0;

    // 11: orbit points.
    z_.Bahnpunktzahl = 118 * k_.bahnpunkteFaktor;
    z_.Bahnschrittfaktor = 0.75 / k_.bahnpunkteFaktor;

    // 13: clear and flip.
    host_.flaeche().fuellen(startphase ? figures::Schwarz : k_.intFarbeHintergrund);
    host_.flaeche().flip();

    // 14: figure count.
    z_.FigurenAnzahl = z_.gemerkteFigurenAnzahl;

    // 15.
    z_.FigurFertig = false;
    z_.LaufAktiv = true;
    host_.tempoFokussieren();

    // 17.
    z_.NeuZeichnen = false;
    z_.MausGedrueckt = false;
    z_.ZentrumBewegt = false;
    if (!sphaeren) {
        const int zoom = mysterium ? 1000 : 100;
        host_.zoomRegler(!startphase && !(mysterium && k_.metamorphose), zoom);
        z_.Zoom = zoom / 100.0;
    }
    if (sphaeren)
        host_.zoomRegler(false, static_cast<int>(std::lround(z_.Zoom * 100)));

    // 18: surface size and centre.
    z_.Breite = host_.flaeche().breite();
    z_.Hoehe = host_.flaeche().hoehe();
    z_.Hoehenfaktor = z_.Hoehe / 600.0;
    z_.VerschiebungX = z_.VerschiebungY = 0;
    z_.MitteX = z_.Breite / 2;
    z_.MitteY = z_.Hoehe / 2;
    z_.PauseAktiv = false;
    z_.Abbruch = false;

    // 19: presets of the solids.
    if (mysterium) {
        int x = 0, y = 0, zz = 0;
        using K = Koerper3D;
        auto an = [&](K kk) { return k_.koerper3D[static_cast<int>(kk)]; };
        if (an(K::Dodekaeder)) { x = -108; zz = 18; }
        else if (an(K::Ikosaeder)) { x = 36; }
        else if (an(K::Hexaeder)) { y = -30; zz = 15; }
        else if (an(K::Oktaeder)) { x = 80; }
        else if (an(K::Tetraeder)) { x = 72; y = 36; }
        host_.drehReglerSetzen(x, y, zz);
        host_.startUndZeitLabelsSichtbar(false);
        host_.sternGruppeSichtbar(!k_.metamorphose);
    } else {
        host_.startUndZeitLabelsSichtbar(true);
        if (k_.keplersMysterium) {
            host_.drehReglerSetzen(75, 40, 0);
            host_.sternGruppeSichtbar(false);
        }
    }

    // 20, 21.
    host_.labelZeit("");
    z_.Konstellationszahl = z_.Konstellationsgrenze;
    z_.Tempo = 0;
    z_.Schritt = 0;
    z_.KonjIndex = z_.OppoIndex = 0;

    // 22.
    z_.Gueltigkeitsgrenze = (laufDarstellung_ == Darstellung::Mond || k_.hoheGenauigkeit) ? 2600000.0 : 9999999.0;

    // 23: lock.
    host_.startKnopf(false, false);
    host_.oberflaecheSperren(true);

    // 24.
    if (k_.planetenNurZuBeginn) {
        if (!EingabeNurzuBeginn()) {
            k_.planetenNurZuBeginn = false;
            host_.konfigurationGeaendert();
            beenden();
            return false;
        }
        host_.flaeche().fuellen(startphase ? figures::Schwarz : k_.intFarbeHintergrund);
        host_.flaeche().flip();
    }

    // 25: cosine and sine tables for 0, 2, ..., 360 degrees.
    for (int i = 0; i <= 180; ++i) {
        speicher_.cosTabelle[static_cast<size_t>(i)] = std::cos(2.0 * i * Pi / 180.0);
        speicher_.sinTabelle[static_cast<size_t>(i)] = std::sin(2.0 * i * Pi / 180.0);
    }
    return true;
}

bool Hauptprozedur::vorbereiten()
{
    if (laufDarstellung_ == Darstellung::Mysterium) {
        z_.Schrittzahl = 0;
        z_.Konstellationszahl = 0;
        return true;
    }
    Darstellungsablauf* a = ablauf(laufDarstellung_);
    static LeererAblauf leer;
    if (!a)
        a = &leer;
    ansichtAbgleichen();
    Laufkontext l{z_, k_, speicher_, host_, *this};
    const bool ok = a->vorbereiten(l);
    z_.AktuellerTag = z_.Starttag;
    return ok && !z_.Abbruch;
}

void Hauptprozedur::zeichnenGeschuetzt(void (Hauptprozedur::*f)())
{
    try {
        (this->*f)();
    } catch (const figures::FlaecheVerloren&) {
        Fehlerbehandlung();
    }
}

void Hauptprozedur::Fehlerbehandlung()
{
    if (host_.bildschirm().farbtiefe == z_.StartFarbtiefe)
        return; // one lost frame, nothing else
    host_.meldung(Meldungsart::Warnung, T("meldung.warnung"), T("lauf.farbtiefe"));
    z_.Abbruch = true;
    host_.programmBeenden();
}

void Hauptprozedur::hauptschleife()
{
    while (true) {
        ++iterationen_;
        // 1.
        // (Not after a Beenden pressed during the tempo wait: the loop ends
        // at this iteration's stop test and Pause must stay disabled.)
        if ((laufDarstellung_ != Darstellung::Mysterium || k_.metamorphose) && !z_.FigurFertig && !z_.Startphase &&
            !z_.Abbruch)
            host_.pauseAktiviert(true);
        // 2, 3.
        if (z_.PauseAktiv)
            host_.sleepMs(10);
        host_.pumpEvents();
        // 4.
        const Bildschirm b = host_.bildschirm();
        if (b.breite != z_.StartBildschirmBreite || b.hoehe != z_.StartBildschirmHoehe) {
            host_.meldung(Meldungsart::Warnung, T("meldung.warnung"), T("lauf.aufloesung"));
            return;
        }
        // 5.
        if (z_.Abbruch)
            return;
        // 6.
        if (z_.PauseAktiv) {
            if (host_.jetzt() - z_.Ruhezeitpunkt > RuhezeitGrenze) {
                beenden();
                return;
            }
            if (z_.ZitatSichtbar) {
                host_.flaeche().fuellen(figures::Schwarz);
                host_.flaeche().flip();
            }
            if (k_.drehungDerFiguren && std::max(z_.KonjIndex, z_.OppoIndex) > z_.FigurenAnzahl)
                continue;
            Pausenfunktion();
        }
        // 7.
        if (!(laufDarstellung_ == Darstellung::Langzeit && k_.bahnsphaeren))
            zeichnenGeschuetzt(&Hauptprozedur::leeren);
        // 8.
        if (laufDarstellung_ == Darstellung::Mysterium) {
            zeichnenGeschuetzt(&Hauptprozedur::mysteriumFrame);
            if (z_.Startphase) {
                if (startanimationFertig_) {
                    startanimationEnde();
                    return;
                }
                continue;
            }
        } else {
            zeichnenGeschuetzt(&Hauptprozedur::representationsFrame);
        }
        if (z_.Abbruch)
            continue; // the frame ended the run (e.g. Beenden in a data output)
        // 9.
        z_.Tempo = (z_.PauseAktiv || z_.FigurFertig) ? 10 : host_.tempoFeld();
        z_.Wartezeit = WartezeitAusTempo(z_.Tempo);
        if (laufDarstellung_ == Darstellung::Ueberblick)
            z_.Wartezeit /= 3;
        if ((laufDarstellung_ == Darstellung::DreiPlaneten || laufDarstellung_ == Darstellung::Mond) &&
            k_.planetenNurZuBeginn && !k_.drehungDerFiguren && z_.KonjIndex > z_.NurBisIndex)
            z_.Wartezeit = z_.Wartezeit == 0 ? 25 : z_.Wartezeit * 8;
        if (laufIstDatenOnly_)
            z_.Wartezeit = 0;
        if (z_.Wartezeit > 0)
            host_.sleepMs(z_.Wartezeit);
        // 10.
        labelsAktualisieren();
        // 11.
        if (!z_.ZitatSichtbar && laufDarstellung_ != Darstellung::Mysterium)
            host_.flaeche().flip();
        // 12.
        if (!z_.MausGedrueckt) {
            z_.ZentrumZiehen = false;
            z_.ZentrumBewegt = false;
        }
        // 13.
        const bool weiter = laufDarstellung_ == Darstellung::Langzeit ? langzeitEndtest() : weiterUndEndtest();
        if (!weiter)
            return;
    }
}

void Hauptprozedur::leeren()
{
    host_.flaeche().fuellen(z_.Startphase ? figures::Schwarz : k_.intFarbeHintergrund);
}

void Hauptprozedur::mysteriumFrame()
{
    if (z_.Startphase) {
        // The start animation draws itself when it is there; without it (or
        // with "Anfangsanimation" off) its end follows at once.
        if (k_.boolAnfangsanimation && startanimation && !z_.AnimationUeberspringen) {
            Laufkontext l{z_, k_, speicher_, host_, *this};
            startanimationFertig_ = startanimation(l);
            ueberspringeWartezeit_ = false;
        } else {
            startanimationFertig_ = true;
            ueberspringeWartezeit_ = !(k_.boolAnfangsanimation && startanimation) || z_.AnimationUeberspringen;
        }
        if (!z_.ZitatSichtbar)
            host_.flaeche().flip();
        return;
    }
    if (solidsZeichnen) {
        Laufkontext l{z_, k_, speicher_, host_, *this};
        solidsZeichnen(l);
    }
    if (!z_.ZitatSichtbar)
        host_.flaeche().flip();
}

void Hauptprozedur::startanimationEnde()
{
    if (!ueberspringeWartezeit_)
        host_.sleepMs(1000);
    Starttext();
    z_.MysteriumModus = false;
    z_.MitteX = z_.Breite / 2 + z_.VerschiebungX;
    z_.MitteY = z_.Hoehe / 2 + z_.VerschiebungY;
    host_.drehReglerSetzen(60, 30, 0);
    // The solids' 1:1 zoom (1000) does not carry over to the idle program.
    z_.Zoom = 1.0;
    // Without a quotation the start phase ends here.
    z_.Startphase = false;
    host_.menueSichtbar(true);
    host_.sternGruppeSichtbar(false);
    host_.startUndZeitLabelsSichtbar(true);
    host_.bedienfeldZeigen();
    beenden();
    host_.startFokussieren();
}

void StarttextZeichnen(figures::Zeichenflaeche& f, double schriftfaktor)
{
    const int hoehe = f.hoehe();
    const int breite = f.breite();
    figures::Schrift s;
    s.name = "Arial";
    s.farbe = figures::RotFarbe;
    s.groesse = sprache::istDeutsch() ? static_cast<int>(std::lround(schriftfaktor * hoehe / 20.0))
                                      : static_cast<int>(std::lround(hoehe / 24.0 * schriftfaktor));
    f.schrift(s);
    f.pinsel(figures::Schwarz, figures::Pinselstil::Keiner);
    const std::string zeile1 = T("start.titel");
    const std::string zeile2 = T("start.untertitel");
    // Centred; the division truncates toward zero.
    f.textAus((breite - f.textBreite(zeile1)) / 2, static_cast<int>(std::lround(hoehe / 4.375)), zeile1);
    f.textAus((breite - f.textBreite(zeile2)) / 2, static_cast<int>(std::lround(hoehe / 2.70333)), zeile2);
    figures::Schrift normal;
    normal.name = "MS Sans Serif";
    f.schrift(normal);
}

void Hauptprozedur::Starttext()
{
    auto& f = host_.flaeche();
    StarttextZeichnen(f, z_.Schriftfaktor);
    f.flip();
    host_.sleepMs(2500);
    f.fuellen(figures::Schwarz);
    f.flip();
}

void Hauptprozedur::representationsFrame()
{
    Darstellungsablauf* a = ablauf(laufDarstellung_);
    static LeererAblauf leer;
    if (!a)
        a = &leer;
    z_.AktuellerTag = z_.Starttag + z_.Schritt * z_.Schrittweite;
    ansichtAbgleichen();
    Laufkontext l{z_, k_, speicher_, host_, *this};
    a->schritt(l);
}

void Hauptprozedur::labelsAktualisieren()
{
    if (laufDarstellung_ == Darstellung::Mysterium)
        return;
    if (laufDarstellung_ == Darstellung::Langzeit) {
        host_.labelStart("(Jahr)         -5000000");
        char puffer[32];
        std::snprintf(puffer, sizeof puffer, "%.0f", z_.AktuellerTag / 365.24219 - 2500);
        host_.labelZeit(puffer);
        return;
    }
    if (k_.julianischesDatum) {
        char puffer[64];
        std::snprintf(puffer, sizeof puffer, "JD %.3f", z_.Starttag + 2451544.5);
        host_.labelStart(puffer);
    } else {
        host_.labelStart(datumsText(z_.Starttag));
    }
    if (laufIstDatenOnly_)
        host_.zaehlerAnzeigen(true, std::to_string(z_.Schritt));
    else
        host_.labelZeit(datumsText(z_.Starttag + z_.Schritt * z_.Schrittweite));
}

bool Hauptprozedur::weiterUndEndtest()
{
    // 1.
    z_.Schritt += 1;
    // 2, 3.
    const bool mondSpur = laufDarstellung_ == Darstellung::Mond && k_.mondSpurZeichnen;
    int a = 0;
    if (mondSpur)
        a = z_.MondSpurZaehler;
    else if (laufDarstellung_ == Darstellung::ZweiPlaneten && (z_.Sternmodus == 2 || z_.Sternmodus == 4))
        a = z_.OppoIndex;
    else
        a = z_.KonjIndex;
    int b = 0;
    const bool zweiOderDrei = laufDarstellung_ == Darstellung::ZweiPlaneten || laufDarstellung_ == Darstellung::DreiPlaneten;
    if (mondSpur)
        b = z_.Schrittgrenze + 1;
    else if ((k_.drehungDerFiguren && std::max(z_.KonjIndex, z_.OppoIndex) > z_.FigurenAnzahl) ||
             (zweiOderDrei && k_.hoheGenauigkeit && !k_.ergebnisSofort))
        b = 99999999;
    else
        b = z_.Konstellationszahl;
    if (laufDarstellung_ == Darstellung::DreiPlaneten && k_.ergebnisSofort && z_.Konstellationszahl == 0)
        a = b = 1;
    // 4.
    int c = z_.Schrittzahl;
    if ((k_.planetenNurZuBeginn && z_.KonjIndex > z_.NurBisIndex && laufDarstellung_ != Darstellung::ZweiPlaneten) ||
        ((laufDarstellung_ == Darstellung::Baryzentrum || laufDarstellung_ == Darstellung::ZweiPlaneten) && k_.drehungDerFiguren))
        c = 999999999;
    // 5.
    const double tag = z_.Starttag + z_.Schritt * z_.Schrittweite;
    const bool geht = z_.Schritt <= c && (b <= 0 || a < b || laufDarstellung_ == Darstellung::ZweiPlaneten) &&
                      tag <= z_.Gueltigkeitsgrenze;
    if (geht && laufDarstellung_ != Darstellung::Mysterium)
        return true;
    // 6.
    if (!z_.FigurFertig) {
        const bool grenze = tag > z_.Gueltigkeitsgrenze || z_.SofortReduziert ||
                            (z_.VorausGrenzeErreicht && (k_.planetenNurZuBeginn || k_.ergebnisSofort));
        if (grenze && laufDarstellung_ != Darstellung::Mysterium) {
            host_.meldung(Meldungsart::Information, T("meldung.hinweis"), gueltigkeitsText());
            if (laufIstDatenOnly_) {
                if (datenOnlyBeenden)
                    datenOnlyBeenden();
                beenden();
                return false;
            }
        }
    }
    fertigBehandlung();
    return true;
}

bool Hauptprozedur::langzeitEndtest()
{
    z_.LangzeitSchritt += 1;
    if (z_.LangzeitSchritt <= 2 * 5000000 / 2500)
        return true;
    if (k_.bahnsphaeren) {
        beenden();
        return false;
    }
    fertigBehandlung();
    return true;
}

void Hauptprozedur::fertigBehandlung()
{
    if (!z_.FigurFertig)
        z_.Ruhezeitpunkt = host_.jetzt();
    z_.FigurFertig = true;
    if (laufDarstellung_ != Darstellung::Mysterium)
        Pausenfunktion();
    if (!(laufDarstellung_ == Darstellung::Mysterium && k_.metamorphose)) {
        host_.beendenKnopf(true, T("bedienfeld.hinweis.fertig"));
        host_.pauseAktiviert(false);
    }
    if (host_.jetzt() - z_.Ruhezeitpunkt > RuhezeitGrenze)
        beenden();
}

std::string Hauptprozedur::gueltigkeitsText() const
{
    if (laufDarstellung_ == Darstellung::Mond || k_.hoheGenauigkeit) {
        if (z_.Gueltigkeitsgrenze == 374381.0)
            return T("lauf.gueltigkeit.1000");
        return T("lauf.gueltigkeit.7000");
    }
    if (z_.Gueltigkeitsgrenze == 950400.0)
        return T("lauf.gueltigkeit.chiron");
    if (z_.NurAussenNormal)
        return T("lauf.gueltigkeit.50000");
    return T("lauf.gueltigkeit.25000");
}

// ---------------------------------------------------------------------------
// Panel actions

void Hauptprozedur::pauseUmschalten()
{
    z_.PauseAktiv = !z_.PauseAktiv;
    if (z_.PauseAktiv)
        z_.Ruhezeitpunkt = host_.jetzt();
    const bool figurenGesperrt = k_.drehungDerFiguren && std::max(z_.KonjIndex, z_.OppoIndex) > z_.FigurenAnzahl;
    if (figurenGesperrt) {
        host_.drehRegler(!z_.PauseAktiv);
        host_.zoomRegler(!z_.PauseAktiv, static_cast<int>(std::lround(z_.Zoom * 100)));
    }
    std::string hinweis = (figurenGesperrt && z_.PauseAktiv) ? T("bedienfeld.hinweis.figurensperre")
                                                             : T("bedienfeld.hinweis.einzelschritte");
    const bool fett = z_.PauseAktiv && (!z_.FigurFertig || (laufDarstellung_ == Darstellung::Mysterium && k_.metamorphose));
    host_.pauseHervorheben(fett, hinweis);
}

bool Hauptprozedur::EingabeNurzuBeginn()
{
    if (!z_.NurBisFrageErlaubt) {
        z_.NurBisIndex = 15;
        return true;
    }
    const bool konstellation = laufDarstellung_ == Darstellung::Mond || laufDarstellung_ == Darstellung::Baryzentrum ||
                               laufDarstellung_ == Darstellung::Rotationen;
    int n = z_.NurBisAnzahl;
    if (!host_.zahlAbfragen(T(konstellation ? "frage.nurbis.konstellation" : "frage.nurbis.konjunktion"),
                            z_.NurBisAnzahl, 1, z_.Konstellationsgrenze, n))
        return false;
    z_.NurBisAnzahl = n;
    z_.NurBisIndex = n - 1;
    return true;
}

void Hauptprozedur::AbbrechenSofort()
{
    k_.ergebnisSofort = false;
    host_.konfigurationGeaendert();
    beenden();
}

void Hauptprozedur::progressAnzeige(int n)
{
    host_.pumpEvents();
    if (!z_.Abbruch)
        host_.zaehlerAnzeigen(true, std::to_string(n));
}

void Hauptprozedur::Pausenfunktion()
{
    if (laufDarstellung_ == Darstellung::Langzeit) {
        z_.LangzeitSchritt -= 1;
        z_.AktuellerTag -= 913105.475;
        return;
    }
    if (laufDarstellung_ == Darstellung::Mysterium) {
        if (k_.metamorphose)
            z_.MetamorphoseZaehler -= 1;
        return;
    }
    if (laufDarstellung_ == Darstellung::Mond && k_.mondSpurZeichnen) {
        z_.MondSpurZaehler -= 1;
    } else {
        if (!k_.drehungDerFiguren && !z_.NurBisImLauf)
            z_.KonjIndex = std::max(0, z_.KonjIndex - 1);
        if (z_.Sternmodus >= 2 && !k_.drehungDerFiguren)
            z_.OppoIndex = std::max(0, z_.OppoIndex - 1);
    }
    if (z_.NurBisImLauf && !k_.planetenNurZuBeginn)
        z_.Rueckschritte = 0;
    if (z_.Rueckschritte <= 0)
        z_.Schritt -= 1;
    else
        z_.Schritt -= z_.Rueckschritte + 1;
    z_.Schritt = std::max(0, z_.Schritt);
    if (laufDarstellung_ == Darstellung::ZweiPlaneten)
        z_.Schritt = std::min(z_.Schritt, z_.Schrittgrenze);
}

void Hauptprozedur::beenden()
{
    // 2.
    host_.zaehlerAnzeigen(false, "");
    if (z_.DatenOnlyLauf && datenOnlyBeenden)
        datenOnlyBeenden();
    z_.BeispielModus = false;
    // 3.
    host_.pauseHervorheben(false, T("bedienfeld.hinweis.einzelschritte"));
    host_.pauseAktiviert(false);
    host_.beendenKnopf(false, "");
    // 4.
    z_.NurBisFrageErlaubt = true;
    if (z_.NurBisImLauf) {
        k_.planetenNurZuBeginn = false;
        host_.konfigurationGeaendert();
    }
    z_.NurBisImLauf = false;
    z_.LaufAktiv = false;
    // 5, 8: the commands locked for the run.
    host_.oberflaecheSperren(false);
    // 6.
    z_.Abbruch = true;
    host_.startKnopf(true, !z_.MysteriumModus && !k_.keplersMysterium);
    // 9.
    host_.zoomRegler(false, static_cast<int>(std::lround(z_.Zoom * 100)));
    host_.drehRegler(true);
    // 10.
    speicher_.freigeben();
    // 11.
    host_.flaeche().flip();
    // 12.
    if (!z_.Startphase)
        host_.startFokussieren();
}

} // namespace shell
