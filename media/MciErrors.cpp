// The one error path of the media families: MCI failures go to the system log, never to the user.
#include "QernoLog.h"
#include "QernoMedia.h"

#include <mmsystem.h>

namespace {

constexpr char kInvalidMediaIdText[] = "Invalid Media-ID\n";

// MCI's own text for error; the invalid-ID text for the library's own code.
void ErrorText(unsigned long error, char (&text)[128]) {
    if (error == kInvalidMediaId) {
        lstrcpynA(text, kInvalidMediaIdText, sizeof text);
        return;
    }
    text[0] = '\0';
    mciGetErrorStringA(error, text, sizeof text - 1);
}

} // namespace

int QERNO_CALL ShowMciErrorStr(unsigned long error, const char* label) {
    if (error == 0)
        return 1;
    char text[128]; // MCI's text, cut at 127 characters
    ErrorText(error, text);
    if (CSysLog* log = GetSysLog())
        log->SysLogError(kLogCateMedia, "%s%s", label ? label : "", text);
    return 0;
}

int QERNO_CALL ShowMciErrorStr(unsigned long error) {
    if (error == 0)
        return 1;
    char text[128]; // MCI's text, cut at 127 characters
    ErrorText(error, text);
    if (CSysLog* log = GetSysLog())
        log->SysLogStringError(kLogCateMedia, text);
    return 0;
}

int QERNO_CALL ShowCustomErrorStr(const char* text) {
    if (CSysLog* log = GetSysLog())
        log->SysLogStringError(kLogCateMedia, text);
    return 0;
}
