// Event keys, their names and the names they are read back from; predefined actions and the
// cut of their names.
#include "QernoVocab.h"
#include "vocab/NameCopy.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string KeyName(WORD key) {
    char name[kEVKeyNameSize];
    GetEVKeyName(key, name);
    return name;
}

// Shift (turned around by Caps Lock) counts for digits, letters and punctuation only; keypad
// digits fold into plain ones. As virtual key, Ctrl, Shift, Caps Lock and the event key.
TEST(EventKeys, ShiftOnlyWhereItChangesTheSymbolAndNamesReadBack) {
    const int keys[][5] = {{0x41, 0, 1, 0, 0x141}, {0x41, 0, 1, 1, 0x41}, {0x41, 1, 0, 0, 0x241},
                           {186, 5, 7, 0, 0x3BA},  {0x63, 0, 1, 0, 0x33}, {106, 1, 1, 1, 0x26A}};
    for (const auto& k : keys)
        EXPECT_EQ(k[4], GetEVKey(WORD(k[0]), k[1], k[2], k[3])) << k[0];

    EXPECT_EQ("!", KeyName(0x131));
    EXPECT_EQ("Enter", KeyName(0x10D));
    EXPECT_EQ("F24", KeyName(0x87));
    EXPECT_EQ("a", KeyName(0xFC41));
    EXPECT_EQ("Ctrl+Backspace", KeyName(0x208));
    for (WORD key : {0x00, 0x15, 0x2F, 0x60, 0x6C, 0x96, 0xC1, 0xFF})
        EXPECT_EQ("", KeyName(key)) << key;

    // Keys of each kind read back from their names: letters plain, shifted and with Ctrl, shifted
    // punctuation, keypad digits and named keys.
    for (WORD key : {0x41, 0x141, 0x241, 0x3BA, 0x33, 0x0D, 0x78, 0x208, 0x26A})
        EXPECT_EQ(key, GetEVKeyFromKeyStr(KeyName(key).c_str())) << KeyName(key);
    for (const char* text : {"Shift", "Ctrl+Alt", "x+Ctrl+a", "F10", "F0", "home", "UP", "Ctrl+",
                             "", " ", "\xE9", "Ctrl+Ctrl+a", "aa"})
        EXPECT_EQ(0, GetEVKeyFromKeyStr(text)) << '"' << text << '"';
    EXPECT_EQ(0, GetEVKeyFromKeyStr(nullptr));

    char typed[] = " Ctrl +\ta ";
    RemoveWhiteSpace(typed);
    EXPECT_STREQ("Ctrl+\ta", typed);
    RemoveWhiteSpace(nullptr);
}

// The first action of each family: category, index written and name string id; the next ones
// add 1 to both. Any other number is category 0 with the index untouched (-1) and the first name;
// 300 and 500 share a place.
TEST(PredefinedActions, CategoryIndexAndNameOfEachFamilyAndOfUndefinedOnesCutGivingTheFullLength) {
    const int rows[][4] = {{0, 0, 0, 14100},       {7, 0, 7, 14107},       {13, 1, 0, 14113},
                           {18, 3, 0, 14118},      {23, 4, 0, 14123},      {32, 5, 0, 14132},
                           {50, 6, 0, 14150},      {100, 0, 0x100, 14160}, {200, 1, 0x100, 14200},
                           {300, 3, 0x100, 14220}, {400, 7, 0x100, 14240}, {500, 3, 0x100, 14180},
                           {600, 9, 0, 14260},     {700, 2, 0x100, 14280}, {800, 10, 0x100, 14300},
                           {900, 11, 300, 14400},  {904, 11, 304, 14404},  {8, 0, -1, 14100},
                           {53, 0, -1, 14100},     {905, 0, -1, 14100},    {0xFFFF, 0, -1, 14100}};
    for (const auto& [action, category, index, id] : rows) {
        int written = -1;
        EXPECT_EQ(category, GetActCategoryType(WORD(action), &written)) << action;
        EXPECT_TRUE(index == written && id == GetPredefActID(WORD(action))) << action;
    }
    EXPECT_TRUE(GetPredefMsgNameStrID(1) == 13000 && GetPredefMsgNameStrID(0xFFFF) == 12998);

    // Wine sees names cut to a larger buffer; these are the smallest rooms and none.
    char buffer[2] = {'x', 'x'};
    EXPECT_TRUE(CopyNameCut("Stop", buffer, 0) == 4 && buffer[0] == 'x');
    EXPECT_TRUE(CopyNameCut("Stop", buffer, 1) == 4 && buffer[0] == '\0' && buffer[1] == 'x');
    EXPECT_EQ(10, CopyNameCut("Play sound", nullptr, 11));
}

} // namespace
