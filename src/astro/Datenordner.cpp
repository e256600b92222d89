#include "astro/Datenordner.h"

#include <filesystem>
#include <system_error>

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

std::string DatenOrdnerFinden(const std::string& programmOrdner)
{
    std::error_code fehler;
    const fs::path neben = programmOrdner.empty() ? fs::path() : fs::path(programmOrdner) / "Data";
    if (!neben.empty() && fs::is_directory(neben, fehler))
        return neben.string();
#ifdef VELMORA_QUELLORDNER
    const fs::path quelle = fs::path(VELMORA_QUELLORDNER) / "Data";
    if (fs::is_directory(quelle, fehler))
        return quelle.string();
#endif
    return neben.empty() ? std::string("Data") : neben.string();
}

} // namespace astro
