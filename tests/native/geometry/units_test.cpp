#include "QernoGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <string>
#include <tuple>
#include <vector>

namespace {

// Cells of steps * 5 line units, gap line units between them.
constexpr DWORD CellParam(WORD steps, WORD gap) {
    return steps | static_cast<DWORD>(gap) << 16;
}
constexpr DWORD kCells = CellParam(80, 20);
constexpr DWORD kWidest = CellParam(0xFFFF, 0);
constexpr DWORD kWrapsToZero = CellParam(13107, 1); // 65535 + 1 gap

// Thousandths round half up before the sign comes off, so -2.5 inches lose one line; line units
// and unknown codes truncate. The magnitude stops at 25000 without overflow. Degenerate relative
// sizes (no cell, divisor 0, a cell and gap wrapping to 0) convert without a fault.
TEST(UnitConversion, UnitToLineRoundsLimitsAndNeverFaultsLineToUnitIsItsInverse) {
    const std::tuple<float, WORD, DWORD, int> cases[] = {
        {1.0f, 4, 0, 1440},           {-2.5f, 4, 0, -3599},   {1.999f, 6, 0, 1},
        {1.999f, 0xFFFF, 0, 1},       {2.5f, 1, 80, 1000},    {3.0f, 10, kCells, 1240},
        {0.0f, 10, kCells, 0},        {10.0f, 9, 1000, 567},  {-100.0f, 4, 0, -25000},
        {1e30f, 1, kWidest, 25000},   {-1e30f, 9, 1, -25000}, {3.0f, 9, 0, 0},
        {1.0f, 10, kWrapsToZero, -1},
    };
    for (const auto& [value, unit, param, lines] : cases)
        EXPECT_EQ(lines, UnitToLine(value, unit, param)) << value << " in " << unit;
    EXPECT_EQ(0, UnitToLine(std::numeric_limits<float>::quiet_NaN(), 4, 0));

    const std::tuple<int, WORD, DWORD, float> inverses[] = {
        {1240, 10, kCells, 3.0f},        {1000, 1, 80, 2.5f},
        {567, 9, 1000, 10.001f},         {400, 1, 0, 0.0f},
        {400, 10, kWrapsToZero, 0.0f},   {-567, 7, 0, -10.001f},
        {INT_MIN, 6, 0, -2147483648.0f},
    };
    for (const auto& [lines, unit, param, value] : inverses)
        EXPECT_FLOAT_EQ(value, LineToUnit(lines, unit, param)) << lines;
}

std::string UnitText(float value) {
    char text[kUnitTextSize];
    UnitToUnitStr(value, text);
    return text;
}

// Only the last point counts, reading stops at text and after 49 characters, and numbers beyond
// 32 bits saturate. Without a point the zeros go behind the text, so "2cm" leaves thousandths.
TEST(UnitText, ThreeDecimalsWrittenAndReadBackAndSystemsOfMajorStepsAndDivisions) {
    EXPECT_EQ("0.000", UnitText(0.0f));
    EXPECT_EQ("-0.250", UnitText(-0.25f));
    EXPECT_EQ("0.001", UnitText(0.0006f));
    EXPECT_EQ("-2147483.647", UnitText(-std::numeric_limits<float>::infinity()));
    EXPECT_FLOAT_EQ(1.5f, UnitStrToUnit("1.5"));
    EXPECT_FLOAT_EQ(1.234f, UnitStrToUnit("1.23456"));
    EXPECT_FLOAT_EQ(0.001f, UnitStrToUnit("1.2.5"));
    EXPECT_FLOAT_EQ(0.002f, UnitStrToUnit("2cm"));
    EXPECT_FLOAT_EQ(0.0f, UnitStrToUnit(nullptr));
    EXPECT_FLOAT_EQ(-2147483.648f, UnitStrToUnit("-99999999999"));
    EXPECT_FLOAT_EQ(1.0f, UnitStrToUnit((std::string(48, '0') + "1.5").c_str()));
    EXPECT_FLOAT_EQ(0.0f, UnitStrToUnit((std::string(49, '0') + "1").c_str()));

    long scheme[5] = {-7};
    EXPECT_EQ(100, FormUnitSystem(9, scheme));
    EXPECT_EQ((std::vector<long>{-7, 2, 5, 5, 0}), std::vector<long>(scheme, scheme + 5));
    EXPECT_EQ(1, FormUnitSystem(11, scheme));
    EXPECT_EQ((std::vector<long>{-7, 2, 5, 2, 5}), std::vector<long>(scheme, scheme + 5));
}

} // namespace
