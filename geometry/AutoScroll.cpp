#include "QernoGeometry.h"

// Called for every move of a drag, so one line per call follows the pointer; a point beyond
// both axes scrolls vertically only.
BOOL QERNO_CALL MoveWin(HWND window, POINT point) {
    RECT client = {};
    GetClientRect(window, &client);
    UINT message = 0;
    WPARAM direction = SB_LINEUP;
    if (point.x <= client.left || point.x >= client.right) {
        message = WM_HSCROLL;
        direction = point.x <= client.left ? SB_LINEUP : SB_LINEDOWN;
    }
    if (point.y <= client.top || point.y >= client.bottom) {
        message = WM_VSCROLL;
        direction = point.y <= client.top ? SB_LINEUP : SB_LINEDOWN;
    }
    if (!message)
        return FALSE;
    SendMessageA(window, message, direction, 0);
    return TRUE;
}
