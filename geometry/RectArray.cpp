#include "QernoGeometry.h"
#include "geometry/RectBasics.h"
#include "geometry/RectBlock.h"

#include <cstddef>
#include <cstring>

// Hosts built against the 32-bit product hold these themselves: the layout is theirs too.
#if defined(_WIN32) && !defined(_WIN64)
static_assert(offsetof(CRectArray, m_hData) == 0);
static_assert(offsetof(CRectArray, m_nSize) == 4);
static_assert(offsetof(CRectArray, m_nMaxSize) == 8);
static_assert(offsetof(CRectArray, m_nGrowBy) == 12);
static_assert(sizeof(CRectArray) == 16);
#endif

namespace {

constexpr int kDefaultGrowBy = 5;

void ZeroRects(HGLOBAL block, int from, int to) {
    LockedRects rects(block);
    std::memset(rects.data() + from, 0, static_cast<std::size_t>(to - from) * sizeof(RECT));
}

} // namespace

CRectArray::CRectArray() : m_hData(nullptr), m_nSize(0), m_nMaxSize(0), m_nGrowBy(kDefaultGrowBy) {}

CRectArray::~CRectArray() {
    RemoveAll();
}

void QERNO_CALL CRectArray::RemoveAll() {
    if (m_hData)
        FreeRectBlock(m_hData);
    m_hData = nullptr;
    m_nSize = 0;
    m_nMaxSize = 0;
}

// Indices outside the array are ignored here and in SetAt, and read as an empty rectangle by
// GetAt: the array never touches memory beyond its block.
void QERNO_CALL CRectArray::RemoveAt(int index) {
    if (index < 0 || index >= m_nSize)
        return;
    LockedRects rects(m_hData);
    std::memmove(rects.data() + index, rects.data() + index + 1,
                 static_cast<std::size_t>(m_nSize - index - 1) * sizeof(RECT));
    --m_nSize;
}

// A negative size empties the array like 0. When memory runs out the array stays as it was,
// which its callers notice by the size.
void QERNO_CALL CRectArray::SetSize(int newSize, int growBy) {
    if (growBy != -1)
        m_nGrowBy = growBy;
    if (newSize <= 0) {
        RemoveAll();
        return;
    }
    if (!m_hData) {
        m_hData = AllocRectBlock(newSize);
        if (m_hData)
            m_nSize = m_nMaxSize = newSize;
        return;
    }
    if (newSize > m_nMaxSize) {
        // Growing by a few at a time spares a reallocation for every rectangle added.
        const int capacity = newSize < m_nMaxSize + m_nGrowBy ? m_nMaxSize + m_nGrowBy : newSize;
        HGLOBAL grown = ReAllocRectBlock(m_hData, capacity);
        if (!grown)
            return;
        m_hData = grown;
        m_nMaxSize = capacity;
    }
    // Rectangles left behind by RemoveAt or a shrink must not reappear.
    if (newSize > m_nSize)
        ZeroRects(m_hData, m_nSize, newSize);
    m_nSize = newSize;
}

RECT QERNO_CALL CRectArray::GetAt(int index) const {
    if (index < 0 || index >= m_nSize)
        return RECT{0, 0, 0, 0};
    LockedRects rects(m_hData);
    return rects[index];
}

RECT QERNO_CALL CRectArray::operator[](int index) const {
    return GetAt(index);
}

// The emptiness test comes first and counts a reversed rectangle as empty, so what is stored
// is already normalised.
void QERNO_CALL CRectArray::SetAt(int index, RECT rect) {
    if (RectIsEmpty(rect) || index < 0 || index >= m_nSize)
        return;
    LockedRects rects(m_hData);
    rects[index] = rect;
}

void QERNO_CALL CRectArray::SetAtGrow(int index, RECT rect) {
    if (index >= m_nSize)
        SetSize(index + 1);
    SetAt(index, rect);
}

void QERNO_CALL CRectArray::InsertAt(int index, RECT rect) {
    SortRect(&rect);
    if (RectIsEmpty(rect) || index < 0)
        return;
    if (index >= m_nSize) {
        SetSize(index + 1);
        SetAt(index, rect);
        return;
    }
    const int oldSize = m_nSize;
    SetSize(oldSize + 1);
    if (m_nSize != oldSize + 1)
        return;
    LockedRects rects(m_hData);
    std::memmove(rects.data() + index + 1, rects.data() + index,
                 static_cast<std::size_t>(oldSize - index) * sizeof(RECT));
    rects[index] = rect;
}

// Rectangles that the new one swallows are dropped; one that lies inside a rectangle already
// there is not added. The insertion index counts only the rectangles that remain, so the
// order holds even when swallowed rectangles stood before it.
int QERNO_CALL CRectArray::Add(RECT rect) {
    SortRect(&rect);
    if (RectIsEmpty(rect))
        return -1;

    int position = -1;
    {
        LockedRects rects(m_hData);
        bool covered = false;
        bool swallowed = false;
        for (int i = 0; i < m_nSize; ++i) {
            const int order = CompRect(&rects[i], &rect);
            if (order == 1 || order == 3) {
                covered = true;
                break;
            }
            if (order == 5 && position == -1) {
                position = i;
            } else if (order == 2) {
                rects[i] = RECT{0, 0, 0, 0};
                swallowed = true;
            }
        }
        if (position == -1 && !covered)
            position = m_nSize;
        if (swallowed) {
            int kept = 0;
            int keptBeforePosition = 0;
            for (int i = 0; i < m_nSize; ++i) {
                if (RectIsEmpty(rects[i]))
                    continue;
                if (i < position)
                    ++keptBeforePosition;
                rects[kept++] = rects[i];
            }
            m_nSize = kept;
            if (position != -1)
                position = keptBeforePosition;
        }
    }
    if (position == -1)
        return -1;
    const int oldSize = m_nSize;
    InsertAt(position, rect);
    return m_nSize > oldSize ? position : -1;
}
