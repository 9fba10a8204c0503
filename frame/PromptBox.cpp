#include "frame/PromptBox.h"

#include "QernoFrame.h"
#include "QernoLog.h"
#include "frame/MessageBoxLayout.h"

namespace {

// Prompts may come from any of the host's threads.
volatile LONG unattended = 0;

} // namespace

BOOL QERNO_CALL SetQernoUnattended(BOOL bUnattended) {
    return InterlockedExchange(&unattended, bUnattended ? 1 : 0);
}

int ShowPromptBox(HWND owner, const char* text, const char* caption, UINT flags,
                  PromptBoxKind kind) {
    if (!InterlockedCompareExchange(&unattended, 0, 0))
        return kind == PromptBoxKind::kSystem ? MessageBoxA(owner, text, caption, flags)
                                              : KvtMessageBox(owner, text, caption, flags);
    const int answer = DefaultAnswer(flags);
    if (CSysLog* log = GetSysLog())
        log->SysLogWarning(kLogCateFrame, "Unattended: \"%s\" answered %s without a box",
                           caption ? caption : "Error", AnswerName(answer));
    return answer;
}
