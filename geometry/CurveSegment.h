// One segment of a spline curve, four control points in device units, flattened by forward
// differences. Drawing works in double precision; the hit test in single precision, coarser.
#pragma once

#include "QernoTypes.h"

#include <limits>

// A step covers about this many pixels of the segment's extent.
constexpr long kPixelsPerCurveStep = 12;
// The extent counted for drawing stops at 1000 pixels (at most 85 points a segment); the hit
// test stops at 100, which keeps it to about nine chords.
constexpr long kDrawExtentLimit = 1000;
constexpr long kHitExtentLimit = 100;

struct CurveSegment {
    long x[4];
    long y[4];
};

inline CurveSegment SegmentAt(const POINT* control) {
    return {{control[0].x, control[1].x, control[2].x, control[3].x},
            {control[0].y, control[1].y, control[2].y, control[3].y}};
}

// The largest distance along either axis from the first control point, at most limit.
long SegmentExtent(const CurveSegment& segment, long limit);

// Beyond the 32-bit range a coordinate saturates: converting it would be undefined.
template <typename Real> LONG TruncateToLong(Real value) {
    if (value >= Real(2147483647.0))
        return std::numeric_limits<LONG>::max();
    if (value <= Real(-2147483648.0))
        return std::numeric_limits<LONG>::min();
    return static_cast<LONG>(value);
}

// The parameter step and how many points the forward-difference loop adds after the first
// three. Counting and flattening both take their numbers from here, so they always agree.
template <typename Real> struct SegmentStep {
    Real h = 0;
    long loopPoints = 0;
};

template <typename Real> SegmentStep<Real> StepOf(long extent) {
    SegmentStep<Real> step;
    step.h = Real(kPixelsPerCurveStep) / Real(extent);
    for (Real t = step.h + step.h + step.h; t < Real(1); t += step.h)
        ++step.loopPoints;
    return step;
}

// Points of a segment: the first three, the loop's, and the end point; none when degenerate.
template <typename Real> long CountSegmentPoints(const CurveSegment& segment, long limit) {
    const long extent = SegmentExtent(segment, limit);
    return extent == 0 ? 0 : 3 + StepOf<Real>(extent).loopPoints + 1;
}

// The cubic a·t³ + b·t² + c·t + e of one axis of a uniform B-spline segment.
template <typename Real> struct SegmentCubic { Real a, b, c, e; };

// Each numerator is formed in double, where it is exact for any 32-bit coordinates.
template <typename Real> SegmentCubic<Real> CubicOf(const long (&v)[4]) {
    const double v0 = v[0], v1 = v[1], v2 = v[2], v3 = v[3];
    return {Real(-v0 + 3 * v1 - 3 * v2 + v3) / Real(6), Real(3 * v0 - 6 * v1 + 3 * v2) / Real(6),
            Real(-3 * v0 + 3 * v2) / Real(6), Real(v0 + 4 * v1 + v2) / Real(6)};
}

// One axis walked by forward differences from t = 2h on.
template <typename Real> struct AxisWalk {
    Real p, d1, d2, d3;
    Real atH; // p(h)

    AxisWalk(const SegmentCubic<Real>& k, Real h) {
        const Real h2 = h * h;
        const Real h3 = h2 * h;
        atH = k.a * h3 + k.b * h2 + k.c * h + k.e;
        p = 8 * k.a * h3 + 4 * k.b * h2 + 2 * k.c * h + k.e;
        d1 = p - atH;
        d2 = p - 2 * atH + k.e;
        d3 = 6 * k.a * h3;
    }
    Real Next() {
        d2 += d3;
        d1 += d2;
        p += d1;
        return p;
    }
};

template <typename Real> LONG Rounded(Real value) {
    return TruncateToLong(value + Real(0.5));
}

// Hands every point of the segment to visit(const POINT&) in order until visit returns true;
// returns whether it did. The start and end points are truncated, the others rounded.
template <typename Real, typename Visit>
bool FlattenSegment(const CurveSegment& segment, long limit, Visit&& visit) {
    const long extent = SegmentExtent(segment, limit);
    if (extent == 0)
        return false;
    const SegmentStep<Real> step = StepOf<Real>(extent);
    const SegmentCubic<Real> kx = CubicOf<Real>(segment.x);
    const SegmentCubic<Real> ky = CubicOf<Real>(segment.y);
    AxisWalk<Real> x(kx, step.h);
    AxisWalk<Real> y(ky, step.h);

    if (visit(POINT{TruncateToLong(kx.e), TruncateToLong(ky.e)}) ||
        visit(POINT{Rounded(x.atH), Rounded(y.atH)}) || visit(POINT{Rounded(x.p), Rounded(y.p)}))
        return true;
    for (long i = 0; i < step.loopPoints; ++i) {
        const Real px = x.Next();
        const Real py = y.Next();
        if (visit(POINT{Rounded(px), Rounded(py)}))
            return true;
    }
    return visit(POINT{TruncateToLong(kx.a + kx.b + kx.c + kx.e),
                       TruncateToLong(ky.a + ky.b + ky.c + ky.e)});
}

// Whether p lies within 2 pixels of a chord of the segment's hit-test flattening.
bool SegmentNear(const CurveSegment& segment, POINT p);
