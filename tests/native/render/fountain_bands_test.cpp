// Band layout, peak, colours and the walk of a fountain fill; values rounded into a range.
#include "QernoRender.h"
#include "render/FountainBands.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <vector>

namespace {

std::vector<std::array<LONG, 5>> Walk(RECT fill, RECT clip, bool topToBottom, long long pitch) {
    BandWalk walk(fill, clip, topToBottom, pitch);
    std::vector<std::array<LONG, 5>> bands;
    int index = 0;
    for (RECT b; walk.Next(index, b);)
        bands.push_back({index, b.left, b.top, b.right, b.bottom});
    return bands;
}

TEST(FountainBands, LayoutPeakColourAndAWalkDrawingOnlyBandsThatReachTheClip) {
    // Length and steps: pitch and count. Widening by 4 stops once the bands are no more than the
    // steps, or before it would leave fewer.
    const long long layouts[][4] = {
        {1, 2, 4, 1}, {41, 10, 4, 11}, {100, 10, 8, 13}, {37, 3, 16, 3}, {600, 2, 300, 2}};
    for (const auto& [length, steps, pitch, count] : layouts) {
        const BandLayout layout = LayOutBands(length, int(steps));
        EXPECT_TRUE(layout.pitch == pitch && layout.count == count) << length << " " << steps;
    }
    EXPECT_EQ(1LL << 31, LayOutBands(1LL << 32, 2).pitch) << "longer than any int, at once";
    EXPECT_EQ(1, ColourSteps(0x02070809, 0x070809)) << "the top byte is no colour";
    EXPECT_EQ(201, ColourSteps(0xFA000A, 0x320300));
    EXPECT_EQ((std::array{24, 4, 0}),
              (std::array{PeakBand(24, -5), PeakBand(9, 64), PeakBand(24, 300)}));
    // Band, peak, last: red of black to red.
    const std::array<int, 4> reds[] = {
        {1, 24, 24, 10}, {6, 0, 24, 191}, {18, 12, 24, 127}, {25, 12, 24, 255}};
    for (const auto& r : reds)
        EXPECT_EQ(static_cast<COLORREF>(r[3]), BandColour(r[0], r[1], r[2], 0, 0xFF)) << r[0];
    EXPECT_EQ(0x328264u, BandColour(6, 4, 8, 0x02000AC8, 0x64FA00)) << "each component";

    using Bands = std::vector<std::array<LONG, 5>>;
    const RECT wide = {0, 0, 20, 10}, far = {INT_MAX - 2, 0, INT_MAX, INT_MAX};
    EXPECT_EQ((Bands{{0, 0, 0, 9, 11}, {1, 8, 0, 17, 11}, {2, 16, 0, 20, 11}}),
              Walk(wide, wide, false, 8));
    // Bands 1 to 3 reach columns 7 to 12; across the axis the clip cuts in.
    EXPECT_EQ((Bands{{1, 2, 4, 9, 9}, {2, 2, 8, 9, 13}, {3, 2, 12, 9, 17}}),
              Walk({0, 0, 10, 20}, {2, 7, 8, 12}, true, 4));
    for (RECT missed : {RECT{30, 0, 40, 10}, RECT{-9, 0, -5, 10}, RECT{0, 30, 20, 40}})
        EXPECT_EQ(Bands{}, Walk(wide, missed, false, 4)) << missed.left << " " << missed.top;
    EXPECT_EQ((Bands{{0, INT_MAX - 2, 0, INT_MAX, INT_MAX}}), Walk(far, far, false, 4));
}

TEST(RoundedValue, WrapModularOrClampIntoTheRange) {
    const int cases[][5] = {// value, minimum, maximum, mode, result
                            {360, 0, 359, 1, 0},  {1000, 0, 359, 1, 280},
                            {-1, 0, 359, 0, 359}, {500, 0, 359, 2, 359},
                            {9, 8, 2, 1, 8},      {INT_MIN, INT_MIN + 1, INT_MAX, 1, INT_MAX}};
    for (const auto& c : cases)
        EXPECT_EQ(c[4], GetRoundedValue(c[0], c[1], c[2], c[3])) << c[0] << " mode " << c[3];
}

} // namespace
