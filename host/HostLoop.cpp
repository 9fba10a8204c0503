#include "host/HostLoop.h"

#include "Qerno.h"

bool PumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            return false;
        if (FilterQernoDllMsg(&message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    ProcessQernoDllIdle();
    return true;
}

void PumpMessagesFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    for (DWORD elapsed = 0; elapsed < milliseconds; elapsed = GetTickCount() - start) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed, QS_ALLINPUT);
        PumpMessages();
    }
}

int RunUntilQuit() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!FilterQernoDllMsg(&message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE))
            ProcessQernoDllIdle();
    }
    return 0;
}
