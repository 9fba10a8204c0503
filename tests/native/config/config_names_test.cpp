#include "config/ConfigNames.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A guard byte after outSize shows a write past it even where the sanitizer cannot.
std::string Replaced(const std::string& name, const char* suffix, std::size_t outSize = 260,
                     bool expected = true) {
    std::vector<char> out(outSize + 1, '#');
    EXPECT_EQ(expected, ReplaceNameSuffix(name.c_str(), suffix, out.data(), outSize)) << name;
    EXPECT_EQ('#', out[outSize]) << "written past outSize";
    return out.data();
}

// The plain case and a directory's dot are checked through the export under Wine.
TEST(ConfigNames, OnlyTheLastDotCutsAndDotlessNamesStay) {
    EXPECT_EQ("C:\\DOCS\\TALK.V2.mdb", Replaced("C:\\DOCS\\TALK.V2.LMO", ".mdb"));
    EXPECT_EQ("TALK.cfg", Replaced("TALK.", ".cfg"));
    EXPECT_EQ("C:\\DOCS\\TALK", Replaced("C:\\DOCS\\TALK", ".cfg"));
}

TEST(ConfigNames, NamesThatDoNotFitAreRefusedNotCut) {
    // Nine characters fill a buffer of ten exactly.
    EXPECT_EQ("ABCDE.cfg", Replaced("ABCDE.LMO", ".cfg", 10));
    EXPECT_EQ("", Replaced("ABCDEF.LMO", ".cfg", 10, false));
    // The suffix can make a name longer than the one it came from.
    EXPECT_EQ("", Replaced(std::string(256, 'A') + ".X", ".cfg", 260, false));
    EXPECT_EQ(std::string(259, 'A'), Replaced(std::string(259, 'A'), ".cfg", 260));
}

TEST(ConfigNames, MissingArgumentsGiveAnEmptyResult) {
    char out[8] = "old";
    EXPECT_FALSE(ReplaceNameSuffix(nullptr, ".cfg", out, sizeof out));
    EXPECT_STREQ("", out);
    EXPECT_FALSE(ReplaceNameSuffix("a.b", ".cfg", out, 0));
}

} // namespace
