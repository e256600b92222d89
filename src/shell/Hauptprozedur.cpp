#include "shell/Hauptprozedur.h"

#include "sprache/Sprache.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace shell {

using sprache::T;

namespace {

constexpr double Pi = 3.14159265358979323846;

// Events wanted without a limit: kept figures turning, or a run that only
// its step count ends.
constexpr int OhneGrenze = 99999999;

// Stands in for a representation that has no run yet: not available.
class LeererAblauf : public Darstellungsablauf {
public:
    Laufregeln einrichten(const Laufkonfiguration&) override
    {
        Laufregeln r;
        r.verfuegbar = false;
        return r;
    }
    Vorbereitungsergebnis vorbereiten(Laufdienste& d) override
    {
        d.z.Starttag = 0;
        d.z.Schrittweite = 1;
        d.z.Schrittzahl = d.z.Schrittgrenze;
        return Vorbereitungsergebnis::Weiter;
    }
    void schritt(Laufdienste&) override {}
};

} // namespace

std::unique_ptr<Darstellungsablauf> PlatzhalterAblauf() { return std::make_unique<LeererAblauf>(); }

// ---------------------------------------------------------------------------
// The defaults of the contract

Endzaehler Darstellungsablauf::endzaehler(const Laufzustand& z, const Laufkonfiguration& k) const
{
    Endzaehler e;
    e.erledigt = z.KonjIndex;
    e.gewuenscht = (k.drehungDerFiguren && std::max(z.KonjIndex, z.OppoIndex) > z.FigurenAnzahl) ? OhneGrenze
                                                                                                  : z.Konstellationszahl;
    e.schrittgrenze = (k.planetenNurZuBeginn && z.KonjIndex > z.NurBisIndex) ? 999999999 : z.Schrittzahl;
    return e;
}

void Darstellungsablauf::zurueckschreiten(Laufzustand& z, const Laufkonfiguration& k)
{
    if (!k.drehungDerFiguren && !z.NurBisImLauf)
        z.KonjIndex = std::max(0, z.KonjIndex - 1);
    if (z.NurBisImLauf && !k.planetenNurZuBeginn)
        z.Rueckschritte = 0;
    if (z.Rueckschritte <= 0)
        z.Schritt -= 1;
    else
        z.Schritt -= z.Rueckschritte + 1;
    z.Schritt = std::max(0, z.Schritt);
}

// ---------------------------------------------------------------------------

int WartezeitAusTempo(int tempo)
{
    static const int tabelle[] = {800, 400, 200, 100, 60, 35, 20, 12, 7};
    if (tempo >= 1 && tempo <= 9)
        return tabelle[tempo - 1];
    return 0;
}

Hauptprozedur::Hauptprozedur(Laufzustand& z, const Laufkonfiguration& k, LaufHost& host) : z_(z), k_(k), host_(host) {}

void Hauptprozedur::registrieren(Darstellung d, std::unique_ptr<Darstellungsablauf> ablauf)
{
    ablaeufe_[d] = std::move(ablauf);
}

Darstellungsablauf* Hauptprozedur::ablauf(Darstellung d) const
{
    auto it = ablaeufe_.find(d);
    return it == ablaeufe_.end() ? nullptr : it->second.get();
}

Darstellung Hauptprozedur::darstellung() const { return LaufDarstellung(z_, k_); }

void Hauptprozedur::ansichtAbgleichen()
{
    figures::Ansicht& a = ansicht ? *ansicht : eigeneAnsicht_;
    if (a.Breite != z_.Breite || a.Hoehe != z_.Hoehe)
        a.GroesseSetzen(z_.Breite, z_.Hoehe);
    a.Hoehenfaktor = z_.Hoehenfaktor;
    a.VerschiebungX = z_.VerschiebungX;
    a.VerschiebungY = z_.VerschiebungY;
    a.MitteX = z_.MitteX;
    a.MitteY = z_.MitteY;
    a.Zoom = z_.Zoom;
    constexpr double grad = 180.0 / Pi;
    a.WinkelSetzenGrad(z_.WinkelX * grad, z_.WinkelY * grad, z_.WinkelZ * grad);
}

