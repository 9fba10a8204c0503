// Unit texts of any bytes: the sanitizer reports any read past the text or write past the text
// written back. The value then converts in the unit and with the param of the first six bytes,
// where the sanitizer sees any overflow or division by zero.
#include "FuzzInput.h"
#include "QernoGeometry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    if (size < 6)
        return 0;
    // Codes 0..15 reach every unit and some unknown ones.
    const WORD unit = input[0] % 16;
    DWORD param;
    std::memcpy(&param, input + 2, sizeof param);
    const std::unique_ptr<char[]> text = HeapCopy(input + 6, size - 6, true);

    const float value = UnitStrToUnit(text.get());
    std::unique_ptr<char[]> written(new char[kUnitTextSize]);
    UnitToUnitStr(value, written.get());
    LineToUnit(UnitToLine(value, unit, param), unit, param);
    return 0;
}
