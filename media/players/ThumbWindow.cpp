// The track's thumb: a small child window that reports drags to its player window, which moves
// it back through the bar.
#include "media/players/ControlBar.h"
#include "media/players/ControlBarShared.h"

#include "QernoLog.h"
#include "QernoMedia.h"

#include <windowsx.h>

namespace {

constexpr int kPressedColumn = kThumbMaskColumn;
constexpr int kNormalColumn = 1;

// Shared by all thumbs: the mouse is captured by one at a time.
bool thumbPressed = false;

// Inverting the look in, masking the thumb's shape black and inverting again leaves the
// background wherever the mask is set.
void PaintThumb(HDC dc, HDC sheet, HDC mask) {
    const BarSizes& sizes = BarSheetSizes();
    const int width = sizes.thumbWidth;
    const int height = sizes.thumbHeight;
    const int column = thumbPressed ? kPressedColumn : kNormalColumn;
    BitBlt(dc, 0, 0, width, height, sheet, column * width, 0, SRCINVERT);
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    BitBlt(dc, 0, 0, width, height, mask, 0, 0, SRCAND);
    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldText);
    BitBlt(dc, 0, 0, width, height, sheet, column * width, 0, SRCINVERT);
}

void Paint(HWND thumb) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(thumb, &paint);
    HDC sheet = BarThumbSheet(), mask = BarThumbMask();
    if (sheet && mask)
        PaintThumb(dc, sheet, mask);
    EndPaint(thumb, &paint);
}

// The thumb's left edge follows the mouse by its distance from the thumb's middle; the mouse's
// x is signed so that a fast drag past the thumb's left moves it left.
void Drag(HWND thumb, LPARAM mouse) {
    const int dx = GET_X_LPARAM(mouse) - BarSheetSizes().thumbWidth / 2;
    if (dx == 0)
        return;
    HWND player = GetParent(thumb);
    RECT rect = {};
    GetWindowRect(thumb, &rect);
    MapWindowPoints(nullptr, player, reinterpret_cast<POINT*>(&rect), 2);
    const int left = rect.left + dx;
    const WORD playerWord = LOWORD(reinterpret_cast<UINT_PTR>(player));
    SendMessageA(player, WM_HSCROLL, SB_THUMBTRACK,
                 MAKELPARAM(static_cast<WORD>(left), playerWord));
}

LRESULT CALLBACK ThumbProc(HWND thumb, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
        SetCapture(thumb);
        thumbPressed = true;
        InvalidateRect(thumb, nullptr, TRUE);
        return 0;
    case WM_MOUSEMOVE:
        if (wParam == MK_LBUTTON)
            Drag(thumb, lParam);
        return 0;
    case WM_LBUTTONUP:
        SendMessageA(GetParent(thumb), WM_HSCROLL, SB_ENDSCROLL, 0);
        ReleaseCapture();
        thumbPressed = false;
        InvalidateRect(thumb, nullptr, TRUE);
        return 0;
    case WM_PAINT:
        Paint(thumb);
        return 0;
    default:
        return DefWindowProcA(thumb, message, wParam, lParam);
    }
}

} // namespace

// A second start of the library finds the class it registered the first time.
bool RegisterThumbClass(HINSTANCE instance) {
    WNDCLASSA existing = {};
    if (GetClassInfoA(instance, kThumbWindowClass, &existing) && existing.lpfnWndProc == ThumbProc)
        return true;
    WNDCLASSA thumbClass = {};
    thumbClass.style = CS_GLOBALCLASS;
    thumbClass.lpfnWndProc = ThumbProc;
    thumbClass.cbWndExtra = 8;
    thumbClass.hInstance = instance;
    thumbClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    thumbClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    thumbClass.lpszClassName = kThumbWindowClass;
    if (RegisterClassA(&thumbClass))
        return true;
    if (CSysLog* log = GetSysLog())
        log->SysLogSystemError(kLogCateMedia, GetLastError(), "Cannot register the class %s",
                               kThumbWindowClass);
    return false;
}
