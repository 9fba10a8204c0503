// Every drawing export called more times than Wine's handle table has room for: one GDI object
// left behind per call would fill the table, and the brush made afterwards would fail.
#include "render/RenderTestSupport.h"

#include <functional>

namespace {

constexpr int kCalls = 70000;

struct DrawingCall {
    const char* name;
    std::function<void()> call;
};

using GdiObjects = RenderTest;

TEST_F(GdiObjects, NoDrawingExportLeavesAnObjectBehind) {
    CanvasDC canvas(32, 32);
    HDC dc = canvas.get();
    RECT small = {2, 2, 30, 30};
    HBITMAP picture = CreateCompatibleBitmap(dc, 8, 8);
    void* trueColour = BitmapToDIB(picture, nullptr);
    void* paletted = DibFromBitmap(picture, BI_RGB, 8, nullptr, 0);
    ASSERT_NE(nullptr, trueColour);
    ASSERT_NE(nullptr, paletted);
    HBRUSH shade = CreateShadePatternBrush(dc, 12, 3, 0);
    char arrowTile[32] = {'\x0F', '\x0F'}; // 16 x 16
    // One tile laying a segment: each creates and releases its own bitmap and memory DC.
    POINT there[] = {{4, 4}, {28, 20}, {4, 4}};
    POINT corners[] = {{4, 4}, {28, 28}};
    HGDIOBJ callersBrush = SelectObject(dc, shade);
    HDC tiles = CreateCompatibleDC(dc);
    HBITMAP tile = CreateBitmap(16, 16, 1, 1, nullptr);
    HGDIOBJ tilesBitmap = SelectObject(tiles, tile);
    RECT oneCell = {0, 0, 16, 16};

    const DrawingCall calls[] = {
        {"DrawFountainRect",
         [&] {
             DrawFountainRect(dc, &small, nullptr, 0, 64, RGB(0, 0, 0), RGB(255, 255, 255), 0);
         }},
        {"DrawFountainRect in pattern mode",
         [&] { DrawFountainRect(dc, &small, &small, 90, 0, RGB(0, 0, 0), RGB(0, 0, 255), 1); }},
        {"DrawFountainRect of one colour",
         [&] { DrawFountainRect(dc, &small, nullptr, 0, 0, RGB(9, 9, 9), RGB(9, 9, 9), 0); }},
        {"DibBlt", [&] { DibBlt(dc, 0, 0, 8, 8, paletted, 0, 0, SRCCOPY); }},
        {"DibBlt without a DIB", [&] { DibBlt(dc, 0, 0, 8, 8, nullptr, 0, 0, PATCOPY); }},
        {"DIBToBitmap", [&] { DeleteObject(DIBToBitmap(trueColour, nullptr)); }},
        {"CreateDIBPalette", [&] { DeleteObject(CreateDIBPalette(paletted)); }},
        {"DibFromBitmap", [&] { GlobalFree(DibFromBitmap(picture, BI_RGB, 8, nullptr, 0)); }},
        {"BitmapToDIB", [&] { GlobalFree(BitmapToDIB(picture, nullptr)); }},
        {"GetShadeBitmap", [&] { DeleteObject(GetShadeBitmap(5, 2, 1)); }},
        {"CreateShadePatternBrush", [&] { DeleteObject(CreateShadePatternBrush(dc, 5, 2, 1)); }},
        {"DrawSparkle", [&] { DrawSparkle(dc, 1, 100, RGB(255, 0, 0), &small, 4, 0); }},
        {"DrawShimmer",
         [&] {
             DrawShimmer(dc, 0, 500, RGB(0, 128, 0), &small, GetHoriShimmerBmp(),
                         GetVertShimmerBmp());
         }},
        {"PaintFancyChar", [&] { PaintFancyChar(dc, 7, &oneCell, 0, 0); }},
        {"PaintFancyChar3", [&] { PaintFancyChar3(dc, tiles, 7, &oneCell, 8, 8); }},
        {"PaintAllFancyChars", [&] { PaintAllFancyChars(nullptr, dc, 0, 16, 16, &oneCell, 1, 0); }},
        {"DrawCharBitmap, transparent",
         [&] {
             SetBkMode(dc, TRANSPARENT);
             DrawCharBitmap(dc, 1, 1, 20, 20, tiles, 16, 16);
         }},
        {"DrawCharBitmap, transparent in another mode",
         [&] {
             SetROP2(dc, R2_XORPEN);
             DrawCharBitmap(dc, 1, 1, 20, 20, tiles, 16, 16);
             SetROP2(dc, R2_COPYPEN);
         }},
        {"DrawArrowLine",
         [&] {
             DrawArrowLine(dc, {2, 3}, {30, 25}, nullptr, arrowTile, nullptr, 16, 16, 30, 6, 0);
         }},
        {"PaintFcRect", [&] { PaintFcRect(dc, corners, 8, 7); }},
        {"PaintFcLine", [&] { PaintFcLine(dc, there, 20, 7); }},
        {"PaintFcPolygon", [&] { PaintFcPolygon(dc, there, 20, 7, 3); }},
        {"PaintFcPolyline", [&] { PaintFcPolyline(dc, there, 20, 7, 2); }},
    };
    for (const DrawingCall& drawing : calls) {
        for (int i = 0; i < kCalls; ++i)
            drawing.call();
        HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
        EXPECT_NE(nullptr, probe) << drawing.name << " fills the handle table";
        if (!probe)
            break; // every later call would only repeat the failure
        DeleteObject(probe);
    }

    SelectObject(tiles, tilesBitmap);
    DeleteObject(tile);
    DeleteDC(tiles);
    SelectObject(dc, callersBrush);
    DeleteObject(shade);
    GlobalFree(paletted);
    GlobalFree(trueColour);
    DeleteObject(picture);
}

} // namespace
