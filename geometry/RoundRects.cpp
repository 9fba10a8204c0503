#include "QernoGeometry.h"
#include "geometry/ScaleArithmetic.h"

void QERNO_CALL GetRectRoundSize(HDC dc, RECT* rect, int roundness, long* ellipseWidth,
                                 long* ellipseHeight) {
    if (!rect || !ellipseWidth || !ellipseHeight)
        return;
    const EllipseSize ellipse = RoundCornerSize(rect->right - rect->left, rect->bottom - rect->top,
                                                roundness, GetnXRate(dc), GetnYRate(dc));
    *ellipseWidth = ellipse.width;
    *ellipseHeight = ellipse.height;
}

void QERNO_CALL ___DrawRoundRect(HDC dc, int left, int top, int right, int bottom, int roundness) {
    RECT rect = {left, top, right, bottom};
    long width = 0;
    long height = 0;
    GetRectRoundSize(dc, &rect, roundness, &width, &height);
    RoundRect(dc, left, top, right, bottom, width, height);
}

void QERNO_CALL DrawRoundRect(HDC dc, RECT* rect, int roundness) {
    if (!rect)
        return;
    ___DrawRoundRect(dc, rect->left, rect->top, rect->right, rect->bottom, roundness);
}

void QERNO_CALL _DrawRoundRect(HDC dc, POINT* corners, int roundness) {
    if (!corners)
        return;
    ___DrawRoundRect(dc, corners[0].x, corners[0].y, corners[1].x, corners[1].y, roundness);
}

void QERNO_CALL __DrawRoundRect(HDC dc, POINT topLeft, POINT bottomRight, int roundness) {
    ___DrawRoundRect(dc, topLeft.x, topLeft.y, bottomRight.x, bottomRight.y, roundness);
}
