#include "render/ShimmerBitmaps.h"

#include "QernoRender.h"

namespace {

constexpr WORD kVerticalTileId = 6419;
constexpr WORD kHorizontalTileId = 6420;

HBITMAP verticalTile = nullptr;
HBITMAP horizontalTile = nullptr;

void DeleteTile(HBITMAP& tile) {
    if (tile)
        DeleteObject(tile);
    tile = nullptr;
}

} // namespace

// A tile that cannot be loaded stays null; the effects then draw nothing.
void LoadShimmerBitmaps(HINSTANCE resourceModule) {
    ReleaseShimmerBitmaps();
    verticalTile = LoadBitmapA(resourceModule, MAKEINTRESOURCEA(kVerticalTileId));
    horizontalTile = LoadBitmapA(resourceModule, MAKEINTRESOURCEA(kHorizontalTileId));
}

void ReleaseShimmerBitmaps() {
    DeleteTile(verticalTile);
    DeleteTile(horizontalTile);
}

HBITMAP QERNO_CALL GetHoriShimmerBmp() {
    return horizontalTile;
}

HBITMAP QERNO_CALL GetVertShimmerBmp() {
    return verticalTile;
}
