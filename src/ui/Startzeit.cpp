#include "ui/Startzeit.h"

#include <charconv>
#include <ctime>
#include <fstream>
#include <iterator>

#include <unistd.h>

namespace ui {

std::optional<unsigned long long> StartTicksAusStat(const std::string& zeile)
{
    const size_t klammer = zeile.rfind(')');
    if (klammer == std::string::npos)
        return std::nullopt;
    // After ") " come field 3 (state) onwards; the start time is field 22.
    size_t pos = klammer + 1;
    for (int feld = 3; feld <= 22; ++feld) {
        while (pos < zeile.size() && zeile[pos] == ' ')
            ++pos;
        const size_t ende = zeile.find(' ', pos);
        const size_t feldEnde = ende == std::string::npos ? zeile.size() : ende;
        if (pos >= feldEnde)
            return std::nullopt;
        if (feld == 22) {
            unsigned long long ticks = 0;
            const char* anfang = zeile.data() + pos;
            const char* schluss = zeile.data() + feldEnde;
            if (schluss > anfang && schluss[-1] == '\n')
                --schluss;
            auto [p, ec] = std::from_chars(anfang, schluss, ticks);
            if (ec != std::errc() || p != schluss)
                return std::nullopt;
            return ticks;
        }
        pos = feldEnde;
    }
    return std::nullopt;
}

std::optional<double> MillisekundenSeitProzessstart()
{
    std::ifstream stat("/proc/self/stat");
    if (!stat)
        return std::nullopt;
    const std::string zeile((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto ticks = StartTicksAusStat(zeile);
    const long proSekunde = sysconf(_SC_CLK_TCK);
    timespec jetzt{};
    if (!ticks || proSekunde <= 0 || clock_gettime(CLOCK_BOOTTIME, &jetzt) != 0)
        return std::nullopt;
    const double seitBoot = jetzt.tv_sec * 1000.0 + jetzt.tv_nsec / 1.0e6;
    return seitBoot - static_cast<double>(*ticks) * 1000.0 / static_cast<double>(proSekunde);
}

} // namespace ui
