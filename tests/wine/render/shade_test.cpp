// Shade bitmaps from the library's own table read back, and the brushes of them painting their
// 0 bits in the text colour and their 1 bits in the background colour; ink colours through its
// correction table in every packing. Without either table, what the library falls back to.
#include "RenderTestSupport.h"
#include "support/BoxCloser.h"
#include "support/LogCapture.h"
#include "support/TestFiles.h"

#include <cstring>
#include <tuple>

namespace {

using ShadeBitmaps = RenderTest;
using Cmyk = RenderTest;

// For a test that starts the library on an incomplete resource module: the next start-up
// restores the whole one.
struct Restart {
    ~Restart() { InitQernoDll(nullptr, LoadLibraryA("QernoRes.dll")); }
};

// An 8 x 8 pattern, each row a 16-bit scan line: the table's overlay 3 is the rising diagonal,
// turned the falling one; shade 1 adds nothing.
TEST_F(ShadeBitmaps, TurnedShadeBitsTheBrushOfThemAndInksInEveryPackingThroughTheTables) {
    HBITMAP bitmap = GetShadeBitmap(1, 3, 1);
    char bits[16] = {}; // 8 rows of 2 bytes
    EXPECT_EQ(16, GetBitmapBits(bitmap, sizeof bits, bits));
    DeleteObject(bitmap);
    EXPECT_EQ(std::string("\x80\0\x40\0\x20\0\x10\0\x08\0\x04\0\x02\0\x01\0", 16),
              std::string(bits, sizeof bits));

    CanvasDC canvas(16, 16);
    SetTextColor(canvas.get(), RGB(255, 0, 0));
    SetBkColor(canvas.get(), RGB(0, 0, 255));
    const RECT all = {0, 0, 16, 16};
    HBRUSH brush = CreateShadePatternBrush(nullptr, 1, 3, 1);
    FillRect(canvas.get(), &all, brush);
    DeleteObject(brush);
    EXPECT_EQ("", Mismatch(canvas, 16, 16, [&](int x, int y) {
                  return TileBit(bits, x % 8, y % 8) ? 0xFFu : 0xFF0000u;
              }));

    // Levels as nibbles (cyan lowest, black highest) and the same inks as amounts (black, cyan,
    // magenta, yellow from the top byte); 0x0C5A reads its yellow 12 as 11.
    // The levels, the amounts and the colour.
    const std::tuple<WORD, DWORD, DWORD> rows[] = {
        {0x0000, 0x00000000, 0x02FFFFFF}, {0x0001, 0x000D0000, 0x02FFFFED},
        {0x0B5A, 0x00E666FF, 0x02009017}, {0x0C5A, 0x00E666FF, 0x02009017},
        {0x1000, 0x0D000000, 0x02F2F2F2}, {0xFFFF, 0xFFFFFFFF, 0x02000000}};
    LogCapture log("qerno-cmyk.log");
    for (const auto& [word, amounts, colour] : rows) {
        SCOPED_TRACE(word);
        COLOR_ITEM item;
        std::memcpy(&item, &word, sizeof item);
        BYTE split[3], packed[3];
        _CMYKtoRGB(item, &split[0], &split[1], &split[2]);
        CMYKdwordtoRGB(amounts, &packed[0], &packed[1], &packed[2]);
        EXPECT_EQ(colour, CMYKwordtoRGB(word));
        EXPECT_EQ(colour, CMYKtoRGB(item));
        EXPECT_EQ(colour ^ 0xFFFFFF, CMYKtoCharRGB(item));
        EXPECT_EQ(colour & 0xFFFFFF, RGB(split[0], split[1], split[2]));
        EXPECT_EQ(colour & 0xFFFFFF, RGB(packed[0], packed[1], packed[2]));
    }
    EXPECT_EQ(0, log.Count("Cannot lock"));
}

// How often the library's log file holds text; start-up makes a new log, so no capture outlives it.
int LoggedCount(const std::string& text) {
    return CountOf(ReadFileBytes(GetSysLog()->GetLogFile()), text);
}

// A start-up on a module without the shade table reports it and leaves no table: no bitmaps,
// hollow brushes. Without the correction table inks go uncorrected, logged each time. The next
// start-up restores both.
TEST_F(ShadeBitmaps, WithoutTheirTablesNoBitmapAHollowBrushAndUncorrectedInksLoggedEachTime) {
    Restart restart;
    const std::string missing = "ReadShadeTable -- Error in resource";
    const int before = LoggedCount(missing);
    {
        BoxCloser closer;
        ASSERT_EQ(0, InitQernoDll(nullptr, LoadLibraryA("QernoResNoShade.dll")));
    }
    EXPECT_EQ(before + 1, LoggedCount(missing));
    EXPECT_EQ(nullptr, GetShadeBitmap(1, 0, 0));
    HBRUSH brush = CreateShadePatternBrush(nullptr, 2, 0, 0);
    LOGBRUSH described = {};
    EXPECT_TRUE(GetObjectA(brush, sizeof described, &described) && described.lbStyle == BS_NULL);
    DeleteObject(brush);

    {
        BoxCloser closer;
        ASSERT_EQ(0, InitQernoDll(nullptr, LoadLibraryA("QernoResNoCorrection.dll")));
    }
    LogCapture log("qerno-cmyk-fallback.log");
    const std::pair<WORD, DWORD> rows[] = {{0x0001, 0x02FFFFF2}, {0x0B5A, 0x02009919}};
    for (const auto& [word, colour] : rows)
        EXPECT_EQ(colour, CMYKwordtoRGB(word)) << std::hex << word;
    EXPECT_EQ(2, log.Count(ResourceString(11601) + " -- " + ResourceString(11616) +
                           " -- Cannot lock color table, Using default color"));
}

} // namespace
