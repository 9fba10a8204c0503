#include "MediaTour.h"

#include "DemoMedia.h"
#include "DemoWindow.h"
#include "host/HostLoop.h"
#include "Qerno.h"
#include "SceneText.h"
#include "Screenshot.h"

#include <cstdio>

namespace {

constexpr int kMargin = 16;
constexpr int kLineHeight = 18;
constexpr int kPictureTop = 60;
// The frame bitmap is taken from the source rectangle, so the video shows at its own size.
constexpr RECT kVideoPlace = {kMargin, kPictureTop, 160, 120}; // x, y, width, height
constexpr int kFrameLeft = 420;                                // clear of the video heading
constexpr int kSoundTop = 260;
constexpr DWORD kSoundPlayed = 150; // milliseconds of play before the wave is paused
constexpr char kVideoFile[] = "bars-rle8.avi";
constexpr char kSoundFile[] = "tone-16bit-stereo-22050.wav";

// What the scene shows, gathered while the media play.
struct MediaState {
    HBITMAP frame = nullptr;
    RECT frameSize = {};
    unsigned long frameRate = 0;
    unsigned long videoFrame = 0;
    unsigned long soundPosition = 0;
    unsigned long soundLength = 0;
    unsigned long bitsPerSample = 0;
    unsigned long samplesPerSecond = 0;
    unsigned long bytesPerSecond = 0;
} state;

void DrawProgress(HDC dc, int x, int y, int width, unsigned long done, unsigned long whole) {
    RECT bar = {x, y, x + width, y + 14};
    FrameRect(dc, &bar, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (whole == 0)
        return;
    RECT filled = {x + 1, y + 1, x + 1 + MulDiv(width - 2, done, whole), y + 13};
    HBRUSH navy = CreateSolidBrush(RGB(0, 0, 128));
    FillRect(dc, &filled, navy);
    DeleteObject(navy);
}

// The host's time fields packed into the values it stores, and unpacked again.
void PaintTimeValues(HDC dc, int x, int y) {
    DrawSceneHeading(dc, x, y, "Time values");
    char line[96]; // one line of the table
    int row = 1;
    for (unsigned long value :
         {GetTimeBy3Parts(1, 30, 50, 0), state.soundLength, GetTimeBy3Parts(7, 7, 7, 1)}) {
        int minutes = 0, seconds = 0, hundredths = 0, endless = 0;
        GetTime3Parts(value, minutes, seconds, hundredths, endless);
        std::snprintf(line, sizeof line, "%lu ms  =  %d:%02d.%02d%s", value, minutes, seconds,
                      hundredths, endless ? "  (endless)" : "");
        DrawSceneText(dc, x, y + row++ * kLineHeight, line);
    }
    for (int minutes : {8, 600}) {
        int shownMinutes = 0, shownSeconds = 0;
        const unsigned short value = GetTimeSecBy3Parts(minutes, 20);
        GetTimeSec3Parts(value, shownMinutes, shownSeconds);
        std::snprintf(line, sizeof line, "%d:20 as seconds  =  %u  =  %d:%02d", minutes, value,
                      shownMinutes, shownSeconds);
        DrawSceneText(dc, x, y + row++ * kLineHeight, line);
    }
}

void PaintMedia(HDC dc, const RECT&) {
    SetBkMode(dc, TRANSPARENT);
    DrawSceneHeading(dc, kMargin, kMargin, "A video playing in the host's window (AVIVideo)");
    DrawSceneText(dc, kMargin, kMargin + kLineHeight,
                  std::string(kVideoFile) + ", " + std::to_string(state.frameRate / 1000) +
                      " frames per second");

    DrawSceneHeading(dc, kFrameLeft, kMargin, "Its current frame as a bitmap");
    DrawSceneText(dc, kFrameLeft, kMargin + kLineHeight,
                  "frame " + std::to_string(state.videoFrame) + ", " +
                      std::to_string(state.frameSize.right) + " x " +
                      std::to_string(state.frameSize.bottom) + " pixels");
    RECT frame = {kFrameLeft, kPictureTop, state.frameSize.right, state.frameSize.bottom};
    PaintBitmap(dc, state.frame, &frame);

    DrawSceneHeading(dc, kMargin, kSoundTop,
                     std::string("A wave playing (waveaudio): ") + kSoundFile);
    DrawSceneText(dc, kMargin, kSoundTop + kLineHeight,
                  std::to_string(state.bitsPerSample) + " bits, " +
                      std::to_string(state.samplesPerSecond) + " samples per second, " +
                      std::to_string(state.bytesPerSecond) + " bytes per second");
    DrawSceneText(dc, kMargin, kSoundTop + 2 * kLineHeight,
                  "paused at " + std::to_string(state.soundPosition) + " ms of " +
                      std::to_string(state.soundLength) + " ms");
    DrawProgress(dc, kMargin, kSoundTop + 3 * kLineHeight + 4, 320, state.soundPosition,
                 state.soundLength);
    PaintTimeValues(dc, kMargin, kSoundTop + 5 * kLineHeight);
}

const Scene kMediaScene = {"11-media", "Video and sound by MCI", PaintMedia};

unsigned short OpenVideoInHost(HWND host) {
    const unsigned short video =
        OpenVideo("AVIVideo", DemoMediaPath(kVideoFile).c_str(), nullptr, host, nullptr, WS_CHILD);
    if (!video)
        return 0;
    RECT place = kVideoPlace;
    SetVideoWndPos(video, &place);
    ShowVideoWindow(video, SW_SHOW);
    return video;
}

void TakeVideoFrame(HWND host, unsigned short video) {
    state.videoFrame = GetMediaPosition(video); // a video counts in frames
    GetVideoFrame(video, &state.frameSize, 0);
    HDC dc = GetDC(host);
    state.frame = GetVideoBitmap(video, dc);
    ReleaseDC(host, dc);
}

void ReadSound(unsigned short sound) {
    state.bitsPerSample = GetWaveBitspersample(sound);
    state.samplesPerSecond = GetWaveSamplespersec(sound);
    state.bytesPerSecond = GetWaveBytespersec(sound);
    state.soundLength = GetSoundLength(sound);
    state.soundPosition = GetMediaPosition(sound);
}

} // namespace

bool TourMedia(HWND host, const std::string& outDirectory) {
    ShowScene(host, kMediaScene);
    const unsigned short video = OpenVideoInHost(host);
    const unsigned short sound =
        OpenSound("waveaudio", DemoMediaPath(kSoundFile).c_str(), nullptr, nullptr);
    state.frameRate = GetVideoFrameRate(video);
    PlayVideo(video, 0, -1, nullptr);
    PlayMedia(sound, kNoMediaPosition, kNoMediaPosition, nullptr);
    PumpMessagesFor(kSoundPlayed);
    PauseMedia(sound);
    ReadSound(sound);
    PumpMessagesFor(1000 - kSoundPlayed);
    // Paused, not stopped: Wine's video driver reports an error for a stop during play.
    PauseMedia(video);
    TakeVideoFrame(host, video);
    ShowScene(host, kMediaScene);
    PumpMessages();

    const std::string path = outDirectory + "\\" + kMediaScene.name + ".png";
    const bool saved = video && sound && state.frame && SaveWindowScreenshot(host, path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED to save", path.c_str());
    CloseVideo(video);
    CloseMedia(sound);
    DeleteObject(state.frame);
    state.frame = nullptr;
    return saved;
}
