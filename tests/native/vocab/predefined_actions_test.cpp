#include "QernoVocab.h"
#include "vocab/NameCopy.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

// The first and last action of each family: category, index written and name string id.
TEST(PredefinedActions, CategoryIndexAndNameIdAtEachFamilysEnds) {
    const int rows[][4] = {{0, 0, 0, 14100},       {7, 0, 7, 14107},        {13, 1, 0, 14113},
                           {17, 1, 4, 14117},      {18, 3, 0, 14118},       {22, 3, 4, 14122},
                           {23, 4, 0, 14123},      {31, 4, 8, 14131},       {32, 5, 0, 14132},
                           {49, 5, 17, 14149},     {50, 6, 0, 14150},       {52, 6, 2, 14152},
                           {100, 0, 0x100, 14160}, {111, 0, 0x10B, 14171},  {200, 1, 0x100, 14200},
                           {201, 1, 0x101, 14201}, {300, 3, 0x100, 14220},  {303, 3, 0x103, 14223},
                           {400, 7, 0x100, 14240}, {411, 7, 0x10B, 14251},  {500, 3, 0x100, 14180},
                           {600, 9, 0, 14260},     {607, 9, 7, 14267},      {700, 2, 0x100, 14280},
                           {707, 2, 0x107, 14287}, {800, 10, 0x100, 14300}, {803, 10, 0x103, 14303},
                           {900, 11, 300, 14400},  {904, 11, 304, 14404}};
    for (const auto& [action, category, index, id] : rows) {
        int written = -1;
        EXPECT_EQ(category, GetActCategoryType(WORD(action), &written)) << action;
        EXPECT_TRUE(index == written && id == GetPredefActID(WORD(action))) << action;
    }
}

// Any other number is category 0 with the index untouched and the first name; of the 104
// defined actions only 300 and 500 share a place.
TEST(PredefinedActions, UndefinedActionsAndSharedPlaces) {
    std::set<std::pair<int, int>> places;
    int defined = 0;
    for (unsigned int action = 0; action <= 0xFFFF; ++action) {
        int index = -1;
        const int category = GetActCategoryType(WORD(action), &index);
        if (index != -1)
            places.insert({category, index}), ++defined;
        else
            EXPECT_TRUE(category == 0 && GetPredefActID(WORD(action)) == 14100) << action;
    }
    EXPECT_TRUE(defined == 104 && places.size() == 103u);
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
