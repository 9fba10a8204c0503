#include "PlayersTour.h"

#include "DemoMedia.h"
#include "host/HostLoop.h"
#include "Qerno.h"
#include "Screenshot.h"

#include <cstdio>

namespace {

constexpr char kSoundFile[] = "tone-16bit-stereo-22050.wav"; // two seconds
constexpr char kVideoFile[] = "bars-rle8.avi";               // two seconds
constexpr DWORD kPlayed = 150;  // milliseconds of play before the playing state is shown
constexpr DWORD kSettled = 150; // for the repaints a step causes
constexpr int kDragPixels = 60;
constexpr int kCloseUpZoom = 4;
// The bar's controls and measures that a host sees from outside.
constexpr int kPlayButton = 2900, kFullScreenButton = 2906, kThumbWindow = 2908;
constexpr int kBarHeight = 80, kTrackInset = 8, kTrackRightInset = 32, kTrackFromBottom = 72;
constexpr int kButtonAreaWord = 2;

int failures = 0;

void Save(const std::string& path, bool saved) {
    std::printf("%s %s\n", saved ? "saved" : "FAILED to save", path.c_str());
    failures += saved ? 0 : 1;
}

void SaveState(HWND window, const std::string& outDirectory, const char* player,
               const char* state) {
    PumpMessagesFor(kSettled);
    const std::string path = outDirectory + "\\20-" + player + "-" + state + ".png";
    Save(path, IsWindow(window) && SaveWindowScreenshot(window, path, Capture::WholeWindow));
}

// The user's drag, sent as the thumb window receives it: press, move right, release.
void DragThumb(HWND player) {
    HWND thumb = GetDlgItem(player, kThumbWindow);
    RECT size = {};
    GetClientRect(thumb, &size);
    const int x = size.right / 2, y = size.bottom / 2;
    SendMessageA(thumb, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(thumb, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x + kDragPixels, y));
    SendMessageA(thumb, WM_LBUTTONUP, 0, MAKELPARAM(x + kDragPixels, y));
}

// A click three quarters along the bar's track.
void ClickTrack(HWND player) {
    RECT client = {};
    GetClientRect(player, &client);
    const int left = kTrackInset, right = client.right - kTrackRightInset;
    const int x = left + (right - left) * 3 / 4, y = client.bottom - kTrackFromBottom + 2;
    SendMessageA(player, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
}

// A player plays from its opening on: then pause, a thumb drag, a seek on the track, play again
// from there and stop, each state on a screenshot.
void DriveBarPlayer(HWND host, HWND player, const char* key, const char* name,
                    const std::string& outDirectory) {
    if (!player) // refused: the host was told by a prompt
        return;
    PumpMessagesFor(kPlayed);
    SaveState(player, outDirectory, name, "1-playing");
    PauseMediaFile(host, key);
    SaveState(player, outDirectory, name, "2-paused");
    DragThumb(player);
    SaveState(player, outDirectory, name, "3-thumb-dragged");
    ClickTrack(player);
    SaveState(player, outDirectory, name, "4-seeked");
    PlayMediaFile(host, key);
    PumpMessagesFor(kPlayed);
    SaveState(player, outDirectory, name, "5-playing-on");
    StopMediaFile(host, key);
    SaveState(player, outDirectory, name, "6-stopped");
}

// The play button pressed, then focused, enlarged with the rest of the button area.
void SaveButtonCloseUps(HWND player, const std::string& outDirectory) {
    if (!player)
        return;
    RECT client = {};
    GetClientRect(player, &client);
    const RECT buttons = {0, client.bottom - kBarHeight / 2,
                          GetWindowWord(player, kButtonAreaWord) + 4, client.bottom};
    HWND play = GetDlgItem(player, kPlayButton);
    SendMessageA(play, BM_SETSTATE, TRUE, 0);
    PumpMessagesFor(kSettled);
    const std::string pressed = outDirectory + "\\20-bar-pressed-closeup.png";
    Save(pressed, SaveCloseUp(player, buttons, kCloseUpZoom, pressed));
    SendMessageA(play, BM_SETSTATE, FALSE, 0);
    SetFocus(play);
    PumpMessagesFor(kSettled);
    const std::string focused = outDirectory + "\\20-bar-focused-closeup.png";
    Save(focused, SaveCloseUp(player, buttons, kCloseUpZoom, focused));
}

// Stops at the stage window without a caption and keeps it in *result.
BOOL CALLBACK KeepFullScreenStage(HWND window, LPARAM result) {
    char name[32] = ""; // longer than the stage class's name
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpA(name, kStageWindowClass) || (GetWindowLongA(window, GWL_STYLE) & WS_CAPTION))
        return TRUE;
    *reinterpret_cast<HWND*>(result) = window;
    return FALSE;
}

HWND FindFullScreenStage() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), KeepFullScreenStage, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Full screen has no bar: the host pauses and plays by the key calls and the space key, and
// Escape brings the bar back.
void DriveFullScreen(HWND host, HWND video, const char* key, const std::string& outDirectory) {
    SendMessageA(video, WM_COMMAND, kFullScreenButton, 0);
    HWND screen = FindFullScreenStage();
    if (!screen) {
        ++failures;
        return;
    }
    PlayMediaFile(host, key);
    PumpMessagesFor(kPlayed);
    SaveState(screen, outDirectory, "fullscreen", "1-playing");
    PauseMediaFile(host, key);
    SaveState(screen, outDirectory, "fullscreen", "2-paused");
    SendMessageA(screen, WM_KEYDOWN, VK_SPACE, 0);
    PumpMessagesFor(kPlayed);
    SaveState(screen, outDirectory, "fullscreen", "3-space-played");
    StopMediaFile(host, key);
    SaveState(screen, outDirectory, "fullscreen", "4-stopped");
    SendMessageA(screen, WM_KEYDOWN, VK_ESCAPE, 0);
}

} // namespace

bool TourPlayers(HWND host, const std::string& outDirectory) {
    failures = 0;
    const std::string sound = DemoMediaPath(kSoundFile), video = DemoMediaPath(kVideoFile);

    HWND soundStage =
        OpenMediaPlayWnd(host, "", "sound", sound.c_str(), kNoMediaPosition, kNoMediaPosition);
    failures += soundStage ? 0 : 1;
    DriveBarPlayer(host, soundStage, "sound", "stage-sound", outDirectory);
    SaveButtonCloseUps(soundStage, outDirectory);
    CloseMediaFile(host, "sound");

    HWND videoStage = OpenMediaPlayWnd(host, "Colour bars", "video", video.c_str(),
                                       kNoMediaPosition, kNoMediaPosition);
    failures += videoStage ? 0 : 1;
    DriveBarPlayer(host, videoStage, "video", "stage-video", outDirectory);
    DriveFullScreen(host, videoStage, "video", outDirectory);
    CloseMediaFile(host, "video");

    HWND waveOut = waveOutCreatePlayWnd(host, "", "wave", sound.c_str(), 0, 0, kNoMediaPosition,
                                        kNoMediaPosition);
    failures += waveOut ? 0 : 1;
    DriveBarPlayer(host, waveOut, "wave", "waveout", outDirectory);

    CloseAllMediaFile();
    PumpMessages();
    return failures == 0;
}
