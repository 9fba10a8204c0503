// Rendering and effects.
#pragma once

#include "QernoTypes.h"

#if defined(_WIN32)
QERNO_API HBITMAP QERNO_CALL GetHoriShimmerBmp();
QERNO_API HBITMAP QERNO_CALL GetVertShimmerBmp();
#endif
