#include "render/InkLevels.h"

#include <algorithm>

// The amounts are the percentages of 255, rounded to nearest.
const InkLevelRow kInkLevels[kInkLevelCount] = {
    {0, 0, "  0%", 0},   {1, 13, "  5%", 0},  {2, 26, " 10%", 0},   {3, 51, " 20%", 0},
    {4, 77, " 30%", 0},  {5, 102, " 40%", 0}, {6, 128, " 50%", 0},  {7, 153, " 60%", 0},
    {8, 179, " 70%", 0}, {9, 204, " 80%", 0}, {10, 230, " 90%", 0}, {11, 255, "100%", 0},
};

unsigned char QERNO_CALL get_unpack(unsigned char level) {
    for (const InkLevelRow& row : kInkLevels) {
        if (row.level == level)
            return row.amount;
    }
    return 255;
}

void QERNO_CALL unpackcolor(unsigned char* cyan, unsigned char* magenta, unsigned char* yellow,
                            unsigned char* black) {
    for (unsigned char* ink : {cyan, magenta, yellow, black}) {
        if (ink)
            *ink = get_unpack(*ink);
    }
}

BYTE InkLevelOf(BYTE amount) {
    for (const InkLevelRow& row : kInkLevels) {
        if (row.amount == amount)
            return row.level;
    }
    return kInkLevelCount - 1;
}

Inks InksOfCmyk(DWORD cmyk) {
    return {static_cast<BYTE>(cmyk >> 16), static_cast<BYTE>(cmyk >> 8), static_cast<BYTE>(cmyk),
            static_cast<BYTE>(cmyk >> 24)};
}

DWORD CmykOfInks(const Inks& inks) {
    return static_cast<DWORD>(inks.black) << 24 | static_cast<DWORD>(inks.cyan) << 16 |
           static_cast<DWORD>(inks.magenta) << 8 | inks.yellow;
}

Inks InksOfItem(COLOR_ITEM colour) {
    Inks inks = {static_cast<BYTE>(colour.cyan), static_cast<BYTE>(colour.magenta),
                 static_cast<BYTE>(colour.yellow), static_cast<BYTE>(colour.black)};
    unpackcolor(&inks.cyan, &inks.magenta, &inks.yellow, &inks.black);
    return inks;
}

COLOR_ITEM ItemOfWord(WORD word) {
    COLOR_ITEM colour;
    colour.cyan = word & 0xF;
    colour.magenta = word >> 4 & 0xF;
    colour.yellow = word >> 8 & 0xF;
    colour.black = word >> 12 & 0xF;
    return colour;
}

bool CorrectInks(const BYTE* table, std::size_t size, Inks& inks) {
    if (!table || size < kCorrectionTableSize)
        return false;
    const std::size_t entry =
        3 * (InkLevelOf(inks.cyan) + kInkLevelCount * InkLevelOf(inks.magenta) +
             kInkLevelCount * kInkLevelCount * InkLevelOf(inks.yellow));
    inks.cyan = table[entry];
    inks.magenta = table[entry + 1];
    inks.yellow = table[entry + 2];
    return true;
}

namespace {

BYTE Light(BYTE ink, BYTE black) {
    return static_cast<BYTE>(255 - std::min(ink + black, 255));
}

} // namespace

Rgb RgbOfInks(const Inks& inks) {
    return {Light(inks.cyan, inks.black), Light(inks.magenta, inks.black),
            Light(inks.yellow, inks.black)};
}

DWORD ScreenColour(const Rgb& rgb) {
    return 0x02000000u | static_cast<DWORD>(rgb.blue) << 16 | static_cast<DWORD>(rgb.green) << 8 |
           rgb.red;
}

DWORD ComplementColour(const Rgb& rgb) {
    return ScreenColour({static_cast<BYTE>(255 - rgb.red), static_cast<BYTE>(255 - rgb.green),
                         static_cast<BYTE>(255 - rgb.blue)});
}
