#include "render/BandCopy.h"
#include "render/BandRows.h"
#include "render/BandSection.h"

#include <algorithm>
#include <memory>

namespace {

constexpr LONG kTilePixels = 1 << 16; // enough to make each copy worth its call

DWORD Pixel(COLORREF colour) {
    return GetRValue(colour) << 16 | GetGValue(colour) << 8 | GetBValue(colour);
}

// What the bands paint: the null pen leaves each Rectangle's last row and column alone.
RECT PaintedArea(const std::vector<PaintedBand>& bands, bool topToBottom) {
    const RECT& first = bands.front().rect;
    const RECT& last = bands.back().rect;
    return topToBottom ? RECT{first.left, first.top, first.right - 1, last.bottom - 1}
                       : RECT{first.left, first.top, last.right - 1, first.bottom - 1};
}

// One pixel per position along the axis, each in the colour of the band that paints it.
std::unique_ptr<DWORD[]> BandLine(const std::vector<PaintedBand>& bands, bool topToBottom,
                                  LONG start, LONG length) {
    std::unique_ptr<DWORD[]> line(new DWORD[length]);
    for (const PaintedBand& band : bands) {
        const LONG from =
            std::clamp((topToBottom ? band.rect.top : band.rect.left) - start, 0L, length);
        const LONG to =
            std::min((topToBottom ? band.rect.bottom : band.rect.right) - 1 - start, length);
        std::fill(line.get() + from, line.get() + std::max(from, to), Pixel(band.colour));
    }
    return line;
}

} // namespace

void CopyBands(HDC dc, const std::vector<PaintedBand>& bands, bool topToBottom,
               const BrushCell& cell) {
    if (bands.empty())
        return;
    // Only what the clip box holds can be painted; a fill far larger needs no line as long.
    RECT area = PaintedArea(bands, topToBottom), box = {};
    GetClipBox(dc, &box);
    IntersectRect(&area, &area, &box);
    const LONG width = area.right - area.left;
    const LONG height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return;
    const LONG along = topToBottom ? height : width;
    const LONG across = topToBottom ? width : height;
    BandRows rows(BandLine(bands, topToBottom, topToBottom ? area.top : area.left, along), area,
                  topToBottom, cell);
    if (WriteBandRows(dc, area, rows))
        return;

    // A tile of the rows' first pixels across the axis, copied over the area. It spans whole
    // brush cells, so that every copy starts on the cell where the tile does.
    const LONG repeat = std::min(std::max(kTilePixels / along / kCellSize, 1L) * kCellSize, across);
    const LONG tileWidth = topToBottom ? repeat : along;
    const LONG tileHeight = topToBottom ? along : repeat;
    std::unique_ptr<DWORD[]> tile(new DWORD[static_cast<size_t>(along) * repeat]);
    std::unique_ptr<DWORD[]> scratch(new DWORD[width]);
    for (LONG y = 0; y < tileHeight; ++y) {
        const DWORD* row = rows.Row(area.top + y, scratch.get());
        std::copy(row, row + tileWidth, tile.get() + static_cast<size_t>(y) * tileWidth);
    }
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, tileWidth, -tileHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    for (LONG offset = 0; offset < across; offset += repeat) {
        const LONG count = std::min(repeat, across - offset);
        const LONG w = topToBottom ? count : width;
        const LONG h = topToBottom ? height : count;
        StretchDIBits(dc, topToBottom ? area.left + offset : area.left,
                      topToBottom ? area.top : area.top + offset, w, h, 0, 0, w, h, tile.get(),
                      &info, DIB_RGB_COLORS, SRCCOPY);
    }
}
