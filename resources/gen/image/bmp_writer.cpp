#include "bmp_writer.h"

#include "byte_order.h"
#include "canvas.h"
#include "mono_image.h"

#include <cstddef>

namespace qerno::image {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kPixelsPerMetre = 2835; // 72 dots per inch

std::size_t PaddedRowBytes(int width, int bitsPerPixel) {
    const std::size_t bits = static_cast<std::size_t>(width) * bitsPerPixel;
    return (bits + 31) / 32 * 4;
}

std::vector<std::uint8_t> Headers(int width, int height, int bitsPerPixel,
                                  std::uint32_t paletteEntries) {
    const std::uint32_t pixelOffset = kFileHeaderSize + kInfoHeaderSize + 4 * paletteEntries;
    const auto imageSize = static_cast<std::uint32_t>(PaddedRowBytes(width, bitsPerPixel) * height);

    std::vector<std::uint8_t> out;
    out.push_back('B');
    out.push_back('M');
    AppendLe32(out, pixelOffset + imageSize);
    AppendLe32(out, 0); // two reserved words
    AppendLe32(out, pixelOffset);

    AppendLe32(out, kInfoHeaderSize);
    AppendLe32(out, static_cast<std::uint32_t>(width));
    AppendLe32(out, static_cast<std::uint32_t>(height)); // positive: rows run bottom-up
    AppendLe16(out, 1);                                  // planes
    AppendLe16(out, static_cast<std::uint32_t>(bitsPerPixel));
    AppendLe32(out, 0); // BI_RGB
    AppendLe32(out, imageSize);
    AppendLe32(out, kPixelsPerMetre);
    AppendLe32(out, kPixelsPerMetre);
    AppendLe32(out, paletteEntries);
    AppendLe32(out, 0); // all colours important
    return out;
}

} // namespace

std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas) {
    std::vector<std::uint8_t> out = Headers(canvas.Width(), canvas.Height(), 24, 0);
    const std::size_t padding = PaddedRowBytes(canvas.Width(), 24) - canvas.Width() * 3u;
    for (int row = canvas.Height() - 1; row >= 0; --row) {
        for (int col = 0; col < canvas.Width(); ++col) {
            const Rgb pixel = canvas.At(col, row);
            out.push_back(pixel.b);
            out.push_back(pixel.g);
            out.push_back(pixel.r);
        }
        out.insert(out.end(), padding, 0);
    }
    return out;
}

std::vector<std::uint8_t> EncodeBmp(const MonoImage& image) {
    std::vector<std::uint8_t> out = Headers(image.Width(), image.Height(), 1, 2);
    AppendLe32(out, 0x00000000); // black
    AppendLe32(out, 0x00FFFFFF); // white
    const std::size_t rowBytes = PaddedRowBytes(image.Width(), 1);
    for (int row = image.Height() - 1; row >= 0; --row) {
        std::vector<std::uint8_t> line(rowBytes, 0); // one padded scanline
        for (int col = 0; col < image.Width(); ++col)
            if (image.At(col, row))
                line[col / 8] |= static_cast<std::uint8_t>(0x80 >> (col % 8));
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

} // namespace qerno::image
