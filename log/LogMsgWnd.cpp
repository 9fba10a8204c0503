#include "log/LogMsgWnd.h"

#include "QernoFrame.h"

namespace {

constexpr UINT kBarId = 4000;
constexpr UINT kTextId = 4001;
constexpr int kBarHeight = 18;
// Past this many lines the oldest are dropped down to the last kLinesKept.
constexpr int kMostLines = 200;
constexpr int kLinesKept = 100;
constexpr unsigned int kLineCountFormatId = 12059;

} // namespace

CLogMsgWnd::CLogMsgWnd() {
    m_font.CreatePointFont(90, "Fixedsys");
}

CLogMsgWnd::~CLogMsgWnd() {
    DestroyWindow();
}

BOOL CLogMsgWnd::Create(HWND owner) {
    constexpr unsigned int kTitleId = 11266;
    char title[32]; // the title holds 31 characters
    title[0] = '\0';
    GetIDStringB(kTitleId, title, sizeof title);
    const char* windowClass = afx::RegisterWndClass(
        CS_VREDRAW | CS_HREDRAW | CS_DBLCLKS, LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)),
        reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), nullptr);
    if (!windowClass)
        return FALSE;
    RECT desktop;
    GetWindowRect(GetDesktopWindow(), &desktop);
    return CreateEx(0, windowClass, title, WS_POPUP | WS_OVERLAPPEDWINDOW, desktop.right - 300,
                    desktop.bottom - 100, 300, 200, owner, nullptr);
}

void CLogMsgWnd::AppendText(const char* text, BOOL repaint) {
    HWND edit = m_wndEdit.m_hWnd;
    const int lines = static_cast<int>(SendMessageA(edit, EM_GETLINECOUNT, 0, 0));
    if (lines > kMostLines) {
        const LRESULT cut = SendMessageA(edit, EM_LINEINDEX, lines - kLinesKept, 0);
        SendMessageA(edit, EM_SETSEL, 0, cut);
        SendMessageA(edit, EM_SCROLLCARET, 0, 0);
        SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(""));
    }
    const int end = GetWindowTextLengthA(edit);
    SendMessageA(edit, EM_SETSEL, end, end);
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text));
    if (repaint)
        UpdateWindow(edit);
}

LRESULT CLogMsgWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        if (Default(message, wParam, lParam) == -1 || !OnCreate())
            return -1;
        return 0;
    case WM_SIZE:
        OnSize(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_CLOSE:
        ShowWindow(m_hWnd, SW_HIDE);
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kTextId &&
            (HIWORD(wParam) == EN_UPDATE || HIWORD(wParam) == EN_VSCROLL)) {
            UpdateStatusBar();
            return 0;
        }
        break;
    }
    return Default(message, wParam, lParam);
}

BOOL CLogMsgWnd::OnCreate() {
    RECT client;
    GetClientRect(m_hWnd, &client);
    const RECT bar = {0, client.top, client.right, client.top + kBarHeight};
    const RECT text = {0, client.top + kBarHeight + 1, client.right, client.bottom};
    if (!m_wndBar.Create("Bar-Wnd", WS_CHILD | WS_VISIBLE, bar, this, kBarId))
        return FALSE;
    SendMessageA(m_wndBar.m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(HFONT(m_font)), TRUE);
    constexpr DWORD kTextStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                                 ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_OEMCONVERT | ES_WANTRETURN;
    if (!m_wndEdit.Create(kTextStyle, text, this, kTextId))
        return FALSE;
    // Records can be long: the control's default limit would cut them off silently.
    SendMessageA(m_wndEdit.m_hWnd, EM_SETLIMITTEXT, 0, 0);
    SendMessageA(m_wndEdit.m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(HFONT(m_font)), TRUE);
    return TRUE;
}

// A minimised window keeps its children where they were.
void CLogMsgWnd::OnSize(UINT type, int cx, int cy) {
    if (type == SIZE_MINIMIZED)
        return;
    MoveWindow(m_wndBar.m_hWnd, 0, 0, cx, kBarHeight, TRUE);
    MoveWindow(m_wndEdit.m_hWnd, 0, kBarHeight, cx, cy - kBarHeight, TRUE);
    RECT format;
    GetClientRect(m_wndEdit.m_hWnd, &format);
    SendMessageA(m_wndEdit.m_hWnd, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&format));
    UpdateStatusBar();
}

void CLogMsgWnd::UpdateStatusBar() {
    char format[80]; // the format holds 79 characters
    format[0] = '\0';
    GetIDStringB(kLineCountFormatId, format, sizeof format);
    char text[1024]; // wsprintf's own limit
    wsprintfA(text, format,
              static_cast<int>(SendMessageA(m_wndEdit.m_hWnd, EM_GETLINECOUNT, 0, 0)));
    SetWindowTextA(m_wndBar.m_hWnd, text);
}