Laufdienste Hauptprozedur::dienste()
{
    return Laufdienste{z_,
                       k_,
                       speicher_,
                       *this,
                       host_.flaeche(),
                       ansicht ? *ansicht : eigeneAnsicht_,
                       einstellungen ? einstellungen->aktuell() : standardEinstellungen_,
                       rechner.get(),
                       datenausgabe};
}

void Hauptprozedur::ruhezeitStempeln() { z_.Ruhezeitpunkt = host_.jetzt(); }

std::string Hauptprozedur::datumsText(double tag) const
{
    if (datumFormatierer)
        return datumFormatierer(tag);
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "JD %.3f", tag + astro::JDNullpunkt);
    return puffer;
}

// ---------------------------------------------------------------------------
// Run

void Hauptprozedur::ausfuehren()
{
    if (z_.LaufAktiv)
        return; // re-entry is prevented by the locked interface; be safe anyway
    iterationen_ = 0;
    bildDa_ = false;
    figurVerwerfen();
    host_.laufBeginnt();
    lauf_ = ablauf(darstellung());
    if (!lauf_)
        lauf_ = platzhalter_.get();
    regeln_ = lauf_->einrichten(k_);
    if (!regeln_.verfuegbar) {
        host_.meldung(Meldungsart::Information, T("meldung.hinweis"), T("lauf.nicht.verfuegbar"));
        return;
    }
    if (!einrichten())
        return;
    ansichtAbgleichen();
    Laufdienste d = dienste();
    const Vorbereitungsergebnis v = lauf_->vorbereiten(d);
    z_.AktuellerTag = z_.Starttag;
    if (v == Vorbereitungsergebnis::Fatal)
        return;
    if (v == Vorbereitungsergebnis::Abgebrochen || z_.Abbruch) {
        if (z_.LaufAktiv)
            beenden();
        return;
    }
    hauptschleife();
}

