// A selection with its handles, a rubber band, round rectangles, snapped lines, pixel-exact
// bars, a bitmap and a repaint list, drawn once in pixels and once in line units at 15 a
// pixel: the two panels come out alike.
#include "Qerno.h"
#include "Scene.h"

#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {

constexpr int kPanelTop = 44;
constexpr int kLeftPanel = 16;
constexpr int kRightPanel = 516;
constexpr int kHandleHalf = 3; // pixels either side of a handle's centre

// Text at pixel coordinates whatever the panel's mapping: SetViewDC for the time of it.
void Label(HDC dc, int x, int y, const char* text) {
    SaveDC(dc);
    SetViewDC(dc);
    TextOutA(dc, x, y, text, static_cast<int>(std::strlen(text)));
    RestoreDC(dc, -1);
}

// Handles are boxes of whole pixels, so they go through device space.
void DrawHandles(HDC dc, RECT selection) {
    POINT centres[8]; // one per handle
    for (int handle = 0; handle < 8; ++handle)
        RectHandlePos(&selection, &centres[handle], handle);
    LPtoDP(dc, centres, 8);
    SaveDC(dc);
    SetViewDC(dc);
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    for (const POINT& centre : centres)
        _PatHandle(dc, centre.x, centre.y, kHandleHalf, kHandleHalf);
    RestoreDC(dc, -1);
}

void PaintSelection(HDC dc, int u) {
    HBRUSH fill = CreateSolidBrush(RGB(200, 220, 255));
    HGDIOBJ oldBrush = SelectObject(dc, fill);
    RECT selection = {20 * u, 40 * u, 200 * u, 160 * u};
    DrawRect(dc, &selection);
    SelectObject(dc, oldBrush);
    DeleteObject(fill);
    DrawHandles(dc, selection);

    HBRUSH grey = CreateSolidBrush(RGB(96, 96, 96));
    oldBrush = SelectObject(dc, grey);
    ___DrawRoundRect(dc, 340 * u, 70 * u, 460 * u, 130 * u, 30);
    SelectObject(dc, oldBrush);
    DeleteObject(grey);
    HPEN dotted = CreatePen(PS_DOT, 1, RGB(0, 0, 0));
    HGDIOBJ oldPen = SelectObject(dc, dotted);
    PatRectLine(dc, {240 * u, 40 * u}, {400 * u, 160 * u}, R2_NOT);
    SelectObject(dc, oldPen);
    DeleteObject(dotted);
}

void PaintRoundRects(HDC dc, int u, int left, int top) {
    static const int kRoundness[] = {0, 20, 50, 100};
    HBRUSH fill = CreateSolidBrush(RGB(255, 230, 170));
    HGDIOBJ oldBrush = SelectObject(dc, fill);
    int x = 20;
    for (int roundness : kRoundness) {
        RECT r = {x * u, 200 * u, (x + 95) * u, 270 * u};
        DrawRoundRect(dc, &r, roundness);
        char text[16]; // "100 %"
        std::snprintf(text, sizeof text, "%d %%", roundness);
        Label(dc, left + x + 30, top + 275, text);
        x += 110;
    }
    SelectObject(dc, oldBrush);
    DeleteObject(fill);
}

// Sixteen drags from one anchor: each snaps to one of eight directions.
void PaintSnappedLines(HDC dc, int u) {
    static const POINT kDrags[] = {
        {80, 10},   {80, 35},   {70, 60},  {30, 80},  {-10, 80}, {-40, 70}, {-75, 40}, {-80, -20},
        {-60, -60}, {-25, -80}, {15, -80}, {50, -60}, {80, -30}, {79, -5},  {20, 70},  {-80, 5}};
    const POINT anchor = {110 * u, 405 * u};
    for (const POINT& drag : kDrags) {
        POINT end = {anchor.x + drag.x * u, anchor.y + drag.y * u};
        POINT snapped = end;
        POINT from = anchor;
        ShiftLine(&from, &snapped);
        DrawLine(dc, anchor, snapped);
    }
}

// Bars 1, 2, 4 and 8 pixels thick, whatever a logical unit is.
void PaintBars(HDC dc, int u) {
    int x = 250;
    for (int thickness : {1, 2, 4, 8}) {
        PatBltVertical(dc, x * u, 320 * u, 130 * u, thickness, BLACKNESS);
        PatBltHorizon(dc, 350 * u, (330 + x - 250) * u, 110 * u, thickness, BLACKNESS);
        x += 24;
    }
}

