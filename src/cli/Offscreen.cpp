#include "cli/Offscreen.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdlib>

namespace cli {

OffscreenAnwendung::OffscreenAnwendung()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QDir::tempPath().toLocal8Bit() + "/velmora-runtime");
    static int argc = 1;
    static char name[] = "velmora-cli";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
}

OffscreenAnwendung::~OffscreenAnwendung() = default;

std::map<std::string, Befehlsfunktion>& renderFiguren()
{
    static std::map<std::string, Befehlsfunktion> figuren;
    return figuren;
}

bool groesseLesen(const std::string& text, int& breite, int& hoehe)
{
    const auto x = text.find('x');
    if (x == std::string::npos)
        return false;
    long long b = 0, h = 0;
    if (!ganzzahlLesen(text.substr(0, x), b) || !ganzzahlLesen(text.substr(x + 1), h))
        return false;
    if (b < 16 || h < 16 || b > 20000 || h > 20000)
        return false;
    breite = static_cast<int>(b);
    hoehe = static_cast<int>(h);
    return true;
}

} // namespace cli
