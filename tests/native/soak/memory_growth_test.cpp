#include "soak/MemoryGrowth.h"

#include <gtest/gtest.h>

namespace {

constexpr long long kStack = 3072; // KB of a pool thread's stack

// Samples at every fifth cycle, as a 50-cycle soak takes them.
std::vector<MemorySample> Sampled(const std::vector<long long>& kilobytes,
                                  const std::vector<int>& stacks) {
    std::vector<MemorySample> samples;
    for (std::size_t i = 0; i < kilobytes.size(); ++i)
        samples.push_back({static_cast<int>(5 * (i + 1)), kilobytes[i], stacks[i]});
    return samples;
}

TEST(SteadyGrowth, FollowsTheSlopeOfSamplesHoldingAsManyStacks) {
    const std::vector<int> alike(10, 2);
    // A 2,000-cycle soak's wave-out figures in KB: the bare calls and the player grew alike.
    const auto bare =
        Sampled({49500, 49952, 50492, 50612, 51052, 51148, 51628, 52192, 52324, 52780}, alike);
    const auto player =
        Sampled({54348, 54480, 54956, 55564, 55692, 56232, 56356, 56884, 57568, 57640}, alike);
    EXPECT_GT(SteadyGrowth(bare), 3000);
    EXPECT_LT((SteadyGrowth(player) - SteadyGrowth(bare)) * 100, 54348); // under 1 %

    // A short soak whose samples at cycles 30, 45 and 50 held a pool thread's stack: the
    // library's run grew no more than its bare calls, which held one at cycle 5.
    const auto held =
        Sampled({12508, 12508, 12508, 12572, 12572, 15504, 12576, 12576, 15572, 15572},
                {2, 2, 2, 2, 2, 3, 2, 2, 3, 3});
    const auto heldBare =
        Sampled({16284, 15308, 15372, 15372, 15372, 15372, 15372, 15372, 15440, 15440},
                {3, 2, 2, 2, 2, 2, 2, 2, 2, 2});
    EXPECT_LE(SteadyGrowth(held), SteadyGrowth(heldBare));

    // A stack held from any sample on, or only in the middle, leaves a flat run flat and a leak's
    // slope as it is.
    std::vector<long long> flat(10, 40000), leaking(10);
    for (int i = 0; i < 10; ++i)
        leaking[i] = flat[i] + i * 100;
    for (int first : {1, 3, 5, 8})
        for (int last : {first + 1, 10}) {
            std::vector<long long> flatHeld = flat, leakingHeld = leaking;
            std::vector<int> stacks(10, 2);
            for (int i = first; i < last; ++i) {
                flatHeld[i] += kStack;
                leakingHeld[i] += kStack;
                stacks[i] = 3;
            }
            EXPECT_EQ(0, SteadyGrowth(Sampled(flatHeld, stacks))) << first << ".." << last;
            EXPECT_EQ(900, SteadyGrowth(Sampled(leakingHeld, stacks))) << first << ".." << last;
        }
    EXPECT_EQ(0, SteadyGrowth({}));
    EXPECT_EQ(0, SteadyGrowth(Sampled({5}, {2})));
    EXPECT_EQ(-5, SteadyGrowth(Sampled({5, 0}, {2, 2})));
    EXPECT_EQ(0, SteadyGrowth(Sampled({5, 0}, {2, 3})));
}

} // namespace
