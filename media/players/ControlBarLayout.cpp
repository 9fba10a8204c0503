// The control bar's geometry and texts.
#include "media/players/ControlBarLayout.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

constexpr int kRowMargin = 4;   // from the window's left and bottom edges to the buttons
constexpr int kGroupGap = 5;    // between groups of buttons
constexpr int kBarHeight = 81;  // from the bar's top line to the window's bottom
constexpr int kMinTickGap = 32; // pixels between ticks before there are fewer divisions
constexpr int kMostDivisions = 10;
constexpr std::uint32_t kLongestSecondsRange = 60000; // ms; longer ranges show minutes

int FullRowWidth(bool video, int buttonWidth) {
    return video ? 8 * buttonWidth + 23 : 7 * buttonWidth + 18;
}

bool IsFullRow(const BarRect& client, bool video, int buttonWidth) {
    return client.right >= FullRowWidth(video, buttonWidth);
}

// The short rows keep play and stop and jump to the last buttons; only video has full screen.
BarButton NextButton(BarButton button, bool video, bool fullRow) {
    if (button == BarButton::Stop && !fullRow)
        return video ? BarButton::FullScreen : BarButton::Close;
    if (button == BarButton::ToEnd && !video)
        return BarButton::Close;
    return static_cast<BarButton>(static_cast<int>(button) + 1);
}

bool GapFollows(BarButton button) {
    return button == BarButton::Stop || button == BarButton::ToEnd ||
           button == BarButton::FullScreen;
}

// Past 1800000 ms or 500000 frames the step is a whole number of hours or millions; frames have
// no step between 5000 and 100000.
std::uint32_t RoundStep(std::uint32_t raw, bool milliseconds) {
    static const std::uint32_t kMillisecondSteps[] = {100,    200,    500,    1000,   2000,
                                                      5000,   10000,  15000,  30000,  60000,
                                                      120000, 300000, 600000, 900000, 1800000};
    static const std::uint32_t kFrameSteps[] = {1,   2,    5,    10,   20,     50,     100,   200,
                                                500, 1000, 2000, 5000, 100000, 200000, 500000};
    const std::uint32_t* first =
        milliseconds ? std::begin(kMillisecondSteps) : std::begin(kFrameSteps);
    const std::uint32_t* last = milliseconds ? std::end(kMillisecondSteps) : std::end(kFrameSteps);
    const std::uint32_t* step = std::lower_bound(first, last, raw);
    if (step != last)
        return *step;
    const std::uint32_t unit = milliseconds ? 3600000 : 1000000;
    return (raw / unit + 1) * unit;
}

} // namespace

int ButtonAreaWidth(const BarRect& client, bool video, int buttonWidth) {
    if (IsFullRow(client, video, buttonWidth))
        return FullRowWidth(video, buttonWidth);
    return video ? 4 * buttonWidth + 18 : 3 * buttonWidth + 13;
}

std::vector<ButtonPlace> PlaceButtons(const BarRect& client, bool video, const BarSizes& sizes) {
    const bool fullRow = IsFullRow(client, video, sizes.buttonWidth);
    const int y = client.bottom - kRowMargin - sizes.buttonHeight;
    std::vector<ButtonPlace> places;
    int x = client.left + kRowMargin;
    for (BarButton button = BarButton::Play;; button = NextButton(button, video, fullRow)) {
        if (x + sizes.buttonWidth >= client.right)
            break;
        places.push_back({button, x, y});
        if (button == BarButton::Close)
            break;
        x += sizes.buttonWidth + (GapFollows(button) ? kGroupGap : 0);
    }
    return places;
}

std::vector<BarLine> AreaSeparatorLines(const BarRect& client, int area, int buttonHeight) {
    const int top = client.bottom - buttonHeight - 9;
    const int x = client.left + area;
    return {
        {BarInk::Grey, x + 1, top, x + 1, client.bottom},
        {BarInk::White, x + 2, top, x + 2, client.bottom},
        {BarInk::Grey, client.left, top - 1, client.right, top - 1},
        {BarInk::White, client.left, top, client.right, top},
    };
}

BarRect PositionBox(const BarRect& client, int area, int buttonHeight) {
    return {client.left + area + 8, client.bottom - buttonHeight - 4, client.right - 7,
            client.bottom - 5};
}

// The light edges lie just outside the box, so that the text filling the box keeps them.
std::vector<BarLine> SunkenBoxLines(const BarRect& box) {
    return {
        {BarInk::Grey, box.left, box.top, box.right, box.top},
        {BarInk::Grey, box.left, box.top, box.left, box.bottom},
        {BarInk::White, box.right, box.top, box.right, box.bottom + 1},
        {BarInk::White, box.left, box.bottom, box.right, box.bottom},
    };
}

std::vector<BarLine> BarFrameLines(const BarRect& client) {
    const int y = client.bottom - kBarHeight;
    return {
        {BarInk::Black, client.left, y, client.right, y},
        {BarInk::White, client.left, y + 1, client.right, y + 1},
        {BarInk::White, client.left, y + 1, client.left, client.bottom},
        {BarInk::Grey, client.left, client.bottom - 1, client.right, client.bottom - 1},
        {BarInk::Grey, client.right - 1, y + 1, client.right - 1, client.bottom},
    };
}

