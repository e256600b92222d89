#include "figures/Ereignisse.h"

#include <algorithm>
#include <cmath>

namespace figures {

int NaechsterEreignisIndex(bool drehung, int figurenAnzahl, int zaehler)
{
    return (drehung && zaehler > figurenAnzahl) ? figurenAnzahl : zaehler;
}

int EreignissePassieren(Ereignislage& l, std::span<const double> tage, int& zaehler, Ereigniszaehlung art,
                        Ereigniszeile zeile, Figurnachruecken nachruecken)
{
    const int letzterSlot = static_cast<int>(tage.size()) - 1;
    int passiert = 0;
    while (true) {
        const int i = NaechsterEreignisIndex(l.drehung, l.figurenAnzahl, zaehler);
        if (i < 0 || i > letzterSlot)
            break;
        if (!l.drehung && zaehler >= l.konstellationszahl)
            break; // beyond the events the pre-calculation computed
        const double tag = tage[static_cast<size_t>(i)];
        if (!(l.aktuellerTag > tag))
            break;
        if (!l.pause)
            l.ereignisNeu = true;
        if (zeile && !l.fertig && !l.pause && !l.drehung && zaehler < l.zeilengrenze)
            zeile(zaehler, i);
        ++zaehler;
        ++passiert;
        if (l.drehung && zaehler > l.figurenAnzahl) {
            // The coming event is always in slot figurenAnzahl; only a new
            // figure computed into it can be passed next.
            if (!nachruecken)
                break;
            nachruecken();
            const size_t f = static_cast<size_t>(l.figurenAnzahl);
            if (f >= tage.size() || !(tage[f] > tag))
                break; // the slot did not move on: do not count it again
        }
        if (art == Ereigniszaehlung::EinesJeSchritt)
            break;
    }
    return passiert;
}

int SchrittZumTag(double t0, double dt, double ziel, int schritt, int hoechstens)
{
    if (!(dt > 0) || !std::isfinite(ziel) || schritt >= hoechstens)
        return schritt;
    long long s = schritt;
    // Straight to just below the target, then step by step.
    const double bis = std::floor((ziel - t0) / dt) - 1;
    if (bis > static_cast<double>(s))
        s = static_cast<long long>(std::min(bis, static_cast<double>(hoechstens)));
    while (s < hoechstens && t0 + static_cast<double>(s) * dt < ziel)
        ++s;
    return static_cast<int>(s);
}

int EreignisseVorausberechnen(int anzahl, double t0, double abstand, double neustartSchritt, int neustarts,
                              Ereigniszuweisung zuweisen, Ereignistag tag, Verweis<bool()> abbruch,
                              astro::Status& fehler)
{
    fehler = astro::Status::Ok();
    // Restarts after the search left the validity range at the very
    // beginning: a few quarter periods, then the range is taken as empty.
    constexpr int RandNeustarts = 3;
    int gefunden = 0, r = 0, amRand = 0;
    double t = t0;
    for (int i = 0; i < anzahl; ++i) {
        if (abbruch && abbruch()) {
            fehler = astro::Status::Fehlschlag(astro::Fehler::Abgebrochen);
            return gefunden;
        }
        const astro::Status s = zuweisen(i, t);
        if (!s) {
            if (s.fehler != astro::Fehler::AusserhalbGueltigkeit) {
                fehler = s;
                return gefunden;
            }
            if (i > 0 || amRand >= RandNeustarts || r >= neustarts)
                return gefunden;
            // The search fell below the range from its first window: a
            // quarter period later it starts inside the next one.
            ++amRand;
            ++r;
            t = t0 + r * std::max(neustartSchritt, abstand / 4);
            i = -1;
            continue;
        }
        if (tag(i) < t0) {
            // Only the first search can go back before the start.
            if (r >= neustarts)
                return 0;
            ++r;
            t = t0 + r * neustartSchritt;
            i = -1;
            gefunden = 0;
            continue;
        }
        gefunden = i + 1;
        t = tag(i) + abstand;
    }
    return gefunden;
}

} // namespace figures
