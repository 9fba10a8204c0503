#include "frame/HookSequences.h"

int RunStartupSteps(std::initializer_list<StartupStep> steps) {
    int result = 0;
    for (const StartupStep& step : steps) {
        result = step();
        if (!result)
            break;
    }
    return result;
}

void RunIdleCounts(const std::function<bool(long count)>& onIdle) {
    for (long count = 0; onIdle(count); ++count) {
    }
}
