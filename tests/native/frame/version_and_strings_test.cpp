#include "QernoFrame.h"

#include <gtest/gtest.h>

namespace {

TEST(LibraryVersion, TableAndOutOfRange) {
    const unsigned short expected[] = {2, 0x20, 0x24, 0x25, 2, 1};
    for (unsigned int index = 0; index < 6; ++index)
        EXPECT_EQ(expected[index], GetLumoVer(index)) << "index " << index;
    EXPECT_EQ(0xFFFF, GetLumoVer(6));
    EXPECT_EQ(0xFFFF, GetLumoVer(0xFFFFFFFFu));
}

// One process-wide record, so the order of these checks matters: zeros before any save.
TEST(FileVersion, ZerosUntilSavedThenEachComponent) {
    for (unsigned int index = 0; index < 4; ++index)
        EXPECT_EQ(0, GetCurLumoFileVer(index));

    const tagLumoFileVer saved = {{1, 2, 3, 4}};
    SaveCurLumoFileVer(&saved);
    for (unsigned int index = 0; index < 4; ++index)
        EXPECT_EQ(index + 1, GetCurLumoFileVer(index));
    EXPECT_EQ(0xFFFF, GetCurLumoFileVer(4));
    static_assert(sizeof(tagLumoFileVer) == 8, "four 16-bit components without padding");
}

TEST(IsStringEmpty, NullEmptyAndBlanksAreEmpty) {
    EXPECT_EQ(1, IsStringEmpty(nullptr));
    EXPECT_EQ(1, IsStringEmpty(""));
    EXPECT_EQ(1, IsStringEmpty("   \t"));
    EXPECT_EQ(1, IsStringEmpty(" \r\n\v\f"));
}

TEST(IsStringEmpty, AnyOtherCharacterIsText) {
    EXPECT_EQ(0, IsStringEmpty(" a "));
    EXPECT_EQ(0, IsStringEmpty("\xA0"));
    EXPECT_EQ(0, IsStringEmpty("  \x85"));
}

} // namespace
