// A picture drawn by GDI made into DIBs of four depths, each shown back by DibBlt and through
// DIBToBitmap with the palette of its own colour table, and DibBlt without a DIB as a PatBlt.
#include "Qerno.h"
#include "Scene.h"
#include "SceneText.h"

#include <cstdio>

namespace {

constexpr int kMargin = 24;
constexpr int kLineHeight = 18;
constexpr int kPictureWidth = 160;
constexpr int kPictureHeight = 120;
constexpr int kColumnWidth = 245;
constexpr int kColumnsTop = 240;

// A hue sweep over a grey ramp with a sun and a word: enough colours for every depth to lose
// some in its own way.
HBITMAP DrawPicture(HDC dc) {
    HBITMAP picture = CreateCompatibleBitmap(dc, kPictureWidth, kPictureHeight);
    HDC memory = CreateCompatibleDC(dc);
    if (!picture || !memory) {
        if (memory)
            DeleteDC(memory);
        if (picture)
            DeleteObject(picture);
        return nullptr;
    }
    HGDIOBJ oldBitmap = SelectObject(memory, picture);
    for (int x = 0; x < kPictureWidth; ++x) {
        const int step = x * 6 * 255 / kPictureWidth; // six ramps of 255 around the hue circle
        const int rise = step % 255, fall = 255 - rise;
        const COLORREF hues[] = {RGB(255, rise, 0), RGB(fall, 255, 0), RGB(0, 255, rise),
                                 RGB(0, fall, 255), RGB(rise, 0, 255), RGB(255, 0, fall)};
        HBRUSH brush = CreateSolidBrush(hues[step / 255 % 6]);
        const RECT column = {x, 0, x + 1, kPictureHeight / 2};
        FillRect(memory, &column, brush);
        DeleteObject(brush);
        const int grey = x * 255 / (kPictureWidth - 1);
        brush = CreateSolidBrush(RGB(grey, grey, grey));
        const RECT ramp = {x, kPictureHeight / 2, x + 1, kPictureHeight};
        FillRect(memory, &ramp, brush);
        DeleteObject(brush);
    }
    HBRUSH sun = CreateSolidBrush(RGB(255, 220, 0));
    HGDIOBJ oldBrush = SelectObject(memory, sun);
    HGDIOBJ oldPen = SelectObject(memory, GetStockObject(BLACK_PEN));
    Ellipse(memory, 96, 12, 148, 64);
    HFONT font = CreateFontA(36, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0,
                             NONANTIALIASED_QUALITY, 0, "Arial");
    HGDIOBJ oldFont = SelectObject(memory, font);
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, RGB(160, 0, 40));
    TextOutA(memory, 8, 70, "Qerno", 5);
    SelectObject(memory, oldFont);
    DeleteObject(font);
    SelectObject(memory, oldPen);
    SelectObject(memory, oldBrush);
    DeleteObject(sun);
    SelectObject(memory, oldBitmap);
    DeleteDC(memory);
    return picture;
}

