// Sparkles and shimmers on a canvas read back pixel by pixel, and the DC left as found.
#include "RenderTestSupport.h"

namespace {

using Effects = RenderTest;

constexpr COLORREF kOrange = RGB(255, 128, 0);
constexpr DWORD kOrangePixel = 0xFF8000; // as the canvas reads it

// Type 0's star of arm 8 at the top-right corner of (10, 10)-(50, 50) shrunk by 8: (42, 18),
// upright at time 0, diagonal at 167. 31 pixels: LineTo leaves out each line's end point.
TEST_F(Effects, SparkleCrossesUprightThenDiagonal) {
    const POINT drawn[][4] = {{{34, 18}, {49, 18}, {42, 10}, {42, 25}},
                              {{34, 10}, {49, 25}, {50, 10}, {35, 25}}};
    CanvasDC canvas(60, 60);
    HDC dc = canvas.get();
    HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    MoveToEx(dc, 3, 4, nullptr);
    for (DWORD time : {0, 167}) {
        canvas.Clear();
        RECT rect = {10, 10, 50, 50};
        DrawSparkle(dc, 0, time, kOrange, &rect, 8, 0);
        EXPECT_EQ(31, canvas.CountDrawn()) << time;
        for (POINT at : drawn[time != 0])
            EXPECT_EQ(kOrangePixel, canvas.At(at.x, at.y)) << time << ": " << at.x << ", " << at.y;
    }
    POINT position;
    GetCurrentPositionEx(dc, &position);
    EXPECT_TRUE(pen == GetCurrentObject(dc, OBJ_PEN) && position.x == 3 && position.y == 4);
}

// 16-pixel tiles over a black picture, on a plain mapping and on one with y upwards: inside the
// tiles their bits decide, and the count of coloured pixels shows none outside.
TEST_F(Effects, ShimmerPaintsTheZeroBitsOfWholeTilesOnly) {
    const struct {
        WORD direction;
        RECT rect; // logical; y upwards when top > bottom
        int tiles;
        POINT first, step;
    } cases[] = {{0, {0, 0, 100, 50}, 3, {42, 0}, {0, 16}},
                 {3, {0, 60, 100, 10}, 6, {0, 17}, {16, 0}}};
    CanvasDC canvas(110, 60);
    HDC dc = canvas.get(), tileDC = CreateCompatibleDC(dc);
    SetTextColor(dc, RGB(1, 2, 3));
    for (const auto& c : cases) {
        PatBlt(dc, 0, 0, 110, 60, BLACKNESS);
        const int mapMode = c.rect.top > c.rect.bottom ? MM_ANISOTROPIC : MM_TEXT;
        SetMapMode(dc, mapMode);
        SetViewportExtEx(dc, 1, -1, nullptr);
        SetViewportOrgEx(dc, 0, mapMode == MM_TEXT ? 0 : 60, nullptr);
        RECT rect = c.rect;
        DrawShimmer(dc, c.direction, 500, kOrange, &rect, GetHoriShimmerBmp(), GetVertShimmerBmp());
        EXPECT_TRUE(GetMapMode(dc) == mapMode && GetTextColor(dc) == RGB(1, 2, 3));

        HGDIOBJ previous =
            SelectObject(tileDC, c.step.x ? GetHoriShimmerBmp() : GetVertShimmerBmp());
        int wrong = 0, painted = 0, coloured = 0;
        for (int i = 0; i < c.tiles * 256; ++i) {
            const bool zero = GetPixel(tileDC, i % 16, i / 16 % 16) == 0;
            const int k = i / 256;
            painted += zero;
            wrong += canvas.At(c.first.x + k * c.step.x + i % 16,
                               c.first.y + k * c.step.y + i / 16 % 16) != (zero ? kOrangePixel : 0);
        }
        SelectObject(tileDC, previous);
        for (int at = 0; at < 110 * 60; ++at)
            coloured += canvas.At(at % 110, at / 110) != 0;
        EXPECT_TRUE(wrong == 0 && painted > 0 && coloured == painted) << c.direction;
    }
    DeleteDC(tileDC);
}

} // namespace
