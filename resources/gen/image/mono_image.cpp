#include "mono_image.h"

#include <cstddef>

namespace qerno::image {

MonoImage::MonoImage(int width, int height, bool fill)
    : width_(width), height_(height),
      bits_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill ? 1 : 0) {}

bool MonoImage::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return false;
    return bits_[static_cast<std::size_t>(y) * width_ + x] != 0;
}

void MonoImage::Set(int x, int y, bool bit) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    bits_[static_cast<std::size_t>(y) * width_ + x] = bit ? 1 : 0;
}

} // namespace qerno::image
