// Animation devices (MMMovie, Animation1) showing their pictures in a display window of their
// own, a child of the host's window.
#include "QernoMedia.h"
#include "media/MciCommand.h"
#include "media/PictureDevice.h"

namespace {

constexpr char kLabelNominalRate[] = "-- Movie-Nominal-Rate -- ";

// MCI's animation command set, as the shared commands use it.
struct Movie {
    using OpenBlock = MCI_ANIM_OPEN_PARMSA;
    using WindowBlock = MCI_ANIM_WINDOW_PARMSA;
    using RectBlock = MCI_ANIM_RECT_PARMS;
    using UpdateBlock = MCI_ANIM_UPDATE_PARMS;
    using PlayBlock = MCI_ANIM_PLAY_PARMS;
    static constexpr DWORD kOpenWindowStyle = MCI_ANIM_OPEN_WS;
    static constexpr DWORD kOpenParent = MCI_ANIM_OPEN_PARENT;
    static constexpr DWORD kWindowHandle = MCI_ANIM_WINDOW_HWND | MCI_WAIT;
    static constexpr DWORD kWindowState = MCI_ANIM_WINDOW_STATE;
    static constexpr DWORD kRect = MCI_ANIM_RECT;
    static constexpr DWORD kWhereSource = MCI_ANIM_WHERE_SOURCE;
    static constexpr DWORD kWhereDestination = MCI_ANIM_WHERE_DESTINATION;
    static constexpr DWORD kPutDestination = MCI_ANIM_PUT_DESTINATION;
    static constexpr DWORD kUpdateDc = MCI_ANIM_UPDATE_HDC;
    static constexpr unsigned long kStatusWindow = MCI_ANIM_STATUS_HWND;
    static constexpr const char* kNoDevice = "of Movie";
    static constexpr const char* kInvalidDc = "MCI-ERROR: invalid hDC in UpdateMovie()";
    static constexpr const char* kLabelWindowHandle = "-- WINDOW HANDLE -- ";
    static constexpr const char* kLabelWhere = "-- WHERE -- ";
    static constexpr const char* kLabelPut = "-- PUT -- ";
    static constexpr const char* kLabelPlay = ::kLabelPlay;
    static constexpr const char* kLabelShowWindow = "-- WINDOW SHOW -- ";
    static unsigned long Status(unsigned short id, unsigned long item) {
        return GetMovieStatus(id, item);
    }
    // Any negative bound is left out.
    static bool IsBound(long bound) { return bound >= 0; }
};

} // namespace

unsigned short QERNO_CALL OpenMovie(const char* deviceType, const char* element, const char* alias,
                                    HWND parent, HWND notify, unsigned long style) {
    return OpenPictureDevice<Movie>(deviceType, element, alias, parent, notify, style);
}

int QERNO_CALL SetMovieWindow(unsigned short id, HWND window) {
    return SetPictureWindow<Movie>(id, window);
}

int QERNO_CALL GetMovieFrame(unsigned short id, RECT* rect, int destination) {
    return GetPictureFrame<Movie>(id, rect, destination);
}

int QERNO_CALL SetMovieWndPos(unsigned short id, RECT* rect) {
    return MovePictureWindow<Movie>(id, rect);
}

int QERNO_CALL SetMovieArea(unsigned short id, RECT* rect) {
    return SetPictureArea<Movie>(id, rect);
}

int QERNO_CALL SetMoviePosition(unsigned short id, unsigned long position) {
    return SetPicturePosition<Movie>(id, position);
}

int QERNO_CALL UpdateMovie(unsigned short id, HDC dc, RECT* rect) {
    return UpdatePicture<Movie>(id, dc, rect);
}

void QERNO_CALL PaintMovie(HDC dc, unsigned short id, RECT* rect) {
    UpdatePicture<Movie>(id, dc, rect);
}

HWND QERNO_CALL GetMovieStageWnd(unsigned short id) {
    return GetPictureWindow<Movie>(id);
}

unsigned long QERNO_CALL GetMovieStatus(unsigned short id, unsigned long item) {
    if (!HasPictureDevice<Movie>(id))
        return 0;
    return GetMediaStatus(id, item);
}

int QERNO_CALL PlayMovie(unsigned short id, int from, int to, HWND notify) {
    return PlayPicture<Movie>(id, from, to, notify);
}

int QERNO_CALL ShowMovieWindow(unsigned short id, int show) {
    return ShowPictureWindow<Movie>(id, show);
}

int QERNO_CALL CloseMovie(unsigned short id) {
    return ClosePicture<Movie>(id);
}

int QERNO_CALL StopMovie(unsigned short id) {
    if (!HasPictureDevice<Movie>(id))
        return 0;
    return StopMedia(id);
}

HBITMAP QERNO_CALL GetMovieBitmap(unsigned short id, HDC dc) {
    return PictureAsBitmap<Movie>(id, dc);
}

unsigned long QERNO_CALL GetMovieSpeed(unsigned short id) {
    return GetMovieStatus(id, MCI_ANIM_STATUS_SPEED);
}

unsigned long QERNO_CALL GetMovieNominalRate(unsigned short id) {
    if (!HasPictureDevice<Movie>(id))
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
    if (!HasPictureDevice<Movie>(id))
        return 0;
    const unsigned long nominal = GetMovieNominalRate(id);
    return nominal ? nominal : GetMovieSpeed(id);
}
