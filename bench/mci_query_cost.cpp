// What the library's MCI calls cost beside the bare mciSendCommand they wrap: a status query
// on a wave, the frame of a video as a bitmap, and a failing query, whose log record is the
// price of reporting it.
#include "CallTiming.h"
#include "LibraryStart.h"
#include "resources/media/TestMedia.h"

#include <digitalv.h>
#include <mmsystem.h>

#include <cstdio>
#include <string>

namespace {

template <typename Call> double MicrosecondsPerCall(int calls, Call call) {
    return 1000 * MillisecondsPerCall(calls, call);
}

void Report(const char* what, double library, double bare) {
    std::printf("%-34s library %9.2f us, bare %9.2f us, ratio %5.2f\n", what, library, bare,
                library / bare);
}

unsigned long BarePosition(unsigned short id) {
    MCI_STATUS_PARMS block = {};
    block.dwItem = MCI_STATUS_POSITION;
    mciSendCommandA(id, MCI_STATUS, MCI_STATUS_ITEM, reinterpret_cast<DWORD_PTR>(&block));
    return static_cast<unsigned long>(block.dwReturn);
}

// The frame-as-bitmap steps with the commands sent directly.
HBITMAP BareFrame(unsigned short id, HDC dc) {
    MCI_DGV_RECT_PARMS where = {};
    mciSendCommandA(id, MCI_WHERE, MCI_DGV_RECT | MCI_DGV_WHERE_SOURCE,
                    reinterpret_cast<DWORD_PTR>(&where));
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, where.rc.right, where.rc.bottom);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    MCI_DGV_UPDATE_PARMS update = {};
    update.hDC = memory;
    update.rc = where.rc;
    mciSendCommandA(id, MCI_UPDATE, MCI_DGV_UPDATE_HDC | MCI_DGV_RECT,
                    reinterpret_cast<DWORD_PTR>(&update));
    SelectObject(memory, previous);
    DeleteDC(memory);
    return bitmap;
}

} // namespace

int main() {
    const std::string logFile = StartLibrary("mci_query_cost", "qerno-mci-query-cost.log");
    if (logFile.empty())
        return 1;

    const std::string media = "media\\";
    const unsigned short wave =
        OpenMedia("waveaudio", (media + testmedia::kWaves[1].file).c_str(), nullptr, nullptr);
    const unsigned short video = OpenVideo("AVIVideo", (media + testmedia::kVideos[1].file).c_str(),
                                           nullptr, nullptr, nullptr, 0);
    if (!wave || !video) {
        std::fprintf(stderr, "mci_query_cost: run it beside media\\ (the build's bin folder)\n");
        return 1;
    }

    constexpr int kQueries = 5000;
    Report("position of a wave", MicrosecondsPerCall(kQueries, [&] { GetMediaPosition(wave); }),
           MicrosecondsPerCall(kQueries, [&] { BarePosition(wave); }));

    constexpr int kFrames = 300;
    HDC screen = GetDC(nullptr);
    Report("frame of a video as a bitmap",
           MicrosecondsPerCall(kFrames, [&] { DeleteObject(GetVideoBitmap(video, screen)); }),
           MicrosecondsPerCall(kFrames, [&] { DeleteObject(BareFrame(video, screen)); }));
    ReleaseDC(nullptr, screen);

    // A host polling a device it already closed: every answer is a logged failure.
    constexpr int kFailures = 1000;
    Report("position of a closed device",
           MicrosecondsPerCall(kFailures, [] { GetMediaPosition(0xFFF0); }),
           MicrosecondsPerCall(kFailures, [] { BarePosition(0xFFF0); }));

    CloseVideo(video);
    CloseMedia(wave);
    DeleteFileA(logFile.c_str());
    return 0;
}
