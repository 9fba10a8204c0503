// What the player tests share: the library started beside a host window, a count of the messages
// a player answered, the thread's stage windows, the device a window plays (MCI names a device
// opened without an alias by its file) and the wave-out player with its returned buffers counted.
#pragma once

#include "Qerno.h"
#include "support/BoxCloser.h"
#include "support/HostWindow.h"
#include "support/LibraryHostTest.h"
#include "support/LogCapture.h"
#include "support/MediaFiles.h"
#include "resources/media/TestMedia.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

// Counts one message that a window answered (of one wParam unless kAny), one window at a time.
class AnswerCount {
public:
    static constexpr WPARAM kAny = ~WPARAM(0);
    static void Watch(HWND window, UINT message, WPARAM wParam = kAny) {
        count_ = 0, message_ = message, wParam_ = wParam;
        original_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure)));
    }
    static int count() { return count_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        const LRESULT result = CallWindowProcA(original_, window, message, wParam, lParam);
        count_ += message == message_ && (wParam_ == kAny || wParam == wParam_);
        return result;
    }
    inline static WNDPROC original_ = nullptr;
    inline static UINT message_ = 0;
    inline static WPARAM wParam_ = 0;
    inline static int count_ = 0;
};

class PlayerTest : public LibraryHostTest {
protected:
    void TearDown() override {
        CloseAllMediaFile();
        host_->PumpMessages();
    }
    static HWND Open(const char* key, const std::string& path, unsigned long start = 0,
                     unsigned long end = kNoMediaPosition) {
        return OpenMediaPlayWnd(host(), "", key, path.c_str(), start, end);
    }
    static void Command(HWND window, int id) { SendMessageA(window, WM_COMMAND, id, 0); }

    LogCapture log_{"qerno-player-tests.log"};
};

inline std::vector<HWND> StageWindows() {
    std::vector<HWND> found;
    for (HWND at = nullptr; (at = FindWindowExA(nullptr, at, kStageWindowClass, nullptr));)
        found.push_back(at);
    return found;
}

inline unsigned short DeviceOf(const std::string& path) {
    return static_cast<unsigned short>(mciGetDeviceIDA(path.c_str()));
}

// A window's rectangle as x, y, width and height, in the client area of clientOf or the screen's.
inline std::vector<int> Place(HWND window, HWND clientOf = nullptr) {
    RECT r = {};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, clientOf, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

inline std::string WriteTemp(const std::string& name, const std::string& bytes) {
    const std::string path = TempFilePath(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

inline const std::string kLongSound = MediaPath(testmedia::kWaves[1].file);  // 2000 ms
inline const std::string kShortSound = MediaPath(testmedia::kWaves[2].file); // 500 ms
inline const std::string kVideo = MediaPath(testmedia::kVideos[0].file);

class WaveOutTest : public PlayerTest {
protected:
    // The player's returned buffers are counted from here on.
    static HWND Open(const std::string& file, unsigned long offset = 0,
                     unsigned long start = kWhole, unsigned long end = kWhole,
                     const char* key = "wave") {
        HWND player = waveOutCreatePlayWnd(host(), "", key, file.c_str(), offset, 0, start, end);
        if (player)
            AnswerCount::Watch(player, MM_WOM_DONE);
        return player;
    }
    static bool AwaitBuffers(int count) {
        return host_->PumpUntil([count] { return AnswerCount::count() >= count; }, 10000);
    }
    // Timer 1 runs exactly while the player plays; asking stops it.
    static bool Playing(HWND player) { return KillTimer(player, 1) != FALSE; }

    static constexpr unsigned long kWhole = 0xFFFFFFFF;
};
