// The twelve ink levels of the host's colours and the arithmetic that turns inks into screen
// colours, free of the table's memory block so it can be checked natively.
#pragma once

#include "QernoRender.h"

#include <cstddef>

constexpr int kInkLevelCount = 12;

// One row of the level table: the level, its 8-bit ink amount and its percentage as text.
struct InkLevelRow {
    BYTE level;
    BYTE amount;
    char percent[5]; // "100%" and the terminator
    BYTE pad;
};
static_assert(sizeof(InkLevelRow) == 8, "a level row is 8 bytes");

extern const InkLevelRow kInkLevels[kInkLevelCount];

// The level whose amount is exactly amount; 11, full ink, for any other amount.
BYTE InkLevelOf(BYTE amount);

// 8-bit ink amounts, 0 none and 255 full.
struct Inks {
    BYTE cyan;
    BYTE magenta;
    BYTE yellow;
    BYTE black;
};

// Black in bits 24-31, cyan 16-23, magenta 8-15, yellow 0-7.
Inks InksOfCmyk(DWORD cmyk);
DWORD CmykOfInks(const Inks& inks);
// The amounts of a colour's four levels.
Inks InksOfItem(COLOR_ITEM colour);
COLOR_ITEM ItemOfWord(WORD word);

// Entries of corrected cyan, magenta and yellow for every level of the three, at byte
// 3 * (cyan + 12 * magenta + 144 * yellow).
constexpr std::size_t kCorrectionTableSize = 3 * kInkLevelCount * kInkLevelCount * kInkLevelCount;

// Replaces cyan, magenta and yellow by the table's entry for their levels. A table shorter than
// a full one is not used: false, and the inks stay as they were.
bool CorrectInks(const BYTE* table, std::size_t size, Inks& inks);

struct Rgb {
    BYTE red;
    BYTE green;
    BYTE blue;
};

// Each ink with black on top takes away its complementary light; black itself is never corrected.
Rgb RgbOfInks(const Inks& inks);

// Palette-relative colour references: 0x02 in the top byte.
DWORD ScreenColour(const Rgb& rgb);
DWORD ComplementColour(const Rgb& rgb);
