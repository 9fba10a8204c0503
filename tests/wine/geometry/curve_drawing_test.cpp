// Drawing curves on a white canvas: what is drawn, with which mode and pen, and what the
// device context looks like afterwards.
#include "Qerno.h"
#include "canvas_dc.h"

#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 200;
constexpr DWORD kWhite = 0xFFFFFF;

POINT gPlaced[4] = {{20, 150}, {100, 40}, {200, 160}, {300, 60}};

// Inverted twice, as a host drags a curve, it leaves the canvas as it was.
TEST(CurveDrawing, PassesThePlacedPointsAndRestoresModeAndPen) {
    const CanvasDC canvas(kWidth, kHeight);
    HGDIOBJ pen = GetCurrentObject(canvas.get(), OBJ_PEN);
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    Curve(canvas.get(), gPlaced, 4, R2_COPYPEN, red);
    for (const POINT& p : gPlaced)
        EXPECT_TRUE(canvas.ColourNear(p.x, p.y, 0xFF0000)) << p.x;
    EXPECT_EQ(kWhite, canvas.At(100, 150)); // inside a bend, away from the curve
    EXPECT_EQ(pen, GetCurrentObject(canvas.get(), OBJ_PEN));
    EXPECT_EQ(R2_COPYPEN, GetROP2(canvas.get()));
    DeleteObject(red);

    PatBlt(canvas.get(), 0, 0, kWidth, kHeight, WHITENESS);
    SetROP2(canvas.get(), R2_MASKPEN);
    _Curve(canvas.get(), gPlaced, 4, R2_NOT);
    EXPECT_GT(canvas.CountDrawn(), 300);
    EXPECT_EQ(R2_MASKPEN, GetROP2(canvas.get()));
    _Curve(canvas.get(), gPlaced, 4, R2_NOT);
    EXPECT_EQ(0, canvas.CountDrawn());
}

TEST(CurveDrawing, OfTwoPointsIsALineAndOfOneNothing) {
    const CanvasDC canvas(kWidth, kHeight);
    MoveToEx(canvas.get(), 7, 9, nullptr);
    __Curve(canvas.get(), gPlaced, 1);
    __Curve(canvas.get(), nullptr, 4);
    EXPECT_EQ(0, canvas.CountDrawn());
    POINT ends[2] = {{10, 100}, {210, 100}};
    __Curve(canvas.get(), ends, 2);
    EXPECT_EQ(200, canvas.CountDrawn());
    EXPECT_EQ(0u, canvas.At(150, 100));
    POINT position = {};
    GetCurrentPositionEx(canvas.get(), &position); // the line leaves the position alone
    EXPECT_EQ(7, position.x);
    EXPECT_EQ(9, position.y);
}

TEST(CurveDrawing, DirectDrawingTakesAtMostTheBlock) {
    const CanvasDC canvas(kWidth, kHeight);
    long count = 0;
    HGLOBAL curve = QuickCurve(canvas.get(), gPlaced, 4, &count);
    ASSERT_NE(nullptr, curve);
    DirectDrawCurve(canvas.get(), curve, 1);
    DirectDrawCurve(canvas.get(), nullptr, static_cast<int>(count));
    EXPECT_EQ(0, canvas.CountDrawn());
    DirectDrawCurve(canvas.get(), curve, static_cast<int>(count) * 4);
    const int drawn = canvas.CountDrawn();
    PatBlt(canvas.get(), 0, 0, kWidth, kHeight, WHITENESS);
    DirectDrawCurve(canvas.get(), curve, static_cast<int>(count));
    EXPECT_EQ(drawn, canvas.CountDrawn());
    EXPECT_GT(drawn, 0);
    GlobalFree(curve);
}

} // namespace
