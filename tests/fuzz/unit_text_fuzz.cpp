// Unit texts of any bytes: the sanitizer reports any read past the text, and the value read must
// be one a 32-bit count of thousandths can hold, written back within the text's size. The value
// then converts in the unit and with the param of the first six bytes, where the sanitizer sees
// any overflow or division by zero.
#include "FuzzInput.h"
#include "QernoGeometry.h"

#include <cmath>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    if (size < 6)
        return 0;
    // Codes 0..15 reach every unit and some unknown ones.
    const WORD unit = input[0] % 16;
    DWORD param;
    std::memcpy(&param, input + 2, sizeof param);
    const std::unique_ptr<char[]> text = HeapCopy(input + 6, size - 6, true);

    const float value = UnitStrToUnit(text.get());
    FUZZ_CHECK(std::isfinite(value) && std::fabs(value) <= 2147483.648f);
    std::unique_ptr<char[]> written(new char[kUnitTextSize]);
    UnitToUnitStr(value, written.get());
    FUZZ_CHECK(std::memchr(written.get(), '.', kUnitTextSize));

    const int lines = UnitToLine(value, unit, param);
    FUZZ_CHECK(std::abs(lines) <= static_cast<int>(kMaxUnitLines) || unit == 10);
    FUZZ_CHECK(std::isfinite(LineToUnit(lines, unit, param)));
    return 0;
}
