#include "QernoGeometry.h"

void QERNO_CALL OffsetCurve(HGLOBAL curve, int count, int dx, int dy) {
    OffsetPoints(curve, count, dx, dy);
}

// A count beyond what the block holds is cut to the block, so a stale count never reads past it.
void QERNO_CALL DirectDrawCurve(HDC hdc, HGLOBAL curve, int count) {
    if (!curve || count <= 1)
        return;
    const SIZE_T held = GlobalSize(curve) / sizeof(POINT);
    if (static_cast<SIZE_T>(count) > held)
        count = static_cast<int>(held);
    auto* points = static_cast<const POINT*>(GlobalLock(curve));
    if (!points)
        return;
    if (count > 1)
        Polyline(hdc, points, count);
    GlobalUnlock(curve);
}

// A single point draws nothing: it has no span, and the hit test would never find a dot.
void QERNO_CALL __Curve(HDC hdc, POINT* placed, int n) {
    if (n < 2 || !placed)
        return;
    if (n == 2) {
        POINT position;
        MoveToEx(hdc, placed[0].x, placed[0].y, &position);
        LineTo(hdc, placed[1].x, placed[1].y);
        MoveToEx(hdc, position.x, position.y, nullptr);
        return;
    }
    long count = 0;
    HGLOBAL curve = QuickCurve(hdc, placed, n, &count);
    if (!curve)
        return;
    DirectDrawCurve(hdc, curve, static_cast<int>(count));
    GlobalFree(curve);
}

void QERNO_CALL _Curve(HDC hdc, POINT* placed, int n, DWORD rop2) {
    const int previousMode = SetROP2(hdc, static_cast<int>(rop2));
    __Curve(hdc, placed, n);
    if (previousMode)
        SetROP2(hdc, previousMode);
}

void QERNO_CALL Curve(HDC hdc, POINT* placed, int n, DWORD rop2, HPEN pen) {
    const int previousMode = SetROP2(hdc, static_cast<int>(rop2));
    HGDIOBJ previousPen = SelectObject(hdc, pen);
    __Curve(hdc, placed, n);
    if (previousPen)
        SelectObject(hdc, previousPen);
    if (previousMode)
        SetROP2(hdc, previousMode);
}
