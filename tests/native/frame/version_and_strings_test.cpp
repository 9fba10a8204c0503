#include "QernoFrame.h"

#include <gtest/gtest.h>

namespace {

TEST(Versions, TheLibrarysSixEntriesThenTheFilesZerosUntilSaved) {
    EXPECT_NE(0xFFFF, GetLumoVer(5));
    EXPECT_EQ(0xFFFF, GetLumoVer(6));

    // One process-wide record, so the order of these checks matters: zeros before any save.
    const tagLumoFileVer saved = {{1, 2, 3, 4}};
    for (unsigned int index = 0; index < 4; ++index)
        EXPECT_EQ(0, GetCurLumoFileVer(index));
    SaveCurLumoFileVer(&saved);
    for (unsigned int index = 0; index < 4; ++index)
        EXPECT_EQ(index + 1, GetCurLumoFileVer(index));
    EXPECT_EQ(0xFFFF, GetCurLumoFileVer(4));
}

TEST(IsStringEmpty, OnlyNullEmptyAndAsciiBlanksAreEmpty) {
    for (const char* empty : {static_cast<const char*>(nullptr), "", "   \t", " \r\n\v\f"})
        EXPECT_EQ(1, IsStringEmpty(empty)) << (empty ? empty : "null");
    for (const char* text : {" a ", "\xA0", "  \x85"})
        EXPECT_EQ(0, IsStringEmpty(text)) << text;
}

} // namespace
