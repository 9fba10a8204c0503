// The drawing exports outside the fills and borders, each repeated until a leak of one object a
// call would have filled the GDI handle table.
#include "Qerno.h"
#include "canvas_dc.h"
#include "support/GdiSweep.h"

namespace {

TEST(GdiObjects, NoGeometryDrawingLeavesAnObjectBehind) {
    CanvasDC canvas(32, 32);
    HDC dc = canvas.get(), source = CreateCompatibleDC(dc);
    HBITMAP picture = CreateCompatibleBitmap(dc, 8, 8);
    HGDIOBJ sourceBitmap = SelectObject(source, picture);
    HWND window =
        CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 16, 16, nullptr, nullptr, nullptr, nullptr);
    RECT target = {1, 1, 20, 20}, from = {0, 0, 8, 8}, box = {2, 2, 8, 8};
    POINT placed[] = {{2, 2}, {10, 28}, {20, 4}, {30, 30}};
    const GdiCalls calls = {
        {"DrawBitmap, from a DC and from a bitmap alone",
         [&] {
             DrawBitmap(dc, &target, source, &from, picture, nullptr, SRCCOPY);
             _DrawBitmap(dc, 0, 0, 16, 16, nullptr, 0, 0, 8, 8, picture, nullptr, SRCCOPY);
         }},
        {"PaintBitmap", [&] { PaintBitmap(dc, picture, &box); }},
        {"InvertTracker",
         [&] {
             InvertTracker(window, {1, 1}, {5, 5});
         }},
        {"Curve, with a pen and the selected one",
         [&] {
             Curve(dc, placed, 4, R2_NOT, static_cast<HPEN>(GetStockObject(BLACK_PEN)));
             _Curve(dc, placed, 4, R2_COPYPEN);
             __Curve(dc, placed, 4);
         }},
        {"QuickCurve, DirectDrawCurve",
         [&] {
             long count = 0;
             HGLOBAL curve = QuickCurve(dc, placed, 4, &count);
             DirectDrawCurve(dc, curve, static_cast<int>(count));
             GlobalFree(curve);
         }},
        {"bars, rubber bands and handles at device scale",
         [&] {
             PatBltVertical(dc, 4, 4, 20, 2, PATINVERT);
             PatBltHorizon(dc, 4, 4, 20, 2, PATINVERT);
             _PatRectLine(dc, 2, 2, 20, 20, R2_NOT);
             _PatHandle(dc, 10, 10, 3, 3);
         }},
        {"lines and round rectangles",
         [&] {
             _DrawLine(dc, 0, 0, 31, 31);
             DrawRoundRect(dc, &target, 20);
         }},
    };
    ExpectNoGdiObjectLeftBehind(calls);
    DestroyWindow(window);
    SelectObject(source, sourceBitmap);
    DeleteObject(picture);
    DeleteDC(source);
}

} // namespace
