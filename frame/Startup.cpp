// The host's entry points: start-up and the two message-loop hooks.
#include "QernoFrame.h"
#include "frame/QernoApp.h"
#include "frame/HookSequences.h"
#include "frame/afx/ModuleState.h"
#include "log/SysLogInstance.h"
#include "media/players/MediaWindows.h"
#include "render/PlugInManager.h"
#include "render/ResourceTable.h"
#include "render/ShimmerBitmaps.h"

int QERNO_CALL InitQernoDll(HWND hWnd, HINSTANCE hResource) {
    afx::ModuleStateGuard guard(afx::LibraryModuleState());
    AdoptResourceModule(hResource);
    CreateSysLog();
    LoadShimmerBitmaps(hResource);
    const int result = RunStartupSteps({
        [hWnd] { return ReadCorrectTable(hWnd); },
        [hWnd] { return ReadShadeTable(hWnd); },
        [hWnd] { return ReadFancyTable(hWnd); },
        [hWnd] { return InitMediaWindows(hWnd, LibraryInstance()); },
    });
    // The host's plug-in list does not depend on the tables: it is made whatever they gave.
    InitPlugInManager();
    return result;
}

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
            RunIdleCounts([app](long count) { return app->OnIdle(count) != FALSE; });
    } catch (...) {
    }
}
