// Stage windows on Wine's wave-audio and AVI drivers, driven through their real messages: the
// windows' places, slots and titles, the prompts, the key calls, play to the end, the buttons'
// steps and the switch between windowed and full screen.
#include "players/StageTestSupport.h"

#include <algorithm>

namespace {

using namespace testmedia;

RECT WindowRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

// The display window's rectangle in its stage window's client coordinates.
RECT PictureRect(HWND stage, const std::string& path) {
    const HWND display = GetVideoStageWnd(DeviceOf(path));
    RECT rect = WindowRect(display);
    MapWindowPoints(nullptr, stage, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string Title(HWND window) {
    char title[128] = ""; // longer than any title the tests give
    GetWindowTextA(window, title, sizeof title);
    return title;
}

void ExpectRect(const RECT& expected, const RECT& actual, const char* what) {
    EXPECT_TRUE(EqualRect(&expected, &actual))
        << what << ": {" << actual.left << ", " << actual.top << ", " << actual.right << ", "
        << actual.bottom << "}";
}

// Copies of one sound under names of their own, for as many windows as the test needs.
std::vector<std::string> SoundCopies(int count) {
    std::vector<std::string> copies;
    for (int n = 0; n < count; ++n) {
        copies.push_back(TempFilePath("qerno-stage-" + std::to_string(n) + ".wav"));
        CopyFileA(kShortSound.c_str(), copies.back().c_str(), FALSE);
    }
    return copies;
}

class StageWindow : public StageTest {};

TEST_F(StageWindow, SoundOpensCentredWithItsBarBoundToItsSlotAndPlays) {
    const HWND stage = Open("tone", kLongSound);
    ASSERT_NE(nullptr, stage) << log_.Text();
    const int width = 320;
    const int height = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYBORDER) + 80;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    ExpectRect({left, top, left + width, top + height}, WindowRect(stage), "sound window");
    EXPECT_EQ(DWORD(0x82C00000),
              GetWindowLongA(stage, GWL_STYLE) & ~(WS_VISIBLE | WS_CLIPSIBLINGS));
    EXPECT_EQ(host(), GetWindow(stage, GW_OWNER));
    EXPECT_EQ(1, GetWindowWord(stage, 0)) << "slot 0";
    EXPECT_EQ(kWaves[1].file, Title(stage)) << "the file's name";
    EXPECT_EQ(1, IsMediaPlaying(DeviceOf(kLongSound)));
    EXPECT_EQ(ULONG(MCI_FORMAT_MILLISECONDS), GetMediaTimeFormat(DeviceOf(kLongSound)));

    const HWND video = OpenMediaPlayWnd(host(), "Bars", "bars", kVideo.c_str(), 0, 5);
    EXPECT_EQ(2, GetWindowWord(video, 0)) << "slot 1";
    EXPECT_EQ("Bars", Title(video));
    EXPECT_EQ(ULONG(MCI_FORMAT_FRAMES), GetMediaTimeFormat(DeviceOf(kVideo)));
    EXPECT_EQ("", log_.Text());
}

TEST_F(StageWindow, VideoFitsItsPictureOverTheBarOrScalesItOnBlack) {
    const HWND windowed = Open("bars", kVideo);
    ASSERT_NE(nullptr, windowed) << log_.Text();
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    // The picture and the bar, framed as a one-pixel border and a caption would frame them.
    RECT frame = {0, 0, kVideoWidth, kVideoHeight + 80};
    AdjustWindowRect(&frame, WS_POPUP | WS_CLIPCHILDREN | WS_CAPTION, FALSE);
    const int width = frame.right + GetSystemMetrics(SM_CXBORDER);
    const int height =
        frame.bottom + GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYBORDER);
    const int left = (screenWidth - width) / 2;
    const int top = (screenHeight - height) / 2;
    ExpectRect({left, top, left + width, top + height}, WindowRect(windowed), "windowed");
    ExpectRect({0, 0, kVideoWidth, kVideoHeight}, PictureRect(windowed, kVideo), "picture");

    Command(windowed, 2906);
    const HWND full = TheStageWindow();
    ASSERT_NE(nullptr, full);
    EXPECT_FALSE(IsWindow(windowed));
    ExpectRect({0, 0, screenWidth, screenHeight}, WindowRect(full), "full screen");
    EXPECT_EQ(DWORD(WS_POPUP | WS_CLIPCHILDREN),
              GetWindowLongA(full, GWL_STYLE) & ~(WS_VISIBLE | WS_CLIPSIBLINGS));
    const float scale =
        std::min(float(screenWidth - 4) / kVideoWidth, float(screenHeight - 4) / kVideoHeight);
    const int scaledWidth = int(kVideoWidth * scale);
    const int scaledHeight = int(kVideoHeight * scale);
    const int x = (screenWidth - scaledWidth) / 2;
    const int y = (screenHeight - scaledHeight) / 2;
    ExpectRect({x, y, x + scaledWidth, y + scaledHeight}, PictureRect(full, kVideo), "scaled");
    HDC dc = GetDC(full);
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 1, 1)) << "black around the picture";
    ReleaseDC(full, dc);
}

