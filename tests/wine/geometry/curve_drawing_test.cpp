// Drawing curves on a white canvas: what is drawn, with which mode and pen, and what the
// device context looks like afterwards.
#include "Qerno.h"
#include "canvas_dc.h"

#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 200;

POINT gPlaced[4] = {{20, 150}, {100, 40}, {200, 160}, {300, 60}};

// Inverted twice, as a host drags a curve, it leaves the canvas as it was.
TEST(CurveDrawing, PassesThePlacedPointsAndRestoresModeAndPen) {
    CanvasDC canvas(kWidth, kHeight);
    HDC dc = canvas.get();
    HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    Curve(dc, gPlaced, 4, R2_COPYPEN, red);
    EXPECT_TRUE(canvas.ColourNear(gPlaced[1].x, gPlaced[1].y, 0xFF0000));
    EXPECT_EQ(0xFFFFFFu, canvas.At(100, 150)); // inside a bend, away from the curve
    EXPECT_EQ(pen, GetCurrentObject(dc, OBJ_PEN));
    DeleteObject(red);

    canvas.Clear();
    SetROP2(dc, R2_MASKPEN);
    _Curve(dc, gPlaced, 4, R2_NOT);
    EXPECT_GT(canvas.CountDrawn(), 300);
    EXPECT_EQ(R2_MASKPEN, GetROP2(dc));
    _Curve(dc, gPlaced, 4, R2_NOT);
    EXPECT_EQ(0, canvas.CountDrawn());
}

// The line leaves the current position alone.
TEST(CurveDrawing, OfTwoPointsIsALineAndOfOneNothing) {
    CanvasDC canvas(kWidth, kHeight);
    MoveToEx(canvas.get(), 7, 9, nullptr);
    __Curve(canvas.get(), gPlaced, 1);
    __Curve(canvas.get(), nullptr, 4);
    EXPECT_EQ(0, canvas.CountDrawn());
    POINT ends[2] = {{10, 100}, {210, 100}};
    __Curve(canvas.get(), ends, 2);
    EXPECT_EQ(200, canvas.CountDrawn());
    POINT position = {};
    GetCurrentPositionEx(canvas.get(), &position);
    EXPECT_TRUE(position.x == 7 && position.y == 9);
}

TEST(CurveDrawing, DirectDrawingTakesAtMostTheBlock) {
    CanvasDC canvas(kWidth, kHeight);
    long count = 0;
    HGLOBAL curve = QuickCurve(canvas.get(), gPlaced, 4, &count);
    ASSERT_NE(nullptr, curve);
    DirectDrawCurve(canvas.get(), curve, 1);
    DirectDrawCurve(canvas.get(), nullptr, static_cast<int>(count));
    EXPECT_EQ(0, canvas.CountDrawn());
    DirectDrawCurve(canvas.get(), curve, static_cast<int>(count) * 4);
    const int drawn = canvas.CountDrawn();
    canvas.Clear();
    DirectDrawCurve(canvas.get(), curve, static_cast<int>(count));
    EXPECT_EQ(drawn, canvas.CountDrawn());
    EXPECT_GT(drawn, 0);
    GlobalFree(curve);
}

} // namespace
