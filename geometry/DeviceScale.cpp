#include "QernoGeometry.h"
#include "geometry/ScaleArithmetic.h"

#include <algorithm>

namespace {

constexpr long kLineUnitsPerInch = 1440;

// The logical distance one device step from the viewport origin covers. A reversed axis
// gives a negative distance, and a failing DC none: both count as the floor of 1.
long RateAlong(HDC dc, int dx, int dy) {
    POINT ends[2] = {}; // the origin and one step along the axis
    GetViewportOrgEx(dc, &ends[0]);
    ends[1] = {ends[0].x + dx, ends[0].y + dy};
    DPtoLP(dc, ends, 2);
    const long rate = dx ? ends[1].x - ends[0].x : ends[1].y - ends[0].y;
    return std::max(rate, 1L);
}

// A screen that reports no resolution, or one finer than a line unit, gets the floor of 1.
long AskScreenRate(int index) {
    HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, index);
    ReleaseDC(nullptr, screen);
    return pixelsPerInch > 0 ? std::max(kLineUnitsPerInch / pixelsPerInch, 1L) : 1;
}

// A process sees one screen resolution for its life, so each axis is asked once: a screen DC
// costs more than a plug-in fill blitted from its cache.
long ScreenRate(int index) {
    static const long across = AskScreenRate(LOGPIXELSX);
    static const long down = AskScreenRate(LOGPIXELSY);
    return index == LOGPIXELSX ? across : down;
}

} // namespace

long QERNO_CALL GetnXRate(HDC dc) {
    return RateAlong(dc, 1, 0);
}

long QERNO_CALL GetnYRate(HDC dc) {
    return RateAlong(dc, 0, 1);
}

long QERNO_CALL GetnXRateEx(HDC dc) {
    return dc ? GetnXRate(dc) : ScreenRate(LOGPIXELSX);
}

long QERNO_CALL GetnYRateEx(HDC dc) {
    return dc ? GetnYRate(dc) : ScreenRate(LOGPIXELSY);
}

// Sizes round to the vertical rate on both axes.
long QERNO_CALL GetIntMaxLogicSize(HDC dc, long size) {
    return RoundToRate(size, GetnYRateEx(dc));
}

long QERNO_CALL GetIntMaxDeviceSize(HDC dc, long size) {
    const long rate = GetnYRateEx(dc);
    return RoundToRate(size, rate) / rate;
}

long QERNO_CALL GetXWide(HDC dc, long width) {
    return GetWide(width, GetnXRate(dc));
}

long QERNO_CALL GetYWide(HDC dc, long width) {
    return GetWide(width, GetnYRate(dc));
}

int QERNO_CALL GetLogicLen(HDC dc, int deviceLength) {
    if (!dc || deviceLength == 0)
        return deviceLength;
    POINT ends[2] = {}; // the viewport origin and deviceLength pixels to its right
    GetViewportOrgEx(dc, &ends[0]);
    ends[1] = {ends[0].x + deviceLength, ends[0].y};
    DPtoLP(dc, ends, 2);
    return ends[1].x - ends[0].x;
}

int QERNO_CALL GetDeviceLen(HDC dc, int logicalLength) {
    if (!dc || logicalLength == 0)
        return logicalLength;
    POINT ends[2] = {}; // the window origin and logicalLength units to its right
    GetWindowOrgEx(dc, &ends[0]);
    ends[1] = {ends[0].x + logicalLength, ends[0].y};
    LPtoDP(dc, ends, 2);
    return ends[1].x - ends[0].x;
}

void QERNO_CALL SetViewDC(HDC dc) {
    SetMapMode(dc, MM_TEXT);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SetWindowOrgEx(dc, 0, 0, nullptr);
}
