// The process start time read from a /proc/<pid>/stat line.
#include "ui/Startzeit.h"

#include <gtest/gtest.h>

namespace {

// Fields 3..21 before the start time (field 22), then the rest.
const std::string kMitte = "S 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 ";

TEST(Startzeit, FeldZweiundzwanzig)
{
    EXPECT_EQ(ui::StartTicksAusStat("4242 (velmora) " + kMitte + "987654 100 200\n"), 987654u);
    // The last field of a line cut after the start time.
    EXPECT_EQ(ui::StartTicksAusStat("4242 (velmora) " + kMitte + "55\n"), 55u);
}

// A command name may hold spaces and parentheses: the fields count from the
// last ')'.
TEST(Startzeit, NameMitLeerzeichenUndKlammern)
{
    EXPECT_EQ(ui::StartTicksAusStat("17 (a b) (c) d) " + kMitte + "31337 0 0"), 31337u);
}

TEST(Startzeit, KaputteZeilen)
{
    EXPECT_FALSE(ui::StartTicksAusStat(""));
    EXPECT_FALSE(ui::StartTicksAusStat("4242 velmora S 1 2 3"));
    EXPECT_FALSE(ui::StartTicksAusStat("4242 (velmora) S 1 2 3\n"));
    EXPECT_FALSE(ui::StartTicksAusStat("4242 (velmora) " + kMitte + "12x4 0"));
    EXPECT_FALSE(ui::StartTicksAusStat("4242 (velmora) " + kMitte + "-5 0"));
}

TEST(Startzeit, DiesesProgrammLaeuftSchon)
{
    const auto ms = ui::MillisekundenSeitProzessstart();
    ASSERT_TRUE(ms);
    EXPECT_GE(*ms, -20.0); // one tick of rounding
    EXPECT_LT(*ms, 24 * 3600 * 1000.0);
}

} // namespace
