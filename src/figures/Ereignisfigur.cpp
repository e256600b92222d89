#include "figures/Ereignisfigur.h"

#include "astro/Koerper.h"

#include <algorithm>
#include <cmath>

namespace figures {

double SiderischePeriode(int koerper)
{
    return astro::SiderischePeriodeTage[static_cast<size_t>(std::clamp(koerper, 1, 21))];
}

double SynodischePeriode(int koerper1, int koerper2)
{
    const double a = SiderischePeriode(koerper1), b = SiderischePeriode(koerper2);
    return a == b ? 0.0 : std::fabs(a * b / (b - a));
}

int Schrittweitenvorschlag(int planet1, int planet2, int zentrum)
{
    double t = std::min(SiderischePeriode(planet1), SiderischePeriode(planet2));
    if (zentrum != 0)
        t = std::min(t, SiderischePeriode(zentrum));
    return static_cast<int>(std::nearbyint(t / 60.0));
}

int InnererPlanet(int planet1, int planet2)
{
    auto weite = [](int b) { return Ausdehnung[static_cast<size_t>(std::clamp(b, 1, 21))]; };
    return weite(planet2) < weite(planet1) ? planet2 : planet1;
}

void Ereignisspeicher::anlegen(int n)
{
    const size_t m = static_cast<size_t>(std::max(n, 1));
    tage.assign(m, 0.0);
    ort1.assign(m, Raumpunkt{});
    ort2.assign(m, Raumpunkt{});
    gefunden = 0;
}

} // namespace figures
