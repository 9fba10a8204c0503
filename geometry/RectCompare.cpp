#include "QernoGeometry.h"
#include "geometry/RectBasics.h"

#include <algorithm>

// A null rectangle or output is refused: nothing is done, and a test is false or 0.
void QERNO_CALL SortRect(RECT* rect) {
    if (!rect)
        return;
    *rect = {std::min(rect->left, rect->right), std::min(rect->top, rect->bottom),
             std::max(rect->left, rect->right), std::max(rect->top, rect->bottom)};
}

void QERNO_CALL GetRectPoints(RECT* rect, POINT* corners) {
    if (!rect || !corners)
        return;
    corners[0] = {rect->left, rect->top};
    corners[1] = {rect->right, rect->top};
    corners[2] = {rect->right, rect->bottom};
    corners[3] = {rect->left, rect->bottom};
}

BOOL QERNO_CALL IsRect1InRect2(RECT* a, RECT* b) {
    return a && b && a->top >= b->top && a->left >= b->left && a->bottom <= b->bottom &&
           a->right <= b->right;
}

int QERNO_CALL IsRectInRect(RECT* a, RECT* b) {
    if (!a || !b)
        return 0;
    if (RectsEqual(*a, *b))
        return 1;
    if (IsRect1InRect2(a, b))
        return 2;
    if (IsRect1InRect2(b, a))
        return 3;
    return 0;
}

int QERNO_CALL CompRect(RECT* a, RECT* b) {
    constexpr int kAFirst = 4;
    constexpr int kBFirst = 5;
    if (!a || !b)
        return 0;
    if (const int containment = IsRectInRect(a, b))
        return containment;
    if (a->top != b->top)
        return a->top < b->top ? kAFirst : kBFirst;
    if (a->left != b->left)
        return a->left < b->left ? kAFirst : kBFirst;
    return a->bottom <= b->bottom ? kAFirst : kBFirst;
}
