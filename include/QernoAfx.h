// The framework types that appear in the library's exported classes.
#pragma once

#include "QernoTypes.h"

#if defined(_WIN32)
// A heap-held single-byte text; an empty string holds no allocation.
class QERNO_API CString {
public:
    CString() = default;
    CString(const char* text);
    CString(const CString& other);
    ~CString();
    CString& operator=(const char* text);
    CString& operator=(const CString& other);

    int GetLength() const;
    bool IsEmpty() const { return GetLength() == 0; }
    operator const char*() const;
    int CompareNoCase(const char* text) const;

    // Room for minLength characters and a terminator, to be filled by a system call; the
    // text ends at the first NUL (or at newLength) after ReleaseBuffer.
    char* GetBuffer(int minLength);
    void ReleaseBuffer(int newLength = -1);

private:
    char* m_pchData = nullptr;
};

// A window of the framework. A host wraps a window of its own in one to hand it to the library,
// which only reads its handle; such a window stays the host's and outlives the object.
class CWnd {
public:
    CWnd() = default;
    QERNO_API explicit CWnd(HWND window);
    QERNO_API virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }

    // A window of a class registered by afx::RegisterWndClass; its messages reach WindowProc.
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

    bool m_bOwnsWindow = true;
};
#endif