bool Hauptprozedur::einrichten()
{
    const bool startphase = z_.Startphase;
    const Laufregeln& r = regeln_;

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
        for (auto& [d, a] : ablaeufe_)
            a->anzahlZuruecksetzen();
        z_.NurBisAnzahl = z_.NurBisIndex;
        z_.gemerkteFigurenAnzahl = z_.FigurenAnzahl;
    }

    // 7: slider availability.
    if (r.drehungenNullen)
        host_.drehReglerSetzen(0, 0, 0);
    host_.drehRegler(!r.drehreglerGesperrt);
    if (r.sperrHinweis)
        host_.beendenKnopf(false, T(r.sperrHinweis));

    // 8, 9: data-only runs.
    if (r.datenOnly)
        host_.pauseAktiviert(true);
    z_.Zeilengrenze = 10000;
    vorigerLaufDatenOnly_ = z_.DatenOnlyLauf;
    z_.DatenOnlyLauf = r.datenOnly;
    if (datenausgabe)
        datenausgabe->zeilengrenze = z_.Zeilengrenze;
    if (datenausgabeBeginn)
        datenausgabeBeginn(r, vorigerLaufDatenOnly_);

    // 10: event counters.
    z_.KonjIndex = z_.OppoIndex = 0;
    z_.Rueckschritte = 0;
    z_.EreignisNeu = false;

    // 11: orbit points.
    z_.Bahnpunktzahl = 118 * k_.bahnpunkteFaktor;
    z_.Bahnschrittfaktor = 0.75 / k_.bahnpunkteFaktor;

    // 13: clear and flip.
    leeren();
    host_.flaeche().flip();

    // 14: figure count.
    z_.FigurenAnzahl = z_.gemerkteFigurenAnzahl;

    // 15.
    z_.FigurFertig = false;
    z_.LaufAktiv = true;
    host_.laufFokussieren();

    // 17.
    z_.NeuZeichnen = false;
    z_.MausGedrueckt = false;
    z_.ZentrumBewegt = false;
    if (!r.zoomBehalten)
        z_.Zoom = r.zoomStart / 100.0;
    host_.zoomRegler(!startphase && !r.zoomGesperrt,
                     r.zoomBehalten ? static_cast<int>(std::lround(z_.Zoom * 100)) : r.zoomStart);

    // 18: surface size and centre.
    z_.Breite = host_.flaeche().breite();
    z_.Hoehe = host_.flaeche().hoehe();
    z_.Hoehenfaktor = z_.Hoehe / 600.0;
    z_.VerschiebungX = z_.VerschiebungY = 0;
    z_.MitteX = z_.Breite / 2;
    z_.MitteY = z_.Hoehe / 2;
    z_.PauseAktiv = false;
    z_.Abbruch = false;

    // 19: presets of the run.
    if (r.drehungen)
        host_.drehReglerSetzen((*r.drehungen)[0], (*r.drehungen)[1], (*r.drehungen)[2]);
    host_.startUndZeitLabelsSichtbar(r.zeitLabels);
    if (r.zeitHinweis)
        host_.zeitHinweis(T(r.zeitHinweis));
    if (r.sternGruppe)
        host_.sternGruppeSichtbar(*r.sternGruppe);

    // 20, 21.
    host_.labelZeit("");
    z_.Konstellationszahl = z_.Konstellationsgrenze;
    z_.Tempo = 0;
    z_.Schritt = 0;

    // 22: the limit of the accuracy (the preparation may narrow it).
    z_.Grenzfall = (r.mondGrenze || k_.hoheGenauigkeit) ? astro::Grenzfall::HoheGenauigkeit : astro::Grenzfall::Normal;
    z_.Gueltigkeitsgrenze = astro::GueltigkeitsgrenzeFuer(z_.Grenzfall).tage;

    // 23: lock.
    host_.startKnopf(false, false);
    host_.oberflaecheSperren(true);

    // 24.
    if (k_.planetenNurZuBeginn) {
        if (!EingabeNurzuBeginn()) {
            host_.optionAbschalten(Laufoption::PlanetenNurZuBeginn);
            beenden();
            return false;
        }
        leeren();
        host_.flaeche().flip();
    }

    // 25: cosine and sine tables for 0, 2, ..., 360 degrees.
    for (int i = 0; i <= 180; ++i) {
        speicher_.cosTabelle[static_cast<size_t>(i)] = std::cos(2.0 * i * Pi / 180.0);
        speicher_.sinTabelle[static_cast<size_t>(i)] = std::sin(2.0 * i * Pi / 180.0);
    }
    return true;
}

