#include "log/SysLogFile.h"

#include "log/LogRecord.h"

namespace {

// The system's local time, not the C runtime's, whose time zone may differ.
std::tm LocalNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    std::tm local = {};
    local.tm_year = now.wYear - 1900;
    local.tm_mon = now.wMonth - 1;
    local.tm_mday = now.wDay;
    local.tm_wday = now.wDayOfWeek;
    local.tm_hour = now.wHour;
    local.tm_min = now.wMinute;
    local.tm_sec = now.wSecond;
    return local;
}

bool ExceedsLimit(HANDLE file, DWORD sizeLimit) {
    DWORD high = 0;
    const DWORD low = GetFileSize(file, &high);
    return high != 0 || low > sizeLimit;
}

} // namespace

void AppendLogRecord(const char* path, DWORD sizeLimit, const char* record, DWORD length) {
    // Readers may look at the file while a record is written; nobody else may write to it.
    HANDLE file = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        OutputDebugStringA("SysLogError: Cannot open log File: ");
        OutputDebugStringA(path);
        OutputDebugStringA("\n");
        return;
    }
    DWORD written = 0;
    if (ExceedsLimit(file, sizeLimit)) {
        char marker[kLogMarkerSize];
        const unsigned int markerLength = BuildLogSizeMarker(LocalNow(), marker);
        SetFilePointer(file, 0, nullptr, FILE_BEGIN);
        WriteFile(file, marker, markerLength, &written, nullptr);
        WriteFile(file, record, length, &written, nullptr);
        SetEndOfFile(file);
    } else {
        SetFilePointer(file, 0, nullptr, FILE_END);
        WriteFile(file, record, length, &written, nullptr);
    }
    CloseHandle(file);
}
