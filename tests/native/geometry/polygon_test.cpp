// Point lists, outlines, orientation and crossing; hit tests of lines and shapes.
#include "QernoGeometry.h"

#include "geometry/OutlineOffset.h"
#include "rect_test_support.h"

#include <gtest/gtest.h>

#include <limits>
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
    Points points = {{5, 5}, {-3, 10}, {8, -2}}, copy(3);
    CopyPolygon(copy.data(), points.data(), 3);
    ReversePolyDirect(copy.data(), 3);
    _OffsetPoints(copy.data(), 3, 2, -1);
    EXPECT_EQ((Values{{10, -3}, {-1, 9}, {7, 4}}), ValuesOf(copy));
    RECT around = {};
    MakePolyAround(points.data(), 3, &around);
    EXPECT_EQ((RectValue{-3, -2, 8, 10}), Value(around));

    Points outer = kClockwiseSquare, inner = {{0, 0}, {90, 0}, {90, 90}, {0, 90}, {0, 0}};
    EXPECT_TRUE(PolygonInPolygon(inner.data(), outer.data(), 5));
    inner[1].x = inner[2].x = 100;
    EXPECT_FALSE(PolygonInPolygon(inner.data(), outer.data(), 5));
}

// Length 5: 28 / 5 and -21 / 5 truncate toward zero to 5 and -4.
TEST(Outlines, EdgesMoveLeftMeetAtCornersAndGrowClockwisePolygonsShrinkTheOthers) {
    const auto offset = [](POINT a, POINT b, long distance) {
        LineOffset(&a, &b, distance);
        return ValuesOf({a, b});
    };
    EXPECT_EQ((Values{{0, -10}, {100, -10}}), offset({0, 0}, {100, 0}, 10));
    EXPECT_EQ((Values{{5, -4}, {8, 0}}), offset({0, 0}, {3, 4}, 7));
    EXPECT_EQ((Values{{7, 7}, {7, 7}}), offset({7, 7}, {7, 7}, 10));

    // Parallels apart on an axis have no corner, and the old one stays.
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

    // A fold turning straight back puts the two offset edges on parallel lines 20 apart, so its
    // corner stays.
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
TEST(Orientation, TriangleSignWrapsIn32BitsPolygonsDecideAtTheTopAndSegmentsCross) {
    const std::tuple<POINT, POINT, POINT, int, int> cases[] = {
        {{0, 0}, {10, 0}, {10, 10}, 0, 1}, {{0, 0}, {10, 10}, {10, 0}, 0, -1},
        {{0, 0}, {5, 5}, {10, 10}, 0, 0},  {{50000, 0}, {0, 50000}, {0, 0}, 0, -1},
        {{0, 0}, {0, 10}, {0, 0}, 1, 1},   {{0, 0}, {0, 10}, {0, 0}, -1, -1},
    };
    for (const auto& [a, b, c, shift, sign] : cases)
        EXPECT_EQ(sign, TriArea(a, b, c, shift)) << b.x << "," << b.y << " shift " << shift;

    // In the square the top's neighbours are collinear with it: the point after them decides.
    const std::pair<Points, int> polygons[] = {
        {{{0, 0}, {10, 0}, {10, 10}}, 1},
        {{{10, 10}, {10, 0}, {0, 0}}, 0},
        {{{0, 0}, {5, 5}, {10, 10}}, 0},
        {{{50, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}}, 1},
        {{{50, 0}, {0, 0}, {0, 100}, {100, 100}, {100, 0}}, 0}};
    for (auto [points, clockwise] : polygons)
        EXPECT_EQ(clockwise, PolygonClockWise(points.data(), int(points.size()))) << points[1].x;

    // Crossing, T-junctions either way, a shared end and a collinear overlap touch; collinear
    // apart, parallel or stopping short do not.
    const std::tuple<POINT, POINT, POINT, POINT, BOOL> segments[] = {
        {{0, 0}, {10, 10}, {0, 10}, {10, 0}, TRUE}, {{0, 0}, {10, 0}, {5, 0}, {5, 10}, TRUE},
        {{5, -10}, {5, 0}, {0, 0}, {10, 0}, TRUE},  {{0, 0}, {10, 0}, {10, 0}, {10, 10}, TRUE},
        {{0, 0}, {10, 0}, {5, 0}, {20, 0}, TRUE},   {{0, 0}, {10, 0}, {20, 0}, {30, 0}, FALSE},
        {{0, 0}, {10, 0}, {0, 5}, {10, 5}, FALSE},  {{0, 0}, {10, 0}, {5, 1}, {5, 10}, FALSE},
    };
    for (const auto& [a1, a2, b1, b2, cross] : segments)
        EXPECT_EQ(cross, SegmentCross(a1, a2, b1, b2)) << b1.x << "," << b1.y;
}

// Within the tolerance strictly, beyond either end by the distance to it; a segment of zero
// length is near nothing, not even itself. (0, 5) lies 3 from the slanted segment of length 50.
TEST(LineHitTests, NearOnAndCrossingALine) {
    const std::tuple<POINT, POINT, POINT, int, BOOL> cases[] = {
        {{0, 0}, {100, 0}, {50, 1}, 2, TRUE},  {{0, 0}, {100, 0}, {50, 2}, 2, FALSE},
        {{0, 0}, {100, 0}, {101, 0}, 2, TRUE}, {{0, 0}, {100, 0}, {102, 0}, 2, FALSE},
        {{0, 0}, {30, 40}, {0, 5}, 4, TRUE},   {{0, 0}, {30, 40}, {0, 5}, 3, FALSE},
        {{5, 5}, {5, 5}, {5, 5}, 10, FALSE},
    };
    for (const auto& [a, b, p, tolerance, near] : cases)
        EXPECT_EQ(near, PtNearLine(a, b, p, tolerance)) << p.x << "," << p.y;

    // The allowance is on the cross product: 2 passes on a short segment, 4 does not.
    const std::tuple<POINT, POINT, POINT, BOOL> onLine[] = {
        {{0, 0}, {0, 0}, {100, 0}, TRUE},    {{50, 0}, {0, 0}, {100, 0}, TRUE},
        {{101, 0}, {0, 0}, {100, 0}, FALSE}, {{50, 1}, {0, 0}, {100, 0}, FALSE},
        {{1, 2}, {0, 0}, {2, 2}, TRUE},      {{2, 3}, {0, 0}, {4, 4}, FALSE},
    };
    for (const auto& [p, a, b, on] : onLine)
        EXPECT_EQ(on, PointOnLine(p, a, b)) << p.x << "," << p.y;

    // Slanted lines: x + 2y = 7 meets y = x at 7 / 3, truncated, and y comes from the line's
    // equation; a vertical p1-p2 meets x + y = 10 at its own x. A horizontal line that an edge lies
    // on gives the edge's first point. Parallels leave the point as it was.
    const POINT none = {-7, -7};
    const std::tuple<int, int, long, POINT, POINT, PointValue> lines[] = {
        {0, 0, 5, {0, 0}, {10, 10}, {-7, -7}}, {1, 2, 7, {0, 0}, {1, 1}, {2, 2}},
        {1, 1, 10, {3, 0}, {3, 50}, {3, 7}},   {1, 1, 10, {0, 0}, {10, -10}, {-7, -7}},
        {2, 0, 10, {0, 0}, {10, 20}, {5, 10}}, {2, 0, 10, {0, 0}, {0, 20}, {-7, -7}},
        {0, 1, 5, {0, 0}, {10, 10}, {5, 5}},   {0, 1, 5, {3, 5}, {9, 5}, {3, 5}},
        {0, 1, 5, {3, 6}, {9, 6}, {-7, -7}},
    };
    for (const auto& [A, B, C, p1, p2, crossing] : lines) {
        POINT out = none;
        EXPECT_EQ(crossing != Value(none), InsectTwoLinePoint(A, B, C, p1, p2, &out));
        EXPECT_EQ(crossing, Value(out)) << A << "x + " << B << "y = " << C;
    }
}

// The ray from (10, 50) passes the vertex (100, 50) of the arrow: two crossings there make it
// even.
TEST(ShapeHitTests, PolygonWithItsBoundaryEllipseRoundedRectangleAndRhombus) {
    POINT square[] = {{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}};
    POINT arrow[] = {{0, 0}, {100, 50}, {0, 100}, {0, 0}};
    const std::tuple<POINT*, int, POINT, BOOL> cases[] = {
        {square, 5, {50, 50}, TRUE},  {square, 5, {150, 50}, FALSE}, {square, 5, {100, 50}, TRUE},
        {square, 5, {0, 150}, FALSE}, {square, 5, {-1, 50}, FALSE},  {nullptr, 5, {50, 50}, FALSE},
        {arrow, 4, {10, 50}, FALSE},  {arrow, 4, {10, 49}, TRUE},
    };
    for (const auto& [points, n, p, inside] : cases)
        EXPECT_EQ(inside, PtInPolygon(points, n, p)) << p.x << "," << p.y;

    // The right edge is not in the rectangle. Large rectangles are scaled down before the products.
    constexpr LONG low = std::numeric_limits<LONG>::min(), high = -(low + 1);
    const RECT wide = {0, 0, 100, 50}, large = {0, 0, 100000, 50000}, all = {low, low, high, high};
    const std::tuple<RECT, POINT, BOOL> ellipses[] = {
        {wide, {50, 25}, TRUE},        {wide, {2, 2}, FALSE},
        {wide, {100, 25}, FALSE},      {{10, 10, 10, 20}, {10, 15}, FALSE},
        {large, {99000, 25000}, TRUE}, {large, {90000, 45000}, FALSE},
        {all, {0, 0}, TRUE},           {all, {low + 1, low + 1}, FALSE},
    };
    for (auto [bounds, p, inside] : ellipses)
        EXPECT_EQ(inside, PtInEllipse(&bounds, p)) << p.x << "," << p.y;

    // Roundness beyond 0..100 percent stops at the bounds.
    RECT r = {0, 0, 100, 100};
    const std::tuple<RECT, int, POINT, BOOL> rounded[] = {
        {r, 50, {1, 1}, FALSE},   {r, 50, {50, 1}, TRUE},           {r, 50, {10, 10}, TRUE},
        {r, 50, {99, 99}, FALSE}, {r, 300, {10, 10}, FALSE},        {r, 300, {50, 1}, TRUE},
        {r, -5, {0, 0}, TRUE},    {{0, 0, 0, 0}, 0, {0, 0}, FALSE},
    };
    for (auto [bounds, roundness, p, inside] : rounded)
        EXPECT_EQ(inside, PtInRoundCorner(&bounds, roundness, p)) << roundness << ": " << p.x;
    EXPECT_TRUE(PtInRhombus(&r, {50, 40}) && PtInRhombus(&r, {25, 25})); // the second on an edge
    EXPECT_FALSE(PtInRhombus(&r, {5, 5}) || PtInRhombus(&r, {5, 95}));
}

} // namespace
