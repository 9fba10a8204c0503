#include "geometry/CurveSegment.h"

#include "QernoGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

// The hit test's reach in device pixels: a position closer than this to a chord is on it.
constexpr int kHitTolerance = 2;

CurveSegment SegmentOf(long x0, long y0, long x1, long y1, long x2, long y2, long x3, long y3) {
    return {{x0, x1, x2, x3}, {y0, y1, y2, y3}};
}

} // namespace

// Differences are taken in double so that no pair of coordinates can overflow.
long SegmentExtent(const CurveSegment& segment, long limit) {
    double extent = 0;
    for (int i = 1; i < 4; ++i) {
        extent = std::max(extent, std::fabs(double(segment.x[i]) - double(segment.x[0])));
        extent = std::max(extent, std::fabs(double(segment.y[i]) - double(segment.y[0])));
    }
    return extent >= double(limit) ? limit : static_cast<long>(extent);
}

long QERNO_CALL GetOneCurvePoint(POINT* control) {
    return control ? CountSegmentPoints<double>(SegmentAt(control), kDrawExtentLimit) : 0;
}

long QERNO_CALL _GetOneCurvePoint(long x0, long y0, long x1, long y1, long x2, long y2, long x3,
                                  long y3) {
    return CountSegmentPoints<double>(SegmentOf(x0, y0, x1, y1, x2, y2, x3, y3), kDrawExtentLimit);
}

// Chords are tested in the order the points come, so the walk stops at the first near one.
bool SegmentNear(const CurveSegment& segment, POINT p) {
    bool started = false;
    POINT previous = {};
    return FlattenSegment<float>(segment, kHitExtentLimit, [&](const POINT& point) {
        if (started && PtNearLine(previous, point, p, kHitTolerance))
            return true;
        previous = point;
        started = true;
        return false;
    });
}

int QERNO_CALL InOneCurve(POINT* control, POINT p) {
    return control && SegmentNear(SegmentAt(control), p) ? 1 : 0;
}

int QERNO_CALL _InOneCurve(long x0, long y0, long x1, long y1, long x2, long y2, long x3, long y3,
                           POINT p) {
    return SegmentNear(SegmentOf(x0, y0, x1, y1, x2, y2, x3, y3), p) ? 1 : 0;
}
