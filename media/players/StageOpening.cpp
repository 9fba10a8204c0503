// Opening a media file in a stage window: the slot, the window, the device and its play range,
// the size of the window around the picture, and the switch between windowed and full screen.
#include "QernoConfig.h"
#include "QernoFrame.h"
#include "QernoLog.h"
#include "QernoMedia.h"
#include "frame/afx/ModuleState.h"
#include "media/players/ControlBar.h"
#include "media/players/StageRange.h"
#include "media/players/StageWindow.h"

namespace {

enum PromptId : unsigned int {
    kPromptNoFile = 12032,
    kPromptDeviceNotOpened = 12300,
    kPromptNotPlayable = 12304,
    kPromptNoKey = 12305,
};

constexpr DWORD kWindowedStyle = WS_POPUP | WS_CLIPCHILDREN | WS_CAPTION;
constexpr DWORD kFullScreenStyle = WS_POPUP | WS_CLIPCHILDREN;
constexpr DWORD kPictureStyle = WS_CHILD | WS_DISABLED;
constexpr UINT kPlaceOnly = SWP_NOZORDER | SWP_NOOWNERZORDER;
// The first size of a windowed video, until its picture is known.
constexpr int kVideoFirstSize = 50;
// Kept free around a full-screen picture.
constexpr int kScreenMargin = 4;
// The longest title the switch carries over, and its terminator.
constexpr int kTitleSize = 127;

bool IsPlayable(int mediaType) {
    return mediaType == kStageVideo || mediaType == kStageMovie || mediaType == kStageSound;
}

// Prompts that cannot wait for a window go to the top of the host's owner chain.
HWND HostMainWindow(HWND stage) {
    const HWND owner = GetWindow(stage, GW_OWNER);
    return owner ? GetAncestor(owner, GA_ROOTOWNER) : nullptr;
}

// Frees a slot whose window never became a stage window: its WM_DESTROY found no slot.
HWND AbandonSlot(StageSlot& slot) {
    if (slot.window)
        DestroyWindow(slot.window);
    ClearStageSlot(slot);
    return nullptr;
}

// The slot for file: a window that plays the same file goes, and with all slots in use, slot 0's.
StageSlot& TakeSlot(const char* file) {
    if (const StageSlot* same = FindStageByFile(file))
        SendMessageA(same->window, WM_CLOSE, 0, 0);
    int index = FirstFreeStageSlot();
    if (index < 0) {
        index = 0;
        SendMessageA(StageSlotAt(0).window, WM_CLOSE, 0, 0);
    }
    return StageSlotAt(index);
}

HWND CreateStageWindow(const StageSlot& slot, HWND owner) {
    DWORD style = kWindowedStyle;
    RECT place = {0, 0, kVideoFirstSize, kVideoFirstSize}; // x, y, width, height
    if (slot.mediaType == kStageSound) {
        place = SoundPlayerPlace();
    } else if (!slot.hasBar) {
        style = kFullScreenStyle;
        place = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    }
    const HWND window =
        CreateWindowExA(0, kStageWindowClass, nullptr, style, place.left, place.top, place.right,
                        place.bottom, owner, nullptr, afx::LibraryModuleState().instance, nullptr);
    if (!window)
        GetSysLog()->SysLogSystemError(kLogCateFrame, GetLastError(),
                                       "Cannot create stageWnd for %s", slot.key);
    return window;
}

// The window's client area becomes the picture over the bar, centred on the screen.
RECT FitWindowToPicture(HWND window, int width, int height) {
    RECT frame = {0, 0, width, height + kPlayerBarHeight};
    AdjustWindowRect(&frame, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE);
    const int windowWidth = frame.right + GetSystemMetrics(SM_CXBORDER);
    const int windowHeight =
        frame.bottom + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYBORDER);
    const int top = (GetSystemMetrics(SM_CYSCREEN) - windowHeight) / 2;
    SetWindowPos(window, nullptr, (GetSystemMetrics(SM_CXSCREEN) - windowWidth) / 2,
                 top < 0 ? 0 : top, windowWidth, windowHeight, kPlaceOnly);
    return {0, 0, width, height};
}

// The picture scaled to the screen less its margin, keeping its proportions, centred.
RECT ScalePictureToScreen(int width, int height) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    if (width > 0 && height > 0) {
        const float across = float(screenWidth - kScreenMargin) / float(width);
        const float down = float(screenHeight - kScreenMargin) / float(height);
        const float scale = across < down ? across : down;
        width = static_cast<int>(float(width) * scale);
        height = static_cast<int>(float(height) * scale);
    }
    return {(screenWidth - width) / 2, (screenHeight - height) / 2, width, height};
}

// Places the device's display window over the picture rectangle of a video or movie.
void PlacePicture(const StageSlot& slot) {
    const bool video = slot.mediaType == kStageVideo;
    RECT source = {}; // left, top, width, height
    if (video)
        GetVideoFrame(slot.media, &source, 0);
    else
        GetMovieFrame(slot.media, &source, 0);
    const PictureSize size = ShowablePictureSize(source.right, source.bottom, kVideoFirstSize);
    if (size.width != source.right || size.height != source.bottom)
        GetSysLog()->SysLogWarning(kLogCateMedia,
                                   "Picture of %s reported as %ld x %ld, shown at %d x %d",
                                   slot.file, source.right, source.bottom, size.width, size.height);
    const HWND display = video ? GetVideoStageWnd(slot.media) : GetMovieStageWnd(slot.media);
    const RECT picture = slot.hasBar ? FitWindowToPicture(slot.window, size.width, size.height)
                                     : ScalePictureToScreen(size.width, size.height);
    SetWindowPos(display, nullptr, picture.left, picture.top, picture.right, picture.bottom,
                 kPlaceOnly);
    // Not every driver stretches its picture with the window: the destination says so too.
    RECT destination = {0, 0, picture.right, picture.bottom};
    if (video)
        SetVideoArea(slot.media, &destination);
    else
        SetMovieArea(slot.media, &destination);
}

