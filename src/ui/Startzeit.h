#pragma once
// How long the program took to show its first frame, counted from the start
// of the process (what a user waits for after launching it). Used by
// "velmora --time-to-first-frame" and bench/startzeit.sh.

#include <optional>
#include <string>

namespace ui {

// The process's start time in clock ticks after boot: field 22 of a
// /proc/<pid>/stat line. The command name (field 2) may itself hold spaces
// and parentheses, so the fields are counted after its last ')'. Nothing
// when the line does not have that form.
std::optional<unsigned long long> StartTicksAusStat(const std::string& statZeile);

// Milliseconds since this process started (from /proc/self/stat and the
// boot-time clock, 1 tick = 1/sysconf(_SC_CLK_TCK) s, so about 10 ms
// resolution); nothing where /proc is not available.
std::optional<double> MillisekundenSeitProzessstart();

} // namespace ui
