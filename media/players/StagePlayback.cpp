// Play, pause, stop, end of play and the scroll steps of a stage window, with the bar following.
#include "QernoConfig.h"
#include "QernoMedia.h"
#include "media/players/ControlBar.h"
#include "media/players/StageRange.h"
#include "media/players/StageWindow.h"

namespace {

// The sub-type of CheckVideoFileType that the playing-video count is kept for.
constexpr WORD kMpegVideo = 2;

bool IsMpegVideo(const StageSlot& slot) {
    return slot.mediaType == kStageVideo && CheckVideoFileType(slot.file) == kMpegVideo;
}

void StopDevice(const StageSlot& slot) {
    StopMedia(slot.media);
    if (IsMpegVideo(slot))
        DecreasePlayingVideoCount();
}

// Dragging seeks live only where a frame shows; a sound seeks once the drag ends.
bool SeeksOn(int code, bool frames) {
    switch (code) {
    case SB_PAGEUP:
    case SB_PAGEDOWN:
    case SB_THUMBPOSITION:
    case SB_TOP:
    case SB_BOTTOM:
        return true;
    case SB_THUMBTRACK:
        return frames;
    case SB_ENDSCROLL:
        return !frames;
    default:
        return false;
    }
}

} // namespace

void StartStagePlay(StageSlot& slot) {
    const HWND window = slot.window;
    if (slot.position >= slot.end && !slot.hasBar)
        slot.position = slot.start;
    if (slot.position >= slot.end && slot.hasBar) {
        StageScrollStep(slot, SB_TOP);
        if (slot.window != window)
            return;
    }
    SetMediaPosition(slot.media, slot.position);
    if (slot.hasBar)
        SetTimer(window, kThumbTimer, kThumbTimerMs, slot.thumbTimer);
    slot.playing = PlayMedia(slot.media, kNoMediaPosition, slot.end, window) != 0;
    if (slot.playing && IsMpegVideo(slot))
        IncreasePlayingVideoCount();
    if (!slot.hasBar)
        return;
    if (slot.playing)
        ShowBarPlaying(window, true, true);
    else
        KillTimer(window, kThumbTimer);
}

void PauseStage(StageSlot& slot) {
    if (!slot.playing)
        return;
    if (slot.hasBar)
        KillTimer(slot.window, kThumbTimer);
    StopDevice(slot);
    slot.playing = false;
    slot.position = GetMediaPosition(slot.media);
    if (!slot.hasBar)
        return;
    MoveStageThumb(slot);
    ShowBarPlaying(slot.window, false, true);
}

void StopStage(StageSlot& slot) {
    if (!slot.playing)
        return;
    const HWND window = slot.window;
    if (slot.hasBar)
        KillTimer(window, kThumbTimer);
    StopDevice(slot);
    slot.playing = false;
    if (!slot.hasBar)
        return;
    StageScrollStep(slot, SB_TOP);
    if (slot.window != window)
        return;
    FocusBarButton(window, kPlayButton);
    RedrawBarButton(window, kPlayButtonIndex, false, true);
    EnableBarButton(window, kStopButtonIndex, false);
}

void EndStagePlay(StageSlot& slot) {
    if (slot.media)
        StopDevice(slot);
    slot.position = slot.end;
    if (!slot.hasBar)
        return;
    MoveStageThumb(slot);
    KillTimer(slot.window, kThumbTimer);
    slot.playing = false;
    ShowBarPlaying(slot.window, false, false);
    FocusBarButton(slot.window, kPlayButton);
}

void StageScrollStep(StageSlot& slot, int code) {
    if (!ReopenStageDeviceIfGone(slot))
        return;
    if (IsMediaPlaying(slot.media)) {
        KillTimer(slot.window, kThumbTimer);
        StopDevice(slot);
    }
    const unsigned long position =
        SteppedPosition(code, slot.position, slot.start, slot.end, slot.range);
    if (SeeksOn(code, slot.frames))
        SetMediaPosition(slot.media, position);
    slot.position = position;
    if (code != SB_THUMBPOSITION && code != SB_THUMBTRACK)
        MoveStageThumb(slot);
    if (code == SB_THUMBTRACK || !slot.playing)
        return;
    slot.playing = false;
    SendMessageA(slot.window, WM_COMMAND, kPlayButton, 0);
}

void MoveStageThumb(const StageSlot& slot) {
    SetThumb(slot.window, slot.range, StageOffset(slot.position, slot.start, slot.frames));
}

void CloseStage(StageSlot& slot) {
    if (slot.media) {
        if (slot.playing) {
            StopDevice(slot);
            slot.playing = false;
        }
        if (slot.hasBar)
            KillTimer(slot.window, kThumbTimer);
        CloseMedia(slot.media);
    }
    SetWindowWord(slot.window, kStageSlotWord, 0);
    ClearStageSlot(slot);
}

void CALLBACK StageThumbTimer(HWND window, UINT, UINT_PTR, DWORD) {
    if (StageSlot* slot = FindStageByWindow(window)) {
        slot->position = GetMediaPosition(slot->media);
        MoveStageThumb(*slot);
    }
}
