#include "QernoRender.h"
#include "render/FancyLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

namespace {

// Edges come from record 2n, corners from 2n + 1, turned a quarter more for each part round the
// frame; records outside the table, styles outside 0..101 and parts outside 0..7 are not read.
TEST(FancyLayout, PartRecordsAndTurns) {
    const struct {
        int style, part;
        long long record;
        int turn;
    } parts[] = {{5, 0, 10, 0},   {5, 3, 10, 270}, {5, 4, 11, 0},
                 {5, 6, 11, 180}, {0, 1, 0, 90},   {101, 7, 203, 270}};
    for (const auto& p : parts) {
        const FancyPartTile tile = FancyPartTileOf(p.style, p.part);
        EXPECT_TRUE(tile.record == p.record && tile.turn == p.turn) << p.style << "/" << p.part;
    }

    const std::vector<char> table(6528);
    const char* base = table.data();
    EXPECT_EQ(base + 203 * 32, FancyTileRecord(base, table.size(), 101, 5));
    EXPECT_EQ(base + 11 * 32, FancyTileRecord(base, kFancyTableSizeUnknown, 5, 4));
    const struct {
        std::size_t size;
        int style, part;
    } refused[] = {{6528, 102, 0}, {6528, -1, 0}, {6528, 3, 8}, {6528, 3, -1},
                   {6527, 101, 4}, {64, 1, 0},    {0, 0, 0}};
    for (const auto& r : refused)
        EXPECT_EQ(nullptr, FancyTileRecord(base, r.size, r.style, r.part))
            << r.size << " " << r.style << "/" << r.part;
    EXPECT_EQ(nullptr, FancyTileRecord(nullptr, kFancyTableSizeUnknown, 0, 0));
}

// Corners take a third of each side; the middle pieces take the rest.
TEST(FancyLayout, CellSplitIntoThirds) {
    const FancyPiece thirty[8] = {{10, 0, 10, 10}, {20, 10, 10, 10}, {10, 20, 10, 10},
                                  {0, 10, 10, 10}, {20, 0, 10, 10},  {20, 20, 10, 10},
                                  {0, 20, 10, 10}, {0, 0, 10, 10}};
    const FancyPiece thirtyOne[8] = {{10, 0, 11, 10}, {21, 10, 10, 11}, {10, 21, 11, 10},
                                     {0, 10, 10, 11}, {21, 0, 10, 10},  {21, 21, 10, 10},
                                     {0, 21, 10, 10}, {0, 0, 10, 10}};
    for (int part = 0; part < 8; ++part) {
        for (const auto& [side, pieces] : {std::pair{30, thirty}, std::pair{31, thirtyOne}}) {
            const FancyPiece got = FancyPieceOf(side, side, part);
            const FancyPiece& want = pieces[part];
            EXPECT_TRUE(got.x == want.x && got.y == want.y && got.width == want.width &&
                        got.height == want.height)
                << side << " part " << part;
        }
    }
}

// The walk as "part@x,y" items.
std::string Walk(RECT frame, int tileWidth, int tileHeight) {
    std::string walk;
    FancyFrameWalk frameWalk(frame, tileWidth, tileHeight);
    for (FancyTilePlace place; frameWalk.Next(place);)
        walk += (walk.empty() ? "" : " ") + std::to_string(place.part) + "@" +
                std::to_string(place.at.x) + "," + std::to_string(place.at.y);
    return walk;
}

// Clockwise from the top-left corner; sides of two tiles have corners only, pixels short of a
// whole tile are left over, and a frame narrower than two tiles still puts its corners one tile
// on (past the coordinates' end they are skipped).
TEST(FancyLayout, FrameWalkOfWholeTiles) {
    const struct {
        RECT frame;
        int tileWidth, tileHeight;
        const char* walk;
    } frames[] = {
        {{0, 0, 40, 30},
         10,
         10,
         "7@0,0 0@10,0 0@20,0 4@30,0 1@30,10 5@30,20 2@20,20 2@10,20 6@0,20 3@0,10"},
        {{5, 5, 25, 39}, 10, 8, "7@5,5 4@15,5 1@15,13 1@15,21 5@15,29 6@5,29 3@5,21 3@5,13"},
        {{0, 0, 20, 20}, 10, 10, "7@0,0 4@10,0 5@10,10 6@0,10"},
        {{0, 0, 5, 5}, 10, 10, "7@0,0 4@10,0 5@10,10 6@0,10"},
        {{INT_MAX - 5, 0, INT_MAX, 5}, 10, 10, "7@2147483642,0 6@2147483642,10"},
    };
    for (const auto& f : frames)
        EXPECT_EQ(f.walk, Walk(f.frame, f.tileWidth, f.tileHeight));
}

// The cells as "style@left,top", each cellWidth x cellHeight.
std::string Cells(RECT area, int first, int cellWidth, int cellHeight) {
    std::string cells;
    FancyChooserWalk walk(area, first, cellWidth, cellHeight);
    int style = 0;
    for (RECT cell; walk.Next(style, cell);) {
        EXPECT_TRUE(cell.right - cell.left == cellWidth && cell.bottom - cell.top == cellHeight);
        cells += (cells.empty() ? "" : " ") + std::to_string(style) + "@" +
                 std::to_string(cell.left) + "," + std::to_string(cell.top);
    }
    return cells;
}

// Row by row while whole cells fit, up to style 101.
TEST(FancyLayout, ChooserCells) {
    EXPECT_EQ("100@0,0 101@10,0", Cells({0, 0, 1000, 1000}, 100, 10, 10));
    EXPECT_EQ("0@5,5 1@25,5 2@5,15 3@25,15", Cells({5, 5, 50, 30}, 0, 20, 10));
    EXPECT_EQ("", Cells({0, 0, 9, 100}, 0, 10, 10));
    EXPECT_EQ("", Cells({0, 0, 100, 9}, 0, 10, 10));
    EXPECT_EQ("", Cells({0, 0, 100, 100}, 102, 10, 10));
    const std::string all = Cells({0, 0, 2000, 2000}, 0, 10, 10);
    EXPECT_EQ(102, std::count(all.begin(), all.end(), '@'));
}

// Each binary mode's operation applies its Boolean function to the source (0xCC) and the
// picture (0xAA) as the mode does to the pen; SRCCOPY for R2_COPYPEN and any other value.
TEST(FancyLayout, RasterOperationOfEveryBinaryMode) {
    for (int mode = 1; mode <= 16; ++mode) {
        const unsigned int function = mode - 1; // bit (P << 1 | D) the result for pen P, picture D
        unsigned int expected = 0;
        for (int i = 0; i < 8; ++i) {
            const unsigned int source = 0xCC >> i & 1, picture = 0xAA >> i & 1;
            expected |= (function >> (source << 1 | picture) & 1) << i;
        }
        EXPECT_EQ(expected, (GetRop3FromRop2(mode) >> 16) & 0xFF) << "mode " << mode;
    }
    EXPECT_EQ(0x00000042ul, GetRop3FromRop2(1)); // BLACKNESS, low word and all
    for (const int mode : {13, 0, 17, 99, -1, INT_MIN})
        EXPECT_EQ(0x00CC0020ul, GetRop3FromRop2(mode)) << "mode " << mode;
}

} // namespace
