// The stage windows: opening one for a file, its play state and its window procedure.
#pragma once

#include "media/players/StageSlots.h"

// The thumb's timer of windows with a bar, and its period.
constexpr UINT_PTR kThumbTimer = 1;
constexpr UINT kThumbTimerMs = 250;

LRESULT CALLBACK StageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The routine behind OpenMediaPlayWnd and the switch between windowed and full screen; with
// reusePosition play starts at savedPosition instead of the range's start.
HWND OpenStage(HWND owner, const char* title, const char* key, const char* file,
               unsigned long start, unsigned long end, bool withBar, bool reusePosition,
               unsigned long savedPosition);
// Opens the slot's file on its device with the slot's window as parent and sets the play range;
// a failure is prompted.
bool OpenStageDevice(StageSlot& slot);
// For a device whose medium has gone; false (and the window closed) when it cannot be reopened.
bool ReopenStageDeviceIfGone(StageSlot& slot);
// Closes the window and opens the same file and key the other way, at the same position.
void SwitchStageMode(StageSlot& slot);

// Play state. Each may close the window (a device that cannot be reopened): a caller that goes
// on checks that slot.window is still its window.
void StartStagePlay(StageSlot& slot);
void PauseStage(StageSlot& slot);
void StopStage(StageSlot& slot);
void EndStagePlay(StageSlot& slot);
void StageScrollStep(StageSlot& slot, int code);
void MoveStageThumb(const StageSlot& slot);
// Stops and closes the device and frees the slot, as the window goes.
void CloseStage(StageSlot& slot);
void CALLBACK StageThumbTimer(HWND window, UINT message, UINT_PTR id, DWORD time);
