#pragma once
// Where the program finds its Data folder (series and element files).
//
// Order: "Data" beside the executable (an installed or copied program), then
// "Data" in the source tree the program was built from (VELMORA_QUELLORDNER,
// for runs from a build directory). Plain C++, usable before any window or
// Qt application exists.

#include <string>

namespace astro {

// The folder of the running executable ("" when it cannot be determined).
// Uses /proc/self/exe where available, else the folder part of `argv0`.
std::string ProgrammOrdner(const char* argv0 = nullptr);

// The first of programmOrdner/Data and <source tree>/Data that is a folder.
// When neither exists, programmOrdner/Data (so that loading reports the
// missing files there). An empty programmOrdner skips the first candidate.
std::string DatenOrdnerFinden(const std::string& programmOrdner);

} // namespace astro
