#include "render/BandSection.h"
#include "render/RowSharing.h"

#include <algorithm>
#include <emmintrin.h>
#include <intrin.h>
#include <vector>

namespace {

constexpr int kApiRegion = 3; // the clip and meta regions together

// The parts of area inside the bitmap and the DC's clip and meta regions.
std::vector<RECT> DrawableRects(HDC dc, const RECT& area, const BITMAP& bitmap) {
    HRGN drawable =
        CreateRectRgn(std::max(area.left, 0L), std::max(area.top, 0L),
                      std::min(area.right, bitmap.bmWidth), std::min(area.bottom, bitmap.bmHeight));
    HRGN limit = CreateRectRgn(0, 0, 0, 0);
    if (GetRandomRgn(dc, limit, kApiRegion) == 1)
        CombineRgn(drawable, drawable, limit, RGN_AND);
    DeleteObject(limit);
    // The region's header and then its rectangles, in DWORDs.
    const DWORD size = GetRegionData(drawable, 0, nullptr);
    std::vector<DWORD> data((size + sizeof(DWORD) - 1) / sizeof(DWORD));
    auto* region = reinterpret_cast<RGNDATA*>(data.data());
    const bool read = size && GetRegionData(drawable, size, region);
    DeleteObject(drawable);
    if (!read)
        return {};
    const auto* first = reinterpret_cast<const RECT*>(region->Buffer);
    return std::vector<RECT>(first, first + region->rdh.nCount);
}

BYTE* MemoryRow(const BITMAP& bitmap, LONG row) {
    return static_cast<BYTE*>(bitmap.bmBits) + static_cast<size_t>(row) * bitmap.bmWidthBytes;
}

// Whether the first row in memory is the top one, which a section's header does not reliably
// say: a pixel the DC may draw on is changed in memory for a moment and read back through GDI.
// False when no drawable pixel can tell.
bool FindOrientation(HDC dc, const BITMAP& bitmap, const std::vector<RECT>& rects, bool& topDown) {
    const int bytes = bitmap.bmBitsPixel / 8;
    for (const RECT& rect : rects)
        for (LONG y : {rect.top, rect.bottom - 1}) {
            const LONG mirrored = bitmap.bmHeight - 1 - y;
            if (mirrored == y)
                continue;
            BYTE& blue = MemoryRow(bitmap, y)[rect.left * bytes];
            const BYTE kept = blue;
            blue = static_cast<BYTE>(MemoryRow(bitmap, mirrored)[rect.left * bytes] + 1);
            topDown = GetBValue(GetPixel(dc, rect.left, y)) == blue;
            blue = kept;
            return true;
        }
    return false;
}

// A row as one string move or store, which the processor runs at the speed of a memset; the
// runtime's memcpy is slower on the 32-bit build, and a plain loop of single stores, left as it
// is by the compiler, slower still. from holds the pixels to copy, or is null for a fill.
void StorePixels(DWORD* to, LONG count, const DWORD* from, DWORD colour) {
    if (from)
        __movsd(reinterpret_cast<unsigned long*>(to), reinterpret_cast<const unsigned long*>(from),
                count);
    else
        __stosd(reinterpret_cast<unsigned long*>(to), colour, count);
}

// A row that repeats every kCellSize pixels, stored a cell at a time.
void StoreRepeating(DWORD* to, LONG count, const DWORD* cell) {
    static_assert(kCellSize == 8, "a cell is two 4-pixel stores");
    const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cell));
    const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(cell + 4));
    LONG x = 0;
    for (; x + kCellSize <= count; x += kCellSize) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + x), first);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(to + x + 4), second);
    }
    std::copy(cell, cell + (count - x), to + x);
}

void StorePixels24(BYTE* to, LONG count, const DWORD* from, DWORD colour) {
    for (LONG i = 0; i < count; ++i) {
        const DWORD pixel = from ? from[i] : colour;
        to[3 * i] = static_cast<BYTE>(pixel);
        to[3 * i + 1] = static_cast<BYTE>(pixel >> 8);
        to[3 * i + 2] = static_cast<BYTE>(pixel >> 16);
    }
}

// What either thread writing the rows reads: the section, the parts of it the DC may draw on
// (top to bottom, as a region gives them) and the rows to lay there.
struct RowWriting {
    const BITMAP& bitmap;
    bool topDown;
    const std::vector<RECT>& rects;
    const RECT& area;
    const BandRows& rows;
};

void WriteRows(void* context, LONG first, LONG end) {
    const RowWriting& writing = *static_cast<const RowWriting*>(context);
    const BITMAP& bitmap = writing.bitmap;
    const BandRows& rows = writing.rows;
    // Rows through a brush top to bottom are worked out one at a time; 32 bits take cells.
    std::vector<DWORD> scratch(rows.Repeats() && bitmap.bmBitsPixel != 32 ? rows.Width() : 0);
    for (const RECT& rect : writing.rects)
        for (LONG y = std::max(rect.top, first); y < std::min(rect.bottom, end); ++y) {
            BYTE* row = MemoryRow(bitmap, writing.topDown ? y : bitmap.bmHeight - 1 - y);
            const LONG count = rect.right - rect.left;
            if (bitmap.bmBitsPixel == 32 && rows.Repeats()) {
                DWORD cells[kCellSize];
                rows.CellRow(y, rect.left, cells);
                StoreRepeating(reinterpret_cast<DWORD*>(row) + rect.left, count, cells);
                continue;
            }
            const DWORD* from = rows.Solid()
                                    ? nullptr
                                    : rows.Row(y, scratch.data()) + (rect.left - writing.area.left);
            const DWORD colour = rows.Solid() ? rows.Colour(y) : 0;
            if (bitmap.bmBitsPixel == 32)
                StorePixels(reinterpret_cast<DWORD*>(row) + rect.left, count, from, colour);
            else
                StorePixels24(row + 3 * rect.left, count, from, colour);
        }
}

} // namespace

bool WriteBandRows(HDC dc, const RECT& area, const BandRows& rows) {
    // A DC that gathers the bounds of its drawing must see the fill drawn through GDI.
    RECT bounds;
    DIBSECTION section = {};
    if (GetObjectType(dc) != OBJ_MEMDC || (GetBoundsRect(dc, &bounds, 0) & DCB_ENABLE) ||
        GetObject(GetCurrentObject(dc, OBJ_BITMAP), sizeof section, &section) != sizeof section ||
        !section.dsBm.bmBits)
        return false;
    const BITMAP& bitmap = section.dsBm;
    GdiFlush(); // whatever GDI still holds for these pixels lands first
    const std::vector<RECT> rects = DrawableRects(dc, area, bitmap);
    if (rects.empty())
        return true;
    bool topDown = true;
    if (!FindOrientation(dc, bitmap, rects, topDown))
        return false;
    RowWriting writing = {bitmap, topDown, rects, area, rows};
    ShareRows(rects.front().top, rects.back().bottom, area.right - area.left, WriteRows, &writing);
    return true;
}
