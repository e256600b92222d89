// libFuzzer target for the series reader VsopZahlenLesen (clang only; the
// randomised test in tests/astro/VsopLeser_test.cpp covers the same ground
// in the normal suite). Build and run by hand from the repository root:
//
//   clang++ -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -Isrc \
//       tests/fuzz/VsopLeser_fuzz.cpp src/astro/ReiheVSOP.cpp \
//       src/astro/Koordinaten.cpp -o fuzz_vsopleser
//   ./fuzz_vsopleser -max_total_time=300
//
// The first byte chooses how many numbers are wanted (0..255), the rest is
// the text. The reader must neither read outside the text nor loop forever,
// and whatever it accepts must be finite.

#include "astro/ReiheVSOP.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    if (groesse == 0)
        return 0;
    std::vector<double> ziel(daten[0]);
    const std::string_view text(reinterpret_cast<const char*>(daten + 1), groesse - 1);
    if (astro::VsopZahlenLesen(text, ziel).ok()) {
        for (double z : ziel)
            if (!std::isfinite(z))
                std::abort();
    }
    return 0;
}
