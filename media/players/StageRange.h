// The play-range, position and title rules of the stage windows, apart from any device or window.
#pragma once

#include <cstdint>

// A requested bound that means the current position (start) or the length (end).
constexpr unsigned long kStageDefaultBound = 0xFFFFFFFF;

// The device as the range is set: its first position, its length and where it stands.
struct StageDevice {
    unsigned long first;
    unsigned long length;
    unsigned long current;
};

struct StageRange {
    unsigned long start;
    unsigned long end;
    // end - start; for milliseconds rounded to tens.
    unsigned long range;
};

// Fits a requested start and end to the device: at least one frame or 100 ms, within the length.
StageRange FitStageRange(unsigned long start, unsigned long end, const StageDevice& device,
                         bool frames);

// Millisecond media show their positions and ranges rounded to tens (hundredths of a second).
std::uint32_t RoundToTens(std::uint32_t milliseconds);

// The offset the thumb and the position text show: 0 up to start, rounded to tens for
// milliseconds.
unsigned long StageOffset(unsigned long position, unsigned long start, bool frames);

// The position a scroll step goes to (page back and forward, to start, to end; the others stay).
unsigned long SteppedPosition(int code, unsigned long position, unsigned long start,
                              unsigned long end, unsigned long range);

// The file's name after its last backslash, else after its last colon, else the whole file.
const char* FileTitle(const char* file);
// The window title: title when given; else the file "CDAUDIO" as it is, or its FileTitle.
const char* StageTitle(const char* title, const char* file);

// A picture's size as a window can show it. A driver may report a top-down picture's height as
// negative, and a damaged file any size: a side keeps its magnitude, and a picture with a side
// of 0 or past what a window can take gets the fallback square instead.
struct PictureSize {
    int width;
    int height;
};
PictureSize ShowablePictureSize(long width, long height, int fallback);
