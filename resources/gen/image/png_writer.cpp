#include "png_writer.h"

#include "byte_order.h"
#include "canvas.h"
#include "checksums.h"
#include "file_bytes.h"

#include <algorithm>
#include <cstddef>

namespace qerno::image {

namespace {

constexpr std::size_t kMaxStoredBlock = 65535; // the largest length a stored block can state

void AppendChunk(std::vector<std::uint8_t>& png, const char (&type)[5],
                 const std::vector<std::uint8_t>& data) {
    AppendBe32(png, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeAt = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    // The chunk CRC covers the type and the data, not the length.
    AppendBe32(png, Crc32(png.data() + typeAt, png.size() - typeAt));
}

// Scanlines each led by filter type 0 (none), so the encoder needs no prediction.
std::vector<std::uint8_t> FilteredScanlines(int width, int height, const std::uint8_t* rgb) {
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    std::vector<std::uint8_t> raw;
    raw.reserve((rowBytes + 1) * static_cast<std::size_t>(height));
    for (int row = 0; row < height; ++row) {
        raw.push_back(0);
        const std::uint8_t* line = rgb + rowBytes * static_cast<std::size_t>(row);
        raw.insert(raw.end(), line, line + rowBytes);
    }
    return raw;
}

// A zlib stream of stored deflate blocks: larger than compressed output, but it needs no
// compressor and any decoder reads it.
std::vector<std::uint8_t> StoredZlib(const std::vector<std::uint8_t>& raw) {
    std::vector<std::uint8_t> z = {0x78, 0x01}; // deflate, 32 KiB window, check bits valid
    std::size_t at = 0;
    do {
        const std::size_t length = std::min(kMaxStoredBlock, raw.size() - at);
        const bool last = at + length == raw.size();
        z.push_back(last ? 1 : 0);
        AppendLe16(z, static_cast<std::uint32_t>(length));
        AppendLe16(z, static_cast<std::uint32_t>(~length & 0xFFFF));
        z.insert(z.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                 raw.begin() + static_cast<std::ptrdiff_t>(at + length));
        at += length;
    } while (at < raw.size());
    AppendBe32(z, Adler32(raw.data(), raw.size()));
    return z;
}

} // namespace

std::vector<std::uint8_t> EncodePng(int width, int height, const std::uint8_t* rgb) {
    std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

    std::vector<std::uint8_t> header;
    AppendBe32(header, static_cast<std::uint32_t>(width));
    AppendBe32(header, static_cast<std::uint32_t>(height));
    header.push_back(8); // bits per channel
    header.push_back(2); // colour type: RGB
    header.push_back(0); // compression: deflate
    header.push_back(0); // filter method: adaptive
    header.push_back(0); // no interlace
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "IDAT", StoredZlib(FilteredScanlines(width, height, rgb)));
    AppendChunk(png, "IEND", {});
    return png;
}

std::vector<std::uint8_t> EncodePng(const Canvas& canvas) {
    return EncodePng(canvas.Width(), canvas.Height(), canvas.Pixels().data());
}

bool WritePng(const std::string& path, int width, int height, const std::uint8_t* rgb) {
    return WriteFileBytes(path, EncodePng(width, height, rgb));
}

bool WritePng(const std::string& path, const Canvas& canvas) {
    return WriteFileBytes(path, EncodePng(canvas));
}

} // namespace qerno::image
