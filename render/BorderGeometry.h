// Where the tiles of fancy borders and arrow lines go, free of any DC so it can be checked
// natively: the stepping along a segment, the box of a turned tile, and the corners of polygons
// and polylines.
#pragma once

#include "QernoTypes.h"

// --- The screen's view of logical points ---

// Which way each logical axis runs on the screen: 1 as the screen's own (x right, y down), -1
// where a mapping turns it round. Tiles are laid out as the screen shows them, so that they
// look the same whatever the mapping.
struct ScreenAxes {
    int x = 1;
    int y = 1;
};

// The point with each axis turned round that the mapping turns; the same call turns it back.
POINT OnScreen(POINT p, ScreenAxes axes);

// --- Tiles along one segment ---

// distline's point as a value.
POINT PointAlong(POINT from, POINT towards, int distance);

struct TileLaying {
    int count; // tiles; none for a segment shorter than one step
    int step;  // widened so that the tiles spread the remainder of the segment among them
    int angle; // of the segment, clockwise on the screen from the x axis, 0..360
    int width; // of the turned tile's box
    int height;
    POINT offset; // of the box's top-left corner from each anchor
};

// Tiles of length step along p1-p2 and thickness across it. No tiles for a step or thickness
// of 0 or less.
TileLaying LayTiles(POINT p1, POINT p2, int step, int thickness);

// The top-left corner of tile index's box: its anchor on p1-p2 moved by the box's offset.
POINT TileCorner(POINT p1, POINT p2, const TileLaying& laying, int index);

// --- Corners of polygons and polylines ---

enum CornerKind {
    kNoCorner = 0,
    kRightTurn = 1, // on the screen: right then down, down then left, left then up, up then right
    kLeftTurn = 2,
};

// The corner at b between a and c; only axis-parallel right angles are corners.
CornerKind CornerAt(POINT a, POINT b, POINT c);

// A segment as drawn: its ends moved so that the edge tiles meet the corner tiles, and the corner
// tile laid at its end.
struct BorderSegment {
    POINT from;
    POINT to;
    CornerKind corner;  // the corner at the segment's end
    CornerKind endTile; // the corner tile laid at the end: none on the last segment of a polyline
};

enum class BorderPath {
    Closed, // a polygon: the last point repeats the first
    Open,   // a polyline
};

// Paths too short to draw: a polygon below 3 points, a polyline below 2.
bool DrawablePath(int count, BorderPath path);

// The corner kind the walk starts with: the polygon's corner at its first point, none for a
// polyline. Corners turn as they do on the screen.
CornerKind FirstCorner(const POINT* points, int count, BorderPath path, ScreenAxes axes);

// Segment index (0..count - 2) of a drawable path whose start follows the corner previous; a
// corner at either end moves that end half a width along the segment's line.
BorderSegment PlanSegment(const POINT* points, int count, BorderPath path, int index,
                          CornerKind previous, int width, ScreenAxes axes);
