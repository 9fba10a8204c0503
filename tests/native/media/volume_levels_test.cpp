// What the mixer on the test machine cannot show: unequal channels, values it never holds,
// levels and modes far out of range.
#include "media/VolumeLevels.h"

#include <gtest/gtest.h>

#include <climits>

TEST(VolumeLevels, StepsUpFromTheLoudestAndDownFromTheQuietestChannel) {
    const std::uint32_t unequal[] = {30000, 20000};
    EXPECT_EQ(36553u, NewControlValue(1, 1, unequal, 2));
    EXPECT_EQ(13447u, NewControlValue(1, 0, unequal, 2));
}

TEST(VolumeLevels, ExtremesStayInTheMixersRange) {
    const std::uint32_t beyondTop[] = {UINT32_MAX, 65535};
    EXPECT_EQ(kVolumeTop, NewControlValue(1, 1, beyondTop, 2));
    EXPECT_EQ(65535u - kVolumeStep, NewControlValue(1, 0, beyondTop, 2));
    EXPECT_EQ(0u, NewControlValue(UINT_MAX, INT_MIN, beyondTop, 2));
    EXPECT_EQ(kVolumeTop, NewControlValue(UINT_MAX, INT_MAX, beyondTop, 2));
}

TEST(VolumeLevels, MuteTakesAnyValueAndTogglesAnyNonZeroToZero) {
    const std::uint32_t muted[] = {0xFFFFFFFF};
    EXPECT_EQ(0xFFFFFFFFu, NewControlValue(3, -1, muted, 1));
    EXPECT_EQ(0u, NewControlValue(4, 0, muted, 1));
}
