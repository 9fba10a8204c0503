#include "QernoGeometry.h"
#include "geometry/PlaneArithmetic.h"

#include <cstdlib>

// Products are taken in 64 bits: two far-apart points must not overflow the comparison, and a
// result beyond the coordinate range stops at its bound.
void QERNO_CALL ShiftRect(POINT* anchor, POINT* moving, long a, long b) {
    if (!anchor || !moving)
        return;
    if (a == 0 || b == 0) // no proportion to keep: the point stays where it was dragged
        return;
    const long long dx = std::llabs(static_cast<long long>(moving->x) - anchor->x);
    const long long dy = std::llabs(static_cast<long long>(moving->y) - anchor->y);
    if (dx * b <= dy * a) {
        const long long height = dx * b / a;
        moving->y = ClampToLong(moving->y <= anchor->y ? anchor->y - height : anchor->y + height);
    } else {
        const long long width = dy * a / b;
        moving->x = ClampToLong(moving->x <= anchor->x ? anchor->x - width : anchor->x + width);
    }
}

// Within twice the other extent the drag counts as diagonal.
void QERNO_CALL ShiftLine(POINT* anchor, POINT* moving) {
    if (!anchor || !moving)
        return;
    const long long dx = std::llabs(static_cast<long long>(moving->x) - anchor->x);
    const long long dy = std::llabs(static_cast<long long>(moving->y) - anchor->y);
    if (dx > 2 * dy)
        moving->y = anchor->y;
    else if (dy > 2 * dx)
        moving->x = anchor->x;
    else
        ShiftRect(anchor, moving, 1, 1);
}
