#include "QernoRender.h"
#include "render/EffectGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <tuple>

namespace {

// The size becomes a quarter of the shorter side when it does not fit twice into it; the arm
// swings from the size down to 0 and back within each third of the cycle.
TEST(Sparkle, SizeStepAndArmOverTheCycle) {
    EXPECT_EQ(2, SparkleSize({0, 0, 10, 100}, 8));
    EXPECT_EQ(0, SparkleSize({0, 0, 3, 3}, 50));
    EXPECT_EQ(-10, SparkleSize({50, 0, 10, 100}, 4));
    EXPECT_EQ(INT_MAX, SparkleSize({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, INT_MAX));
    const long long cases[][4] = {{0, 100, 0, 100},         {167, 499, 0, 0},
                                  {167, 600, 0, 1},         {334, 100, 1, 99},
                                  {500, 100, 1, 0},         {999, 100, 2, 99},
                                  {0xFFFFFFFF, 100, 0, 77}, {250, INT_MAX, 0, INT_MAX / 2}};
    for (const auto& [time, size, step, arm] : cases) {
        const SparklePhase phase = SparklePhaseAt(DWORD(time), int(size));
        EXPECT_TRUE(phase.step == step && phase.arm == arm) << time << " size " << size;
    }
}

// Places as two letters: L, C or R across, then T, M or B down, of the frame (10, 20)-(50, 80).
std::string PlacesOf(const SparkleStars& stars) {
    const auto letter = [](LONG offset, LONG step, const char* letters) {
        return offset % step == 0 && offset >= 0 && offset <= 2 * step ? letters[offset / step]
                                                                       : '?';
    };
    std::string places;
    for (int i = 0; i < stars.count; ++i)
        places += std::string(i ? " " : "") + letter(stars.centre[i].x - 10, 20, "LCR") +
                  letter(stars.centre[i].y - 20, 30, "TMB");
    return places;
}

// Rows for steps 0, 1 and 2, each on corners and then on edge middles; columns for types.
TEST(Sparkle, StarsHopFromOneCornerOrMiddleToTheOpposite) {
    const WORD types[] = {0, 1, 2, 3, 7};
    const char* const places[6][5] = {
        {"RT", "LT", "RB", "LB", ""},
        {"RM", "CT", "CB", "LM", ""},
        {"LT RB", "LB RT", "LB RT", "LT RB", "LB RT"},
        {"LM RM", "CB CT", "CB CT", "LM RM", "CB CT"},
        {"LB", "RB", "LT", "RT", ""},
        {"LM", "CB", "CT", "RM", ""},
    };
    for (int row = 0; row < 6; ++row)
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(places[row][i],
                      PlacesOf(SparkleStarsAt({10, 20, 50, 80}, types[i], row / 2, row % 2)));
}

// 16-pixel tiles, whole ones only: none when half a tile would stick out across the bar.
TEST(Shimmer, WholeTilesOfTheBarWhereTheTimePutsIt) {
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
}

TEST(NeedClipEffect, OnlyCodesFiveToEight) {
    for (unsigned effect = 0; effect <= 0xFFFF; ++effect)
        ASSERT_EQ(effect >= 5 && effect <= 8, NeedClipEffect(static_cast<WORD>(effect))) << effect;
}

} // namespace
