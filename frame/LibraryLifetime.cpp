// What the library takes at start-up and gives back at unload, side by side: unload releases in
// the reverse order of start-up, so that each step's release reads against its acquisition.
#include "QernoFrame.h"
#include "frame/QernoApp.h"
#include "frame/afx/ModuleState.h"
#include "log/SysLogInstance.h"
#include "media/players/MediaWindows.h"
#include "render/PlugInManager.h"
#include "render/ResourceTable.h"
#include "render/ShadeBitmaps.h"
#include "render/ShimmerBitmaps.h"

namespace {

void ReleaseTable(CGlobalBlock& table) {
    table.Unlock();
    table.Free();
}

} // namespace

// The tables and the media windows are taken in order, each only while every earlier one was.
int QERNO_CALL InitQernoDll(HWND hWnd, HINSTANCE hResource) {
    afx::ModuleStateGuard guard(afx::LibraryModuleState());
    AdoptResourceModule(hResource);
    CreateSysLog();
    LoadShimmerBitmaps(hResource);
    const int result = ReadCorrectTable(hWnd) && ReadShadeTable(hWnd) && ReadFancyTable(hWnd)
                           ? InitMediaWindows(hWnd, afx::LibraryModuleState().instance)
                           : 0;
    // The host's plug-in list does not depend on the tables: it is made whatever they gave.
    InitPlugInManager();
    return result;
}

int CQernoApp::ExitInstance() {
    DeletePlugInManager();
    ReleaseMediaWindows();
    ReleaseTable(FancyTable());
    ReleaseShadePatterns();
    ReleaseTable(ShadeTable());
    ReleaseTable(CorrectionTable());
    ReleaseShimmerBitmaps();
    DeleteSysLog();
    FreeResourceModule();
    return CWinApp::ExitInstance();
}
