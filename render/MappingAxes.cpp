#include "render/MappingAxes.h"

#include "QernoGeometry.h"

namespace {

// An axis runs as the screen's when its window and viewport extents agree in sign.
int AxisSign(LONG window, LONG viewport) {
    return (window < 0) == (viewport < 0) ? 1 : -1;
}

} // namespace

ScreenAxes ScreenAxesOf(HDC dc) {
    SIZE window = {1, 1};
    SIZE viewport = {1, 1};
    if (!GetWindowExtEx(dc, &window) || !GetViewportExtEx(dc, &viewport))
        return {};
    return {AxisSign(window.cx, viewport.cx), AxisSign(window.cy, viewport.cy)};
}

PixelView::PixelView(HDC dc) : dc_(dc) {
    POINT viewport = {}, window = {};
    const bool inPixels = GetMapMode(dc) == MM_TEXT && GetViewportOrgEx(dc, &viewport) &&
                          GetWindowOrgEx(dc, &window) && !viewport.x && !viewport.y && !window.x &&
                          !window.y;
    if (inPixels)
        return;
    saved_ = SaveDC(dc);
    SetViewDC(dc);
}

PixelView::~PixelView() {
    if (saved_)
        RestoreDC(dc_, saved_);
}