TEST_F(StageWindow, WrongRequestsArePromptedAndMakeNoWindow) {
    struct {
        const char* key;
        std::string file;
        unsigned int prompt;
    } const cases[] = {
        {"k", "", 12032},
        {"k", "notes.txt", 12304},
        {"", kLongSound, 12305},
        {"k", MediaPath(kTruncatedVideo), 12300},
        {"k", MediaPath("missing.wav"), 12300},
    };
    BoxCloser closer;
    for (const auto& c : cases) {
        const int before = log_.Count(ResourceString(c.prompt));
        EXPECT_EQ(nullptr, OpenMediaPlayWnd(host(), "", c.key, c.file.c_str(), 0, kNoMediaPosition))
            << c.file;
        EXPECT_EQ(before + 1, log_.Count(ResourceString(c.prompt))) << c.prompt;
    }
    EXPECT_EQ(0, PlayMediaFile(host(), "nobody"));
    EXPECT_EQ(0, CloseMediaFile(host(), std::string(300, 'k').c_str()));
    EXPECT_EQ(2, log_.Count(ResourceString(12307)));
    EXPECT_TRUE(StageWindows().empty());
    EXPECT_EQ(7u, closer.titles().size());
}

TEST_F(StageWindow, AKeyInUseRestartsItsWindowAndGivesNull) {
    Open("tone", kLongSound);
    const unsigned short device = DeviceOf(kLongSound);
    ASSERT_TRUE(PumpUntil([&] { return GetMediaPosition(device) > 300; }));
    EXPECT_EQ(nullptr, Open("tone", kShortSound));
    EXPECT_EQ(1u, StageWindows().size());
    EXPECT_EQ(1, IsMediaPlaying(device));
    EXPECT_LT(GetMediaPosition(device), 300UL) << "from the start again";
}

TEST_F(StageWindow, TheSameFileInAnotherCaseClosesTheFirstWindow) {
    std::string upper = kShortSound;
    CharUpperA(upper.data());
    const HWND first = Open("lower", kShortSound);
    const HWND second = Open("upper", upper);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(1, GetWindowWord(second, 0)) << "the freed slot";
}

TEST_F(StageWindow, TheEleventhWindowClosesSlotZerosAndTakesItsSlot) {
    const std::vector<std::string> files = SoundCopies(11);
    std::vector<HWND> windows;
    for (int n = 0; n < 11; ++n)
        windows.push_back(Open(("key" + std::to_string(n)).c_str(), files[n]));
    EXPECT_FALSE(IsWindow(windows[0]));
    EXPECT_EQ(1, GetWindowWord(windows[10], 0));
    EXPECT_EQ(10, GetWindowWord(windows[9], 0));
    EXPECT_EQ(10u, StageWindows().size());
    EXPECT_EQ(0, DeviceOf(files[0]));
    CloseAllMediaFile();
    for (const std::string& file : files)
        DeleteFileA(file.c_str());
}

TEST_F(StageWindow, PlaysToTheEndOfItsRange) {
    struct {
        const std::string& path;
        unsigned long start, end;
    } const cases[] = {{kShortSound, 200, kNoMediaPosition}, {kVideo, 12, 16}};
    for (const auto& c : cases) {
        const HWND stage = Open("end", c.path, c.start, c.end);
        EndWatch watch(stage);
        ASSERT_TRUE(PumpUntil([&] { return watch.ends() == 1; })) << c.path;
        const unsigned short device = DeviceOf(c.path);
        EXPECT_EQ(0, IsMediaPlaying(device));
        EXPECT_EQ(c.end == kNoMediaPosition ? GetMediaLength(device) : c.end,
                  GetMediaPosition(device));
        // Play again starts over: from the end there would be nothing to play.
        Command(stage, 2900);
        EXPECT_EQ(1, IsMediaPlaying(device));
        CloseMediaFile(host(), "end");
    }
}

