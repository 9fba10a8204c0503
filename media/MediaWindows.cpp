// Start-up and unload of the player windows.
#include "media/MediaWindows.h"
#include "media/ControlBar.h"
#include "media/WaveOutPlayer.h"

int InitMediaWindows(HWND, HINSTANCE instance) {
    if (!RegisterThumbClass(instance) || !RegisterWaveOutClass(instance))
        return 0;
    CreateBarDrawingObjects();
    MeasureBarBitmaps();
    return 1;
}

void ReleaseMediaWindows() {
    DeleteBarDrawingObjects();
}
