#include "support/HostWindow.h"

#include "Qerno.h"

namespace {
constexpr char kClassName[] = "QernoTestHost";
}

HostWindow::HostWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
    window_ = CreateWindowA(kClassName, "Qerno test host", WS_OVERLAPPEDWINDOW, 0, 0, 320, 240,
                            nullptr, nullptr, windowClass.hInstance, this);
}

HostWindow::~HostWindow() {
    if (window_)
        DestroyWindow(window_);
    UnregisterClassA(kClassName, GetModuleHandleA(nullptr));
}

void HostWindow::PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (FilterQernoDllMsg(&message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    ProcessQernoDllIdle();
}

bool HostWindow::WaitForMciNotification(DWORD timeoutMs) {
    const std::size_t before = mciNotifications_.size();
    return PumpUntil([&] { return mciNotifications_.size() != before; }, timeoutMs);
}

bool HostWindow::PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    while (!done()) {
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, timeoutMs - elapsed, QS_ALLINPUT);
        PumpMessages();
    }
    return true;
}

LRESULT CALLBACK HostWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* host = reinterpret_cast<HostWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (host && message >= WM_USER)
        host->userMessages_.push_back(message);
    if (host && message == MM_MCINOTIFY)
        host->mciNotifications_.push_back({window, message, wParam, lParam, 0, {}});
    return DefWindowProcA(window, message, wParam, lParam);
}
