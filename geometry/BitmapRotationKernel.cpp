#include "geometry/BitmapRotationKernel.h"

#include "QernoGeometry.h"

#include <cstring>

namespace {

int Stride(int width) {
    return (width + 7) / 8;
}

// Calls plot(x, y) for every set pixel left of width, skipping empty bytes whole.
template <typename Plot>
void ForEachSetPixel(const BYTE* source, int width, int height, Plot plot) {
    const int stride = Stride(width);
    const int lastBits = width - 8 * (stride - 1);
    const BYTE lastMask = static_cast<BYTE>(0xFF << (8 - lastBits));
    for (int y = 0; y < height; ++y) {
        const BYTE* row = source + static_cast<long long>(y) * stride;
        for (int column = 0; column < stride; ++column) {
            BYTE bits = row[column];
            if (column == stride - 1)
                bits &= lastMask;
            for (int bit = 0; bits; ++bit, bits = static_cast<BYTE>(bits << 1)) {
                if (bits & 0x80)
                    plot(8 * column + bit, y);
            }
        }
    }
}

class Target {
public:
    Target(BYTE* bits, int width, int height)
        : bits_(bits), stride_(Stride(width)), height_(height) {}

    int stride() const { return stride_; }

    // The padding bits of a row's last byte are inside too.
    void Set(int x, int y) {
        if (x < 0 || x >= 8 * stride_ || y < 0 || y >= height_)
            return;
        bits_[static_cast<long long>(y) * stride_ + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
    }

private:
    BYTE* bits_;
    int stride_;
    int height_;
};

// A turn by 0 keeps the stride, so the rows copy whole; only the padding is dropped.
void CopyRows(const BYTE* source, BYTE* target, int width, int height) {
    const int stride = Stride(width);
    if (stride == 0)
        return;
    const BYTE lastMask = static_cast<BYTE>(0xFF << (8 * stride - width));
    for (int y = 0; y < height; ++y) {
        const long long start = static_cast<long long>(y) * stride;
        std::memcpy(target + start, source + start, stride);
        target[start + stride - 1] &= lastMask;
    }
}

} // namespace

void RotateBitsKernel(const BYTE* source, BYTE* target, const RotationParams& params, int turn) {
    const int c = Lumo_GetCos(turn);
    const int s = Lumo_GetSin(turn);
    Target out(target, params.newWidth, params.newHeight);
    std::memset(target, 0, static_cast<size_t>(out.stride()) * params.newHeight);
    const int ox = params.originX;
    const int oy = params.originY;
    const int w = params.oldWidth;
    const int h = params.oldHeight;
    switch (turn) {
    case 0:
        CopyRows(source, target, w, h);
        break;
    case 90:
        ForEachSetPixel(source, w, h, [&](int x, int y) { out.Set(y, oy - x); });
        break;
    case 180:
        ForEachSetPixel(source, w, h, [&](int x, int y) { out.Set(ox - x, oy - y); });
        break;
    case 270:
        ForEachSetPixel(source, w, h, [&](int x, int y) { out.Set(ox - y, x); });
        break;
    default:
        // Sides are limited so that these products stay within 32 bits.
        ForEachSetPixel(source, w, h, [&](int x, int y) {
            out.Set(ox + (x * c + y * s) / 10000, oy + (y * c - x * s) / 10000);
        });
        break;
    }
    ClosePinHoles(target, out.stride(), params.newHeight);
}

void ClosePinHoles(BYTE* bits, int stride, int rows) {
    // A filled pixel had a clear neighbour on every side it could give a later pixel, so the
    // order of the pass does not matter and whole bytes can be filled at once.
    for (int y = 1; y < rows - 1; ++y) {
        BYTE* row = bits + static_cast<long long>(y) * stride;
        const BYTE* above = row - stride;
        const BYTE* below = row + stride;
        for (int k = 0; k < stride; ++k) {
            const unsigned int here = row[k];
            const unsigned int leftSet = (here >> 1) | (k > 0 ? (row[k - 1] & 1u) << 7 : 0u);
            const unsigned int rightSet =
                ((here << 1) & 0xFFu) | (k + 1 < stride ? row[k + 1] >> 7 : 0u);
            row[k] = static_cast<BYTE>(here | (above[k] & below[k] & leftSet & rightSet));
        }
    }
}
