// The lock every DIB handle goes through.
#pragma once

#include "render/DibLayout.h"

#include <windows.h>

// The handle's block, locked, and where its parts lie, when the DIB lies wholly inside it; a DIB
// that does not is unlocked again and refused as a failed lock would be.
inline char* LockDib(HGLOBAL dib, DibParts* parts) {
    char* block = static_cast<char*>(GlobalLock(dib));
    if (block && !ReadDibBlock(block, GlobalSize(dib), parts)) {
        GlobalUnlock(dib);
        return nullptr;
    }
    return block;
}
