// Rectangles and points as values gtest can compare and print.
#pragma once

#include "QernoTypes.h"

#include <array>

using RectValue = std::array<LONG, 4>;
using PointValue = std::array<LONG, 2>;

inline RectValue Value(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

inline PointValue Value(const POINT& p) {
    return {p.x, p.y};
}
