// What the stage-window and control-bar tests share: the library started beside a host window,
// the stage windows of the thread, the device a window plays (found by its file, which MCI takes
// as the device's name), and the end-of-play notifications a window answered.
#pragma once

#include "Qerno.h"
#include "support/BoxCloser.h"
#include "support/HostWindow.h"
#include "support/LogCapture.h"
#include "support/MediaFiles.h"
#include "tests/media/TestMedia.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

inline std::vector<HWND> StageWindows() {
    std::vector<HWND> found;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) {
            char name[32]; // "StageWndClass" and room to spare
            if (GetClassNameA(window, name, sizeof name) && !lstrcmpA(name, "StageWndClass"))
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// The only stage window; null when there is none or more than one.
inline HWND TheStageWindow() {
    const std::vector<HWND> windows = StageWindows();
    return windows.size() == 1 ? windows[0] : nullptr;
}

inline unsigned short DeviceOf(const std::string& path) {
    return static_cast<unsigned short>(mciGetDeviceIDA(path.c_str()));
}

// Counts MCI_NOTIFY_SUCCESSFUL reaching a window, then lets the window answer it.
class EndWatch {
public:
    explicit EndWatch(HWND window) : window_(window) {
        counts()[window] = 0; // a handle may come back for a later window
        originals()[window] = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure)));
    }
    int ends() const { return counts()[window_]; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        const WNDPROC original = originals()[window];
        const LRESULT result = CallWindowProcA(original, window, message, wParam, lParam);
        if (message == MM_MCINOTIFY && wParam == MCI_NOTIFY_SUCCESSFUL)
            ++counts()[window];
        return result;
    }
    static std::map<HWND, WNDPROC>& originals() {
        static std::map<HWND, WNDPROC> procedures;
        return procedures;
    }
    static std::map<HWND, int>& counts() {
        static std::map<HWND, int> ends;
        return ends;
    }
    HWND window_;
};

class StageTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        host_ = new HostWindow;
        if (!GetSysLog())
            InitQernoDll(host_->handle(), LoadLibraryA("QernoRes.dll"));
    }
    static void TearDownTestSuite() { delete host_; }
    void TearDown() override {
        CloseAllMediaFile();
        host_->PumpMessages();
    }

    static HWND host() { return host_->handle(); }
    static bool PumpUntil(const std::function<bool()>& done) {
        return host_->PumpUntil(done, 5000);
    }

    static HWND Open(const char* key, const std::string& path, unsigned long start = 0,
                     unsigned long end = kNoMediaPosition) {
        return OpenMediaPlayWnd(host(), "", key, path.c_str(), start, end);
    }
    static void Command(HWND window, int id) { SendMessageA(window, WM_COMMAND, id, 0); }

    inline static HostWindow* host_ = nullptr;
    LogCapture log_{"qerno-stage-tests.log"};
};

inline const std::string kLongSound = MediaPath(testmedia::kWaves[1].file);  // 2000 ms
inline const std::string kShortSound = MediaPath(testmedia::kWaves[2].file); // 500 ms
inline const std::string kVideo = MediaPath(testmedia::kVideos[0].file);
