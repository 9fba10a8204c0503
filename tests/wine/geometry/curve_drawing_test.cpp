// Drawing curves on a white canvas: what is drawn, with which mode and pen, and what the
// device context looks like afterwards.
#include "Qerno.h"

#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 200;
constexpr DWORD kWhite = 0xFFFFFF;

// A top-down 32-bit canvas, white, its pixels readable as 0xRRGGBB.
class Canvas {
public:
    Canvas() : dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        pixels_ = static_cast<DWORD*>(bits);
        previous_ = SelectObject(dc_, bitmap_);
        PatBlt(dc_, 0, 0, kWidth, kHeight, WHITENESS);
    }
    ~Canvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    DWORD At(int x, int y) const {
        GdiFlush();
        return pixels_[y * kWidth + x] & 0xFFFFFF;
    }
    // Whether a pixel of this colour lies within one pixel of (x, y).
    bool ColourNear(int x, int y, DWORD colour) const {
        for (int dy = -1; dy <= 1; ++dy) {
            for (int dx = -1; dx <= 1; ++dx) {
                if (At(x + dx, y + dy) == colour)
                    return true;
            }
        }
        return false;
    }
    int CountNot(DWORD colour) const {
        int count = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x)
                count += At(x, y) != colour;
        }
        return count;
    }

private:
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    DWORD* pixels_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

POINT gPlaced[4] = {{20, 150}, {100, 40}, {200, 160}, {300, 60}};

// Inverted twice, as a host drags a curve, it leaves the canvas as it was.
TEST(CurveDrawing, PassesThePlacedPointsAndRestoresModeAndPen) {
    const Canvas canvas;
    HGDIOBJ pen = GetCurrentObject(canvas.dc(), OBJ_PEN);
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    Curve(canvas.dc(), gPlaced, 4, R2_COPYPEN, red);
    for (const POINT& p : gPlaced)
        EXPECT_TRUE(canvas.ColourNear(p.x, p.y, 0xFF0000)) << p.x;
    EXPECT_EQ(kWhite, canvas.At(100, 150)); // inside a bend, away from the curve
    EXPECT_EQ(pen, GetCurrentObject(canvas.dc(), OBJ_PEN));
    EXPECT_EQ(R2_COPYPEN, GetROP2(canvas.dc()));
    DeleteObject(red);

    PatBlt(canvas.dc(), 0, 0, kWidth, kHeight, WHITENESS);
    SetROP2(canvas.dc(), R2_MASKPEN);
    _Curve(canvas.dc(), gPlaced, 4, R2_NOT);
    EXPECT_GT(canvas.CountNot(kWhite), 300);
    EXPECT_EQ(R2_MASKPEN, GetROP2(canvas.dc()));
    _Curve(canvas.dc(), gPlaced, 4, R2_NOT);
    EXPECT_EQ(0, canvas.CountNot(kWhite));
}

TEST(CurveDrawing, OfTwoPointsIsALineAndOfOneNothing) {
    const Canvas canvas;
    MoveToEx(canvas.dc(), 7, 9, nullptr);
    __Curve(canvas.dc(), gPlaced, 1);
    __Curve(canvas.dc(), nullptr, 4);
    EXPECT_EQ(0, canvas.CountNot(kWhite));
    POINT ends[2] = {{10, 100}, {210, 100}};
    __Curve(canvas.dc(), ends, 2);
    EXPECT_EQ(200, canvas.CountNot(kWhite));
    EXPECT_EQ(0u, canvas.At(150, 100));
    POINT position = {};
    GetCurrentPositionEx(canvas.dc(), &position); // the line leaves the position alone
    EXPECT_EQ(7, position.x);
    EXPECT_EQ(9, position.y);
}

TEST(CurveDrawing, DirectDrawingTakesAtMostTheBlock) {
    const Canvas canvas;
    long count = 0;
    HGLOBAL curve = QuickCurve(canvas.dc(), gPlaced, 4, &count);
    ASSERT_NE(nullptr, curve);
    DirectDrawCurve(canvas.dc(), curve, 1);
    DirectDrawCurve(canvas.dc(), nullptr, static_cast<int>(count));
    EXPECT_EQ(0, canvas.CountNot(kWhite));
    DirectDrawCurve(canvas.dc(), curve, static_cast<int>(count) * 4);
    const int drawn = canvas.CountNot(kWhite);
    PatBlt(canvas.dc(), 0, 0, kWidth, kHeight, WHITENESS);
    DirectDrawCurve(canvas.dc(), curve, static_cast<int>(count));
    EXPECT_EQ(drawn, canvas.CountNot(kWhite));
    EXPECT_GT(drawn, 0);
    GlobalFree(curve);
}

} // namespace
