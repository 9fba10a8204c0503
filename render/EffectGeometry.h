// Where the sparkle's stars and the shimmer's tiles go at a given time, free of any DC so it can
// be checked natively. Both effects repeat every kEffectCycle time units.
#pragma once

#include "QernoTypes.h"

constexpr DWORD kEffectCycle = 1000;

// --- Sparkle ---

// The star size that keeps stars inside rect: a quarter of its shorter side when the size asked
// for does not fit twice into it. Nothing is drawn for 0 or less.
int SparkleSize(const RECT& rect, int size);

// rect shrunk by size on every side, so stars on its corners and edges stay inside rect.
RECT SparkleFrame(const RECT& rect, int size);

// The time's step (0, 1 or 2, a third of the cycle each) and the arm of an upright cross of that
// size: the full size at the start and end of a step, 0 in its middle.
struct SparklePhase {
    int step;
    int arm;
};
SparklePhase SparklePhaseAt(DWORD time, int size);

// The stars' centres in step of the cycle on the corners of frame or, with midpoints, on the
// middles of its edges. Types 0 to 3 hop between opposite corners; other types show only in
// step 1.
struct SparkleStars {
    int count;
    POINT centre[2];
};
SparkleStars SparkleStarsAt(const RECT& frame, WORD type, int step, bool midpoints);

// The lines of one star: an upright cross of arm, and a diagonal cross of half-size size - arm.
// Each line ends short of its end point, as LineTo draws it.
struct StarLine {
    POINT from;
    POINT to;
};
struct StarLines {
    int count;
    StarLine line[4];
};
StarLines StarLinesAt(POINT centre, int arm, int size);

// --- Shimmer ---

enum class BarOrientation { Vertical, Horizontal };

// The bar's column (a vertical bar) or row (a horizontal one) at time, in device pixels of the
// normalised rectangle. Directions past 3 have no bar.
struct ShimmerBar {
    bool shown;
    BarOrientation orientation;
    int position;
};
ShimmerBar ShimmerBarAt(WORD direction, DWORD time, const RECT& device);

// The whole tiles of a bar: count tiles from first on, each step further. None when half a tile
// would stick out of the rectangle across the bar, or for a tile without pixels.
struct TileRun {
    long long count;
    POINT first;
    POINT step;
};
TileRun ShimmerTiles(const ShimmerBar& bar, const RECT& device, int tileWidth, int tileHeight);

// The top-left corner of tile index (below count) of run.
POINT TileAt(const TileRun& run, long long index);

// The tiles of run, each tileWidth x tileHeight, that overlap the visible box: a run along a
// rectangle of any size costs what the box holds.
TileRun VisibleTiles(const TileRun& run, const RECT& visible, int tileWidth, int tileHeight);
