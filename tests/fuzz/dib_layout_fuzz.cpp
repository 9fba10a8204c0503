// Blocks of any bytes: the sanitizer reports any read past the block, and a block the check
// accepts must hold its header, colour table and pixel bytes, at most 256 colours of them.
#include "FuzzInput.h"
#include "QernoRender.h"
#include "render/DibLayout.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    const std::unique_ptr<char[]> block = HeapCopy(input, size, false);
    char* dib = block.get();
    const bool fits = DibFitsBlock(dib, size);
    std::uint32_t headerSize = 0;
    if (size >= sizeof headerSize)
        std::memcpy(&headerSize, dib, sizeof headerSize);
    const std::size_t headerBytes =
        headerSize == kInfoHeaderSize ? kInfoHeaderSize : kCoreHeaderSize;
    if (size < headerBytes) {
        FUZZ_CHECK(!fits);
        return 0;
    }
    // The accessors read the header alone, whatever it says.
    const unsigned short colours = DIBNumColors(dib);
    const unsigned short paletteBytes = PaletteSize(dib);
    const unsigned long width = DIBWidth(dib);
    const unsigned long height = DIBHeight(dib);
    FUZZ_CHECK(width <= 0xFFFFFFFFu && height <= 0xFFFFFFFFu);
    if (!fits)
        return 0;

    const DibHeader header = ReadDibHeader(dib);
    const std::uint64_t bitsOffset = static_cast<std::uint64_t>(FindDIBBits(dib) - dib);
    FUZZ_CHECK(colours <= 256 && paletteBytes == colours * (header.info ? 4 : 3) &&
               bitsOffset == headerSize + paletteBytes && bitsOffset <= size);
    const std::uint64_t rows = std::llabs(std::int64_t{header.height});
    const std::uint64_t pixelBytes = header.compression == kUncompressed
                                         ? DibRowBytes(width, header.bitCount) * rows
                                         : header.imageSize;
    FUZZ_CHECK(width > 0 && rows > 0 && pixelBytes <= size - bitsOffset);
    return 0;
}
