// Order and cropping of rectangles, the order and containment the rectangle array keeps and its
// growth, handles, drags and pixel rounding.
#include "QernoGeometry.h"
#include "geometry/ScaleArithmetic.h"
#include "rect_test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::array<RectValue, 2> Cropped(RECT inner, RECT outer) {
    CroppingRect(&inner, &outer);
    return {Value(inner), Value(outer)};
}

// Before, after, containing (coinciding edges still count as inside), equal, and with the same
// top and left the lower bottom first.
TEST(RectCompare, ContainmentBeforeOrderAndCroppingByASharedCorner) {
    RECT a = {0, 0, 10, 10}, below = {0, 5, 10, 20}, inner = {0, 0, 10, 4}, same = a;
    RECT narrow = {0, 0, 5, 30}, shorter = {0, 0, 20, 10};
    EXPECT_EQ((std::vector<int>{4, 5, 3, 1, 5}),
              (std::vector<int>{CompRect(&a, &below), CompRect(&below, &a), CompRect(&a, &inner),
                                CompRect(&a, &same), CompRect(&narrow, &shorter)}));

    // Cropping by a shared corner leaves a band and a side piece, else nothing.
    using Pieces = std::array<RectValue, 2>;
    const RECT outer = {0, 0, 10, 10};
    EXPECT_EQ((Pieces{{{0, 5, 10, 10}, {5, 0, 10, 5}}}), Cropped({0, 0, 5, 5}, outer));
    EXPECT_EQ((Pieces{{{0, 5, 10, 10}, {0, 0, 5, 5}}}), Cropped({5, 0, 10, 5}, outer));
    EXPECT_EQ((Pieces{{{0, 0, 10, 5}, {0, 5, 5, 10}}}), Cropped({5, 5, 10, 10}, outer));
    for (RECT unusable : {RECT{2, 2, 5, 5}, RECT{0, 0, 5, 15}, RECT{5, 0, 0, 5}})
        EXPECT_EQ(Pieces{}, Cropped(unusable, outer));

    RECT upper = {0, 0, 10, 10}, lower = {0, 5, 10, 15}; // no side pieces: the bands stay
    CropRect(&upper, &lower);
    EXPECT_EQ((Pieces{{{0, 0, 10, 5}, {0, 10, 10, 15}}}), (Pieces{Value(upper), Value(lower)}));
}

std::vector<RectValue> Contents(const CRectArray& array) {
    std::vector<RectValue> rects;
    for (int i = 0; i < array.m_nSize; ++i)
        rects.push_back(Value(array[i]));
    return rects;
}

// Swallowed rectangles before the insertion point must not push the new one past a later
// rectangle that it sorts before.
TEST(RectArray, AddNormalisesSwallowsAndRefusesSizeGrowsByItsStepAndZeroes) {
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

    CRectArray grown;
    grown.SetAtGrow(2, {1, 1, 4, 4});
    grown.SetSize(4);
    EXPECT_EQ(8, grown.m_nMaxSize) << "3 and the step of 5";
    grown.SetSize(2);
    grown.SetSize(3);
    EXPECT_EQ((RectValue{}), Value(grown[2])) << "a rectangle cut off does not come back";
    grown.SetAt(0, {5, 5, 0, 0}); // SetAt counts reversed as empty, InsertAt normalises
    grown.InsertAt(1, {9, 9, 1, 1});
    EXPECT_EQ((std::vector<RectValue>{{}, {1, 1, 9, 9}, {}, {}}), Contents(grown));
    grown.SetSize(0, 2);
    EXPECT_EQ(nullptr, grown.m_hData);
    EXPECT_EQ(2, grown.m_nGrowBy);
}

PointValue Handle(RECT r, int handle) {
    POINT position = {-1, -1};
    RectHandlePos(&r, &position, handle);
    return Value(position);
}

PointValue Snapped(POINT anchor, POINT moving, long a = 0, long b = 0) {
    if (a)
        ShiftRect(&anchor, &moving, a, b);
    else
        ShiftLine(&anchor, &moving);
    return Value(moving);
}

TEST(SelectionHandles, ClockwiseModuloEightDraggedToThePointOrConstrained) {
    const PointValue expected[8] = {{0, 0},   {5, 0},  {11, 0}, {11, 10},
                                    {11, 21}, {5, 21}, {0, 21}, {0, 10}};
    for (int handle = 0; handle < 8; ++handle)
        EXPECT_EQ(expected[handle], Handle({0, 0, 11, 21}, handle + 8));
    EXPECT_EQ((PointValue{-1, -1}), Handle({0, 0, 11, 21}, -1));
    EXPECT_EQ((PointValue{-1, -1}), Handle({-3, -3, -1, -1}, 5)) << "halves, not the halved sum";

    // A dragged handle lands on the point, middles along their own axis only, and the frame
    // stays closed.
    for (int handle = 0; handle < 8; ++handle) {
        POINT frame[3] = {{0, 0}, {100, 60}, {}};
        SetRectHandlePos(frame, 2, {140, 90}, handle);
        const PointValue landed = Handle({frame[0].x, frame[0].y, frame[1].x, frame[1].y}, handle);
        if (handle != 1 && handle != 5)
            EXPECT_EQ(140, landed[0]) << handle;
        if (handle != 3 && handle != 7)
            EXPECT_EQ(90, landed[1]) << handle;
        EXPECT_EQ(Value(frame[0]), Value(frame[2]));
    }
    // A constrained drag keeps to eight directions, or to proportions by the shorter side.
    EXPECT_EQ((PointValue{10, 0}), Snapped({0, 0}, {10, 3}));
    EXPECT_EQ((PointValue{0, 10}), Snapped({0, 0}, {3, 10}));
    EXPECT_EQ((PointValue{12, 18}), Snapped({20, 10}, {10, 18}));
    EXPECT_EQ((PointValue{-40, -20}), Snapped({0, 0}, {-40, -90}, 2, 1));
    constexpr LONG far = 2147483647;
    EXPECT_EQ((PointValue{far, far}), Snapped({-far, -far}, {far, far}, 1, 1)) << "no overflow";
}

// Half a rate rounds down; a rate below 1 counts as 1. A rounded corner is round in pixels: the
// 300 x 150 rectangle is 20 x 30 pixels.
TEST(ScaleArithmetic, HalfARateRoundsDownAndCornersAreRoundInPixels) {
    EXPECT_EQ((std::vector<long>{15, 30, 15, 45, 4}),
              (std::vector<long>{RoundToRate(22, 15), RoundToRate(23, 15), GetWide(1, 15),
                                 GetWide(10, 15), GetWide(1, 0)}));
    const EllipseSize ellipse = RoundCornerSize(300, 150, 50, 15, 5);
    EXPECT_TRUE(ellipse.width == 150 && ellipse.height == 50);
}

} // namespace
