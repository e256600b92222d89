#pragma once
// The renders of "Platon/Kepler" in velmora-cli that other command files
// reach: a frame of the start animation.

#include "cli/Befehle.h"

namespace cli {

// render start --frame N --seed S [--size WxH] --out FILE: frame N (from 1)
// of the start animation with the random parameters of seed S.
int startanimationRendern(const Argumente& args);

} // namespace cli
