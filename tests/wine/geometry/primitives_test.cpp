// Rubber bands, handle boxes, bars, lines, round rectangles and bitmaps on a DC whose pixels
// are read back, and the DC left as it was found.
#include "Qerno.h"
#include "canvas_dc.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// Drawn pixels and the width and height of their bounds.
std::array<LONG, 3> Drawn(const CanvasDC& canvas) {
    RECT box;
    const int count = canvas.CountDrawn(&box);
    return {count, box.right - box.left, box.bottom - box.top};
}

// A hollow outline and a box that stops at the device origin, each erased by a second call.
TEST(DrawPrimitives, RubberBandsHandlesLinesRoundCornersAndBitmapsThroughEitherDC) {
    CanvasDC canvas(100, 100);
    HDC dc = canvas.get();
    HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
    const int mode = GetROP2(dc);
    _PatRectLine(dc, 5, 5, 25, 15, R2_NOT);
    EXPECT_EQ((std::array<LONG, 3>{2 * 20 + 2 * 8, 20, 10}), Drawn(canvas));
    EXPECT_TRUE(brush == GetCurrentObject(dc, OBJ_BRUSH) && mode == GetROP2(dc)) << "as found";
    rcPatRectLine(dc, {5, 5, 25, 15}, R2_NOT);
    EXPECT_EQ(0, canvas.CountDrawn());

    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    _PatHandle(dc, 2, 10, 4, 3);
    EXPECT_EQ(6 * 6, canvas.CountDrawn());
    _PatHandle(dc, 2, 10, 4, 3);
    EXPECT_EQ(0, canvas.CountDrawn());
    SelectObject(dc, brush);

    // A line keeps the current position; the round rectangle's corner ellipse is 30 pixels.
    MoveToEx(dc, 3, 4, nullptr);
    DrawLine(dc, {0, 10}, {20, 10});
    EXPECT_EQ(20, canvas.CountDrawn());
    POINT current;
    GetCurrentPositionEx(dc, &current);
    EXPECT_EQ(3, current.x);

    canvas.Clear();
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    RECT r = {10, 10, 90, 70};
    DrawRoundRect(dc, &r, 50);
    EXPECT_NE(0u, canvas.At(12, 12));
    EXPECT_EQ(0u, canvas.At(50, 10));

    // A 4 x 4 monochrome bitmap, black (the DC's text colour) in its left half; rows are 16-bit.
    static const BYTE kRows[8] = {0x3F, 0, 0x3F, 0, 0x3F, 0, 0x3F, 0};
    HBITMAP bitmap = CreateBitmap(4, 4, 1, 1, kRows);
    canvas.Clear();
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

// 15 units a pixel.
TEST(DrawPrimitives, BarsOfExactlyTheDevicePixelsAskedFor) {
    CanvasDC canvas(60, 60);
    HDC dc = canvas.get();
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 1500, 1500, nullptr);
    SetViewportExtEx(dc, 100, 100, nullptr);
    PatBltVertical(dc, 7 * 15 + 7, 0, 20 * 15, 3, BLACKNESS);
    EXPECT_EQ((std::array<LONG, 3>{3 * 20, 3, 20}), Drawn(canvas));
    canvas.Clear();
    PatBltHorizon(dc, 0, 7 * 15 + 8, 20 * 15, 2, BLACKNESS);
    EXPECT_EQ((std::array<LONG, 3>{2 * 20, 20, 2}), Drawn(canvas));
}

} // namespace
