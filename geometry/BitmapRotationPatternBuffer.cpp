#include "QernoGeometry.h"
#include "QernoRender.h"

#include "geometry/BitmapRotationPattern.h"

void QERNO_CALL RotateBmp(int angle, char* pattern, char* work) {
    if (angle == 0)
        return;
    if (work) {
        TurnPattern(angle, pattern, work);
        return;
    }
    void* handle = nullptr;
    char* scratch = nullptr;
    if (!AllocLockLcBuffer(&handle, &scratch, kPatternSize))
        return;
    TurnPattern(angle, pattern, scratch);
    FreeUnlockLcBuffer(&handle, &scratch);
}
