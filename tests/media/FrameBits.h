// The frames of the test picture as each video stores them.
#pragma once

#include <cstdint>
#include <vector>

namespace testmedia {

// Blue, green, red per pixel, rows from the bottom up, each padded to a multiple of 4 bytes.
std::vector<std::uint8_t> Rgb24FrameBits(int frame);
// Indices into PictureColours(), compressed with BI_RLE8.
std::vector<std::uint8_t> Rle8FrameBits(int frame);

} // namespace testmedia
