// Configuration, registry and files.
#pragma once

#include "QernoTypes.h"

#if defined(_WIN32)
// A movable global memory block with the address it is locked at; it owns the block.
class QERNO_API CGlobalBlock {
public:
    CGlobalBlock() = default;
    CGlobalBlock(const CGlobalBlock&) = delete;
    CGlobalBlock& operator=(const CGlobalBlock&) = delete;
    ~CGlobalBlock();

    int Lock();
    void Unlock();
    CGlobalBlock& Free();

    HGLOBAL m_hGlobal = nullptr;
    void* m_pData = nullptr;
};
#endif
