// One segment: how many points it gives, where they lie, and the hit test on its chords.
#include "QernoGeometry.h"
#include "geometry/CurveSegment.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

std::vector<POINT> Flattened(const CurveSegment& segment, long limit) {
    std::vector<POINT> points;
    FlattenSegment<double>(segment, limit, [&](const POINT& point) {
        points.push_back(point);
        return false;
    });
    return points;
}

TEST(CurveSegmentCount, FollowsTheExtentSeenFromTheFirstControlPoint) {
    EXPECT_EQ(4, _GetOneCurvePoint(0, 0, 24, 0, 24, 0, 24, 0));  // h = 0.5: the loop never runs
    EXPECT_EQ(4, _GetOneCurvePoint(0, 0, -24, 0, 24, 0, 0, 0));  // not the polygon's width
    EXPECT_EQ(85, _GetOneCurvePoint(0, 0, 0, 1000, 0, 0, 0, 0)); // h = 0.012: 3 + 81 + 1
    EXPECT_EQ(85, _GetOneCurvePoint(0, 0, 5000, 0, 90000, 0, 0, 0));
    POINT control[4] = {{0, 0}, {100, 0}, {200, 0}, {310, 0}};
    EXPECT_EQ(27, GetOneCurvePoint(control)); // h = 12/310: 3 + 23 + 1
    POINT degenerate[4] = {{7, 7}, {7, 7}, {7, 7}, {7, 7}};
    EXPECT_EQ(0, GetOneCurvePoint(degenerate));
    EXPECT_EQ(0, GetOneCurvePoint(nullptr));
}

// The result block of a curve is sized by the count, so the two must never differ.
TEST(CurveSegmentCount, EqualsThePointsFlattened) {
    std::mt19937 random(2024);
    std::uniform_int_distribution<long> reach(-1500, 1500);
    for (int trial = 0; trial < 3000; ++trial) {
        CurveSegment segment{};
        for (int i = 0; i < 4; ++i) {
            segment.x[i] = reach(random) / (trial % 7 + 1);
            segment.y[i] = reach(random) / (trial % 5 + 1);
        }
        for (long limit : {kDrawExtentLimit, kHitExtentLimit})
            ASSERT_EQ(CountSegmentPoints<double>(segment, limit),
                      static_cast<long>(Flattened(segment, limit).size()))
                << trial;
    }
}

// The joints are truncated toward zero, the points between rounded half up.
TEST(CurveSegmentFlattening, TruncatesTheJointsAndRoundsBetween) {
    // Extent 150: h = 0.08, so p(t) = 150 + 50t steps by 4 up to t = 0.96, then the end.
    const std::vector<POINT> points = Flattened({{100, 150, 200, 250}, {0, 0, 0, 0}}, 1000);
    ASSERT_EQ(14u, points.size());
    for (size_t i = 0; i + 1 < points.size(); ++i)
        EXPECT_EQ(150 + 4 * static_cast<LONG>(i), points[i].x) << i;
    EXPECT_EQ(200, points.back().x);
    // e = -7/6 and the end a + b + c + e = -11/6: both -1, not -2.
    const std::vector<POINT> negative = Flattened({{-1, -1, -2, -2}, {-1, -1, -2, -2}}, 1000);
    ASSERT_EQ(4u, negative.size());
    EXPECT_EQ(-1, negative.front().x);
    EXPECT_EQ(-1, negative.back().y);
}

// A straight segment from (160, 0) to (220, 0). The two-pixel tolerance across it is checked in
// every mapping mode under Wine; here, its ends.
TEST(CurveSegmentHit, PastAnEndOnlyTheEndPointCounts) {
    POINT control[4] = {{100, 0}, {160, 0}, {220, 0}, {280, 0}};
    EXPECT_TRUE(InOneCurve(control, {159, 0})); // past an end only the end point counts
    EXPECT_FALSE(InOneCurve(control, {158, 0}));
    EXPECT_FALSE(InOneCurve(control, {222, 1}));
    EXPECT_TRUE(_InOneCurve(100, 0, 160, 0, 220, 0, 280, 0, {200, 1}));
    EXPECT_FALSE(_InOneCurve(5, 5, 5, 5, 5, 5, 5, 5, {5, 5})); // degenerate: never hit
    EXPECT_FALSE(InOneCurve(nullptr, {190, 0}));
}

} // namespace
