// Every drawing export called with the process's GDI handle table all but full: an export that
// leaves one object behind per call fills the rest of it, and the brush made afterwards fails.
// Holding the table this full lets a few thousand calls find what would otherwise take more
// calls than the table has handles (65,536 under Wine).
#include "render/RenderTestSupport.h"

#include <functional>
#include <vector>

namespace {

constexpr int kFreeHandles = 1000;

// Brushes made until no more can be, less kFreeHandles given back; none when the table never
// filled, since a table that never fills is no table to test on.
std::vector<HBRUSH> FillHandleTable() {
    constexpr size_t kMostHeld = 1 << 20;
    std::vector<HBRUSH> held;
    for (HBRUSH brush; held.size() < kMostHeld && (brush = CreateSolidBrush(0));)
        held.push_back(brush);
    const size_t kept =
        held.size() < kMostHeld && held.size() > kFreeHandles ? held.size() - kFreeHandles : 0;
    for (size_t i = kept; i < held.size(); ++i)
        DeleteObject(held[i]);
    held.resize(kept);
    return held;
}

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
    const std::pair<const char*, std::function<void()>> calls[] = {
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
    std::vector<HBRUSH> held = FillHandleTable();
    if (held.empty())
        GTEST_SKIP() << "the handle table did not fill";
    for (const auto& [name, call] : calls) {
        for (int i = 0; i < 2 * kFreeHandles; ++i)
            call();
        HBRUSH probe = CreateSolidBrush(RGB(1, 2, 3));
        EXPECT_NE(nullptr, probe) << name << " leaves GDI objects behind";
        if (!probe)
            break; // every later call would only repeat the failure
        DeleteObject(probe);
    }
    for (HBRUSH brush : held)
        DeleteObject(brush);

    for (HGDIOBJ object : {HGDIOBJ(warm), HGDIOBJ(warmExact), SelectObject(tiles, tilesBitmap),
                           SelectObject(dc, callersBrush), HGDIOBJ(picture)})
        DeleteObject(object);
    DeleteDC(tiles);
    GlobalFree(paletted);
}

} // namespace
