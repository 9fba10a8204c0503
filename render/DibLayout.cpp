#include "render/DibLayout.h"

#include <cstring>

namespace {

template <typename Field> Field FieldAt(const char* dib, int offset) {
    Field value;
    std::memcpy(&value, dib + offset, sizeof value);
    return value;
}

const char* const kErrorTexts[] = {
    "Not a DIB file!",
    "Couldn't allocate memory!",
    "Error reading file!",
    "Error locking memory!",
    "Error opening file!",
    "Error creating palette!",
    "Error getting a DC!",
    "Error creating MDI Child!",
    "Error creating Device Dependent Bitmap",
    "StretchBlt() failed!",
    "StretchDIBits() failed!",
    "Paint requires both DDB and DIB!",
    "SetDIBitsToDevice() failed!",
    "Printer: StartDoc failed!",
    "Printing: GetModuleHandle() couldn't find GDI!",
    "Printer: SetAbortProc failed!",
    "Printer: StartPage failed!",
    "Printer: NEWFRAME failed!",
    "Printer: EndPage failed!",
    "Printer: EndDoc failed!",
    "Only one DIB can be animated at a time!",
    "No timers available for animation!",
    "Can't copy to clipboard -- no current DIB!",
    "Clipboard is busy -- operation aborted!",
    "Can't paste -- no DIBs or DDBs in clipboard!",
    "SetDIBits() failed!",
    "File Not Found!",
    "Error writing DIB file!",
};

} // namespace

DibHeader ReadDibFields(const char* dib, bool info) {
    DibHeader header = {};
    header.size = FieldAt<std::uint32_t>(dib, 0);
    header.info = info;
    if (info) {
        header.width = FieldAt<std::int32_t>(dib, 4);
        header.height = FieldAt<std::int32_t>(dib, 8);
        header.bitCount = FieldAt<std::uint16_t>(dib, 14);
        header.compression = FieldAt<std::uint32_t>(dib, 16);
        header.imageSize = FieldAt<std::uint32_t>(dib, 20);
        header.coloursUsed = FieldAt<std::uint32_t>(dib, 32);
    } else {
        header.width = FieldAt<std::uint16_t>(dib, 4);
        header.height = FieldAt<std::uint16_t>(dib, 6);
        header.bitCount = FieldAt<std::uint16_t>(dib, 10);
    }
    return header;
}

DibHeader ReadDibHeader(const char* dib) {
    return ReadDibFields(dib, FieldAt<std::uint32_t>(dib, 0) == kInfoHeaderSize);
}

unsigned short DibColourCount(const DibHeader& header) {
    if (header.coloursUsed != 0)
        return static_cast<unsigned short>(header.coloursUsed);
    switch (header.bitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

unsigned short DibPaletteBytes(const DibHeader& header) {
    return static_cast<unsigned short>(DibColourCount(header) * (header.info ? 4 : 3));
}

std::uint64_t DibBitsOffset(const DibHeader& header) {
    return std::uint64_t{header.size} + DibPaletteBytes(header);
}

std::uint64_t DibRowBytes(std::uint64_t width, unsigned bitCount) {
    return (width * bitCount + 31) / 32 * 4;
}

int NewHeaderDepth(int bitsPerPixel) {
    if (bitsPerPixel <= 1)
        return 1;
    if (bitsPerPixel <= 4)
        return 4;
    if (bitsPerPixel <= 8)
        return 8;
    return 24;
}

bool DibFillable(std::uint64_t compression, unsigned bitCount) {
    const bool knownDepth = bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
                            bitCount == 24 || bitCount == 32;
    return knownDepth &&
           (compression == kUncompressed || compression == kRle8 || compression == kRle4);
}

const char* DibErrorText(int code) {
    constexpr int kCount = sizeof kErrorTexts / sizeof kErrorTexts[0];
    return code >= 0 && code < kCount ? kErrorTexts[code] : "Undefined Error!";
}
