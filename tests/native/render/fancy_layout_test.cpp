#include "QernoRender.h"
#include "render/FancyLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <utility>
#include <string>
#include <tuple>

namespace {

// Part p of style n is record 2n + p / 4 turned p mod 4 quarters; only records lying whole in
// the table are read (record -1: refused).
TEST(FancyLayout, PartRecordsTurnsAndTheRasterOperationsOfBinaryModes) {
    const std::string table(6528, '\0');
    const int parts[][5] = {{6528, 5, 3, 10, 270}, {6528, 5, 6, 11, 180}, {6528, 101, 5, 203, 90},
                            {6528, 102, 0, -1},    {6528, -1, 0, -1},     {6528, 3, 8, -1},
                            {6528, 3, -1, -1},     {6527, 101, 4, -1},    {64, 1, 0, -1}};
    for (const auto& [size, style, part, record, turn] : parts) {
        EXPECT_EQ(record < 0 ? nullptr : table.data() + 32 * record,
                  FancyTileRecord(table.data(), size, style, part));
        EXPECT_TRUE(record < 0 || turn == FancyPartTileOf(style, part).turn);
    }

    // Modes 1 (black), 7 (xor), 11 (no-op) and 16 (white) pick their operations; SRCCOPY for 13
    // (copy) and any value outside 1 to 16.
    const std::pair<int, unsigned long> modes[] = {
        {1, 0x00000042},  {7, 0x00660046}, {11, 0x00AA0029}, {16, 0x00FF0062},
        {13, 0x00CC0020}, {0, 0x00CC0020}, {17, 0x00CC0020}};
    for (const auto& [mode, rop] : modes)
        EXPECT_EQ(rop, GetRop3FromRop2(mode)) << "mode " << mode;
}

std::string Place(int number, long long x, long long y) {
    return std::to_string(number) + "@" + std::to_string(x) + "," + std::to_string(y) + " ";
}

std::string Walked(FancyFrameWalk&& tiles) {
    std::string walk;
    for (FancyTilePlace t; tiles.Next(t);)
        walk += Place(t.part, t.at.x, t.at.y);
    return walk;
}

bool Overlaps(long long at, long long size, long long from, long long to) {
    return std::min(at, at + size) < to && std::max(at, at + size) > from;
}

// Clockwise from the top-left corner; a side two tiles long has corners only, pixels short of a
// tile are left over, a frame narrower than two tiles still steps a tile on for its corners, and
// those past the coordinates' end are skipped. A frame whose bottom lies above its top is walked
// upwards. As part@x,y for tiles of width x height.
TEST(FancyLayout, FrameAndChooserWalksOfWholeTilesPassingOverWhatCannotBeSeen) {
    const std::tuple<RECT, int, int, const char*> frames[] = {
        {{0, 0, 40, 20}, 10, 10, "7@0,0 0@10,0 0@20,0 4@30,0 5@30,10 2@20,10 2@10,10 6@0,10 "},
        {{0, 20, 40, 0}, 10, 10, "7@0,20 0@10,20 0@20,20 4@30,20 5@30,10 2@20,10 2@10,10 6@0,10 "},
        {{5, 5, 25, 39}, 10, 8, "7@5,5 4@15,5 1@15,13 1@15,21 5@15,29 6@5,29 3@5,21 3@5,13 "},
        {{0, 0, 5, 5}, 10, 10, "7@0,0 4@10,0 5@10,10 6@0,10 "},
        {{INT_MAX - 5, 0, INT_MAX, 5}, 10, 10, "7@2147483642,0 6@2147483642,10 "}};
    for (const auto& [frame, width, height, expected] : frames)
        EXPECT_EQ(expected, Walked(FancyFrameWalk(frame, width, height)));

    // A visible box passes over just the tiles more than a tile away from it, whichever way the
    // frame and the box run; a frame of billions of tiles gives its few visible ones at once.
    const RECT seenFrames[] = {{0, 0, 400, 300}, {400, 300, 0, 0}, {-50, 80, 333, -7}};
    const RECT boxes[] = {{90, 40, 130, 41},
                          {390, 290, 1000, 1000},
                          {130, 41, 90, 40},
                          {-999, -999, -500, -500},
                          {0, 0, 0, 0}};
    for (const RECT& frame : seenFrames)
        for (const RECT& box : boxes) {
            std::string expected;
            const long long left = std::min(box.left, box.right) - 10,
                            right = std::max(box.left, box.right) + 10,
                            top = std::min(box.top, box.bottom) - 7,
                            bottom = std::max(box.top, box.bottom) + 7;
            FancyFrameWalk all(frame, 10, 7);
            for (FancyTilePlace t; all.Next(t);)
                if (Overlaps(t.at.x, all.TileWidth(), left, right) &&
                    Overlaps(t.at.y, all.TileHeight(), top, bottom))
                    expected += Place(t.part, t.at.x, t.at.y);
            EXPECT_EQ(expected, Walked(FancyFrameWalk(frame, 10, 7, &box)))
                << box.left << "," << box.top;
        }
    const RECT huge = {0, 0, INT_MAX, INT_MAX}, corner = {0, 0, 20, 20};
    EXPECT_EQ("7@0,0 0@16,0 0@32,0 3@0,32 3@0,16 ", Walked(FancyFrameWalk(huge, 16, 16, &corner)));

    // Rows of whole cells, stepping and stopping the way the cell's sides point; as style@x,y.
    const std::tuple<RECT, int, int, const char*> areas[] = {
        {{0, 0, 75, 50}, 24, 20, "60@0,0 61@24,0 62@48,0 63@0,20 64@24,20 65@48,20 "},
        {{0, 50, 75, 0}, 24, -20, "60@0,50 61@24,50 62@48,50 63@0,30 64@24,30 65@48,30 "},
        {{75, 0, 0, 20}, -24, 20, "60@75,0 61@51,0 62@27,0 "},
        {{0, 0, 75, 50}, 24, -20, ""}};
    for (const auto& [area, width, height, expected] : areas) {
        std::string walk;
        FancyChooserWalk cells(area, 60, width, height);
        int style = 0;
        for (RECT cell; cells.Next(style, cell);)
            walk += Place(style, cell.left, cell.top);
        EXPECT_EQ(expected, walk);
    }
}

} // namespace
