#include "QernoGeometry.h"
#include "geometry/CurveSegment.h"
#include "geometry/SplineCurve.h"

#include <algorithm>
#include <limits>

namespace {

constexpr double kRoot3 = 1.732050807569;
constexpr double kLambda = kRoot3 - 2;
// Each control point is solved from four neighbours on either side; further ones weigh less
// than λ⁵ (about 0.0014) and are left out.
constexpr int kNeighbours = 4;

LONG Saturated(long long value) {
    return static_cast<LONG>(std::clamp<long long>(value, std::numeric_limits<LONG>::min(),
                                                   std::numeric_limits<LONG>::max()));
}

template <LONG POINT::*Axis> LONG Smoothed(const POINT* padded, int i) {
    double sum = padded[i].*Axis;
    double weight = kLambda;
    for (int j = 1; j <= kNeighbours; ++j) {
        // Before the first padded point the first stands in for the missing one.
        const int before = std::max(i - j, 0);
        sum += weight * (double(padded[before].*Axis) + double(padded[i + j].*Axis));
        weight *= kLambda;
    }
    return TruncateToLong(kRoot3 * sum);
}

// The interpolation condition 6·E[k] = Q[k-1] + 4·Q[k] + Q[k+1] solved for one neighbour.
template <LONG POINT::*Axis>
LONG Solved(const POINT& padded, const POINT& control, const POINT& beyond) {
    return Saturated(6LL * (padded.*Axis) - 4LL * (control.*Axis) - (beyond.*Axis));
}

POINT SolvedPoint(const POINT& padded, const POINT& control, const POINT& beyond) {
    return {Solved<&POINT::x>(padded, control, beyond), Solved<&POINT::y>(padded, control, beyond)};
}

} // namespace

void PadCurvePoints(const POINT* placed, int placedCount, POINT* padded) {
    std::fill(padded, padded + 3, placed[0]);
    std::copy(placed, placed + placedCount, padded + 3);
    std::fill(padded + placedCount + 3, padded + placedCount + 7, placed[placedCount - 1]);
}

// m below 6 (fewer than one placed point) leaves the control points alone: the first one
// solved needs eight padded points.
void QERNO_CALL BackCalu(POINT* padded, POINT* control, int m) {
    if (!padded || !control || m < 6)
        return;
    for (int i = 3; i <= m - 3; ++i)
        control[i] = {Smoothed<&POINT::x>(padded, i), Smoothed<&POINT::y>(padded, i)};
    if (m < 7)
        return;
    control[2] = SolvedPoint(padded[3], control[3], control[4]);
    control[1] = SolvedPoint(padded[2], control[2], control[3]);
    control[0] = SolvedPoint(padded[1], control[1], control[2]);
    control[m - 2] = SolvedPoint(padded[m - 3], control[m - 3], control[m - 4]);
    control[m - 1] = SolvedPoint(padded[m - 2], control[m - 2], control[m - 3]);
    control[m] = SolvedPoint(padded[m - 1], control[m - 1], control[m - 2]);
}
