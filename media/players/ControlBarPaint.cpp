// The control bar's painting: frame, separators, track and scale, the position text and the
// buttons' faces.
#include "media/players/ControlBar.h"
#include "media/players/ControlBarShared.h"

#include "QernoFrame.h"

#include <cstdio>
#include <cstring>

namespace {

// callerPen is the pen the device context had when painting began.
void DrawLines(HDC dc, const std::vector<BarLine>& lines, HGDIOBJ callerPen) {
    for (const BarLine& line : lines) {
        switch (line.ink) {
        case BarInk::Current:
            SelectObject(dc, callerPen);
            break;
        case BarInk::Black:
            SelectObject(dc, GetStockObject(BLACK_PEN));
            break;
        case BarInk::Grey:
            SelectObject(dc, BarGreyPen());
            break;
        case BarInk::White:
            SelectObject(dc, GetStockObject(WHITE_PEN));
            break;
        }
        MoveToEx(dc, line.x0, line.y0, nullptr);
        LineTo(dc, line.x1, line.y1);
    }
    SelectObject(dc, callerPen);
}

void PaintTrack(HDC dc, const BarRect& track, HGDIOBJ callerPen) {
    const RECT frame = {track.left, track.top, track.right, track.bottom};
    FrameRect(dc, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    DrawLines(dc, TrackShadeLines(track), callerPen);
}

void PaintScale(HDC dc, const BarRect& track, unsigned long range, bool milliseconds,
                HGDIOBJ callerPen) {
    const int base = ScaleBaseY(track);
    const int end = track.right + 1;
    DrawLines(dc,
              {{BarInk::Current, track.left, base, end, base},
               {BarInk::White, track.left, base + 1, end, base + 1}},
              callerPen);
    HGDIOBJ callerFont = SelectObject(dc, BarLabelFont());
    SetBkMode(dc, TRANSPARENT);
    for (const ScaleTick& tick : ScaleTicks(track, range, milliseconds)) {
        MoveToEx(dc, tick.x, base - 3, nullptr);
        LineTo(dc, tick.x, base);
        if (!tick.labelled)
            continue;
        const std::string label = BarTimeText(tick.value, range, milliseconds);
        TextOutA(dc, tick.x, base + 3, label.c_str(), static_cast<int>(label.size()));
    }
    SetBkMode(dc, OPAQUE);
    SelectObject(dc, callerFont);
}

} // namespace

void PaintControlBar(HWND player, HDC dc, unsigned long range, bool milliseconds) {
    const BarSizes& sizes = BarSheetSizes();
    const BarRect client = PlayerClient(player);
    const int area = PlayerButtonArea(player);
    HGDIOBJ callerPen = GetCurrentObject(dc, OBJ_PEN);

    DrawLines(dc, AreaSeparatorLines(client, area, sizes.buttonHeight), callerPen);
    const BarRect box = PositionBox(client, area, sizes.buttonHeight);
    if (box.right > box.left)
        DrawLines(dc, SunkenBoxLines(box), callerPen);
    const BarRect track = TrackRect(client, sizes.thumbHeight);
    if (track.right > track.left) {
        PaintTrack(dc, track, callerPen);
        PaintScale(dc, track, range, milliseconds, callerPen);
    }
    DrawLines(dc, BarFrameLines(client), callerPen);
}

void DrawPositionText(HWND player, unsigned long range, unsigned long value, bool milliseconds) {
    char text[128]; // the time, its suffix string and one blank, cut to fit
    std::snprintf(text, sizeof text, "%s", BarTimeText(value, range, milliseconds).c_str());
    CatIDStringB(text, PositionSuffixId(range, milliseconds),
                 static_cast<int>(sizeof text - std::strlen(text)));
    const std::size_t length = std::strlen(text);
    if (length + 1 < sizeof text) {
        text[length] = ' ';
        text[length + 1] = '\0';
    }

    const BarRect box =
        PositionBox(PlayerClient(player), PlayerButtonArea(player), BarSheetSizes().buttonHeight);
    const RECT clip = {box.left + 1, box.top + 1, box.right, box.bottom};
    HDC dc = GetDC(player);
    HGDIOBJ callerFont = SelectObject(dc, BarPositionFont());
    const COLORREF callerBack = SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    ExtTextOutA(dc, box.left + 4, box.top + 2, ETO_CLIPPED | ETO_OPAQUE, &clip, text,
                static_cast<UINT>(std::strlen(text)), nullptr);
    SetBkColor(dc, callerBack);
    SelectObject(dc, callerFont);
    ReleaseDC(player, dc);
}

void DrawBarButton(HWND, const DRAWITEMSTRUCT& item, bool playing) {
    if (item.CtlType != ODT_BUTTON || !(item.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)))
        return;
    const int index = static_cast<int>(item.CtlID) - kPlayButton;
    if (index < 0 || index > static_cast<int>(BarButton::Close))
        return;
    const auto button = static_cast<BarButton>(index);
    const int column = ButtonSheetColumn(button, playing);
    const int row =
        ButtonSheetRow(button, item.itemState & ODS_SELECTED, item.itemState & ODS_FOCUS, playing);
    HDC sheet = BarButtonSheet();
    if (!sheet)
        return;
    const BarSizes& sizes = BarSheetSizes();
    // Each face sits one pixel right of and below its cell's corner.
    BitBlt(item.hDC, item.rcItem.left, item.rcItem.top, item.rcItem.right - item.rcItem.left,
           item.rcItem.bottom - item.rcItem.top, sheet, column * sizes.buttonWidth + 1,
           row * sizes.buttonHeight + 1, SRCCOPY);
}

void RedrawBarButton(HWND player, int index, bool playing, bool focus) {
    HWND button = GetDlgItem(player, kPlayButton + index);
    if (!button)
        return;
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(kPlayButton + index);
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = focus ? ODS_FOCUS : 0;
    item.hwndItem = button;
    GetClientRect(button, &item.rcItem);
    item.hDC = GetDC(button);
    DrawBarButton(player, item, playing);
    ReleaseDC(button, item.hDC);
}
