// The lock every DIB handle goes through.
#pragma once

#include "render/DibLayout.h"

#include <windows.h>

// The handle's block, locked, when the DIB lies wholly inside it; a DIB that does not is
// unlocked again and refused as a failed lock would be.
inline char* LockDib(HGLOBAL dib) {
    char* block = static_cast<char*>(GlobalLock(dib));
    if (block && !DibFitsBlock(block, GlobalSize(dib))) {
        GlobalUnlock(dib);
        return nullptr;
    }
    return block;
}
