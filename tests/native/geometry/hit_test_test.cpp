#include "QernoGeometry.h"
#include "rect_test_support.h"

#include <gtest/gtest.h>

#include <limits>
#include <tuple>

namespace {

// Within the tolerance strictly, beyond either end by the distance to it; a segment of zero
// length is near nothing, not even itself. (0, 5) lies 3 from the slanted segment of length 50.
TEST(LineHitTests, NearALineWithinTheToleranceStrictly) {
    const std::tuple<POINT, POINT, POINT, int, BOOL> cases[] = {
        {{0, 0}, {100, 0}, {50, 1}, 2, TRUE},  {{0, 0}, {100, 0}, {50, 2}, 2, FALSE},
        {{0, 0}, {100, 0}, {101, 0}, 2, TRUE}, {{0, 0}, {100, 0}, {102, 0}, 2, FALSE},
        {{0, 0}, {30, 40}, {0, 5}, 4, TRUE},   {{0, 0}, {30, 40}, {0, 5}, 3, FALSE},
        {{5, 5}, {5, 5}, {5, 5}, 10, FALSE},
    };
    for (const auto& [a, b, p, tolerance, near] : cases)
        EXPECT_EQ(near, PtNearLine(a, b, p, tolerance)) << p.x << "," << p.y;
}

// The allowance is on the cross product: 2 passes on a short segment, 4 does not.
TEST(LineHitTests, OnALineByASmallCrossProduct) {
    const std::tuple<POINT, POINT, POINT, BOOL> cases[] = {
        {{0, 0}, {0, 0}, {100, 0}, TRUE},    {{50, 0}, {0, 0}, {100, 0}, TRUE},
        {{101, 0}, {0, 0}, {100, 0}, FALSE}, {{50, 1}, {0, 0}, {100, 0}, FALSE},
        {{1, 2}, {0, 0}, {2, 2}, TRUE},      {{2, 3}, {0, 0}, {4, 4}, FALSE},
    };
    for (const auto& [p, a, b, on] : cases)
        EXPECT_EQ(on, PointOnLine(p, a, b)) << p.x << "," << p.y;
}

// Slanted lines: x + 2y = 7 meets y = x at 7 / 3, truncated, and y comes from the line's
// equation; a vertical p1-p2 meets x + y = 10 at its own x. A horizontal line that an edge lies
// on gives the edge's first point. Parallels leave the point as it was.
TEST(LineHitTests, CrossingOfALineWithTheLineThroughTwoPoints) {
    const POINT none = {-7, -7};
    const std::tuple<int, int, long, POINT, POINT, PointValue> cases[] = {
        {0, 0, 5, {0, 0}, {10, 10}, {-7, -7}}, {1, 2, 7, {0, 0}, {1, 1}, {2, 2}},
        {1, 1, 10, {3, 0}, {3, 50}, {3, 7}},   {1, 1, 10, {0, 0}, {10, -10}, {-7, -7}},
        {2, 0, 10, {0, 0}, {10, 20}, {5, 10}}, {2, 0, 10, {0, 0}, {0, 20}, {-7, -7}},
        {0, 1, 5, {0, 0}, {10, 10}, {5, 5}},   {0, 1, 5, {3, 5}, {9, 5}, {3, 5}},
        {0, 1, 5, {3, 6}, {9, 6}, {-7, -7}},
    };
    for (const auto& [A, B, C, p1, p2, crossing] : cases) {
        POINT out = none;
        EXPECT_EQ(crossing != Value(none), InsectTwoLinePoint(A, B, C, p1, p2, &out));
        EXPECT_EQ(crossing, Value(out)) << A << "x + " << B << "y = " << C;
    }
}

// The ray from (10, 50) passes the vertex (100, 50) of the arrow: two crossings there make it
// even.
TEST(ShapeHitTests, PolygonBoundaryCountsAsInside) {
    POINT square[] = {{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}};
    POINT arrow[] = {{0, 0}, {100, 50}, {0, 100}, {0, 0}};
    const std::tuple<POINT*, int, POINT, BOOL> cases[] = {
        {square, 5, {50, 50}, TRUE},  {square, 5, {150, 50}, FALSE}, {square, 5, {100, 50}, TRUE},
        {square, 5, {0, 150}, FALSE}, {square, 5, {-1, 50}, FALSE},  {nullptr, 5, {50, 50}, FALSE},
        {arrow, 4, {10, 50}, FALSE},  {arrow, 4, {10, 49}, TRUE},
    };
    for (const auto& [points, n, p, inside] : cases)
        EXPECT_EQ(inside, PtInPolygon(points, n, p)) << p.x << "," << p.y;
}

// The right edge is not in the rectangle. Large rectangles are scaled down before the products.
TEST(ShapeHitTests, Ellipse) {
    constexpr LONG lowest = std::numeric_limits<LONG>::min();
    constexpr LONG highest = std::numeric_limits<LONG>::max();
    const RECT wide = {0, 0, 100, 50}, large = {0, 0, 100000, 50000},
               widest = {lowest, lowest, highest, highest};
    const POINT nearCorner = {lowest + 1, lowest + 1};
    const std::tuple<RECT, POINT, BOOL> cases[] = {
        {wide, {50, 25}, TRUE},        {wide, {2, 2}, FALSE},
        {wide, {100, 25}, FALSE},      {{10, 10, 10, 20}, {10, 15}, FALSE},
        {large, {99000, 25000}, TRUE}, {large, {90000, 45000}, FALSE},
        {widest, {0, 0}, TRUE},        {widest, nearCorner, FALSE},
    };
    for (auto [bounds, p, inside] : cases)
        EXPECT_EQ(inside, PtInEllipse(&bounds, p)) << p.x << "," << p.y;
}

// Roundness beyond 0..100 percent stops at the bounds.
TEST(ShapeHitTests, RoundedRectangleAndRhombus) {
    RECT r = {0, 0, 100, 100};
    const std::tuple<RECT, int, POINT, BOOL> cases[] = {
        {r, 50, {1, 1}, FALSE},   {r, 50, {50, 1}, TRUE},           {r, 50, {10, 10}, TRUE},
        {r, 50, {99, 99}, FALSE}, {r, 300, {10, 10}, FALSE},        {r, 300, {50, 1}, TRUE},
        {r, -5, {0, 0}, TRUE},    {{0, 0, 0, 0}, 0, {0, 0}, FALSE},
    };
    for (auto [bounds, roundness, p, inside] : cases)
        EXPECT_EQ(inside, PtInRoundCorner(&bounds, roundness, p)) << roundness << ": " << p.x;
    EXPECT_TRUE(PtInRhombus(&r, {50, 40}));
    EXPECT_TRUE(PtInRhombus(&r, {25, 25})); // on an edge
    EXPECT_FALSE(PtInRhombus(&r, {5, 5}));
    EXPECT_FALSE(PtInRhombus(&r, {5, 95}));
}

} // namespace
