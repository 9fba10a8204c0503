#include "QernoGeometry.h"

#include "geometry/OutlineOffset.h"
#include "rect_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using Points = std::vector<POINT>;

bool SamePoint(const POINT& p, const POINT& q) {
    return p.x == q.x && p.y == q.y;
}

bool SamePoints(const Points& actual, const Points& expected) {
    return actual.size() == expected.size() &&
           std::equal(actual.begin(), actual.end(), expected.begin(), SamePoint);
}

// Listed clockwise on the screen, where y grows downwards.
const Points kClockwiseSquare = {{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}};

TEST(PointLists, CopyReverseMoveAndBound) {
    Points points = {{5, 5}, {-3, 10}, {8, -2}};
    Points copy(3);
    CopyPolygon(copy.data(), points.data(), 3);
    ReversePolyDirect(copy.data(), 3);
    EXPECT_TRUE(SamePoints(copy, {{8, -2}, {-3, 10}, {5, 5}}));
    _OffsetPoints(copy.data(), 3, 2, -1);
    EXPECT_TRUE(SamePoints(copy, {{10, -3}, {-1, 9}, {7, 4}}));

    RECT around = {};
    MakePolyAround(points.data(), 3, &around);
    EXPECT_EQ((RectValue{-3, -2, 8, 10}), Value(around));
}

TEST(PointLists, InnerBoxMustStopShortOfTheOuterRightAndBottom) {
    Points outer = kClockwiseSquare;
    Points inner = {{0, 0}, {90, 0}, {90, 90}, {0, 90}, {0, 0}};
    EXPECT_TRUE(PolygonInPolygon(inner.data(), outer.data(), 5));
    inner[1].x = inner[2].x = 100;
    EXPECT_FALSE(PolygonInPolygon(inner.data(), outer.data(), 5));
}

TEST(Outlines, LineOffsetMovesLeftOfTravelWithTruncatingDivisions) {
    POINT a = {0, 0};
    POINT b = {100, 0};
    LineOffset(&a, &b, 10);
    EXPECT_TRUE(SamePoints({a, b}, {{0, -10}, {100, -10}}));
    LineOffset(&a, &b, -20);
    EXPECT_TRUE(SamePoints({a, b}, {{0, 10}, {100, 10}}));

    // Length 5: 28 / 5 and -21 / 5 truncate toward zero to 5 and -4.
    a = {0, 0};
    b = {3, 4};
    LineOffset(&a, &b, 7);
    EXPECT_TRUE(SamePoints({a, b}, {{5, -4}, {8, 0}}));

    POINT same = {7, 7};
    POINT other = same;
    LineOffset(&same, &other, 10);
    EXPECT_TRUE(SamePoints({same, other}, {{7, 7}, {7, 7}}));
}

TEST(Outlines, CornerOfTwoOffsetEdges) {
    struct Case {
        Points first, second;
        POINT corner;
    };
    const Case cases[] = {
        {{{0, 0}, {5, 5}}, {{5, 5}, {9, 0}}, {5, 5}},                 // edges already meet
        {{{0, -9}, {0, -3}}, {{0, 0}, {0, 9}}, {0, -1}},              // one vertical line: -3 / 2
        {{{-9, 4}, {-5, 4}}, {{2, 4}, {9, 4}}, {-1, 4}},              // one horizontal line: -3 / 2
        {{{10, 0}, {10, 5}}, {{0, 0}, {3, -1}}, {10, -3}},            // first vertical: -10 / 3
        {{{0, 0}, {3, 1}}, {{7, 9}, {7, 20}}, {7, 2}},                // second vertical: 7 / 3
        {{{0, 0}, {100, 100}}, {{102, 100}, {202, 204}}, {101, 100}}, // slopes 1 and 1.04
        {{{0, 0}, {3, 1}}, {{10, 0}, {11, -1}}, {7, 2}},              // crossing at x = 7.5
    };
    for (const Case& c : cases) {
        POINT corner = {-1, -1};
        EXPECT_TRUE(LineCrossPoint(c.first.data(), c.second.data(), corner));
        EXPECT_TRUE(SamePoint(corner, c.corner)) << corner.x << ", " << corner.y;
    }
    // Parallel and apart on an axis: no corner, and the old one stays.
    const Points left = {{0, 0}, {0, 9}}, right = {{5, 9}, {5, 20}};
    const Points top = {{0, 0}, {9, 0}}, bottom = {{9, 5}, {20, 5}};
    POINT corner = {42, 42};
    EXPECT_FALSE(LineCrossPoint(left.data(), right.data(), corner));
    EXPECT_FALSE(LineCrossPoint(top.data(), bottom.data(), corner));
    EXPECT_TRUE(SamePoint(corner, {42, 42}));
}

