#include "media/players/ControlBarLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr BarSizes kSizes = {24, 22, 12, 20}; // the resource module's sheets
constexpr int kBottom = 200;

BarRect Client(int width) {
    return {0, 0, width, kBottom};
}

std::vector<int> Sides(const BarRect& r) {
    return {r.left, r.top, r.right, r.bottom};
}

using B = BarButton;

// The client's width, video or not, the button area's width and each button's x by BarButton,
// -1 for a button left out of the row.
TEST(ControlBar, RowBoxTrackTravelAndThumbFollowTheClient) {
    const std::tuple<int, bool, int, std::vector<int>> cases[] = {
        {215, true, 215, {4, 28, 57, 81, 105, 129, 158, 187}},
        {214, true, 114, {4, 28, -1, -1, -1, -1, 57, 86}},
        {186, false, 186, {4, 28, 57, 81, 105, 129, -1, 158}},
        {185, false, 85, {4, 28, -1, -1, -1, -1, -1, 57}},
        {81, true, 114, {4, 28, -1, -1, -1, -1, -1, -1}}, // full screen would end at the edge
        {28, false, 85, {-1, -1, -1, -1, -1, -1, -1, -1}},
    };
    for (const auto& [width, video, area, expected] : cases) {
        std::vector<int> x(8, -1);
        for (const ButtonPlace& place : PlaceButtons(Client(width), video, kSizes)) {
            EXPECT_EQ(place.y, kBottom - 4 - 22);
            x[static_cast<int>(place.button)] = place.x;
        }
        EXPECT_EQ(x, expected) << width;
        EXPECT_EQ(ButtonAreaWidth(Client(width), video, kSizes.buttonWidth), area) << width;
    }

    EXPECT_EQ(Sides(PositionBox(Client(240), 85, kSizes.buttonHeight)),
              (std::vector<int>{93, 174, 233, 195}));
    const BarRect track = TrackRect(Client(240), kSizes.thumbHeight);
    EXPECT_EQ(Sides(track), (std::vector<int>{8, 128, 208, 141}));
    const ThumbTravel travel = TravelOf(track, kSizes);
    EXPECT_EQ((std::vector<int>{travel.start, travel.end, travel.top}),
              (std::vector<int>{2, 202, 125}));

    using Case = std::tuple<std::uint32_t, std::uint32_t, int>; // range, value, pixel
    const Case toPixel[] = {{1000, 997, 201}, {1000, 5000, 202}, {3, 1, 69}, {0, 0, 202}};
    for (const auto& [range, value, pixel] : toPixel)
        EXPECT_EQ(ValueToPixel(travel, range, value), pixel) << range << " " << value;
    // The last: 200 x 30,000,000 wraps past 2^32 before the division.
    const Case toValue[] = {
        {1000, 0, -50}, {1000, 1000, 400}, {3, 1, 69}, {30000000, 8525164, 202}};
    for (const auto& [range, value, pixel] : toValue)
        EXPECT_EQ(PixelToValue(travel, range, pixel), value) << range << " " << pixel;

    const ThumbTravel turned = TravelOf(TrackRect(Client(30), kSizes.thumbHeight), kSizes);
    EXPECT_EQ(ClampToTravel(turned, 100), turned.start);
    EXPECT_EQ(ValueToPixel(turned, 1000, 500), turned.start);
    EXPECT_EQ(PixelToValue(turned, 1000, 100), 0u);

    // A click's pixel, inside the track only.
    const int hits[][3] = {{8, 128, 2},  {207, 140, 201}, {208, 128, -1},
                           {8, 141, -1}, {7, 130, -1},    {100, 127, -1}};
    for (const auto& h : hits)
        EXPECT_EQ(TrackHitPixel(track, kSizes, h[0], h[1]), h[2]) << h[0] << "," << h[1];
}

TEST(ControlBar, TicksTextsWithTheirSuffixAndFacesOfTheSheet) {
    // Range, track width, milliseconds or frames, and the step: first on a 320-pixel track, then
    // 1000 frames, where 319 pixels make nine divisions and below two the step is the range.
    const std::tuple<std::uint32_t, int, bool, std::uint32_t> steps[] = {
        {10060, 320, true, 2000}, {50, 320, true, 100},        {40000000, 320, true, 7200000},
        {100, 320, false, 10},    {60000, 320, false, 100000}, {5000010, 320, false, 1000000},
        {1000, 319, false, 200},  {1000, 64, false, 500},      {1000, 63, false, 1000}};
    for (const auto& [range, width, milliseconds, step] : steps)
        EXPECT_EQ(TickStep(range, width, milliseconds), step) << range << " on " << width;

    // Ticks up to the range as x:value, the last step unlabelled (x-value) when it overruns.
    const auto ticks = [](int width, std::uint32_t range) {
        std::string out;
        for (const ScaleTick& t : ScaleTicks({8, 128, 8 + width, 141}, range, true))
            out += std::to_string(t.x) + (t.labelled ? ":" : "-") + std::to_string(t.value) + " ";
        return out;
    };
    EXPECT_EQ(ticks(200, 900), "8:0 52:200 96:400 141:600 185-800 208:900 ");
    EXPECT_EQ(ticks(63, 500), "8:0 71:500 ");
    EXPECT_EQ(ticks(200, 0), "208:0 ");
    EXPECT_EQ(ticks(0, 500), "");

    // Value, range, milliseconds or frames, the text and its suffix.
    const std::tuple<std::uint32_t, std::uint32_t, bool, const char*, unsigned> cases[] = {
        {12345, 59999, true, "12.34", 11252},      {123456, 59999, true, "123.45", 11252},
        {83400, 60000, true, "01:23", 11252},      {59999, 60001, true, "00:59", 12320},
        {6000000, 6000000, true, "100:00", 12320}, {42, 100, false, "42", 12319}};
    for (const auto& [value, range, milliseconds, text, suffix] : cases) {
        EXPECT_EQ(BarTimeText(value, range, milliseconds), text) << value;
        EXPECT_EQ(PositionSuffixId(range, milliseconds), suffix) << range;
    }

    // Play turns to pause while media plays; the other columns follow the buttons. The stop button
    // looks greyed while nothing plays, even with the focus.
    // Button, selected, focused, playing, and the row and column.
    const std::tuple<BarButton, bool, bool, bool, int, int> faces[] = {
        {B::Stop, true, true, false, 2, 2},  {B::Stop, false, true, false, 0, 2},
        {B::Stop, false, true, true, 3, 2},  {B::Stop, false, false, true, 1, 2},
        {B::Play, false, true, false, 3, 0}, {B::Play, false, false, true, 1, 1}};
    for (const auto& [button, selected, focused, playing, row, column] : faces) {
        EXPECT_EQ(ButtonSheetRow(button, selected, focused, playing), row)
            << static_cast<int>(button) << selected << focused << playing;
        EXPECT_EQ(ButtonSheetColumn(button, playing), column) << static_cast<int>(button);
    }
}

} // namespace
