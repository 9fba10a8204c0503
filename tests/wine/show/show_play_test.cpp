// QernoShow.exe playing in a window of a child process, driven by posted keys and followed by
// its title, "TITLE - N/COUNT".
#include "show/show_files.h"
#include "soak/ProcessUsage.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr DWORD kPatienceMs = 10000;

// The second slide plays a narration through the wave-out player and the third a sound in a
// stage window, both led into by an effect: each visit makes and must free windows, devices and
// bitmaps.
std::string ManualShow() {
    const std::string wave = MediaPath("tone-16bit-mono-44100.wav");
    return "[Show]\nTitle = Tour\nSize = 320x240\n"
           "[Slide1]\nTitle = One\n"
           "[Slide2]\nTitle = Two\nTransition = shimmer\nNarration = " +
           wave + "\n[Slide3]\nTitle = Three\nTransition = sparkle\nSound = " + wave + "\n";
}

// Its missing video and picture would stop a show that prompts: a timed one logs them. Its last
// slide plays a video.
std::string TimedShow(const std::string& video) {
    return "[Show]\nAdvance = timed\n"
           "[Slide1]\nDuration = 1\nVideo = missing.avi\n"
           "[Slide2]\nDuration = 1\nPicture1 = missing.bmp, 1, 1, 2, 2\n"
           "[Slide3]\nDuration = 1\nVideo = " +
           video + "\n";
}

class ShowPlay : public testing::Test {
protected:
    void SetUp() override { folder_ = MakeTestFolder("qerno-play-"); }
    void TearDown() override {
        if (process_.hProcess) {
            TerminateProcess(process_.hProcess, 1);
            WaitForSingleObject(process_.hProcess, kPatienceMs);
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
        RemoveTree(folder_);
    }

    bool Start(const std::string& document, const std::string& options) {
        const std::string file = folder_ + "\\talk.show";
        WriteFile(file, document);
        std::string command =
            "\"" + ExecutableFolder() + "QernoShow.exe\" " + options + " \"" + file + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        return CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                              ExecutableFolder().c_str(), &startup, &process_);
    }

    // The exit status, or STILL_ACTIVE when the show has not ended within timeoutMs.
    DWORD WaitForEnd(DWORD timeoutMs) {
        DWORD status = STILL_ACTIVE;
        if (WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0)
            GetExitCodeProcess(process_.hProcess, &status);
        return status;
    }

    std::string folder_;
    PROCESS_INFORMATION process_ = {};
};

// The slide number in the title, or 0 before the show has begun.
int Shown(HWND window) {
    char title[256] = "";
    GetWindowTextA(window, title, sizeof title);
    const std::string text = title;
    const std::size_t dash = text.rfind(" - ");
    return dash == std::string::npos ? 0 : std::atoi(text.c_str() + dash + 3);
}

HWND FindShow() {
    for (DWORD waited = 0; waited < kPatienceMs; waited += 10) {
        HWND window = FindWindowA("QernoShowSlide", nullptr);
        if (window && Shown(window))
            return window;
        Sleep(10);
    }
    return nullptr;
}

// Posts the keys and waits until the slide shown is slide; false when it never is.
bool Press(HWND window, const std::string& keys, int slide) {
    for (char key : keys)
        PostMessageA(window, WM_KEYDOWN, static_cast<unsigned char>(key), 0);
    for (DWORD waited = 0; waited < kPatienceMs; ++waited) {
        if (Shown(window) == slide)
            return true;
        Sleep(1);
    }
    return false;
}

