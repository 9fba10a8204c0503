// Curves are smoothed and hit-tested in device pixels: the same device curve comes out of any
// mapping mode, and the hit tolerance is two pixels whatever a logical unit is. Then curves drawn
// on a white canvas: what is drawn, with which mode and pen, and what the device context looks
// like afterwards.
#include "Qerno.h"
#include "canvas_dc.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

std::vector<POINT> Flattened(HDC dc, std::vector<POINT> placed) {
    long count = -1;
    HGLOBAL curve = QuickCurve(dc, placed.data(), static_cast<int>(placed.size()), &count);
    if (!curve)
        return {};
    EXPECT_GE(GlobalSize(curve), static_cast<SIZE_T>(count) * sizeof(POINT));
    const auto* locked = static_cast<const POINT*>(GlobalLock(curve));
    std::vector<POINT> points(locked, locked + count);
    GlobalUnlock(curve);
    GlobalFree(curve);
    return points;
}

// x doubled, y tripled and upwards: scale, flip and origin all differ from device pixels.
HDC MappedDC() {
    HDC dc = CreateCompatibleDC(nullptr);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 1000, 1000, nullptr);
    SetViewportExtEx(dc, 2000, -3000, nullptr);
    SetViewportOrgEx(dc, 20, 700, nullptr);
    return dc;
}

POINT Mapped(HDC dc, POINT p, BOOL(WINAPI* map)(HDC, POINT*, int)) {
    map(dc, &p, 1);
    return p;
}

TEST(CurveMapping, GivesTheDeviceCurveInLogicalUnitsAndHitsWithinTwoDevicePixels) {
    HDC dc = MappedDC();
    std::vector<POINT> logical, device;
    for (POINT p : {POINT{40, 300}, POINT{160, 120}, POINT{300, 380}, POINT{420, 200}}) {
        logical.push_back(Mapped(dc, p, DPtoLP));
        device.push_back(Mapped(dc, logical.back(), LPtoDP)); // after the round trip's rounding
    }
    HDC identity = CreateCompatibleDC(nullptr);
    const std::vector<POINT> expected = Flattened(identity, device);
    DeleteDC(identity);
    const std::vector<POINT> curve = Flattened(dc, logical);
    ASSERT_EQ(expected.size(), curve.size());
    ASSERT_FALSE(curve.empty());
    for (size_t i = 0; i < curve.size(); ++i) {
        const POINT p = Mapped(dc, curve[i], LPtoDP);
        EXPECT_LE(std::abs(p.x - expected[i].x), 1) << i;
        EXPECT_LE(std::abs(p.y - expected[i].y), 1) << i;
    }

    // A flat curve along a device row near 0, where cutting the control points' series off
    // moves nothing: a position is on it exactly when it is less than two device pixels above or
    // below, however many logical units that is.
    std::vector<POINT> placed;
    for (POINT p : {POINT{50, 0}, POINT{150, 0}, POINT{250, 0}})
        placed.push_back(Mapped(dc, p, DPtoLP));
    const LONG row = Mapped(dc, placed[0], LPtoDP).y;
    const POINT top = Mapped(dc, {200, row - 8}, DPtoLP);
    const POINT bottom = Mapped(dc, {200, row + 8}, DPtoLP);
    const LONG step = top.y < bottom.y ? 1 : -1;
    int hits = 0;
    for (POINT mouse = top; mouse.y != bottom.y + step; mouse.y += step) {
        const LONG below = Mapped(dc, mouse, LPtoDP).y - row;
        const int expected = std::abs(below) < 2 ? 2 : 0;
        ASSERT_EQ(expected, PtInPartCurve(placed.data(), 3, mouse, dc)) << below;
        EXPECT_EQ(expected != 0, PtInCurve(placed.data(), 3, mouse, dc) != 0);
        hits += expected != 0;
    }
    EXPECT_GT(hits, 0);
    DeleteDC(dc);
}

