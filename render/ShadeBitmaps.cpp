#include "QernoRender.h"
#include "render/LocalBuffer.h"
#include "render/ResourceTable.h"
#include "render/ShadePattern.h"

HBITMAP QERNO_CALL GetShadeBitmap(int shade, int overlay, int rotate) {
    CGlobalBlock& table = ShadeTable();
    if (!table.Lock())
        return nullptr;
    HBITMAP bitmap = nullptr;
    LocalBuffer pattern(kShadePatternBytes);
    if (pattern.bits()) {
        {
            // The overlay and the turn need a second buffer; without one the plain shade is made.
            LocalBuffer work(kShadePatternBytes);
            const ShadeTableBytes bytes = {static_cast<const unsigned char*>(table.m_pData),
                                           GlobalSize(table.m_hGlobal)};
            ComposeShadePattern(bytes, shade, overlay, rotate, pattern.bits(), work.bits());
        }
        bitmap = CreateBitmap(8, 8, 1, 1, pattern.bits());
    }
    table.Unlock();
    return bitmap;
}

HBRUSH QERNO_CALL CreateShadePatternBrush(HDC, int shade, int overlay, int rotate) {
    HBITMAP bitmap = GetShadeBitmap(shade, overlay, rotate);
    if (!bitmap) {
        const LOGBRUSH hollow = {BS_NULL, 0, 0};
        return CreateBrushIndirect(&hollow);
    }
    HBRUSH brush = CreatePatternBrush(bitmap);
    DeleteObject(bitmap); // the brush keeps its own copy of the pattern
    return brush;
}
