#pragma once
#include <cstdint>

namespace figures {

// A colour as stored in the settings: 24 bits, red in the low byte, blue in
// the high byte (0x00BBGGRR). Converted to the canvas' own format only at the
// canvas boundary.
using Farbe = std::uint32_t;

constexpr Farbe FarbeRGB(int r, int g, int b)
{
    return static_cast<Farbe>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int Rot(Farbe f) { return static_cast<int>(f & 0xFF); }
constexpr int Gruen(Farbe f) { return static_cast<int>((f >> 8) & 0xFF); }
constexpr int Blau(Farbe f) { return static_cast<int>((f >> 16) & 0xFF); }

constexpr Farbe Schwarz = 0x000000;
constexpr Farbe Weiss = 0xFFFFFF;
constexpr Farbe RotFarbe = 0x0000FF;

} // namespace figures
