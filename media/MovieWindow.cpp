// Animation devices (MMMovie, Animation1) showing their pictures in a display window of their
// own, a child of the host's window.
#include "QernoMedia.h"
#include "media/FrameBitmap.h"
#include "media/MciCommand.h"

namespace {

constexpr char kLabelWindowHandle[] = "-- WINDOW HANDLE -- ";
constexpr char kLabelWhere[] = "-- WHERE -- ";
constexpr char kLabelPut[] = "-- PUT -- ";
constexpr char kLabelUpdate[] = "-- UPDATE -- ";
constexpr char kLabelWindowShow[] = "-- WINDOW SHOW -- ";
constexpr char kLabelNominalRate[] = "-- Movie-Nominal-Rate -- ";

// False, with the failure logged, for a caller that has no device.
bool HasMovie(unsigned short id) {
    return id != 0 || ShowMciErrorStr(kInvalidMediaId, "of Movie");
}

} // namespace

unsigned short QERNO_CALL OpenMovie(const char* deviceType, const char* element, const char* alias,
                                    HWND parent, HWND notify, unsigned long style) {
    MCI_ANIM_OPEN_PARMSA block = {};
    block.dwCallback = MciCallback(notify);
    block.lpstrDeviceType = deviceType;
    block.lpstrElementName = element;
    block.lpstrAlias = alias;
    block.dwStyle = style;
    block.hWndParent = parent;
    DWORD flags = MCI_OPEN_TYPE | MCI_OPEN_ELEMENT | MCI_ANIM_OPEN_WS;
    if (parent)
        flags |= MCI_ANIM_OPEN_PARENT;
    if (notify)
        flags |= MCI_NOTIFY;
    if (alias)
        flags |= MCI_OPEN_ALIAS;
    if (!ShowMciErrorStr(SendMciCommand(0, MCI_OPEN, flags, &block), kLabelOpen))
        return 0;
    return static_cast<unsigned short>(block.wDeviceID);
}

int QERNO_CALL SetMovieWindow(unsigned short id, HWND window) {
    if (!HasMovie(id))
        return 0;
    MCI_ANIM_WINDOW_PARMSA block = {};
    block.hWnd = window;
    const MCIERROR error = SendMciCommand(id, MCI_WINDOW, MCI_ANIM_WINDOW_HWND | MCI_WAIT, &block);
    return ShowMciErrorStr(error, kLabelWindowHandle);
}

int QERNO_CALL GetMovieFrame(unsigned short id, RECT* rect, int destination) {
    if (!HasMovie(id))
        return 0;
    MCI_ANIM_RECT_PARMS block = {};
    const DWORD part = destination ? MCI_ANIM_WHERE_DESTINATION : MCI_ANIM_WHERE_SOURCE;
    const MCIERROR error = SendMciCommand(id, MCI_WHERE, MCI_ANIM_RECT | part, &block);
    if (rect)
        *rect = block.rc;
    return ShowMciErrorStr(error, kLabelWhere);
}

int QERNO_CALL SetMovieWndPos(unsigned short id, RECT* rect) {
    if (!HasMovie(id) || !rect)
        return 0;
    MoveWindow(GetMovieStageWnd(id), rect->left, rect->top, rect->right, rect->bottom, TRUE);
    return 1;
}

int QERNO_CALL SetMovieArea(unsigned short id, RECT* rect) {
    if (!HasMovie(id) || !rect)
        return 0;
    MCI_ANIM_RECT_PARMS block = {};
    block.rc = {rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top};
    const MCIERROR error =
        SendMciCommand(id, MCI_PUT, MCI_ANIM_RECT | MCI_ANIM_PUT_DESTINATION, &block);
    return ShowMciErrorStr(error, kLabelPut);
}

int QERNO_CALL SetMoviePosition(unsigned short id, unsigned long position) {
    if (!HasMovie(id))
        return 0;
    return SetMediaPosition(id, position);
}

