#include "QernoGeometry.h"
#include "geometry/PlaneArithmetic.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Keeps the ellipse's terms small enough that their products fit in 31 bits.
constexpr unsigned long long kEllipseTermLimit = 32767;

void DivideTerms(unsigned long long divisor, unsigned long long (&terms)[4]) {
    for (unsigned long long& term : terms)
        term /= divisor;
}

bool IsUsable(const RECT* bounds, POINT p) {
    return bounds && !RectIsEmpty(*bounds) && RectContains(*bounds, p);
}

} // namespace

// The boundary counts as inside. A ray through a vertex counts both edges that meet there.
int QERNO_CALL PtInPolygon(POINT* points, int n, POINT p) {
    if (!points)
        return 0;
    int crossings = 0;
    for (int i = 0; i + 1 < n; ++i) {
        const POINT& from = points[i];
        const POINT& to = points[i + 1];
        if (PointOnLine(p, from, to))
            return 1;
        if (std::min(from.y, to.y) <= p.y && p.y <= std::max(from.y, to.y)) {
            // Always meets here: an edge lying on the ray's line gives its start.
            POINT crossing = from;
            InsectTwoLinePoint(0, 1, p.y, from, to, &crossing);
            if (crossing.x >= p.x)
                ++crossings;
        }
    }
    return crossings % 2;
}

// The squares are unsigned 64-bit so that any non-empty rectangle scales down without wrapping.
int QERNO_CALL PtInEllipse(RECT* bounds, POINT p) {
    if (!IsUsable(bounds, p))
        return 0;
    const RECT& r = *bounds;
    const long long centreX = r.left / 2 + r.right / 2;
    const long long centreY = r.top / 2 + r.bottom / 2;
    const auto width = static_cast<unsigned long long>(static_cast<long long>(r.right) - r.left);
    const auto height = static_cast<unsigned long long>(static_cast<long long>(r.bottom) - r.top);
    const auto offsetX = static_cast<unsigned long long>(std::abs(p.x - centreX));
    const auto offsetY = static_cast<unsigned long long>(std::abs(p.y - centreY));
    unsigned long long terms[4] = {width * width / 4, height * height / 4, offsetX * offsetX,
                                   offsetY * offsetY}; // A, B, X, Y
    const unsigned long long& a = terms[0];
    const unsigned long long& b = terms[1];
    if (a > kEllipseTermLimit)
        DivideTerms(a / kEllipseTermLimit + 1, terms);
    if (b > kEllipseTermLimit)
        DivideTerms(b / kEllipseTermLimit + 1, terms);
    const unsigned long long& x = terms[2];
    const unsigned long long& y = terms[3];
    return x * b + y * a < a * b;
}

// A roundness outside 0..100 percent is taken as its nearest bound, so the corner radius never
// exceeds half the shorter side.
int QERNO_CALL PtInRoundCorner(RECT* bounds, int roundness, POINT p) {
    if (!IsUsable(bounds, p))
        return 0;
    const RECT& r = *bounds;
    const long long shorterSide = std::min(static_cast<long long>(r.right) - r.left,
                                           static_cast<long long>(r.bottom) - r.top);
    const long long radius = shorterSide * std::clamp(roundness, 0, 100) / 200;
    const bool inWaist = p.x >= r.left + radius && p.x < r.right - radius;
    const bool inBelt = p.y >= r.top + radius && p.y < r.bottom - radius;
    if (inWaist || inBelt)
        return 1;
    const long long centreX = p.x >= r.left + radius ? r.right - radius : r.left + radius;
    const long long centreY = p.y < r.top + radius ? r.top + radius : r.bottom - radius;
    return Square(p.x - centreX) + Square(p.y - centreY) < Square(radius);
}

int QERNO_CALL PtInRhombus(RECT* bounds, POINT p) {
    if (!IsUsable(bounds, p))
        return 0;
    const RECT& r = *bounds;
    const LONG middleX = ClampToLong((static_cast<long long>(r.left) + r.right) / 2);
    const LONG middleY = ClampToLong((static_cast<long long>(r.top) + r.bottom) / 2);
    POINT corners[5] = {{r.left, middleY},
                        {middleX, r.top},
                        {r.right, middleY},
                        {middleX, r.bottom},
                        {r.left, middleY}}; // closed: the first corner again
    return PtInPolygon(corners, 5, p);
}
