#include "QernoRender.h"
#include "render/EffectGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace {

// The size becomes a quarter of the shorter side when it does not fit twice into it; the arm
// swings from the size down to 0 and back within each third of the cycle.
TEST(Sparkle, SizeStepAndArmOverTheCycleAndOnlyCodesFiveToEightClip) {
    EXPECT_EQ(2, SparkleSize({0, 0, 10, 100}, 8));
    EXPECT_EQ(0, SparkleSize({0, 0, 3, 3}, 50));
    EXPECT_EQ(-10, SparkleSize({50, 0, 10, 100}, 4));
    EXPECT_EQ(INT_MAX, SparkleSize({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, INT_MAX));
    const long long cases[][4] = {{0, 100, 0, 100},         {167, 499, 0, 0},
                                  {334, 100, 1, 99},        {999, 100, 2, 99},
                                  {0xFFFFFFFF, 100, 0, 77}, {250, INT_MAX, 0, INT_MAX / 2}};
    for (const auto& [time, size, step, arm] : cases) {
        const SparklePhase phase = SparklePhaseAt(DWORD(time), int(size));
        EXPECT_TRUE(phase.step == step && phase.arm == arm) << time << " size " << size;
    }

    EXPECT_TRUE(NeedClipEffect(5) && NeedClipEffect(8));
    EXPECT_FALSE(NeedClipEffect(4) || NeedClipEffect(9) || NeedClipEffect(0xFFFF));
}

// 16-pixel tiles, whole ones only: none when half a tile would stick out across the bar.
TEST(Shimmer, WholeTilesOfTheBarWhereTheTimePutsItVisibleOnesOnly) {
    const RECT box = {0, 0, 100, 50};
    const std::tuple<WORD, DWORD, RECT, long long, POINT> cases[] = {
        {0, 0, box, 0, {}},    {1, 920, box, 3, {0, 32}},
        {0, 1075, box, 0, {}}, {2, 500, box, 6, {80, 17}},
        {4, 500, box, 0, {}},  {2, 500, {INT_MIN, 0, INT_MAX, 16}, 268435455, {INT_MAX - 31, 0}}};
    for (const auto& [direction, time, device, count, last] : cases) {
        const TileRun run = ShimmerTiles(ShimmerBarAt(direction, time, device), device, 16, 16);
        ASSERT_EQ(count, run.count) << direction << " at " << time;
        const POINT at = TileAt(run, run.count - 1);
        EXPECT_TRUE(count == 0 || (at.x == last.x && at.y == last.y)) << direction;
    }
    EXPECT_EQ(0, ShimmerTiles(ShimmerBarAt(0, 500, box), box, 16, 0).count);

    // Of a column of tiles down the whole coordinate range, those a clip box overlaps; none
    // outside.
    const TileRun column = {134217727, {100, INT_MIN}, {0, 32}};
    const std::tuple<RECT, long long, LONG> boxes[] = {
        {{0, 0, 640, 480}, 15, 0},
        {{0, -5, 640, 1}, 2, -32},
        {{115, 0, 640, 480}, 15, 0},
        {{116, 0, 640, 480}, 0, 0},
        {{0, INT_MAX - 40, 640, INT_MAX}, 1, INT_MAX - 63}};
    for (const auto& [box, count, firstY] : boxes) {
        const TileRun seen = VisibleTiles(column, box, 16, 32);
        EXPECT_EQ(count, seen.count) << box.left << "," << box.top;
        EXPECT_TRUE(count == 0 || (seen.first.x == 100 && seen.first.y == firstY)) << box.top;
    }
}

} // namespace
