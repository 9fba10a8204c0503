// Sparkles and shimmers on a canvas read back pixel by pixel, and the DC left as found.
#include "RenderTestSupport.h"

namespace {

using Effects = RenderTest;

constexpr COLORREF kOrange = RGB(255, 128, 0);
constexpr DWORD kOrangePixel = 0xFF8000; // as the canvas reads it

// Type 0's star of arm 8 at the top-right corner of (10, 10)-(50, 50) shrunk by 8: (42, 18),
// upright at time 0. 31 pixels: LineTo leaves out each line's end point.
TEST_F(Effects, SparkleDrawsItsCrossAndLeavesTheDcAsFound) {
    CanvasDC canvas(60, 60);
    HDC dc = canvas.get();
    HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    MoveToEx(dc, 3, 4, nullptr);
    RECT rect = {10, 10, 50, 50};
    DrawSparkle(dc, 0, 0, kOrange, &rect, 8, 0);
    EXPECT_EQ(31, canvas.CountDrawn());
    for (POINT at : {POINT{34, 18}, POINT{49, 18}, POINT{42, 10}, POINT{42, 25}})
        EXPECT_EQ(kOrangePixel, canvas.At(at.x, at.y)) << at.x << ", " << at.y;
    POINT position;
    GetCurrentPositionEx(dc, &position);
    EXPECT_TRUE(pen == GetCurrentObject(dc, OBJ_PEN) && position.x == 3 && position.y == 4);
}

// 16-pixel tiles over a black picture on a mapping with y upwards: six vertical tiles from
// (0, 17) to the right. Inside them their bits decide, and the count of coloured pixels shows
// none outside.
TEST_F(Effects, ShimmerPaintsTheZeroBitsOfWholeTilesOnly) {
    CanvasDC canvas(110, 60);
    HDC dc = canvas.get(), tileDC = CreateCompatibleDC(dc);
    SetTextColor(dc, RGB(1, 2, 3));
    PatBlt(dc, 0, 0, 110, 60, BLACKNESS);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetViewportExtEx(dc, 1, -1, nullptr);
    SetViewportOrgEx(dc, 0, 60, nullptr);
    RECT rect = {0, 60, 100, 10};
    DrawShimmer(dc, 3, 500, kOrange, &rect, GetHoriShimmerBmp(), GetVertShimmerBmp());
    EXPECT_TRUE(GetMapMode(dc) == MM_ANISOTROPIC && GetTextColor(dc) == RGB(1, 2, 3));

    HGDIOBJ previous = SelectObject(tileDC, GetHoriShimmerBmp());
    int wrong = 0, painted = 0, coloured = 0;
    for (int i = 0; i < 6 * 256; ++i) {
        const bool zero = GetPixel(tileDC, i % 16, i / 16 % 16) == 0;
        painted += zero;
        wrong += canvas.At(i / 256 * 16 + i % 16, 17 + i / 16 % 16) != (zero ? kOrangePixel : 0);
    }
    SelectObject(tileDC, previous);
    DeleteDC(tileDC);
    for (int at = 0; at < 110 * 60; ++at)
        coloured += canvas.At(at % 110, at / 110) != 0;
    EXPECT_TRUE(wrong == 0 && painted > 0 && coloured == painted);
}

} // namespace
