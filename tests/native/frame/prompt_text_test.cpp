// The pairs, the bad-address records and the disk-space text reach the real prompts under Wine;
// here, the cuts and how far the caller's list is read.
#include "frame/PromptText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

const std::map<unsigned int, std::string> kStrings = {
    {12203, " has too little free space."},
    {12204, "Bytes missing: "},
    {1, std::string(500, 'L')},
};

// Behaves as CatIDStringB: room counts the terminator, a missing id appends nothing.
int CatFakeString(char* buffer, unsigned int id, int room) {
    const auto found = kStrings.find(id);
    if (found == kStrings.end() || room < 1)
        return 0;
    std::strncat(buffer, found->second.c_str(), static_cast<std::size_t>(room - 1));
    return 1;
}

const char* const kUnreadable = reinterpret_cast<const char*>(std::uintptr_t{0xDEAD0000});

std::uintptr_t Slot(const char* text) {
    return reinterpret_cast<std::uintptr_t>(text);
}

// A caller's argument list as raw slots, ids and pointers alike, as a va_list holds them.
class SlotList : public PromptArgSource {
public:
    explicit SlotList(std::vector<std::uintptr_t> slots) : slots(std::move(slots)) {}
    unsigned int NextId() override { return static_cast<unsigned int>(Next()); }
    const char* NextText() override { return reinterpret_cast<const char*>(Next()); }

    std::vector<std::uintptr_t> slots;
    std::size_t read = 0;

private:
    std::uintptr_t Next() {
        if (read < slots.size())
            return slots[read++];
        ADD_FAILURE() << "read past the caller's arguments";
        return kPromptListEnd;
    }
};

struct Assembled {
    std::string text;
    std::optional<std::uintptr_t> badAddress;
    std::size_t slotsRead;
};

Assembled Assemble(std::vector<std::uintptr_t> slots) {
    char text[kAssembledTextRoom + 1]; // the assembled text and its terminator
    std::memset(text, 'Z', sizeof text);
    SlotList list(std::move(slots));
    const auto bad = AssemblePromptText(text, list, CatFakeString, [](const char* text) {
        return text != kUnreadable && Slot(text) != kPromptListEnd;
    });
    return {text, bad, list.read};
}

TEST(PromptText, PairsAppendStringByIdThenTextUpToTheEndMark) {
    const Assembled result =
        Assemble({12204, Slot("1200"), 0, Slot(" plain"), 99, Slot("!"), kPromptListEnd});
    EXPECT_EQ("Bytes missing: 1200 plain!", result.text);
    EXPECT_FALSE(result.badAddress);
    EXPECT_EQ(7u, result.slotsRead);
}

TEST(PromptText, BadStringKeepsTheTextSoFarAndStopsReading) {
    const Assembled result =
        Assemble({0, Slot("a"), 12203, Slot(kUnreadable), 0, Slot("b"), kPromptListEnd});
    EXPECT_EQ("a has too little free space.", result.text);
    EXPECT_EQ(Slot(kUnreadable), result.badAddress.value_or(0));
    EXPECT_EQ(4u, result.slotsRead);
}

TEST(PromptText, CutAtTheRoom) {
    const std::string longText(400, 'x');
    Assembled result = Assemble({0, Slot(longText.c_str()), 0, Slot("more"), kPromptListEnd});
    EXPECT_EQ(std::string(kAssembledTextRoom, 'x'), result.text);

    // The loaded string leaves the place of its terminator, which the caller's text then takes.
    result = Assemble({1, Slot("yz"), 0, Slot("more"), kPromptListEnd});
    EXPECT_EQ(std::string(kAssembledTextRoom - 1, 'L') + "y", result.text);
    EXPECT_FALSE(result.badAddress);
}

TEST(PromptText, DiskSpaceWarningShowsANegativeAmount) {
    char text[kAssembledTextRoom + 1]; // the assembled text and its terminator
    AssembleDiskSpaceText(text, 'D', -4096, CatFakeString);
    EXPECT_STREQ("D: has too little free space.\nBytes missing: -4096", text);
}

TEST(CommDlgError, StringsNamesAndTheRestFormatted) {
    EXPECT_EQ(CommDlgErrorShown::Nothing, DescribeCommDlgError(0).shown);
    EXPECT_EQ(12221u, DescribeCommDlgError(1).stringId);
    EXPECT_EQ(12232u, DescribeCommDlgError(12).stringId);
    EXPECT_EQ(12233u, DescribeCommDlgError(0x3002).stringId);
    EXPECT_EQ(CommDlgErrorShown::StringId, DescribeCommDlgError(0x3002).shown);
    EXPECT_STREQ("FNERR_BUFFERTOOSMALL", DescribeCommDlgError(0x3003).text);
    EXPECT_STREQ("CDERR_DIALOGFAILURE", DescribeCommDlgError(0xFFFF).text);

    for (DWORD code : {13u, 0x2003u})
        EXPECT_EQ(CommDlgErrorShown::Formatted, DescribeCommDlgError(code).shown) << code;
    char text[64]; // the formatted message of one code
    std::snprintf(text, sizeof text, DescribeCommDlgError(0x1001).text, 0x1001);
    EXPECT_STREQ("CommDlgExtendedError: 4097\n", text);
}

} // namespace
