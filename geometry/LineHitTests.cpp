#include "QernoGeometry.h"
#include "geometry/IntegerRoot.h"
#include "geometry/PlaneArithmetic.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Below this the cross product of PointOnLine counts as zero: a fixed allowance, so it narrows
// as the segment grows.
constexpr long long kOnLineCrossProduct = 4;

long long Distance(POINT from, POINT to) {
    const long long squared = Square(static_cast<long long>(to.x) - from.x) +
                              Square(static_cast<long long>(to.y) - from.y);
    return static_cast<long long>(IntegerRoot(static_cast<unsigned long long>(squared)));
}

bool SamePoint(POINT p, POINT q) {
    return p.x == q.x && p.y == q.y;
}

} // namespace

// Distances and products are taken in 64 bits. A segment of zero length is near nothing.
int QERNO_CALL PtNearLine(POINT a, POINT b, POINT p, int tolerance) {
    const long long length = Distance(a, b);
    const long long toA = Distance(a, p);
    const long long toB = Distance(b, p);
    if (Square(toA) - Square(length) - Square(toB) > 0) // beyond b
        return toB < tolerance;
    if (Square(toB) - Square(length) - Square(toA) > 0) // beyond a
        return toA < tolerance;
    const long long twiceArea =
        (static_cast<long long>(a.y) - b.y) * p.x + (static_cast<long long>(b.x) - a.x) * p.y +
        static_cast<long long>(a.x) * b.y - static_cast<long long>(b.x) * a.y;
    return std::llabs(twiceArea) < tolerance * length;
}

int QERNO_CALL PointOnLine(POINT p, POINT a, POINT b) {
    if (SamePoint(p, a) || SamePoint(p, b))
        return 1;
    if (p.x < std::min(a.x, b.x) || p.x > std::max(a.x, b.x) || p.y < std::min(a.y, b.y) ||
        p.y > std::max(a.y, b.y))
        return 0;
    const long long cross =
        (static_cast<long long>(b.y) - a.y) * (static_cast<long long>(p.x) - a.x) -
        (static_cast<long long>(p.y) - a.y) * (static_cast<long long>(b.x) - a.x);
    return std::llabs(cross) < kOnLineCrossProduct;
}

// Lines that are parallel have no crossing: a vertical p1-p2 beside a vertical line, or any
// p1-p2 whose slope matches the line's, gives 0 with out unchanged instead of dividing by zero.
// A vertical p1-p2 crossing a slanted line meets it at x = p1.x.
int QERNO_CALL InsectTwoLinePoint(int A, int B, long C, POINT p1, POINT p2, POINT* out) {
    if ((A == 0 && B == 0) || !out)
        return 0;
    const long long riseX = static_cast<long long>(p2.x) - p1.x;
    const long long riseY = static_cast<long long>(p2.y) - p1.y;
    if (A != 0 && B != 0) {
        LONG x = p1.x;
        if (riseX != 0) {
            const double k = static_cast<double>(B) * static_cast<double>(riseY) / riseX;
            if (A + k == 0)
                return 0;
            x = TruncateToLong((C + k * p1.x - static_cast<double>(B) * p1.y) / (A + k));
        }
        *out = {x, ClampToLong((C - static_cast<long long>(A) * x) / B)};
        return 1;
    }
    if (B == 0) { // the vertical line x = C / A
        if (riseX == 0)
            return 0;
        const LONG x = ClampToLong(static_cast<long long>(C) / A);
        *out = {x, ClampToLong(p1.y + riseY * (static_cast<long long>(x) - p1.x) / riseX)};
        return 1;
    }
    const LONG y = ClampToLong(static_cast<long long>(C) / B); // the horizontal line y = C / B
    if (riseY == 0) {
        if (y != p1.y)
            return 0;
        *out = p1;
        return 1;
    }
    *out = {ClampToLong(p2.x + (static_cast<long long>(p1.x) - p2.x) *
                                   (static_cast<long long>(y) - p2.y) / -riseY),
            y};
    return 1;
}
