#pragma once
// Full VSOP87D series (heliocentric L, B, R, ecliptic and equinox of date)
// for the generator's check of the integration, and the rigorous ecliptic
// precession used to refer them to J2000.

#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

namespace osku {

struct VsopTerm {
    double a, b, c;
};

class Vsop87D {
public:
    // Reads one VSOP87D file; false when it cannot be read.
    bool lesen(const std::string& pfad)
    {
        std::ifstream ein(pfad);
        if (!ein)
            return false;
        std::string zeile;
        int variable = -1, potenz = -1;
        while (std::getline(ein, zeile)) {
            if (zeile.find("VSOP87") != std::string::npos) {
                const auto pv = zeile.find("VARIABLE");
                const auto pt = zeile.find("*T**");
                if (pv == std::string::npos || pt == std::string::npos)
                    return false;
                variable = std::stoi(zeile.substr(pv + 8, 3)) - 1;
                potenz = std::stoi(zeile.substr(pt + 4, 2));
                if (variable < 0 || variable > 2 || potenz < 0 || potenz > 5)
                    return false;
                continue;
            }
            if (variable < 0)
                return false;
            std::istringstream woerter(zeile);
            std::vector<std::string> t;
            std::string w;
            while (woerter >> w)
                t.push_back(w);
            if (t.size() < 3)
                continue;
            // The last three fields are A, B, C of A·cos(B + C·T).
            serien_[variable][potenz].push_back(
                {std::stod(t[t.size() - 3]), std::stod(t[t.size() - 2]), std::stod(t[t.size() - 1])});
        }
        return true;
    }

    // L, B (radians, equinox of date) and R (AU) at JD (TD).
    void lbr(double jd, double& l, double& b, double& r) const
    {
        const double t = (jd - 2451545.0) / 365250.0;
        double w[3];
        for (int v = 0; v < 3; ++v) {
            double summe = 0, tp = 1;
            for (int p = 0; p < 6; ++p) {
                double s = 0;
                for (const auto& term : serien_[v][p])
                    s += term.a * std::cos(term.b + term.c * t);
                summe += s * tp;
                tp *= t;
            }
            w[v] = summe;
        }
        l = std::fmod(w[0], 2 * std::numbers::pi);
        if (l < 0)
            l += 2 * std::numbers::pi;
        b = w[1];
        r = w[2];
    }

private:
    std::vector<VsopTerm> serien_[3][6];
};

// Ecliptic precession between J2000 and the equinox of date (η, Π, p in
// Julian millennia of the start epoch T and interval t). zumDatum: J2000 →
// date; otherwise date → J2000. Angles in radians.
inline void praezession(double& l, double& b, double jd, bool zumDatum)
{
    const double tau = (jd - 2451545.0) / 365250.0;
    const double T = zumDatum ? 0.0 : tau, t = zumDatum ? tau : -tau;
    const double T2 = T * T, T3 = T2 * T, T4 = T3 * T, T5 = T4 * T;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t, t5 = t4 * t, t6 = t5 * t;
    const double eta = t * (469.9729 - 6.7011 * T + 0.0448 * T2 - 0.0019 * T3 - 0.0001 * T4)
                       + t2 * (-3.3505 + 0.0448 * T - 0.0028 * T2 - 0.0002 * T3 + 0.0001 * T4)
                       + t3 * (-0.1237 - 0.0004 * T - 0.0002 * T2 + 0.0001 * T3) + t4 * (0.0003 - 0.0001 * T + 0.0001 * T2);
    const double pi = 629543.433 + 32929.659 * T + 95.352 * T2 - 0.005 * T3 - 0.459 * T4 - 0.01 * T5
                      + t * (-8679.27 - 15.851 * T - 0.113 * T2 - 0.448 * T3 - 0.019 * T4)
                      + t2 * (15.342 - 0.019 * T - 0.432 * T2 - 0.023 * T3) + t3 * (0.005 - 0.208 * T - 0.015 * T2)
                      + t4 * (-0.037 - 0.005 * T) - 0.001 * t5;
    const double p = t * (50288.2 + 222.4045 * T + 0.2095 * T2 - 0.9408 * T3 - 0.009 * T4 + 0.001 * T5)
                     + t2 * (111.2022 + 0.2095 * T - 1.4111 * T2 - 0.018 * T3 + 0.0026 * T4)
                     + t3 * (0.0773 - 0.941 * T - 0.018 * T2 + 0.0035 * T3) + t4 * (-0.2353 - 0.009 * T + 0.0026 * T2)
                     + t5 * (-0.0018 + 0.001 * T) + 0.0002 * t6;
    const double bs = std::numbers::pi / 648000.0;
    const double e = eta * bs, pp = pi * bs;
    const double a = std::cos(e) * std::cos(b) * std::sin(pp - l) - std::sin(e) * std::sin(b);
    const double bq = std::cos(b) * std::cos(pp - l);
    const double c = std::cos(e) * std::sin(b) + std::sin(e) * std::cos(b) * std::sin(pp - l);
    l = p * bs + pp - std::atan2(a, bq);
    l = std::fmod(l, 2 * std::numbers::pi);
    if (l < 0)
        l += 2 * std::numbers::pi;
    b = std::asin(c);
}

} // namespace osku
