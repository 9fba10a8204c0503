#include "QernoConfig.h"
#include "config/MediaFilters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The filter lives in a block of exactly its size, so the sanitizer sees a read past its end.
std::string Patterns(const std::string& filter, int description) {
    const std::vector<char> exact(filter.c_str(), filter.c_str() + filter.size() + 1);
    const char* patterns = nullptr;
    const int length = FilterPatternList(exact.data(), description, &patterns);
    return std::string(patterns, length);
}

// A separator closing the filter adds no empty field: checked on the real filters under Wine.
TEST(MediaFilters, PatternsFollowTheirDescriptionAndTypesWithoutFilterGetThePictures) {
    EXPECT_EQ("*.x", Patterns("||*.x", 1)) << "an empty field still counts";
    const char* patterns = nullptr;
    EXPECT_EQ(0, FilterPatternList(nullptr, 0, &patterns));

    const std::string filter = "Bitmaps|*.bmp;*.dib|All|*.*|";
    EXPECT_EQ("All", Patterns(filter, 1)); // after a pattern list comes a description
    for (int missing : {3, -1, 0x7FFFFFFE})
        EXPECT_EQ("", Patterns(filter, missing)) << missing;
    EXPECT_EQ("*.*", Patterns("Bitmaps|*.bmp|All|*.*", 2));
    EXPECT_EQ("", Patterns("Bitmaps", 0));

    EXPECT_EQ(11312, GetMediaTypeIDs(6));
    for (int other : {0, 1, 3, 10, -1})
        EXPECT_EQ(11309, GetMediaTypeIDs(other));
}

TEST(MediaFilters, LegalNamesAndPaths) {
    for (const char* name : {"C:\\DIR\\A.TXT", "C:\\My dir\\a b.wav", "a~!@$%^()-_=+{}.`"})
        EXPECT_TRUE(CheckFileNameLegal(name)) << name;
    for (const char* name :
         {"", " A.TXT", "A.TXT ", "AB:C", ":A", "C:\\DIR \\A.TXT", "C:\\ DIR\\A.TXT"})
        EXPECT_FALSE(CheckFileNameLegal(name)) << name;
    for (char c : std::string("/#&,;<>[]*?|\"'\t\n\x7f\x80"))
        EXPECT_FALSE(CheckFileNameLegal((std::string("A") + c + "B").c_str())) << c;
    EXPECT_FALSE(CheckFileNameLegal(nullptr));
}

} // namespace
