// A host as the authoring application is one: a main window and a message loop that lets
// the library filter every message and use the idle time.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

class HostWindow {
public:
    HostWindow();
    ~HostWindow();
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;

    HWND handle() const { return window_; }

    // Runs the loop until the queue is empty, as the host does between user actions.
    void PumpMessages();

    // The messages the host window's procedure received (below WM_USER are left out).
    const std::vector<UINT>& userMessages() const { return userMessages_; }

    // MCI's completion notifications, wParam (MCI_NOTIFY_*) and lParam (the device) kept.
    const std::vector<MSG>& mciNotifications() const { return mciNotifications_; }
    // Runs the loop until an MCI notification comes or timeoutMs pass; false on timeout.
    bool WaitForMciNotification(DWORD timeoutMs);
    // Runs the loop until done() holds or timeoutMs pass; false on timeout. For notifications
    // that go to the library's own windows.
    bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    std::vector<UINT> userMessages_;
    std::vector<MSG> mciNotifications_;
};
