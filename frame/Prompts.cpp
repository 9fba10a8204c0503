// The informational and error prompts: texts by id, by list or by format, logged and shown in
// the library's own message box.
#include "QernoFrame.h"
#include "QernoLog.h"
#include "frame/PromptBox.h"
#include "frame/PromptText.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int kIdTextRoom = 80;     // a caption or text loaded by id: 79 characters
constexpr int kFormattedRoom = 301; // a formatted error text: 300 characters
constexpr UINT kErrorCaptionId = 12009;

// The (id, text) pairs of a caller's argument list: ids are read as unsigned int, texts as
// char*, whatever the caller actually pushed.
class VaListPromptArgs : public PromptArgSource {
public:
    VaListPromptArgs(unsigned int firstId, char* firstText, va_list rest)
        : m_firstId(firstId), m_firstText(firstText) {
        va_copy(m_rest, rest);
    }
    ~VaListPromptArgs() { va_end(m_rest); }
    VaListPromptArgs(const VaListPromptArgs&) = delete;
    VaListPromptArgs& operator=(const VaListPromptArgs&) = delete;

    unsigned int NextId() override {
        if (m_firstTaken)
            return va_arg(m_rest, unsigned int);
        return m_firstId;
    }
    const char* NextText() override {
        if (m_firstTaken)
            return va_arg(m_rest, char*);
        m_firstTaken = true;
        return m_firstText;
    }

private:
    unsigned int m_firstId;
    char* m_firstText;
    bool m_firstTaken = false;
    va_list m_rest;
};

// The assembly copies at most the room left, so a string whose first kAssembledTextRoom
// characters can be read is usable even without a terminator within them. IsBadStringPtrA
// probes exactly that and survives unmapped, guarded and non-canonical addresses alike.
bool IsReadableText(const char* text) {
    return !IsBadStringPtrA(text, kAssembledTextRoom);
}

void AssembleFromList(char (&text)[kAssembledTextRoom + 1], unsigned int firstId, char* firstText,
                      va_list rest) {
    VaListPromptArgs args(firstId, firstText, rest);
    const auto invalid = AssemblePromptText(text, args, CatIDStringB, IsReadableText);
    if (invalid) {
        // The log shows addresses as the 32-bit product has them.
        if (CSysLog* log = GetSysLog())
            log->SysLogError(kLogCatePromptArgs, "Invalid string address: %08X -- ignored",
                             static_cast<unsigned int>(*invalid));
    }
}

} // namespace

int QERNO_CALL PromptSTMsg(HWND hWnd, const char* caption, const char* text, unsigned int flags) {
    if (!text || !*text)
        return IDOK;
    if (CSysLog* log = GetSysLog())
        log->SysLogStringInfo(kLogCateFrame, text);
    return ShowPromptBox(hWnd, text, caption, flags);
}

int QERNO_CALL PromptITMsg(HWND hWnd, unsigned int captionId, const char* text,
                           unsigned int flags) {
    char caption[kIdTextRoom] = "";
    GetIDStringB(captionId, caption, sizeof caption);
    return PromptSTMsg(hWnd, caption, text, flags);
}

int QERNO_CALL PromptSTMsgID(HWND hWnd, const char* caption, unsigned int textId,
                             unsigned int flags) {
    char text[kIdTextRoom] = "";
    GetIDStringB(textId, text, sizeof text);
    return PromptSTMsg(hWnd, caption, text, flags);
}

int QERNO_CALL PromptITMsgID(HWND hWnd, unsigned int captionId, unsigned int textId,
                             unsigned int flags) {
    char caption[kIdTextRoom] = "";
    GetIDStringB(captionId, caption, sizeof caption);
    return PromptSTMsgID(hWnd, caption, textId, flags);
}

int __cdecl PromptSTMsgIDsArg(HWND hWnd, const char* caption, unsigned int flags,
                              unsigned int firstId, char* firstText, va_list rest) {
    char text[kAssembledTextRoom + 1];
    AssembleFromList(text, firstId, firstText, rest);
    return PromptSTMsg(hWnd, caption, text, flags);
}

int __cdecl PromptSTMsgIDs(HWND hWnd, const char* caption, unsigned int flags, unsigned int firstId,
                           char* firstText, ...) {
    va_list rest;
    va_start(rest, firstText);
    const int result = PromptSTMsgIDsArg(hWnd, caption, flags, firstId, firstText, rest);
    va_end(rest);
    return result;
}

int __cdecl PromptITMsgIDs(HWND hWnd, unsigned int captionId, unsigned int flags,
                           unsigned int firstId, char* firstText, ...) {
    char caption[kIdTextRoom] = "";
    GetIDStringB(captionId, caption, sizeof caption);
    va_list rest;
    va_start(rest, firstText);
    const int result = PromptSTMsgIDsArg(hWnd, caption, flags, firstId, firstText, rest);
    va_end(rest);
    return result;
}

void QERNO_CALL PromptError(HWND hWnd, const char* text) {
    if (!text || !*text)
        return;
    // The loader clears the buffer when the string is missing, so the default goes in after.
    char caption[kIdTextRoom] = "";
    if (!GetIDStringB(kErrorCaptionId, caption, sizeof caption))
        lstrcpynA(caption, "Warning", sizeof caption);
    if (CSysLog* log = GetSysLog())
        log->SysLogStringError(kLogCateFrame, text);
    ShowPromptBox(hWnd, text, caption, MB_ICONEXCLAMATION);
}

void QERNO_CALL PromptErrorID(HWND hWnd, unsigned int textId) {
    char text[kIdTextRoom] = "";
    GetIDStringB(textId, text, sizeof text);
    PromptError(hWnd, text);
}

void __cdecl PromptErrorIDs(HWND hWnd, unsigned int firstId, char* firstText, ...) {
    char text[kAssembledTextRoom + 1];
    va_list rest;
    va_start(rest, firstText);
    AssembleFromList(text, firstId, firstText, rest);
    va_end(rest);
    PromptError(hWnd, text);
}

void __cdecl PromptErrorFmt(HWND hWnd, char* format, ...) {
    if (!format)
        return;
    char text[kFormattedRoom];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    PromptError(hWnd, text);
}

void __cdecl PromptErrorIDFmt(HWND hWnd, unsigned int textId, char* format, ...) {
    char text[kFormattedRoom] = "";
    GetIDStringB(textId, text, sizeof text - 1);
    const std::size_t length = std::strlen(text);
    va_list args;
    va_start(args, format);
    std::vsnprintf(text + length, sizeof text - length, format, args);
    va_end(args);
    PromptError(hWnd, text);
}

void QERNO_CALL PromptDiskSpaceLess(char drive, long amount, HWND hWnd) {
    char text[kAssembledTextRoom + 1];
    AssembleDiskSpaceText(text, drive, amount, CatIDStringB);
    PromptError(hWnd, text);
}
