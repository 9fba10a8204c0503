// A small host of Qerno.dll: it starts the library beside its window, writes to the system log,
// paints a fountain fill inside a fancy border and plays a wave in a stage window, then exits.
//
//   host.exe [file.wav]     plays the given wave, or a one-second tone it writes itself
//
// It runs unattended: the exit code is 0 when everything worked and 1 when a step failed (the
// step is written to stderr and, once the library runs, to its log).
#include "Qerno.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Log category 1 is left to the host by the library.
constexpr unsigned int kHostCategory = 0x1;
// GetFileNameType's media type of sound files.
constexpr int kSoundFile = 6;
constexpr UINT_PTR kWatchdogTimer = 1;
constexpr UINT kWatchdogMs = 30000;
constexpr DWORD kPlayTimeoutMs = 20000;
constexpr COLORREF kNavy = RGB(0, 0, 128);
constexpr COLORREF kWhite = RGB(255, 255, 255);

int Fail(const char* step) {
    std::fprintf(stderr, "host: %s failed\n", step);
    if (CSysLog* log = GetSysLog())
        log->SysLogError(kHostCategory, "Host example: %s failed", step);
    return 1;
}

void Paint(HDC dc) {
    // The fill draws its bands with the DC's pen: the null pen keeps them seamless.
    HGDIOBJ previousPen = SelectObject(dc, GetStockObject(NULL_PEN));
    RECT box = {40, 40, 440, 260};
    DrawFountainRect(dc, &box, nullptr, 90, 64, kNavy, kWhite, FALSE);
    SelectObject(dc, previousPen);

    // The border's tiles paint their 1 bits in the background colour, over what is there.
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, RGB(140, 40, 0));
    POINT corners[] = {{16, 16}, {464, 284}};
    PaintFcRect(dc, corners, 16, 25);
}

LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        Paint(BeginPaint(window, &paint));
        EndPaint(window, &paint);
        return 0;
    }
    case WM_TIMER:
        if (wParam == kWatchdogTimer) {
            // Only a box waiting for a user keeps the host this long, and nobody is there.
            Fail("finishing within 30 s (a message box may be waiting)");
            ExitProcess(1);
        }
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// The host's message loop: the library's windows see every message first and get the idle
// time. It runs until done() holds, or gives false after timeoutMs.
template <typename Done> bool RunMessageLoopUntil(Done done, DWORD timeoutMs) {
    const DWORD started = GetTickCount();
    while (!done()) {
        if (GetTickCount() - started > timeoutMs)
            return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!FilterQernoDllMsg(&message)) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        }
        ProcessQernoDllIdle();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    return true;
}

// One second of a 440 Hz tone, 8-bit mono PCM at 11025 samples a second, as a RIFF/WAVE file.
bool WriteTone(const std::string& path) {
    constexpr unsigned long kRate = 11025;
    std::string samples(kRate, '\0');
    for (unsigned long i = 0; i < kRate; ++i)
        samples[i] = static_cast<char>(128 + 100 * std::sin(2 * 3.14159265 * 440 * i / kRate));

    auto little = [](std::string& out, unsigned long value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out += static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    std::string wave = "RIFF";
    little(wave, 36 + samples.size(), 4);
    wave += "WAVEfmt ";
    little(wave, 16, 4);
    little(wave, WAVE_FORMAT_PCM, 2);
    little(wave, 1, 2);     // channels
    little(wave, kRate, 4); // samples a second
    little(wave, kRate, 4); // bytes a second
    little(wave, 1, 2);     // block alignment
    little(wave, 8, 2);     // bits a sample
    wave += "data";
    little(wave, samples.size(), 4);
    wave += samples;

    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(wave.data(), 1, wave.size(), file) == wave.size();
    return std::fclose(file) == 0 && written;
}

unsigned long FileSize(const char* path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    return GetFileAttributesExA(path, GetFileExInfoStandard, &data) ? data.nFileSizeLow : 0;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = HostProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "QernoHostExample";
    if (!RegisterClassA(&windowClass))
        return Fail("RegisterClassA");
    RECT frame = {0, 0, 480, 300};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    HWND window = CreateWindowA("QernoHostExample", "Qerno host example", WS_OVERLAPPEDWINDOW, 40,
                                40, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                nullptr, instance, nullptr);
    if (!window)
        return Fail("CreateWindowA");
    ShowWindow(window, SW_SHOW);
    SetTimer(window, kWatchdogTimer, kWatchdogMs, nullptr);

    // The library owns the resource module from here on and frees it when it is unloaded.
    HINSTANCE resources = LoadLibraryA("QernoRes.dll");
    if (!resources)
        return Fail("LoadLibraryA(QernoRes.dll)");
    if (!InitQernoDll(window, resources))
        return Fail("InitQernoDll");

    // The log file is reopened for every record, so it can be checked at once (an empty name,
    // set in the registry, turns file output off).
    CSysLog* log = GetSysLog();
    if (!log)
        return Fail("GetSysLog");
    const std::string logFile = log->GetLogFile();
    const unsigned long logSize = FileSize(logFile.c_str());
    log->SysLogInfo(kHostCategory, "Host example started");
    if (!logFile.empty() && FileSize(logFile.c_str()) <= logSize)
        return Fail("writing the log");

    // The first paint draws the fill and the border; the fill's top band is its first colour.
    UpdateWindow(window);
    HDC dc = GetDC(window);
    const COLORREF top = GetPixel(dc, 240, 42);
    ReleaseDC(window, dc);
    if (top != kNavy)
        return Fail("painting the fountain fill");

    // Checked first, since the library would ask the user about a missing or unknown file.
    std::string wave = __argc > 1 ? __argv[1] : "";
    if (wave.empty()) {
        char folder[MAX_PATH];
        GetTempPathA(MAX_PATH, folder);
        wave = std::string(folder) + "qerno-host-tone.wav";
        if (!WriteTone(wave))
            return Fail("writing the tone");
    }
    if (GetFileAttributesA(wave.c_str()) == INVALID_FILE_ATTRIBUTES ||
        GetFileNameType(wave.c_str()) != kSoundFile)
        return Fail("finding a sound file to play");

    // The stage window plays at once. MCI names a device opened without an alias by its file.
    HWND stage = OpenMediaPlayWnd(window, "Tone", "tone", wave.c_str(), 0, kNoMediaPosition);
    if (!stage)
        return Fail("OpenMediaPlayWnd");
    const unsigned short device = static_cast<unsigned short>(mciGetDeviceIDA(wave.c_str()));
    if (!device || !IsMediaPlaying(device))
        return Fail("starting play");
    const bool ended = RunMessageLoopUntil(
        [&] { return !IsWindow(stage) || !IsMediaPlaying(device); }, kPlayTimeoutMs);
    if (!ended || !IsWindow(stage))
        return Fail("playing to the end");
    if (GetMediaPosition(device) != GetMediaLength(device))
        return Fail("reaching the end of the wave");
    if (!CloseMediaFile(window, "tone") || IsWindow(stage))
        return Fail("CloseMediaFile");

    log->SysLogInfo(kHostCategory, "Host example played %s", wave.c_str());
    KillTimer(window, kWatchdogTimer);
    DestroyWindow(window);
    return 0;
}
