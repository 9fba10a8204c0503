// Stage windows on Wine's wave-audio and AVI drivers, driven through their real messages.
#include "players/PlayerTestSupport.h"

#include <tuple>

namespace {

using namespace testmedia;

std::vector<int> Centred(int width, int height) {
    return {(GetSystemMetrics(SM_CXSCREEN) - width) / 2,
            (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height};
}

constexpr DWORD kWindowed = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;

DWORD Style(HWND window) {
    return GetWindowLongA(window, GWL_STYLE) & ~(WS_VISIBLE | WS_CLIPSIBLINGS);
}

class StageWindow : public PlayerTest {};

TEST_F(StageWindow, OpensCentredAroundTheBarAndThePictureBoundToItsSlot) {
    const HWND sound = Open("tone", kLongSound);
    ASSERT_NE(nullptr, sound) << log_.Text();
    const int captioned = GetSystemMetrics(SM_CYCAPTION) + GetSystemMetrics(SM_CYBORDER);
    EXPECT_EQ(Centred(320, captioned + 80), Place(sound));
    EXPECT_EQ(kWindowed, Style(sound));
    EXPECT_EQ(1, GetWindowWord(sound, 0)) << "slot 0";
    EXPECT_EQ(1, IsMediaPlaying(DeviceOf(kLongSound)));

    const HWND video = Open("bars", kVideo, 0, 5);
    EXPECT_EQ(2, GetWindowWord(video, 0)) << "slot 1";
    // The picture over the bar.
    const HWND picture = GetVideoStageWnd(DeviceOf(kVideo));
    EXPECT_EQ((std::vector<int>{0, 0, kVideoWidth, kVideoHeight}), Place(picture, video));
    EXPECT_EQ("", log_.Text());

    // The driver reports a top-down picture's height as negative: the window shows it upright.
    const std::string topDown = MediaPath(kTopDownVideo.file);
    const HWND upright = Open("top-down", topDown, 0, 5);
    EXPECT_EQ((std::vector<int>{0, 0, kVideoWidth, kVideoHeight}),
              Place(GetVideoStageWnd(DeviceOf(topDown)), upright));
    EXPECT_EQ(1, log_.Count("reported as 160 x -120, shown at 160 x 120")) << log_.Text();
}

TEST_F(StageWindow, WrongRequestsArePromptedAndMakeNoWindow) {
    // The key, the file and the prompt.
    const std::tuple<const char*, std::string, unsigned int> cases[] = {
        {"k", "", 12032},
        {"k", "notes.txt", 12304},
        {"", kLongSound, 12305},
        {"k", MediaPath("missing.wav"), 12300}};
    BoxCloser closer;
    for (const auto& [key, file, prompt] : cases) {
        const int before = log_.Count(ResourceString(prompt));
        EXPECT_EQ(nullptr, Open(key, file)) << file;
        EXPECT_EQ(before + 1, log_.Count(ResourceString(prompt))) << prompt;
    }
    EXPECT_TRUE(StageWindows().empty());
    EXPECT_EQ(4u, closer.titles().size());
}

TEST_F(StageWindow, TheSameFileOrAnEleventhWindowClosesAWindowForItsSlot) {
    std::string upper = kShortSound;
    CharUpperA(upper.data());
    const HWND first = Open("lower", kShortSound);
    EXPECT_EQ(1, GetWindowWord(Open("upper", upper), 0)) << "the freed slot";
    EXPECT_FALSE(IsWindow(first));
    CloseAllMediaFile();

    std::vector<std::string> files;
    HWND eleventh = nullptr;
    for (int n = 0; n < 11; ++n) {
        files.push_back(TempFilePath("qerno-stage-" + std::to_string(n) + ".wav"));
        CopyFileA(kShortSound.c_str(), files.back().c_str(), FALSE);
        eleventh = Open(files.back().c_str(), files.back());
    }
    EXPECT_EQ(0, DeviceOf(files[0])) << "the first window closed";
    EXPECT_EQ(1, GetWindowWord(eleventh, 0));
    EXPECT_EQ(10u, StageWindows().size());
    CloseAllMediaFile();
    for (const std::string& file : files)
        DeleteFileA(file.c_str());
}

TEST_F(StageWindow, PlaysToTheEndOfItsRangeAndThenFromItsStart) {
    const std::tuple<std::string, unsigned long, unsigned long> cases[] = {
        {kShortSound, 200, kNoMediaPosition}, {kVideo, 12, 16}};
    for (const auto& [path, start, end] : cases) {
        const HWND stage = Open("end", path, start, end);
        AnswerCount::Watch(stage, MM_MCINOTIFY, MCI_NOTIFY_SUCCESSFUL);
        ASSERT_TRUE(host_->PumpUntil([] { return AnswerCount::count() == 1; }, 10000)) << path;
        const unsigned short device = DeviceOf(path);
        EXPECT_EQ(0, IsMediaPlaying(device));
        EXPECT_EQ(end == kNoMediaPosition ? GetMediaLength(device) : end, GetMediaPosition(device));
        Command(stage, 2900);
        EXPECT_EQ(1, IsMediaPlaying(device)) << "from the end there would be nothing to play";
        CloseMediaFile(host(), "end");
    }
}

// Wine's wave driver reports positions by the half second it has queued; its AVI driver reports
// the frame it shows, so the video tells where play went. Its driver also reports a stopped play
// as finished, which ends the restarted one: only the restart itself can be seen.
TEST_F(StageWindow, AKeyInUseRestartsItsWindowAndGivesNull) {
    Open("bars", kVideo);
    const unsigned short device = DeviceOf(kVideo);
    ASSERT_TRUE(host_->PumpUntil([&] { return GetMediaPosition(device) > 5; }, 10000));
    EXPECT_EQ(nullptr, Open("bars", kShortSound));
    EXPECT_EQ(1u, StageWindows().size());
    EXPECT_EQ(1, IsMediaPlaying(device));
    EXPECT_LE(GetMediaPosition(device), 5UL) << "from the start again";
}

TEST_F(StageWindow, KeyCallsPauseResumeRestartStopAndClose) {
    Open("bars", kVideo);
    const unsigned short device = DeviceOf(kVideo);
    ASSERT_TRUE(host_->PumpUntil([&] { return GetMediaPosition(device) > 5; }, 10000));
    EXPECT_EQ(1, PauseMediaFile(host(), "bars"));
    EXPECT_EQ(0, IsMediaPlaying(device));
    const unsigned long paused = GetMediaPosition(device);
    EXPECT_EQ(1, PlayMediaFile(host(), "bars"));
    EXPECT_GE(GetMediaPosition(device), paused) << "resumed";
    EXPECT_EQ(1, PlayMediaFile(host(), "bars"));
    EXPECT_LT(GetMediaPosition(device), paused) << "stopped to the start, then played";
    EXPECT_EQ(1, IsMediaPlaying(device));
    EXPECT_EQ(1, StopMediaFile(host(), "bars"));
    EXPECT_EQ(0, IsMediaPlaying(device));
    EXPECT_EQ(0UL, GetMediaPosition(device));
    EXPECT_EQ(1, CloseMediaFile(host(), "bars"));
    EXPECT_TRUE(StageWindows().empty());
    EXPECT_EQ(0, DeviceOf(kVideo));
}

TEST_F(StageWindow, FullScreenScalesThePictureOnBlackAndSwitchesBackWhereItPaused) {
    const HWND windowed = Open("bars", kVideo);
    for (int button : {2900, 2904, 2904, 2906})
        Command(windowed, button);
    ASSERT_EQ(1u, StageWindows().size());
    const HWND full = StageWindows()[0];
    EXPECT_EQ(DWORD(WS_POPUP | WS_CLIPCHILDREN), Style(full));
    EXPECT_EQ(Centred(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)), Place(full));
    // On the session's screen the scale 1276 / 160 rounds, in single precision, a little below
    // 7.975 and the picture's width back up to 1276; x87 precision gave 1275.
    const std::vector<int> picture = Place(GetVideoStageWnd(DeviceOf(kVideo)), full);
    if (GetSystemMetrics(SM_CXSCREEN) == 1280 && GetSystemMetrics(SM_CYSCREEN) == 1024) {
        EXPECT_EQ((std::vector<int>{2, 33, 1276, 957}), picture);
    }
    EXPECT_GT(picture[2], kVideoWidth) << "scaled up";
    HDC dc = GetDC(full);
    EXPECT_EQ(RGB(0, 0, 0), GetPixel(dc, 1, 1)) << "black around the picture";
    ReleaseDC(full, dc);
    EXPECT_GE(GetMediaPosition(DeviceOf(kVideo)), 4UL) << "on from the frame it paused on";
    for (int playing : {0, 1}) {
        SendMessageA(full, WM_KEYDOWN, VK_SPACE, 0);
        EXPECT_EQ(playing, IsMediaPlaying(DeviceOf(kVideo))) << "space pauses and plays";
    }

    SendMessageA(full, WM_KEYDOWN, VK_SPACE, 0);
    const unsigned long paused = GetMediaPosition(DeviceOf(kVideo));
    SendMessageA(full, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_EQ(1u, StageWindows().size());
    EXPECT_EQ(kWindowed, Style(StageWindows()[0]));
    EXPECT_GE(GetMediaPosition(DeviceOf(kVideo)), paused);
}

TEST_F(StageWindow, AnOwnerThatGoesOrCloseAllClosesWindowsAndFreesTheirSlots) {
    const HWND owner = CreateWindowA("STATIC", "", WS_OVERLAPPED, 0, 0, 50, 50, nullptr, nullptr,
                                     nullptr, nullptr);
    const std::string longKey(300, 'k');
    const HWND stage =
        OpenMediaPlayWnd(owner, "", longKey.c_str(), kLongSound.c_str(), 0, kNoMediaPosition);
    EXPECT_EQ(1, PauseMediaFile(owner, longKey.c_str())) << "the key as cut when kept";
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(stage));
    EXPECT_EQ(0, DeviceOf(kLongSound));
    EXPECT_EQ(1, GetWindowWord(Open("tone", kLongSound), 0));

    Open("bars", kVideo);
    for (auto change :
         {IncreasePlayingVideoCount, IncreasePlayingVideoCount, DecreasePlayingVideoCount})
        change();
    EXPECT_EQ(1, GetPlayingVideoCount());
    EXPECT_EQ(1, CloseAllMediaFile());
    EXPECT_TRUE(StageWindows().empty());
    EXPECT_EQ(0, DeviceOf(kLongSound) + DeviceOf(kVideo));
    DecreasePlayingVideoCount();
    EXPECT_EQ(0, GetPlayingVideoCount()) << "the video count is zeroed and never below zero";
}

} // namespace
