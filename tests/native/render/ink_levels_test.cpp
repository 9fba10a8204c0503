#include "QernoRender.h"
#include "render/InkLevels.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Level 3 is 20% of 255; levels past 11 unpack, and amounts between levels look up, as full
// ink; only a whole table corrects. Every colour through the table is checked under Wine.
TEST(InkLevels, OutOfRangeLevelsAndShortTables) {
    EXPECT_TRUE(InkLevelOf(1) == 11 && InkLevelOf(100) == 11);
    unsigned char cyan = 3, magenta = 11, yellow = 12, black = 0;
    unpackcolor(&cyan, &magenta, &yellow, &black);
    unpackcolor(&black, nullptr, nullptr, nullptr);
    EXPECT_TRUE(cyan == 51 && magenta == 255 && yellow == 255 && black == 0);
    const std::vector<BYTE> table(kCorrectionTableSize, 7);
    Inks inks = {255, 1, 2, 3};
    EXPECT_FALSE(CorrectInks(table.data(), kCorrectionTableSize - 1, inks) ||
                 CorrectInks(nullptr, kCorrectionTableSize, inks));
    EXPECT_TRUE(inks.cyan == 255 && inks.magenta == 1 && inks.yellow == 2 && inks.black == 3);
}

} // namespace
