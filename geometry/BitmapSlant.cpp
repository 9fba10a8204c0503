#include "QernoGeometry.h"

namespace {

long NonNegative(long side) {
    return side < 0 ? 0 : side;
}

long long Stride(long long width) {
    return width > 0 ? (width + 7) / 8 : 0;
}

// How far the leaning end of the bitmap moves, in pixels. A cosine of 0 would make it
// unbounded, so those angles do not lean at all.
long long LeanOf(long height, long angle) {
    const int turn = static_cast<int>(angle % 360);
    const POINT tangent = Lumo_GetTan(turn < 0 ? -turn : turn);
    if (tangent.y == 0)
        return 0;
    return static_cast<long long>(height) * tangent.x / tangent.y;
}

// Writes a source row moved right by shift pixels (left when negative) into a target row of
// targetStride bytes; bytes of the source beyond either end count as 0.
void PlaceRow(const BYTE* source, long long sourceStride, BYTE* target, long long targetStride,
              long long shift) {
    const long long q = shift >= 0 ? shift / 8 : -((7 - shift) / 8); // rounded down
    const int t = static_cast<int>(shift - 8 * q);
    auto sourceByte = [&](long long k) -> unsigned int {
        return k >= 0 && k < sourceStride ? source[k] : 0u;
    };
    for (long long j = 0; j < targetStride; ++j) {
        const long long k = j - q;
        target[j] =
            static_cast<BYTE>((sourceByte(k) >> t) | ((sourceByte(k - 1) << (8 - t)) & 0xFF));
    }
}

} // namespace

void QERNO_CALL slantwh(long width, long height, long* newWidth, long angle) {
    if (newWidth)
        *newWidth = static_cast<long>(NonNegative(width) + LeanOf(NonNegative(height), angle));
}

void QERNO_CALL slant(BYTE* source, long width, long height, BYTE* target, long* newWidth,
                      long angle) {
    const long w = NonNegative(width);
    const long h = NonNegative(height);
    const long long lean = LeanOf(h, angle);
    const long long nw = w + lean;
    if (newWidth)
        *newWidth = static_cast<long>(nw);
    if (!source || !target)
        return;
    const long long sourceStride = Stride(w);
    const long long targetStride = Stride(nw);
    for (long r = 0; r < h; ++r) {
        const long long shift = angle > 0 ? lean * r / h : lean * (h - r) / h;
        PlaceRow(source + r * sourceStride, sourceStride, target + r * targetStride, targetStride,
                 shift);
    }
}
