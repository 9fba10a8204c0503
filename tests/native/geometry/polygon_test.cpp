#include "QernoGeometry.h"

#include "geometry/OutlineOffset.h"
#include "rect_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace {

using Points = std::vector<POINT>;
using Values = std::vector<PointValue>;

Values ValuesOf(const Points& points) {
    Values values;
    for (const POINT& p : points)
        values.push_back(Value(p));
    return values;
}

// Listed clockwise on the screen, where y grows downwards.
const Points kClockwiseSquare = {{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}};

// An inner box must stop short of the outer one's right and bottom.
TEST(PointLists, CopyReverseMoveBoundAndNest) {
    Points points = {{5, 5}, {-3, 10}, {8, -2}};
    Points copy(3);
    CopyPolygon(copy.data(), points.data(), 3);
    ReversePolyDirect(copy.data(), 3);
    _OffsetPoints(copy.data(), 3, 2, -1);
    EXPECT_EQ((Values{{10, -3}, {-1, 9}, {7, 4}}), ValuesOf(copy));
    RECT around = {};
    MakePolyAround(points.data(), 3, &around);
    EXPECT_EQ((RectValue{-3, -2, 8, 10}), Value(around));

    Points outer = kClockwiseSquare;
    Points inner = {{0, 0}, {90, 0}, {90, 90}, {0, 90}, {0, 0}};
    EXPECT_TRUE(PolygonInPolygon(inner.data(), outer.data(), 5));
    inner[1].x = inner[2].x = 100;
    EXPECT_FALSE(PolygonInPolygon(inner.data(), outer.data(), 5));
}

// Length 5: 28 / 5 and -21 / 5 truncate toward zero to 5 and -4.
TEST(Outlines, LineOffsetMovesLeftOfTravelWithTruncatingDivisions) {
    const auto offset = [](POINT a, POINT b, long distance) {
        LineOffset(&a, &b, distance);
        return ValuesOf({a, b});
    };
    EXPECT_EQ((Values{{0, -10}, {100, -10}}), offset({0, 0}, {100, 0}, 10));
    EXPECT_EQ((Values{{5, -4}, {8, 0}}), offset({0, 0}, {3, 4}, 7));
    EXPECT_EQ((Values{{7, 7}, {7, 7}}), offset({7, 7}, {7, 7}, 10));
}

// Parallels apart on an axis have no corner, and the old one stays.
TEST(Outlines, CornerOfTwoOffsetEdges) {
    const std::tuple<Points, Points, bool, PointValue> cases[] = {
        {{{0, 0}, {5, 5}}, {{5, 5}, {9, 0}}, true, {5, 5}},      // edges already meet
        {{{0, -9}, {0, -3}}, {{0, 0}, {0, 9}}, true, {0, -1}},   // one vertical: -3 / 2
        {{{-9, 4}, {-5, 4}}, {{2, 4}, {9, 4}}, true, {-1, 4}},   // one horizontal: -3 / 2
        {{{10, 0}, {10, 5}}, {{0, 0}, {3, -1}}, true, {10, -3}}, // first vertical: -10 / 3
        {{{0, 0}, {3, 1}}, {{7, 9}, {7, 20}}, true, {7, 2}},     // second vertical: 7 / 3
        {{{0, 0}, {100, 100}}, {{102, 100}, {202, 204}}, true, {101, 100}}, // slopes 1 and 1.04
        {{{0, 0}, {3, 1}}, {{10, 0}, {11, -1}}, true, {7, 2}},              // crossing at x = 7.5
        {{{0, 0}, {0, 9}}, {{5, 9}, {5, 20}}, false, {42, 42}},
        {{{0, 0}, {9, 0}}, {{9, 5}, {20, 5}}, false, {42, 42}},
    };
    for (const auto& [first, second, found, expected] : cases) {
        POINT corner = {42, 42};
        EXPECT_EQ(found, LineCrossPoint(first.data(), second.data(), corner));
        EXPECT_EQ(expected, Value(corner));
    }
}

