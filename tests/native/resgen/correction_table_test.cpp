#include "correction_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace qerno::resgen;

// Paper stays white, full ink stays full, equal inks stay grey, and no entry strays far from
// its nominal amounts (cyan fastest in the index) or darkens less when an ink rises.
TEST(CorrectionTable, MildNeutralAndRisingWithEveryInk) {
    const std::vector<std::uint8_t> table = BuildCorrectionTable();
    ASSERT_EQ(table.size(), 5184u);
    const auto entry = [&](int c, int m, int y) {
        const std::size_t at = 3 * (std::min(c, 11) + 12 * std::min(m, 11) + 144 * std::min(y, 11));
        return InkAmounts{table[at], table[at + 1], table[at + 2]};
    };
    EXPECT_EQ(entry(0, 0, 0).cyan + entry(0, 0, 0).magenta + entry(0, 0, 0).yellow, 0);
    for (int y = 0; y < 12; ++y)
        for (int m = 0; m < 12; ++m)
            for (int c = 0; c < 12; ++c) {
                SCOPED_TRACE(testing::Message() << c << "," << m << "," << y);
                const InkAmounts here = entry(c, m, y);
                EXPECT_TRUE((c < 11 || here.cyan == 255) && (m < 11 || here.magenta == 255) &&
                            (y < 11 || here.yellow == 255));
                if (c == m && m == y)
                    EXPECT_TRUE(here.cyan == here.magenta && here.magenta == here.yellow);
                EXPECT_LE(std::abs(here.cyan - kInkLevels[c]), 24);
                EXPECT_LE(std::abs(here.magenta - kInkLevels[m]), 24);
                EXPECT_LE(std::abs(here.yellow - kInkLevels[y]), 24);
                EXPECT_TRUE(entry(c + 1, m, y).cyan >= here.cyan &&
                            entry(c, m + 1, y).magenta >= here.magenta &&
                            entry(c, m, y + 1).yellow >= here.yellow);
            }
}