TEST_F(ShowPlay, FollowsTheKeysAndFreesWhatEachSlideMade) {
    ASSERT_TRUE(Start(ManualShow(), "--window 320x240"));
    const HWND window = FindShow();
    ASSERT_TRUE(window);
    EXPECT_EQ(1, Shown(window));
    const std::string right(1, VK_RIGHT), left(1, VK_LEFT), home(1, VK_HOME), end(1, VK_END);
    ASSERT_TRUE(Press(window, right, 2));
    ASSERT_TRUE(Press(window, left, 1));
    ASSERT_TRUE(Press(window, end, 3));
    ASSERT_TRUE(Press(window, home, 1));
    ASSERT_TRUE(Press(window, std::string("2") + char(VK_RETURN), 2));
    // A number that names no slide is dropped, and so is what was typed before a move.
    ASSERT_TRUE(Press(window, std::string("9") + char(VK_RETURN) + "3" + left, 1));
    ASSERT_TRUE(Press(window, std::string(1, VK_RETURN) + right, 2));
    ASSERT_TRUE(Press(window, left, 1));
    ASSERT_TRUE(Press(window, std::string(1, VK_SPACE) + char(VK_NEXT), 3));
    ASSERT_TRUE(Press(window, std::string(1, VK_PRIOR) + char(VK_BACK), 1));
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    ASSERT_TRUE(Press(window, "", 2) && Press(window, left, 1));

    // Wine's sound driver keeps a thread and an event of every device opened and closed, as a
    // host calling the system itself sees too. The player makes neither kind of its own.
    HANDLE thread = OpenThread(SYNCHRONIZE, FALSE, GetCurrentThreadId());
    HANDLE event = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    const DWORD shown = process_.dwProcessId;
    const auto handles = [&] { return KernelHandleCount(shown, {thread, event}); };
    const int handlesBefore = handles(), windowsBefore = TopLevelWindowCount(shown);
    // Opening a stage window costs most of a visit's time, so the third slide is visited less.
    constexpr int kPairs = 500, kThirdEvery = 25;
    for (int pair = 0; pair < kPairs; ++pair) {
        ASSERT_TRUE(Press(window, right, 2) && Press(window, left, 1)) << "pair " << pair;
        if (pair % kThirdEvery == 0) {
            ASSERT_TRUE(Press(window, end, 3) && Press(window, home, 1)) << "pair " << pair;
        }
    }
    // What one visit leaves behind shows hundreds of times over.
    constexpr int kSlack = 8;
    ASSERT_GT(handlesBefore, 0) << "the system says nothing of the player's handles";
    EXPECT_LE(handles(), handlesBefore + kSlack) << handlesBefore;
    CloseHandle(event);
    CloseHandle(thread);
    // The player window of the slide just left may still be on its way out at the start.
    EXPECT_LE(TopLevelWindowCount(shown), windowsBefore);
    EXPECT_GT(windowsBefore, 0);

    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(0u, WaitForEnd(kPatienceMs));
}

TEST_F(ShowPlay, TimedShowFillsTheScreenPlaysItsVideoAndEndsAfterItsLastSlide) {
    const ULONGLONG started = GetTickCount64();
    const std::string video = MediaPath("bars-rgb24.avi");
    ASSERT_TRUE(Start(TimedShow(video), ""));
    const auto shows = [&](HWND window) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        return owner == process_.dwProcessId && IsWindowVisible(window);
    };
    // A box's own message loop keeps the timer going, so the show would end even over a box.
    bool asked = false, filled = false, played = false;
    while (WaitForSingleObject(process_.hProcess, 10) == WAIT_TIMEOUT &&
           GetTickCount64() - started < kPatienceMs) {
        for (HWND box = nullptr; (box = FindWindowExA(nullptr, box, "#32770", nullptr));)
            asked |= shows(box);
        RECT slide = {};
        const HWND window = FindWindowA("QernoShowSlide", nullptr);
        filled |= window && shows(window) && GetWindowRect(window, &slide) && slide.left == 0 &&
                  slide.top == 0 && slide.right == GetSystemMetrics(SM_CXSCREEN) &&
                  slide.bottom == GetSystemMetrics(SM_CYSCREEN);
        const HWND stage = FindWindowA(nullptr, video.c_str());
        played |= stage && shows(stage);
    }
    EXPECT_FALSE(asked) << "a timed show answers its prompts itself";
    EXPECT_TRUE(filled) << "without a window size the show fills the screen";
    EXPECT_TRUE(played) << "the last slide's video plays in a stage window";
    EXPECT_EQ(0u, WaitForEnd(0));
    EXPECT_GE(GetTickCount64() - started, 3000u) << "each slide stays its second";
}

} // namespace
