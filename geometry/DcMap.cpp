#include "QernoGeometry.h"

int QERNO_CALL ChangeDCMap(HDC hdc) {
    const int saved = SaveDC(hdc);
    POINT viewportOrigin = {};
    SIZE viewportExtent = {};
    GetViewportOrgEx(hdc, &viewportOrigin);
    GetViewportExtEx(hdc, &viewportExtent);
    SetWindowOrgEx(hdc, viewportOrigin.x, viewportOrigin.y, nullptr);
    SetWindowExtEx(hdc, viewportExtent.cx, viewportExtent.cy, nullptr);
    return saved;
}
