#include "QernoRender.h"
#include "render/DibBlock.h"
#include "render/DibErrors.h"
#include "render/PixelWidening.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

namespace {

// The screen DC with a palette, when one is given, selected in the foreground; the DC's palette
// is realized either way. The previous palette goes back before the DC is released.
class ScreenDC {
public:
    explicit ScreenDC(HPALETTE palette) : dc_(GetDC(nullptr)) {
        if (!dc_)
            return;
        if (palette)
            previous_ = SelectPalette(dc_, palette, FALSE);
        RealizePalette(dc_);
    }
    ~ScreenDC() {
        if (!dc_)
            return;
        if (previous_)
            SelectPalette(dc_, previous_, FALSE);
        ReleaseDC(nullptr, dc_);
    }
    ScreenDC(const ScreenDC&) = delete;
    ScreenDC& operator=(const ScreenDC&) = delete;

    HDC get() const { return dc_; }

private:
    HDC dc_;
    HPALETTE previous_ = nullptr;
};

// Only a real bitmap's record: GetObject would read a brush or a pen into it as well.
bool ReadBitmap(HBITMAP bitmap, BITMAP* record) {
    return bitmap && GetObjectType(bitmap) == OBJ_BITMAP &&
           GetObjectA(bitmap, sizeof *record, record) != 0 && record->bmWidth > 0 &&
           record->bmHeight > 0;
}

char* Bytes(BITMAPINFOHEADER* header) {
    return reinterpret_cast<char*>(header);
}

constexpr LONG kStripPixels = 1 << 15; // rows widened at a time stay in the processor's cache

// A plain 24-bit DIB for a 32-bit screen is handed over a strip of 32-bit rows at a time, which
// GDI copies where it would widen each pixel itself, to the same pixels. Null when the DIB is not
// one, or any step fails.
HBITMAP CreateFromWideRows(HDC screen, const DibHeader& header, const char* bits) {
    if (header.size != kInfoHeaderSize || header.bitCount != 24 || header.width <= 0 ||
        header.compression != kUncompressed ||
        GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES) != 32)
        return nullptr;
    const LONG rows = header.height < 0 ? -header.height : header.height;
    const LONG stripRows = std::max<LONG>(1, kStripPixels / header.width);
    std::unique_ptr<std::uint32_t[]> strip(
        new (std::nothrow) std::uint32_t[static_cast<std::uint64_t>(header.width) * stripRows]);
    // Scan lines from the bottom, as SetDIBits counts them.
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, header.width, rows, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HBITMAP bitmap =
        strip ? CreateDIBitmap(screen, &info.bmiHeader, 0, nullptr, nullptr, 0) : nullptr;
    const std::uint64_t rowBytes = DibRowBytes(header.width, 24);
    for (LONG first = 0; bitmap && first < rows; first += stripRows) {
        const LONG count = std::min(stripRows, rows - first);
        for (LONG line = first; line < first + count; ++line) {
            const LONG memoryRow = header.height < 0 ? rows - 1 - line : line;
            WidenBgrRow(reinterpret_cast<const unsigned char*>(bits) + memoryRow * rowBytes,
                        strip.get() + static_cast<std::uint64_t>(line - first) * header.width,
                        static_cast<std::size_t>(header.width));
        }
        if (SetDIBits(screen, bitmap, static_cast<UINT>(first), static_cast<UINT>(count),
                      strip.get(), &info, DIB_RGB_COLORS) != count) {
            DeleteObject(bitmap);
            bitmap = nullptr;
        }
    }
    return bitmap;
}

HBITMAP ScreenBitmapOf(const char* block, const DibParts& parts, HPALETTE palette) {
    ScreenDC screen(palette);
    if (!screen.get())
        return nullptr;
    const char* bits = block + parts.bitsOffset;
    const auto* info = reinterpret_cast<const BITMAPINFO*>(block);
    HBITMAP bitmap = CreateFromWideRows(screen.get(), parts.header, bits);
    if (!bitmap)
        bitmap =
            CreateDIBitmap(screen.get(), &info->bmiHeader, CBM_INIT, bits, info, DIB_RGB_COLORS);
    if (!bitmap)
        ShowDibError(kDibBitmapError);
    return bitmap;
}

// GetDIBits without rows fills the header's image size and the colour table; the header comes
// back with what it wrote. The block holds the header and its colour table.
bool QueryHeader(HDC dc, HBITMAP bitmap, HGLOBAL dib, BITMAPINFOHEADER* header) {
    char* block = static_cast<char*>(GlobalLock(dib));
    if (!block)
        return false;
    std::memcpy(block, header, sizeof *header);
    GetDIBits(dc, bitmap, 0, static_cast<UINT>(header->biHeight & 0xFFFF), nullptr,
              reinterpret_cast<BITMAPINFO*>(block), DIB_RGB_COLORS);
    std::memcpy(header, block, sizeof *header);
    GlobalUnlock(dib);
    return true;
}