// A piece of a resource bitmap at its own size, and the whole of it shrunk.
void PaintBitmaps(HDC dc, int u) {
    HBITMAP buttons = LoadBitmapA(GetRCDllInstance(), MAKEINTRESOURCEA(6421));
    BITMAP size = {};
    if (!buttons || !GetObjectA(buttons, sizeof size, &size)) {
        if (buttons)
            DeleteObject(buttons);
        return;
    }
    RECT piece = {0, 0, 100, 40};
    RECT copy = {20 * u, 500 * u, 120 * u, 540 * u};
    DrawBitmap(dc, &copy, nullptr, &piece, buttons, nullptr, SRCCOPY);
    RECT whole = {0, 0, size.bmWidth, size.bmHeight};
    RECT shrunk = {20 * u, 555 * u, (20 + size.bmWidth / 2) * u, (555 + size.bmHeight / 2) * u};
    DrawBitmap(dc, &shrunk, nullptr, &whole, buttons, nullptr, SRCCOPY);
    DeleteObject(buttons);
}

// Overlapping areas added one by one; what the list keeps is hatched.
void PaintRepaintList(HDC dc, int u, int left, int top) {
    static const RECT kAreas[] = {{250, 520, 300, 560}, {260, 530, 280, 550}, {330, 500, 380, 540},
                                  {320, 490, 400, 560}, {420, 510, 460, 590}, {250, 570, 330, 620},
                                  {270, 580, 300, 600}};
    CRectArray list;
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    for (const RECT& area : kAreas) {
        RECT scaled = {area.left * u, area.top * u, area.right * u, area.bottom * u};
        DrawRect(dc, &scaled);
        list.Add(scaled);
    }
    HBRUSH hatch = CreateHatchBrush(HS_DIAGCROSS, RGB(0, 128, 0));
    SelectObject(dc, hatch);
    for (int i = 0; i < list.m_nSize; ++i) {
        RECT kept = list[i];
        DrawRect(dc, &kept);
    }
    SelectObject(dc, oldBrush);
    DeleteObject(hatch);
    char text[48]; // "7 areas added, 4 kept"
    std::snprintf(text, sizeof text, "%d areas added, %d kept",
                  static_cast<int>(sizeof kAreas / sizeof kAreas[0]), list.m_nSize);
    Label(dc, left + 250, top + 630, text);
}

// u logical units a pixel; the DC is already mapped so.
void PaintPanel(HDC dc, int u, int left, int top, const char* caption) {
    char text[96]; // caption and rates
    std::snprintf(text, sizeof text, "%s - rates %ld x %ld", caption, GetnXRate(dc), GetnYRate(dc));
    Label(dc, left, top, text);
    PaintSelection(dc, u);
    Label(dc, left + 20, top + 165, "Selection and its handles");
    Label(dc, left + 240, top + 165, "Rubber band (inverting)");
    PaintRoundRects(dc, u, left, top);
    PaintSnappedLines(dc, u);
    Label(dc, left + 40, top + 310, "Drags snapped to 8 directions");
    PaintBars(dc, u);
    Label(dc, left + 250, top + 300, "Bars of 1, 2, 4, 8 pixels");
    PaintBitmaps(dc, u);
    PaintRepaintList(dc, u, left, top);
}

void PaintSelectionScene(HDC dc, const RECT&) {
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));

    SaveDC(dc);
    SetViewportOrgEx(dc, kLeftPanel, kPanelTop, nullptr);
    PaintPanel(dc, 1, kLeftPanel, kPanelTop, "Pixels (MM_TEXT)");
    RestoreDC(dc, -1);

    constexpr int kLineUnitsPerPixel = 15;
    SaveDC(dc);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, kLineUnitsPerPixel, kLineUnitsPerPixel, nullptr);
    SetViewportExtEx(dc, 1, 1, nullptr);
    SetViewportOrgEx(dc, kRightPanel, kPanelTop, nullptr);
    PaintPanel(dc, kLineUnitsPerPixel, kRightPanel, kPanelTop,
               "Line units, 15 a pixel (anisotropic)");
    RestoreDC(dc, -1);
}

} // namespace

extern const Scene kSelectionScene = {"06-selection", "Rectangles, handles and drawing primitives",
                                      PaintSelectionScene};
