// Drawing helpers beside the movie family: a bitmap copied into place, and the outline that
// follows a window while the user drags it.
#include "QernoMedia.h"

void QERNO_CALL PaintBitmap(HDC dc, HBITMAP bitmap, RECT* rect) {
    if (!bitmap || !rect)
        return;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(dc, rect->left, rect->top, rect->right, rect->bottom, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
}

// The four edges do not overlap, so every pixel of the outline is inverted exactly once and
// a second call at the same place restores the screen; the screen DC's own white brush makes
// PATINVERT a plain inversion.
void QERNO_CALL InvertTracker(HWND window, POINT grip, POINT at) {
    RECT bounds = {};
    GetWindowRect(window, &bounds);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const int x = at.x - grip.x;
    const int y = at.y - grip.y;
    HDC screen = GetDC(nullptr);
    PatBlt(screen, x, y, width, 2, PATINVERT);
    PatBlt(screen, x + width, y, 2, height, PATINVERT);
    PatBlt(screen, x, y + height, width + 2, 2, PATINVERT);
    PatBlt(screen, x, y + 2, 2, height - 2, PATINVERT);
    ReleaseDC(nullptr, screen);
}
