#include "QernoConfig.h"

#include <cstddef>

// Hosts built against the 32-bit product hold these themselves: the layout is theirs too.
#if defined(_WIN32) && !defined(_WIN64)
static_assert(offsetof(CGlobalBlock, m_hGlobal) == 0);
static_assert(offsetof(CGlobalBlock, m_pData) == 4);
static_assert(sizeof(CGlobalBlock) == 8);
#endif

CGlobalBlock::~CGlobalBlock() {
    Free();
}

// A block locked before its handle was freed still answers 1: the pointer is what counts.
int CGlobalBlock::Lock() {
    if (m_hGlobal)
        m_pData = GlobalLock(m_hGlobal);
    return m_pData ? 1 : 0;
}

void CGlobalBlock::Unlock() {
    if (!m_pData)
        return;
    GlobalUnlock(m_hGlobal);
    m_pData = nullptr;
}

CGlobalBlock& CGlobalBlock::Free() {
    if (m_hGlobal) {
        GlobalFree(m_hGlobal);
        m_hGlobal = nullptr;
    }
    return *this;
}
