// Every drawing export of the fills, effects, tiles and borders, each repeated until a leak of
// one object a call would have filled the GDI handle table.
#include "render/RenderTestSupport.h"
#include "support/GdiSweep.h"

namespace {

using GdiObjects = RenderTest;

TEST_F(GdiObjects, NoDrawingExportLeavesAnObjectBehind) {
    CanvasDC canvas(32, 32);
    HDC dc = canvas.get(), tiles = CreateCompatibleDC(dc);
    RECT small = {2, 2, 30, 30}, oneCell = {0, 0, 16, 16};
    HBITMAP picture = CreateCompatibleBitmap(dc, 8, 8), tile = CreateBitmap(16, 16, 1, 1, nullptr);
    void* paletted = DibFromBitmap(picture, BI_RGB, 8, nullptr, 0);
    ASSERT_NE(nullptr, paletted);
    HBRUSH shade = CreateShadePatternBrush(dc, 12, 3, 0);
    HGDIOBJ callersBrush = SelectObject(dc, shade), tilesBitmap = SelectObject(tiles, tile);
    char arrowTile[32] = {'\x0F', '\x0F'}; // 16 x 16
    POINT there[] = {{4, 4}, {28, 20}, {4, 4}}, corners[] = {{4, 4}, {28, 28}};
    HBITMAP warm = nullptr, warmExact = nullptr;
    const auto plugInFill = [&](auto fill, int masked, HBITMAP* cache) {
        fill(dc, &small, nullptr, 0, 0, RGB(0, 0, 0), RGB(0, 0, 255), masked, 1,
             "QernoTestPlugIn.dll", cache);
    };
    const GdiCalls calls = {
        {"DrawFountainRect",
         [&] {
             DrawFountainRect(dc, &small, nullptr, 0, 64, RGB(0, 0, 0), RGB(255, 255, 255), 0);
             DrawFountainRect(dc, &small, &small, 90, 0, RGB(0, 0, 0), RGB(0, 0, 255), 1);
             DrawFountainRect(dc, &small, nullptr, 0, 0, RGB(9, 9, 9), RGB(9, 9, 9), 0);
         }},
        {"DibBlt",
         [&] {
             DibBlt(dc, 0, 0, 8, 8, paletted, 0, 0, SRCCOPY);
             DibBlt(dc, 0, 0, 8, 8, nullptr, 0, 0, PATCOPY);
         }},
        {"DIBToBitmap", [&] { DeleteObject(DIBToBitmap(paletted, nullptr)); }},
        {"CreateDIBPalette", [&] { DeleteObject(CreateDIBPalette(paletted)); }},
        {"DibFromBitmap", [&] { GlobalFree(DibFromBitmap(picture, BI_RGB, 8, nullptr, 0)); }},
        {"BitmapToDIB", [&] { GlobalFree(BitmapToDIB(picture, nullptr)); }},
        {"GetShadeBitmap", [&] { DeleteObject(GetShadeBitmap(5, 2, 1)); }},
        {"CreateShadePatternBrush", [&] { DeleteObject(CreateShadePatternBrush(dc, 5, 2, 1)); }},
        {"DrawSparkle", [&] { DrawSparkle(dc, 1, 100, RGB(255, 0, 0), &small, 4, 0); }},
        {"DrawShimmer",
         [&] { DrawShimmer(dc, 0, 500, 0, &small, GetHoriShimmerBmp(), GetVertShimmerBmp()); }},
        {"PaintFancyChar", [&] { PaintFancyChar(dc, 7, &oneCell, 0, 0); }},
        {"PaintFancyChar3", [&] { PaintFancyChar3(dc, tiles, 7, &oneCell, 8, 8); }},
        {"PaintAllFancyChars", [&] { PaintAllFancyChars(nullptr, dc, 0, 16, 16, &oneCell, 1, 0); }},
        {"DrawCharBitmap, transparent in two modes",
         [&] {
             SetBkMode(dc, TRANSPARENT);
             DrawCharBitmap(dc, 1, 1, 20, 20, tiles, 16, 16);
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
        {"PlugInDrawFountainRect, warm and with the slot emptied",
         [&] {
             plugInFill(PlugInDrawFountainRect, 0, &warm);
             DeleteObject(warm);
             warm = nullptr;
             plugInFill(PlugInDrawFountainRect, 0, &warm);
         }},
        {"PlugInDrawFountainRect1, masked",
         [&] { plugInFill(PlugInDrawFountainRect1, 1, &warmExact); }},
    };
    ExpectNoGdiObjectLeftBehind(calls);

    for (HGDIOBJ object : {HGDIOBJ(warm), HGDIOBJ(warmExact), SelectObject(tiles, tilesBitmap),
                           SelectObject(dc, callersBrush), HGDIOBJ(picture)})
        DeleteObject(object);
    DeleteDC(tiles);
    GlobalFree(paletted);
}

} // namespace
