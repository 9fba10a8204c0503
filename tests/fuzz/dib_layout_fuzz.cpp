// Blocks of any bytes: the sanitizer reports any read past the block, and a block the check
// accepts must hold its header, colour table and pixel bytes, at most 256 colours of them.
#include "QernoRender.h"
#include "render/DibLayout.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    // A copy of exactly the input's size, so that a read past it is caught.
    std::unique_ptr<char[]> block(new char[size]);
    std::memcpy(block.get(), input, size);
    char* dib = block.get();
    const bool fits = DibFitsBlock(dib, size);
    std::uint32_t headerSize = 0;
    if (size >= sizeof headerSize)
        std::memcpy(&headerSize, dib, sizeof headerSize);
    const std::size_t headerBytes =
        headerSize == kInfoHeaderSize ? kInfoHeaderSize : kCoreHeaderSize;
    if (size < headerBytes) {
        if (fits)
            __builtin_trap();
        return 0;
    }
    // The accessors read the header alone, whatever it says.
    const unsigned short colours = DIBNumColors(dib);
    const unsigned short paletteBytes = PaletteSize(dib);
    const unsigned long width = DIBWidth(dib);
    const unsigned long height = DIBHeight(dib);
    if (width > 0xFFFFFFFFu || height > 0xFFFFFFFFu)
        __builtin_trap();
    if (!fits)
        return 0;

    const DibHeader header = ReadDibHeader(dib);
    const std::uint64_t bitsOffset = static_cast<std::uint64_t>(FindDIBBits(dib) - dib);
    if (colours > 256 || paletteBytes != colours * (header.info ? 4 : 3) ||
        bitsOffset != headerSize + paletteBytes || bitsOffset > size)
        __builtin_trap();
    const std::uint64_t rows = std::llabs(std::int64_t{header.height});
    const std::uint64_t pixelBytes = header.compression == kUncompressed
                                         ? DibRowBytes(width, header.bitCount) * rows
                                         : header.imageSize;
    if (width == 0 || rows == 0 || pixelBytes > size - bitsOffset)
        __builtin_trap();
    return 0;
}
