// Where the tiles of a fancy character come from and where they go, free of any DC: the record
// and turn of each part of a frame, the pieces of a sample cell, the tiles of a frame around a
// rectangle and the cells of the chooser.
#pragma once

#include "QernoTypes.h"
#include "render/TileSpan.h"

#include <cstddef>

constexpr int kFancyStyleCount = 102;
constexpr int kFancyPartCount = 8;
constexpr int kFancyTileSide = 16;
constexpr int kFancyTileBytes = 32; // 16 rows of 2 bytes, as SetBitmapBits takes them
// The caller's own tables carry no size; they are taken to hold every style.
constexpr std::size_t kFancyTableSizeUnknown = static_cast<std::size_t>(-1);

bool IsFancyStyle(int style);

// Part 0..3 is the style's edge tile, 4..7 its corner tile, each turned (part mod 4) quarters.
struct FancyPartTile {
    long long record; // 32-byte records from the table's start
    int turn;         // degrees clockwise
};
FancyPartTile FancyPartTileOf(int style, int part);

// The part's tile in a table of tableSize bytes; null for a style outside 0..101, a part
// outside 0..7 or a record that does not lie whole inside the table.
const char* FancyTileRecord(const char* table, std::size_t tableSize, int style, int part);

// The piece of a w x h cell that part fills, split into thirds by integer division, relative to
// the cell's top-left corner; the middle pieces take what the corners leave. A negative side,
// as a cell has where a mapping turns its axis round, splits as its length does and runs the
// other way.
struct FancyPiece {
    int x;
    int y;
    int width;
    int height;
};
FancyPiece FancyPieceOf(int cellWidth, int cellHeight, int part);

// The tiles of a frame of whole tiles around a rectangle, clockwise from the top-left corner:
// the corner, the top edge, the top-right corner, the right edge and so on round to the left
// edge. A side of n whole tiles has n - 2 edge tiles between its corners. The tiles step the way
// the frame's sides run: a frame whose bottom is less than its top, as a mapping that turns y up
// has it, is walked towards smaller y.
struct FancyTilePlace {
    int part;
    POINT at;
};
class FancyFrameWalk {
public:
    // tileWidth and tileHeight at least 1. With a visible box (either way round) the tiles more
    // than a tile away from it are passed over without a step each: the margin keeps a tile that
    // a DC's mapping rounds into view.
    FancyFrameWalk(const RECT& frame, int tileWidth, int tileHeight, const RECT* visible = nullptr);

    // The next tile to draw; false when the frame is closed.
    bool Next(FancyTilePlace& place);
    // The size to draw each tile at from its place: negative along a side that runs backwards.
    int TileWidth() const { return static_cast<int>(tileWidth_); }
    int TileHeight() const { return static_cast<int>(tileHeight_); }

private:
    StepRange VisibleSteps(long long stepX, long long stepY, long long remaining) const;

    long long x_;
    long long y_;
    long long tileWidth_;
    long long tileHeight_;
    long long tiles_[8]; // of each leg: a corner, then the edge tiles of the side after it
    int leg_ = 0;
    long long done_ = 0; // tiles drawn of the current leg
    bool clipped_ = false;
    long long visible_[4] = {}; // left, top, right, bottom, widened by a tile
};

// The cells of the chooser, row by row from the area's top-left corner: styles from firstStyle
// on while a whole cell fits, a row ending where the next cell would cross the right edge. The
// walk steps the way the cell's sides point and stops at the edges it steps towards: cells of a
// negative height fill an area whose bottom is less than its top.
class FancyChooserWalk {
public:
    // cellWidth and cellHeight non-zero.
    FancyChooserWalk(const RECT& area, int firstStyle, int cellWidth, int cellHeight);

    // The next style and its cell; false when the styles or the area run out.
    bool Next(int& style, RECT& cell);

private:
    RECT area_;
    long long x_;
    long long y_;
    long long cellWidth_;
    long long cellHeight_;
    int style_;
};
