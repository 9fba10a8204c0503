#include "QernoConfig.h"
#include "QernoFrame.h"

namespace {

constexpr unsigned int kReadFailedId = 12023;
constexpr unsigned int kWriteFailedId = 12024;
constexpr unsigned int kSeekFailedId = 12025;
constexpr unsigned int kCloseFailedId = 12026;
constexpr unsigned int kShortReadId = 12027;
constexpr unsigned int kShortWriteId = 12028;

constexpr int kReadWriteMode = 2;

// The caller's own words win over the library's generic text.
void PromptFailure(HWND hWnd, const char* message, unsigned int fallbackId) {
    if (message)
        PromptError(hWnd, message);
    else
        PromptErrorID(hWnd, fallbackId);
}

} // namespace

HANDLE QERNO_CALL MyOpenFile(const char* name, int mode, HWND hWnd) {
    const bool readWrite = mode == kReadWriteMode;
    const DWORD access = readWrite ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ;
    const DWORD share = readWrite ? FILE_SHARE_READ | FILE_SHARE_WRITE : FILE_SHARE_READ;
    HANDLE file =
        CreateFileA(name, access, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    // Without a window the caller is only probing, and a missing file is no error to show.
    if (file == INVALID_HANDLE_VALUE && hWnd)
        PromptSysErrorFmt(hWnd, GetLastError(), "%s\n", name);
    return file;
}

BOOL QERNO_CALL MyClose(HANDLE hFile, HWND hWnd, const char* message) {
    if (CloseHandle(hFile))
        return TRUE;
    PromptFailure(hWnd, message, kCloseFailedId);
    return FALSE;
}

DWORD QERNO_CALL MySeek(HANDLE hFile, long distance, int method, HWND hWnd, const char* message) {
    const DWORD position = SetFilePointer(hFile, distance, nullptr, method);
    if (position == INVALID_SET_FILE_POINTER)
        PromptFailure(hWnd, message, kSeekFailedId);
    return position;
}

// A failed seek to -1 reports the very value asked for, so failure is ruled out first.
BOOL QERNO_CALL MySeekPos(HANDLE hFile, long position, HWND hWnd, const char* message) {
    const DWORD reached = MySeek(hFile, position, FILE_BEGIN, hWnd, message);
    return reached != INVALID_SET_FILE_POINTER && reached == static_cast<DWORD>(position);
}

DWORD QERNO_CALL _MyHRead(HANDLE hFile, char* buffer, DWORD count, HWND hWnd, const char* message) {
    DWORD read = 0;
    if (!ReadFile(hFile, buffer, count, &read, nullptr))
        PromptFailure(hWnd, message, kReadFailedId);
    return read;
}

BOOL QERNO_CALL MyHRead(HANDLE hFile, char* buffer, DWORD count, HWND hWnd, const char* message) {
    DWORD read = 0;
    if (!ReadFile(hFile, buffer, count, &read, nullptr)) {
        PromptFailure(hWnd, message, kReadFailedId);
        return FALSE;
    }
    if (read != count) {
        PromptFailure(hWnd, message, kShortReadId);
        return FALSE;
    }
    return TRUE;
}

BOOL QERNO_CALL MyHWrite(HANDLE hFile, const char* buffer, DWORD count, HWND hWnd,
                         const char* message) {
    DWORD written = 0;
    if (!WriteFile(hFile, buffer, count, &written, nullptr)) {
        PromptFailure(hWnd, message, kWriteFailedId);
        return FALSE;
    }
    if (written != count) {
        PromptFailure(hWnd, message, kShortWriteId);
        return FALSE;
    }
    return TRUE;
}
