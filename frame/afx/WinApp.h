// The application object of the framework: one per library, created statically.
#pragma once

#include "QernoAfx.h"

class CWinApp {
public:
    explicit CWinApp(const char* appName);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // TRUE when the framework consumed the message and the host must not dispatch it.
    virtual BOOL PreTranslateMessage(MSG* msg);
    // TRUE while more idle work is pending for the next count.
    virtual BOOL OnIdle(LONG count);

    // The application's profile: an INI file named after the library's module, in the Windows
    // folder. A missing entry reads as defaultValue; writing a null value removes the entry.
    CString GetProfileString(const char* section, const char* entry, const char* defaultValue = "");
    BOOL WriteProfileString(const char* section, const char* entry, const char* value);

    const char* const m_pszAppName;
};

namespace afx {
CWinApp* GetApp();
}
