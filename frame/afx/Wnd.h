// Window wrappers of the framework (CWnd itself is in the public header): a window object owns
// its window and receives its messages through WindowProc; controls of the system's classes are
// only held.
#pragma once

#include "QernoAfx.h"

// A child control of a system class ("STATIC", "EDIT"): the object holds its handle.
class CControl : public CWnd {
protected:
    BOOL CreateControl(const char* className, const char* text, DWORD style, const RECT& rect,
                       CWnd* parent, UINT id);
};

class CStatic : public CControl {
public:
    BOOL Create(const char* text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CreateControl("STATIC", text, style, rect, parent, id);
    }
};

class CEdit : public CControl {
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
        return CreateControl("EDIT", "", style, rect, parent, id);
    }
};

// A GDI font owned by its object.
class CFont {
public:
    CFont() = default;
    ~CFont();
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // pointSize in tenths of a point, for the screen.
    BOOL CreatePointFont(int pointSize, const char* faceName);
    operator HFONT() const { return m_hObject; }

    HFONT m_hObject = nullptr;
};

namespace afx {
// Registers (once per set of arguments) a window class whose windows route their messages to
// their window objects; gives the class name.
const char* RegisterWndClass(UINT style, HCURSOR cursor, HBRUSH background, HICON icon);
void UnregisterWndClasses();
// Where the framework takes its templates and strings: the resource module of the module
// state the thread runs in, else the library's.
HINSTANCE ResourceHandle();
} // namespace afx
