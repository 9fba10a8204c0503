#include "QernoGeometry.h"

#include <algorithm>

namespace {

// Destination XNOR pattern: a black brush inverts, and the same call again restores.
constexpr DWORD kInvertWithBlackBrush = 0x00A50065;
// Device coordinates the older GDI could still address.
constexpr int kDeviceMax = 32767;

} // namespace

void QERNO_CALL _PatRectLine(HDC dc, int left, int top, int right, int bottom, DWORD rop2) {
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    const int oldMode = SetROP2(dc, static_cast<int>(rop2));
    Rectangle(dc, left, top, right, bottom);
    SetROP2(dc, oldMode);
    SelectObject(dc, oldBrush);
}

void QERNO_CALL rcPatRectLine(HDC dc, RECT rect, DWORD rop2) {
    _PatRectLine(dc, rect.left, rect.top, rect.right, rect.bottom, rop2);
}

void QERNO_CALL PatRectLine(HDC dc, POINT topLeft, POINT bottomRight, DWORD rop2) {
    _PatRectLine(dc, topLeft.x, topLeft.y, bottomRight.x, bottomRight.y, rop2);
}

void QERNO_CALL _PatHandle(HDC dc, int x, int y, int halfWidth, int halfHeight) {
    const int left = std::max(x - halfWidth, 0);
    const int top = std::max(y - halfHeight, 0);
    const int right = std::min(x + halfWidth, kDeviceMax);
    const int bottom = std::min(y + halfHeight, kDeviceMax);
    PatBlt(dc, left, top, right - left, bottom - top, kInvertWithBlackBrush);
}

// The far edge goes through device space so that the bar covers whole pixels, however many
// logical units one of them is.
void QERNO_CALL PatBltVertical(HDC dc, int x, int y, int height, int deviceWidth, DWORD rop) {
    POINT edge = {x, y};
    LPtoDP(dc, &edge, 1);
    edge.x += deviceWidth;
    DPtoLP(dc, &edge, 1);
    PatBlt(dc, x, y, edge.x - x, height, rop);
}

void QERNO_CALL PatBltHorizon(HDC dc, int x, int y, int width, int deviceHeight, DWORD rop) {
    POINT edge = {x, y};
    LPtoDP(dc, &edge, 1);
    edge.y += deviceHeight;
    DPtoLP(dc, &edge, 1);
    PatBlt(dc, x, y, width, edge.y - y, rop);
}

// The current position is put back: a host drawing with LineTo of its own must not see it move.
void QERNO_CALL _DrawLine(HDC dc, int x1, int y1, int x2, int y2) {
    POINT current = {};
    MoveToEx(dc, x1, y1, &current);
    LineTo(dc, x2, y2);
    MoveToEx(dc, current.x, current.y, nullptr);
}

void QERNO_CALL DrawLine(HDC dc, POINT from, POINT to) {
    _DrawLine(dc, from.x, from.y, to.x, to.y);
}

void QERNO_CALL DrawRect(HDC dc, RECT* rect) {
    if (!rect)
        return;
    Rectangle(dc, rect->left, rect->top, rect->right, rect->bottom);
}

void QERNO_CALL _DrawRect(HDC dc, POINT topLeft, POINT bottomRight) {
    Rectangle(dc, topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
}
