// Unit values as texts with three decimals, and such texts read back.
#include "QernoGeometry.h"
#include "geometry/MeasureUnits.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::size_t kUnitTextReadLength = 49;
constexpr unsigned int kUnitDecimals = 3;

// Scales the number in text by 10^places by moving its last '.' places to the right: missing
// decimals are padded with '0' and a text without a point gets places zeros. Decimals beyond the
// moved point stay behind it for the reader to stop at. text needs room for places more
// characters.
void ShiftDecimalPoint(char* text, unsigned int places) {
    char* point = std::strrchr(text, '.');
    if (!point) {
        char* end = text + std::strlen(text);
        std::memset(end, '0', places);
        end[places] = '\0';
        return;
    }
    const std::size_t decimals = std::strlen(point + 1);
    if (decimals <= places) {
        std::memmove(point, point + 1, decimals);
        std::memset(point + decimals, '0', places - decimals);
        point[places] = '\0';
    } else {
        std::memmove(point, point + 1, places);
        point[places] = '.';
    }
}

// The leading number of text as a 32-bit long reads it: saturated at its limits whatever the
// width of long here.
std::int32_t ReadLong(const char* text) {
    const long long read = std::strtoll(text, nullptr, 10);
    return static_cast<std::int32_t>(std::clamp<long long>(read, INT32_MIN, INT32_MAX));
}

} // namespace

// The digits of the thousandths with a point before the last three, and "0." and zeros in front
// of fewer than four.
void QERNO_CALL UnitToUnitStr(float value, char* out) {
    if (!out)
        return;
    const bool negative = value < 0;
    const int m = UnitThousandths(negative ? -value : value);
    std::snprintf(out, kUnitTextSize, "%s%d.%03d", negative ? "-" : "", m / 1000, m % 1000);
}

float QERNO_CALL UnitStrToUnit(const char* text) {
    if (!text)
        return 0.0f;
    char digits[kUnitTextReadLength + kUnitDecimals + 1]; // the text read, the zeros, terminator
    std::size_t length = 0;
    while (length < kUnitTextReadLength && text[length])
        ++length;
    std::memcpy(digits, text, length);
    digits[length] = '\0';
    ShiftDecimalPoint(digits, kUnitDecimals);
    return static_cast<float>(ReadLong(digits) / 1000.0);
}
