#include "QernoGeometry.h"
#include "geometry/IntegerRoot.h"
#include "geometry/OutlineOffset.h"
#include "geometry/PlaneArithmetic.h"

#include <cstddef>
#include <memory>
#include <new>

namespace {

// Slopes closer than this count as parallel: their crossing would lie far off the outline.
constexpr double kParallelSlopes = 0.05;

LONG Half(long long sum) {
    return ClampToLong(sum / 2); // truncating toward zero
}

double Slope(const POINT* edge) {
    return static_cast<double>(static_cast<long long>(edge[1].y) - edge[0].y) /
           static_cast<double>(static_cast<long long>(edge[1].x) - edge[0].x);
}

// The y of a non-vertical edge's line at x, in integers.
LONG LineYAt(const POINT* edge, LONG x) {
    const POINT& from = edge[0];
    const POINT& to = edge[1];
    return ClampToLong(from.y + (static_cast<long long>(x) - from.x) *
                                    (static_cast<long long>(to.y) - from.y) /
                                    (static_cast<long long>(to.x) - from.x));
}

// Offsets the first edgeCount edges of points into work, two points per edge.
void OffsetEdges(const POINT* points, int edgeCount, long distance, POINT* work) {
    for (int i = 0; i < edgeCount; ++i) {
        work[2 * i] = points[i];
        work[2 * i + 1] = points[i + 1];
        LineOffset(&work[2 * i], &work[2 * i + 1], distance);
    }
}

// A zeroed work block of count points, or null when memory is short.
std::unique_ptr<POINT[]> AllocateWork(int count) {
    return std::unique_ptr<POINT[]>(new (std::nothrow) POINT[static_cast<std::size_t>(count)]());
}

} // namespace

bool LineCrossPoint(const POINT* firstEdge, const POINT* secondEdge, POINT& corner) {
    const POINT& a = firstEdge[0];
    const POINT& b = firstEdge[1];
    const POINT& c = secondEdge[0];
    const POINT& d = secondEdge[1];
    if (b.x == c.x && b.y == c.y) {
        corner = b;
        return true;
    }
    const bool firstVertical = a.x == b.x;
    const bool secondVertical = c.x == d.x;
    if (firstVertical && secondVertical) {
        if (b.x != c.x)
            return false;
        corner = {b.x, Half(static_cast<long long>(b.y) + c.y)};
        return true;
    }
    if (a.y == b.y && c.y == d.y) {
        if (b.y != c.y)
            return false;
        corner = {Half(static_cast<long long>(b.x) + c.x), b.y};
        return true;
    }
    // A vertical edge fixes x; the other edge, not vertical here, gives y.
    if (firstVertical) {
        corner = {a.x, LineYAt(secondEdge, a.x)};
        return true;
    }
    if (secondVertical) {
        corner = {d.x, LineYAt(firstEdge, d.x)};
        return true;
    }
    const double m1 = Slope(firstEdge);
    const double m2 = Slope(secondEdge);
    if (-kParallelSlopes < m1 - m2 && m1 - m2 < kParallelSlopes) {
        corner = {Half(static_cast<long long>(b.x) + c.x), Half(static_cast<long long>(b.y) + c.y)};
        return true;
    }
    const LONG x = TruncateToLong((c.x * m2 - a.x * m1 + a.y - c.y) / (m2 - m1));
    corner = {x, ClampToLong(a.y + static_cast<long long>(
                                       TruncateToLong((static_cast<double>(x) - a.x) * m1)))};
    return true;
}

void QERNO_CALL LineOffset(POINT* a, POINT* b, long distance) {
    if (!a || !b)
        return;
    const long long dx = static_cast<long long>(a->x) - b->x;
    const long long dy = static_cast<long long>(a->y) - b->y;
    const long long length = static_cast<long long>(IntegerRoot(Square(dx) + Square(dy)));
    if (length == 0)
        return;
    const long long shiftX = -dy * distance / length;
    const long long shiftY = distance * dx / length;
    a->x = ClampToLong(a->x + shiftX);
    a->y = ClampToLong(a->y + shiftY);
    b->x = ClampToLong(b->x + shiftX);
    b->y = ClampToLong(b->y + shiftY);
}

// Without its work block the polygon stays as it was.
void QERNO_CALL PolygonOffset(POINT* points, int distance, int n) {
    if (!points || n < 2)
        return;
    const int edgeCount = n - 1;
    // 2n points: the n - 1 offset edges and the first one again, closing the ring.
    std::unique_ptr<POINT[]> work = AllocateWork(2 * n);
    if (!work)
        return;
    OffsetEdges(points, edgeCount, distance, work.get());
    work[2 * n - 2] = work[0];
    work[2 * n - 1] = work[1];
    for (int i = 0; i < edgeCount; ++i)
        LineCrossPoint(&work[2 * i], &work[2 * i + 2], points[i + 1]);
    points[0] = points[n - 1];
}

// Without its work block the polyline stays as it was.
void QERNO_CALL PolylineOffset(POINT* points, int distance, int n) {
    if (!points || n < 2)
        return;
    const int edgeCount = n - 1;
    std::unique_ptr<POINT[]> work = AllocateWork(2 * edgeCount); // two points per offset edge
    if (!work)
        return;
    OffsetEdges(points, edgeCount, distance, work.get());
    for (int i = 0; i + 1 < edgeCount; ++i)
        LineCrossPoint(&work[2 * i], &work[2 * i + 2], points[i + 1]);
    points[0] = work[0];
    points[n - 1] = work[2 * edgeCount - 1];
}
