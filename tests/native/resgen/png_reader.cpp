#include "png_reader.h"

#include <cstring>

namespace {

std::uint32_t Be32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

DecodedPng Fail(const std::string& why) {
    DecodedPng png;
    png.error = why;
    return png;
}

} // namespace

std::uint32_t BitwiseCrc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

std::uint32_t NaiveAdler32(const std::uint8_t* data, std::size_t size) {
    std::uint64_t a = 1;
    std::uint64_t b = 0;
    for (std::size_t i = 0; i < size; ++i) {
        a = (a + data[i]) % 65521;
        b = (b + a) % 65521;
    }
    return static_cast<std::uint32_t>(b << 16 | a);
}

DecodedPng DecodeStoredPng(const std::vector<std::uint8_t>& file) {
    static const std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (file.size() < 8 || std::memcmp(file.data(), kSignature, 8) != 0)
        return Fail("signature");
    DecodedPng png;
    std::vector<std::uint8_t> zlib;
    bool sawEnd = false;
    for (std::size_t at = 8; at < file.size();) {
        if (at + 12 > file.size())
            return Fail("truncated chunk");
        const std::uint32_t length = Be32(&file[at]);
        if (at + 12 + length > file.size())
            return Fail("chunk overruns file");
        const std::string type(reinterpret_cast<const char*>(&file[at + 4]), 4);
        const std::uint8_t* data = &file[at + 8];
        if (BitwiseCrc32(&file[at + 4], length + 4) != Be32(data + length))
            return Fail("bad CRC in " + type);
        if (type == "IHDR") {
            if (length != 13 || data[8] != 8 || data[9] != 2 || data[10] || data[11] || data[12])
                return Fail("unexpected IHDR");
            png.width = Be32(data);
            png.height = Be32(data + 4);
        } else if (type == "IDAT") {
            zlib.insert(zlib.end(), data, data + length);
        } else if (type == "IEND") {
            sawEnd = true;
        }
        at += 12 + length;
    }
    if (!sawEnd)
        return Fail("no IEND");
    if (zlib.size() < 6 || (zlib[0] & 0x0F) != 8 || (zlib[0] << 8 | zlib[1]) % 31 != 0)
        return Fail("bad zlib header");

    std::vector<std::uint8_t> raw;
    std::size_t at = 2;
    for (bool last = false; !last;) {
        if (at + 5 > zlib.size())
            return Fail("truncated deflate block");
        last = zlib[at] & 1;
        if ((zlib[at] >> 1) != 0)
            return Fail("not a stored block");
        const unsigned len = zlib[at + 1] | zlib[at + 2] << 8;
        const unsigned nlen = zlib[at + 3] | zlib[at + 4] << 8;
        if ((len ^ 0xFFFF) != nlen)
            return Fail("LEN and NLEN disagree");
        at += 5;
        if (at + len > zlib.size())
            return Fail("stored block overruns stream");
        raw.insert(raw.end(), zlib.begin() + at, zlib.begin() + at + len);
        at += len;
        ++png.storedBlocks;
    }
    if (at + 4 != zlib.size() || Be32(&zlib[at]) != NaiveAdler32(raw.data(), raw.size()))
        return Fail("bad Adler-32");

    const std::size_t rowBytes = std::size_t(png.width) * 3;
    if (raw.size() != (rowBytes + 1) * png.height)
        return Fail("wrong amount of image data");
    for (std::uint32_t row = 0; row < png.height; ++row) {
        const std::uint8_t* line = &raw[row * (rowBytes + 1)];
        if (line[0] != 0)
            return Fail("unexpected filter type");
        png.rgb.insert(png.rgb.end(), line + 1, line + 1 + rowBytes);
    }
    png.ok = true;
    return png;
}
