// The rectangle array: the order and containment Add keeps, and its growth.
#include "QernoGeometry.h"
#include "rect_test_support.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

std::vector<RectValue> Contents(const CRectArray& array) {
    std::vector<RectValue> rects;
    for (int i = 0; i < array.m_nSize; ++i)
        rects.push_back(Value(array[i]));
    return rects;
}

// Non-empty, and every rectangle sorts strictly before every later one (CompRect 4), which
// also rules out equal and contained rectangles.
bool KeepsItsInvariants(const CRectArray& array) {
    for (int i = 0; i < array.m_nSize; ++i) {
        RECT r = array[i];
        if (r.left >= r.right || r.top >= r.bottom)
            return false;
        for (int j = i + 1; j < array.m_nSize; ++j) {
            RECT later = array[j];
            if (CompRect(&r, &later) != 4)
                return false;
        }
    }
    return true;
}

// Swallowed rectangles before the insertion point must not push the new one past a later
// rectangle that it sorts before.
TEST(RectArrayAdd, NormalisesSwallowsAndRefuses) {
    CRectArray array;
    EXPECT_EQ(0, array.Add({10, 0, 0, 10}));
    EXPECT_EQ(-1, array.Add({2, 2, 5, 5}));
    EXPECT_EQ(-1, array.Add({3, 3, 3, 8}));
    array.Add({0, 12, 5, 15});
    array.Add({5, 11, 20, 13});
    EXPECT_EQ(0, array.Add({-5, -5, 10, 20}));
    EXPECT_EQ((std::vector<RectValue>{{-5, -5, 10, 20}, {5, 11, 20, 13}}), Contents(array));
}

TEST(RectArrayAdd, InvariantsHoldAfterEveryAddAndRemoval) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> coordinate(-20, 20);
    for (int round = 0; round < 200; ++round) {
        CRectArray array;
        for (int step = 0; step < 40; ++step) {
            RECT r = {coordinate(random), coordinate(random), coordinate(random),
                      coordinate(random)};
            const int before = array.m_nSize;
            const int index = array.Add(r);
            ASSERT_TRUE(KeepsItsInvariants(array)) << "round " << round << " step " << step;
            SortRect(&r);
            if (index >= 0)
                ASSERT_EQ(Value(r), Value(array[index]));
            else
                ASSERT_EQ(before, array.m_nSize);
            if (step % 7 == 6 && array.m_nSize > 0) {
                array.RemoveAt(static_cast<int>(random() % array.m_nSize));
                ASSERT_TRUE(KeepsItsInvariants(array));
            }
        }
    }
}

TEST(RectArraySize, GrowsByItsStepAndZeroesWhatItExposes) {
    CRectArray array;
    array.SetAtGrow(2, {1, 1, 4, 4});
    array.SetSize(4);
    EXPECT_EQ(8, array.m_nMaxSize) << "3 and the step of 5";
    array.SetSize(2);
    array.SetSize(3);
    EXPECT_EQ((RectValue{}), Value(array[2])) << "a rectangle cut off does not come back";
    array.SetAt(0, {5, 5, 0, 0}); // SetAt counts reversed as empty, InsertAt normalises
    array.InsertAt(1, {9, 9, 1, 1});
    EXPECT_EQ((std::vector<RectValue>{{}, {1, 1, 9, 9}, {}, {}}), Contents(array));
    array.SetSize(0, 2);
    EXPECT_EQ(nullptr, array.m_hData);
    EXPECT_EQ(2, array.m_nGrowBy);
}

} // namespace
