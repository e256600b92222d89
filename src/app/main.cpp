// Program entry of the desktop program: load the planet theory, create the
// windows in their order, run the message loop.
#include "shell/TForm1.h"
#include "ui/Eingabedialoge.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral(" Velmora"));

    shell::TForm1 form1;
    ui::DialogeAnlegen(form1);
    // Without a window manager "maximised" is not honoured: start with the
    // whole available screen anyway.
    if (QScreen* s = QGuiApplication::primaryScreen())
        form1.setGeometry(s->availableGeometry());
    form1.showMaximized();
    return app.exec();
}
