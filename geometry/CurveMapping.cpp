#include "geometry/CurveMapping.h"

#include <climits>

CurveMapping::CurveMapping(HDC dc) : dc_(dc) {
    // A mirrored layout turns the mode anisotropic, and a world transform needs the advanced
    // mode. The shift is read back as the system computes it, rounding of far origins and all.
    if (GetMapMode(dc) != MM_TEXT || GetGraphicsMode(dc) != GM_COMPATIBLE)
        return;
    POINT origin = {0, 0};
    shifted_ = DPtoLP(dc, &origin, 1) != FALSE;
    logicalOfDeviceOrigin_ = origin;
}

bool CurveMapping::Shift(POINT* points, int count, long long dx, long long dy) const {
    if (dx == 0 && dy == 0)
        return true;
    for (int i = 0; i < count; ++i) {
        const long long x = points[i].x + dx, y = points[i].y + dy;
        if (x < INT_MIN || x > INT_MAX || y < INT_MIN || y > INT_MAX)
            return false;
    }
    for (int i = 0; i < count; ++i)
        points[i] = {static_cast<LONG>(points[i].x + dx), static_cast<LONG>(points[i].y + dy)};
    return true;
}

void CurveMapping::ToDevice(POINT* points, int count) const {
    if (!shifted_ || !Shift(points, count, -static_cast<long long>(logicalOfDeviceOrigin_.x),
                            -static_cast<long long>(logicalOfDeviceOrigin_.y)))
        LPtoDP(dc_, points, count);
}

void CurveMapping::ToLogical(POINT* points, int count) const {
    if (!shifted_ || !Shift(points, count, logicalOfDeviceOrigin_.x, logicalOfDeviceOrigin_.y))
        DPtoLP(dc_, points, count);
}
