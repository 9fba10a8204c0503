// The framework's per-module state and the guard that switches a thread into it.
#pragma once

#include <windows.h>

class CWinApp;

namespace afx {

struct ModuleState {
    HINSTANCE instance = nullptr; // the library's own module
    HINSTANCE resource = nullptr; // where the library's own windows take their templates
    CWinApp* app = nullptr;
};

ModuleState& LibraryModuleState();

// The state the calling thread runs in; null outside any guard.
ModuleState* CurrentModuleState();

// Puts the calling thread into a module's state for its lifetime and restores the
// caller's state on every way out; guards nest.
class ModuleStateGuard {
public:
    explicit ModuleStateGuard(ModuleState& state);
    ~ModuleStateGuard();
    ModuleStateGuard(const ModuleStateGuard&) = delete;
    ModuleStateGuard& operator=(const ModuleStateGuard&) = delete;

private:
    ModuleState* previous_;
};

} // namespace afx
