#pragma once
// The language catalogue: every text a user sees, in German and English.
//
// Texts are looked up by key. The tables live in src/sprache/texte/*.inc, one
// file per area of the program, each line {"key", "Deutsch", "English"}; the
// build gathers all of them into one table. Keys are unique across all files
// (a test checks that, and that both wordings are present).

#include <string>
#include <string_view>
#include <vector>

namespace sprache {

enum class Sprache { Deutsch, Englisch };

struct Eintrag {
    const char* schluessel;
    const char* deutsch;
    const char* englisch;
};

// The language texts are currently shown in. The program starts in English
// until the settings are read.
Sprache aktuelleSprache();
void setzeSprache(Sprache s);
inline bool istDeutsch() { return aktuelleSprache() == Sprache::Deutsch; }

// The text of a key in the current language, or in the given one. An unknown
// key yields the key itself in angle brackets, so a missing entry is visible
// instead of silently empty.
const std::string& T(std::string_view schluessel);
const std::string& T(std::string_view schluessel, Sprache s);
bool vorhanden(std::string_view schluessel);

// Every entry of the catalogue, in table order (for checks and tools).
const std::vector<Eintrag>& alleEintraege();

} // namespace sprache
