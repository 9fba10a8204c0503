// The pairs, the bad-address records and the disk-space text reach the real prompts under Wine;
// here, the cuts and how far the caller's list is read.
#include "frame/PromptText.h"

#include <gtest/gtest.h>

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

// A caller's argument list as raw slots, ids and pointers alike, as a va_list holds them, with
// what the assembly made of it.
struct SlotList : PromptArgSource {
    explicit SlotList(std::vector<std::uintptr_t> slots) : slots(std::move(slots)) {
        char text[kAssembledTextRoom + 1]; // the assembled text and its terminator
        std::memset(text, 'Z', sizeof text);
        badAddress = AssemblePromptText(text, *this, CatFakeString, [](const char* text) {
            return text != kUnreadable && Slot(text) != kPromptListEnd;
        });
        assembled = text;
    }
    unsigned int NextId() override { return static_cast<unsigned int>(Next()); }
    const char* NextText() override { return reinterpret_cast<const char*>(Next()); }
    std::uintptr_t Next() {
        if (read < slots.size())
            return slots[read++];
        ADD_FAILURE() << "read past the caller's arguments";
        return kPromptListEnd;
    }

    const std::vector<std::uintptr_t> slots;
    std::size_t read = 0;
    std::optional<std::uintptr_t> badAddress;
    std::string assembled;
};

// Plain pairs and an end mark read as a string are checked on the real prompts under Wine.
TEST(PromptText, MissingStringsAddNothingABadTextStopsTheReadingAllIsCutAndANegativeAmountShows) {
    const SlotList list({99, Slot("a"), 12203, Slot(kUnreadable), 0, Slot("b"), kPromptListEnd});
    EXPECT_EQ("a has too little free space.", list.assembled);
    EXPECT_EQ(Slot(kUnreadable), list.badAddress.value_or(0));
    EXPECT_EQ(4u, list.read);

    const std::string longText(400, 'x');
    EXPECT_EQ(std::string(kAssembledTextRoom, 'x'),
              SlotList({0, Slot(longText.c_str()), 0, Slot("more"), kPromptListEnd}).assembled);
    // The loaded string leaves the place of its terminator, which the caller's text then takes.
    const SlotList filled({1, Slot("yz"), 0, Slot("more"), kPromptListEnd});
    EXPECT_EQ(std::string(kAssembledTextRoom - 1, 'L') + "y", filled.assembled);
    EXPECT_FALSE(filled.badAddress);

    char text[kAssembledTextRoom + 1]; // the assembled text and its terminator
    AssembleDiskSpaceText(text, 'D', -4096, CatFakeString);
    EXPECT_STREQ("D: has too little free space.\nBytes missing: -4096", text);
}

TEST(CommDlgError, StringsNamesAndTheRestFormatted) {
    EXPECT_EQ(CommDlgErrorShown::Nothing, DescribeCommDlgError(0).shown);
    EXPECT_EQ(12221u, DescribeCommDlgError(1).stringId);
    EXPECT_EQ(12233u, DescribeCommDlgError(0x3002).stringId);
    EXPECT_EQ(CommDlgErrorShown::StringId, DescribeCommDlgError(0x3002).shown);
    EXPECT_STREQ("FNERR_BUFFERTOOSMALL", DescribeCommDlgError(0x3003).text);

    for (DWORD code : {13u, 0x2003u})
        EXPECT_EQ(CommDlgErrorShown::Formatted, DescribeCommDlgError(code).shown) << code;
    EXPECT_STREQ("CommDlgExtendedError: %d\n", DescribeCommDlgError(0x1001).text);
}

} // namespace
