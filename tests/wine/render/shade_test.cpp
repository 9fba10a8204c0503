// Shade bitmaps from the library's own table read back, and the brushes of them painting their
// 0 bits in the text colour and their 1 bits in the background colour.
#include "RenderTestSupport.h"
#include "support/BoxCloser.h"
#include "support/TestFiles.h"

namespace {

using ShadeBitmaps = RenderTest;

// An 8 x 8 pattern, each row a 16-bit scan line: the table's overlay 3 is the rising diagonal,
// turned the falling one; shade 1 adds nothing.
TEST_F(ShadeBitmaps, BitsOfAnOverlaidTurnedShadeAndTheBrushThatPaintsThem) {
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
}

// How often the library's log file holds text; start-up makes a new log, so no capture outlives it.
int LoggedCount(const std::string& text) {
    return CountOf(ReadFileBytes(GetSysLog()->GetLogFile()), text);
}

// A start-up on a module without the table reports it and leaves no table: no bitmaps, hollow
// brushes. The next start-up restores it.
TEST_F(ShadeBitmaps, WithoutTheTableNoBitmapAndAHollowBrush) {
    struct Restart {
        ~Restart() { InitQernoDll(nullptr, LoadLibraryA("QernoRes.dll")); }
    } restart;
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
}

} // namespace
