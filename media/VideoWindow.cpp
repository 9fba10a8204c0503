// Digital-video devices (AVI, MPEG, QuickTime, ActiveMovie) showing their pictures in a display
// window of their own, a child of the host's window.
#include "QernoMedia.h"
#include "media/FrameBitmap.h"
#include "media/MciCommand.h"

#include <digitalv.h>

namespace {

constexpr char kLabelWindowHandle[] = "-- Video-Wnd-Handle -- ";
constexpr char kLabelFrame[] = "-- Get-Video-Frame -- ";
constexpr char kLabelArea[] = "-- Set-Video-Area -- ";
constexpr char kLabelUpdate[] = "-- UPDATE -- ";
constexpr char kLabelVideoStatus[] = "-- Video-Status -- ";
constexpr char kLabelPlayVideo[] = "-- Play-Video -- ";
constexpr char kLabelShowWindow[] = "-- Show-Video-Wnd -- ";
// Speed changes report under the sound label too.
constexpr char kLabelSet[] = "-- Set-Video-Audio-OnOff -- ";
constexpr char kLabelNominalRate[] = "-- Video-Nominal-Rate -- ";

// A play bound that is left out.
constexpr long kNoVideoBound = -1;

// False, with the failure logged, for a caller that has no device.
bool HasVideo(unsigned short id) {
    return id != 0 || ShowMciErrorStr(kInvalidMediaId, "of Video");
}

} // namespace

unsigned short QERNO_CALL OpenVideo(const char* deviceType, const char* element, const char* alias,
                                    HWND parent, HWND notify, unsigned long style) {
    MCI_DGV_OPEN_PARMSA block = {};
    block.dwCallback = MciCallback(notify);
    // The digital-video block declares its strings writable; MCI only reads them.
    block.lpstrDeviceType = const_cast<char*>(deviceType);
    block.lpstrElementName = const_cast<char*>(element);
    block.lpstrAlias = const_cast<char*>(alias);
    block.dwStyle = style;
    block.hWndParent = parent;
    DWORD flags = MCI_OPEN_TYPE | MCI_OPEN_ELEMENT | MCI_DGV_OPEN_WS;
    if (parent)
        flags |= MCI_DGV_OPEN_PARENT;
    if (notify)
        flags |= MCI_NOTIFY;
    if (alias)
        flags |= MCI_OPEN_ALIAS;
    if (!ShowMciErrorStr(SendMciCommand(0, MCI_OPEN, flags, &block), kLabelOpen))
        return 0;
    return static_cast<unsigned short>(block.wDeviceID);
}

int QERNO_CALL SetVideoWindow(unsigned short id, HWND window) {
    if (!HasVideo(id))
        return 0;
    MCI_DGV_WINDOW_PARMSA block = {};
    block.hWnd = window;
    return ShowMciErrorStr(SendMciCommand(id, MCI_WINDOW, MCI_DGV_WINDOW_HWND, &block),
                           kLabelWindowHandle);
}

int QERNO_CALL GetVideoFrame(unsigned short id, RECT* rect, int destination) {
    if (!HasVideo(id))
        return 0;
    MCI_DGV_WHERE_PARMS block = {};
    const DWORD part = destination ? MCI_DGV_WHERE_DESTINATION : MCI_DGV_WHERE_SOURCE;
    const MCIERROR error = SendMciCommand(id, MCI_WHERE, MCI_DGV_RECT | part, &block);
    if (rect)
        *rect = block.rc;
    return ShowMciErrorStr(error, kLabelFrame);
}

int QERNO_CALL SetVideoWndPos(unsigned short id, RECT* rect) {
    if (!HasVideo(id) || !rect)
        return 0;
    MoveWindow(GetVideoStageWnd(id), rect->left, rect->top, rect->right, rect->bottom, TRUE);
    return 1;
}

int QERNO_CALL SetVideoArea(unsigned short id, RECT* rect) {
    if (!HasVideo(id) || !rect)
        return 0;
    MCI_DGV_PUT_PARMS block = {};
    block.rc = {rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top};
    const MCIERROR error =
        SendMciCommand(id, MCI_PUT, MCI_DGV_RECT | MCI_DGV_PUT_DESTINATION, &block);
    return ShowMciErrorStr(error, kLabelArea);
}

int QERNO_CALL SetVideoPosition(unsigned short id, long position) {
    if (!HasVideo(id))
        return 0;
    return SetMediaPosition(id, static_cast<unsigned long>(position));
}

int QERNO_CALL UpdateVideo(unsigned short id, HDC dc, RECT* rect) {
    if (!HasVideo(id))
        return 0;
    if (!dc)
        return ShowCustomErrorStr("MCI-ERROR: invalid hDC in UpdateVideo()");
    MCI_DGV_UPDATE_PARMS block = {};
    block.hDC = dc;
    DWORD flags = MCI_DGV_UPDATE_HDC;
    if (rect) {
        block.rc = *rect;
        flags |= MCI_DGV_RECT;
    }
    return ShowMciErrorStr(SendMciCommand(id, MCI_UPDATE, flags, &block), kLabelUpdate);
}