// A fold turning straight back puts the two offset edges on parallel lines 20 apart, so its
// corner stays.
TEST(Outlines, ClockwisePolygonGrowsCounterClockwiseShrinksAndPolylineEndsFollowTheirEdges) {
    Points square = kClockwiseSquare, reversed = kClockwiseSquare;
    ReversePolyDirect(reversed.data(), 5);
    PolygonOffset(square.data(), 10, 5);
    PolygonOffset(reversed.data(), 10, 5);
    EXPECT_EQ((Values{{-10, -10}, {110, -10}, {110, 110}, {-10, 110}, {-10, -10}}),
              ValuesOf(square));
    EXPECT_EQ((Values{{10, 10}, {10, 90}, {90, 90}, {90, 10}, {10, 10}}), ValuesOf(reversed));

    Points bend = {{0, 0}, {100, 0}, {100, 100}}, fold = {{0, 0}, {100, 0}, {50, 0}};
    PolylineOffset(bend.data(), 10, 3);
    PolylineOffset(fold.data(), 10, 3);
    EXPECT_EQ((Values{{0, -10}, {110, -10}, {110, 100}}), ValuesOf(bend));
    EXPECT_EQ((Values{{0, -10}, {100, 0}, {50, 10}}), ValuesOf(fold));
}

// 50000 * 50000 = 2.5e9 wraps negative. The shift moves a and b by 10 per unit along x before
// the product.
TEST(Orientation, TriangleSignWrapsIn32Bits) {
    const std::tuple<POINT, POINT, POINT, int, int> cases[] = {
        {{0, 0}, {10, 0}, {10, 10}, 0, 1}, {{0, 0}, {10, 10}, {10, 0}, 0, -1},
        {{0, 0}, {5, 5}, {10, 10}, 0, 0},  {{50000, 0}, {0, 50000}, {0, 0}, 0, -1},
        {{0, 0}, {0, 10}, {0, 0}, 1, 1},   {{0, 0}, {0, 10}, {0, 0}, -1, -1},
    };
    for (const auto& [a, b, c, shift, sign] : cases)
        EXPECT_EQ(sign, TriArea(a, b, c, shift)) << b.x << "," << b.y << " shift " << shift;
}

TEST(Orientation, ClockwiseDecidedAtTheTopmostPoint) {
    Points turn = {{0, 0}, {10, 0}, {10, 10}};
    EXPECT_EQ(1, PolygonClockWise(turn.data(), 3));
    ReversePolyDirect(turn.data(), 3);
    EXPECT_EQ(0, PolygonClockWise(turn.data(), 3));
    Points line = {{0, 0}, {5, 5}, {10, 10}};
    EXPECT_EQ(0, PolygonClockWise(line.data(), 3));
    // The top's neighbours are collinear with it: the point after them decides.
    Points square = {{50, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}};
    EXPECT_EQ(1, PolygonClockWise(square.data(), 5));
    std::reverse(square.begin() + 1, square.end());
    EXPECT_EQ(0, PolygonClockWise(square.data(), 5));
}

// Crossing, T-junctions either way, a shared end and a collinear overlap touch; collinear apart,
// parallel or stopping short do not.
TEST(Orientation, SegmentsCrossOrTouch) {
    const std::tuple<POINT, POINT, POINT, POINT, BOOL> cases[] = {
        {{0, 0}, {10, 10}, {0, 10}, {10, 0}, TRUE}, {{0, 0}, {10, 0}, {5, 0}, {5, 10}, TRUE},
        {{5, -10}, {5, 0}, {0, 0}, {10, 0}, TRUE},  {{0, 0}, {10, 0}, {10, 0}, {10, 10}, TRUE},
        {{0, 0}, {10, 0}, {5, 0}, {20, 0}, TRUE},   {{0, 0}, {10, 0}, {20, 0}, {30, 0}, FALSE},
        {{0, 0}, {10, 0}, {0, 5}, {10, 5}, FALSE},  {{0, 0}, {10, 0}, {5, 1}, {5, 10}, FALSE},
    };
    for (const auto& [a1, a2, b1, b2, cross] : cases)
        EXPECT_EQ(cross, SegmentCross(a1, a2, b1, b2)) << b1.x << "," << b1.y;
}

} // namespace
