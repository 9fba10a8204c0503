// The control bar's geometry and texts, worked out from the player window's client rectangle and
// the sizes of the two sheets, apart from the Windows calls that draw and move them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Right and bottom are exclusive, as in a Windows RECT.
struct BarRect {
    int left;
    int top;
    int right;
    int bottom;
};

struct BarSizes {
    int buttonWidth;
    int buttonHeight;
    int thumbWidth;
    int thumbHeight;
};

// The buttons in row order; the window id of each is the play button's id + its value.
enum class BarButton : int {
    Play,
    Stop,
    ToStart,
    PageBack,
    PageForward,
    ToEnd,
    FullScreen,
    Close,
};

struct ButtonPlace {
    BarButton button;
    int x;
    int y;
};

// The strings that follow the position text.
constexpr unsigned int kSecondsSuffixId = 11252;
constexpr unsigned int kMinutesSuffixId = 12320;
constexpr unsigned int kFramesSuffixId = 12319;

// Width of the bar's button area: the full row when the client is wide enough, else the short one.
int ButtonAreaWidth(const BarRect& client, bool video, int buttonWidth);
// The buttons that fit, in row order; the first that does not fit ends the row.
std::vector<ButtonPlace> PlaceButtons(const BarRect& client, bool video, const BarSizes& sizes);

enum class BarInk { Current, Black, Grey, White };

// Both ends are drawn from (x0, y0) up to but not including (x1, y1), as MoveToEx and LineTo do.
struct BarLine {
    BarInk ink;
    int x0;
    int y0;
    int x1;
    int y1;
};

std::vector<BarLine> AreaSeparatorLines(const BarRect& client, int area, int buttonHeight);
BarRect PositionBox(const BarRect& client, int area, int buttonHeight);
std::vector<BarLine> SunkenBoxLines(const BarRect& box);
// The raised frame round the whole bar.
std::vector<BarLine> BarFrameLines(const BarRect& client);

BarRect TrackRect(const BarRect& client, int thumbHeight);
// The inner shade and highlight of the track; its black frame is drawn apart.
std::vector<BarLine> TrackShadeLines(const BarRect& track);

// The thumb's left edge moves from start to end, a thumb width's half left of the track, so
// that the thumb's middle points at the track position.
struct ThumbTravel {
    int start;
    int end;
    int top;
};

ThumbTravel TravelOf(const BarRect& track, const BarSizes& sizes);
int ClampToTravel(const ThumbTravel& travel, int pixel);
// The thumb's left edge that shows value within range.
int ValueToPixel(const ThumbTravel& travel, std::uint32_t range, std::uint32_t value);
// The value shown by a thumb whose left edge is at pixel, clamped to the travel first.
std::uint32_t PixelToValue(const ThumbTravel& travel, std::uint32_t range, int pixel);
// The thumb's left edge for a click at (x, y), or -1 off the track.
int TrackHitPixel(const BarRect& track, const BarSizes& sizes, int x, int y);

// The scale under the track: its base line, the distance between ticks and where each goes.
int ScaleBaseY(const BarRect& track);
std::uint32_t TickStep(std::uint32_t range, int trackWidth, bool milliseconds);

struct ScaleTick {
    int x;
    bool labelled;
    std::uint32_t value;
};

std::vector<ScaleTick> ScaleTicks(const BarRect& track, std::uint32_t range, bool milliseconds);

// A tick label or position in the form the range calls for: frames, seconds with hundredths, or
// minutes and seconds.
std::string BarTimeText(std::uint32_t value, std::uint32_t range, bool milliseconds);
unsigned int PositionSuffixId(std::uint32_t range, bool milliseconds);

// The face of a button in the sheet: column from the button and whether media plays, row from
// the owner-draw state.
int ButtonSheetColumn(BarButton button, bool playing);
int ButtonSheetRow(BarButton button, bool selected, bool focused, bool playing);
