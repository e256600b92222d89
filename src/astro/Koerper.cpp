#include "astro/Koerper.h"

#include <algorithm>
#include <cctype>

namespace astro {

namespace {

constexpr std::array<std::string_view, AnzahlKoerper> kKurznamen = {
    "So", "Me", "Ve", "Er", "Ma", "Ju", "Sa", "Ur", "Ne", "Pl", "Ce",
    "Pa", "Vs", "Jn", "Ch", "Va", "Qu", "Or", "EL", "FY", "Es", "Se",
};

bool gleichOhneGross(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::string KoerperNameSchluessel(KoerperNr n) { return "koerper." + std::to_string(n); }

const std::string& KoerperName(KoerperNr n, sprache::Sprache s)
{
    static const std::string unbekannt = "?";
    if (!IstKoerper(n))
        return unbekannt;
    return sprache::T(KoerperNameSchluessel(n), s);
}

const std::string& KoerperName(KoerperNr n) { return KoerperName(n, sprache::aktuelleSprache()); }

const std::string& MondName(sprache::Sprache s) { return sprache::T("koerper.mond", s); }
const std::string& MondName() { return MondName(sprache::aktuelleSprache()); }

std::string_view KoerperKurzname(KoerperNr n) { return IstKoerper(n) ? kKurznamen[n] : std::string_view("?"); }

KoerperNr KoerperSuchen(std::string_view text)
{
    if (!text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        if (text.size() > 2)
            return -1;
        const int n = std::stoi(std::string(text));
        return IstKoerper(n) ? n : -1;
    }
    for (KoerperNr n = 0; n < AnzahlKoerper; ++n) {
        if (gleichOhneGross(text, kKurznamen[n]) || gleichOhneGross(text, KoerperName(n, sprache::Sprache::Deutsch)) ||
            gleichOhneGross(text, KoerperName(n, sprache::Sprache::Englisch)))
            return n;
    }
    return -1;
}

} // namespace astro
