#include "Qerno.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// The names come from the resource module, a message's cut to the buffer with the full length
// returned; a missing one (message 40000) or no module gives "".
TEST(PredefinedNames, NamesFromTheResourceModuleCutToTheBuffer) {
    if (!GetRCDllInstance())
        SetRCDllInstance(LoadLibraryA("QernoRes.dll"));
    char name[80];
    EXPECT_EQ(24, GetPredefActName(15, name, sizeof name));
    EXPECT_STREQ("Toggle object visibility", name);

    GetIDStringB(13000, name, sizeof name);
    char cut[6] = "xxxxx";
    EXPECT_EQ(static_cast<int>(std::strlen(name)), GetPredefMsgName(1, cut, 4));
    EXPECT_EQ(std::string(name, 3) + '\0' + 'x', std::string(cut, 5));
    EXPECT_EQ(0, GetPredefMsgName(40000, name, sizeof name));
    EXPECT_STREQ("", name);
    const HINSTANCE resources = GetRCDllInstance();
    SetRCDllInstance(nullptr);
    EXPECT_EQ(0, GetPredefActName(15, nullptr, 0));
    SetRCDllInstance(resources);
}

} // namespace
