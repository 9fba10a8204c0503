// Process attach and detach of the library, run through its application object.
#include "frame/afx/ModuleState.h"
#include "frame/afx/WinApp.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    afx::ModuleState& state = afx::LibraryModuleState();
    CWinApp* app = state.app;
    // The run-time constructs the application object before it calls this entry point.
    if (!app)
        return FALSE;

    afx::ModuleStateGuard guard(state);
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        state.instance = instance;
        if (!app->InitInstance()) {
            app->ExitInstance();
            return FALSE;
        }
        return TRUE;
    case DLL_PROCESS_DETACH:
        app->ExitInstance();
        return TRUE;
    default:
        return TRUE;
    }
}
