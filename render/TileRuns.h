// Rows of turned tiles laid along segments and painted together at the end of one drawing call:
// each tile turned to a direction once, every turned tile in one bitmap of one memory DC.
#pragma once

#include "render/BorderGeometry.h"

#include <windows.h>

#include <memory>

class TileRuns {
public:
    // Room for capacity runs of tiles of tileWidth x tileHeight, laid step long and thickness
    // thick; none when it cannot be had.
    TileRuns(int capacity, int tileWidth, int tileHeight, int step, int thickness);

    // A row of tile from p1 to p2 as the screen shows them; the tile must outlive the object.
    void Add(POINT p1, POINT p2, const char* tile);
    // Blits the rows in the order they were added; nothing when the turned tiles cannot be made.
    void Paint(HDC dc, ScreenAxes axes) const;

    // The rows an arrow line lays from first to last, on the screen: start tiles, end tiles,
    // then middle tiles; at most three.
    void AddArrowLine(POINT first, POINT last, const char* startTile, const char* middleTile,
                      const char* endTile);

private:
    struct Run {
        POINT p1;
        POINT p2;
        TileLaying laying;
        int turned; // its tile's turn
    };
    // A tile turned to an angle, and its rows in the shared bitmap.
    struct Turn {
        const char* tile;
        int angle;
        long width;
        long height;
        int top;
    };

    // The turn's index, added when new; -1 when it has no pixels or is too large to hold.
    int TurnOf(const char* tile, int angle);
    // Every turn stacked top to bottom, in rows as wide as the widest.
    HBITMAP MakeTurnedTiles() const;

    int capacity_;
    int tileWidth_;
    int tileHeight_;
    int step_;
    int thickness_;
    std::unique_ptr<Run[]> runs_;
    std::unique_ptr<Turn[]> turns_;
    int runCount_ = 0;
    int turnCount_ = 0;
    long rowBytes_ = 0; // of the widest turn, 16-bit aligned as CreateBitmap wants
    long rows_ = 0;
};
