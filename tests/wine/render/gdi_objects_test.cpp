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
    HGDIOBJ callersBrush = SelectObject(dc, shade);
    HBITMAP warm = nullptr, warmExact = nullptr;
    const auto plugInFill = [&](auto fill, int masked, HBITMAP* cache) {
        fill(dc, &small, nullptr, 0, 0, RGB(0, 0, 0), RGB(0, 0, 255), masked, 1,
             "QernoTestPlugIn.dll", cache);
    };

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
        // Warm slots: one emptied each call costs a plug-in call each time, too slow this often.
        {"PlugInDrawFountainRect, warm", [&] { plugInFill(PlugInDrawFountainRect, 0, &warm); }},
        {"PlugInDrawFountainRect1, warm and masked",
         [&] { plugInFill(PlugInDrawFountainRect1, 1, &warmExact); }},
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

    DeleteObject(warm);
    DeleteObject(warmExact);
    SelectObject(dc, callersBrush);
    DeleteObject(shade);
    GlobalFree(paletted);
    GlobalFree(trueColour);
    DeleteObject(picture);
}

} // namespace
