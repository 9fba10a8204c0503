#include "frame/afx/ModuleState.h"

namespace afx {

namespace {
thread_local ModuleState* currentState = nullptr;
}

ModuleState& LibraryModuleState() {
    static ModuleState state;
    return state;
}

ModuleState* CurrentModuleState() {
    return currentState;
}

ModuleStateGuard::ModuleStateGuard(ModuleState& state) : previous_(currentState) {
    currentState = &state;
}

ModuleStateGuard::~ModuleStateGuard() {
    currentState = previous_;
}

} // namespace afx
