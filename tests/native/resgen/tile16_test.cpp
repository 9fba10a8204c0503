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
