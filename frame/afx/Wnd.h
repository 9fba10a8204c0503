// Window wrappers of the framework: a window object owns its window and receives its
// messages through WindowProc; controls of the system's classes are only held.
#pragma once

#include <windows.h>

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }

    // A window of a class registered by RegisterWndClass; its messages reach WindowProc.
    BOOL CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                  int y, int width, int height, HWND parent, HMENU menuOrId);
    BOOL DestroyWindow();

    // The window object behind a window the framework created, or null.
    static CWnd* FromHandlePermanent(HWND window);

    HWND m_hWnd = nullptr;

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The class's default handling of the message being processed.
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
    // Called after the window is gone (WM_NCDESTROY); the object may then be deleted.
    virtual void PostNcDestroy() {}

private:
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend class CDialog;
    void Attach(HWND window);
    void Detach();
};

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
