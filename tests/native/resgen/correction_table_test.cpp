#include "correction_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace qerno::resgen;

namespace {

InkAmounts Entry(const std::vector<std::uint8_t>& table, int c, int m, int y) {
    const std::size_t at = 3 * (c + 12 * m + 144 * y);
    return {table[at], table[at + 1], table[at + 2]};
}

} // namespace

TEST(CorrectionTable, SizeAndIndexOrderCyanFastest) {
    const std::vector<std::uint8_t> table = BuildCorrectionTable();
    ASSERT_EQ(table.size(), 5184u);
    const InkAmounts cyanOnly = Entry(table, 5, 0, 0);
    EXPECT_GT(cyanOnly.cyan, 0);
    EXPECT_EQ(cyanOnly.magenta, 0);
    EXPECT_EQ(cyanOnly.yellow, 0);
    const InkAmounts yellowOnly = Entry(table, 0, 0, 5);
    EXPECT_EQ(yellowOnly.cyan, 0);
    EXPECT_GT(yellowOnly.yellow, 0);
}

TEST(CorrectionTable, PaperStaysWhiteAndFullInkStaysFull) {
    const std::vector<std::uint8_t> table = BuildCorrectionTable();
    const InkAmounts paper = Entry(table, 0, 0, 0);
    EXPECT_EQ(paper.cyan + paper.magenta + paper.yellow, 0);
    for (int a = 0; a < 12; ++a)
        for (int b = 0; b < 12; ++b) {
            EXPECT_EQ(Entry(table, 11, a, b).cyan, 255);
            EXPECT_EQ(Entry(table, a, 11, b).magenta, 255);
            EXPECT_EQ(Entry(table, a, b, 11).yellow, 255);
        }
}

TEST(CorrectionTable, EqualInksGiveANeutralGrey) {
    const std::vector<std::uint8_t> table = BuildCorrectionTable();
    for (int level = 0; level < 12; ++level) {
        const InkAmounts grey = Entry(table, level, level, level);
        EXPECT_EQ(grey.cyan, grey.magenta) << level;
        EXPECT_EQ(grey.magenta, grey.yellow) << level;
    }
}

TEST(CorrectionTable, MildAndNeverDarkensLessWhenAnInkRises) {
    const std::vector<std::uint8_t> table = BuildCorrectionTable();
    for (int y = 0; y < 12; ++y)
        for (int m = 0; m < 12; ++m)
            for (int c = 0; c < 12; ++c) {
                const InkAmounts here = Entry(table, c, m, y);
                EXPECT_LE(std::abs(here.cyan - kInkLevels[c]), 24);
                EXPECT_LE(std::abs(here.magenta - kInkLevels[m]), 24);
                EXPECT_LE(std::abs(here.yellow - kInkLevels[y]), 24);
                EXPECT_GE(Entry(table, std::min(c + 1, 11), m, y).cyan, here.cyan);
                EXPECT_GE(Entry(table, c, std::min(m + 1, 11), y).magenta, here.magenta);
                EXPECT_GE(Entry(table, c, m, std::min(y + 1, 11)).yellow, here.yellow);
            }
}
