#include "astro/Gueltigkeit.h"

#include <array>

namespace astro {

namespace {

constexpr std::array<Startbereich, 3> kStartbereiche = {{
    {-GrenzeHoheGenauigkeit, 2000000.0, "astro.startbereich.eng", "astro.starthinweis.eng"},
    {-GrenzeAeussereNormal, 15000000.0, "astro.startbereich.aeussere", "astro.starthinweis.aeussere"},
    {-GrenzeNormal, 7000000.0, "astro.startbereich.standard", "astro.starthinweis.standard"},
}};

// Messages of the run limits live with the run engine's texts.
constexpr std::array<Gueltigkeitsgrenze, 5> kGrenzen = {{
    {GrenzeHoheGenauigkeit, "lauf.gueltigkeit.7000"},
    {GrenzeKleinplanetHoch, "lauf.gueltigkeit.1000"},
    {GrenzeNormal, "lauf.gueltigkeit.25000"},
    {GrenzeAeussereNormal, "lauf.gueltigkeit.50000"},
    {GrenzeChironNormal, "lauf.gueltigkeit.chiron"},
}};

} // namespace

const Startbereich& StartbereichFuer(Startbereichsfall fall) { return kStartbereiche[static_cast<int>(fall)]; }

Startbereichsfall StartbereichsfallFuer(bool hoheGenauigkeit, bool mitMond, bool nurJupiterBisPluto)
{
    if (hoheGenauigkeit || mitMond)
        return Startbereichsfall::Eng;
    return nurJupiterBisPluto ? Startbereichsfall::Aeussere : Startbereichsfall::Standard;
}

const Gueltigkeitsgrenze& GueltigkeitsgrenzeFuer(Grenzfall fall) { return kGrenzen[static_cast<int>(fall)]; }

Grenzfall GrenzfallFuer(bool hoheGenauigkeit, bool mondDarstellung, bool mitKleinplanet, bool mitChiron,
                        bool nurJupiterBisPluto)
{
    if (hoheGenauigkeit && mitKleinplanet)
        return Grenzfall::KleinplanetHoch;
    if (hoheGenauigkeit || mondDarstellung)
        return Grenzfall::HoheGenauigkeit;
    if (mitChiron)
        return Grenzfall::ChironNormal;
    if (nurJupiterBisPluto)
        return Grenzfall::AeussereNormal;
    return Grenzfall::Normal;
}

Grenzfall GrenzfallDerKoerper(std::span<const int> koerper, bool hoheGenauigkeit, bool mondDarstellung,
                              bool aeussereErlaubt)
{
    bool klein = false, chiron = false, aussen = aeussereErlaubt, irgendeiner = false;
    for (int k : koerper) {
        if (k <= 0)
            continue;
        irgendeiner = true;
        klein = klein || k >= 10;
        chiron = chiron || k == 14;
        aussen = aussen && k >= 5 && k <= 9;
    }
    return GrenzfallFuer(hoheGenauigkeit, mondDarstellung, klein, chiron, aussen && irgendeiner);
}

std::string_view GrenzmeldungFuer(double grenzeTage)
{
    for (const Gueltigkeitsgrenze& g : kGrenzen)
        if (g.tage == grenzeTage)
            return g.meldungsSchluessel;
    return GueltigkeitsgrenzeFuer(Grenzfall::Normal).meldungsSchluessel;
}

Tageszahl StartzeitBegrenzen(Tageszahl start, double grenzeTage)
{
    if (start < -grenzeTage)
        return -grenzeTage;
    if (start > grenzeTage)
        return grenzeTage - AbstandVorGrenze;
    return start;
}

} // namespace astro
