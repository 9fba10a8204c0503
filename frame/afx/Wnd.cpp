#include "frame/afx/Wnd.h"

#include "frame/afx/ModuleState.h"

#include <cstdio>
#include <map>
#include <string>

// Hosts built against the 32-bit product hold these themselves: the layout is theirs too.
#if defined(_WIN32) && !defined(_WIN64)
static_assert(sizeof(CWnd) == 12, "the table of virtual functions, the handle, the owning flag");
#endif

namespace {

std::map<HWND, CWnd*>& PermanentWindows() {
    static std::map<HWND, CWnd*> windows;
    return windows;
}

// The object whose CreateEx is running: its first messages arrive before CreateWindowEx
// returns the handle.
thread_local CWnd* windowBeingCreated = nullptr;

} // namespace

LRESULT CALLBACK AfxWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* object = CWnd::FromHandlePermanent(window);
    if (!object && windowBeingCreated) {
        object = windowBeingCreated;
        windowBeingCreated = nullptr;
        object->Attach(window);
    }
    if (!object)
        return DefWindowProcA(window, message, wParam, lParam);

    afx::ModuleStateGuard guard(afx::LibraryModuleState());
    const LRESULT result = object->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        object->Detach();
        object->PostNcDestroy();
    }
    return result;
}

CWnd::CWnd() = default;

CWnd::CWnd(HWND window) : m_hWnd(window), m_bOwnsWindow(false) {}

CWnd::~CWnd() {
    if (m_bOwnsWindow)
        DestroyWindow();
}

BOOL CWnd::CreateEx(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                    int y, int width, int height, HWND parent, HMENU menuOrId) {
    windowBeingCreated = this;
    HWND window = CreateWindowExA(exStyle, className, title, style, x, y, width, height, parent,
                                  menuOrId, afx::LibraryModuleState().instance, nullptr);
    windowBeingCreated = nullptr;
    return window != nullptr;
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd)
        return FALSE;
    HWND window = m_hWnd;
    const BOOL destroyed = ::DestroyWindow(window);
    // A control of a system class never passes WM_NCDESTROY through the framework.
    if (m_hWnd == window)
        Detach();
    return destroyed;
}

CWnd* CWnd::FromHandlePermanent(HWND window) {
    const auto found = PermanentWindows().find(window);
    return found == PermanentWindows().end() ? nullptr : found->second;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return Default(message, wParam, lParam);
}

LRESULT CWnd::Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(m_hWnd, message, wParam, lParam);
}

void CWnd::Attach(HWND window) {
    m_hWnd = window;
    PermanentWindows()[window] = this;
}

void CWnd::Detach() {
    PermanentWindows().erase(m_hWnd);
    m_hWnd = nullptr;
}

BOOL CControl::CreateControl(const char* className, const char* text, DWORD style, const RECT& rect,
                             CWnd* parent, UINT id) {
    m_hWnd = CreateWindowExA(0, className, text, style, rect.left, rect.top, rect.right - rect.left,
                             rect.bottom - rect.top, parent ? parent->m_hWnd : nullptr,
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                             afx::LibraryModuleState().instance, nullptr);
    return m_hWnd != nullptr;
}

CFont::~CFont() {
    if (m_hObject)
        DeleteObject(m_hObject);
}

BOOL CFont::CreatePointFont(int pointSize, const char* faceName) {
    if (m_hObject)
        DeleteObject(m_hObject);
    HDC screen = GetDC(nullptr);
    LOGFONTA font = {};
    font.lfHeight = -MulDiv(pointSize, GetDeviceCaps(screen, LOGPIXELSY), 720);
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(font.lfFaceName, faceName, LF_FACESIZE);
    ReleaseDC(nullptr, screen);
    m_hObject = CreateFontIndirectA(&font);
    return m_hObject != nullptr;
}

namespace afx {

namespace {
// Class name -> whether it is registered.
std::map<std::string, bool>& RegisteredClasses() {
    static std::map<std::string, bool> classes;
    return classes;
}
} // namespace

const char* RegisterWndClass(UINT style, HCURSOR cursor, HBRUSH background, HICON icon) {
    std::map<std::string, bool>& registered = RegisteredClasses();
    char name[64]; // "Afx:" and four pointer-sized hexadecimal values
    std::snprintf(name, sizeof name, "Afx:%x:%p:%p:%p", style, static_cast<void*>(cursor),
                  static_cast<void*>(background), static_cast<void*>(icon));
    auto [entry, added] = registered.emplace(name, false);
    if (added) {
        WNDCLASSA windowClass = {};
        windowClass.style = style;
        windowClass.lpfnWndProc = AfxWndProc;
        windowClass.hInstance = LibraryModuleState().instance;
        windowClass.hCursor = cursor;
        windowClass.hbrBackground = background;
        windowClass.hIcon = icon;
        windowClass.lpszClassName = entry->first.c_str();
        entry->second = RegisterClassA(&windowClass) != 0;
    }
    return entry->second ? entry->first.c_str() : nullptr;
}

// Classes of a library outlive its unload unless it removes them; a later load could then
// not register them again.
void UnregisterWndClasses() {
    for (const auto& [name, isRegistered] : RegisteredClasses()) {
        if (isRegistered)
            UnregisterClassA(name.c_str(), LibraryModuleState().instance);
    }
    RegisteredClasses().clear();
}

HINSTANCE ResourceHandle() {
    const ModuleState* current = CurrentModuleState();
    return current ? current->resource : LibraryModuleState().resource;
}

} // namespace afx
