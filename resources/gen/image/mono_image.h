// A one-bit raster: the form of monochrome resource bitmaps before they are encoded.
#pragma once

#include <cstdint>
#include <vector>

namespace qerno::image {

class MonoImage {
public:
    MonoImage(int width, int height, bool fill = false);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Outside the image reads as 0 and writes are ignored.
    bool At(int x, int y) const;
    void Set(int x, int y, bool bit = true);

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> bits_; // width_ * height_ bytes, each 0 or 1, rows from the top
};

} // namespace qerno::image
