#include "QernoVocab.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string KeyName(WORD key) {
    char name[kEVKeyNameSize];
    GetEVKeyName(key, name);
    return name;
}

// Shift (turned around by Caps Lock) counts for digits, letters and punctuation only; keypad
// digits fold into plain ones.
TEST(GetEVKey, ShiftOnlyWhereItChangesTheSymbol) {
    EXPECT_EQ(0x141, GetEVKey(0x41, FALSE, TRUE, FALSE));
    EXPECT_EQ(0x41, GetEVKey(0x41, FALSE, TRUE, TRUE));
    EXPECT_EQ(0x241, GetEVKey(0x41, TRUE, FALSE, FALSE));
    EXPECT_EQ(0x3BA, GetEVKey(186, 5, 7, FALSE));
    EXPECT_EQ(0x33, GetEVKey(0x63, FALSE, TRUE, FALSE));
    EXPECT_EQ(0x26A, GetEVKey(106, TRUE, TRUE, TRUE));
}

TEST(GetEVKeyName, NamesAndCodesWithoutOne) {
    EXPECT_EQ("!", KeyName(0x131));
    EXPECT_EQ("Enter", KeyName(0x10D));
    EXPECT_EQ("F24", KeyName(0x87));
    EXPECT_EQ("a", KeyName(0xFC41));
    EXPECT_EQ("Ctrl+Backspace", KeyName(0x208));
    for (WORD key : {0x00, 0x15, 0x2F, 0x60, 0x6C, 0x96, 0xC1, 0xFF})
        EXPECT_EQ("", KeyName(key)) << key;
}

// Keys of each kind read back from their names: letters plain, shifted and with Ctrl, shifted
// punctuation, keypad digits and named keys.
TEST(GetEVKeyFromKeyStr, ReadsBackNamesAndRejectsWhatNamesNoEventKey) {
    for (WORD key : {0x41, 0x141, 0x241, 0x3BA, 0x33, 0x0D, 0x78, 0x208, 0x26A})
        EXPECT_EQ(key, GetEVKeyFromKeyStr(KeyName(key).c_str())) << KeyName(key);
    for (const char* text : {"Shift", "Ctrl+Alt", "x+Ctrl+a", "F10", "F0", "home", "UP", "Ctrl+",
                             "", " ", "\xE9", "Ctrl+Ctrl+a", "aa"})
        EXPECT_EQ(0, GetEVKeyFromKeyStr(text)) << '"' << text << '"';
    EXPECT_EQ(0, GetEVKeyFromKeyStr(nullptr));
}

TEST(RemoveWhiteSpace, RemovesBlanksOnly) {
    char typed[] = " Ctrl +\ta ";
    RemoveWhiteSpace(typed);
    EXPECT_STREQ("Ctrl+\ta", typed);
    RemoveWhiteSpace(nullptr);
}

} // namespace
