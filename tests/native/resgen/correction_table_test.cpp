#include "correction_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace qerno::resgen;

namespace {

const std::vector<std::uint8_t>& Table() {
    static const std::vector<std::uint8_t> table = BuildCorrectionTable();
    return table;
}

InkAmounts Entry(int c, int m, int y) {
    const std::size_t at = 3 * (c + 12 * m + 144 * y);
    return {Table()[at], Table()[at + 1], Table()[at + 2]};
}

} // namespace

TEST(CorrectionTable, SizeAndIndexOrderCyanFastest) {
    ASSERT_EQ(Table().size(), 5184u);
    const InkAmounts cyanOnly = Entry(5, 0, 0);
    EXPECT_GT(cyanOnly.cyan, 0);
    EXPECT_EQ(cyanOnly.magenta + cyanOnly.yellow, 0);
    const InkAmounts yellowOnly = Entry(0, 0, 5);
    EXPECT_EQ(yellowOnly.cyan + yellowOnly.magenta, 0);
    EXPECT_GT(yellowOnly.yellow, 0);
}

// Paper stays white, full ink stays full, equal inks stay grey, and no entry strays far from
// its nominal amounts or darkens less when an ink rises.
TEST(CorrectionTable, MildNeutralAndRisingWithEveryInk) {
    ASSERT_EQ(Table().size(), 5184u);
    const InkAmounts paper = Entry(0, 0, 0);
    EXPECT_EQ(paper.cyan + paper.magenta + paper.yellow, 0);
    for (int y = 0; y < 12; ++y)
        for (int m = 0; m < 12; ++m)
            for (int c = 0; c < 12; ++c) {
                SCOPED_TRACE(testing::Message() << c << "," << m << "," << y);
                const InkAmounts here = Entry(c, m, y);
                EXPECT_TRUE(c < 11 || here.cyan == 255);
                EXPECT_TRUE(m < 11 || here.magenta == 255);
                EXPECT_TRUE(y < 11 || here.yellow == 255);
                if (c == m && m == y)
                    EXPECT_TRUE(here.cyan == here.magenta && here.magenta == here.yellow);
                EXPECT_LE(std::abs(here.cyan - kInkLevels[c]), 24);
                EXPECT_LE(std::abs(here.magenta - kInkLevels[m]), 24);
                EXPECT_LE(std::abs(here.yellow - kInkLevels[y]), 24);
                EXPECT_GE(Entry(std::min(c + 1, 11), m, y).cyan, here.cyan);
                EXPECT_GE(Entry(c, std::min(m + 1, 11), y).magenta, here.magenta);
                EXPECT_GE(Entry(c, m, std::min(y + 1, 11)).yellow, here.yellow);
            }
}
