#include "QernoGeometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(LineHitTests, NearALineWithinTheToleranceStrictly) {
    const POINT a = {0, 0};
    const POINT b = {100, 0};
    EXPECT_TRUE(PtNearLine(a, b, {50, 1}, 2));
    EXPECT_FALSE(PtNearLine(a, b, {50, 2}, 2));
    EXPECT_TRUE(PtNearLine(a, b, {101, 0}, 2)); // beyond b
    EXPECT_FALSE(PtNearLine(a, b, {102, 0}, 2));
    EXPECT_TRUE(PtNearLine(a, b, {-1, 0}, 2)); // beyond a
    // A slanted segment of length 50: (0, 5) lies 3 from its line.
    EXPECT_TRUE(PtNearLine({0, 0}, {30, 40}, {0, 5}, 4));
    EXPECT_FALSE(PtNearLine({0, 0}, {30, 40}, {0, 5}, 3));
    // A segment of zero length is near nothing, not even itself.
    EXPECT_FALSE(PtNearLine({5, 5}, {5, 5}, {5, 5}, 10));
}

TEST(LineHitTests, OnALineByASmallCrossProduct) {
    EXPECT_TRUE(PointOnLine({0, 0}, {0, 0}, {100, 0}));
    EXPECT_TRUE(PointOnLine({50, 0}, {0, 0}, {100, 0}));
    EXPECT_FALSE(PointOnLine({101, 0}, {0, 0}, {100, 0}));
    EXPECT_FALSE(PointOnLine({50, 1}, {0, 0}, {100, 0}));
    // The allowance is on the cross product: 2 passes on a short segment, 4 does not.
    EXPECT_TRUE(PointOnLine({1, 2}, {0, 0}, {2, 2}));
    EXPECT_FALSE(PointOnLine({2, 3}, {0, 0}, {4, 4}));
}

TEST(LineHitTests, CrossingOfALineWithTheLineThroughTwoPoints) {
    POINT out = {-7, -7};
    EXPECT_FALSE(InsectTwoLinePoint(0, 0, 5, {0, 0}, {10, 10}, &out));
    EXPECT_TRUE(out.x == -7 && out.y == -7);

    // x + 2y = 7 meets y = x at 7 / 3, truncated; y then comes from the line's equation.
    ASSERT_TRUE(InsectTwoLinePoint(1, 2, 7, {0, 0}, {1, 1}, &out));
    EXPECT_TRUE(out.x == 2 && out.y == 2);
    // A vertical p1-p2 meets x + y = 10 at its own x.
    ASSERT_TRUE(InsectTwoLinePoint(1, 1, 10, {3, 0}, {3, 50}, &out));
    EXPECT_TRUE(out.x == 3 && out.y == 7);
    // Parallel to x + y = 10: no crossing.
    EXPECT_FALSE(InsectTwoLinePoint(1, 1, 10, {0, 0}, {10, -10}, &out));

    // The vertical line 2x = 10.
    ASSERT_TRUE(InsectTwoLinePoint(2, 0, 10, {0, 0}, {10, 20}, &out));
    EXPECT_TRUE(out.x == 5 && out.y == 10);
    EXPECT_FALSE(InsectTwoLinePoint(2, 0, 10, {0, 0}, {0, 20}, &out));

    // The horizontal line y = 5; an edge lying on it gives its first point.
    ASSERT_TRUE(InsectTwoLinePoint(0, 1, 5, {0, 0}, {10, 10}, &out));
    EXPECT_TRUE(out.x == 5 && out.y == 5);
    ASSERT_TRUE(InsectTwoLinePoint(0, 1, 5, {3, 5}, {9, 5}, &out));
    EXPECT_TRUE(out.x == 3 && out.y == 5);
    out = {-7, -7};
    EXPECT_FALSE(InsectTwoLinePoint(0, 1, 5, {3, 6}, {9, 6}, &out));
    EXPECT_TRUE(out.x == -7 && out.y == -7);
}

TEST(ShapeHitTests, PolygonBoundaryCountsAsInside) {
    POINT square[] = {{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}};
    EXPECT_TRUE(PtInPolygon(square, 5, {50, 50}));
    EXPECT_FALSE(PtInPolygon(square, 5, {150, 50}));
    EXPECT_TRUE(PtInPolygon(square, 5, {100, 50}));
    EXPECT_FALSE(PtInPolygon(square, 5, {0, 150}));
    EXPECT_FALSE(PtInPolygon(square, 5, {-1, 50}));
    EXPECT_FALSE(PtInPolygon(nullptr, 5, {50, 50}));
}

TEST(ShapeHitTests, PolygonRayThroughAVertexCountsBothEdges) {
    // The ray from (10, 50) passes the vertex (100, 50): two crossings there make it even.
    POINT arrow[] = {{0, 0}, {100, 50}, {0, 100}, {0, 0}};
    EXPECT_FALSE(PtInPolygon(arrow, 4, {10, 50}));
    EXPECT_TRUE(PtInPolygon(arrow, 4, {10, 49}));
}

TEST(ShapeHitTests, Ellipse) {
    RECT r = {0, 0, 100, 50};
    EXPECT_TRUE(PtInEllipse(&r, {50, 25}));
    EXPECT_FALSE(PtInEllipse(&r, {2, 2}));
    EXPECT_FALSE(PtInEllipse(&r, {100, 25})); // the right edge is not in the rectangle
    RECT empty = {10, 10, 10, 20};
    EXPECT_FALSE(PtInEllipse(&empty, {10, 15}));

    // Large rectangles are scaled down before the products.
    RECT large = {0, 0, 100000, 50000};
    EXPECT_TRUE(PtInEllipse(&large, {99000, 25000}));
    EXPECT_FALSE(PtInEllipse(&large, {90000, 45000}));
    constexpr LONG lowest = std::numeric_limits<LONG>::min();
    constexpr LONG highest = std::numeric_limits<LONG>::max();
    RECT widest = {lowest, lowest, highest, highest};
    EXPECT_TRUE(PtInEllipse(&widest, {0, 0}));
    EXPECT_FALSE(PtInEllipse(&widest, {lowest + 1, lowest + 1}));
}

TEST(ShapeHitTests, RoundedRectangle) {
    RECT r = {0, 0, 100, 100};
    EXPECT_FALSE(PtInRoundCorner(&r, 50, {1, 1}));
    EXPECT_TRUE(PtInRoundCorner(&r, 50, {50, 1}));
    EXPECT_TRUE(PtInRoundCorner(&r, 50, {10, 10}));
    EXPECT_FALSE(PtInRoundCorner(&r, 50, {99, 99}));
    // Roundness beyond 0..100 percent stops at the bounds.
    EXPECT_FALSE(PtInRoundCorner(&r, 300, {10, 10}));
    EXPECT_TRUE(PtInRoundCorner(&r, 300, {50, 1}));
    EXPECT_TRUE(PtInRoundCorner(&r, -5, {0, 0}));
    RECT empty = {0, 0, 0, 0};
    EXPECT_FALSE(PtInRoundCorner(&empty, 0, {0, 0}));
}

TEST(ShapeHitTests, Rhombus) {
    RECT r = {0, 0, 100, 100};
    EXPECT_TRUE(PtInRhombus(&r, {50, 40}));
    EXPECT_TRUE(PtInRhombus(&r, {25, 25})); // on an edge
    EXPECT_FALSE(PtInRhombus(&r, {5, 5}));
    EXPECT_FALSE(PtInRhombus(&r, {5, 95}));
}

} // namespace
