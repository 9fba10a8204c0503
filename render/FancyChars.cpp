#include "QernoRender.h"
#include "render/FancyLayout.h"
#include "render/FancyTiles.h"
#include "render/LocalBuffer.h"

#include <climits>
#include <cstdio>

namespace {

// The tile and the scratch space its turn needs, for one drawing call.
struct TileBuffers {
    char* tile() const { return tile_.bits(); }
    char* scratch() const { return scratch_.bits(); }
    bool ready() const { return tile() && scratch(); }

    LocalBuffer tile_{kFancyTileBytes};
    LocalBuffer scratch_{kFancyTileBytes};
};

// The library's table locked for one drawing call.
class LockedFancyTable {
public:
    LockedFancyTable() : bytes_(LockFancyTable()) {}
    ~LockedFancyTable() {
        if (bytes_)
            UnlockFancyTable();
    }
    LockedFancyTable(const LockedFancyTable&) = delete;
    LockedFancyTable& operator=(const LockedFancyTable&) = delete;

    char* bytes() const { return bytes_; }

private:
    char* bytes_;
};

// A 16 x 16 one-bit bitmap selected into a memory DC the tiles are loaded through.
class TileBitmap {
public:
    explicit TileBitmap(HDC memory)
        : memory_(memory), bitmap_(CreateBitmap(kFancyTileSide, kFancyTileSide, 1, 1, nullptr)),
          previous_(bitmap_ ? SelectObject(memory, bitmap_) : nullptr) {}
    ~TileBitmap() {
        if (previous_)
            SelectObject(memory_, previous_);
        if (bitmap_)
            DeleteObject(bitmap_);
    }
    TileBitmap(const TileBitmap&) = delete;
    TileBitmap& operator=(const TileBitmap&) = delete;

    HBITMAP get() const { return previous_ ? bitmap_ : nullptr; }

private:
    HDC memory_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

// A rectangle's side as a drawing size, negative where it runs backwards as it does where a
// mapping turns the axis round; 0 when it does not fit a size.
int SideOf(LONG from, LONG to) {
    const long long side = static_cast<long long>(to) - from;
    return side >= -INT_MAX && side <= INT_MAX ? static_cast<int>(side) : 0;
}

bool LoadTile(HBITMAP bitmap, int style, int part, char* table, char* tile, char* scratch) {
    return ReadFancyTile(style, part, tile, scratch, table) &&
           SetBitmapBits(bitmap, kFancyTileBytes, tile) != 0;
}

void DrawStyleNumber(HDC dc, int style, const RECT& cell) {
    char number[12]; // an unsigned 32-bit number and its terminator
    std::snprintf(number, sizeof number, "%u", static_cast<unsigned int>(style));
    const int mode = SetBkMode(dc, TRANSPARENT);
    RECT box = cell;
    DrawTextA(dc, number, -1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SetBkMode(dc, mode);
}

} // namespace

void QERNO_CALL PaintFancyChar2(HDC dc, HDC memory, HBITMAP bitmap, int style, RECT* cell,
                                char* table, char* tile, char* scratch, int, int showNumber) {
    if (!dc || !memory || !bitmap || !cell || !tile || !IsFancyStyle(style))
        return;
    const int width = SideOf(cell->left, cell->right), height = SideOf(cell->top, cell->bottom);
    if (!width || !height)
        return;
    for (int part = 0; part < kFancyPartCount; ++part) {
        if (!LoadTile(bitmap, style, part, table, tile, scratch))
            continue;
        const FancyPiece piece = FancyPieceOf(width, height, part);
        DrawCharBitmap(dc, cell->left + piece.x, cell->top + piece.y, piece.width, piece.height,
                       memory, kFancyTileSide, kFancyTileSide);
    }
    if (showNumber)
        DrawStyleNumber(dc, style, *cell);
}

void QERNO_CALL PaintFancyChar1(HDC dc, int style, RECT* cell, char* table, char* tile,
                                char* scratch, int unused, int showNumber) {
    if (!dc)
        return;
    HDC memory = CreateCompatibleDC(dc);
    if (!memory)
        return;
    {
        TileBitmap bitmap(memory);
        PaintFancyChar2(dc, memory, bitmap.get(), style, cell, table, tile, scratch, unused,
                        showNumber);
    }
    DeleteDC(memory);
}

void QERNO_CALL PaintFancyChar(HDC dc, int style, RECT* cell, int unused, int showNumber) {
    if (!FancyTableLoaded())
        return;
    TileBuffers buffers;
    if (!buffers.ready())
        return;
    LockedFancyTable table;
    if (table.bytes())
        PaintFancyChar1(dc, style, cell, table.bytes(), buffers.tile(), buffers.scratch(), unused,
                        showNumber);
}

void QERNO_CALL PaintFancyChar3(HDC dc, HDC memory, int style, RECT* frame, int tileWidth,
                                int tileHeight) {
    if (!dc || !memory || !frame || !IsFancyStyle(style) || tileWidth <= 0 || tileHeight <= 0)
        return;
    TileBuffers buffers;
    if (!buffers.ready())
        return;
    LockedFancyTable table;
    if (!table.bytes())
        return;
    TileBitmap bitmap(memory);
    if (!bitmap.get())
        return;
    // Tiles outside the clip box change no pixel: a frame of millions of them costs its part
    // that can be seen.
    RECT clip;
    const bool clipped = GetClipBox(dc, &clip) != ERROR;
    FancyFrameWalk walk(*frame, tileWidth, tileHeight, clipped ? &clip : nullptr);
    for (FancyTilePlace place; walk.Next(place);) {
        if (LoadTile(bitmap.get(), style, place.part, table.bytes(), buffers.tile(),
                     buffers.scratch()))
            DrawCharBitmap(dc, place.at.x, place.at.y, walk.TileWidth(), walk.TileHeight(), memory,
                           kFancyTileSide, kFancyTileSide);
    }
}

void QERNO_CALL PaintAllFancyChars(HWND, HDC dc, int firstStyle, int cellWidth, int cellHeight,
                                   RECT* area, int showNumber, int extra) {
    if (!dc || !area || !IsFancyStyle(firstStyle) || cellWidth == 0 || cellHeight == 0 ||
        !FancyTableLoaded())
        return;
    TileBuffers buffers;
    if (!buffers.ready())
        return;
    LockedFancyTable table;
    if (!table.bytes())
        return;
    HDC memory = CreateCompatibleDC(dc);
    if (!memory)
        return;
    {
        TileBitmap bitmap(memory);
        FancyChooserWalk walk(*area, firstStyle, cellWidth, cellHeight);
        int style = 0;
        RECT cell;
        while (bitmap.get() && walk.Next(style, cell))
            PaintFancyChar2(dc, memory, bitmap.get(), style, &cell, table.bytes(), buffers.tile(),
                            buffers.scratch(), extra, showNumber);
    }
    DeleteDC(memory);
}
