#include "log/SysLogInstance.h"

#include "QernoLog.h"

#include <new>

namespace {
CSysLog* sysLog = nullptr;
}

CSysLog* __cdecl GetSysLog() {
    return sysLog;
}

void CreateSysLog() {
    DeleteSysLog();
    sysLog = new (std::nothrow) CSysLog;
}

// The log is unreachable before it is destroyed: nothing may log into it half-gone.
void DeleteSysLog() {
    CSysLog* held = sysLog;
    sysLog = nullptr;
    delete held;
}
