#include "geometry/RectBlock.h"

#include <cstddef>

#if defined(_WIN32)

HGLOBAL AllocRectBlock(int count) {
    return GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, count * sizeof(RECT));
}

HGLOBAL ReAllocRectBlock(HGLOBAL block, int count) {
    return GlobalReAlloc(block, count * sizeof(RECT), GMEM_MOVEABLE | GMEM_ZEROINIT);
}

void FreeRectBlock(HGLOBAL block) {
    GlobalFree(block);
}

LockedRects::LockedRects(HGLOBAL block)
    : block_(block), rects_(block ? static_cast<RECT*>(GlobalLock(block)) : nullptr) {}

LockedRects::~LockedRects() {
    if (rects_)
        GlobalUnlock(block_);
}

#else
#include <cstdlib>
#include <cstring>

namespace {

// The block remembers its size in front of the rectangles, as a global block knows its own,
// so that growing can zero what is new.
struct BlockHeader {
    alignas(std::max_align_t) std::size_t bytes;
};

BlockHeader* HeaderOf(HGLOBAL block) {
    return static_cast<BlockHeader*>(block);
}

} // namespace

HGLOBAL AllocRectBlock(int count) {
    const std::size_t bytes = static_cast<std::size_t>(count) * sizeof(RECT);
    auto* header = static_cast<BlockHeader*>(std::calloc(1, sizeof(BlockHeader) + bytes));
    if (header)
        header->bytes = bytes;
    return header;
}

HGLOBAL ReAllocRectBlock(HGLOBAL block, int count) {
    const std::size_t bytes = static_cast<std::size_t>(count) * sizeof(RECT);
    const std::size_t oldBytes = HeaderOf(block)->bytes;
    auto* header = static_cast<BlockHeader*>(std::realloc(block, sizeof(BlockHeader) + bytes));
    if (!header)
        return nullptr;
    if (bytes > oldBytes)
        std::memset(reinterpret_cast<char*>(header + 1) + oldBytes, 0, bytes - oldBytes);
    header->bytes = bytes;
    return header;
}

void FreeRectBlock(HGLOBAL block) {
    std::free(block);
}

LockedRects::LockedRects(HGLOBAL block)
    : block_(block), rects_(block ? reinterpret_cast<RECT*>(HeaderOf(block) + 1) : nullptr) {}

LockedRects::~LockedRects() = default;

#endif
