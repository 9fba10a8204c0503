#include "QernoVocab.h"
#include "vocab/NameCopy.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

TEST(GetActCategoryType, CategoryAndIndex) {
    const struct {
        WORD action, category, index;
    } rows[] = {{15, 1, 2},  {105, 0, 0x105}, {500, 3, 0x100},
                {603, 9, 3}, {707, 2, 0x107}, {902, 11, 302}};
    for (const auto& row : rows) {
        int index = -1;
        EXPECT_EQ(row.category, GetActCategoryType(row.action, &index)) << row.action;
        EXPECT_EQ(row.index, index) << row.action;
    }
    int untouched = -1;
    EXPECT_EQ(0, GetActCategoryType(10, &untouched));
    EXPECT_EQ(-1, untouched);
}

// Every defined action has a name of its own; only 300 and 500 share a place in their category.
TEST(GetPredefActID, DefinedActionsHaveDistinctNamesAndPlaces) {
    std::set<WORD> nameIds;
    std::set<std::pair<int, int>> places;
    for (unsigned int action = 0; action <= 0xFFFF; ++action) {
        int index = -1;
        const int category = GetActCategoryType(static_cast<WORD>(action), &index);
        const WORD nameId = GetPredefActID(static_cast<WORD>(action));
        if (index == -1) {
            EXPECT_EQ(14100, nameId) << action;
            continue;
        }
        EXPECT_TRUE(nameIds.insert(nameId).second) << action;
        EXPECT_TRUE(nameId >= 14100 && nameId <= 14404) << action;
        places.insert({category, index});
    }
    EXPECT_EQ(104u, nameIds.size());
    EXPECT_EQ(103u, places.size());
    EXPECT_EQ(14180, GetPredefActID(500));
    EXPECT_EQ(14404, GetPredefActID(904));
}

TEST(GetPredefMsgNameStrID, OffsetWrapsWithoutRangeCheck) {
    EXPECT_EQ(13000, GetPredefMsgNameStrID(1));
    EXPECT_EQ(12998, GetPredefMsgNameStrID(0xFFFF));
}

// Wine sees names cut to a larger buffer; these are the smallest rooms and none.
TEST(CopyNameCut, NoRoomOrOnlyTheTerminatorStillGivesTheFullLength) {
    char buffer[2] = {'x', 'x'};
    EXPECT_EQ(4, CopyNameCut("Stop", buffer, 0));
    EXPECT_EQ('x', buffer[0]);
    EXPECT_EQ(4, CopyNameCut("Stop", buffer, 1));
    EXPECT_STREQ("", buffer);
    EXPECT_EQ('x', buffer[1]);
    EXPECT_EQ(10, CopyNameCut("Play sound", nullptr, 11));
}

} // namespace
