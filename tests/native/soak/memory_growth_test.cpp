#include "soak/MemoryGrowth.h"

#include <gtest/gtest.h>

namespace {

constexpr long long kBuffer = 3 << 20; // the system's buffer that some samples hold

TEST(SteadyGrowth, FollowsTheSlopeAndNotTheSamplesOutOfLine) {
    // The wave-out soak's figures in KB: the bare calls and the player grew alike.
    const std::vector<long long> bare = {49500, 49952, 50492, 50612, 51052,
                                         51148, 51628, 52192, 52324, 52780};
    const std::vector<long long> player = {54348, 54480, 54956, 55564, 55692,
                                           56232, 56356, 56884, 57568, 57640};
    EXPECT_GT(SteadyGrowth(bare), 3000);
    EXPECT_LT((SteadyGrowth(player) - SteadyGrowth(bare)) * 100, player.front()); // under 1 %

    std::vector<long long> flat(10, 40000 << 10), leaking(10);
    for (int sample = 0; sample < 10; ++sample)
        leaking[sample] = flat[sample] + sample * 100000;
    // Three samples of ten holding the buffer, wherever they fall, leave a flat run flat and a
    // leak's slope as it is.
    for (int first : {0, 3, 7}) {
        std::vector<long long> flatHeld = flat, leakingHeld = leaking;
        for (int held = first; held < first + 3; ++held) {
            flatHeld[held] += kBuffer;
            leakingHeld[held] += kBuffer;
        }
        EXPECT_EQ(0, SteadyGrowth(flatHeld)) << first;
        EXPECT_EQ(900000, SteadyGrowth(leakingHeld)) << first;
    }
    EXPECT_EQ(0, SteadyGrowth({}));
    EXPECT_EQ(0, SteadyGrowth({5}));
    EXPECT_EQ(-5, SteadyGrowth({5, 0}));
}

} // namespace
