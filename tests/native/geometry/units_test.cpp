#include "QernoGeometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <string>

namespace {

// Cells of steps * 5 line units, gap line units between them.
constexpr DWORD CellParam(WORD steps, WORD gap) {
    return steps | static_cast<DWORD>(gap) << 16;
}

// Thousandths round half up before the sign comes off, so a negative value loses one; line units
// and unknown codes truncate instead of rounding.
TEST(UnitToLine, RoundingOfFixedUnits) {
    EXPECT_EQ(1440, UnitToLine(1.0f, 4, 0));
    EXPECT_EQ(567, UnitToLine(10.0f, 7, 0));
    EXPECT_EQ(57, UnitToLine(1000.0f, 2, 0));
    EXPECT_EQ(-3599, UnitToLine(-2.5f, 4, 0));
    EXPECT_EQ(1, UnitToLine(1.999f, 6, 0));
    EXPECT_EQ(1, UnitToLine(1.999f, 0xFFFF, 0));
}

TEST(UnitToLine, MagnitudeIsLimitedWithoutOverflow) {
    EXPECT_EQ(-25000, UnitToLine(-100.0f, 4, 0));
    EXPECT_EQ(25000, UnitToLine(1e30f, 1, CellParam(0xFFFF, 0)));
    EXPECT_EQ(-25000, UnitToLine(-1e30f, 9, 1));
    EXPECT_EQ(0, UnitToLine(std::numeric_limits<float>::quiet_NaN(), 4, 0));
}

// Degenerate sizes (no cell, divisor 0, a cell and gap wrapping to 0) convert without a fault.
TEST(UnitConversion, RelativeUnitsAndBothSigns) {
    EXPECT_EQ(1000, UnitToLine(2.5f, 1, 80));
    EXPECT_EQ(1240, UnitToLine(3.0f, 10, CellParam(80, 20)));
    EXPECT_EQ(0, UnitToLine(0.0f, 10, CellParam(80, 20)));
    EXPECT_EQ(567, UnitToLine(10.0f, 9, 1000));
    EXPECT_EQ(0, UnitToLine(3.0f, 9, 0));
    EXPECT_EQ(-1, UnitToLine(1.0f, 10, CellParam(13107, 1)));

    EXPECT_FLOAT_EQ(3.0f, LineToUnit(1240, 10, CellParam(80, 20)));
    EXPECT_FLOAT_EQ(2.5f, LineToUnit(1000, 1, 80));
    EXPECT_FLOAT_EQ(10.001f, LineToUnit(567, 9, 1000));
    EXPECT_FLOAT_EQ(0.0f, LineToUnit(400, 1, 0));
    EXPECT_FLOAT_EQ(0.0f, LineToUnit(400, 10, CellParam(13107, 1)));
    EXPECT_FLOAT_EQ(-10.001f, LineToUnit(-567, 7, 0));
    EXPECT_FLOAT_EQ(-2147483648.0f, LineToUnit(INT_MIN, 6, 0));
}

// A line shown in a unit finer than a line and entered again is the same line.
TEST(LineToUnit, FineUnitsRoundTripEveryLine) {
    for (WORD unit : {2, 3, 5, 6, 7, 8}) {
        for (int lines = 0; lines <= 25000; ++lines)
            ASSERT_EQ(lines, UnitToLine(LineToUnit(lines, unit, 0), unit, 0)) << "unit " << unit;
    }
}

std::string UnitText(float value) {
    char text[kUnitTextSize];
    UnitToUnitStr(value, text);
    return text;
}

TEST(UnitToUnitStr, ThreeDecimalsAndExtremesThatFitExactly) {
    EXPECT_EQ("0.000", UnitText(0.0f));
    EXPECT_EQ("-0.250", UnitText(-0.25f));
    EXPECT_EQ("0.001", UnitText(0.0006f));
    EXPECT_EQ("12.500", UnitText(12.5f));
    EXPECT_EQ("-2147483.647", UnitText(-std::numeric_limits<float>::infinity()));
}

// Only the last point counts, reading stops at text and after 49 characters, and numbers beyond
// 32 bits saturate. Without a point the zeros go behind the text, so "2cm" leaves thousandths.
TEST(UnitStrToUnit, ReadsThreeDecimals) {
    EXPECT_FLOAT_EQ(1.5f, UnitStrToUnit("1.5"));
    EXPECT_FLOAT_EQ(12.0f, UnitStrToUnit("12"));
    EXPECT_FLOAT_EQ(1.234f, UnitStrToUnit("1.23456"));
    EXPECT_FLOAT_EQ(0.5f, UnitStrToUnit(".5"));
    EXPECT_FLOAT_EQ(0.001f, UnitStrToUnit("1.2.5"));
    EXPECT_FLOAT_EQ(0.002f, UnitStrToUnit("2cm"));
    EXPECT_FLOAT_EQ(0.0f, UnitStrToUnit(nullptr));
    EXPECT_FLOAT_EQ(-2147483.648f, UnitStrToUnit("-99999999999"));
    EXPECT_FLOAT_EQ(1.0f, UnitStrToUnit((std::string(48, '0') + "1.5").c_str()));
    EXPECT_FLOAT_EQ(0.0f, UnitStrToUnit((std::string(49, '0') + "1").c_str()));
}

TEST(UnitStrToUnit, ReadsBackEveryWrittenText) {
    for (int m = -30000; m <= 30000; m += 7) {
        const std::string text = UnitText(m / 1000.0f);
        ASSERT_EQ(text, UnitText(UnitStrToUnit(text.c_str())));
    }
}

TEST(FormUnitSystem, MajorStepAndDivisionsBehindEntryZero) {
    long scheme[5] = {-7, 0, 0, 0, 0};
    EXPECT_EQ(100, FormUnitSystem(9, scheme));
    EXPECT_EQ(-7, scheme[0]);
    EXPECT_EQ(5, scheme[3]);
    EXPECT_EQ(1, FormUnitSystem(11, scheme));
    EXPECT_EQ(5, scheme[4]);
}

} // namespace
