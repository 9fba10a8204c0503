// The system's texts for error codes, and the error prompts built on them and on the common
// dialogs' last error.
#include "QernoFrame.h"
#include "frame/PromptText.h"

#include <commdlg.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr int kSysErrorRoom = 256;     // PromptSysError: 255 characters
constexpr int kSysErrorFmtRoom = 2048; // PromptSysErrorFmt: 2,047 characters
constexpr char kSystemTextSeparator[] = " -- ";

} // namespace

unsigned long QERNO_CALL GetSystemErrorMsg(char* buffer, unsigned long size) {
    return GetSystemErrorMsg(buffer, GetLastError(), size);
}

// FormatMessage fails outright when the text does not fit a caller's buffer; the system's own
// allocation lets a long text be cut instead.
unsigned long QERNO_CALL GetSystemErrorMsg(char* buffer, unsigned long code, unsigned long size) {
    if (!buffer || size == 0)
        return 0;
    buffer[0] = '\0';
    char* message = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&message),
        0, nullptr);
    if (length == 0 || !message)
        return 0;
    lstrcpynA(buffer, message, static_cast<int>(size));
    LocalFree(message);
    return static_cast<unsigned long>(std::strlen(buffer));
}

void QERNO_CALL PromptSysError(HWND hWnd) {
    const DWORD code = GetLastError();
    if (code == 0)
        return;
    char text[kSysErrorRoom];
    if (GetSystemErrorMsg(text, code, sizeof text))
        PromptError(hWnd, text);
}

void __cdecl PromptSysErrorFmt(HWND hWnd, unsigned long code, const char* format, ...) {
    // Formatting may itself change the last error.
    if (code == 0)
        code = GetLastError();
    char text[kSysErrorFmtRoom];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    std::strncat(text, kSystemTextSeparator, sizeof text - 1 - std::strlen(text));
    const std::size_t length = std::strlen(text);
    GetSystemErrorMsg(text + length, code, sizeof text - length);
    PromptError(hWnd, text);
}

void QERNO_CALL PromptCommDlgError(HWND hWnd) {
    const DWORD code = CommDlgExtendedError();
    const CommDlgErrorText shown = DescribeCommDlgError(code);
    switch (shown.shown) {
    case CommDlgErrorShown::Nothing:
        break;
    case CommDlgErrorShown::StringId:
        PromptErrorID(hWnd, shown.stringId);
        break;
    case CommDlgErrorShown::FixedText:
        PromptError(hWnd, shown.text);
        break;
    case CommDlgErrorShown::Formatted:
        // The export takes its format as char* but only reads it.
        PromptErrorFmt(hWnd, const_cast<char*>(shown.text), static_cast<int>(code));
        break;
    }
}
