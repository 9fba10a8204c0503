#include "render/BorderGeometry.h"
#include "QernoGeometry.h"
#include "QernoRender.h"

#include <climits>
#include <cstdint>
#include <cstdlib>

namespace {

// b - a wrapped to 32 bits, as the 32-bit library computes it, without signed overflow.
int Difference32(LONG a, LONG b) {
    return static_cast<int>(static_cast<std::uint32_t>(b) - static_cast<std::uint32_t>(a));
}

int Saturated(long long value) {
    return value > INT_MAX ? INT_MAX : value < INT_MIN ? INT_MIN : static_cast<int>(value);
}

// Coordinates wrap like GDI's own 32-bit arithmetic rather than overflow.
POINT Moved(POINT p, long long dx, long long dy) {
    return {static_cast<LONG>(static_cast<std::uint32_t>(p.x + dx)),
            static_cast<LONG>(static_cast<std::uint32_t>(p.y + dy))};
}

// -value wrapped to 32 bits, without signed overflow.
LONG Negated(LONG value) {
    return static_cast<LONG>(0u - static_cast<std::uint32_t>(value));
}

} // namespace

POINT OnScreen(POINT p, ScreenAxes axes) {
    return {axes.x < 0 ? Negated(p.x) : p.x, axes.y < 0 ? Negated(p.y) : p.y};
}

// The sum of squares wraps at 32 bits as in the 32-bit library; a wrapped negative sum has no
// root and gives 0. Past 46340 units distances are therefore not true, but they stay small, which
// also bounds the tiles a segment can take.
int QERNO_CALL dist_ptpt(POINT a, POINT b) {
    const std::uint32_t dx = static_cast<std::uint32_t>(Difference32(a.x, b.x));
    const std::uint32_t dy = static_cast<std::uint32_t>(Difference32(a.y, b.y));
    return static_cast<int>(intsqrt(static_cast<std::int32_t>(dx * dx + dy * dy)));
}

void QERNO_CALL distline(POINT from, POINT towards, int distance, POINT* out) {
    if (!out)
        return;
    const long long dx = static_cast<long long>(towards.x) - from.x;
    const long long dy = static_cast<long long>(towards.y) - from.y;
    const long long length = dist_ptpt(from, towards);
    // A wrapped distance shorter than the longer side is no distance at all: such points are
    // too far apart to step between.
    if (length == 0 || length < std::llabs(dx) || length < std::llabs(dy)) {
        *out = from;
        return;
    }
    long long ox;
    long long oy;
    if (std::llabs(dx) > std::llabs(dy)) {
        ox = distance * dx / length;
        oy = ox * dy / dx;
    } else {
        oy = distance * dy / length;
        ox = oy * dx / dy;
    }
    *out = Moved(from, ox, oy);
}

POINT PointAlong(POINT from, POINT towards, int distance) {
    POINT at;
    distline(from, towards, distance, &at);
    return at;
}

TileLaying LayTiles(POINT p1, POINT p2, int step, int thickness) {
    TileLaying laying = {};
    if (step <= 0 || thickness <= 0)
        return laying;
    const int length = dist_ptpt(p1, p2);
    laying.count = length / step;
    if (laying.count == 0)
        return laying;
    laying.step = step + length % step / laying.count;

    int angle = Lumo_GetAtan(Difference32(p1.x, p2.x), Difference32(p1.y, p2.y));
    if (angle < 0)
        angle += 360;
    laying.angle = angle;
    const long long sine = Lumo_GetSin(angle);
    const long long cosine = Lumo_GetCos(angle);
    const long long s = laying.step;
    const long long t = thickness;
    const long long width = std::llabs(cosine * s / 10000) + std::llabs(sine * t / 10000);
    const long long height = std::llabs(sine * s / 10000) + std::llabs(cosine * t / 10000);
    laying.width = Saturated(width);
    laying.height = Saturated(height);

    // Half a tile's turned length and thickness back from the anchor, so that the tile's middle
    // runs along the segment; the quadrant decides which corner of the box that leaves.
    const long long along = s * sine / 20000;
    const long long across = t * cosine / 20000;
    long long ox;
    long long oy;
    if (angle < 90) {
        ox = -along;
        oy = -across;
    } else if (angle < 180) {
        ox = along - width;
        oy = across;
    } else if (angle < 270) {
        ox = -along - width;
        oy = -across - height;
    } else {
        ox = along;
        oy = across - height;
    }
    laying.offset = {static_cast<LONG>(Saturated(ox)), static_cast<LONG>(Saturated(oy))};
    return laying;
}

POINT TileCorner(POINT p1, POINT p2, const TileLaying& laying, int index) {
    const POINT anchor = PointAlong(p1, p2, index * laying.step);
    return Moved(anchor, laying.offset.x, laying.offset.y);
}

CornerKind CornerAt(POINT a, POINT b, POINT c) {
    if (a.y == b.y && b.x == c.x)
        return (a.x < c.x && a.y < c.y) || (a.x > c.x && a.y > c.y) ? kRightTurn : kLeftTurn;
    if (a.x == b.x && b.y == c.y)
        return (a.x > c.x && a.y < c.y) || (a.x < c.x && a.y > c.y) ? kRightTurn : kLeftTurn;
    return kNoCorner;
}

bool DrawablePath(int count, BorderPath path) {
    return count >= (path == BorderPath::Closed ? 3 : 2);
}

namespace {

// A mapping that turns one axis round turns right turns into left turns.
CornerKind CornerOnScreen(POINT a, POINT b, POINT c, ScreenAxes axes) {
    return CornerAt(OnScreen(a, axes), OnScreen(b, axes), OnScreen(c, axes));
}

} // namespace

CornerKind FirstCorner(const POINT* points, int count, BorderPath path, ScreenAxes axes) {
    if (path == BorderPath::Open)
        return kNoCorner;
    return CornerOnScreen(points[count - 2], points[0], points[1], axes);
}

BorderSegment PlanSegment(const POINT* points, int count, BorderPath path, int index,
                          CornerKind previous, int width, ScreenAxes axes) {
    // A polygon's last point is its first again, so its vertices wrap one sooner.
    const int vertices = path == BorderPath::Closed ? count - 1 : count;
    POINT from = points[index];
    POINT to = points[index + 1];
    const CornerKind corner = CornerOnScreen(from, to, points[(index + 2) % vertices], axes);
    const int half = width / 2;
    const int length = dist_ptpt(from, to);

    // The corner tile covers the first half width of an edge leaving a corner, and an edge
    // reaching one runs on under the corner tile laid at its end.
    if (previous != kNoCorner)
        from = PointAlong(to, from, length - half);
    if (corner != kNoCorner)
        to = PointAlong(from, to, previous != kNoCorner ? length : length + half);

    const bool lastOfPolyline = path == BorderPath::Open && index == count - 2;
    return {from, to, corner, lastOfPolyline ? kNoCorner : corner};
}
