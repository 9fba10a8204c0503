// Start-up and unload of the player windows.
#include "media/players/MediaWindows.h"
#include "QernoMedia.h"
#include "frame/afx/ModuleState.h"
#include "media/players/ControlBar.h"
#include "media/players/StageWindow.h"
#include "media/players/WaveOutPlayer.h"

#include <initializer_list>

namespace {

// Slot index + 1 at offset 0, the bar's button area at offset 2, four bytes spare.
constexpr int kStageWindowBytes = 8;

// A second start-up in the same process finds the classes of the first still registered.
bool Registered(bool registeredNow, HINSTANCE instance, const char* className) {
    WNDCLASSA existing;
    return registeredNow || GetClassInfoA(instance, className, &existing);
}

bool RegisterStageClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = StageWindowProc;
    windowClass.cbWndExtra = kStageWindowBytes;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kStageWindowClass;
    return RegisterClassA(&windowClass) != 0;
}

} // namespace

int InitMediaWindows(HWND, HINSTANCE instance) {
    if (!Registered(RegisterStageClass(instance), instance, kStageWindowClass) ||
        !Registered(RegisterThumbClass(instance), instance, kThumbWindowClass) ||
        !Registered(RegisterWaveOutClass(instance), instance, kWaveOutWindowClass))
        return 0;
    CreateBarDrawingObjects();
    MeasureBarBitmaps();
    ClearStageSlots();
    return 1;
}

// Classes outlive the library that registered them: a library loaded again at another address
// must not find procedures that are gone.
void ReleaseMediaWindows() {
    DeleteBarDrawingObjects();
    for (const char* className : {kStageWindowClass, kThumbWindowClass, kWaveOutWindowClass})
        UnregisterClassA(className, afx::LibraryModuleState().instance);
}
