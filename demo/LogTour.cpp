#include "LogTour.h"

#include "host/HostLoop.h"
#include "Qerno.h"
#include "Screenshot.h"

#include <cstdio>

namespace {

void WriteSampleRecords(CSysLog& log) {
    const unsigned int categories[] = {0x1,     0x2,      0x10000,  0x20000, 0x40000,
                                       0x80000, 0x100000, 0x200000, 0x400000};
    const unsigned int levels[] = {kLogFatal, kLogError, kLogWarning, kLogInfo};
    int record = 0;
    for (unsigned int category : categories) {
        log.SysLog(levels[record % 4], category, "Sample record %d of the showcase", record + 1);
        ++record;
    }
    log.SysLogString(3, 0x800, "A level and a category without names show their numbers");
    log.SysLogSystemError(kLogCateFrame, ERROR_FILE_NOT_FOUND, "Opening %s", "missing.lmo");
}

// The log file is shared with every other run in this Wine prefix: keep only the demo's part.
bool SaveLogTail(const char* logFile, DWORD logStart, const std::string& copy) {
    HANDLE source = CreateFileA(logFile, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    if (source == INVALID_HANDLE_VALUE)
        return false;
    HANDLE target = CreateFileA(copy.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    bool saved = target != INVALID_HANDLE_VALUE &&
                 SetFilePointer(source, logStart, nullptr, FILE_BEGIN) == logStart;
    char chunk[4096]; // a page at a time
    DWORD read = 0;
    while (saved && ReadFile(source, chunk, sizeof chunk, &read, nullptr) && read > 0) {
        DWORD written = 0;
        saved = WriteFile(target, chunk, read, &written, nullptr) && written == read;
    }
    if (target != INVALID_HANDLE_VALUE)
        CloseHandle(target);
    CloseHandle(source);
    return saved;
}

} // namespace

DWORD LogFileEnd() {
    CSysLog* log = GetSysLog();
    WIN32_FILE_ATTRIBUTE_DATA file = {};
    if (!log || !GetFileAttributesExA(log->GetLogFile(), GetFileExInfoStandard, &file))
        return 0;
    return file.nFileSizeLow;
}

bool TourLog(HWND owner, const std::string& outDirectory, DWORD logStart) {
    CSysLog* log = GetSysLog();
    if (!log || !log->CreateMsgWnd(nullptr))
        return false;
    // Every category, the one prompts argue in included.
    log->SetOptionCate(0xFFFFFFFF, 0xFFFFFFFF);
    log->ShowMsgWnd(1);

    char title[32] = {}; // the window's title holds 31 characters
    GetIDStringB(11266, title, sizeof title);
    HWND window = FindWindowA(nullptr, title);
    RECT host;
    GetWindowRect(owner, &host);
    MoveWindow(window, host.right - 660, host.top + 120, 640, 360, TRUE);
    WriteSampleRecords(*log);
    PumpMessages();

    const bool saved = SaveWindowScreenshot(window, outDirectory + "\\03-log-window.png");
    const std::string copy = outDirectory + "\\qerno.log";
    const bool copied = SaveLogTail(log->GetLogFile(), logStart, copy);
    std::printf("%s %s\\03-log-window.png\n%s %s\n", saved ? "saved" : "FAILED to save",
                outDirectory.c_str(), copied ? "saved" : "FAILED to save", copy.c_str());
    log->ShowMsgWnd(0);
    return saved && copied;
}
