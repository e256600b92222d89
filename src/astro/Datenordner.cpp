#include "astro/Datenordner.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

// Set by the build for this file alone: the path from the installed
// executable to its share folder, and in development builds the source tree.
#ifndef VELMORA_INSTALL_TEILPFAD
#define VELMORA_INSTALL_TEILPFAD "../share/velmora"
#endif

namespace astro {

namespace fs = std::filesystem;

std::string ProgrammOrdner(const char* argv0)
{
    std::error_code fehler;
    const fs::path exe = fs::read_symlink("/proc/self/exe", fehler);
    if (!fehler && !exe.empty())
        return exe.parent_path().string();
    if (argv0 != nullptr && *argv0 != '\0') {
        const fs::path pfad = fs::absolute(fs::path(argv0), fehler);
        if (!fehler)
            return pfad.parent_path().string();
    }
    return {};
}

Suchorte StandardSuchorte(const std::string& programmOrdner)
{
    Suchorte o;
    o.programmOrdner = programmOrdner;
    o.installTeilpfad = VELMORA_INSTALL_TEILPFAD;
    if (const char* umgebung = std::getenv("VELMORA_DATA_DIR"))
        o.umgebung = umgebung;
#ifdef VELMORA_ENTWICKLUNGSORDNER
    o.quellordner = VELMORA_ENTWICKLUNGSORDNER;
#endif
    return o;
}

namespace {

// The folders of steps 1 to 3, in order.
std::vector<fs::path> grundordner(const Suchorte& o)
{
    std::vector<fs::path> g;
    if (!o.programmOrdner.empty()) {
        g.emplace_back(o.programmOrdner);
        if (!o.installTeilpfad.empty())
            g.push_back((fs::path(o.programmOrdner) / o.installTeilpfad).lexically_normal());
    }
    if (!o.umgebung.empty())
        g.emplace_back(o.umgebung);
    return g;
}

bool istOrdner(const fs::path& p)
{
    std::error_code fehler;
    return fs::is_directory(p, fehler);
}

bool istDatei(const fs::path& p)
{
    std::error_code fehler;
    return fs::is_regular_file(p, fehler);
}

} // namespace

std::string DatenOrdnerFinden(const Suchorte& o)
{
    for (const fs::path& g : grundordner(o))
        if (istOrdner(g / "Data"))
            return (g / "Data").string();
    // VELMORA_DATA_DIR may name the Data folder itself.
    if (!o.umgebung.empty() && istDatei(fs::path(o.umgebung) / "Er.txt"))
        return o.umgebung;
    if (!o.quellordner.empty() && istOrdner(fs::path(o.quellordner) / "Data"))
        return (fs::path(o.quellordner) / "Data").string();
    return o.programmOrdner.empty() ? std::string("Data") : (fs::path(o.programmOrdner) / "Data").string();
}

std::string DatenOrdnerFinden(const std::string& programmOrdner)
{
    return DatenOrdnerFinden(StandardSuchorte(programmOrdner));
}

std::string TextdateiFinden(const Suchorte& o, const std::string& name)
{
    if (name.empty())
        return {};
    for (const fs::path& g : grundordner(o))
        if (istDatei(g / name))
            return (g / name).string();
    if (!o.quellordner.empty()) {
        const fs::path p = fs::path(o.quellordner) / "resources" / "texte" / name;
        if (istDatei(p))
            return p.string();
    }
    return {};
}

} // namespace astro
