// The rectangle array: the order and containment Add keeps, and its growth.
#include "QernoGeometry.h"
#include "rect_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<RectValue> Contents(const CRectArray& array) {
    std::vector<RectValue> rects;
    for (int i = 0; i < array.m_nSize; ++i)
        rects.push_back(Value(array[i]));
    return rects;
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
    array.RemoveAt(2); // beyond the end: nothing
    array.RemoveAt(0);
    EXPECT_EQ((std::vector<RectValue>{{5, 11, 20, 13}}), Contents(array));
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
