// The entry of a sample gradient-fill plug-in, built once per shape (QERNO_GRADIENT_SHAPE names
// one of GradientShape). The module definition exports it as "GradientFill": the system headers
// already declare a function of that name with other arguments.
#include "GradientShapes.h"
#include "QernoPlugIn.h"

#include <type_traits>

namespace {

constexpr GradientShape kShape = GradientShape::QERNO_GRADIENT_SHAPE;

// A DIB other than the one the library hands over is refused rather than guessed at.
bool IsContractDib(const BITMAPINFOHEADER& header, SIZE_T blockSize) {
    if (header.biSize != sizeof header || header.biPlanes != 1 || header.biBitCount != 24 ||
        header.biCompression != BI_RGB || header.biClrUsed != 0 || header.biWidth <= 0 ||
        header.biHeight <= 0)
        return false;
    const unsigned long long rowBytes = (header.biWidth * 24ULL + 31) / 32 * 4;
    return rowBytes * header.biHeight <= blockSize - sizeof header;
}

void Paint(BYTE* bits, const BITMAPINFOHEADER& header, const GradientPicture& picture) {
    const SIZE_T rowBytes = (header.biWidth * 24 + 31) / 32 * 4;
    const GradientPainter painter(picture);
    // Bottom-up: the picture's top line is the block's last row.
    for (LONG y = 0; y < picture.height; ++y)
        painter.PaintRow(y, bits + (picture.height - 1 - y) * rowBytes);
}

} // namespace

extern "C" int __cdecl QernoGradientFill(HGLOBAL dib, COLORREF first, COLORREF second,
                                         DWORD parameter) {
    const SIZE_T blockSize = dib ? GlobalSize(dib) : 0;
    if (blockSize < sizeof(BITMAPINFOHEADER))
        return 0;
    auto* block = static_cast<BYTE*>(GlobalLock(dib));
    if (!block)
        return 0;
    const BITMAPINFOHEADER header = *reinterpret_cast<const BITMAPINFOHEADER*>(block);
    const bool painted = IsContractDib(header, blockSize);
    if (painted) {
        const GradientPicture picture = {kShape,          header.biWidth,
                                         header.biHeight, static_cast<WORD>(parameter & 0xFFFF),
                                         first,           second};
        Paint(block + sizeof header, header, picture);
    }
    GlobalUnlock(dib);
    return painted;
}

static_assert(std::is_same_v<decltype(&QernoGradientFill), QernoGradientFillProc>,
              "the entry has the signature hosts call");
