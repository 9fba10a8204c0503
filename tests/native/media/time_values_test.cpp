#include "QernoMedia.h"

#include <gtest/gtest.h>

#include <array>

namespace {

std::array<int, 4> Parts(unsigned long value) {
    std::array<int, 4> parts = {-1, -1, -1, -1}; // minutes, seconds, hundredths, endless
    GetTime3Parts(value, parts[0], parts[1], parts[2], parts[3]);
    return parts;
}

TEST(Times, MillisecondsWrapAsUnsigned32BitsOrEndlessSecondsCapAtThirtyThousand) {
    EXPECT_EQ(90500u, GetTimeBy3Parts(1, 30, 50, 0));
    EXPECT_EQ((std::array<int, 4>{1, 30, 50, 0}), Parts(90509)); // less than a hundredth dropped
    EXPECT_EQ(0x7FFFFFFFu, GetTimeBy3Parts(5, 6, 7, 1));
    EXPECT_EQ((std::array<int, 4>{0, 0, 0, 1}), Parts(0x7FFFFFFF));
    // 71583 minutes are 4,294,980,000 ms: past 2^32 by 12,704.
    EXPECT_EQ(12704u, GetTimeBy3Parts(71583, 0, 0, 0));
    EXPECT_EQ(0xFFFFFFF6u, GetTimeBy3Parts(0, 0, -1, 0));

    EXPECT_EQ(30000, GetTimeSecBy3Parts(600, 0));
    EXPECT_EQ(29999, GetTimeSecBy3Parts(499, 59));
    EXPECT_EQ(30000, GetTimeSecBy3Parts(0, -5));

    const auto parts = [](unsigned short value) {
        std::array<int, 2> parts = {-1, -1};
        GetTimeSec3Parts(value, parts[0], parts[1]);
        return parts;
    };
    EXPECT_EQ((std::array<int, 2>{2, 5}), parts(125));
    EXPECT_EQ((std::array<int, 2>{499, 59}), parts(30000));
    EXPECT_EQ((std::array<int, 2>{499, 59}), parts(65535));
}

} // namespace
