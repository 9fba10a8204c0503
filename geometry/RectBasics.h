// The rectangle tests the system offers, with its meanings, for code that must also build
// without it.
#pragma once

#include "QernoTypes.h"
#include "geometry/PlaneArithmetic.h" // RectIsEmpty: a reversed rectangle is empty too

inline bool RectsEqual(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// All zeros when the two do not overlap or either is empty.
inline RECT RectIntersection(const RECT& a, const RECT& b) {
    const RECT overlap = {a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                          a.right < b.right ? a.right : b.right,
                          a.bottom < b.bottom ? a.bottom : b.bottom};
    if (RectIsEmpty(a) || RectIsEmpty(b) || RectIsEmpty(overlap))
        return RECT{0, 0, 0, 0};
    return overlap;
}
