// Blocks of any bytes: the sanitizer reports any read past the block, and a block the check
// accepts must hold every pixel byte.
#include "FuzzInput.h"
#include "QernoRender.h"
#include "render/DibLayout.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t size) {
    const std::unique_ptr<char[]> block = HeapCopy(input, size, false);
    char* dib = block.get();
    DibParts parts;
    const bool fits = ReadDibBlock(dib, size, &parts);
    std::uint32_t headerSize = 0;
    if (size >= sizeof headerSize)
        std::memcpy(&headerSize, dib, sizeof headerSize);
    if (size < (headerSize == kInfoHeaderSize ? kInfoHeaderSize : kCoreHeaderSize)) {
        FUZZ_CHECK(!fits);
        return 0;
    }
    // The accessors read the header alone, whatever it says.
    DIBNumColors(dib);
    PaletteSize(dib);
    DIBWidth(dib);
    DIBHeight(dib);
    if (!fits)
        return 0;

    const DibHeader& header = parts.header;
    const std::uint64_t pixelBytes =
        header.compression == kRle8 || header.compression == kRle4
            ? header.imageSize
            : DibRowBytes(header.width, header.bitCount) * std::llabs(std::int64_t{header.height});
    FUZZ_CHECK(pixelBytes > 0 && parts.bitsOffset <= size && pixelBytes <= size - parts.bitsOffset);
    return 0;
}
