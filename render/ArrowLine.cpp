#include "QernoGeometry.h"
#include "QernoRender.h"
#include "render/MappingAxes.h"
#include "render/TileRuns.h"

// The start, end and middle rows of an arrow line.
constexpr int kArrowRuns = 3;

void QERNO_CALL DrawArrowLine(HDC dc, POINT p1, POINT p2, char* startTile, char* middleTile,
                              char* endTile, int tileWidth, int tileHeight, int length,
                              int thickness, unsigned long) {
    if (!dc || tileWidth <= 0 || tileHeight <= 0 || tileWidth > kMaxRotatedSide ||
        tileHeight > kMaxRotatedSide)
        return;
    // Stepping along a line comes out the same with its axes turned round, so the whole line is
    // laid out as the screen shows it.
    const ScreenAxes axes = ScreenAxesOf(dc);
    TileRuns runs(kArrowRuns, tileWidth, tileHeight, length, thickness);
    runs.AddArrowLine(OnScreen(p1, axes), OnScreen(p2, axes), startTile, middleTile, endTile);
    runs.Paint(dc, axes);
}
