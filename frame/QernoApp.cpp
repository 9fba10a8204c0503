#include "frame/QernoApp.h"

#include "QernoFrame.h"
#include "frame/afx/ModuleState.h"
#include "log/SysLogInstance.h"
#include "media/players/MediaWindows.h"
#include "render/PlugInManager.h"
#include "render/ResourceTable.h"
#include "render/ShimmerBitmaps.h"

namespace {

HINSTANCE libraryInstance = nullptr;

CQernoApp theApp;

void FreeResourceModule() {
    HINSTANCE held = GetRCDllInstance();
    if (held)
        FreeLibrary(held);
    SetRCDllInstance(nullptr);
    afx::LibraryModuleState().resource = nullptr;
}

} // namespace

CQernoApp::CQernoApp() : CWinApp("qerno.dll") {}

BOOL CQernoApp::InitInstance() {
    libraryInstance = afx::LibraryModuleState().instance;
    return TRUE;
}

int CQernoApp::ExitInstance() {
    ReleaseMediaWindows();
    ReleaseShimmerBitmaps();
    ShadeTable().Unlock();
    ShadeTable().Free();
    FancyTable().Unlock();
    FancyTable().Free();
    FreeResourceModule();
    DeletePlugInManager();
    DeleteSysLog();
    return CWinApp::ExitInstance();
}

HINSTANCE LibraryInstance() {
    return libraryInstance;
}

void AdoptResourceModule(HINSTANCE resourceModule) {
    if (GetRCDllInstance() != resourceModule)
        FreeResourceModule();
    SetRCDllInstance(resourceModule);
    afx::LibraryModuleState().resource = resourceModule;
}
