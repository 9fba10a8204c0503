// The stage window procedure: a window with a bar answers its buttons, thumb and track; a full
// screen one answers the space bar, Escape and a double click.
#include "QernoMedia.h"
#include "media/players/ControlBar.h"
#include "media/players/StageRange.h"
#include "media/players/StageWindow.h"

namespace {

void ButtonCommand(StageSlot& slot, int id) {
    const HWND window = slot.window;
    if (!ReopenStageDeviceIfGone(slot))
        return;
    switch (id) {
    case kPlayButton:
        if (slot.playing)
            PauseStage(slot);
        else
            StartStagePlay(slot);
        break;
    case kStopButton:
        StopStage(slot);
        return;
    case kToStartButton:
    case kPageBackButton:
    case kPageForwardButton:
    case kToEndButton:
        StageScrollStep(slot, StepButtonScrollCode(id));
        break;
    case kFullScreenButton:
        if (slot.mediaType != kStageSound)
            SwitchStageMode(slot);
        return;
    case kCloseButton:
        SendMessageA(window, WM_CLOSE, 0, 0);
        return;
    default:
        return;
    }
    if (slot.window == window)
        FocusBarButton(window, id);
}

void PaintBar(const StageSlot& slot) {
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(slot.window, &paint);
    PaintControlBar(slot.window, dc, slot.range, !slot.frames);
    DrawPositionText(slot.window, slot.range, StageOffset(slot.position, slot.start, slot.frames),
                     !slot.frames);
    EndPaint(slot.window, &paint);
}

// The thumb was dragged to pixel, or the track clicked there.
void SeekToThumbPixel(StageSlot& slot, int pixel) {
    slot.position = slot.start + ThumbValue(slot.window, slot.range, pixel);
    UpdateWindow(slot.window);
}

LRESULT BarMessage(StageSlot& slot, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintBar(slot);
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED)
            ButtonCommand(slot, LOWORD(wParam));
        return 0;
    case WM_DRAWITEM:
        DrawBarButton(slot.window, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), slot.playing);
        return TRUE;
    case WM_HSCROLL:
        if (LOWORD(wParam) == SB_THUMBTRACK)
            SeekToThumbPixel(slot, static_cast<short>(LOWORD(lParam)));
        StageScrollStep(slot, LOWORD(wParam));
        return 0;
    case WM_LBUTTONUP: {
        const int pixel = TrackHit(slot.window, lParam);
        if (pixel >= 1) {
            SeekToThumbPixel(slot, pixel);
            StageScrollStep(slot, SB_THUMBPOSITION);
        }
        return 0;
    }
    default:
        return DefWindowProcA(slot.window, message, wParam, lParam);
    }
}

LRESULT FullScreenMessage(StageSlot& slot, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && ReopenStageDeviceIfGone(slot)) {
            if (slot.playing)
                PauseStage(slot);
            else
                StartStagePlay(slot);
        } else if (wParam == VK_ESCAPE) {
            SwitchStageMode(slot);
        }
        return 0;
    case WM_LBUTTONDBLCLK:
        SwitchStageMode(slot);
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(slot.window, &paint);
        FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EndPaint(slot.window, &paint);
        return 0;
    }
    default:
        return DefWindowProcA(slot.window, message, wParam, lParam);
    }
}

} // namespace

LRESULT CALLBACK StageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    StageSlot* slot = FindStageByWindow(window);
    if (!slot)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case MM_MCINOTIFY:
        if (wParam == MCI_NOTIFY_SUCCESSFUL)
            EndStagePlay(*slot);
        return 0;
    case WM_DESTROY:
        CloseStage(*slot);
        return DefWindowProcA(window, message, wParam, lParam);
    default:
        return slot->hasBar ? BarMessage(*slot, message, wParam, lParam)
                            : FullScreenMessage(*slot, message, wParam, lParam);
    }
}
