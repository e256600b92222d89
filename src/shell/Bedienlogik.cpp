#include "shell/Bedienlogik.h"

#include <cctype>
#include <cstdio>

namespace shell {

namespace {
bool nurZiffern(const std::string& t)
{
    if (t.empty())
        return false;
    for (char c : t)
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}
} // namespace

std::string TempoKorrigieren(const std::string& text)
{
    if (text.empty() || text == "0")
        return "1";
    if (nurZiffern(text) && std::stoi(text) > 10)
        return text.substr(0, 1);
    return text;
}

int TempoAusText(const std::string& text)
{
    if (!nurZiffern(text) || text.size() > 2)
        return 1;
    const int t = std::stoi(text);
    if (t < 1)
        return 1;
    if (t > 10)
        return 10;
    return t;
}

std::string ZoomText(int position)
{
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%d.%02d", position / 100, position % 100);
    std::string s = puffer;
    while (!s.empty() && s.back() == '0')
        s.pop_back();
    if (!s.empty() && s.back() == '.')
        s.pop_back();
    return s;
}

} // namespace shell
