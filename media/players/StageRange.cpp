#include "media/players/StageRange.h"

namespace {

// The Windows scroll-bar codes the bar's buttons stand for.
enum ScrollCode : int { kPageUp = 2, kPageDown = 3, kTop = 6, kBottom = 7 };

constexpr unsigned long kShortestFrames = 1;
constexpr unsigned long kShortestMilliseconds = 100;

bool IsCdAudio(const char* file) {
    const char* name = "CDAUDIO";
    for (; *file && *name; ++file, ++name) {
        const char upper = *file >= 'a' && *file <= 'z' ? char(*file - 'a' + 'A') : *file;
        if (upper != *name)
            return false;
    }
    return !*file && !*name;
}

const char* AfterLast(const char* text, char separator) {
    const char* after = nullptr;
    for (const char* at = text; *at; ++at)
        if (*at == separator)
            after = at + 1;
    return after;
}

} // namespace

StageRange FitStageRange(unsigned long start, unsigned long end, const StageDevice& device,
                         bool frames) {
    if (start == kStageDefaultBound)
        start = device.current;
    if (end == kStageDefaultBound)
        end = device.length;
    if (start < device.first || start >= device.length)
        start = device.first;
    if (frames && end <= start)
        end = start + kShortestFrames;
    if (!frames && end < start + kShortestMilliseconds)
        end = start + kShortestMilliseconds;
    if (end > device.length)
        end = device.length;
    // Only a device whose first position lies past its length leaves end before start.
    const unsigned long range = end > start ? end - start : 0;
    return {start, end, frames ? range : RoundToTens(range)};
}

std::uint32_t RoundToTens(std::uint32_t milliseconds) {
    if (milliseconds > 0xFFFFFFFF - 5)
        return 0xFFFFFFFA; // the last multiple of ten
    return (milliseconds + 5) / 10 * 10;
}

unsigned long StageOffset(unsigned long position, unsigned long start, bool frames) {
    if (position <= start)
        return 0;
    return frames ? position - start : RoundToTens(position - start);
}

unsigned long SteppedPosition(int code, unsigned long position, unsigned long start,
                              unsigned long end, unsigned long range) {
    const unsigned long step = range / 10;
    switch (code) {
    case kPageUp: {
        const unsigned long back = position > step ? position - step : 0;
        return back < start ? start : back;
    }
    case kPageDown:
        return position + step > end ? end : position + step;
    case kTop:
        return start;
    case kBottom:
        return end;
    default:
        return position;
    }
}

const char* FileTitle(const char* file) {
    if (const char* name = AfterLast(file, '\\'))
        return name;
    if (const char* name = AfterLast(file, ':'))
        return name;
    return file;
}

const char* StageTitle(const char* title, const char* file) {
    if (title && *title)
        return title;
    return IsCdAudio(file) ? file : FileTitle(file);
}

PictureSize ShowablePictureSize(long width, long height, int fallback) {
    constexpr long kLargestSide = 32767; // WM_SIZE carries a side in 16 bits
    const auto showable = [](long side) {
        return side != 0 && side >= -kLargestSide && side <= kLargestSide;
    };
    if (!showable(width) || !showable(height))
        return {fallback, fallback};
    return {static_cast<int>(width < 0 ? -width : width),
            static_cast<int>(height < 0 ? -height : height)};
}
