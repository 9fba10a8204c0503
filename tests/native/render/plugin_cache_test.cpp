// Plug-in fill sizes at the edges of what one DIB block holds.
#include "render/PlugInCache.h"

#include <gtest/gtest.h>

TEST(PlugInCache, EmptyRectanglesAndBitmapsPastOneDibBlockAreRefused) {
    PlugInFill fill;
    EXPECT_TRUE(SizePlugInFill({0, 0, 26754, 26754}, {-9, -9}, &fill));
    const std::pair<RECT, FillSize> refused[] = {
        {{5, 5, 5, 9}, {0, 0}},          {{5, 9, 9, 5}, {0, 0}},
        {{0, 0, 26755, 26755}, {0, 0}},  {{-0x7FFFFFFF - 1, 0, 0x7FFFFFFF, 1}, {0, 0}},
        {{0, 0, 1, 1}, {0x7FFFFFFF, 1}}, {{0, 0, 1, 1}, {26755, 26755}}};
    for (const auto& [device, minimum] : refused)
        EXPECT_FALSE(SizePlugInFill(device, minimum, &fill));
    EXPECT_EQ(0x7FFFFFFF, ScreenMinimum({-0x7FFFFFFF - 1, 0, 0x7FFFFFFF, 0}, 1, 1).width);
}
