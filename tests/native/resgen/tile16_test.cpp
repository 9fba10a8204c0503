#include "tile16.h"

#include <gtest/gtest.h>

using qerno::resgen::Tile16;
using qerno::resgen::TileRecord;

TEST(Tile16, RecordIsRowsOfTwoBytesWithTheLeftmostPixelInBit7) {
    Tile16 tile;
    for (auto [x, y] : {std::pair{0, 0}, {15, 0}, {8, 1}, {7, 15}})
        tile.Set(x, y);
    TileRecord expected = {0x80, 0x01, 0x00, 0x80};
    expected[30] = 0x01;
    EXPECT_EQ(expected, tile.Record());
}

// One turn takes the top-left pixel to the top-right and a top edge line to the right edge.
TEST(Tile16, QuarterTurnsGoClockwiseLikeThePainter) {
    Tile16 corner, top, right;
    corner.Set(0, 0);
    for (int i = 0; i < 16; ++i)
        top.Set(i, 2), right.Set(13, i);
    EXPECT_TRUE(corner.Turned(1).At(15, 0) && corner.Turned(2).At(15, 15) &&
                corner.Turned(3).At(0, 15));
    EXPECT_EQ(corner.Turned(1).InkCount(), 1);
    EXPECT_EQ(corner.Turned(4), corner);
    EXPECT_EQ(top.Turned(1), right);
}
