#include "config/ConfigNames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The result, checked to be refused exactly when empty; a guard byte after outSize shows a
// write past it even where the sanitizer cannot.
std::string Replaced(const std::string& name, std::size_t outSize = 260) {
    std::vector<char> out(outSize + 1, '#');
    const bool replaced = ReplaceNameSuffix(name.c_str(), ".cfg", out.data(), outSize);
    EXPECT_EQ(replaced, out[0] != '\0') << name;
    EXPECT_EQ('#', out[outSize]) << "written past outSize";
    return out.data();
}

// The plain case and a directory's dot are checked through the export under Wine.
TEST(ConfigNames, OnlyTheLastDotCutsAndNamesThatDoNotFitAreRefusedNotCut) {
    EXPECT_EQ("TALK.cfg", Replaced("TALK."));
    EXPECT_EQ("C:\\DOCS\\TALK", Replaced("C:\\DOCS\\TALK"));
    EXPECT_EQ("ABCDE.cfg", Replaced("ABCDE.LMO", 10)); // nine characters fill ten exactly
    EXPECT_EQ("", Replaced("ABCDEF.LMO", 10));
    EXPECT_EQ(std::string(259, 'A'), Replaced(std::string(259, 'A')));

    char out[8] = "old";
    EXPECT_FALSE(ReplaceNameSuffix(nullptr, ".cfg", out, sizeof out));
    EXPECT_STREQ("", out);
    EXPECT_FALSE(ReplaceNameSuffix("a.b", ".cfg", out, 0));
}

} // namespace
