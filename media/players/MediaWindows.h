// Start-up and unload of the player windows: classes, the bar's drawing objects, the stage slots.
#pragma once

#include <windows.h>

// 0 when one of the three classes cannot be registered; the window is not used.
int InitMediaWindows(HWND window, HINSTANCE instance);
void ReleaseMediaWindows();