// The image size a driver that leaves it 0 is assumed to need: run lengths get half as much again.
std::uint64_t AssumedImageBytes(const BITMAP& record, const BITMAPINFOHEADER& header) {
    const std::uint64_t bytes =
        DibRowBytes(static_cast<std::uint64_t>(record.bmWidth), header.biBitCount) *
        static_cast<std::uint64_t>(record.bmHeight);
    return header.biCompression == BI_RGB ? bytes : bytes * 3 / 2;
}

bool ReadRows(HDC dc, HBITMAP bitmap, HGLOBAL dib) {
    char* block = static_cast<char*>(GlobalLock(dib));
    if (!block)
        return false;
    auto* info = reinterpret_cast<BITMAPINFO*>(block);
    const int rows = GetDIBits(dc, bitmap, 0, static_cast<UINT>(info->bmiHeader.biHeight & 0xFFFF),
                               FindDIBBits(block), info, DIB_RGB_COLORS);
    GlobalUnlock(dib);
    return rows != 0;
}

} // namespace

HBITMAP QERNO_CALL DIBToBitmap(void* dib, HPALETTE palette) {
    if (!dib)
        return nullptr;
    DibParts parts;
    char* block = LockDib(dib, &parts);
    if (!block)
        return nullptr;
    HBITMAP bitmap = ScreenBitmapOf(block, parts, palette);
    GlobalUnlock(dib);
    return bitmap;
}

// The image size keeps the low 32 bits of the product, the width the field's 32 bits.
void QERNO_CALL InitBitmapInfoHeader(BITMAPINFOHEADER* header, unsigned long width,
                                     unsigned long height, int bitsPerPixel) {
    if (!header)
        return;
    *header = {};
    header->biSize = sizeof *header;
    header->biWidth = static_cast<LONG>(width);
    header->biHeight = static_cast<LONG>(height);
    header->biPlanes = 1;
    header->biBitCount = static_cast<WORD>(NewHeaderDepth(bitsPerPixel));
    header->biSizeImage = static_cast<DWORD>(DibRowBytes(width, header->biBitCount) * height);
}

void* QERNO_CALL DibFromBitmap(HBITMAP bitmap, unsigned long compression,
                               unsigned short bitsPerPixel, HPALETTE palette, int headerOnly) {
    BITMAP record;
    if (!ReadBitmap(bitmap, &record))
        return nullptr;
    if (!palette)
        palette = static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE));
    if (bitsPerPixel == 0)
        bitsPerPixel = static_cast<unsigned short>(record.bmPlanes * record.bmBitsPixel);
    if (!DibFillable(compression, bitsPerPixel))
        return nullptr;
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = record.bmWidth;
    header.biHeight = record.bmHeight;
    header.biPlanes = 1;
    header.biBitCount = bitsPerPixel;
    header.biCompression = static_cast<DWORD>(compression);

    ScreenDC screen(palette);
    if (!screen.get())
        return nullptr;
    HGLOBAL dib = GlobalAlloc(GHND, header.biSize + PaletteSize(Bytes(&header)));
    if (!dib)
        return nullptr;
    if (!QueryHeader(screen.get(), bitmap, dib, &header)) {
        GlobalFree(dib);
        return nullptr;
    }
    const std::uint64_t imageBytes =
        header.biSizeImage ? header.biSizeImage : AssumedImageBytes(record, header);
    const std::uint64_t length = header.biSize + PaletteSize(Bytes(&header)) + imageBytes;
    HGLOBAL grown = length <= kMaxDibBlockBytes ? GlobalReAlloc(dib, static_cast<SIZE_T>(length),
                                                                GMEM_MOVEABLE | GMEM_ZEROINIT)
                                                : nullptr;
    if (!grown) {
        GlobalFree(dib);
        return nullptr;
    }
    dib = grown;
    if (!headerOnly && !ReadRows(screen.get(), bitmap, dib)) {
        GlobalFree(dib);
        return nullptr;
    }
    return dib;
}

void* QERNO_CALL BitmapToDIB(HBITMAP bitmap, HPALETTE palette) {
    BITMAP record;
    if (!ReadBitmap(bitmap, &record))
        return nullptr;
    BITMAPINFOHEADER header;
    InitBitmapInfoHeader(&header, record.bmWidth, record.bmHeight, 24);
    // Counted in 64 bits: a wrapped 32-bit image size would let GetDIBits write past the block.
    const std::uint64_t length = header.biSize + PaletteSize(Bytes(&header)) +
                                 DibRowBytes(static_cast<std::uint64_t>(record.bmWidth), 24) *
                                     static_cast<std::uint64_t>(record.bmHeight);
    if (length > kMaxDibBlockBytes)
        return nullptr;
    HGLOBAL dib = GlobalAlloc(GHND, static_cast<SIZE_T>(length));
    if (!dib)
        return nullptr;
    char* block = static_cast<char*>(GlobalLock(dib));
    int rows = 0;
    if (block) {
        std::memcpy(block, &header, sizeof header);
        ScreenDC screen(palette);
        if (screen.get())
            rows =
                GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(record.bmHeight),
                          FindDIBBits(block), reinterpret_cast<BITMAPINFO*>(block), DIB_RGB_COLORS);
        GlobalUnlock(dib);
    }
    if (rows == 0) {
        GlobalFree(dib);
        return nullptr;
    }
    return dib;
}
