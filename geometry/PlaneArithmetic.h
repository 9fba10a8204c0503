// Narrowing of wide intermediate results back to coordinates, and the half-open rectangle test
// of the hit tests. Results beyond a coordinate's range stop at its nearest bound instead of
// wrapping, so no input makes the arithmetic undefined.
#pragma once

#include "QernoTypes.h"

#include <cmath>
#include <limits>

inline LONG ClampToLong(long long value) {
    constexpr long long lowest = std::numeric_limits<LONG>::min();
    constexpr long long highest = std::numeric_limits<LONG>::max();
    return static_cast<LONG>(value < lowest ? lowest : value > highest ? highest : value);
}

// Truncates toward zero; a result that is not a number gives 0.
inline LONG TruncateToLong(double value) {
    if (std::isnan(value))
        return 0;
    constexpr double lowest = std::numeric_limits<LONG>::min();
    constexpr double highest = std::numeric_limits<LONG>::max();
    return static_cast<LONG>(value < lowest ? lowest : value > highest ? highest : value);
}

// Left and top edges belong to the rectangle, right and bottom ones do not.
inline bool RectContains(const RECT& rect, POINT p) {
    return p.x >= rect.left && p.x < rect.right && p.y >= rect.top && p.y < rect.bottom;
}

inline bool RectIsEmpty(const RECT& rect) {
    return rect.right <= rect.left || rect.bottom <= rect.top;
}

inline long long Square(long long value) {
    return value * value;
}
