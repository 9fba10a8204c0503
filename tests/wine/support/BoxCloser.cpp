#include "support/BoxCloser.h"

#include <algorithm>
#include <chrono>

namespace {

BOOL CALLBACK CollectDialog(HWND window, LPARAM found) {
    char className[16]; // "#32770" and room to spare
    if (IsWindowVisible(window) && GetClassNameA(window, className, sizeof className) &&
        !lstrcmpA(className, "#32770"))
        reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

} // namespace

BoxCloser::BoxCloser(DWORD threadId) : threadId_(threadId), watcher_([this] { Watch(); }) {}

BoxCloser::~BoxCloser() {
    stop_ = true;
    watcher_.join();
}

std::vector<std::string> BoxCloser::titles() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return titles_;
}

void BoxCloser::Watch() {
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