int QERNO_CALL UpdateMovie(unsigned short id, HDC dc, RECT* rect) {
    if (!HasMovie(id))
        return 0;
    if (!dc)
        return ShowCustomErrorStr("MCI-ERROR: invalid hDC in UpdateMovie()");
    MCI_ANIM_UPDATE_PARMS block = {};
    block.hDC = dc;
    DWORD flags = MCI_ANIM_UPDATE_HDC;
    if (rect) {
        block.rc = *rect;
        flags |= MCI_ANIM_RECT;
    }
    return ShowMciErrorStr(SendMciCommand(id, MCI_UPDATE, flags, &block), kLabelUpdate);
}

void QERNO_CALL PaintMovie(HDC dc, unsigned short id, RECT* rect) {
    UpdateMovie(id, dc, rect);
}

HWND QERNO_CALL GetMovieStageWnd(unsigned short id) {
    if (!HasMovie(id))
        return nullptr;
    // Window handles keep 32 significant bits, sign-extended in 64-bit processes.
    const LONG handle = static_cast<LONG>(GetMovieStatus(id, MCI_ANIM_STATUS_HWND));
    return static_cast<HWND>(LongToHandle(handle));
}

unsigned long QERNO_CALL GetMovieStatus(unsigned short id, unsigned long item) {
    if (!HasMovie(id))
        return 0;
    return GetMediaStatus(id, item);
}

// Any negative bound is left out.
int QERNO_CALL PlayMovie(unsigned short id, int from, int to, HWND notify) {
    if (!HasMovie(id))
        return 0;
    MCI_ANIM_PLAY_PARMS block = {};
    block.dwCallback = MciCallback(notify);
    block.dwFrom = static_cast<DWORD>(from);
    block.dwTo = static_cast<DWORD>(to);
    DWORD flags = 0;
    if (from >= 0)
        flags |= MCI_FROM;
    if (to >= 0)
        flags |= MCI_TO;
    if (notify)
        flags |= MCI_NOTIFY;
    return ShowMciErrorStr(SendMciCommand(id, MCI_PLAY, flags, &block), kLabelPlay);
}

int QERNO_CALL ShowMovieWindow(unsigned short id, int show) {
    if (!HasMovie(id))
        return 0;
    MCI_ANIM_WINDOW_PARMSA block = {};
    block.nCmdShow = static_cast<UINT>(show);
    return ShowMciErrorStr(SendMciCommand(id, MCI_WINDOW, MCI_ANIM_WINDOW_STATE, &block),
                           kLabelWindowShow);
}

int QERNO_CALL CloseMovie(unsigned short id) {
    if (!HasMovie(id))
        return 0;
    return CloseMedia(id);
}

int QERNO_CALL StopMovie(unsigned short id) {
    if (!HasMovie(id))
        return 0;
    return StopMedia(id);
}

HBITMAP QERNO_CALL GetMovieBitmap(unsigned short id, HDC dc) {
    if (!HasMovie(id))
        return nullptr;
    return FrameAsBitmap(id, dc, GetMovieFrame, UpdateMovie);
}

unsigned long QERNO_CALL GetMovieSpeed(unsigned short id) {
    return GetMovieStatus(id, MCI_ANIM_STATUS_SPEED);
}

unsigned long QERNO_CALL GetMovieNominalRate(unsigned short id) {
    if (!HasMovie(id))
        return 0;
    MCI_GETDEVCAPS_PARMS block = {};
    block.dwItem = MCI_ANIM_GETDEVCAPS_NORMAL_RATE;
    if (!ShowMciErrorStr(SendMciCommand(id, MCI_GETDEVCAPS, MCI_GETDEVCAPS_ITEM, &block),
                         kLabelNominalRate))
        return 0;
    return static_cast<unsigned long>(block.dwReturn);
}

// Devices without a nominal rate play at their speed.
unsigned long QERNO_CALL GetMovieFrameRate(unsigned short id) {
    if (!HasMovie(id))
        return 0;
    const unsigned long nominal = GetMovieNominalRate(id);
    return nominal ? nominal : GetMovieSpeed(id);
}
