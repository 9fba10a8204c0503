#include "QernoGeometry.h"

void QERNO_CALL OffsetPoints(HGLOBAL points, int n, int dx, int dy) {
    if (!points)
        return;
    _OffsetPoints(static_cast<POINT*>(GlobalLock(points)), n, dx, dy);
    GlobalUnlock(points);
}
