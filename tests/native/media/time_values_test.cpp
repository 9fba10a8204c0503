#include "QernoMedia.h"

#include <gtest/gtest.h>

namespace {

TEST(MillisecondTimes, PackAndUnpackByParts) {
    EXPECT_EQ(90500u, GetTimeBy3Parts(1, 30, 50, 0));
    int minutes = -1, seconds = -1, hundredths = -1, endless = -1;
    GetTime3Parts(90500, minutes, seconds, hundredths, endless);
    EXPECT_EQ(1, minutes);
    EXPECT_EQ(30, seconds);
    EXPECT_EQ(50, hundredths);
    EXPECT_EQ(0, endless);

    // Milliseconds below a hundredth are dropped.
    GetTime3Parts(90509, minutes, seconds, hundredths, endless);
    EXPECT_EQ(50, hundredths);
}

TEST(MillisecondTimes, EndlessWhateverTheParts) {
    EXPECT_EQ(0x7FFFFFFFu, GetTimeBy3Parts(5, 6, 7, 1));
    int minutes = -1, seconds = -1, hundredths = -1, endless = -1;
    GetTime3Parts(0x7FFFFFFF, minutes, seconds, hundredths, endless);
    EXPECT_EQ(1, endless);
    EXPECT_EQ(0, minutes + seconds + hundredths);
}

TEST(MillisecondTimes, WrapAsUnsigned32Bits) {
    // 71583 minutes are 4,294,980,000 ms: past 2^32 by 12,704.
    EXPECT_EQ(12704u, GetTimeBy3Parts(71583, 0, 0, 0));
    EXPECT_EQ(0xFFFFFFF6u, GetTimeBy3Parts(0, 0, -1, 0));
}

TEST(SecondTimes, CapAtThirtyThousandComparedUnsigned) {
    EXPECT_EQ(30000, GetTimeSecBy3Parts(600, 0));
    EXPECT_EQ(29999, GetTimeSecBy3Parts(499, 59));
    EXPECT_EQ(30000, GetTimeSecBy3Parts(-1, 0));
    EXPECT_EQ(30000, GetTimeSecBy3Parts(0, -5));

    int minutes = -1, seconds = -1;
    GetTimeSec3Parts(29999, minutes, seconds);
    EXPECT_EQ(499, minutes);
    EXPECT_EQ(59, seconds);
    GetTimeSec3Parts(30000, minutes, seconds);
    EXPECT_EQ(499, minutes);
    EXPECT_EQ(59, seconds);
    GetTimeSec3Parts(65535, minutes, seconds);
    EXPECT_EQ(499, minutes);
    GetTimeSec3Parts(125, minutes, seconds);
    EXPECT_EQ(2, minutes);
    EXPECT_EQ(5, seconds);
}

} // namespace
