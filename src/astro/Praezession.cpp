#include "astro/Praezession.h"

#include "astro/Koordinaten.h"

#include <cmath>

namespace astro {

LaengeBreite PraezessionEkliptikal(LaengeBreite ein, Praezessionsrichtung richtung, Tageszahl tag)
{
    const double tau = (JulianischesDatum(tag) - 2451545.0) / 365250.0;
    // T: starting epoch, t: interval, both in Julian millennia from J2000.
    const double T = richtung == Praezessionsrichtung::ZumDatum ? 0.0 : tau;
    const double t = richtung == Praezessionsrichtung::ZumDatum ? tau : -tau;
    const double T2 = T * T, T3 = T2 * T, T4 = T3 * T, T5 = T4 * T;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t, t5 = t4 * t, t6 = t5 * t;

    const double eta = t * (469.9729 - 6.7011 * T + 0.0448 * T2 - 0.0019 * T3 - 0.0001 * T4) +
                       t2 * (-3.3505 + 0.0448 * T - 0.0028 * T2 - 0.0002 * T3 + 0.0001 * T4) +
                       t3 * (-0.1237 - 0.0004 * T - 0.0002 * T2 + 0.0001 * T3) +
                       t4 * (0.0003 - 0.0001 * T + 0.0001 * T2);
    const double Pi = 629543.433 + 32929.659 * T + 95.352 * T2 - 0.005 * T3 - 0.459 * T4 - 0.01 * T5 +
                      t * (-8679.27 - 15.851 * T - 0.113 * T2 - 0.448 * T3 - 0.019 * T4) +
                      t2 * (15.342 - 0.019 * T - 0.432 * T2 - 0.023 * T3) + t3 * (0.005 - 0.208 * T - 0.015 * T2) +
                      t4 * (-0.037 - 0.005 * T) - 0.001 * t5;
    const double p = t * (50288.2 + 222.4045 * T + 0.2095 * T2 - 0.9408 * T3 - 0.009 * T4 + 0.001 * T5) +
                     t2 * (111.2022 + 0.2095 * T - 1.4111 * T2 - 0.018 * T3 + 0.0026 * T4) +
                     t3 * (0.0773 - 0.941 * T - 0.018 * T2 + 0.0035 * T3) + t4 * (-0.2353 - 0.009 * T + 0.0026 * T2) +
                     t5 * (-0.0018 + 0.001 * T) + 0.0002 * t6;

    constexpr double BogensekundeZuRad = 3.14159265358979323846 / 648000.0;
    const double etaR = eta * BogensekundeZuRad;
    const double PiR = Pi * BogensekundeZuRad;
    const double pR = p * BogensekundeZuRad;

    const double lambda = ein.L * GradZuRad;
    const double beta = ein.B * GradZuRad;
    const double cosEta = std::cos(etaR), sinEta = std::sin(etaR);
    const double cosBeta = std::cos(beta), sinBeta = std::sin(beta);
    const double sinPiL = std::sin(PiR - lambda);
    const double A = cosEta * cosBeta * sinPiL - sinEta * sinBeta;
    const double Bq = cosBeta * std::cos(PiR - lambda);
    double C = cosEta * sinBeta + sinEta * cosBeta * sinPiL;
    C = C > 1.0 ? 1.0 : (C < -1.0 ? -1.0 : C); // rounding at the poles

    LaengeBreite aus;
    aus.L = (pR + PiR - std::atan2(A, Bq)) * RadZuGrad;
    if (aus.L < 0.0)
        aus.L += 360.0;
    aus.B = std::asin(C) * RadZuGrad;
    return aus;
}

} // namespace astro
