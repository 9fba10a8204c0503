#include "frame/QernoApp.h"

#include "QernoFrame.h"
#include "frame/afx/ModuleState.h"

namespace {

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

void AdoptResourceModule(HINSTANCE resourceModule) {
    if (GetRCDllInstance() != resourceModule)
        FreeResourceModule();
    SetRCDllInstance(resourceModule);
    afx::LibraryModuleState().resource = resourceModule;
}
