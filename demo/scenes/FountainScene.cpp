// A wall of fountain fills: both directions, the three midpoints, several colour pairs, a
// small colour difference whose bands widen, and pattern mode over shade brushes.
#include "Qerno.h"
#include "Scene.h"
#include "SceneText.h"

namespace {

constexpr int kMargin = 20;
constexpr int kCellWidth = 150;
constexpr int kCellHeight = 128;
constexpr int kCellGap = 12;
constexpr int kCaptionHeight = 16;
constexpr int kRowHeight = kCaptionHeight + 2 * (kCaptionHeight + kCellHeight) + 28;

struct Fountain {
    const char* caption;
    int midpoint;
    COLORREF first;
    COLORREF second;
    int shade; // 0: a solid brush a band; else pattern mode over this shade's brush
    int overlay;
    bool markBands; // bands too alike to tell apart by eye
};

// The fill again on a 32-bit bitmap, where no screen depth merges its bands, and a tick on the
// cell wherever its colour changes along the axis.
void MarkBandEdges(HDC dc, const RECT& cell, int direction, const Fountain& fountain) {
    const int width = cell.right - cell.left;
    const int height = cell.bottom - cell.top;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(dc);
    if (section && memory) {
        HGDIOBJ previousBitmap = SelectObject(memory, section);
        SelectObject(memory, GetStockObject(NULL_PEN));
        RECT whole = {0, 0, width, height};
        DrawFountainRect(memory, &whole, nullptr, direction, fountain.midpoint, fountain.first,
                         fountain.second, 0);
        GdiFlush();
        const DWORD* pixels = static_cast<const DWORD*>(bits); // width x height
        const bool down = direction == 90;
        const int step = down ? width : 1;
        for (int offset = 1; offset < (down ? height : width) - 1; ++offset) {
            if (pixels[offset * step] == pixels[(offset - 1) * step])
                continue;
            const RECT tick =
                down ? RECT{cell.left, cell.top + offset, cell.left + 8, cell.top + offset + 1}
                     : RECT{cell.left + offset, cell.top, cell.left + offset + 1, cell.top + 8};
            FillRect(dc, &tick, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        }
        SelectObject(memory, previousBitmap);
    }
    if (memory)
        DeleteDC(memory);
    if (section)
        DeleteObject(section);
}

void PaintFountain(HDC dc, int x, int y, int direction, const Fountain& fountain) {
    DrawSceneText(dc, x, y, fountain.caption);
    RECT cell = {x, y + kCaptionHeight, x + kCellWidth, y + kCaptionHeight + kCellHeight};
    if (fountain.shade == 0) {
        DrawFountainRect(dc, &cell, nullptr, direction, fountain.midpoint, fountain.first,
                         fountain.second, 0);
    } else {
        HBRUSH shade = CreateShadePatternBrush(dc, fountain.shade, fountain.overlay, 0);
        HGDIOBJ previous = SelectObject(dc, shade);
        DrawFountainRect(dc, &cell, nullptr, direction, fountain.midpoint, fountain.first,
                         fountain.second, 1);
        SelectObject(dc, previous);
        DeleteObject(shade);
    }
    if (fountain.markBands)
        MarkBandEdges(dc, cell, direction, fountain);
    // The fill stops a pixel short of its right and bottom edges with the null pen.
    RECT frame = {cell.left - 1, cell.top - 1, cell.right, cell.bottom};
    FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
}

// One row of fills twice: left to right above, top to bottom below.
void PaintRow(HDC dc, int y, const char* heading, const Fountain (&row)[6]) {
    DrawSceneHeading(dc, kMargin, y, heading);
    for (int column = 0; column < 6; ++column) {
        const int x = kMargin + column * (kCellWidth + kCellGap);
        PaintFountain(dc, x, y + kCaptionHeight, 0, row[column]);
        PaintFountain(dc, x, y + 2 * kCaptionHeight + kCellHeight + 4, 90, row[column]);
    }
}

void PaintFountains(HDC dc, const RECT&) {
    const int savedState = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    SelectObject(dc, GetStockObject(NULL_PEN));

    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    const COLORREF navy = RGB(0, 0, 128), gold = RGB(255, 200, 0);
    const Fountain ramps[6] = {
        {"black-white, midpoint 0", 0, black, white, 0, 0, false},
        {"black-white, midpoint 64", 64, black, white, 0, 0, false},
        {"black-white, midpoint 128", 128, black, white, 0, 0, false},
        {"navy-gold, midpoint 0", 0, navy, gold, 0, 0, false},
        {"red-blue, midpoint 64", 64, RGB(255, 0, 0), RGB(0, 0, 255), 0, 0, false},
        {"green-white, midpoint 128", 128, RGB(0, 128, 0), white, 0, 0, false},
    };
    PaintRow(dc, kMargin, "Fountain fills: left to right, top to bottom", ramps);

    SetBkColor(dc, white);
    const Fountain patterned[6] = {
        {"grey 200-210: 11 steps", 0, RGB(200, 200, 200), RGB(210, 200, 200), 0, 0, true},
        {"green 90-93: 4 steps", 64, RGB(90, 90, 200), RGB(90, 93, 200), 0, 0, true},
        {"pattern: shade 12", 0, navy, gold, 12, 0, false},
        {"pattern: cross-hatch", 64, black, RGB(255, 0, 0), 1, 5, false},
        {"pattern: shade 24 + diag.", 128, RGB(0, 96, 0), RGB(160, 255, 160), 24, 6, false},
        {"pattern: bricks", 0, RGB(128, 0, 0), RGB(255, 160, 96), 1, 7, false},
    };
    PaintRow(
        dc, kMargin + kRowHeight,
        "Small colour differences widen the bands (ticks at their edges); pattern mode colours a "
        "shade's 0 bits",
        patterned);
    RestoreDC(dc, savedState);
}

} // namespace

extern const Scene kFountainScene = {"13-fountains", "Fountain fills", PaintFountains};
