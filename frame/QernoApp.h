// The library's application object: it lives from process attach to process detach.
#pragma once

#include "frame/afx/WinApp.h"

class CQernoApp : public CWinApp {
public:
    CQernoApp();
    int ExitInstance() override;
};

// Takes over the resource module the host hands to start-up; the library frees it at unload.
// A module held before is freed unless it is the same one.
void AdoptResourceModule(HINSTANCE resourceModule);
// Frees the resource module held, at unload.
void FreeResourceModule();
