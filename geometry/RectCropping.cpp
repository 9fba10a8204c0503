#include "QernoGeometry.h"
#include "geometry/RectBasics.h"

// Sharing a corner in the same position is the same as sharing a top or bottom edge line and
// a left or right one, so the band and the side piece below find it on their own.
void QERNO_CALL CroppingRect(RECT* inner, RECT* outer) {
    if (!inner || !outer)
        return;
    RECT in = *inner;
    RECT out = *outer;
    *inner = *outer = RECT{0, 0, 0, 0};
    if (in.right < in.left || in.bottom < in.top || out.right < out.left || out.bottom < out.top ||
        !IsRect1InRect2(&in, &out))
        return;

    RECT band;
    if (in.top == out.top)
        band = {out.left, in.bottom, out.right, out.bottom};
    else if (in.bottom == out.bottom)
        band = {out.left, out.top, out.right, in.top};
    else
        return;

    RECT side;
    if (in.left == out.left)
        side = {in.right, in.top, out.right, in.bottom};
    else if (in.right == out.right)
        side = {out.left, in.top, in.left, in.bottom};
    else
        return;

    *inner = band;
    *outer = side;
}

void QERNO_CALL CropRect(RECT* a, RECT* b) {
    if (!a || !b)
        return;
    if (IsRect1InRect2(b, a)) {
        CroppingRect(b, a);
        return;
    }
    if (IsRect1InRect2(a, b)) {
        CroppingRect(a, b);
        return;
    }
    RECT overlapOfA = RectIntersection(*a, *b);
    RECT overlapOfB = overlapOfA;
    CroppingRect(&overlapOfA, a);
    CroppingRect(&overlapOfB, b);
    if (RectIsEmpty(*a))
        *a = overlapOfA;
    if (RectIsEmpty(*b))
        *b = overlapOfB;
}
