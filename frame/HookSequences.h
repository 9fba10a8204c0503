// The sequences behind start-up and idle time, kept apart from the Windows calls they drive.
#pragma once

#include <functional>
#include <initializer_list>

using StartupStep = std::function<int()>;

// Runs the steps in order, each only while every earlier one succeeded; the result is that of
// the last step that ran (0 for no steps).
int RunStartupSteps(std::initializer_list<StartupStep> steps);

// Calls onIdle with the counts 0, 1, 2, ... for as long as it asks for more.
void RunIdleCounts(const std::function<bool(long count)>& onIdle);