void ShowBitmap(HDC dc, int x, int y, HBITMAP bitmap) {
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(dc, x, y, kPictureWidth, kPictureHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

void Frame(HDC dc, int x, int y) {
    const RECT frame = {x - 1, y - 1, x + kPictureWidth + 1, y + kPictureHeight + 1};
    FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
}

// The header's own account of the DIB, and the size of the block that holds it.
void Describe(HDC dc, int x, int y, HGLOBAL dib) {
    char* block = static_cast<char*>(GlobalLock(dib));
    char line[64]; // "65535 x 65535 pixels, 65535 colours" and the terminator
    std::snprintf(line, sizeof line, "%lu x %lu pixels, %u colours", DIBWidth(block),
                  DIBHeight(block), DIBNumColors(block));
    DrawSceneText(dc, x, y, line);
    std::snprintf(line, sizeof line, "colour table %u bytes", PaletteSize(block));
    DrawSceneText(dc, x, y + kLineHeight, line);
    GlobalUnlock(dib);
    std::snprintf(line, sizeof line, "block %lu bytes",
                  static_cast<unsigned long>(GlobalSize(dib)));
    DrawSceneText(dc, x, y + 2 * kLineHeight, line);
}

void PaintDepth(HDC dc, int x, HBITMAP picture, unsigned short bits) {
    char heading[32]; // "24 bits per pixel" and the terminator
    std::snprintf(heading, sizeof heading, "%u bit%s per pixel", bits, bits == 1 ? "" : "s");
    DrawSceneHeading(dc, x, kColumnsTop, heading);
    HGLOBAL dib = DibFromBitmap(picture, BI_RGB, bits, nullptr, 0);
    if (!dib) {
        DrawSceneText(dc, x, kColumnsTop + kLineHeight, "DibFromBitmap failed");
        return;
    }
    const int blitTop = kColumnsTop + 2 * kLineHeight;
    DrawSceneText(dc, x, blitTop, "DibBlt:");
    DibBlt(dc, x, blitTop + kLineHeight, kPictureWidth, kPictureHeight, dib, 0, 0, SRCCOPY);
    Frame(dc, x, blitTop + kLineHeight);

    const int bitmapTop = blitTop + kLineHeight + kPictureHeight + 10;
    DrawSceneText(dc, x, bitmapTop, "DIBToBitmap, its own palette:");
    HPALETTE palette = CreateDIBPalette(static_cast<void*>(dib));
    HBITMAP bitmap = DIBToBitmap(dib, palette);
    if (bitmap) {
        ShowBitmap(dc, x, bitmapTop + kLineHeight, bitmap);
        DeleteObject(bitmap);
    }
    Frame(dc, x, bitmapTop + kLineHeight);
    if (palette)
        DeleteObject(palette);

    Describe(dc, x, bitmapTop + kLineHeight + kPictureHeight + 10, dib);
    GlobalFree(dib);
}

void PaintPatBlt(HDC dc, int x, int y) {
    DrawSceneHeading(dc, x, y, "DibBlt without a DIB: PatBlt");
    HBRUSH hatch = CreateHatchBrush(HS_DIAGCROSS, RGB(0, 110, 60));
    HGDIOBJ oldBrush = SelectObject(dc, hatch);
    const COLORREF oldBackground = SetBkColor(dc, RGB(220, 240, 225));
    SetBkMode(dc, OPAQUE);
    DibBlt(dc, x, y + kLineHeight + 4, kPictureWidth, kPictureHeight, nullptr, 0, 0, PATCOPY);
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, oldBackground);
    SelectObject(dc, oldBrush);
    DeleteObject(hatch);
    DrawSceneText(dc, x, y + 2 * kLineHeight + kPictureHeight + 8,
                  "PATCOPY with the DC's hatched brush");
}

void PaintDibs(HDC dc, const RECT&) {
    const int savedState = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    DrawSceneHeading(dc, kMargin, kMargin, "The picture, drawn by GDI into a screen bitmap");
    HBITMAP picture = DrawPicture(dc);
    if (picture) {
        ShowBitmap(dc, kMargin, kMargin + kLineHeight + 4, picture);
        const int noteLeft = kMargin + kPictureWidth + 24;
        DrawSceneText(dc, noteLeft, kMargin + kLineHeight + 4,
                      "Below, DibFromBitmap makes a DIB of it at each depth");
        DrawSceneText(dc, noteLeft, kMargin + 2 * kLineHeight + 4,
                      "with the default palette; each DIB is shown by DibBlt");
        DrawSceneText(dc, noteLeft, kMargin + 3 * kLineHeight + 4,
                      "and as the bitmap DIBToBitmap makes with the palette");
        DrawSceneText(dc, noteLeft, kMargin + 4 * kLineHeight + 4,
                      "CreateDIBPalette builds from the DIB's colour table.");
        const unsigned short depths[] = {1, 4, 8, 24};
        for (int i = 0; i < 4; ++i)
            PaintDepth(dc, kMargin + i * kColumnWidth, picture, depths[i]);
        DeleteObject(picture);
    }
    PaintPatBlt(dc, kMargin + 3 * kColumnWidth, kMargin);
    RestoreDC(dc, savedState);
}

} // namespace

extern const Scene kDibScene = {"12-dibs", "DIBs and palettes", PaintDibs};
