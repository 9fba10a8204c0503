#include "media/FrameBitmap.h"

HBITMAP FrameAsBitmap(unsigned short id, HDC dc, FrameQuery queryFrame, FrameUpdate update) {
    RECT source = {}; // left, top, width, height
    if (!queryFrame(id, &source, 0))
        return nullptr;
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, source.right, source.bottom);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const int drawn = update(id, memory, &source);
    SelectObject(memory, previous);
    DeleteDC(memory);
    if (!drawn) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}
