// Where a CLumoRegist reports: the system log, unless the instance is kept quiet.
#pragma once

#include "QernoConfig.h"
#include "QernoLog.h"

// Null when the instance's log switch is off (the log reads its own settings through one) or
// while there is no log yet.
CSysLog* RegistryLog(const CLumoRegist& registry);
