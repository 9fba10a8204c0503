// Windows bitmap files as resource compilers take them: BITMAPFILEHEADER, BITMAPINFOHEADER,
// rows from the bottom up, each padded to a multiple of 4 bytes.
#pragma once

#include <cstdint>
#include <vector>

namespace qerno::image {

class Canvas;
class MonoImage;

// 24 bits per pixel, blue-green-red order.
std::vector<std::uint8_t> EncodeBmp(const Canvas& canvas);
// 1 bit per pixel, colour table black (bit 0) then white (bit 1), leftmost pixel in bit 7.
std::vector<std::uint8_t> EncodeBmp(const MonoImage& image);

} // namespace qerno::image
