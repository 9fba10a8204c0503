#include "QernoGeometry.h"
#include "QernoRender.h"
#include "render/BorderGeometry.h"
#include "render/LocalBuffer.h"
#include "render/MappingAxes.h"

#include <climits>

namespace {

bool SamePoint(POINT p, POINT q) {
    return p.x == q.x && p.y == q.y;
}

// The tile is turned once for the whole segment, then stretched onto each box along it. p1 and
// p2 are as the screen shows them: each box goes back through the mapping, its sides running
// the way the mapping turns them, so the tile lands upright.
void DrawTileLine(HDC dc, ScreenAxes axes, POINT p1, POINT p2, char* tile, int tileWidth,
                  int tileHeight, int step, int thickness) {
    const TileLaying laying = LayTiles(p1, p2, step, thickness);
    if (laying.count == 0)
        return;

    long turnedWidth = 0;
    long turnedHeight = 0;
    rotwh(tileWidth, tileHeight, &turnedWidth, &turnedHeight, laying.angle);
    if (turnedWidth <= 0 || turnedHeight <= 0)
        return;
    // rotate packs rows into whole bytes; CreateBitmap wants them 16-bit aligned.
    const long packedRowBytes = (turnedWidth + 7) / 8;
    const long alignedRowBytes = (turnedWidth + 15) / 16 * 2;
    const long long blockBytes = static_cast<long long>(alignedRowBytes) * turnedHeight;
    if (blockBytes > INT_MAX)
        return;
    LocalBuffer block(static_cast<int>(blockBytes));
    if (!block.bits())
        return;
    rotate(reinterpret_cast<BYTE*>(tile), tileWidth, tileHeight,
           reinterpret_cast<BYTE*>(block.bits()), &turnedWidth, &turnedHeight, laying.angle);
    if (packedRowBytes != alignedRowBytes)
        RelaxBits(packedRowBytes, 1, turnedHeight, block.bits());

    HBITMAP bitmap = CreateBitmap(turnedWidth, turnedHeight, 1, 1, block.bits());
    HDC memory = bitmap ? CreateCompatibleDC(dc) : nullptr;
    if (memory) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        for (int i = 0; i < laying.count; ++i) {
            const POINT corner = OnScreen(TileCorner(p1, p2, laying, i), axes);
            DrawCharBitmap(dc, corner.x, corner.y, axes.x * laying.width, axes.y * laying.height,
                           memory, turnedWidth, turnedHeight);
        }
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
    if (bitmap)
        DeleteObject(bitmap);
}

} // namespace

void QERNO_CALL DrawArrowLine(HDC dc, POINT p1, POINT p2, char* startTile, char* middleTile,
                              char* endTile, int tileWidth, int tileHeight, int length,
                              int thickness, unsigned long) {
    if (!dc || tileWidth <= 0 || tileHeight <= 0 || tileWidth > kMaxRotatedSide ||
        tileHeight > kMaxRotatedSide)
        return;
    // Stepping along a line comes out the same with its axes turned round, so the whole line is
    // laid out as the screen shows it.
    const ScreenAxes axes = ScreenAxesOf(dc);
    const POINT first = OnScreen(p1, axes);
    const POINT last = OnScreen(p2, axes);
    POINT from = first;
    POINT to = last;
    if (startTile) {
        const POINT startEnd = PointAlong(first, last, length);
        DrawTileLine(dc, axes, first, startEnd, startTile, tileWidth, tileHeight, length,
                     thickness);
        from = startEnd;
    }
    if (endTile) {
        POINT endStart = PointAlong(last, from, length);
        if (SamePoint(endStart, last))
            endStart = from; // nothing left between: the end tiles take the whole rest
        DrawTileLine(dc, axes, endStart, last, endTile, tileWidth, tileHeight, length, thickness);
        to = endStart;
    }
    if (middleTile) {
        // A rest shorter than one tile is stretched to one, so that the line never goes bare.
        if (dist_ptpt(from, to) < length)
            to = PointAlong(from, to, length);
        DrawTileLine(dc, axes, from, to, middleTile, tileWidth, tileHeight, length, thickness);
    }
}
