// The presentation vocabulary: predefined actions, messages and event keys.
#pragma once

#include "QernoTypes.h"
