// Lengths between measure units and line units (1/1440 inch), and the rulers' division schemes.
#include "QernoGeometry.h"
#include "geometry/MeasureUnits.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace {

struct MeasureUnit {
    unsigned int nameId;
    int majorStep;
    long divisions[4];
};

// Indexed by unit code; entry 0 serves every code outside 1..10.
const MeasureUnit kUnits[] = {
    {0, 1, {2, 5, 2, 5}},       {11038, 10, {2, 5, 2, 0}}, {11039, 20000, {2, 2, 5, 0}},
    {11030, 50, {5, 2, 5, 0}},  {11031, 1, {2, 2, 2, 2}},  {11032, 200, {2, 2, 5, 2}},
    {11033, 500, {5, 2, 5, 2}}, {11034, 2, {2, 2, 5, 0}},  {11035, 20, {2, 2, 5, 0}},
    {11036, 100, {2, 5, 5, 0}}, {11037, 10, {2, 5, 2, 0}},
};

const MeasureUnit& UnitOf(WORD unit) {
    return unit < std::size(kUnits) ? kUnits[unit] : kUnits[0];
}

// Line units per unit of the units of fixed size that convert with rounding; 0 for the others.
double FixedFactor(WORD unit) {
    switch (unit) {
    case 2:
        return 0.05669403;
    case 3:
        return 20.0;
    case 4:
        return 1440.0;
    case 5:
        return 5.0;
    case 7:
        return 56.69403;
    case 8:
        return 566.9403;
    default:
        return 0.0;
    }
}

constexpr double kScaledMetricLines = 56694.03; // divided by param for unit 9

// The cell of units 1 and 10, given in steps of 5 line units and kept to 16 bits.
std::int64_t CellLines(DWORD param) {
    return static_cast<WORD>((param & 0xFFFF) * 5);
}

std::int64_t GapLines(DWORD param) {
    return param >> 16;
}

// A cell and the gap after it, kept to 16 bits like the cell alone.
std::int64_t CellAndGapLines(DWORD param) {
    return static_cast<WORD>(CellLines(param) + GapLines(param));
}

// Truncates a non-negative line count; anything at the limit or beyond is the limit, which also
// keeps huge products from overflowing the conversion.
std::int64_t TruncatedLines(double lines) {
    return lines >= kMaxUnitLines ? kMaxUnitLines : static_cast<std::int64_t>(lines);
}

// m (>= 0) thousandths of a unit in line units, before the limit. Products are taken in 64 bits:
// where 32 bits suffice the results agree, and beyond that they reach the limit instead of
// wrapping.
std::int64_t LinesOfThousandths(std::int64_t m, WORD unit, DWORD param) {
    if (const double factor = FixedFactor(unit); factor > 0)
        return TruncatedLines(m / 1000.0 * factor + 0.5);
    switch (unit) {
    case 1:
        return (m * CellLines(param) + 500) / 1000;
    case 9:
        // A divisor of 0 makes the unit endless; its values are given no length at all.
        return param ? TruncatedLines(m / 1000.0 * kScaledMetricLines / param + 0.5) : 0;
    case 10:
        // n cells hold n - 1 gaps, so one gap comes off the total.
        return m == 0 ? 0 : (m * CellAndGapLines(param) + 500) / 1000 - GapLines(param);
    default:
        return m / 1000;
    }
}

// The inverse, in 64 bits so that lines * 1000 never wraps. Cells of no size (a low word of 0, or
// a cell and gap that wrap to 0 in 16 bits) hold no countable number of units and give 0.
std::int64_t ThousandthsOfLines(std::int64_t lines, WORD unit, DWORD param) {
    if (const double factor = FixedFactor(unit); factor > 0)
        return static_cast<std::int64_t>(lines * 1000.0 / factor + 0.5);
    switch (unit) {
    case 1: {
        const std::int64_t cell = CellLines(param);
        return cell ? (lines * 1000 + cell / 2) / cell : 0;
    }
    case 9:
        return static_cast<std::int64_t>(lines * 1000.0 * param / kScaledMetricLines + 0.5);
    case 10: {
        const std::int64_t pitch = CellAndGapLines(param);
        if (lines == 0 || pitch == 0)
            return 0;
        return ((lines + GapLines(param)) * 1000 + pitch / 2) / pitch;
    }
    default:
        return lines * 1000;
    }
}

} // namespace

int UnitThousandths(float value) {
    const double scaled = value * 1000.0 + 0.5;
    if (std::isnan(scaled))
        return 0;
    if (scaled >= INT_MAX)
        return INT_MAX;
    if (scaled <= -INT_MAX)
        return -INT_MAX;
    return static_cast<int>(scaled);
}

unsigned int MeasureUnitNameId(WORD unit) {
    return UnitOf(unit).nameId;
}

// Thousandths of a negative value round toward zero (-2.5 becomes -2.499), as the unit texts do.
int QERNO_CALL UnitToLine(float value, WORD unit, DWORD param) {
    const int m = UnitThousandths(value);
    const std::int64_t lines =
        std::min<std::int64_t>(LinesOfThousandths(m < 0 ? -m : m, unit, param), kMaxUnitLines);
    return static_cast<int>(m < 0 ? -lines : lines);
}

float QERNO_CALL LineToUnit(int lines, WORD unit, DWORD param) {
    const std::int64_t magnitude = lines < 0 ? -static_cast<std::int64_t>(lines) : lines;
    const double sign = lines < 0 ? -1.0 : 1.0;
    return static_cast<float>(ThousandthsOfLines(magnitude, unit, param) / 1000.0 * sign);
}

int QERNO_CALL FormUnitSystem(WORD unit, long* scheme) {
    const MeasureUnit& found = UnitOf(unit);
    if (scheme)
        std::copy(std::begin(found.divisions), std::end(found.divisions), scheme + 1);
    return found.majorStep;
}
