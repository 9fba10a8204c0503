// What the wave-out player costs to start a minute of 44.1 kHz 16-bit stereo sound beside the bare
// calls it is made of: from the call until the buffer is handed to waveOutWrite, which happens
// inside waveOutCreatePlayWnd. Closing is left out of both times. Two floors are shown beside it:
// the steps done one after another, and the player on a second of the same sound, which has next
// to nothing to read.
#include "CallTiming.h"
#include "LibraryStart.h"
#include "RatioLine.h"

#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr DWORD kRate = 44100;
constexpr WORD kChannels = 2;
constexpr WORD kBits = 16;
constexpr DWORD kBytesPerSecond = kRate * kChannels * kBits / 8;
constexpr DWORD kDataBytes = 60 * kBytesPerSecond;
constexpr int kRounds = 20;

void Put(std::ofstream& out, DWORD value, int bytes) {
    for (int at = 0; at < bytes; ++at)
        out.put(static_cast<char>(value >> 8 * at));
}

void WriteWave(const std::string& path, DWORD dataBytes) {
    std::ofstream out(path, std::ios::binary);
    out << "RIFF";
    Put(out, 36 + dataBytes, 4);
    out << "WAVEfmt ";
    Put(out, 16, 4);
    Put(out, WAVE_FORMAT_PCM, 2);
    Put(out, kChannels, 2);
    Put(out, kRate, 4);
    Put(out, kBytesPerSecond, 4);
    Put(out, kChannels * kBits / 8, 2);
    Put(out, kBits, 2);
    out << "data";
    Put(out, dataBytes, 4);
    for (DWORD sample = 0; sample < dataBytes / 2; ++sample)
        Put(out, sample / 50 % 2 ? 0x2000 : 0xE000, 2); // a 441 Hz square wave
}

// What the bare start leaves open, for the untimed close.
struct BarePlayer {
    HWAVEOUT device = nullptr;
    HGLOBAL data = nullptr;
    WAVEHDR header = {};
};

// The player's steps with nothing checked or reported.
void StartBare(const std::string& path, HWND window, BarePlayer& player) {
    HMMIO file = mmioOpenA(const_cast<char*>(path.c_str()), nullptr, MMIO_ALLOCBUF | MMIO_READ);
    MMCKINFO riff = {};
    riff.fccType = mmioFOURCC('W', 'A', 'V', 'E');
    mmioDescend(file, &riff, nullptr, MMIO_FINDRIFF);
    MMCKINFO chunk = {};
    chunk.ckid = mmioFOURCC('f', 'm', 't', ' ');
    mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK);
    WAVEFORMATEX format = {};
    mmioRead(file, reinterpret_cast<HPSTR>(&format), sizeof(PCMWAVEFORMAT));
    mmioAscend(file, &chunk, 0);
    waveOutOpen(&player.device, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(window), 0,
                CALLBACK_WINDOW);
    chunk.ckid = mmioFOURCC('d', 'a', 't', 'a');
    mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK);
    player.data = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, chunk.cksize);
    player.header.lpData = static_cast<LPSTR>(GlobalLock(player.data));
    player.header.dwBufferLength = chunk.cksize;
    mmioRead(file, player.header.lpData, static_cast<LONG>(chunk.cksize));
    mmioClose(file, 0);
    waveOutPrepareHeader(player.device, &player.header, sizeof player.header);
    waveOutWrite(player.device, &player.header, sizeof player.header);
}

void CloseBare(BarePlayer& player) {
    waveOutReset(player.device);
    waveOutUnprepareHeader(player.device, &player.header, sizeof player.header);
    waveOutClose(player.device);
    GlobalUnlock(player.data);
    GlobalFree(player.data);
    player = {};
}

void DrainMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
}

// Times each start, then runs its finish untimed.
class StartTimer {
public:
    StartTimer() { QueryPerformanceFrequency(&frequency_); }
    template <typename Start, typename Finish> void Add(Start start, Finish finish) {
        LARGE_INTEGER before, after;
        QueryPerformanceCounter(&before);
        start();
        QueryPerformanceCounter(&after);
        last_ = after.QuadPart - before.QuadPart;
        total_ += last_;
        ++rounds_;
        finish();
        DrainMessages();
    }
    double MeanMilliseconds() const { return total_ * 1e3 / frequency_.QuadPart / rounds_; }
    double LastMilliseconds() const { return last_ * 1e3 / frequency_.QuadPart; }

private:
    LARGE_INTEGER frequency_;
    LONGLONG total_ = 0;
    LONGLONG last_ = 0;
    int rounds_ = 0;
};

} // namespace

