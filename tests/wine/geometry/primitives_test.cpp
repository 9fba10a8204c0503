// Rubber bands, handle boxes, bars, lines, round rectangles and bitmaps on a DC whose pixels
// are read back, and the DC left as it was found.
#include "Qerno.h"
#include "canvas_dc.h"

#include <gtest/gtest.h>

namespace {

TEST(DrawPrimitives, RubberBandOutlineThatASecondCallErases) {
    CanvasDC canvas(40, 40);
    HDC dc = canvas.get();
    HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
    const int mode = GetROP2(dc);
    _PatRectLine(dc, 5, 5, 25, 15, R2_NOT);
    EXPECT_EQ(2 * 20 + 2 * 8, canvas.CountDrawn()) << "hollow";
    EXPECT_EQ(brush, GetCurrentObject(dc, OBJ_BRUSH));
    EXPECT_EQ(mode, GetROP2(dc));
    rcPatRectLine(dc, {5, 5, 25, 15}, R2_NOT);
    EXPECT_EQ(0, canvas.CountDrawn());

    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    RECT box;
    _PatHandle(dc, 2, 10, 4, 3);
    EXPECT_EQ(6 * 6, canvas.CountDrawn(&box)) << "stops at the device origin";
    EXPECT_EQ(0, box.left);
    EXPECT_EQ(7, box.top);
    _PatHandle(dc, 2, 10, 4, 3);
    EXPECT_EQ(0, canvas.CountDrawn());
    SelectObject(dc, brush);
}

TEST(DrawPrimitives, BarsOfExactlyTheDevicePixelsAskedFor) {
    CanvasDC canvas(60, 60);
    HDC dc = canvas.get();
    SetMapMode(dc, MM_ANISOTROPIC); // 15 units a pixel
    SetWindowExtEx(dc, 1500, 1500, nullptr);
    SetViewportExtEx(dc, 100, 100, nullptr);
    RECT bar;
    PatBltVertical(dc, 7 * 15 + 7, 0, 20 * 15, 3, BLACKNESS);
    EXPECT_EQ(3 * 20, canvas.CountDrawn(&bar));
    EXPECT_EQ(3, bar.right - bar.left);

    canvas.Clear();
    PatBltHorizon(dc, 0, 7 * 15 + 8, 20 * 15, 2, BLACKNESS);
    EXPECT_EQ(2 * 20, canvas.CountDrawn(&bar));
    EXPECT_EQ(2, bar.bottom - bar.top);

    canvas.Clear(); // with y upwards the bar still grows down the screen
    SetMapMode(dc, MM_TWIPS);
    SetViewportOrgEx(dc, 0, 60, nullptr);
    PatBltHorizon(dc, 0, 30 * 15, 300, 4, BLACKNESS);
    canvas.CountDrawn(&bar);
    EXPECT_EQ(4, bar.bottom - bar.top);
}

TEST(DrawPrimitives, LinesKeepTheCurrentPositionAndCornersRound) {
    CanvasDC canvas(100, 100);
    HDC dc = canvas.get();
    MoveToEx(dc, 3, 4, nullptr);
    DrawLine(dc, {0, 10}, {20, 10});
    EXPECT_EQ(20, canvas.CountDrawn());
    POINT current;
    GetCurrentPositionEx(dc, &current);
    EXPECT_EQ(3, current.x);

    canvas.Clear();
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    RECT r = {10, 10, 90, 70};
    DrawRoundRect(dc, &r, 50); // a 30-pixel corner ellipse
    EXPECT_NE(0u, canvas.At(12, 12));
    EXPECT_EQ(0u, canvas.At(50, 10));
}

// 4 x 4 and monochrome, black (the DC's text colour) in its left half; rows are 16-bit.
HBITMAP HalfBlackBitmap() {
    static const BYTE kRows[8] = {0x3F, 0, 0x3F, 0, 0x3F, 0, 0x3F, 0};
    return CreateBitmap(4, 4, 1, 1, kRows);
}

TEST(DrawPrimitives, BitmapsCopiedOrStretchedThroughEitherDC) {
    CanvasDC canvas(20, 20);
    HDC dc = canvas.get();
    HBITMAP bitmap = HalfBlackBitmap();
    SetStretchBltMode(dc, HALFTONE);
    EXPECT_TRUE(_DrawBitmap(dc, 0, 0, 8, 12, nullptr, 0, 0, 4, 4, bitmap, nullptr, SRCCOPY));
    EXPECT_EQ(4 * 12, canvas.CountDrawn());
    EXPECT_EQ(HALFTONE, GetStretchBltMode(dc));

    canvas.Clear();
    HDC callers = CreateCompatibleDC(dc);
    HGDIOBJ selected = GetCurrentObject(callers, OBJ_BITMAP);
    RECT target = {0, 0, 2, 4}, source = {2, 0, 4, 4};
    EXPECT_TRUE(DrawBitmap(dc, &target, callers, &source, bitmap,
                           static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), NOTSRCCOPY));
    EXPECT_EQ(8, canvas.CountDrawn()) << "the white half, inverted";
    EXPECT_EQ(selected, GetCurrentObject(callers, OBJ_BITMAP));
    DeleteDC(callers);
    EXPECT_FALSE(DrawBitmap(nullptr, &target, nullptr, &source, bitmap, nullptr, SRCCOPY));
    DeleteObject(bitmap);
}

} // namespace
