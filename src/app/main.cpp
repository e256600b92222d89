// Program entry of the desktop program: load the planet theory, create the
// windows in their order, run the message loop.
#include "astro/Zeit.h"
#include "output/Ausgabebefehle.h"
#include "shell/TForm1.h"
#include "ui/DatenausgabeMenues.h"
#include "ui/Darstellungen.h"
#include "ui/Darstellungsbefehle.h"
#include "ui/DatumMenues.h"
#include "ui/Hilfe.h"
#include "ui/Menuebefehle.h"
#include "ui/EinstellungsAnbindung.h"
#include "ui/Programmstart.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral(" Velmora"));

    // Program load: without its data files the program cannot compute and
    // ends after telling the user.
    auto rechner = ui::Programmladen(argc > 0 ? argv[0] : nullptr);
    if (!rechner)
        return 1;

    // The settings in use and the user's own; the barycentre Sun radius
    // defaults from the screen size.
    QScreen* bildschirm = QGuiApplication::primaryScreen();
    figures::Einstellungen einstellungen(
        bildschirm ? figures::StandardASonneBary(bildschirm->geometry().width(), bildschirm->geometry().height())
                   : figures::Einstellungssatz{}.IntASonneBary);

    shell::TForm1 form1;
    form1.rechner = rechner;
    form1.einstellungen = &einstellungen;
    form1.engine().einstellungen = &einstellungen;
    form1.engine().rechner = rechner;
    form1.engine().datumFormatierer = [](double tag) { return astro::DatumText(tag); };
    // Every representation from its row of the table: its menu item, its run
    // and its dialog.
    auto* darstellungen = new ui::Darstellungsregister(form1);
    // The view and option commands first: the settings put their
    // calculation levels into "Berechnungsgrundlagen" and read "hohe
    // Genauigkeit" back into its check mark.
    auto* menuebefehle = new ui::Menuebefehle(form1);
    // Reads the stored settings and puts the settings menus into form1.
    ui::EinstellungsAnbindung einstellungsAnbindung(form1, einstellungen);
    // Start date menu and data output table.
    ui::DatumMenues datumMenues(form1);
    ui::DatenausgabeMenues datenausgabeMenues(form1);
    // Representation commands (menu states) and the help menu.
    new ui::Darstellungsbefehle(form1, *menuebefehle, *darstellungen, &datenausgabeMenues);
    new ui::Hilfemenue(form1, *menuebefehle);
    // "Bild speichern" and "Drucken ..." (their items are built by the menu
    // commands above).
    new output::Ausgabebefehle(form1);
    // Without a window manager "maximised" is not honoured: start with the
    // whole available screen anyway.
    if (QScreen* s = QGuiApplication::primaryScreen())
        form1.setGeometry(s->availableGeometry());
    form1.showMaximized();
    return app.exec();
}
