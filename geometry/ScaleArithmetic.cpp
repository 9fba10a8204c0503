#include "geometry/ScaleArithmetic.h"
#include "QernoGeometry.h"

#include <algorithm>

long RoundToRate(long size, long rate) {
    const long whole = size / rate * rate;
    return size % rate > rate / 2 ? whole + rate : whole;
}

// Rates come from DCs, which give at least 1; a caller's rate below that counts as 1 rather
// than dividing by zero.
long QERNO_CALL GetWide(long width, long rate) {
    rate = std::max(rate, 1L);
    return std::max(RoundToRate(4 * width, rate), rate);
}

BOOL QERNO_CALL IsSizeGreate(long width, long size) {
    return 4 * width > size;
}

EllipseSize RoundCornerSize(long width, long height, int roundness, long xRate, long yRate) {
    EllipseSize ellipse;
    if (width / xRate > height / yRate) {
        ellipse.height = static_cast<long>(static_cast<long long>(height) * roundness / 100);
        ellipse.width = static_cast<long>(static_cast<long long>(ellipse.height) * xRate / yRate);
    } else {
        ellipse.width = static_cast<long>(static_cast<long long>(width) * roundness / 100);
        ellipse.height = static_cast<long>(static_cast<long long>(ellipse.width) * yRate / xRate);
    }
    return ellipse;
}
