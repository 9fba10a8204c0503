// Rendering and effects.
#pragma once

#include "QernoTypes.h"

#if defined(_WIN32)
QERNO_API HBITMAP QERNO_CALL GetHoriShimmerBmp();
QERNO_API HBITMAP QERNO_CALL GetVertShimmerBmp();
#endif

#if defined(_WIN32)
// Zeroed local-memory work buffers of size bytes. Both outputs are cleared first; on failure
// (or a size below 0, or a null output) they stay null and the result is 0.
QERNO_API int QERNO_CALL AllocLockLcBuffer(void** handle, char** pointer, int size);
// Unlocks and frees what AllocLockLcBuffer gave and clears both; null ones are skipped.
QERNO_API void QERNO_CALL FreeUnlockLcBuffer(void** handle, char** pointer);
#endif
