// The check of a block the handle functions lock: only what GDI reads the same way from the
// whole block is passed on to it.
#include "render/DibLayout.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::uint32_t kMasksBytes = 12;

std::uint32_t Field32(const char* at) {
    std::uint32_t value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

bool InfoLike(std::uint32_t size) {
    return size == kInfoHeaderSize || size == kV4HeaderSize || size == kV5HeaderSize;
}

bool DepthAllowed(const DibHeader& header) {
    switch (header.bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
        return true;
    case 16:
    case 32:
        return header.info;
    default:
        return false;
    }
}

// GDI decodes run lengths only at their own depth and only as far as the stated image size, and
// bit fields only at 16 and 32 bits.
bool CompressionAllowed(const DibHeader& header) {
    switch (header.compression) {
    case kUncompressed:
        return true;
    case kRle8:
        return header.bitCount == 8 && header.imageSize != 0;
    case kRle4:
        return header.bitCount == 4 && header.imageSize != 0;
    case kBitFields:
        return header.bitCount == 16 || header.bitCount == 32;
    default:
        return false;
    }
}

// A mask without bits, or sharing bits with another, leaves a channel that cannot be told apart.
bool MasksApart(const char* masks) {
    const std::uint32_t red = Field32(masks), green = Field32(masks + 4), blue = Field32(masks + 8);
    return red && green && blue && !(red & green) && !(red & blue) && !(green & blue);
}

bool PixelBytesFit(const DibHeader& header, std::uint64_t room) {
    if (header.compression == kRle8 || header.compression == kRle4)
        return header.imageSize <= room;
    const std::uint64_t rows = std::llabs(std::int64_t{header.height});
    return rows <= room / DibRowBytes(header.width, header.bitCount);
}

} // namespace

bool ReadDibBlock(const char* block, std::uint64_t blockSize, DibParts* parts) {
    if (blockSize < sizeof(std::uint32_t) || blockSize > kMaxDibBlockBytes)
        return false;
    const std::uint32_t size = Field32(block);
    const bool info = InfoLike(size);
    if ((!info && size != kCoreHeaderSize) || blockSize < size)
        return false;
    const DibHeader header = ReadDibFields(block, info);
    // GDI sizes its colour table by the full colours-used field, not by its low 16 bits.
    if (header.width <= 0 || header.height == 0 || !DepthAllowed(header) ||
        !CompressionAllowed(header) || header.coloursUsed > 256)
        return false;
    // The masks follow a 40-byte header; the larger ones hold them at the same place.
    std::uint64_t tableOffset = size;
    if (header.compression == kBitFields) {
        tableOffset = std::max(tableOffset, std::uint64_t{kInfoHeaderSize + kMasksBytes});
        if (tableOffset > blockSize || !MasksApart(block + kInfoHeaderSize))
            return false;
    }
    const std::uint64_t bitsOffset = tableOffset + DibPaletteBytes(header);
    if (bitsOffset > blockSize || !PixelBytesFit(header, blockSize - bitsOffset))
        return false;
    *parts = {header, tableOffset, bitsOffset};
    return true;
}