TEST_F(StageWindow, KeyCallsPauseResumeRestartAndStop) {
    Open("tone", kLongSound);
    const unsigned short device = DeviceOf(kLongSound);
    ASSERT_TRUE(PumpUntil([&] { return GetMediaPosition(device) > 300; }));
    EXPECT_EQ(1, PauseMediaFile(host(), "tone"));
    EXPECT_EQ(0, IsMediaPlaying(device));
    const unsigned long paused = GetMediaPosition(device);
    EXPECT_EQ(1, PlayMediaFile(host(), "tone"));
    EXPECT_EQ(1, IsMediaPlaying(device));
    EXPECT_GE(GetMediaPosition(device), paused) << "resumed";
    EXPECT_EQ(1, PlayMediaFile(host(), "tone"));
    EXPECT_LT(GetMediaPosition(device), paused) << "stopped to the start, then played";
    EXPECT_EQ(1, StopMediaFile(host(), "tone"));
    EXPECT_EQ(0, IsMediaPlaying(device));
    EXPECT_EQ(0UL, GetMediaPosition(device));
    EXPECT_EQ(1, CloseMediaFile(host(), "tone"));
    EXPECT_TRUE(StageWindows().empty());
    EXPECT_EQ(0, DeviceOf(kLongSound));
}

TEST_F(StageWindow, ButtonsStepATenthOfTheRange) {
    // Frames 2 to 12: a step of one frame.
    const HWND stage = Open("bars", kVideo, 2, 12);
    const unsigned short device = DeviceOf(kVideo);
    Command(stage, 2900); // pause, so that only the buttons move it
    ASSERT_EQ(0, IsMediaPlaying(device));
    struct {
        int button;
        unsigned long position;
    } const steps[] = {{2905, 12}, {2903, 11}, {2902, 2}, {2903, 2}, {2904, 3}, {2904, 4}};
    for (const auto& step : steps) {
        Command(stage, step.button);
        EXPECT_EQ(step.position, GetMediaPosition(device)) << step.button;
    }
    EXPECT_EQ(0, IsMediaPlaying(device));
}

TEST_F(StageWindow, SwitchingKeepsThePositionAndTheSpaceBarPausesFullScreen) {
    const HWND stage = Open("bars", kVideo);
    Command(stage, 2900);
    Command(stage, 2904);
    Command(stage, 2904);
    Command(stage, 2906);
    HWND full = TheStageWindow();
    ASSERT_NE(nullptr, full);
    EXPECT_EQ(0, GetWindowLongA(full, GWL_STYLE) & WS_CAPTION);
    EXPECT_GE(GetMediaPosition(DeviceOf(kVideo)), 4UL) << "played on from the same frame";

    const struct {
        UINT message;
        WPARAM wParam;
    } backToWindowed[] = {{WM_KEYDOWN, VK_ESCAPE}, {WM_LBUTTONDBLCLK, 0}};
    for (const auto& back : backToWindowed) {
        const unsigned short device = DeviceOf(kVideo);
        SendMessageA(full, WM_KEYDOWN, VK_SPACE, 0);
        EXPECT_EQ(0, IsMediaPlaying(device));
        SendMessageA(full, WM_KEYDOWN, VK_SPACE, 0);
        EXPECT_EQ(1, IsMediaPlaying(device));
        SendMessageA(full, WM_KEYDOWN, VK_SPACE, 0);
        const unsigned long paused = GetMediaPosition(device);
        SendMessageA(full, back.message, back.wParam, 0);
        const HWND windowed = TheStageWindow();
        ASSERT_NE(nullptr, windowed);
        EXPECT_NE(0, GetWindowLongA(windowed, GWL_STYLE) & WS_CAPTION);
        EXPECT_GE(GetMediaPosition(DeviceOf(kVideo)), paused);
        Command(windowed, 2906);
        full = TheStageWindow();
    }
}

TEST_F(StageWindow, CloseAllClosesEveryWindowAndZeroesTheVideoCount) {
    Open("tone", kLongSound);
    Open("bars", kVideo);
    IncreasePlayingVideoCount();
    EXPECT_EQ(1, CloseAllMediaFile());
    EXPECT_TRUE(StageWindows().empty());
    EXPECT_EQ(0, DeviceOf(kLongSound) + DeviceOf(kVideo));
    EXPECT_EQ(0, GetPlayingVideoCount());
}

TEST_F(StageWindow, AHostThatGoesTakesItsPlayingWindowAndFreesTheSlot) {
    const HWND owner = CreateWindowA("STATIC", "owner", WS_OVERLAPPED, 0, 0, 50, 50, nullptr,
                                     nullptr, nullptr, nullptr);
    const std::string longKey(300, 'k');
    const HWND stage =
        OpenMediaPlayWnd(owner, "", longKey.c_str(), kLongSound.c_str(), 0, kNoMediaPosition);
    ASSERT_NE(nullptr, stage);
    EXPECT_EQ(1, PauseMediaFile(owner, longKey.c_str())) << "the key as cut when kept";
    EXPECT_EQ(1, PlayMediaFile(owner, longKey.c_str()));
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(stage));
    EXPECT_EQ(0, DeviceOf(kLongSound));
    EXPECT_EQ(1, GetWindowWord(Open("tone", kLongSound), 0));
}

} // namespace
