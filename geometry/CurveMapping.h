// How a curve's points go between a DC's logical and device units.
#pragma once

#include <windows.h>

// Plain device units with the origins moved shift every point by whole pixels; the curve shifts
// its points itself then, since the system converts them one by one, slowly under some builds.
// Every other mapping, mirrored layouts included, goes through the system.
class CurveMapping {
public:
    explicit CurveMapping(HDC dc);

    void ToDevice(POINT* points, int count) const;
    void ToLogical(POINT* points, int count) const;

private:
    // False, with nothing moved, when a point would leave the 32-bit range.
    bool Shift(POINT* points, int count, long long dx, long long dy) const;

    HDC dc_;
    bool shifted_ = false;
    POINT logicalOfDeviceOrigin_ = {};
};
