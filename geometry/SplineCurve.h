// A spline curve through placed points, worked in device units: the padded points, their
// control points, and the whole curve flattened or hit-tested segment by segment.
#pragma once

#include "QernoTypes.h"

// Point blocks stay below 2 GB, so that their byte sizes and point counts fit 32-bit values.
constexpr long long kMaxCurveBlockPoints = 0x7FFFFFFF / sizeof(POINT);

// The first placed point four times, the others once, the last five times in all.
inline long long PaddedPointCount(int placedCount) {
    return placedCount + 7LL;
}
inline long long ControlPointCount(int placedCount) {
    return placedCount + 6LL;
}
void PadCurvePoints(const POINT* placed, int placedCount, POINT* padded);

// Segments 2..n of the control points, segment i running from placed point i - 2 to i - 1.
long long CountCurvePoints(const POINT* control, int placedCount);
// Writes exactly CountCurvePoints points; returns the end of what it wrote.
POINT* EmitCurvePoints(const POINT* control, int placedCount, POINT* out);
// The 1-based span the position is near, first in order; 0 for none.
int HitCurveSpan(const POINT* control, int placedCount, POINT p);
