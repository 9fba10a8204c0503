#include "Qerno.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

void UseResourceModule() {
    if (!GetRCDllInstance())
        SetRCDllInstance(LoadLibraryA("QernoRes.dll"));
    ASSERT_NE(GetRCDllInstance(), nullptr);
}

TEST(PredefinedNames, EveryDefinedActionHasItsOwnName) {
    UseResourceModule();
    std::set<std::string> names;
    for (WORD action = 0; action < 1000; ++action) {
        int index = -1;
        GetActCategoryType(action, &index);
        char name[80];
        const int length = GetPredefActName(action, name, sizeof name);
        EXPECT_EQ(static_cast<int>(std::strlen(name)), length) << action;
        if (index != -1)
            names.insert(name);
    }
    EXPECT_EQ(104u, names.size());
    EXPECT_EQ(0u, names.count(""));
}

// Missing names (message 40000) are empty, as are all without the resource module.
TEST(PredefinedNames, CutToTheBufferWithTheFullLengthReturned) {
    UseResourceModule();
    char full[80];
    GetIDStringB(13000, full, sizeof full);
    const int length = GetPredefMsgName(1, nullptr, 0);
    EXPECT_EQ(static_cast<int>(std::strlen(full)), length);
    char cut[6] = {'x', 'x', 'x', 'x', 'x', 'x'};
    EXPECT_EQ(length, GetPredefMsgName(1, cut, 4));
    EXPECT_EQ(std::string(full, 3), cut);
    EXPECT_EQ('x', cut[4]);

    char name[80] = "left over";
    EXPECT_EQ(0, GetPredefMsgName(40000, name, sizeof name));
    EXPECT_STREQ("", name);
    const HINSTANCE resources = GetRCDllInstance();
    SetRCDllInstance(nullptr);
    EXPECT_EQ(0, GetPredefActName(1, nullptr, 0));
    SetRCDllInstance(resources);
}

} // namespace
