#include "render/DibErrors.h"
#include "render/DibLayout.h"

#include "QernoLog.h"
#include "frame/PromptBox.h"

void ShowDibError(int code) {
    if (CSysLog* log = GetSysLog())
        log->SysLogStringError(kLogCateFrame, DibErrorText(code));
    ShowPromptBox(GetFocus(), DibErrorText(code), nullptr, MB_ICONSTOP, PromptBoxKind::kSystem);
}
