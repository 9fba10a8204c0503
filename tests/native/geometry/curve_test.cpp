// Curves in device units: one segment's count, points and chord hit test, then whole curves'
// padding, control points, flattening and span hit test. Result blocks are sized by the counts,
// so every buffer here is exactly that size and a count must equal the points written.
#include "QernoGeometry.h"
#include "geometry/CurveSegment.h"
#include "geometry/SplineCurve.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

std::vector<POINT> Flattened(const CurveSegment& segment, long limit) {
    std::vector<POINT> points;
    FlattenSegment<double>(segment, limit, [&](const POINT& point) {
        points.push_back(point);
        return false;
    });
    EXPECT_EQ(CountSegmentPoints<double>(segment, limit), static_cast<long>(points.size()));
    return points;
}

std::vector<POINT> ControlPointsOf(const std::vector<POINT>& placed) {
    const int n = static_cast<int>(placed.size());
    std::vector<POINT> padded(PaddedPointCount(n));
    std::vector<POINT> control(ControlPointCount(n));
    PadCurvePoints(placed.data(), n, padded.data());
    BackCalu(padded.data(), control.data(), n + 5);
    return control;
}

std::vector<POINT> FlattenedCurve(const std::vector<POINT>& placed) {
    const std::vector<POINT> control = ControlPointsOf(placed);
    const int n = static_cast<int>(placed.size());
    std::vector<POINT> points(CountCurvePoints(control.data(), n));
    EXPECT_EQ(points.data() + points.size(), EmitCurvePoints(control.data(), n, points.data()));
    return points;
}

// The largest of the x and y distances from p to the nearest point.
LONG Distance(const std::vector<POINT>& points, POINT p) {
    LONG nearest = 0x7FFFFFFF;
    for (const POINT& q : points)
        nearest = std::min(nearest, std::max(std::abs(q.x - p.x), std::abs(q.y - p.y)));
    return nearest;
}

TEST(CurveSegmentCount, CountFollowsTheExtentAndFlatteningTruncatesTheJoints) {
    EXPECT_EQ(4, _GetOneCurvePoint(0, 0, 24, 0, 24, 0, 24, 0));  // h = 0.5: the loop never runs
    EXPECT_EQ(4, _GetOneCurvePoint(0, 0, -24, 0, 24, 0, 0, 0));  // not the polygon's width
    EXPECT_EQ(85, _GetOneCurvePoint(0, 0, 0, 1000, 0, 0, 0, 0)); // h = 0.012: 3 + 81 + 1
    EXPECT_EQ(85, _GetOneCurvePoint(0, 0, 5000, 0, 90000, 0, 0, 0));
    POINT control[4] = {{0, 0}, {100, 0}, {200, 0}, {310, 0}};
    EXPECT_EQ(27, GetOneCurvePoint(control)); // h = 12/310: 3 + 23 + 1
    POINT degenerate[4] = {{7, 7}, {7, 7}, {7, 7}, {7, 7}};
    EXPECT_EQ(0, GetOneCurvePoint(degenerate));
    EXPECT_EQ(0, GetOneCurvePoint(nullptr));

    // The joints are truncated toward zero, the points between rounded half up.
    // Extent 150: h = 0.08, so p(t) = 150 + 50t steps by 4 up to t = 0.96, then the end.
    const std::vector<POINT> points = Flattened({{100, 150, 200, 250}, {0, 0, 0, 0}}, 1000);
    ASSERT_EQ(14u, points.size());
    for (size_t i = 0; i + 1 < points.size(); ++i)
        EXPECT_EQ(150 + 4 * static_cast<LONG>(i), points[i].x) << i;
    EXPECT_EQ(200, points.back().x);
    // e = -7/6 and the end a + b + c + e = -11/6: both -1, not -2.
    const std::vector<POINT> negative = Flattened({{-1, -1, -2, -2}, {-1, -1, -2, -2}}, 1000);
    ASSERT_EQ(4u, negative.size());
    EXPECT_TRUE(negative.front().x == -1 && negative.back().y == -1);
}

// A straight segment from (160, 0) to (220, 0). The two-pixel tolerance across it is checked
// under Wine in a scaled, flipped mapping; here, its ends.
TEST(Curves, ControlPointsNeverOverflowTheCurvePassesThePointsAndHitsNameTheirSpan) {
    POINT control[4] = {{100, 0}, {160, 0}, {220, 0}, {280, 0}};
    EXPECT_TRUE(InOneCurve(control, {159, 0}) &&
                _InOneCurve(100, 0, 160, 0, 220, 0, 280, 0, {200, 1}));
    EXPECT_FALSE(InOneCurve(control, {158, 0}) || InOneCurve(control, {222, 1}) ||
                 InOneCurve(nullptr, {190, 0}));
    EXPECT_FALSE(_InOneCurve(5, 5, 5, 5, 5, 5, 5, 5, {5, 5})); // degenerate: never hit

    // The two-pixel tolerance is checked under Wine in a scaled, flipped mapping.
    const std::vector<POINT> line = ControlPointsOf({{0, 0}, {120, 0}, {240, 0}});
    EXPECT_EQ(2, HitCurveSpan(line.data(), 3, {241, 0}));
    EXPECT_EQ(1, HitCurveSpan(line.data(), 3, {120, 0})); // the joint belongs to both
    // The chord from the start to the top would pass (50, 50); the curve bulges above it.
    const std::vector<POINT> arch = {{0, 0}, {100, 100}, {200, 0}};
    const std::vector<POINT> arched = ControlPointsOf(arch);
    EXPECT_EQ(0, HitCurveSpan(arched.data(), 3, {50, 50}));
    for (const POINT& p : FlattenedCurve(arch))
        EXPECT_NE(0, HitCurveSpan(arched.data(), 3, p)) << p.x << "," << p.y;

    std::vector<POINT> padded(7, POINT{9, 9}); // m = 5 would need eight
    std::vector<POINT> computed(6, POINT{-3, -3});
    BackCalu(padded.data(), computed.data(), 5);
    EXPECT_EQ(-3, computed[3].x);
    BackCalu(nullptr, computed.data(), 12);
    // Coordinates at the limits saturate instead of wrapping.
    constexpr LONG far = 2000000000;
    EXPECT_FALSE(FlattenedCurve({{far, -far}, {-far, far}, {far, -far}}).empty());

    // The point count and ends of a straight curve, and the empty curve of coincident points, are
    // checked through the exports under Wine.
    const std::vector<POINT> placed = {{0, 0}, {100, 50}, {200, 0}, {300, 80}};
    const std::vector<POINT> wave = FlattenedCurve(placed);
    EXPECT_EQ(0, Distance({wave.front()}, {0, 0}));
    EXPECT_EQ(0, Distance(wave, {100, 49}));
    for (const POINT& p : placed)
        EXPECT_LE(Distance(wave, p), 1) << p.x;
    // Two points make one smooth span.
    const std::vector<POINT> span = FlattenedCurve({{10, 10}, {410, 310}});
    ASSERT_FALSE(span.empty());
    EXPECT_EQ(0, Distance({span.front()}, {10, 10}));
    EXPECT_LE(Distance({span.back()}, {410, 310}), 1);
}

} // namespace
