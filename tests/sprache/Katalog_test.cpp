#include "sprache/Sprache.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

// Every text exists in both languages and every key exactly once: a missing
// wording would show up as an empty caption in one language only.
TEST(Katalog, JederSchluesselEinmalUndBeideWortlaute)
{
    std::set<std::string> gesehen;
    for (const auto& e : sprache::alleEintraege()) {
        SCOPED_TRACE(e.schluessel);
        EXPECT_TRUE(gesehen.insert(e.schluessel).second) << "duplicate key";
        EXPECT_NE(std::string(e.deutsch), "") << "German wording missing";
        EXPECT_NE(std::string(e.englisch), "") << "English wording missing";
    }
    EXPECT_GT(gesehen.size(), 0u);
}

TEST(Katalog, SpracheUmschaltenUndUnbekannterSchluessel)
{
    const auto vorher = sprache::aktuelleSprache();
    sprache::setzeSprache(sprache::Sprache::Deutsch);
    EXPECT_EQ(sprache::T("meldung.warnung"), "Warnung !");
    sprache::setzeSprache(sprache::Sprache::Englisch);
    EXPECT_EQ(sprache::T("meldung.warnung"), "Warning !");
    EXPECT_EQ(sprache::T("gibt.es.nicht"), "<gibt.es.nicht>");
    EXPECT_FALSE(sprache::vorhanden("gibt.es.nicht"));
    sprache::setzeSprache(vorher);
}

} // namespace
