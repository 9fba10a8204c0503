#include "QernoVocab.h"
#include "vocab/NameCopy.h"

#include <gtest/gtest.h>

namespace {

// The first action of each family: category, index written and name string id; the next ones
// add 1 to both. Any other number is category 0 with the index untouched (-1) and the first name;
// 300 and 500 share a place.
TEST(PredefinedActions, CategoryIndexAndNameIdOfEachFamilyAndOfUndefinedOnes) {
    const int rows[][4] = {{0, 0, 0, 14100},       {7, 0, 7, 14107},       {13, 1, 0, 14113},
                           {18, 3, 0, 14118},      {23, 4, 0, 14123},      {32, 5, 0, 14132},
                           {50, 6, 0, 14150},      {100, 0, 0x100, 14160}, {200, 1, 0x100, 14200},
                           {300, 3, 0x100, 14220}, {400, 7, 0x100, 14240}, {500, 3, 0x100, 14180},
                           {600, 9, 0, 14260},     {700, 2, 0x100, 14280}, {800, 10, 0x100, 14300},
                           {900, 11, 300, 14400},  {904, 11, 304, 14404},  {8, 0, -1, 14100},
                           {53, 0, -1, 14100},     {905, 0, -1, 14100},    {0xFFFF, 0, -1, 14100}};
    for (const auto& [action, category, index, id] : rows) {
        int written = -1;
        EXPECT_EQ(category, GetActCategoryType(WORD(action), &written)) << action;
        EXPECT_TRUE(index == written && id == GetPredefActID(WORD(action))) << action;
    }
    EXPECT_TRUE(GetPredefMsgNameStrID(1) == 13000 && GetPredefMsgNameStrID(0xFFFF) == 12998);
}

// Wine sees names cut to a larger buffer; these are the smallest rooms and none.
TEST(CopyNameCut, NoRoomOrOnlyTheTerminatorStillGivesTheFullLength) {
    char buffer[2] = {'x', 'x'};
    EXPECT_TRUE(CopyNameCut("Stop", buffer, 0) == 4 && buffer[0] == 'x');
    EXPECT_TRUE(CopyNameCut("Stop", buffer, 1) == 4 && buffer[0] == '\0' && buffer[1] == 'x');
    EXPECT_EQ(10, CopyNameCut("Play sound", nullptr, 11));
}

} // namespace
