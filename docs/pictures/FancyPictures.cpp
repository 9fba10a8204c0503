// The fancy styles as the chooser shows them, and the shade patterns as brushes.
#include "Pictures.h"
#include "Qerno.h"

#include <string>

namespace {

constexpr int kMargin = 8;
constexpr int kFancyStyles = 102;
// A cell of 48 splits into thirds of 16: every tile lands at its own size, pixel for pixel.
constexpr int kChooserCell = 48;
constexpr int kChooserColumns = 17;
constexpr int kChooserRows = (kFancyStyles + kChooserColumns - 1) / kChooserColumns;

constexpr int kShadeCount = 40;
constexpr int kShadeColumns = 10;
constexpr int kShadeCellWidth = 104;
constexpr int kShadeCellHeight = 64;
constexpr int kLabelHeight = 16;
constexpr int kSwatchWidth = 50;
constexpr int kTileZoom = 5;
constexpr int kTileSide = 8 * kTileZoom;

// Transparent with R2_COPYPEN, as a chooser over a plain ground: the tiles' 1 bits in the
// background colour, the numbers in the text colour.
bool PaintFancyStyles(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, RGB(0, 0, 110));
    SetTextColor(dc, RGB(170, 0, 0));
    RECT area = {kMargin, kMargin, kMargin + kChooserColumns * kChooserCell,
                 kMargin + kChooserRows * kChooserCell};
    PaintAllFancyChars(nullptr, dc, 0, kChooserCell, kChooserCell, &area, 1, 0);
    return true;
}

// The tile itself beside the brush: 0 bits in the text colour, 1 bits in the background colour.
bool PaintShadeTile(HDC dc, int x, int y, int shade) {
    HBITMAP tile = GetShadeBitmap(shade, 0, 0);
    HDC memory = tile ? CreateCompatibleDC(dc) : nullptr;
    if (memory) {
        HGDIOBJ previous = SelectObject(memory, tile);
        StretchBlt(dc, x, y, kTileSide, kTileSide, memory, 0, 0, 8, 8, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
    if (tile)
        DeleteObject(tile);
    return memory != nullptr;
}

bool PaintShadePatterns(HDC dc) {
    SetTextColor(dc, RGB(0, 0, 96));
    SetBkColor(dc, RGB(255, 240, 170));
    bool painted = true;
    for (int shade = 1; shade <= kShadeCount; ++shade) {
        const int x = kMargin + (shade - 1) % kShadeColumns * kShadeCellWidth;
        const int y = kMargin + (shade - 1) / kShadeColumns * kShadeCellHeight;
        DrawLabel(dc, x, y, std::to_string(shade).c_str());
        const int top = y + kLabelHeight;
        HBRUSH brush = CreateShadePatternBrush(dc, shade, 0, 0);
        const RECT swatch = {x, top, x + kSwatchWidth, top + kTileSide};
        FillRect(dc, &swatch, brush);
        DeleteObject(brush);
        painted = PaintShadeTile(dc, x + kSwatchWidth + 4, top, shade) && painted;
    }
    return painted;
}

} // namespace

extern const Picture kFancyStylesPicture = {
    "fancy-styles.png", 2 * kMargin + kChooserColumns * kChooserCell,
    2 * kMargin + kChooserRows * kChooserCell, PaintFancyStyles};

extern const Picture kShadePatternsPicture = {
    "shade-patterns.png", 2 * kMargin + kShadeColumns * kShadeCellWidth - 10,
    2 * kMargin + kShadeCount / kShadeColumns * kShadeCellHeight - 8, PaintShadePatterns};
