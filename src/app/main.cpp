// Program entry of the desktop program: load the planet theory, create the
// windows in their order, run the message loop.
#include "shell/TForm1.h"
#include "ui/Eingabedialoge.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setApplicationDisplayName(QStringLiteral(" Velmora"));

    shell::TForm1 form1;
    ui::DialogeAnlegen(form1);
    form1.showMaximized();
    return app.exec();
}
