#include "QernoGeometry.h"

namespace {
constexpr int kColorOnColor = 3; // drops the rows and columns a shrink leaves out
}

BOOL QERNO_CALL _DrawBitmap(HDC dc, int x, int y, int width, int height, HDC source, int sourceX,
                            int sourceY, int sourceWidth, int sourceHeight, HBITMAP bitmap,
                            HPALETTE palette, DWORD rop) {
    if (!dc || !bitmap)
        return FALSE;
    HDC memory = source ? source : CreateCompatibleDC(dc);
    if (!memory)
        return FALSE;
    HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
    HPALETTE oldPalette = palette ? SelectPalette(memory, palette, FALSE) : nullptr;
    RealizePalette(memory);

    BOOL drawn;
    if (sourceWidth != width || sourceHeight != height) {
        const int oldMode = SetStretchBltMode(dc, kColorOnColor);
        drawn = StretchBlt(dc, x, y, width, height, memory, sourceX, sourceY, sourceWidth,
                           sourceHeight, rop);
        SetStretchBltMode(dc, oldMode);
    } else {
        drawn = BitBlt(dc, x, y, width, height, memory, sourceX, sourceY, rop);
    }

    if (oldPalette)
        SelectPalette(memory, oldPalette, FALSE);
    SelectObject(memory, oldBitmap);
    if (!source)
        DeleteDC(memory);
    return drawn;
}

// Missing rectangles draw nothing, like a missing DC or bitmap.
BOOL QERNO_CALL DrawBitmap(HDC dc, RECT* target, HDC source, RECT* sourceRect, HBITMAP bitmap,
                           HPALETTE palette, DWORD rop) {
    if (!target || !sourceRect)
        return FALSE;
    return _DrawBitmap(dc, target->left, target->top, target->right - target->left,
                       target->bottom - target->top, source, sourceRect->left, sourceRect->top,
                       sourceRect->right - sourceRect->left, sourceRect->bottom - sourceRect->top,
                       bitmap, palette, rop);
}
