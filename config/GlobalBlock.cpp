#include "QernoConfig.h"

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