template <class F> void Hauptprozedur::zeichnenGeschuetzt(F&& f)
{
    try {
        f();
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
    const Laufregeln& r = regeln_;
    while (true) {
        ++iterationen_;
        // 1.
        // (Not after a Beenden pressed during the tempo wait: the loop ends
        // at this iteration's stop test and Pause must stay disabled.)
        if (r.pauseMoeglich && !z_.FigurFertig && !z_.Startphase && !z_.Abbruch)
            host_.pauseAktiviert(true);
        // 2, 3.
        if (z_.PauseAktiv)
            host_.sleepMs(10);
        if (r.nachrichtenJeSchritte <= 1 || z_.Schritt % r.nachrichtenJeSchritte == 0 || z_.PauseAktiv ||
            z_.FigurFertig)
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
        if (r.leeren && !r.ohneBild)
            zeichnenGeschuetzt([this] { leeren(); });
        // 8.
        z_.AktuellerTag = z_.Starttag + z_.Schritt * z_.Schrittweite;
        ansichtAbgleichen();
        zeichnenGeschuetzt([this] {
            Laufdienste d = dienste();
            lauf_->schritt(d);
            bildDa_ = true;
        });
        if (r.selbstFlippen && !z_.ZitatSichtbar && !z_.Abbruch)
            host_.flaeche().flip();
        if (z_.Abbruch) {
            // The frame ended the run (Beenden in a data output; the end of
            // the start phase, which returns at once).
            if (r.ohneFortschritt)
                return;
            continue;
        }
        if (r.ohneFortschritt)
            continue;
        // 9.
        z_.Tempo = (z_.PauseAktiv || z_.FigurFertig) ? 10 : host_.tempoFeld();
        z_.Wartezeit = WartezeitAusTempo(z_.Tempo) / std::max(r.wartezeitTeiler, 1);
        if (r.langsamNachNurBis && k_.planetenNurZuBeginn && !k_.drehungDerFiguren && z_.KonjIndex > z_.NurBisIndex)
            z_.Wartezeit = z_.Wartezeit == 0 ? 25 : z_.Wartezeit * 8;
        if (r.datenOnly)
            z_.Wartezeit = 0;
        if (z_.Wartezeit > 0)
            host_.sleepMs(z_.Wartezeit);
        // 10.
        labelsAktualisieren();
        // 11.
        if (!z_.ZitatSichtbar && !r.selbstFlippen && !r.ohneBild)
            host_.flaeche().flip();
        // 12.
        if (!z_.MausGedrueckt) {
            z_.ZentrumZiehen = false;
            z_.ZentrumBewegt = false;
        }
        // 13.
        if (!weiterUndEndtest())
            return;
    }
}

void Hauptprozedur::leeren()
{
    host_.flaeche().fuellen(z_.Startphase ? figures::Schwarz : k_.intFarbeHintergrund);
}

void Hauptprozedur::labelsAktualisieren()
{
    switch (regeln_.beschriftung) {
    case Zeitbeschriftung::Keine: return;
    case Zeitbeschriftung::Jahr: {
        host_.labelStart("(Jahr)         -5000000");
        char puffer[32];
        std::snprintf(puffer, sizeof puffer, "%.0f", z_.AktuellerTag / 365.24219 - 2500);
        host_.labelZeit(puffer);
        return;
    }
    case Zeitbeschriftung::Datum: break;
    }
    if (k_.julianischesDatum) {
        char puffer[64];
        std::snprintf(puffer, sizeof puffer, "JD %.3f", z_.Starttag + astro::JDNullpunkt);
        host_.labelStart(puffer);
    } else {
        host_.labelStart(datumsText(z_.Starttag));
    }
    if (regeln_.datenOnly)
        host_.zaehlerAnzeigen(true, std::to_string(z_.Schritt));
    else
        host_.labelZeit(datumsText(z_.Starttag + z_.Schritt * z_.Schrittweite));
}

bool Hauptprozedur::weiterUndEndtest()
{
    const Laufregeln& r = regeln_;
    // 1.
    z_.Schritt += 1;
    // 2 - 4.
    const Endzaehler e = lauf_->endzaehler(z_, k_);
    // 5.
    const double tag = z_.Starttag + z_.Schritt * z_.Schrittweite;
    const bool inGrenze = !r.gueltigkeitPruefen || tag <= z_.Gueltigkeitsgrenze;
    const bool ereignisseOffen = !e.ereignisseBegrenzen || e.gewuenscht <= 0 || e.erledigt < e.gewuenscht;
    if (z_.Schritt <= e.schrittgrenze && ereignisseOffen && inGrenze)
        return true;
    if (r.amEndeBeenden) {
        beenden();
        return false;
    }
    // 6.
    if (!z_.FigurFertig && r.gueltigkeitPruefen) {
        const bool grenze = tag > z_.Gueltigkeitsgrenze || z_.SofortReduziert ||
                            (z_.VorausGrenzeErreicht && (k_.planetenNurZuBeginn || k_.ergebnisSofort));
        if (grenze) {
            host_.meldung(Meldungsart::Information, T("meldung.hinweis"), gueltigkeitsText());
            if (r.datenOnly) {
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

void Hauptprozedur::fertigBehandlung()
{
    if (!z_.FigurFertig) {
        z_.Ruhezeitpunkt = host_.jetzt();
        z_.FigurFertig = true;
        host_.figurFertig();
    }
    if (regeln_.fertigZurueck)
        Pausenfunktion();
    if (!regeln_.laeuftNachFertig) {
        host_.beendenKnopf(true, T("bedienfeld.hinweis.fertig"));
        host_.pauseAktiviert(false);
    }
    if (host_.jetzt() - z_.Ruhezeitpunkt > RuhezeitGrenze)
        beenden();
}

std::string Hauptprozedur::gueltigkeitsText() const
{
    return T(std::string(astro::GueltigkeitsgrenzeFuer(z_.Grenzfall).meldungsSchluessel));
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
    const bool fett = z_.PauseAktiv && (!z_.FigurFertig || regeln_.laeuftNachFertig);
    host_.pauseHervorheben(fett, hinweis);
}

bool Hauptprozedur::EingabeNurzuBeginn()
{
    if (!z_.NurBisFrageErlaubt) {
        z_.NurBisIndex = 15;
        return true;
    }
    int n = z_.NurBisAnzahl;
    if (!host_.zahlAbfragen(T(regeln_.nurBisKonstellationen ? "frage.nurbis.konstellation" : "frage.nurbis.konjunktion"),
                            z_.NurBisAnzahl, 1, z_.Konstellationsgrenze, n))
        return false;
    z_.NurBisAnzahl = n;
    z_.NurBisIndex = n - 1;
    return true;
}

void Hauptprozedur::Pausenfunktion() { lauf_->zurueckschreiten(z_, k_); }

// ---------------------------------------------------------------------------
// The frame once more, onto another surface

namespace {

// What a redrawn frame may ask for: dates and the validity text as always;
// messages are not processed (the redraw runs inside a menu command), and a
// frame that wants to end the run or tell the user something has failed.
class StilleBedienung : public Laufbedienung {
public:
    explicit StilleBedienung(Laufbedienung& echt) : echt_(echt) {}
    bool gescheitert = false;
    void beenden() override { gescheitert = true; }
    void sofortAbbrechen() override { gescheitert = true; }
    void programmBeenden() override { gescheitert = true; }
    void nachrichtenVerarbeiten() override {}
    void zaehlerAnzeigen(bool, const std::string&) override {}
    Antwort meldung(Meldungsart, const std::string&, const std::string&) override
    {
        gescheitert = true;
        return Antwort::Ok;
    }
    bool zahlAbfragen(const std::string&, int, int, int, int&) override
    {
        gescheitert = true;
        return false;
    }
    std::string gueltigkeitsText() const override { return echt_.gueltigkeitsText(); }
    std::string datumsText(double tag) const override { return echt_.datumsText(tag); }

private:
    Laufbedienung& echt_;
};

} // namespace

bool Hauptprozedur::bildNachzeichenbar() const
{
    if (!z_.LaufAktiv || !bildDa_ || z_.Startphase || z_.Abbruch || z_.DatenOnlyLauf)
        return false;
    if (!regeln_.nachzeichenbar || regeln_.ohneBild || regeln_.ohneFortschritt)
        return false;
    return !(k_.drehungDerFiguren && std::max(z_.KonjIndex, z_.OppoIndex) > z_.FigurenAnzahl);
}

bool Hauptprozedur::bildNachzeichnen(figures::Zeichenflaeche& ziel)
{
    // The figures' caches belong to the window's surface.
    if (!bildNachzeichenbar() || ziel.zwischenspeicherMoeglich())
        return false;
    const Laufzustand gerettet = z_;
    const bool ok = gezeigtenRahmenZeichnen(ziel, false);
    z_ = gerettet;
    ansichtAbgleichen();
    return ok;
}

bool Hauptprozedur::gezeigtenRahmenZeichnen(figures::Zeichenflaeche& ziel, bool alsLauf)
{
    // Between two iterations the step has moved on past the frame shown,
    // except for a complete figure, which was stepped back to it already.
    if (!z_.FigurFertig || z_.PauseAktiv || !regeln_.fertigZurueck)
        Pausenfunktion();
    // Paused: the frame writes no rows and marks no event new.
    z_.PauseAktiv = true;
    if (alsLauf) {
        z_.LaufAktiv = true;
        z_.Abbruch = false;
    }
    z_.AktuellerTag = z_.Starttag + z_.Schritt * z_.Schrittweite;
    ansichtAbgleichen();
    StilleBedienung still(*this);
    bool ok = true;
    try {
        ziel.fuellen(k_.intFarbeHintergrund);
        Laufdienste d{z_,
                      k_,
                      speicher_,
                      still,
                      ziel,
                      ansicht ? *ansicht : eigeneAnsicht_,
                      einstellungen ? einstellungen->aktuell() : standardEinstellungen_,
                      rechner.get(),
                      nullptr};
        lauf_->schritt(d);
    } catch (const figures::FlaecheVerloren&) {
        ok = false;
    }
    return ok && !still.gescheitert;
}

void Hauptprozedur::figurVerwerfen()
{
    figurSteht_ = false;
    figurQuelle_.reset();
}

bool Hauptprozedur::figurNeuZeichnen()
{
    if (!figurSteht_ || z_.LaufAktiv)
        return false;
    const Laufzustand gerettet = z_;
    // The frame computes positions as during the run.
    std::shared_ptr<const astro::Positionsquelle> ohne;
    if (rechner) {
        ohne = rechner->oskulierendeQuelle();
        rechner->setzeOskulierendeQuelle(figurQuelle_);
    }
    const bool ok = gezeigtenRahmenZeichnen(host_.flaeche(), true);
    z_ = gerettet;
    if (rechner)
        rechner->setzeOskulierendeQuelle(ohne);
    ansichtAbgleichen();
    if (!ok) {
        figurVerwerfen();
        return false;
    }
    host_.flaeche().flip();
    return true;
}

// ---------------------------------------------------------------------------
// Services of the runs

void Hauptprozedur::sofortAbbrechen()
{
    host_.optionAbschalten(Laufoption::ErgebnisSofort);
    beenden();
}

void Hauptprozedur::programmBeenden()
{
    z_.Abbruch = true;
    host_.programmBeenden();
}

void Hauptprozedur::nachrichtenVerarbeiten() { host_.pumpEvents(); }

void Hauptprozedur::zaehlerAnzeigen(bool sichtbar, const std::string& text)
{
    if (sichtbar && z_.Abbruch)
        return; // the run is being ended: Beenden has hidden the counter
    host_.zaehlerAnzeigen(sichtbar, text);
}

Antwort Hauptprozedur::meldung(Meldungsart art, const std::string& titel, const std::string& text)
{
    return host_.meldung(art, titel, text);
}

bool Hauptprozedur::zahlAbfragen(const std::string& label, int vorschlag, int minimum, int maximum, int& wert)
{
    return host_.zahlAbfragen(label, vorschlag, minimum, maximum, wert);
}

void Hauptprozedur::beenden()
{
    const bool lief = z_.LaufAktiv;
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
    if (z_.NurBisImLauf)
        host_.optionAbschalten(Laufoption::PlanetenNurZuBeginn);
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
    // The figure stays on the surface and may be drawn again (a resize, a
    // language switch): its frame needs the element tables the run loaded.
    figurSteht_ = lief && bildDa_ && !z_.Startphase && !z_.DatenOnlyLauf && regeln_.nachzeichenbar &&
                  !regeln_.ohneBild && !regeln_.ohneFortschritt &&
                  !(k_.drehungDerFiguren && std::max(z_.KonjIndex, z_.OppoIndex) > z_.FigurenAnzahl);
    figurQuelle_ = figurSteht_ && rechner ? rechner->oskulierendeQuelle() : nullptr;
    // 10: the run's arrays and the element tables it loaded.
    speicher_.freigeben();
    if (lief && rechner)
        rechner->setzeOskulierendeQuelle(nullptr);
    if (lief)
        lauf_->beendet();
    // 11.
    host_.flaeche().flip();
    // 12.
    if (!z_.Startphase)
        host_.startFokussieren();
}

} // namespace shell