TEST(Outlines, ClockwisePolygonGrowsAndCounterClockwiseShrinks) {
    Points square = kClockwiseSquare;
    PolygonOffset(square.data(), 10, 5);
    EXPECT_TRUE(SamePoints(square, {{-10, -10}, {110, -10}, {110, 110}, {-10, 110}, {-10, -10}}));

    Points reversed = kClockwiseSquare;
    ReversePolyDirect(reversed.data(), 5);
    PolygonOffset(reversed.data(), 10, 5);
    EXPECT_TRUE(SamePoints(reversed, {{10, 10}, {10, 90}, {90, 90}, {90, 10}, {10, 10}}));
}

TEST(Outlines, PolylineEndsFollowTheirEdgesAndAFoldKeepsItsCorner) {
    Points bend = {{0, 0}, {100, 0}, {100, 100}};
    PolylineOffset(bend.data(), 10, 3);
    EXPECT_TRUE(SamePoints(bend, {{0, -10}, {110, -10}, {110, 100}}));

    // Turning straight back puts the two offset edges on parallel lines 20 apart.
    Points fold = {{0, 0}, {100, 0}, {50, 0}};
    PolylineOffset(fold.data(), 10, 3);
    EXPECT_TRUE(SamePoints(fold, {{0, -10}, {100, 0}, {50, 10}}));
}

TEST(Orientation, TriangleSignWrapsIn32Bits) {
    EXPECT_EQ(TriArea({0, 0}, {10, 0}, {10, 10}, 0), 1);
    EXPECT_EQ(TriArea({0, 0}, {10, 10}, {10, 0}, 0), -1);
    EXPECT_EQ(TriArea({0, 0}, {5, 5}, {10, 10}, 0), 0);
    // 40000 * 40000 fits; 50000 * 50000 = 2.5e9 wraps negative.
    EXPECT_EQ(TriArea({40000, 0}, {0, 40000}, {0, 0}, 0), 1);
    EXPECT_EQ(TriArea({50000, 0}, {0, 50000}, {0, 0}, 0), -1);
    // The shift moves a and b by 10 per unit along x before the product.
    EXPECT_EQ(TriArea({0, 0}, {0, 10}, {0, 0}, 1), 1);
    EXPECT_EQ(TriArea({0, 0}, {0, 10}, {0, 0}, -1), -1);
}

TEST(Orientation, ClockwiseDecidedAtTheTopmostPoint) {
    Points turn = {{0, 0}, {10, 0}, {10, 10}};
    EXPECT_EQ(PolygonClockWise(turn.data(), 3), 1);
    ReversePolyDirect(turn.data(), 3);
    EXPECT_EQ(PolygonClockWise(turn.data(), 3), 0);
    Points line = {{0, 0}, {5, 5}, {10, 10}};
    EXPECT_EQ(PolygonClockWise(line.data(), 3), 0);
    // The top's neighbours are collinear with it: the point after them decides.
    Points square = {{50, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}};
    EXPECT_EQ(PolygonClockWise(square.data(), 5), 1);
    std::reverse(square.begin() + 1, square.end());
    EXPECT_EQ(PolygonClockWise(square.data(), 5), 0);
}

TEST(Orientation, SegmentsCrossOrTouch) {
    EXPECT_TRUE(SegmentCross({0, 0}, {10, 10}, {0, 10}, {10, 0}));
    EXPECT_TRUE(SegmentCross({0, 0}, {10, 0}, {5, 0}, {5, 10}));   // T-junction
    EXPECT_TRUE(SegmentCross({5, -10}, {5, 0}, {0, 0}, {10, 0}));  // T-junction the other way
    EXPECT_TRUE(SegmentCross({0, 0}, {10, 0}, {10, 0}, {10, 10})); // shared end
    EXPECT_TRUE(SegmentCross({0, 0}, {10, 0}, {5, 0}, {20, 0}));   // collinear overlap
    EXPECT_FALSE(SegmentCross({0, 0}, {10, 0}, {20, 0}, {30, 0})); // collinear apart
    EXPECT_FALSE(SegmentCross({0, 0}, {10, 0}, {0, 5}, {10, 5}));  // parallel
    EXPECT_FALSE(SegmentCross({0, 0}, {10, 0}, {5, 1}, {5, 10}));  // stops short
}

} // namespace
