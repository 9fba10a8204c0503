#include "QernoGeometry.h"
#include "QernoRender.h"
#include "render/EffectGeometry.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;

// Two blits a tile: the first whitens where the tile has 0 bits, the second ANDs the colour
// into just those pixels; the 1 bits pass the screen through both.
void BlitTile(HDC dc, POINT at, int width, int height, HDC tileDC, COLORREF colour) {
    SetTextColor(dc, kWhite);
    SetBkColor(dc, kBlack);
    BitBlt(dc, at.x, at.y, width, height, tileDC, 0, 0, SRCPAINT);
    SetTextColor(dc, colour);
    SetBkColor(dc, kWhite);
    BitBlt(dc, at.x, at.y, width, height, tileDC, 0, 0, SRCAND);
}

// device is in pixels and dc already maps them one to one.
void DrawShimmerStrip(HDC dc, const ShimmerBar& bar, COLORREF colour, const RECT& device,
                      HBITMAP tile) {
    BITMAP shape;
    if (!GetObjectA(tile, sizeof shape, &shape))
        return;
    // Tiles outside the clip box change no pixel: a bar of millions of them costs its part
    // that can be seen.
    TileRun run = ShimmerTiles(bar, device, shape.bmWidth, shape.bmHeight);
    RECT clip;
    if (GetClipBox(dc, &clip) != ERROR)
        run = VisibleTiles(run, clip, shape.bmWidth, shape.bmHeight);
    if (run.count <= 0)
        return;
    HDC tileDC = CreateCompatibleDC(dc);
    if (!tileDC)
        return;
    if (HGDIOBJ previousBitmap = SelectObject(tileDC, tile)) {
        for (long long index = 0; index < run.count; ++index)
            BlitTile(dc, TileAt(run, index), shape.bmWidth, shape.bmHeight, tileDC, colour);
        SelectObject(tileDC, previousBitmap);
    }
    DeleteDC(tileDC);
}

} // namespace

void QERNO_CALL DrawShimmer(HDC dc, unsigned short direction, unsigned long time,
                            unsigned long colour, RECT* const rect, HBITMAP horizontalTile,
                            HBITMAP verticalTile) {
    if (!dc || !rect)
        return;
    POINT corners[2] = {{rect->left, rect->top}, {rect->right, rect->bottom}};
    if (!LPtoDP(dc, corners, 2))
        return;
    // A mapping with y upwards (or x leftwards) gives the corners in the other order.
    RECT device = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    SortRect(&device);
    const ShimmerBar bar = ShimmerBarAt(direction, time, device);
    HBITMAP tile = bar.orientation == BarOrientation::Vertical ? verticalTile : horizontalTile;
    if (!bar.shown || !tile)
        return;

    const int saved = SaveDC(dc);
    if (!saved)
        return;
    SetViewDC(dc);
    DrawShimmerStrip(dc, bar, colour, device, tile);
    RestoreDC(dc, saved);
}
