#include "frame/afx/WinApp.h"

#include "frame/afx/ModuleState.h"
#include "frame/afx/Wnd.h"

#include <string>

namespace {

// The module's file name with the extension ".INI"; a bare name puts the file in the Windows
// folder.
std::string ProfileFileName() {
    char path[MAX_PATH]; // the module's full file name
    const DWORD length = GetModuleFileNameA(afx::LibraryModuleState().instance, path, sizeof path);
    std::string name(path, length < sizeof path ? length : 0);
    name.erase(0, name.find_last_of("\\/") + 1);
    return name.substr(0, name.find_last_of('.')) + ".INI";
}

} // namespace

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

CString CWinApp::GetProfileString(const char* section, const char* entry,
                                  const char* defaultValue) {
    const std::string file = ProfileFileName();
    CString value;
    // The system cuts a value to the room given: the room doubles until the value fits.
    for (DWORD room = 256;; room *= 2) {
        char* buffer = value.GetBuffer(static_cast<int>(room));
        if (!buffer)
            return CString();
        const DWORD length =
            GetPrivateProfileStringA(section, entry, defaultValue, buffer, room + 1, file.c_str());
        value.ReleaseBuffer(static_cast<int>(length));
        if (length < room || room >= 0x10000)
            return value;
    }
}

BOOL CWinApp::WriteProfileString(const char* section, const char* entry, const char* value) {
    return WritePrivateProfileStringA(section, entry, value, ProfileFileName().c_str());
}

namespace afx {
CWinApp* GetApp() {
    return LibraryModuleState().app;
}
} // namespace afx
