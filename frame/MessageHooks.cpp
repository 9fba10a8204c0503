// The two message-loop hooks the host routes its loop through.
#include "QernoFrame.h"
#include "frame/afx/ModuleState.h"
#include "frame/afx/WinApp.h"

// No exception may reach the host: a failure means the message was not consumed.
int QERNO_CALL FilterQernoDllMsg(MSG* pMsg) {
    afx::ModuleStateGuard guard(afx::LibraryModuleState());
    try {
        CWinApp* app = afx::GetApp();
        return app && app->PreTranslateMessage(pMsg);
    } catch (...) {
        return FALSE;
    }
}

// All pending idle work is done in one go: the counts run on while the framework asks for more.
void QERNO_CALL ProcessQernoDllIdle() {
    afx::ModuleStateGuard guard(afx::LibraryModuleState());
    try {
        if (CWinApp* app = afx::GetApp())
            for (long count = 0; app->OnIdle(count); ++count) {
            }
    } catch (...) {
    }
}
