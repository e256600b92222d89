#include "sprache/Sprache.h"

#include <atomic>
#include <string>
#include <unordered_map>

namespace sprache {
namespace {

const Eintrag kTabelle[] = {
#include "sprache_alle_texte.inc"
};

std::atomic<Sprache> g_sprache{Sprache::Englisch};

struct Index {
    std::unordered_map<std::string_view, std::pair<std::string, std::string>> texte;
    std::vector<Eintrag> eintraege;
    Index()
    {
        for (const Eintrag& e : kTabelle) {
            eintraege.push_back(e);
            texte.emplace(e.schluessel, std::make_pair(std::string(e.deutsch), std::string(e.englisch)));
        }
    }
};

const Index& index()
{
    static const Index i;
    return i;
}

} // namespace

Sprache aktuelleSprache() { return g_sprache.load(); }
void setzeSprache(Sprache s) { g_sprache.store(s); }

const std::string& T(std::string_view schluessel) { return T(schluessel, aktuelleSprache()); }

const std::string& T(std::string_view schluessel, Sprache s)
{
    const auto& t = index().texte;
    auto it = t.find(schluessel);
    if (it == t.end()) {
        static thread_local std::unordered_map<std::string, std::string> fehlend;
        std::string k(schluessel);
        auto [pos, neu] = fehlend.emplace(k, "<" + k + ">");
        return pos->second;
    }
    return s == Sprache::Deutsch ? it->second.first : it->second.second;
}

bool vorhanden(std::string_view schluessel) { return index().texte.count(schluessel) != 0; }

const std::vector<Eintrag>& alleEintraege() { return index().eintraege; }

} // namespace sprache
