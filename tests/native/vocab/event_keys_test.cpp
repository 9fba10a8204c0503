#include "QernoVocab.h"

#include <gtest/gtest.h>

#include <set>
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

TEST(GetEVKeyFromKeyStr, RejectsWhatNamesNoEventKey) {
    for (const char* text : {"Shift", "Ctrl+Alt", "x+Ctrl+a", "F10", "F0", "home", "UP", "Ctrl+",
                             "", " ", "\xE9", "Ctrl+Ctrl+a", "aa"})
        EXPECT_EQ(0, GetEVKeyFromKeyStr(text)) << '"' << text << '"';
    EXPECT_EQ(0, GetEVKeyFromKeyStr(nullptr));
}

// Every key a key-down can give reads back from its name, but for the known exceptions: modifiers
// alone, F10 and up, shifted digits (their symbols read as the plain digit, '*' as the keypad's)
// and the symbols the keypad shares with the main keyboard.
TEST(GetEVKeyFromKeyStr, ReadsBackTheNameOfEveryKey) {
    std::set<WORD> expected = {16, 17, 18, 20, 0x1BB, 189, 190, 191};
    for (WORD code = 121; code <= 135; ++code)
        expected.insert(code);
    for (WORD code = '0'; code <= '9'; ++code)
        expected.insert(code | kEVKeyShifted);

    for (BOOL ctrl : {FALSE, TRUE}) {
        std::set<WORD> mismatches;
        for (WORD code = 0; code <= 0xFF; ++code) {
            for (BOOL shift : {FALSE, TRUE}) {
                const WORD key = GetEVKey(code, ctrl, shift, FALSE);
                const std::string name = KeyName(key);
                if (name.size() > (ctrl ? 5u : 0u) && GetEVKeyFromKeyStr(name.c_str()) != key)
                    mismatches.insert(key & ~kEVKeyCtrl);
            }
        }
        EXPECT_EQ(expected, mismatches) << "ctrl " << ctrl;
    }
}

TEST(RemoveWhiteSpace, RemovesBlanksOnly) {
    char typed[] = " Ctrl +\ta ";
    RemoveWhiteSpace(typed);
    EXPECT_STREQ("Ctrl+\ta", typed);
    RemoveWhiteSpace(nullptr);
}

} // namespace
