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
#include "ui/Mysteriumbefehle.h"
#include "ui/EinstellungsAnbindung.h"
#include "ui/Programmstart.h"
#include "ui/Startzeit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>

#include <cstdio>
#include <cstring>
#include <unistd.h>

#ifndef VELMORA_VERSION
#define VELMORA_VERSION "0"
#endif

namespace {

void hilfe()
{
    std::fputs("Usage: velmora [Qt options] [--time-to-first-frame]\n"
               "Starts the Velmora main window.\n\n"
               "  --time-to-first-frame  print the milliseconds from process start to the first\n"
               "                         drawn frame of the start animation, then quit\n"
               "  --help                 this text\n"
               "  --version              the program version\n"
               "Qt's own options (-platform, -style, ...) are understood as well.\n",
               stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QElapsedTimer seitMain;
    seitMain.start();
    bool ersteBildzeit = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            hilfe();
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("velmora " VELMORA_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--time-to-first-frame") == 0)
            ersteBildzeit = true;
    }
    QApplication app(argc, argv);
    ui::AnwendungBenennen();

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
    datenausgabeMenues.ordner = einstellungsAnbindung.ordner();
    // Representation commands (menu states) and the help menu.
    new ui::Darstellungsbefehle(form1, *menuebefehle, *darstellungen, &datenausgabeMenues);
    new ui::Hilfemenue(form1, *menuebefehle);
    // "Platon/Kepler" and the start animation.
    new ui::Mysteriumbefehle(form1, *menuebefehle);
    // "Bild speichern" and "Drucken ..." (their items are built by the menu
    // commands above).
    auto* ausgabebefehle = new output::Ausgabebefehle(form1);
    ausgabebefehle->ordner = einstellungsAnbindung.ordner();
    // Without a window manager "maximised" is not honoured: start with the
    // whole available screen anyway.
    if (QScreen* s = QGuiApplication::primaryScreen())
        form1.setGeometry(s->availableGeometry());
    if (ersteBildzeit) {
        // The first frame ends the measurement and the program, without the
        // closing questions and without writing the settings.
        QObject::connect(form1.zeichenflaecheWidget(), &shell::ZeichenWidget::erstesBild, [&seitMain] {
            const auto prozess = ui::MillisekundenSeitProzessstart();
            const QString zeile = QStringLiteral("first frame after %1 ms (process start), %2 ms (program entry)\n")
                                      .arg(prozess ? QString::number(*prozess, 'f', 1) : QStringLiteral("-"))
                                      .arg(QString::number(seitMain.nsecsElapsed() / 1.0e6, 'f', 1));
            std::fputs(zeile.toUtf8().constData(), stdout);
            std::fflush(stdout);
            _exit(0);
        });
    }
    form1.showMaximized();
    return app.exec();
}
