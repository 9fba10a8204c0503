#include "media/StageRange.h"

#include <gtest/gtest.h>

namespace {

constexpr unsigned long kDefault = kStageDefaultBound;

struct RangeCase {
    const char* rule;
    unsigned long start, end;
    StageDevice device;
    bool frames;
    StageRange expected;
};

// A 2000 ms sound from 0 standing at 700, and 20 frames from 0 standing at frame 7.
constexpr StageDevice kSound = {0, 2000, 700};
constexpr StageDevice kVideo = {0, 20, 7};

TEST(StageRange, FitsTheRequestToTheDevice) {
    const RangeCase cases[] = {
        {"as asked", 100, 900, kSound, false, {100, 900, 800}},
        {"current position to the length", kDefault, kDefault, kSound, false, {700, 2000, 1300}},
        {"current frame to the last", kDefault, kDefault, kVideo, true, {7, 20, 13}},
        {"a start at the length becomes the first", 2000, 2500, kSound, false, {0, 2000, 2000}},
        {"a start before the first becomes it", 1, 8, {3, 20, 0}, true, {3, 8, 5}},
        {"milliseconds last at least 100", 500, 550, kSound, false, {500, 600, 100}},
        {"frames last at least one", 9, 9, kVideo, true, {9, 10, 1}},
        {"an end before the start is a frame on", 9, 4, kVideo, true, {9, 10, 1}},
        {"the widening stops at the length", 1950, 1960, kSound, false, {1950, 2000, 50}},
        {"an end past the length is cut", 2, 99, kVideo, true, {2, 20, 18}},
        {"millisecond ranges round to tens", 3, 1008, kSound, false, {3, 1008, 1010}},
        {"frame ranges do not", 3, 18, kVideo, true, {3, 18, 15}},
        {"a device starting past its length", 0, 0, {30, 20, 0}, true, {30, 20, 0}},
    };
    for (const RangeCase& c : cases) {
        const StageRange fitted = FitStageRange(c.start, c.end, c.device, c.frames);
        EXPECT_EQ(c.expected.start, fitted.start) << c.rule;
        EXPECT_EQ(c.expected.end, fitted.end) << c.rule;
        EXPECT_EQ(c.expected.range, fitted.range) << c.rule;
    }
}

TEST(StageRange, OffsetsStartAtZeroAndRoundForMilliseconds) {
    EXPECT_EQ(0u, StageOffset(90, 100, false));
    EXPECT_EQ(0u, StageOffset(100, 100, true));
    EXPECT_EQ(7u, StageOffset(107, 100, true));
    EXPECT_EQ(10u, StageOffset(105, 100, false));
    EXPECT_EQ(0u, StageOffset(104, 100, false));
}

TEST(StageRange, StepsATenthOfTheRangeWithinStartAndEnd) {
    enum { kPageUp = 2, kPageDown = 3, kThumbPosition = 4, kTop = 6, kBottom = 7 };
    struct {
        int code;
        unsigned long position, expected;
    } const cases[] = {
        {kPageUp, 500, 400},   {kPageUp, 150, 100},        {kPageUp, 50, 100},
        {kPageDown, 500, 600}, {kPageDown, 1050, 1100},    {kTop, 500, 100},
        {kBottom, 500, 1100},  {kThumbPosition, 321, 321},
    };
    // From 100 to 1100: a step of 100.
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, SteppedPosition(c.code, c.position, 100, 1100, 1000))
            << "code " << c.code << " at " << c.position;
    EXPECT_EQ(5u, SteppedPosition(kPageUp, 5, 0, 9, 9)) << "a range under 10 has no step";
}

TEST(StageRange, TitleIsGivenOrTheFilesName) {
    struct {
        const char *title, *file, *expected;
    } const cases[] = {
        {"Intro", "C:\\media\\a.wav", "Intro"},
        {"", "C:\\media\\a.wav", "a.wav"},
        {nullptr, "C:a.wav", "a.wav"},
        {"", "C:\\x:y\\a.avi", "a.avi"},
        {"", "a.avi", "a.avi"},
        {"", "cdAudio", "cdAudio"},
        {"", "C:\\cdaudio", "cdaudio"},
        {"", "C:\\media\\", ""},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.expected, StageTitle(c.title, c.file)) << c.file;
}

} // namespace
