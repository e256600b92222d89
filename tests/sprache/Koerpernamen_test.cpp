#include "sprache/Koerpernamen.h"

#include <gtest/gtest.h>

namespace {

using sprache::Sprache;

struct Namensfall {
    int nr;
    const char* deutsch;
    const char* englisch;
};

class Koerpernamen : public ::testing::TestWithParam<Namensfall> {};

TEST_P(Koerpernamen, BeideSprachen)
{
    const auto& f = GetParam();
    EXPECT_EQ(sprache::koerperName(f.nr, Sprache::Deutsch), f.deutsch);
    EXPECT_EQ(sprache::koerperName(f.nr, Sprache::Englisch), f.englisch);
}

INSTANTIATE_TEST_SUITE_P(Tabelle, Koerpernamen,
                         ::testing::Values(Namensfall{0, "Sonne", "Sun"}, Namensfall{1, "Merkur", "Mercury"},
                                           Namensfall{2, "Venus", "Venus"}, Namensfall{3, "Erde", "Earth"},
                                           Namensfall{8, "Neptun", "Neptune"}, Namensfall{18, "2003 EL61", "2003 EL61"},
                                           Namensfall{21, "Sedna", "Sedna"}, Namensfall{22, "Mond", "Moon"},
                                           Namensfall{23, "", ""}, Namensfall{-1, "", ""}),
                         [](const auto& info) { return "Nr" + std::to_string(info.index); });

} // namespace
