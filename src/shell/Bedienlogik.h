#pragma once
// Plain rules of the control panel's fields, kept apart from the widgets so
// they can be tested without a window.

#include <string>

namespace shell {

// The tempo field after a change: empty or "0" becomes "1"; a value above 10
// loses its second character ("11" -> "1", "99" -> "9"). Anything else stays.
std::string TempoKorrigieren(const std::string& text);

// The tempo the loop uses: the field's number, 1..10 (a field that somehow
// holds no number counts as 1).
int TempoAusText(const std::string& text);

// Zoom factor text of the slider position (position / 100 in its shortest
// decimal form: 100 -> "1", 10 -> "0.1", 5000 -> "50", 125 -> "1.25").
std::string ZoomText(int position);

// The zoom position that means 1:1.
inline int ZoomEins(bool mysteriumModus) { return mysteriumModus ? 1000 : 100; }

} // namespace shell
