#include "QernoRender.h"
#include "render/BorderGeometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Text(POINT p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

TEST(BorderGeometry, DistancesAndPointsAlongALine) {
    EXPECT_EQ(5, dist_ptpt({0, 0}, {3, 4}));
    EXPECT_EQ(0, dist_ptpt({7, -7}, {7, -7}));
    EXPECT_EQ(14, dist_ptpt({10, 10}, {0, 0})); // intsqrt(200)

    // The longer side is divided by the distance and the shorter follows it, each truncated.
    const struct {
        POINT from, towards;
        int distance;
        const char* expected;
    } cases[] = {
        {{0, 0}, {10, 0}, 15, "15,0"},    {{0, 0}, {0, -10}, 4, "0,-4"},
        {{0, 0}, {10, 0}, -5, "-5,0"},    {{0, 0}, {0, 0}, 15, "0,0"},
        {{0, 0}, {3, 4}, 10, "6,8"},      {{0, 0}, {4, 3}, 10, "8,6"},
        {{10, 10}, {0, 0}, 7, "5,5"},     {{0, 0}, {7, 3}, 5, "5,2"},
        {{0, 0}, {100000, 0}, 10, "0,0"}, // too far apart for a 32-bit distance
    };
    for (const auto& c : cases) {
        POINT out = {-1, -1};
        distline(c.from, c.towards, c.distance, &out);
        EXPECT_EQ(c.expected, Text(out)) << Text(c.from) << " to " << Text(c.towards);
    }
    distline({0, 0}, {1, 1}, 1, nullptr);
}

TEST(BorderGeometry, TilesSpreadTheRemainderOverTheSegment) {
    const struct {
        POINT to;
        int step, thickness, count, widened;
    } cases[] = {
        {{100, 0}, 16, 16, 6, 16}, {{100, 0}, 30, 4, 3, 33}, {{0, 99}, 100, 4, 0, 0},
        {{100, 0}, 0, 4, 0, 0},    {{100, 0}, 10, 0, 0, 0},
    };
    for (const auto& c : cases) {
        const TileLaying laying = LayTiles({0, 0}, c.to, c.step, c.thickness);
        EXPECT_EQ(c.count, laying.count) << Text(c.to) << " step " << c.step;
        EXPECT_EQ(c.widened, laying.step) << Text(c.to) << " step " << c.step;
    }
    const POINT start = {10, 50};
    const TileLaying laying = LayTiles(start, {110, 50}, 16, 16);
    for (int i = 0; i < laying.count; ++i)
        EXPECT_EQ(Text({10 + 16 * i, 42}), Text(TileCorner(start, {110, 50}, laying, i)));
}

// Step 20 along, thickness 10 across: the box's sides and its corner's offset from the anchor in
// each quadrant.
TEST(BorderGeometry, TurnedBoxAndItsOffsetPerQuadrant) {
    const struct {
        POINT to;
        int angle, width, height;
        POINT offset;
    } cases[] = {
        {{100, 0}, 0, 20, 10, {0, -5}},       {{100, 100}, 45, 21, 21, {-7, -3}},
        {{0, 100}, 90, 10, 20, {0, 0}},       {{-100, 100}, 135, 21, 21, {-14, -3}},
        {{-100, 0}, 180, 20, 10, {-20, -5}},  {{-100, -100}, 225, 21, 21, {-14, -18}},
        {{0, -100}, 270, 10, 20, {-10, -20}}, {{100, -100}, 315, 21, 21, {-7, -18}},
    };
    for (const auto& c : cases) {
        const TileLaying laying = LayTiles({0, 0}, c.to, 20, 10);
        EXPECT_EQ(c.angle, laying.angle);
        EXPECT_EQ(20, laying.step) << c.angle;
        EXPECT_EQ(c.width, laying.width) << c.angle;
        EXPECT_EQ(c.height, laying.height) << c.angle;
        EXPECT_EQ(Text(c.offset), Text(laying.offset)) << c.angle;
    }
}

