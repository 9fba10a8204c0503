// Digital-video devices (AVI, MPEG, QuickTime, ActiveMovie) showing their pictures in a display
// window of their own, a child of the host's window.
#include "QernoMedia.h"
#include "media/MciCommand.h"
#include "media/PictureDevice.h"

#include <digitalv.h>

namespace {

constexpr char kLabelVideoStatus[] = "-- Video-Status -- ";
// Speed changes report under the sound label too.
constexpr char kLabelSet[] = "-- Set-Video-Audio-OnOff -- ";
constexpr char kLabelNominalRate[] = "-- Video-Nominal-Rate -- ";

// MCI's digital-video command set, as the shared commands use it.
struct Video {
    using OpenBlock = MCI_DGV_OPEN_PARMSA;
    using WindowBlock = MCI_DGV_WINDOW_PARMSA;
    using RectBlock = MCI_DGV_RECT_PARMS;
    using UpdateBlock = MCI_DGV_UPDATE_PARMS;
    using PlayBlock = MCI_DGV_PLAY_PARMS;
    static constexpr DWORD kOpenWindowStyle = MCI_DGV_OPEN_WS;
    static constexpr DWORD kOpenParent = MCI_DGV_OPEN_PARENT;
    static constexpr DWORD kWindowHandle = MCI_DGV_WINDOW_HWND;
    static constexpr DWORD kWindowState = MCI_DGV_WINDOW_STATE;
    static constexpr DWORD kRect = MCI_DGV_RECT;
    static constexpr DWORD kWhereSource = MCI_DGV_WHERE_SOURCE;
    static constexpr DWORD kWhereDestination = MCI_DGV_WHERE_DESTINATION;
    static constexpr DWORD kPutDestination = MCI_DGV_PUT_DESTINATION;
    static constexpr DWORD kUpdateDc = MCI_DGV_UPDATE_HDC;
    static constexpr unsigned long kStatusWindow = MCI_DGV_STATUS_HWND;
    static constexpr const char* kNoDevice = "of Video";
    static constexpr const char* kInvalidDc = "MCI-ERROR: invalid hDC in UpdateVideo()";
    static constexpr const char* kLabelWindowHandle = "-- Video-Wnd-Handle -- ";
    static constexpr const char* kLabelWhere = "-- Get-Video-Frame -- ";
    static constexpr const char* kLabelPut = "-- Set-Video-Area -- ";
    static constexpr const char* kLabelPlay = "-- Play-Video -- ";
    static constexpr const char* kLabelShowWindow = "-- Show-Video-Wnd -- ";
    static unsigned long Status(unsigned short id, unsigned long item) {
        return GetVideoStatus(id, item);
    }
    // Only -1 leaves a bound out.
    static bool IsBound(long bound) { return bound != -1; }
};

} // namespace

unsigned short QERNO_CALL OpenVideo(const char* deviceType, const char* element, const char* alias,
                                    HWND parent, HWND notify, unsigned long style) {
    return OpenPictureDevice<Video>(deviceType, element, alias, parent, notify, style);
}

int QERNO_CALL SetVideoWindow(unsigned short id, HWND window) {
    return SetPictureWindow<Video>(id, window);
}

int QERNO_CALL GetVideoFrame(unsigned short id, RECT* rect, int destination) {
    return GetPictureFrame<Video>(id, rect, destination);
}

int QERNO_CALL SetVideoWndPos(unsigned short id, RECT* rect) {
    return MovePictureWindow<Video>(id, rect);
}

int QERNO_CALL SetVideoArea(unsigned short id, RECT* rect) {
    return SetPictureArea<Video>(id, rect);
}

int QERNO_CALL SetVideoPosition(unsigned short id, long position) {
    return SetPicturePosition<Video>(id, static_cast<unsigned long>(position));
}

int QERNO_CALL UpdateVideo(unsigned short id, HDC dc, RECT* rect) {
    return UpdatePicture<Video>(id, dc, rect);
}

void QERNO_CALL PaintVideo(HDC dc, unsigned short id, RECT* rect) {
    UpdatePicture<Video>(id, dc, rect);
}

HWND QERNO_CALL GetVideoStageWnd(unsigned short id) {
    return GetPictureWindow<Video>(id);
}

unsigned long QERNO_CALL GetVideoStatus(unsigned short id, unsigned long item) {
    if (!HasPictureDevice<Video>(id))
        return 0;
    MCI_DGV_STATUS_PARMSA block = {};
    block.dwItem = item;
    if (!ShowMciErrorStr(SendMciCommand(id, MCI_STATUS, MCI_STATUS_ITEM, &block),
                         kLabelVideoStatus))
        return 0;
    return static_cast<unsigned long>(block.dwReturn);
}

int QERNO_CALL PlayVideo(unsigned short id, long from, long to, HWND notify) {
    return PlayPicture<Video>(id, from, to, notify);
}

int QERNO_CALL ShowVideoWindow(unsigned short id, int show) {
    return ShowPictureWindow<Video>(id, show);
}

int QERNO_CALL CloseVideo(unsigned short id) {
    return ClosePicture<Video>(id);
}

// No check of its own: a 0 id goes to MCI, whose refusal is logged under the stop label.
int QERNO_CALL StopVideo(unsigned short id) {
    return StopMedia(id);
}

HBITMAP QERNO_CALL GetVideoBitmap(unsigned short id, HDC dc) {
    return PictureAsBitmap<Video>(id, dc);
}

int QERNO_CALL SetVideoAudioOn(unsigned short id, int on) {
    if (!HasPictureDevice<Video>(id))
        return 0;
    MCI_DGV_SET_PARMS block = {};
    block.dwAudio = MCI_SET_AUDIO_ALL;
    const DWORD flags = MCI_SET_AUDIO | (on ? MCI_SET_ON : MCI_SET_OFF);
    return ShowMciErrorStr(SendMciCommand(id, MCI_SET, flags, &block), kLabelSet);
}

int QERNO_CALL SetVideoSpeed(unsigned short id, long speed) {
    if (!HasPictureDevice<Video>(id))
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
    if (!HasPictureDevice<Video>(id))
        return 0;
    MCI_DGV_STATUS_PARMSA block = {};
    block.dwItem = MCI_DGV_STATUS_FRAME_RATE;
    const DWORD flags = MCI_STATUS_ITEM | MCI_DGV_STATUS_NOMINAL;
    if (!ShowMciErrorStr(SendMciCommand(id, MCI_STATUS, flags, &block), kLabelNominalRate))
        return 0;
    return static_cast<unsigned long>(block.dwReturn);
}
