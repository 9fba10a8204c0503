// Unit texts of any bytes: the sanitizer reports any read past the text, and the value read must
// be one a 32-bit count of thousandths can hold, written back within the text's size. The value
// then converts in the unit and with the param of the first six bytes, where the sanitizer sees
// any overflow or division by zero.
#include "QernoGeometry.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    if (size < 6)
        return 0;
    // Codes 0..15 reach every unit and some unknown ones.
    const WORD unit = input[0] % 16;
    DWORD param;
    std::memcpy(&param, input + 2, sizeof param);
    const std::size_t textSize = size - 6;
    std::unique_ptr<char[]> text(new char[textSize + 1]);
    std::memcpy(text.get(), input + 6, textSize);
    text[textSize] = '\0';

    const float value = UnitStrToUnit(text.get());
    if (!std::isfinite(value) || std::fabs(value) > 2147483.648f)
        __builtin_trap();
    std::unique_ptr<char[]> written(new char[kUnitTextSize]);
    UnitToUnitStr(value, written.get());
    if (!std::memchr(written.get(), '.', kUnitTextSize))
        __builtin_trap();

    const int lines = UnitToLine(value, unit, param);
    if (std::abs(lines) > static_cast<int>(kMaxUnitLines) && unit != 10)
        __builtin_trap();
    if (!std::isfinite(LineToUnit(lines, unit, param)))
        __builtin_trap();
    return 0;
}
