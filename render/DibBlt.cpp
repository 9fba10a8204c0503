#include "QernoRender.h"
#include "render/DibBlock.h"

#include <algorithm>
#include <cstdlib>

int QERNO_CALL DibBlt(HDC dc, int x0, int y0, int dx, int dy, void* dib, int x1, int y1, long rop) {
    if (!dc)
        return 0;
    if (!dib)
        return PatBlt(dc, x0, y0, dx, dy, static_cast<DWORD>(rop));
    DibParts parts;
    char* block = LockDib(dib, &parts);
    if (!block)
        return 0;
    // GDI takes the line count as the number of rows the bits hold.
    const UINT rows = static_cast<UINT>(std::llabs(std::int64_t{parts.header.height}));
    const UINT lines = std::min(static_cast<UINT>(dy), rows);
    SetDIBitsToDevice(dc, x0, y0, dx, dy, x1, y1, x1, lines, block + parts.bitsOffset,
                      reinterpret_cast<const BITMAPINFO*>(block), DIB_RGB_COLORS);
    GlobalUnlock(dib);
    return 1;
}
