// The shade catalogue: shades 1 to 40 as brush-filled swatches beside their 8 x 8 tile
// magnified, the seven overlays over a base shade, and the same turned a quarter.
#include "Qerno.h"
#include "Scene.h"
#include "SceneText.h"

#include <string>

namespace {

constexpr int kMargin = 20;
constexpr int kCellWidth = 98;
constexpr int kCaptionHeight = 14;
constexpr int kSwatchWidth = 50;
constexpr int kSwatchHeight = 40;
constexpr int kZoom = 5; // the tile beside each swatch
constexpr int kCellHeight = kCaptionHeight + kSwatchHeight + 12;
constexpr int kBaseShade = 8;

struct Shade {
    int shade;
    int overlay;
    int rotate;
};

// 0 bits in the text colour, 1 bits in the background colour, as the brush paints them.
void PaintTile(HDC dc, int x, int y, const Shade& s) {
    HBITMAP tile = GetShadeBitmap(s.shade, s.overlay, s.rotate);
    HDC memory = CreateCompatibleDC(dc);
    if (tile && memory) {
        HGDIOBJ previous = SelectObject(memory, tile);
        StretchBlt(dc, x, y, 8 * kZoom, 8 * kZoom, memory, 0, 0, 8, 8, SRCCOPY);
        SelectObject(memory, previous);
    }
    if (memory)
        DeleteDC(memory);
    if (tile)
        DeleteObject(tile);
}

void PaintCell(HDC dc, int x, int y, const Shade& s, const std::string& caption) {
    DrawSceneText(dc, x, y, caption);
    const int top = y + kCaptionHeight;
    HBRUSH brush = CreateShadePatternBrush(dc, s.shade, s.overlay, s.rotate);
    const RECT swatch = {x, top, x + kSwatchWidth, top + kSwatchHeight};
    FillRect(dc, &swatch, brush);
    DeleteObject(brush);
    PaintTile(dc, x + kSwatchWidth + 4, top, s);
}

std::string Caption(const Shade& s) {
    std::string caption = std::to_string(s.shade);
    if (s.overlay > 0)
        caption += " + " + std::to_string(s.overlay);
    if (s.rotate)
        caption += " turned";
    return caption;
}

void PaintCells(HDC dc, int x, int y, const Shade* shades, int count) {
    for (int i = 0; i < count; ++i)
        PaintCell(dc, x + (i % 10) * kCellWidth, y + (i / 10) * kCellHeight, shades[i],
                  Caption(shades[i]));
}

void PaintShades(HDC dc, const RECT&) {
    const int savedState = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    const COLORREF ink = RGB(0, 0, 96), paper = RGB(255, 250, 210);

    int y = kMargin;
    DrawSceneHeading(dc, kMargin, y,
                     "Shades 1 to 40: 0 bits in the text colour, 1 bits in the "
                     "background colour, each tile magnified 5 times");
    y += 18;
    SetTextColor(dc, ink);
    SetBkColor(dc, paper);
    Shade shades[40];
    for (int i = 0; i < 40; ++i)
        shades[i] = {i + 1, 0, 0};
    PaintCells(dc, kMargin, y, shades, 40);
    y += 4 * kCellHeight + 8;

    Shade overlays[7];
    Shade turned[10];
    for (int overlay = 1; overlay <= 7; ++overlay) {
        overlays[overlay - 1] = {kBaseShade, overlay, 0};
        turned[overlay - 1] = {kBaseShade, overlay, 1};
    }
    turned[7] = {3, 0, 1};
    turned[8] = {6, 0, 1};
    turned[9] = {17, 0, 1};

    DrawSceneHeading(dc, kMargin, y, "Overlays 1 to 7 over shade 8");
    y += 18;
    SetTextColor(dc, ink);
    PaintCells(dc, kMargin, y, overlays, 7);
    y += kCellHeight + 8;
    DrawSceneHeading(dc, kMargin, y,
                     "Turned a quarter counter-clockwise: the overlays over shade 8, shades 3, "
                     "6 and 17");
    y += 18;
    SetTextColor(dc, ink);
    PaintCells(dc, kMargin, y, turned, 10);
    RestoreDC(dc, savedState);
}

} // namespace

extern const Scene kShadeScene = {"14-shades", "Shade patterns", PaintShades};
