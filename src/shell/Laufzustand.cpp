#include "shell/Laufzustand.h"

namespace shell {

namespace {

void weg(std::vector<double>& v) { std::vector<double>().swap(v); }

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
    weg(tage);
    for (int j = 0; j < 3; ++j) {
        weg(X[j]);
        weg(Y[j]);
        weg(Z[j]);
    }
}

void Laufspeicher::freigeben()
{
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

} // namespace shell
