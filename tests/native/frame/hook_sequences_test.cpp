#include "frame/HookSequences.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(StartupSteps, StepsRunUntilTheFirstFailureAndIdleCountsFromZeroWhileMoreIsAskedFor) {
    std::string trace;
    const auto step = [&trace](char name, int result) -> StartupStep {
        return [&trace, name, result] {
            trace += name;
            return result;
        };
    };
    EXPECT_EQ(7, RunStartupSteps({step('a', 1), step('b', 2), step('c', 7)}));
    EXPECT_EQ(0, RunStartupSteps({step('d', 1), step('e', 0), step('f', 1)}));
    EXPECT_EQ("abcde", trace);
    EXPECT_EQ(0, RunStartupSteps({})) << "no steps is no success";

    std::string counts;
    RunIdleCounts([&](long count) {
        counts += std::to_string(count);
        return count < 3;
    });
    EXPECT_EQ("0123", counts);
}

} // namespace
