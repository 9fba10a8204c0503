#include "PlugInSwatches.h"

#include "Qerno.h"
#include "SceneText.h"

namespace {

constexpr int kSwatchWidth = 160;
constexpr int kSwatchHeight = 100;
constexpr int kSwatchGap = 16;
constexpr int kCaptionHeight = 16;
constexpr int kShade = 12;

void FrameSwatch(HDC dc, const RECT& swatch) {
    RECT frame = {swatch.left - 1, swatch.top - 1, swatch.right + 1, swatch.bottom + 1};
    FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
}

} // namespace

void DrawPlugInSwatches(HDC dc, int x, int y, const char* plugInFile, COLORREF first,
                        COLORREF second) {
    const int savedState = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    const int top = y + kCaptionHeight;
    RECT plain = {x, top, x + kSwatchWidth, top + kSwatchHeight};
    RECT masked = {plain.right + kSwatchGap, top, plain.right + kSwatchGap + kSwatchWidth,
                   plain.bottom};
    DrawSceneText(dc, plain.left, y, "plain");
    DrawSceneText(dc, masked.left, y, "masked by shade 12");

    // One slot for both: the masked fill of the same size reuses the plain one's bitmap.
    HBITMAP cache = nullptr;
    PlugInDrawFountainRect(dc, &plain, nullptr, 0, 0, first, second, 0, 0, plugInFile, &cache);
    HBRUSH shade = CreateShadePatternBrush(dc, kShade, 0, 0);
    HGDIOBJ previousBrush = SelectObject(dc, shade);
    SetBkColor(dc, RGB(255, 255, 255));
    PlugInDrawFountainRect(dc, &masked, nullptr, 0, 0, first, second, 1, 0, plugInFile, &cache);
    SelectObject(dc, previousBrush);
    DeleteObject(shade);
    DeleteObject(cache);

    FrameSwatch(dc, plain);
    FrameSwatch(dc, masked);
    RestoreDC(dc, savedState);
}