BarRect TrackRect(const BarRect& client, int thumbHeight) {
    const int top = client.bottom - 72;
    return {client.left + 8, top, client.right - 32, top + thumbHeight * 2 / 3};
}

std::vector<BarLine> TrackShadeLines(const BarRect& track) {
    return {
        {BarInk::Grey, track.left + 1, track.top + 1, track.right - 1, track.top + 1},
        {BarInk::White, track.left, track.bottom - 1, track.right, track.bottom - 1},
    };
}

ThumbTravel TravelOf(const BarRect& track, const BarSizes& sizes) {
    const int start = track.left - sizes.thumbWidth / 2;
    return {start, start + (track.right - track.left), track.top - sizes.thumbHeight / 6};
}

// A travel that a narrow window turned round keeps the thumb at its start.
int ClampToTravel(const ThumbTravel& travel, int pixel) {
    return std::max(travel.start, std::min(pixel, travel.end));
}

int ValueToPixel(const ThumbTravel& travel, std::uint32_t range, std::uint32_t value) {
    const int width = travel.end - travel.start;
    if (width <= 0)
        return travel.start;
    if (value >= range)
        return travel.end;
    const int offset = static_cast<int>(static_cast<double>(width) * value / range + 0.5);
    return std::min(travel.start + offset, travel.end);
}

// The product wraps as 32-bit unsigned, as the players' other position arithmetic does.
std::uint32_t PixelToValue(const ThumbTravel& travel, std::uint32_t range, int pixel) {
    const int width = travel.end - travel.start;
    if (width <= 0)
        return 0;
    const auto offset = static_cast<std::uint32_t>(ClampToTravel(travel, pixel) - travel.start);
    const std::uint32_t product = offset * range;
    return static_cast<std::uint32_t>(product / static_cast<double>(width) + 0.5);
}

int TrackHitPixel(const BarRect& track, const BarSizes& sizes, int x, int y) {
    if (x < track.left || x >= track.right || y < track.top || y >= track.bottom)
        return -1;
    return x - sizes.thumbWidth / 2;
}

int ScaleBaseY(const BarRect& track) {
    return track.bottom + 8;
}

std::uint32_t TickStep(std::uint32_t range, int trackWidth, bool milliseconds) {
    int divisions = kMostDivisions;
    while (trackWidth / divisions < kMinTickGap && divisions >= 2)
        --divisions;
    if (divisions < 2)
        return range;
    const auto raw = static_cast<std::uint32_t>(static_cast<double>(range) / divisions + 0.5);
    return RoundStep(raw, milliseconds);
}

// The last step's label would crowd the range's own label at the end, so it goes unlabelled
// unless it fits; the tick x is 32-bit unsigned arithmetic like the thumb's.
std::vector<ScaleTick> ScaleTicks(const BarRect& track, std::uint32_t range, bool milliseconds) {
    const int width = track.right - track.left;
    if (width <= 0)
        return {};
    const std::uint64_t step = TickStep(range, width, milliseconds);
    std::vector<ScaleTick> ticks;
    for (std::uint64_t t = 0; t < range; t += step) {
        const auto value = static_cast<std::uint32_t>(t);
        const std::uint32_t offset = value * static_cast<std::uint32_t>(width) / range;
        ticks.push_back({track.left + static_cast<int>(offset), t + step <= range, value});
    }
    ticks.push_back({track.left + width, true, range});
    return ticks;
}

std::string BarTimeText(std::uint32_t value, std::uint32_t range, bool milliseconds) {
    if (!milliseconds)
        return std::to_string(value);
    const bool seconds = range < kLongestSecondsRange;
    // Seconds count in ms; minutes as minutes * 1000 plus tenths of a second in the minute.
    const std::uint32_t shown = seconds ? value : value / 60000 * 1000 + value % 60000 / 100;
    char digits[16]; // 10 digits of a 32-bit value and the terminator
    std::snprintf(digits, sizeof digits, "%05u", static_cast<unsigned>(shown));
    std::string text(digits);
    text.pop_back();
    text.insert(text.size() - 2, 1, seconds ? '.' : ':');
    return text;
}

unsigned int PositionSuffixId(std::uint32_t range, bool milliseconds) {
    if (!milliseconds)
        return kFramesSuffixId;
    return range <= kLongestSecondsRange ? kSecondsSuffixId : kMinutesSuffixId;
}

int ButtonSheetColumn(BarButton button, bool playing) {
    switch (button) {
    case BarButton::Play:
        return playing ? 1 : 0;
    case BarButton::Stop:
        return 2;
    default:
        return static_cast<int>(button) + 2;
    }
}

// The stop button looks greyed while nothing plays, even with the focus.
int ButtonSheetRow(BarButton button, bool selected, bool focused, bool playing) {
    if (selected)
        return 2;
    if (button == BarButton::Stop && !playing)
        return 0;
    return focused ? 3 : 1;
}
