#include "Qerno.h"

#include <gtest/gtest.h>

TEST(PlayingVideoCount, CountsUpAndNeverBelowZero) {
    ZeroPlayingVideoCount();
    DecreasePlayingVideoCount();
    EXPECT_EQ(0, GetPlayingVideoCount());
    IncreasePlayingVideoCount();
    IncreasePlayingVideoCount();
    DecreasePlayingVideoCount();
    EXPECT_EQ(1, GetPlayingVideoCount());
    ZeroPlayingVideoCount();
    EXPECT_EQ(0, GetPlayingVideoCount());
}
