#include "ui/Mysteriumbefehle.h"

#include "mysterium/Startanimation.h"
#include "shell/MysteriumAblauf.h"
#include "shell/TForm1.h"
#include "shell/TFormBedienfeld.h"
#include "sprache/Sprache.h"
#include "ui/Menuebefehle.h"
#include "ui/Sprachwechsel.h"
#include "ui/TFormUe.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTime>
#include <QLineEdit>

namespace ui {

using shell::Darstellung;
using shell::Koerper3D;
using shell::Menuepunkt;

namespace {

// What neither a solid nor Kepler's Mysterium offers.
constexpr Menuepunkt kAusgabe[] = {Menuepunkt::FigurenDrehung1, Menuepunkt::PlannurzuBeginn1, Menuepunkt::sofort1,
                                   Menuepunkt::AusgabeKonj,     Menuepunkt::Koordinaten1,     Menuepunkt::Winkel1,
                                   Menuepunkt::Entfernung1,     Menuepunkt::DeltaT1,          Menuepunkt::Datenspeichern1};
constexpr Menuepunkt kTierkreis[] = {Menuepunkt::Tierkreis1, Menuepunkt::Sternzeichen1, Menuepunkt::wedernoch1};

} // namespace

Mysteriumbefehle::Mysteriumbefehle(shell::TForm1& form1, Menuebefehle& menue, std::uint64_t saat)
    : QObject(&form1), f_(form1), m_(menue)
{
    struct Eintrag {
        Menuepunkt punkt;
        Koerper3D koerper;
    };
    for (Eintrag e : {Eintrag{Menuepunkt::Tetraeder1, Koerper3D::Tetraeder}, Eintrag{Menuepunkt::Hexaeder1, Koerper3D::Hexaeder},
                      Eintrag{Menuepunkt::Oktaeder1, Koerper3D::Oktaeder}, Eintrag{Menuepunkt::Dodekaeder1, Koerper3D::Dodekaeder},
                      Eintrag{Menuepunkt::Ikosaeder1, Koerper3D::Ikosaeder},
                      Eintrag{Menuepunkt::Dodekaederstern1, Koerper3D::Dodekaederstern},
                      Eintrag{Menuepunkt::Ikosaederstern1, Koerper3D::Ikosaederstern}}) {
        QAction* x = a(e.punkt);
        x->setEnabled(true);
        connect(x, &QAction::triggered, this, [this, k = e.koerper] { KoerperClick(k); });
    }
    for (Menuepunkt p : {Menuepunkt::Metamorphose1, Menuepunkt::Mysterium1, Menuepunkt::Sterneeinfarbig1})
        a(p)->setEnabled(true);
    connect(a(Menuepunkt::Metamorphose1), &QAction::triggered, this, &Mysteriumbefehle::Metamorphose1Click);
    connect(a(Menuepunkt::Mysterium1), &QAction::triggered, this, &Mysteriumbefehle::Mysterium1Click);
    connect(a(Menuepunkt::Sterneeinfarbig1), &QAction::triggered, this, &Mysteriumbefehle::Sterneeinfarbig1Click);
    f_.konfiguration().sterneEinfarbig = a(Menuepunkt::Sterneeinfarbig1)->isChecked();

    // A representation command leaves the solid mode: first the items it
    // switched off come back, then the command sets its own states.
    auto vorher = f_.darstellungsBefehl;
    f_.darstellungsBefehl = [this, vorher](Darstellung d, bool neu) {
        zurueckgeben();
        if (vorher)
            vorher(d, neu);
    };

    // The start animation's parameters, drawn once.
    if (saat == 0)
        saat = static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
    if (auto* start = dynamic_cast<shell::Startablauf*>(f_.engine().ablauf(Darstellung::Startphase)))
        start->animation =
            shell::Startanimationsbild(f_, mysterium::StartparameterZiehen(mysterium::ZufallAusSaat(saat)));

    Sprachwechsel::instanz().anmelden(this, [this] { retranslate(); });
    retranslate();
}

QAction* Mysteriumbefehle::a(Menuepunkt p) const { return f_.aktionen()[p]; }

void Mysteriumbefehle::retranslate()
{
    QAction* x = a(Menuepunkt::Sterneeinfarbig1);
    x->setText(x->isChecked() ? TQ("menu.sterneeinfarbig") : TQ("menu.sternemehrfarbig"));
}

void Mysteriumbefehle::abschalten(std::initializer_list<Menuepunkt> punkte)
{
    for (Menuepunkt p : punkte) {
        QAction* x = a(p);
        if (!x)
            continue;
        bool schon = false;
        for (const auto& [y, an] : abgeschaltet_)
            schon = schon || y == x;
        if (!schon)
            abgeschaltet_.emplace_back(x, x->isEnabled());
        x->setEnabled(false);
    }
}

void Mysteriumbefehle::zurueckgeben()
{
    for (auto [x, an] : abgeschaltet_)
        x->setEnabled(an);
    abgeschaltet_.clear();
}

void Mysteriumbefehle::GemeinsameZuweisungenSterne()
{
    auto& k = f_.konfiguration();
    auto* panel = f_.bedienfeld();
    // Out of Kepler's Mysterium first: its items come back before the solid
    // mode takes its own.
    if (k.keplersMysterium)
        zurueckgeben();
    k.keplersMysterium = false;
    f_.zustand().MysteriumModus = true;
    panel->mysteriumModus = true;
    panel->nurBahnenSichtbar(false);
    panel->startAktiv(true, false);
    panel->pauseAktiviert(false);
    for (Menuepunkt p : {Menuepunkt::FigurenDrehung1, Menuepunkt::PlannurzuBeginn1, Menuepunkt::sofort1,
                         Menuepunkt::AusgabeKonj, Menuepunkt::Legende1, Menuepunkt::Massstab1,
                         Menuepunkt::Zentrummarkieren1, Menuepunkt::SonneZentrum1})
        if (QAction* x = a(p); x && x->isChecked())
            x->trigger();
    a(Menuepunkt::wedernoch1)->setChecked(true);
    m_.wedernoch1Click();
    abschalten({Menuepunkt::Legende1, Menuepunkt::Massstab1, Menuepunkt::Zentrummarkieren1, Menuepunkt::SonneZentrum1,
                Menuepunkt::Tierkreis1, Menuepunkt::Sternzeichen1, Menuepunkt::wedernoch1, Menuepunkt::Datum1,
                Menuepunkt::Berechnungsgr1});
    for (Menuepunkt p : kAusgabe)
        abschalten({p});
    m_.konfigurationAbgleichen();
    f_.startDruecken();
}

void Mysteriumbefehle::KoerperClick(Koerper3D koerper)
{
    auto& k = f_.konfiguration();
    if (f_.zustand().LaufAktiv)
        return;
    for (bool& b : k.koerper3D)
        b = false;
    k.koerper3D[static_cast<int>(koerper)] = true;
    k.metamorphose = false;
    GemeinsameZuweisungenSterne();
}

void Mysteriumbefehle::Metamorphose1Click()
{
    auto& k = f_.konfiguration();
    if (f_.zustand().LaufAktiv)
        return;
    for (bool& b : k.koerper3D)
        b = false;
    k.metamorphose = true;
    f_.bedienfeld()->tempoFeld()->setText(QStringLiteral("3"));
    GemeinsameZuweisungenSterne();
}

void Mysteriumbefehle::Mysterium1Click()
{
    if (f_.zustand().LaufAktiv)
        return;
    auto& k = f_.konfiguration();
    // The overview, reset as its command does (which also gives back what
    // the solid mode took).
    if (QAction* ue = f_.darstellungsAktion(Darstellung::Ueberblick))
        ue->setChecked(true);
    k.menueDarstellung = Darstellung::Ueberblick;
    f_.zustand().MysteriumModus = false;
    if (f_.darstellungsBefehl)
        f_.darstellungsBefehl(Darstellung::Ueberblick, true);
    a(Menuepunkt::Mysterium1)->setChecked(true);
    k.keplersMysterium = true;
    for (bool& b : k.koerper3D)
        b = false;
    k.metamorphose = false;

    if (auto* ue = dynamic_cast<TFormUe*>(f_.dialog(Darstellung::Ueberblick))) {
        if (ue->CheckBoxKE && ue->CheckBoxKE->isChecked())
            ue->CheckBoxKE->setChecked(false);
        if (!keplerSchonGewaehlt_) {
            // Kepler's day, 1595-07-19, the first time.
            if (QAction* jetzt = a(Menuepunkt::Startzeit1); jetzt && jetzt->isChecked())
                jetzt->trigger();
            if (ue->Edit9)
                ue->Edit9->setText(QStringLiteral("-147724"));
        }
    }
    keplerSchonGewaehlt_ = true;

    auto* panel = f_.bedienfeld();
    panel->nurBahnenSichtbar(true);
    panel->sternGruppeSichtbar(false);
    panel->setzeNurLinien(true);
    panel->tempoFeld()->setText(QStringLiteral("3"));
    panel->startAktiv(true, false);
    if (QAction* x = a(Menuepunkt::SonneZentrum1); x && !x->isChecked())
        x->trigger();
    for (Menuepunkt p : {Menuepunkt::Massstab1, Menuepunkt::Legende1, Menuepunkt::FigurenDrehung1,
                         Menuepunkt::PlannurzuBeginn1, Menuepunkt::sofort1, Menuepunkt::AusgabeKonj})
        if (QAction* x = a(p); x && x->isChecked())
            x->trigger();
    for (Menuepunkt p : kTierkreis)
        abschalten({p});
    for (Menuepunkt p : kAusgabe)
        abschalten({p});
    m_.konfigurationAbgleichen();
    k.nurLinien = true;
    f_.startDruecken();
}

void Mysteriumbefehle::Sterneeinfarbig1Click()
{
    // The check mark flipped already (a checkable item).
    f_.konfiguration().sterneEinfarbig = a(Menuepunkt::Sterneeinfarbig1)->isChecked();
    retranslate();
}

} // namespace ui
