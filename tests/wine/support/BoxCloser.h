// Closes the dialog boxes a thread opens, as a user would with the close box, and keeps their
// titles: start-up failures show modal error boxes that would otherwise wait forever.
#pragma once

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class BoxCloser {
public:
    explicit BoxCloser(DWORD threadId = GetCurrentThreadId())
        : threadId_(threadId), watcher_([this] { Watch(); }) {}
    ~BoxCloser() {
        stop_ = true;
        watcher_.join();
    }
    BoxCloser(const BoxCloser&) = delete;
    BoxCloser& operator=(const BoxCloser&) = delete;

    std::vector<std::string> titles() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return titles_;
    }

private:
    static BOOL CALLBACK CollectDialog(HWND window, LPARAM found) {
        char className[16]; // "#32770" and room to spare
        if (IsWindowVisible(window) && GetClassNameA(window, className, sizeof className) &&
            !lstrcmpA(className, "#32770"))
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        return TRUE;
    }

    void Watch() {
        while (!stop_) {
            std::vector<HWND> dialogs;
            EnumThreadWindows(threadId_, CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
            for (HWND dialog : dialogs) {
                std::lock_guard<std::mutex> lock(mutex_);
                if (std::find(closed_.begin(), closed_.end(), dialog) != closed_.end())
                    continue;
                char title[256];
                GetWindowTextA(dialog, title, sizeof title);
                titles_.push_back(title);
                closed_.push_back(dialog);
                PostMessageA(dialog, WM_CLOSE, 0, 0);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }

    const DWORD threadId_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> titles_;
    std::vector<HWND> closed_;
    std::thread watcher_;
};
