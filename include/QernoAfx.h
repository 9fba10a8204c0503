// The framework types that appear in the library's exported classes.
#pragma once

#include "QernoTypes.h"

#if defined(_WIN32)
// A heap-held single-byte text; an empty string holds no allocation.
class QERNO_API CString {
public:
    CString() = default;
    // A copy of text; null is taken as the empty string.
    CString(const char* text);
    // A copy of the other's text.
    CString(const CString& other);
    ~CString();
    // Replaces the text by a copy of text; null empties it.
    CString& operator=(const char* text);
    // Replaces the text by a copy of the other's.
    CString& operator=(const CString& other);

    // The number of characters before the terminator.
    int GetLength() const;
    // Whether the text has no characters.
    bool IsEmpty() const { return GetLength() == 0; }
    // The text, never null: "" when empty. Valid until the string changes.
    operator const char*() const;
    // The system's case-insensitive comparison, as lstrcmpi; null compares as "".
    int CompareNoCase(const char* text) const;

    // Room for minLength characters and a terminator, to be filled by a system call; the
    // text ends at the first NUL (or at newLength) after ReleaseBuffer.
    char* GetBuffer(int minLength);
    // Ends GetBuffer: cuts the text at newLength when it is not -1.
    void ReleaseBuffer(int newLength = -1);

private:
    char* m_pchData = nullptr;
};

// A window of the framework. A host wraps a window of its own in one to hand it to the library,
// which only reads its handle; such a window stays the host's and outlives the object.
class CWnd {
public:
    // An object that holds no window: the library finds no window in it.
    QERNO_API CWnd();
    // Wraps a window the host owns; the object never destroys it.
    QERNO_API explicit CWnd(HWND window);
    QERNO_API virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // The window's handle, null when there is none.
    HWND GetSafeHwnd() const { return m_hWnd; }

    // A window of a class registered by afx::RegisterWndClass; its messages reach WindowProc.
    BOOL CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                  int y, int width, int height, HWND parent, HMENU menuOrId);
    // Destroys the window, wrapped or not (only the destructor spares a host's); FALSE when
    // there is none.
    BOOL DestroyWindow();

    // The window object behind a window the framework created, or null.
    static CWnd* FromHandlePermanent(HWND window);

    // The window's handle, null before CreateEx and after the window is gone.
    HWND m_hWnd = nullptr;

protected:
    // Handles the window's messages; overrides pass what they do not handle to Default.
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
