#include "Qerno.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

// The names come from the resource module: each defined action's its own, a message's cut to
// the buffer with the full length returned; a missing one (message 40000) or no module gives "".
TEST(PredefinedNames, DistinctNamesCutToTheBufferWithTheFullLength) {
    if (!GetRCDllInstance())
        SetRCDllInstance(LoadLibraryA("QernoRes.dll"));
    std::set<std::string> names;
    char name[80];
    for (WORD action = 0; action < 1000; ++action) {
        int index = -1;
        GetActCategoryType(action, &index);
        const int length = GetPredefActName(action, name, sizeof name);
        EXPECT_EQ(static_cast<int>(std::strlen(name)), length) << action;
        if (index != -1)
            names.insert(name);
    }
    EXPECT_TRUE(names.size() == 104 && !names.count(""));

    GetIDStringB(13000, name, sizeof name);
    char cut[6] = "xxxxx";
    EXPECT_EQ(static_cast<int>(std::strlen(name)), GetPredefMsgName(1, cut, 4));
    EXPECT_EQ(std::string(name, 3) + '\0' + 'x', std::string(cut, 5));
    EXPECT_EQ(0, GetPredefMsgName(40000, name, sizeof name));
    EXPECT_STREQ("", name);
    const HINSTANCE resources = GetRCDllInstance();
    SetRCDllInstance(nullptr);
    EXPECT_EQ(0, GetPredefActName(1, nullptr, 0));
    SetRCDllInstance(resources);
}

} // namespace
