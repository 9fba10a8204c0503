// The whole exported interface of Qerno.dll.
#pragma once

#include "QernoFrame.h"
#include "QernoConfig.h"
#include "QernoRender.h"
