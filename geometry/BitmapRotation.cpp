#include "QernoGeometry.h"

#include "geometry/BitmapRotationKernel.h"

#include <cstdlib>

namespace {

// The same turn counter-clockwise with y up, in 0..359.
int CounterClockwiseTurn(long angle) {
    return static_cast<int>((360 - angle % 360) % 360);
}

long NonNegative(long side) {
    return side < 0 ? 0 : side;
}

struct RotatedSize {
    long width;
    long height;
    long long c; // |cos| and |sin| of the turn, times 10000
    long long s;
};

RotatedSize SizeAfterTurn(long width, long height, int turn) {
    const long long c = std::abs(Lumo_GetCos(turn));
    const long long s = std::abs(Lumo_GetSin(turn));
    if (turn == 0 || turn == 180)
        return {width, height, c, s};
    if (turn == 90 || turn == 270)
        return {height, width, c, s};
    return {static_cast<long>((width * c + height * s) / 10000),
            static_cast<long>((width * s + height * c) / 10000), c, s};
}

// Where source pixel (0, 0) lands: the corner of the turned bitmap it becomes.
POINT OriginAfterTurn(const RotatedSize& size, long long w, long long h, int turn) {
    long long x = 0;
    long long y = 0;
    if (turn == 90) {
        y = w - 1;
    } else if (turn == 180) {
        x = w - 1;
        y = h - 1;
    } else if (turn == 270) {
        x = h - 1;
    } else if (turn > 0 && turn < 90) {
        y = w * size.s / 10000 - 1;
    } else if (turn > 90 && turn < 180) {
        x = w * size.c / 10000 - 1;
        y = size.height - 1;
    } else if (turn > 180 && turn < 270) {
        x = size.width - 1;
        y = h * size.c / 10000 - 1;
    } else if (turn > 270) {
        x = h * size.s / 10000 - 1;
    }
    return {static_cast<LONG>(x), static_cast<LONG>(y)};
}

} // namespace

void QERNO_CALL rotwh(long width, long height, long* newWidth, long* newHeight, long angle) {
    const RotatedSize size =
        SizeAfterTurn(NonNegative(width), NonNegative(height), CounterClockwiseTurn(angle));
    if (newWidth)
        *newWidth = size.width;
    if (newHeight)
        *newHeight = size.height;
}

void QERNO_CALL rotate(BYTE* source, long width, long height, BYTE* target, long* newWidth,
                       long* newHeight, long angle) {
    const long w = NonNegative(width);
    const long h = NonNegative(height);
    const int turn = CounterClockwiseTurn(angle);
    const RotatedSize size = SizeAfterTurn(w, h, turn);
    const POINT origin = OriginAfterTurn(size, w, h, turn);
    if (newWidth)
        *newWidth = size.width;
    if (newHeight)
        *newHeight = size.height;
    if (!source || !target || w > kMaxRotatedSide || h > kMaxRotatedSide)
        return;
    const RotationParams params = {origin.x,
                                   origin.y,
                                   static_cast<int>(size.width),
                                   static_cast<int>(size.height),
                                   static_cast<int>(w),
                                   static_cast<int>(h)};
    RotateBitsKernel(source, target, params, turn);
}
