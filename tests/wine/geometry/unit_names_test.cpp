#include "Qerno.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

// The name goes into a 16-byte buffer; bytes beyond it must stay as they were.
std::string UnitName(WORD unit) {
    char buffer[kMsrNameSize + 4];
    std::memset(buffer, 'x', sizeof buffer);
    GetMsrNameStr(unit, buffer);
    for (unsigned int i = kMsrNameSize; i < sizeof buffer; ++i)
        EXPECT_EQ('x', buffer[i]) << "unit " << unit;
    return std::string(buffer, strnlen(buffer, kMsrNameSize));
}

TEST(MeasureUnitNames, EachUnitItsOwnNameOtherCodesUnknown) {
    const HINSTANCE previous = GetRCDllInstance();
    const HINSTANCE resources = LoadLibraryA("QernoRes.dll");
    ASSERT_NE(resources, nullptr);
    SetRCDllInstance(resources);
    EXPECT_EQ("Inches", UnitName(4));
    std::set<std::string> names;
    for (WORD unit = 1; unit <= 10; ++unit)
        names.insert(UnitName(unit));
    EXPECT_EQ(10u, names.size());
    EXPECT_EQ(0u, names.count(""));
    EXPECT_EQ("Unknown", UnitName(11));

    SetRCDllInstance(nullptr);
    EXPECT_EQ("", UnitName(4));
    EXPECT_EQ("Unknown", UnitName(0));
    SetRCDllInstance(previous);
}

} // namespace