// Origins moved, with the layout plain or mirrored: the curve is exactly the device curve of the
// placed points mapped back, and its first point is hit on the first span.
TEST(CurveMapping, MovedOriginsAndMirroredLayoutsGiveTheDeviceCurveExactly) {
    std::vector<POINT> placed = {{40, 300}, {160, 120}, {300, 380}, {420, 200}};
    for (const DWORD layout : {DWORD{0}, DWORD{LAYOUT_RTL}}) {
        HDC dc = CreateCompatibleDC(nullptr), identity = CreateCompatibleDC(nullptr);
        SetLayout(dc, layout);
        SetWindowOrgEx(dc, -37, 12, nullptr);
        SetViewportOrgEx(dc, 5, 900, nullptr);
        std::vector<POINT> device;
        for (POINT p : placed)
            device.push_back(Mapped(dc, p, LPtoDP));
        const std::vector<POINT> expected = Flattened(identity, device);
        const std::vector<POINT> curve = Flattened(dc, placed);
        ASSERT_EQ(expected.size(), curve.size());
        for (size_t i = 0; i < curve.size(); ++i) {
            const POINT back = Mapped(dc, expected[i], DPtoLP);
            EXPECT_TRUE(back.x == curve[i].x && back.y == curve[i].y) << layout << " " << i;
        }
        EXPECT_EQ(1, PtInPartCurve(placed.data(), 4, curve.front(), dc)) << layout;
        DeleteDC(identity);
        DeleteDC(dc);
    }
}

constexpr int kWidth = 320;
constexpr int kHeight = 200;

POINT gPlaced[4] = {{20, 150}, {100, 40}, {200, 160}, {300, 60}};

// One point, or points that coincide, make no span: no block, a count of 0 and no hit; a block
// moves with OffsetCurve. A curve drawn passes the placed points and leaves mode and pen as found;
// inverted twice, as a host drags a curve, it leaves the canvas as it was.
TEST(CurveDrawing, BlocksNeedASpanAndDrawingRestoresModeAndPenAndTakesAtMostTheBlock) {
    CanvasDC canvas(kWidth, kHeight);
    HDC dc = canvas.get();
    POINT same[3] = {{5, 5}, {5, 5}, {5, 5}};
    long count = -1;
    EXPECT_EQ(nullptr, QuickCurve(dc, same, 1, &count));
    EXPECT_EQ(0, count);
    EXPECT_EQ(nullptr, QuickCurve(dc, same, 3, &count)); // no extent, no points
    EXPECT_EQ(0, PtInPartCurve(same, 1, same[0], dc));
    EXPECT_EQ(0, PtInCurve(same, 3, same[0], dc));

    POINT placed[3] = {{0, 0}, {120, 0}, {240, 0}};
    HGLOBAL curve = QuickCurve(dc, placed, 3, &count);
    ASSERT_EQ(51, count);
    OffsetCurve(curve, count, 10, -5);
    const auto* points = static_cast<const POINT*>(GlobalLock(curve));
    EXPECT_TRUE(points[0].x == 10 && points[count - 1].x == 250 && points[count / 2].y == -5);
    GlobalUnlock(curve);
    GlobalFree(curve);

    HGDIOBJ pen = GetCurrentObject(dc, OBJ_PEN);
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    Curve(dc, gPlaced, 4, R2_COPYPEN, red);
    int reds = 0; // red pixels of the nine around the second placed point
    for (int i = 0; i < 9; ++i)
        reds += canvas.At(gPlaced[1].x + i % 3 - 1, gPlaced[1].y + i / 3 - 1) == 0xFF0000;
    EXPECT_GT(reds, 0);
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

    // Of two points a curve is a line, which leaves the current position alone; of one, nothing.
    // Drawing a block directly takes at most the points it holds.
    SetROP2(dc, R2_COPYPEN);
    curve = QuickCurve(dc, gPlaced, 4, &count);
    ASSERT_NE(nullptr, curve);
    MoveToEx(dc, 7, 9, nullptr);
    __Curve(dc, gPlaced, 1);
    __Curve(dc, nullptr, 4);
    DirectDrawCurve(dc, curve, 1);
    DirectDrawCurve(dc, nullptr, static_cast<int>(count));
    EXPECT_EQ(0, canvas.CountDrawn());
    POINT ends[2] = {{10, 100}, {210, 100}}, position = {};
    __Curve(dc, ends, 2);
    EXPECT_EQ(200, canvas.CountDrawn());
    GetCurrentPositionEx(dc, &position);
    EXPECT_TRUE(position.x == 7 && position.y == 9);

    canvas.Clear();
    DirectDrawCurve(dc, curve, static_cast<int>(count) * 4);
    const int drawn = canvas.CountDrawn();
    canvas.Clear();
    DirectDrawCurve(dc, curve, static_cast<int>(count));
    EXPECT_EQ(drawn, canvas.CountDrawn());
    EXPECT_GT(drawn, 0);
    GlobalFree(curve);
}

} // namespace
