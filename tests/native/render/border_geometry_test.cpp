#include "QernoRender.h"
#include "render/BorderGeometry.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <tuple>
#include <vector>

namespace {

std::string Text(POINT p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

// Each segment as "from-to:end tile", width 10.
std::string Plan(const std::vector<POINT>& points, BorderPath path, ScreenAxes axes = {}) {
    const int count = static_cast<int>(points.size());
    std::string plan;
    CornerKind previous = FirstCorner(points.data(), count, path, axes);
    for (int i = 0; i + 1 < count; ++i) {
        const BorderSegment s = PlanSegment(points.data(), count, path, i, previous, 10, axes);
        previous = s.corner;
        plan += Text(s.from) + "-" + Text(s.to) + ":" + std::to_string(s.endTile) + " ";
    }
    return plan;
}

// The longer side is divided by the distance and the shorter follows it, each truncated.
TEST(BorderGeometry, PointsAlongALineStepsTurnedBoxesAndThePlansOfPolygonsAndPolylines) {
    const std::tuple<POINT, POINT, int, const char*> cases[] = {
        {{0, 0}, {10, 0}, 15, "15,0"},   {{0, 0}, {0, -10}, -4, "0,4"}, {{0, 0}, {0, 0}, 15, "0,0"},
        {{0, 0}, {3, 4}, 10, "6,8"},     {{10, 10}, {0, 0}, 7, "5,5"},  {{0, 0}, {7, 3}, 5, "5,2"},
        {{0, 0}, {100000, 0}, 10, "0,0"}}; // too far apart for a 32-bit distance
    for (const auto& [from, towards, distance, expected] : cases) {
        POINT out = {-1, -1};
        distline(from, towards, distance, &out);
        EXPECT_EQ(expected, Text(out)) << Text(from) << " to " << Text(towards);
    }

    // Tiles step by their length plus a share of the rest; the turned box of step x thickness sits
    // off each anchor by a corner that depends on the quadrant. From 0,0 with step and thickness:
    // "count x step, angle: box at offset".
    const std::tuple<POINT, int, int, const char*> layings[] = {
        {{100, 0}, 30, 4, "3 x 33, 0: 33x4 at 0,-2"},
        {{0, 99}, 100, 4, "0 x 0, 0: 0x0 at 0,0"},
        {{100, 100}, 20, 10, "7 x 20, 45: 21x21 at -7,-3"},
        {{-100, 100}, 20, 10, "7 x 20, 135: 21x21 at -14,-3"},
        {{-100, -100}, 20, 10, "7 x 20, 225: 21x21 at -14,-18"},
        {{100, -100}, 20, 10, "7 x 20, 315: 21x21 at -7,-18"}};
    for (const auto& [to, step, thickness, laying] : layings) {
        const TileLaying l = LayTiles({0, 0}, to, step, thickness);
        EXPECT_EQ(laying, std::to_string(l.count) + " x " + std::to_string(l.step) + ", " +
                              std::to_string(l.angle) + ": " + std::to_string(l.width) + "x" +
                              std::to_string(l.height) + " at " + Text(l.offset));
    }

    // Ends at a corner move half a width along their edge, so each corner tile is centred on its
    // vertex. Clockwise on the screen every corner is a right turn (1), counter-clockwise a left
    // turn (2), whichever axis a mapping turns round; a diagonal edge has no corner (0) at either
    // end. A polyline's last end moves by the corner its wrap to the first point makes, but gets no
    // tile.
    const std::vector<POINT> square = {{0, 0}, {0, 100}, {100, 100}, {100, 0}, {0, 0}};
    const std::string corners = "0,5-0,105:2 5,100-105,100:2 100,95-100,-5:2 95,0--5,0:2 ";
    EXPECT_EQ(corners, Plan(square, BorderPath::Closed));
    EXPECT_EQ(corners, Plan(square, BorderPath::Closed, {-1, -1}));
    EXPECT_EQ(std::regex_replace(corners, std::regex(":2"), ":1"),
              Plan(square, BorderPath::Closed, {1, -1}));
    EXPECT_EQ("0,0-105,0:1 100,5-100,100:0 100,100-0,0:0 ",
              Plan({{0, 0}, {100, 0}, {100, 100}, {0, 0}}, BorderPath::Closed));
    EXPECT_EQ("0,0-105,0:1 100,5-100,105:1 95,100--5,100:0 ",
              Plan({{0, 0}, {100, 0}, {100, 100}, {0, 100}}, BorderPath::Open));
    EXPECT_TRUE(DrawablePath(3, BorderPath::Closed) && DrawablePath(2, BorderPath::Open));
    EXPECT_FALSE(DrawablePath(2, BorderPath::Closed) || DrawablePath(1, BorderPath::Open));
}

} // namespace
