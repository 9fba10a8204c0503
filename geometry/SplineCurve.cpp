#include "geometry/SplineCurve.h"

#include "geometry/CurveSegment.h"

// Segment i of the control points starts at placed point i - 2, so the curve's segments are
// 2..n and the first two control points only shape the start.
constexpr int kFirstSegment = 2;

long long CountCurvePoints(const POINT* control, int placedCount) {
    long long total = 0;
    for (int i = kFirstSegment; i <= placedCount; ++i)
        total += CountSegmentPoints<double>(SegmentAt(control + i), kDrawExtentLimit);
    return total;
}

POINT* EmitCurvePoints(const POINT* control, int placedCount, POINT* out) {
    for (int i = kFirstSegment; i <= placedCount; ++i) {
        FlattenSegment<double>(SegmentAt(control + i), kDrawExtentLimit,
                               [&out](const POINT& point) {
                                   *out++ = point;
                                   return false;
                               });
    }
    return out;
}

int HitCurveSpan(const POINT* control, int placedCount, POINT p) {
    for (int i = kFirstSegment; i <= placedCount; ++i) {
        if (SegmentNear(SegmentAt(control + i), p))
            return i - kFirstSegment + 1;
    }
    return 0;
}
