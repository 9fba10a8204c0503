// Storage of CRectArray: a movable, zero-initialised global memory block on Windows and the C
// heap elsewhere, so that the array's logic also runs under the native sanitizers.
#pragma once

#include "QernoTypes.h"

// Null when the memory is not there.
HGLOBAL AllocRectBlock(int count);
// The rectangles past the old end come zeroed. Null when the block cannot grow; the old block
// is then still valid.
HGLOBAL ReAllocRectBlock(HGLOBAL block, int count);
void FreeRectBlock(HGLOBAL block);

// Locks a block for the life of the object. A block may move while it is not locked.
class LockedRects {
public:
    explicit LockedRects(HGLOBAL block);
    ~LockedRects();
    LockedRects(const LockedRects&) = delete;
    LockedRects& operator=(const LockedRects&) = delete;

    RECT* data() const { return rects_; }
    RECT& operator[](int index) const { return rects_[index]; }

private:
    [[maybe_unused]] HGLOBAL block_; // only a global block needs unlocking
    RECT* rects_;
};