void QERNO_CALL PaintVideo(HDC dc, unsigned short id, RECT* rect) {
    UpdateVideo(id, dc, rect);
}

HWND QERNO_CALL GetVideoStageWnd(unsigned short id) {
    if (!HasVideo(id))
        return nullptr;
    // Window handles keep 32 significant bits, sign-extended in 64-bit processes.
    const LONG handle = static_cast<LONG>(GetVideoStatus(id, MCI_DGV_STATUS_HWND));
    return static_cast<HWND>(LongToHandle(handle));
}

unsigned long QERNO_CALL GetVideoStatus(unsigned short id, unsigned long item) {
    if (!HasVideo(id))
        return 0;
    MCI_DGV_STATUS_PARMSA block = {};
    block.dwItem = item;
    if (!ShowMciErrorStr(SendMciCommand(id, MCI_STATUS, MCI_STATUS_ITEM, &block),
                         kLabelVideoStatus))
        return 0;
    return static_cast<unsigned long>(block.dwReturn);
}

int QERNO_CALL PlayVideo(unsigned short id, long from, long to, HWND notify) {
    if (!HasVideo(id))
        return 0;
    MCI_DGV_PLAY_PARMS block = {};
    block.dwCallback = MciCallback(notify);
    block.dwFrom = static_cast<DWORD>(from);
    block.dwTo = static_cast<DWORD>(to);
    DWORD flags = 0;
    if (from != kNoVideoBound)
        flags |= MCI_FROM;
    if (to != kNoVideoBound)
        flags |= MCI_TO;
    if (notify)
        flags |= MCI_NOTIFY;
    return ShowMciErrorStr(SendMciCommand(id, MCI_PLAY, flags, &block), kLabelPlayVideo);
}

int QERNO_CALL ShowVideoWindow(unsigned short id, int show) {
    if (!HasVideo(id))
        return 0;
    MCI_DGV_WINDOW_PARMSA block = {};
    block.nCmdShow = static_cast<UINT>(show);
    return ShowMciErrorStr(SendMciCommand(id, MCI_WINDOW, MCI_DGV_WINDOW_STATE, &block),
                           kLabelShowWindow);
}

int QERNO_CALL CloseVideo(unsigned short id) {
    if (!HasVideo(id))
        return 0;
    return CloseMedia(id);
}

// No check of its own: a 0 id goes to MCI, whose refusal is logged under the stop label.
int QERNO_CALL StopVideo(unsigned short id) {
    return StopMedia(id);
}

HBITMAP QERNO_CALL GetVideoBitmap(unsigned short id, HDC dc) {
    if (!HasVideo(id))
        return nullptr;
    return FrameAsBitmap(id, dc, GetVideoFrame, UpdateVideo);
}

int QERNO_CALL SetVideoAudioOn(unsigned short id, int on) {
    if (!HasVideo(id))
        return 0;
    MCI_DGV_SET_PARMS block = {};
    block.dwAudio = MCI_SET_AUDIO_ALL;
    const DWORD flags = MCI_SET_AUDIO | (on ? MCI_SET_ON : MCI_SET_OFF);
    return ShowMciErrorStr(SendMciCommand(id, MCI_SET, flags, &block), kLabelSet);
}

int QERNO_CALL SetVideoSpeed(unsigned short id, long speed) {
    if (!HasVideo(id))
        return 0;
    MCI_DGV_SET_PARMS block = {};
    block.dwSpeed = static_cast<DWORD>(speed);
    return ShowMciErrorStr(SendMciCommand(id, MCI_SET, MCI_DGV_SET_SPEED, &block), kLabelSet);
}

unsigned long QERNO_CALL GetVideoSpeed(unsigned short id) {
    return GetVideoStatus(id, MCI_DGV_STATUS_SPEED);
}

unsigned long QERNO_CALL GetVideoFrameRate(unsigned short id) {
    return GetVideoStatus(id, MCI_DGV_STATUS_FRAME_RATE);
}

unsigned long QERNO_CALL GetVideoNominalRate(unsigned short id) {
    if (!HasVideo(id))
        return 0;
    MCI_DGV_STATUS_PARMSA block = {};
    block.dwItem = MCI_DGV_STATUS_FRAME_RATE;
    const DWORD flags = MCI_STATUS_ITEM | MCI_DGV_STATUS_NOMINAL;
    if (!ShowMciErrorStr(SendMciCommand(id, MCI_STATUS, flags, &block), kLabelNominalRate))
        return 0;
    return static_cast<unsigned long>(block.dwReturn);
}
