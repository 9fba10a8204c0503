// Sparkles and shimmers on a canvas read back pixel by pixel, and the DC left as found.
#include "RenderTestSupport.h"

namespace {

class Effects : public RenderTest {};

constexpr COLORREF kOrange = RGB(255, 128, 0);
constexpr DWORD kOrangePixel = 0xFF8000; // as the canvas reads it

// Type 0's star of arm 8 at the top-right corner of (10, 10)-(50, 50) shrunk by 8: (42, 18).
// 31 pixels: LineTo leaves out each line's end point.
TEST_F(Effects, SparkleCrossesUprightThenDiagonal) {
    const struct {
        DWORD time;
        POINT drawn[4];
    } cases[] = {{0, {{34, 18}, {49, 18}, {42, 10}, {42, 25}}},
                 {167, {{34, 10}, {49, 25}, {50, 10}, {35, 25}}}};
    CanvasDC canvas(60, 60);
    HDC dc = canvas.get();
    HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    MoveToEx(dc, 3, 4, nullptr);
    for (const auto& c : cases) {
        canvas.Clear();
        RECT rect = {10, 10, 50, 50};
        DrawSparkle(dc, 0, c.time, kOrange, &rect, 8, 0);
        EXPECT_EQ(31, canvas.CountDrawn()) << c.time;
        for (POINT at : c.drawn)
            EXPECT_EQ(kOrangePixel, canvas.At(at.x, at.y))
                << c.time << ": " << at.x << ", " << at.y;
    }
    POINT position;
    GetCurrentPositionEx(dc, &position);
    EXPECT_TRUE(pen == GetCurrentObject(dc, OBJ_PEN) && position.x == 3 && position.y == 4);
}

// 16-pixel tiles over a grey picture, on a plain mapping and on one with y upwards.
TEST_F(Effects, ShimmerPaintsTheZeroBitsOfWholeTilesOnly) {
    const struct {
        WORD direction;
        DWORD time;
        RECT rect; // logical; y upwards when top > bottom
        int tiles;
        POINT first, step;
    } cases[] = {
        {0, 500, {0, 0, 100, 50}, 3, {42, 0}, {0, 16}},
        {3, 500, {0, 60, 100, 10}, 6, {0, 17}, {16, 0}},
    };
    CanvasDC canvas(110, 60);
    HDC dc = canvas.get();
    HDC tileDC = CreateCompatibleDC(dc);
    for (const auto& c : cases) {
        PatBlt(dc, 0, 0, 110, 60, BLACKNESS);
        const bool upwards = c.rect.top > c.rect.bottom;
        SetMapMode(dc, upwards ? MM_ANISOTROPIC : MM_TEXT);
        SetViewportExtEx(dc, 1, -1, nullptr);
        SetViewportOrgEx(dc, 0, upwards ? 60 : 0, nullptr);
        SetTextColor(dc, RGB(1, 2, 3));
        RECT rect = c.rect;
        DrawShimmer(dc, c.direction, c.time, kOrange, &rect, GetHoriShimmerBmp(),
                    GetVertShimmerBmp());
        EXPECT_TRUE(GetMapMode(dc) == (upwards ? MM_ANISOTROPIC : MM_TEXT) &&
                    GetTextColor(dc) == RGB(1, 2, 3));

        // Inside the tiles their bits decide; the count of coloured pixels shows none outside.
        HGDIOBJ previous =
            SelectObject(tileDC, c.step.x ? GetHoriShimmerBmp() : GetVertShimmerBmp());
        int wrong = 0, painted = 0, coloured = 0;
        for (int k = 0; k < c.tiles; ++k)
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x) {
                    const bool zero = GetPixel(tileDC, x, y) == 0;
                    painted += zero;
                    wrong += canvas.At(c.first.x + k * c.step.x + x,
                                       c.first.y + k * c.step.y + y) != (zero ? kOrangePixel : 0);
                }
        SelectObject(tileDC, previous);
        for (int at = 0; at < 110 * 60; ++at)
            coloured += canvas.At(at % 110, at / 110) != 0;
        EXPECT_TRUE(wrong == 0 && painted > 0 && coloured == painted) << c.direction;
    }
    DeleteDC(tileDC);
}

} // namespace
