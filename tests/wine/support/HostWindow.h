// A host as the authoring application is one: a main window and a message loop that lets
// the library filter every message and use the idle time.
#pragma once

#include "QernoFrame.h"

#include <windows.h>

#include <functional>
#include <vector>

class HostWindow {
public:
    HostWindow() {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClassName;
        RegisterClassA(&windowClass);
        window_ = CreateWindowA(kClassName, "Qerno test host", WS_OVERLAPPEDWINDOW, 0, 0, 320, 240,
                                nullptr, nullptr, windowClass.hInstance, this);
    }
    ~HostWindow() {
        if (window_)
            DestroyWindow(window_);
        UnregisterClassA(kClassName, GetModuleHandleA(nullptr));
    }
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND handle() const { return window_; }

    // Runs the loop until the queue is empty, as the host does between user actions.
    void PumpMessages() {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (FilterQernoDllMsg(&message))
                continue;
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        ProcessQernoDllIdle();
    }

    // MCI's completion notifications, wParam (MCI_NOTIFY_*) and lParam (the device) kept.
    const std::vector<MSG>& mciNotifications() const { return mciNotifications_; }
    // Runs the loop until done() holds or timeoutMs pass; false on timeout.
    bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
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

private:
    static constexpr char kClassName[] = "QernoTestHost";

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            SetWindowLongPtrA(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* host = reinterpret_cast<HostWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (host && message == MM_MCINOTIFY)
            host->mciNotifications_.push_back({window, message, wParam, lParam, 0, {}});
        return DefWindowProcA(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    std::vector<MSG> mciNotifications_;
};
