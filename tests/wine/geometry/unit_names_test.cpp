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
    EXPECT_EQ("xxxx", std::string(buffer + kMsrNameSize, 4)) << "unit " << unit;
    return std::string(buffer, strnlen(buffer, kMsrNameSize));
}

// Without the resource module a unit has no name, but other codes are still unknown.
TEST(MeasureUnitNames, EachUnitItsOwnNameOtherCodesUnknown) {
    const HINSTANCE previous = GetRCDllInstance();
    SetRCDllInstance(LoadLibraryA("QernoRes.dll"));
    ASSERT_NE(nullptr, GetRCDllInstance());
    EXPECT_EQ("Inches", UnitName(4));
    std::set<std::string> names = {""};
    for (WORD unit = 1; unit <= 10; ++unit)
        names.insert(UnitName(unit));
    EXPECT_EQ(11u, names.size()) << "ten names, none empty";
    EXPECT_EQ("Unknown", UnitName(11));
    SetRCDllInstance(nullptr);
    EXPECT_EQ("", UnitName(4));
    EXPECT_EQ("Unknown", UnitName(0));
    SetRCDllInstance(previous);
}

} // namespace
