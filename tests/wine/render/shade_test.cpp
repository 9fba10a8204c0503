// Shade bitmaps from the library's own table read back, and the brushes of them painting their
// 0 bits in the text colour and their 1 bits in the background colour.
#include "RenderTestSupport.h"
#include "support/BoxCloser.h"
#include "support/TestFiles.h"

#include <tuple>

namespace {

using ShadeBitmaps = RenderTest;

// An 8 x 8 pattern. Shade 2 is the table's one pixel of lowest threshold; overlay 1 is row 3,
// overlay 3 the rising diagonal, turned the falling one. Each row is a 16-bit scan line.
TEST_F(ShadeBitmaps, BitsOfShadesOverlaysAndTurnsAndTheBrushesThatPaintThem) {
    const std::tuple<int, int, int, std::string> shades[] = {
        {2, 1, 0, std::string("\x80\0\0\0\0\0\xFF\0\0\0\0\0\0\0\0\0", 16)},
        {1, 3, 1, std::string("\x80\0\x40\0\x20\0\x10\0\x08\0\x04\0\x02\0\x01\0", 16)}};
    CanvasDC canvas(16, 16);
    SetTextColor(canvas.get(), RGB(255, 0, 0));
    SetBkColor(canvas.get(), RGB(0, 0, 255));
    const RECT all = {0, 0, 16, 16};
    for (const auto& [shade, overlay, rotate, expected] : shades) {
        HBITMAP bitmap = GetShadeBitmap(shade, overlay, rotate);
        char bits[16] = {}; // 8 rows of 2 bytes
        EXPECT_EQ(16, GetBitmapBits(bitmap, sizeof bits, bits));
        DeleteObject(bitmap);
        EXPECT_EQ(expected, std::string(bits, sizeof bits)) << shade << " + " << overlay;

        HBRUSH brush = CreateShadePatternBrush(nullptr, shade, overlay, rotate);
        FillRect(canvas.get(), &all, brush);
        DeleteObject(brush);
        const auto painted = [&](int x, int y) {
            return TileBit(bits, x % 8, y % 8) ? 0xFFu : 0xFF0000u;
        };
        EXPECT_EQ("", Mismatch(canvas, 16, 16, painted)) << shade << " + " << overlay;
    }
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
