#include "render/TileSpan.h"

#include <algorithm>
#include <climits>

namespace {

long long FloorDivide(long long a, long long b) { // b > 0
    return a / b - (a % b < 0 ? 1 : 0);
}

} // namespace

// A tile overlaps when its near end lies before `to` and its far end after `from`:
// k * step < to - origin - near and k * step > from - origin - far.
StepRange StepsOverlapping(long long origin, long long step, long long size, long long from,
                           long long to) {
    const long long nearEnd = std::min(0LL, size), farEnd = std::max(0LL, size);
    const long long below = to - origin - nearEnd, above = from - origin - farEnd;
    if (step == 0)
        return below > 0 && above < 0 ? StepRange{LLONG_MIN, LLONG_MAX} : StepRange{1, 0};
    if (step > 0) // k < below / step and k > above / step
        return {FloorDivide(above, step) + 1, -FloorDivide(-below, step) - 1};
    // k > -below / -step and k < -above / -step
    return {FloorDivide(-below, -step) + 1, -FloorDivide(above, -step) - 1};
}
