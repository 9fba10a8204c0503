#include "frame/HookSequences.h"

#include <gtest/gtest.h>

#include <string>

namespace {

StartupStep Recording(std::string& trace, char name, int result) {
    return [&trace, name, result] {
        trace += name;
        return result;
    };
}

TEST(StartupSteps, RunInOrderAndGiveTheLastResult) {
    std::string trace;
    EXPECT_EQ(7, RunStartupSteps({Recording(trace, 'a', 1), Recording(trace, 'b', 2),
                                  Recording(trace, 'c', 7)}));
    EXPECT_EQ("abc", trace);
}

TEST(StartupSteps, StopAtTheFirstFailure) {
    std::string trace;
    EXPECT_EQ(0, RunStartupSteps({Recording(trace, 'a', 1), Recording(trace, 'b', 0),
                                  Recording(trace, 'c', 1)}));
    EXPECT_EQ("ab", trace);

    trace.clear();
    EXPECT_EQ(0, RunStartupSteps({Recording(trace, 'a', 0), Recording(trace, 'b', 1)}));
    EXPECT_EQ("a", trace);
}

TEST(StartupSteps, NoStepsIsNoSuccess) {
    EXPECT_EQ(0, RunStartupSteps({}));
}

TEST(IdleCounts, NothingToDoAsksOnceWithCountZero) {
    std::string counts;
    RunIdleCounts([&](long count) {
        counts += std::to_string(count);
        return false;
    });
    EXPECT_EQ("0", counts);
}

TEST(IdleCounts, CountOnWhileMoreIsAskedFor) {
    std::string counts;
    RunIdleCounts([&](long count) {
        counts += std::to_string(count);
        return count < 3;
    });
    EXPECT_EQ("0123", counts);
}

} // namespace
