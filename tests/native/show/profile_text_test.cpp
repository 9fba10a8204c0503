#include "show/ShowProfile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

Entries EntriesOf(const ProfileSection& section) {
    Entries entries;
    for (const ProfileEntry& entry : section.Entries())
        entries.emplace_back(entry.key, entry.value);
    return entries;
}

TEST(ProfileText, ReadsLinesAsThePlatformDoes) {
    // Keys before any section, comments, lines without '=' or a key, broken and empty sections
    // with what follows them, and keys or sections met again are passed over.
    const ShowProfile profile = ParseProfileText("Early=ignored\r\n [ Show ] trailing\r\n"
                                                 "  Title = A talk \r\n;Size=1x1\r\n"
                                                 "no equals here\r\n=no key\nTITLE=second\n"
                                                 "Page=a=b\n[show]\nUnit=cm\n[broken\n"
                                                 "[Slide1]\nText1=\n[]\nlost=1\n"
                                                 "[Slide2]\nlast=no line end");
    ASSERT_EQ(3u, profile.Sections().size());
    EXPECT_EQ("Show", profile.Sections()[0].Name());
    EXPECT_EQ((Entries{{"Title", "A talk"}, {"Page", "a=b"}}), EntriesOf(profile.Sections()[0]));
    EXPECT_EQ((Entries{{"Text1", ""}}), EntriesOf(profile.Sections()[1]));
    EXPECT_EQ((Entries{{"last", "no line end"}}), EntriesOf(profile.Sections()[2]));

    ASSERT_NE(nullptr, profile.Find("SLIDE1"));
    EXPECT_EQ(nullptr, profile.Find("Slide"));
    const std::string* title = profile.Find("sHoW")->Find("title");
    ASSERT_NE(nullptr, title);
    EXPECT_EQ("A talk", *title);
    EXPECT_EQ(nullptr, profile.Find("Show")->Find("Unit"));
}

TEST(ProfileText, EmptyAndBlankTextsHoldNoSections) {
    EXPECT_TRUE(ParseProfileText("").Sections().empty());
    EXPECT_TRUE(ParseProfileText("\n\r\n \t\n").Sections().empty());
    EXPECT_EQ("", TrimProfileText(" \t\r "));
}

} // namespace
