#include "QernoGeometry.h"

namespace {
constexpr int kHandleCount = 8;
}

// Each coordinate is halved on its own so that the sum cannot overflow.
void QERNO_CALL RectHandlePos(RECT* rect, POINT* position, int handle) {
    if (!rect || !position || handle < 0)
        return;
    const LONG middleX = rect->left / 2 + rect->right / 2;
    const LONG middleY = rect->top / 2 + rect->bottom / 2;
    const POINT handles[kHandleCount] = {{rect->left, rect->top},     {middleX, rect->top},
                                         {rect->right, rect->top},    {rect->right, middleY},
                                         {rect->right, rect->bottom}, {middleX, rect->bottom},
                                         {rect->left, rect->bottom},  {rect->left, middleY}};
    *position = handles[handle % kHandleCount];
}

// A negative handle moves nothing; larger ones count modulo 8, like the handles themselves.
void QERNO_CALL SetRectHandlePos(POINT* frame, WORD n, POINT p, int handle) {
    if (!frame)
        return;
    if (handle >= 0) {
        const int corner = handle % kHandleCount / 4; // 0 top-left, 1 bottom-right
        const int other = 1 - corner;
        switch (handle % 4) {
        case 0:
            frame[corner] = p;
            break;
        case 1:
            frame[corner].y = p.y;
            break;
        case 2:
            frame[corner].y = p.y;
            frame[other].x = p.x;
            break;
        default:
            frame[other].x = p.x;
            break;
        }
    }
    frame[n] = frame[0];
}
