// The two checksums a PNG file carries: CRC-32 over each chunk, Adler-32 over the zlib data.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qerno::image {

// `crc` continues an earlier run; start with 0.
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);
// `adler` continues an earlier run; start with 1.
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size, std::uint32_t adler = 1);

} // namespace qerno::image
