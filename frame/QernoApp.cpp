#include "frame/QernoApp.h"

#include "QernoFrame.h"
#include "frame/afx/ModuleState.h"

namespace {

HINSTANCE libraryInstance = nullptr;

CQernoApp theApp;

} // namespace

void FreeResourceModule() {
    HINSTANCE held = GetRCDllInstance();
    if (held)
        FreeLibrary(held);
    SetRCDllInstance(nullptr);
    afx::LibraryModuleState().resource = nullptr;
}

CQernoApp::CQernoApp() : CWinApp("qerno.dll") {}

BOOL CQernoApp::InitInstance() {
    libraryInstance = afx::LibraryModuleState().instance;
    return TRUE;
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
