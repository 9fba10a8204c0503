// The entry of a sample gradient-fill plug-in, built once per shape (QERNO_GRADIENT_SHAPE names
// one of GradientShape). The module definition exports it as "GradientFill": the system headers
// already declare a function of that name with other arguments.
#include "GradientShapes.h"
#include "QernoPlugIn.h"
#include "render/RowSharing.h"

#include <cstring>
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

struct Painting {
    const GradientPainter& painter;
    BYTE* bits;
    SIZE_T rowBytes;
    int height;

    // Bottom-up: the picture's top line is the block's last row.
    BYTE* Row(int y) const { return bits + (height - 1 - y) * rowBytes; }
};

void PaintOwnRows(void* context, LONG first, LONG end) {
    const Painting& painting = *static_cast<const Painting*>(context);
    for (LONG y = first; y < end; ++y)
        if (painting.painter.MirroredRow(y) < 0)
            painting.painter.PaintRow(y, painting.Row(y));
}

void CopyMirroredRows(void* context, LONG first, LONG end) {
    const Painting& painting = *static_cast<const Painting*>(context);
    for (LONG y = first; y < end; ++y)
        if (const int mirror = painting.painter.MirroredRow(y); mirror >= 0)
            std::memcpy(painting.Row(y), painting.Row(mirror), painting.rowBytes);
}

// Each row is painted once, unless it mirrors one above, which it then copies.
void Paint(BYTE* bits, const BITMAPINFOHEADER& header, const GradientPicture& picture) {
    const GradientPainter painter(picture);
    Painting painting = {painter, bits, (static_cast<SIZE_T>(header.biWidth) * 24 + 31) / 32 * 4,
                         picture.height};
    ShareRows(0, picture.height, picture.width, PaintOwnRows, &painting);
    ShareRows(0, picture.height, picture.width, CopyMirroredRows, &painting);
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
