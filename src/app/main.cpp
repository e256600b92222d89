// Program entry of the desktop program.
#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(" Velmora"));
    return 0;
}
