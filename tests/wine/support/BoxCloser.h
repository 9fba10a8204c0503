// Closes the dialog boxes a thread opens, as a user would with the close box, and keeps their
// titles: start-up failures show modal error boxes that would otherwise wait forever.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class BoxCloser {
public:
    explicit BoxCloser(DWORD threadId = GetCurrentThreadId());
    ~BoxCloser();
    BoxCloser(const BoxCloser&) = delete;
    BoxCloser& operator=(const BoxCloser&) = delete;

    std::vector<std::string> titles() const;

private:
    void Watch();

    const DWORD threadId_;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<std::string> titles_;
    std::vector<HWND> closed_;
    std::thread watcher_;
};
