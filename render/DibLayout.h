// The layout of a packed DIB read from its bytes, so that the same arithmetic serves every build
// and is checked natively.
#pragma once

#include <cstdint>

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kCoreHeaderSize = 12;
// The larger info headers (V4 and V5): the 40-byte fields, then the masks, colour space and more.
constexpr std::uint32_t kV4HeaderSize = 108;
constexpr std::uint32_t kV5HeaderSize = 124;

// The compressions this layout knows (BI_RGB, BI_RLE8, BI_RLE4, BI_BITFIELDS).
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kRle8 = 1;
constexpr std::uint32_t kRle4 = 2;
constexpr std::uint32_t kBitFields = 3;

// No block made or accepted here is larger: its image size fits the header's 32-bit field and
// the block fits the address space of the 32-bit build.
constexpr std::uint64_t kMaxDibBlockBytes = 0x7FFFFFFF;

// The fields of either header kind; a core header has no compression, image size or colours used
// and gives 0 for them.
struct DibHeader {
    std::uint32_t size; // the first field
    bool info;          // the 40-byte fields of an info-like header, 4-byte colour entries
    std::int32_t width;
    std::int32_t height;
    std::uint16_t bitCount;
    std::uint32_t compression;
    std::uint32_t imageSize;
    std::uint32_t coloursUsed;
};

// The 40 bytes of an info-like header's own fields, or the 12 of a core header.
DibHeader ReadDibFields(const char* dib, bool info);
// Reads 40 bytes when the first field says 40, else 12: the rule of the pointer functions.
DibHeader ReadDibHeader(const char* dib);
unsigned short DibColourCount(const DibHeader& header);
// Truncated to 16 bits as the colour-table size always was.
unsigned short DibPaletteBytes(const DibHeader& header);
// From the block's start: the header as its first field gives it, then the colour table, by the
// pointer functions' rule.
std::uint64_t DibBitsOffset(const DibHeader& header);
// DWORD-aligned rows.
std::uint64_t DibRowBytes(std::uint64_t width, unsigned bitCount);
// The depth a new info header gets for a requested one: 1, 4, 8 or 24.
int NewHeaderDepth(int bitsPerPixel);
// Whether GetDIBits fills an info header of this compression and depth as this layout sizes it:
// other compressions bring masks, other depths colour tables of other sizes.
bool DibFillable(std::uint64_t compression, unsigned bitCount);
// The text of a DIB error code; "Undefined Error!" for a code outside the table.
const char* DibErrorText(int code);

// Where the parts of a block handed whole to GDI lie, from its start.
struct DibParts {
    DibHeader header;
    std::uint64_t tableOffset; // past the header and any masks after it
    std::uint64_t bitsOffset;
};

// Whether blockSize bytes at block hold a whole DIB of a form GDI reads as this layout does, and
// where its parts lie: a core header or an info header of 40, 108 or 124 bytes; the masks of
// BI_BITFIELDS each set and apart; the colour table and pixel bytes all inside.
bool ReadDibBlock(const char* block, std::uint64_t blockSize, DibParts* parts);