int main() {
    const std::string logFile = StartLibrary("waveout_vs_bare", "qerno-waveout-vs-bare.log");
    if (logFile.empty())
        return 1;
    const std::string wave = TempPath("qerno-waveout-minute.wav");
    WriteWave(wave, kDataBytes);
    // A second of the same sound: the player with next to nothing to read.
    const std::string second = TempPath("qerno-waveout-second.wav");
    WriteWave(second, kBytesPerSecond);

    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    BarePlayer bare;
    HWND player = nullptr;
    const auto startBare = [&] { StartBare(wave, window, bare); };
    const auto closeBare = [&] { CloseBare(bare); };
    const auto startPlayer = [&](const std::string& path) {
        return [&player, path] {
            player = waveOutCreatePlayWnd(nullptr, "", "bench", path.c_str(), 0, 0, 0xFFFFFFFF,
                                          0xFFFFFFFF);
        };
    };
    const auto startLibrary = startPlayer(wave);
    const auto startSecond = startPlayer(second);
    const auto closeLibrary = [&] { SendMessageA(player, WM_CLOSE, 0, 0); };
    // One untimed round each warms the file cache and the device; then they take turns, so
    // that whatever else the machine does weighs on both alike.
    startBare(), closeBare(), startLibrary(), closeLibrary(), startSecond(), closeLibrary();
    // The player's own steps beyond the bare ones: its window and the format query. The window
    // is a captioned pop-up made, shown and painted, bare or carrying eight children as the
    // control bar does, seven owner-drawn buttons and a thumb: the floor the player's window sets.
    HWND popup = nullptr;
    const auto showPopupWith = [&popup](int children) {
        return [&popup, children] {
            popup = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_CAPTION, 0, 0, 320, 120, nullptr,
                                    nullptr, GetModuleHandleA(nullptr), nullptr);
            for (int child = 0; child < children; ++child)
                CreateWindowExA(0, child < 7 ? "BUTTON" : "STATIC", nullptr,
                                WS_CHILD | WS_VISIBLE | (child < 7 ? WS_BORDER | BS_OWNERDRAW : 0),
                                4 + 28 * child, 4, 26, 24, popup, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
            ShowWindow(popup, SW_SHOW);
            UpdateWindow(popup);
        };
    };
    const auto showPopup = showPopupWith(0);
    const auto showBarredPopup = showPopupWith(8);
    const auto closePopup = [&] { DestroyWindow(popup); };
    const WAVEFORMATEX format = {WAVE_FORMAT_PCM,       kChannels, kRate, kBytesPerSecond,
                                 kChannels * kBits / 8, kBits,     0};
    const auto query = [&] { waveOutOpen(nullptr, WAVE_MAPPER, &format, 0, 0, WAVE_FORMAT_QUERY); };
    StartTimer bareTime, libraryTime, popupTime, barredTime, queryTime, secondTime;
    // What a host would otherwise do: the bare calls and a captioned pop-up of its own.
    std::vector<double> ratios;
    for (int round = 0; round < kRounds; ++round) {
        bareTime.Add(startBare, closeBare);
        libraryTime.Add(startLibrary, closeLibrary);
        popupTime.Add(showPopup, closePopup);
        barredTime.Add(showBarredPopup, closePopup);
        queryTime.Add(query, [] {});
        secondTime.Add(startSecond, closeLibrary);
        ratios.push_back(libraryTime.LastMilliseconds() /
                         (bareTime.LastMilliseconds() + popupTime.LastMilliseconds()));
    }
    if (!player) {
        std::fprintf(stderr, "waveout_vs_bare: the player refused the wave\n");
        return 1;
    }
    std::printf("Starting 60 s of 44.1 kHz 16-bit stereo (%lu bytes), mean of %d (target 1.2x):\n",
                static_cast<unsigned long>(kDataBytes), kRounds);
    const double bareMs = bareTime.MeanMilliseconds();
    ReportTime("bare mmio and waveOut calls", bareMs, bareMs);
    ReportTime("waveOutCreatePlayWnd", libraryTime.MeanMilliseconds(), bareMs);
    ReportTime("  within it: a captioned pop-up made and shown", popupTime.MeanMilliseconds(),
               bareMs);
    ReportTime("  within it: the wave mapper's format query", queryTime.MeanMilliseconds(), bareMs);
    ReportTime("  the pop-up with a bar's eight children instead", barredTime.MeanMilliseconds(),
               bareMs);
    std::printf("  %-56s %9.2f\n", "floor: bare, pop-up with children and query over baseline",
                (bareMs + barredTime.MeanMilliseconds() + queryTime.MeanMilliseconds()) /
                    (bareMs + popupTime.MeanMilliseconds()));
    std::printf("  %-56s %9.2f\n", "floor: the player on one second of it over baseline",
                secondTime.MeanMilliseconds() / (bareMs + popupTime.MeanMilliseconds()));
    std::nth_element(ratios.begin(), ratios.begin() + kRounds / 2, ratios.end());
    PrintRatio("waveout_start", ratios[kRounds / 2]);

    DestroyWindow(window);
    DeleteFileA(wave.c_str());
    DeleteFileA(second.c_str());
    DeleteFileA(logFile.c_str());
    return 0;
}
