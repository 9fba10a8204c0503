// The control bar's drawing objects and sheet sizes, its windows, and the thumb's moves.
#include "media/players/ControlBar.h"
#include "media/players/ControlBarShared.h"

#include "QernoFrame.h"
#include "QernoLog.h"
#include "QernoMedia.h"
#include "frame/afx/ModuleState.h"

#include <windowsx.h>

static_assert(kCloseButton - kPlayButton == static_cast<int>(BarButton::Close),
              "the bar's buttons are numbered in row order");

namespace {

constexpr int kButtonSheetId = 6421;
constexpr int kThumbSheetId = 6426;
constexpr int kButtonColumns = 10;
constexpr int kButtonRows = 6;
constexpr int kThumbColumns = 4;
constexpr int kLabelFontHeight = 14;
constexpr int kPositionFontHeight = 18;

BarSizes sheetSizes = {};

// A bitmap selected into a memory DC of its own while the bar is loaded: every button and thumb
// paint copies from the sheets, and under Wine a DC made for each paint costs more than the copy.
struct SheetDc {
    HDC dc = nullptr;
    HGDIOBJ previous = nullptr;
};
SheetDc buttonSheet, thumbSheet, thumbMask;
HPEN greyPen = nullptr;
HFONT labelFont = nullptr;
HFONT positionFont = nullptr;
// Shared by all bars: only one thumb moves at a time.
int thumbLeft = 0;

HFONT CreateBarFont(int height) {
    return CreateFontA(height, 0, 0, 0, FW_THIN, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, "MS Serif");
}

template <typename Object> void DeleteDrawingObject(Object& object) {
    if (object)
        DeleteObject(object);
    object = nullptr;
}

SheetDc SelectIntoNewDc(HBITMAP bitmap) {
    HDC dc = bitmap ? CreateCompatibleDC(nullptr) : nullptr;
    if (!dc) {
        if (bitmap)
            DeleteObject(bitmap);
        return {};
    }
    return {dc, SelectObject(dc, bitmap)};
}

void ReleaseSheet(SheetDc& sheet) {
    if (sheet.dc) {
        DeleteObject(SelectObject(sheet.dc, sheet.previous));
        DeleteDC(sheet.dc);
    }
    sheet = {};
}

void ReleaseSheets() {
    ReleaseSheet(thumbMask);
    ReleaseSheet(thumbSheet);
    ReleaseSheet(buttonSheet);
}

SheetDc LoadBarSheet(int id) {
    HBITMAP sheet = LoadBitmapA(GetRCDllInstance(), MAKEINTRESOURCEA(id));
    if (!sheet)
        if (CSysLog* log = GetSysLog())
            log->SysLogSystemError(kLogCateMedia, GetLastError(),
                                   "Cannot load the control bar's bitmap %d", id);
    return SelectIntoNewDc(sheet);
}

SIZE SheetSize(const SheetDc& sheet) {
    BITMAP info = {};
    if (!sheet.dc || !GetObjectA(GetCurrentObject(sheet.dc, OBJ_BITMAP), sizeof info, &info))
        return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

// A one-bit copy of the mask column, with the transparent yellow as its background colour.
SheetDc MakeThumbMask() {
    if (!thumbSheet.dc || !sheetSizes.thumbWidth)
        return {};
    const SheetDc mask =
        SelectIntoNewDc(CreateBitmap(sheetSizes.thumbWidth, sheetSizes.thumbHeight, 1, 1, nullptr));
    if (mask.dc) {
        const COLORREF previous = SetBkColor(thumbSheet.dc, kThumbTransparent);
        BitBlt(mask.dc, 0, 0, sheetSizes.thumbWidth, sheetSizes.thumbHeight, thumbSheet.dc,
               kThumbMaskColumn * sheetSizes.thumbWidth, 0, SRCCOPY);
        SetBkColor(thumbSheet.dc, previous);
    }
    return mask;
}

struct BarPlaces {
    BarRect track;
    ThumbTravel travel;
};

BarPlaces PlayerBar(HWND player) {
    const BarRect track = TrackRect(PlayerClient(player), sheetSizes.thumbHeight);
    return {track, TravelOf(track, sheetSizes)};
}

RECT ThumbRectInPlayer(HWND player, HWND thumb) {
    RECT rect = {};
    GetWindowRect(thumb, &rect);
    MapWindowPoints(nullptr, player, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void MoveThumb(HWND player, HWND thumb, const ThumbTravel& travel, int left, BOOL erase) {
    const RECT old = ThumbRectInPlayer(player, thumb);
    MoveWindow(thumb, left, travel.top, sheetSizes.thumbWidth, sheetSizes.thumbHeight, TRUE);
    InvalidateRect(player, &old, erase);
    thumbLeft = left;
}

} // namespace

const BarSizes& BarSheetSizes() {
    return sheetSizes;
}

HPEN BarGreyPen() {
    return greyPen;
}

HFONT BarLabelFont() {
    return labelFont;
}

HFONT BarPositionFont() {
    return positionFont;
}

BarRect PlayerClient(HWND player) {
    RECT client = {};
    GetClientRect(player, &client);
    return {client.left, client.top, client.right, client.bottom};
}

int PlayerButtonArea(HWND player) {
    return static_cast<short>(GetWindowWord(player, kButtonAreaWord));
}

HDC BarButtonSheet() {
    return buttonSheet.dc;
}

HDC BarThumbSheet() {
    return thumbSheet.dc;
}

HDC BarThumbMask() {
    return thumbMask.dc;
}

// The library can be started again: the objects of the last start are released first.
void CreateBarDrawingObjects() {
    DeleteBarDrawingObjects();
    greyPen = CreatePen(PS_SOLID, 1, RGB(0x80, 0x80, 0x80));
    labelFont = CreateBarFont(kLabelFontHeight);
    positionFont = CreateBarFont(kPositionFontHeight);
}

void DeleteBarDrawingObjects() {
    DeleteDrawingObject(greyPen);
    DeleteDrawingObject(labelFont);
    DeleteDrawingObject(positionFont);
    ReleaseSheets();
}

void MeasureBarBitmaps() {
    ReleaseSheets();
    buttonSheet = LoadBarSheet(kButtonSheetId);
    thumbSheet = LoadBarSheet(kThumbSheetId);
    const SIZE buttons = SheetSize(buttonSheet);
    const SIZE thumbs = SheetSize(thumbSheet);
    sheetSizes = {buttons.cx / kButtonColumns, buttons.cy / kButtonRows, thumbs.cx / kThumbColumns,
                  thumbs.cy};
    thumbMask = MakeThumbMask();
}

void BuildControlBar(HWND player, bool video) {
    const BarRect client = PlayerClient(player);
    SetWindowWord(player, kButtonAreaWord,
                  static_cast<WORD>(ButtonAreaWidth(client, video, sheetSizes.buttonWidth)));
    for (const ButtonPlace& place : PlaceButtons(client, video, sheetSizes)) {
        const INT_PTR id = kPlayButton + static_cast<int>(place.button);
        CreateWindowExA(0, "BUTTON", nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER | BS_OWNERDRAW,
                        place.x, place.y, sheetSizes.buttonWidth, sheetSizes.buttonHeight, player,
                        reinterpret_cast<HMENU>(id), afx::LibraryModuleState().instance, nullptr);
    }
    const ThumbTravel travel = PlayerBar(player).travel;
    thumbLeft = travel.start;
    CreateWindowExA(0, kThumbWindowClass, nullptr, WS_CHILD | WS_VISIBLE, travel.start, travel.top,
                    sheetSizes.thumbWidth, sheetSizes.thumbHeight, player,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kThumbWindow)),
                    afx::LibraryModuleState().instance, nullptr);
}

RECT SoundPlayerPlace() {
    constexpr int kWidth = 320;
    const int height =
        GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYBORDER) + kPlayerBarHeight;
    return {(GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2,
            (GetSystemMetrics(SM_CYSCREEN) - height) / 2, kWidth, height};
}

void EnableBarButton(HWND player, int index, bool enable) {
    if (HWND button = GetDlgItem(player, kPlayButton + index))
        EnableWindow(button, enable);
}

void ShowBarPlaying(HWND player, bool playing, bool playFocus) {
    RedrawBarButton(player, kPlayButtonIndex, playing, playFocus);
    RedrawBarButton(player, kStopButtonIndex, playing, false);
    EnableBarButton(player, kStopButtonIndex, playing);
}

void FocusBarButton(HWND player, int id) {
    if (HWND button = GetDlgItem(player, id))
        SetFocus(button);
}

int StepButtonScrollCode(int id) {
    switch (id) {
    case kToStartButton:
        return SB_TOP;
    case kPageBackButton:
        return SB_PAGEUP;
    case kPageForwardButton:
        return SB_PAGEDOWN;
    default: // kToEndButton
        return SB_BOTTOM;
    }
}

void SetThumb(HWND player, unsigned long range, unsigned long value) {
    HWND thumb = GetDlgItem(player, kThumbWindow);
    if (!thumb)
        return;
    ShowWindow(thumb, SW_SHOW);
    const ThumbTravel travel = PlayerBar(player).travel;
    const int left = ValueToPixel(travel, range, value);
    if (left == thumbLeft)
        return;
    MoveThumb(player, thumb, travel, left, TRUE);
    UpdateWindow(player);
}

unsigned long ThumbValue(HWND player, unsigned long range, int pixel) {
    const ThumbTravel travel = PlayerBar(player).travel;
    const int left = ClampToTravel(travel, pixel == -1 ? thumbLeft : pixel);
    if (HWND thumb = GetDlgItem(player, kThumbWindow))
        MoveThumb(player, thumb, travel, left, FALSE);
    return PixelToValue(travel, range, left);
}

int TrackHit(HWND player, LPARAM mouse) {
    return TrackHitPixel(PlayerBar(player).track, sheetSizes, GET_X_LPARAM(mouse),
                         GET_Y_LPARAM(mouse));
}
