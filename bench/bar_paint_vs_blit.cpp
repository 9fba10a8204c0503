// What a repaint of a sound window's control bar costs beside a bare copy of the same pixels:
// the bar area invalidated and painted at once (frame, track, scale, labels, position text)
// against one BitBlt of that area from a memory bitmap.
#include "CallTiming.h"
#include "LibraryStart.h"
#include "resources/media/TestMedia.h"

#include <cstdio>
#include <string>

int main() {
    const std::string logFile = StartLibrary("bar_paint_vs_blit", "qerno-bar-paint.log");
    if (logFile.empty())
        return 1;

    const std::string sound = std::string("media\\") + testmedia::kWaves[1].file;
    const HWND stage =
        OpenMediaPlayWnd(nullptr, "Bench", "bench", sound.c_str(), 0, kNoMediaPosition);
    if (!stage) {
        std::fprintf(stderr, "bar_paint_vs_blit: run it beside media\\ (the build's bin folder)\n");
        return 1;
    }
    // Paused, so that no timer or notification runs between the rounds.
    PauseMediaFile(nullptr, "bench");
    RECT client;
    GetClientRect(stage, &client);
    const RECT bar = {0, client.bottom - 81, client.right, client.bottom};
    const int width = bar.right - bar.left;
    const int height = bar.bottom - bar.top;

    HDC dc = GetDC(stage);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP pixels = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ previous = SelectObject(memory, pixels);
    BitBlt(memory, 0, 0, width, height, dc, bar.left, bar.top, SRCCOPY);

    constexpr int kRounds = 2000;
    const double blit = MillisecondsPerCall(
        kRounds, [&] { BitBlt(dc, bar.left, bar.top, width, height, memory, 0, 0, SRCCOPY); });
    const double paint = MillisecondsPerCall(kRounds, [&] {
        InvalidateRect(stage, &bar, TRUE);
        UpdateWindow(stage);
    });
    std::printf("control bar of a %d x %d sound window, per paint:\n", width, height);
    ReportTime("bare BitBlt of the bar area", blit, blit);
    ReportTime("InvalidateRect + UpdateWindow of the bar area", paint, blit);

    SelectObject(memory, previous);
    DeleteObject(pixels);
    DeleteDC(memory);
    ReleaseDC(stage, dc);
    CloseAllMediaFile();
    return 0;
}
