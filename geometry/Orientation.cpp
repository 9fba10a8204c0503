#include "QernoGeometry.h"

#include <algorithm>
#include <cstdint>

namespace {

std::uint32_t Bits(LONG value) {
    return static_cast<std::uint32_t>(value);
}

// p is known to be collinear with a and b.
bool PtWithinSegmentSpan(POINT a, POINT b, POINT p) {
    const bool insideX = std::min(a.x, b.x) < p.x && p.x < std::max(a.x, b.x);
    const bool insideY = std::min(a.y, b.y) < p.y && p.y < std::max(a.y, b.y);
    const bool isEnd = (p.x == a.x && p.y == a.y) || (p.x == b.x && p.y == b.y);
    return insideX || insideY || isEnd;
}

bool TouchesAt(POINT a, POINT b, POINT p, int side) {
    return side == 0 && PtWithinSegmentSpan(a, b, p);
}

} // namespace

// The products are 32-bit and wrap, so points further apart than about 46340 can turn the sign;
// unsigned steps make the wrap defined.
int QERNO_CALL TriArea(POINT a, POINT b, POINT c, int shift) {
    const std::uint32_t shiftX = 10u * static_cast<std::uint32_t>(shift);
    const std::uint32_t area = (Bits(a.x) + shiftX - Bits(c.x)) * (Bits(b.y) - Bits(c.y)) -
                               (Bits(b.x) + shiftX - Bits(c.x)) * (Bits(a.y) - Bits(c.y));
    const auto signedArea = static_cast<std::int32_t>(area);
    return signedArea > 0 ? 1 : signedArea < 0 ? -1 : 0;
}

int QERNO_CALL SegmentCross(POINT a1, POINT a2, POINT b1, POINT b2) {
    const int s1 = TriArea(a1, a2, b1, 0);
    if (TouchesAt(a1, a2, b1, s1))
        return 1;
    const int s2 = TriArea(a1, a2, b2, 0);
    if (TouchesAt(a1, a2, b2, s2))
        return 1;
    if (s1 * s2 >= 0)
        return 0;
    const int s3 = TriArea(b1, b2, a1, 0);
    if (TouchesAt(b1, b2, a1, s3))
        return 1;
    const int s4 = TriArea(b1, b2, a2, 0);
    if (TouchesAt(b1, b2, a2, s4))
        return 1;
    return s3 * s4 < 0;
}

// The turn at the topmost point decides; collinear neighbours defer to the next point. The
// search for the top starts at 32767, the coordinate range of the shapes this serves.
int QERNO_CALL PolygonClockWise(POINT* points, int n) {
    if (!points || n < 3)
        return 0;
    int top = 0;
    LONG topY = 32767;
    for (int i = 0; i < n; ++i) {
        if (points[i].y < topY) {
            topY = points[i].y;
            top = i;
        }
    }
    const POINT previous = points[top == 0 ? n - 1 : top - 1];
    const POINT current = points[top];
    for (int step = 1; step <= n - 2; ++step) {
        const int turn = TriArea(previous, current, points[(top + step) % n], 0);
        if (turn != 0)
            return turn > 0;
    }
    return 0;
}
