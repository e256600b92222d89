#include "sprache/Koerpernamen.h"

namespace sprache {

const std::string& koerperName(int nr) { return koerperName(nr, aktuelleSprache()); }

const std::string& koerperName(int nr, Sprache s)
{
    static const std::string leer;
    if (nr < 0 || nr >= KoerpernamenAnzahl)
        return leer;
    return T("koerper.name." + std::to_string(nr), s);
}

} // namespace sprache
