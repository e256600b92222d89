#include "ui/DatumMenues.h"

#include "astro/Zeit.h"
#include "shell/Eingabebehandlung.h"
#include "shell/TForm1.h"
#include "shell/Zahlenfeld.h"
#include "ui/Sprachwechsel.h"
#include "ui/TFormDatum.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>

#include <cstdio>

namespace ui {

namespace {

// The panel's time labels: "JD " and the Julian Date with three decimals, or
// the date text.
std::string panelDatum(const shell::Laufkonfiguration& k, double tag)
{
    if (!k.julianischesDatum)
        return astro::DatumText(tag);
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "JD %4s", astro::StartzeitText(astro::JulianischesDatum(tag)).c_str());
    return puffer;
}

} // namespace

DatumMenues::DatumMenues(shell::TForm1& form1) : form1_(form1)
{
    QMenu* einstellungen = form1.menue(shell::Hauptmenue::Einstellungen);
    datum1_ = new QMenu(einstellungen);
    form1.aktionen().eintragen(shell::Menuepunkt::Datum1, datum1_->menuAction());
    datum1_->setObjectName(QStringLiteral("Datum1"));
    datum1_->setToolTipsVisible(true);
    // "Datumsanzeige" stands after "Drehung der Figuren", before
    // "Berechnungsgrundlagen".
    QAction* vor = form1.aktionen()[shell::Menuepunkt::Berechnungsgr1];
    if (!vor || !einstellungen->actions().contains(vor))
        vor = einstellungen->actions().isEmpty() ? nullptr : einstellungen->actions().first();
    einstellungen->insertMenu(vor, datum1_);
    form1.beiLaufSperren(datum1_->menuAction());

    startzeit1_ = datum1_->addAction(QString());
    form1.aktionen().eintragen(shell::Menuepunkt::Startzeit1, startzeit1_);
    startzeit1_->setCheckable(true);
    startzeiteingeben1_ = datum1_->addAction(QString());
    form1.aktionen().eintragen(shell::Menuepunkt::Startzeiteingeben1, startzeiteingeben1_);
    startzeiteingeben1_->setShortcut(QKeySequence(Qt::Key_F9));
    julDay1_ = datum1_->addAction(QString());
    form1.aktionen().eintragen(shell::Menuepunkt::JulDay1, julDay1_);
    julDay1_->setCheckable(true);
    julDay1_->setChecked(form1.konfiguration().julianischesDatum);
    for (QAction* a : {startzeit1_, startzeiteingeben1_, julDay1_})
        form1.beiLaufSperren(a);

    connect(startzeit1_, &QAction::triggered, this, &DatumMenues::Startzeit1Click);
    laufbeginnIndex_ = form1.beimLaufbeginn.size();
    form1.beimLaufbeginn.push_back([this] { startzeitErneuern(); });
    connect(startzeiteingeben1_, &QAction::triggered, this, &DatumMenues::Startzeiteingeben1Click);
    connect(julDay1_, &QAction::triggered, this, &DatumMenues::JulDay1Click);

    form1.engine().datumFormatierer = [this](double tag) { return panelDatum(form1_.konfiguration(), tag); };
    Sprachwechsel::instanz().anmelden(this, [this] { retranslate(); });
    retranslate();
}

DatumMenues::~DatumMenues()
{
    if (laufbeginnIndex_ < form1_.beimLaufbeginn.size())
        form1_.beimLaufbeginn[laufbeginnIndex_] = nullptr;
    form1_.engine().datumFormatierer = [](double tag) { return astro::DatumText(tag); };
}

void DatumMenues::retranslate()
{
    datum1_->setTitle(TQ("menu.datum"));
    startzeit1_->setText(TQ("menu.startzeitjetzt"));
    startzeiteingeben1_->setText(TQ("menu.startzeiteingeben"));
    julDay1_->setText(TQ("menu.julday"));
}

void DatumMenues::startfelderSetzen(const QString& text, const QString& ueberblick)
{
    auto& felder = shell::Startfelder::von(&form1_);
    for (shell::Startfeld* f : felder.alle())
        f->feld()->setText(f == felder.feld(shell::Darstellung::Ueberblick) ? ueberblick : text);
}

void DatumMenues::Startzeit1Click()
{
    shell::Laufkonfiguration& k = form1_.konfiguration();
    k.startzeitJetzt = startzeit1_->isChecked();
    if (k.startzeitJetzt) {
        // The local civil time taken as TD, as it stands.
        const QDateTime jetzt = uhr();
        const QDate d = jetzt.date();
        const QTime t = jetzt.time();
        const double tag = astro::TagAusOrtszeit(d.year(), d.month(), d.day(), t.hour(), t.minute(),
                                                 t.second() + t.msec() / 1000.0);
        jetztText_ = QString::fromStdString(astro::StartzeitText(tag));
        startfelderSetzen(jetztText_, jetztText_);
    } else {
        const bool mysterium = k.keplersMysterium || form1_.zustand().MysteriumModus;
        startfelderSetzen(QStringLiteral("0"), mysterium ? QStringLiteral("-147724") : QStringLiteral("0"));
    }
}

void DatumMenues::startzeitErneuern()
{
    if (!form1_.konfiguration().startzeitJetzt)
        return;
    shell::Startfeld* f = shell::Startfelder::von(&form1_).feld(form1_.konfiguration().menueDarstellung);
    // A field that no longer holds the time the command wrote takes the
    // present time again.
    if (f && f->feld()->text() == jetztText_)
        return;
    Startzeit1Click();
}

void DatumMenues::Startzeiteingeben1Click()
{
    TFormDatum dialog(&form1_);
    dialog.setzen(jahr_, monat_, tag_);
    if (dialogZeigen)
        dialogZeigen(dialog);
    else
        dialog.exec();
    // Whatever closed the dialog, the entry counts.
    const long long tag = astro::DatumZuTag(dialog.jahr(), dialog.monat(), dialog.tag());
    const QString text = QString::number(tag);
    startfelderSetzen(text, text);
    // The texts as typed, completed by the field rules.
    jahr_ = QString::fromStdString(shell::JahrPruefen(dialog.editJ()->text().toStdString()).text);
    monat_ = QString::fromStdString(
        shell::MonatTagMerken(shell::MonatTagPruefen(dialog.editM()->text().toStdString(), 12).text));
    tag_ = QString::fromStdString(
        shell::MonatTagMerken(shell::MonatTagPruefen(dialog.editT()->text().toStdString(), 31).text));
}

void DatumMenues::JulDay1Click()
{
    shell::Laufkonfiguration& k = form1_.konfiguration();
    k.julianischesDatum = julDay1_->isChecked();
    for (shell::Startfeld* f : shell::Startfelder::von(&form1_).alle()) {
        f->setzeJD(k.julianischesDatum);
        f->labelAktualisieren();
    }
}

} // namespace ui