TEST(BorderGeometry, OnlyAxisParallelRightAnglesAreCorners) {
    const struct {
        POINT a, b, c;
        CornerKind kind;
    } cases[] = {
        {{0, 0}, {9, 0}, {9, 9}, kRightTurn}, {{9, 9}, {0, 9}, {0, 0}, kRightTurn},
        {{9, 0}, {9, 9}, {0, 9}, kRightTurn}, {{0, 9}, {0, 0}, {9, 0}, kRightTurn},
        {{0, 9}, {9, 9}, {9, 0}, kLeftTurn},  {{9, 0}, {0, 0}, {0, 9}, kLeftTurn},
        {{0, 0}, {0, 9}, {9, 9}, kLeftTurn},  {{9, 9}, {9, 0}, {0, 0}, kLeftTurn},
        {{0, 0}, {9, 0}, {18, 0}, kNoCorner}, {{0, 0}, {9, 9}, {9, 18}, kNoCorner},
        {{9, 0}, {9, 9}, {0, 0}, kNoCorner},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.kind, CornerAt(c.a, c.b, c.c)) << Text(c.a) << " " << Text(c.b);
}

struct Planned {
    POINT from, to;
    CornerKind endTile;
};

std::string Text(const std::vector<Planned>& segments) {
    std::string text;
    for (const Planned& s : segments)
        text += Text(s.from) + "-" + Text(s.to) + ":" + std::to_string(s.endTile) + " ";
    return text;
}

std::vector<Planned> Plan(const std::vector<POINT>& points, BorderPath path, int width) {
    const int count = static_cast<int>(points.size());
    std::vector<Planned> segments;
    if (!DrawablePath(count, path))
        return segments;
    CornerKind previous = FirstCorner(points.data(), count, path);
    for (int i = 0; i + 1 < count; ++i) {
        const BorderSegment s = PlanSegment(points.data(), count, path, i, previous, width);
        previous = s.corner;
        segments.push_back({s.from, s.to, s.endTile});
    }
    return segments;
}

// Width 10: ends at a corner move 5 along their edge, so each corner tile is centred on its
// vertex and the edge tiles start where it stops.
TEST(BorderGeometry, PolygonAndPolylinePlans) {
    const std::vector<POINT> square = {{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}};
    EXPECT_EQ("5,0-105,0:1 100,5-100,105:1 95,100--5,100:1 0,95-0,-5:1 ",
              Text(Plan(square, BorderPath::Closed, 10)));
    const std::vector<POINT> backwards = {{0, 0}, {0, 100}, {100, 100}, {100, 0}, {0, 0}};
    EXPECT_EQ("0,5-0,105:2 5,100-105,100:2 100,95-100,-5:2 95,0--5,0:2 ",
              Text(Plan(backwards, BorderPath::Closed, 10)));
    const std::vector<POINT> diagonal = {{0, 0}, {100, 0}, {100, 100}, {0, 0}};
    EXPECT_EQ("0,0-105,0:1 100,5-100,100:0 100,100-0,0:0 ",
              Text(Plan(diagonal, BorderPath::Closed, 10)));
    // The last segment's end moves by the corner its wrap to the first point makes, but has no
    // corner tile.
    const std::vector<POINT> open = {{0, 0}, {100, 0}, {100, 100}, {0, 100}};
    EXPECT_EQ("0,0-105,0:1 100,5-100,105:1 95,100--5,100:0 ",
              Text(Plan(open, BorderPath::Open, 10)));
    EXPECT_EQ("0,0-100,0:0 ", Text(Plan({{0, 0}, {100, 0}}, BorderPath::Open, 10)));

    EXPECT_FALSE(DrawablePath(2, BorderPath::Closed));
    EXPECT_TRUE(DrawablePath(3, BorderPath::Closed));
    EXPECT_FALSE(DrawablePath(1, BorderPath::Open));
    EXPECT_FALSE(DrawablePath(0, BorderPath::Open));
}

} // namespace
