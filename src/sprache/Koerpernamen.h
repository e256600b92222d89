#pragma once
// Long names of the bodies by body number (0 Sun ... 21 Sedna, 22 the Moon),
// taken from the language catalogue: only the Sun, Mercury, Earth, Neptune and
// the Moon differ between German and English.

#include "sprache/Sprache.h"

#include <string>

namespace sprache {

constexpr int KoerpernamenAnzahl = 23;

// The name in the current language, or in the given one. A number outside
// 0 ... 22 yields an empty text.
const std::string& koerperName(int nr);
const std::string& koerperName(int nr, Sprache s);

} // namespace sprache
