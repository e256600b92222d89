#pragma once
// Where the programs find their files: the Data folder (series and element
// files) and the readme and acknowledgement texts.
//
// The folders searched, in this order:
//   1. the executable's own folder (the build tree, a plain copied folder):
//      <exe>/Data, <exe>/Readme.txt;
//   2. the install prefix's share folder, found relative to the executable
//      so that a relocated prefix works: <exe>/../share/velmora;
//   3. the folder named by the environment variable VELMORA_DATA_DIR (the
//      folder holding Data/ and the texts; a Data folder itself is taken as
//      well);
//   4. in development builds only, the source tree the program was built
//      from (<source>/Data, <source>/resources/texte).
// Plain C++, usable before any window or Qt application exists.

#include <string>
#include <vector>

namespace astro {

// The folder of the running executable ("" when it cannot be determined).
// Uses /proc/self/exe where available, else the folder part of `argv0`.
std::string ProgrammOrdner(const char* argv0 = nullptr);

// The places to search. Empty members are skipped.
struct Suchorte {
    std::string programmOrdner;  // the executable's folder
    std::string installTeilpfad; // from the executable's folder to share/velmora, e.g. "../share/velmora"
    std::string umgebung;        // the value of VELMORA_DATA_DIR
    std::string quellordner;     // the source tree (development builds only)
};

// The places of this build: the install path and source tree compiled in,
// VELMORA_DATA_DIR read now.
Suchorte StandardSuchorte(const std::string& programmOrdner);

// The Data folder: the first candidate in the order above that is a folder.
// When none is, programmOrdner/Data (or "Data" without a programmOrdner), so
// that loading reports the missing files there.
std::string DatenOrdnerFinden(const Suchorte& orte);
std::string DatenOrdnerFinden(const std::string& programmOrdner);

// The text file `name` (e.g. "Readme.txt"): the first candidate in the order
// above that is a regular file; "" when there is none.
std::string TextdateiFinden(const Suchorte& orte, const std::string& name);

} // namespace astro
