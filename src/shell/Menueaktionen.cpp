#include "shell/Menueaktionen.h"

#include <QAction>

namespace shell {

const char* Komponentenname(Menuepunkt p)
{
    static const char* const namen[] = {
#define VELMORA_MENUEPUNKT_NAME(n) #n,
        VELMORA_MENUEPUNKTE(VELMORA_MENUEPUNKT_NAME)
#undef VELMORA_MENUEPUNKT_NAME
    };
    const auto i = static_cast<size_t>(p);
    return i < std::size(namen) ? namen[i] : "";
}

void Menueaktionen::eintragen(Menuepunkt p, QAction* a)
{
    if (a)
        a->setObjectName(QString::fromLatin1(Komponentenname(p)));
    aktionen_[static_cast<size_t>(p)] = a;
}

} // namespace shell
