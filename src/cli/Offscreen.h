#pragma once
// Shared pieces of the rendering sub-commands: a Qt application on the
// offscreen platform (no display needed), the figure registry of "render",
// and a WxH parser.

#include "cli/Befehle.h"

#include <QGuiApplication>

#include <map>
#include <memory>
#include <string>

namespace cli {

class OffscreenAnwendung {
public:
    OffscreenAnwendung();
    ~OffscreenAnwendung();

private:
    std::unique_ptr<QGuiApplication> app_;
};

// "render FIGURE ...": each figure registers its renderer by name.
std::map<std::string, Befehlsfunktion>& renderFiguren();
struct RenderRegistrierung {
    RenderRegistrierung(const std::string& name, Befehlsfunktion f) { renderFiguren()[name] = std::move(f); }
};

bool groesseLesen(const std::string& text, int& breite, int& hoehe);

} // namespace cli
