// What the stage-window and control-bar tests share: the library started beside a host window,
// the thread's stage windows, the device a window plays (MCI names a device opened without an
// alias by its file) and the ends of play a window answered.
#pragma once

#include "Qerno.h"
#include "support/BoxCloser.h"
#include "support/HostWindow.h"
#include "support/LogCapture.h"
#include "support/MediaFiles.h"
#include "tests/media/TestMedia.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline BOOL CALLBACK CollectStageWindow(HWND window, LPARAM list) {
    char name[32]; // "StageWndClass" and room to spare
    if (GetClassNameA(window, name, sizeof name) && !lstrcmpA(name, "StageWndClass"))
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

inline std::vector<HWND> StageWindows() {
    std::vector<HWND> found;
    EnumThreadWindows(GetCurrentThreadId(), CollectStageWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Null unless there is exactly one.
inline HWND TheStageWindow() {
    const std::vector<HWND> windows = StageWindows();
    return windows.size() == 1 ? windows[0] : nullptr;
}

inline unsigned short DeviceOf(const std::string& path) {
    return static_cast<unsigned short>(mciGetDeviceIDA(path.c_str()));
}

// Counts the successful ends of play that one window answered, one window at a time.
class EndWatch {
public:
    explicit EndWatch(HWND window) {
        ends_ = 0;
        original_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure)));
    }
    int ends() const { return ends_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        const LRESULT result = CallWindowProcA(original_, window, message, wParam, lParam);
        ends_ += message == MM_MCINOTIFY && wParam == MCI_NOTIFY_SUCCESSFUL;
        return result;
    }
    inline static WNDPROC original_ = nullptr;
    inline static int ends_ = 0;
};

class StageTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        host_ = new HostWindow;
        if (!GetSysLog())
            InitQernoDll(host_->handle(), LoadLibraryA("QernoRes.dll"));
    }
    static void TearDownTestSuite() { delete host_; }
    void TearDown() override { CloseAllMediaFile(); }

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
