#include "media/players/StageRange.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

constexpr unsigned long kDefault = kStageDefaultBound;
// A 2000 ms sound standing at 700, and 20 frames standing at frame 7.
constexpr StageDevice kSound = {0, 2000, 700};
constexpr StageDevice kVideo = {0, 20, 7};

TEST(StageRange, FitsTheRequestStepsATenthOfItOffsetsFromTheStartAndTitlesIt) {
    // The rule, the start and end asked for, the device, frames or milliseconds, and the range.
    using Case =
        std::tuple<const char*, unsigned long, unsigned long, StageDevice, bool, StageRange>;
    const Case cases[] = {
        {"current position to the length", kDefault, kDefault, kSound, false, {700, 2000, 1300}},
        {"a start at the length becomes the first", 2000, 2500, kSound, false, {0, 2000, 2000}},
        {"a start before the first becomes it", 1, 8, {3, 20, 0}, true, {3, 8, 5}},
        {"milliseconds last at least 100", 500, 550, kSound, false, {500, 600, 100}},
        {"an end before the start is a frame on", 9, 4, kVideo, true, {9, 10, 1}},
        {"the widening stops at the length", 1950, 1960, kSound, false, {1950, 2000, 50}},
        {"millisecond ranges round to tens", 3, 1008, kSound, false, {3, 1008, 1010}},
        {"a device starting past its length", 0, 0, {30, 20, 0}, true, {30, 20, 0}},
    };
    for (const auto& [rule, start, end, device, frames, expected] : cases) {
        const StageRange fitted = FitStageRange(start, end, device, frames);
        EXPECT_EQ(std::tuple(expected.start, expected.end, expected.range),
                  std::tuple(fitted.start, fitted.end, fitted.range))
            << rule;
    }

    enum { kPageUp = 2, kPageDown = 3, kThumbPosition = 4, kTop = 6, kBottom = 7 };
    // The code, the position and where it steps to.
    const std::tuple<int, unsigned long, unsigned long> steps[] = {
        {kPageUp, 500, 400}, {kPageUp, 50, 100},   {kPageDown, 1050, 1100},
        {kTop, 500, 100},    {kBottom, 500, 1100}, {kThumbPosition, 321, 321}};
    for (const auto& [code, position, expected] : steps) // from 100 to 1100: a step of 100
        EXPECT_EQ(expected, SteppedPosition(code, position, 100, 1100, 1000)) << code;
    // Offsets start at zero and round to tens for milliseconds.
    EXPECT_EQ(0u, StageOffset(90, 100, false));
    EXPECT_EQ(7u, StageOffset(107, 100, true));
    EXPECT_EQ(10u, StageOffset(105, 100, false));

    // The title given, the file and the title shown.
    const std::tuple<const char*, const char*, const char*> titles[] = {
        {"Intro", "C:\\m\\a.wav", "Intro"}, {nullptr, "C:\\m\\a.wav", "a.wav"},
        {"", "C:a.wav", "a.wav"},           {"", "a.avi", "a.avi"},
        {"", "cdAudio", "cdAudio"},         {"", "C:\\cdaudio", "cdaudio"}};
    for (const auto& [title, file, expected] : titles)
        EXPECT_STREQ(expected, StageTitle(title, file)) << file;

    // Reported sides and the picture shown, with 50 for a size that cannot be shown.
    const std::tuple<long, long, int, int> pictures[] = {
        {160, 120, 160, 120},  {160, -120, 160, 120},
        {-160, 120, 160, 120}, {32767, -32767, 32767, 32767},
        {160, 0, 50, 50},      {32768, 120, 50, 50},
        {160, -32768, 50, 50}, {-2147483647L - 1, 120, 50, 50}};
    for (const auto& [width, height, shownWidth, shownHeight] : pictures) {
        const PictureSize shown = ShowablePictureSize(width, height, 50);
        EXPECT_EQ(std::tuple(shownWidth, shownHeight), std::tuple(shown.width, shown.height))
            << width << " x " << height;
    }
}

} // namespace
