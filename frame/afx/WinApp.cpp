#include "frame/afx/WinApp.h"

#include "frame/afx/ModuleState.h"
#include "frame/afx/Wnd.h"

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName) {
    afx::LibraryModuleState().app = this;
}

CWinApp::~CWinApp() {
    if (afx::LibraryModuleState().app == this)
        afx::LibraryModuleState().app = nullptr;
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return 0;
}

// No window of the library needs to see messages ahead of their dispatch.
BOOL CWinApp::PreTranslateMessage(MSG*) {
    return FALSE;
}

// The framework keeps no deferred work of its own.
BOOL CWinApp::OnIdle(LONG) {
    return FALSE;
}

namespace afx {
CWinApp* GetApp() {
    return LibraryModuleState().app;
}
} // namespace afx
