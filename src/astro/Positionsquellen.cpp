#include "astro/Positionsquellen.h"

#include "astro/MittlereElemente.h"

#include <optional>
#include <string>
#include <utility>

namespace astro {

namespace {

Status ungueltig(KoerperNr n)
{
    return Status::Fehlschlag(Fehler::UngueltigeEingabe, "astro.ungueltigerKoerper", "body " + std::to_string(n));
}

Status nichtVerfuegbar(KoerperNr n, const char* route)
{
    return Status::Fehlschlag(Fehler::NichtVerfuegbar, "astro.nichtVerfuegbar",
                              std::string(route) + " not loaded for body " + std::to_string(n));
}

Ergebnis<PositionXYZ> ueberQuelle(const std::shared_ptr<const Positionsquelle>& quelle, const char* route,
                                  KoerperNr n, Tageszahl tag, const Rechenoptionen& optionen, bool hoch)
{
    if (!quelle)
        return nichtVerfuegbar(n, route);
    Rechenoptionen o = optionen;
    o.HoheGenauigkeit = hoch;
    return quelle->position(n, tag, o);
}

// Invalid numbers and the Sun are answered alike on both routes.
std::optional<Ergebnis<PositionXYZ>> ohneQuelle(KoerperNr n)
{
    if (!IstKoerper(n))
        return Ergebnis<PositionXYZ>(ungueltig(n));
    if (n == koerper::Sonne)
        return Ergebnis<PositionXYZ>(PositionXYZ{});
    return std::nullopt;
}

constexpr const char* kReihen = "series";
constexpr const char* kOskulierend = "osculating elements";

} // namespace

void Positionsrechner::setzeReihenquelle(std::shared_ptr<const Positionsquelle> quelle) { reihen_ = std::move(quelle); }

void Positionsrechner::setzeOskulierendeQuelle(std::shared_ptr<const Positionsquelle> quelle)
{
    oskulierend_ = std::move(quelle);
}

Ergebnis<PositionXYZ> Positionsrechner::PositionGenau(KoerperNr n, Tageszahl tag, const Rechenoptionen& optionen) const
{
    if (auto sofort = ohneQuelle(n))
        return *sofort;
    if (n <= koerper::Neptun)
        return ueberQuelle(reihen_, kReihen, n, tag, optionen, true);
    return ueberQuelle(oskulierend_, kOskulierend, n, tag, optionen, true);
}

Ergebnis<PositionXYZ> Positionsrechner::PositionNormal(KoerperNr n, Tageszahl tag, const Rechenoptionen& optionen) const
{
    if (auto sofort = ohneQuelle(n))
        return *sofort;
    if (n <= koerper::Mars)
        return PositionMittlereElemente(n, tag, optionen.MitPraezession);
    return ueberQuelle(oskulierend_, kOskulierend, n, tag, optionen, false);
}

Ergebnis<PositionXYZ> Positionsrechner::Position(KoerperNr n, Tageszahl tag, const Rechenoptionen& optionen) const
{
    return optionen.HoheGenauigkeit ? PositionGenau(n, tag, optionen) : PositionNormal(n, tag, optionen);
}

bool Positionsrechner::verfuegbar(KoerperNr n, bool hoheGenauigkeit) const
{
    if (!IstKoerper(n))
        return false;
    if (n == koerper::Sonne)
        return true;
    if (hoheGenauigkeit)
        return n <= koerper::Neptun ? reihen_ != nullptr : oskulierend_ != nullptr;
    return n <= koerper::Mars || oskulierend_ != nullptr;
}

} // namespace astro
