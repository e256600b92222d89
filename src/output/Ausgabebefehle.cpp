#include "output/Ausgabebefehle.h"

#include "output/Druck.h"
#include "output/TForm2.h"
#include "shell/TForm1.h"
#include "shell/TFormBedienfeld.h"
#include "sprache/Sprache.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QScreen>
#include <QPrinter>
#include <QStandardPaths>
#include <QStringList>

namespace output {

using shell::Menuepunkt;
using sprache::T;

namespace {

QString TQ(const char* schluessel) { return QString::fromStdString(T(schluessel)); }

} // namespace

Ausgabebefehle::Ausgabebefehle(shell::TForm1& form1) : QObject(&form1), f_(form1)
{
    if (QAction* a = f_.aktionen()[Menuepunkt::Bildspeichern1])
        connect(a, &QAction::triggered, this, &Ausgabebefehle::Bildspeichern1Click);
    if (QAction* a = f_.aktionen()[Menuepunkt::Drucken1])
        connect(a, &QAction::triggered, this, &Ausgabebefehle::Drucken1Click);
    // A run outside the start phase has a figure to keep.
    f_.beimSperren.push_back([this](bool gesperrt) {
        if (!gesperrt || f_.zustand().Startphase)
            return;
        for (Menuepunkt p : {Menuepunkt::Drucken1, Menuepunkt::Bildspeichern1})
            if (QAction* a = f_.aktionen()[p])
                a->setEnabled(true);
    });
}

Ausgabebefehle::~Ausgabebefehle() = default;

QPrinter& Ausgabebefehle::drucker()
{
    if (!drucker_)
        drucker_ = NeuerDrucker();
    return *drucker_;
}

// ---------------------------------------------------------------------------
// Bild speichern

QString Ausgabebefehle::dateiVorschlag() const
{
    return shell::Dateivorschlag(ordner, shell::Ordnerart::Bild, QStandardPaths::PicturesLocation,
                                 QStringLiteral("Testbild"));
}

QString Ausgabebefehle::dialogZeigen()
{
    const QFileInfo vorschlag(dateiVorschlag());
    QFileDialog dialog(&f_);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDirectory(vorschlag.absolutePath());
    dialog.setNameFilters({TQ("ausgabe.filter.bmp"), TQ("ausgabe.filter.dib"), TQ("ausgabe.filter.jpg"),
                           TQ("ausgabe.filter.png"), TQ("ausgabe.filter.svg"), TQ("ausgabe.filter.pdf")});
    dialog.setDefaultSuffix(QStringLiteral("bmp"));
    dialog.selectFile(vorschlag.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

Schreibergebnis Ausgabebefehle::speichern(const QString& name, const QImage& gezeigt)
{
    const Bildformat format = FormatBeimSpeichern(name);
    switch (format) {
    case Bildformat::Bmp:
    case Bildformat::Jpeg: return RasterSchreiben(BildAufnehmen(gezeigt, false), name, format);
    case Bildformat::Png: return RasterSchreiben(gezeigt, name, format);
    case Bildformat::Svg:
    case Bildformat::Pdf: break;
    }
    shell::Hauptprozedur& engine = f_.engine();
    return VektorSchreiben(name, format, gezeigt.size(),
                           [&engine](figures::Zeichenflaeche& z) { return engine.bildNachzeichnen(z); });
}

void Ausgabebefehle::Bildspeichern1Click()
{
    // The picture as it is shown now; the run does not pause (while the
    // dialog is open the loop waits for it anyway).
    const QImage gezeigt = f_.zeichenflaecheWidget()->gezeigt();
    if (gezeigt.isNull())
        return;
    QString name = dateiWaehlen ? dateiWaehlen() : dialogZeigen();
    if (name.isEmpty())
        return;
    if (ordner)
        ordner->merken(shell::Ordnerart::Bild, name);
    name = MitStandardendung(name);
    if (IstVektorformat(FormatBeimSpeichern(name)) && !f_.engine().bildNachzeichenbar()) {
        f_.meldung(shell::Meldungsart::Information, T("meldung.hinweis"), T("ausgabe.speichern.vektor"));
        letztesErgebnis = {};
        return;
    }
    letztesErgebnis = speichern(name, gezeigt);
    if (letztesErgebnis) {
        letzteDatei = name;
        return;
    }
    f_.meldung(shell::Meldungsart::Fehler, T("meldung.fehler"),
               T("ausgabe.speichern.fehler") + "\r" + QDir::toNativeSeparators(name).toStdString() + "\r" +
                   letztesErgebnis.grund.toStdString());
}

// ---------------------------------------------------------------------------
// Drucken ...

void Ausgabebefehle::pauseZurueck(bool vorher)
{
    // The run pauses only if it did before; a pause of our own leaves the
    // Pause button as it was, not default and in a plain font.
    f_.zustand().PauseAktiv = vorher;
    if (!vorher)
        f_.pauseHervorheben(false, T("bedienfeld.hinweis.einzelschritte"));
}

void Ausgabebefehle::Drucken1Click()
{
    if (!(druckerVorhanden ? druckerVorhanden() : DruckerVorhanden())) {
        f_.meldung(shell::Meldungsart::Fehler, T("meldung.fehler"), T("ausgabe.keindrucker"));
        return;
    }
    if (!(fensterMaximiert ? fensterMaximiert() : (f_.isMaximized() || f_.isFullScreen()))) {
        f_.meldung(shell::Meldungsart::Warnung, T("meldung.warnung"), T("ausgabe.maximieren"));
        return;
    }
    const bool vorher = f_.zustand().PauseAktiv;
    f_.zustand().PauseAktiv = true;
    const shell::Antwort a =
        f_.meldung(shell::Meldungsart::Frage, T("ausgabe.invertieren.titel"), T("ausgabe.invertieren.text"));
    if (a == shell::Antwort::Abbrechen) {
        pauseZurueck(vorher);
        return;
    }
    const QImage gezeigt = f_.zeichenflaecheWidget()->gezeigt();
    if (gezeigt.isNull()) {
        pauseZurueck(vorher);
        return;
    }
    // The control panel stands beside the sheet otherwise.
    shell::TFormBedienfeld* bedienfeld = f_.bedienfeld();
    const bool bedienfeldSichtbar = bedienfeld && bedienfeld->isVisible();
    if (bedienfeld)
        bedienfeld->hide();
    {
        TForm2 vorschau(drucker(), BildAufnehmen(gezeigt, a == shell::Antwort::Ja), &f_);
        vorschau.ordner = ordner;
        // Maximised; without a window manager that state is not honoured,
        // so the window takes the available screen itself, as the main
        // window does.
        if (QScreen* bildschirm = f_.screen())
            vorschau.setGeometry(bildschirm->availableGeometry());
        vorschau.setWindowState(Qt::WindowMaximized);
        if (vorschauZeigen)
            vorschauZeigen(vorschau);
        else
            vorschau.exec();
    }
    // FormClose: the picture is freed with the window; the panel returns
    // (if it was shown) and the pause is restored.
    if (bedienfeld && bedienfeldSichtbar)
        bedienfeld->show();
    pauseZurueck(vorher);
}

} // namespace output