void SetPlayRange(StageSlot& slot, unsigned long start, unsigned long end) {
    const StageDevice device = {GetMediaStartPosition(slot.media), GetMediaLength(slot.media),
                                start == kStageDefaultBound ? GetMediaPosition(slot.media) : 0};
    const StageRange fitted = FitStageRange(start, end, device, slot.frames);
    slot.start = fitted.start;
    slot.end = fitted.end;
    slot.range = fitted.range;
    slot.position = fitted.start;
    SetMediaPosition(slot.media, slot.start);
    slot.playing = false;
}

unsigned short OpenDevice(const StageSlot& slot) {
    char type[32] = ""; // the longest MCI type name is 11 characters
    switch (slot.mediaType) {
    case kStageVideo:
        GetVideoTypeString(CheckVideoFileType(slot.file), type);
        return *type ? OpenVideo(type, slot.file, nullptr, slot.window, nullptr, kPictureStyle) : 0;
    case kStageMovie:
        GetMovieTypeString(CheckMovieFileType(slot.file), type);
        return *type ? OpenMovie(type, slot.file, nullptr, slot.window, nullptr, kPictureStyle) : 0;
    case kStageSound:
        GetSoundTypeString(CheckSoundFileType(slot.file), type);
        return *type ? OpenSound(type, slot.file, nullptr, nullptr) : 0;
    default:
        GetSysLog()->SysLogError(kLogCateMedia, "Unknown MediaType: %d", slot.mediaType);
        return 0;
    }
}

} // namespace

bool OpenStageDevice(StageSlot& slot) {
    const unsigned short media = OpenDevice(slot);
    if (!media) {
        PromptErrorID(HostMainWindow(slot.window), kPromptDeviceNotOpened);
        return false;
    }
    slot.media = media;
    SetMediaTimeFormat(slot.media, slot.frames ? MCI_FORMAT_FRAMES : MCI_FORMAT_MILLISECONDS);
    SetPlayRange(slot, slot.start, slot.end);
    return true;
}

bool ReopenStageDeviceIfGone(StageSlot& slot) {
    if (IsMediaPresent(slot.media))
        return true;
    CloseMedia(slot.media);
    slot.media = 0;
    if (OpenStageDevice(slot))
        return true;
    SendMessageA(slot.window, WM_CLOSE, 0, 0);
    return false;
}

HWND OpenStage(HWND owner, const char* title, const char* key, const char* file,
               unsigned long start, unsigned long end, bool withBar, bool reusePosition,
               unsigned long savedPosition) {
    if (!*file) {
        PromptErrorID(owner, kPromptNoFile);
        return nullptr;
    }
    const int mediaType = GetFileNameType(file);
    if (!IsPlayable(mediaType)) {
        PromptErrorID(owner, kPromptNotPlayable);
        return nullptr;
    }
    if (!*key) {
        PromptErrorID(owner, kPromptNoKey);
        return nullptr;
    }
    if (StageSlot* playing = FindStageByKey(key)) {
        if (playing->hasBar) {
            SendMessageA(playing->window, WM_COMMAND, kStopButton, 0);
            SendMessageA(playing->window, WM_COMMAND, kPlayButton, 0);
        } else {
            const HWND window = playing->window;
            StopStage(*playing);
            if (playing->window == window)
                StartStagePlay(*playing);
        }
        return nullptr;
    }

    char path[kStageTextSize]; // the file as the slot keeps it
    lstrcpynA(path, file, sizeof path);
    StageSlot& slot = TakeSlot(path);
    ClearStageSlot(slot);
    CopyStageText(slot.file, path);
    CopyStageText(slot.key, key);
    slot.position = slot.start = start;
    slot.end = end;
    slot.mediaType = mediaType;
    slot.frames = mediaType != kStageSound;
    slot.hasBar = withBar || mediaType == kStageSound;

    slot.window = CreateStageWindow(slot, owner);
    if (!slot.window || !OpenStageDevice(slot))
        return AbandonSlot(slot);
    if (mediaType != kStageSound)
        PlacePicture(slot);
    const HWND window = slot.window;
    SetWindowWord(window, kStageSlotWord, static_cast<WORD>(&slot - &StageSlotAt(0) + 1));
    SetWindowTextA(window, StageTitle(title, slot.file));
    if (slot.hasBar) {
        BuildControlBar(window, mediaType != kStageSound);
        slot.thumbTimer = StageThumbTimer;
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    if (reusePosition)
        slot.position = savedPosition;
    SetMediaPosition(slot.media, slot.position);
    if (slot.hasBar)
        SendMessageA(window, WM_COMMAND, kPlayButton, 0);
    else
        StartStagePlay(slot);
    return window;
}

void SwitchStageMode(StageSlot& slot) {
    PauseStage(slot);
    const StageSlot copy = slot;
    const HWND owner = GetWindow(slot.window, GW_OWNER);
    char title[kTitleSize] = "";
    GetWindowTextA(slot.window, title, sizeof title);
    SendMessageA(slot.window, WM_CLOSE, 0, 0);
    OpenStage(owner, title, copy.key, copy.file, copy.start, copy.end, !copy.hasBar, true,
              copy.position);
}
