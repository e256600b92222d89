// velmora-cli: headless computation, data tables and figure rendering.
#include "cli/Befehle.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cstdio>
#include <iostream>
#include <string>

#ifndef VELMORA_VERSION
#define VELMORA_VERSION "0"
#endif

namespace cli {

std::vector<Befehl>& befehle()
{
    static std::vector<Befehl> liste;
    return liste;
}

bool zahlLesen(const std::string& text, double& wert)
{
    if (text.empty())
        return false;
    const char* anfang = text.data();
    if (*anfang == '+')
        ++anfang;
    auto [ende, ec] = std::from_chars(anfang, text.data() + text.size(), wert);
    return ec == std::errc() && ende == text.data() + text.size();
}

bool ganzzahlLesen(const std::string& text, long long& wert)
{
    if (text.empty())
        return false;
    const char* anfang = text.data();
    if (*anfang == '+')
        ++anfang;
    auto [ende, ec] = std::from_chars(anfang, text.data() + text.size(), wert);
    return ec == std::errc() && ende == text.data() + text.size();
}

std::string zahlText(double wert)
{
    char puffer[64];
    auto [ende, ec] = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::general, 17);
    if (ec != std::errc())
        return "nan";
    std::string s(puffer, ende);
    // shortest form that still reads back exactly
    for (int p = 10; p < 17; ++p) {
        auto [e2, ec2] = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::general, p);
        double zurueck = 0;
        std::from_chars(puffer, e2, zurueck);
        if (ec2 == std::errc() && zurueck == wert)
            return std::string(puffer, e2);
    }
    return s;
}

std::vector<std::string> listeTeilen(const std::string& liste)
{
    std::vector<std::string> teile;
    size_t anfang = 0;
    while (anfang <= liste.size()) {
        size_t ende = liste.find(',', anfang);
        if (ende == std::string::npos)
            ende = liste.size();
        if (ende > anfang)
            teile.push_back(liste.substr(anfang, ende - anfang));
        anfang = ende + 1;
    }
    return teile;
}

int fehler(const std::string& meldung)
{
    std::cerr << "velmora-cli: " << meldung << "\n";
    return 2;
}

} // namespace cli

namespace {

void hilfe(std::ostream& aus)
{
    aus << "Usage: velmora-cli COMMAND [ARGS...]\n"
           "Computes positions and renders Velmora figures without a window.\n\n"
           "Commands:\n";
    auto liste = cli::befehle();
    std::sort(liste.begin(), liste.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    for (const auto& b : liste)
        aus << "  " << b.aufruf << "\n      " << b.beschreibung << "\n";
    aus << "  --help       this text\n"
           "  --version    the program version\n";
}

} // namespace

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "C");
    if (argc < 2) {
        hilfe(std::cerr);
        return 2;
    }
    const std::string befehl = argv[1];
    if (befehl == "--help" || befehl == "-h" || befehl == "help") {
        hilfe(std::cout);
        return 0;
    }
    if (befehl == "--version") {
        std::cout << "velmora-cli " << VELMORA_VERSION << "\n";
        return 0;
    }
    for (const auto& b : cli::befehle()) {
        if (b.name == befehl) {
            cli::Argumente args(argv + 2, argv + argc);
            return b.ausfuehren(args);
        }
    }
    return cli::fehler("unknown command '" + befehl + "' (try --help)");
}
