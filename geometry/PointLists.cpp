#include "QernoGeometry.h"
#include "geometry/PlaneArithmetic.h"

#include <algorithm>

void QERNO_CALL CopyPolygon(POINT* destination, POINT* source, int n) {
    if (destination && source && n > 0)
        std::copy(source, source + n, destination);
}

void QERNO_CALL ReversePolyDirect(POINT* points, int n) {
    if (points && n > 0)
        std::reverse(points, points + n);
}

void QERNO_CALL _OffsetPoints(POINT* points, int n, int dx, int dy) {
    if (!points)
        return;
    for (int i = 0; i < n; ++i) {
        points[i].x = ClampToLong(static_cast<long long>(points[i].x) + dx);
        points[i].y = ClampToLong(static_cast<long long>(points[i].y) + dy);
    }
}

// An empty list leaves around as it was.
void QERNO_CALL MakePolyAround(POINT* points, int n, RECT* around) {
    if (!points || !around || n <= 0)
        return;
    RECT box = {points[0].x, points[0].y, points[0].x, points[0].y};
    for (int i = 1; i < n; ++i) {
        const POINT& p = points[i];
        if (p.x < box.left)
            box.left = p.x;
        else if (p.x > box.right)
            box.right = p.x;
        if (p.y < box.top)
            box.top = p.y;
        else if (p.y > box.bottom)
            box.bottom = p.y;
    }
    *around = box;
}

// Both corners of the inner box are tested half-open, so the inner box's right and bottom must
// lie strictly inside the outer one.
int QERNO_CALL PolygonInPolygon(POINT* inner, POINT* outer, int n) {
    if (!inner || !outer || n <= 0)
        return 0;
    RECT innerBox;
    RECT outerBox;
    MakePolyAround(inner, n, &innerBox);
    MakePolyAround(outer, n, &outerBox);
    return RectContains(outerBox, {innerBox.left, innerBox.top}) &&
           RectContains(outerBox, {innerBox.right, innerBox.bottom});
}
