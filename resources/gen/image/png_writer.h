// PNG output for preview sheets and screenshots: 8-bit RGB, compressed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qerno::image {

class Canvas;

// `rgb` holds width * height pixels of three bytes (R, G, B), rows from the top.
std::vector<std::uint8_t> EncodePng(int width, int height, const std::uint8_t* rgb);
std::vector<std::uint8_t> EncodePng(const Canvas& canvas);

// False when the file cannot be written completely.
bool WritePng(const std::string& path, int width, int height, const std::uint8_t* rgb);
bool WritePng(const std::string& path, const Canvas& canvas);

} // namespace qerno::image
