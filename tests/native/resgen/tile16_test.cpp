#include "tile16.h"

#include <gtest/gtest.h>

using qerno::resgen::Tile16;
using qerno::resgen::TileRecord;

TEST(Tile16, RecordIsRowsOfTwoBytesWithTheLeftmostPixelInBit7) {
    Tile16 tile;
    tile.Set(0, 0);
    tile.Set(15, 0);
    tile.Set(8, 1);
    tile.Set(7, 15);
    const TileRecord record = tile.Record();
    EXPECT_EQ(record[0], 0x80);
    EXPECT_EQ(record[1], 0x01);
    EXPECT_EQ(record[2], 0x00);
    EXPECT_EQ(record[3], 0x80);
    EXPECT_EQ(record[30], 0x01);
    EXPECT_EQ(record[31], 0x00);
}

TEST(Tile16, QuarterTurnsGoClockwiseLikeThePainter) {
    Tile16 topLeft;
    topLeft.Set(0, 0);
    const Tile16 once = topLeft.Turned(1);
    EXPECT_TRUE(once.At(15, 0));
    EXPECT_EQ(once.InkCount(), 1);
    EXPECT_TRUE(topLeft.Turned(2).At(15, 15));
    EXPECT_TRUE(topLeft.Turned(3).At(0, 15));
    EXPECT_EQ(topLeft.Turned(4), topLeft);

    // A top edge line turns into a right edge line.
    Tile16 topLine;
    for (int x = 0; x < 16; ++x)
        topLine.Set(x, 2);
    const Tile16 right = topLine.Turned(1);
    for (int y = 0; y < 16; ++y)
        EXPECT_TRUE(right.At(13, y)) << y;
    EXPECT_EQ(right.InkCount(), 16);
}
